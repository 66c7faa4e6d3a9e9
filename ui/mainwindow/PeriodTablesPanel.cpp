#include "PeriodTablesPanel.h"

#include "EditionProfile.h"
#include "PaintBackground.h"
#include "PositiveWholeNumberDelegate.h"
#include "StoredColors.h"

#include <QLabel>
#include <QListWidget>

namespace korvel {
namespace {

constexpr StoredColor kPanelColor = 9165301;
constexpr StoredColor kWorkingColor = 8454143;
constexpr int kMargin = 4;
constexpr int kHeadingHeight = 16;
constexpr int kColumns = 6;

std::vector<std::string> linesOf(const QListWidget& list)
{
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(list.count()));
    for (int row = 0; row < list.count(); ++row) {
        lines.push_back(list.item(row)->text().toStdString());
    }
    return lines;
}

}  // namespace

PeriodTablesPanel::PeriodTablesPanel(const PeriodTable& workingTable, QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("PanelParametros"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    paintBackground(*this, toQColor(kPanelColor));
    resize(358, 267);

    addList(QStringLiteral("Fútbol"), profileFor(SportEdition::Futbol).periodTable, 0);
    addList(QStringLiteral("Baloncesto"), profileFor(SportEdition::Basket).periodTable, 1);
    addList(QStringLiteral("Fútbol-Sala"), profileFor(SportEdition::FutSal).periodTable, 2);
    addList(QStringLiteral("Voleibol"), profileFor(SportEdition::Voley).periodTable, 3);
    addList(QStringLiteral("Probst"), profileFor(SportEdition::Probst).periodTable, 4);
    workingList_ = addList(QString(), workingTable, 5);
    workingList_->setObjectName(QStringLiteral("MemoWorkingTable"));
    QPalette yellow = workingList_->palette();
    yellow.setColor(QPalette::Base, toQColor(kWorkingColor));
    workingList_->setPalette(yellow);

    connect(workingList_, &QListWidget::itemChanged, this,
            [this] { emit workingTableEdited(linesOf(*workingList_)); });
}

QListWidget* PeriodTablesPanel::addList(const QString& heading, const PeriodTable& table, int column)
{
    const int columnWidth = (width() - kMargin) / kColumns;
    const int left = kMargin + column * columnWidth;
    const int listWidth = columnWidth - kMargin;

    auto* caption = new QLabel(heading, this);
    caption->setGeometry(left, kMargin, listWidth, kHeadingHeight);
    caption->setAlignment(Qt::AlignCenter);

    auto* list = new QListWidget(this);
    list->setGeometry(left, kMargin + kHeadingHeight, listWidth, height() - 2 * kMargin - kHeadingHeight);
    list->setItemDelegate(new PositiveWholeNumberDelegate(list));
    list->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                          | QAbstractItemView::AnyKeyPressed);
    for (const std::string& line : table.lines()) {
        auto* item = new QListWidgetItem(QString::fromStdString(line), list);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    return list;
}

}  // namespace korvel
