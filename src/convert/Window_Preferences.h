// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Edit > Preferences: how a conversion run in the window paces itself, and
// how it keeps a converted library in step (skip what is up to date, remove
// outputs whose original is gone, copy what already is in the output
// format), and the template outputs are named with, with a live example.
// OK stores every setting in the preferences store at once; the
// next run reads them. Cancel, Escape and the close button store nothing.
#include <QDialog>
#include <memory>

#include "naming/core/NameFields.h"

namespace Ui {
class Window_Preferences;
}

namespace quavero {

class IPreferences;

class Window_Preferences : public QDialog {
    Q_OBJECT
public:
    // processors: the highest number of files at once that may be chosen.
    // exampleFields: the file the name example is drawn from (the first
    // selected one, else a sample); extension: the output format's.
    Window_Preferences(IPreferences *preferences, int processors, const naming::NameFields &exampleFields,
                       const QString &extension, QWidget *parent);
    ~Window_Preferences() override;

    void accept() override;

private:
    void showFilesAtOnce(int files);
    void showNameExample();

    std::unique_ptr<Ui::Window_Preferences> m_ui;
    IPreferences *m_preferences;
    naming::NameFields m_exampleFields;
    QString m_extension;
};

} // namespace quavero
