#pragma once

#include "SubjectColumn.h"

#include <QLineEdit>

namespace korvel {

// The in-place editor of a Name or Code cell. A refused character typed is dropped; text
// arriving any other way (pasted, dropped) keeps only what the table would keep, so the
// operator sees while typing exactly what the cell will hold.
class CellEditor : public QLineEdit {
    Q_OBJECT

public:
    CellEditor(SubjectColumn column, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void keepAccepted(const QString& edited);

    SubjectColumn column_;
};

}  // namespace korvel
