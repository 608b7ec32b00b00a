// SPDX-License-Identifier: GPL-3.0-or-later
// An output never lands on an input file.
#include "QtPrinters.h"
#include "convert/core/OutputSafety.h"

#include <QMap>
#include <gtest/gtest.h>

namespace quavero {

namespace {
// Resolves a link folder "/link" to "/music" the way the file system would.
QString canonical(const QString &path)
{
    QString p = path;
    p.replace("//", "/");
    if (p.startsWith("/link/"))
        p.replace(0, 5, "/music");
    return p;
}
} // namespace

TEST(OutputSafety, OutputOnAnInputIsRefused)
{
    const QStringList inputs{"/music/a.mp3", "/music/b.wav", "/work/c001.wav"};
    const struct {
        const char *finalPath;
        const char *ffmpegOutput;
        bool refused;
    } cases[] = {
        {"/music/a.mp3", "/music/a.mp3", true},   // the entry's own file
        {"/music/b.wav", "/work/b001.wav", true}, // another input, written by sox
        {"/out/c.wav", "/work/c001.wav", true},   // an input in the work folder, written by ffmpeg
        {"/link/a.mp3", "/link/a.mp3", true},     // the same file through a link
        {"/music//a.mp3", "/music//a.mp3", true}, // doubled separator
        {"/out/a.mp3", "/out/a.mp3", false},      {"/music/a.ogg", "/work/a001.ogg", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(safety::outputReplacesInput({c.finalPath, c.ffmpegOutput}, safety::canonicalInputs(inputs, canonical),
                                              canonical),
                  c.refused)
            << c.finalPath;
}

TEST(OutputSafety, ReasonNamesTheProblem)
{
    EXPECT_EQ(safety::replacesInputReason(), "the output would replace an input file");
}

} // namespace quavero
