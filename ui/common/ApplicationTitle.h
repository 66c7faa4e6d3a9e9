#pragma once

#include <QString>

namespace korvel {

// The program's title, which captions its message boxes. It is kept here and not as Qt's
// application display name because the X11 platform appends that name to every window caption.
class ApplicationTitle {
public:
    static QString text();
    static void set(const QString& title);

private:
    static QString& stored();
};

}  // namespace korvel
