// The grids' context menu: copying, saving to a text or CSV file (and a
// save that fails), and printing to PDF, over a completed run.
#include <QAbstractButton>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QTest>
#include <QTimer>

#include "UiFixture.h"
#include "ui/GridExport.h"
#include "ui/GridView.h"
#include "ui/polov.h"
#include "ui/prog.h"
#include "ui/sys.h"

using namespace trimel;
using namespace trimel::ui;
using namespace trimel::ui::test;

namespace {

// A run over three draws with an 8-number wheel of three tickets and a
// 6-number wheel of one; the save dialog answers `saveAs`.
struct Played {
    WorkDir dir;
    Started s{false};
    QString saveAs;
    Played() {
        dir.write("wheels/ASys001.txt",
                  wheelFile(8, 3, 3, {{1, 2, 3, 4, 5, 6}, {3, 4, 5, 6, 7, 8}, {1, 2, 5, 6, 7, 8}}));
        dir.write("wheels/ASys002.txt", wheelFile(6, 1, 3, {{1, 2, 3, 4, 5, 6}}));
        dir.write(
            "h.txt",
            historyFile(6, 14, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {2, 4, 6, 8, 10, 14}}));
        Program& p = s.p();
        p.chooseSaveFile = [this](QWidget*, const QString&, const QStringList&) { return saveAs; };
        startUp(p);
        p.seed = [] { return 7u; };
        s.chosen = dir.path("h.txt");
        QTest::mouseClick(p.form1()->sButton1, Qt::LeftButton);
        QTest::mouseClick(p.form1()->sButton2, Qt::LeftButton);
        p.form4()->listBox(1)->setCurrentRow(0);
        p.form4()->listBox(2)->setCurrentRow(1);
        QTest::mouseClick(p.form4()->sButton1, Qt::LeftButton);
        QTest::mouseClick(p.form1()->sButton4, Qt::LeftButton);
    }
    TForm3* forecast() { return s.p().form3(); }
    TForm1* main() { return s.p().form1(); }
};

// Opens the grid's context menu as a right click does and clicks `item`.
void choose(GridView* grid, const QString& item) {
    showActivated(grid->window());
    bool clicked = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        for (QAction* a : menu->actions())
            if (a->text() == item) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
                clicked = true;
                return;
            }
        menu->close();
    });
    const QPoint at(4, 4);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
    QApplication::sendEvent(grid->viewport(), &event);
    QVERIFY2(clicked, qPrintable(item));
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

}  // namespace

class GridMenuTest : public QObject {
    Q_OBJECT
  private slots:
    void copiesTheSelectionOrEverything() {
        Played p;
        GridView* grid = p.main()->StringGrid1;
        choose(grid, "Копировать");
        const QString all = QApplication::clipboard()->text();
        QCOMPARE(all.count('\n'), 4);  // the header row and three draws
        QVERIFY(all.startsWith("Тираж\t"));
        QVERIFY(all.contains("\n3\t2\t4\t06 08 \t02 04 10 14 \n"));

        grid->selectionModel()->select(grid->model()->index(1, 0), QItemSelectionModel::Select);
        grid->selectionModel()->select(grid->model()->index(1, 2), QItemSelectionModel::Select);
        choose(grid, "Копировать");
        QCOMPARE(QApplication::clipboard()->text(), QString("2\t\t3\n"));
    }

    void savesTextAndCsv() {
        Played p;
        GridView* tickets = p.forecast()->StringGrid1;
        p.saveAs = p.dir.path("tickets.txt");
        choose(tickets, "Сохранить…");
        const QList<QByteArray> lines = contents(p.saveAs).split('\n');
        QCOMPARE(lines.size(), 4);  // three tickets and the end of the last line
        for (int r = 0; r < 3; ++r) QCOMPARE(lines[r].count('\t'), 6);
        QCOMPARE(lines[0].split('\t').value(0), QByteArray("1"));
        QCOMPARE(QString::fromUtf8(lines[2]).split('\t'),
                 (QStringList{"3", tickets->shownCell(1, 2), tickets->shownCell(2, 2),
                              tickets->shownCell(3, 2), tickets->shownCell(4, 2),
                              tickets->shownCell(5, 2), tickets->shownCell(6, 2)}));

        // Saving again replaces the file; CSV by the name's extension.
        p.saveAs = p.dir.path("draws.CSV");
        choose(p.main()->StringGrid1, "Сохранить…");
        const QByteArray csv = contents(p.saveAs);
        QVERIFY(csv.startsWith("Тираж,"));
        QCOMPARE(csv.count('\n'), 4);
        QVERIFY(!csv.contains('\t'));
        QVERIFY(p.s.shown.empty());
    }

    void aFailedSaveKeepsTheOldFile() {
        Played p;
        // A name so long that no temporary file can be made beside it.
        p.saveAs = p.dir.path(QString(250, 'x') + ".txt");
        p.dir.write(QFileInfo(p.saveAs).fileName(), "old contents");
        choose(p.forecast()->StringGrid2, "Сохранить…");
        QCOMPARE(contents(p.saveAs), QByteArray("old contents"));
        QCOMPARE(p.s.shown.size(), std::size_t{1});
        QCOMPARE(p.s.shown[0].kind, Reporter::Kind::ErrorReport);
        QVERIFY(p.s.shown[0].text.startsWith("Не удалось сохранить файл «" + p.saveAs + "»."));
        QCOMPARE(QDir(p.dir.path("")).entryList(QDir::Files).size(), 2);  // h.txt and the old file
    }

    void printsToPdf() {
        Played p;
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(p.dir.path("tickets.pdf"));
        printGrid(*p.forecast()->StringGrid1, p.forecast()->windowTitle(), printer);
        const QByteArray pdf = contents(printer.outputFileName());
        QVERIFY(pdf.startsWith("%PDF"));
        QVERIFY(pdf.contains("/Count 1\n"));  // one page
        QVERIFY(pdf.contains("/Title"));

        // A long grid goes over pages.
        TextGrid draws(5, 1001, 60, 1, 0);
        for (int r = 0; r < draws.rowCount(); ++r) draws.setCell(0, r, std::to_string(r));
        GridView view(draws, 15, Qt::red);
        printer.setOutputFileName(p.dir.path("draws.pdf"));
        printGrid(view, "Тиражи", printer);
        const QByteArray many = contents(printer.outputFileName());
        const int at = many.indexOf("/Count ");
        QVERIFY(at > 0);
        QVERIFY(many.mid(at + 7, 3).toInt() > 10);
    }
};

QTEST_MAIN(GridMenuTest)
#include "GridMenuTest.moc"
