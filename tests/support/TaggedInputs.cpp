// SPDX-License-Identifier: GPL-3.0-or-later
#include "TaggedInputs.h"

#include "PlanFor.h"

#include "EntryFromPath.h"
#include "TestApp.h"
#include "platform/core/BundledPrograms.h"
#include "platform/core/ChildProcess.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>

#include <QCoreApplication>

#include <cstdio>
#include <functional>

#include <taglib/attachedpictureframe.h>
#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tfilestream.h>
#include <taglib/tpropertymap.h>
#include <taglib/xiphcomment.h>

#include <gtest/gtest.h>

namespace quavero {

namespace taggedinputs {
const char *const kTitle = "春の海";
const char *const kAlbum = "Fünf Stücke";
const char *const kArtist = "Ärzte & Söhne";

namespace {
// Under ctest every test runs in a process of its own: the inputs are made
// once in the build folder and shared (the number names the recipe).
QString folder()
{
    static const QString path = [] {
        const QString build = qEnvironmentVariable("QUAVERO_TEST_BINARY_DIR");
        const QString p =
            (build.isEmpty() ? QDir::homePath() : build + QStringLiteral("/test-inputs")) + QStringLiteral("/tags-1");
        QDir().mkpath(p);
        return p;
    }();
    return path;
}

// The file name in the folder, made by make() under a name of this process's
// own and then renamed, so that processes making it at once never see half a file.
QString made(const QString &name, const std::function<bool(const QString &)> &make)
{
    const QString path = folder() + QLatin1Char('/') + name;
    if (QFile::exists(path))
        return path;
    const QString part = folder() + QStringLiteral("/.%1-").arg(QCoreApplication::applicationPid()) + name;
    QFile::remove(part);
    if (!make(part) || std::rename(QFile::encodeName(part).constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(part);
        return QString();
    }
    return path;
}

bool ffmpeg(const QStringList &arguments)
{
    const JoinedRun run = child::runJoined(testenv::ffmpeg(), QStringList{"-v", "error", "-nostdin", "-y"} + arguments);
    EXPECT_TRUE(run.output.isEmpty()) << run.output.constData();
    return run.exitCode == 0;
}

QString coverFile(const char *kind)
{
    return made(QStringLiteral("cover.") + QLatin1String(kind), [](const QString &path) {
        return ffmpeg({"-f", "lavfi", "-i", "testsrc=size=320x240:rate=1", "-frames:v", "1", path});
    });
}

QStringList tagArguments()
{
    return {"-metadata", QStringLiteral("title=%1").arg(QString::fromUtf8(kTitle)),
            "-metadata", QStringLiteral("album=%1").arg(QString::fromUtf8(kAlbum)),
            "-metadata", QStringLiteral("artist=%1").arg(QString::fromUtf8(kArtist)),
            "-metadata", "album_artist=Various Artists",
            "-metadata", "date=2021",
            "-metadata", "genre=Jazz",
            "-metadata", "track=3/12",
            "-metadata", "disc=1/2",
            "-metadata", QString::fromUtf8("composer=Béla Bartók"),
            "-metadata", "comment=Recorded live"};
}

// One second of a tone with the tags, and a cover as an attached picture.
bool encode(const QString &path, const QStringList &codec, const char *coverKind)
{
    QStringList args{"-f", "lavfi", "-i", "sine=frequency=440:duration=1", "-i", coverFile(coverKind), "-map",
                     "0",  "-map",  "1"};
    args << codec << "-c:v"
         << "copy"
         << "-disposition:v"
         << "attached_pic"
         << "-metadata:s:v"
         << "comment=Cover (front)";
    args << tagArguments() << path;
    return ffmpeg(args);
}

TagLib::ByteVector bytes(const QByteArray &a) { return TagLib::ByteVector(a.constData(), unsigned(a.size())); }

void addApic(TagLib::ID3v2::Tag *tag, TagLib::ID3v2::AttachedPictureFrame::Type type, const char *mime,
             const char *description, const QByteArray &data)
{
    auto *frame = new TagLib::ID3v2::AttachedPictureFrame;
    frame->setTextEncoding(TagLib::String::UTF8);
    frame->setType(type);
    frame->setMimeType(mime);
    frame->setDescription(description);
    frame->setPicture(bytes(data));
    tag->addFrame(frame);
}

bool addPictures(const QString &path, const std::function<void(TagLib::ID3v2::Tag *)> &add)
{
    TagLib::MPEG::File f(QFile::encodeName(path).constData());
    add(f.ID3v2Tag(true));
    return f.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripOthers, TagLib::ID3v2::v4);
}
} // namespace

QByteArray cover(const char *kind)
{
    QFile f(coverFile(kind));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString mp3()
{
    static const QString path = made(QStringLiteral("tagged.mp3"), [](const QString &p) {
        return encode(p, {"-c:a", "libmp3lame"}, "jpg") && addPictures(p, [](TagLib::ID3v2::Tag *tag) {
                   addApic(tag, TagLib::ID3v2::AttachedPictureFrame::BackCover, "image/png", "Back side", cover("png"));
               });
    });
    return path;
}

QString flac()
{
    static const QString path = made(QStringLiteral("tagged.flac"), [](const QString &p) {
        if (!encode(p, {"-c:a", "flac"}, "png"))
            return false;
        // How taggers write numbers in Vorbis comments, rather than ffmpeg's "3/12".
        TagLib::FLAC::File f(QFile::encodeName(p).constData());
        TagLib::Ogg::XiphComment *c = f.xiphComment(true);
        c->addField("TRACKNUMBER", "3", true);
        c->addField("TRACKTOTAL", "12", true);
        c->addField("DISCNUMBER", "1", true);
        c->addField("DISCTOTAL", "2", true);
        return f.save();
    });
    return path;
}

QString untaggedMp3()
{
    static const QString path = made(QStringLiteral("untagged.mp3"), [](const QString &p) {
        return ffmpeg({"-f", "lavfi", "-i", "sine=frequency=440:duration=1", "-map_metadata", "-1", "-c:a",
                       "libmp3lame", "-id3v2_version", "0", p});
    });
    return path;
}

QString mp3WithBadPictures()
{
    static const QString path = made(QStringLiteral("bad-pictures.mp3"), [](const QString &p) {
        if (mp3().isEmpty() || !QFile::copy(mp3(), p))
            return false;
        QByteArray huge = cover("png");
        huge.append(QByteArray(17 * 1024 * 1024, '\0'));
        return addPictures(p, [&huge](TagLib::ID3v2::Tag *tag) {
            addApic(tag, TagLib::ID3v2::AttachedPictureFrame::Artist, "image/jpeg", "Not a picture", QByteArray(5000, 'x'));
            addApic(tag, TagLib::ID3v2::AttachedPictureFrame::Illustration, "image/png", "Poster", huge);
        });
    });
    return path;
}

ConversionResult convert(const QString &input, int formatIndex, const FormatRecords &records,
                         const QString &destination, bool copyTags)
{
    const ConversionResult result = testentries::runPlan(
        testentries::planFor(formatIndex, testentries::entryFor(input, 1), destination, records, copyTags));
    EXPECT_NE(result.reason, QStringLiteral("timed out")) << input.toStdString() << " to format " << formatIndex;
    return result;
}

QMap<QString, QStringList> fieldsOf(const QString &path)
{
    QMap<QString, QStringList> fields;
    TagLib::FileStream stream(QFile::encodeName(path).constData(), true);
    const TagLib::FileRef ref(&stream, false);
    if (ref.isNull())
        return fields;
    for (const auto &[key, values] : ref.file()->properties()) {
        QStringList texts;
        for (const TagLib::String &v : values)
            texts << QString::fromStdString(v.to8Bit(true));
        fields.insert(QString::fromStdString(key.to8Bit(true)), texts);
    }
    return fields;
}

namespace {
QJsonArray probedStreams(const QString &path, QJsonObject *format)
{
    const JoinedRun run = child::runJoined(QStringLiteral("ffprobe"),
                                           {"-v", "quiet", "-show_streams", "-show_format", "-of", "json", path});
    const QJsonObject root = QJsonDocument::fromJson(run.output).object();
    if (format)
        *format = root.value("format").toObject();
    return root.value("streams").toArray();
}

QString tagIn(const QJsonObject &object, const QString &key)
{
    const QJsonObject tags = object.value("tags").toObject();
    for (auto it = tags.begin(); it != tags.end(); ++it)
        if (it.key().compare(key, Qt::CaseInsensitive) == 0)
            return it.value().toString();
    return QString();
}
} // namespace

double decodedSeconds(const QString &path)
{
    const JoinedRun run = child::runJoined(
        testenv::ffmpeg(), {"-v", "quiet", "-i", path, "-map", "0:a", "-ac", "1", "-ar", "8000", "-f", "s16le", "-"});
    return double(run.output.size()) / (2 * 8000);
}

QList<ProbedPicture> probedPictures(const QString &path)
{
    QList<ProbedPicture> pictures;
    for (const QJsonValue &v : probedStreams(path, nullptr)) {
        const QJsonObject s = v.toObject();
        if (s.value("disposition").toObject().value("attached_pic").toInt() == 1)
            pictures << ProbedPicture{s.value("width").toInt(), s.value("height").toInt(), tagIn(s, "comment")};
    }
    return pictures;
}

QMap<QString, QString> probedTags(const QString &path)
{
    QJsonObject format;
    const QJsonArray streams = probedStreams(path, &format);
    QMap<QString, QString> tags;
    const auto add = [&tags](const QJsonObject &object) {
        const QJsonObject t = object.value("tags").toObject();
        for (auto it = t.begin(); it != t.end(); ++it)
            if (!tags.contains(it.key().toLower()))
                tags.insert(it.key().toLower(), it.value().toString());
    };
    add(format);
    for (const QJsonValue &v : streams)
        if (v.toObject().value("codec_type").toString() == "audio")
            add(v.toObject());
    return tags;
}
} // namespace taggedinputs

} // namespace quavero
