#include "ui/GridExport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>

#include "ui/GridView.h"
#include "ui/Program.h"

namespace trimel::ui {

namespace {

int shownRows(const GridView& grid) {
    return grid.gridModel()->rowCount() + (grid.gridModel()->hasHeaderRow() ? 1 : 0);
}

int shownCols(const GridView& grid) {
    return grid.gridModel()->columnCount() + (grid.gridModel()->hasHeaderColumn() ? 1 : 0);
}

template <class Cell>
QString joined(const GridView& grid, QChar separator, Cell&& cell) {
    QString out;
    const int rows = shownRows(grid), cols = shownCols(grid);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            if (c > 0) out += separator;
            out += cell(grid.shownCell(c, r));
        }
        out += QLatin1Char('\n');
    }
    return out;
}

QString csvCell(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

void copyGrid(const GridView& grid) {
    const QString selected = grid.selectionText();
    QApplication::clipboard()->setText(selected.isEmpty() ? gridText(grid) : selected);
}

void saveGrid(GridView& grid, Program& program) {
    const QString path = program.chooseSaveFile(
        &grid, QStringLiteral("Сохранение таблицы"),
        {QStringLiteral("Текст, столбцы через табуляцию (*.txt)"),
         QStringLiteral("CSV, столбцы через запятую (*.csv)")});
    if (path.isEmpty()) return;
    const bool csv = path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive);
    if (!saveTextFile(path, csv ? gridCsv(grid) : gridText(grid)))
        program.reporter().errorReport("Не удалось сохранить файл «" + path.toStdString() +
                                       "». Если такой файл был, он остался прежним");
}

void previewGrid(GridView& grid, const QString& caption) {
    QPrintPreviewDialog dialog(grid.window());
    dialog.setWindowTitle(QStringLiteral("Печать"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&](QPrinter* printer) { printGrid(grid, caption, *printer); });
    dialog.exec();
}

}  // namespace

QString gridText(const GridView& grid) {
    return joined(grid, QLatin1Char('\t'), [](const QString& s) { return s; });
}

QString gridCsv(const GridView& grid) { return joined(grid, QLatin1Char(','), csvCell); }

bool saveTextFile(const QString& path, const QString& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray bytes = text.toUtf8();
    // An unfinished save file is removed with the object, the old file untouched.
    if (file.write(bytes) != bytes.size()) return false;
    return file.commit();
}

void printGrid(const GridView& grid, const QString& caption, QPrinter& printer) {
    const TextGridModel& model = *grid.gridModel();
    const int rows = shownRows(grid), cols = shownCols(grid);
    QString html = QStringLiteral("<h3>") + caption.toHtmlEscaped() +
                   QStringLiteral("</h3><table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">");
    for (int r = 0; r < rows; ++r) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < cols; ++c) {
            const bool fixed = (r == 0 && model.hasHeaderRow()) || (c == 0 && model.hasHeaderColumn());
            html += fixed ? QStringLiteral("<td bgcolor=\"#e0e0e0\">") : QStringLiteral("<td>");
            html += grid.shownCell(c, r).toHtmlEscaped() + QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    QTextDocument document;
    // The window's family at a size meant for paper: its pixel size would
    // print at the printer's resolution, far too small.
    QFont font = grid.font();
    font.setPointSize(11);
    document.setDefaultFont(font);
    document.setHtml(html);
    printer.setDocName(caption);
    document.print(&printer);
}

void addGridMenu(GridView& grid, Program& program, std::function<QString()> caption) {
    const auto add = [&grid](const char* name, const QString& text) {
        auto* action = new QAction(text, &grid);
        action->setObjectName(QLatin1String(name));
        grid.addAction(action);
        return action;
    };
    QObject::connect(add("gridCopy", QStringLiteral("Копировать")), &QAction::triggered, &grid,
                     [&grid] { copyGrid(grid); });
    QObject::connect(add("gridSave", QStringLiteral("Сохранить…")), &QAction::triggered, &grid,
                     [&grid, &program] { saveGrid(grid, program); });
    QObject::connect(add("gridPrint", QStringLiteral("Печать…")), &QAction::triggered, &grid,
                     [&grid, caption = std::move(caption)] { previewGrid(grid, caption()); });
    grid.setContextMenuPolicy(Qt::ActionsContextMenu);
}

}  // namespace trimel::ui
