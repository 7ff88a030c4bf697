// The cabinet's texts fit the boxes drawn for them in every machine's
// back.png: captions, an eight-digit credit count, every coin value at which
// poker is offered, and a four-digit "WINNER PAID" line that stays clear of
// the double-up offer beside it.
#include <string>
#include <vector>

#include "poker/poker_fixture.h"
#include "shell/image.h"
#include "shell/text_label.h"
#include "shell/util.h"

using namespace pokertest;

namespace {

const char* const kPokerIds[] = {"10sorbetter", "4ofakind",      "allwild",       "deuceswild", "doublepremium",
                                 "doubleupbonus", "jacksorbetter", "jokerswild", "spinforcash"};

Uint16 pixelAt(const SDL_Surface* s, int x, int y) {
    return static_cast<const Uint16*>(s->pixels)[y * (s->pitch / 2) + x];
}

// True when the label's left and right edges, from about the top of its
// capitals down to its baseline, and its top edge lie on the flat colour of
// the box under the middle of the text.
bool fitsFlatBox(const SDL_Surface* back, const TextLabel& label, std::string* why) {
    const SDL_Rect r = label.area();
    const int top = label.baseline - label.pointSize, bottom = label.baseline - 1;
    const int left = r.x, right = r.x + r.w - 1;
    if (left < 0 || right >= back->w || top < 0 || bottom >= back->h) {
        *why = "off the picture";
        return false;
    }
    const Uint16 fill = pixelAt(back, r.x + r.w / 2, (top + bottom) / 2);
    for (int y = top; y <= bottom; ++y) {
        if (pixelAt(back, left, y) != fill || pixelAt(back, right, y) != fill) {
            *why = "side edge at y " + intToString(y);
            return false;
        }
    }
    for (int x = left; x <= right; ++x) {
        if (pixelAt(back, x, top) != fill) {
            *why = "top edge at x " + intToString(x);
            return false;
        }
    }
    return true;
}

}  // namespace

TEST_F(PokerTest, CabinetTextsFitTheirBoxes) {
    const char* const font = "../fonts/poker2.ttf";
    std::vector<std::string> coinValues;
    for (Denomination* d : denominationTable)
        if (d->offers("jacksorbetter")) coinValues.push_back(floatToString(d->value));
    ASSERT_GE(coinValues.size(), 5u);

    for (const char* id : kPokerIds) {
        Image back(std::string("../gfx/poker/") + id + "/back.png");
        ASSERT_TRUE(back.loaded) << id;
        ASSERT_EQ(back.surface->format->BytesPerPixel, 2);
        SDL_LockSurface(back.surface);
        std::string why;
        {
            TextLabel credit(font, 14, "Credit", 249, 441, 5, 255, 255, 255, 0);
            EXPECT_TRUE(fitsFlatBox(back.surface, credit, &why)) << id << " caption Credit: " << why;
            TextLabel coins(font, 14, "Coins In", 472, 441, 5, 255, 255, 255, 0);
            EXPECT_TRUE(fitsFlatBox(back.surface, coins, &why)) << id << " caption Coins In: " << why;
            TextLabel meter(font, 14, "88888888", 249, 459, 5, 255, 255, 255, 0);
            EXPECT_TRUE(fitsFlatBox(back.surface, meter, &why)) << id << " credit meter: " << why;
            TextLabel coinsIn(font, 14, "5", 472, 459, 5, 255, 255, 255, 0);
            EXPECT_TRUE(fitsFlatBox(back.surface, coinsIn, &why)) << id << " coins-in meter: " << why;
            for (const std::string& value : coinValues) {
                TextLabel coin(font, 28, value, 359, 447, 4, 255, 255, 255, 0);
                EXPECT_TRUE(fitsFlatBox(back.surface, coin, &why)) << id << " coin value " << value << ": " << why;
            }
        }
        SDL_UnlockSurface(back.surface);
    }

    // The offer "DOUBLE UP TO ...?" starts at x 350 on the winner line.
    TextLabel paid(font, 12, "WINNER PAID: 8888", 190, 286, 1, 255, 255, 255, 0);
    EXPECT_LT(paid.area().x + paid.area().w, 350) << "a four-digit win runs into the double-up offer";
}
