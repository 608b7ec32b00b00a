// SPDX-License-Identifier: GPL-3.0-or-later
// Times planning the output names of a big run from a template, against the
// plain names of the same run (each output named after its input).
//
//   bench_naming [count]   (default 10000 entries)
//
// The entries are short tagged files (MP3, FLAC, Ogg Vorbis, M4A and WAV: 40
// made with ffmpeg, copied to make up the count, each copy a file of its own
// with a title of its own) in a temporary folder. The files were just written, so they are in the page
// cache, as the files of a list are after the duration probe has read them.
// Prints, each the best of three rounds:
//   plain names     the output plan with every output named after its input
//   tags            reading every entry's tags with TagLib
//   template        expanding the template for every entry (tags already read)
//   names from tags the whole: tags, template, then the output plan
//   run plan        what a run does: tags read into the inputs, then the
//                   run's whole plan (names, paths, argument vectors)
// and the ratio of the whole to the plain names. Target: the whole under 2 s
// for 10,000 entries.
#include "convert/core/OutputPlan.h"
#include "convert/core/RunPlanner.h"
#include "convert/engine/TagReading.h"
#include "naming/core/SafeName.h"
#include "naming/engine/EntryNames.h"
#include "platform/core/ChildProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

#include <taglib/fileref.h>
#include <taglib/tag.h>

using namespace quavero;

namespace {
const char *const kTemplate = "{albumartist}/{album} ({year})/[{disc}-]{track:02} {title}";
const char *const kExtensions[] = {"mp3", "flac", "ogg", "m4a", "wav"};
constexpr int kDistinct = 40;
constexpr int kRounds = 3;

bool makeTagged(const QString &ffmpeg, const QString &path, int i)
{
    const QStringList tags{QStringLiteral("title=Song number %1 – ein Stück").arg(i),
                           QStringLiteral("artist=Band %1").arg(i % 7),
                           QStringLiteral("album_artist=Band %1").arg(i % 7),
                           QStringLiteral("album=Album %1").arg(i % 5),
                           QStringLiteral("date=%1-06-01").arg(1990 + i),
                           QStringLiteral("track=%1/12").arg(i % 12 + 1),
                           QStringLiteral("disc=%1").arg(i % 2 + 1),
                           QStringLiteral("genre=Rock")};
    QStringList args{"-v",
                     "error",
                     "-y",
                     "-f",
                     "lavfi",
                     "-i",
                     QStringLiteral("sine=frequency=%1:sample_rate=8000:duration=0.2").arg(300 + i),
                     "-ac",
                     "1"};
    for (const QString &t : tags)
        args << "-metadata" << t;
    args << path;
    return child::runJoined(ffmpeg, args).exitCode == 0;
}

// A copy of a made file with a title of its own, as the tracks of a library
// have: no two entries share a name.
bool copyRetitled(const QString &source, const QString &path, int i)
{
    if (!QFile::copy(source, path))
        return false;
    TagLib::FileRef file(QFile::encodeName(path).constData());
    if (file.isNull())
        return false;
    file.tag()->setTitle(
        TagLib::String(QStringLiteral("Song number %1 – ein Stück").arg(i).toStdString(), TagLib::String::UTF8));
    return file.save();
}

double bestSeconds(const std::function<void()> &work)
{
    double best = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = qMin(best, timer.nsecsElapsed() / 1e9);
    }
    return best;
}

QList<PlanEntry> planEntriesOf(const QList<NamedOutput> &names)
{
    QList<PlanEntry> entries;
    entries.reserve(names.size());
    for (const NamedOutput &n : names)
        entries.append({n.baseName, n.subfolder, QString()});
    return entries;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? qMax(1, atoi(argv[1])) : 10000;
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    QTemporaryDir folder;
    if (ffmpeg.isEmpty() || !folder.isValid()) {
        std::fprintf(stderr, "bench_naming: needs ffmpeg and a temporary folder\n");
        return 1;
    }
    QList<NamingSource> sources;
    for (int i = 0; i < count; ++i) {
        const QString base = QStringLiteral("track %1").arg(i, 5, 10, QLatin1Char('0'));
        const QString path =
            QStringLiteral("%1/%2.%3").arg(folder.path(), base, QLatin1String(kExtensions[i % kDistinct % 5]));
        const bool made =
            i < kDistinct ? makeTagged(ffmpeg, path, i) : copyRetitled(sources.at(i % kDistinct).path, path, i);
        if (!made) {
            std::fprintf(stderr, "bench_naming: could not make %s\n", qPrintable(path));
            return 1;
        }
        sources.append({path, base, QString()});
    }
    const naming::ParsedTemplate parsed = naming::parseTemplate(QString::fromUtf8(kTemplate));
    const QString extension = QStringLiteral(".mp3");
    const QString destination = folder.path() + QStringLiteral("/out");
    const auto nothingExists = [](const QString &) { return false; };

    QList<PlanEntry> plain;
    for (const NamingSource &s : sources)
        plain.append({s.baseName, s.relativeFolder, QString()});
    const double plainSeconds = bestSeconds([&] { outputplan::plan(plain, destination, extension, true, nothingExists); });

    QList<naming::NameFields> fields;
    const double tagSeconds = bestSeconds([&] {
        fields.clear();
        for (const NamingSource &s : sources)
            fields.append(naming::fieldsOfFile(s));
    });
    const int budget = naming::baseNameBudget(extension);
    int fellBack = 0;
    const double templateSeconds = bestSeconds([&] {
        fellBack = 0;
        for (const naming::NameFields &f : fields)
            fellBack += naming::nameFor(parsed.nameTemplate, f, budget, true).fellBack ? 1 : 0;
    });
    QList<PlannedOutput> planned;
    const double wholeSeconds = bestSeconds([&] {
        const QList<NamedOutput> names = naming::nameEntries(parsed.nameTemplate, sources, extension, true);
        planned = outputplan::plan(planEntriesOf(names), destination, extension, true, nothingExists);
    });
    QList<PlanInput> inputs;
    for (const NamingSource &s : sources) {
        NodeVideoFile entry;
        entry.setS_File_Path(s.path);
        entry.setS_File_Name_Without_Extension(s.baseName);
        entry.setS_File_Extension(s.path.mid(s.path.lastIndexOf(QLatin1Char('.'))));
        inputs.append(PlanInput(entry));
    }
    SettingsSnapshot settings;
    settings.nameTemplate = QString::fromUtf8(kTemplate);
    PlanWorld world;
    world.exists = nothingExists;
    world.canonical = [](const QString &path) { return path; };
    int plannedEntries = 0;
    const double runPlanSeconds = bestSeconds([&] {
        QList<PlanInput> withTags = inputs;
        naming::readTags(withTags);
        plannedEntries = int(runplan::make(settings, withTags, destination, 1, world).entries.size());
    });
    int renamed = 0;
    for (const PlannedOutput &p : planned)
        renamed += p.renamed ? 1 : 0;

    std::printf("names of %d entries, template \"%s\" (best of %d rounds)\n", count, kTemplate, kRounds);
    std::printf("  plain names      %8.3f s\n", plainSeconds);
    std::printf("  tags             %8.3f s\n", tagSeconds);
    std::printf("  template         %8.3f s  (%d fell back)\n", templateSeconds, fellBack);
    std::printf("  names from tags  %8.3f s  (%d numbered)   ratio to plain names %.1f\n", wholeSeconds, renamed,
                wholeSeconds / qMax(plainSeconds, 1e-9));
    std::printf("  run plan         %8.3f s  (%d entries)   ratio to plain names %.1f\n", runPlanSeconds,
                plannedEntries, runPlanSeconds / qMax(plainSeconds, 1e-9));
    std::printf("  target: names from tags under 2 s for 10,000 entries: %s\n",
                count == 10000 ? (qMax(wholeSeconds, runPlanSeconds) < 2.0 ? "met" : "MISSED")
                               : "(run with 10000 to compare)");
    return 0;
}
