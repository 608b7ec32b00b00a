// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/engine/TagWriting.h"

#include "convert/engine/TagLibText.h"

#include <QCoreApplication>
#include <QFile>

#include <vector>

#include <taglib/aifffile.h>
#include <taglib/asffile.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/id3v2tag.h>
#include <taglib/infotag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/opusfile.h>
#include <taglib/speexfile.h>
#include <taglib/tfilestream.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>
#include <taglib/xiphcomment.h>

namespace quavero {

using namespace TagLib;
using taglibtext::toQt;
using taglibtext::toTagLib;

namespace tagwrite {
namespace {
// The RIFF INFO fields a WAV file gets, the ones common readers show.
struct InfoField {
    const char *id;
    const char *key;
};
constexpr InfoField kInfoFields[] = {
    {"INAM", "TITLE"}, {"IART", "ARTIST"},      {"IPRD", "ALBUM"},     {"ICMT", "COMMENT"},  {"IGNR", "GENRE"},
    {"ICRD", "DATE"},  {"IPRT", "TRACKNUMBER"}, {"ICOP", "COPYRIGHT"}, {"ILNG", "LANGUAGE"}, {"ITCH", "ENCODEDBY"},
};

FLAC::Picture *flacPicture(const PlannedPicture &planned)
{
    const TagPicture &p = planned.picture;
    auto *picture = new FLAC::Picture;
    picture->setType(FLAC::Picture::Type(p.type));
    picture->setMimeType(toTagLib(p.mimeType));
    picture->setDescription(toTagLib(p.description));
    picture->setWidth(planned.header.width);
    picture->setHeight(planned.header.height);
    picture->setColorDepth(planned.header.depth);
    picture->setNumColors(planned.header.colours);
    picture->setData(toTagLib(p.data));
    return picture;
}

void addApic(ID3v2::Tag *tag, const TagPicture &p)
{
    auto *frame = new ID3v2::AttachedPictureFrame;
    frame->setTextEncoding(String::UTF8);
    frame->setType(ID3v2::AttachedPictureFrame::Type(p.type));
    frame->setMimeType(toTagLib(p.mimeType));
    frame->setDescription(toTagLib(p.description));
    frame->setPicture(toTagLib(p.data));
    tag->addFrame(frame);
}

QList<TagPicture> apicPictures(const ID3v2::Tag *tag)
{
    QList<TagPicture> pictures;
    for (ID3v2::Frame *frame : tag->frameList("APIC"))
        if (const auto *apic = dynamic_cast<const ID3v2::AttachedPictureFrame *>(frame))
            pictures << TagPicture{int(apic->type()), toQt(apic->mimeType()), toQt(apic->description()), {}};
    return pictures;
}

// Replaces every frame by the plan's fields and pictures; with keepPictures
// the pictures already there stay and only the missing ones are added.
void fillId3v2(ID3v2::Tag *tag, const TagPlan &plan, bool keepPictures)
{
    const QList<PlannedPicture> pictures =
        keepPictures ? tags::notYetThere(plan.pictures, apicPictures(tag)) : plan.pictures;
    // A copy of TagLib's list would share its ownership of the frames: plain pointers.
    std::vector<ID3v2::Frame *> frames;
    for (ID3v2::Frame *frame : tag->frameList())
        if (!(keepPictures && frame->frameID() == "APIC"))
            frames.push_back(frame);
    for (ID3v2::Frame *frame : frames)
        tag->removeFrame(frame);
    tag->setProperties(taglibtext::toTagLib(plan.fields));
    for (const PlannedPicture &p : pictures)
        addApic(tag, p.picture);
}

void fillXiph(Ogg::XiphComment *comment, const TagPlan &plan, bool picturesInComment)
{
    comment->removeAllFields();
    comment->removeAllPictures();
    comment->setProperties(taglibtext::toTagLib(plan.fields));
    if (picturesInComment)
        for (const PlannedPicture &p : plan.pictures)
            comment->addPicture(flacPicture(p));
}

void fillInfo(RIFF::Info::Tag *info, const TagPlan &plan)
{
    const RIFF::Info::FieldListMap present = info->fieldListMap();
    for (const auto &[id, text] : present)
        info->removeField(id);
    for (const InfoField &f : kInfoFields) {
        const QStringList values = plan.fields.value(QLatin1String(f.key));
        if (!values.isEmpty())
            info->setFieldText(f.id, toTagLib(values.join(QLatin1String("; "))));
    }
}

void fillMp4(MP4::Tag *tag, const TagPlan &plan)
{
    const MP4::ItemMap items = tag->itemMap();
    for (const auto &[key, item] : items)
        tag->removeItem(key);
    tag->setProperties(taglibtext::toTagLib(plan.fields));
    MP4::CoverArtList covers;
    for (const PlannedPicture &p : plan.pictures) {
        switch (p.header.format) {
        case ImageHeader::Jpeg:
            covers.append(MP4::CoverArt(MP4::CoverArt::JPEG, toTagLib(p.picture.data)));
            break;
        case ImageHeader::Png:
            covers.append(MP4::CoverArt(MP4::CoverArt::PNG, toTagLib(p.picture.data)));
            break;
        case ImageHeader::Gif:
            covers.append(MP4::CoverArt(MP4::CoverArt::GIF, toTagLib(p.picture.data)));
            break;
        case ImageHeader::Bmp:
            covers.append(MP4::CoverArt(MP4::CoverArt::BMP, toTagLib(p.picture.data)));
            break;
        default:
            break; // the plan leaves out what MP4 cannot name
        }
    }
    if (!covers.isEmpty())
        tag->setItem("covr", MP4::Item(covers));
}

void fillAsf(ASF::Tag *tag, const TagPlan &plan)
{
    const ASF::AttributeListMap attributes = tag->attributeListMap();
    for (const auto &[name, list] : attributes)
        tag->removeItem(name);
    tag->setProperties(taglibtext::toTagLib(plan.fields));
    for (const PlannedPicture &planned : plan.pictures) {
        const TagPicture &p = planned.picture;
        ASF::Picture picture;
        picture.setType(ASF::Picture::Type(p.type));
        picture.setMimeType(toTagLib(p.mimeType));
        picture.setDescription(toTagLib(p.description));
        picture.setPicture(toTagLib(p.data));
        tag->addAttribute("WM/Picture", ASF::Attribute(picture));
    }
}

// An Ogg stream of Vorbis or Speex: the pictures go into its comment.
template <class OggFile> bool fillAndSaveOgg(IOStream *stream, const TagPlan &plan, bool *valid)
{
    OggFile f(stream, false);
    if (!(*valid = f.isValid() && f.tag()))
        return false;
    fillXiph(f.tag(), plan, true);
    return f.save();
}

// Opens the file as the target's kind, fills it and saves it.
bool fillAndSave(IOStream *stream, const TagTarget &target, const TagPlan &plan, bool *valid)
{
    *valid = false;
    switch (target.file) {
    case TagFile::Mpeg: {
        MPEG::File f(stream, ID3v2::FrameFactory::instance(), false);
        if (!(*valid = f.isValid()))
            return false;
        fillId3v2(f.ID3v2Tag(true), plan, target.keepsFfmpegCover);
        return f.save(MPEG::File::ID3v2, File::StripOthers, ID3v2::v4, File::DoNotDuplicate);
    }
    case TagFile::Flac: {
        FLAC::File f(stream, ID3v2::FrameFactory::instance(), false);
        if (!(*valid = f.isValid()))
            return false;
        fillXiph(f.xiphComment(true), plan, false);
        f.removePictures();
        for (const PlannedPicture &p : plan.pictures)
            f.addPicture(flacPicture(p));
        return f.save();
    }
    case TagFile::OggVorbis:
        return fillAndSaveOgg<Ogg::Vorbis::File>(stream, plan, valid);
    case TagFile::OggSpeex:
        return fillAndSaveOgg<Ogg::Speex::File>(stream, plan, valid);
    case TagFile::OggOpus:
        return fillAndSaveOgg<Ogg::Opus::File>(stream, plan, valid);
    case TagFile::Mp4: {
        MP4::File f(stream, false);
        if (!(*valid = f.isValid() && f.tag()))
            return false;
        fillMp4(f.tag(), plan);
        return f.save();
    }
    case TagFile::Asf: {
        ASF::File f(stream, false);
        if (!(*valid = f.isValid() && f.tag()))
            return false;
        fillAsf(f.tag(), plan);
        return f.save();
    }
    case TagFile::Wav: {
        RIFF::WAV::File f(stream, false);
        if (!(*valid = f.isValid()))
            return false;
        fillId3v2(f.ID3v2Tag(), plan, false);
        fillInfo(f.InfoTag(), plan);
        return f.save(RIFF::WAV::File::AllTags, File::StripOthers, ID3v2::v4);
    }
    case TagFile::Aiff: {
        RIFF::AIFF::File f(stream, false);
        if (!(*valid = f.isValid()))
            return false;
        fillId3v2(f.tag(), plan, false);
        return f.save(ID3v2::v4);
    }
    case TagFile::None:
    case TagFile::KeptByFfmpeg:
        *valid = true;
        return true;
    }
    return false;
}
} // namespace

QString writeThrough(const QString &path, const SaveTags &save)
{
    const QByteArray name = QFile::encodeName(path);
    FileStream stream(name.constData(), false);
    if (!stream.isOpen() || stream.readOnly())
        return QCoreApplication::translate("TagCopy", "the converted file could not be opened for writing");
    bool valid = false;
    if (save(&stream, &valid))
        return QString();
    return valid ? QCoreApplication::translate("TagCopy", "writing them into the converted file failed")
                 : QCoreApplication::translate("TagCopy", "the converted file could not be read to add them");
}

QString write(const QString &path, const TagTarget &target, const TagPlan &plan)
{
    return writeThrough(path, [&](IOStream *stream, bool *valid) { return fillAndSave(stream, target, plan, valid); });
}
} // namespace tagwrite

} // namespace quavero
