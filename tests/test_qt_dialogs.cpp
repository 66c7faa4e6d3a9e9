#include "QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace korvel {
namespace {

// Runs `answer` on the modal window the next dialog opens, as an operator would.
void whenModalOpens(std::function<void(QWidget*)> answer)
{
    QTimer::singleShot(0, [answer = std::move(answer)] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        answer(modal);
    });
}

struct Seen {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
};

// Notes what the box shows, then presses one of its buttons.
void answerBox(Seen& seen, QMessageBox::StandardButton press)
{
    whenModalOpens([&seen, press](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        seen = {box->icon(), box->windowTitle(), box->text(), box->standardButtons()};
        box->button(press)->click();
    });
}

class QtDialogsTest : public testing::Test {
protected:
    QtDialogsTest() { dialogs.setParentWindow(&window); }

    QWidget window;
    QtDialogs dialogs;
    Seen seen;
};

TEST_F(QtDialogsTest, OkCancelQuestionHasAnInformationIcon)
{
    answerBox(seen, QMessageBox::Cancel);
    EXPECT_FALSE(dialogs.askOkCancel("Borrar datos", "¿Realmente desea borrar?"));
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.title, QStringLiteral("Borrar datos"));
    EXPECT_EQ(seen.text, QStringLiteral("¿Realmente desea borrar?"));
    EXPECT_EQ(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);

    answerBox(seen, QMessageBox::Ok);
    EXPECT_TRUE(dialogs.askOkCancel("Salir de KORVEL-Voley", "Esto finaliza su sesión con KORVEL-Voley."));
}

TEST_F(QtDialogsTest, YesNoQuestionHasAnInformationIcon)
{
    answerBox(seen, QMessageBox::Yes);
    EXPECT_TRUE(dialogs.askYesNo("Guardar datos", "¿Desea guardarlos ahora?"));
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    answerBox(seen, QMessageBox::No);
    EXPECT_FALSE(dialogs.askYesNo("Guardar datos", "¿Desea guardarlos ahora?"));
}

TEST_F(QtDialogsTest, WarningHasAWarningIconAndOk)
{
    answerBox(seen, QMessageBox::Ok);
    dialogs.showWarning("Información", "No se ha podido exportar el archivo de Registros de KORVEL-Basket 2.0.");
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.title, QStringLiteral("Información"));
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
}

class SaveDialogTest : public QtDialogsTest {
protected:
    SaveRequest request()
    {
        const std::string folder = exportDir.path().toStdString();
        return {.title = "Exportación de Registros de PRAXIMO...",
                .filter = "Archivo de exportación de Registros (*.txt)",
                .defaultSuffix = "txt",
                .initialFolder = folder,
                .proposedPath = folder + "/KORVEL-Basket 2.0_14-03-15.txt"};
    }

    QTemporaryDir exportDir;
};

TEST_F(SaveDialogTest, OpensAsAskedAndGivesTheProposedPath)
{
    QString title;
    QStringList filters;
    QString suffix;
    QString folder;
    bool asksBeforeReplacing = false;
    whenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        suffix = dialog->defaultSuffix();
        folder = dialog->directory().absolutePath();
        asksBeforeReplacing = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        static_cast<QDialog*>(dialog)->accept();  // as the "Save" button does
    });
    const std::optional<std::string> path = dialogs.askSavePath(request());
    EXPECT_EQ(path, request().proposedPath);
    EXPECT_EQ(title, QStringLiteral("Exportación de Registros de PRAXIMO..."));
    EXPECT_EQ(filters, QStringList{QStringLiteral("Archivo de exportación de Registros (*.txt)")});
    EXPECT_EQ(suffix, QStringLiteral("txt"));
    EXPECT_EQ(folder, exportDir.path());
    EXPECT_TRUE(asksBeforeReplacing);
}

TEST_F(SaveDialogTest, CancelGivesNothing)
{
    whenModalOpens([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(dialogs.askSavePath(request()), std::nullopt);
}

}  // namespace
}  // namespace korvel
