// SPDX-License-Identifier: GPL-3.0-or-later
// quavero-cli --version says what Help > About Quavero says.
#include "CliRunner.h"

#include <gtest/gtest.h>

namespace quavero {

TEST(CliVersion, NamesTheVersionTheLicenceAndTheProgramsThatConvert)
{
    const clitest::CliRun run = clitest::runCli({"--version"});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0);
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << run.out.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("quavero-cli " QUAVERO_VERSION));
    EXPECT_TRUE(lines[1].contains("GPL-3.0-or-later")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("ffmpeg ")) << lines[2].toStdString();
    EXPECT_TRUE(lines[3].startsWith("sox 14.")) << lines[3].toStdString();
}

} // namespace quavero
