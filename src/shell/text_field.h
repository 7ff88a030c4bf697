// A one-line text field typed into on the screen: the money prompts' entry.
// It runs its own modal loop and waits like every other (shell/waiting.h),
// so a window close or a stop signal ends it at once.
#pragma once

#include <SDL.h>
#include <sge.h>

#include <string>

// Result of readTextField besides the number of characters after Return.
constexpr int textFieldClosed = -1;     // the window was closed or a stop signal came
constexpr int textFieldCancelled = -2;  // Escape
constexpr int textFieldUnavailable = -3;  // no screen or no font: the field could not be set up

// Lets the player type at most `maxChars` characters at (x, y), y being the
// baseline of the text, in the font's current size: `ink` on `paper` at the
// given opacity, with a cursor, keys repeating while held. Backspace, Delete,
// the arrows, Home and End edit; Return (or Enter) ends the entry, and the
// text then stays on the screen without its cursor. `text` holds what was typed
// (also after Escape or a close); the result is the number of characters
// typed, or textFieldCancelled, textFieldClosed or textFieldUnavailable.
int readTextField(sge_TTFont* font, std::string& text, int maxChars, Sint16 x, Sint16 y, SDL_Color ink,
                  SDL_Color paper, Uint8 opacity);
