// How the game waits: the frame loop and every modal part (menus, popups,
// help pages, bonus games, movies, count-ups) wait in the same way. A pass
// that finds no input rests the processor until the next timed thing is due
// (each tells when, through wakeBy), at most 10 ms; loops that play an
// animation through rest a millisecond a pass. A window close or a stop
// signal sets the quit flag (shell/app.h), which every modal part checks
// through quitRequested() to close early, keeping what the player has won
// so far, after which the game shuts down in order and saves.
//
// Everything timed compares mediaTicks() values (shell/clock.h) and says
// when it is next due, so a rest never makes it late. Every rest is the
// clock's rest.
#pragma once

#include <SDL.h>

#include "shell/app.h"
#include "shell/clock.h"

// Longest rest while waiting for input: the most a click waits to be seen.
constexpr Uint32 longestRestMs = 10;

// A timed thing (an animation frame, a flashing button, the LED sign, a reel
// stop, the meters) says at what mediaTicks() time it is next due. The
// earliest time told since the last rest bounds the next one.
void wakeBy(Uint32 when);

// The rest of a pass that found no input: until the earliest time told to
// wakeBy (at least 1 ms), at most longestRestMs; then the times are
// forgotten (every pass tells them anew). Returns the milliseconds of
// mediaTicks() the rest took, at least 1.
Uint32 restUntilDue();

// A rest of 1 ms: a pass of a loop that plays an animation through.
void restBriefly();

// For loops that wait for the player: pollModalEvent, and when nothing is
// waiting for the caller, restUntilDue() before returning false.
bool waitModalEvent(SDL_Event& event);

// A timed pause of a modal part (a movie's hold, a bonus game's steps, a
// count-up's click) as the real clock makes it: rests until `ms`
// milliseconds of mediaTicks() have passed, or returns at once when quit has
// been requested (a window close behind other events counts). Other input
// stays in the queue.
void modalPause(Uint32 ms);
