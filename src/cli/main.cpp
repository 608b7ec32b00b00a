// SPDX-License-Identifier: GPL-3.0-or-later
// quavero-cli: the converter of the desktop program for terminals and scripts.
#include "cli/CommandLine.h"
#include "cli/CliText.h"
#include "cli/ConvertCommand.h"
#include "cli/ExitStatus.h"
#include "cli/FormatListing.h"
#include "cli/HelpText.h"
#include "cli/JobCommands.h"
#include "cli/PresetCommands.h"
#include "platform/core/BundledPrograms.h"
#include "platform/core/Preferences.h"
#include "platform/core/Translations.h"

#include <QCoreApplication>
#include <QThread>
#include <csignal>
#include <cstdio>

using namespace quavero;

namespace {
void print(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}
} // namespace

int main(int argc, char *argv[])
{
    // Output read by a pipe that closes early ("| head") must not end the
    // program in the middle of a conversion: the write fails, the work goes
    // on. Qt gives the children the default disposition back.
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quavero-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUAVERO_VERSION));
    translations::installForUser(app);

    // The presets live in the settings file the window uses too.
    QtPreferences preferences;
    PresetStore store(preferences);
    const PresetList presets = store.load();
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const cli::ParsedCommandLine parsed = cli::parseCommandLine(arguments, presets.presets);
    const bool usesPresets = parsed.request.action == cli::Request::Action::ListPresets ||
                             parsed.request.action == cli::Request::Action::SavePreset ||
                             !parsed.request.presetName.isEmpty();
    QStringList warnings = parsed.warnings;
    if (usesPresets)
        warnings = presets.warnings + warnings;
    for (const QString &warning : warnings)
        print(stderr, QStringLiteral("quavero-cli: %1\n").arg(warning));
    if (!parsed.ok()) {
        print(stderr, cli::Text::tr("quavero-cli: %1\nTry 'quavero-cli --help' for more information.\n").arg(parsed.error));
        return int(cli::ExitStatus::UsageError);
    }
    switch (parsed.request.action) {
    case cli::Request::Action::Help:
        print(stdout, cli::helpText(qMax(1, QThread::idealThreadCount())));
        return 0;
    case cli::Request::Action::Version:
        print(stdout, cli::versionText());
        return 0;
    case cli::Request::Action::ListFormats:
        print(stdout, cli::formatListing());
        return 0;
    case cli::Request::Action::ListPresets:
        print(stdout, cli::presetListing(presets));
        return 0;
    case cli::Request::Action::SavePreset:
        return cli::savePreset(store, parsed.request);
    case cli::Request::Action::Convert:
        break;
    }
    const ProgramPaths programs{bundled::programPath(QStringLiteral("ffmpeg")),
                                bundled::programPath(QStringLiteral("sox"))};
    if (parsed.request.job.mode != cli::JobRequest::Mode::None)
        return cli::runJobCommand(parsed.request, programs);
    return cli::runConversion(parsed.request, programs);
}
