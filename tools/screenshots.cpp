// Takes the pictures of the windows for the user guide: starts the
// program over the example data in a working folder, drives the windows
// as a user would and grabs each one from the X screen with `import`.
// Run by tools/screenshots.sh, which gives it an X server with a window
// manager, so windows are activated and focused as on a desktop.
#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QListWidget>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <cstdio>

#include "ui/About.h"
#include "ui/GridView.h"
#include "ui/Look.h"
#include "ui/Program.h"
#include "ui/fav.h"
#include "ui/polov.h"
#include "ui/prog.h"
#include "ui/sys.h"

using namespace trimel::ui;

namespace {

void settle() {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 400) QApplication::processEvents(QEventLoop::AllEvents, 50);
}

bool shoot(QWidget* window, const QString& file) {
    settle();
    const QRect r = window->frameGeometry();
    const QString crop = QStringLiteral("%1x%2+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
    const int rc = QProcess::execute(QStringLiteral("import"),
                                     {QStringLiteral("-window"), QStringLiteral("root"),
                                      QStringLiteral("-crop"), crop, file});
    std::printf("%s %s rc=%d\n", qPrintable(file), qPrintable(crop), rc);
    return rc == 0;
}

// A button and a pixel of the window round it, from the screen, at four
// times its size so that every pixel of its look can be seen.
bool zoom(QWidget* button, const QString& file) {
    settle();
    const QPoint at = button->mapToGlobal(QPoint(-1, -1));
    const QImage shot =
        button->screen()->grabWindow(0, at.x(), at.y(), button->width() + 2, button->height() + 2).toImage();
    const bool ok = shot.scaled(shot.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(file);
    std::printf("%s ok=%d\n", qPrintable(file), ok);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: trimel_screenshots <history> <out-dir>\n");
        return 2;
    }
    const QString history = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    installFontSubstitutes();
    Program program("trimel");
    program.chooseFile = [&](QWidget*, const QString&) { return history; };
    program.openUrl = [](const QUrl&) {};
    startUp(program);
    TForm1* main = program.form1();
    main->move(40, 40);
    QCursor::setPos(0, 0);  // away from every button
    QTest::mouseClick(main->sButton1, Qt::LeftButton);

    // The looks of a button: "ИГРАТЬ!" is disabled until wheels are chosen;
    // the focus gives "Открыть файл" the hot look, as the pointer does.
    bool ok = zoom(main->sButton4, out + QStringLiteral("/button-disabled.png"));
    main->StringGrid1->setFocus();
    ok = zoom(main->sButton1, out + QStringLiteral("/button-normal.png")) && ok;
    main->sButton1->setFocus();
    ok = zoom(main->sButton1, out + QStringLiteral("/button-hot.png")) && ok;
    QTest::mousePress(main->sButton1, Qt::LeftButton);
    ok = zoom(main->sButton1, out + QStringLiteral("/button-pressed.png")) && ok;
    QTest::mouseRelease(main->sButton1, Qt::LeftButton, {}, QPoint(-20, -20));  // outside: no click

    // Pick the two largest wheels of guarantee 3 and run once.
    main->sButton2Click();
    TForm4* sys = program.form4();
    sys->move(40, 40);
    QListWidget* left = sys->listBox(1);
    QListWidget* right = sys->listBox(2);
    sys->activateWindow();
    settle();
    const auto choose = [](QListWidget* list, int row) {
        if (row < 0 || row >= list->count()) return;
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    };
    choose(left, left->count() - 1);
    choose(right, right->count() - 2);
    ok = shoot(sys, out + QStringLiteral("/wheels-window.png")) && ok;
    sys->sButton1Click();

    main->sButton4Click();
    program.form3()->hide();
    main->raise();
    ok = shoot(main, out + QStringLiteral("/main-window.png")) && ok;

    main->sButton3Click();
    TForm2* fav = program.form2();
    fav->move(40, 40);
    fav->LabeledEdit1->setFocus();
    QTest::keyClicks(fav->LabeledEdit1, QStringLiteral("0107111522"));
    ok = shoot(fav, out + QStringLiteral("/favourites-window.png")) && ok;
    fav->hide();

    main->Label19Click();
    TForm40* about = program.form40();
    about->move(40, 40);
    ok = shoot(about, out + QStringLiteral("/about-window.png")) && ok;
    about->sButton1Click();

    main->sButton4Click();
    TForm3* forecast = program.form3();
    forecast->move(40, 40);
    ok = shoot(forecast, out + QStringLiteral("/forecast-window.png")) && ok;
    return ok ? 0 : 1;
}
