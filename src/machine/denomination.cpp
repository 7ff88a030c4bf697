#include "machine/denomination.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <iostream>

#include "player/machine_table.h"
#include "player/money.h"
#include "player/player.h"

DenominationTable denominationTable;

namespace {

// The ten coin values, largest first, with their badge pictures.
struct CoinValue {
    float value;
    const char* picture;
};
const CoinValue kCoinValues[] = {
    {1000.0f, "1000.png"}, {500.0f, "500.png"},     {100.0f, "100.png"},     {25.0f, "25.png"},
    {5.0f, "5.png"},       {1.0f, "1.png"},         {0.5f, "50_cent.png"},   {0.25f, "25_cent.png"},
    {0.1f, "10_cent.png"}, {0.05f, "5_cent.png"},
};
constexpr int kValueCount = sizeof(kCoinValues) / sizeof(kCoinValues[0]);

// Which coin values each machine is offered at: one mark per value, in the
// order of the columns ('x' offered, '.' not). Every machine plays at 1.0
// whatever its row says; a machine of the floor missing here plays at 1.0
// only. High limits (500, 1000) are kept to the plain classic reels; video
// poker starts at a dime.
struct Offer {
    const char* id;
    const char* marks;
};
const Offer kOffers[] = {
    //                          1000 500 100  25   5   1  .50 .25 .10 .05
    {"10sorbetter",           "  .   .   x   x   x   x   x   x   x   .  "},
    {"10x",                   "  x   x   x   x   x   x   x   x   x   x  "},
    {"4ofakind",              "  .   .   x   x   x   x   x   x   x   .  "},
    {"5linedouble",           "  .   .   .   x   x   x   x   x   x   x  "},
    {"5linetriple",           "  .   .   .   x   x   x   x   x   x   x  "},
    {"5x",                    "  x   x   x   x   x   x   x   x   x   x  "},
    {"allwild",               "  .   .   x   x   x   x   x   x   x   .  "},
    {"baja7s",                "  .   .   .   x   x   x   x   x   x   x  "},
    {"balloonblitz",          "  .   .   x   .   x   x   x   x   x   x  "},
    {"balloonmania",          "  .   .   x   x   x   x   x   x   x   x  "},
    {"bitsnbytes",            "  .   .   .   x   x   x   x   x   x   x  "},
    {"blackjack",             "  .   .   x   x   x   x   x   x   x   x  "},
    {"cashcow",               "  .   .   .   x   x   x   x   x   x   x  "},
    {"crazy8s",               "  .   .   x   x   x   x   x   x   x   x  "},
    {"crazydice",             "  .   .   x   x   x   x   x   x   x   x  "},
    {"cursed",                "  .   .   x   x   x   x   x   x   x   x  "},
    {"deepsea",               "  .   .   x   .   x   x   x   x   x   x  "},
    {"demoderby",             "  .   .   .   .   x   x   x   x   x   x  "},
    {"deuceswild",            "  .   .   x   x   x   x   x   x   x   .  "},
    {"doubledice",            "  .   .   x   x   x   x   x   x   x   x  "},
    {"doubledicedeluxe",      "  .   .   x   x   x   x   x   x   x   x  "},
    {"doubledicespinforcash", "  .   .   x   x   x   x   x   x   x   x  "},
    {"doubledoubledice",      "  .   .   x   x   x   x   x   x   x   x  "},
    {"doublepremium",         "  .   .   x   x   x   x   x   x   x   .  "},
    {"doubletriple",          "  x   x   x   x   x   x   x   x   x   x  "},
    {"doubleupbonus",         "  .   .   x   x   x   x   x   x   x   .  "},
    {"dragonspin",            "  .   .   x   x   x   x   x   x   x   x  "},
    {"egyptsprize",           "  .   .   .   x   x   x   x   x   x   x  "},
    {"gettinhot",             "  .   .   x   x   x   x   x   x   x   x  "},
    {"holeinone",             "  .   .   x   x   x   x   x   x   x   x  "},
    {"jacksorbetter",         "  .   .   x   x   x   x   x   x   x   .  "},
    {"jokerswild",            "  .   .   x   x   x   x   x   x   x   .  "},
    {"magic",                 "  .   .   x   .   x   x   .   x   x   x  "},
    {"mardigras",             "  .   .   x   .   x   x   x   x   .   x  "},
    {"mountainclimber",       "  .   .   x   x   x   x   x   x   x   x  "},
    {"patriotgames",          "  .   .   x   x   x   x   x   x   x   x  "},
    {"patriotspinforcash",    "  .   .   x   x   x   x   x   x   x   x  "},
    {"patriotwild",           "  .   .   x   x   x   x   x   x   x   x  "},
    {"patriotwilddeluxe",     "  .   .   x   x   x   x   x   x   x   x  "},
    {"gloamerhouse",          "  .   .   x   x   x   x   x   x   x   x  "},
    {"shortcircuit",          "  .   .   x   x   x   x   x   x   x   x  "},
    {"spinforcash",           "  .   .   x   x   x   x   x   x   x   .  "},
    {"super7s",               "  x   x   x   x   x   x   x   x   x   x  "},
    {"tripledice",            "  .   .   x   x   x   x   x   x   x   x  "},
    {"tripledicedeluxe",      "  .   .   x   x   x   x   x   x   x   x  "},
    {"tripletriple",          "  x   x   x   x   x   x   x   x   x   x  "},
    {"wheelofcash",           "  .   .   x   x   x   x   x   x   x   x  "},
    {"wildapple",             "  .   .   x   x   x   x   x   x   x   x  "},
    {"wildsourapple",         "  .   .   x   x   x   x   x   x   x   x  "},
    {"zookeeper",             "  .   .   x   .   x   x   x   x   x   x  "},
};

// The marks of a row with the spaces taken out; empty for an unknown id.
std::string offerMarks(const std::string& id) {
    for (const Offer& offer : kOffers) {
        if (id != offer.id) continue;
        std::string marks;
        for (const char* p = offer.marks; *p; ++p)
            if (*p != ' ') marks += *p;
        return marks;
    }
    return std::string();
}

}  // namespace

Denomination::Denomination(float value, const std::string& picture) : value(value), picture(picture) {}

bool Denomination::offers(const std::string& machineId) const {
    return std::find(machineIds.begin(), machineIds.end(), machineId) != machineIds.end();
}

long long Denomination::cents() const { return std::llround(static_cast<double>(value) * 100.0); }

void buildDenominationTable() {
    freeDenominationTable();
    for (const CoinValue& coin : kCoinValues) denominationTable.push_back(std::make_unique<Denomination>(coin.value, coin.picture));

    for (const MachineInfo& machine : machineTable()) {
        std::string marks = offerMarks(machine.id);
        if (!marks.empty() && static_cast<int>(marks.size()) != kValueCount)
            std::cout << "Denomination row of " << machine.id << " has " << marks.size() << " marks" << std::endl;
        for (int i = 0; i < kValueCount; ++i) {
            bool offered = kCoinValues[i].value == 1.0f || (i < static_cast<int>(marks.size()) && marks[i] == 'x');
            if (offered) denominationTable[i]->machineIds.push_back(machine.id);
        }
    }
}

void freeDenominationTable() {
    denominationTable.clear();
}

Denomination* findDenomination(float value, const std::string& machineId) {
    for (const auto& record : denominationTable)
        if (record->value == value && record->offers(machineId)) return record.get();
    return nullptr;
}

Denomination* findDenominationValue(float value) {
    for (const auto& record : denominationTable)
        if (record->value == value) return record.get();
    return nullptr;
}

Denomination* nextDenomination(const std::string& machineId, const Denomination* current) {
    Denomination* smallest = nullptr;  // wrap target
    Denomination* above = nullptr;     // smallest value above the current one
    for (const auto& owned : denominationTable) {
        Denomination* record = owned.get();
        if (!record->offers(machineId)) continue;
        if (!smallest || record->value < smallest->value) smallest = record;
        if (current && record->value > current->value && (!above || record->value < above->value)) above = record;
    }
    return above ? above : smallest;
}

void returnCreditsToPlayer(int& credits, const Denomination* denomination) {
    if (!currentPlayer || !denomination) return;
    if (credits > 0) {
        Money worth = Money::cents(denomination->cents()) * credits;
        // Off the machine first: the save file counts the credits on a
        // machine as the player's money too.
        credits = 0;
        currentPlayer->money = (Money::dollars(currentPlayer->money) + worth).inDollars();
        currentPlayer->saveNow();
    }
    credits = 0;
}
