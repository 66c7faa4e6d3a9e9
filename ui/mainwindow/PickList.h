#pragma once

#include <QComboBox>

namespace korvel {

// A drop-down list that changes only by picking from it or with the arrow keys: typed
// characters, which would otherwise jump to a matching item, are dropped.
class PickList : public QComboBox {
    Q_OBJECT

public:
    explicit PickList(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace korvel
