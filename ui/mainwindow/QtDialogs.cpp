#include "QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace korvel {
namespace {

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

QMessageBox::StandardButton ask(QWidget* parent, QMessageBox::Icon icon, const std::string& title,
                                const std::string& question, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, text(title), text(question), buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void QtDialogs::playAlert()
{
    QApplication::beep();
}

bool QtDialogs::askOkCancel(const std::string& title, const std::string& question)
{
    return ask(window_, QMessageBox::Information, title, question, QMessageBox::Ok | QMessageBox::Cancel)
           == QMessageBox::Ok;
}

bool QtDialogs::askYesNo(const std::string& title, const std::string& question)
{
    return ask(window_, QMessageBox::Information, title, question, QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}

void QtDialogs::showWarning(const std::string& title, const std::string& message)
{
    ask(window_, QMessageBox::Warning, title, message, QMessageBox::Ok);
}

std::optional<std::string> QtDialogs::askSavePath(const SaveRequest& request)
{
    QFileDialog dialog(window_, text(request.title), text(request.initialFolder), text(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(text(request.defaultSuffix));
    dialog.selectFile(text(request.proposedPath));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace korvel
