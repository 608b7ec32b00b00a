// SPDX-License-Identifier: GPL-3.0-or-later
#include "loudness/core/GainContainer.h"

#include <QCoreApplication>

namespace quavero {

namespace loudness {
GainContainer containerFor(TagFile file)
{
    switch (file) {
    case TagFile::None:
    case TagFile::KeptByFfmpeg:
        return GainContainer::None;
    case TagFile::Mpeg:
        return GainContainer::Mpeg;
    case TagFile::Flac:
        return GainContainer::Flac;
    case TagFile::OggVorbis:
        return GainContainer::OggVorbis;
    case TagFile::OggSpeex:
        return GainContainer::OggSpeex;
    case TagFile::OggOpus:
        return GainContainer::OggOpus;
    case TagFile::Mp4:
        return GainContainer::Mp4;
    case TagFile::Asf:
        return GainContainer::Asf;
    case TagFile::Wav:
        return GainContainer::Wav;
    case TagFile::Aiff:
        return GainContainer::Aiff;
    }
    return GainContainer::None;
}

GainContainer containerForFormat(qint64 formatIndex) { return containerFor(tags::targetFor(formatIndex).file); }

GainStyle styleOf(GainContainer container)
{
    switch (container) {
    case GainContainer::None:
        return GainStyle::None;
    case GainContainer::OggOpus:
        return GainStyle::R128;
    default:
        return GainStyle::ReplayGain;
    }
}
bool takesGainTags(GainContainer container) { return container != GainContainer::None; }

QString noGainTagsNote(const QString &formatItem)
{
    return QCoreApplication::translate("Loudness", "%1 files hold no loudness tags: none were written").arg(formatItem);
}
} // namespace loudness

} // namespace quavero
