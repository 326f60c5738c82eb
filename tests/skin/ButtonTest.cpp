// The skinned button as a widget, without a screen: the fade driven tick
// by tick, the mouse and keyboard rules, and a disabled button.
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "UiFixture.h"
#include "skin/Fade.h"
#include "skinwidgets/sCustomButton.h"
#include "ui/Buttons.h"
#include "ui/Look.h"

namespace trimel::skin {
char* toString(const Rgb& c) {
    return QTest::toString(QStringLiteral("%1,%2,%3").arg(c.r).arg(c.g).arg(c.b));
}
}  // namespace trimel::skin

using namespace trimel;
using namespace trimel::skin;
using namespace trimel::ui;

namespace {

// Row 12 of a 25-pixel button, left of its caption: the gradient rows'
// arithmetic decides it, no edge strip reaches it.
constexpr QPoint kProbe(6, 12);
const Rgb kNormal{139, 61, 73};
const Rgb kHot{43, 55, 63};

Rgb shown(TsButtonControl* button) {
    const QColor c = button->grab().toImage().pixelColor(kProbe);
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

Rgb frame(Rgb a, Rgb b, int w) {
    Image24 ia(1, 1), ib(1, 1), out;
    ia.fill(a);
    ib.fill(b);
    fadeFrame(ia, ib, w, out);
    return out.pixel(0, 0);
}

void enter(QWidget* w) {
    const QPointF at(kProbe);
    QEnterEvent e{at, at, w->mapToGlobal(at)};
    QApplication::sendEvent(w, &e);
}

void leave(QWidget* w) {
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(w, &e);
}

void sendKey(QWidget* w, QEvent::Type type, int key, bool autoRepeat = false) {
    QKeyEvent e(type, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(w, &e);
}

// A sky-blue window, shown and active, with an edit that has the focus and
// two program buttons.
struct Window {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QLineEdit* edit = new QLineEdit(window.get());
    TsButton* open =
        makeButton(window.get(), {"sButton1", "Открыть файл", "hint", QRect(10, 10, 121, 25)});
    TsButton* play = makeButton(
        window.get(), {"sButton4", "ИГРАТЬ!", QString(), QRect(10, 40, 121, 25), 13, true});
    Window() {
        useWindowLook(window.get(), 11);
        window->resize(200, 120);
        edit->setGeometry(10, 80, 100, 20);
        test::showActivated(window.get());
    }
};

}  // namespace

class ButtonTest : public QObject {
    Q_OBJECT
  private slots:
    void fadesInAndOutWithTheWeightsOfEachStep() {
        Window w;
        TsButton* b = w.open;
        QCOMPARE(shown(b), kNormal);
        enter(b);
        QVERIFY(b->fading());
        QCOMPARE(shown(b), kNormal);  // until the first tick
        for (int weight : {219, 183, 146, 110, 73, 37, 0}) {
            b->fadeTick();
            QCOMPARE(shown(b), frame(kNormal, kHot, weight));
        }
        b->fadeTick();
        QVERIFY(!b->fading());
        QCOMPARE(shown(b), kHot);

        leave(b);
        for (int weight : {0, 37, 73, 110, 146, 183, 219, 255}) {
            b->fadeTick();
            QCOMPARE(shown(b), frame(kNormal, kHot, weight));
        }
        b->fadeTick();
        QVERIFY(!b->fading());
        QCOMPARE(b->fadeStep(), 0);
        QCOMPARE(shown(b), kNormal);
    }

    void leavingWithinAFadeTurnsBackFromItsStep() {
        Window w;
        TsButton* b = w.open;
        enter(b);
        b->fadeTick();
        b->fadeTick();
        leave(b);
        QCOMPARE(b->fadeStep(), 3);
        QCOMPARE(b->fadeDirection(), TFadeTimer::Direction::Out);
        b->fadeTick();
        QCOMPARE(shown(b), frame(kNormal, kHot, 146));
        for (int i = 0; i < 10 && b->fading(); ++i) b->fadeTick();
        QVERIFY(!b->fading());
        QCOMPARE(shown(b), kNormal);
    }

    void withoutFadingTheLookChangesAtOnce() {
        Window w;
        TsButton* b = w.open;
        b->sStyle().HotStyle.HotEffects.Fading.setEnabled(false);
        enter(b);
        QVERIFY(!b->fading());
        QCOMPARE(shown(b), kHot);
        leave(b);
        QCOMPARE(shown(b), kNormal);
        // Any style change is drawn with the next paint.
        b->sStyle().Painting.setColor(colorOf({0, 0, 0}));
        QCOMPARE(shown(b), (Rgb{89, 0, 0}));
    }

    void clickNeedsAPressAndALeftReleaseInside() {
        Window w;
        TsButton* b = w.open;
        QSignalSpy clicks(b, &QAbstractButton::clicked);
        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(60, 12));
        QVERIFY(b->isDown() && b->hasFocus() && b->isHot());
        QTest::mouseMove(b, QPoint(300, 12));
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(300, 12));
        QCOMPARE(clicks.count(), 0);
        QVERIFY(!b->isDown());
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(60, 12));  // no press before
        QTest::mouseClick(b, Qt::RightButton);
        QCOMPARE(clicks.count(), 0);
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
        // It keeps the focus and so the hot look, and leaving starts no fade.
        QCOMPARE(shown(b), kHot);
        leave(b);
        QVERIFY(!b->fading());
        w.edit->setFocus();
        QCOMPARE(shown(b), kNormal);
    }

    void disabledPlayIgnoresHoverAndClicksAndShowsAnEmbossedCaption() {
        Window w;
        TsButton* b = w.play;
        b->setEnabled(false);
        QSignalSpy clicks(b, &QAbstractButton::clicked);
        enter(b);
        QVERIFY(!b->fading() && !b->isHot());
        QTest::mouseClick(b, Qt::LeftButton);
        QTest::keyClick(b, Qt::Key_Space);
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(shown(b), kNormal);
        const QImage image = b->grab().toImage();
        const QPalette pal = b->palette();
        bool light = false, dark = false;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                light |= std::min({c.red(), c.green(), c.blue()}) >= 230;  // antialiased white
                dark |= c.rgb() == pal.color(QPalette::Active, QPalette::Dark).rgb();
            }
        QVERIFY(light && dark);
    }

    void keysGiveOneClickPerPress() {
        Window w;
        TsButton* b = w.open;
        b->setFocus();
        QSignalSpy clicks(b, &QAbstractButton::clicked);
        sendKey(b, QEvent::KeyPress, Qt::Key_Space);
        sendKey(b, QEvent::KeyPress, Qt::Key_Space, true);
        QVERIFY(b->isDown());
        QCOMPARE(clicks.count(), 0);  // Space clicks when it goes up
        sendKey(b, QEvent::KeyRelease, Qt::Key_Space);
        QCOMPARE(clicks.count(), 1);
        QVERIFY(!b->isDown());

        sendKey(b, QEvent::KeyPress, Qt::Key_Return);
        QCOMPARE(clicks.count(), 2);  // Enter clicks when it goes down
        sendKey(b, QEvent::KeyPress, Qt::Key_Return, true);
        sendKey(b, QEvent::KeyRelease, Qt::Key_Return);
        QCOMPARE(clicks.count(), 2);

        // The access key, like Space, clicks when it goes up.
        b->setText("&Go");
        QTest::keyPress(w.edit, Qt::Key_G, Qt::AltModifier);
        QVERIFY(b->isDown() && b->hasFocus());
        QCOMPARE(clicks.count(), 2);
        QTest::keyRelease(b, Qt::Key_G, Qt::AltModifier);
        QCOMPARE(clicks.count(), 3);

        // Esc reaches a cancel button from anywhere in the window, Enter the
        // default one while no button has the focus.
        QSignalSpy playClicks(w.play, &QAbstractButton::clicked);
        w.play->setCancel(true);
        QTest::keyClick(b, Qt::Key_Escape);
        QCOMPARE(playClicks.count(), 1);
        w.play->setCancel(false);
        w.play->setDefault(true);
        QVERIFY(!w.play->isHot());  // another button has the focus
        w.edit->setFocus();
        QVERIFY(w.play->isHot());
        QTest::keyClick(w.edit, Qt::Key_Return);
        QCOMPARE(playClicks.count(), 2);
        QCOMPARE(clicks.count(), 3);
    }
};

// The button on a screen of two device pixels to a pixel: a run of its
// own, since the scale is set before the application starts (CTest runs
// it with QT_SCALE_FACTOR=2).
class DenseScreenTest : public QObject {
    Q_OBJECT
  private slots:
    void drawsAtDevicePixelsOnADenseScreen() {
        Window w;
        TsButton* b = w.open;
        QCOMPARE(b->devicePixelRatioF(), 2.0);
        b->grab();
        const Image24& image = b->styleImage();
        QCOMPARE(QSize(image.width(), image.height()), QSize(242, 50));
        Image24 expected(242, 50);
        paintLookBackground(b->sStyle(), {false, false, 2}, 0, expected);
        paintLookEdge(b->sStyle(), {false, false, 2}, 2, expected);
        for (int y = 0; y < 50; ++y)
            for (int x : {0, 3, 4, 12}) QCOMPARE(image.pixel(x, y), expected.pixel(x, y));
        QCOMPARE(image.pixel(3, 0), (Rgb{255, 255, 255}));  // the top strip is 4 pixels wide
        QCOMPARE(image.pixel(4, 4), expected.pixel(4, 4));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    QTEST_SET_MAIN_SOURCE_PATH
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        DenseScreenTest test;
        return QTest::qExec(&test, argc, argv);
    }
    ButtonTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ButtonTest.moc"
