// Shared by the video slot tests: a machine opened headless as the floor
// opens it (100 credits typed into its money prompt, see assettest::Session,
// every pause over at once) and its reels stopped on chosen pictures.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "assets/asset_session.h"
#include "machine/video_slot.h"
#include "machines/video/balloon_blitz.h"
#include "machines/video/bonus_prize.h"
#include "machines/video/deep_sea.h"
#include "machines/video/magic.h"
#include "shell/controls.h"
#include "shell/mtrand.h"
#include "support/headless.h"

namespace videotest {

template <class M>
class ReelFixture : public ::testing::Test {
protected:
    assettest::Session session;
    M* m = nullptr;

    void SetUp() override { ASSERT_TRUE(session.ok()); }
    void TearDown() override { close(); }

    // Opens a machine in place of the one open.
    void open(const std::string& id) {
        close();
        m = dynamic_cast<M*>(session.open(id));
        ASSERT_NE(m, nullptr) << id;
    }
    void close() {
        session.close(m);
        m = nullptr;
    }

    // The reels stop on these pictures, one a reel; `played` lines at
    // `coinsPerLine` are evaluated as a spin would, a video slot's hook included.
    void stopOn(const std::string& pictures, int played, int coinsPerLine) {
        m->chosenGraphics.clear();
        std::istringstream in(pictures);
        for (std::string p; in >> p;)
            for (const auto& g : m->reelGraphics)
                if (g->name == p) m->chosenGraphics.push_back(g.get());
        ASSERT_EQ(m->chosenGraphics.size(), static_cast<size_t>(m->reelCount)) << pictures;
        m->lines = played;
        m->coins = coinsPerLine;
        m->evaluateLines();
        if (auto* video = dynamic_cast<VideoSlotMachine*>(m)) video->afterEvaluate(m->chosenGraphics);
    }
};

using VideoFixture = ReelFixture<VideoSlotMachine>;

// A press and release at a point as the player makes them, the pointer
// standing there when the press is read: the fish and the hats are picked
// where the pointer is, whatever point the press event carries.
inline void pickAt(int x, int y) {
    testrt::testInput.scripted = true;
    testrt::testInput.points.push_back({x, y});
    testrt::tapClick(x, y);
}

// The stake of the bonus game the last spin armed (the balloons have none:
// 0), or -1 when none is armed.
inline int armedStake(VideoSlotMachine* m) {
    if (auto* magic = dynamic_cast<Magic*>(m)) return magic->bonusTriggered ? magic->bonusStake : -1;
    if (auto* sea = dynamic_cast<DeepSea*>(m)) return sea->bonusTriggered ? sea->bonusStake : -1;
    if (auto* balloons = dynamic_cast<BalloonBlitz*>(m)) return balloons->bonusPending ? 0 : -1;
    return -1;
}

}  // namespace videotest
