// SPDX-License-Identifier: GPL-3.0-or-later
#include "cue/engine/EmbeddedSheet.h"

#include "convert/engine/TagLibText.h"

#include <QFile>
#include <QFileInfo>

#include <FLAC/metadata.h>
#include <taglib/fileref.h>
#include <taglib/tfilestream.h>
#include <taglib/tpropertymap.h>

#include <memory>

namespace quavero {

namespace cue {
namespace {
// The lead-out "track" that ends a FLAC cue sheet: 170 on a CD, 255 elsewhere.
constexpr int kCdLeadOut = 170;
constexpr int kLeadOut = 255;

QString tagText(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    TagLib::FileStream stream(name.constData(), true);
    if (!stream.isOpen())
        return QString();
    const TagLib::FileRef ref(&stream, false);
    if (ref.isNull())
        return QString();
    const TagLib::PropertyMap properties = ref.file()->properties();
    const auto it = properties.find("CUESHEET");
    if (it == properties.end() || it->second.isEmpty())
        return QString();
    return taglibtext::toQt(it->second.front());
}

// A sample offset as CD frames, to the nearest frame.
qint64 framesOf(quint64 samples, int sampleRate)
{
    return sampleRate > 0 ? qint64((samples * 150 + quint64(sampleRate)) / (2 * quint64(sampleRate))) : -1;
}

CueSheet blockSheet(const FLAC__StreamMetadata_CueSheet &block, const QString &fileName, int sampleRate)
{
    CueSheet sheet;
    int number = 0;
    for (uint32_t i = 0; i < block.num_tracks; ++i) {
        const FLAC__StreamMetadata_CueSheet_Track &t = block.tracks[i];
        if (t.number == kCdLeadOut || t.number == kLeadOut || t.num_indices == 0)
            continue;
        CueTrack track;
        track.number = ++number;
        track.audio = t.type == 0;
        track.file = fileName;
        track.isrc = QString::fromLatin1(t.isrc, qsizetype(qstrnlen(t.isrc, sizeof t.isrc)));
        // A track without INDEX 01 starts at its first index.
        quint64 start = t.offset + t.indices[0].offset;
        for (int j = 0; j < t.num_indices; ++j) {
            const quint64 at = t.offset + t.indices[j].offset;
            if (t.indices[j].number == 0)
                track.index00 = framesOf(at, sampleRate);
            else if (t.indices[j].number == 1)
                start = at;
        }
        track.exactStart = qint64(start);
        track.index01 = framesOf(start, sampleRate);
        sheet.tracks << track;
    }
    return sheet;
}
} // namespace

EmbeddedSheet readEmbedded(const QString &path, int sampleRate)
{
    EmbeddedSheet found;
    found.text = tagText(path);
    if (!found.text.trimmed().isEmpty()) {
        found.source = EmbeddedSheet::Source::Tag;
        return found;
    }
    FLAC__StreamMetadata *block = nullptr;
    if (!FLAC__metadata_get_cuesheet(QFile::encodeName(path).constData(), &block) || !block)
        return found;
    const std::unique_ptr<FLAC__StreamMetadata, decltype(&FLAC__metadata_object_delete)> owned(
        block, &FLAC__metadata_object_delete);
    found.sheet = blockSheet(block->data.cue_sheet, QFileInfo(path).fileName(), sampleRate);
    if (!found.sheet.tracks.isEmpty())
        found.source = EmbeddedSheet::Source::Block;
    return found;
}
} // namespace cue

} // namespace quavero
