// Takes the pictures of the windows for the user guide: starts the
// program over the example data in a working folder, drives the windows
// as a user would and grabs each one from the X screen with `import`.
// Run by tools/screenshots.sh, which gives it an X server with a window
// manager, so windows are activated and focused as on a desktop.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QProcess>
#include <QTest>
#include <cstdio>

#include "ui/About.h"
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
    QTest::mouseClick(main->sButton1, Qt::LeftButton);

    // Pick the "3 if 6" wheels on 22 and 23 numbers, the halves of 6 of 45, and run once.
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
    const auto rowOf = [](QListWidget* list, int numbers) {
        const QString size = QStringLiteral(" %1н-").arg(numbers);
        for (int row = 0; row < list->count(); ++row)
            if (list->item(row)->text().contains(size)) return row;
        return -1;
    };
    choose(left, rowOf(left, 22));
    choose(right, rowOf(right, 23));
    bool ok = shoot(sys, out + QStringLiteral("/wheels-window.png"));
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
