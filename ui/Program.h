#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "domain/State.h"
#include "engine/Engine.h"
#include "engine/Views.h"
#include "ui/Reporter.h"

class QWidget;

namespace trimel::ui {

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm40;

// Everything the windows share: the domain state, the views the engine
// writes, the engine, the reporter and the few services that touch the
// desktop. Made once in main() and handed to every window by reference.
class Program {
  public:
    // `executablePath` gives the application's title (argv[0]).
    explicit Program(const std::string& executablePath);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    AppState state;
    MainView mainView;
    ForecastView forecastView;
    Engine engine{state, mainView, forecastView};

    Reporter& reporter() { return *reporter_; }
    void setReporter(std::unique_ptr<Reporter> reporter) { reporter_ = std::move(reporter); }
    const std::string& title() const { return title_; }

    // Asks the user for a file to open; an empty result means cancelled.
    std::function<QString(QWidget* parent, const QString& caption)> chooseFile;
    // Asks the user for a file to save into, offering the name filters
    // given; an empty result means cancelled.
    std::function<QString(QWidget* parent, const QString& caption, const QStringList& filters)>
        chooseSaveFile;
    // Hands a link to the desktop without waiting; the result is ignored.
    std::function<void(const QUrl&)> openUrl;
    // The seed of a run started by "ИГРАТЬ!".
    std::function<std::uint32_t()> seed = clockSeed;

    // The program's own user guide, docs/index.html: the installed one,
    // else the one beside the program in its build folder.
    QUrl guideUrl() const;

    // The windows, created once by startUp() and kept to the end.
    TForm1* form1() const { return form1_.get(); }
    TForm40* form40() const { return form40_.get(); }
    TForm2* form2() const { return form2_.get(); }
    TForm3* form3() const { return form3_.get(); }
    TForm4* form4() const { return form4_.get(); }

    // The windows' objectNames in the order they were created.
    const QStringList& creationOrder() const { return creationOrder_; }

  private:
    friend void startUp(Program&);

    std::string title_;
    std::string executablePath_;
    std::unique_ptr<Reporter> reporter_;
    QStringList creationOrder_;
    // Declared after the state so they go first at exit.
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm40> form40_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm3> form3_;
    std::unique_ptr<TForm4> form4_;
};

// Creates the main window (which loads the wheel library), then, hidden,
// the About, favourite numbers, forecast and wheel selection windows, and
// shows the main window. The caller runs the message loop.
void startUp(Program& program);

}  // namespace trimel::ui
