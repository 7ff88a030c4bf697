#include "shell/animation.h"

#include "shell/display.h"
#include "shell/util.h"
#include "shell/waiting.h"

Animation::Animation()
    : position(0), frameIndex(0), x(0), y(0), framePeriod(1000), mode(animLoop), lastStep(0) {}

Animation::Animation(const std::string& folder, const std::string& animName, int frameCount, int fps, int px,
                     int py, int playMode, bool colorKey, bool keepFormat)
    : Animation() {
    Animation::load(folder, animName, frameCount, fps, px, py, playMode, colorKey, keepFormat);
}

void Animation::load(const std::string& folder, const std::string& animName, int count, int fps, int px, int py,
                     int playMode, bool colorKey, bool keepFormat) {
    for (int i = 0; i < count; ++i) {
        auto frame = std::make_shared<Image>(folder + animName + ".png." + intToString(i), colorKey, keepFormat);
        if (frame->loaded) addFrame(std::move(frame));
    }
    setFps(fps);
    setMode(playMode);
    setPosition(px, py);
    setName(animName);
    frameIndex = 0;
}

void Animation::addFrame(std::shared_ptr<Image> image) { frames.push_back(std::move(image)); }

void Animation::setPosition(int px, int py) {
    x = px;
    y = py;
}

void Animation::setName(const std::string& animName) { name = animName; }

void Animation::setFps(int fps) {
    framePeriod = 1000 / (fps < 1 ? 1 : fps);
    lastStep = 0;
}

void Animation::setMode(int playMode) {
    mode = playMode;
    if (frames.empty()) return;
    switch (mode) {
    case animLoop:
        position = 0;
        frameIndex = 0;
        break;
    case animBackward:
        position = frameCount() - 1;
        break;
    case animShuffle:
        position = static_cast<int>(choose(static_cast<uint32_t>(frames.size())));
        break;
    case animOnce:
        position = -1;
        break;
    default:
        break;
    }
}

void Animation::update(bool force) {
    Uint32 now = mediaTicks();
    if (!force && lastStep != 0 && now - lastStep < Uint32(framePeriod)) {
        wakeBy(lastStep + Uint32(framePeriod));
        return;
    }
    lastStep = now;
    if (frames.empty()) return;  // nothing to step through or draw
    if (mode != animOnce || position < frameCount()) wakeBy(now + Uint32(framePeriod));

    const int count = frameCount();
    switch (mode) {
    case animLoop:
        ++position;
        ++frameIndex;
        if (position >= count || position < 0) {
            position = 0;
            frameIndex = 0;
        }
        break;
    case animBackward:
        if (position <= 0 || position > count)
            position = count - 1;
        else
            --position;
        break;
    case animShuffle:
        ++position;
        if (position >= count || position < 0) {
            shuffleRange(frames.begin(), frames.end(), [this](uint32_t n) { return choose(n); });
            position = 0;
        }
        break;
    case animOnce:
        if (position < count) ++position;
        break;
    default:
        break;
    }
    if (position >= 0 && position < count) frames[position]->blit(x, y);
}

std::unique_ptr<Animation> Animation::clone(const std::string& cloneName, int fps, int px, int py, int playMode) {
    auto copy = std::make_unique<Animation>();
    copy->frames = frames;
    copy->setFps(fps);
    copy->setPosition(px, py);
    copy->setName(cloneName);
    copy->setMode(playMode);
    return copy;
}

uint32_t Animation::choose(uint32_t n) {
    if (!chooseBelow) return randomBelow(n);
    return chooseBelow(n) % n;  // a choice out of range never indexes past the frames
}

bool Animation::atEnd() const { return frames.empty() || position >= frameCount(); }

void Animation::rewind() { position = -1; }

AnimatedSprite::AnimatedSprite(const std::string& folder, const std::string& animName, int count, int fps, int px,
                               int py, int playMode)
    : Animation() {
    load(folder, animName, count, fps, px, py, playMode, false, true);
    if (frames.empty() || !display || !display->screen) return;
    int w = frames[0]->width();
    int h = frames[0]->height();
    SDL_Rect r = {Sint16(px), Sint16(py), Uint16(w), Uint16(h)};
    if (px < 0) {
        r.x = 0;
        r.w = Uint16(w + px > 0 ? w + px : 0);
    }
    if (py < 0) {
        r.y = 0;
        r.h = Uint16(h + py > 0 ? h + py : 0);
    }
    if (r.w > 0 && r.h > 0) background = display->copyRegion(r);
}

void AnimatedSprite::update(bool force) { Animation::update(force); }

void AnimatedSprite::restoreBackground() {
    if (frames.empty() || !background || !display) return;
    SDL_Rect r = {Sint16(x < 0 ? 0 : x), Sint16(y < 0 ? 0 : y), Uint16(background->w), Uint16(background->h)};
    display->blit(background.get(), r);
}
