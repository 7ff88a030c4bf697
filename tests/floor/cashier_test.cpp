// The cashier's desk: switching and deleting players, the last player
// deleted, drawing funds, the low-money reminder, the sound switch and the
// way to the lobby.
#include <gtest/gtest.h>
#include <sge.h>

#include "floor/cashier.h"
#include "floor/floor_fixture.h"
#include "floor/lobby.h"
#include "floor/registration_form.h"
#include "player/player.h"
#include "shell/asset_log.h"
#include "player/config.h"
#include "shell/image.h"
#include "shell/sound.h"
#include "support/runtime.h"

using namespace floortest;

namespace {

class CashierTest : public FloorTest {
protected:
    void click(Cashier& desk, const SDL_Rect& r) { clickAt(desk, r.x + r.w / 2, r.y + r.h / 2); }
    bool heard(const std::string& clip) { return loadedAssets().count("../sounds/" + clip) > 0; }
};

}  // namespace

TEST_F(CashierTest, PickingANameSavesTheOldPlayerAndLoadsTheNewOne) {
    Cashier desk;
    ASSERT_NE(nullptr, desk.buttonNamed("name1"));
    currentPlayer->money = 777.0;
    click(desk, cashierlayout::nameRow(1));
    ASSERT_NE(nullptr, currentPlayer);
    EXPECT_EQ("Bob_Ray", currentPlayer->name);
    EXPECT_DOUBLE_EQ(30.0, currentPlayer->money);
    EXPECT_EQ("male", currentPlayer->gender);
    EXPECT_NE(std::string::npos, readSave("Ann_Lee").find("money=777"));
    // Picking the current player again changes nothing.
    Player* bob = currentPlayer;
    click(desk, cashierlayout::nameRow(1));
    EXPECT_EQ(bob, currentPlayer);
    EXPECT_EQ(nullptr, desk.next);
}

TEST_F(CashierTest, DeletingTheCurrentPlayerKeepsHisFileAndOpensTheFirstRemaining) {
    Cashier desk;
    desk.switchToPlayer("Bob_Ray");
    currentPlayer->money = 99.0;
    click(desk, cashierlayout::control("delete"));
    EXPECT_EQ((std::vector<std::string>{"Ann_Lee"}), config->players);
    ASSERT_NE(nullptr, currentPlayer);
    EXPECT_EQ("Ann_Lee", currentPlayer->name);
    EXPECT_TRUE(testrt::fileExists(testrt::root() + "/save/Bob_Ray.save"));
    EXPECT_NE(std::string::npos, readSave("Bob_Ray").find("money=99"));
    // Only Ann's row is left.
    EXPECT_NE(nullptr, desk.buttonNamed("name0"));
    EXPECT_EQ(nullptr, desk.buttonNamed("name1"));
}

TEST_F(CashierTest, DeletingTheLastPlayerReturnsToTheFirstRun) {
    Cashier desk;
    desk.deleteCurrentPlayer();  // Ann goes, Bob is current
    ASSERT_EQ("Bob_Ray", currentPlayer->name);
    pushKey(SDLK_ESCAPE);  // the registration form comes up: leave it
    desk.deleteCurrentPlayer();
    EXPECT_EQ(nullptr, currentPlayer);
    EXPECT_TRUE(config->players.empty());
    EXPECT_TRUE(config->firstTimeEver);
    // The settings written now start the next run as the very first one.
    config->write();
    std::string settings = testrt::readFile(testrt::root() + "/config.ini");
    EXPECT_NE(std::string::npos, settings.find("firsttimeever=1"));
    EXPECT_EQ(std::string::npos, settings.find("Bob_Ray"));
    EXPECT_EQ(std::string::npos, settings.find("Ann_Lee"));
    EXPECT_EQ(1, pendingEvents());  // the form took the Escape; its key-up is left
    dropEvents();

    // No one to play as: nothing to delete, no funds, and the floor stays
    // shut; "lobby" offers the form instead.
    desk.deleteCurrentPlayer();
    desk.drawAdditionalFunds();
    pushKey(SDLK_ESCAPE);
    desk.goToLobby();
    EXPECT_EQ(nullptr, desk.next);
    EXPECT_EQ(1, pendingEvents());
    dropEvents();

    // Registering from there opens the floor to the new player.
    typeText("Eve");
    pushKey(SDLK_TAB);
    typeText("Ng");
    pushClick(formlayout::titleButton(2));
    pushClick(formlayout::done());
    pushPress(1, 1);  // the new player's first lobby visit: two help pages
    pushPress(1, 1);
    desk.goToLobby();
    EXPECT_EQ(0, pendingEvents());
    ASSERT_NE(nullptr, currentPlayer);
    EXPECT_EQ("Eve_Ng", currentPlayer->name);
    EXPECT_FALSE(config->firstTimeEver);
    ASSERT_NE(nullptr, desk.next);
    EXPECT_EQ("lobby", desk.next->name);
    delete desk.next;
    desk.next = nullptr;
}

TEST_F(CashierTest, FundsAndTheLowMoneyReminderBelowFifty) {
    currentPlayer->money = 50.0;
    { Cashier desk; }
    EXPECT_FALSE(heard("lobyneed.wav"));
    currentPlayer->money = 0.1;
    Cashier desk;
    EXPECT_TRUE(heard("lobyneed.wav"));
    click(desk, cashierlayout::control("funds"));
    EXPECT_DOUBLE_EQ(1000.1, currentPlayer->money);
}

TEST_F(CashierTest, SoundSwitchAndTheWayToTheLobby) {
    Cashier desk;
    click(desk, cashierlayout::control("soundoff"));
    EXPECT_FALSE(soundPlayer->ambientEnabled);
    click(desk, cashierlayout::control("soundon"));
    EXPECT_TRUE(soundPlayer->ambientEnabled);

    soundPlayer->ambientOff();
    currentPlayer->firsttime = true;
    currentPlayer->firsttimelobby = false;
    click(desk, cashierlayout::control("lobby"));
    EXPECT_TRUE(soundPlayer->ambientEnabled);
    EXPECT_FALSE(currentPlayer->firsttime);
    ASSERT_NE(nullptr, desk.next);
    EXPECT_NE(nullptr, dynamic_cast<Lobby*>(desk.next));
    delete desk.next;
    desk.next = nullptr;

    // Input disabled: the desk ignores its buttons.
    desk.menuEnabled = false;
    click(desk, cashierlayout::control("lobby"));
    EXPECT_EQ(nullptr, desk.next);
}

TEST_F(CashierTest, LongListsScroll) {
    for (int i = 0; i < 10; ++i) config->players.push_back("P" + std::to_string(i) + "_X");
    config->players.push_back("bad,name");  // not a proper name: not listed
    Cashier desk;
    EXPECT_NE(nullptr, desk.buttonNamed("name7"));
    EXPECT_EQ(nullptr, desk.buttonNamed("name8"));
    for (int i = 0; i < 10; ++i) click(desk, cashierlayout::control("down"));
    EXPECT_EQ(4, desk.listTop);  // 12 proper names, 8 shown
    click(desk, cashierlayout::nameRow(7));
    EXPECT_EQ("P9_X", currentPlayer->name);
    click(desk, cashierlayout::control("up"));
    EXPECT_EQ(3, desk.listTop);
}

TEST_F(CashierTest, TextIsFittedToItsWidth) {
    sge_TTFont* font = openCashierFont(18);
    ASSERT_NE(nullptr, font);
    auto width = [&](const FittedText& f) {
        sge_TTF_SetFontSize(font, f.size);
        std::string s = f.text;
        return sge_TTF_TextSize(font, &s[0]).w;
    };
    FittedText shortName = fitText(font, "Ann Lee", 20, 11, 210);
    EXPECT_EQ("Ann Lee", shortName.text);
    EXPECT_EQ(20, shortName.size);

    // A longer name shrinks, whole, as far as it must.
    FittedText longer = fitText(font, "Anna-Katharina O'Brien", 20, 11, 210);
    EXPECT_EQ("Anna-Katharina O'Brien", longer.text);
    EXPECT_LT(longer.size, 20);
    EXPECT_GE(longer.size, 11);
    EXPECT_LE(width(longer), 210);

    // Two twenty-letter parts do not fit even small: cut behind "...".
    std::string widest = std::string(20, 'W') + " " + std::string(20, 'W');
    FittedText cut = fitText(font, widest, 20, 11, 210);
    EXPECT_EQ(11, cut.size);
    EXPECT_LE(width(cut), 210);
    ASSERT_GT(cut.text.size(), 3u);
    EXPECT_EQ("...", cut.text.substr(cut.text.size() - 3));
    EXPECT_EQ(0u, widest.find(cut.text.substr(0, cut.text.size() - 3)));
    // While typing, the end (with the caret) stays in view.
    FittedText typing = fitText(font, widest + "_", 16, 10, 204, true);
    EXPECT_LE(width(typing), 204);
    EXPECT_EQ("...", typing.text.substr(0, 3));
    EXPECT_EQ("W_", typing.text.substr(typing.text.size() - 2));
    sge_TTF_CloseFont(font);
}

TEST_F(CashierTest, LongNamesStayInsideTheirPanels) {
    // The bare desk picture, to compare the frames and the gaps with.
    {
        Image back("../gfx/cashier/back.png", false, false);
        ASSERT_TRUE(back.loaded);
        back.blit(0, 0);
    }
    std::vector<Uint16> bare = screenPixels();
    std::string longest = std::string(20, 'W') + "_" + std::string(20, 'W');
    config->players.push_back(longest);
    delete currentPlayer;
    currentPlayer = new Player(longest);
    currentPlayer->money = 123456789.0;
    Cashier desk;
    ASSERT_NE(nullptr, desk.buttonNamed("name2"));
    std::vector<Uint16> shown = screenPixels();
    int changed = 0;
    // Right of the players' list (its frame and the gap to the account) and
    // right of the account's values (its frame and the green beyond).
    for (int y = 100; y < 540; ++y)
        for (int x : {340, 350, 360, 370, 765, 770, 780, 790, 799})
            if (shown[y * 800 + x] != bare[y * 800 + x]) ++changed;
    EXPECT_EQ(0, changed);
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
    dropEvents();
    EXPECT_EQ(nullptr, currentPlayer);
    pushKey(SDLK_ESCAPE);
    desk.tick();  // offered once only: this key stays unread
    EXPECT_EQ(2, pendingEvents());
    dropEvents();

    click(desk, cashierlayout::nameRow(1));
    ASSERT_NE(nullptr, currentPlayer);
    EXPECT_EQ("Bob_Ray", currentPlayer->name);
    EXPECT_DOUBLE_EQ(30.0, currentPlayer->money);
    EXPECT_FALSE(config->firstTimeEver);
    config->write();
    std::string settings = testrt::readFile(testrt::root() + "/config.ini");
    EXPECT_NE(std::string::npos, settings.find("lastplayer=Bob_Ray"));
    EXPECT_NE(std::string::npos, settings.find("firsttimeever=0"));
}
