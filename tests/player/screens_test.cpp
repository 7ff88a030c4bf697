// The player's screens: the statistics (every figure of a page, opening on
// the machine last left, stepping through the fifty machines, a session that
// survives a missing font) and the prize room (buying with VIP points, the
// scrolling shelf, the jackpot movies and the car prize).
#include <gtest/gtest.h>
#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "player/jackpot_movies.h"
#include "player/machine_table.h"
#include "player/player.h"
#include "player/save_files.h"
#include "player/stats_screen.h"
#include "player/trophy_room.h"
#include "shell/app.h"
#include "shell/text_label.h"
#include "support/headless.h"
#include "support/runtime.h"

namespace {

// Ann_Lee signed in (her first visits behind her), a headless display and sound.
class PlayerScreenSession : public ::testing::Test {
protected:
    void SetUp() override {
        testrt::resetFiles("[global]\nfirsttimeever=0\nplayers=Ann_Lee\nlastplayer=Ann_Lee\n");
        ASSERT_TRUE(testrt::startHeadless("Ann_Lee", 2500.0, false));
        lastMachineId.clear();
    }
    void TearDown() override { testrt::stopHeadless(); }
};

using StatsScreenTest = PlayerScreenSession;

MachineStats record(double won, double bet, int spinsWon, int spinsLost, int hours = 0, int minutes = 0) {
    MachineStats s;
    s.id = "cursed";
    s.totalwon = Money::dollars(won);
    s.totalloss = Money::dollars(bet);
    s.spinswon = spinsWon;
    s.spinslost = spinsLost;
    s.hours = hours;
    s.minutes = minutes;
    return s;
}

// Every figure of a page, in the page's order.
std::string figures(const MachineStats& s) {
    std::string out;
    for (auto text : {statTotalSpinsText, statTotalBetText, statAverageBetText, statWonLossText, statReturnPercentText,
                      statPerHourText, statSpinsWonText, statSpinsLostText, statPercentWonText, statPercentLostText,
                      statWinningStreakText, statLosingStreakText, statLargestWinText, statHighPaysText,
                      statLowPaysText, statTimePlayedText})
        out += text(s) + " ";
    return out;
}

}  // namespace

TEST(StatsFigures, EveryFigureOfAPage) {
    MachineStats big = record(45, 60, 5, 6);
    big.largestsinglewin = 400;  // a coin count, shown as it is kept
    struct Row { MachineStats s; const char* page; };
    const Row rows[] = {
        {big, "11 $60 $5.45455 $-15 75% $0 5 6 45.4545% 54.5455% 0 0 $400 0 0 00:00:00 "},
        // A win with nothing bet has no return to speak of.
        {record(50, 0, 1, 0), "1 $0 $0 $50 0% $0 1 0 100% 0% 0 0 $0 0 0 00:00:00 "},
        // Shares are worked out in single precision: 21 of 23 and 18 of 37 show
        // one more in the last digit than the exact shares (91.3043, 48.6486).
        {record(0, 23, 21, 2), "23 $23 $1 $-23 0% $0 21 2 91.3044% 8.69565% 0 0 $0 0 0 00:00:00 "},
        {record(0, 37, 18, 19), "37 $37 $1 $-37 0% $0 18 19 48.6487% 51.3513% 0 0 $0 0 0 00:00:00 "},
        {record(0, 2500000.0, 0, 1), "1 $2.5e+06 $2.5e+06 $-2.5e+06 0% $0 0 1 0% 100% 0 0 $0 0 0 00:00:00 "},
        // Minutes are scaled up to an hour; whole hours only, once there is one.
        {record(0, 30, 0, 3, 0, 20), "3 $30 $10 $-30 0% $-90 0 3 0% 100% 0 0 $0 0 0 00:20:00 "},
        {record(0, 120, 0, 3, 1, 59), "3 $120 $40 $-120 0% $-120 0 3 0% 100% 0 0 $0 0 0 01:59:00 "},
        {record(90, 0, 3, 0, 2, 0), "3 $0 $0 $90 0% $45 3 0 100% 0% 0 0 $0 0 0 02:00:00 "},
        // Nothing played: no share of nothing.
        {record(0, 0, 0, 0, 123, 5), "0 $0 $0 $0 0% $0 0 0 0% 0% 0 0 $0 0 0 123:05:00 "},
    };
    for (const Row& row : rows) EXPECT_EQ(row.page, figures(row.s));

    // Without a record the page shows fewer texts: its labels only.
    EXPECT_LT(statsPageTexts(nullptr).size(), statsPageTexts(&big).size());
}

TEST_F(StatsScreenTest, OpensOnTheMachineLastLeftOrClickedWrapsAroundAndGoesBack) {
    StatsScreen first;
    // No machine left yet: no page, and the arrows have nothing to step from.
    first.handleButton(first.buttonNamed("next"));
    first.handleButton(first.buttonNamed("previous"));
    EXPECT_EQ("", first.machineId);
    first.handleButton(first.buttonNamed("deepsea"));
    EXPECT_EQ("deepsea", first.machineId);

    lastMachineId = "cursed";
    StatsScreen screen;
    EXPECT_EQ("cursed", screen.machineId);
    Widget* next = screen.buttonNamed("next");
    Widget* previous = screen.buttonNamed("previous");
    screen.showMachine("zookeeper");
    std::string pages;
    for (Widget* press : {next, previous}) {
        screen.handleButton(press);
        pages += screen.machineId + " ";
    }
    for (int i = 0; i < 50; ++i) screen.handleButton(previous);
    EXPECT_EQ("10sorbetter zookeeper zookeeper", pages + screen.machineId);

    // A missing record is reported, not read; stepping on works from there.
    currentPlayer->findStats("magic")->reset();
    testing::internal::CaptureStdout();
    screen.showMachine("magic");
    EXPECT_NE(std::string::npos, testing::internal::GetCapturedStdout().find(" Could not find stat: magic"));
    screen.handleButton(next);
    EXPECT_EQ("mardigras", screen.machineId);
    screen.handleButton(screen.buttonNamed("lobby"));
    std::unique_ptr<Screen> lobby = std::move(screen.next);
    EXPECT_EQ("lobby", lobby ? lobby->name : "");
}

// Where the screen puts things, as the screen is designed: the whole screen
// black with the picture from (0, 46) down; the three buttons; the fifty
// icons in two columns at x 558 and 683 on uneven rows; the page's headings
// and rows at their baselines. Each icon's lit plate fits between its
// neighbours and inside the machines' glass, whose frame closes on the right
// inside the picture.
TEST_F(StatsScreenTest, LaidOutAsDesigned) {
    struct Place { const char* name; int x, y; };
    const Place buttons[] = {{"lobby", 43, 493}, {"previous", 353, 493}, {"next", 408, 493}};
    const int rows[25] = {61,  80,  100, 119, 139, 158, 178, 197, 216, 236, 256, 275, 295,
                          314, 333, 352, 372, 390, 411, 430, 450, 469, 487, 508, 527};
    const char* const left[25] = {
        "wildapple", "wildsourapple", "holeinone", "baja7s", "mountainclimber", "egyptsprize", "bitsnbytes",
        "crazydice", "blackjack", "zookeeper", "magic", "wheelofcash", "balloonblitz", "patriotspinforcash",
        "doubledicespinforcash", "demoderby", "spinforcash", "10sorbetter", "doubleupbonus", "jacksorbetter",
        "4ofakind", "doublepremium", "allwild", "deuceswild", "jokerswild"};
    const char* const right[25] = {
        "5x", "10x", "doubledice", "doubledicedeluxe", "tripledice", "tripledicedeluxe", "doubletriple", "crazy8s",
        "balloonmania", "mardigras", "shortcircuit", "gettinhot", "doubledoubledice", "tripletriple", "deepsea",
        "cursed", "5linedouble", "5linetriple", "dragonspin", "patriotgames", "patriotwilddeluxe", "patriotwild",
        "super7s", "gloamerhouse", "cashcow"};

    StatsScreen screen;
    ASSERT_EQ(53u, screen.buttons.size());
    for (const Place& b : buttons) {
        Widget* w = screen.buttonNamed(b.name);
        ASSERT_NE(w, nullptr) << b.name;
        EXPECT_EQ(b.x, w->x) << b.name;
        EXPECT_EQ(b.y, w->y) << b.name;
    }
    int minPitch = 600;
    for (int r = 1; r < 25; ++r) minPitch = std::min(minPitch, rows[r] - rows[r - 1]);
    for (int r = 0; r < 25; ++r)
        for (int column = 0; column < 2; ++column) {
            const char* id = column ? right[r] : left[r];
            const int x = column ? 683 : 558;
            Widget* w = screen.buttonNamed(id);
            ASSERT_NE(w, nullptr) << id;
            EXPECT_EQ(x, w->x) << id;
            EXPECT_EQ(rows[r], w->y) << id;
            // the lit plate stays clear of the next column, the row below and the screen's edge
            EXPECT_GT(w->width(), 0) << id;
            EXPECT_LT(w->x + w->width(), column ? 800 : 683) << id;
            EXPECT_LE(w->height(), minPitch) << id;
        }

    // Black above the picture; the picture itself, pixel for pixel, below.
    const std::vector<Uint8> screenNow = testrt::screenPixels();
    SDL_Surface* s = display->screen;
    const int bpp = s->format->BytesPerPixel;
    for (int y = 0; y < 46; ++y)
        for (int x = 0; x < s->w * bpp; ++x)
            ASSERT_EQ(0, screenNow[static_cast<size_t>(y * s->pitch + x)]) << "not black at y " << y;
    SDL_Surface* raw = IMG_Load("../gfx/stats/back.png");
    ASSERT_NE(raw, nullptr);
    SDL_Surface* back = SDL_ConvertSurface(raw, s->format, SDL_SWSURFACE);
    SDL_FreeSurface(raw);
    ASSERT_NE(back, nullptr);
    ASSERT_EQ(554, back->h) << "the picture reaches the bottom of the screen from y 46";
    int differ = 0;
    SDL_LockSurface(back);
    for (int y = 0; y < back->h; ++y)
        for (int x = 0; x < back->w * bpp; ++x)
            differ += static_cast<const Uint8*>(back->pixels)[y * back->pitch + x] !=
                      screenNow[static_cast<size_t>((y + 46) * s->pitch + x)];
    // The machines' glass is framed in gold on the right inside the picture:
    // right of each right-column plate, before the screen's edge, the frame.
    auto goldAt = [back](int x, int y) {
        Uint32 p = 0;
        std::memcpy(&p, static_cast<const Uint8*>(back->pixels) + y * back->pitch + x * back->format->BytesPerPixel,
                    back->format->BytesPerPixel);
        Uint8 r, g, b;
        SDL_GetRGB(p, back->format, &r, &g, &b);
        return r > 150 && g > 110 && b < 100 && r > b + 80;
    };
    for (int r = 0; r < 25; ++r) {
        Widget* w = screen.buttonNamed(right[r]);
        ASSERT_NE(w, nullptr);
        const int y = w->y + w->height() / 2 - 46;
        int frame = -1;
        for (int x = w->x + w->width(); x < 799 && frame < 0; ++x)
            if (goldAt(x, y)) frame = x;
        EXPECT_GE(frame, 0) << right[r] << ": no frame between the plate and the screen's edge";
    }
    SDL_UnlockSurface(back);
    SDL_FreeSurface(back);
    EXPECT_EQ(0, differ);

    // The page: headings at 15 points, labels at x 97 and 12 points, values
    // at x 380 when they are money and 390 otherwise, on the label's baseline.
    struct Text { const char* text; int x, y, size; };
    const Text headings[] = {{"Win/Loss Stats", 195, 126, 15}, {"Game Stats", 206, 252, 15},
                             {"Time Played", 168, 457, 15}};
    struct Row { const char* label; int y; int valueX; };
    const Row pageRows[] = {
        {"Total Number of Bets:", 148, 390}, {"Total Money Bet:", 163, 380}, {"Average Bet:", 181, 380},
        {"Total Won/Loss:", 196, 380}, {"Return %:", 214, 390}, {"Average Won/Loss(per hour):", 230, 380},
        {"Total Spins:", 271, 390}, {"Spins Won:", 288, 390}, {"Spins Lost:", 306, 390},
        {"% Spins Won:", 322, 390}, {"% Spins Lost:", 340, 390}, {"Winning Streak:", 354, 390},
        {"Losing Streak:", 372, 390}, {"Largest Single Win:", 389, 380},
        {"# High Pays (20 coins or more):", 411, 390}, {"# Low Pays (19 coins or less):", 431, 390}};
    MachineStats sample = record(45, 60, 5, 6, 3, 7);
    const std::vector<StatsPageText> page = statsPageTexts(&sample);
    auto find = [&page](const std::string& text, int x, int y) {
        for (const StatsPageText& t : page)
            if (t.text == text && t.x == x && t.y == y) return t.pointSize;
        return 0;
    };
    for (const Text& h : headings) EXPECT_EQ(h.size, find(h.text, h.x, h.y)) << h.text;
    EXPECT_EQ(15, find("03:07:00", 317, 457));
    for (const Row& r : pageRows) {
        EXPECT_EQ(12, find(r.label, 97, r.y)) << r.label;
        int values = 0;
        for (const StatsPageText& t : page)
            if (t.y == r.y && t.x == r.valueX && t.pointSize == 12) ++values;
        EXPECT_EQ(1, values) << r.label;
    }
    EXPECT_EQ(4u + 2u * 16u, page.size());
}

// Without its font the screen cannot be shown and the game ends, but the
// settings and the player's profile are written first.
TEST_F(StatsScreenTest, MissingFontEndsTheGameButKeepsTheSession) {
    const std::string alt = testrt::makeFontlessRuntime("nofont");
    EXPECT_EXIT(
        {
            testrt::openFontlessRuntime(alt);
            currentPlayer->money = 1234.5;
            new StatsScreen();
        },
        testing::ExitedWithCode(1), "TT error: ");
    // The save on the way out is the one the money popup's test reads in full.
    std::string save = testrt::readFile(alt + "/save/Ann_Lee.save");
    EXPECT_NE(std::string::npos, save.find("money=1234.5")) << save;
}

namespace {

class PrizeRoomTest : public PlayerScreenSession {
protected:
    // Saves the profile the way the game does (by destroying it) and returns the file.
    std::string saveAndRead() {
        currentPlayer.reset();
        return testrt::readFile(savefiles::savePath("Ann_Lee"));
    }

    // The room's controls, or the prizes on its shelf, in order.
    static std::string names(const TrophyRoom& room, bool shelf) {
        std::string out;
        for (auto& w : room.buttons)
            if ((w->name.find("small") != std::string::npos) == shelf) out += w->name + " ";
        return out;
    }

    static void pressAt(int x, int y) {
        SDL_WarpMouse(x, y);
        testrt::pushClick(x, y);
    }
    // The panel's "yes" and "no" (both about 50 by 24 from their corner).
    static void answerYes() { pressAt(384 + 20, 86 + 10); }
    static void answerNo() { pressAt(442 + 20, 86 + 10); }
};

}  // namespace

TEST_F(PrizeRoomTest, OffersWhatThePointsCoverAndBuyingWithExactlyEnoughIsSaved) {
    currentPlayer->vippoints = 9.99;
    EXPECT_EQ("up down lobby ", names(TrophyRoom(), false));
    currentPlayer->vippoints = 10;
    TrophyRoom room;
    EXPECT_EQ("keychain up down lobby ", names(room, false));
    Widget* keychain = room.buttonNamed("keychain");
    answerYes();
    room.handleButton(keychain);
    EXPECT_EQ("0 0 keychainsmall ", room.vipText->text + " " + room.priceText->text + " " + names(room, true));
    // Owned now: another click does nothing, not even open the panel.
    answerYes();
    room.handleButton(keychain);
    EXPECT_EQ(1, testrt::pendingEvents());
    testrt::drainEvents();

    currentPlayer->vippoints = 500;
    TrophyRoom rich;
    EXPECT_EQ("keychain mug dartboard clock lamp up down lobby ", names(rich, false));
    answerYes();
    rich.handleButton(rich.buttonNamed("lamp"));
    // The clock stays on offer for the rest of the visit, but 100 points don't buy it.
    answerYes();
    rich.handleButton(rich.buttonNamed("clock"));
    EXPECT_EQ("250", rich.priceText->text);
    // "no", a press beside the panel and a closed window leave everything as it was.
    answerNo();
    rich.handleButton(rich.buttonNamed("mug"));
    pressAt(20, 590);
    rich.handleButton(rich.buttonNamed("mug"));
    testrt::pushQuit();
    rich.handleButton(rich.buttonNamed("mug"));
    EXPECT_TRUE(quitRequested());
    EXPECT_EQ((std::vector<std::string>{"keychain", "lamp"}), currentPlayer->trophies);

    // Each purchase was saved at once.
    const std::string save = testrt::readFile(savefiles::savePath("Ann_Lee"));
    EXPECT_NE(std::string::npos, save.find("vippoints=100\n"));
    EXPECT_NE(std::string::npos, save.find("trophies=keychain,lamp\n"));
}

TEST_F(PrizeRoomTest, ShelfScrollsTwoAtATimeAndStopsAtBothEnds) {
    currentPlayer->trophies = {prizeIds.begin(), prizeIds.begin() + 8};
    currentPlayer->trophies.push_back(carPrizeId);  // nine owned
    TrophyRoom room;
    Widget* up = room.buttonNamed("up");
    Widget* down = room.buttonNamed("down");
    // The mouse rests on a shelf prize while the shelf moves: the room must
    // not keep pointing at the deleted control.
    room.setHovered(room.buttonNamed("keychainsmall"));
    std::string offsets;
    for (Widget* press : {up, down, down, up, up}) {  // beyond either end: no move
        room.handleButton(press);
        offsets += std::to_string(room.shelfOffset);
    }
    EXPECT_EQ("02200", offsets);
    EXPECT_EQ(nullptr, room.hovered);
    room.handleButton(down);
    EXPECT_EQ("dartboardsmall clocksmall lampsmall bsktballsmall archerysmall sunglassessmall prgrssvcarsmall ",
              names(room, true));
    // Clicking a shelf prize only shows its pictures; the lobby hot spot leads back.
    testrt::clickControl(room, "clocksmall");
    EXPECT_EQ(9u, currentPlayer->trophies.size());
    EXPECT_EQ(nullptr, room.next);
    testrt::clickControl(room, "lobby");
    ASSERT_NE(nullptr, room.next);
    EXPECT_EQ("lobby", room.next->name);
    room.next.reset();
}

TEST_F(PrizeRoomTest, MoviesPutTheScreenBackAndGiveNoPrizeOfTheirOwn) {
    testrt::runFast();  // the movies run in a blink
    TrophyRoom room;  // any screen to play over
    const std::vector<Uint8> before = testrt::screenPixels();
    // What is done during a movie is all still there for the machine.
    testrt::pushKey(SDLK_a);
    playJackpotMovie(&room);
    EXPECT_EQ(before, testrt::screenPixels());
    EXPECT_TRUE(currentPlayer->trophies.empty());
    EXPECT_EQ(1, testrt::pendingEvents());
    testrt::drainEvents();

    awardCarPrize();
    playCarJackpotMovie(&room);
    EXPECT_EQ(before, testrt::screenPixels());
    // A closed window cuts the movie short (it runs about 9.5 s) and stays
    // queued; the car is won all the same.
    testrt::pushQuit();
    const Uint32 start = mediaTicks();
    awardCarPrize();
    playCarJackpotMovie(&room);
    EXPECT_LT(mediaTicks() - start, 1000u);
    EXPECT_EQ(before, testrt::screenPixels());
    EXPECT_EQ(1, testrt::pendingEvents());
    EXPECT_EQ((std::vector<std::string>{carPrizeId, carPrizeId}), currentPlayer->trophies);
    EXPECT_NE(std::string::npos, saveAndRead().find("trophies=prgrssvcar,prgrssvcar\n"));
}
