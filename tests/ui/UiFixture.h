#pragma once

// What the window tests share: a reporter that records instead of opening
// message boxes, a throw-away working folder, the two file formats, and a
// program started the way main() starts it.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "ui/Program.h"
#include "ui/Reporter.h"

namespace trimel::ui::test {

struct Shown {
    Reporter::Kind kind;
    QString caption;
    QString text;
    int visibleWindows;     // top-level windows visible when it was shown
    bool laterWindowsMade;  // whether the About window existed by then
};

class RecordingReporter : public Reporter {
  public:
    RecordingReporter(std::vector<Shown>& log, const Program* program)
        : Reporter(program->title()), log_(log), program_(program) {}

  protected:
    void show(Kind kind, const std::string& caption, const std::string& text) override {
        int visible = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) ++visible;
        log_.push_back({kind, QString::fromStdString(caption), QString::fromStdString(text),
                        visible, program_ && program_->form40() != nullptr});
    }

  private:
    std::vector<Shown>& log_;
    const Program* program_;
};

// A working folder of its own for one test; the old one comes back after.
class WorkDir {
  public:
    WorkDir() : previous_(QDir::currentPath()) {
        QDir::setCurrent(dir_.path());
        QDir().mkpath(QStringLiteral("wheels"));
    }
    ~WorkDir() { QDir::setCurrent(previous_); }
    QString path(const QString& name) const { return dir_.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

  private:
    QTemporaryDir dir_;
    QString previous_;
};

// Shows a window and activates it as a window manager does, which also
// gives the keyboard focus to the first control in its tab order.
inline void showActivated(QWidget* window) {
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QApplication::processEvents();
}

using Positions = std::array<int, 6>;

// A wheel file: a title line, the four header values, one ticket a line.
inline QByteArray wheelFile(int numbers, int tickets, int guarantee,
                            const std::vector<Positions>& lines) {
    QByteArray text = "Система\n" + QByteArray::number(numbers) + "\n" +
                      QByteArray::number(tickets) + "\n" + QByteArray::number(guarantee) + "\n0";
    for (const Positions& t : lines) {
        text += "\n";
        for (int p : t) text += QByteArray::number(p).rightJustified(2, '0');
    }
    return text;
}

// A draw history: the "K N" header, then "nnnn  " and K two-column numbers.
inline QByteArray historyFile(int k, int n, const std::vector<std::vector<int>>& draws) {
    QByteArray text = QByteArray::number(k).rightJustified(2, '0') + " " +
                      QByteArray::number(n).rightJustified(2, '0');
    int number = 1;
    for (const auto& draw : draws) {
        text += "\n" + QByteArray::number(number++).rightJustified(4, '0') + "  ";
        for (int x : draw) text += QByteArray::number(x).rightJustified(2, '0');
    }
    return text;
}

// A program as main() makes it, with the desktop replaced: messages are
// recorded, the file chooser answers `chosen`, links are collected.
struct Started {
    std::vector<Shown> shown;
    QString chosen;
    QStringList chooserCaptions;
    std::vector<QUrl> opened;
    std::unique_ptr<Program> program = std::make_unique<Program>("/opt/Trimel/TRIMEL.EXE");

    explicit Started(bool start = true) {
        program->setReporter(std::make_unique<RecordingReporter>(shown, program.get()));
        program->chooseFile = [this](QWidget*, const QString& caption) {
            chooserCaptions << caption;
            return chosen;
        };
        program->openUrl = [this](const QUrl& url) { opened.push_back(url); };
        if (start) startUp(*program);
    }
    ~Started() {
        // Windows go before the state they show.
        program.reset();
    }
    Program& p() { return *program; }
};

}  // namespace trimel::ui::test
