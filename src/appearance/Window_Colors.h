#pragma once
// The colours dialog: the waveform's background and wave colours, the file
// list's background and text colours and the alternating-rows switch. It is
// shown as a sheet over the main window and calls the controller back on OK
// and Cancel; Restore Defaults only sets the controls to the first-start
// colours, for OK to apply.
#include <QDialog>
#include <QPointer>
#include <memory>

class AppDelegate;
class ColorWell;
class QCheckBox;
class QPushButton;

namespace Ui {
class Window_Colors;
}

class Window_Colors : public QDialog {
    Q_OBJECT
public:
    Window_Colors(AppDelegate *controller, QWidget *parent);
    ~Window_Colors() override;

    // Controls of the layout.
    ColorWell *colorSpectrumBackground;
    ColorWell *colorSpectrumForeground;
    ColorWell *colorListBackground;
    ColorWell *colorListForeground;
    QCheckBox *check_Alternating_Rows;
    QPushButton *btnOriginal;

    void OnOK();
    void OnCancel();
    void OnOriginal();

    // Escape and the window's close button act as Cancel.
    void reject() override;

private:
    // Sets the controls from the controller's settings.
    void windowDidLoad();

    std::unique_ptr<Ui::Window_Colors> m_ui;
    QPointer<AppDelegate> m_controller;
};
