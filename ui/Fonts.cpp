#include "ui/Fonts.h"

#include <QFontDatabase>

namespace trimel::ui {

void installFontSubstitutes() {
    const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                              QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(kSansSerif, sans);
    QFont::insertSubstitutions(kArial, sans);
}

QFont pixelFont(const QString& family, int pixels, bool bold) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace trimel::ui
