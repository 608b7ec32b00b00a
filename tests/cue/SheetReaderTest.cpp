// SPDX-License-Identifier: GPL-3.0-or-later
// Sheets read from their files: the text encodings sheets are saved in, the
// image found beside the sheet (under its own name or a likely renaming), the
// tracks with their tags, and each way a sheet fails as one named failure.
#include "CueFiles.h"

#include "cue/engine/SheetReader.h"

#include <gtest/gtest.h>

namespace quavero {

using namespace cuefiles;

namespace {
struct Texts {
    QString albumPerformer, album, genre, first, firstPerformer, second, third;
};

QString sheetText(const Texts &t, const QString &file = "album.wav")
{
    return QStringLiteral("REM GENRE \"%1\"\r\n"
                          "REM DATE 1987\r\n"
                          "REM COMMENT \"ExactAudioCopy v1.6\"\r\n"
                          "PERFORMER \"%2\"\r\n"
                          "TITLE \"%3\"\r\n"
                          "FILE \"%4\" WAVE\r\n"
                          "  TRACK 01 AUDIO\r\n"
                          "    TITLE \"%5\"\r\n"
                          "    PERFORMER \"%6\"\r\n"
                          "    INDEX 01 00:00:00\r\n"
                          "  TRACK 02 AUDIO\r\n"
                          "    TITLE \"%7\"\r\n"
                          "    INDEX 00 00:05:10\r\n"
                          "    INDEX 01 00:07:33\r\n"
                          "  TRACK 03 AUDIO\r\n"
                          "    TITLE \"%8\"\r\n"
                          "    INDEX 01 00:12:41\r\n")
        .arg(t.genre, t.albumPerformer, t.album, file, t.first, t.firstPerformer, t.second, t.third);
}

class SheetReader : public ::testing::Test {
protected:
    static void SetUpTestSuite() { image = noiseImage(QDir::homePath() + "/images/album.wav", 20); }

    void SetUp() override
    {
        ASSERT_FALSE(image.isEmpty());
        folder = testenv::freshFolder("sheet");
        QFile::link(image, folder + "/album.wav");
    }

    // The sheet written in encoding into the folder, and read.
    SheetReading read(const QString &text, const char *encoding = "UTF-8", const QString &name = "album.cue")
    {
        EXPECT_TRUE(writeSheet(folder + "/" + name, text, encoding)) << encoding;
        return cue::readSheetFile(folder + "/" + name);
    }

    static QString image;
    QString folder;
};

QString SheetReader::image;

const Texts kWestern{"Sigur Rós & Björk", "Ágætis byrjun", "Música ligera",  "Svefn-g-englar",
                     "Jónsi Birgisson",   "Starálfur",     "Flugufrelsarinn"};
} // namespace

// A UTF-8 sheet with CR LF line ends: three tracks with the sheet's tags,
// the pregap of track 2 at the end of track 1.
TEST_F(SheetReader, TracksAndTagsFromAUtf8Sheet)
{
    const SheetReading r = read(sheetText(kWestern));
    ASSERT_TRUE(r.ok()) << r.failure.text().toStdString();
    EXPECT_EQ(r.encoding, "UTF-8");
    ASSERT_EQ(r.tracks.size(), 3);
    EXPECT_EQ(r.tracks[0].range.start, 0);
    EXPECT_EQ(r.tracks[0].range.end, 328104);
    EXPECT_EQ(r.tracks[1].range.end, 553308);
    EXPECT_EQ(r.tracks[2].range.end, 882000);
    EXPECT_EQ(r.sheet.tracks[1].index00, 5 * 75 + 10);
    EXPECT_EQ(r.tracks[2].imagePath, folder + "/album.wav");
    EXPECT_EQ(r.images.size(), 1);

    const QMap<QString, QStringList> first = r.tracks[0].tags.fields;
    EXPECT_EQ(first.value("TITLE"), QStringList{"Svefn-g-englar"});
    EXPECT_EQ(first.value("ARTIST"), QStringList{"Jónsi Birgisson"});
    EXPECT_EQ(first.value("ALBUM"), QStringList{"Ágætis byrjun"});
    EXPECT_EQ(first.value("ALBUMARTIST"), QStringList{"Sigur Rós & Björk"});
    EXPECT_EQ(first.value("DATE"), QStringList{"1987"});
    EXPECT_EQ(first.value("GENRE"), QStringList{"Música ligera"});
    EXPECT_EQ(first.value("TRACKNUMBER"), QStringList{"1"});
    EXPECT_EQ(first.value("TRACKTOTAL"), QStringList{"3"});
    EXPECT_EQ(r.tracks[1].tags.fields.value("ARTIST"), QStringList{"Sigur Rós & Björk"});
    EXPECT_EQ(r.tracks[1].baseName, "02 Starálfur");
}

// The same sheet saved by older programs and in other scripts reads the same.
TEST_F(SheetReader, EveryUsualEncodingReadsRight)
{
    struct Case {
        const char *encoding;
        Texts texts;
        QStringList reportedAs;
    };
    const Case cases[] = {
        {"ISO-8859-1", kWestern, {"WINDOWS-1252", "ISO-8859-1"}},
        {"ISO-8859-1",
         {"Françoise Hardy", "Comment te dire adieu", "Chanson française", "Ça va être l'été", "Françoise",
          "Où va la chance", "Mon amie la rose à Noël"},
         {"WINDOWS-1252", "ISO-8859-1"}},
        {"WINDOWS-1252",
         {"Die Ärzte", "Geräusch – Live", "Punk", "Straßenfest für 5 €", "Bela B.", "Männer sind Schweine",
          "Schrei nach Liebe – Œuvre"},
         {"WINDOWS-1252"}},
        {"WINDOWS-1251",
         {"Кино", "Группа крови", "Русский рок", "Группа крови", "Виктор Цой", "Закрой за мной дверь, я ухожу", "Война"},
         {"WINDOWS-1251"}},
        {"SHIFT_JIS",
         {"宇多田ヒカル", "ファースト・ラヴ", "ポップ", "オートマチック", "宇多田ヒカル",
          "ムーヴィン・オン・ウィズアウト・ユー", "甘いワナ"},
         {"SHIFT_JIS"}},
    };
    for (const Case &c : cases) {
        const SheetReading r = read(sheetText(c.texts), c.encoding);
        ASSERT_TRUE(r.ok()) << c.encoding << ": " << r.failure.text().toStdString();
        EXPECT_TRUE(c.reportedAs.contains(r.encoding)) << c.encoding << " read as " << r.encoding.toStdString();
        ASSERT_EQ(r.tracks.size(), 3) << c.encoding;
        EXPECT_EQ(r.sheet.performer, c.texts.albumPerformer) << c.encoding;
        EXPECT_EQ(r.sheet.title, c.texts.album) << c.encoding;
        EXPECT_EQ(r.sheet.genre, c.texts.genre) << c.encoding;
        EXPECT_EQ(r.sheet.tracks[0].performer, c.texts.firstPerformer) << c.encoding;
        EXPECT_EQ(r.tracks[1].tags.fields.value("TITLE"), QStringList{c.texts.second}) << c.encoding;
        EXPECT_EQ(r.tracks[2].baseName, "03 " + c.texts.third) << c.encoding;
    }
}

TEST_F(SheetReader, ByteOrderMarksDecide)
{
    const QString text = sheetText(kWestern);
    SheetReading r = read(text, "UTF-8");
    ASSERT_TRUE(writeBytes(folder + "/album.cue", "\xEF\xBB\xBF" + text.toUtf8()));
    r = cue::readSheetFile(folder + "/album.cue");
    ASSERT_TRUE(r.ok()) << r.failure.text().toStdString();
    EXPECT_EQ(r.sheet.genre, "Música ligera"); // the first line, right after the mark

    QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    ASSERT_TRUE(writeBytes(folder + "/album.cue", utf16.encode(text)));
    r = cue::readSheetFile(folder + "/album.cue");
    ASSERT_TRUE(r.ok()) << r.failure.text().toStdString();
    EXPECT_EQ(r.encoding, "UTF-16LE");
    EXPECT_EQ(r.sheet.performer, kWestern.albumPerformer);
}

// Sheets often name the WAV file a ripper wrote before the image was encoded
// to FLAC, or the ripper's own name for an image renamed after the sheet.
TEST_F(SheetReader, ARenamedImageIsFound)
{
    QFile::remove(folder + "/album.wav");
    const QString flac = folder + "/Live at Home.flac";
    ASSERT_FALSE(noiseImage(flac, 20).isEmpty());
    SheetReading r = read(sheetText(kWestern, "Live at Home.wav"), "UTF-8", "x.cue");
    ASSERT_TRUE(r.ok()) << r.failure.text().toStdString();
    ASSERT_EQ(r.images.size(), 1);
    EXPECT_EQ(r.images[0].how, cue::MatchKind::OtherExtension);
    EXPECT_EQ(r.tracks[0].imagePath, flac);

    r = read(sheetText(kWestern, "CDImage.wav"), "UTF-8", "Live at Home.cue");
    ASSERT_TRUE(r.ok()) << r.failure.text().toStdString();
    EXPECT_EQ(r.images[0].how, cue::MatchKind::SheetName);
    EXPECT_EQ(r.tracks[2].imagePath, flac);
}

TEST_F(SheetReader, AMissingImageIsOneNamedFailure)
{
    QFile::remove(folder + "/album.wav");
    const SheetReading r = read(sheetText(kWestern, "image.flac"));
    EXPECT_EQ(r.failure.kind, cue::FailureKind::MissingImage);
    EXPECT_TRUE(r.tracks.isEmpty());
    EXPECT_TRUE(r.failure.text().startsWith("album.cue: the sheet names image.flac, which is not in its folder"))
        << r.failure.text().toStdString();
}

TEST_F(SheetReader, WhatIsNoSheetSaysSo)
{
    struct Case {
        QByteArray bytes;
        cue::FailureKind kind;
    };
    const Case cases[] = {
        {"", cue::FailureKind::NotASheet},
        {"This is a log file.\nRange status and errors\n", cue::FailureKind::NotASheet},
        {QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), cue::FailureKind::NotText},
        {"FILE \"album.wav\" WAVE\n  TRACK 01 AUDIO\n    TITLE \"No start\"\n", cue::FailureKind::TrackWithoutStart},
        {"TRACK 01 AUDIO\n  INDEX 01 00:00:00\n", cue::FailureKind::TrackWithoutFile},
        {"FILE \"album.wav\" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n  TRACK 02 AUDIO\n    INDEX 01 "
         "00:25:00\n",
         cue::FailureKind::StartsAfterEnd},
    };
    for (const Case &c : cases) {
        ASSERT_TRUE(writeBytes(folder + "/album.cue", c.bytes));
        const SheetReading r = cue::readSheetFile(folder + "/album.cue");
        EXPECT_EQ(r.failure.kind, c.kind) << c.bytes.toStdString() << " -> " << r.failure.text().toStdString();
        EXPECT_TRUE(r.failure.text().startsWith("album.cue: ")) << r.failure.text().toStdString();
    }

    EXPECT_EQ(cue::readSheetFile(folder + "/gone.cue").failure.kind, cue::FailureKind::Unreadable);
    ASSERT_TRUE(writeBytes(folder + "/huge.cue", QByteArray(cue::kMaxSheetBytes + 1, 'x')));
    EXPECT_EQ(cue::readSheetFile(folder + "/huge.cue").failure.kind, cue::FailureKind::TooLarge);
    ASSERT_TRUE(writeBytes(folder + "/notes.txt.cue", "FILE \"notes.txt\" WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n"));
    ASSERT_TRUE(writeBytes(folder + "/notes.txt", "not audio"));
    EXPECT_EQ(cue::readSheetFile(folder + "/notes.txt.cue").failure.kind, cue::FailureKind::UnreadableImage);
}

// One FILE per track, as rippers write them with the pregap at the end of
// the file before: the FILE line comes between a track's INDEX 00 and its
// INDEX 01. Every track is in its own file, whole.
TEST_F(SheetReader, MultiFileSheetsPutEachTrackInItsFile)
{
    for (const char *name : {"01.flac", "02.flac", "03.flac"})
        ASSERT_FALSE(noiseImage(folder + "/" + name, 1).isEmpty());
    const SheetReading r = read("PERFORMER \"Band\"\n"
                                "FILE \"01.wav\" WAVE\n"
                                "  TRACK 01 AUDIO\n    TITLE \"One\"\n    INDEX 01 00:00:00\n"
                                "  TRACK 02 AUDIO\n    TITLE \"Two\"\n    INDEX 00 00:00:50\n"
                                "FILE \"02.wav\" WAVE\n    INDEX 01 00:00:00\n"
                                "  TRACK 03 AUDIO\n    TITLE \"Three\"\n"
                                "FILE \"03.wav\" WAVE\n    INDEX 01 00:00:00\n");
    ASSERT_TRUE(r.ok()) << r.failure.text().toStdString();
    ASSERT_EQ(r.tracks.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(r.tracks[i].imagePath, QStringLiteral("%1/0%2.flac").arg(folder).arg(i + 1)) << i;
        EXPECT_EQ(r.tracks[i].range.start, 0) << i;
        EXPECT_EQ(r.tracks[i].range.end, 44100) << i;
    }
    EXPECT_EQ(r.tracks[2].tags.fields.value("TITLE"), QStringList{"Three"});

    // libcue's own way with such a sheet: the track after the one with the
    // FILE line would be put back in the first file.
    const SheetReading after = read("FILE \"01.wav\" WAVE\n"
                                    "  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
                                    "  TRACK 02 AUDIO\n    INDEX 00 00:00:50\n"
                                    "FILE \"02.wav\" WAVE\n    INDEX 01 00:00:00\n"
                                    "  TRACK 03 AUDIO\n    INDEX 01 00:00:30\n");
    ASSERT_TRUE(after.ok()) << after.failure.text().toStdString();
    EXPECT_EQ(after.tracks[2].imagePath, folder + "/02.flac");
    EXPECT_EQ(after.tracks[1].range.end, 30 * 588);
}

// libcue keeps its scanner's state from one sheet to the next: a sheet cut
// off inside a statement must not cost the next sheet its first line.
TEST_F(SheetReader, ABrokenSheetDoesNotSpoilTheNext)
{
    for (const QByteArray &broken : {QByteArray("FILE \"album.wav\" WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nTITLE"),
                                     QByteArray("FILE \"album.wav\" WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n"
                                                "REM REPLAYGAIN_ALBUM_GAIN"),
                                     QByteArray("PERFORMER")}) {
        ASSERT_TRUE(writeBytes(folder + "/broken.cue", broken));
        cue::readSheetFile(folder + "/broken.cue");
        const SheetReading r = read(sheetText(kWestern));
        ASSERT_TRUE(r.ok()) << r.failure.text().toStdString();
        EXPECT_EQ(r.sheet.genre, "Música ligera") << broken.toStdString();
    }
}

} // namespace quavero
