// The green progressive amount that the progressive machines show above
// their reels: the jackpot meter of the machine's coin value, redrawn every
// frame so a change of coin value shows at once.
#pragma once

#include <memory>
#include <string>

#include "shell/text_label.h"

class Denomination;

class ProgressiveDisplay {
public:
    std::unique_ptr<TextLabel> progressiveText;  // null until create

    // Makes the label (the bare amount, not drawn yet); call once the
    // machine has been drawn so the label keeps the right background.
    void create(const Denomination* denomination);
    // "$" and the amount, redrawn in place.
    void update(const Denomination* denomination);

    // The label's text for a coin value's meter.
    static std::string amountText(const Denomination* denomination);
};
