#include "ApplicationTitle.h"

namespace korvel {

QString ApplicationTitle::text()
{
    return stored();
}

void ApplicationTitle::set(const QString& title)
{
    stored() = title;
}

QString& ApplicationTitle::stored()
{
    static QString title;
    return title;
}

}  // namespace korvel
