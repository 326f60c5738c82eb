#pragma once

#include <QRect>
#include <QString>

#include "skinwidgets/sCustomButton.h"

namespace trimel::ui {

struct ButtonSetup {
    QString name;  // objectName
    QString caption;
    QString hint;  // empty: no hint
    QRect geometry;
    int fontPixels = 12;
    bool bold = false;
};

// The one place every window gets its push buttons from: a skinned button
// in the program's style. The windows only use it as a QAbstractButton
// (clicked, enabled, text).
skin::TsButton* makeButton(QWidget* parent, const ButtonSetup& setup);

// The program's button style: a red-to-black band over sky blue, in the
// hot look a white, red, black, red and grey band over the hot colour
// with a white caption.
void useProgramStyle(skin::TsButton& button);

}  // namespace trimel::ui
