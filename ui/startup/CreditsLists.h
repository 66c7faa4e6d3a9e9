#pragma once

#include <QStringList>

#include <vector>

namespace korvel {

// One credits list of the start-up window: section headings ending in a colon, each followed
// by its entries, an empty line between sections.
struct CreditsList {
    QString objectName;
    QStringList lines;
};

// The four lists: ListBox_Futbol, ListBox_Basket, ListBox_FutSal, ListBox_Voley.
std::vector<CreditsList> creditsLists();

}  // namespace korvel
