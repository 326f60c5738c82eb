#include "ui/Program.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "ui/About.h"
#include "ui/ApplicationTitle.h"
#include "ui/fav.h"
#include "ui/polov.h"
#include "ui/prog.h"
#include "ui/sys.h"

namespace trimel::ui {

Program::Program(const std::string& executablePath)
    : title_(applicationTitle(executablePath)),
      executablePath_(executablePath),
      reporter_(std::make_unique<Reporter>(title_)) {
    chooseFile = [](QWidget* parent, const QString& caption) {
        return QFileDialog::getOpenFileName(parent, caption, QString(), QString());
    };
    chooseSaveFile = [](QWidget* parent, const QString& caption, const QStringList& filters) {
        QFileDialog dialog(parent, caption);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters(filters);
        // A name typed without an extension gets the chosen kind's.
        const auto suffixOf = [](const QString& filter) {
            return filter.section(QLatin1String("*."), 1).section(QLatin1Char(')'), 0, 0);
        };
        dialog.setDefaultSuffix(suffixOf(filters.value(0)));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&](const QString& filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
    openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
}

Program::~Program() = default;

QUrl Program::guideUrl() const {
    // Installed: in the data folder, found from the program's own folder.
    // Run from a build folder: docs/ beside it, which links to the sources'.
    const QString appDir = QCoreApplication::instance()
                               ? QCoreApplication::applicationDirPath()
                               : QFileInfo(QString::fromStdString(executablePath_)).absolutePath();
    const QString installed = appDir + QStringLiteral("/" TRIMEL_GUIDE_FROM_PROGRAM "/index.html");
    const QString path = QDir::cleanPath(
        QFile::exists(installed) ? installed : appDir + QStringLiteral("/docs/index.html"));
    return QUrl::fromLocalFile(path);
}

void startUp(Program& program) {
    program.form1_ = std::make_unique<TForm1>(program);
    program.creationOrder_ << program.form1_->objectName();
    program.form40_ = std::make_unique<TForm40>(program);
    program.creationOrder_ << program.form40_->objectName();
    program.form2_ = std::make_unique<TForm2>(program);
    program.creationOrder_ << program.form2_->objectName();
    program.form3_ = std::make_unique<TForm3>(program);
    program.creationOrder_ << program.form3_->objectName();
    program.form4_ = std::make_unique<TForm4>(program);
    program.creationOrder_ << program.form4_->objectName();

    // The windows know only themselves: what one decides, the others are
    // told here.
    TForm1* main = program.form1_.get();
    QObject::connect(program.form40_.get(), &TForm40::closed, main,
                     [main] { main->setEnabled(true); });
    QObject::connect(program.form4_.get(), &TForm4::wheelsChosen, main, &TForm1::showChosenSizes);
    QObject::connect(
        program.form4_.get(), &TForm4::wheelsChosen, program.form2_.get(),
        [form = program.form2_.get()](int firstSize, int) { form->limitToPart(firstSize); });
    program.form1_->show();
}

}  // namespace trimel::ui
