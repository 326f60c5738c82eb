// What "Открыть файл" puts on a real X screen (run under xvfb-run): its
// pixels in the shown, active main window match the gradient rows and the
// edge strips, in the normal look and with the pointer resting on it.
#include <QCursor>
#include <QFontMetrics>
#include <QScreen>
#include <QTest>

#include "UiFixture.h"
#include "skinwidgets/sCustomButton.h"
#include "ui/Look.h"
#include "ui/polov.h"

using namespace trimel;
using namespace trimel::skin;
using namespace trimel::ui;

namespace {

// Compares the screen under the button with the look's background and
// edge, column by column away from the caption; the caption's columns and
// the four cut corners are left out.
void compareWithArithmetic(TsButtonControl* button, bool hot) {
    QCOMPARE(button->devicePixelRatioF(), 1.0);
    const int w = button->width(), h = button->height();
    const QPoint origin = button->mapToGlobal(QPoint(0, 0));
    const QImage screen = button->screen()
                              ->grabWindow(0, origin.x(), origin.y(), w, h)
                              .toImage()
                              .convertToFormat(QImage::Format_RGB32);
    QCOMPARE(screen.size(), QSize(w, h));

    Image24 expected(w, h);
    const LookState look{hot, false, 1};
    paintLookBackground(button->sStyle(), look, 0, expected);
    paintLookEdge(button->sStyle(), look, button->BevelWidth(), expected);
    // The rows the arithmetic gives for row 12, inside the edge and at it.
    QCOMPARE(expected.pixel(10, 12), hot ? (Rgb{43, 55, 63}) : (Rgb{139, 61, 73}));
    QCOMPARE(expected.pixel(0, 12), (Rgb{240, 240, 240}));

    QFont font = button->font();
    if (hot) font.setBold(false);
    const int textWidth = QFontMetrics(font).horizontalAdvance(button->text());
    const int captionLeft = (w - textWidth) / 2 - 2, captionRight = (w + textWidth) / 2 + 2;
    int compared = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool corner = (x == 0 || x == w - 1) && (y == 0 || y == h - 1);
            if (corner || (x >= captionLeft && x <= captionRight)) continue;
            const QRgb s = screen.pixel(x, y);
            const Rgb e = expected.pixel(x, y);
            if (qRed(s) != e.r || qGreen(s) != e.g || qBlue(s) != e.b)
                QFAIL(qPrintable(
                    QStringLiteral("%1 look, pixel %2,%3: screen %4,%5,%6, expected %7,%8,%9")
                        .arg(hot ? "hot" : "normal")
                        .arg(x)
                        .arg(y)
                        .arg(qRed(s))
                        .arg(qGreen(s))
                        .arg(qBlue(s))
                        .arg(e.r)
                        .arg(e.g)
                        .arg(e.b)));
            ++compared;
        }
    QVERIFY(compared > w * h / 4);
}

}  // namespace

class ScreenTest : public QObject {
    Q_OBJECT
  private slots:
    void openFileButtonOnScreen() {
        installFontSubstitutes();
        test::WorkDir dir;
        test::Started s;
        TForm1* main = s.p().form1();
        main->move(40, 40);
        QCursor::setPos(5, 5);  // outside the window
        test::showActivated(main);
        auto* button = qobject_cast<TsButtonControl*>(main->sButton1);
        QVERIFY(button);
        QVERIFY(QTest::qWaitForWindowExposed(main));
        QVERIFY(!button->isHot());
        compareWithArithmetic(button, false);
        if (QTest::currentTestFailed()) return;

        // The pointer rests on the caption, which the comparison leaves out.
        QCursor::setPos(button->mapToGlobal(button->rect().center()));
        QVERIFY(QTest::qWaitFor([&] { return button->isHot() && !button->fading(); }));
        QTest::qWait(50);  // the last repaint reaches the screen
        compareWithArithmetic(button, true);
    }
};

QTEST_MAIN(ScreenTest)
#include "ScreenTest.moc"
