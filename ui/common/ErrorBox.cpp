#include "ErrorBox.h"

#include "ApplicationTitle.h"

#include <QApplication>
#include <QMessageBox>

namespace korvel {

void ErrorBox::show(const QString& message)
{
    const QString caption = ApplicationTitle::text();
    if (presenter()) {
        presenter()(caption, message);
        return;
    }
    QMessageBox::critical(QApplication::activeWindow(), caption, message);
}

void ErrorBox::setPresenter(Presenter presenter)
{
    ErrorBox::presenter() = std::move(presenter);
}

ErrorBox::Presenter& ErrorBox::presenter()
{
    static Presenter installed;
    return installed;
}

}  // namespace korvel
