#include "CommandBar.h"

#include "FlatButton.h"
#include "StoredColors.h"

namespace korvel {
namespace {

struct CommandLook {
    const char* objectName;
    const char* caption;
    const char* icon;
};

constexpr std::array<CommandLook, CommandBar::kCount> kLooks{{
    {"BitBtnSalir", "Salir", ":/mainwindow/power.svg"},
    {"BitBtnNuevo", "Nuevo Test", ":/mainwindow/light.svg"},
    {"BitBtnStart", "Iniciar prueba", ":/mainwindow/play.svg"},
    {"BitBtnStop", "Fin de la prueba", ":/mainwindow/pause.svg"},
    {"BitBtnAyuda", "Ayuda", ":/mainwindow/question.svg"},
    {"BitBtnGrupo", "A cerca de...", ":/mainwindow/smiley.svg"},
}};

// Enabled buttons per situation, in the order of the commands.
using Availability = std::array<bool, CommandBar::kCount>;
constexpr Availability kOpened{true, false, false, false, true, true};
constexpr Availability kReady{true, false, true, false, true, true};
constexpr Availability kRunning{false, false, false, true, false, false};
constexpr Availability kEnded{true, true, false, false, true, true};

const Availability& availabilityIn(CommandBar::Situation situation)
{
    switch (situation) {
    case CommandBar::Situation::Ready:
        return kReady;
    case CommandBar::Situation::Running:
        return kRunning;
    case CommandBar::Situation::Ended:
        return kEnded;
    case CommandBar::Situation::Opened:
        break;
    }
    return kOpened;
}

}  // namespace

CommandBar::CommandBar(const EditionProfile& profile, QWidget* window) : QObject(window)
{
    QFont caption(QStringLiteral("Arial"));
    caption.setPixelSize(15);
    for (std::size_t i = 0; i < kCount; ++i) {
        auto* button = new FlatButton(window);
        button->setObjectName(QLatin1String(kLooks[i].objectName));
        button->setText(QString::fromUtf8(kLooks[i].caption));
        button->setIcon(QIcon(QLatin1String(kLooks[i].icon)));
        button->setIconSize(QSize(24, 24));
        button->setFont(caption);
        button->setCaptionColor(Qt::white);
        button->setBorderColor(Qt::black);
        button->setFaceColors(toQColor(profile.panelColor), toQColor(profile.highlightColor),
                              toQColor(profile.backColor));
        buttons_[i] = button;
    }
    setSituation(Situation::Opened);
}

void CommandBar::setSituation(Situation situation)
{
    const Availability& enabled = availabilityIn(situation);
    for (std::size_t i = 0; i < kCount; ++i) {
        buttons_[i]->setEnabled(enabled[i]);
    }
}

}  // namespace korvel
