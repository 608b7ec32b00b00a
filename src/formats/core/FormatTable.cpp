// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/core/FormatTable.h"

#include <QStringList>

namespace quavero {

namespace formats {
const QVector<OutputFormat> &all()
{
    static const QVector<OutputFormat> table{
        {0, ".AC3", ".ac3", RecordKind::None, QString(), EffectsRule::Never},
        {1, ".AIFC", ".aif", RecordKind::AIFF, "AIFF", EffectsRule::WhenAiffUncompressed},
        {2, ".AIFF", ".aif", RecordKind::AIFF, "AIFF", EffectsRule::WhenAiffUncompressed},
        {3, ".AIF", ".aif", RecordKind::AIFF, "AIFF", EffectsRule::WhenAiffUncompressed},
        {4, ".AMR", ".amr", RecordKind::AMR, "AMR", EffectsRule::Never},
        {5, ".AU", ".au", RecordKind::AU, "AU", EffectsRule::Always},
        {6, ".CAF", ".caf", RecordKind::CAF, "CAF", EffectsRule::Never},
        {7, ".FLAC", ".flac", RecordKind::FLAC, "FLAC", EffectsRule::Always},
        {8, ".MP3", ".mp3", RecordKind::MP3, "MP3", EffectsRule::Never},
        {9, ".OGG", ".ogg", RecordKind::OGG, "OGG", EffectsRule::WhenOggVbr},
        {10, ".RAW", ".raw", RecordKind::RAW, "RAW", EffectsRule::Never},
        {11, ".SPX", ".spx", RecordKind::SPX, "SPX", EffectsRule::Never},
        {12, ".WAV", ".wav", RecordKind::WAV, "WAV", EffectsRule::Always},
        {13, ".WMA", ".wma", RecordKind::WMA, "WMA", EffectsRule::Never},
        {14, ".M4A", ".m4a", RecordKind::M4A, "M4A", EffectsRule::Never},
        {15, ".OPUS", ".opus", RecordKind::OPUS, "OPUS", EffectsRule::Never},
    };
    return table;
}

const OutputFormat *at(qint64 index)
{
    if (index < 0 || index >= kCount)
        return nullptr;
    return &all().at(int(index));
}

int indexFromName(const QString &name)
{
    QString wanted = name.trimmed().toUpper();
    if (!wanted.startsWith(QLatin1Char('.')))
        wanted.prepend(QLatin1Char('.'));
    for (const OutputFormat &f : all())
        if (f.item == wanted)
            return f.index;
    return -1;
}

const QStringList &acceptedExtensions()
{
    static const QStringList list = [] {
        QStringList l;
        for (const OutputFormat &f : all())
            l << f.item.mid(1).toLower();
        // Inputs only: ffmpeg decodes them, and a video file gives its first
        // audio stream.
        l << QStringList{"oga", "ogx", "wv",  "ape", "aac", "m4b", "m4r", "mp4", "mka", "mkv", "webm",
                         "tta", "tak", "mpc", "dsf", "dff", "w64", "mp2", "mpa", "snd", "voc"};
        return l;
    }();
    return list;
}
} // namespace formats

} // namespace quavero
