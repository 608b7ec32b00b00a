// SPDX-License-Identifier: GPL-3.0-or-later
// Quavero: a batch audio converter for the Linux desktop.
#include "app/AppDelegate.h"
#include "app/core/CommandLineFiles.h"
#include "app/MainWindow.h"
#include "app/QtServices.h"
#include "app/SingleInstance.h"
#include "platform/Prompts.h"
#include "platform/core/FileSystem.h"
#include "platform/core/StopSignals.h"
#include "platform/core/SystemLog.h"
#include "platform/core/Translations.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>

using namespace quavero;

namespace {
// The files and folders named on a command line (a file manager's "Open
// With"), as absolute paths; a log line for each one left out.
QStringList givenPaths(const QStringList &arguments)
{
    const CommandLineFiles given = sortCommandLineFiles(
        arguments, [](const QString &path) { return QFileInfo::exists(path); },
        [](const QString &path) { return QFileInfo(path).isDir(); });
    for (const QString &line : given.skipped)
        syslogline::write(line);
    QStringList paths;
    for (const QString &path : given.toAdd)
        paths << QFileInfo(path).absoluteFilePath();
    return paths;
}

void alertNoAnswer(IPrompts &prompts)
{
    prompts.alert(QCoreApplication::translate("SingleInstance", "Quavero is already running."),
                  QCoreApplication::translate("SingleInstance",
                                              "Another Quavero window is open but does not answer. Close it, then "
                                              "start Quavero again."),
                  {QCoreApplication::translate("SingleInstance", "Close")});
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quavero"));
    QApplication::setOrganizationName(QStringLiteral("Quavero"));
    QApplication::setApplicationVersion(QStringLiteral(QUAVERO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Quavero"));
    // Before the first window, so every text is made in the user's language.
    translations::installForUser(app);

    QtServices platform;

    // A window that runs already takes the files; this start ends without
    // touching the work folder, in which that window converts and previews.
    const QStringList paths = givenPaths(app.arguments().mid(1));
    const QString workFolder = AppDelegate::workFolderPath();
    SingleInstance instance(workFolder);
    if (instance.handOver(paths))
        return 0;
    // The lock is taken before start-up empties the work folder; a first
    // start, which creates the folder, takes it right after.
    const bool firstStart = !fs::exists(workFolder);
    if (!firstStart) {
        const SingleInstance::Claim claim = instance.claim(paths);
        if (claim == SingleInstance::Claim::HandedOver)
            return 0;
        if (claim == SingleInstance::Claim::NoAnswer) {
            alertNoAnswer(platform.prompts);
            return 0;
        }
    }

    MainWindow window;
    platform.prompts.setParent(&window);
    AppDelegate delegate(platform.services);
    delegate.awakeFromNib(&window);
    // Logout (SIGTERM), Ctrl-C in the terminal that started the program
    // (SIGINT) and a closed terminal (SIGHUP) end it as Quit does; the
    // conversions that run are stopped and their partial files removed.
    StopSignalWatcher stopSignals;
    QObject::connect(&stopSignals, &StopSignalWatcher::interrupted, &delegate, &AppDelegate::Terminate_App);
    if (!delegate.applicationDidFinishLaunching())
        return 0;
    if (firstStart && fs::isFolder(workFolder) && instance.claim(paths) != SingleInstance::Claim::Claimed)
        return 0; // two first starts at once: the other window has the files

    // A later start hands its files over: they are added as the command line's
    // are, and the window comes to the front.
    QObject::connect(&instance, &SingleInstance::pathsArrived, &delegate, [&delegate, &window](const QStringList &more) {
        if (!more.isEmpty())
            delegate.addPaths(more);
        if (window.isMinimized())
            window.showNormal();
        window.raise();
        window.activateWindow();
    });
    // Files and folders given on the command line are added once start-up
    // has run, as Add Files and Add Folder would.
    if (!paths.isEmpty())
        delegate.addPaths(paths);
    return app.exec();
}
