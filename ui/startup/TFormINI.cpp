#include "TFormINI.h"

#include "ApplicationTitle.h"
#include "BusyPointer.h"
#include "CreditsLists.h"
#include "DesktopOpener.h"
#include "EditionProfile.h"
#include "EffectLabel.h"
#include "ErrorBox.h"
#include "FixedRowHeightDelegate.h"
#include "FlatButton.h"
#include "NamedColors.h"
#include "StartupEditionTexts.h"
#include "SvgPicture.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QTimer>

#include <exception>

namespace korvel {
namespace {

const QColor kListGrey(228, 228, 228);

constexpr int kClientWidth = 323;
constexpr int kClientHeight = 322;
constexpr int kTabHeight = 17;
constexpr int kWebButtonHeight = 24;
constexpr int kInfoRowHeight = 15;
constexpr int kCaptionGap = 8;  // between the end of a row's caption and its value
constexpr int kListMargin = 5;
constexpr QSize kLogoSize(303, 40);

QFont pixelFont(const char* family, int pixels)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    return font;
}

void setTextColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

// Frames and backgrounds by object name, so a panel's style does not reach its children.
void setFrameStyle(QWidget* widget, const QString& background, const QString& border)
{
    widget->setStyleSheet(QStringLiteral("#%1 { background-color: %2; border: 1px solid %3; }")
                              .arg(widget->objectName(), background, border));
}

template <typename Widget>
Widget* named(Widget* widget, const char* objectName)
{
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}

FlatButton* makeWhiteButton(QWidget* parent, const char* objectName, const QString& caption)
{
    auto* button = named(new FlatButton(parent), objectName);
    button->setText(caption);
    button->setFaceColors(Qt::white, Qt::white, Qt::white);
    button->setBorderColor(kGrey);
    return button;
}

QLabel* makeInfoLabel(QWidget* parent, const char* objectName, const QString& text, const QColor& color,
                      Qt::Alignment alignment)
{
    auto* label = named(new QLabel(text, parent), objectName);
    label->setFont(pixelFont("Arial", 12));
    label->setAlignment(alignment | Qt::AlignVCenter);
    setTextColor(label, color);
    return label;
}

// Labels size themselves to their text, as the row layout expects.
void fitToText(QLabel* label)
{
    label->resize(label->fontMetrics().horizontalAdvance(label->text()), kInfoRowHeight);
}

}  // namespace

TFormINI::TFormINI(DesktopOpener& opener, MainWindowFactory mainWindowFactory, SportEdition edition,
                   QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      opener_(opener),
      mainWindowFactory_(std::move(mainWindowFactory)),
      edition_(edition),
      urlLinkInternet_(QString::fromUtf8(build::kMakerHomePage))
{
    buildControls();
    // Like an error in an event handler, an error in the set-up is reported and the window
    // still opens, with the steps after the failing one left out.
    try {
        FormCreate();
    } catch (const std::exception& error) {
        ErrorBox::show(QString::fromUtf8(error.what()));
    }
}

void TFormINI::buildControls()
{
    setWindowTitle(QStringLiteral("KORVEL"));
    setFixedSize(kClientWidth, kClientHeight);
    setFont(pixelFont("MS Sans Serif", 11));

    panelAbout_ = named(new QFrame(this), "PanelAbout");
    panelAbout_->setGeometry(0, 0, kClientWidth, kClientHeight);
    setFrameStyle(panelAbout_, QStringLiteral("white"), QStringLiteral("black"));

    labelEffect3_ = named(new EffectLabel(panelAbout_), "LabelEffect3");
    labelEffect3_->setGeometry(7, 7, 308, 77);
    QFont titleFont = pixelFont("Arial Black", 27);
    titleFont.setWeight(QFont::Black);  // the substitute for Arial Black has to be asked for weight
    titleFont.setItalic(true);
    labelEffect3_->setFont(titleFont);
    labelEffect3_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    labelEffect3_->setEffect(EffectLabel::Effect::Shadow);
    labelEffect3_->setTextColor(kSilver);
    labelEffect3_->setEffectColors(Qt::white, kGrey);
    labelEffect3_->setDepth(2);

    label2_ = named(new QLabel(panelAbout_), "Label2");
    label2_->setGeometry(63, 43, 196, 46);
    label2_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label2_->setWordWrap(true);
    setTextColor(label2_, kGrey);

    buildVersionPanel();

    panelMarca_ = named(new QFrame(panelAbout_), "PanelMarca");
    setFrameStyle(panelMarca_, QStringLiteral("white"), QStringLiteral("black"));
    imageMarca_ = named(new QLabel(panelMarca_), "ImageMarca");
    imageMarca_->setGeometry(QRect(QPoint(1, 1), kLogoSize));
    imageMarca_->setPixmap(svgPixmap(QStringLiteral(":/startup/logo_oskabel.svg"), kLogoSize));
    imageMarca_->setCursor(Qt::PointingHandCursor);
    imageMarca_->installEventFilter(this);

    labelAviso_ = named(new QLabel(panelAbout_), "LabelAviso");
    labelAviso_->setGeometry(39, 287, 247, 30);
    labelAviso_->setFont(pixelFont("MS Sans Serif", 9));
    labelAviso_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    labelAviso_->setWordWrap(true);
    setTextColor(labelAviso_, Qt::black);

    flatButton4_ = named(new FlatButton(panelAbout_), "FlatButton4");
    flatButton4_->setGeometry(302, 3, 18, 18);
    flatButton4_->setFaceColors(kListGrey, Qt::white, kSilver);
    flatButton4_->setBorderColor(kSilver);
    flatButton4_->setIconSize(QSize(10, 10));
    flatButton4_->setIcon(svgIcon(QStringLiteral(":/startup/blue_cross.svg"), QSize(10, 10)));
    flatButton4_->setToolTip(QStringLiteral("Cerrar"));
    flatButton4_->hide();
    connect(flatButton4_, &FlatButton::clicked, this, &TFormINI::FlatButton4Click);

    timerInicio_ = named(new QTimer(this), "Timer_Inicio");
    timerInicio_->setInterval(1000);
    connect(timerInicio_, &QTimer::timeout, this, &TFormINI::Timer_InicioTimer);
    timerInicio_->start();

    centreOnScreen();
}

void TFormINI::buildVersionPanel()
{
    panelVersion_ = named(new QFrame(panelAbout_), "Panel_Version");
    panelVersion_->setGeometry(18, 76, 287, 144);
    setFrameStyle(panelVersion_, QStringLiteral("transparent"), QStringLiteral("gray"));
    panelVersion_->hide();

    btnVersion_ = makeWhiteButton(panelVersion_, "Btn_Version", QStringLiteral("Versión"));
    btnVersion_->resize(btnVersion_->width(), kTabHeight);
    btnVersion_->setCaptionColor(kGrey);
    connect(btnVersion_, &FlatButton::clicked, this, &TFormINI::Btn_VersionClick);

    btnAutores_ = makeWhiteButton(panelVersion_, "Btn_Autores", QStringLiteral("Autores"));
    btnAutores_->resize(btnAutores_->width(), kTabHeight);
    btnAutores_->setCaptionColor(kSilver);
    connect(btnAutores_, &FlatButton::clicked, this, &TFormINI::Btn_AutoresClick);

    buildCreditsPanel();
    buildInfoPanel();

    const auto makeWebButton = [this](const char* objectName, const QString& caption, const char* picture) {
        FlatButton* button = makeWhiteButton(panelVersion_, objectName, caption);
        button->resize(button->width(), kWebButtonHeight);
        button->setFont(pixelFont("MS Sans Serif", 11));
        button->setCaptionColor(Qt::black);
        button->setIconSize(QSize(16, 16));
        button->setIcon(svgIcon(QString::fromLatin1(picture), QSize(16, 16)));
        button->setIconSpacing(6);
        // Both buttons open the edition's page, which tells about updates and literature.
        connect(button, &FlatButton::clicked, this, &TFormINI::Btn_ActualizacionClick);
        return button;
    };
    btnBibliografia_ = makeWebButton("Btn_Bibliografia", QStringLiteral("Consultar bibliografía..."),
                                     ":/startup/book.svg");
    btnActualizacion_ = makeWebButton("Btn_Actualizacion",
                                      QStringLiteral("Comprobar si hay actualizaciones..."),
                                      ":/startup/globe.svg");

    panelVersion_->installEventFilter(this);
}

void TFormINI::buildInfoPanel()
{
    flatPanelInfo_ = named(new QFrame(panelVersion_), "FlatPanel_Info");
    setFrameStyle(flatPanelInfo_, QStringLiteral("white"), QStringLiteral("gray"));

    const auto caption = [this](const char* objectName, const QString& text) {
        QLabel* label = makeInfoLabel(flatPanelInfo_, objectName, text, kGrey, Qt::AlignRight);
        fitToText(label);
        return label;
    };
    const auto value = [this](const char* objectName, const QColor& color) {
        return makeInfoLabel(flatPanelInfo_, objectName, QString(), color, Qt::AlignLeft);
    };
    labelTitulo1_ = caption("LabelTitulo1", QStringLiteral("Título:"));
    labelTitulo2_ = value("LabelTitulo2", kNavy);
    labelVersion1_ = caption("LabelVersion1", QStringLiteral("Versión:"));
    labelVersion2_ = value("LabelVersion2", kNavy);
    labelEdicion1_ = caption("LabelEdicion1", QStringLiteral("Edición:"));
    labelEdicion2_ = value("LabelEdicion2", QApplication::palette().color(QPalette::WindowText));
    labelIdioma1_ = caption("LabelIdioma1", QStringLiteral("Idioma:"));
    labelIdiomaWin2_ = value("LabelIdiomaWin2", Qt::black);
    labelIdiomaWin2_->setText(QStringLiteral("Español"));
    fitToText(labelIdiomaWin2_);
}

void TFormINI::buildCreditsPanel()
{
    panelAutores_ = named(new QFrame(panelVersion_), "Panel_Autores");
    setFrameStyle(panelAutores_, QStringLiteral("white"), QStringLiteral("gray"));
    for (const CreditsList& credits : creditsLists()) {
        auto* list = new QListWidget(panelAutores_);
        list->setObjectName(credits.objectName);
        list->addItems(credits.lines);
        list->setFont(pixelFont("MS Sans Serif", 9));
        list->setItemDelegate(new FixedRowHeightDelegate(12, list));
        list->setSelectionMode(QAbstractItemView::NoSelection);
        list->setFocusPolicy(Qt::NoFocus);
        // The basketball list sits white on white; the others are light grey in a silver frame.
        const bool white = credits.objectName == QLatin1String("ListBox_Basket");
        list->setStyleSheet(QStringLiteral("#%1 { background-color: %2; border: 1px solid %3; color: navy; }")
                                .arg(credits.objectName, white ? QStringLiteral("white") : kListGrey.name(),
                                     white ? QStringLiteral("white") : QStringLiteral("silver")));
        list->hide();
        creditsLists_.push_back(list);
    }
}

void TFormINI::FormCreate()
{
    const EditionProfile& profile = profileFor(edition_);
    const StartupEditionTexts& texts = startupTextsFor(edition_);
    const QString title = QString::fromStdString(profile.editionTitle);
    labelEffect3_->setText(title);
    label2_->setText(QString::fromUtf8(texts.subtitle));
    labelAviso_->setText(QString::fromUtf8(texts.legalNotice));

    startupTicks_ = 0;

    panelVersion_->resize(panelAbout_->width() - 2 * panelVersion_->x(), panelVersion_->height());
    // The panel is hidden, so it hears of its new size only when shown: lay it out now, so the
    // window is right as soon as its set-up ends.
    layoutVersionPanel();

    ApplicationTitle::set(title);

    panelMarca_->resize(imageMarca_->width() + 2, imageMarca_->height() + 2);
    panelMarca_->move(width() / 2 - panelMarca_->width() / 2,
                      panelAbout_->height() - labelAviso_->height() - panelMarca_->height() - 10);

    labelTitulo2_->setText(title);
    labelEdicion2_->setText(QString::fromUtf8(build::kEditionYear));
    labelVersion2_->setText(QString::fromUtf8(build::kVersionText));
    for (QLabel* label : {labelTitulo2_, labelEdicion2_, labelVersion2_}) {
        fitToText(label);
    }

    flatPanelInfo_->raise();
    btnActualizacion_->raise();

    panelVersion_->show();
    panelVersion_->raise();

    while (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
}

void TFormINI::layoutVersionPanel()
{
    const int width = panelVersion_->width();
    const int height = panelVersion_->height();
    btnVersion_->setGeometry(0, btnVersion_->y(), width / 2, btnVersion_->height());
    const int autoresLeft = btnVersion_->width() - 1;  // the tabs overlap by one pixel
    btnAutores_->setGeometry(autoresLeft, btnAutores_->y(), width - autoresLeft, btnAutores_->height());
    const int buttonHeight = btnActualizacion_->height();
    btnActualizacion_->setGeometry(0, height - buttonHeight, width, buttonHeight);
    btnActualizacion_->raise();
    btnBibliografia_->setGeometry(btnActualizacion_->geometry());
    // The information panel overlaps the tab row and the bottom button by one pixel each.
    const int infoTop = btnVersion_->height() - 1;
    flatPanelInfo_->setGeometry(0, infoTop, width, btnActualizacion_->y() - infoTop + 1);
    // The information panel is only ever sized here.
    layoutInfoPanel();
}

void TFormINI::layoutInfoPanel()
{
    const int width = flatPanelInfo_->width();
    const int height = flatPanelInfo_->height();
    const int gap = height / 16;
    const int halfGap = gap / 2;
    const int rowHeight = labelVersion1_->height();

    labelVersion1_->move(labelVersion1_->x(), height / 2 - rowHeight - halfGap);
    labelTitulo1_->move(labelTitulo1_->x(), labelVersion1_->y() - rowHeight - gap);
    labelEdicion1_->move(labelEdicion1_->x(), height / 2 + halfGap);
    labelIdioma1_->move(labelIdioma1_->x(), labelEdicion1_->y() + rowHeight + gap);

    const int valueLeft = width / 3;
    const std::pair<QLabel*, QLabel*> rows[] = {{labelTitulo1_, labelTitulo2_},
                                               {labelVersion1_, labelVersion2_},
                                               {labelEdicion1_, labelEdicion2_},
                                               {labelIdioma1_, labelIdiomaWin2_}};
    for (const auto& [caption, value] : rows) {
        value->move(valueLeft, caption->y());
        caption->move(valueLeft - caption->width() - kCaptionGap, caption->y());
    }

    // The credits panel covers the information panel exactly.
    panelAutores_->setGeometry(0, flatPanelInfo_->y(), width, height);
    for (QListWidget* list : creditsLists_) {
        list->setGeometry(kListMargin, kListMargin, panelAutores_->width() - 2 * kListMargin,
                          panelAutores_->height() - 2 * kListMargin);
    }
}

bool TFormINI::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == panelVersion_ && event->type() == QEvent::Resize) {
        layoutVersionPanel();
    } else if (watched == imageMarca_ && event->type() == QEvent::MouseButtonDblClick) {
        ImageMarcaDblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

QListWidget* TFormINI::creditsList() const
{
    const QString name = QString::fromLatin1(startupTextsFor(edition_).creditsListName);
    return panelAutores_->findChild<QListWidget*>(name, Qt::FindDirectChildrenOnly);
}

void TFormINI::Btn_VersionClick()
{
    btnAutores_->setCaptionColor(kSilver);
    btnVersion_->setCaptionColor(kGrey);
    flatPanelInfo_->raise();
    btnActualizacion_->raise();
}

void TFormINI::Btn_AutoresClick()
{
    btnAutores_->setCaptionColor(kGrey);
    btnVersion_->setCaptionColor(kSilver);
    QListWidget* list = creditsList();
    list->show();
    list->raise();
    panelAutores_->raise();
    btnBibliografia_->raise();
}

void TFormINI::Btn_ActualizacionClick()
{
    const char* editionPage = startupTextsFor(edition_).editionPage;
    if (*editionPage != '\0') {
        urlLinkInternet_ = QUrl(QString::fromUtf8(build::kMakerHomePage) + QLatin1Char('/') +
                                QString::fromUtf8(editionPage));
    }
    opener_.open(urlLinkInternet_);
}

void TFormINI::ImageMarcaDblClick()
{
    const BusyPointer busy;
    opener_.open(QUrl(QString::fromUtf8(build::kMakerHomePage)));
}

void TFormINI::FlatButton4Click()
{
    close();
}

void TFormINI::reject()
{
    if (flatButton4_->isHidden()) {
        return;
    }
    QDialog::reject();
}

void TFormINI::Timer_InicioTimer()
{
    ++startupTicks_;
    if (startupTicks_ <= 1 || mainWindowCreated_ || !mainWindowFactory_) {
        return;
    }
    // Published before the main window's own set-up runs: every tick from here on, also those
    // arriving while the main window runs inside this one, does nothing.
    mainWindowCreated_ = true;
    try {
        mainWindow_ = mainWindowFactory_();
    } catch (const std::exception& error) {
        // Without a main window there is nothing left to do, and this window cannot be closed.
        ErrorBox::show(QString::fromUtf8(error.what()));
        emit mainWindowFinished();
        return;
    }
    hide();
    mainWindow_->exec();
    emit mainWindowFinished();
}

int TFormINI::execAbout()
{
    panelVersion_->show();
    panelVersion_->raise();
    flatButton4_->show();
    return exec();
}

void TFormINI::centreOnScreen()
{
    const QRect available = screen()->availableGeometry();
    move(available.center() - QPoint(width() / 2, height() / 2));
}

}  // namespace korvel
