// The About window ("О программе", form TForm40).
#include "ui/About.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QLabel>
#include <QWindow>
#include <algorithm>

#include "ui/Buttons.h"
#include "ui/ClickLabel.h"
#include "ui/Look.h"
#include "ui/Program.h"

namespace trimel::ui {

TForm40::TForm40(Program& program) : QWidget(nullptr), program_(program) {
    setObjectName(QStringLiteral("TForm40"));
    setWindowTitle(QStringLiteral("О программе"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_QuitOnClose, false);
    useWindowLook(this, 10);
    setFixedSize(290, 200);
    move(456, 142);

    auto makeLabel = [this](const char* name, const QString& text, const QRect& at,
                            const QFont& font, const char* colour) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setFont(font);
        l->setStyleSheet(QStringLiteral("color: %1;").arg(QString::fromLatin1(colour)));
        l->move(at.topLeft());
        l->adjustSize();
        l->resize(std::max(l->width(), at.width()), std::max(l->height(), at.height()));
        return l;
    };
    makeLabel("Label8", QStringLiteral("Автор: разработчики Тримеля"), QRect(40, 8, 209, 16),
              pixelFont(kSansSerif, 13), "rgb(255, 0, 0)");
    makeLabel("Label1", QStringLiteral("Программа прогноза частей диапазона"),
              QRect(5, 26, 266, 17), pixelFont(kArial, 15), "black");
    makeLabel("Label2", QStringLiteral("Редакция программы от 02.2004г."), QRect(40, 46, 195, 15),
              pixelFont(kArial, 12), "black");
    makeLabel("Label3", QStringLiteral("Свежую версию этой программы Вы всегда"),
              QRect(18, 62, 247, 15), pixelFont(kArial, 12), "black");
    makeLabel("Label4", QStringLiteral("сможете найти на: "), QRect(18, 75, 109, 15),
              pixelFont(kArial, 12), "black");

    Label7 = new ClickLabel(QStringLiteral("Руководство Тримеля"), this);
    Label7->setObjectName(QStringLiteral("Label7"));
    QFont link = pixelFont(kArial, 16);
    link.setUnderline(true);
    Label7->setFont(link);
    Label7->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255);"));
    Label7->setCursor(Qt::PointingHandCursor);
    Label7->move(70, 101);
    Label7->adjustSize();
    connect(Label7, &ClickLabel::clicked, this, &TForm40::Label7Click);

    sButton1 = makeButton(this, {QStringLiteral("sButton1"), QStringLiteral("Назад"), QString(),
                                 QRect(104, 168, 75, 25)});
    connect(sButton1, &QAbstractButton::clicked, this, &TForm40::sButton1Click);
}

void TForm40::showOver(QWidget* owner) {
    // Keep the window above the disabled main window, without making it a
    // child that the main window's disabling would reach.
    winId();
    if (owner && windowHandle()) {
        owner->winId();
        windowHandle()->setTransientParent(owner->windowHandle());
    }
    show();
    raise();
    activateWindow();
}

void TForm40::sButton1Click() {
    emit closed();
    hide();
}

void TForm40::closeEvent(QCloseEvent* event) {
    emit closed();
    event->accept();
}

void TForm40::Label7Click() {
    program_.openUrl(program_.guideUrl());
}

}  // namespace trimel::ui
