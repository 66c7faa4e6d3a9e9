#include "LiveDisplay.h"

#include "CourtPanel.h"
#include "FlatButton.h"
#include "FlatLabels.h"
#include "LiveIcons.h"
#include "NamedColors.h"
#include "ProgressGauge.h"
#include "StoredColors.h"
#include "TestRun.h"

#include <QLabel>
#include <QLineEdit>

#include <cmath>

namespace korvel {
namespace {

const QColor kDarkRed(193, 0, 0);

constexpr StoredColor kEffortBannerBack = 255;
constexpr StoredColor kRecoveryBannerText = 32768;
constexpr StoredColor kRecoveryBannerBack = 9830293;

GaugeColors effortColors()
{
    return {toQColor(9165301), toQColor(1027577), toQColor(33023)};
}

GaugeColors recoveryColors()
{
    return {toQColor(13565902), toQColor(9830293), toQColor(65280)};
}

const QString kStationPrefix = QStringLiteral("Estación Nº: ");
const QString kSecondsSuffix = QStringLiteral(" seg.");

// PanelDuracion: a title bar, then four headed counters side by side.
constexpr int kMargin = 2;
constexpr QRect kTitleBar(kMargin, kMargin, 433, 19);
constexpr int kHeadingTop = 23;
constexpr int kHeadingHeight = 30;
constexpr int kBoxTop = 56;
constexpr int kBoxHeight = 36;

// PanelVelocidad: the banner over the gauge, the marks at the right end.
constexpr int kMarkWidth = 34;
constexpr int kBannerTop = 3;
constexpr QSize kBannerSize(404, 17);
constexpr int kGaugeLeft = 4;
constexpr int kGaugeTop = 23;
constexpr int kGaugeHeight = 18;

constexpr QSize kLapBox(18, 16);
constexpr int kLapCaptionWidth = 60;
constexpr int kLapInset = 2;

QLabel* makeCounter(const QString& name, const QString& text, const QColor& colour, QWidget* parent)
{
    auto* box = new QLabel(text, parent);
    box->setObjectName(name);
    box->setFont(arialFont(27, true));
    box->setAlignment(Qt::AlignCenter);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLabelColors(*box, colour, kSilver);
    return box;
}

FlatButton* makeMark(const QString& name, const QIcon& icon, const EditionProfile& profile, QWidget* parent)
{
    auto* mark = new FlatButton(parent);
    mark->setObjectName(name);
    mark->setIcon(icon);
    mark->setIconSize(QSize(28, 28));
    mark->setFaceColors(toQColor(profile.panelColor), toQColor(profile.panelColor), toQColor(profile.panelColor));
    mark->setBorderColor(toQColor(profile.highlightColor));
    mark->setEnabled(false);
    return mark;
}

}  // namespace

LiveDisplay::LiveDisplay(const EditionProfile& profile, const LivePanels& panels)
    : court_(panels.court), speedBox_(panels.speedBox)
{
    buildCounters(panels.duration, profile);
    buildPhaseRow(panels.speed, profile);
    buildLapCounter(panels.window, profile);
}

void LiveDisplay::buildCounters(QWidget* panel, const EditionProfile& profile)
{
    auto* title = makeTitleBar(QStringLiteral("Parámetros"), toQColor(profile.highlightColor), panel);
    title->setObjectName(QStringLiteral("PanelParamtros"));
    title->setGeometry(kTitleBar);

    struct Counter {
        QString heading;
        QString name;
        QString text;
        QColor colour;
        int width;
        QLabel** box;
    };
    const Counter counters[] = {
        {QStringLiteral("Tiempo de la prueba (mm:ss)"), QStringLiteral("EditCrono"), QStringLiteral("00:00"), Qt::black,
         152, &crono_},
        {QStringLiteral("Periodos completados"), QStringLiteral("EditCompletados"), QStringLiteral("0"), kNavy, 77,
         &completed_},
        {QStringLiteral("Distancia recorrida (m)"), QStringLiteral("Panel_Distancia"), QStringLiteral("0"), kDarkRed,
         102, &distance_},
        {QStringLiteral("Velocidad actual (km/h)"), QStringLiteral("Velocidad"), QStringLiteral("0"), kGreen, 99,
         &speed_},
    };
    int left = kMargin;
    for (const Counter& counter : counters) {
        makeHeading(counter.heading, panel)->setGeometry(left, kHeadingTop, counter.width, kHeadingHeight);
        *counter.box = makeCounter(counter.name, counter.text, counter.colour, panel);
        (*counter.box)->setGeometry(left, kBoxTop, counter.width, kBoxHeight);
        left += counter.width + 1;
    }

    // Kept for diagnosis, never shown to the operator.
    QLabel* periodHeading = makeHeading(QStringLiteral("Periodo actual"), panel);
    periodHeading->setGeometry(kMargin, kHeadingTop, 77, kHeadingHeight);
    periodHeading->hide();
    period_ = makeCounter(QStringLiteral("EditPeriodo"), QStringLiteral("0"), kNavy, panel);
    period_->setGeometry(kMargin, kBoxTop, 77, kBoxHeight);
    period_->hide();
    beep_ = makeCounter(QStringLiteral("EditPitido"), QStringLiteral("0"), kNavy, panel);
    beep_->setGeometry(kMargin + 78, kBoxTop, 77, kBoxHeight);
    beep_->hide();
}

void LiveDisplay::buildPhaseRow(QWidget* panel, const EditionProfile& profile)
{
    banner_ = new QLabel(panel);
    banner_->setObjectName(QStringLiteral("PanelRecVel"));
    banner_->setFont(arialFont(11, false));
    banner_->setAlignment(Qt::AlignCenter);
    banner_->setGeometry(QRect(QPoint(0, kBannerTop), kBannerSize));
    banner_->hide();

    gauge_ = new ProgressGauge(panel);
    gauge_->setObjectName(QStringLiteral("GaugeRec"));
    gauge_->setFont(arialFont(11, true));
    gauge_->setMaximum(30);
    gauge_->setPrefix(kStationPrefix);
    gauge_->setColors(effortColors());
    gauge_->hide();

    // Both marks stand at the right end, as high as the panel; the banner reaches one pixel
    // into them, so they are made after it to lie above it.
    const QRect markPlace(panel->width() - kMarkWidth, 0, kMarkWidth, panel->height());
    runningMark_ = makeMark(QStringLiteral("PanelStart"), runningMarkIcon(), profile, panel);
    runningMark_->setGeometry(markPlace);
    restingMark_ = makeMark(QStringLiteral("PanelStop"), restingMarkIcon(), profile, panel);
    restingMark_->setGeometry(markPlace);

    gauge_->setGeometry(kGaugeLeft, kGaugeTop, runningMark_->x() - 2 * kGaugeLeft, kGaugeHeight);
}

void LiveDisplay::buildLapCounter(QWidget* window, const EditionProfile& profile)
{
    // In front of the court panel's bottom right corner: the box two pixels in, the caption
    // ending one pixel inside the box and centred on it.
    const QRect court(court_->mapTo(window, QPoint(0, 0)), court_->size());
    const QRect box(court.right() + 1 - kLapInset - kLapBox.width(), court.bottom() + 1 - kLapInset - kLapBox.height(),
                    kLapBox.width(), kLapBox.height());

    lapCaption_ = new QLabel(QStringLiteral("Vuelta Nº"), window);
    lapCaption_->setObjectName(QStringLiteral("LabelVueltaN"));
    lapCaption_->setFont(arialFont(11, true));
    lapCaption_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette captionPalette = lapCaption_->palette();
    captionPalette.setColor(QPalette::WindowText, Qt::white);
    lapCaption_->setPalette(captionPalette);
    lapCaption_->setGeometry(box.left() + 1 - kLapCaptionWidth, box.top() + (box.height() - kLapBox.height()) / 2,
                             kLapCaptionWidth, kLapBox.height());

    lapNumber_ = new QLabel(QStringLiteral("0"), window);
    lapNumber_->setObjectName(QStringLiteral("EditVuelta"));
    lapNumber_->setFont(arialFont(11, true));
    lapNumber_->setAlignment(Qt::AlignCenter);
    setLabelColors(*lapNumber_, Qt::white, toQColor(profile.panelColor));
    lapNumber_->setGeometry(box);

    setLapShown(false);
}

void LiveDisplay::showRunStarted(const TestRun& run)
{
    court_->setRestMarkerShown(false);
    court_->putPictureOnTop(2);
    completed_->setText(QStringLiteral("0"));
    lapNumber_->setText(QStringLiteral("1"));
    showBanner(run.warmUpActive() ? QStringLiteral("CALENTAMIENTO") : QStringLiteral("Periodo de ESFUERZO"), false);
    setLapShown(true);
    gauge_->show();
    bringMarkForward(runningMark_);
    period_->setText(QString::number(run.currentPeriod()));
}

void LiveDisplay::showBeep(const TestRun& run)
{
    gauge_->setPosition(run.beepCount());
    lapNumber_->setText(QString::number(run.lapNumber()));
    beep_->setText(QString::number(run.beepCount()));
}

void LiveDisplay::showCone(const TestRun& run)
{
    court_->lightCone(run.highlightedCone());
}

void LiveDisplay::showDistance(const TestRun& run)
{
    distance_->setText(QString::number(std::llround(run.distance())));
}

void LiveDisplay::showSpeed(const TestRun& run)
{
    const QString speed = QString::fromStdString(run.speedText());
    speed_->setText(speed);
    speedBox_->setText(speed + QStringLiteral(" Km/h"));
    period_->setText(QString::number(run.currentPeriod()));
}

void LiveDisplay::showRecoveryBegun(const TestRun& run)
{
    const EditionProfile& profile = run.profile();
    const bool beforeTest = run.warmUpActive();
    gauge_->setPosition(0);
    lapNumber_->setText(QStringLiteral("0"));
    completed_->setText(QString::number(run.completedPeriods()));
    gauge_->show();
    court_->setRestMarkerShown(true);
    if (beforeTest) {
        court_->putPictureOnTop(1);
    } else if (!profile.alternatesDirection) {
        court_->putPictureOnTop(3);
    } else {
        court_->putPictureOnTop(run.completedPeriods() % 2 != 0 ? 3 : 5);
    }
    showBanner(beforeTest ? QStringLiteral("RECUPERACIÓN previa al Test") : QStringLiteral("Periodo de RECUPERACIÓN"),
               true);
    setLapShown(false);
    gauge_->setMaximum((beforeTest ? profile.preTestRecoveryMs : profile.recoveryMs) / 1000);
    gauge_->setPrefix(QString());
    gauge_->setSuffix(kSecondsSuffix);
    gauge_->setColors(recoveryColors());
    bringMarkForward(restingMark_);
    beep_->setText(QString::number(run.beepCount()));
}

void LiveDisplay::showRecoveryTick(const TestRun& run)
{
    gauge_->setPosition(run.elapsedMs() / 1000);
}

void LiveDisplay::showEffortBegun(const TestRun& run)
{
    court_->setRestMarkerShown(false);
    const bool backwards = run.profile().alternatesDirection && run.completedPeriods() % 2 != 0;
    court_->putPictureOnTop(backwards ? 4 : 2);
    lapNumber_->setText(QStringLiteral("1"));
    showBanner(QStringLiteral("Periodo de ESFUERZO"), false);
    setLapShown(true);
    setEffortGauge(run);
    gauge_->setPosition(0);
    bringMarkForward(runningMark_);
    beep_->setText(QString::number(run.beepCount()));
}

void LiveDisplay::showTime(const TestRun& run)
{
    crono_->setText(QString::fromStdString(run.timeText()));
}

void LiveDisplay::showStopped(const TestRun&)
{
    banner_->hide();
    gauge_->hide();
    runningMark_->hide();
    restingMark_->hide();
}

void LiveDisplay::showReset(const TestRun& run)
{
    crono_->setText(QStringLiteral("00:00"));
    court_->setRestMarkerShown(true);
    court_->putPictureOnTop(1);
    completed_->setText(QStringLiteral("0"));
    gauge_->setPosition(0);
    lapNumber_->setText(QStringLiteral("0"));
    setLapShown(false);
    setEffortGauge(run);
    // The cone lit by the preceding showCone stays in sight as a red ring.
    court_->resetCones();
    banner_->hide();
    gauge_->hide();
    gauge_->resize(runningMark_->x() - 2 * gauge_->x(), gauge_->height());
    period_->setText(QStringLiteral("0"));
    beep_->setText(QStringLiteral("0"));
}

void LiveDisplay::showBanner(const QString& text, bool recovery)
{
    banner_->setText(text);
    if (recovery) {
        setLabelColors(*banner_, toQColor(kRecoveryBannerText), toQColor(kRecoveryBannerBack));
    } else {
        setLabelColors(*banner_, Qt::white, toQColor(kEffortBannerBack));
    }
    banner_->show();
}

void LiveDisplay::setEffortGauge(const TestRun& run)
{
    gauge_->setMaximum(run.profile().beepsPerPeriod);
    gauge_->setPrefix(kStationPrefix);
    gauge_->setSuffix(QString());
    gauge_->setColors(effortColors());
}

void LiveDisplay::setLapShown(bool shown)
{
    lapCaption_->setVisible(shown);
    lapNumber_->setVisible(shown);
    if (shown) {
        lapCaption_->raise();
        lapNumber_->raise();
    }
}

void LiveDisplay::bringMarkForward(FlatButton* mark)
{
    mark->show();
    mark->raise();
}

}  // namespace korvel
