// SPDX-License-Identifier: GPL-3.0-or-later
// Every output format with its start values, converted through the real run
// with the real ffmpeg and sox, checked with ffprobe; the effects formats
// once more with a speed of 1.25.
#include "RunSupport.h"

#include <QDir>

#include "formats/core/FormatTable.h"

#include <functional>

namespace quavero {

using namespace runsupport;

namespace {
struct Expected {
    int format;
    const char *extension;
    const char *codec;
    const char *sampleRate;
    const char *channels;
};

std::string nameOf(const ::testing::TestParamInfo<Expected> &info)
{
    return formats::at(info.param.format)->item.mid(1).toStdString();
}

class FormatRun : public ::testing::TestWithParam<Expected> {
protected:
    void SetUp() override
    {
        testenv::resetHome();
        ASSERT_TRUE(t.start());
    }
    // Converts one generated tone of the given length into the parameter's
    // format after configure() has set the records; returns the output path.
    QString convertTone(const QString &name, double seconds, const std::function<void(FormatRecords &)> &configure)
    {
        t.app->m_i_Output_Format = GetParam().format;
        configure(t.app->records);
        if (addTone(t, QDir::homePath() + "/in/" + name + ".wav", seconds).isEmpty())
            return QString();
        const QString out = testenv::freshFolder("out");
        if (!convertInto(t, out) || t.prompts.alerts.size() != 1)
            return QString();
        EXPECT_EQ(t.prompts.alerts.at(0).message, "Success") << t.prompts.alerts.at(0).informative.toStdString();
        return out + "/" + name + GetParam().extension;
    }

    TestApp t{quickTimings()};
};

using FormatsEndToEnd = FormatRun;
using EffectsEndToEnd = FormatRun;
} // namespace

TEST_P(FormatsEndToEnd, ConvertsWithStartValues)
{
    const Expected e = GetParam();
    const QString output = convertTone("tone", 0.5, [](FormatRecords &) {});
    ASSERT_GT(sizeOf(output), 0);
    if (e.format == 10) {
        // Raw 8-bit samples have no header: half a second of 22050 Hz stereo.
        EXPECT_NEAR(sizeOf(output), 22050, 2048);
    } else {
        EXPECT_EQ(testenv::probe(output, "codec_name"), e.codec);
        EXPECT_EQ(testenv::probe(output, "sample_rate"), e.sampleRate);
        EXPECT_EQ(testenv::probe(output, "channels"), e.channels);
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllFormats, FormatsEndToEnd,
    ::testing::Values(Expected{0, ".ac3", "ac3", "44100", "2"}, Expected{1, ".aif", "pcm_alaw", "22050", "2"},
                      Expected{2, ".aif", "pcm_alaw", "22050", "2"}, Expected{3, ".aif", "pcm_alaw", "22050", "2"},
                      Expected{4, ".amr", "amr_nb", "8000", "1"}, Expected{5, ".au", "pcm_s16be", "6000", "2"},
                      Expected{6, ".caf", "pcm_s16be", "22050", "2"}, Expected{7, ".flac", "flac", "22050", "2"},
                      Expected{8, ".mp3", "mp3", "44100", "2"}, Expected{9, ".ogg", "vorbis", "44100", "2"},
                      Expected{10, ".raw", "", "", ""}, Expected{11, ".spx", "speex", "32000", "2"},
                      Expected{12, ".wav", "pcm_u8", "22050", "2"}, Expected{13, ".wma", "wmav1", "11025", "2"},
                      Expected{14, ".m4a", "aac", "22050", "2"}, Expected{15, ".opus", "opus", "48000", "2"}),
    nameOf);

// A speed of 1.25 makes two seconds last 1.6; the file sox read, written
// beside the output, is gone with every other temporary file.
TEST_P(EffectsEndToEnd, SpeedShortensTheDuration)
{
    const QString output = convertTone("long", 2.0, [](FormatRecords &r) {
        r.m_AF_AIFF.setI_Format(2);
        r.m_AF_AIFF.setF_Speed(1.25f);
        r.m_AF_AU.setF_Speed(1.25f);
        r.m_AF_FLAC.setF_Speed(1.25f);
        r.m_AF_OGG.setF_Speed(1.25f);
        r.m_AF_WAV.setF_Speed(1.25f);
    });
    EXPECT_NEAR(testenv::probeDuration(output), 1.6, 0.05);
    EXPECT_EQ(testenv::probe(output, "codec_name"), GetParam().codec);
    EXPECT_EQ(QFileInfo(output).dir().entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList{QStringLiteral("long") + QLatin1String(GetParam().extension)});
}

INSTANTIATE_TEST_SUITE_P(EffectsFormats, EffectsEndToEnd,
                         ::testing::Values(Expected{2, ".aif", "pcm_s16be", "22050", "2"},
                                           Expected{5, ".au", "pcm_s16be", "6000", "2"},
                                           Expected{7, ".flac", "flac", "22050", "2"},
                                           Expected{9, ".ogg", "vorbis", "44100", "2"},
                                           Expected{12, ".wav", "pcm_u8", "22050", "2"}),
                         nameOf);

} // namespace quavero
