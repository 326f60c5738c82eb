// The wheel selection window: filling the lists by guarantee, choosing
// and the lists it disables, and "Выбрать" with its steps and refusals.
#include <QAbstractButton>
#include <QListWidget>
#include <QTest>

#include "UiFixture.h"
#include "ui/WheelItems.h"
#include "ui/fav.h"
#include "ui/polov.h"
#include "ui/sys.h"

using namespace trimel;
using namespace trimel::ui;
using namespace trimel::ui::test;

namespace {

void setWheel(AppState& state, int index, int numbers, int tickets, int guarantee) {
    Wheel& w = state.wheels[static_cast<std::size_t>(index)];
    w.numberCount = numbers;
    w.ticketCount = tickets;
    w.guarantee = guarantee;
    state.wheelCount = std::max(state.wheelCount, index);
}

QStringList items(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

void clickItem(QListWidget* list, int row) {
    const QRect r = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

// "Системы" pressed on the main window, the wheel window then activated.
TForm4* openActivated(Started& s) {
    QTest::mouseClick(s.p().form1()->sButton2, Qt::LeftButton);
    TForm4* form = s.p().form4();
    showActivated(form);
    return form;
}

}  // namespace

class WheelWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void itemTexts() {
        Wheel w;
        w.numberCount = 12;
        w.ticketCount = 22;
        QCOMPARE(wheelItemText(7, w), QString("007 12н-22к"));
        w.numberCount = 30;
        w.ticketCount = 1000;
        QCOMPARE(wheelItemText(100, w), QString("100 30н-1000к"));
    }

    void listsAreFilledByGuarantee() {
        WorkDir dir;
        Started s;
        AppState& state = s.p().state;
        setWheel(state, 1, 9, 3, 4);
        setWheel(state, 2, 11, 2, 3);
        setWheel(state, 3, 10, 3, 4);
        setWheel(state, 4, 8, 4, 6);  // listed nowhere
        TForm4* form = s.p().form4();
        QTest::mouseClick(s.p().form1()->sButton2, Qt::LeftButton);
        QVERIFY(form->isVisible());
        QCOMPARE(items(form->listBox(1)), QStringList{"002 11н-2к"});
        QCOMPARE(items(form->listBox(2)), QStringList{"002 11н-2к"});
        QCOMPARE(items(form->listBox(3)), QStringList({"001 9н-3к", "003 10н-3к"}));
        QCOMPARE(items(form->listBox(4)), QStringList({"001 9н-3к", "003 10н-3к"}));
        QCOMPARE(form->listBox(5)->count(), 0);
        QCOMPARE(form->listBox(6)->count(), 0);
    }

    void choosingStoresTheIndexAndDisablesTheColumn() {
        WorkDir dir;
        Started s;
        AppState& state = s.p().state;
        for (int w : {7, 42, 100}) setWheel(state, w, 10, 5, 3);
        setWheel(state, 50, 9, 3, 4);
        TForm4* form = s.p().form4();
        form->fillAndShow();
        QCOMPARE(form->listBox(1)->item(2)->text().left(4), QString("100 "));

        form->listBox(1)->setCurrentRow(1);
        QCOMPARE(state.wheel1, 42);
        QVERIFY(!form->listBox(3)->isEnabled());
        QVERIFY(!form->listBox(5)->isEnabled());
        for (int n : {1, 2, 4, 6}) QVERIFY(form->listBox(n)->isEnabled());
        form->listBox(1)->setCurrentRow(2);  // a second choice replaces the first
        QCOMPARE(state.wheel1, 100);

        form->listBox(4)->setCurrentRow(0);
        QCOMPARE(state.wheel2, 50);
        QVERIFY(!form->listBox(2)->isEnabled());
        QVERIFY(!form->listBox(6)->isEnabled());

        // A new fill enables all and keeps the choices.
        form->fillAndShow();
        for (int n = 1; n <= 6; ++n) {
            QVERIFY(form->listBox(n)->isEnabled());
            QCOMPARE(form->listBox(n)->currentRow(), -1);
        }
        QCOMPARE(state.wheel1, 100);
        QCOMPARE(state.wheel2, 50);
    }

    void chooseSetsPartSizesClearsFavouritesAndEnablesPlay() {
        WorkDir dir;
        Started s;
        AppState& state = s.p().state;
        state.N = 45;
        setWheel(state, 1, 12, 22, 3);
        setWheel(state, 2, 10, 5, 4);
        state.size1 = 12;
        for (int k = 1; k <= 13; ++k) state.favourites[k] = 5;
        TForm4* form = s.p().form4();
        form->fillAndShow();
        form->listBox(1)->setCurrentRow(0);
        form->listBox(4)->setCurrentRow(0);
        QTest::mouseClick(form->sButton1, Qt::LeftButton);

        TForm1* main = s.p().form1();
        QVERIFY(!form->isVisible());
        QCOMPARE(main->LabeledEdit1->text(), QString("12"));
        QCOMPARE(main->LabeledEdit2->text(), QString("10"));
        QCOMPARE(s.p().form2()->LabeledEdit1->typingLimit(), 24);
        for (int k = 1; k <= 12; ++k) QCOMPARE(state.favourites[k], 0);
        QCOMPARE(state.favourites[13], 5);  // beyond the old first-part size
        QCOMPARE(state.size1, 12);
        QCOMPARE(state.size2, 10);
        QVERIFY(main->sButton4->isEnabled());
        QVERIFY(s.shown.empty());

        // Again without a new choice: the same wheels.
        form->fillAndShow();
        QTest::mouseClick(form->sButton1, Qt::LeftButton);
        QCOMPARE(state.size2, 10);
        QVERIFY(main->sButton4->isEnabled());
    }

    void aFirstWheelOverTheWholeRangeNeedsNoSecond() {
        WorkDir dir;
        Started s;
        AppState& state = s.p().state;
        state.N = 12;
        setWheel(state, 1, 12, 22, 5);
        TForm4* form = s.p().form4();
        form->fillAndShow();
        form->listBox(5)->setCurrentRow(0);
        QTest::mouseClick(form->sButton1, Qt::LeftButton);
        QVERIFY(s.shown.empty());
        QCOMPARE(s.p().form1()->LabeledEdit2->text(), QString("0"));
        QCOMPARE(state.size1, 12);
        QCOMPARE(state.size2, 0);
    }

    void chooseWithoutBothWheelsSaysSoAndStaysOpen() {
        WorkDir dir;
        Started s;
        AppState& state = s.p().state;
        state.N = 45;
        setWheel(state, 1, 12, 22, 3);
        TForm4* form = s.p().form4();
        TForm1* main = s.p().form1();
        main->LabeledEdit1->setText("22");
        form->fillAndShow();
        QTest::mouseClick(form->sButton1, Qt::LeftButton);  // nothing chosen
        form->listBox(1)->setCurrentRow(0);
        QTest::mouseClick(form->sButton1, Qt::LeftButton);  // no second wheel, and 12 is not N
        QCOMPARE(s.shown.size(), std::size_t(2));
        for (const Shown& m : s.shown)
            QCOMPARE(m.text, QString("Выберите систему для каждой части."));
        QVERIFY(form->isVisible());
        QCOMPARE(main->LabeledEdit1->text(), QString("22"));
        QCOMPARE(state.size1, 0);
        QVERIFY(!main->sButton4->isEnabled());
    }

    // Activation focuses ListBox1, which makes its first row current; that
    // is no choice.
    void openingAndActivatingChoosesNothing() {
        WorkDir dir;
        dir.write("wheels/ASys001.txt", wheelFile(6, 1, 3, {{1, 2, 3, 4, 5, 6}}));
        dir.write("wheels/ASys002.txt", wheelFile(6, 1, 4, {{1, 2, 3, 4, 5, 6}}));
        dir.write("h.txt", historyFile(6, 12, {{1, 2, 3, 4, 5, 6}}));
        Started s;
        s.chosen = dir.path("h.txt");
        QTest::mouseClick(s.p().form1()->sButton1, Qt::LeftButton);
        TForm4* form = openActivated(s);
        QCOMPARE(QApplication::focusWidget(), form->listBox(1));
        QCOMPARE(s.p().state.wheel1, 0);
        for (int n = 1; n <= 6; ++n) {
            QVERIFY(form->listBox(n)->isEnabled());
            QVERIFY(form->listBox(n)->selectedItems().isEmpty());
        }

        clickItem(form->listBox(4), 0);
        QCOMPARE(s.p().state.wheel2, 2);
        QTest::mouseClick(form->sButton1, Qt::LeftButton);
        QCOMPARE(s.shown.size(), std::size_t(1));
        QCOMPARE(s.shown[0].text, QString("Выберите систему для каждой части."));
        QVERIFY(form->isVisible());
        QCOMPARE(s.p().state.wheel1, 0);
        QVERIFY(!s.p().form1()->sButton4->isEnabled());

        // So is Space in a list the user went to with Tab.
        form->listBox(3)->setFocus(Qt::TabFocusReason);
        QCOMPARE(s.p().state.wheel1, 0);
        QTest::keyClick(form->listBox(3), Qt::Key_Space);
        QCOMPARE(s.p().state.wheel1, 2);
        QVERIFY(!form->listBox(1)->isEnabled());
    }

    void reopeningKeepsTheChoicesAndChoosesNothingNew() {
        WorkDir dir;
        dir.write("wheels/ASys001.txt", wheelFile(6, 1, 4, {{1, 2, 3, 4, 5, 6}}));
        dir.write("wheels/ASys002.txt", wheelFile(5, 1, 5, {{1, 2, 3, 4, 5, 5}}));
        dir.write("wheels/ASys003.txt", wheelFile(4, 1, 5, {{1, 2, 3, 4, 4, 4}}));
        dir.write("h.txt", historyFile(6, 12, {{1, 2, 3, 4, 5, 6}}));
        Started s;
        s.chosen = dir.path("h.txt");
        QTest::mouseClick(s.p().form1()->sButton1, Qt::LeftButton);
        TForm4* form = openActivated(s);
        clickItem(form->listBox(3), 0);
        clickItem(form->listBox(6), 1);
        // Arrow keys in a list the user focused are a choice.
        QTest::keyClick(form->listBox(6), Qt::Key_Up);
        QCOMPARE(s.p().state.wheel2, 2);
        QTest::keyClick(form->listBox(6), Qt::Key_Down);
        QCOMPARE(s.p().state.wheel2, 3);
        form->close();
        form = openActivated(s);
        for (int n = 1; n <= 6; ++n) QVERIFY(form->listBox(n)->isEnabled());
        QTest::mouseClick(form->sButton1, Qt::LeftButton);
        QVERIFY(s.shown.empty());
        QCOMPARE(s.p().state.wheel1, 1);
        QCOMPARE(s.p().state.wheel2, 3);
        QCOMPARE(s.p().form1()->LabeledEdit2->text(), QString("4"));
        QVERIFY(s.p().form1()->sButton4->isEnabled());
    }

    void closingOnlyHides() {
        WorkDir dir;
        Started s;
        s.p().form4()->fillAndShow();
        s.p().form4()->close();
        QVERIFY(!s.p().form4()->isVisible());
        QVERIFY(!s.p().form1()->sButton4->isEnabled());
    }
};

QTEST_MAIN(WheelWindowTest)
#include "WheelWindowTest.moc"
