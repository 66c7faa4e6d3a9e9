#include "SubjectsLayout.h"

#include <numeric>

namespace korvel {
namespace {

// The grid's width before the layout sizes it: the columns are shared out of it.
constexpr int kDesignGridWidth = 389;
constexpr QSize kToolButton(25, 21);
constexpr int kRowButtonWidth = kRowHeight;

int percentOf(int width, int percent)
{
    return width * percent / 100;
}

std::vector<int> columnWidths(bool hasVo2Max)
{
    const int w = kDesignGridWidth;
    if (hasVo2Max) {
        const int base = w - 3;
        const int number = percentOf(base, 3);
        const int code = percentOf(base, 5);
        const int result = percentOf(base, 13);
        const int name = base - number - code - 5 * result - 5;
        return {number, name, code, result, result, result, result, result};
    }
    const int number = percentOf(w, 5);
    const int code = percentOf(w, 8);
    const int result = percentOf(w, 13);
    const int name = w - number - code - 4 * result;
    return {number, name, code, result, result, result, result};
}

}  // namespace

SubjectsLayout subjectsLayout(QSize panel, int dataRows, bool hasVo2Max)
{
    SubjectsLayout layout;
    layout.exportButton = QRect(QPoint(panel.width() - kToolButton.width(), 0), kToolButton);
    layout.clearButton = QRect(QPoint(layout.exportButton.left() + 1 - kToolButton.width(), 0), kToolButton);
    layout.titleBar = QRect(0, 0, layout.clearButton.left() + 1, kToolButton.height());

    layout.columnWidths = columnWidths(hasVo2Max);
    const int sum = std::accumulate(layout.columnWidths.begin(), layout.columnWidths.end(), 0);
    const int frameWidth = sum + (hasVo2Max ? 28 : 8);
    const int frameHeight = kHeaderHeight + (kRowHeight + kGridLine) * dataRows + 2 * kGridBorder;
    const int below = panel.height() - layout.titleBar.height();
    const int left = (panel.width() - frameWidth) / 2 + kRowButtonWidth / 2;
    const int top = layout.titleBar.height() + (below - frameHeight) / 2;
    layout.frame = QRect(left, top, frameWidth, frameHeight);

    const int firstRowTop = top + kGridBorder + kHeaderHeight;
    for (int r = 0; r < dataRows; ++r) {
        layout.rowButtons.emplace_back(left - 1 - kRowButtonWidth, firstRowTop + r * (kRowHeight + kGridLine),
                                       kRowButtonWidth, kRowHeight);
    }
    return layout;
}

}  // namespace korvel
