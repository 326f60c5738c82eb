// Bad input, one row each: a draw history opened with "Открыть файл", a
// wheel file found at start-up, part sizes typed before "ИГРАТЬ!", or
// favourite numbers. Every row states what is shown (or that nothing is)
// and the state afterwards, and then proves the program still works: a
// normal history loads and a run completes.
#include <sys/stat.h>

#include <QAbstractButton>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "UiFixture.h"
#include "Unreadable.h"
#include "domain/IntText.h"
#include "ui/GridView.h"
#include "ui/fav.h"
#include "ui/polov.h"
#include "ui/prog.h"
#include "ui/sys.h"

using namespace trimel;
using namespace trimel::ui;
using namespace trimel::ui::test;

namespace {

enum class Input { History, Wheel, PartSizes, Favourites };

struct Row {
    const char* name;
    Input input;
    // Writes the input into the working folder. A history row returns the
    // path to open; a wheel row writes into wheels/ beside the two good
    // wheels; part-size rows give "<first>/<second>", favourites the text.
    std::function<QString(const WorkDir&)> make;
    QString message;  // what is shown, "" for nothing
    Reporter::Kind kind = Reporter::Kind::ErrorReport;
    int K = 0, N = 0, D = 0, wheels = 2;
    QString listed = "001 8н-3к, 002 6н-1к";  // the left lists' items
    QString edits = "/";                      // the part-size edits
    int strip2 = 6;  // columns of the second number strip after the run that follows
    bool unreadable = false;
};

const QByteArray kGoodHistory = historyFile(
    6, 45,
    {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {13, 14, 15, 16, 17, 18}, {2, 4, 6, 8, 10, 45}});

QByteArray utf16(const QString& text) {
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

QByteArray repeatedLines(const QByteArray& line, int count) {
    QByteArray out;
    out.reserve(line.size() * count + count);
    for (int i = 0; i < count; ++i) out += line + "\n";
    return out;
}

// Row makers.
auto history(QByteArray bytes) {
    return [bytes](const WorkDir& d) {
        d.write("input", bytes);
        return d.path("input");
    };
}
auto wheel(QByteArray bytes) {
    return [bytes](const WorkDir& d) {
        d.write("wheels/ASys900.txt", bytes);
        return QString();
    };
}
auto folder(const char* name) {
    return [name](const WorkDir& d) {
        QDir().mkpath(d.path(name));
        return d.path(name);
    };
}
auto danglingLink(const char* name) {
    return [name](const WorkDir& d) {
        std::filesystem::create_symlink(d.path("nowhere").toStdString(),
                                        d.path(name).toStdString());
        return d.path(name);
    };
}
auto fifo(const char* name) {
    return [name](const WorkDir& d) {
        ::mkfifo(QFile::encodeName(d.path(name)).constData(), 0600);
        return d.path(name);
    };
}
auto typed(const char* text) {
    return [text](const WorkDir&) { return QString(text); };
}

QString conversion(const QString& text) {
    return "'" + text + "' is not a valid integer value.";
}
const QString kMark = QStringLiteral("\uFFFD");
const QString kSumMessage =
    "Сумма частей больше количества чисел в лотерее. Выберите другие системы.";

const std::vector<Row>& rows() {
    using K = Reporter::Kind;
    const QByteArray wheelHead = "title\n8\n3\n3\n0\n";
    const QByteArray tickets = "010203040506\n030405060708\n010205060708\n";
    static const std::vector<Row> table = {
        // A draw history.
        {"history: empty file", Input::History, history(""), conversion("")},
        {"history: one blank line", Input::History, history("\n"), conversion("")},
        {"history: only CR characters", Input::History, history("\r\r\r\r"),
         conversion(kMark + kMark)},
        {"history: Ctrl-Z first", Input::History, history("\x1A" + kGoodHistory), conversion("")},
        {"history: binary bytes", Input::History,
         history(QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)), conversion(kMark + "P")},
        {"history: a 10 MB line", Input::History,
         history("06 45 " + QByteArray(10 << 20, '7') + "\n0001  010203040506\n"), "",
         K::ErrorReport, 6, 45, 1, 2, "001 8н-3к, 002 6н-1к", "22/23"},
        {"history: 65 MB with no line end", Input::History,
         [](const WorkDir& d) {
             d.write("input", "");
             std::filesystem::resize_file(d.path("input").toStdString(), 65 << 20);
             return d.path("input");
         },
         "Файл слишком велик: программа читает не больше 64 МБ файла."},
        {"history: header with letters", Input::History, history("K6 N45\n"), conversion("K6")},
        {"history: K = 0", Input::History, history("00 45\n0001  010203040506\n"), "",
         K::ErrorReport, 0, 45, 1, 2, "001 8н-3к, 002 6н-1к", "22/23"},
        {"history: N = 0", Input::History, history("06 00\n0001  010203040506\n"), "",
         K::ErrorReport, 6, 0, 1, 2, "001 8н-3к, 002 6н-1к", "0/0"},
        {"history: K = 21", Input::History, history("21 45\n0001  01\n"),
         "В тираже не может быть больше 20 чисел."},
        {"history: draw line shorter than its fields", Input::History,
         history("06 45\n0001  0102\n"), conversion(""), K::ErrorReport, 6, 45, 1},
        {"history: 10001 draw lines", Input::History,
         history("06 45\n" + repeatedLines("0001  010203040506", 10001)),
         "В файле больше 10000 тиражей: загружены первые 10000.", K::Notice, 6, 45, 10000, 2,
         "001 8н-3к, 002 6н-1к", "22/23"},
        {"history: trailing blank line", Input::History, history("06 45\n0001  010203040506\n\n"),
         conversion(""), K::ErrorReport, 6, 45, 2},
        {"history: hexadecimal values", Input::History, history("$6 $F\n$1F0  $1$2$3$4$5$6\n"), "",
         K::ErrorReport, 6, 15, 1, 2, "001 8н-3к, 002 6н-1к", "8/7"},
        {"history: UTF-8 with BOM", Input::History,
         history("\xEF\xBB\xBF"
                 "06 45\r\n0001  010203040506 жж\r\n"),
         "", K::ErrorReport, 6, 45, 1, 2, "001 8н-3к, 002 6н-1к", "22/23"},
        {"history: UTF-16 with BOM", Input::History,
         history("\xFF\xFE" + utf16("06 45\r\n0001  010203040506\r\n")), conversion(kMark + kMark)},
        {"history: UTF-16 without BOM", Input::History,
         history(utf16("06 45\r\n0001  010203040506\r\n")), conversion("0" + kMark)},
        {"history: a folder", Input::History, folder("folder"), "File access denied."},
        {"history: a dangling link", Input::History, danglingLink("link"), "File not found."},
        {"history: a FIFO", Input::History, fifo("fifo"), "File access denied."},
        {"history: an unreadable file", Input::History, history(kGoodHistory),
         "File access denied.", K::ErrorReport, 0, 0, 0, 2, "001 8н-3к, 002 6н-1к", "/", 6, true},

        // A wheel file, loaded after the two good ones; the run that follows
        // plays it as the second wheel when it is listed.
        {"wheel: empty file", Input::Wheel, wheel(""), conversion(""), K::ErrorReport, 0, 0, 0, 3},
        {"wheel: one blank line", Input::Wheel, wheel("\n"), conversion(""), K::ErrorReport, 0, 0,
         0, 3},
        {"wheel: only CR characters", Input::Wheel, wheel("\r\r\r"), conversion(""), K::ErrorReport,
         0, 0, 0, 3},
        {"wheel: Ctrl-Z first", Input::Wheel, wheel("\x1A" + wheelHead + tickets), conversion(""),
         K::ErrorReport, 0, 0, 0, 3},
        {"wheel: binary bytes", Input::Wheel,
         wheel(QByteArray("\x7F"
                          "ELF\x02\x01\n\x01\0\0\0\n",
                          12)),
         conversion(kMark + kMark + kMark + kMark), K::ErrorReport, 0, 0, 0, 3},
        {"wheel: a 10 MB line", Input::Wheel,
         wheel("title\n" + QByteArray(10 << 20, '7') + "\n3\n3\n0\n"),
         conversion(QString(256, '7') + "…"), K::ErrorReport, 0, 0, 0, 3},
        {"wheel: header with letters", Input::Wheel, wheel("title\nsix\n1\n3\n0\n010203040506\n"),
         conversion("six"), K::ErrorReport, 0, 0, 0, 3},
        {"wheel: trailing blank line", Input::Wheel, wheel(wheelHead + tickets + "\n"),
         conversion(""), K::ErrorReport, 0, 0, 0, 3, "001 8н-3к, 002 6н-1к, 003 8н-3к", "/", 8},
        {"wheel: hexadecimal values", Input::Wheel,
         wheel("title\n$8\n0x3\nX3\n-$0\n$1$2$3$4$5$6\n"), "", K::ErrorReport, 0, 0, 0, 3,
         "001 8н-3к, 002 6н-1к, 003 8н-3к", "/", 8},
        {"wheel: values just over the 32-bit range", Input::Wheel,
         wheel("title\n2147483648\n1\n3\n0\n"), conversion("2147483648"), K::ErrorReport, 0, 0, 0,
         3},
        {"wheel: ticket count just under it", Input::Wheel, wheel("title\n8\n-2147483649\n3\n0\n"),
         conversion("-2147483649"), K::ErrorReport, 0, 0, 0, 3},
        {"wheel: UTF-8 with BOM", Input::Wheel, wheel("\xEF\xBB\xBF" + wheelHead + tickets), "",
         K::ErrorReport, 0, 0, 0, 3, "001 8н-3к, 002 6н-1к, 003 8н-3к", "/", 8},
        {"wheel: UTF-8 without BOM", Input::Wheel, wheel("Система №3\n8\n3\n3\n0\n" + tickets), "",
         K::ErrorReport, 0, 0, 0, 3, "001 8н-3к, 002 6н-1к, 003 8н-3к", "/", 8},
        {"wheel: UTF-16 with BOM", Input::Wheel, wheel("\xFF\xFE" + utf16("title\r\n8\r\n3\r\n")),
         conversion(kMark + "8" + kMark + kMark + kMark), K::ErrorReport, 0, 0, 0, 3},
        {"wheel: UTF-16 without BOM", Input::Wheel, wheel(utf16("title\r\n8\r\n3\r\n")),
         conversion(kMark + "8" + kMark + kMark + kMark), K::ErrorReport, 0, 0, 0, 3},
        {"wheel: a folder", Input::Wheel, folder("wheels/ASys900.txt"), "File access denied."},
        {"wheel: a dangling link", Input::Wheel, danglingLink("wheels/ASys900.txt"),
         "File not found."},
        {"wheel: a FIFO", Input::Wheel, fifo("wheels/ASys900.txt"), "File access denied."},
        {"wheel: an unreadable file", Input::Wheel, wheel(wheelHead + tickets),
         "File access denied.", K::ErrorReport, 0, 0, 0, 2, "001 8н-3к, 002 6н-1к", "/", 6, true},
        {"wheel: fewer ticket lines than its count", Input::Wheel,
         wheel("title\n8\n5\n3\n0\n010203040506\n"), "", K::ErrorReport, 0, 0, 0, 3,
         "001 8н-3к, 002 6н-1к, 003 8н-5к", "/", 8},
        {"wheel: positions above its number count", Input::Wheel,
         wheel("title\n6\n2\n3\n0\n999897969594\n070809101112\n"), "", K::ErrorReport, 0, 0, 0, 3,
         "001 8н-3к, 002 6н-1к, 003 6н-2к"},
        {"wheel: guarantee 6", Input::Wheel, wheel("title\n8\n3\n6\n0\n" + tickets), "",
         K::ErrorReport, 0, 0, 0, 3},
        {"wheel: number count 100000", Input::Wheel,
         wheel("title\n100000\n1\n3\n0\n010203040506\n"), "", K::ErrorReport, 0, 0, 0, 3,
         "001 8н-3к, 002 6н-1к, 003 100000н-1к", "/", 100},
        {"wheel: 101 wheel files", Input::Wheel,
         [](const WorkDir& d) {
             for (int i = 3; i <= 101; ++i)
                 d.write(QString("wheels/ASys%1.txt").arg(i, 3, 10, QLatin1Char('0')),
                         "t\n6\n1\n6\n0\n010203040506\n");
             return QString();
         },
         "Загружено 100 систем, остальные файлы систем пропущены.", K::Notice, 0, 0, 0, 100},
        {"wheel: 10001 ticket lines", Input::Wheel,
         wheel("title\n8\n10001\n3\n0\n" + repeatedLines("010203040506", 10001)),
         "В системе ASys900.txt больше 10000 билетов: лишние строки пропущены.", K::Notice, 0, 0, 0,
         3, "001 8н-3к, 002 6н-1к, 003 8н-10001к", "/", 8},

        // Part sizes typed over a good history (N = 45) and both wheels.
        {"part sizes: 99 and 6", Input::PartSizes, typed("99/6"), kSumMessage, K::ErrorDialog, 6,
         45, 4, 2, "001 8н-3к, 002 6н-1к", "99/6"},
        {"part sizes: -5 and 6", Input::PartSizes, typed("-5/6"), "", K::ErrorReport, 6, 45, 4, 2,
         "001 8н-3к, 002 6н-1к", "-5/6"},
        {"part sizes: 50 and -5", Input::PartSizes, typed("50/-5"),
         "Не хватает чисел для частей такого размера. Измените размеры частей.", K::ErrorDialog, 6,
         45, 4, 2, "001 8н-3к, 002 6н-1к", "50/-5"},
        // Favourite numbers left longer than the first part (8 numbers).
        {"favourites: longer than the first part", Input::Favourites,
         typed("0102030405060708091011121314151617181920"), "", K::ErrorReport, 6, 45, 4, 2,
         "001 8н-3к, 002 6н-1к", "8/6"},
    };
    return table;
}

QString listedWheels(Program& p) {
    QTest::mouseClick(p.form1()->sButton2, Qt::LeftButton);
    QStringList items;
    for (int n : {1, 3, 5})
        for (int i = 0; i < p.form4()->listBox(n)->count(); ++i)
            items << p.form4()->listBox(n)->item(i)->text();
    return items.join(", ");
}

// The wheel selection window's "Выбрать" with wheel 1 for the first part
// and the last listed wheel for the second.
void chooseWheels(Program& p) {
    QTest::mouseClick(p.form1()->sButton2, Qt::LeftButton);
    p.form4()->listBox(1)->setCurrentRow(0);
    p.form4()->listBox(2)->setCurrentRow(p.form4()->listBox(2)->count() - 1);
    QTest::mouseClick(p.form4()->sButton1, Qt::LeftButton);
}

void loadGoodHistory(Started& s, const WorkDir& dir) {
    dir.write("good.txt", kGoodHistory);
    s.chosen = dir.path("good.txt");
    QTest::mouseClick(s.p().form1()->sButton1, Qt::LeftButton);
}

void typeInto(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

QString shownText(const std::vector<Shown>& shown) {
    QStringList texts;
    for (const Shown& m : shown) texts << m.text;
    return texts.join("\n");
}

}  // namespace

class BadInputTest : public QObject {
    Q_OBJECT
  private slots:
    void table_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < rows().size(); ++i) QTest::newRow(rows()[i].name) << int(i);
    }

    void table() {
        QFETCH(int, index);
        const Row& row = rows()[static_cast<std::size_t>(index)];
        WorkDir dir;
        dir.write("wheels/ASys001.txt",
                  wheelFile(8, 3, 3, {{1, 2, 3, 4, 5, 6}, {3, 4, 5, 6, 7, 8}, {1, 2, 5, 6, 7, 8}}));
        dir.write("wheels/ASys002.txt", wheelFile(6, 1, 3, {{1, 2, 3, 4, 5, 6}}));

        // The row's input, where the program takes it.
        std::unique_ptr<Started> started;
        const QString made = row.make(dir);
        if (row.input == Input::Wheel) {
            std::unique_ptr<Unreadable> lock;
            if (row.unreadable) {
                lock = std::make_unique<Unreadable>(dir.path("wheels/ASys900.txt").toStdString());
                if (!lock->holds()) QSKIP("this system lets every file be read");
            }
            started = std::make_unique<Started>();
        } else {
            started = std::make_unique<Started>();
        }
        Started& s = *started;
        Program& p = s.p();
        TForm1* main = p.form1();
        if (row.input == Input::History) {
            s.chosen = made;
            std::unique_ptr<Unreadable> lock;
            if (row.unreadable) {
                lock = std::make_unique<Unreadable>(made.toStdString());
                if (!lock->holds()) QSKIP("this system lets every file be read");
            }
            QTest::mouseClick(main->sButton1, Qt::LeftButton);
        } else if (row.input == Input::PartSizes) {
            loadGoodHistory(s, dir);
            chooseWheels(p);
            const QStringList sizes = made.split('/');
            typeInto(main->LabeledEdit1, sizes[0]);
            typeInto(main->LabeledEdit2, sizes[1]);
            QTest::mouseClick(main->sButton4, Qt::LeftButton);
        } else if (row.input == Input::Favourites) {
            loadGoodHistory(s, dir);
            chooseWheels(p);
            QTest::mouseClick(main->sButton3, Qt::LeftButton);
            p.form2()->LabeledEdit1->setText(made);  // left from before the wheels were chosen
            QTest::mouseClick(p.form2()->sButton1, Qt::LeftButton);
            for (int k = 1; k <= 9; ++k) QCOMPARE(p.state.favourites[k], k <= 8 ? k : 0);
        }

        // What was shown, and the state it left.
        QCOMPARE(shownText(s.shown), row.message);
        if (!row.message.isEmpty()) QCOMPARE(s.shown.front().kind, row.kind);
        QCOMPARE(p.state.K, row.K);
        QCOMPARE(p.state.N, row.N);
        QCOMPARE(p.state.D, row.D);
        QCOMPARE(p.state.wheelCount, row.wheels);
        QCOMPARE(listedWheels(p), row.listed);
        QCOMPARE(main->LabeledEdit1->text() + "/" + main->LabeledEdit2->text(), row.edits);

        // The program goes on: a good history loads and a run completes.
        s.shown.clear();
        if (row.input == Input::History || row.input == Input::Wheel) {
            loadGoodHistory(s, dir);
            QCOMPARE(p.state.D, 4);
            chooseWheels(p);
        }
        main->LabeledEdit1->setText("8");
        main->LabeledEdit2->setText("6");
        QTest::mouseClick(main->sButton4, Qt::LeftButton);
        QCOMPARE(shownText(s.shown), QString());
        QVERIFY(p.form3()->isVisible());
        QCOMPARE(p.form3()->windowTitle(), QString("Прогноз на тираж №5"));
        QCOMPARE(p.form3()->StringGrid3->model()->columnCount(), 8);
        QCOMPARE(p.form3()->StringGrid4->model()->columnCount(), row.strip2);
    }

    // The real message box: what a file holds reaches it whole, as plain
    // text, with long runs given places to wrap.
    void theMessageBoxShowsAFilesTextWholeAndPlain() {
        const std::string bytes = std::string("0\0.\0<b>", 7) + std::string(60, 'x') + "</b>";
        const QString expected = "'0" + kMark + "." + kMark + "<b>" + QString(60, 'x') +
                                 "</b>' is not a valid integer value.";
        QString text;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            text = box->text();
            format = box->textFormat();
            box->accept();
        });
        Reporter reporter("trimel");
        guarded(reporter, [&] { strToInt(bytes); });
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(text, wrappableText(expected));
        QVERIFY(text.contains(QChar(0x200B)));
        QCOMPARE(text.remove(QChar(0x200B)), expected);
    }
};

QTEST_MAIN(BadInputTest)
#include "BadInputTest.moc"
