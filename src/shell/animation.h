// Frame animations: numbered pictures (name.png.0, name.png.1, ...) shown at
// a fixed rate in one of four modes. Frames are shared between an animation
// and its clones: a picture goes with the last animation that holds it. Animations don't run by
// themselves: the owner calls update() each pass and then Display::update.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/image.h"

enum AnimationMode {
    animLoop = 0,      // 0, 1, ..., n-1, 0, ...
    animBackward = 1,  // n-1, ..., 0, n-1, ...
    animShuffle = 2,   // each pass after the first in a fresh random order
    animOnce = 3       // 0 .. n-1, then stays at the end
};

class Animation {
public:
    std::vector<std::shared_ptr<Image>> frames;  // shared with clones
    // Place in frames: the frame shown last; frames.size() is the end (a
    // once animation that has finished); -1 is before the first frame.
    int position;
    int frameIndex;   // frame number in loop-forward mode
    int x, y;
    int framePeriod;  // ms per frame, 1000 / fps
    int mode;         // AnimationMode
    Uint32 lastStep;  // tick of the last frame step; 0: not started
    std::string name;
    // Where the shuffled loop takes its choices among n (the frame it starts
    // on, then every fresh order): randomBelow unless set. An owner whose
    // choices were drawn before the loop is shown hands them back through
    // it, so showing the loop draws nothing. Set it before setMode.
    std::function<uint32_t(uint32_t)> chooseBelow;

    // An empty animation: add frames with addFrame, then setFps/setPosition/setMode.
    Animation();
    // Loads folder + name + ".png." + i for i < frameCount (missing frames are skipped).
    Animation(const std::string& folder, const std::string& name, int frameCount, int fps, int x, int y,
              int mode, bool colorKey = false, bool keepFormat = false);

    virtual void load(const std::string& folder, const std::string& name, int frameCount, int fps, int x,
                      int y, int mode, bool colorKey, bool keepFormat);
    virtual ~Animation() = default;
    // Steps and draws a frame when one is due (always when force is set, and
    // on the first update after setFps).
    virtual void update(bool force = false);

    void addFrame(std::shared_ptr<Image> image);
    void setPosition(int x, int y);
    void setName(const std::string& name);
    void setFps(int fps);
    void setMode(int mode);
    // A plain Animation sharing this one's frames.
    std::unique_ptr<Animation> clone(const std::string& name, int fps, int x, int y, int mode);

    // True when a once animation has played its last frame, and always for
    // an animation without frames (there is nothing to wait for).
    bool atEnd() const;
    // Places the position before the first frame so a once animation plays again.
    void rewind();
    int frameCount() const { return static_cast<int>(frames.size()); }

private:
    uint32_t choose(uint32_t n);
};

// An animation that keeps the screen under its first frame and can put it back.
class AnimatedSprite : public Animation {
public:
    SurfacePtr background;  // null when no frame loaded

    // Loads like Animation (no colour key, file's own format), then copies
    // the screen under the first frame (cropped at the left and top edges).
    AnimatedSprite(const std::string& folder, const std::string& name, int frameCount, int fps, int x, int y,
                   int mode);
    void update(bool force = false) override;

    void restoreBackground();
};
