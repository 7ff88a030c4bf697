// Playing cards of the video poker machines.
#pragma once

#include <string>

// One card of a poker deck. Rank 2..10 as numbered, 11 jack, 12 queen,
// 13 king, 14 ace, 0 joker. Suit 0 heart, 1 spade, 2 club, 3 diamond.
struct Card {
    int suit = 0;
    int rank = 0;
    bool dealt = false;  // dealt in the current hand (on the table or discarded)
    bool held = false;   // the player holds it
};

namespace poker {

constexpr int kJoker = 0;
constexpr int kJack = 11;
constexpr int kQueen = 12;
constexpr int kKing = 13;
constexpr int kAce = 14;

// "heart", "spade", "club", "diam"; "" for anything else.
std::string suitName(int suit);
// The inverse of suitName; -1 for an unknown name.
int suitNumber(const std::string& name);
// "ace", "k", "q", "j", "joker", or the number ("2".."10").
std::string rankName(int rank);
// "../gfx/poker/cards/<rank>_<suit>.png"
std::string cardPicture(const Card& card);

}  // namespace poker
