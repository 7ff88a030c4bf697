// 5 Ziro Dazuru Ruva: five-line dice machine whose wilds double a line's pay
// (two wilds: four times); three wilds pay 500 times the line's number.
#pragma once

#include "machines/video/five_line_wild.h"

class FiveLineDouble : public FiveLineWildMachine {
public:
    explicit FiveLineDouble(float denomination);
    void configure(float denomination);

    void buildReelGraphics() override;
    void declareSymbols() override;
};
