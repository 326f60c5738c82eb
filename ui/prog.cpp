// The forecast window (form TForm3; its title is the forecast's caption).
#include "ui/prog.h"

#include <QLabel>

#include "ui/GridExport.h"
#include "ui/GridView.h"
#include "ui/Look.h"
#include "ui/Program.h"

namespace trimel::ui {

TForm3::TForm3(Program& program) : QWidget(nullptr), program_(program) {
    setObjectName(QStringLiteral("TForm3"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(pixelFont(kSansSerif, 11));
    setFixedSize(543, 408);
    move(311, 240);

    auto makeLabel = [this](const char* name, const char* text, int left, int top) {
        auto* l = new QLabel(QString::fromUtf8(text), this);
        l->setObjectName(QString::fromLatin1(name));
        l->move(left, top);
        l->adjustSize();
    };
    makeLabel("Label4", "Система №1:", 8, 8);
    makeLabel("Label5", "Система №2:", 294, 8);
    makeLabel("Label1", "Номера, составляющие системы:", 176, 256);
    makeLabel("Label2", "Номера системы №1:", 8, 280);
    makeLabel("Label3", "Номера системы №2:", 8, 344);

    const QColor face = palette().color(QPalette::Button);
    ForecastView& view = program_.forecastView;
    auto makeGrid = [&](const char* name, const TextGrid& grid, const QRect& at) {
        auto* g = new GridView(grid, 20, face, this);
        g->setObjectName(QString::fromLatin1(name));
        g->setGeometry(at);
        return g;
    };
    StringGrid1 = makeGrid("StringGrid1", view.tickets1, QRect(8, 24, 240, 225));
    StringGrid2 = makeGrid("StringGrid2", view.tickets2, QRect(294, 24, 240, 225));
    StringGrid3 = makeGrid("StringGrid3", view.strip1, QRect(8, 296, 530, 40));
    StringGrid4 = makeGrid("StringGrid4", view.strip2, QRect(8, 360, 530, 40));
    // Printed under the draw they are for and the label above them.
    const auto captioned = [this](GridView* grid, const char* label) {
        addGridMenu(*grid, program_, [this, label] {
            return QString::fromStdString(program_.forecastView.caption) + QStringLiteral(" — ") +
                   QString::fromUtf8(label);
        });
    };
    captioned(StringGrid1, "Система №1");
    captioned(StringGrid2, "Система №2");
    captioned(StringGrid3, "Номера системы №1");
    captioned(StringGrid4, "Номера системы №2");
    setTabOrder(StringGrid1, StringGrid2);
    setTabOrder(StringGrid2, StringGrid3);
    setTabOrder(StringGrid3, StringGrid4);
}

void TForm3::showForecast() {
    for (GridView* g : {StringGrid1, StringGrid2, StringGrid3, StringGrid4}) g->sync();
    setWindowTitle(QString::fromStdString(program_.forecastView.caption));
    show();
    raise();  // shown means in front, also when it was open behind another window
}

}  // namespace trimel::ui
