#include "StartPanel.h"

#include "EffectLabel.h"
#include "FlatButton.h"
#include "NamedColors.h"
#include "PaintBackground.h"
#include "StartPictures.h"

#include <QIcon>
#include <QLabel>

namespace korvel {
namespace {

constexpr QSize kTitleBox(633, 109);
constexpr int kTitleTop = 153;
constexpr QSize kSubtitleBox(721, 42);
constexpr int kSubtitleTop = 220;
constexpr QSize kAboutButton(65, 72);
constexpr QSize kStartButton(233, 72);
constexpr int kButtonGap = 8;
constexpr int kButtonsTop = 474;

const QColor kMaroon(128, 0, 0);

QFont italicFont(const QString& family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setItalic(true);
    font.setBold(bold);
    return font;
}

FlatButton* makeWhiteButton(QWidget* parent, const char* name, const QString& iconPath, QSize iconSize)
{
    auto* button = new FlatButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setFaceColors(Qt::white, QColor(240, 240, 240), kSilver);
    button->setBorderColor(kGrey);
    button->setIcon(QIcon(iconPath));
    button->setIconSize(iconSize);
    button->setIconSpacing(8);
    return button;
}

}  // namespace

StartPanel::StartPanel(const EditionProfile& profile, QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("PanelInicio"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    paintBackground(*this, kSilver);

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("ImagePpal"));
    picture_->setScaledContents(true);
    picture_->setPixmap(QPixmap::fromImage(drawStartPicture(profile.startPicture)));

    const QString title = QString::fromStdString(profile.editionTitle);
    const QString sport = QString::fromStdString(profile.sportName);

    title_ = new EffectLabel(this);
    title_->setObjectName(QStringLiteral("LabelEffect3"));
    title_->setText(QLatin1Char(' ') + title + QLatin1Char(' '));
    title_->setFont(italicFont(QStringLiteral("Arial Black"), 49, true));
    title_->setTextColor(kSilver);
    title_->setEffect(EffectLabel::Effect::Raised);
    title_->setEffectColors(Qt::white, Qt::black);
    title_->setDepth(1);

    subtitle_ = new EffectLabel(this);
    subtitle_->setObjectName(QStringLiteral("LabelEffect4"));
    subtitle_->setText(QStringLiteral("OSKABEL en ") + sport);
    subtitle_->setFont(italicFont(QStringLiteral("Arial"), 19, false));
    subtitle_->setTextColor(kMaroon);
    subtitle_->setEffect(EffectLabel::Effect::Sunken);
    subtitle_->setEffectColors(Qt::white, Qt::black);
    subtitle_->setDepth(1);

    about_ = makeWhiteButton(this, "Acercade", QStringLiteral(":/mainwindow/information.svg"), QSize(40, 40));
    about_->setToolTip(QStringLiteral("Acerca de..."));
    start_ = makeWhiteButton(this, "BitBtnEmpezar", QStringLiteral(":/mainwindow/cone.svg"), QSize(40, 40));
    start_->setText(QStringLiteral("&Empezar..."));
    start_->setFont(italicFont(QStringLiteral("Arial"), 19, true));
    start_->setCaptionColor(kGrey);

    connect(start_, &QAbstractButton::clicked, this, &StartPanel::startRequested);
    connect(about_, &QAbstractButton::clicked, this, &StartPanel::aboutRequested);
}

void StartPanel::resizeEvent(QResizeEvent* event)
{
    const int width = this->width();
    picture_->setGeometry(rect());
    title_->setGeometry(QRect(QPoint((width - kTitleBox.width()) / 2, kTitleTop), kTitleBox));
    subtitle_->setGeometry(QRect(QPoint((width - kSubtitleBox.width()) / 2, kSubtitleTop), kSubtitleBox));
    const int pairWidth = kAboutButton.width() + kButtonGap + kStartButton.width();
    const int pairLeft = (width - pairWidth) / 2;
    about_->setGeometry(QRect(QPoint(pairLeft, kButtonsTop), kAboutButton));
    start_->setGeometry(QRect(QPoint(pairLeft + kAboutButton.width() + kButtonGap, kButtonsTop), kStartButton));
    QFrame::resizeEvent(event);
}

}  // namespace korvel
