#include "machines/threereel/progressive_display.h"

#include "machine/progressive.h"
#include "shell/text_label.h"
#include "shell/util.h"

std::string ProgressiveDisplay::amountText(const Denomination* denomination) {
    return doubleToString(progressiveValue(denomination));
}

void ProgressiveDisplay::create(const Denomination* denomination) {
    progressiveText.reset();  // one label at a time: the old one goes first
    progressiveText = std::make_unique<TextLabel>("../fonts/progressive2.ttf", 30, amountText(denomination), 438, 52,
                                                  4, 39, 198, 39, 0);
}

void ProgressiveDisplay::update(const Denomination* denomination) {
    if (!progressiveText) return;
    progressiveText->setText("$" + amountText(denomination));
    progressiveText->draw();
}
