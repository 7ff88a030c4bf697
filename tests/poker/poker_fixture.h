// A headless poker cabinet for the machine tests: the shared headless game
// with its pauses recorded and its clock moving on by itself, and a mouse
// whose clicks the test scripts.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <utility>
#include <vector>

#include "machine/prize_wheel.h"
#include "player/player.h"
#include "poker/poker_machines.h"
#include "shell/app.h"
#include "shell/mtrand.h"
#include "shell/text_label.h"
#include "support/headless.h"

namespace pokertest {

using namespace testrt;

// A press at a point, where the scripted mouse will be when it is read.
inline void scriptedClick(int x, int y) {
    testInput.points.push_back({x, y});
    pushClick(x, y);
}

class PokerTest : public ::testing::Test {
protected:
    void SetUp() override {
        sgenrand(4357);
        ASSERT_TRUE(startHeadless("poker_probe", 1000.0, false)) << SDL_GetError();
        runSlowly();
        testInput.scripted = true;
    }
    void TearDown() override { stopHeadless(); }
};

// Puts the deck's cards of the given faces into the machine's hand, as a deal would.
inline void setHand(VideoPoker& m, const std::vector<std::pair<int, int>>& faces) {
    for (auto& c : m.deck) c->dealt = c->held = false;
    m.hand.clear();
    for (auto f : faces)  // (rank, suit); each deck card once, so two jokers are two cards
        for (auto& c : m.deck)
            if (c->rank == f.first && c->suit == f.second && !c->dealt) {
                c->dealt = true;
                m.hand.push_back(c.get());
                break;
            }
    ASSERT_EQ(m.hand.size(), 5u);
}

// The same from a written hand, "Th Jh Qh Kh Ah": ranks 2-9, T, J, Q, K, A or
// X for a joker, suits h(earts) s(pades) c(lubs) d(iamonds).
inline void setHand(VideoPoker& m, const std::string& cards) {
    std::vector<std::pair<int, int>> faces;
    for (size_t i = 0; i + 1 < cards.size(); i += 3) {
        const int rank = static_cast<int>(std::string("X-23456789TJQKA").find(cards[i]));
        faces.push_back({rank, static_cast<int>(std::string("hscd").find(cards[i + 1]))});
    }
    setHand(m, faces);
}

}  // namespace pokertest
