// Where the deep-sea and magic-hat bonus screens put their click areas,
// pictures and the amount won. Each table below is the screen's own layout
// as the game is meant to have it, written out here, not read from the code;
// the screens are played headless and looked at, pixel by pixel, at their
// pauses. And that the picks of those and of the balloon bonus are taken
// where the pointer stands.
#include <SDL_image.h>
#include <sge.h>

#include <map>
#include <string>
#include <vector>

#include "shell/display.h"
#include "support/test_clock.h"
#include "video_fixture.h"

namespace {

using BonusLayout = videotest::VideoFixture;

struct Rect {
    int x, y, w, h;
};

// The fishing bonus: each fish's mouth picture, click area and the x of its
// catch (drawn at y 0).
struct FishPlace {
    const char* colour;
    int mouthX, mouthY;
    Rect spot;
    int catchX;
};
const FishPlace fishPlaces[5] = {
    {"blue", 475, 81, {431, 38, 108, 238}, 220},   {"green", 570, 112, {557, 91, 151, 190}, 547},
    {"orange", 182, 145, {215, 50, 96, 236}, 70},  {"red", 337, 98, {319, 40, 111, 238}, 72},
    {"yellow", 131, 118, {107, 50, 109, 205}, 0},
};
const int ripplePlaces[5][2] = {{348, 375}, {210, 456}, {14, 329}, {88, 370}, {660, 376}};
const char* const rippleName = "10x_ripple";
const int seaPrizeX = 621, seaPrizeY = 0;
const int amountX = 400, amountY = 485, amountPoints = 80;  // centred both ways on the anchor

// The hat bonus: the hats' buttons; the star burst and each prize stand at
// one offset from the picked hat's button.
const int hatPlaces[5][2] = {{37, 395}, {179, 421}, {328, 438}, {481, 422}, {636, 396}};
const int starsLeft = 78, starsUp = 182;
struct HatPrize {
    int multiplier;
    const char* picture;
    int frames;
    int left, up;
};
const HatPrize hatPrizes[6] = {{3, "chief", 28, 128, 355},     {5, "small_flower", 9, 98, 210},
                               {10, "bigflow", 9, 168, 309},   {25, "small_bunny", 13, 28, 98},
                               {50, "med_bunny", 7, 47, 155},  {100, "bigbunny", 17, 73, 256}};
const int hatBadgeX = 191, hatBadgeY = 4;

const std::string seaFolder = "../gfx/bonus/deepsea/";
const std::string hatFolder = "../gfx/bonus/magic/";

Uint32 rawPixel(const SDL_Surface* s, int x, int y) {
    const Uint8* p = static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
    switch (s->format->BytesPerPixel) {
        case 1: return *p;
        case 2: return *reinterpret_cast<const Uint16*>(p);
        case 3: return SDL_BYTEORDER == SDL_BIG_ENDIAN ? (p[0] << 16 | p[1] << 8 | p[2]) : (p[0] | p[1] << 8 | p[2] << 16);
        default: return *reinterpret_cast<const Uint32*>(p);
    }
}

// A copy of the screen taken at one of the bonus's pauses.
struct Shot {
    Uint32 pauseMs;
    SurfacePtr screen;
};

// How many pixels of the picture file, drawn with its top-left corner at
// (x, y) and cropped at the screen's edges and to `within`, differ from the
// shot; -1 when the file does not load or nothing of it is on the screen.
// With a backdrop file, only the pixels where the picture differs from that
// backdrop count (its drawn part, not the backdrop it carries).
int mismatches(const Shot& shot, const std::string& file, int x, int y, const Rect& within = {0, 0, 800, 600},
               const std::string& backdropFile = "") {
    SDL_Surface* pic = IMG_Load(file.c_str());
    if (!pic) return -1;
    SDL_Surface* back = backdropFile.empty() ? nullptr : IMG_Load(backdropFile.c_str());
    SDL_Surface* s = shot.screen.get();
    int bad = 0, seen = 0;
    for (int py = 0; py < pic->h; ++py)
        for (int px = 0; px < pic->w; ++px) {
            const int sx = x + px, sy = y + py;
            if (sx < 0 || sy < 0 || sx >= s->w || sy >= s->h) continue;
            if (sx < within.x || sy < within.y || sx >= within.x + within.w || sy >= within.y + within.h) continue;
            Uint8 r, g, b;
            SDL_GetRGB(rawPixel(pic, px, py), pic->format, &r, &g, &b);
            if (back) {
                Uint8 br, bg, bb;
                SDL_GetRGB(rawPixel(back, sx, sy), back->format, &br, &bg, &bb);
                if (br == r && bg == g && bb == b) continue;
            }
            ++seen;
            bad += rawPixel(s, sx, sy) != SDL_MapRGB(s->format, r, g, b);
        }
    SDL_FreeSurface(pic);
    if (back) SDL_FreeSurface(back);
    return seen ? bad : -1;
}

Rect pictureBox(const std::string& file, int x, int y) {
    SDL_Surface* pic = IMG_Load(file.c_str());
    const Rect r{x, y, pic ? pic->w : 0, pic ? pic->h : 0};
    if (pic) SDL_FreeSurface(pic);
    return r;
}

// The box round the pure white pixels of the shot inside `area`.
Rect whiteInk(const Shot& shot, const Rect& area) {
    const Uint32 white = SDL_MapRGB(shot.screen->format, 255, 255, 255);
    int x0 = 10000, y0 = 10000, x1 = -1, y1 = -1;
    for (int y = area.y; y < area.y + area.h; ++y)
        for (int x = area.x; x < area.x + area.w; ++x)
            if (rawPixel(shot.screen.get(), x, y) == white) {
                x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
            }
    return x1 < 0 ? Rect{0, 0, 0, 0} : Rect{x0, y0, x1 - x0 + 1, y1 - y0 + 1};
}

// A seed under which the shared draw gives prize `index`.
uint32_t seedFor(int index) {
    for (uint32_t seed = 1;; ++seed) {
        sgenrand(seed);
        if (drawBonusMultiplier() == index) return seed;
    }
}

// Takes a copy of the screen at every timed pause while it runs `play`.
std::vector<Shot> shotsAtPauses(const std::function<void()>& play) {
    std::vector<Shot> shots;
    testrt::testClock.atPause = [&](Uint32 ms) { shots.push_back({ms, display->copyScreen()}); };
    play();
    testrt::testClock.atPause = nullptr;
    return shots;
}

// The catch frames the bonus asked for belong to this fish.
std::string caughtBy() {
    for (const FishPlace& f : fishPlaces)
        if (testrt::assetTried(seaFolder + f.colour + "_sink.png.0") ||
            testrt::assetTried(seaFolder + f.colour + "_tire.png.0") ||
            testrt::assetTried(seaFolder + f.colour + "_ten_marlin.png.0"))
            return f.colour;
    return "";
}

}  // namespace

// A click just inside either far corner of a fish's area picks that fish; a
// click on open water picks none.
TEST_F(BonusLayout, DeepSeaClickAreas) {
    open("deepsea");
    auto* sea = dynamic_cast<DeepSea*>(m);
    sea->bonusStake = 20;
    for (const FishPlace& f : fishPlaces) {
        const int corners[2][2] = {{f.spot.x + 1, f.spot.y + 1}, {f.spot.x + f.spot.w - 1, f.spot.y + f.spot.h - 1}};
        for (const auto& c : corners) {
            SCOPED_TRACE(std::string(f.colour) + " at " + std::to_string(c[0]) + ", " + std::to_string(c[1]));
            testrt::drainEvents();
            clearLoadedAssets();
            videotest::pickAt(700, 480);  // open water: nothing
            videotest::pickAt(c[0], c[1]);
            // a click that picked nothing leaves the bonus waiting: another fish ends it
            const FishPlace& other = fishPlaces[&f == &fishPlaces[0] ? 1 : 0];
            int rests = 0;
            testrt::testClock.atRest = [&](Uint32) {
                if (++rests == 50) videotest::pickAt(other.spot.x + other.spot.w / 2, other.spot.y + other.spot.h / 2);
            };
            sgenrand(seedFor(0));  // the sink, 3x
            EXPECT_EQ(sea->runDeepSeaBonus(), 3);
            testrt::testClock.atRest = nullptr;
            EXPECT_EQ(caughtBy(), f.colour);
        }
    }
}

// While the player chooses, each open mouth shows at its fish's place and
// the ripples (one picture) at theirs; the catch comes up at the fish's x,
// then the prize picture and the amount won, centred on its anchor.
TEST_F(BonusLayout, DeepSeaPictures) {
    open("deepsea");
    auto* sea = dynamic_cast<DeepSea*>(m);
    sea->bonusStake = 40;
    std::map<std::string, int> mouthSeen;
    int rests = 0, rippleMisses = 0, mouthMisses = 0;
    testrt::testClock.atRest = [&](Uint32) {
        if (++rests > 400) return;
        const Shot now{0, display->copyScreen()};
        for (const FishPlace& f : fishPlaces) {
            // the mouth's place shows the open mouth or the sea as it was
            const std::string mouth = seaFolder + f.colour + "_mouth_o.png";
            const Rect place = pictureBox(mouth, f.mouthX, f.mouthY);
            if (mismatches(now, mouth, f.mouthX, f.mouthY) == 0)
                ++mouthSeen[f.colour];
            else
                mouthMisses += mismatches(now, seaFolder + "bonus.png", 0, 0, place) != 0;
        }
        if (rests > 20)
            for (const auto& r : ripplePlaces) {
                bool any = false;
                for (int k = 0; k < 3; ++k)
                    any = any || mismatches(now, seaFolder + rippleName + ".png." + std::to_string(k), r[0], r[1]) == 0;
                rippleMisses += !any;
            }
        if (rests == 400) videotest::pickAt(374, 200);  // the red fish
    };
    testrt::drainEvents();
    clearLoadedAssets();
    sgenrand(5);
    int won = 0;
    std::vector<Shot> shots = shotsAtPauses([&] { won = sea->runDeepSeaBonus(); });
    const std::map<int, std::string> catches = {{3, "_sink"},       {5, "_tire"},       {10, "_ten_marlin"},
                                                {25, "_25_marlin"}, {50, "_50_marlin"}, {100, "_mermaid"}};
    ASSERT_EQ(catches.count(won), 1u) << won;
    testrt::testClock.atRest = nullptr;
    EXPECT_EQ(mouthMisses, 0);
    for (const FishPlace& f : fishPlaces) EXPECT_GT(mouthSeen[f.colour], 0) << f.colour << " mouth never seen at its place";
    EXPECT_EQ(rippleMisses, 0) << "a ripple place shows none of the ripple's frames";
    EXPECT_TRUE(testrt::assetTried(seaFolder + rippleName + ".png.0"));

    // pauses: 1500 before the catch, 1000 after it, 3000 on the prize
    // picture, the amount's blinks (500 each), 3000 at the end
    ASSERT_GE(shots.size(), 4u);
    ASSERT_EQ(shots[2].pauseMs, 3000u);
    const Shot& prize = shots[2];
    EXPECT_EQ(mismatches(prize, seaFolder + "red" + catches.at(won) + ".png.5", fishPlaces[3].catchX, 0), 0)
        << "the red fish's catch";
    EXPECT_EQ(mismatches(prize, seaFolder + std::to_string(won) + "x.png", seaPrizeX, seaPrizeY), 0)
        << "the prize picture";
    for (const auto& r : ripplePlaces) {
        int best = 1 << 30;
        for (int k = 0; k < 3; ++k)
            best = std::min(best, mismatches(prize, seaFolder + rippleName + ".png." + std::to_string(k), r[0], r[1]));
        EXPECT_EQ(best, 0) << "ripple at " << r[0] << ", " << r[1];
    }

    const Shot& end = shots.back();
    ASSERT_EQ(end.pauseMs, 3000u);
    const std::string text = std::to_string(40 * won);
    sge_TTFont* font = sge_TTF_OpenFont("../fonts/deepseabonus.ttf", amountPoints);
    ASSERT_NE(font, nullptr);
    const SDL_Rect size = sge_TTF_TextSize(font, const_cast<char*>(text.c_str()));
    sge_TTF_CloseFont(font);
    const int w = size.w, h = size.h;
    const Rect box{amountX - w / 2, amountY - h / 2, w, h};  // the text's box, centred on the anchor
    const Rect ink = whiteInk(end, {0, 330, 800, 270});
    ASSERT_GT(ink.w, 0) << "no amount on the screen";
    EXPECT_NEAR(ink.x + ink.w / 2.0, amountX, 6.0) << "the amount is centred on x " << amountX;
    EXPECT_GE(ink.x, box.x - 2);
    EXPECT_LE(ink.x + ink.w, box.x + box.w + 2);
    EXPECT_GE(ink.y, box.y - 2);
    EXPECT_LE(ink.y + ink.h, box.y + box.h + 2);
}

// Every fish, every prize: the catch comes up on the fish that was picked.
// What the catch's last frame changed on the screen (the shot after the
// catch against the shot before it) lies over the picked fish, between its
// mouth and its click area, and hardly touches the click area of another.
TEST_F(BonusLayout, DeepSeaCatchOnThePickedFish) {
    open("deepsea");
    auto* sea = dynamic_cast<DeepSea*>(m);
    sea->bonusStake = 20;
    const int multipliers[6] = {3, 5, 10, 25, 50, 100};
    for (int prize = 0; prize < 6; ++prize) {
        const uint32_t seed = seedFor(prize);
        for (const FishPlace& f : fishPlaces) {
            SCOPED_TRACE(std::string(f.colour) + " fish, " + std::to_string(multipliers[prize]) + "x");
            testrt::drainEvents();
            videotest::pickAt(f.spot.x + f.spot.w / 2, f.spot.y + f.spot.h / 2);
            sgenrand(seed);
            std::vector<Shot> shots = shotsAtPauses([&] { EXPECT_EQ(sea->runDeepSeaBonus(), multipliers[prize]); });
            // pauses: 1500 before the catch, 1000 after it
            ASSERT_GE(shots.size(), 2u);
            ASSERT_EQ(shots[0].pauseMs, 1500u);
            ASSERT_EQ(shots[1].pauseMs, 1000u);
            SDL_Surface* before = shots[0].screen.get();
            SDL_Surface* after = shots[1].screen.get();

            // the fish's own stretch of water: from its mouth (left of its
            // click area for the orange fish) to the right of its click area
            const int left = std::min(f.mouthX, f.spot.x), right = f.spot.x + f.spot.w;
            long changed = 0, sumX = 0, sumY = 0, onOthers = 0;
            for (int y = 0; y < before->h; ++y)
                for (int x = 0; x < before->w; ++x) {
                    if (rawPixel(before, x, y) == rawPixel(after, x, y)) continue;
                    ++changed, sumX += x, sumY += y;
                    if (x >= left && x < right) continue;
                    for (const FishPlace& o : fishPlaces)
                        if (&o != &f && x >= o.spot.x && x < o.spot.x + o.spot.w && y >= o.spot.y &&
                            y < o.spot.y + o.spot.h) {
                            ++onOthers;
                            break;
                        }
                }
            ASSERT_GT(changed, 3000) << "the catch hardly changed the screen";
            const double cx = double(sumX) / changed, cy = double(sumY) / changed;
            EXPECT_GE(cx, left) << "the catch is centred left of the fish";
            EXPECT_LT(cx, right) << "the catch is centred right of the fish";
            EXPECT_LT(cy, f.spot.y + f.spot.h) << "the catch is centred below the fish";
            EXPECT_LT(onOthers, changed / 50) << "the catch covers another fish's place";
        }
    }
}

// Each hat picked: the star burst's last frame stands at the hat's star
// place; the prize's last frame at its own offset from the hat, cropped at
// the screen's edge; the multiplier picture at (191, 4). Every prize at
// every hat.
TEST_F(BonusLayout, MagicHatPictures) {
    open("magic");
    auto* magic = dynamic_cast<Magic*>(m);
    for (int prize = 0; prize < 6; ++prize) {
        const HatPrize& p = hatPrizes[prize];
        const uint32_t seed = seedFor(prize);
        for (int hat = 0; hat < 5; ++hat) {
            SCOPED_TRACE(std::string(p.picture) + " from hat " + std::to_string(hat + 1));
            const int hx = hatPlaces[hat][0], hy = hatPlaces[hat][1];
            testrt::drainEvents();
            videotest::pickAt(20, 300);          // the bare stage: nothing
            videotest::pickAt(hx + 2, hy + 2);  // just inside the hat's button
            int rests = 0;  // a click that picked nothing: the window closes
            testrt::testClock.atRest = [&](Uint32) {
                if (++rests == 50) testrt::pushQuit();
            };
            sgenrand(seed);
            std::vector<Shot> shots = shotsAtPauses([&] { EXPECT_EQ(magic->runHatBonus(), p.multiplier); });
            testrt::testClock.atRest = nullptr;
            const bool closed = quitRequested();
            clearQuitRequest();
            ASSERT_FALSE(closed) << "the hat was not picked";
            // pauses: 500 after the stars, the badge's blinks, 3000 at the end
            ASSERT_GE(shots.size(), 2u);
            ASSERT_EQ(shots.front().pauseMs, 500u);
            EXPECT_EQ(mismatches(shots.front(), hatFolder + "hat_stars.png.6", hx - starsLeft, hy - starsUp), 0);
            const Shot& end = shots.back();
            ASSERT_EQ(end.pauseMs, 3000u);
            EXPECT_EQ(mismatches(end, hatFolder + p.picture + ".png." + std::to_string(p.frames - 1), hx - p.left,
                                 hy - p.up),
                      0);
            EXPECT_EQ(mismatches(end, hatFolder + std::to_string(p.multiplier) + "x.png", hatBadgeX, hatBadgeY), 0);
            // the other hats stand where they were, uncovered
            for (int other = 0; other < 5; ++other) {
                if (other == hat) continue;
                EXPECT_EQ(mismatches(end, hatFolder + std::to_string(other + 1) + "_std.png", hatPlaces[other][0],
                                     hatPlaces[other][1], {0, 0, 800, 600}, hatFolder + "bonus.png"),
                          0)
                    << "hat " << other + 1;
            }
        }
    }
}

// A fish, a hat or a balloon is picked where the pointer stands when the
// press is read, not at the point the press event carries: a press that
// says a fish (a hat, a balloon) with the pointer over open water (the bare
// stage, the space left of the balloons) picks nothing; one that says open
// water with the pointer over a fish (a hat, a balloon) picks it.
TEST_F(BonusLayout, PicksAreWhereThePointerStands) {
    open("deepsea");
    auto* sea = dynamic_cast<DeepSea*>(m);
    sea->bonusStake = 20;
    for (size_t i = 0; i < 5; ++i) {
        const FishPlace& f = fishPlaces[i];
        const FishPlace& other = fishPlaces[(i + 1) % 5];
        SCOPED_TRACE(f.colour);
        testrt::drainEvents();
        clearLoadedAssets();
        testrt::pressWithPointerAt(700, 480, other.spot.x + other.spot.w / 2, other.spot.y + other.spot.h / 2);
        testrt::pressWithPointerAt(f.spot.x + f.spot.w / 2, f.spot.y + f.spot.h / 2, 700, 480);
        sgenrand(seedFor(0));
        EXPECT_EQ(sea->runDeepSeaBonus(), 3);
        EXPECT_EQ(caughtBy(), f.colour);
    }

    open("magic");
    auto* magic = dynamic_cast<Magic*>(m);
    for (int hat = 0; hat < 5; ++hat) {
        SCOPED_TRACE("hat " + std::to_string(hat + 1));
        const int hx = hatPlaces[hat][0], hy = hatPlaces[hat][1];
        const int ox = hatPlaces[(hat + 1) % 5][0], oy = hatPlaces[(hat + 1) % 5][1];
        testrt::drainEvents();
        testrt::pressWithPointerAt(20, 300, ox + 20, oy + 20);
        testrt::pressWithPointerAt(hx + 20, hy + 20, 20, 300);
        sgenrand(seedFor(0));
        std::vector<Shot> shots = shotsAtPauses([&] { EXPECT_EQ(magic->runHatBonus(), 3); });
        ASSERT_FALSE(shots.empty());
        ASSERT_EQ(shots.front().pauseMs, 500u);
        EXPECT_EQ(mismatches(shots.front(), hatFolder + "hat_stars.png.6", hx - starsLeft, hy - starsUp), 0)
            << "the stars rise from the hat under the pointer";
    }

    // Every balloon but one is a bust; the one holds 5 credits a place in
    // the list. Its neighbour is named by the first press, the balloon
    // itself is under the pointer at the second, and the neighbour under
    // the pointer at the third ends the game.
    open("balloonblitz");
    auto* blitz = dynamic_cast<BalloonBlitz*>(m);
    const int balloonX[8] = {71, 144, 214, 286, 357, 430, 503, 575};
    const int balloonY[4] = {140, 235, 322, 409};
    auto middle = [&](int i) { return std::make_pair(balloonX[i % 8] + 33, balloonY[i / 8] + 40); };
    for (int i = 0; i < 32; ++i) {
        SCOPED_TRACE("balloon " + std::to_string(i));
        const auto [bx, by] = middle(i);
        const auto [nx, ny] = middle((i + 1) % 32);
        blitz->drawnValues.assign(32, 0);
        blitz->drawnValues[static_cast<size_t>(i)] = 5 * (i + 1);
        testrt::drainEvents();
        testrt::pressWithPointerAt(20, 560, nx, ny);
        testrt::pressWithPointerAt(bx, by, 20, 560);
        testrt::pressWithPointerAt(nx, ny, nx, ny);
        EXPECT_EQ(blitz->runBalloonBonus(), 5 * (i + 1));
    }
}
