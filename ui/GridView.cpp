#include "ui/GridView.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <algorithm>
#include <climits>

namespace trimel::ui {

// Grid lines take one pixel that the toolkit counts into a section, while
// the grid's widths and heights are the cells' own.
constexpr int kLine = 1;

TextGridModel::TextGridModel(const TextGrid& grid, QObject* parent)
    : QAbstractTableModel(parent),
      grid_(grid),
      seen_(grid.version()),
      rows_(std::max(0, grid.rowCount() - rowOffset())),
      cols_(std::max(0, grid.colCount() - colOffset())) {}

int TextGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int TextGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

QVariant TextGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole)
        return QString::fromStdString(
            grid_.cell(index.column() + colOffset(), index.row() + rowOffset()));
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

QVariant TextGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) {
        if (!hasHeaderRow()) return {};
        return QString::fromStdString(grid_.cell(section + colOffset(), 0));
    }
    if (!hasHeaderColumn()) return {};
    return QString::fromStdString(grid_.cell(0, section + rowOffset()));
}

Qt::ItemFlags TextGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void TextGridModel::sync() {
    if (grid_.version() == seen_) return;
    beginResetModel();
    seen_ = grid_.version();
    rows_ = std::max(0, grid_.rowCount() - rowOffset());
    cols_ = std::max(0, grid_.colCount() - colOffset());
    endResetModel();
}

GridView::GridView(const TextGrid& grid, int rowHeight, QColor fixedColour, QWidget* parent)
    : QTableView(parent), model_(new TextGridModel(grid, this)), rowHeight_(rowHeight) {
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    const QString fixed = fixedColour.name();
    setStyleSheet(QStringLiteral("QHeaderView::section { background-color: %1; color: black;"
                                 " border: none; border-right: 1px solid gray;"
                                 " border-bottom: 1px solid gray; padding: 0px 2px; }"
                                 "QTableView { gridline-color: silver; }"
                                 "QTableView::item { padding: 0px 2px; }")
                      .arg(fixed));

    QHeaderView* top = horizontalHeader();
    top->setSectionResizeMode(QHeaderView::Fixed);
    top->setMinimumSectionSize(1);
    // Columns at the grid's default width get it all at once, new ones
    // included; only the others are resized one by one (see
    // applyColumnWidths), each of which costs a pass over the header.
    top->setDefaultSectionSize(std::max(0, grid.defaultColWidth()) + kLine);
    top->setSectionsClickable(false);
    top->setHighlightSections(false);
    top->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    top->setFixedHeight(rowHeight + kLine);
    top->setVisible(model_->hasHeaderRow());

    QHeaderView* side = verticalHeader();
    side->setSectionResizeMode(QHeaderView::Fixed);
    side->setMinimumSectionSize(1);
    side->setDefaultSectionSize(rowHeight + kLine);
    side->setSectionsClickable(false);
    side->setHighlightSections(false);
    side->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    side->setVisible(model_->hasHeaderColumn());

    applyColumnWidths();
}

void GridView::sync() {
    model_->sync();
    applyColumnWidths();
}

void GridView::applyColumnWidths() {
    const TextGrid& grid = model_->grid();
    const int offset = model_->hasHeaderColumn() ? 1 : 0;
    if (offset) verticalHeader()->setFixedWidth(std::max(0, grid.colWidth(0)) + kLine);
    QHeaderView* top = horizontalHeader();
    const int cols = model_->columnCount();
    for (int c = 0; c < cols; ++c) {
        const int width = std::max(0, grid.colWidth(c + offset)) + kLine;
        if (top->sectionSize(c) != width) top->resizeSection(c, width);
    }
}

int GridView::shownColumnWidth(int col) const {
    const bool fixedCol = model_->hasHeaderColumn();
    if (fixedCol && col == 0) return verticalHeader()->width() - kLine;
    const int section = col - (fixedCol ? 1 : 0);
    if (section < 0 || section >= model_->columnCount()) return 0;
    return horizontalHeader()->sectionSize(section) - kLine;
}

QString GridView::shownCell(int col, int row) const {
    const bool fixedRow = model_->hasHeaderRow();
    const bool fixedCol = model_->hasHeaderColumn();
    const int r = row - (fixedRow ? 1 : 0);
    const int c = col - (fixedCol ? 1 : 0);
    if (fixedRow && row == 0)
        return model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    if (fixedCol && col == 0)
        return model_->headerData(r, Qt::Vertical, Qt::DisplayRole).toString();
    return model_->index(r, c).data().toString();
}

QString GridView::selectionText() const {
    const QModelIndexList chosen = selectionModel()->selectedIndexes();
    if (chosen.isEmpty()) return {};
    int top = INT_MAX, left = INT_MAX, bottom = -1, right = -1;
    for (const QModelIndex& i : chosen) {
        top = std::min(top, i.row());
        bottom = std::max(bottom, i.row());
        left = std::min(left, i.column());
        right = std::max(right, i.column());
    }
    QString text;
    for (int r = top; r <= bottom; ++r) {
        for (int c = left; c <= right; ++c) {
            if (c > left) text += QLatin1Char('\t');
            const QModelIndex i = model_->index(r, c);
            if (selectionModel()->isSelected(i)) text += i.data().toString();
        }
        text += QLatin1Char('\n');
    }
    return text;
}

void GridView::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Copy) {
        QApplication::clipboard()->setText(selectionText());
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

}  // namespace trimel::ui
