// Where the derby puts its controls and its win marks: the machine's layout
// table, written out here, against the controls the screen builds and the
// pixels a settlement draws.
#include <SDL_image.h>

#include <cstring>

#include "derby/derby_fixture.h"
#include "shell/display.h"

using namespace derbytest;

namespace {

// The twenty-three controls in click order: name, left, top, and either the
// picture whose size the control takes or the hot spot's own size.
struct Control {
    const char* name;
    int x, y;
    const char* picture;  // null: a hot spot of w x h
    int w, h;
};
const Control kControls[] = {
    {"change", 173, 471, "change_mo.png", 0, 0},   {"cashout", 205, 471, "cashout_mo.png", 0, 0},
    {"betmax", 156, 477, "betmax_mo.png", 0, 0},   {"betone", 115, 477, "betone_mo.png", 0, 0},
    {"play1", 221, 477, "play1_mo.png", 0, 0},     {"play2", 271, 478, "play2_mo.png", 0, 0},
    {"play3", 319, 478, "play3_mo.png", 0, 0},     {"play4", 370, 477, "play4_mo.png", 0, 0},
    {"play5", 418, 477, "play5_mo.png", 0, 0},     {"start", 495, 483, "start_mo.png", 0, 0},
    {"cancel", 560, 473, "cancel_mo.png", 0, 0},   {"respin", 427, 442, "respin_mo.png", 0, 0},
    {"denomination", 528, 146, nullptr, 65, 38},   {"top", 0, 0, nullptr, 800, 40},
    {"bottom", 0, 565, nullptr, 800, 35},          {"money", 514, 532, nullptr, 95, 32},
    {"coin", 555, 449, nullptr, 32, 22},           {"holdframe1", 171, 366, nullptr, 75, 83},
    {"holdframe2", 254, 366, nullptr, 76, 83},     {"holdframe3", 339, 366, nullptr, 75, 83},
    {"hold1", 174, 449, "hold1_click.png", 0, 0},  {"hold2", 254, 449, "hold2_click.png", 0, 0},
    {"hold3", 340, 449, "hold3_click.png", 0, 0},
};

// A winning play's mark: "win.png" at its top-left corner, the amount's
// baseline starting at its anchor; play 1 (the bottom row) first.
struct Mark {
    int rowTop;  // the play's symbol windows, 83 pixels high, reels from x 172 to 414
    int markX, markY;
    int amountX, amountY;
};
const Mark kMarks[5] = {
    {366, 175, 370, 280, 432}, {279, 175, 285, 280, 347}, {191, 175, 194, 280, 257},
    {103, 175, 110, 280, 172}, {15, 175, 21, 280, 84},
};
// The amount is set at 25 points; the text engine sets type at 96 dots an
// inch, and the derby font's digits stand as tall as its em: 33 pixels.
const int kAmountPixels = 25 * 96 / 72;
const SDL_Rect kSaved = {172, 15, 241, 433};

const char* const kGraphics = "../gfx/demoderby/";

void rgbAt(const std::vector<Uint8>& pixels, int x, int y, Uint8& r, Uint8& g, Uint8& b) {
    const SDL_Surface* s = display->screen;
    Uint32 p = 0;
    std::memcpy(&p, pixels.data() + y * s->pitch + x * s->format->BytesPerPixel, s->format->BytesPerPixel);
    SDL_GetRGB(p, s->format, &r, &g, &b);
}

bool samePixel(const std::vector<Uint8>& a, const std::vector<Uint8>& b, int x, int y) {
    const SDL_Surface* s = display->screen;
    const int bpp = s->format->BytesPerPixel;
    return std::memcmp(a.data() + y * s->pitch + x * bpp, b.data() + y * s->pitch + x * bpp, bpp) == 0;
}

int differingPixels(const std::vector<Uint8>& a, const std::vector<Uint8>& b, int x0, int y0, int w, int h) {
    int n = 0;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) n += !samePixel(a, b, x, y);
    return n;
}

std::vector<Uint8> marked;
void lookWhileMarked(Uint32 ms) {
    if (ms == 1000) marked = screenPixels();
}

}  // namespace

TEST_F(DerbyTest, ControlsStandAtTheirPlacesInClickOrder) {
    std::unique_ptr<DemoDerby> d(open("100"));
    ASSERT_EQ(d->buttons.size(), sizeof kControls / sizeof kControls[0]);
    for (size_t i = 0; i < d->buttons.size(); ++i) {
        const Control& want = kControls[i];
        Widget& got = *d->buttons[i];
        SCOPED_TRACE(want.name);
        EXPECT_EQ(got.name, want.name);
        EXPECT_EQ(got.x, want.x);
        EXPECT_EQ(got.y, want.y);
        int w = want.w, h = want.h;
        if (want.picture) {
            SDL_Surface* picture = IMG_Load((std::string(kGraphics) + want.picture).c_str());
            ASSERT_NE(picture, nullptr) << want.picture;
            w = picture->w;
            h = picture->h;
            SDL_FreeSurface(picture);
        }
        EXPECT_EQ(got.width(), w);
        EXPECT_EQ(got.height(), h);
        // A click just inside the top-left corner reaches this control or
        // one before it in the list, never one after it.
        Widget* hit = Screen::findButtonAt(want.x + 1, want.y + 1, d->buttons);
        ASSERT_NE(hit, nullptr);
        size_t at = 0;
        while (d->buttons[at].get() != hit) ++at;
        EXPECT_LE(at, i) << "reached " << hit->name;
    }
    // The two ways off the machine: their tabs take the clicks on them.
    EXPECT_EQ(Screen::findButtonAt(174, 472, d->buttons)->name, "change");
    EXPECT_EQ(Screen::findButtonAt(206, 472, d->buttons)->name, "cashout");
}

// Every winning play gets "win.png" at its mark point and the amount in the
// derby font at 25 points, starting at its anchor on its baseline; a play
// that wins nothing stays as it was. The settlement saves x 172, y 15, 241 x
// 433 before the first mark and puts exactly that back at the end.
TEST_F(DerbyTest, WinMarksStandWhereTheirPlayIs) {
    std::unique_ptr<DemoDerby> d(open("100"));
    SDL_Surface* win = IMG_Load((std::string(kGraphics) + "win.png").c_str());
    ASSERT_NE(win, nullptr);
    SDL_Surface* mark = SDL_ConvertSurface(win, win->format, SDL_SWSURFACE);  // readable pixels
    SDL_FreeSurface(win);
    const bool hasAlpha = mark->format->Amask != 0;

    // Five plays at five coins: 2000, nothing, 20, nothing, 25 (amounts led by
    // a 2, whose ink starts at the left of its cell).
    d->betPlays = 5;
    d->betCoins = 5;
    d->lines = {{"flag", "flag", "flag"}, {"flag", "car", "tire"}, {"3tire", "3tire", "3tire"}, {"bar", "tire", "car"},
                {"bar", "2bar", "bar"}};
    const bool wins[5] = {true, false, true, false, true};
    marked.clear();
    const std::vector<Uint8> before = screenPixels();

    // Marks put on the screen outside the saved area must outlive the
    // settlement; those just inside it are wiped with the marks.
    const SDL_Rect edges[] = {{171, 200, 1, 1}, {413, 200, 1, 1}, {200, 14, 1, 1}, {200, 448, 1, 1},
                              {172, 15, 1, 1},  {412, 447, 1, 1}};
    testClock.atPause = [&](Uint32 ms) {
        lookWhileMarked(ms);
        if (ms != 1000) return;
        for (SDL_Rect r : edges) SDL_FillRect(display->screen, &r, SDL_MapRGB(display->screen->format, 255, 0, 255));
    };
    d->payout();
    testClock.atPause = nullptr;
    ASSERT_FALSE(marked.empty());
    const std::vector<Uint8> after = screenPixels();

    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(samePixel(before, after, edges[i].x, edges[i].y)) << "outside the saved area, yet put back: " << i;
    for (int i = 4; i < 6; ++i)
        EXPECT_TRUE(samePixel(before, after, edges[i].x, edges[i].y)) << "inside the saved area, yet not put back: " << i;
    EXPECT_EQ(differingPixels(before, after, kSaved.x, kSaved.y, kSaved.w, kSaved.h), 0) << "every mark wiped";

    SDL_LockSurface(mark);
    for (int play = 0; play < 5; ++play) {
        const Mark& m = kMarks[play];
        SCOPED_TRACE("play " + std::to_string(play + 1));
        if (!wins[play]) {
            EXPECT_EQ(differingPixels(before, marked, 172, m.rowTop, 242, 83), 0);
            continue;
        }
        // The picture's solid pixels at the mark point, away from the amount.
        int solid = 0, off = 0;
        for (int py = 0; py < mark->h; ++py)
            for (int px = 0; px < mark->w; ++px) {
                const int x = m.markX + px, y = m.markY + py;
                if (x >= m.amountX - 4 && y >= m.amountY - kAmountPixels - 4 && y <= m.amountY + 4) continue;
                Uint32 p = 0;
                std::memcpy(&p, static_cast<Uint8*>(mark->pixels) + py * mark->pitch + px * mark->format->BytesPerPixel,
                            mark->format->BytesPerPixel);
                Uint8 r, g, b, a;
                SDL_GetRGBA(p, mark->format, &r, &g, &b, &a);
                if (hasAlpha && a != 255) continue;
                ++solid;
                Uint8 sr, sg, sb;
                rgbAt(marked, x, y, sr, sg, sb);
                off += std::abs(sr - r) > 8 || std::abs(sg - g) > 8 || std::abs(sb - b) > 8;
            }
        EXPECT_GT(solid, 1000);
        EXPECT_EQ(off, 0) << "of " << solid << " solid pixels of the mark";

        // The amount's digits: yellow on the mark, their ink from the
        // anchor's x, standing on the baseline at their full height. The
        // symbols show through the mark round the amount: a pixel that was
        // yellow before the mark is a symbol's, not the amount's.
        const auto yellow = [](Uint8 r, Uint8 g, Uint8 b) { return r >= 200 && g >= 180 && b <= 90; };
        int left = 800, right = -1, top = 600, bottom = -1;
        for (int y = m.amountY - kAmountPixels - 3; y <= m.amountY + 3; ++y)
            for (int x = m.amountX - 8; x < m.markX + mark->w - 6; ++x) {
                Uint8 r, g, b, r0, g0, b0;
                rgbAt(marked, x, y, r, g, b);
                rgbAt(before, x, y, r0, g0, b0);
                if (!yellow(r, g, b) || yellow(r0, g0, b0)) continue;
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        ASSERT_GE(right, 0) << "no amount";
        EXPECT_GE(left, m.amountX);
        EXPECT_LE(left, m.amountX + 4);
        EXPECT_EQ(bottom, m.amountY - 1) << "the digits stand on the baseline";
        EXPECT_NEAR(bottom - top + 1, kAmountPixels, 1);
        EXPECT_LT(right, kSaved.x + kSaved.w);
    }
    SDL_UnlockSurface(mark);
    SDL_FreeSurface(mark);
}
