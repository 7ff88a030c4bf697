// Zookeeper: five-reel video slot of card ranks and zoo animals. Two to five
// of a kind from the left pay on the played lines; the zebra pays only as a
// scatter, on two or more reels anywhere, as a multiple of the whole bet.
#pragma once

#include "machine/video_slot.h"

class Zookeeper : public VideoSlotMachine {
public:
    explicit Zookeeper(float denomination);
    ~Zookeeper() override;
    void configure(float denomination);

    void afterEvaluate(const std::vector<ReelGraphic*>& chosen) override;

    // The zebra scatter's multiple of the whole bet for that many zebra reels.
    static int scatterFactor(int zebraReels);
};
