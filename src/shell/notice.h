// A notice: a framed panel in the middle of the window with a message the
// player must read, wrapped to the panel's width, and "Click or press a key
// to go on." under it. It is modal: it waits for a key or mouse-button
// press made once it is shown (presses waiting from before are dropped; a
// closed window, or a stop signal, also ends it), then puts back what was
// under it.
#pragma once

#include <string>

// Shows the notice in the given TrueType font (without a display it does
// nothing).
void noticePanel(const std::string& text, const std::string& fontFile);

// Where the game's notices go: the panel above, unless another board is
// installed (the test program installs one that keeps what the player would
// have read).
class NoticeBoard {
public:
    virtual ~NoticeBoard() = default;
    virtual void show(const std::string& text, const std::string& fontFile) = 0;
};

// The board in use.
NoticeBoard& noticeBoard();

// Puts `board` in use; null goes back to the panel. The caller keeps it alive
// while it is installed. Returns the one it replaces.
NoticeBoard* installNoticeBoard(NoticeBoard* board);

inline void showNotice(const std::string& text, const std::string& fontFile) { noticeBoard().show(text, fontFile); }
