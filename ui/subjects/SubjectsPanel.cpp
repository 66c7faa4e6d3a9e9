#include "SubjectsPanel.h"

#include "FlatButton.h"
#include "FlatLabels.h"
#include "NamedColors.h"
#include "PaintBackground.h"
#include "StoredColors.h"
#include "SubjectsGrid.h"
#include "SubjectsIcons.h"
#include "SubjectsLayout.h"
#include "SubjectsTable.h"
#include "SubjectsTableModel.h"
#include "TestRun.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenu>

namespace korvel {
namespace {

const QColor kRowButtonBorder(0, 150, 0);

FlatButton* makeToolButton(const QString& name, const QString& hint, const QIcon& icon,
                           const EditionProfile& profile, QWidget* parent)
{
    auto* button = new FlatButton(parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setIcon(icon);
    button->setIconSize(QSize(20, 20));
    button->setFaceColors(toQColor(profile.panelColor), toQColor(profile.highlightColor), toQColor(profile.backColor));
    button->setEnabled(false);
    return button;
}

}  // namespace

SubjectsPanel::SubjectsPanel(const EditionProfile& profile, SubjectsTable& table, const TestRun& run,
                             QWidget* parent)
    : QFrame(parent), table_(table), run_(run)
{
    setObjectName(QStringLiteral("PanelDeportistas"));
    paintBackground(*this, toQColor(profile.panelColor));

    titleBar_ = makeTitleBar(QStringLiteral("Deportistas"), toQColor(profile.highlightColor), this);
    clearButton_ = makeToolButton(QStringLiteral("BtnBorrarTabla"),
                                  QStringLiteral("Borrar todos los datos de la Tabla de resultados de los sujetos"),
                                  clearTableIcon(), profile, this);
    exportButton_ = makeToolButton(QStringLiteral("BtnExportDatos"),
                                   QStringLiteral("Exportar los registros de todos los Sujetos"), exportIcon(),
                                   profile, this);
    connect(clearButton_, &QAbstractButton::clicked, this, &SubjectsPanel::clearRequested);
    connect(exportButton_, &QAbstractButton::clicked, this, [this] {
        grid_->commitEdit();
        emit exportRequested();
    });

    model_ = new SubjectsTableModel(table_, this);
    grid_ = new SubjectsGrid(*model_, this);

    for (int row = 1; row <= table_.rowCount(); ++row) {
        auto* button = new FlatButton(this);
        button->setObjectName(QStringLiteral("B%1").arg(row, 2, 10, QLatin1Char('0')));
        button->setIcon(rowButtonIcon());
        button->setIconSize(QSize(13, 13));
        button->setFaceColors(kSilver, kSilver, kSilver.darker(115));
        button->setBorderColor(kRowButtonBorder);
        button->setFocusPolicy(Qt::NoFocus);
        button->setMouseTracking(true);
        button->installEventFilter(this);
        connect(button, &QAbstractButton::clicked, this, [this, row] { emit rowButtonPressed(row); });
        rowButtons_.push_back(button);
        showStopButton(row);
    }
    connect(model_, &SubjectsTableModel::stopButtonChanged, this, &SubjectsPanel::showStopButton);

    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("PopupMenu_HG"));
    reactivate_ = popup_->addAction(reactivateIcon(), QStringLiteral("Volver a activar..."));
    reactivate_->setObjectName(QStringLiteral("Volveraactivar1"));
    connect(popup_, &QMenu::aboutToShow, this, &SubjectsPanel::preparePopup);
    connect(reactivate_, &QAction::triggered, this, &SubjectsPanel::reactivateSelectedRow);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popup_->popup(grid_->viewport()->mapToGlobal(at)); });

    layOut();
}

SubjectsPanel::~SubjectsPanel()
{
    // The grid and its editors go first, while the model they commit to still exists.
    delete grid_;
}

void SubjectsPanel::showResultsButtons(ResultsButtons buttons)
{
    exportButton_->setEnabled(buttons.exportAvailable);
    clearButton_->setEnabled(buttons.clearAvailable);
}

void SubjectsPanel::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    layOut();
}

bool SubjectsPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        for (std::size_t i = 0; i < rowButtons_.size(); ++i) {
            if (watched == rowButtons_[i]) {
                table_.pointerOverRowButton(static_cast<int>(i) + 1);
            }
        }
    }
    return QFrame::eventFilter(watched, event);
}

void SubjectsPanel::layOut()
{
    const SubjectsLayout layout =
        subjectsLayout(size(), table_.rowCount(), table_.hasColumn(SubjectColumn::Vo2Max));
    titleBar_->setGeometry(layout.titleBar);
    clearButton_->setGeometry(layout.clearButton);
    exportButton_->setGeometry(layout.exportButton);
    exportButton_->raise();
    grid_->setGeometry(layout.frame);
    grid_->setColumnWidths(layout.columnWidths);
    for (std::size_t i = 0; i < rowButtons_.size(); ++i) {
        rowButtons_[i]->setGeometry(layout.rowButtons[i]);
    }
}

void SubjectsPanel::showStopButton(int row)
{
    rowButtons_.at(static_cast<std::size_t>(row - 1))->setVisible(table_.isActive(row));
}

void SubjectsPanel::preparePopup()
{
    reactivate_->setEnabled(table_.reactivateItemEnabled(run_.isRunning(), run_.warmUpActive()));
}

void SubjectsPanel::reactivateSelectedRow()
{
    table_.reactivateSelectedRow(run_.isRunning(), run_.warmUpActive());
}

}  // namespace korvel
