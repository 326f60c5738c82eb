#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

namespace trimel::ui {

// The faces the windows were drawn with are not on every desktop; map them
// to metric-compatible ones once, before any window is made.
void installFontSubstitutes();

// Qt's own dialogs and buttons (the file dialog, "Отмена") speak the
// windows' language. Where Qt's translations are not installed they stay
// in English and the program works on; returns whether they were found.
bool installQtTexts();

// A font by face and character height in pixels.
QFont pixelFont(const QString& family, int pixels, bool bold = false);

inline const QString kSansSerif = QStringLiteral("MS Sans Serif");
inline const QString kArial = QStringLiteral("Arial");

inline QColor skyBlue() {
    return QColor(166, 202, 240);
}

// The look every window shares: the window font at the given character
// height over a sky-blue background.
void useWindowLook(QWidget* window, int fontPixels);

}  // namespace trimel::ui
