// SPDX-License-Identifier: GPL-3.0-or-later
// The window's run: the end-of-run alert names a file that was converted
// without all its pictures, and why.
#include "EntryFromPath.h"
#include "QtPrinters.h"
#include "TaggedInputs.h"
#include "TestApp.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace quavero {

TEST(TagReport, EndOfRunAlertNamesFilesConvertedWithWarnings)
{
    testenv::resetHome();
    TestApp t{RunTimings{10, 50}};
    ASSERT_TRUE(t.start());
    const QString bad = taggedinputs::mp3WithBadPictures();
    const QString good = taggedinputs::mp3();
    ASSERT_FALSE(bad.isEmpty());
    t.app->arrayVideoFiles.append(testentries::entryFor(good, 1));
    t.app->arrayVideoFiles.append(testentries::entryFor(bad, 1));
    t.app->m_i_Output_Format = 7; // .FLAC
    QSignalSpy finished(t.app.get(), &AppDelegate::conversionFinished);
    t.prompts.destinationAnswers.enqueue(testenv::freshFolder("out"));
    t.app->OnUserToolbarConvert();
    ASSERT_TRUE(finished.wait(60000));
    ASSERT_EQ(t.prompts.alerts.size(), 1);
    const ShownAlert &alert = t.prompts.alerts.at(0);
    EXPECT_EQ(alert.message, "Success");
    EXPECT_EQ(alert.informative,
              "Audio files were converted successfully.\n\n"
              "bad-pictures.mp3: converted; picture not copied: the artist picture \"Not a picture\" is not a JPEG, "
              "PNG, GIF, BMP or WebP image\n"
              "bad-pictures.mp3: converted; picture not copied: the illustration \"Poster\" (17.0 MB) is too large "
              "for .FLAC, which takes at most 16.0 MB");
    EXPECT_EQ(alert.kind, AlertKind::Warning);
}

} // namespace quavero
