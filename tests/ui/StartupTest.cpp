// Start-up: the order the windows are made in, what is visible, how a
// wheel load error is reported, and where each window is laid out.
#include <QAbstractButton>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>

#include "UiFixture.h"
#include "ui/About.h"
#include "ui/GridView.h"
#include "ui/Look.h"
#include "ui/fav.h"
#include "ui/polov.h"
#include "ui/prog.h"
#include "ui/sys.h"

using namespace trimel;
using namespace trimel::ui;
using namespace trimel::ui::test;

class StartupTest : public QObject {
    Q_OBJECT
  private slots:
    void windowsAreMadeInOrderAndOnlyTheMainOneShows() {
        WorkDir dir;
        dir.write("wheels/ASys001.txt", wheelFile(6, 1, 3, {{1, 2, 3, 4, 5, 6}}));
        dir.write("wheels/ASys002.txt", wheelFile(7, 1, 4, {{1, 2, 3, 4, 5, 7}}));
        Started s;
        Program& p = s.p();
        QCOMPARE(p.creationOrder(),
                 QStringList({"TForm1", "TForm40", "TForm2", "TForm3", "TForm4"}));
        QVERIFY(p.form1()->isVisible());
        QVERIFY(!p.form40()->isVisible());
        QVERIFY(!p.form2()->isVisible());
        QVERIFY(!p.form3()->isVisible());
        QVERIFY(!p.form4()->isVisible());
        QCOMPARE(p.state.wheelCount, 2);
        QVERIFY(s.shown.empty());

        TForm1* main = p.form1();
        QCOMPARE(main->windowTitle(), QString("Тримель v" TRIMEL_VERSION));
        QCOMPARE(main->size(), QSize(897, 516));
        QVERIFY(main->sButton1->isEnabled() && main->sButton2->isEnabled() &&
                main->sButton3->isEnabled());
        QVERIFY(!main->sButton4->isEnabled());
        // Closing the main window alone ends the program.
        QVERIFY(main->testAttribute(Qt::WA_QuitOnClose));
        for (QWidget* w : {static_cast<QWidget*>(p.form40()), static_cast<QWidget*>(p.form2()),
                           static_cast<QWidget*>(p.form3()), static_cast<QWidget*>(p.form4())})
            QVERIFY(!w->testAttribute(Qt::WA_QuitOnClose));
    }

    void aWheelLoadErrorIsReportedBeforeAnyWindowShows() {
        WorkDir dir;
        dir.write("wheels/ASys001.txt", wheelFile(6, 1, 3, {{1, 2, 3, 4, 5, 6}}));
        dir.write("wheels/ASys002.txt", "title\n1x\n1\n3\n0\n010203040506");
        Started s;
        QCOMPARE(s.shown.size(), std::size_t(1));
        const Shown& m = s.shown[0];
        QCOMPARE(m.kind, Reporter::Kind::ErrorReport);
        QCOMPARE(m.caption, QString("Trimel"));
        QCOMPARE(m.text, QString("'1x' is not a valid integer value."));
        QCOMPARE(m.visibleWindows, 0);
        QVERIFY(!m.laterWindowsMade);
        // Start-up goes on with what was loaded.
        QVERIFY(s.p().form1()->isVisible());
        QCOMPARE(s.p().creationOrder().size(), 5);
        QCOMPARE(s.p().state.wheelCount, 2);
    }

    void noWheelFolderGivesEmptyListsAndNoMessage() {
        WorkDir dir;
        QDir().rmdir("wheels");
        Started s;
        QVERIFY(s.shown.empty());
        QCOMPARE(s.p().state.wheelCount, 0);
        QTest::mouseClick(s.p().form1()->sButton2, Qt::LeftButton);
        QVERIFY(s.p().form4()->isVisible());
        for (int n = 1; n <= 6; ++n) QCOMPARE(s.p().form4()->listBox(n)->count(), 0);
    }

    void layouts_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("rect");
        // Main window at its design size, after the resize rule has run.
        QTest::newRow("draws grid") << "TForm1"
                                    << "StringGrid1" << QRect(6, 8, 339, 481);
        QTest::newRow("hits grid") << "TForm1"
                                   << "StringGrid2" << QRect(496, 8, 395, 481);
        QTest::newRow("open") << "TForm1"
                              << "sButton1" << QRect(355, 8, 121, 25);
        QTest::newRow("play") << "TForm1"
                              << "sButton4" << QRect(355, 104, 121, 25);
        QTest::newRow("part 1") << "TForm1"
                                << "LabeledEdit1" << QRect(353, 468, 41, 22);
        QTest::newRow("part 2") << "TForm1"
                                << "LabeledEdit2" << QRect(425, 468, 41, 22);
        QTest::newRow("credit") << "TForm1"
                                << "Label19" << QRect(736, 495, 155, 14);
        QTest::newRow("site") << "TForm1"
                              << "Label20" << QRect(6, 494, 222, 14);
        QTest::newRow("list 1") << "TForm4"
                                << "ListBox1" << QRect(8, 24, 105, 129);
        QTest::newRow("list 6") << "TForm4"
                                << "ListBox6" << QRect(192, 328, 113, 129);
        QTest::newRow("choose") << "TForm4"
                                << "sButton1" << QRect(312, 24, 89, 25);
        QTest::newRow("numbers") << "TForm2"
                                 << "LabeledEdit1" << QRect(16, 56, 361, 21);
        QTest::newRow("enter") << "TForm2"
                               << "sButton1" << QRect(288, 80, 91, 25);
        QTest::newRow("tickets 2") << "TForm3"
                                   << "StringGrid2" << QRect(294, 24, 240, 225);
        QTest::newRow("strip 2") << "TForm3"
                                 << "StringGrid4" << QRect(8, 360, 530, 40);
        QTest::newRow("back") << "TForm40"
                              << "sButton1" << QRect(104, 168, 75, 25);
    }
    void layouts() {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QRect, rect);
        WorkDir dir;
        Started s;
        Program& p = s.p();
        QWidget* windows[] = {p.form1(), p.form2(), p.form3(), p.form4(), p.form40()};
        QWidget* form = nullptr;
        for (QWidget* w : windows)
            if (w->objectName() == window) form = w;
        QVERIFY(form);
        QWidget* w = form->findChild<QWidget*>(control);
        QVERIFY2(w, qPrintable(control));
        QCOMPARE(w->geometry(), rect);
    }

    void mainWindowTabOrderAndTexts() {
        WorkDir dir;
        Started s;
        TForm1* main = s.p().form1();
        QStringList chain;
        QWidget* w = main->StringGrid1;
        for (int i = 0; i < 8; ++i, w = w->nextInFocusChain()) {
            while (w->focusPolicy() == Qt::NoFocus) w = w->nextInFocusChain();
            chain << w->objectName();
        }
        QCOMPARE(chain, QStringList({"StringGrid1", "LabeledEdit1", "LabeledEdit2", "StringGrid2",
                                     "sButton1", "sButton2", "sButton3", "sButton4"}));
        QCOMPARE(main->sButton3->text(), QString("Ввод своих чисел"));
        QCOMPARE(main->sButton3->toolTip(), QString("Открытие окна ввода своих чисел для игры"));
        QVERIFY(main->sButton4->font().bold());
        QCOMPARE(main->label(18)->text(), QString("Задайте размеры частей:"));
        QCOMPARE(s.p().form2()->windowTitle(), QString("Ввод любимых чисел"));
        QCOMPARE(s.p().form4()->windowTitle(), QString("Выбор систем"));
        QCOMPARE(s.p().form40()->windowTitle(), QString("О программе"));
    }

    // Last, as the translation stays installed: Qt's own buttons and the
    // file dialog read in Russian like the windows around them.
    void qtTextsAreRussian() {
        QVERIFY(installQtTexts());
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Отмена"));
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        QCOMPARE(dialog.labelText(QFileDialog::Reject), QStringLiteral("Отмена"));
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
