#pragma once

#include "EditionProfile.h"

#include <QFrame>

class QLabel;

namespace korvel {

class EffectLabel;
class FlatButton;

// PanelInicio: covers the main window until "&Empezar..." with the edition's picture, title
// and subtitle and the buttons "Acerca de..." and "&Empezar...".
class StartPanel : public QFrame {
    Q_OBJECT

public:
    StartPanel(const EditionProfile& profile, QWidget* parent = nullptr);

signals:
    void startRequested();
    void aboutRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* picture_ = nullptr;
    EffectLabel* title_ = nullptr;
    EffectLabel* subtitle_ = nullptr;
    FlatButton* about_ = nullptr;
    FlatButton* start_ = nullptr;
};

}  // namespace korvel
