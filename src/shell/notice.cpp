#include "shell/notice.h"

#include <sge.h>

#include <vector>

#include "shell/app.h"
#include "shell/asset_log.h"
#include "shell/display.h"
#include "shell/text_label.h"
#include "shell/waiting.h"

namespace {

class PanelBoard : public NoticeBoard {
public:
    void show(const std::string& text, const std::string& fontFile) override { noticePanel(text, fontFile); }
};

PanelBoard panelBoard;
NoticeBoard* boardInUse = &panelBoard;

const int panelW = 560, margin = 24, textSize = 17, lineStep = 24;
const char* const goOn = "Click or press a key to go on.";

int textWidth(sge_TTFont* font, const std::string& s) {
    std::vector<char> buffer(s.begin(), s.end());
    buffer.push_back('\0');
    return sge_TTF_TextSize(font, buffer.data()).w;
}

// Whole words per line, as many as fit the width.
std::vector<std::string> wrap(sge_TTFont* font, const std::string& text, int width) {
    std::vector<std::string> lines;
    std::string line;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find(' ', at);
        if (end == std::string::npos) end = text.size();
        std::string word = text.substr(at, end - at);
        at = end + 1;
        if (word.empty()) continue;
        std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && textWidth(font, longer) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

void fill(const SDL_Rect& r, Uint32 colour) {
    SDL_Rect copy = r;
    SDL_FillRect(display->screen, &copy, colour);
}

}  // namespace

void noticePanel(const std::string& text, const std::string& fontFile) {
    if (!display || !display->screen) return;
    noteAssetLoad(fontFile);
    sge_TTFont* font = nullptr;
    if (SDL_RWops* probe = SDL_RWFromFile(fontFile.c_str(), "rb")) {
        SDL_RWclose(probe);
        font = sge_TTF_OpenFont(fontFile.c_str(), textSize);
    }
    std::vector<std::string> lines;
    if (font) lines = wrap(font, text, panelW - 2 * margin);
    const int panelH = margin * 2 + static_cast<int>(lines.size() + 2) * lineStep;
    SDL_Rect panel = {Sint16((screenWidth - panelW) / 2), Sint16((screenHeight - panelH) / 2), Uint16(panelW),
                      Uint16(panelH)};
    display->clipToScreen(panel);
    SurfacePtr under = display->copyRegion(panel);

    // A dark red panel in a gold frame, cream text: read at a glance over any screen.
    fill(panel, display->mapColor(230, 190, 90));
    SDL_Rect inner = {Sint16(panel.x + 3), Sint16(panel.y + 3), Uint16(panel.w - 6), Uint16(panel.h - 6)};
    fill(inner, display->mapColor(90, 16, 20));
    display->addDirtyRect(panel);
    int baseline = panel.y + margin + lineStep - 6;
    for (const std::string& line : lines) {
        TextLabel label(font, textSize, line, panel.x + margin, baseline, 1, 250, 240, 214);
        label.draw();
        baseline += lineStep;
    }
    if (font) {
        TextLabel label(font, textSize, goOn, panel.x + panel.w / 2, baseline + lineStep, 5, 240, 200, 100);
        label.draw();
        sge_TTF_CloseFont(font);
    }
    display->update();

    // Only a press made once the notice is there goes on: one made before
    // (while the game was busy) would close it unread.
    dropQueuedInput();
    while (!quitRequested()) {
        SDL_Event event;
        if (!waitModalEvent(event)) continue;
        if (event.type == SDL_KEYDOWN || event.type == SDL_MOUSEBUTTONDOWN) break;
    }
    if (under) {
        display->blit(under.get(), panel);
        display->update();
    }
}

NoticeBoard& noticeBoard() { return *boardInUse; }

NoticeBoard* installNoticeBoard(NoticeBoard* board) {
    NoticeBoard* was = boardInUse;
    boardInUse = board ? board : &panelBoard;
    return was;
}
