#include "poker/card.h"

namespace poker {

std::string suitName(int suit) {
    switch (suit) {
    case 0: return "heart";
    case 1: return "spade";
    case 2: return "club";
    case 3: return "diam";
    default: return "";
    }
}

int suitNumber(const std::string& name) {
    for (int s = 0; s < 4; ++s)
        if (name == suitName(s)) return s;
    return -1;
}

std::string rankName(int rank) {
    switch (rank) {
    case kAce: return "ace";
    case kKing: return "k";
    case kQueen: return "q";
    case kJack: return "j";
    case kJoker: return "joker";
    default: return std::to_string(rank);
    }
}

std::string cardPicture(const Card& card) {
    return "../gfx/poker/cards/" + rankName(card.rank) + "_" + suitName(card.suit) + ".png";
}

}  // namespace poker
