// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Presets > Manage Presets: the saved presets, to rename and delete. The
// dialog only shows the list and passes the user's changes to the callbacks,
// which answer with what went wrong ("" when the change was made); the list
// is read again after each change.
#include <QDialog>
#include <QStringList>
#include <functional>
#include <memory>

namespace Ui {
class Window_Presets;
}

namespace quavero {

struct PresetManagement {
    std::function<QStringList()> savedNames;                               // in the order saved
    std::function<QString(const QString &from, const QString &to)> rename; // "" when renamed
    std::function<QString(const QString &name)> remove;                    // "" when deleted
    std::function<bool(const QString &name)> confirmRemove; // asks first; true to delete; unset: no question
};

class Window_Presets : public QDialog {
    Q_OBJECT
public:
    Window_Presets(PresetManagement management, QWidget *parent);
    ~Window_Presets() override;

    void OnUserRename();
    void OnUserDelete();

private:
    void showList(const QString &selected);
    void showSelection();
    QString selectedName() const;

    std::unique_ptr<Ui::Window_Presets> m_ui;
    PresetManagement m_management;
};

} // namespace quavero
