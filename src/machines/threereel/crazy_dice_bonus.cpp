// The dice of Rerod Ozid: two dice roll over the bonus picture, slow down
// once a second (the left one faster) and stop one after the other; their
// faces are added up on the screen and the sum is the win's multiplier.
#include <memory>
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
#include "shell/unseen_clock.h"
#include "shell/waiting.h"

namespace {

const char* const kFolder = "../gfx/bonus/crazydice/";
const char* const kFaceNames[6] = {"one", "two", "three", "four", "five", "six"};

struct Die {
    std::vector<Image*> faces;  // index 0 = face 1, into the rolling frames; null where a picture is missing
    Animation rolling;
    int speed = 24;
    int slowDown;
    bool stopped = false;
    int throwValue = 0;

    Die(const std::string& side, int step) : slowDown(step) {
        for (const char* face : kFaceNames) {
            auto picture = std::make_shared<Image>(std::string(kFolder) + face + "_" + side + ".png", true, false);
            if (picture->loaded) {
                faces.push_back(picture.get());
                rolling.addFrame(std::move(picture));
            } else {
                faces.push_back(nullptr);
            }
        }
        rolling.setFps(24);
        rolling.setPosition(0, 0);
        rolling.setMode(2);
    }

    // One pass of the roll loop: roll on, or throw once slowed right down.
    void pass() {
        if (speed > 5) {
            rolling.update(false);
        } else if (!stopped) {
            throwValue = static_cast<int>(genrand() % 6);
            if (faces[throwValue]) faces[throwValue]->blit(0, 0);
            stopped = true;
        }
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

int CrazyDice::runDiceBonus() {
    if (display) display->saveScreen();
    {
        Image loading("../gfx/help/loading.png", false, true);
        if (loading.loaded) loading.blit(277, 559);
    }
    if (display) display->update();

    // The animations hold the face pictures as frames and free them.
    auto left = std::make_unique<Die>("left", 4);
    auto right = std::make_unique<Die>("right", 3);
    {
        Image background(std::string(kFolder) + "bonus.png", false, false);
        if (background.loaded) background.blit(0, 0);
        left->rolling.update(false);
        right->rolling.update(false);
        if (display) display->update();
        timedPause(1000);
    }

    // A window close or stop signal does not stop the dice where they lie:
    // they roll on unseen, on a clock of their own, to the very throws a
    // bonus played through makes with the same draws (how often the rolling
    // faces are shuffled, each shuffle a draw, depends on the time). A close
    // ends the pause above early: the unseen roll then starts where the
    // whole pause would have ended.
    std::unique_ptr<UnseenClock> unseen;
    if (quitRequestedOrQueued()) unseen = std::make_unique<UnseenClock>(mediaTicks() + 1000);

    if (soundPlayer) soundPlayer->play("tympani.wav", false);
    Uint32 lastStep = mediaTicks();
    while (right->speed > 5) {
        if (!unseen && quitRequestedOrQueued()) unseen = std::make_unique<UnseenClock>(mediaTicks());
        if (mediaTicks() - lastStep > 1000) {
            left->slow();
            right->slow();
            lastStep = mediaTicks();
        }
        left->pass();
        right->pass();
        if (display && !unseen) display->update();
        restBriefly();
    }

    const int leftFace = left->throwValue + 1, rightFace = right->throwValue + 1;
    // The win the dice multiply is the player's from the throw on.
    keepDiceWin(leftFace + rightFace);
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
