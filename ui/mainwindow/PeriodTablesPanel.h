#pragma once

#include "PeriodTable.h"

#include <QFrame>

#include <string>
#include <vector>

class QListWidget;

namespace korvel {

// PanelParametros: the five editions' period tables and the working table of the edition in
// force, each an editable list of intervals in milliseconds. Only an edit of the working
// table matters: it paces the running test from the next tick.
class PeriodTablesPanel : public QFrame {
    Q_OBJECT

public:
    PeriodTablesPanel(const PeriodTable& workingTable, QWidget* parent = nullptr);

    QListWidget* workingList() const { return workingList_; }

signals:
    void workingTableEdited(const std::vector<std::string>& lines);

private:
    QListWidget* addList(const QString& heading, const PeriodTable& table, int column);

    QListWidget* workingList_ = nullptr;
};

}  // namespace korvel
