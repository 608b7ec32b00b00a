// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/PlainFailure.h"

#include "convert/core/FailureReason.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <csignal>

namespace quavero {

namespace plainfailure {
namespace {
// The reasons are translated in the context "PlainFailure".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(PlainFailure)
};

// The lines a program printed, last first, without blanks and without what
// only shows progress.
QStringList linesLastFirst(const QByteArray &output)
{
    static const QRegularExpression lineBreak(QStringLiteral("[\r\n]"));
    QStringList lines;
    const QStringList all = QString::fromUtf8(output).split(lineBreak, Qt::SkipEmptyParts);
    for (auto it = all.crbegin(); it != all.crend(); ++it) {
        const QString line = it->trimmed();
        if (!line.isEmpty())
            lines << line;
    }
    return lines;
}

// The first line (from the end) that contains one of the texts.
QString lineWith(const QStringList &lines, std::initializer_list<const char *> texts)
{
    for (const QString &line : lines)
        for (const char *text : texts)
            if (line.contains(QLatin1String(text), Qt::CaseInsensitive))
                return line;
    return QString();
}

enum class About { Input, Output, Unknown };

// Whether a line speaks of the input or of the output.
About aboutWhat(const QString &line, const FailureContext &context)
{
    if (!context.input.isEmpty() && line.contains(context.input))
        return About::Input;
    if (!context.output.isEmpty() && line.contains(context.output))
        return About::Output;
    if (line.contains(QLatin1String("input file")) || line.contains(QLatin1String("opening input")))
        return About::Input;
    if (line.contains(QLatin1String("output file")) || line.contains(QLatin1String("opening output")))
        return About::Output;
    return About::Unknown;
}

// The value that follows an option in the argument vector, or "".
QString optionValue(const QStringList &arguments, std::initializer_list<const char *> names)
{
    for (int i = 0; i + 1 < arguments.size(); ++i)
        for (const char *name : names)
            if (arguments.at(i) == QLatin1String(name))
                return arguments.at(i + 1);
    return QString();
}

// ffmpeg's encoder refusing one of the format's settings.
QString refusedOption(const QStringList &lines, const FailureContext &context)
{
    static const QRegularExpression rate(
        QStringLiteral("sample rate (\\d+) is not supported|unsupported sample rate|sample rate not supported"),
        QRegularExpression::CaseInsensitiveOption);
    for (const QString &line : lines) {
        const QRegularExpressionMatch m = rate.match(line);
        if (!m.hasMatch())
            continue;
        const QString value = m.hasCaptured(1) ? m.captured(1) : optionValue(context.arguments, {"-ar"});
        return Text::tr("the encoder does not accept the sample rate %1 Hz; choose another sample rate in the "
                        "format options")
            .arg(value);
    }
    static const QRegularExpression channels(
        QStringLiteral("(channel layout|number of channels|channels?\\b).*(not supported|unsupported|invalid)|"
                       "(unsupported|invalid) (channel layout|number of channels)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression bitrate(
        QStringLiteral("bit ?rate.*(not supported|unsupported|invalid)|(unsupported|invalid) bit ?rate"),
        QRegularExpression::CaseInsensitiveOption);
    for (const QString &line : lines) {
        if (channels.match(line).hasMatch())
            return Text::tr("the encoder does not accept %1 channels; choose other channels in the format options")
                .arg(optionValue(context.arguments, {"-ac"}));
        if (bitrate.match(line).hasMatch())
            return Text::tr("the encoder does not accept the bitrate %1; choose another bitrate in the format "
                            "options")
                .arg(optionValue(context.arguments, {"-b:a", "-ab"}));
    }

    static const QRegularExpression unknownOption(QStringLiteral("Unrecognized option '([^']+)'"));
    static const QRegularExpression badValue(QStringLiteral("Error setting option (\\S+) to value (\\S+)"));
    for (const QString &line : lines) {
        QRegularExpressionMatch m = unknownOption.match(line);
        if (m.hasMatch())
            return Text::tr("this ffmpeg does not know the option -%1; install a complete ffmpeg or choose another "
                            "format")
                .arg(m.captured(1));
        m = badValue.match(line);
        if (m.hasMatch())
            return Text::tr("ffmpeg does not accept %1 for its option %2; choose other values in the format options")
                .arg(m.captured(2), m.captured(1));
    }
    if (!lineWith(lines, {"Error while opening encoder", "Error opening encoder", "encoder setup failed",
                          "Error initializing output stream"})
             .isEmpty())
        return Text::tr("the encoder does not accept these settings (%1); choose other values in the format options")
            .arg(describeSettings(context.arguments));
    return QString();
}

// ffmpeg read the input and found no audio stream in it.
bool foundNoAudio(const QByteArray &output)
{
    static const QRegularExpression audioStream(QStringLiteral("Stream #\\d+:\\d+.*: Audio:"));
    const QString text = QString::fromUtf8(output);
    if (text.contains(QLatin1String("does not contain any stream")))
        return true;
    return text.contains(QLatin1String("Input #")) && !audioStream.match(text).hasMatch();
}

bool unreadableInput(const QStringList &lines, const FailureContext &context)
{
    if (!lineWith(lines, {"Invalid data found when processing input", "Cannot determine format of input",
                          "could not find codec parameters", "Failed to read frame size", "moov atom not found",
                          "header not found", "no handler for file extension"})
             .isEmpty())
        return true;
    // A file ffmpeg cannot even guess the type of ends with "<input>: Invalid argument".
    for (const QString &line : lines)
        if (line.endsWith(QLatin1String("Invalid argument")) && aboutWhat(line, context) == About::Input)
            return true;
    return false;
}

QString explain(const QStringList &lines, const FailureContext &context, const QByteArray &output, bool *diskFull)
{
    const QString noSpace = lineWith(lines, {"No space left on device", "Disk quota exceeded"});
    if (!noSpace.isEmpty()) {
        *diskFull = true;
        return Text::tr("the destination disk is full; free some space on it or choose another destination folder");
    }
    const QString denied = lineWith(lines, {"Permission denied", "Operation not permitted", "Read-only file system"});
    if (!denied.isEmpty()) {
        if (aboutWhat(denied, context) == About::Input)
            return Text::tr("no permission to read the file; change its permissions or convert a copy of it");
        return Text::tr("no permission to write in the destination folder; choose another folder or change its "
                        "permissions");
    }
    const QString missing = lineWith(lines, {"No such file or directory"});
    if (!missing.isEmpty()) {
        if (aboutWhat(missing, context) == About::Input)
            return Text::tr("the file is no longer there; it was moved, renamed or deleted after it was added");
        return Text::tr("the destination folder is no longer there; choose it again or another one");
    }
    if (context.program == QLatin1String("ffmpeg")) {
        if (foundNoAudio(output))
            return Text::tr("the file holds no audio; there is nothing to convert");
        if (unreadableInput(lines, context))
            return Text::tr(
                "not an audio file ffmpeg can read; check that the file is complete and really holds audio");
        const QString option = refusedOption(lines, context);
        if (!option.isEmpty())
            return option;
    }
    return QString();
}

const char *signalName(int signalNumber)
{
    switch (signalNumber) {
    case SIGHUP:
        return "SIGHUP";
    case SIGINT:
        return "SIGINT";
    case SIGQUIT:
        return "SIGQUIT";
    case SIGILL:
        return "SIGILL";
    case SIGABRT:
        return "SIGABRT";
    case SIGBUS:
        return "SIGBUS";
    case SIGFPE:
        return "SIGFPE";
    case SIGKILL:
        return "SIGKILL";
    case SIGSEGV:
        return "SIGSEGV";
    case SIGPIPE:
        return "SIGPIPE";
    case SIGTERM:
        return "SIGTERM";
    default:
        return nullptr;
    }
}
} // namespace

QString describeSettings(const QStringList &arguments)
{
    QStringList parts;
    for (int i = 0; i + 1 < arguments.size(); ++i) {
        const QString option = arguments.at(i);
        const QString value = arguments.at(i + 1);
        if (option == QLatin1String("-ar"))
            parts << Text::tr("sample rate %1 Hz").arg(value);
        else if (option == QLatin1String("-ac"))
            parts << Text::tr("channels %1").arg(value);
        else if (option == QLatin1String("-b:a") || option == QLatin1String("-ab"))
            parts << Text::tr("bitrate %1").arg(value);
        else if (option == QLatin1String("-qscale:a"))
            parts << Text::tr("quality %1").arg(value);
        else if (option == QLatin1String("-compression_level"))
            parts << Text::tr("compression level %1").arg(value);
        else if (option == QLatin1String("-codec:a") || option == QLatin1String("-acodec") ||
                 option == QLatin1String("-c:a"))
            parts << Text::tr("encoder %1").arg(value);
    }
    return parts.join(QStringLiteral(", "));
}

PlainFailure fromExit(const FailureContext &context, int exitCode, const QByteArray &output)
{
    PlainFailure failure;
    failure.rawLine = failure::lastMeaningfulLine(output);
    failure.reason = explain(linesLastFirst(output), context, output, &failure.diskFull);
    if (failure.reason.isEmpty())
        failure.reason = failure::exitReason(context.program, exitCode, output);
    return failure;
}

PlainFailure fromSignal(const QString &program, int signalNumber, const QByteArray &output)
{
    PlainFailure failure;
    failure.rawLine = failure::lastMeaningfulLine(output);
    const char *name = signalName(signalNumber);
    const QString signal =
        name ? QStringLiteral("%1, %2").arg(signalNumber).arg(QLatin1String(name)) : QString::number(signalNumber);
    switch (signalNumber) {
    case SIGKILL:
        failure.reason = Text::tr("%1 was killed (signal %2) before it finished, perhaps because memory ran out; "
                                  "convert the file again")
                             .arg(program, signal);
        break;
    case SIGHUP:
    case SIGINT:
    case SIGQUIT:
    case SIGTERM:
        failure.reason =
            Text::tr("%1 was stopped from outside (signal %2) before it finished; convert the file again").arg(program, signal);
        break;
    default:
        failure.reason = Text::tr("%1 crashed (signal %2) on this file; the file may be damaged, or try another "
                                  "output format")
                             .arg(program, signal);
        break;
    }
    return failure;
}
} // namespace plainfailure

} // namespace quavero
