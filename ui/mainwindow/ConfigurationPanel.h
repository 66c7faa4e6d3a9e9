#pragma once

#include "CategoryTables.h"
#include "EditionProfile.h"
#include "RunConfiguration.h"

#include <QFrame>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace korvel {

class FlatRadioButton;
class PeriodField;
class PickList;

// "Configurar medición" (PanelTipo): the test mode, the initial period (also proposed from
// the players' sex and category) with its speed, and the warm-up option. Choosing a mode
// prepares a new test; the engine reads the panel when a test starts.
class ConfigurationPanel : public QFrame, public RunConfiguration {
    Q_OBJECT

public:
    ConfigurationPanel(const EditionProfile& profile, QWidget* parent = nullptr);

    std::optional<TestMode> testMode() const override;
    int initialPeriod() const override;
    bool warmUpOption() const override;

    std::optional<Category> category() const;
    Sex sex() const;

    // The highest initial period: the working table's entry count.
    void setPeriodMaximum(int maximum);
    // While a test runs the period field and the two lists take no input.
    void setTestRunning(bool running);
    // The "Velocidad inicial" box, which the live display keeps up to date.
    QLineEdit* speedBox() const { return speedBox_; }

signals:
    // A mode was chosen: the new-test command runs before the panel shows the mode's parts.
    void newTestRequested();
    // The speed shown must follow this period.
    void periodPreviewed(int period);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void placeControls();
    void FlatRadioButton1Click(FlatRadioButton* chosen);
    void SpinEdit1Change(int period);
    void ComboBoxCategoriaChange();
    void highlightCaptions(const FlatRadioButton* pointed);

    const EditionProfile& profile_;
    QLabel* title_ = nullptr;
    FlatRadioButton* effortOption_ = nullptr;
    FlatRadioButton* repeatOption_ = nullptr;
    QCheckBox* warmUp_ = nullptr;
    QLabel* categoryHeading_ = nullptr;
    QFrame* categoryBox_ = nullptr;
    PickList* sexList_ = nullptr;
    PickList* categoryList_ = nullptr;
    QLabel* periodHeading_ = nullptr;
    QFrame* periodBox_ = nullptr;
    PeriodField* periodField_ = nullptr;
    QLabel* speedHeading_ = nullptr;
    QLineEdit* speedBox_ = nullptr;
};

}  // namespace korvel
