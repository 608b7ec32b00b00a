// SPDX-License-Identifier: GPL-3.0-or-later
// Names from the real tags of files that ffmpeg wrote (and a tagger rewrote),
// read with TagLib as the tag copy reads them.
#include "QtPrinters.h"
#include "TaggedInputs.h"
#include "TestApp.h"

#include "naming/engine/EntryNames.h"
#include "platform/core/ChildProcess.h"

#include <gtest/gtest.h>

namespace quavero {

namespace {
NameTemplate templateOf(const QString &text)
{
    const naming::ParsedTemplate p = naming::parseTemplate(text);
    EXPECT_TRUE(p.ok()) << p.error.toStdString();
    return p.nameTemplate;
}

// One second of a tone in the given file, with the given ffmpeg -metadata pairs.
QString tagged(const QString &path, const QStringList &metadata)
{
    QStringList args{"-v", "error", "-y", "-f", "lavfi", "-i", "sine=frequency=440:duration=1"};
    for (const QString &pair : metadata)
        args << "-metadata" << pair;
    args << path;
    const JoinedRun run = child::runJoined(testenv::ffmpeg(), args);
    EXPECT_EQ(run.exitCode, 0) << run.output.constData();
    return path;
}
} // namespace

TEST(TagNames, NamesFromTheTagsOfEveryKindOfInput)
{
    const QString folder = testenv::freshFolder(QStringLiteral("tag-names"));
    const QStringList common{"title=Opening", "artist=Band A", "album=Debut", "date=2019-10-01", "track=7/9"};
    const QList<NamingSource> sources{
        {taggedinputs::mp3(), QStringLiteral("tagged"), QString()},
        {taggedinputs::flac(), QStringLiteral("tagged"), QStringLiteral("CD 1")},
        {tagged(folder + "/a.ogg", common), QStringLiteral("a"), QString()},
        {tagged(folder + "/b.m4a", common), QStringLiteral("b"), QString()},
        {tagged(folder + "/c.wav", QStringList{"title=Opening", "artist=Band A"}), QStringLiteral("c"), QString()},
        {taggedinputs::untaggedMp3(), QStringLiteral("untagged"), QStringLiteral("Misc")},
    };
    const QList<NamedOutput> names = naming::nameEntries(
        templateOf(QStringLiteral("{albumartist}/[{album}/][{disc}-]{track:02} {title} [({year})]")), sources,
        QStringLiteral(".mp3"), true);
    ASSERT_EQ(names.size(), sources.size());
    const QString tagger = QStringLiteral("Various Artists/") + QString::fromUtf8(taggedinputs::kAlbum) +
                           QStringLiteral("/1-03 ") + QString::fromUtf8(taggedinputs::kTitle) + QStringLiteral(" (2021)");
    EXPECT_EQ(names.at(0).relativePath(), tagger);
    EXPECT_EQ(names.at(1).relativePath(), tagger); // numbers as "3" with TRACKTOTAL, not "3/12"
    EXPECT_EQ(names.at(2).relativePath(), "Band A/Debut/07 Opening (2019)");
    EXPECT_EQ(names.at(3).relativePath(), "Band A/Debut/07 Opening (2019)");
    EXPECT_TRUE(names.at(4).fellBack); // a RIFF INFO list has a title and an artist, but no track
    EXPECT_EQ(names.at(4).emptyField, "track");
    EXPECT_TRUE(names.at(5).fellBack);
    EXPECT_EQ(names.at(5).relativePath(), "Misc/untagged");

    EXPECT_EQ(naming::fieldsOfFile(sources.at(0)).value(naming::Field::Composer),
              QString::fromUtf8("B\xC3\xA9la Bart\xC3\xB3k"));
    // A file TagLib cannot read gives no tags, and no failure.
    const NamingSource missing{folder + "/gone.mp3", QStringLiteral("gone"), QString()};
    EXPECT_EQ(naming::fieldsOfFile(missing).value(naming::Field::Name), "gone");
    EXPECT_TRUE(naming::fieldsOfFile(missing).value(naming::Field::Title).isEmpty());
}

// A track of an album image is named from its sheet's fields laid over the
// image's: its own title and number, the image's album and artist.
TEST(TagNames, ATrackOfAnImageIsNamedFromItsSheet)
{
    const QString folder = testenv::freshFolder(QStringLiteral("tag-names-track"));
    const QString image = tagged(folder + "/image.flac", {"title=Whole Image", "album=Live", "artist=Band B"});
    ImageTrack track;
    track.sheetPath = folder + "/image.cue";
    track.number = 2;
    track.count = 3;
    track.tags.fields.insert("TITLE", {"Second Song"});
    track.tags.fields.insert("TRACKNUMBER", {"2"});
    NodeVideoFile entry;
    entry.setS_File_Path(image);
    entry.setS_File_Name_Without_Extension(QStringLiteral("02 Second Song"));
    entry.setM_Track(track);

    QList<PlanInput> inputs{PlanInput(entry)};
    naming::readTags(inputs);
    const naming::NameFields fields = naming::fieldsFrom(inputs.at(0).tags, "02 Second Song", QString());
    EXPECT_EQ(fields.value(naming::Field::Title), "Second Song");
    EXPECT_EQ(fields.value(naming::Field::Album), "Live");
    EXPECT_EQ(fields.value(naming::Field::Artist), "Band B");
    EXPECT_EQ(fields.value(naming::Field::Track), "2");

    // The image itself, added as a whole file, keeps its own title.
    entry.setM_Track(ImageTrack());
    EXPECT_EQ(naming::tagsOfEntry(entry).fields.value("TITLE"), QStringList{"Whole Image"});
}

} // namespace quavero
