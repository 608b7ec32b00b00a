// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything that talks to the user modally: alerts, the open panels, the
// folder chooser, the colour chooser and a line of text to type. Tests replace it with a scripted fake.
#include <QColor>
#include <QString>
#include <QStringList>

class QWidget;

namespace quavero {

// How an alert looks: good news, or a problem the user should read.
enum class AlertKind { Warning, Information };

class IPrompts {
public:
    virtual ~IPrompts() = default;
    // A modal alert with a message text, an informative text and one or more
    // buttons (the first is the default). Returns the index of the pressed button.
    virtual int alert(const QString &message, const QString &informative, const QStringList &buttons,
                      AlertKind kind = AlertKind::Warning) = 0;
    // The same alert with a "Show Details…" area that holds details (plain
    // text, what the user may want to copy); without it when details is empty.
    virtual int alertWithDetails(const QString &message, const QString &informative, const QString &details,
                                 const QStringList &buttons, AlertKind kind) = 0;
    // Open panel for several files with the given extensions (no dots),
    // opening in startFolder. Empty when cancelled.
    virtual QStringList chooseFiles(const QString &message, const QStringList &extensions, const QString &startFolder) = 0;
    // Open panel for one folder (Add Folder), opening in startFolder. Empty when cancelled.
    virtual QString chooseFolderToAdd(const QString &message, const QString &startFolder) = 0;
    // Folder chooser for the destination of a conversion, opening in
    // startFolder. Empty when cancelled.
    virtual QString chooseDestinationFolder(const QString &message, const QString &startFolder) = 0;
    // Save panel for one file ending in .extension (no dot), proposing
    // startPath. Empty when cancelled.
    virtual QString chooseFileToSave(const QString &message, const QString &startPath, const QString &extension) = 0;
    // Colour chooser; an invalid colour when cancelled.
    virtual QColor chooseColor(const QColor &initial, const QString &title) = 0;
    // A line of text the user types (a name), starting with initial; empty
    // when cancelled.
    virtual QString askText(const QString &title, const QString &label, const QString &initial) = 0;
};

// The program's AlertDialog, QFileDialog and QColorDialog, parented to the main window.
class QtPrompts : public IPrompts {
public:
    explicit QtPrompts(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }
    int alert(const QString &message, const QString &informative, const QStringList &buttons,
              AlertKind kind = AlertKind::Warning) override;
    int alertWithDetails(const QString &message, const QString &informative, const QString &details,
                         const QStringList &buttons, AlertKind kind) override;
    QStringList chooseFiles(const QString &message, const QStringList &extensions, const QString &startFolder) override;
    QString chooseFolderToAdd(const QString &message, const QString &startFolder) override;
    QString chooseDestinationFolder(const QString &message, const QString &startFolder) override;
    QString chooseFileToSave(const QString &message, const QString &startPath, const QString &extension) override;
    QColor chooseColor(const QColor &initial, const QString &title) override;
    QString askText(const QString &title, const QString &label, const QString &initial) override;

private:
    QWidget *m_parent;
};

} // namespace quavero
