#include "FontSubstitutes.h"

#include <QFont>
#include <QString>

namespace korvel {

void installFontSubstitutes()
{
    const QString liberationSans = QStringLiteral("Liberation Sans");
    QFont::insertSubstitution(QStringLiteral("Arial"), liberationSans);
    // Liberation has no black face: whoever asks for "Arial Black" also asks for the heavy weight.
    QFont::insertSubstitution(QStringLiteral("Arial Black"), liberationSans);
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), liberationSans);
}

}  // namespace korvel
