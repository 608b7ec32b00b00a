// SPDX-License-Identifier: GPL-3.0-or-later
// Names and argument vectors of the preview's scratch files.
#include "filelist/core/PathParts.h"
#include "preview/core/PreviewFiles.h"

#include <gtest/gtest.h>

namespace quavero {

TEST(PreviewFiles, WavIsNamedAfterTheEntryWithoutItsLastExtension)
{
    const struct {
        const char *entry;
        const char *wav;
    } cases[] = {
        {"/music/Track 01.mp3", "/work/Track 01.wav"}, {"/music/live.at.home.flac", "/work/live.at.home.wav"},
        {"/music/.hidden", "/work/.hidden.wav"},       {"/music/noext", "/work/noext.wav"},
        {"/music/song.wav", "/work/song.wav"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(preview::wavPath("/work", c.entry), c.wav) << c.entry;
}

TEST(PreviewFiles, EntriesDifferingOnlyInExtensionShareOneWav)
{
    EXPECT_EQ(preview::wavPath("/work", "/a/song.mp3"), preview::wavPath("/work", "/b/song.ogg"));
}

TEST(PreviewFiles, AFileOfTheListIsNeverThePreviewWav)
{
    const QStringList inputs = {"/work/song.wav", "/work/song (preview).wav"};
    const auto isInput = [&](const QString &path) { return inputs.contains(path); };
    EXPECT_EQ(preview::wavPathSparingInputs("/work", "/music/other.mp3", isInput), "/work/other.wav");
    EXPECT_EQ(preview::wavPathSparingInputs("/work", "/work/song.wav", isInput), "/work/song (preview 2).wav");
}

TEST(PreviewFiles, PicturesAreNumberedWithAtLeastFourDigits)
{
    const struct {
        int number;
        const char *path;
    } cases[] = {
        {0, "/work/Spectrum0000.png"},      {2, "/work/Spectrum0002.png"},        {9999, "/work/Spectrum9999.png"},
        {10000, "/work/Spectrum10000.png"}, {123456, "/work/Spectrum123456.png"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(preview::spectrumPicturePath("/work", c.number), c.path) << c.number;
}

TEST(PreviewFiles, ArgumentVectorsPassPathsAsSingleArguments)
{
    const QString input = "/music/it's a \"test\" $(x).mp3";
    EXPECT_EQ(preview::wavArguments(input, "/work/a b.wav"),
              QStringList({"-i", input, "-acodec", "pcm_s16le", "-ar", "44100", "-ac", "2", "/work/a b.wav"}));
    EXPECT_EQ(preview::waveformArguments("/work/a b.wav", "/work/Spectrum0000.png", "0x00ff00ff"),
              QStringList({"-i", "/work/a b.wav", "-filter_complex", "showwavespic=colors=0x00ff00ff:filter=peak",
                           "-vframes", "1", "/work/Spectrum0000.png"}));
}

TEST(PreviewFiles, FilterColoursAreEightHexDigitsWithTheAlphaLast)
{
    EXPECT_EQ(preview::filterColor(0, 255, 0, 255), "0x00ff00ff");
    EXPECT_EQ(preview::filterColor(28, 153, 213, 128), "0x1c99d580");
    // Out of range parts are held to a byte rather than widening the value.
    EXPECT_EQ(preview::filterColor(-3, 300, 7, 0), "0x00ff0700");
}

TEST(PreviewFiles, WavBaseNameIsTheOneTheListShows)
{
    // The preview and the list agree on what a name without its extension is.
    for (const char *path : {"/music/a.", "/music/a.b.", "/music/.hidden", "/music/x.y.z", "/music/noext"}) {
        const QString name = QString::fromUtf8(path).section(QLatin1Char('/'), -1);
        EXPECT_EQ(preview::wavPath("/work", path), "/work/" + filelist::nameWithoutExtension(name) + ".wav") << path;
    }
    EXPECT_EQ(preview::wavPath("/work", "/music/a."), "/work/a..wav");
}

} // namespace quavero
