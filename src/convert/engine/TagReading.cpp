// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/engine/TagReading.h"

#include "convert/engine/TagLibText.h"

#include <QFile>
#include <QFileInfo>

#include <taglib/aifffile.h>
#include <taglib/apefile.h>
#include <taglib/apetag.h>
#include <taglib/asffile.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpcfile.h>
#include <taglib/mpegfile.h>
#include <taglib/tfilestream.h>
#include <taglib/wavfile.h>
#include <taglib/wavpackfile.h>
#include <taglib/xiphcomment.h>

namespace quavero {

using namespace TagLib;
using taglibtext::toQt;

namespace tagread {
namespace {
void addId3v2Pictures(const ID3v2::Tag *tag, QList<TagPicture> &out)
{
    if (!tag)
        return;
    for (ID3v2::Frame *frame : tag->frameList("APIC")) {
        const auto *apic = dynamic_cast<const ID3v2::AttachedPictureFrame *>(frame);
        if (apic)
            out << TagPicture{int(apic->type()), toQt(apic->mimeType()), toQt(apic->description()), toQt(apic->picture())};
    }
}

void addFlacPictures(const List<FLAC::Picture *> &pictures, QList<TagPicture> &out)
{
    for (const FLAC::Picture *p : pictures)
        out << TagPicture{int(p->type()), toQt(p->mimeType()), toQt(p->description()), toQt(p->data())};
}

// An APE tag (WavPack, Monkey's Audio, Musepack) keeps a picture as a binary
// item "Cover Art (Front)": a file name, a zero byte, then the image.
void addApePictures(APE::Tag *tag, QList<TagPicture> &out)
{
    if (!tag)
        return;
    const struct {
        const char *key;
        TagPicture::Type type;
    } kinds[] = {{"COVER ART (FRONT)", TagPicture::FrontCover}, {"COVER ART (BACK)", TagPicture::BackCover}};
    for (const auto &kind : kinds) {
        const auto it = tag->itemListMap().find(kind.key);
        if (it == tag->itemListMap().end() || it->second.type() != APE::Item::Binary)
            continue;
        const ByteVector data = it->second.binaryData();
        const int zero = data.find('\0');
        if (zero >= 0 && zero + 1 < int(data.size()))
            out << TagPicture{int(kind.type), QString(), QString(), toQt(data.mid(uint(zero + 1)))};
    }
}

QList<TagPicture> picturesOf(File *file, Tag *tag)
{
    QList<TagPicture> pictures;
    if (auto *mpeg = dynamic_cast<MPEG::File *>(file)) {
        if (mpeg->hasID3v2Tag())
            addId3v2Pictures(mpeg->ID3v2Tag(), pictures);
    } else if (auto *flac = dynamic_cast<FLAC::File *>(file)) {
        addFlacPictures(flac->pictureList(), pictures);
        if (flac->hasXiphComment())
            addFlacPictures(flac->xiphComment()->pictureList(), pictures);
    } else if (auto *mp4 = dynamic_cast<MP4::File *>(file)) {
        // MP4 covers have no type: the first is taken as the front cover.
        if (mp4->tag() && mp4->tag()->contains("covr")) {
            for (const MP4::CoverArt &art : mp4->tag()->item("covr").toCoverArtList())
                pictures << TagPicture{pictures.isEmpty() ? int(TagPicture::FrontCover) : int(TagPicture::Other),
                                       QString(), QString(), toQt(art.data())};
        }
    } else if (auto *asf = dynamic_cast<ASF::File *>(file)) {
        if (asf->tag() && asf->tag()->contains("WM/Picture")) {
            for (const ASF::Attribute &a : asf->tag()->attribute("WM/Picture")) {
                const ASF::Picture p = a.toPicture();
                if (p.isValid())
                    pictures << TagPicture{int(p.type()), toQt(p.mimeType()), toQt(p.description()), toQt(p.picture())};
            }
        }
    } else if (auto *wav = dynamic_cast<RIFF::WAV::File *>(file)) {
        if (wav->hasID3v2Tag())
            addId3v2Pictures(wav->ID3v2Tag(), pictures);
    } else if (auto *aiff = dynamic_cast<RIFF::AIFF::File *>(file)) {
        if (aiff->hasID3v2Tag())
            addId3v2Pictures(aiff->tag(), pictures);
    } else if (auto *wavpack = dynamic_cast<WavPack::File *>(file)) {
        addApePictures(wavpack->APETag(), pictures);
    } else if (auto *ape = dynamic_cast<APE::File *>(file)) {
        addApePictures(ape->APETag(), pictures);
    } else if (auto *mpc = dynamic_cast<MPC::File *>(file)) {
        addApePictures(mpc->APETag(), pictures);
    } else if (auto *xiph = dynamic_cast<Ogg::XiphComment *>(tag)) {
        // Ogg Vorbis, Speex, Opus and FLAC in Ogg.
        addFlacPictures(xiph->pictureList(), pictures);
    }
    return pictures;
}
} // namespace

bool isTagLibType(const QString &path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    // MPEG audio named ".mpa" or ".mp2" and Ogg named ".ogx", which TagLib
    // knows by their content.
    if (extension == QLatin1String("mpa") || extension == QLatin1String("mp2") || extension == QLatin1String("ogx"))
        return true;
    const String suffix = taglibtext::toTagLib(extension);
    return !suffix.isEmpty() && FileRef::defaultFileExtensions().contains(suffix);
}

InputTags read(const QString &path)
{
    InputTags result;
    const QByteArray name = QFile::encodeName(path);
    FileStream stream(name.constData(), true);
    if (!stream.isOpen())
        return result;
    const FileRef ref(&stream, false);
    if (ref.isNull() || !ref.file()->isValid())
        return result;
    result.readable = true;
    result.tags.fields = toQt(ref.file()->properties());
    // Vorbis comments often carry the comment as DESCRIPTION (ffmpeg writes it
    // so); TagLib reads it as the comment when there is no COMMENT.
    QMap<QString, QStringList> &fields = result.tags.fields;
    const bool vorbis = dynamic_cast<FLAC::File *>(ref.file()) || dynamic_cast<Ogg::XiphComment *>(ref.tag());
    if (vorbis && !fields.contains(QStringLiteral("COMMENT")) && fields.contains(QStringLiteral("DESCRIPTION")))
        fields.insert(QStringLiteral("COMMENT"), fields.take(QStringLiteral("DESCRIPTION")));
    result.tags.pictures = picturesOf(ref.file(), ref.tag());
    return result;
}
} // namespace tagread

} // namespace quavero
