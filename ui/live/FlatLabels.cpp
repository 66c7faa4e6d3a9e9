#include "FlatLabels.h"

#include <QLabel>

namespace korvel {

QFont arialFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void setLabelColors(QLabel& label, const QColor& text, const QColor& background)
{
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, background);
    label.setPalette(palette);
    label.setAutoFillBackground(true);
}

QLabel* makeTitleBar(const QString& caption, const QColor& background, QWidget* parent)
{
    auto* bar = new QLabel(caption, parent);
    bar->setFont(arialFont(12, true));
    bar->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    bar->setIndent(6);
    setLabelColors(*bar, Qt::white, background);
    return bar;
}

QLabel* makeHeading(const QString& caption, QWidget* parent)
{
    auto* heading = new QLabel(caption, parent);
    heading->setFont(arialFont(11, false));
    heading->setAlignment(Qt::AlignCenter);
    heading->setWordWrap(true);
    setLabelColors(*heading, Qt::white, QColor(128, 128, 128));
    return heading;
}

}  // namespace korvel
