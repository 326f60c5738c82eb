#include "ui/GridExport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <algorithm>
#include <numeric>
#include <vector>

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
    const QString path =
        program.chooseSaveFile(&grid, QStringLiteral("Сохранение таблицы"),
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

QString gridCsv(const GridView& grid) {
    return joined(grid, QLatin1Char(','), csvCell);
}

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
    const bool headerRow = model.hasHeaderRow();
    printer.setDocName(caption);
    QPainter painter;
    if (!painter.begin(&printer)) return;

    // The window's family at a size meant for paper: its pixel size would
    // print at the printer's resolution, far too small. A grid of 10000
    // draws is drawn row by row, a page at a time, never laid out whole.
    QFont font = grid.font();
    font.setPointSize(10);
    QFont bold = font;
    bold.setBold(true);
    const QFontMetrics metrics(font, &printer);
    const int pad = metrics.averageCharWidth() / 2 + 1;
    const int rowHeight = metrics.height() + 2 * pad;
    std::vector<int> widths(static_cast<std::size_t>(cols), 0);
    std::vector<QString> texts(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            QString& text = texts[static_cast<std::size_t>(r) * static_cast<std::size_t>(cols) +
                                  static_cast<std::size_t>(c)];
            text = grid.shownCell(c, r);
            widths[static_cast<std::size_t>(c)] = std::max(
                widths[static_cast<std::size_t>(c)], metrics.horizontalAdvance(text) + 2 * pad);
        }
    const int tableWidth = std::accumulate(widths.begin(), widths.end(), 0);

    const QRect area(QPoint(0, 0),
                     printer.pageLayout().paintRectPixels(printer.resolution()).size());
    // A table wider than the page is drawn smaller; its rows then take less height too.
    const double scale = tableWidth > area.width() ? double(area.width()) / tableWidth : 1.0;
    const int captionHeight = rowHeight * 2;
    const int bodyRows = headerRow ? rows - 1 : rows;
    const int perPage =
        std::max(1, int((area.height() / scale - captionHeight) / rowHeight) - (headerRow ? 1 : 0));
    const int pages = std::max(1, (bodyRows + perPage - 1) / perPage);

    const auto drawRow = [&](int r, int y) {
        int x = 0;
        for (int c = 0; c < cols; ++c) {
            const int w = widths[static_cast<std::size_t>(c)];
            const QRect cell(x, y, w, rowHeight);
            if ((r == 0 && headerRow) || (c == 0 && model.hasHeaderColumn()))
                painter.fillRect(cell, QColor(0xe0, 0xe0, 0xe0));
            painter.drawRect(cell);
            painter.drawText(cell.adjusted(pad, 0, -pad, 0), Qt::AlignLeft | Qt::AlignVCenter,
                             texts[static_cast<std::size_t>(r) * static_cast<std::size_t>(cols) +
                                   static_cast<std::size_t>(c)]);
            x += w;
        }
    };
    // Pages the print dialog left out are skipped.
    const int from = printer.fromPage() > 0 ? printer.fromPage() : 1;
    const int to = printer.toPage() > 0 ? std::min(printer.toPage(), pages) : pages;
    for (int page = from; page <= to; ++page) {
        if (page > from) printer.newPage();
        painter.save();
        painter.scale(scale, scale);
        painter.setPen(QPen(Qt::black, 0));
        painter.setFont(bold);
        painter.drawText(
            QRect(0, 0, int(area.width() / scale), rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
            pages > 1 ? caption + QStringLiteral(" (лист %1 из %2)").arg(page).arg(pages)
                      : caption);
        painter.setFont(font);
        int y = captionHeight;
        if (headerRow) {
            drawRow(0, y);
            y += rowHeight;
        }
        const int first = (page - 1) * perPage;
        for (int i = first; i < std::min(bodyRows, first + perPage); ++i, y += rowHeight)
            drawRow(i + (headerRow ? 1 : 0), y);
        painter.restore();
    }
    painter.end();
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
