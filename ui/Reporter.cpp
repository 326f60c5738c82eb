#include "ui/Reporter.h"

#include <QApplication>
#include <QMessageBox>

namespace trimel::ui {

Reporter::Reporter(std::string applicationTitle) : title_(std::move(applicationTitle)) {}

void Reporter::errorReport(const std::string& message) {
    show(Kind::ErrorReport, title_, errorReportText(message));
}

void Reporter::errorDialog(const std::string& message) {
    show(Kind::ErrorDialog, "Error", message);
}

void Reporter::notice(const std::string& message) {
    show(Kind::Notice, title_, message);
}

QString wrappableText(const QString& text) {
    constexpr int kLongestRun = 40;
    QString out;
    out.reserve(text.size() + text.size() / kLongestRun);
    int run = 0;
    for (const QChar c : text) {
        if (c.isSpace()) {
            run = 0;
        } else if (++run > kLongestRun && !c.isLowSurrogate()) {
            out += QChar(0x200B);  // zero width space: a place to break, nothing shown
            run = 1;
        }
        out += c;
    }
    return out;
}

void Reporter::show(Kind kind, const std::string& caption, const std::string& text) {
    const QMessageBox::Icon icon =
        kind == Kind::Notice ? QMessageBox::Warning : QMessageBox::Critical;
    QMessageBox box(icon, QString::fromStdString(caption),
                    wrappableText(QString::fromStdString(text)), QMessageBox::Ok,
                    QApplication::activeWindow());
    // Messages quote what files hold; never let that be taken for markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace trimel::ui
