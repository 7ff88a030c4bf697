// The composition root: wires the shell to the game. It says which screen
// comes first, what a right click opens, where a screen goes when it leaves,
// and what the game adds to the application's start, frame and shut-down.
#pragma once

// Fills the shell's hooks and routes (appHooks, routes). Call once, before
// the App is made; calling it again changes nothing.
void installGame();
