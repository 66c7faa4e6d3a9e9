#pragma once

#include "BuildConstants.h"
#include "SportEdition.h"

#include <QDialog>
#include <QUrl>

#include <functional>
#include <memory>
#include <vector>

class QFrame;
class QLabel;
class QListWidget;
class QTimer;

namespace korvel {

class DesktopOpener;
class EffectLabel;
class FlatButton;

// The start-up window: title, version panel with its "Versión" and "Autores" tabs, web
// buttons, the maker's logo and the legal notice. It owns the build's edition; on the second
// tick of its one-second timer it hides itself and runs the main window modally. Built again
// without a main window, with its close button shown, it is the about window.
class TFormINI : public QDialog {
    Q_OBJECT

public:
    using MainWindowFactory = std::function<std::unique_ptr<QDialog>()>;

    // An empty factory makes an about window: its ticks never build a main window.
    TFormINI(DesktopOpener& opener, MainWindowFactory mainWindowFactory,
             SportEdition edition = build::kEdition, QWidget* parent = nullptr);

    SportEdition edition() const { return edition_; }
    int startupTicks() const { return startupTicks_; }
    QDialog* mainWindow() const { return mainWindow_.get(); }

    // Runs the window as the about window: version panel in front, close button shown.
    int execAbout();

public slots:
    void Timer_InicioTimer();
    void Btn_VersionClick();
    void Btn_AutoresClick();
    void Btn_ActualizacionClick();
    void ImageMarcaDblClick();
    void FlatButton4Click();
    // Escape, Alt+F4 and the close request end up here: only a window showing its close
    // button may be closed.
    void reject() override;

signals:
    // The main window's modal run is over, or it could not be built: the program should end.
    void mainWindowFinished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildVersionPanel();
    void buildInfoPanel();
    void buildCreditsPanel();
    void FormCreate();
    void layoutVersionPanel();
    void layoutInfoPanel();
    QListWidget* creditsList() const;
    void centreOnScreen();

    DesktopOpener& opener_;
    MainWindowFactory mainWindowFactory_;
    SportEdition edition_;
    int startupTicks_ = 0;
    bool mainWindowCreated_ = false;
    std::unique_ptr<QDialog> mainWindow_;
    QUrl urlLinkInternet_;

    QFrame* panelAbout_ = nullptr;
    EffectLabel* labelEffect3_ = nullptr;
    QLabel* label2_ = nullptr;
    QFrame* panelVersion_ = nullptr;
    FlatButton* btnVersion_ = nullptr;
    FlatButton* btnAutores_ = nullptr;
    QFrame* flatPanelInfo_ = nullptr;
    QLabel* labelTitulo1_ = nullptr;
    QLabel* labelTitulo2_ = nullptr;
    QLabel* labelVersion1_ = nullptr;
    QLabel* labelVersion2_ = nullptr;
    QLabel* labelEdicion1_ = nullptr;
    QLabel* labelEdicion2_ = nullptr;
    QLabel* labelIdioma1_ = nullptr;
    QLabel* labelIdiomaWin2_ = nullptr;
    QFrame* panelAutores_ = nullptr;
    std::vector<QListWidget*> creditsLists_;
    FlatButton* btnActualizacion_ = nullptr;
    FlatButton* btnBibliografia_ = nullptr;
    QFrame* panelMarca_ = nullptr;
    QLabel* imageMarca_ = nullptr;
    QLabel* labelAviso_ = nullptr;
    FlatButton* flatButton4_ = nullptr;
    QTimer* timerInicio_ = nullptr;
};

}  // namespace korvel
