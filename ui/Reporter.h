#pragma once

#include <QString>
#include <exception>
#include <new>
#include <string>

#include "domain/Errors.h"

namespace trimel::ui {

// Every message the program shows goes through one Reporter, so the
// windows never open a message box themselves and tests can read what
// would have been shown.
class Reporter {
  public:
    enum class Kind {
        ErrorReport,  // the default error report: stop icon, OK, the application's title
        ErrorDialog,  // the standard error dialog titled "Error"
        Notice,       // a warning the program gives and goes on
    };

    explicit Reporter(std::string applicationTitle);
    virtual ~Reporter() = default;

    const std::string& title() const { return title_; }

    // The message of an error that ended a handler, with the full-stop rule.
    void errorReport(const std::string& message);
    // The standard error dialog, text as given.
    void errorDialog(const std::string& message);
    void notice(const std::string& message);

  protected:
    // Shows a modal message box; tests override it to record instead.
    virtual void show(Kind kind, const std::string& caption, const std::string& text);

  private:
    std::string title_;
};

// The text as a message box shows it: a run of more than 40 characters
// with no blank (a line of a file, quoted) gets invisible places to break,
// so the box wraps it rather than cutting it off at its edge.
QString wrappableText(const QString& text);

// Runs a handler body; an error it raises ends it and goes to the default
// error report, and the program goes on from the state reached.
template <class Body>
void guarded(Reporter& reporter, Body&& body) {
    try {
        body();
    } catch (const AppError& e) {
        reporter.errorReport(e.what());
    } catch (const std::bad_alloc&) {
        reporter.errorReport("Недостаточно памяти");
    } catch (const std::exception& e) {
        reporter.errorReport(e.what());
    }
}

}  // namespace trimel::ui
