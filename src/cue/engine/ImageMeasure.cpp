// SPDX-License-Identifier: GPL-3.0-or-later
#include "cue/engine/ImageMeasure.h"

#include <QFile>

// fileref.h first: the properties headers use TagLib's macros and byte
// vectors without including them.
#include <taglib/fileref.h>
#include <taglib/aiffproperties.h>
#include <taglib/apeproperties.h>
#include <taglib/flacproperties.h>
#include <taglib/tfilestream.h>
#include <taglib/trueaudioproperties.h>
#include <taglib/wavpackproperties.h>
#include <taglib/wavproperties.h>

namespace quavero {

namespace cue {
namespace {

// The length in samples where the format's header keeps it; 0 or less when
// it does not (a FLAC stream may say 0: unknown).
qint64 exactSamples(const TagLib::AudioProperties *p)
{
    using namespace TagLib;
    if (const auto *flac = dynamic_cast<const FLAC::Properties *>(p))
        return qint64(flac->sampleFrames());
    if (const auto *wav = dynamic_cast<const RIFF::WAV::Properties *>(p))
        return qint64(wav->sampleFrames());
    if (const auto *aiff = dynamic_cast<const RIFF::AIFF::Properties *>(p))
        return qint64(aiff->sampleFrames());
    if (const auto *ape = dynamic_cast<const APE::Properties *>(p))
        return qint64(ape->sampleFrames());
    if (const auto *wavpack = dynamic_cast<const WavPack::Properties *>(p))
        return qint64(wavpack->sampleFrames());
    if (const auto *tta = dynamic_cast<const TrueAudio::Properties *>(p))
        return qint64(tta->sampleFrames());
    return -1;
}
} // namespace

SheetImage measureImage(const QString &path)
{
    SheetImage image;
    image.path = path;
    const QByteArray name = QFile::encodeName(path);
    TagLib::FileStream stream(name.constData(), true);
    if (!stream.isOpen())
        return image;
    const TagLib::FileRef ref(&stream, true, TagLib::AudioProperties::Accurate);
    if (ref.isNull() || !ref.audioProperties() || ref.audioProperties()->sampleRate() <= 0)
        return image;
    image.sampleRate = ref.audioProperties()->sampleRate();
    const qint64 samples = exactSamples(ref.audioProperties());
    image.totalSamples = samples > 0 ? samples : -1;
    return image;
}
} // namespace cue

} // namespace quavero
