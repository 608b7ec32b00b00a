// Quavero: a batch audio converter for the Linux desktop.
#include "app/AppDelegate.h"
#include "app/core/CommandLineFiles.h"
#include "app/MainWindow.h"
#include "app/QtServices.h"
#include "platform/core/SystemLog.h"
#include "platform/core/Translations.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

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

    MainWindow window;
    platform.prompts.setParent(&window);
    AppDelegate delegate(platform.services);
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
