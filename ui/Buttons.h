#pragma once

#include <QAbstractButton>
#include <QRect>
#include <QString>

class QWidget;

namespace trimel::ui {

struct ButtonSetup {
    QString name;     // objectName
    QString caption;
    QString hint;     // empty: no hint
    QRect geometry;
    int fontPixels = 12;
    bool bold = false;
};

// The one place every window gets its push buttons from. The windows only
// use QAbstractButton (clicked, enabled, text), so the look can change here
// alone.
QAbstractButton* makeButton(QWidget* parent, const ButtonSetup& setup);

}  // namespace trimel::ui
