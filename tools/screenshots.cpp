// Takes the pictures of the windows for the user guide: starts the
// program over a draw history in a working folder, drives the windows as a
// user would and grabs each one from the X screen with `import`; message
// boxes are grabbed while they wait for their OK and then closed with it.
// Run by tools/screenshots.sh, which gives it an X server with a window
// manager, so windows are activated and focused as on a desktop.
#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "ui/About.h"
#include "ui/ClickLabel.h"
#include "ui/GridView.h"
#include "ui/LimitedEdit.h"
#include "ui/Look.h"
#include "ui/Program.h"
#include "ui/WheelItems.h"
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
    const QString crop =
        QStringLiteral("%1x%2+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
    const int rc = QProcess::execute(
        QStringLiteral("import"),
        {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("-crop"), crop, file});
    std::printf("%s %s rc=%d\n", qPrintable(file), qPrintable(crop), rc);
    return rc == 0;
}

// Does `action`, which shows a message box and waits for it; the box is
// grabbed and then closed with its OK. False when no box came.
bool shootMessage(const std::function<void()>& action, const QString& file) {
    bool shown = false;
    bool ok = false;
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        poll.stop();
        shown = true;
        ok = shoot(box, file);
        box->button(QMessageBox::Ok)->click();
    });
    poll.start();
    action();
    poll.stop();
    if (!shown) std::printf("%s: no message box came\n", qPrintable(file));
    return shown && ok;
}

// A button and a pixel of the window round it, from the screen, at four
// times its size so that every pixel of its look can be seen.
bool zoom(QWidget* button, const QString& file) {
    settle();
    const QPoint at = button->mapToGlobal(QPoint(-1, -1));
    const QImage shot =
        button->screen()
            ->grabWindow(0, at.x(), at.y(), button->width() + 2, button->height() + 2)
            .toImage();
    const bool ok =
        shot.scaled(shot.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(file);
    std::printf("%s ok=%d\n", qPrintable(file), ok);
    return ok;
}

void clickItem(QListWidget* list, int row) {
    if (row < 0 || row >= list->count()) return;
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

// The row of the list's wheel with the most numbers, at most `most`, other
// than wheel `except`; -1 when there is none.
int largestWheelRow(const Program& program, QListWidget* list, std::int32_t most,
                    std::int32_t except, std::int32_t& numbers) {
    int best = -1;
    numbers = 0;
    for (int row = 0; row < list->count(); ++row) {
        const std::int32_t index = list->item(row)->data(kWheelIndexRole).toInt();
        if (index == except) continue;
        const trimel::Wheel* wheel = program.state.wheel(index);
        if (wheel && wheel->numberCount <= most && (best < 0 || wheel->numberCount > numbers)) {
            best = row;
            numbers = wheel->numberCount;
        }
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: trimel_screenshots <history> <out-dir>\n");
        return 2;
    }
    const QString history = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]) + QLatin1Char('/');
    installFontSubstitutes();
    installQtTexts();
    Program program("trimel");
    QString chosen;
    program.chooseFile = [&](QWidget*, const QString&) { return chosen; };
    program.openUrl = [](const QUrl&) {};
    startUp(program);
    TForm1* main = program.form1();
    main->move(40, 40);
    QCursor::setPos(0, 0);  // away from every button
    settle();

    // The file dialog, as "Открыть файл" opens it in the working folder,
    // with the history picked.
    bool ok = true;
    {
        QFileDialog dialog(main, QStringLiteral("Открытие файла"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.resize(640, 400);
        dialog.selectFile(QDir::current().absoluteFilePath(history));
        dialog.show();
        ok = shoot(&dialog, out + QStringLiteral("open-dialog.png")) && ok;
    }

    // A history with the usual slip: a one-digit number with a blank after it.
    QTemporaryDir scratch;
    const QString bad = scratch.filePath(QStringLiteral("history.txt"));
    {
        QFile file(bad);
        ok = file.open(QIODevice::WriteOnly) && ok;
        file.write("06 45\n0157  031119273544 07\n0158  06121824307  12\n");
    }
    chosen = bad;
    ok =
        shootMessage([&] { main->sButton1->click(); }, out + QStringLiteral("message-error.png")) &&
        ok;

    chosen = history;
    main->sButton1->click();
    main->StringGrid1->setFocus();
    ok = shoot(main, out + QStringLiteral("main-window-open.png")) && ok;

    // The looks of a button: "ИГРАТЬ!" is disabled until wheels are chosen;
    // the focus gives "Открыть файл" the hot look, as the pointer does.
    ok = zoom(main->sButton4, out + QStringLiteral("button-disabled.png")) && ok;
    ok = zoom(main->sButton1, out + QStringLiteral("button-normal.png")) && ok;
    main->sButton1->setFocus();
    ok = zoom(main->sButton1, out + QStringLiteral("button-hot.png")) && ok;
    QTest::mousePress(main->sButton1, Qt::LeftButton);
    ok = zoom(main->sButton1, out + QStringLiteral("button-pressed.png")) && ok;
    QTest::mouseRelease(main->sButton1, Qt::LeftButton, {}, QPoint(-20, -20));  // outside: no click

    main->sButton2->click();
    TForm4* sys = program.form4();
    sys->move(40, 40);
    sys->activateWindow();
    settle();
    // "Выбрать" before any wheel is chosen.
    ok =
        shootMessage([&] { sys->sButton1->click(); }, out + QStringLiteral("message-notice.png")) &&
        ok;

    // Wheels of guarantee 3 for two halves of the range: the largest on at
    // most half of the numbers, and the largest on what is left.
    const std::int32_t n = program.state.N;
    std::int32_t first = 0, second = 0, firstIndex = 0;
    QListWidget* left = sys->listBox(1);
    QListWidget* right = sys->listBox(2);
    const int firstRow = largestWheelRow(program, left, n / 2, 0, first);
    if (firstRow >= 0) firstIndex = left->item(firstRow)->data(kWheelIndexRole).toInt();
    int secondRow = largestWheelRow(program, right, n - first, firstIndex, second);
    if (secondRow < 0) secondRow = firstRow;
    ok = firstRow >= 0 && ok;
    clickItem(left, firstRow);
    clickItem(right, secondRow);
    ok = shoot(sys, out + QStringLiteral("wheels-window.png")) && ok;
    sys->sButton1->click();

    main->sButton4->click();
    program.form3()->hide();
    main->raise();
    main->activateWindow();
    main->StringGrid1->setFocus();
    ok = shoot(main, out + QStringLiteral("main-window.png")) && ok;

    // Favourite numbers for the whole first part: 02, 04, 06, … then odd ones.
    main->sButton3->click();
    TForm2* fav = program.form2();
    fav->move(40, 40);
    fav->activateWindow();
    fav->LabeledEdit1->setFocus();
    QString favourites;
    for (std::int32_t k = 1; k <= program.state.size1; ++k) {
        const std::int32_t x = 2 * k <= n ? 2 * k : 2 * (k - n / 2) - 1;
        favourites += QStringLiteral("%1").arg(x, 2, 10, QLatin1Char('0'));
    }
    QTest::keyClicks(fav->LabeledEdit1, favourites);
    ok = shoot(fav, out + QStringLiteral("favourites-window.png")) && ok;
    fav->hide();

    QTest::mouseClick(main->Label19, Qt::LeftButton);
    TForm40* about = program.form40();
    about->move(40, 40);
    ok = shoot(about, out + QStringLiteral("about-window.png")) && ok;
    about->sButton1->click();

    TForm3* forecast = program.form3();
    forecast->move(40, 40);
    forecast->showForecast();
    forecast->activateWindow();
    ok = shoot(forecast, out + QStringLiteral("forecast-window.png")) && ok;
    forecast->hide();

    // Part sizes that add up to more than the lottery's numbers.
    main->activateWindow();
    settle();
    const QString size1 = main->LabeledEdit1->text();
    main->LabeledEdit1->setText(QString::number(n));
    ok = shootMessage([&] { main->sButton4->click(); }, out + QStringLiteral("message-sum.png")) &&
         ok;
    main->LabeledEdit1->setText(size1);
    return ok ? 0 : 1;
}
