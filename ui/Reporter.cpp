#include "ui/Reporter.h"

#include <QApplication>
#include <QMessageBox>

namespace trimel::ui {

Reporter::Reporter(std::string applicationTitle) : title_(std::move(applicationTitle)) {}

void Reporter::errorReport(const std::string& message) {
    show(Kind::ErrorReport, title_, errorReportText(message));
}

void Reporter::errorDialog(const std::string& message) { show(Kind::ErrorDialog, "Error", message); }

void Reporter::notice(const std::string& message) { show(Kind::Notice, title_, message); }

void Reporter::show(Kind kind, const std::string& caption, const std::string& text) {
    const QMessageBox::Icon icon =
        kind == Kind::Notice ? QMessageBox::Warning : QMessageBox::Critical;
    QMessageBox box(icon, QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    // Messages quote what files hold; never let that be taken for markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace trimel::ui
