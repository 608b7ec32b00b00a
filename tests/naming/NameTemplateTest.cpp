// SPDX-License-Identifier: GPL-3.0-or-later
// Output-name templates as pure functions: what is refused and where, how an
// entry's fields fill a template, and the names that come out safe.
#include "QtPrinters.h"

#include "naming/core/NameExpansion.h"
#include "naming/core/SafeName.h"

#include <gtest/gtest.h>

namespace quavero {

namespace {
using naming::Field;

NameTemplate parsed(const QString &text)
{
    const naming::ParsedTemplate p = naming::parseTemplate(text);
    EXPECT_TRUE(p.ok()) << text.toStdString() << ": " << p.error.toStdString();
    return p.nameTemplate;
}

TagSet tagsOf(std::initializer_list<std::pair<const char *, const char *>> fields)
{
    TagSet tags;
    for (const auto &[key, value] : fields)
        tags.fields[QLatin1String(key)] << QString::fromUtf8(value);
    return tags;
}

const TagSet kAlbumTrack = tagsOf({{"TITLE", "Opening"},
                                   {"ARTIST", "Band A"},
                                   {"ALBUMARTIST", "Band A & Friends"},
                                   {"ALBUM", "Debut"},
                                   {"TRACKNUMBER", "3/12"},
                                   {"DISCNUMBER", "1"},
                                   {"DISCTOTAL", "2"},
                                   {"DATE", "2021-05-03"},
                                   {"GENRE", "Rock"},
                                   {"COMPOSER", "C. Omposer"}});

NamedOutput named(const QString &text, const TagSet &tags, const QString &folder = QString(),
                  int budget = naming::baseNameBudget(QStringLiteral(".mp3")), bool keepStructure = true)
{
    return naming::nameFor(parsed(text), naming::fieldsFrom(tags, QStringLiteral("track01"), folder), budget,
                           keepStructure);
}
} // namespace

TEST(NameTemplate, RefusesMistakesNamingThePosition)
{
    struct Case {
        const char *text;
        int position;
        const char *message; // a piece of it
    };
    const Case cases[] = {
        {"{artist}/{titel}", 10, "unknown field {titel} at position 10; the fields are: {title}, {artist}"},
        {"{}", 1, "unknown field {} at position 1"},
        {"{artist", 1, "'{' at position 1 has no '}' after it"},
        {"{artist/{title}", 1, "'{' at position 1 has no '}' after it"},
        {"a}b", 2, "'}' at position 2 has no '{' before it"},
        {"{artist} [{disc}-{track}", 10, "'[' at position 10 has no ']' after it"},
        {"[[{disc}]", 1, "'[' at position 1 has no ']' after it"},
        {"{title}]", 8, "']' at position 8 has no '[' before it"},
        {"{track:x}", 1, "{track:x} at position 1: after ':' comes a number of digits"},
        {"{track:0}", 1, "after ':' comes a number"},
        {"{track:}", 1, "after ':' comes a number"},
        {"/{title}", 1, "'/' at position 1 starts the template"},
        {"{artist}/", 9, "'/' at position 9 ends the template"},
        {"{title}\\", 8, "'\\' at position 8 ends the template"},
        {"  ", 1, "the template is empty"},
        // Positions count characters as a reader does, not bytes or UTF-16 units.
        {"\xF0\x9F\x8E\xB5 \xC3\xA9{tite}", 4, "unknown field {tite} at position 4"},
    };
    for (const Case &c : cases) {
        const naming::ParsedTemplate p = naming::parseTemplate(QString::fromUtf8(c.text));
        EXPECT_FALSE(p.ok()) << c.text;
        EXPECT_EQ(p.position, c.position) << c.text;
        EXPECT_TRUE(p.error.contains(QLatin1String(c.message))) << c.text << " -> " << p.error.toStdString();
    }
}

TEST(NameTemplate, FillsFieldsFromTheTags)
{
    struct Case {
        const char *text;
        const char *expected; // the relative path
    };
    const Case cases[] = {
        {"{albumartist}/{album}/{track:02} {title}", "Band A & Friends/Debut/03 Opening"},
        {"{artist} - {title}", "Band A - Opening"},
        {"{track}of{tracktotal} {disc}of{disctotal}", "3of12 1of2"},
        {"{year} {genre} {composer}", "2021 Rock C. Omposer"},
        {"{TITLE} ({Artist})", "Opening (Band A)"},
        {"[{disc}-]{track:03}", "1-003"},
        {"{album}/[CD {disc}/]{title}", "Debut/CD 1/Opening"},
        {"{name} [{year}]", "track01 2021"},
        {"{title} \\[live\\] \\{x\\}", "Opening [live] {x}"},
        {"{title:1}", "Opening"}, // padding only lengthens numbers
    };
    for (const Case &c : cases) {
        const NamedOutput out = named(QString::fromUtf8(c.text), kAlbumTrack);
        EXPECT_FALSE(out.fellBack) << c.text;
        EXPECT_EQ(out.relativePath(), QString::fromUtf8(c.expected)) << c.text;
    }
}

TEST(NameTemplate, BracketsLeaveOutPartsWithEmptyFieldsAndOtherEmptyFieldsFallBack)
{
    const TagSet sparse = tagsOf({{"TITLE", "Opening"}, {"ARTIST", "Band A"}, {"TRACKNUMBER", "07"}});
    EXPECT_EQ(named("[{disc}-]{track:02} {title}", sparse).relativePath(), "07 Opening");
    EXPECT_EQ(named("{artist}/[{album}/]{title}", sparse).relativePath(), "Band A/Opening");
    // Only the bracket whose own field is empty goes; the outer one stays.
    EXPECT_EQ(named("{title}[ ({artist}[, {year}])]", sparse).relativePath(), "Opening (Band A)");
    EXPECT_EQ(named("{albumartist} - {title}", sparse).relativePath(), "Band A - Opening");

    const NamedOutput noAlbum = named("{album}/{title}", sparse, QStringLiteral("Live/2019"));
    EXPECT_TRUE(noAlbum.fellBack);
    EXPECT_EQ(noAlbum.emptyField, "album");
    EXPECT_EQ(noAlbum.subfolder, "Live/2019");
    EXPECT_EQ(noAlbum.baseName, "track01");
    const NamedOutput flat =
        named("{album}/{title}", sparse, QStringLiteral("Live/2019"), naming::baseNameBudget(".mp3"), false);
    EXPECT_TRUE(flat.fellBack);
    EXPECT_EQ(flat.relativePath(), "track01");
    EXPECT_EQ(naming::fallBackReason(flat), "named after the input: it has no {album}");
    EXPECT_EQ(naming::fallBackReason(named("{title}", sparse)), "");

    // A title of dots and spaces leaves no name at all.
    const NamedOutput dots = named("{title}", tagsOf({{"TITLE", " ... "}}));
    EXPECT_TRUE(dots.fellBack);
    EXPECT_EQ(dots.emptyField, "");
    EXPECT_EQ(naming::fallBackReason(dots), "named after the input: the template gave it an empty name");
    // A value of spaces only is no value.
    EXPECT_EQ(named("{title}", tagsOf({{"TITLE", "   "}})).emptyField, "title");
}

TEST(NameTemplate, FolderAndNameFieldsComeFromTheEntry)
{
    EXPECT_EQ(named("{folder}/{name}", TagSet(), QStringLiteral("Disc 1/Live")).relativePath(), "Disc 1/Live/track01");
    // Straight from the folder it was added with: no subfolder, and no fall-back.
    const NamedOutput top = named("{folder}/{name}", TagSet());
    EXPECT_FALSE(top.fellBack);
    EXPECT_EQ(top.relativePath(), "track01");
}

TEST(NameTemplate, ValuesNeverMakeFoldersOrUnsafeNames)
{
    const TagSet tricky = tagsOf({{"ARTIST", "AC/DC"},
                                  {"ALBUM", "../../etc"},
                                  {"TITLE", "What? \"Why\" <a|b> *c* d:e f\\g"},
                                  {"GENRE", "Line\nbreak\tand\x7f"
                                            "del"},
                                  {"COMPOSER", " .hidden. "}});
    EXPECT_EQ(named("{artist}/{album}/{title}", tricky).relativePath(), "AC_DC/_.._etc/What_ _Why_ _a_b_ _c_ d_e f_g");
    EXPECT_EQ(named("{genre}", tricky).relativePath(), "Line_break_and_del");
    EXPECT_EQ(named("{composer}/x", tricky).relativePath(), "hidden/x");
    // A template part of dots makes no folder that climbs out of the destination.
    EXPECT_EQ(named("../{artist}/./{title}", tagsOf({{"ARTIST", "A"}, {"TITLE", "T"}})).relativePath(), "A/T");
}

TEST(NameTemplate, LongNamesAreCutBetweenCharacters)
{
    // 100 times a 3-byte character: 300 bytes.
    const QString kana = QString(100, QChar(0x3042));
    const NamedOutput cut = named("{title}", tagsOf({{"TITLE", kana.toUtf8().constData()}}), QString(), 100);
    EXPECT_EQ(cut.baseName, QString(33, QChar(0x3042))); // 99 bytes: a 34th would need 102
    // Folders are cut to 255 bytes whatever the file name's budget.
    const NamedOutput folder = named("{title}/x", tagsOf({{"TITLE", kana.toUtf8().constData()}}), QString(), 10);
    EXPECT_EQ(folder.subfolder, QString(85, QChar(0x3042)));

    // A letter and its combining accent stay together; a space left at the cut goes.
    const QString accented = QStringLiteral("ab ") + QString(10, QChar(0x0301)).prepend(QLatin1Char('e'));
    EXPECT_EQ(naming::cutToBytes(accented, 4), "ab");
    EXPECT_EQ(naming::cutToBytes(QStringLiteral("ab e\u0301c"), 6), QStringLiteral("ab e\u0301"));
    // Outside the BMP: four bytes each, never split.
    EXPECT_EQ(naming::cutToBytes(QStringLiteral("\U0001F3B5\U0001F3B6"), 7), QStringLiteral("\U0001F3B5"));
    EXPECT_EQ(naming::cutToBytes(QStringLiteral("short"), 255), "short");

    EXPECT_EQ(naming::baseNameBudget(QStringLiteral(".flac")), 255 - 5 - naming::kNumberReserveBytes);
    EXPECT_EQ(naming::baseNameBudget(QStringLiteral(".flac"), 10), 255 - 5 - naming::kNumberReserveBytes - 10);
}

TEST(NameFields, ReadsNumbersDatesAndSeveralValues)
{
    struct Case {
        TagSet tags;
        Field field;
        const char *expected;
    };
    TagSet twoArtists = tagsOf({{"ARTIST", "A"}});
    twoArtists.fields[QStringLiteral("ARTIST")] << QStringLiteral("B") << QStringLiteral(" ");
    const Case cases[] = {
        {tagsOf({{"TRACKNUMBER", "03/12"}}), Field::Track, "3"},
        {tagsOf({{"TRACKNUMBER", "03/12"}}), Field::TrackTotal, "12"},
        {tagsOf({{"TRACKNUMBER", "3"}, {"TOTALTRACKS", "9"}}), Field::TrackTotal, "9"},
        {tagsOf({{"TRACKNUMBER", "A1"}}), Field::Track, "A1"},
        {tagsOf({{"DISCNUMBER", "2/3"}}), Field::DiscTotal, "3"},
        {tagsOf({{"DATE", "2021-05-03"}}), Field::Year, "2021"},
        {tagsOf({{"DATE", "03.05.1999"}}), Field::Year, "1999"},
        {tagsOf({{"DATE", "May 21"}}), Field::Year, ""},
        {tagsOf({{"ARTIST", "Solo"}}), Field::AlbumArtist, "Solo"},
        {twoArtists, Field::Artist, "A, B"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(naming::fieldsFrom(c.tags, QString(), QString()).value(c.field), QString::fromUtf8(c.expected))
            << naming::fieldName(c.field).toStdString();
}

} // namespace quavero
