#include "player/held_money.h"

#include <algorithm>
#include <vector>

namespace {

// Never taken down: a save made while the process ends (an exit from
// inside a library, with the statics already going) still reads it.
std::vector<const HeldMoney*>& holders() {
    static std::vector<const HeldMoney*>* const list = new std::vector<const HeldMoney*>;
    return *list;
}

}  // namespace

void holdMoney(const HeldMoney* holder) {
    if (holder && std::find(holders().begin(), holders().end(), holder) == holders().end())
        holders().push_back(holder);
}

void releaseMoney(const HeldMoney* holder) {
    holders().erase(std::remove(holders().begin(), holders().end(), holder), holders().end());
}

Money heldMoneyTotal() {
    Money total;
    for (const HeldMoney* holder : holders()) total += holder->heldMoney();
    return total;
}

std::vector<DrawnPlay> drawnPlays() {
    std::vector<DrawnPlay> plays;
    for (const HeldMoney* holder : holders()) {
        DrawnPlay play;
        if (holder->drawnPlay(play)) plays.push_back(play);
    }
    return plays;
}

Money pointsNotYetBetTotal() {
    Money total;
    for (const HeldMoney* holder : holders()) total += holder->pointsNotYetBet();
    return total;
}

bool showingAPlay() {
    for (const HeldMoney* holder : holders())
        if (holder->showingPlay()) return true;
    return false;
}
