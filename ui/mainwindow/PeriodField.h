#pragma once

#include <QSpinBox>

namespace korvel {

// The initial-period field: its value moves by one with its arrows and the Up and Down keys;
// typed characters are dropped, so no value outside the steps can be entered.
class PeriodField : public QSpinBox {
    Q_OBJECT

public:
    explicit PeriodField(QWidget* parent = nullptr);
};

}  // namespace korvel
