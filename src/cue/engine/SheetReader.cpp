// SPDX-License-Identifier: GPL-3.0-or-later
#include "cue/engine/SheetReader.h"

#include "cue/core/SheetText.h"
#include "cue/engine/EmbeddedSheet.h"
#include "cue/engine/ImageMeasure.h"
#include "cue/engine/SheetEncoding.h"
#include "cue/engine/SheetParser.h"
#include "platform/core/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quavero {

namespace cue {
namespace {
SheetFailure failure(FailureKind kind, const QString &source, const QString &file = QString(),
                     const QString &detail = QString())
{
    SheetFailure f;
    f.kind = kind;
    f.source = source;
    f.file = file;
    f.detail = detail;
    return f;
}

QStringList regularFilesIn(const QString &folder)
{
    QStringList files;
    for (const QString &name : fs::listFolder(folder))
        if (fs::isRegularFile(folder + QLatin1Char('/') + name))
            files << name;
    return files;
}

// Where the file a sheet names is: the name as written, relative to the
// sheet's folder (or absolute), and else the best match in the folder the
// name points into and in the sheet's own folder.
FoundImage findImage(const QString &named, const QString &sheetFolder, const QString &sheetBaseName, int filesInSheet)
{
    FoundImage found;
    found.named = named;
    const QString slashed = QString(named).replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString direct = QDir::isAbsolutePath(slashed) ? slashed : sheetFolder + QLatin1Char('/') + slashed;
    if (fs::isRegularFile(direct)) {
        found.path = QDir::cleanPath(direct);
        return found;
    }
    QStringList folders;
    const QString namedFolder = QFileInfo(direct).path();
    if (fs::isFolder(namedFolder))
        folders << namedFolder;
    if (QDir::cleanPath(namedFolder) != QDir::cleanPath(sheetFolder))
        folders << sheetFolder;
    for (const QString &folder : folders) {
        const ImageMatch match = matchImage(named, regularFilesIn(folder), sheetBaseName, filesInSheet);
        if (match.kind != MatchKind::None) {
            found.path = QDir::cleanPath(folder + QLatin1Char('/') + match.name);
            found.how = match.kind;
            return found;
        }
    }
    found.how = MatchKind::None;
    return found;
}

// The files the audio tracks are in; a file that holds only data tracks is
// not looked for.
QStringList filesOf(const CueSheet &sheet)
{
    QStringList files;
    for (const CueTrack &t : sheet.tracks)
        if (t.audio && !files.contains(t.file))
            files << t.file;
    return files;
}

// The tracks of a parsed sheet whose files are found and measured.
void listTracks(SheetReading &reading, const QMap<QString, SheetImage> &images, const QString &source)
{
    const TrackListing listing = sheetTracks(reading.sheet, images, source);
    reading.tracks = listing.tracks;
    reading.dataTracks = listing.dataTracks;
    reading.failure = listing.failure;
}
} // namespace

bool isSheetPath(const QString &path) { return path.endsWith(QLatin1String(".cue"), Qt::CaseInsensitive); }

SheetReading readSheetFile(const QString &path)
{
    SheetReading reading;
    reading.sheetPath = path;
    const QFileInfo info(path);
    const QString source = info.fileName();

    const QString problem = fs::regularFileProblem(path);
    if (!problem.isEmpty()) {
        reading.failure = failure(FailureKind::Unreadable, source, QString(), problem);
        return reading;
    }
    if (fs::fileSize(path) > kMaxSheetBytes) {
        reading.failure = failure(FailureKind::TooLarge, source);
        return reading;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reading.failure = failure(FailureKind::Unreadable, source, QString(), file.errorString());
        return reading;
    }
    const SheetText text = readText(file.read(kMaxSheetBytes));
    if (!text.ok) {
        reading.failure = failure(FailureKind::NotText, source);
        return reading;
    }
    reading.encoding = text.encoding;
    const ParsedSheet parsed = parse(forParser(text.text));
    if (!parsed.ok) {
        reading.failure = failure(FailureKind::NotASheet, source);
        return reading;
    }
    reading.sheet = parsed.sheet;
    reading.failure = checkSheet(reading.sheet, source);
    if (reading.failure)
        return reading;

    const QStringList named = filesOf(reading.sheet);
    QMap<QString, SheetImage> images;
    for (const QString &name : named) {
        const FoundImage found = findImage(name, info.absolutePath(), info.completeBaseName(), int(named.size()));
        if (found.how == MatchKind::None) {
            reading.failure = failure(FailureKind::MissingImage, source, fileNamePart(name));
            return reading;
        }
        const SheetImage image = measureImage(found.path);
        if (image.sampleRate <= 0) {
            reading.failure = failure(FailureKind::UnreadableImage, source, QFileInfo(found.path).fileName());
            return reading;
        }
        FoundImage measured = found;
        measured.totalSamples = image.totalSamples;
        reading.images << measured;
        images.insert(name, image);
    }
    listTracks(reading, images, source);
    return reading;
}

SheetReading readEmbeddedSheet(const QString &path)
{
    SheetReading reading;
    reading.sheetPath = path;
    const QString source = QFileInfo(path).fileName();
    const SheetImage image = measureImage(path);
    if (image.sampleRate <= 0) {
        reading.failure = failure(FailureKind::UnreadableImage, source, source);
        return reading;
    }
    const EmbeddedSheet embedded = readEmbedded(path, image.sampleRate);
    switch (embedded.source) {
    case EmbeddedSheet::Source::None:
        reading.failure = failure(FailureKind::NoEmbeddedSheet, source);
        return reading;
    case EmbeddedSheet::Source::Block:
        reading.sheet = embedded.sheet;
        break;
    case EmbeddedSheet::Source::Tag: {
        reading.encoding = QStringLiteral("UTF-8");
        const ParsedSheet parsed = parse(forParser(embedded.text));
        if (!parsed.ok) {
            reading.failure = failure(FailureKind::NotASheet, source);
            return reading;
        }
        reading.sheet = parsed.sheet;
        // Whatever file the sheet named when it was written (if any), its
        // tracks are in the file that holds it.
        for (CueTrack &t : reading.sheet.tracks)
            t.file = source;
        break;
    }
    }
    reading.failure = checkSheet(reading.sheet, source);
    if (reading.failure)
        return reading;
    reading.images << FoundImage{source, path, MatchKind::Exact, image.totalSamples};
    listTracks(reading, {{source, image}}, source);
    return reading;
}
} // namespace cue

} // namespace quavero
