#include <QApplication>
#include <QIcon>
#include <cstdio>

#include "ui/Look.h"
#include "ui/Program.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Ties the windows to the installed menu entry and its icon; without
    // an install the icon is empty and the windows keep the default one.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.trimel.Trimel"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.trimel.Trimel")));
    trimel::ui::installFontSubstitutes();
    trimel::ui::installQtTexts();
    trimel::ui::Program program(argc > 0 ? argv[0] : "trimel");
    trimel::ui::startUp(program);
    // Test hook for the installed package's check (README, "Test hook"),
    // inert unless TRIMEL_TEST_HOOK is set: how many wheels were loaded and
    // which guide the links open.
    if (qEnvironmentVariableIsSet("TRIMEL_TEST_HOOK")) {
        std::printf("wheels: %d\nguide: %s\n", program.state.wheelCount,
                    qPrintable(program.guideUrl().toLocalFile()));
        std::fflush(stdout);
    }
    return app.exec();
}
