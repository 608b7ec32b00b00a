// SPDX-License-Identifier: GPL-3.0-or-later
// Loudness fields written into each kind of file, read back with mutagen:
// where each format keeps them, album pairs added later, other tags kept,
// stale loudness fields removed, Opus with R128 gains only.
#include "QtPrinters.h"
#include "ReferenceTools.h"
#include "SyntheticAudio.h"
#include "TestApp.h"

#include "loudness/engine/FileMeasure.h"
#include "loudness/engine/GainTagWriter.h"
#include "platform/core/ChildProcess.h"

#include <QFile>

#include <gtest/gtest.h>

#include <functional>

namespace quavero {

namespace {
QString lower(const char *name) { return QString::fromLatin1(name).toLower(); }
QString txxx(const char *name) { return QStringLiteral("TXXX:") + QString::fromLatin1(name); }
QString itunes(const char *name) { return QStringLiteral("----:com.apple.iTunes:") + lower(name); }
QString asIs(const char *name) { return QString::fromLatin1(name); }

struct FormatRow {
    const char *extension;
    QStringList encoder;
    GainContainer container;
    std::function<QString(const char *)> keyOf; // mutagen's name of a field
};

// What a validator we did not write says is wrong with the file; empty when
// it finds nothing, or has no validator for its kind.
QString problemsOf(const QString &path)
{
    JoinedRun run;
    if (path.endsWith(".flac"))
        run = child::runJoined("flac", {"-t", "-s", path});
    else if (path.endsWith(".ogg") || path.endsWith(".spx") || path.endsWith(".opus"))
        run = child::runJoined("ogginfo", {path});
    else if (path.endsWith(".mp3"))
        run = child::runJoined("mp3val", {path});
    else
        return QString();
    const QString output = QString::fromUtf8(run.output);
    if (!run.started || run.exitCode != 0 || output.contains("WARNING") || output.contains("ERROR"))
        return output.isEmpty() ? QStringLiteral("failed") : output;
    return QString();
}

const QList<FormatRow> &formatRows()
{
    static const QList<FormatRow> rows{
        {".flac", {}, GainContainer::Flac, lower},
        {".ogg", {}, GainContainer::OggVorbis, lower},
        {".spx", {"-ar", "16000", "-ac", "1"}, GainContainer::OggSpeex, lower},
        {".mp3", {}, GainContainer::Mpeg, txxx},
        {".wav", {}, GainContainer::Wav, txxx},
        {".aiff", {}, GainContainer::Aiff, txxx},
        {".m4a", {}, GainContainer::Mp4, itunes},
        {".wma", {}, GainContainer::Asf, asIs},
    };
    return rows;
}
} // namespace

TEST(GainTagWriting, EachFormatKeepsTheFieldsWhereReadersLook)
{
    const QString folder = testenv::freshFolder("gaintags");
    for (const FormatRow &row : formatRows()) {
        SCOPED_TRACE(row.extension);
        const QString file = folder + "/tagged" + row.extension;
        // A title to keep, and an album gain as a tag copy would bring it from the input.
        ASSERT_TRUE(reference::ffmpeg(QStringList{"-f", "lavfi", "-i", "sine=duration=1", "-metadata", "title=Keep me",
                                                  "-metadata", "REPLAYGAIN_ALBUM_GAIN=+9.99 dB"} +
                                      row.encoder + QStringList{file}));

        const GainFields track = loudness::trackFields(GainStyle::ReplayGain, synth::measured(-11.48, 0.9812341));
        ASSERT_EQ(loudness::writeGainTags(file, row.container, track), QString());
        QMap<QString, QStringList> tags = reference::mutagenTags(file);
        EXPECT_EQ(tags.value(row.keyOf("REPLAYGAIN_TRACK_GAIN")), QStringList{"-6.52 dB"});
        EXPECT_EQ(tags.value(row.keyOf("REPLAYGAIN_TRACK_PEAK")), QStringList{"0.981234"});
        EXPECT_EQ(tags.value(row.keyOf("REPLAYGAIN_REFERENCE_LOUDNESS")), QStringList{"-18.00 LUFS"});
        for (auto it = tags.begin(); it != tags.end(); ++it)
            EXPECT_FALSE(it.key().contains("album_gain", Qt::CaseInsensitive)) << it.key().toStdString();

        const GainFields album = loudness::albumFields(GainStyle::ReplayGain, synth::measured(-20.89, 0.809814));
        ASSERT_EQ(loudness::writeGainTags(file, row.container, album), QString());
        tags = reference::mutagenTags(file);
        EXPECT_EQ(tags.value(row.keyOf("REPLAYGAIN_ALBUM_GAIN")), QStringList{"2.89 dB"});
        EXPECT_EQ(tags.value(row.keyOf("REPLAYGAIN_ALBUM_PEAK")), QStringList{"0.809814"});
        EXPECT_EQ(tags.value(row.keyOf("REPLAYGAIN_TRACK_GAIN")), QStringList{"-6.52 dB"});
        EXPECT_GT(testenv::probeDuration(file), 0.9);
        EXPECT_EQ(problemsOf(file), QString());
    }
    // The title a WAV keeps in its RIFF INFO list, and the others in their tags, stay.
    EXPECT_EQ(reference::mutagenTags(folder + "/tagged.flac").value("title"), QStringList{"Keep me"});
    EXPECT_EQ(reference::mutagenTags(folder + "/tagged.mp3").value("TIT2"), QStringList{"Keep me"});
    EXPECT_EQ(reference::mutagenTags(folder + "/tagged.m4a").value("\u00a9nam"), QStringList{"Keep me"});
}

// RFC 7845: R128_TRACK_GAIN and R128_ALBUM_GAIN in 1/256 dB to -23 LUFS, the
// header's output gain untouched, no ReplayGain fields.
TEST(GainTagWriting, OpusGetsR128GainsByTheRfcRule)
{
    const QString folder = testenv::freshFolder("opustags");
    const QString source = reference::pinkNoise(folder + "/pink.wav", 6, 0.4);
    const QString file = folder + "/pink.opus";
    ASSERT_TRUE(reference::ffmpeg({"-i", source, "-metadata", "REPLAYGAIN_TRACK_GAIN=1.00 dB", file}));

    const FileMeasure m = loudness::measureFile(testenv::ffmpeg(), file);
    ASSERT_TRUE(m.measurement.measured());
    const GainStyle style = loudness::styleOf(GainContainer::OggOpus);
    ASSERT_EQ(loudness::writeGainTags(file, GainContainer::OggOpus, loudness::trackFields(style, m.measurement)),
              QString());
    ASSERT_EQ(loudness::writeGainTags(file, GainContainer::OggOpus, loudness::albumFields(style, m.measurement)),
              QString());

    const QMap<QString, QStringList> tags = reference::mutagenTags(file);
    const QList<reference::LoudgainRow> theirs = reference::loudgain({file});
    ASSERT_EQ(theirs.size(), 1);
    for (const char *key : {"r128_track_gain", "r128_album_gain"}) {
        ASSERT_EQ(tags.value(key).size(), 1) << key;
        bool isInteger = false;
        const int q78 = tags.value(key).first().toInt(&isInteger);
        EXPECT_TRUE(isInteger) << key;
        EXPECT_NEAR(q78 / 256.0, -23.0 - theirs.first().lufs, 0.1) << key;
    }
    for (auto it = tags.begin(); it != tags.end(); ++it)
        EXPECT_FALSE(it.key().startsWith("replaygain", Qt::CaseInsensitive)) << it.key().toStdString();
    EXPECT_EQ(problemsOf(file), QString());
    const JoinedRun info = child::runJoined(QStringLiteral("opusinfo"), {file});
    EXPECT_TRUE(info.output.contains("Playback gain: 0 dB")) << info.output.toStdString();
}

// A track that could not be measured gets no loudness fields: those a tag
// copy brought go too.
TEST(GainTagWriting, UnmeasuredTrackLosesStaleFields)
{
    const QString file = testenv::freshFolder("stale") + "/short.flac";
    ASSERT_TRUE(reference::ffmpeg({"-f", "lavfi", "-i", "sine=duration=0.2", "-metadata",
                                   "REPLAYGAIN_TRACK_GAIN=3.00 dB", "-metadata", "ARTIST=Someone", file}));
    LoudnessMeasurement tooShort;
    tooShort.status = LoudnessMeasurement::Status::TooShort;
    ASSERT_EQ(loudness::writeGainTags(file, GainContainer::Flac, loudness::trackFields(GainStyle::ReplayGain, tooShort)),
              QString());
    const QMap<QString, QStringList> tags = reference::mutagenTags(file);
    EXPECT_FALSE(tags.contains("replaygain_track_gain"));
    EXPECT_EQ(tags.value("artist"), QStringList{"Someone"});
}

TEST(GainTagWriting, FilesThatCannotTakeThemAreReported)
{
    const QString folder = testenv::freshFolder("notags");
    const GainFields fields = loudness::trackFields(GainStyle::ReplayGain, synth::measured(-20, 0.5));
    // A container that holds no tags: nothing is written, and that is no failure.
    const QString raw = folder + "/tone.ac3";
    ASSERT_TRUE(reference::ffmpeg({"-f", "lavfi", "-i", "sine=duration=1", raw}));
    const QByteArray before = [&] {
        QFile f(raw);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    EXPECT_EQ(loudness::writeGainTags(raw, GainContainer::None, fields), QString());
    QFile after(raw);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);

    EXPECT_FALSE(loudness::writeGainTags(raw, GainContainer::Flac, fields).isEmpty()); // not a FLAC file
    EXPECT_FALSE(loudness::writeGainTags(folder + "/missing.flac", GainContainer::Flac, fields).isEmpty());
}

} // namespace quavero
