#include "KorvelApplication.h"

#include "ErrorBox.h"

#include <exception>

namespace korvel {

KorvelApplication::KorvelApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool KorvelApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ErrorBox::show(QString::fromUtf8(error.what()));
    } catch (...) {
        ErrorBox::show(QStringLiteral("Error inesperado."));
    }
    return false;
}

}  // namespace korvel
