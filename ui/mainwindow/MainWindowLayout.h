#pragma once

#include <QRect>
#include <QSize>

#include <array>

namespace korvel {

// Places of the main window's parts in client coordinates, worked out from the client size
// and the parts' design sizes.
struct MainWindowLayout {
    static constexpr int kCommandCount = 6;

    std::array<QRect, kCommandCount> commandButtons;  // "Salir" to "A cerca de..."
    QRect courtPanel;
    QRect panelDuracion;     // live counters
    QRect panelVelocidad;    // phase banner, gauge and marks
    QRect panelTipo;         // configuration panel, covering the two above
    QRect panelDeportistas;  // subjects table
    QRect panelParametros;   // protocol tables, mostly outside the client area
};

MainWindowLayout layOutMainWindow(QSize client);

}  // namespace korvel
