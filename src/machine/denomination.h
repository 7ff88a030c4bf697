// Coin values (denominations) and the money helpers every machine uses.
//
// The game plays at ten coin values, from 1000 dollars down to 5 cents. Each
// value has a badge picture and a list of the machines offered at it; every
// machine is offered at 1.0. The table is built once at start-up and is a
// global list of records in descending order of value.
//
// Money (the player's dollars) and credits (whole coins on a machine) are
// exchanged in whole cents (player/money.h), so that money never drifts by
// float error however often it moves back and forth.
#pragma once

#include <memory>
#include <string>
#include <vector>

class Denomination {
public:
    float value;                          // dollars per coin
    std::string picture;                  // badge picture: "5_cent.png" ... "1000.png"
    std::vector<std::string> machineIds;  // machines offered at this value, in machine-table order

    Denomination(float value, const std::string& picture);

    // True when the machine id is in this record's list.
    bool offers(const std::string& machineId) const;
    // The coin value in whole cents (5 for 0.05, 100000 for 1000).
    long long cents() const;
};

// The ten records, 1000 first, 0.05 last. Empty until buildDenominationTable.
typedef std::vector<std::unique_ptr<Denomination>> DenominationTable;
extern DenominationTable denominationTable;

// Fills the table with its ten records and their machine lists (every id of
// the machine table at 1.0; the others as the offer table in denomination.cpp
// says). Any earlier contents are freed first.
void buildDenominationTable();
// Empties the table.
void freeDenominationTable();

// The first record of that exact value that offers the machine, or null.
Denomination* findDenomination(float value, const std::string& machineId);
// The first record of that exact value (whatever it offers), or null.
Denomination* findDenominationValue(float value);

// The record a machine moves to when its denomination control is pressed:
// among the records offering the machine, the one with the smallest value
// above the current one; from the largest offered value it wraps to the
// smallest. With a null current record it gives the smallest offered value;
// null when the machine is offered nowhere.
Denomination* nextDenomination(const std::string& machineId, const Denomination* current);

// Moves a machine's credits back to the current player's money at the coin
// value and sets the credits to 0. With no current player or no record the
// credits stay where they are.
void returnCreditsToPlayer(int& credits, const Denomination* denomination);
