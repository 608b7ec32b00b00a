// SPDX-License-Identifier: GPL-3.0-or-later
// The pure parts of the file list: size and duration texts, path parts and
// entries, the folder filter, the natural order and the header-click sort.
#include "filelist/core/AcceptedFiles.h"
#include "filelist/core/ColumnSort.h"
#include "filelist/core/DurationText.h"
#include "filelist/core/FileEntry.h"
#include "filelist/core/ReportParts.h"
#include "filelist/core/SizeText.h"
#include "filelist/core/VideoFileList.h"
#include "formats/core/FormatTable.h"

#include <gtest/gtest.h>
#include <limits>

namespace quavero {

TEST(SizeText, StepsOf1024WithTwoDecimals)
{
    const struct {
        quint64 bytes;
        const char *text;
    } cases[] = {
        {0, "0.00 bytes"},
        {1024, "1024.00 bytes"},
        {1025, "1.00 KB"},
        {1024ull * 1024, "1024.00 KB"},
        {1024ull * 1024 + 1, "1.00 MB"},
        {5000000, "4.77 MB"},
        {9961472, "9.50 MB"},
        {1024ull * 1024 * 1024 * 1024 * 1024 * 3, "3.00 PB"},
        {1024ull * 1024 * 1024 * 1024 * 1024 * 1024 * 2, "2.00 EB"},
        {std::numeric_limits<quint64>::max(), "16.00 EB"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(filelist::sizeText(c.bytes), QString::fromLatin1(c.text)) << c.bytes;
}

TEST(DurationText, ElevenCharactersAfterTheMarkerAndWholeSeconds)
{
    const struct {
        const char *report;
        const char *text;
        qint64 seconds;
    } cases[] = {
        {"Input #0, wav, from 'a.wav':\n  Duration: 01:02:03.04, start: 0.000000, bitrate: 1411 kb/s\n", " 01:02:03.0", 3723},
        {"  Duration: 00:03:25.40, start: 0.025057, bitrate: 128 kb/s", " 00:03:25.4", 205},
        {"  Duration: N/A, start: 0.000000, bitrate: N/A", " N/A, start", 0},
        // The first marker counts.
        {"Duration: 00:00:07.00, x\nDuration: 00:00:09.00, y", " 00:00:07.0", 7},
        // Exactly eleven characters after the marker.
        {"Duration: 00:01:01.9", " 00:01:01.9", 61},
        // Too little after the marker, or none at all: no text, no seconds.
        {"Duration: 00:01", "", 0},
        {"Duration:", "", 0},
        {"a.txt: Invalid data found when processing input", "", 0},
        {"", "", 0},
    };
    for (const auto &c : cases) {
        const QString text = filelist::durationTextFromReport(QString::fromUtf8(c.report));
        EXPECT_EQ(text, QString::fromUtf8(c.text)) << c.report;
        EXPECT_EQ(filelist::secondsFromDurationText(text), c.seconds) << c.report;
    }
}

TEST(DurationText, SecondsReadEachFieldsLeadingNumber)
{
    EXPECT_EQ(filelist::secondsFromDurationText(" 12:5x:0y"), 12 * 3600 + 5 * 60);
    EXPECT_EQ(filelist::secondsFromDurationText(" 00:0"), 0);
    EXPECT_EQ(filelist::secondsFromDurationText(" 99:59:59.9"), 99 * 3600 + 59 * 60 + 59);
}

TEST(FileEntry, FromUrlAndFromFolderAndName)
{
    const NodeVideoFile a = filelist::entryFromUrl(QUrl::fromLocalFile("/music/Live Set/Track 1.Mp3"));
    EXPECT_EQ(a.s_File_URL(), QUrl::fromLocalFile("/music/Live Set/Track 1.Mp3"));
    EXPECT_EQ(a.s_File_Path(), "/music/Live Set/Track 1.Mp3");
    EXPECT_EQ(a.s_Folder_Path(), "/music/Live Set");
    EXPECT_EQ(a.s_File_Name_Without_Extension(), "Track 1");
    EXPECT_EQ(a.s_File_Extension(), "Mp3");
    EXPECT_TRUE(a.s_Duration().isEmpty());
    EXPECT_TRUE(a.s_File_Size().isEmpty());

    const NodeVideoFile b = filelist::entryFromFolderAndName("/music", "archive.tar.flac");
    EXPECT_EQ(b.s_File_Path(), "/music/archive.tar.flac");
    EXPECT_EQ(b.s_File_URL(), QUrl::fromLocalFile("/music/archive.tar.flac"));
    EXPECT_EQ(b.s_Folder_Path(), "/music");
    EXPECT_EQ(b.s_File_Name_Without_Extension(), "archive.tar");
    EXPECT_EQ(b.s_File_Extension(), "flac");

    const NodeVideoFile root = filelist::entryFromFolderAndName("/", "a.wav");
    EXPECT_EQ(root.s_File_Path(), "/a.wav");
    EXPECT_EQ(root.s_Folder_Path(), "/");

    const NodeVideoFile bare = filelist::entryFromFolderAndName("/music", "notes");
    EXPECT_EQ(bare.s_File_Extension(), "");
    EXPECT_EQ(bare.s_File_Name_Without_Extension(), "notes");
}

TEST(AcceptedFiles, FolderNamesAndPanelFilesMatchInAnyLetterCase)
{
    const QStringList listed{"a.mp3", "b.WAV",       "c.txt",     "d",      "._e.ogg", "f.m4a", "g.mp3.part", ".mp3",
                             "h.",    "TRACK01.MP3", "Song.Flac", "i.Opus", "j.wv",    "k.MKV", "l.mp3x"};
    EXPECT_EQ(filelist::acceptedFolderNames(listed),
              (QStringList{"a.mp3", "b.WAV", "._e.ogg", "f.m4a", "TRACK01.MP3", "Song.Flac", "i.Opus", "j.wv", "k.MKV"}));
    for (const QString &extension : formats::acceptedExtensions()) {
        EXPECT_TRUE(filelist::isAcceptedFile("/x/a." + extension)) << extension.toStdString();
        EXPECT_TRUE(filelist::isAcceptedFile("/x/a." + extension.toUpper())) << extension.toStdString();
    }
    EXPECT_TRUE(filelist::mayHoldVideo("MKV"));
    EXPECT_TRUE(filelist::mayHoldVideo("webm"));
    EXPECT_FALSE(filelist::mayHoldVideo("m4a"));

    EXPECT_TRUE(filelist::isAcceptedFile("/x/b.WAV"));
    EXPECT_TRUE(filelist::isAcceptedFile("/x/a.aifc"));
    EXPECT_FALSE(filelist::isAcceptedFile("/x/c.txt"));
    EXPECT_FALSE(filelist::isAcceptedFile("/x/mp3"));

    // CUE sheets are taken too: the add turns them into their tracks.
    EXPECT_EQ(filelist::acceptedFolderNames({"album.cue", "b.CUE", "notes.txt"}), (QStringList{"album.cue", "b.CUE"}));
    EXPECT_TRUE(filelist::isAcceptedFile("/x/b.CUE"));
    EXPECT_TRUE(filelist::addableExtensions().contains("cue"));
}

namespace {
NodeVideoFile named(const QString &name, quint64 bytes = 0, const QString &duration = QString())
{
    NodeVideoFile e = filelist::entryFromFolderAndName("/m", name + ".mp3");
    e.setU_File_Size_Bytes(bytes);
    e.setS_File_Size(filelist::sizeText(bytes));
    e.setS_Duration(duration);
    return e;
}

QStringList column(const VideoFileList &list, int c)
{
    QStringList out;
    for (const NodeVideoFile &e : list.snapshot())
        out << filelist::columnText(e, c);
    return out;
}
} // namespace

TEST(NaturalOrder, CaseIgnoredDigitRunsByValue)
{
    const filelist::NaturalOrder order;
    EXPECT_LT(order.compare("track 9", "Track 10"), 0);
    EXPECT_LT(order.compare("file2", "file10"), 0);
    EXPECT_LT(order.compare("apple", "Banana"), 0);
    EXPECT_LT(order.compare("Apple", "banana"), 0);
    EXPECT_EQ(order.compare("Track", "track"), 0);
}

TEST(ColumnSort, HeaderClicksAlternateAndClearTheOtherFlags)
{
    filelist::SortFlags flags{1, 0, 0, 0};
    // Column 1 three times: ascending, descending, ascending.
    EXPECT_EQ(filelist::takeSortDirection(flags, 0), true);
    EXPECT_EQ(filelist::takeSortDirection(flags, 0), false);
    EXPECT_EQ(filelist::takeSortDirection(flags, 0), true);
    // Column 3, then column 1: both descending (column 1's flag was cleared).
    EXPECT_EQ(filelist::takeSortDirection(flags, 2), false);
    EXPECT_EQ(flags, (filelist::SortFlags{0, 0, 1, 0}));
    EXPECT_EQ(filelist::takeSortDirection(flags, 0), false);
    EXPECT_EQ(flags, (filelist::SortFlags{1, 0, 0, 0}));
    // No selected column: nothing, flags kept.
    EXPECT_EQ(filelist::takeSortDirection(flags, -1), std::nullopt);
    EXPECT_EQ(filelist::takeSortDirection(flags, 4), std::nullopt);
    EXPECT_EQ(flags, (filelist::SortFlags{1, 0, 0, 0}));
}

namespace {
void sortList(VideoFileList &list, filelist::ColumnSorter &sorter, int column, bool ascending)
{
    list.sort([&](QList<NodeVideoFile> &entries) { sorter.sort(entries, column, ascending); });
}
} // namespace

TEST(ColumnSort, NamesNaturallyAndSizesByByteCount)
{
    filelist::ColumnSorter sorter;
    VideoFileList list;
    list.append(named("Track 10", 9961472));
    list.append(named("track 9", 10240));
    list.append(named("Intro", 1024));

    sortList(list, sorter, filelist::NameColumn, true);
    EXPECT_EQ(column(list, filelist::NameColumn), (QStringList{"Intro", "track 9", "Track 10"}));
    sortList(list, sorter, filelist::NameColumn, false);
    EXPECT_EQ(column(list, filelist::NameColumn), (QStringList{"Track 10", "track 9", "Intro"}));

    // By bytes, not by text: "9.50 MB" is the largest.
    sortList(list, sorter, filelist::SizeColumn, true);
    EXPECT_EQ(column(list, filelist::SizeColumn), (QStringList{"1024.00 bytes", "10.00 KB", "9.50 MB"}));
    sortList(list, sorter, filelist::SizeColumn, false);
    EXPECT_EQ(column(list, filelist::SizeColumn), (QStringList{"9.50 MB", "10.00 KB", "1024.00 bytes"}));

    // A column outside the four leaves the list alone.
    sortList(list, sorter, 4, true);
    EXPECT_EQ(column(list, filelist::SizeColumn), (QStringList{"9.50 MB", "10.00 KB", "1024.00 bytes"}));
}

TEST(ColumnSort, EqualTextsKeepTheirOrderBothWays)
{
    filelist::ColumnSorter sorter;
    VideoFileList list;
    list.append(named("b", 1, " 00:00:02.0"));
    list.append(named("a", 2, " 00:00:01.0"));
    list.append(named("c", 3, " 00:00:02.0"));
    sortList(list, sorter, filelist::DurationColumn, true);
    EXPECT_EQ(column(list, filelist::NameColumn), (QStringList{"a", "b", "c"}));
    sortList(list, sorter, filelist::DurationColumn, false);
    EXPECT_EQ(column(list, filelist::NameColumn), (QStringList{"b", "c", "a"}));
    sortList(list, sorter, filelist::ExtensionColumn, false);
    EXPECT_EQ(column(list, filelist::NameColumn), (QStringList{"b", "c", "a"}));
}

TEST(ColumnSort, KeptKeysGiveTheSameOrderAsComparingAfterTheListChanged)
{
    // The same sorter over lists that change between sorts (entries removed,
    // added, cleared): the kept keys must never mix up texts.
    const filelist::NaturalOrder order;
    filelist::ColumnSorter sorter(order);
    QList<NodeVideoFile> entries;
    for (const char *name : {"Track 10", "track 9", "Äpfel", "apple", "Zebra", "x2", "X10", "b"})
        entries << named(QString::fromUtf8(name));
    for (int round = 0; round < 3; ++round) {
        sorter.sort(entries, filelist::NameColumn, round % 2 == 0);
        for (qsizetype i = 1; i < entries.size(); ++i) {
            const int c =
                order.compare(entries[i - 1].s_File_Name_Without_Extension(), entries[i].s_File_Name_Without_Extension());
            EXPECT_TRUE(round % 2 == 0 ? c <= 0 : c >= 0) << round << " at " << i;
        }
        entries.removeFirst();
        entries << named(QStringLiteral("new %1").arg(round));
        if (round == 1)
            sorter.forget();
    }
}

TEST(VideoFileList, RemovesManyScatteredIndicesInOnePass)
{
    VideoFileList list;
    for (int i = 0; i < 10; ++i)
        list.append(named(QString::number(i)));
    // Unsorted, repeated and out-of-range indices.
    list.removeAt({7, 1, 3, 3, -1, 10, 9, 1});
    EXPECT_EQ(column(list, filelist::NameColumn), (QStringList{"0", "2", "4", "5", "6", "8"}));
    list.removeAt({});
    EXPECT_EQ(list.count(), 6);
    list.append(QList<NodeVideoFile>{named("x"), named("y")});
    EXPECT_EQ(column(list, filelist::NameColumn), (QStringList{"0", "2", "4", "5", "6", "8", "x", "y"}));
}

// What ffmpeg 5.1 reported for "ffmpeg -hide_banner -i b.flac -i f.mp3 -i
// e.m4a -i c.wav": tags that read like report lines, a cover picture,
// chapters, and a last input it could not open.
const char *const kRecordedReport = R"(Input #0, flac, from 'b.flac':
  Metadata:
    title           : Duration: fake
    artist          : Input #1, fake
    encoder         : Lavf59.27.100
  Duration: 00:00:02.25, start: 0.000000, bitrate: 130 kb/s
  Stream #0:0: Audio: flac, 44100 Hz, mono, s16
Input #1, mp3, from 'f.mp3':
  Metadata:
    encoder         : Lavf59.27.100
  Duration: 00:00:01.54, start: 0.025056, bitrate: 66 kb/s
  Stream #1:0: Audio: mp3, 44100 Hz, mono, fltp, 64 kb/s
  Stream #1:1: Video: png, rgb24(pc), 32x32 [SAR 1:1 DAR 1:1], 90k tbr, 90k tbn (attached pic)
    Metadata:
      title           : Album cover
      comment         : Other
[mp3 @ 0x5581c0] Estimating duration from bitrate, this may be inaccurate
Input #2, mov,mp4,m4a,3gp,3g2,mj2, from 'e.m4a':
  Metadata:
    major_brand     : M4A
    title           : Chaptered
  Duration: 00:00:02.00, start: 0.000000, bitrate: 77 kb/s
  Chapters:
    Chapter #2:0: start 0.000000, end 1.000000
      Metadata:
        title           : One
  Stream #2:0[0x1](und): Audio: aac (LC) (mp4a / 0x6134706D), 44100 Hz, mono, fltp, 69 kb/s (default)
c.wav: Invalid data found when processing input
)";

TEST(ReportParts, OnePartPerInputCutOnlyAtLineStarts)
{
    const QString report = QStringLiteral("ffmpeg version 5.1.6 Copyright (c) 2000-2024 the FFmpeg developers\n") +
                           QString::fromUtf8(kRecordedReport);
    const QStringList parts = filelist::reportPartsByInput(report);
    ASSERT_EQ(parts.size(), 3);
    EXPECT_TRUE(parts[0].startsWith("Input #0, flac, from 'b.flac':"));
    EXPECT_TRUE(parts[1].startsWith("Input #1, mp3, from 'f.mp3':"));
    EXPECT_TRUE(parts[2].startsWith("Input #2, mov,mp4"));
    // Each part reads as its lone report would: the text after its first
    // "Duration:". A tag reading "Duration: fake" comes first in its part, as
    // it would in the lone report.
    EXPECT_EQ(filelist::durationTextFromReport(parts[0]), " fake\n    a");
    EXPECT_EQ(filelist::durationTextFromReport(parts[1]), " 00:00:01.5");
    EXPECT_EQ(filelist::durationTextFromReport(parts[2]), " 00:00:02.0");
    // The banner belongs to no part; the parts join up to the rest.
    EXPECT_EQ(parts.join(QString()), QString::fromUtf8(kRecordedReport));
    // The error about the input ffmpeg could not open ends the last part.
    EXPECT_TRUE(parts[2].endsWith("c.wav: Invalid data found when processing input\n"));
}

TEST(ReportParts, NoPartsWithoutInputZeroAndOnlyAnUnbrokenRun)
{
    EXPECT_TRUE(filelist::reportPartsByInput("").isEmpty());
    EXPECT_TRUE(filelist::reportPartsByInput("a.wav: Invalid data found when processing input\n").isEmpty());
    // "Input #1" without "Input #0", a number without its comma, indented lines.
    EXPECT_TRUE(filelist::reportPartsByInput("Input #1, wav, from 'a':\n").isEmpty());
    EXPECT_TRUE(filelist::reportPartsByInput("Input #0 wav\n  Input #0, wav\n").isEmpty());
    // Input #0, then #2: only #0 is in the run; a report without a last line end.
    const QStringList parts = filelist::reportPartsByInput("Input #0, wav:\n  Duration: 00:00:01.00, x\n"
                                                           "Input #2, wav:\n  Duration: 00:00:02.00, y");
    ASSERT_EQ(parts.size(), 1);
    EXPECT_EQ(filelist::durationTextFromReport(parts[0]), " 00:00:01.0");
    const QStringList two = filelist::reportPartsByInput("Input #0, a:\nInput #1, b:");
    EXPECT_EQ(two, (QStringList{"Input #0, a:\n", "Input #1, b:"}));
}

} // namespace quavero
