// The media layer: the display's clipping and saved screen, pictures cropped
// at the edges and colour-keyed, frame animations by the tick clock, on-screen
// controls and the screen base's press dispatch, TrueType labels, and missing
// pictures left harmless.
#include <SDL.h>
#include <gtest/gtest.h>
#include <sge.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "shell/animation.h"
#include "shell/controls.h"
#include "shell/display.h"
#include "support/headless.h"
#include "support/runtime.h"
#include "shell/image.h"
#include "shell/mtrand.h"
#include "shell/screen.h"
#include "shell/text_label.h"

namespace {

// A headless 800x600 display, a clock the test moves by hand, and pictures
// of the test's own.
Uint32& fakeNow = testrt::testClock.now;
std::string pictureDir() { return testrt::root() + "/mediatest/"; }

struct Colour {
    Uint8 r, g, b;
};

// A w x h picture; each pixel's colour given by `at`.
template <class F>
void writePicture(const std::string& path, int w, int h, F at) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0x0000ff, 0x00ff00, 0xff0000, 0);
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y) {
            Colour c = at(x, y);
            SDL_Rect r = {Sint16(x), Sint16(y), 1, 1};
            SDL_FillRect(s, &r, SDL_MapRGB(s->format, c.r, c.g, c.b));
        }
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    ASSERT_EQ(0, SDL_SaveBMP(s, path.c_str())) << path;
    SDL_FreeSurface(s);
}

Uint32 screenPixel(int x, int y) {
    SDL_Surface* s = display->screen;
    return reinterpret_cast<const Uint16*>(static_cast<const Uint8*>(s->pixels) + y * s->pitch)[x];
}

Colour screenRGB(int x, int y) {
    Colour c{0, 0, 0};
    SDL_GetRGB(screenPixel(x, y), display->screen->format, &c.r, &c.g, &c.b);
    return c;
}

void fillRect(int x, int y, int w, int h, Colour c) {
    SDL_Rect r = {Sint16(x), Sint16(y), Uint16(w), Uint16(h)};
    SDL_FillRect(display->screen, &r, display->mapColor(c.r, c.g, c.b));
}
void fillScreen(Colour c) { fillRect(0, 0, screenWidth, screenHeight, c); }

// True when every pixel of the area has the colour (as the 16-bit screen stores it).
bool areaIs(int x, int y, int w, int h, Colour c) {
    for (int yy = y; yy < y + h; ++yy)
        for (int xx = x; xx < x + w; ++xx)
            if (screenPixel(xx, yy) != display->mapColor(c.r, c.g, c.b)) return false;
    return true;
}

class MediaTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO)) << SDL_GetError();
        ASSERT_EQ(0, sge_TTF_Init());
        display = new Display(SDL_ANYFORMAT);
        ASSERT_TRUE(display->hasSurface());
        ASSERT_EQ(16, display->screen->format->BitsPerPixel);
        testrt::testClock.stop(1000);
        fillScreen(Colour{0, 0, 0});
    }
    void TearDown() override {
        delete display;
        display = nullptr;
        SDL_Quit();
    }
};

SDL_Rect R(int x, int y, int w, int h) { return SDL_Rect{Sint16(x), Sint16(y), Uint16(w), Uint16(h)}; }

std::string text(const SDL_Rect& r) {
    return std::to_string(r.x) + "," + std::to_string(r.y) + " " + std::to_string(r.w) + "x" + std::to_string(r.h);
}

}  // namespace

TEST_F(MediaTest, ChangedRectanglesAndPicturesAreClippedToTheScreen) {
    // Clipped at the far edges, kept whole at the near ones; wholly beyond: empty.
    std::string clipped;
    for (SDL_Rect r : {R(790, 590, 20, 20), R(-5, -5, 20, 20), R(-100, 10, 1000, 20), R(850, 10, 20, 20),
                       R(10, 600, 20, 20)}) {
        display->clipToScreen(r);
        clipped += text(r) + " | ";
    }
    EXPECT_EQ("790,590 10x10 | 0,0 20x20 | 0,10 800x20 | 850,10 0x20 | 10,600 20x0 | ", clipped);

    // A picture off the left and top edges: the part on the screen is drawn and marked.
    const std::string path = pictureDir() + "columns.bmp";
    // Every column its own colour (red = 4 x column), to tell which part landed where.
    writePicture(path, 50, 20, [](int x, int y) { return Colour{Uint8(x * 4), Uint8(y * 4), 200}; });
    Image picture(path);
    ASSERT_TRUE(picture.loaded);
    picture.blit(-10, 20);
    picture.blit(30, -5);
    EXPECT_EQ("0,20 40x20 | 30,0 50x15", text(display->changedRects.at(0)) + " | " + text(display->changedRects.at(1)));
    EXPECT_NEAR(40, screenRGB(0, 20).r, 8);  // picture column 10 at screen column 0
    EXPECT_NEAR(20, screenRGB(30, 0).g, 8);  // picture row 5 at screen row 0
    // Wholly off the left or top: nothing drawn, nothing marked.
    display->changedRects.clear();
    picture.blit(-50, 100);
    picture.blit(100, -20);
    EXPECT_TRUE(display->changedRects.empty());
}

TEST_F(MediaTest, SaveAndRestoreBringTheScreenBackOnce) {
    fillRect(100, 100, 50, 50, Colour{255, 0, 0});
    display->saveScreen();
    fillScreen(Colour{0, 0, 255});
    display->changedRects.clear();
    display->restoreScreen();
    EXPECT_TRUE(areaIs(100, 100, 50, 50, Colour{255, 0, 0}) && areaIs(0, 0, 100, 100, Colour{0, 0, 0}));
    EXPECT_EQ("0,0 800x600", text(display->changedRects.at(0)));
    EXPECT_EQ(nullptr, display->savedScreen);

    // drawSavedScreen keeps the copy for another wipe.
    fillScreen(Colour{0, 255, 0});
    display->saveScreen();
    fillScreen(Colour{0, 0, 255});
    display->drawSavedScreen();
    EXPECT_NE(nullptr, display->savedScreen);
    EXPECT_TRUE(areaIs(0, 0, 800, 600, Colour{0, 255, 0}));
    display->freeSavedScreen();
}

namespace {

const int AX = 100, AY = 100;

class MediaAnimation : public MediaTest {
protected:
    // Frames "<name>.png.i" of 10x10, frame i coloured red = 8 * i so the
    // frame on the screen can be read back.
    void writeFrames(const std::string& name, int count) {
        for (int i = 0; i < count; ++i)
            writePicture(pictureDir() + name + ".png." + std::to_string(i), 10, 10,
                         [i](int, int) { return Colour{Uint8(8 * i), 0, 255}; });
    }
    // The frames drawn by `steps` updates `ms` apart, "." for an update that drew nothing.
    std::string run(Animation& a, int steps, Uint32 ms) {
        std::string out;
        for (int i = 0; i < steps; ++i) {
            fakeNow += ms;
            fillRect(a.x, a.y, 10, 10, Colour{0, 0, 0});
            display->changedRects.clear();
            a.update();
            out += display->changedRects.empty() ? "." : std::to_string(screenRGB(a.x, a.y).r >> 3);
            out += " ";
        }
        return out;
    }
};

}  // namespace

TEST_F(MediaAnimation, EachModeStepsOneFrameAPeriodInItsOrder) {
    writeFrames("f", 20);
    // Once at 20 frames a second: the first update draws at once, 49 ms is not yet due.
    Animation once(pictureDir(), "f", 7, 20, AX, AY, animOnce);
    // After the last frame it moves to the end without drawing.
    std::string steps = run(once, 1, 0);
    for (Uint32 ms : {49, 1}) steps += run(once, 1, ms);
    EXPECT_EQ("0 . 1 2 3 4 5 6 ", steps + run(once, 5, 50));
    EXPECT_FALSE(once.atEnd());
    EXPECT_EQ(". ", run(once, 1, 50));
    EXPECT_TRUE(once.atEnd());
    once.rewind();
    EXPECT_EQ("0 1 2 3 4 5 6 ", run(once, 7, 50));

    Animation loop(pictureDir(), "f", 4, 10, AX, AY, animLoop), back(pictureDir(), "f", 20, 10, AX, AY, animBackward);
    steps = run(loop, 6, 100);
    EXPECT_EQ("1 2 3 0 1 2 | 18 17 16 15 14 13 12 11 10 9 8 7 6 5 4 3 2 1 0 19 18 ", steps + "| " + run(back, 21, 100));

    // Shuffled: the first pass in load order from a random start, then
    // passes in fresh orders, each frame once a pass.
    sgenrand(4357);
    Animation mix(pictureDir(), "f", 6, 10, AX, AY, animShuffle);
    std::string first;
    for (int i = mix.position + 1; i < 6; ++i) first += std::to_string(i) + " ";
    EXPECT_EQ(first, run(mix, 5 - mix.position, 100));
    std::string passes[3];
    for (std::string& pass : passes) {
        pass = run(mix, 6, 100);
        std::string sorted = pass;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ("      012345", sorted);
    }
    EXPECT_FALSE(passes[0] == passes[1] && passes[1] == passes[2]);

    // Shuffled on choices made before: it starts on the first, and each
    // fresh order takes the next ones, place 1 to 5 each swapping with the
    // place chosen; the generator is not drawn.
    std::vector<uint32_t> choices = {2, 1, 0, 3, 0, 5, 0, 0, 0, 0, 0};
    Animation replay;
    for (int i = 0; i < 6; ++i) replay.addFrame(std::make_shared<Image>(pictureDir() + "f.png." + std::to_string(i)));
    replay.setFps(10);
    replay.setPosition(AX, AY);
    replay.chooseBelow = [&choices](uint32_t n) {
        EXPECT_FALSE(choices.empty());
        const uint32_t c = choices.empty() ? 0 : choices.front();
        if (!choices.empty()) choices.erase(choices.begin());
        EXPECT_LT(c, n);
        return c;
    };
    sgenrand(99);
    const uint32_t next = genrand();
    sgenrand(99);
    replay.setMode(animShuffle);
    // from 2: 3 4 5; then 0 1 2 3 4 5 by 1 0 3 0 5: 4 1 0 3 2 5; that by 0 0 0 0 0: 5 4 1 0 3 2
    EXPECT_EQ("3 4 5 4 1 0 3 2 5 5 4 1 0 3 2 ", run(replay, 15, 100));
    EXPECT_EQ(genrand(), next) << "the replayed loop drew from the generator";
}

TEST_F(MediaAnimation, ClonesShareFramesUntilTheLastHolderGoes) {
    writeFrames("reel", 3);
    auto original = std::make_unique<Animation>(pictureDir(), "reel", 3, 10, AX, AY, animLoop);
    std::unique_ptr<Animation> a = original->clone("reel1", 20, 200, 100, animBackward);
    std::unique_ptr<Animation> b = original->clone("reel2", 40, 300, 100, animOnce);
    EXPECT_EQ(original->frames[2], b->frames[2]);
    original.reset();
    EXPECT_EQ("1 ", run(*a, 1, 0));
    a.reset();
    EXPECT_EQ(1, b->frames[0].use_count());
    EXPECT_EQ("0 ", run(*b, 1, 0));
}

TEST_F(MediaAnimation, MissingPicturesAreReportedAndDrawNothing) {
    testing::internal::CaptureStdout();
    Image picture(pictureDir() + "none.png");
    Sprite sprite(pictureDir() + "none.png", false, false, 5, 5);
    Animation empty(pictureDir(), "none", 4, 10, AX, AY, animOnce);
    AnimatedSprite car(pictureDir(), "none", 2, 10, AX, AY, animLoop);
    Button button("none", pictureDir(), 10, 10, true, true, true);
    EXPECT_EQ(0u, testing::internal::GetCapturedStdout().find("Couldn't Load" + pictureDir() + "none.png\n"));
    EXPECT_TRUE(empty.atEnd());  // a wait loop on it ends at once
    picture.blit(10, 10);
    sprite.draw();
    sprite.restoreBackground();
    for (int mode = 0; mode < 4; ++mode) {
        empty.setMode(mode);
        empty.update(true);
    }
    empty.clone("copy", 10, 0, 0, animLoop)->update();
    car.update();
    car.restoreBackground();
    for (int state : {-1, 0, 1, 2, 3, 4, 5}) button.setState(state);
    EXPECT_FALSE(button.contains(11, 11));
    EXPECT_TRUE(display->changedRects.empty());
}

TEST_F(MediaTest, FlashButtonTogglesByThePeriodUntilPressedOrStopped) {
    const Colour pressColour{255, 0, 0}, flashColour{0, 255, 0};
    writePicture(pictureDir() + "gamble_click.png", 30, 30, [&](int, int) { return pressColour; });
    writePicture(pictureDir() + "gamble_flash.png", 30, 30, [&](int, int) { return flashColour; });
    FlashButton f("gamble", pictureDir(), 300, 300, false, true, 500, 3);
    EXPECT_TRUE(areaIs(300, 300, 30, 30, flashColour));  // the initial state is drawn
    // The first tick starts the timing only; after four ticks the button is pressed: no more flashing.
    std::string states;
    for (Uint32 wait : {0, 499, 1, 600, 500, 500, 500}) {
        if (states.size() == 4) f.setState(2);
        fakeNow += wait;
        f.tick();
        states += std::to_string(f.state);
    }
    EXPECT_EQ("3303222", states);
    EXPECT_TRUE(areaIs(300, 300, 30, 30, pressColour));
}

namespace {

class TestScreen : public testrt::BareScreen {
public:
    std::string pressed;

    TestScreen() {
        name = "testroom";
        Screen::init();
        createButtons();
    }
    void createButtons() override {
        add<Hotspot>("one", 100, 100, 40, 20);
        add<Hotspot>("first", 300, 300, 100, 100);
        add<Hotspot>("second", 350, 350, 100, 100);  // under "first" in part
    }
    void handleButton(Widget* control) override { pressed += control->name + " "; }
};

}  // namespace

TEST_F(MediaTest, APressReachesTheControlUnderTheMouse) {
    TestScreen s;
    struct Press { int x, y; Uint8 type, button; bool menuEnabled; };
    const Press presses[] = {
        // Any button but the right; the mouse state counts, not the event's place (0, 0).
        {110, 110, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, true},
        {110, 110, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_WHEELUP, true},
        // The right button only while input is off: otherwise it is the machine menu's.
        {110, 110, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, false},
        {110, 110, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, true},
        // Overlap: the control added first wins.
        {375, 375, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, true},
        {420, 420, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, true},
        // On an edge, on no control, or not a press: nothing.
        {300, 320, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, true},
        {700, 20, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, true},
        {110, 110, SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, true},
    };
    for (const Press& p : presses) {
        SDL_WarpMouse(Uint16(p.x), Uint16(p.y));
        SDL_PumpEvents();
        SDL_Event e{};
        e.type = p.type;
        e.button.button = p.button;
        s.menuEnabled = p.menuEnabled;
        s.handleEvent(e);
    }
    EXPECT_EQ("one one one first second ", s.pressed);
}

namespace {

const char* const fontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const Colour scene{0, 0, 255};

// Pixels that no longer show the scene.
int inkedScreen() {
    int n = 0;
    for (int y = 0; y < screenHeight; ++y)
        for (int x = 0; x < screenWidth; ++x) n += !areaIs(x, y, 1, 1, scene);
    return n;
}

}  // namespace

TEST_F(MediaTest, ChangingALabelsTextErasesTheOldOne) {
    fillScreen(scene);
    {
        // Digits that sit on the baseline (a video slot meter): a shorter
        // number leaves no sliver of the longer one.
        TextLabel meter("../fonts/nickle4.ttf", 14, "730", 500, 500, 3, 255, 255, 255);
        meter.draw();
        meter.setText("73");
        meter.draw();
        meter.setText("");
        EXPECT_EQ(0, inkedScreen());
    }
    TextLabel label(fontFile, 24, "8888", 100, 100, 0, 255, 255, 255);
    label.draw();
    ASSERT_GT(inkedScreen(), 0);

    // The same text again restores and re-saves the same area: same pixels.
    label.setText("1");
    label.draw();
    const int one = inkedScreen();
    label.setText("1");
    EXPECT_EQ(0, inkedScreen());
    label.draw();
    EXPECT_EQ(one, inkedScreen());

    // Destroying the label leaves its text on the screen.
    auto* other = new TextLabel(fontFile, 24, "VIP", 300, 300, 0, 255, 255, 255);
    other->draw();
    const int ink = inkedScreen();
    delete other;
    EXPECT_EQ(ink, inkedScreen());
}

TEST_F(MediaTest, ALabelsAlignmentPlacesItsTextByTheAnchor) {
    // A text measuring 60 x 20 at the anchor (466, 524). Each alignment puts
    // the left end of the baseline here (halves by integer division):
    //   0: (x, y + h)      1: (x, y)      2: (x - w, y + h)
    //   3: (x - w, y)      4: (x - w/2, y + h/2)      5: (x - w/2, y)
    // Centred both ways draws at left 436, baseline 534, however much of the
    // font's box lies below its baseline.
    const struct {
        int align, ascent;
        int left, baseline;
    } cases[] = {
        {0, 20, 466, 544}, {1, 20, 466, 524}, {2, 20, 406, 544}, {3, 20, 406, 524}, {5, 20, 436, 524},
        {4, 20, 436, 534}, {4, 15, 436, 534}, {4, 12, 436, 534},
        {7, 20, 0, 0},  // not an alignment: nothing placed
    };
    for (const auto& c : cases) {
        TextLabel label(nullptr, 20, "", 466, 524, c.align, 255, 255, 255);
        label.extent = R(0, 0, 60, 20);
        label.ascent = c.ascent;
        label.layout();
        EXPECT_EQ(label.left, c.left) << c.align << "/" << c.ascent;
        EXPECT_EQ(label.baseline, c.baseline) << c.align << "/" << c.ascent;
    }
    {
        // An odd size rounds its halves down: 61 x 21 at (466, 524).
        TextLabel label(nullptr, 20, "", 466, 524, 4, 255, 255, 255);
        label.extent = R(0, 0, 61, 21);
        label.ascent = 16;
        label.layout();
        EXPECT_EQ(label.left, 436);
        EXPECT_EQ(label.baseline, 534);
    }

    // With a real font that reaches below its baseline: the text is measured
    // w x h, and centred both ways its baseline lies h/2 below the anchor,
    // so capitals stand on that line, wholly below the anchor's middle.
    for (int size : {17, 25, 30, 60}) {
        fillScreen(scene);
        std::unique_ptr<sge_TTFont, void (*)(sge_TTFont*)> font(sge_TTF_OpenFont(fontFile, size), sge_TTF_CloseFont);
        ASSERT_TRUE(font) << fontFile;
        char bust[] = "BUST!";
        const SDL_Rect measured = sge_TTF_TextSize(font.get(), bust);
        const int w = measured.w, h = measured.h, ascent = sge_TTF_FontAscent(font.get());
        ASSERT_GT(h - ascent, 3) << size << ": the font must reach well below its baseline for this check";

        TextLabel label(fontFile, size, "BUST!", 400, 300, 4, 255, 255, 255);
        EXPECT_EQ(label.left, 400 - w / 2) << size;
        EXPECT_EQ(label.baseline, 300 + h / 2) << size;
        const SDL_Rect box = label.area();
        label.draw();
        int top = screenHeight, bottom = -1, inkLeft = screenWidth, inkRight = -1;
        for (int y = 0; y < screenHeight; ++y)
            for (int x = 0; x < screenWidth; ++x)
                if (!areaIs(x, y, 1, 1, scene)) {
                    top = std::min(top, y), bottom = std::max(bottom, y);
                    inkLeft = std::min(inkLeft, x), inkRight = std::max(inkRight, x);
                }
        ASSERT_GE(bottom, 0) << size;
        // The letters rest on the baseline h/2 below the anchor ...
        EXPECT_LE(std::abs(bottom - (300 + h / 2)), 1) << size << ": ink from " << top << " to " << bottom;
        // ... and are centred across it (up to the letters' side bearings).
        EXPECT_LE(std::abs((inkLeft + inkRight) / 2 - 400), 1 + size / 15) << size << ": ink from " << inkLeft << " to "
                                                               << inkRight;
        // Every pixel drawn is inside the box that the label saves and erases.
        EXPECT_GE(top, box.y) << size;
        EXPECT_LT(bottom, box.y + box.h) << size;
        EXPECT_GE(inkLeft, box.x) << size;
        EXPECT_LT(inkRight, box.x + box.w) << size;
        label.setText("");
        EXPECT_EQ(0, inkedScreen()) << size << ": erasing puts back all that was drawn";
    }
}
