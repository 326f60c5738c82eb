#include <QApplication>

#include "ui/Look.h"
#include "ui/Program.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    trimel::ui::installFontSubstitutes();
    trimel::ui::Program program(argc > 0 ? argv[0] : "trimel");
    trimel::ui::startUp(program);
    return app.exec();
}
