// "ИГРАТЬ!": the run's results reach the main window and the forecast
// window, and its two stops and its bad-input error are shown as they
// should be. The windows' cells are checked against a second engine run
// on a copy of the same state with the same seed.
#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "UiFixture.h"
#include "ui/GridView.h"
#include "ui/polov.h"
#include "ui/prog.h"
#include "ui/sys.h"

using namespace trimel;
using namespace trimel::ui;
using namespace trimel::ui::test;

namespace {

constexpr std::uint32_t kSeed = 7;

// Two wheels (8 numbers, 3 tickets; 6 numbers, 1 ticket), a history of
// four draws from 1..20, both wheels chosen.
struct Ready {
    WorkDir dir;
    std::unique_ptr<Started> s;
    Ready() {
        dir.write("wheels/ASys001.txt",
                  wheelFile(8, 3, 3, {{1, 2, 3, 4, 5, 6}, {3, 4, 5, 6, 7, 8}, {1, 2, 5, 6, 7, 8}}));
        dir.write("wheels/ASys002.txt", wheelFile(6, 1, 3, {{1, 2, 3, 4, 5, 6}}));
        dir.write("h.txt", historyFile(6, 20,
                                       {{1, 2, 3, 4, 5, 6},
                                        {7, 8, 9, 10, 11, 12},
                                        {13, 14, 15, 16, 17, 18},
                                        {2, 4, 6, 8, 10, 20}}));
        s = std::make_unique<Started>();
        Program& p = s->p();
        p.seed = [] { return kSeed; };
        s->chosen = dir.path("h.txt");
        QTest::mouseClick(p.form1()->sButton1, Qt::LeftButton);
        QTest::mouseClick(p.form1()->sButton2, Qt::LeftButton);
        p.form4()->listBox(1)->setCurrentRow(0);
        p.form4()->listBox(2)->setCurrentRow(1);
        QTest::mouseClick(p.form4()->sButton1, Qt::LeftButton);
    }
    Program& p() { return s->p(); }
};

void compareGrid(GridView* shown, const TextGrid& expected) {
    QCOMPARE(shown->gridModel()->grid().rowCount(), expected.rowCount());
    for (int r = 0; r < expected.rowCount(); ++r)
        for (int c = 0; c < expected.colCount(); ++c)
            QCOMPARE(shown->shownCell(c, r), QString::fromStdString(expected.cell(c, r)));
}

}  // namespace

class RunTest : public QObject {
    Q_OBJECT
  private slots:
    void aCompleteRunFillsBothWindows() {
        Ready ready;
        Program& p = ready.p();
        TForm1* main = p.form1();
        QVERIFY(main->sButton4->isEnabled());
        QCOMPARE(main->LabeledEdit1->text(), QString("8"));
        QCOMPARE(main->LabeledEdit2->text(), QString("6"));

        // The reference: the same run on a copy of the state.
        AppState copy = p.state;
        MainView mainView;
        ForecastView forecastView;
        Engine engine(copy, mainView, forecastView);
        const RunOutcome expected = engine.run(kSeed, "8", "6");
        QCOMPARE(expected.stop, RunStop::Completed);

        QTest::mouseClick(main->sButton4, Qt::LeftButton);
        QVERIFY(ready.s->shown.empty());
        TForm3* forecast = p.form3();
        QVERIFY(forecast->isVisible());
        QCOMPARE(forecast->windowTitle(), QString("Прогноз на тираж №5"));

        QCOMPARE(main->StringGrid1->model()->rowCount(), 4);  // D rows under the header
        QCOMPARE(main->StringGrid1->shownCell(0, 0), QString("Тираж"));
        QCOMPARE(main->StringGrid2->model()->rowCount(), 5);  // and the totals row
        compareGrid(main->StringGrid1, mainView.draws);
        compareGrid(main->StringGrid2, mainView.hits);
        for (int n : {3, 9, 11, 17})
            QCOMPARE(main->label(n)->text(), QString::fromStdString(mainView.labels[n]));
        QVERIFY(!main->label(3)->text().isEmpty());
        const int widths[] = {38, 50, 50, 95, 95};
        for (int c = 0; c < 5; ++c) QCOMPARE(main->StringGrid1->shownColumnWidth(c), widths[c]);
        QCOMPARE(main->StringGrid2->shownColumnWidth(6), 38);

        compareGrid(forecast->StringGrid1, forecastView.tickets1);
        compareGrid(forecast->StringGrid2, forecastView.tickets2);
        compareGrid(forecast->StringGrid3, forecastView.strip1);
        compareGrid(forecast->StringGrid4, forecastView.strip2);
        QCOMPARE(forecast->StringGrid1->model()->rowCount(), 3);
        QCOMPARE(forecast->StringGrid1->shownCell(0, 2), QString("3"));
        QCOMPARE(forecast->StringGrid3->model()->columnCount(), 8);

        // A second run leaves an open forecast window where it is.
        forecast->move(120, 90);
        const QPoint at = forecast->pos();
        QTest::mouseClick(main->sButton4, Qt::LeftButton);
        QVERIFY(forecast->isVisible());
        QCOMPARE(forecast->pos(), at);
    }

    void aPartSizeThatIsNotANumberStopsWithTheDefaultReport() {
        Ready ready;
        Program& p = ready.p();
        TForm1* main = p.form1();
        main->LabeledEdit2->setText("");
        QTest::mouseClick(main->sButton4, Qt::LeftButton);
        QCOMPARE(ready.s->shown.size(), std::size_t(1));
        QCOMPARE(ready.s->shown[0].kind, Reporter::Kind::ErrorReport);
        QCOMPARE(ready.s->shown[0].caption, QString("Trimel"));
        QCOMPARE(ready.s->shown[0].text, QString("Не все поля заполнены верно!"));
        QVERIFY(!p.form3()->isVisible());
        // What the set-up wrote before it stopped is shown.
        QCOMPARE(main->StringGrid1->shownCell(3, 0), QString("Числа 1-ой пол."));
        QCOMPARE(main->StringGrid1->model()->rowCount(), 4);
        QCOMPARE(p.state.size1, 8);
    }

    void partSizesOverTheRangeGoToTheErrorDialog() {
        Ready ready;
        Program& p = ready.p();
        TForm1* main = p.form1();
        main->LabeledEdit1->setText("15");
        main->LabeledEdit2->setText("6");
        QTest::mouseClick(main->sButton4, Qt::LeftButton);
        QCOMPARE(ready.s->shown.size(), std::size_t(1));
        QCOMPARE(ready.s->shown[0].kind, Reporter::Kind::ErrorDialog);
        QCOMPARE(ready.s->shown[0].caption, QString("Error"));
        QCOMPARE(
            ready.s->shown[0].text,
            QString("Сумма частей больше количества чисел в лотерее. Выберите другие системы."));
        QVERIFY(!p.form3()->isVisible());
        QCOMPARE(main->StringGrid2->shownCell(0, 0), QString("Тираж"));
    }

    void partSizesThatCannotBeMetStopToo() {
        Ready ready;
        Program& p = ready.p();
        p.form1()->LabeledEdit1->setText("30");
        p.form1()->LabeledEdit2->setText("-10");
        QTest::mouseClick(p.form1()->sButton4, Qt::LeftButton);
        QCOMPARE(ready.s->shown.size(), std::size_t(1));
        QCOMPARE(ready.s->shown[0].kind, Reporter::Kind::ErrorDialog);
        QCOMPARE(ready.s->shown[0].caption, QString("Error"));
        QCOMPARE(ready.s->shown[0].text,
                 QString("Не хватает чисел для частей такого размера. Измените размеры частей."));
        QVERIFY(!p.form3()->isVisible());
    }
};

QTEST_MAIN(RunTest)
#include "RunTest.moc"
