// The cashier's desk and the registration form: switching and deleting
// players, the last player deleted, funds and the low-money reminder, what a
// name may hold and what the form refuses.
#include <gtest/gtest.h>
#include <sge.h>
#include <SDL.h>

#include <tuple>

#include "floor/cashier.h"
#include "floor/floor_fixture.h"
#include "floor/lobby.h"
#include "floor/registration_form.h"
#include "player/config.h"
#include "player/player.h"
#include "player/save_files.h"
#include "shell/app.h"
#include "shell/asset_log.h"
#include "shell/sound.h"
#include "shell/util.h"
#include "support/runtime.h"

using namespace floortest;
using savefiles::savedMoney;

namespace {

class CashierTest : public FloorTest {
protected:
    void click(Cashier& desk, const SDL_Rect& r) { clickAt(desk, r.x + r.w / 2, r.y + r.h / 2); }
    bool heard(const std::string& clip) { return loadedAssets().count("../sounds/" + clip) > 0; }
};

}  // namespace

TEST_F(CashierTest, PickingSavesTheOldPlayerDeletingKeepsTheFileAndTheLastOneGoneIsAFirstRun) {
    Cashier desk;
    currentPlayer->money = 777.0;
    click(desk, cashierlayout::nameRow(1));
    ASSERT_NE(nullptr, currentPlayer);
    EXPECT_EQ("Bob_Ray 30 male", currentPlayer->name + " " + doubleToString(currentPlayer->money) + " " + currentPlayer->gender);
    EXPECT_EQ(777.0, savedMoney("Ann_Lee"));
    // Picking the current player again changes nothing.
    Player* bob = currentPlayer;
    click(desk, cashierlayout::nameRow(1));
    EXPECT_EQ(bob, currentPlayer);
    EXPECT_EQ(nullptr, desk.next);

    // Deleting him keeps his file and opens the first remaining player.
    currentPlayer->money = 99.0;
    click(desk, cashierlayout::control("delete"));
    EXPECT_EQ((std::vector<std::string>{"Ann_Lee"}), config->players);
    EXPECT_EQ("Ann_Lee", currentPlayer->name);
    EXPECT_EQ(99.0, savedMoney("Bob_Ray"));
    EXPECT_NE(nullptr, desk.buttonNamed("name0"));
    EXPECT_EQ(nullptr, desk.buttonNamed("name1"));

    // Deleting the last one brings up the registration form (left with
    // Escape) and makes the next run the very first one.
    pushKey(SDLK_ESCAPE);
    desk.deleteCurrentPlayer();
    EXPECT_TRUE(!currentPlayer && config->players.empty() && config->firstTimeEver);
    config->write();
    EXPECT_EQ("[global]\nfirsttimeever=1\nplayers=\nlastplayer=\n", testrt::readFile(testrt::root() + "/config.ini"));
    EXPECT_EQ(1, pendingEvents());  // the form took the Escape; its key-up is left
    testrt::drainEvents();

    // No one to play as: nothing to delete, no funds, and the floor stays
    // shut; "lobby" offers the form instead.
    desk.deleteCurrentPlayer();
    desk.drawAdditionalFunds();
    pushKey(SDLK_ESCAPE);
    desk.goToLobby();
    EXPECT_EQ(nullptr, desk.next);
    EXPECT_EQ(1, pendingEvents());
    testrt::drainEvents();

    // Registering from there opens the floor to the new player.
    enterName("Eve", "Ng", 2);
    pushClick(formlayout::done());
    pushPress(1, 1);  // the new player's first lobby visit: two help pages
    pushPress(1, 1);
    desk.goToLobby();
    EXPECT_EQ(0, pendingEvents());
    ASSERT_NE(nullptr, currentPlayer);
    EXPECT_EQ("Eve_Ng", currentPlayer->name);
    EXPECT_EQ("lobby", nextName(desk));
}

TEST_F(CashierTest, FundsTheLowMoneyReminderTheSoundSwitchAndTheWayToTheLobby) {
    currentPlayer->money = 50.0;
    { Cashier desk; }
    EXPECT_FALSE(heard("lobyneed.wav"));
    currentPlayer->money = 0.1;
    Cashier desk;
    EXPECT_TRUE(heard("lobyneed.wav"));  // below fifty
    click(desk, cashierlayout::control("funds"));
    EXPECT_DOUBLE_EQ(1000.1, currentPlayer->money);

    std::string sound;
    for (const char* button : {"soundoff", "soundon"}) {
        click(desk, cashierlayout::control(button));
        sound += soundPlayer->ambientEnabled ? "on " : "off ";
    }
    EXPECT_EQ("off on ", sound);
    soundPlayer->ambientOff();  // going to the lobby switches it back on
    currentPlayer->firsttime = true;
    // Input disabled: the desk ignores its buttons.
    desk.menuEnabled = false;
    click(desk, cashierlayout::control("lobby"));
    EXPECT_EQ(nullptr, desk.next);
    desk.menuEnabled = true;
    click(desk, cashierlayout::control("lobby"));
    EXPECT_TRUE(soundPlayer->ambientEnabled && !currentPlayer->firsttime);
    EXPECT_EQ("lobby", nextName(desk));
}

namespace {
// Players are listed but the last one is unknown: the game starts as a first run.
class CashierNoLastPlayerTest : public CashierTest {
protected:
    std::string configText() override { return "[global]\nfirsttimeever=0\nplayers=Ann_Lee,Bob_Ray\nlastplayer=\n"; }
};
}  // namespace

TEST_F(CashierNoLastPlayerTest, AListedPlayerCanBePickedInsteadOfRegistering) {
    ASSERT_EQ(nullptr, currentPlayer);
    ASSERT_TRUE(config->firstTimeEver);
    Cashier desk;
    pushKey(SDLK_ESCAPE);  // the form offered on the first frame: not now
    desk.tick();
    testrt::drainEvents();
    EXPECT_EQ(nullptr, currentPlayer);
    pushKey(SDLK_ESCAPE);
    desk.tick();  // offered once only: this key stays unread
    EXPECT_EQ(2, pendingEvents());
    testrt::drainEvents();

    click(desk, cashierlayout::nameRow(1));
    ASSERT_NE(nullptr, currentPlayer);
    EXPECT_EQ("Bob_Ray", currentPlayer->name);
    config->write();
    EXPECT_EQ("[global]\nfirsttimeever=0\nplayers=Ann_Lee,Bob_Ray\nlastplayer=Bob_Ray\n",
              testrt::readFile(testrt::root() + "/config.ini"));
}

class RegistrationTest : public FloorTest {};

TEST_F(RegistrationTest, FormSaysWhatIsWrongWithTheEntries) {
    Registration r;
    std::string problems;
    for (auto [first, last, title] : {std::tuple{"", "", Title::None}, {"Ann", "", Title::None}, {"Ann", "Le e", Title::None},
                                      {"Ann", "Wu", Title::None}, {"Ann", "Wu", Title::Mrs}, {"Ann", "LEE", Title::Mrs}}) {
        r.firstName = first, r.lastName = last, r.title = title;
        problems += registrationProblem(r) + "|";
    }
    // Already registered, in any spelling of case: it would take over that save file.
    EXPECT_EQ("Please enter a first name.|Please enter a last name.|Last name: letters, digits, - and ' (1 to 20).|"
              "Please choose a title.||That name is already registered.|", problems);
}

TEST_F(RegistrationTest, TypingANewPlayerInMakesHimCurrentAndSavesTheOldOne) {
    ASSERT_NE(nullptr, currentPlayer);
    currentPlayer->money = 321.0;
    // Characters the form does not take are dropped; so is a 21st character.
    typeText("Jo n_/,");
    pushKey(SDLK_TAB);
    typeText("Smith-O'Neil");
    typeText("abcdefghij");  // 22 characters typed, 20 kept
    pushKey(SDLK_BACKSPACE);
    pushClick(formlayout::titleButton(0));
    pushClick(formlayout::done());
    ASSERT_TRUE(runRegistrationForm());
    EXPECT_EQ(1, pendingEvents());  // the release of "done" is left for the screen

    ASSERT_NE(nullptr, currentPlayer);
    EXPECT_EQ("Jon_Smith-O'Neilabcdefg male 2500", currentPlayer->name + " " + currentPlayer->gender + " " + doubleToString(currentPlayer->money));
    EXPECT_EQ((std::vector<std::string>{"Ann_Lee", "Bob_Ray", "Jon_Smith-O'Neilabcdefg"}), config->players);
    EXPECT_EQ("Jon_Smith-O'Neilabcdefg", config->lastPlayer);
    // Ann was saved as she went.
    EXPECT_EQ(321.0, savedMoney("Ann_Lee"));
}

TEST_F(RegistrationTest, ARegisteredNameIsRefusedAndCancelOrEscapeChangeNothing) {
    Player* before = currentPlayer;
    typeText("bob");
    pushKey(SDLK_RETURN);  // on to the last name
    typeText("RAY");
    pushClick(formlayout::titleButton(2));
    pushKey(SDLK_RETURN);           // refused: Bob Ray is registered
    pushClick(formlayout::done());  // refused again
    pushClick(formlayout::cancel());
    EXPECT_FALSE(runRegistrationForm());
    typeText("Cy");
    pushKey(SDLK_ESCAPE);
    EXPECT_FALSE(runRegistrationForm());
    EXPECT_EQ(before, currentPlayer);
    EXPECT_EQ((std::vector<std::string>{"Ann_Lee", "Bob_Ray"}), config->players);
}

TEST_F(RegistrationTest, ANameWithASaveFileReopensThatProfileAsItStands) {
    // Deleted at the cashier (or lost from the settings): the file is still there.
    writeSave("Cy_Dee", "female", 77.0);
    enterName("cy", "DEE", 0);
    pushClick(formlayout::done());   // the form says so and stays open
    pushClick(formlayout::done());   // reopens it
    ASSERT_TRUE(runRegistrationForm());
    EXPECT_EQ(1, pendingEvents());
    EXPECT_EQ("Cy_Dee 77 female", currentPlayer->name + " " + doubleToString(currentPlayer->money) + " " + currentPlayer->gender);
    EXPECT_EQ("Cy_Dee", config->players.back());
    EXPECT_EQ(77.0, savedMoney("Cy_Dee"));
}
