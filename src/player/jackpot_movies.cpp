#include "player/jackpot_movies.h"

#include <SDL.h>

#include "player/player.h"
#include "player/trophy_room.h"
#include "shell/animation.h"
#include "shell/display.h"
#include "shell/waiting.h"

namespace {

const char* const movieFolder = "../gfx/jackpotmovies/";
const int movieX = 200;
const int movieY = 150;
const int movieFps = 10;
const Uint32 holdMs = 3000;

// The movies take no event off the queue, mouse motion included: clicks,
// keys and moves wait there for the machine. A request to close the window
// is only looked at (the frame loop acts on it) and, like a stop signal,
// cuts the movie short.
bool closeRequested() { return quitRequestedOrQueued(); }

// One pass: frame 0 at once, then one frame per period, until the step past
// the last frame. False when the window was closed meanwhile.
bool playPass(Animation& movie) {
    while (!movie.atEnd()) {
        movie.update(false);
        if (display) display->update();
        if (closeRequested()) return false;
        // Rest between frames, but wake in time for the next one.
        Uint32 now = mediaTicks();
        if (movie.lastStep + movie.framePeriod > now + 2) restBriefly();
    }
    return true;
}

// Keeps the last frame on the screen for the hold time.
void hold() {
    if (!closeRequested()) modalPause(holdMs);
}

void playMovie(const char* name, int frameCount, int passes) {
    if (display) display->saveScreen();
    auto movie = std::make_unique<Animation>(movieFolder, name, frameCount, movieFps, movieX, movieY, animOnce, false, false);
    bool watching = true;
    for (int pass = 0; pass < passes && watching; ++pass) {
        if (pass > 0) movie->rewind();
        watching = playPass(*movie);
    }
    if (watching) hold();
    movie.reset();
    if (display) {
        display->restoreScreen();
        display->update();
    }
}

}  // namespace

void awardCarPrize() {
    // Every car jackpot is one more car, even for a player who has one.
    if (currentPlayer) currentPlayer->trophies.push_back(carPrizeId);
}

void playCarJackpotMovie(Screen*) { playMovie("carjack", 21, 3); }

void playJackpotMovie(Screen*) { playMovie("jackpot", 19, 1); }
