#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QTableView>
#include <cstdint>

#include "engine/TextGrid.h"

namespace trimel::ui {

// A table model over a core text grid. A fixed row (row 0) becomes the
// horizontal header and a fixed column (column 0) the vertical header, so
// neither scrolls away; the other cells are the model's rows and columns.
// Nothing is copied: the grid is read as it is painted.
class TextGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit TextGridModel(const TextGrid& grid, QObject* parent = nullptr);

    const TextGrid& grid() const { return grid_; }
    bool hasHeaderRow() const { return grid_.fixedRows() > 0; }
    bool hasHeaderColumn() const { return grid_.fixedCols() > 0; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Tells the views when the grid was written since the last call.
    void sync();

  private:
    int rowOffset() const { return hasHeaderRow() ? 1 : 0; }
    int colOffset() const { return hasHeaderColumn() ? 1 : 0; }

    const TextGrid& grid_;
    std::uint64_t seen_;
    int rows_;
    int cols_;
};

// A read-only grid of texts over a TextGrid: fixed row height, column
// widths from the grid, headers in the fixed colour, cells selectable and
// copied with Ctrl+C as tab-separated lines.
class GridView : public QTableView {
    Q_OBJECT
  public:
    GridView(const TextGrid& grid, int rowHeight, QColor fixedColour, QWidget* parent = nullptr);

    TextGridModel* gridModel() const { return model_; }

    // Re-reads the grid's contents and its column widths.
    void sync();
    // Applies the grid's column widths only.
    void applyColumnWidths();

    // Width of grid column `col` (0-based, fixed column included) as shown.
    int shownColumnWidth(int col) const;
    // Text of grid cell (col, row) as shown, header cells included.
    QString shownCell(int col, int row) const;

    // The selected cells as tab-separated lines over their bounding box.
    QString selectionText() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    TextGridModel* model_;
    int rowHeight_;
};

}  // namespace trimel::ui
