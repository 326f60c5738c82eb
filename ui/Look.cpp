#include "ui/Look.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QPalette>
#include <QTranslator>
#include <QWidget>

namespace trimel::ui {

void installFontSubstitutes() {
    const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                              QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(kSansSerif, sans);
    QFont::insertSubstitutions(kArial, sans);
}

bool installQtTexts() {
    auto* texts = new QTranslator(QCoreApplication::instance());
    if (texts->load(QStringLiteral("qtbase_ru"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(texts))
        return true;
    delete texts;
    return false;
}

QFont pixelFont(const QString& family, int pixels, bool bold) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void useWindowLook(QWidget* window, int fontPixels) {
    window->setFont(pixelFont(kSansSerif, fontPixels));
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, skyBlue());
    window->setPalette(pal);
    window->setAutoFillBackground(true);
}

}  // namespace trimel::ui
