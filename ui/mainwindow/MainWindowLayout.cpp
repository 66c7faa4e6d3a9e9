#include "MainWindowLayout.h"

#include "LiveDisplay.h"

namespace korvel {
namespace {

// Design sizes and margins; every place below is computed from them.
constexpr int kCommandTop = 1;
constexpr int kCommandHeight = 53;
constexpr int kCommandGap = 1;
constexpr QSize kCourtSize(332, 489);
constexpr int kCourtLeft = 468;
constexpr int kCourtBottomMargin = 24;
constexpr int kWorkLeft = 26;
constexpr int kWorkWidth = 437;
constexpr int kDuracionHeight = 98;
constexpr int kMarkMargin = 4;
constexpr int kPanelGap = 5;
constexpr QRect kParametros(761, -52, 358, 267);

// Delphi-style bottom: the first row below the rectangle.
int bottomOf(const QRect& r)
{
    return r.y() + r.height();
}

}  // namespace

MainWindowLayout layOutMainWindow(QSize client)
{
    MainWindowLayout layout;

    const int buttonWidth = client.width() / MainWindowLayout::kCommandCount;
    int left = kCommandGap;
    for (int i = 0; i < MainWindowLayout::kCommandCount - 1; ++i) {
        layout.commandButtons[i] = QRect(left, kCommandTop, buttonWidth, kCommandHeight);
        left += buttonWidth + kCommandGap;
    }
    layout.commandButtons.back() = QRect(left, kCommandTop, client.width() - kCommandGap - left, kCommandHeight);

    const int workTop = client.height() - kCourtSize.height() - kCourtBottomMargin;
    layout.courtPanel = QRect(QPoint(kCourtLeft, workTop), kCourtSize);
    layout.panelDuracion = QRect(kWorkLeft, workTop, kWorkWidth, kDuracionHeight);
    layout.panelVelocidad = QRect(kWorkLeft, bottomOf(layout.panelDuracion) + kPanelGap, kWorkWidth,
                                  LiveDisplay::kMarkHeight + kMarkMargin);
    layout.panelTipo = QRect(kWorkLeft, workTop, kWorkWidth, bottomOf(layout.panelVelocidad) - workTop);
    const int subjectsTop = bottomOf(layout.panelVelocidad) + kPanelGap;
    layout.panelDeportistas =
        QRect(kWorkLeft, subjectsTop, kWorkWidth, bottomOf(layout.courtPanel) - subjectsTop);
    layout.panelParametros = kParametros;
    return layout;
}

}  // namespace korvel
