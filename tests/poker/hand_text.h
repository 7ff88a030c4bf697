// Hands written as text for the poker tests: "AH KS 10D 2C XH"
// (rank 2-10, J, Q, K, A, or X for a joker; suit H, S, C, D).
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "poker/card.h"

namespace pokertest {

inline Card parseCard(const std::string& t) {
    Card c;
    const std::string r = t.substr(0, t.size() - 1);
    const char s = t.back();
    c.suit = s == 'H' ? 0 : s == 'S' ? 1 : s == 'C' ? 2 : 3;
    if (r == "A") c.rank = 14;
    else if (r == "K") c.rank = 13;
    else if (r == "Q") c.rank = 12;
    else if (r == "J") c.rank = 11;
    else if (r == "X") c.rank = 0;
    else c.rank = std::stoi(r);
    return c;
}

// Five cards that own themselves; ptrs() gives the pointer view the game uses.
struct TextHand {
    explicit TextHand(const std::string& text) {
        std::istringstream in(text);
        std::string t;
        while (in >> t) cards.push_back(parseCard(t));
    }
    std::vector<Card*> ptrs() {
        std::vector<Card*> p;
        for (Card& c : cards) p.push_back(&c);
        return p;
    }
    std::vector<Card> cards;
};

}  // namespace pokertest
