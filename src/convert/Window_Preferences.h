// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Edit > Preferences: how a conversion run in the window paces itself, and
// how it keeps a converted library in step (skip what is up to date, remove
// outputs whose original is gone, copy what already is in the output
// format). OK stores every setting in the preferences store at once; the
// next run reads them. Cancel, Escape and the close button store nothing.
#include <QDialog>
#include <memory>

namespace Ui {
class Window_Preferences;
}

namespace quavero {

class IPreferences;

class Window_Preferences : public QDialog {
    Q_OBJECT
public:
    // processors: the highest number of files at once that may be chosen.
    Window_Preferences(IPreferences *preferences, int processors, QWidget *parent);
    ~Window_Preferences() override;

    void accept() override;

private:
    void showFilesAtOnce(int files);

    std::unique_ptr<Ui::Window_Preferences> m_ui;
    IPreferences *m_preferences;
};

} // namespace quavero
