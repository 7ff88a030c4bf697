// The pay tables of the nine poker machines, as data.
#pragma once

#include <string>

#include "poker/hand_eval.h"

namespace poker {

// The table of a poker machine id ("jacksorbetter", "deuceswild", ...);
// null for an id that is not a poker machine.
const PayTable* payTableFor(const std::string& machineId);

}  // namespace poker
