#include "ApplicationTitle.h"
#include "BuildConstants.h"
#include "FontSubstitutes.h"
#include "KorvelApplication.h"
#include "MainWindowFactory.h"
#include "QtDesktopOpener.h"
#include "TFormINI.h"

#include <QMessageBox>

#include <exception>
#include <memory>

int main(int argc, char* argv[])
{
    korvel::KorvelApplication app(argc, argv);
    // Errors inside events are reported by the application and the program goes on; one that
    // gets this far, such as a window that cannot be built, ends the program.
    try {
        korvel::ApplicationTitle::set(QStringLiteral("KORVEL"));
        korvel::installFontSubstitutes();
        korvel::QtDesktopOpener opener;
        korvel::MainWindowFactory mainWindow(korvel::build::kEdition, opener);
        korvel::TFormINI startup(opener, [&mainWindow] { return mainWindow.make(); });
        QObject::connect(&startup, &korvel::TFormINI::mainWindowFinished, &app, &QCoreApplication::quit);
        startup.show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        QMessageBox::information(nullptr, QStringLiteral("Information"),
                                 QStringLiteral("5: ") + QString::fromUtf8(error.what()));
        return 1;
    }
}
