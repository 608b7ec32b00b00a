// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scripted stand-ins for the modal and audible parts of the platform.
#include "platform/Appearance.h"
#include "platform/Desktop.h"
#include "platform/Notifications.h"
#include "platform/Prompts.h"
#include "platform/Sound.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <QUrl>
#include <memory>

namespace quavero {

// One alert as it was shown.
struct ShownAlert {
    QString message;
    QString informative;
    QStringList buttons;
    AlertKind kind = AlertKind::Warning;
    QString details; // the "Show Details…" text; empty when there is none
};

// Answers each prompt from a queue the test fills; an empty queue answers
// "cancel" (and the first button for alerts). Records every alert shown.
// With `real` set, every prompt is passed to it instead (still recorded):
// the real dialogs, for tests that look at them.
class FakePrompts : public IPrompts {
public:
    QList<ShownAlert> alerts;
    QQueue<int> alertAnswers;
    QQueue<QStringList> fileAnswers;
    QQueue<QString> addFolderAnswers;
    QQueue<QString> destinationAnswers;
    QQueue<QString> saveAnswers; // the files a save panel gives
    QQueue<QColor> colorAnswers;
    QQueue<QString> textAnswers;
    // The label of each text asked for, newest last.
    QStringList textLabels;
    int destinationAsked = 0;
    // The folder each open panel and chooser was to open in, newest last.
    QStringList startFolders;
    // The title of each colour chooser, newest last.
    QStringList colorTitles;
    IPrompts *real = nullptr;

    int alert(const QString &message, const QString &informative, const QStringList &buttons,
              AlertKind kind = AlertKind::Warning) override
    {
        return alertWithDetails(message, informative, QString(), buttons, kind);
    }
    int alertWithDetails(const QString &message, const QString &informative, const QString &details,
                         const QStringList &buttons, AlertKind kind) override
    {
        alerts.append({message, informative, buttons, kind, details});
        if (real)
            return real->alertWithDetails(message, informative, details, buttons, kind);
        return alertAnswers.isEmpty() ? 0 : alertAnswers.dequeue();
    }
    QStringList chooseFiles(const QString &message, const QStringList &extensions, const QString &startFolder) override
    {
        startFolders << startFolder;
        if (real)
            return real->chooseFiles(message, extensions, startFolder);
        return fileAnswers.isEmpty() ? QStringList() : fileAnswers.dequeue();
    }
    QString chooseFolderToAdd(const QString &message, const QString &startFolder) override
    {
        startFolders << startFolder;
        if (real)
            return real->chooseFolderToAdd(message, startFolder);
        return addFolderAnswers.isEmpty() ? QString() : addFolderAnswers.dequeue();
    }
    QString chooseDestinationFolder(const QString &message, const QString &startFolder) override
    {
        startFolders << startFolder;
        ++destinationAsked;
        if (real)
            return real->chooseDestinationFolder(message, startFolder);
        return destinationAnswers.isEmpty() ? QString() : destinationAnswers.dequeue();
    }
    QString chooseFileToSave(const QString &message, const QString &startPath, const QString &extension) override
    {
        startFolders << startPath;
        if (real)
            return real->chooseFileToSave(message, startPath, extension);
        return saveAnswers.isEmpty() ? QString() : saveAnswers.dequeue();
    }
    QColor chooseColor(const QColor &initial, const QString &title) override
    {
        colorTitles << title;
        if (real)
            return real->chooseColor(initial, title);
        return colorAnswers.isEmpty() ? QColor() : colorAnswers.dequeue();
    }
    QString askText(const QString &title, const QString &label, const QString &initial) override
    {
        textLabels << label;
        if (real)
            return real->askText(title, label, initial);
        return textAnswers.isEmpty() ? QString() : textAnswers.dequeue();
    }
};

class FakeAppearance : public IAppearance {
public:
    bool dark = false;
    bool isDark() const override { return dark; }
    // The desktop changing its appearance.
    void change(bool toDark)
    {
        dark = toDark;
        notifyChanged();
    }
};

class FakeDesktop : public IDesktop {
public:
    QList<QUrl> openedUrls;
    QStringList openedFolders;
    QStringList shownFiles;
    void openUrl(const QUrl &url) override { openedUrls << url; }
    void openFolder(const QString &path) override { openedFolders << path; }
    void showFile(const QString &path) override { shownFiles << path; }
};

// Records every desktop notification, as "summary: body".
class FakeNotifier : public INotifier {
public:
    QStringList sent;
    void notify(const QString &summary, const QString &body) override { sent << summary + QStringLiteral(": ") + body; }
};

// Records what was asked of each sound, as "open <path>", "play", "seek 3",
// "pause", "stop". A sound's time runs on the clock while it plays.
class FakeSoundFactory : public ISoundFactory {
public:
    QStringList calls;
    bool failToPlay = false;
    // When set, open() records the call and hands out this factory's real sound.
    ISoundFactory *real = nullptr;

    std::unique_ptr<ISound> open(const QString &path) override;
    // Makes the newest sound that still exists report a playback failure from
    // the event loop, as a sound backend would; false when no sound exists.
    bool failWhilePlaying(const QString &reason);
    // Makes the newest sound that still exists reach its end, from the event
    // loop, as a sound backend would; false when no sound exists.
    bool finishPlaying();
    // The newest sound still open, if any, and how many were opened.
    ISound *current = nullptr;
    int opened = 0;
};

} // namespace quavero
