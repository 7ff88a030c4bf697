// Shared by the video slot tests: opens a machine headless as the floor does
// (100 credits typed into the money popup), sets reels to chosen pictures,
// and reads the sounds a step starts.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "assets/asset_session.h"
#include "support/headless.h"
#include "machine/denomination.h"
#include "machine/video_slot.h"
#include "machines/video/bonus_prize.h"
#include "shell/asset_log.h"
#include "shell/controls.h"
#include "shell/display.h"
#include "shell/mtrand.h"
#include "shell/sound.h"

namespace videotest {

inline std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    std::string w;
    while (in >> w) out.push_back(w);
    return out;
}

// A reel machine opened as the floor opens it, read through its pay rules
// and the sounds its steps start.
template <class M>
class ReelFixture : public ::testing::Test {
protected:
    assettest::Session* session = nullptr;
    M* m = nullptr;

    void SetUp() override {
        session = new assettest::Session();
        ASSERT_TRUE(session->ok());
        ReelMachine::countUpDelay = 0;
    }
    void TearDown() override {
        if (m) session->close(m);
        delete session;
    }

    void open(const std::string& id) {
        testing::internal::CaptureStdout();
        m = dynamic_cast<M*>(session->open(id));
        std::string out = testing::internal::GetCapturedStdout();
        ASSERT_NE(m, nullptr) << id;
        for (const char* fault : {"Could not find symbol", "probably named incorrectly", "Couldn't Load"})
            EXPECT_EQ(out.find(fault), std::string::npos) << out;
    }

    // The pay per coin of one line showing these symbols ("ape ape ape 9 9").
    int pay(const std::string& line, int number = 1) { return m->payForLine(m->symbolList(words(line)), number); }

    // The sound files a step starts (each name once) and how many clips began.
    std::set<std::string> soundsDuring(const std::function<void()>& step, int* started = nullptr) {
        soundPlayer->update();
        clearLoadedAssets();
        const size_t before = soundPlayer->clips.size();
        step();
        std::set<std::string> names;
        for (const std::string& p : loadedAssets())
            if (p.find("../sounds/") == 0) names.insert(p.substr(10));
        if (started) *started = static_cast<int>(soundPlayer->clips.size() - before);
        return names;
    }
};

class VideoFixture : public ReelFixture<VideoSlotMachine> {
protected:
    void SetUp() override {
        ReelFixture::SetUp();
        VideoSlotMachine::flashDelay = 0;
    }

    // The coin values the floor offers a machine at, largest first.
    static std::vector<float> offeredValues(const std::string& id) {
        std::vector<float> values;
        for (Denomination* d : denominationTable)
            if (d->offers(id)) values.push_back(d->value);
        return values;
    }

    Widget* control(const std::string& name) {
        for (Widget* w : m->buttons)
            if (w->name == name) return w;
        ADD_FAILURE() << "no control " << name;
        return nullptr;
    }
    void click(const std::string& name) {
        if (Widget* w = control(name)) m->handleButton(w);
    }
    // The five reels stop on these pictures; the lines played and the coins
    // per line are evaluated as a spin would, the machine's hook included.
    void stopOn(const std::string& pictures, int played, int coinsPerLine) {
        m->chosenGraphics.clear();
        for (const std::string& p : words(pictures))
            for (ReelGraphic* g : m->reelGraphics)
                if (g->name == p) m->chosenGraphics.push_back(g);
        ASSERT_EQ(m->chosenGraphics.size(), 5u) << pictures;
        m->lines = played;
        m->coins = coinsPerLine;
        m->evaluateLines();
        m->afterEvaluate(m->chosenGraphics);
    }

    // Runs the frame loop's machine step until the spin has settled.
    void finishSpin() {
        for (int& d : m->reelStopDelays) d = 0;  // the reels stop at once
        for (int i = 0; i < 2000 && m->spinning; ++i) m->tick();  // the session's clock moves on by itself
        ASSERT_FALSE(m->spinning);
    }
};

// The pick-one bonus games run on a clock of their own: each read of the
// media clock moves it 5 ms, each pause moves it on at once.
class BonusFixture : public VideoFixture {
protected:
    inline static Uint32 fakeNow = 1000;
    static Uint32 fakeTicks() { return fakeNow += 5; }
    static void fakePause(Uint32 ms) { fakeNow += ms; }

    void SetUp() override {
        VideoFixture::SetUp();
        mediaTicks = fakeTicks;
        videoBonusPause = fakePause;
    }
};

// The prize index the draw gives for r = genrand() % 101.
inline int prizeFor(unsigned r) { return r == 0 ? 5 : r <= 2 ? 4 : r <= 6 ? 3 : r <= 14 ? 2 : r <= 55 ? 1 : 0; }

}  // namespace videotest
