// Quavero: a batch audio converter for the Linux desktop.
#include "app/AppDelegate.h"
#include "app/core/CommandLineFiles.h"
#include "app/MainWindow.h"
#include "platform/Appearance.h"
#include "platform/Desktop.h"
#include "platform/Prompts.h"
#include "platform/QtSound.h"
#include "platform/core/Preferences.h"
#include "platform/core/SystemLog.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quavero"));
    QApplication::setOrganizationName(QStringLiteral("Quavero"));
    QApplication::setApplicationVersion(QStringLiteral(QUAVERO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Quavero"));

    QtPreferences preferences;
    QtPrompts prompts;
    QtAppearance appearance;
    QtDesktop desktop;
    QtSoundFactory sounds;

    Services services;
    services.preferences = &preferences;
    services.prompts = &prompts;
    services.appearance = &appearance;
    services.desktop = &desktop;
    services.sounds = &sounds;
    // The process ends at once: nothing is saved at exit.
    services.exitProcess = [](int status) {
        std::fflush(nullptr);
        std::_Exit(status);
    };

    MainWindow window;
    prompts.setParent(&window);
    AppDelegate delegate(services);
    delegate.awakeFromNib(&window);
    if (!delegate.applicationDidFinishLaunching())
        return 0;

    // Files and folders given on the command line ("Open With" in a file
    // manager) are added once start-up has run, as Add Files and Add Folder would.
    const CommandLineFiles given = sortCommandLineFiles(
        app.arguments().mid(1), [](const QString &path) { return QFileInfo::exists(path); },
        [](const QString &path) { return QFileInfo(path).isDir(); });
    for (const QString &line : given.skipped)
        syslogline::write(line);
    if (!given.toAdd.isEmpty())
        delegate.addPaths(given.toAdd);
    return app.exec();
}
