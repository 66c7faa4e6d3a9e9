#include "ConfigurationPanel.h"

#include "FlatLabels.h"
#include "FlatRadioButton.h"
#include "NamedColors.h"
#include "PaintBackground.h"
#include "PeriodField.h"
#include "PickList.h"
#include "StoredColors.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace korvel {
namespace {

// Design places in the panel; the tops of the boxes follow from their headings.
constexpr QRect kTitle(0, 0, 437, 18);
constexpr QRect kEffortOption(52, 72, 215, 21);
constexpr QRect kRepeatOption(52, 103, 150, 21);
constexpr QRect kWarmUp(217, 27, 188, 14);
constexpr QRect kCategoryHeading(217, 45, 196, 15);
constexpr QRect kCategoryBox(217, 0, 196, 28);
constexpr QRect kSexList(18, 3, 76, 22);
constexpr QRect kCategoryList(104, 3, 73, 22);
constexpr QRect kPeriodHeading(217, 90, 104, 16);
constexpr QRect kPeriodBox(217, 0, 97, 29);
constexpr QRect kPeriodField(25, 4, 40, 26);
constexpr QRect kSpeedHeading(310, 90, 103, 16);
constexpr QRect kSpeedBox(317, 0, 96, 29);

const QColor kOptionDot = toQColor(5411654);
const QColor kOptionPressed = toQColor(10538392);

// A box hangs one pixel into the bottom of its heading.
QRect hungBelow(const QRect& heading, QRect box)
{
    box.moveTop(heading.y() + heading.height() - 1);
    return box;
}

QLabel* makeNamedHeading(QWidget* parent, const char* name, const QString& caption)
{
    QLabel* heading = makeHeading(caption, parent);
    heading->setObjectName(QLatin1String(name));
    return heading;
}

QFrame* makeBox(QWidget* parent, const char* name)
{
    auto* box = new QFrame(parent);
    box->setObjectName(QLatin1String(name));
    box->setFrameShape(QFrame::Panel);
    box->setFrameShadow(QFrame::Raised);
    paintBackground(*box, kSilver);
    return box;
}

const QString kFieldStyle = QStringLiteral(
    "QSpinBox { background-color: rgb(238, 238, 238); border: 1px solid rgb(128, 128, 128); color: black; }"
    "QSpinBox::up-button, QSpinBox::down-button { background-color: rgb(221, 221, 221); width: 12px;"
    " border-left: 1px solid rgb(128, 128, 128); }"
    "QSpinBox::up-button { subcontrol-position: top right; border-bottom: 1px solid rgb(128, 128, 128); }"
    "QSpinBox::down-button { subcontrol-position: bottom right; }"
    "QSpinBox::up-arrow { image: url(:/mainwindow/arrow-up.svg); }"
    "QSpinBox::down-arrow { image: url(:/mainwindow/arrow-down.svg); }");
const QString kListStyle = QStringLiteral(
    "QComboBox { background-color: rgb(238, 238, 238); border: 1px solid rgb(128, 128, 128);"
    " color: black; padding-left: 3px; }"
    "QComboBox::drop-down { background-color: rgb(221, 221, 221); width: 14px;"
    " border-left: 1px solid rgb(128, 128, 128); }"
    "QComboBox::down-arrow { image: url(:/mainwindow/arrow-down.svg); }");
const QString kCheckStyle = QStringLiteral("QCheckBox { spacing: 1px; }");

}  // namespace

ConfigurationPanel::ConfigurationPanel(const EditionProfile& profile, QWidget* parent)
    : QFrame(parent), profile_(profile)
{
    setObjectName(QStringLiteral("PanelTipo"));
    paintBackground(*this, toQColor(profile_.panelColor));
    setMouseTracking(true);
    buildControls();
    placeControls();

    connect(effortOption_, &QAbstractButton::toggled, this, [this](bool on) {
        if (on) {
            FlatRadioButton1Click(effortOption_);
        }
    });
    connect(repeatOption_, &QAbstractButton::toggled, this, [this](bool on) {
        if (on) {
            FlatRadioButton1Click(repeatOption_);
        }
    });
    connect(periodField_, &QSpinBox::valueChanged, this, &ConfigurationPanel::SpinEdit1Change);
    connect(sexList_, &QComboBox::currentIndexChanged, this, &ConfigurationPanel::ComboBoxCategoriaChange);
    connect(categoryList_, &QComboBox::currentIndexChanged, this, &ConfigurationPanel::ComboBoxCategoriaChange);
}

void ConfigurationPanel::buildControls()
{
    title_ = makeNamedHeading(this, "PanelConfigurar", QStringLiteral("Configurar medición"));

    const auto makeOption = [this](const char* name, const QString& caption) {
        auto* option = new FlatRadioButton(this);
        option->setObjectName(QLatin1String(name));
        option->setText(caption);
        option->setFont(arialFont(15, true));
        option->setCaptionColor(toQColor(profile_.backColor));
        option->setMarkColors(Qt::black, kOptionDot, kOptionPressed);
        option->setMouseTracking(true);
        option->installEventFilter(this);
        return option;
    };
    effortOption_ = makeOption("FlatRadioButton3", QStringLiteral("Test de esfuerzo"));
    repeatOption_ = makeOption("FlatRadioButton2", QStringLiteral("Repetir periodo ..."));

    warmUp_ = new QCheckBox(QStringLiteral(" Iniciar con fase de Calentamiento"), this);
    warmUp_->setObjectName(QStringLiteral("CheckBox_Calentamiento"));
    QFont small(QStringLiteral("MS Sans Serif"));
    small.setPixelSize(12);
    warmUp_->setFont(small);
    QPalette navyText = warmUp_->palette();
    navyText.setColor(QPalette::WindowText, kNavy);
    warmUp_->setPalette(navyText);
    warmUp_->setStyleSheet(kCheckStyle);
    warmUp_->setChecked(true);

    categoryHeading_ = makeNamedHeading(this, "FlatPanel21", QStringLiteral("Categoría"));
    categoryBox_ = makeBox(this, "FlatPanel15");
    sexList_ = new PickList(categoryBox_);
    sexList_->setObjectName(QStringLiteral("ComboBoxSexo"));
    sexList_->addItems({QStringLiteral("Masculina"), QStringLiteral("Femenina")});
    sexList_->setCurrentIndex(static_cast<int>(Sex::Masculina));
    categoryList_ = new PickList(categoryBox_);
    categoryList_->setObjectName(QStringLiteral("ComboBoxCategoria"));
    categoryList_->addItems({QStringLiteral("Cadete"), QStringLiteral("Juvenil"), QStringLiteral("Senior")});
    // No category is chosen at first, although the list reads "Cadete".
    categoryList_->setPlaceholderText(QStringLiteral("Cadete"));
    categoryList_->setCurrentIndex(-1);
    for (PickList* list : {sexList_, categoryList_}) {
        list->setStyleSheet(kListStyle);
        list->setFont(arialFont(11, false));
    }

    periodHeading_ = makeNamedHeading(this, "FlatPanel22", QStringLiteral("Periodo inicial"));
    periodBox_ = makeBox(this, "FlatPanel23");
    periodField_ = new PeriodField(periodBox_);
    periodField_->setObjectName(QStringLiteral("SpinEdit1"));
    periodField_->setStyleSheet(kFieldStyle);
    periodField_->setFont(arialFont(13, true));

    speedHeading_ = makeNamedHeading(this, "FlatPanel8", QStringLiteral("Velocidad inicial"));
    speedBox_ = new QLineEdit(QStringLiteral("4,2 Km/h"), this);
    speedBox_->setObjectName(QStringLiteral("LabelVelocidad"));
    speedBox_->setReadOnly(true);
    speedBox_->setFocusPolicy(Qt::NoFocus);
    speedBox_->setAlignment(Qt::AlignCenter);
    speedBox_->setFont(arialFont(15, true));
    QPalette green = speedBox_->palette();
    green.setColor(QPalette::Base, kSilver);
    green.setColor(QPalette::Text, kGreen);
    speedBox_->setPalette(green);

    // Until a mode is chosen only the title and the two options show.
    for (QWidget* part : {static_cast<QWidget*>(warmUp_), static_cast<QWidget*>(categoryHeading_),
                          static_cast<QWidget*>(categoryBox_), static_cast<QWidget*>(periodHeading_),
                          static_cast<QWidget*>(periodBox_), static_cast<QWidget*>(speedHeading_),
                          static_cast<QWidget*>(speedBox_)}) {
        part->hide();
    }
}

void ConfigurationPanel::placeControls()
{
    title_->setGeometry(kTitle);
    effortOption_->setGeometry(kEffortOption);
    repeatOption_->setGeometry(kRepeatOption);
    // The caption's font may be wider than the one the design was made with: never cut it.
    warmUp_->setGeometry(kWarmUp.adjusted(0, 0, std::max(0, warmUp_->sizeHint().width() - kWarmUp.width()), 0));
    categoryHeading_->setGeometry(kCategoryHeading);
    categoryBox_->setGeometry(hungBelow(kCategoryHeading, kCategoryBox));
    sexList_->setGeometry(kSexList);
    categoryList_->setGeometry(kCategoryList);
    periodHeading_->setGeometry(kPeriodHeading);
    periodBox_->setGeometry(hungBelow(kPeriodHeading, kPeriodBox));
    periodField_->setGeometry(kPeriodField);
    speedHeading_->setGeometry(kSpeedHeading);
    speedBox_->setGeometry(hungBelow(kSpeedHeading, kSpeedBox));
}

std::optional<TestMode> ConfigurationPanel::testMode() const
{
    if (effortOption_->isChecked()) {
        return TestMode::EffortTest;
    }
    if (repeatOption_->isChecked()) {
        return TestMode::RepeatPeriod;
    }
    return std::nullopt;
}

int ConfigurationPanel::initialPeriod() const
{
    return periodField_->value();
}

bool ConfigurationPanel::warmUpOption() const
{
    return warmUp_->isChecked();
}

std::optional<Category> ConfigurationPanel::category() const
{
    const int index = categoryList_->currentIndex();
    return index < 0 ? std::nullopt : std::optional(static_cast<Category>(index));
}

Sex ConfigurationPanel::sex() const
{
    return static_cast<Sex>(sexList_->currentIndex());
}

void ConfigurationPanel::setPeriodMaximum(int maximum)
{
    periodField_->setMaximum(maximum);
}

void ConfigurationPanel::setTestRunning(bool running)
{
    periodField_->setEnabled(!running);
    sexList_->setEnabled(!running);
    categoryList_->setEnabled(!running);
}

void ConfigurationPanel::FlatRadioButton1Click(FlatRadioButton* chosen)
{
    emit newTestRequested();

    for (QWidget* part : {static_cast<QWidget*>(periodHeading_), static_cast<QWidget*>(periodBox_),
                          static_cast<QWidget*>(speedHeading_), static_cast<QWidget*>(speedBox_)}) {
        part->show();
    }
    const bool effort = chosen == effortOption_;
    categoryHeading_->setVisible(effort);
    categoryBox_->setVisible(effort);
    warmUp_->setVisible(effort);  // hidden, it keeps its state

    FlatRadioButton* other = effort ? repeatOption_ : effortOption_;
    chosen->setCaptionColor(toQColor(profile_.highlightColor));
    other->setCaptionColor(toQColor(profile_.backColor));

    emit periodPreviewed(periodField_->value());
}

void ConfigurationPanel::SpinEdit1Change(int period)
{
    emit periodPreviewed(period);
    if (const std::optional<Category> fitting = categoryForPeriod(profile_.edition, sex(), period)) {
        // Following the period must not propose a period in turn.
        const QSignalBlocker quiet(categoryList_);
        categoryList_->setCurrentIndex(static_cast<int>(*fitting));
    }
}

void ConfigurationPanel::ComboBoxCategoriaChange()
{
    if (const std::optional<Category> chosen = category()) {
        periodField_->setValue(initialPeriodFor(profile_.edition, sex(), *chosen));
    }
}

void ConfigurationPanel::highlightCaptions(const FlatRadioButton* pointed)
{
    if (testMode()) {
        return;  // once a mode is chosen its caption stays highlighted
    }
    for (FlatRadioButton* option : {effortOption_, repeatOption_}) {
        option->setCaptionColor(toQColor(option == pointed ? profile_.highlightColor : profile_.backColor));
    }
}

void ConfigurationPanel::mouseMoveEvent(QMouseEvent* event)
{
    if (childAt(event->position().toPoint()) == nullptr) {
        highlightCaptions(nullptr);
    }
    QFrame::mouseMoveEvent(event);
}

bool ConfigurationPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove && (watched == effortOption_ || watched == repeatOption_)) {
        highlightCaptions(static_cast<FlatRadioButton*>(watched));
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace korvel
