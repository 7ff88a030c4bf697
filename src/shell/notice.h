// A notice: a framed panel in the middle of the window with a message the
// player must read, wrapped to the panel's width, and "Click or press a key
// to go on." under it. It is modal: it waits for a key or mouse-button
// press (or a closed window, or a stop signal), then puts back what was
// under it.
#pragma once

#include <string>

// Shows the notice in the given TrueType font (without a display it does
// nothing). The game calls it through `showNotice`, which tests may point at
// a function of their own.
void noticePanel(const std::string& text, const std::string& fontFile);
extern void (*showNotice)(const std::string& text, const std::string& fontFile);
