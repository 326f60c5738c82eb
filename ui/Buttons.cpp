#include "ui/Buttons.h"

#include <QPushButton>

#include "ui/Look.h"

namespace trimel::ui {

namespace {
// White Arial text over a red-to-black band mixed with sky blue: the
// colours the finished buttons are painted in, without their hover fade.
const char* const kButtonStyle =
    "QPushButton { color: white; border: 1px solid rgb(40, 48, 58);"
    " background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
    " stop:0 rgb(227, 61, 73), stop:1 rgb(50, 61, 73)); }"
    "QPushButton:hover, QPushButton:focus { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
    " stop:0 rgb(220, 233, 240), stop:0.06 rgb(222, 54, 62), stop:0.5 rgb(43, 55, 63),"
    " stop:0.78 rgb(222, 54, 62), stop:1 rgb(189, 201, 209)); }"
    "QPushButton:pressed { padding-top: 1px; }"
    "QPushButton:disabled { color: rgb(200, 200, 200); }";
}  // namespace

QAbstractButton* makeButton(QWidget* parent, const ButtonSetup& setup) {
    auto* button = new QPushButton(setup.caption, parent);
    button->setObjectName(setup.name);
    button->setGeometry(setup.geometry);
    button->setFont(pixelFont(kArial, setup.fontPixels, setup.bold));
    button->setStyleSheet(QString::fromLatin1(kButtonStyle));
    if (!setup.hint.isEmpty()) button->setToolTip(setup.hint);
    button->setAutoDefault(false);
    return button;
}

}  // namespace trimel::ui
