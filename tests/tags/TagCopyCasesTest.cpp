// SPDX-License-Identifier: GPL-3.0-or-later
// The tag-copy step where the input or the output is not the usual one: no
// tags at all, pictures an output cannot take, an output TagLib cannot write,
// the step turned off; and inputs are never written.
#include "TaggedInputs.h"
#include "TestApp.h"

#include "convert/engine/TagCopy.h"
#include "convert/engine/TagReading.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace quavero {

using namespace taggedinputs;

namespace {
QByteArray hashOf(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}
} // namespace

TEST(TagCopyCases, UntaggedInputGivesUntaggedOutputs)
{
    const QString input = untaggedMp3();
    ASSERT_FALSE(input.isEmpty());
    for (int format : {2, 7, 8, 9, 12, 13, 14}) {
        const ConversionResult r = convert(input, format, startRecords(), testenv::freshFolder("out"));
        ASSERT_TRUE(r.ok) << format << ": " << r.reason.toStdString();
        EXPECT_TRUE(r.warnings.isEmpty()) << format;
        EXPECT_EQ(fieldsOf(r.finalPath), (QMap<QString, QStringList>{})) << r.finalPath.toStdString();
        EXPECT_TRUE(probedPictures(r.finalPath).isEmpty()) << format;
        EXPECT_GT(testenv::probeDuration(r.finalPath), 0.5) << format;
    }
}

// A picture that is no image and one of 17 MB: the entry is converted, its
// other tags and pictures arrive, and the report names what was left out.
TEST(TagCopyCases, PicturesAnOutputCannotTakeAreSkippedAndReported)
{
    const QString input = mp3WithBadPictures();
    ASSERT_FALSE(input.isEmpty());
    const QByteArray before = hashOf(input);

    const ConversionResult flac = convert(input, 7, startRecords(), testenv::freshFolder("out"));
    ASSERT_TRUE(flac.ok) << flac.reason.toStdString();
    EXPECT_EQ(flac.warnings,
              QStringList({"picture not copied: the artist picture \"Not a picture\" is not a JPEG, PNG, GIF, BMP "
                           "or WebP image",
                           "picture not copied: the illustration \"Poster\" (17.0 MB) is too large for .FLAC, which "
                           "takes at most 16.0 MB"}));
    EXPECT_EQ(fieldsOf(flac.finalPath).value("TITLE"), QStringList{QString::fromUtf8(kTitle)});
    const QList<TagPicture> kept = tagread::read(flac.finalPath).tags.pictures;
    ASSERT_EQ(kept.size(), 2);
    EXPECT_EQ(kept.at(0).type, int(TagPicture::FrontCover));
    EXPECT_EQ(kept.at(1).type, int(TagPicture::BackCover));
    EXPECT_NEAR(testenv::probeDuration(flac.finalPath), 1.0, 0.1);

    // An MP3 takes the large picture; ffmpeg's copy of one of them is not doubled.
    const ConversionResult mp3 = convert(input, 8, startRecords(), testenv::freshFolder("out"));
    ASSERT_TRUE(mp3.ok) << mp3.reason.toStdString();
    ASSERT_EQ(mp3.warnings.size(), 1);
    EXPECT_TRUE(mp3.warnings.at(0).contains("\"Not a picture\" is not a JPEG")) << mp3.warnings.at(0).toStdString();
    QList<int> types;
    for (const TagPicture &p : tagread::read(mp3.finalPath).tags.pictures)
        types << p.type;
    std::sort(types.begin(), types.end());
    EXPECT_EQ(types, QList<int>({int(TagPicture::FrontCover), int(TagPicture::BackCover), 18}));

    EXPECT_EQ(hashOf(input), before) << "the input was written";
}

// An output that TagLib cannot open as its format: the step reports it and
// leaves the file exactly as it was, with no tagged copy left beside it.
TEST(TagCopyCases, OutputThatCannotBeTaggedStaysAsItWas)
{
    const QString folder = testenv::freshFolder("out");
    const QString output = folder + "/not really.flac";
    QFile f(output);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'a'));
    f.close();
    const QByteArray before = hashOf(output);

    const QStringList warnings = tagcopy::copy(mp3(), output, 7);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_EQ(warnings.at(0), "tags not copied: the converted file could not be read to add them");
    EXPECT_EQ(hashOf(output), before);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"not really.flac"});
}

// An input whose tags TagLib cannot parse keeps what ffmpeg copied, and says so.
TEST(TagCopyCases, UnreadableInputTagsAreReported)
{
    const QString folder = testenv::freshFolder("out");
    const QString output = folder + "/a.mp3";
    ASSERT_TRUE(QFile::copy(mp3(), output));
    const QString broken = folder + "/broken.flac";
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("fLaC but nothing more");
    f.close();
    const QByteArray before = hashOf(output);
    EXPECT_EQ(tagcopy::copy(broken, output, 8),
              QStringList{"tags not copied: the tags of the input could not be read"});
    EXPECT_EQ(hashOf(output), before);
    // Formats TagLib does not read at all (.au, .caf, ...) are no failure.
    EXPECT_TRUE(tagcopy::copy(folder + "/tone.au", output, 8).isEmpty());
}

TEST(TagCopyCases, TurnedOffTheOutputKeepsWhatSoxWrote)
{
    const ConversionResult off = convert(mp3(), 12, startRecords(), testenv::freshFolder("out"), false);
    ASSERT_TRUE(off.ok) << off.reason.toStdString();
    EXPECT_TRUE(fieldsOf(off.finalPath).isEmpty());
    EXPECT_TRUE(probedPictures(off.finalPath).isEmpty());
}

// Frames whose sizes point far past the tag: TagLib stops reading there; the
// entry is converted with its whole audio and the rest of the run goes on.
TEST(TagCopyCases, BrokenFramesNeitherCrashNorLoseTheAudio)
{
    QFile original(mp3());
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    QByteArray bytes = original.readAll();
    for (const char *frame : {"TALB", "APIC"}) {
        const qsizetype at = bytes.indexOf(frame);
        ASSERT_GT(at, 0) << frame;
        bytes.replace(at + 4, 4, QByteArray(4, '\x7f'));
    }
    const QString broken = testenv::freshFolder("broken") + "/broken frames.mp3";
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    for (int format : {7, 8, 14}) {
        const ConversionResult r = convert(broken, format, startRecords(), testenv::freshFolder("out"));
        ASSERT_TRUE(r.ok) << format << ": " << r.reason.toStdString();
        EXPECT_NEAR(decodedSeconds(r.finalPath), 1.0, 0.1) << format;
        // The frames before the first broken one arrive.
        EXPECT_EQ(fieldsOf(r.finalPath).value("TITLE"), QStringList{QString::fromUtf8(kTitle)}) << format;
    }
}

// A final file whose name is as long as the file system allows still gets its
// tags: the tagged copy beside it must not take a longer name.
TEST(TagCopyCases, AFinalFileWithTheLongestNameIsTagged)
{
    const QString folder = testenv::freshFolder("long");
    const ConversionResult r = convert(mp3(), 7, startRecords(), testenv::freshFolder("out"));
    ASSERT_TRUE(r.ok) << r.reason.toStdString();
    const QString longName = folder + "/" + QString(250, QLatin1Char('l')) + ".flac";
    ASSERT_TRUE(QFile::copy(r.finalPath, longName));
    EXPECT_TRUE(tagcopy::copy(mp3(), longName, 7).isEmpty());
    EXPECT_FALSE(fieldsOf(longName).isEmpty());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

} // namespace quavero
