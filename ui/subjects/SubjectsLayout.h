#pragma once

#include <QRect>

#include <vector>

namespace korvel {

// Where the parts of the subjects panel go, worked out from the panel's size, the number of
// data rows and whether the VO2max column is there. Rectangles are in panel coordinates.
struct SubjectsLayout {
    QRect titleBar;                 // "Deportistas", from the left edge one pixel into the clear button
    QRect clearButton;              // left of the export button, overlapping it by one pixel
    QRect exportButton;             // right-aligned in the top row
    QRect frame;                    // the grid with its one-pixel border
    std::vector<int> columnWidths;  // cell widths, without the grid line that follows each cell
    std::vector<QRect> rowButtons;  // B01 onwards, level with data rows 1 onwards
};

constexpr int kHeaderHeight = 31;  // the grid's title row
constexpr int kRowHeight = 19;     // a data row; a one-pixel grid line follows it
constexpr int kGridLine = 1;
constexpr int kGridBorder = 1;

SubjectsLayout subjectsLayout(QSize panel, int dataRows, bool hasVo2Max);

}  // namespace korvel
