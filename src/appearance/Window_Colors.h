// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colours dialog: the waveform's background and wave colours, the file
// list's background and text colours and the alternating-rows switch. It is
// shown as a sheet over the main window, shows the settings it is given and
// calls back on OK and Cancel, where the caller reads chosen(); Restore
// Defaults only sets the controls to the first-start colours, for OK to apply.
#include <QDialog>
#include <functional>
#include <memory>

#include "appearance/ColorSettings.h"

class QCheckBox;
class QPushButton;

namespace Ui {
class Window_Colors;
}

namespace quavero {

class ColorWell;
class IPrompts;

class Window_Colors : public QDialog {
    Q_OBJECT
public:
    // prompts opens the colour chooser of each well; it must outlive the dialog.
    Window_Colors(const ColorSettings &settings, IPrompts &prompts, std::function<void()> onOK,
                  std::function<void()> onCancel, QWidget *parent);
    ~Window_Colors() override;

    // Controls of the layout.
    ColorWell *colorSpectrumBackground;
    ColorWell *colorSpectrumForeground;
    ColorWell *colorListBackground;
    ColorWell *colorListForeground;
    QCheckBox *check_Alternating_Rows;
    QPushButton *btnOriginal;

    // The settings as the controls show them now.
    ColorSettings chosen() const;

    void OnOK();
    void OnCancel();
    void OnOriginal();

    // Escape and the window's close button act as Cancel.
    void reject() override;

private:
    // Sets the controls from the settings.
    void showSettings(const ColorSettings &settings);

    std::unique_ptr<Ui::Window_Colors> m_ui;
    std::function<void()> m_onOK;
    std::function<void()> m_onCancel;
};

} // namespace quavero
