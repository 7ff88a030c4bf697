// 5 Zadi Zadare Vevi: the dice twin of 5 Ziro Dazuru Ruva whose wilds triple
// a line's pay (two wilds: nine times); dice play the single-symbol pays.
#pragma once

#include "machines/video/five_line_wild.h"

class FiveLineTriple : public FiveLineWildMachine {
public:
    explicit FiveLineTriple(float denomination);
    void configure(float denomination);

    void buildReelGraphics() override;
    void declareSymbols() override;
};
