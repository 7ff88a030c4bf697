// The cabinet's texts fit the boxes drawn for them in every machine's
// back.png: captions, an eight-digit credit count, every coin value at which
// poker is offered, and a four-digit "WINNER PAID" line that stays clear of
// the double-up offer beside it.
#include "machine/denomination.h"
#include "player/machine_table.h"
#include "poker/poker_fixture.h"
#include "shell/image.h"
#include "shell/util.h"

using namespace pokertest;

namespace {

Uint16 pixelAt(const SDL_Surface* s, int x, int y) {
    return static_cast<const Uint16*>(s->pixels)[y * (s->pitch / 2) + x];
}

// Where the label leaves the flat colour of the box under the middle of its
// text, along its left and right edges (from about the top of its capitals
// down to its baseline) and its top edge; "" when it never does.
std::string offTheBox(const SDL_Surface* back, const TextLabel& label) {
    const SDL_Rect r = label.area();
    const int top = label.baseline - label.pointSize, bottom = label.baseline - 1;
    const int left = r.x, right = r.x + r.w - 1;
    if (left < 0 || right >= back->w || top < 0 || bottom >= back->h) return "off the picture";
    const Uint16 fill = pixelAt(back, r.x + r.w / 2, (top + bottom) / 2);
    for (int y = top; y <= bottom; ++y)
        if (pixelAt(back, left, y) != fill || pixelAt(back, right, y) != fill)
            return "side edge at y " + intToString(y);
    for (int x = left; x <= right; ++x)
        if (pixelAt(back, x, top) != fill) return "top edge at x " + intToString(x);
    return "";
}

struct Text {
    int size;
    std::string text;
    int x, y, align;
};

}  // namespace

TEST_F(PokerTest, CabinetTextsFitTheirBoxes) {
    const char* const font = "../fonts/poker2.ttf";
    // The captions, the widest credit count and coins in, and every coin value.
    std::vector<Text> texts = {{14, "Credit", 249, 441, 5}, {14, "Coins In", 472, 441, 5},
                               {14, "88888888", 249, 459, 5}, {14, "5", 472, 459, 5}};
    for (const auto& d : denominationTable)
        if (d->offers("jacksorbetter")) texts.push_back({28, floatToString(d->value), 359, 447, 4});
    ASSERT_GE(texts.size(), 9u);

    for (const MachineInfo& info : machineTable()) {
        if (info.category != MachineCategory::Poker) continue;
        Image back(std::string("../gfx/poker/") + info.id + "/back.png");
        ASSERT_TRUE(back.loaded) << info.id;
        ASSERT_EQ(back.surface->format->BytesPerPixel, 2);
        SDL_LockSurface(back.surface.get());
        for (const Text& t : texts) {
            const TextLabel label(font, t.size, t.text, t.x, t.y, t.align, 255, 255, 255, 0);
            EXPECT_EQ(offTheBox(back.surface.get(), label), "") << info.id << ": " << t.text;
        }
        SDL_UnlockSurface(back.surface.get());
    }

    // The offer "DOUBLE UP TO ...?" starts at x 350 on the winner line.
    TextLabel paid(font, 12, "WINNER PAID: 8888", 190, 286, 1, 255, 255, 255, 0);
    EXPECT_LT(paid.area().x + paid.area().w, 350) << "a four-digit win runs into the double-up offer";
}
