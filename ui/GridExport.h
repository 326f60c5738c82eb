#pragma once

#include <QString>
#include <functional>

class QPrinter;

namespace trimel::ui {

class GridView;
class Program;

// The whole grid as shown, header row and column included: one line a
// row, cells parted by tabs.
QString gridText(const GridView& grid);

// The same as CSV: cells parted by commas, a cell with a comma, a quote or
// a line break quoted, quotes doubled.
QString gridCsv(const GridView& grid);

// Writes `text` (UTF-8) through a temporary file beside `path`, which
// replaces the old file only once it is complete, so a failed save leaves
// the old file whole. False when it fails.
bool saveTextFile(const QString& path, const QString& text);

// Prints the grid as shown under a caption, over as many pages as it takes,
// the header row on every page; a grid wider than the page is drawn smaller.
void printGrid(const GridView& grid, const QString& caption, QPrinter& printer);

// Gives the grid its context menu: "Копировать" (the selection, or the
// whole grid), "Сохранить…" (a text or CSV file) and "Печать…" (with a
// preview). `caption` names what the grid shows, for the printed page.
void addGridMenu(GridView& grid, Program& program, std::function<QString()> caption);

}  // namespace trimel::ui
