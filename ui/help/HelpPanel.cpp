#include "HelpPanel.h"

#include "CircuitDiagram.h"
#include "FlatButton.h"
#include "HelpTexts.h"
#include "PaintBackground.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>

namespace korvel {
namespace {

// The close button's picture: a red disc with a white cross.
QIcon closeIcon()
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(150, 20, 20), 1));
    painter.setBrush(QColor(214, 48, 40));
    painter.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    painter.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(5, 5), QPointF(11, 11));
    painter.drawLine(QPointF(11, 5), QPointF(5, 11));
    return QIcon(picture);
}

}  // namespace

HelpPanel::HelpPanel(SportEdition edition, QWidget* mainWindow)
    : QFrame(mainWindow), court_(profileFor(edition).court)
{
    setObjectName(QStringLiteral("ScrollBox1"));
    setFrameShape(QFrame::NoFrame);
    paintBackground(*this, Qt::white);

    diagrams_[Court::Football] = addDiagram(Court::Football, "ImageHlp_Futbol", {16, 62, 290, 480});
    diagrams_[Court::Basket] = addDiagram(Court::Basket, "ImageHlp_Basket", {20, 140, 290, 484});
    diagrams_[Court::FutSal] = addDiagram(Court::FutSal, "ImageHlp_FutSal", {16, 94, 290, 480});
    diagrams_[Court::Voley] = addDiagram(Court::Voley, "ImageHlp_Voley", {16, 29, 290, 480});

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setGeometry(275, 26, 532, 501);
    memo_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo_->setFrameShape(QFrame::NoFrame);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette paper = memo_->palette();
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    memo_->setPalette(paper);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    memo_->setFont(font);

    closeButton_ = new FlatButton(this);
    closeButton_->setObjectName(QStringLiteral("BitBtn3"));
    closeButton_->setText(QStringLiteral(" Cerrar ventana"));
    closeButton_->setGeometry(341, 542, 139, 27);
    closeButton_->setFaceColors(QColor(221, 221, 221), QColor(236, 236, 236), QColor(200, 200, 200));
    closeButton_->setBorderColor(QColor(170, 170, 170));
    closeButton_->setIcon(closeIcon());
    closeButton_->setIconSize(QSize(16, 16));
    connect(closeButton_, &QAbstractButton::clicked, this, &QWidget::hide);

    hide();
}

QLabel* HelpPanel::addDiagram(Court court, const char* objectName, const QRect& designGeometry)
{
    auto* picture = new QLabel(this);
    picture->setObjectName(QString::fromLatin1(objectName));
    picture->setGeometry(designGeometry);
    const qreal ratio = qGuiApp->devicePixelRatio();
    picture->setPixmap(QPixmap::fromImage(circuitDiagram(court, designGeometry.size(), ratio)));
    picture->hide();
    return picture;
}

void HelpPanel::open()
{
    setGeometry(parentWidget()->rect());
    show();

    // Every diagram takes the volleyball diagram's top, so the text can start beside it.
    const QLabel* reference = diagrams_.at(Court::Voley);
    const int top = height() / 2 - reference->height() / 2;
    for (const auto& [court, picture] : diagrams_) {
        picture->move(picture->x(), top);
    }
    const int memoLeft = reference->x() + reference->width() + 20;
    memo_->setGeometry(memoLeft, memo_->y(), width() - memoLeft - 15, height() - closeButton_->height() - 40);
    closeButton_->move(width() / 2 - closeButton_->width() / 2, height() - closeButton_->height() - 20);

    QLabel* picture = diagrams_.at(court_);
    picture->raise();
    picture->show();
    memo_->setPlainText(helpText(court_));

    raise();
}

}  // namespace korvel
