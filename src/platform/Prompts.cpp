// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Prompts.h"

#include "platform/AlertDialog.h"

#include <QColorDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QFileDialog>

namespace quavero {

int QtPrompts::alert(const QString &message, const QString &informative, const QStringList &buttons, AlertKind kind)
{
    return alertWithDetails(message, informative, QString(), buttons, kind);
}

int QtPrompts::alertWithDetails(const QString &message, const QString &informative, const QString &details,
                                const QStringList &buttons, AlertKind kind)
{
    AlertDialog box(message, informative, details, buttons, kind, m_parent);
    box.exec();
    return box.pressedIndex();
}

QStringList QtPrompts::chooseFiles(const QString &message, const QStringList &extensions, const QString &startFolder)
{
    QStringList patterns;
    for (const QString &ext : extensions)
        patterns << QStringLiteral("*.") + ext;
    return QFileDialog::getOpenFileNames(m_parent, message, startFolder,
                                         QObject::tr("Audio files (%1)").arg(patterns.join(QLatin1Char(' '))));
}

QString QtPrompts::chooseFolderToAdd(const QString &message, const QString &startFolder)
{
    return QFileDialog::getExistingDirectory(m_parent, message.isEmpty() ? QObject::tr("Add Folder") : message,
                                             startFolder);
}

QString QtPrompts::chooseDestinationFolder(const QString &message, const QString &startFolder)
{
    return QFileDialog::getExistingDirectory(m_parent, message, startFolder);
}

QString QtPrompts::chooseFileToSave(const QString &message, const QString &startPath, const QString &extension)
{
    QFileDialog dialog(m_parent, message, startPath, QStringLiteral("*.%1").arg(extension));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(extension);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                   : QString();
}

QColor QtPrompts::chooseColor(const QColor &initial, const QString &title)
{
    return QColorDialog::getColor(initial, m_parent, title, QColorDialog::ShowAlphaChannel);
}

QString QtPrompts::askText(const QString &title, const QString &label, const QString &initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(m_parent, title, label, QLineEdit::Normal, initial, &ok);
    return ok ? text.trimmed() : QString();
}

} // namespace quavero
