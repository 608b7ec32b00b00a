// The pure parts of the file list: size and duration texts, path parts and
// entries, the folder filter, the natural order and the header-click sort.
#include "filelist/core/AcceptedFiles.h"
#include "filelist/core/ColumnSort.h"
#include "filelist/core/DurationText.h"
#include "filelist/core/FileEntry.h"
#include "filelist/core/SizeText.h"
#include "filelist/core/VideoFileList.h"

#include <gtest/gtest.h>
#include <limits>

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
        {"Input #0, wav, from 'a.wav':\n  Duration: 01:02:03.04, start: 0.000000, bitrate: 1411 kb/s\n", " 01:02:03.0",
         3723},
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

TEST(AcceptedFiles, FolderNamesMatchExactlyPanelFilesIgnoreCase)
{
    const QStringList listed{"a.mp3", "b.WAV", "c.txt", "d", "._e.ogg", "f.m4a", "g.mp3.part", ".mp3", "h."};
    EXPECT_EQ(filelist::acceptedFolderNames(listed), (QStringList{"a.mp3", "._e.ogg", "f.m4a"}));

    EXPECT_TRUE(filelist::isAcceptedFile("/x/b.WAV"));
    EXPECT_TRUE(filelist::isAcceptedFile("/x/a.aifc"));
    EXPECT_FALSE(filelist::isAcceptedFile("/x/c.txt"));
    EXPECT_FALSE(filelist::isAcceptedFile("/x/mp3"));
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

TEST(ColumnSort, NamesNaturallyAndSizesByByteCount)
{
    const filelist::NaturalOrder order;
    VideoFileList list;
    list.append(named("Track 10", 9961472));
    list.append(named("track 9", 10240));
    list.append(named("Intro", 1024));

    list.sort(filelist::columnLessThan(filelist::NameColumn, true, order));
    EXPECT_EQ(column(list, filelist::NameColumn), (QStringList{"Intro", "track 9", "Track 10"}));
    list.sort(filelist::columnLessThan(filelist::NameColumn, false, order));
    EXPECT_EQ(column(list, filelist::NameColumn), (QStringList{"Track 10", "track 9", "Intro"}));

    // By bytes, not by text: "9.50 MB" is the largest.
    list.sort(filelist::columnLessThan(filelist::SizeColumn, true, order));
    EXPECT_EQ(column(list, filelist::SizeColumn), (QStringList{"1024.00 bytes", "10.00 KB", "9.50 MB"}));
    list.sort(filelist::columnLessThan(filelist::SizeColumn, false, order));
    EXPECT_EQ(column(list, filelist::SizeColumn), (QStringList{"9.50 MB", "10.00 KB", "1024.00 bytes"}));
}

TEST(ColumnSort, EqualTextsKeepTheirOrderBothWays)
{
    const filelist::NaturalOrder order;
    VideoFileList list;
    list.append(named("b", 1, " 00:00:02.0"));
    list.append(named("a", 2, " 00:00:01.0"));
    list.append(named("c", 3, " 00:00:02.0"));
    list.sort(filelist::columnLessThan(filelist::DurationColumn, true, order));
    EXPECT_EQ(column(list, filelist::NameColumn), (QStringList{"a", "b", "c"}));
    list.sort(filelist::columnLessThan(filelist::DurationColumn, false, order));
    EXPECT_EQ(column(list, filelist::NameColumn), (QStringList{"b", "c", "a"}));
    list.sort(filelist::columnLessThan(filelist::ExtensionColumn, false, order));
    EXPECT_EQ(column(list, filelist::NameColumn), (QStringList{"b", "c", "a"}));
}
