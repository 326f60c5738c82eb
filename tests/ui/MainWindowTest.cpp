// The main window: the resize rule and anchors, "Открыть файл" through a
// chosen file, the part-size edits' typing limit, the About window's hold
// on the main window, the links, and copying from a grid.
#include <QAbstractButton>
#include <QClipboard>
#include <QLabel>
#include <QTest>

#include "UiFixture.h"
#include "ui/About.h"
#include "ui/ClickLabel.h"
#include "ui/GridView.h"
#include "ui/fav.h"
#include "ui/polov.h"

using namespace trimel;
using namespace trimel::ui;
using namespace trimel::ui::test;

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void resizeRule_data() {
        QTest::addColumn<int>("clientWidth");
        QTest::addColumn<QList<int>>("columns");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("labels");
        QTest::addColumn<int>("secondEdit");
        QTest::newRow("design") << 897 << QList<int>{36, 47, 47, 90, 90} << 355 << 353 << 425;
        QTest::newRow("wider") << 1000 << QList<int>{47, 61, 61, 117, 117} << 458 << 456 << 528;
        // W = 162: 162 / 7.2 is 22.5, a tie that goes to the even 22.
        QTest::newRow("narrower") << 720 << QList<int>{17, 22, 22, 43, 43} << 178 << 176 << 248;
    }
    void resizeRule() {
        QFETCH(int, clientWidth);
        QFETCH(QList<int>, columns);
        QFETCH(int, buttons);
        QFETCH(int, labels);
        QFETCH(int, secondEdit);
        WorkDir dir;
        Started s;
        TForm1* main = s.p().form1();
        main->resize(clientWidth, 516);
        QCOMPARE(main->StringGrid1->width(), clientWidth - 558);
        for (int c = 0; c < 5; ++c) QCOMPARE(main->StringGrid1->shownColumnWidth(c), columns[c]);
        for (QAbstractButton* b : {main->sButton1, main->sButton2, main->sButton3, main->sButton4})
            QCOMPARE(b->x(), buttons);
        for (int n = 1; n <= 18; ++n) QCOMPARE(main->label(n)->x(), labels);
        QCOMPARE(main->LabeledEdit1->x(), labels);
        QCOMPARE(main->LabeledEdit2->x(), secondEdit);
        // The hits grid keeps its width and its distance to the right edge.
        QCOMPARE(main->StringGrid2->geometry(), QRect(496 + clientWidth - 897, 8, 395, 481));
        QCOMPARE(main->Label19->x(), 736 + clientWidth - 897);
    }

    void bottomControlsFollowTheBottomEdge() {
        WorkDir dir;
        Started s;
        TForm1* main = s.p().form1();
        main->resize(897, 600);
        QCOMPARE(main->StringGrid1->height(), 481 + 84);
        QCOMPARE(main->StringGrid2->height(), 481 + 84);
        QCOMPARE(main->label(18)->y(), 438 + 84);
        QCOMPARE(main->LabeledEdit1->y(), 468 + 84);
        QCOMPARE(main->LabeledEdit2->y(), 468 + 84);
        QCOMPARE(main->Label19->pos(), QPoint(736, 495 + 84));
        QCOMPARE(main->Label20->pos(), QPoint(6, 494 + 84));
        QCOMPARE(main->label(17)->y(), 416);  // the summary stays at the top
    }

    void openFileLoadsAndProposesPartSizes() {
        WorkDir dir;
        dir.write("h.txt", historyFile(6, 45, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}));
        Started s;
        TForm1* main = s.p().form1();
        main->LabeledEdit1->setText("7");
        main->LabeledEdit2->setText("8");

        s.chosen.clear();  // cancelled
        QTest::mouseClick(main->sButton1, Qt::LeftButton);
        QCOMPARE(s.chooserCaptions, QStringList{"Открытие файла"});
        QCOMPARE(main->LabeledEdit1->text(), QString("7"));
        QCOMPARE(s.p().state.N, 0);

        s.chosen = dir.path("h.txt");
        QTest::mouseClick(main->sButton1, Qt::LeftButton);
        QCOMPARE(s.p().state.K, 6);
        QCOMPARE(s.p().state.N, 45);
        QCOMPARE(s.p().state.D, 2);
        QCOMPARE(main->LabeledEdit1->text(), QString("22"));
        QCOMPARE(main->LabeledEdit2->text(), QString("23"));
        QVERIFY(s.shown.empty());
        // Loading shows nothing in the grids yet.
        QCOMPARE(main->StringGrid1->shownCell(0, 1), QString());

        s.chosen = dir.path("missing.txt");
        QTest::mouseClick(main->sButton1, Qt::LeftButton);
        QCOMPARE(s.shown.size(), std::size_t(1));
        QCOMPARE(s.shown[0].kind, Reporter::Kind::ErrorReport);
        QCOMPARE(s.shown[0].text, QString("File not found."));
        QCOMPARE(s.p().state.D, 0);
        QCOMPARE(main->LabeledEdit1->text(), QString("22"));
    }

    void partSizeEditsLimitTypingOnly() {
        WorkDir dir;
        Started s;
        LimitedEdit* edit = s.p().form1()->LabeledEdit1;
        edit->setFocus();
        QTest::keyClicks(edit, "123");
        QCOMPARE(edit->text(), QString("12"));
        edit->setText("100");  // the program's own text is never cut
        QCOMPARE(edit->text(), QString("100"));
        edit->end(false);
        QTest::keyClick(edit, '7');
        QCOMPARE(edit->text(), QString("100"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QString("10"));
    }

    void favouriteWindowOpensBeforeAnythingElse() {
        WorkDir dir;
        Started s;
        QTest::mouseClick(s.p().form1()->sButton3, Qt::LeftButton);
        QVERIFY(s.p().form2()->isVisible());
        QVERIFY(s.p().form1()->isEnabled());
    }

    void aboutWindowHoldsTheMainWindow() {
        WorkDir dir;
        Started s;
        TForm1* main = s.p().form1();
        TForm40* about = s.p().form40();
        QTest::mouseClick(main->Label19, Qt::LeftButton);
        QVERIFY(about->isVisible());
        QVERIFY(!main->isEnabled());
        // No control of the main window reacts meanwhile.
        QTest::mouseClick(main->sButton3, Qt::LeftButton);
        QVERIFY(!s.p().form2()->isVisible());

        QTest::mouseClick(about->Label7, Qt::LeftButton);
        QCOMPARE(s.opened.size(), std::size_t(1));
        QVERIFY(s.opened[0].toString().endsWith("docs/index.html"));
        QVERIFY(about->isVisible());
        QVERIFY(!main->isEnabled());

        QTest::mouseClick(about->sButton1, Qt::LeftButton);
        QVERIFY(!about->isVisible());
        QVERIFY(main->isEnabled());

        QTest::mouseClick(main->Label19, Qt::LeftButton);
        QVERIFY(!main->isEnabled());
        about->close();
        QVERIFY(!about->isVisible());
        QVERIFY(main->isEnabled());
    }

    void siteLabelOpensTheGuide() {
        WorkDir dir;
        Started s;
        QTest::mouseClick(s.p().form1()->Label20, Qt::LeftButton);
        QCOMPARE(s.opened.size(), std::size_t(1));
        QVERIFY(s.opened[0].isLocalFile());
        QVERIFY(s.opened[0].toString().endsWith("docs/index.html"));
    }

    void gridCopiesTheSelectionAsTabSeparatedText() {
        WorkDir dir;
        Started s;
        TForm1* main = s.p().form1();
        TextGrid& draws = s.p().mainView.draws;
        draws.setRowCount(4);
        draws.setCell(0, 0, "Тираж");
        draws.setCell(0, 1, "1");
        draws.setCell(1, 1, "2");
        draws.setCell(0, 2, "3");
        draws.setCell(1, 2, "4");
        draws.setCell(1, 3, "x");
        main->refreshFromRun();
        GridView* grid = main->StringGrid1;
        QCOMPARE(grid->model()->rowCount(), 3);  // row 0 is the header
        QCOMPARE(grid->shownCell(0, 0), QString("Тираж"));
        QCOMPARE(grid->gridModel()->flags(grid->model()->index(0, 0)) & Qt::ItemIsEditable,
                 Qt::ItemFlags());
        grid->selectionModel()->select(
            QItemSelection(grid->model()->index(0, 0), grid->model()->index(1, 1)),
            QItemSelectionModel::Select);
        grid->setFocus();
        QTest::keySequence(grid, QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), QString("1\t2\n3\t4\n"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
