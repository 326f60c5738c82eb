// The favourite numbers window: the two-character parse with its failure
// behaviour, the table's bounds, and the typing limit of its edit.
#include <QAbstractButton>
#include <QTest>

#include "UiFixture.h"
#include "ui/LimitedEdit.h"
#include "ui/fav.h"

using namespace trimel;
using namespace trimel::ui;
using namespace trimel::ui::test;

class FavouritesTest : public QObject {
    Q_OBJECT
  private slots:
    void enterNumbers_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("expected");  // favourites 1..4 afterwards
        QTest::addColumn<QString>("message");      // empty: none, window hidden
        // Entries start at 9 so that what was cleared and what was kept show.
        QTest::newRow("zero padded") << 3 << "010203" << QList<int>{1, 2, 3, 9} << "";
        QTest::newRow("blank padded") << 3 << " 1 2 3" << QList<int>{1, 2, 3, 9} << "";
        QTest::newRow("trailing blank")
            << 3 << "1 2 3 " << QList<int>{0, 0, 0, 9} << "'1 ' is not a valid integer value.";
        QTest::newRow("missing group")
            << 3 << "0102" << QList<int>{1, 2, 0, 9} << "'' is not a valid integer value.";
        QTest::newRow("extra ignored") << 2 << "010203" << QList<int>{1, 2, 9, 9} << "";
        QTest::newRow("one last digit") << 2 << "017" << QList<int>{1, 7, 9, 9} << "";
        QTest::newRow("letters") << 2 << "01a1" << QList<int>{1, 0, 9, 9}
                                 << "'a1' is not a valid integer value.";
        // Groups are of UTF-16 units: a pair split by them is a '?' each side.
        QTest::newRow("split pair")
            << 2 << QString::fromUtf8("1\U0001F6005") << QList<int>{0, 0, 9, 9}
            << "'1?' is not a valid integer value.";
        QTest::newRow("cyrillic") << 2 << QString::fromUtf8("0\u04355") << QList<int>{0, 0, 9, 9}
                                  << QString::fromUtf8("'0\u0435' is not a valid integer value.");
        QTest::newRow("hex and out of range") << 2 << "x999" << QList<int>{9, 99, 9, 9} << "";
        QTest::newRow("empty clears") << 3 << "" << QList<int>{0, 0, 0, 9} << "";
        QTest::newRow("no wheel yet") << 0 << "zz" << QList<int>{9, 9, 9, 9} << "";
    }
    void enterNumbers() {
        QFETCH(int, size);
        QFETCH(QString, text);
        QFETCH(QList<int>, expected);
        QFETCH(QString, message);
        WorkDir dir;
        Started s;
        AppState& state = s.p().state;
        state.size1 = size;
        for (int k = 1; k <= 4; ++k) state.favourites[k] = 9;
        TForm2* form = s.p().form2();
        form->show();
        form->LabeledEdit1->setText(text);
        QTest::mouseClick(form->sButton1, Qt::LeftButton);
        for (int k = 1; k <= 4; ++k) QCOMPARE(state.favourites[k], expected[k - 1]);
        if (message.isEmpty()) {
            QVERIFY(s.shown.empty());
            QVERIFY(!form->isVisible());
        } else {
            QCOMPARE(s.shown.size(), std::size_t(1));
            QCOMPARE(s.shown[0].kind, Reporter::Kind::ErrorReport);
            QCOMPARE(s.shown[0].text, message);
            QVERIFY(form->isVisible());
        }
    }

    void aLargeFirstPartStaysInsideTheTable() {
        WorkDir dir;
        Started s;
        AppState& state = s.p().state;
        state.size1 = 150;
        TForm2* form = s.p().form2();
        form->LabeledEdit1->setText(QString("07").repeated(150));
        QTest::mouseClick(form->sButton1, Qt::LeftButton);
        QVERIFY(s.shown.empty());
        for (int k = 1; k <= kFavourites; ++k) QCOMPARE(state.favourites[k], 7);
        QCOMPARE(state.favourites[0], 0);
    }

    void closingDoesNotParse() {
        WorkDir dir;
        Started s;
        s.p().state.size1 = 1;
        s.p().state.favourites[1] = 4;
        TForm2* form = s.p().form2();
        form->show();
        form->LabeledEdit1->setText("05");
        form->close();
        QVERIFY(!form->isVisible());
        QCOMPARE(s.p().state.favourites[1], 4);
    }

    void typingLimit() {
        WorkDir dir;
        Started s;
        LimitedEdit* edit = s.p().form2()->LabeledEdit1;
        QCOMPARE(edit->typingLimit(), 40);
        s.p().form2()->show();
        edit->setFocus();
        QTest::keyClicks(edit, QString("1").repeated(45));
        QCOMPARE(edit->text().size(), 40);
        // A lower limit leaves a longer text as it is but lets no more in.
        edit->setTypingLimit(6);
        QTest::keyClick(edit, '2');
        QCOMPARE(edit->text().size(), 40);
        edit->setText(QString());
        QTest::keyClicks(edit, "01020304");
        QCOMPARE(edit->text(), QString("010203"));
    }

    void limitTypingCutsOnlyTheInsertion_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("cursor");
        QTest::newRow("fits") << "01"
                              << "0102" << 4 << "0102" << -1;
        QTest::newRow("typed past") << "0102"
                                    << "01023" << 4 << "0102" << 4;
        QTest::newRow("paste cut") << "01"
                                   << "01020304" << 6 << "010203" << 6;
        QTest::newRow("paste in middle") << "0106"
                                         << "01020306" << 6 << "010206" << 5;
        QTest::newRow("over selection") << "010203"
                                        << "01999903" << 6 << "019903" << 4;
        QTest::newRow("deleting") << "01020304"
                                  << "010204" << 4 << "010204" << -1;
        QTest::newRow("no limit") << ""
                                  << "0102030405" << 0 << "0102030405" << -1;
    }
    void limitTypingCutsOnlyTheInsertion() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(int, limit);
        QFETCH(QString, kept);
        QFETCH(int, cursor);
        int at = 0;
        QCOMPARE(limitTyping(before, after, limit, at), kept);
        QCOMPARE(at, cursor);
    }
};

QTEST_MAIN(FavouritesTest)
#include "FavouritesTest.moc"
