#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("KORVEL"));
    QWidget window;
    window.setWindowTitle(QStringLiteral("KORVEL"));
    window.resize(826, 592);
    window.show();
    return app.exec();
}
