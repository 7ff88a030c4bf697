#include "machines/threereel/progressive_display.h"

#include "machine/progressive.h"
#include "shell/text_label.h"
#include "shell/util.h"

ProgressiveDisplay::ProgressiveDisplay() : progressiveText(nullptr) {}

ProgressiveDisplay::~ProgressiveDisplay() { delete progressiveText; }

std::string ProgressiveDisplay::amountText(const Denomination* denomination) {
    return doubleToString(progressiveValue(denomination));
}

void ProgressiveDisplay::create(const Denomination* denomination) {
    delete progressiveText;
    // 24 points: the digits stand about 24 px tall, clear of the 45 px window
    progressiveText = new TextLabel("../fonts/progressive2.ttf", 24, amountText(denomination), 438, 52, 4, 39, 198,
                                    39, 0);
}

void ProgressiveDisplay::update(const Denomination* denomination) {
    if (!progressiveText) return;
    progressiveText->setText("$" + amountText(denomination));
    progressiveText->draw();
}
