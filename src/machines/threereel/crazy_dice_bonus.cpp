// The dice of Rerod Ozid: two dice roll over the bonus picture, slow down
// once a second (the left one faster) and stop one after the other; their
// faces are added up on the screen and the sum is the win's multiplier.
#include <memory>
#include <utility>
#include <string>
#include <vector>

#include "shell/clock.h"
#include "machines/threereel/crazy_dice.h"
#include "shell/animation.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/mtrand.h"
#include "shell/sound.h"
#include "shell/text_label.h"
#include "shell/util.h"
#include "shell/waiting.h"

namespace {

const char* const kFolder = "../gfx/bonus/crazydice/";
const char* const kFaceNames[6] = {"one", "two", "three", "four", "five", "six"};

// How a die's roll goes: from 24 frames a second it slows by its step once
// a second; once at 5 or less it is thrown.
constexpr int kStartSpeed = 24;
constexpr int kLeftSlowDown = 4;
constexpr int kRightSlowDown = 3;
constexpr int kThrownAt = 5;

// One die of the throw as the roll draws it. The roll shuffled the six
// faces each time it had shown them all (a draw for the place it starts at,
// then five draws a shuffle), once a frame was due at the die's speed, and
// drew the face when the die had slowed right down. The throw is those
// draws made on the idealised clock, kept as the die's tumble; nothing is
// shown.
struct ThrowingDie {
    explicit ThrowingDie(int step) : slowDown(step) {
        place = static_cast<int>(genrand() % 6);
        tumble.push_back(static_cast<uint32_t>(place));
    }

    int speed = kStartSpeed;
    int slowDown;
    int period = 1000 / kStartSpeed;
    bool stepped = false;  // a frame was shown at this speed
    Uint32 lastStep = 0;
    int place;
    int face = 0;          // 1 to 6 once thrown
    std::vector<uint32_t> tumble;

    // A frame when one is due at `now`: the next place, and a fresh order
    // of the faces after the last.
    void step(Uint32 now) {
        if (stepped && now - lastStep < static_cast<Uint32>(period)) return;
        stepped = true;
        lastStep = now;
        if (++place >= 6) {
            for (uint32_t i = 1; i < 6; ++i) tumble.push_back(randomBelow(i + 1));
            place = 0;
        }
    }
    void pass(Uint32 now) {
        if (speed > kThrownAt) step(now);
        else if (face == 0) face = static_cast<int>(genrand() % 6) + 1;
    }
    void slow() {
        speed -= slowDown;
        if (speed > 0) {
            period = 1000 / speed;
            stepped = false;
        }
    }
};

// A die on the screen: its faces roll in the shuffled loop, tumbling as
// the throw drew them (its start and fresh orders are the throw's choices,
// handed back one by one; nothing is drawn), slow down and stop on the face
// thrown.
struct Die {
    std::vector<Image*> faces;  // index 0 = face 1, into the rolling frames; null where a picture is missing
    Animation rolling;
    int speed = kStartSpeed;
    int slowDown;
    int thrown;
    bool stopped = false;
    std::vector<uint32_t> tumble;
    size_t nextChoice = 0;

    Die(const std::string& side, int step, int face, std::vector<uint32_t> drawn)
        : slowDown(step), thrown(face), tumble(std::move(drawn)) {
        for (const char* name : kFaceNames) {
            auto picture = std::make_shared<Image>(std::string(kFolder) + name + "_" + side + ".png", true, false);
            faces.push_back(picture->loaded ? picture.get() : nullptr);
            if (picture->loaded) rolling.addFrame(std::move(picture));
        }
        rolling.setFps(kStartSpeed);
        rolling.setPosition(0, 0);
        rolling.chooseBelow = [this](uint32_t) { return choice(); };
        rolling.setMode(animShuffle);
    }
    Die(const Die&) = delete;
    Die& operator=(const Die&) = delete;

    // The throw's next choice. The screen's clock steps the dice no more
    // often than the throw's did, save when it stalls right at a slow-down:
    // a roll that outruns the throw's choices goes on with its fresh
    // orders again, from the first.
    uint32_t choice() {
        if (tumble.empty()) return 0;
        if (nextChoice >= tumble.size()) nextChoice = tumble.size() > 1 ? 1 : 0;
        return tumble[nextChoice++];
    }

    // One pass of the roll loop: roll on, or stop on the face thrown once
    // slowed right down.
    void pass() {
        if (speed > kThrownAt) {
            rolling.update(false);
        } else {
            stop();
        }
    }
    void stop() {
        if (stopped) return;
        if (Image* face = faces[static_cast<size_t>(thrown - 1)]) face->blit(0, 0);
        stopped = true;
    }

    void slow() {
        speed -= slowDown;
        if (speed > 0) rolling.setFps(speed);
    }
};

void label(const std::string& text, int x, const char* sound) {
    {
        TextLabel t("../fonts/crazydicebonus.ttf", 60, text, x, 81, 1, 255, 255, 255, 0);
        t.draw();
    }
    if (soundPlayer) soundPlayer->play(sound, false);
}

}  // namespace

DiceThrow CrazyDice::throwDice() {
    // A deliberate change from a roll timed by the real clock: the throw is
    // made in full the moment it is drawn (with the pull), so the faces can
    // no longer hang on how fast the screen happened to run. The draws are
    // those of the roll on the idealised clock that a close always used:
    // the dice set up (a draw each), a frame of each at once, a second's
    // hold, then passes of 1 ms, both dice slowing every 1001 ms, until the
    // right one is thrown.
    ThrowingDie left(kLeftSlowDown), right(kRightSlowDown);
    Uint32 now = 0;
    left.step(now);
    right.step(now);
    now += 1000;
    Uint32 lastSlow = now;
    while (right.speed > kThrownAt) {
        if (now - lastSlow > 1000) {
            left.slow();
            right.slow();
            lastSlow = now;
        }
        left.pass(now);
        right.pass(now);
        ++now;
    }
    DiceThrow dice;
    dice.left = left.face;
    dice.right = right.face;
    dice.leftTumble = std::move(left.tumble);
    dice.rightTumble = std::move(right.tumble);
    return dice;
}

int CrazyDice::runDiceBonus() {
    if (thrown.left == 0 || thrown.right == 0) {
        // No pull threw the dice: they are thrown now, and the win they
        // multiply is the player's from the throw on.
        thrown = throwDice();
        keepDiceWin(thrown.left + thrown.right);
    }
    DiceThrow shown = std::move(thrown);
    thrown = DiceThrow();
    const int leftFace = shown.left, rightFace = shown.right;

    if (display) display->saveScreen();
    {
        Image loading("../gfx/help/loading.png", false, true);
        if (loading.loaded) loading.blit(277, 559);
    }
    if (display) display->update();

    // The animations hold the face pictures as frames and free them.
    auto left = std::make_unique<Die>("left", kLeftSlowDown, leftFace, std::move(shown.leftTumble));
    auto right = std::make_unique<Die>("right", kRightSlowDown, rightFace, std::move(shown.rightTumble));
    {
        Image background(std::string(kFolder) + "bonus.png", false, false);
        if (background.loaded) background.blit(0, 0);
        left->rolling.update(false);
        right->rolling.update(false);
        if (display) display->update();
        timedPause(1000);
    }

    // The faces are thrown already: a window close or stop signal ends the
    // roll at once, the dice standing on them.
    if (soundPlayer) soundPlayer->play("tympani.wav", false);
    Uint32 lastStep = mediaTicks();
    while (right->speed > kThrownAt && !quitRequestedOrQueued()) {
        if (mediaTicks() - lastStep > 1000) {
            left->slow();
            right->slow();
            lastStep = mediaTicks();
        }
        left->pass();
        right->pass();
        if (display) display->update();
        restBriefly();
    }
    left->stop();
    right->stop();

    label(std::to_string(leftFace) + "     +", 76, "orchit1.wav");
    timedPause(1000);
    label(std::to_string(rightFace) + "     =", 330, "orchit2.wav");
    timedPause(1000);
    const int multiplier = leftFace + rightFace;
    label(std::to_string(multiplier) + "x", 600, "orchit3.wav");
    if (multiplier > 8 && soundPlayer) soundPlayer->play("jazzy.wav", false);
    timedPause(5000);

    if (display) {
        display->restoreScreen();
        display->update();
    }
    left.reset();
    right.reset();
    return multiplier;
}
