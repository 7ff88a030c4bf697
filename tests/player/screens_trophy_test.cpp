// The prize room (what is on offer, buying with VIP points, the scrolling
// shelf) and the jackpot movies (the car prize, the screen put back).
#include <gtest/gtest.h>

#include <SDL.h>
#include <sge.h>

#include <string>
#include <vector>

#include "player/jackpot_movies.h"
#include "player/player.h"
#include "player/trophy_room.h"
#include "shell/app.h"
#include "shell/display.h"
#include "shell/screen.h"
#include "shell/sound.h"
#include "shell/text_label.h"
#include "support/runtime.h"
#include "player_screen_session.h"

namespace {

class PrizeRoomTest : public PlayerScreenSession {
protected:
    // Saves the profile the way the game does (by destroying it) and returns the file.
    std::string saveAndRead() {
        delete currentPlayer;
        currentPlayer = nullptr;
        return testrt::readFile(testrt::root() + "/save/Ann_Lee.save");
    }

    // The room's controls, or the prizes on its shelf, in order.
    static std::string names(const TrophyRoom& room, bool shelf) {
        std::string out;
        for (Widget* w : room.buttons)
            if ((w->name.find("small") != std::string::npos) == shelf) out += w->name + " ";
        return out;
    }

    static void pressAt(int x, int y) {
        SDL_WarpMouse(x, y);
        SDL_Event press{};
        press.type = SDL_MOUSEBUTTONDOWN;
        press.button.button = SDL_BUTTON_LEFT;
        SDL_PushEvent(&press);
    }
    // The panel's "yes" and "no" (both about 50 by 24 from their corner).
    static void answerYes() { pressAt(384 + 20, 86 + 10); }
    static void answerNo() { pressAt(442 + 20, 86 + 10); }
};

// The screen's pixels.
std::vector<Uint16> screenArea() {
    SDL_Surface* s = display->screen;
    const Uint16* p = static_cast<const Uint16*>(s->pixels);
    return std::vector<Uint16>(p, p + s->h * s->pitch / 2);
}

// A clock that moves 50 ms each time it is read, so the movies run in a blink.
Uint32 fakeNow = 1;
Uint32 fastClock() { return fakeNow += 50; }

}  // namespace

TEST_F(PrizeRoomTest, OffersWhatThePointsCoverAndBuyingWithExactlyEnoughIsSaved) {
    currentPlayer->vippoints = 9.99;
    {
        TrophyRoom room;
        EXPECT_EQ("9", room.vipText->text);
        EXPECT_EQ("up down lobby ", names(room, false));
    }
    currentPlayer->vippoints = 10;
    TrophyRoom room;
    EXPECT_EQ("keychain up down lobby ", names(room, false));
    Widget* keychain = room.buttonNamed("keychain");
    answerYes();
    room.handleButton(keychain);
    EXPECT_EQ(0.0, currentPlayer->vippoints);
    EXPECT_EQ((std::vector<std::string>{"keychain"}), currentPlayer->trophies);
    EXPECT_EQ("0", room.vipText->text);
    EXPECT_EQ("0", room.priceText->text);
    EXPECT_EQ("keychainsmall ", names(room, true));
    currentPlayer->vippoints = 500;
    {
        TrophyRoom rich;
        EXPECT_EQ("keychain mug dartboard clock lamp up down lobby ", names(rich, false));
        rich.handleButton(rich.buttonNamed("lobby"));
        ASSERT_NE(nullptr, rich.next);
        EXPECT_EQ("lobby", rich.next->name);
        delete rich.next;
        rich.next = nullptr;
    }
    currentPlayer->vippoints = 0;

    // Owned now: another click does nothing, not even open the panel.
    answerYes();
    room.handleButton(keychain);
    EXPECT_EQ(1u, currentPlayer->trophies.size());
    SDL_Event leftover;
    while (SDL_PollEvent(&leftover)) {
    }

    std::string save = saveAndRead();
    EXPECT_NE(std::string::npos, save.find("trophies=keychain\n")) << save;
    EXPECT_NE(std::string::npos, save.find("vippoints=0\n")) << save;
}

TEST_F(PrizeRoomTest, PointsSpentElsewhereBuyNothingAndAWindowCloseCancels) {
    currentPlayer->vippoints = 500;
    TrophyRoom room;
    answerYes();
    room.handleButton(room.buttonNamed("lamp"));
    EXPECT_EQ(100.0, currentPlayer->vippoints);
    // The clock stays on offer for the rest of the visit, but 100 points don't buy it.
    answerYes();
    room.handleButton(room.buttonNamed("clock"));
    EXPECT_EQ("250", room.priceText->text);
    // "no", a press beside the panel and a closed window leave everything as it was.
    answerNo();
    room.handleButton(room.buttonNamed("mug"));
    pressAt(20, 590);
    room.handleButton(room.buttonNamed("mug"));
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    room.handleButton(room.buttonNamed("mug"));
    EXPECT_TRUE(quitRequested());
    EXPECT_EQ(100.0, currentPlayer->vippoints);
    EXPECT_EQ((std::vector<std::string>{"lamp"}), currentPlayer->trophies);

    std::string save = saveAndRead();
    EXPECT_NE(std::string::npos, save.find("trophies=lamp\n")) << save;
    EXPECT_NE(std::string::npos, save.find("vippoints=100\n")) << save;
}

TEST_F(PrizeRoomTest, ShelfScrollsTwoAtATimeAndStopsAtBothEnds) {
    {
        TrophyRoom empty;  // an empty shelf doesn't move
        empty.handleButton(empty.buttonNamed("down"));
        EXPECT_EQ(0, empty.shelfOffset);
    }
    for (int i = 0; i < 8; ++i) currentPlayer->trophies.push_back(prizeIds[i]);
    currentPlayer->trophies.push_back(carPrizeId);  // nine owned
    TrophyRoom room;
    Widget* up = room.buttonNamed("up");
    Widget* down = room.buttonNamed("down");
    room.handleButton(up);  // already at the top
    EXPECT_EQ(0, room.shelfOffset);

    // The mouse rests on a shelf prize while the shelf moves: the room must
    // not keep pointing at the deleted control.
    room.setHovered(room.buttonNamed("keychainsmall"));
    room.handleButton(down);
    EXPECT_EQ(2, room.shelfOffset);
    EXPECT_EQ(nullptr, room.hovered);
    EXPECT_EQ("dartboardsmall clocksmall lampsmall bsktballsmall archerysmall sunglassessmall prgrssvcarsmall ",
              names(room, true));

    room.handleButton(down);  // nothing lies beyond the shelf now
    EXPECT_EQ(2, room.shelfOffset);
    room.handleButton(up);
    room.handleButton(up);
    EXPECT_EQ(0, room.shelfOffset);
    // Clicking a shelf prize only shows its pictures.
    room.handleButton(room.buttonNamed("mugsmall"));
    EXPECT_EQ(9u, currentPlayer->trophies.size());
}

TEST_F(PrizeRoomTest, MoviesPutTheScreenBackAndOnlyTheCarMovieGivesAPrize) {
    mediaTicks = fastClock;
    TrophyRoom room;  // any screen to play over
    std::vector<Uint16> before = screenArea();
    // What is done during a movie is all still there for the machine.
    SDL_Event motion{}, key{};
    motion.type = SDL_MOUSEMOTION;
    key.type = SDL_KEYDOWN;
    SDL_PushEvent(&motion);
    SDL_PushEvent(&key);
    playJackpotMovie(&room);
    EXPECT_EQ(before, screenArea());
    EXPECT_TRUE(currentPlayer->trophies.empty());
    SDL_Event got;
    ASSERT_EQ(1, SDL_PollEvent(&got));
    EXPECT_EQ(SDL_MOUSEMOTION, got.type);
    ASSERT_EQ(1, SDL_PollEvent(&got));
    EXPECT_EQ(SDL_KEYDOWN, got.type);

    playCarJackpotMovie(&room);
    EXPECT_EQ(before, screenArea());
    // A closed window cuts the movie short (it runs about 9.5 s) and stays
    // queued; the car is won all the same.
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    const Uint32 start = fakeNow;
    playCarJackpotMovie(&room);
    EXPECT_LT(fakeNow - start, 1000u);
    EXPECT_EQ(before, screenArea());
    ASSERT_EQ(1, SDL_PollEvent(&got));
    EXPECT_EQ(SDL_QUIT, got.type);
    EXPECT_EQ((std::vector<std::string>{carPrizeId, carPrizeId}), currentPlayer->trophies);

    TrophyRoom after;
    EXPECT_EQ("prgrssvcarsmall prgrssvcarsmall ", names(after, true));
    std::string save = saveAndRead();
    EXPECT_NE(std::string::npos, save.find("trophies=prgrssvcar,prgrssvcar\n")) << save;
}
