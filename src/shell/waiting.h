// How the game waits: the frame loop and every modal part (menus, popups,
// help pages, bonus games, movies, count-ups) wait in the same way. A pass
// that finds nothing to do rests the processor for a millisecond; a window
// close or a stop signal sets the quit flag (shell/app.h), which every modal
// part checks through quitRequested() to close early, keeping what the player
// has won so far, after which the game shuts down in order and saves.
//
// Everything timed compares mediaTicks() values (display.h), so a rest
// delays an animation by no more than the rest itself.
#pragma once

#include <SDL.h>

#include "shell/app.h"

// The one place where the game yields the processor (SDL_Delay). Tests may
// point it at a function of their own, for instance one that moves a fake
// clock on.
extern void (*idleRest)(Uint32 ms);

// idleRest(1): what a loop does after a pass that found nothing to do.
void restBriefly();

// For loops that wait for the player: pollModalEvent, and when nothing is
// waiting for the caller, a brief rest before returning false.
bool waitModalEvent(SDL_Event& event);

// A timed pause of a modal part (a movie's hold, a bonus game's steps, a
// count-up's click): rests until `ms` milliseconds of mediaTicks() have
// passed, or returns at once when quit has been requested (a window close
// behind other events counts). Other input stays in the queue.
void modalPause(Uint32 ms);
