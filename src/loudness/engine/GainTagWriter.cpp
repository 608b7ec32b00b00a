// SPDX-License-Identifier: GPL-3.0-or-later
#include "loudness/engine/GainTagWriter.h"

#include "convert/engine/TagLibText.h"
#include "convert/engine/TagWriting.h"

#include <vector>

#include <taglib/aifffile.h>
#include <taglib/asffile.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/opusfile.h>
#include <taglib/speexfile.h>
#include <taglib/textidentificationframe.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>
#include <taglib/xiphcomment.h>

namespace quavero {

using namespace TagLib;
using taglibtext::toTagLib;

namespace loudness {
namespace {
// Readers take these names in any case; a field of that name in another case
// is the same field and is replaced.
void applyXiph(Ogg::XiphComment *comment, const GainFields &fields)
{
    for (const GainField &f : fields) {
        comment->removeFields(toTagLib(f.key));
        if (!f.removes())
            comment->addField(toTagLib(f.key), toTagLib(f.value), true);
    }
}

void applyId3v2(ID3v2::Tag *tag, const GainFields &fields)
{
    for (const GainField &f : fields) {
        // A copy of TagLib's list would share its ownership of the frames: plain pointers.
        std::vector<ID3v2::Frame *> same;
        for (ID3v2::Frame *frame : tag->frameList("TXXX")) {
            const auto *txxx = dynamic_cast<const ID3v2::UserTextIdentificationFrame *>(frame);
            if (txxx && txxx->description().upper() == toTagLib(f.key))
                same.push_back(frame);
        }
        for (ID3v2::Frame *frame : same)
            tag->removeFrame(frame);
        if (!f.removes()) {
            // Latin-1, as the values are plain ASCII and every reader takes it.
            auto *frame = new ID3v2::UserTextIdentificationFrame(String::Latin1);
            frame->setDescription(toTagLib(f.key));
            frame->setText(toTagLib(f.value));
            tag->addFrame(frame);
        }
    }
}

void applyMp4(MP4::Tag *tag, const GainFields &fields)
{
    for (const GainField &f : fields) {
        const String name = toTagLib(QStringLiteral("----:com.apple.iTunes:") + f.key.toLower());
        const MP4::ItemMap items = tag->itemMap();
        for (const auto &[key, item] : items)
            if (key.upper() == name.upper())
                tag->removeItem(key);
        if (!f.removes())
            tag->setItem(name, MP4::Item(StringList(toTagLib(f.value))));
    }
}

void applyAsf(ASF::Tag *tag, const GainFields &fields)
{
    for (const GainField &f : fields) {
        const ASF::AttributeListMap attributes = tag->attributeListMap();
        for (const auto &[name, list] : attributes)
            if (name.upper() == toTagLib(f.key))
                tag->removeItem(name);
        if (!f.removes())
            tag->setAttribute(toTagLib(f.key), ASF::Attribute(toTagLib(f.value)));
    }
}

template <class OggFile> bool saveOgg(IOStream *stream, const GainFields &fields, bool *valid)
{
    OggFile f(stream, false);
    if (!(*valid = f.isValid() && f.tag()))
        return false;
    applyXiph(f.tag(), fields);
    return f.save();
}

bool save(IOStream *stream, GainContainer container, const GainFields &fields, bool *valid)
{
    *valid = false;
    switch (container) {
    case GainContainer::Flac: {
        FLAC::File f(stream, ID3v2::FrameFactory::instance(), false);
        if (!(*valid = f.isValid()))
            return false;
        applyXiph(f.xiphComment(true), fields);
        return f.save();
    }
    case GainContainer::OggVorbis:
        return saveOgg<Ogg::Vorbis::File>(stream, fields, valid);
    case GainContainer::OggSpeex:
        return saveOgg<Ogg::Speex::File>(stream, fields, valid);
    case GainContainer::OggOpus:
        return saveOgg<Ogg::Opus::File>(stream, fields, valid);
    case GainContainer::Mpeg: {
        MPEG::File f(stream, ID3v2::FrameFactory::instance(), false);
        if (!(*valid = f.isValid()))
            return false;
        applyId3v2(f.ID3v2Tag(true), fields);
        return f.save(MPEG::File::ID3v2, File::StripNone, ID3v2::v4, File::DoNotDuplicate);
    }
    case GainContainer::Wav: {
        RIFF::WAV::File f(stream, false);
        if (!(*valid = f.isValid()))
            return false;
        applyId3v2(f.ID3v2Tag(), fields);
        return f.save(RIFF::WAV::File::AllTags, File::StripNone, ID3v2::v4);
    }
    case GainContainer::Aiff: {
        RIFF::AIFF::File f(stream, false);
        if (!(*valid = f.isValid()))
            return false;
        applyId3v2(f.tag(), fields);
        return f.save(ID3v2::v4);
    }
    case GainContainer::Mp4: {
        MP4::File f(stream, false);
        if (!(*valid = f.isValid() && f.tag()))
            return false;
        applyMp4(f.tag(), fields);
        return f.save();
    }
    case GainContainer::Asf: {
        ASF::File f(stream, false);
        if (!(*valid = f.isValid() && f.tag()))
            return false;
        applyAsf(f.tag(), fields);
        return f.save();
    }
    case GainContainer::None:
        *valid = true;
        return true;
    }
    return false;
}
} // namespace

QString writeGainTags(const QString &path, GainContainer container, const GainFields &fields)
{
    if (container == GainContainer::None || fields.isEmpty())
        return QString();
    return tagwrite::writeThrough(path,
                                  [&](IOStream *stream, bool *valid) { return save(stream, container, fields, valid); });
}
} // namespace loudness

} // namespace quavero
