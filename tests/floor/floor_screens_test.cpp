// The casino floor's screens. The cashier's desk and the registration form:
// switching and deleting players, the last player deleted, funds and the
// low-money reminder, what a name may hold and what the form refuses. The
// lobby: a click on a machine starts it at one dollar and the doors lead on.
// What opens over the floor: the marquee popup over a machine, the LED signs
// scrolling one dot column per period, and the right-button machine menu that
// starts a machine at the chosen tab's coin value, ignores what starts nothing
// and opens only while there is someone to play.
#include <gtest/gtest.h>
#include <SDL.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <tuple>

#include "floor/cashier.h"
#include "floor/floor_fixture.h"
#include "floor/lobby.h"
#include "floor/machine_menu.h"
#include "floor/registration_form.h"
#include "machine/denomination.h"
#include "machine/marquee.h"
#include "player/config.h"
#include "player/player.h"
#include "player/save_files.h"
#include "shell/app.h"
#include "shell/asset_log.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/led_sign.h"
#include "shell/sound.h"
#include "shell/util.h"
#include "shell/waiting.h"
#include "support/runtime.h"

using namespace floortest;
using savefiles::savedMoney;

namespace {

class CashierTest : public FloorTest {
protected:
    void click(Cashier& desk, const SDL_Rect& r) { clickAt(desk, r.x + r.w / 2, r.y + r.h / 2); }
};

// Players are listed but the last one is unknown: the game starts as a first run.
class CashierNoLastPlayerTest : public CashierTest {
protected:
    std::string configText() override { return "[global]\nfirsttimeever=0\nplayers=Ann_Lee,Bob_Ray\nlastplayer=\n"; }
};

using RegistrationTest = FloorTest;

// The current player as "name money gender".
std::string who() {
    if (!currentPlayer) return "nobody";
    return currentPlayer->name + " " + doubleToString(currentPlayer->money) + " " + currentPlayer->gender;
}

}  // namespace

TEST_F(CashierTest, PickingSavesTheOldPlayerDeletingKeepsTheFileAndTheLastOneGoneIsAFirstRun) {
    Cashier desk;
    currentPlayer->money = 777.0;
    click(desk, cashierlayout::nameRow(1));
    ASSERT_EQ("Bob_Ray 30 male", who());
    EXPECT_EQ(777.0, savedMoney("Ann_Lee"));
    // Picking the current player again changes nothing.
    Player* bob = currentPlayer.get();
    click(desk, cashierlayout::nameRow(1));
    EXPECT_EQ(bob, currentPlayer.get());
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
    tapKey(SDLK_ESCAPE);
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
    tapKey(SDLK_ESCAPE);
    desk.goToLobby();
    EXPECT_EQ(nullptr, desk.next);
    EXPECT_EQ(1, pendingEvents());
    testrt::drainEvents();

    // Registering from there opens the floor to the new player.
    enterName("Eve", "Ng", 2);
    tapClick(formlayout::done());
    pushClick(1, 1);  // the new player's first lobby visit: two help pages
    pushClick(1, 1);
    desk.goToLobby();
    EXPECT_EQ(0, pendingEvents());
    EXPECT_EQ("Eve_Ng 2500 female", who());
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
    EXPECT_DOUBLE_EQ(1000.1, savedMoney("Ann_Lee")) << "kept at once, while still at the desk";

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

// Where the screen now differs from `before` within the rows y0 to y1 and
// the columns x0 to x1: the leftmost and rightmost column (-1, -1 for none).
std::pair<int, int> changedColumns(const std::vector<Uint8>& before, int x0, int x1, int y0, int y1) {
    const std::vector<Uint8> now = screenPixels();
    const int pitch = display->screen->pitch, bpp = display->screen->format->BytesPerPixel;
    int left = -1, right = -1;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (!std::equal(now.begin() + y * pitch + x * bpp, now.begin() + y * pitch + (x + 1) * bpp,
                            before.begin() + y * pitch + x * bpp)) {
                if (left < 0 || x < left) left = x;
                right = std::max(right, x);
            }
    return {left, right};
}

}  // namespace

// The new-player form opens over the desk: each value the account shows (the
// player, the money, the VIP points, or "(nobody yet)") lies wholly under the
// form or wholly beside it, never cut in two by its edge.
TEST_F(CashierTest, TheNewPlayerFormCoversNoAccountValueByHalf) {
    const SDL_Rect form = formlayout::panel();
    {
        Image picture("../gfx/cashier/form.png", false, false);
        ASSERT_TRUE(picture.loaded);
        EXPECT_EQ(form.w, picture.width());
        EXPECT_EQ(form.h, picture.height());
    }
    const int baselines[] = {160, 204, 248};
    for (int shown : {3, 1}) {
        if (shown == 1) currentPlayer.reset();  // nobody at the desk
        Cashier desk;
        Image back("../gfx/cashier/back.png", false, false);
        ASSERT_TRUE(back.loaded);
        back.blit(0, 0);  // the desk without what the game writes on it
        const std::vector<Uint8> bare = screenPixels();
        desk.redraw();
        int values = 0;
        for (int baseline : baselines) {
            // a value's letters: from well above its baseline to below its descenders
            auto [left, right] = changedColumns(bare, 380, 770, baseline - 30, baseline + 10);
            if (left < 0) continue;
            ++values;
            const bool beside = left >= form.x + form.w || right < form.x;
            const bool under = left >= form.x && right < form.x + form.w && baseline - 30 >= form.y &&
                               baseline + 10 <= form.y + form.h;
            EXPECT_TRUE(beside || under) << "the value on the baseline " << baseline << " spans x " << left
                                         << " to " << right << "; the form ends at x " << form.x + form.w;
        }
        EXPECT_EQ(shown, values);
    }
}

TEST_F(CashierNoLastPlayerTest, AListedPlayerCanBePickedInsteadOfRegistering) {
    ASSERT_EQ(nullptr, currentPlayer);
    ASSERT_TRUE(config->firstTimeEver);
    Cashier desk;
    tapKey(SDLK_ESCAPE);  // the form offered on the first frame: not now
    desk.tick();
    testrt::drainEvents();
    EXPECT_EQ(nullptr, currentPlayer);
    tapKey(SDLK_ESCAPE);
    desk.tick();  // offered once only: this key stays unread
    EXPECT_EQ(2, pendingEvents());
    testrt::drainEvents();

    click(desk, cashierlayout::nameRow(1));
    EXPECT_EQ("Bob_Ray 30 male", who());
    config->write();
    EXPECT_EQ("[global]\nfirsttimeever=0\nplayers=Ann_Lee,Bob_Ray\nlastplayer=Bob_Ray\n",
              testrt::readFile(testrt::root() + "/config.ini"));
}

// Once a player is current the first run is over, however he became
// current: the settings say so whatever the flag in memory says (the next
// start opens his lobby), and picking or registering at the desk clears the
// flag itself, so the desk greets no one as a newcomer again.
TEST_F(CashierNoLastPlayerTest, OnceAPlayerIsCurrentTheFirstRunIsOver) {
    const std::string settingsFile = testrt::root() + "/config.ini";
    ASSERT_TRUE(config->firstTimeEver);
    ASSERT_EQ(nullptr, currentPlayer);
    config->write();
    EXPECT_EQ("[global]\nfirsttimeever=1\nplayers=Ann_Lee,Bob_Ray\nlastplayer=\n", testrt::readFile(settingsFile));
    currentPlayer = std::make_unique<Player>("Bob_Ray");
    config->write();
    EXPECT_EQ("[global]\nfirsttimeever=0\nplayers=Ann_Lee,Bob_Ray\nlastplayer=Bob_Ray\n",
              testrt::readFile(settingsFile));
    currentPlayer.reset();

    // Picked from the list on a first run.
    {
        Cashier desk;
        tapKey(SDLK_ESCAPE);  // the form offered on the first frame: not now
        desk.tick();
        testrt::drainEvents();
        click(desk, cashierlayout::nameRow(0));
        ASSERT_EQ("Ann_Lee 500 female", who());
        EXPECT_FALSE(config->firstTimeEver);
    }
    // Registered on a first run (the last player deleted).
    {
        Cashier desk;
        currentPlayer.reset();
        config->players.clear();
        config->firstTimeEver = true;
        enterName("Cy", "Dee", 0);
        tapClick(formlayout::done());
        desk.tick();  // nobody current: the form comes up and takes him in
        testrt::drainEvents();
        ASSERT_EQ("Cy_Dee 2500 male", who());
        EXPECT_FALSE(config->firstTimeEver);
    }
    EXPECT_EQ("[global]\nfirsttimeever=0\nplayers=Cy_Dee\nlastplayer=Cy_Dee\n", testrt::readFile(settingsFile));
}

TEST_F(RegistrationTest, FormSaysWhatIsWrongWithTheEntries) {
    Registration r;
    std::string problems;
    for (auto [first, last, title] : {std::tuple{"", "", Title::None}, {"Ann", "", Title::None},
                                      {"Ann", "Le e", Title::None}, {"Ann", "Wu", Title::None},
                                      {"Ann", "Wu", Title::Mrs}, {"Ann", "LEE", Title::Mrs}}) {
        r.firstName = first, r.lastName = last, r.title = title;
        problems += registrationProblem(r) + "|";
    }
    // Already registered, in any spelling of case: it would take over that save file.
    EXPECT_EQ("Please enter a first name.|Please enter a last name.|Last name: letters, digits, - and ' (1 to 20).|"
              "Please choose a title.||That name is already registered.|", problems);
}

// Twenty characters is the longest name part the form takes: a name of two
// such parts is registered whole, and one character more is refused.
TEST_F(RegistrationTest, ANamePartOfTheLongestLengthIsTakenAndOneMoreIsNot) {
    const std::string longest = "Abcdefghij-Klmnopqrs";
    ASSERT_EQ(longest.size(), 20u);
    Registration r;
    r.title = Title::Ms;
    std::string problems;
    for (auto [first, last] : {std::pair{longest, std::string("Wu")}, {std::string("Ann"), longest},
                               {longest + "t", std::string("Wu")}, {std::string("Ann"), longest + "t"}}) {
        r.firstName = first, r.lastName = last;
        problems += registrationProblem(r) + "|";
    }
    EXPECT_EQ("||First name: letters, digits, - and ' (1 to 20).|Last name: letters, digits, - and ' (1 to 20).|",
              problems);

    // Typed in, both parts at the longest: that player is current and saved.
    enterName(longest, longest, 2);
    tapClick(formlayout::done());
    tapKey(SDLK_ESCAPE);  // for a form that refused them: it closes
    ASSERT_TRUE(runRegistrationForm());
    testrt::drainEvents();
    EXPECT_EQ(longest + "_" + longest + " 2500 female", who());
    EXPECT_EQ(2500.0, savedMoney(longest + "_" + longest));
}

TEST_F(RegistrationTest, TypingANewPlayerInMakesHimCurrentAndSavesTheOldOne) {
    ASSERT_NE(nullptr, currentPlayer);
    currentPlayer->money = 321.0;
    // Characters the form does not take are dropped; so is a 21st character.
    typeText("Jo n_/,");
    tapKey(SDLK_TAB);
    typeText("Smith-O'Neil");
    typeText("abcdefghij");  // 22 characters typed, 20 kept
    tapKey(SDLK_BACKSPACE);
    tapClick(formlayout::titleButton(0));
    tapClick(formlayout::done());
    ASSERT_TRUE(runRegistrationForm());
    EXPECT_EQ(1, pendingEvents());  // the release of "done" is left for the screen

    EXPECT_EQ("Jon_Smith-O'Neilabcdefg 2500 male", who());
    EXPECT_EQ((std::vector<std::string>{"Ann_Lee", "Bob_Ray", "Jon_Smith-O'Neilabcdefg"}), config->players);
    EXPECT_EQ("Jon_Smith-O'Neilabcdefg", config->lastPlayer);
    // Ann was saved as she went.
    EXPECT_EQ(321.0, savedMoney("Ann_Lee"));
}

namespace {

// The form's note line (under the hint) as it stands when the form next waits.
std::vector<std::function<void()>> atRests;
std::vector<std::vector<Uint8>> noteLines;

void lookAtNoteLine(Uint32) {
    const SDL_Surface* s = display->screen;
    const Uint8* p = static_cast<const Uint8*>(s->pixels);
    noteLines.emplace_back(p + (120 + 240) * s->pitch, p + (120 + 258) * s->pitch);
    if (noteLines.size() <= atRests.size()) atRests[noteLines.size() - 1]();
}

}  // namespace

// Accented letters go in as their plain letters (the name makes the save
// file's name); a note says so, or that a character was left out, and stays
// in view while more is typed, until that spot of the name is erased.
TEST_F(RegistrationTest, AccentsGoInPlainAndTheNoteStaysUntilThatSpotIsErased) {
    EXPECT_EQ(plainLetters(0xEB) + plainLetters(0xC5) + plainLetters(0x142) + plainLetters(0xDF), "eAlss");
    EXPECT_EQ(plainLetters(0xD7) + plainLetters(0x3B1) + plainLetters(0x416), "") << "x sign, alpha, zhe";
    noteLines.clear();
    atRests = {
        [] { typeText("Zo"); },
        [] { pushKey(SDLK_UNKNOWN, 0xEB); },  // e with diaeresis
        [] { typeText("xy"); },               // the note stays
        [] { tapKey(SDLK_BACKSPACE); },       // "Zoex": not yet at the spot
        [] { tapKey(SDLK_BACKSPACE), tapKey(SDLK_BACKSPACE); },  // "Zo": gone
        [] { tapKey(SDLK_TAB), typeText("M"), pushKey(SDLK_UNKNOWN, 0xFC), typeText("ll/er"); },
        [] {
            tapKey(SDLK_TAB), typeText("e");
            tapClick(formlayout::titleButton(2));
            tapClick(formlayout::done());
        },
    };
    testrt::testClock.atRest = lookAtNoteLine;
    ASSERT_TRUE(runRegistrationForm());
    ASSERT_EQ(noteLines.size(), atRests.size());
    const std::vector<Uint8>& blank = noteLines[0];
    const std::string shown = [&] {
        std::string out;
        for (size_t i = 1; i < noteLines.size(); ++i) out += noteLines[i] == blank ? '-' : 'N';
        return out;
    }();
    EXPECT_EQ(shown, "-NNN-N") << "after each step: N a note in view, - none";
    EXPECT_EQ("Zoe_Muller 2500 female", who());
}

TEST_F(RegistrationTest, ARegisteredNameIsRefusedCancelOrEscapeChangeNothingASavedOneReopens) {
    Player* before = currentPlayer.get();
    typeText("bob");
    tapKey(SDLK_RETURN);  // on to the last name
    typeText("RAY");
    tapClick(formlayout::titleButton(2));
    tapKey(SDLK_RETURN);           // refused: Bob Ray is registered
    tapClick(formlayout::done());  // refused again
    tapClick(formlayout::cancel());
    EXPECT_FALSE(runRegistrationForm());
    typeText("Cy");
    tapKey(SDLK_ESCAPE);
    EXPECT_FALSE(runRegistrationForm());
    EXPECT_EQ(before, currentPlayer.get());
    EXPECT_EQ((std::vector<std::string>{"Ann_Lee", "Bob_Ray"}), config->players);

    // A name with a save file but not on the list (deleted at the cashier, or
    // lost from the settings) reopens that profile as it stands.
    writeSave("Cy_Dee", "female", 77.0);
    enterName("cy", "DEE", 0);
    tapClick(formlayout::done());  // the form says so and stays open
    tapClick(formlayout::done());  // reopens it
    ASSERT_TRUE(runRegistrationForm());
    // The release of that press still waited once the profile was read: dropped.
    EXPECT_EQ(0, pendingEvents());
    EXPECT_EQ("Cy_Dee 77 female", who());
    EXPECT_EQ("Cy_Dee", config->players.back());
    EXPECT_EQ(77.0, savedMoney("Cy_Dee"));
}

namespace {

void clickSpot(Lobby& lobby, const std::string& id) {
    for (const LobbySpot& s : lobbySpots())
        if (id == s.id) return clickAt(lobby, s.x + s.width / 2, s.y + s.height / 2);
    FAIL() << "no spot for " << id;
}

using LobbyTest = FloorTest;
using MarqueeTest = FloorTest;

}  // namespace

TEST_F(LobbyTest, AMachineStartsAtOneDollarAndTheDoorsLeadOn) {
    standInFor("mardigras");
    Lobby lobby;
    // Input disabled, or between cabinets: nothing.
    lobby.menuEnabled = false;
    clickSpot(lobby, "mardigras");
    lobby.menuEnabled = true;
    clickAt(lobby, 14 + 74, 150);
    EXPECT_EQ(nullptr, lobby.next);

    clickSpot(lobby, "mardigras");
    clickSpot(lobby, "mardigras");  // once a successor is named, another click changes nothing
    std::unique_ptr<Screen> next = takeNext(lobby);
    StandIn* machine = dynamic_cast<StandIn*>(next.get());
    ASSERT_NE(nullptr, machine);
    EXPECT_EQ("mardigras 1", machine->name + " " + doubleToString(machine->value));
    EXPECT_EQ(1, StandIn::built);

    for (const char* door : {"stats", "trophy"}) {
        Widget* w = lobby.buttonNamed(door);
        clickAt(lobby, w->x + 20, w->y + 20);
        EXPECT_EQ(door, nextName(lobby));
    }
}

TEST_F(MarqueeTest, OpensOverTheMachineAndGivesItBackOnAPressOrAClose) {
    StandIn machine("10x", 1.0f);
    std::vector<Uint8> before = screenPixels();
    clearLoadedAssets();
    // Motion, a button release and a key release do not close it; the key press does.
    pushMotion(5, 5);
    pushClick(5, 5, SDL_MOUSEBUTTONUP);
    tapKey(SDLK_a);  // the press closes it ...
    pushClick(5, 5, SDL_MOUSEBUTTONUP);  // ... and the key-up and this are left for the machine
    showMarquee(&machine, "bottom");
    EXPECT_EQ(2, pendingEvents());
    testrt::drainEvents();
    EXPECT_TRUE(before == screenPixels());
    EXPECT_TRUE(assetTried("../gfx/10x/bottom.png") && heard("whoosh.wav"));
    EXPECT_FALSE(assetTried("../fonts/ledfont.def"));  // no sign on the bottom glass

    pushClick(1, 1);
    showMarquee(&machine, "top");
    EXPECT_TRUE(assetTried("../gfx/10x/top.png") && assetTried("../fonts/ledfont.def"));

    pushQuit();
    showMarquee(&machine, "top");
    EXPECT_TRUE(quitRequested());
    EXPECT_TRUE(before == screenPixels());
}

namespace {

// Two narrow glyphs that are easy to tell apart: 'I' one lit column, 'L' an
// upright and a foot; height 3, no spacing given (1).
const char* const tinyFont =
    "# a test font\nheight 3\n\n"
    "char 73\n#\n#\n#\n"
    "char 76\n#.\n#.\n##\n"
    "char 32\n..\n..\n..\n";

Uint32& fakeNow = testrt::testClock.now;

class LedSignTest : public FloorTest {
protected:
    void SetUp() override {
        FloorTest::SetUp();
        testrt::writeFile(fontPath, tinyFont);
        testrt::testClock.stop(1000);
    }
    const std::string fontPath = testrt::root() + "/tiny.def";
};

// The window's dots as text rows, '#' lit.
std::string window(const LedSign& sign) {
    std::string out;
    for (int r = 0; r < sign.rows(); ++r) {
        for (int c = 0; c < sign.columns(); ++c) out += sign.dotLit(c, r) ? '#' : '.';
        out += '\n';
    }
    return out;
}

}  // namespace

TEST_F(LedSignTest, LaysTextOutScrollsOneColumnPerPeriodWrapsAndStaysDarkWithoutAFont) {
    // 4 columns by 3 rows; "IL" is I, gap, L L, gap = 5 columns.
    LedSign sign(fontPath, "IL", 50, 10, 10, 12, 9, 255, 0, 0, 40, 0, 0);
    ASSERT_TRUE(sign.fontLoaded);
    EXPECT_EQ("#.#.\n#.#.\n#.##\n", window(sign));
    // The first step draws without moving; then one column per period, and
    // one only however long the wait was; the end runs on into the beginning.
    std::string offsets;
    for (Uint32 wait : {0, 19, 1, 1000, 20, 20}) {
        fakeNow += wait;
        sign.step();
        offsets += std::to_string(sign.offset());
    }
    EXPECT_EQ(".#.#\n.#.#\n.#.#\n", window(sign));
    fakeNow += 20;
    sign.step();
    EXPECT_EQ("0012340", offsets + std::to_string(sign.offset()));

    // Without its font the sign stays dark and still steps.
    testing::internal::CaptureStdout();
    LedSign dark(testrt::root() + "/nofont.def", "HELLO", 30, 0, 0, 15, 9, 255, 0, 0, 40, 0, 0);
    testing::internal::GetCapturedStdout();
    dark.step();
    fakeNow += 100;
    dark.step();
    EXPECT_EQ("...\n", window(dark).substr(0, 3) + "\n");
    EXPECT_EQ(std::string::npos, window(dark).find('#'));
}

namespace {

using namespace machinemenu;

class MenuTest : public FloorTest {
protected:
    void SetUp() override {
        FloorTest::SetUp();
        lastDenominationTab = -1;
        lastCategoryTab = 0;
        host = new StandIn("host", 1.0f);
        // Something on the screen for the menu to cover and give back.
        SDL_Rect band = {0, 200, 800, 100};
        SDL_FillRect(display->screen, &band, display->mapColor(200, 100, 0));
        display->update();
    }
    void TearDown() override {
        delete host;
        FloorTest::TearDown();
    }
    StandIn* host = nullptr;
};

}  // namespace

TEST_F(MenuTest, ChoosingAMachineStartsItAtTheTabsCoinValue) {
    // A machine offered at some value other than 1.0, on its tabs.
    int tab = 0;
    while (denominationTable[tab]->value == 1.0f || denominationTable[tab]->machineIds.empty()) ++tab;
    const std::string id = denominationTable[tab]->machineIds.front();
    standInFor(id);
    const MachineCategory category = findMachine(id)->category;
    const int cat = static_cast<int>(std::find(categories, categories + 4, category) - categories);
    std::vector<const MachineInfo*> list = machinesIn(category);
    const int index = static_cast<int>(std::find(list.begin(), list.end(), findMachine(id)) - list.begin());

    tapClick(denominationTabRect(tab));
    tapClick(categoryTabRect(cat));
    pushMotion(5, 5);
    tapClick(machineButtonRect(index));
    showMachineMenu(host);

    StandIn* machine = dynamic_cast<StandIn*>(host->next.get());
    ASSERT_NE(nullptr, machine);
    EXPECT_EQ(id, machine->name);
    EXPECT_EQ(denominationTable[tab]->value, machine->value);
    EXPECT_EQ(1, pendingEvents());  // the release of the choosing click is the screen's
    // The next opening starts on the tabs chosen last.
    EXPECT_EQ(tab, lastDenominationTab);
    EXPECT_EQ(cat, lastCategoryTab);
}

TEST_F(MenuTest, WhatStartsNoMachineKeepsOrClosesTheMenuAndGivesTheScreenBack) {
    std::vector<Uint8> before = screenPixels();
    // A three-reel machine not offered at some tab's coin value.
    int tab = 0, index = 1;
    std::vector<const MachineInfo*> list = machinesIn(MachineCategory::ThreeReel);
    while (denominationTable[tab]->offers(list[index]->id))
        if (++index == static_cast<int>(list.size())) index = 1, ++tab;
    standInFor(list[index]->id);
    EXPECT_FALSE(playableAt(*list[index], denominationTable[tab]->value));

    tapClick(denominationTabRect(tab));
    tapClick(machineButtonRect(index));  // not offered here: nothing
    tapClick(790, 590);                  // no button: the menu closes
    showMachineMenu(host);
    EXPECT_EQ(nullptr, host->next);
    EXPECT_EQ(1, StandIn::built);  // the host only
    EXPECT_EQ(1, pendingEvents());
    EXPECT_TRUE(before == screenPixels());
    testrt::drainEvents();

    // A right press opens it only while input is enabled ...
    moveMouse(400, 300);
    SDL_Event right{};
    right.type = SDL_MOUSEBUTTONDOWN;
    right.button.button = SDL_BUTTON_RIGHT;
    for (bool enabled : {true, false}) {
        host->menuEnabled = enabled;
        pushClick(790, 590);
        host->handleEvent(right);
        EXPECT_EQ(enabled ? 0 : 1, pendingEvents()) << enabled;  // the open menu takes the closing press
        testrt::drainEvents();
    }
    host->menuEnabled = true;
    // ... and someone is registered.
    std::unique_ptr<Player> player = std::move(currentPlayer);
    pushClick(790, 590);
    showMachineMenu(host);
    currentPlayer = std::move(player);
    EXPECT_EQ(1, pendingEvents());
    testrt::drainEvents();

    // Closing the window closes it and is kept.
    before = screenPixels();
    tapClick(categoryTabRect(2));
    pushQuit();
    showMachineMenu(host);
    EXPECT_TRUE(quitRequested());
    EXPECT_EQ(nullptr, host->next);
    EXPECT_TRUE(before == screenPixels());
}
