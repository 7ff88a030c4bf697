// The registration form: what a name may hold, what the form refuses, and
// a player typing a new name in.
#include <gtest/gtest.h>

#include "floor/floor_fixture.h"
#include "floor/registration_form.h"
#include "player/player.h"
#include "shell/app.h"
#include "player/config.h"
#include "support/runtime.h"

using namespace floortest;

class RegistrationTest : public FloorTest {};

TEST_F(RegistrationTest, FormSaysWhatIsWrongWithTheEntries) {
    Registration r;
    EXPECT_EQ("Please enter a first name.", registrationProblem(r));
    r.firstName = "Ann";
    EXPECT_EQ("Please enter a last name.", registrationProblem(r));
    r.lastName = "Le e";
    EXPECT_NE(std::string::npos, registrationProblem(r).find("Last name"));
    r.lastName = "Wu";
    EXPECT_EQ("Please choose a title.", registrationProblem(r));
    r.title = Title::Mrs;
    EXPECT_EQ("", registrationProblem(r));
    // Already registered, in any spelling of case: it would take over that save file.
    r.lastName = "LEE";
    EXPECT_EQ("That name is already registered.", registrationProblem(r));
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
    EXPECT_EQ("Jon_Smith-O'Neilabcdefg", currentPlayer->name);
    EXPECT_EQ("male", currentPlayer->gender);
    EXPECT_DOUBLE_EQ(2500.0, currentPlayer->money);
    EXPECT_TRUE(isValidPlayerName(currentPlayer->name));
    EXPECT_EQ((std::vector<std::string>{"Ann_Lee", "Bob_Ray", "Jon_Smith-O'Neilabcdefg"}), config->players);
    EXPECT_EQ("Jon_Smith-O'Neilabcdefg", config->lastPlayer);
    EXPECT_FALSE(config->firstTimeEver);
    // Ann was saved as she went.
    EXPECT_NE(std::string::npos, readSave("Ann_Lee").find("money=321"));
}

TEST_F(RegistrationTest, ARegisteredNameIsRefusedAndCancelEscapeOrACloseChangeNothing) {
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
    typeText("Di");
    pushQuit();
    typeText("xx");  // never read: the form has closed
    EXPECT_FALSE(runRegistrationForm());
    EXPECT_TRUE(quitRequested());
    EXPECT_EQ(before, currentPlayer);
    EXPECT_EQ((std::vector<std::string>{"Ann_Lee", "Bob_Ray"}), config->players);
}

TEST_F(RegistrationTest, ANameWithASaveFileReopensThatProfileAsItStands) {
    // Deleted at the cashier (or lost from the settings): the file is still there.
    writeSave("Cy_Dee", "female", 77.0);
    const std::string before = readSave("Cy_Dee");
    enterName("cy", "DEE", 0);
    pushClick(formlayout::done());   // the form says so and stays open
    pushClick(formlayout::cancel());
    EXPECT_FALSE(runRegistrationForm());
    EXPECT_EQ("Ann_Lee", currentPlayer->name);

    enterName("cy", "DEE", 0);
    pushClick(formlayout::done());
    pushClick(formlayout::done());   // reopens it
    ASSERT_TRUE(runRegistrationForm());
    EXPECT_EQ("Cy_Dee", currentPlayer->name);
    EXPECT_EQ(77.0, currentPlayer->money);
    EXPECT_EQ("female", currentPlayer->gender);
    EXPECT_EQ("Cy_Dee", config->players.back());
    EXPECT_EQ(before.substr(0, before.find("money")), readSave("Cy_Dee").substr(0, before.find("money")));
    EXPECT_NE(std::string::npos, readSave("Cy_Dee").find("money=77\n"));
    EXPECT_NE(std::string::npos, testrt::readFile(testrt::root() + "/config.ini").find("Cy_Dee"));
}
