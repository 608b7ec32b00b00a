// SPDX-License-Identifier: GPL-3.0-or-later
// quavero-cli copies tags unless told --no-tags, and its summary names a
// converted file whose pictures could not all be copied.
#include "CliRunner.h"
#include "TaggedInputs.h"
#include "TestApp.h"

#include <gtest/gtest.h>

namespace quavero {

using namespace clitest;
using namespace taggedinputs;

TEST(CliTags, CopiedUnlessTurnedOff)
{
    const QString input = mp3();
    ASSERT_FALSE(input.isEmpty());
    const QString with = testenv::freshFolder("with");
    const CliRun tagged = runCli({"-q", "-f", "wav", "-o", with, input});
    ASSERT_EQ(tagged.exitCode, 0) << tagged.err.toStdString();
    EXPECT_EQ(tagged.err, "");
    EXPECT_EQ(fieldsOf(with + "/tagged.wav").value("TITLE"), QStringList{QString::fromUtf8(kTitle)});
    EXPECT_EQ(probedPictures(with + "/tagged.wav").size(), 2);

    const QString without = testenv::freshFolder("without");
    const CliRun plain = runCli({"-q", "--no-tags", "-f", "wav", "-o", without, input});
    ASSERT_EQ(plain.exitCode, 0) << plain.err.toStdString();
    EXPECT_TRUE(fieldsOf(without + "/tagged.wav").isEmpty());
    EXPECT_TRUE(probedPictures(without + "/tagged.wav").isEmpty());
}

TEST(CliTags, SummaryNamesFilesConvertedWithoutAllPictures)
{
    const QString input = mp3WithBadPictures();
    ASSERT_FALSE(input.isEmpty());
    const QString out = testenv::freshFolder("out");
    const CliRun run = runCli({"-f", "ogg", "-o", out, input});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString(); // converted, with a warning
    EXPECT_TRUE(run.out.contains("1 converted, 0 failed\n")) << run.out.toStdString();
    // The input lies outside the current folder: it is named by its absolute path.
    const QString name = input;
    EXPECT_TRUE(run.out.contains(QStringLiteral("warning: %1: converted; picture not copied: the artist picture \"Not "
                                                "a picture\" is not a JPEG, PNG, GIF, BMP or WebP image\n")
                                     .arg(name)))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("converted; picture not copied: the illustration \"Poster\" (17.0 MB) is too large "
                                 "for .OGG, which takes at most 16.0 MB\n"))
        << run.out.toStdString();

    // Quiet, the warnings still reach the standard error.
    const CliRun quiet = runCli({"-q", "-f", "ogg", "-o", testenv::freshFolder("quiet"), input});
    EXPECT_EQ(quiet.exitCode, 0);
    EXPECT_EQ(quiet.out, "");
    EXPECT_TRUE(quiet.err.contains("converted; picture not copied")) << quiet.err.toStdString();
}

} // namespace quavero
