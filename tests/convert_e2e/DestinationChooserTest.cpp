// SPDX-License-Identifier: GPL-3.0-or-later
// The destination chooser of Convert opens in the last destination, else in
// the music folder, else in the home folder.
#include "RunSupport.h"

#include "app/PreferenceKeys.h"

#include <QDir>
#include <QSignalSpy>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace quavero {

TEST(DestinationChooser, OpensInTheLastDestinationElseTheMusicFolderElseHome)
{
    testenv::resetHome();
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    QDir(music).removeRecursively();
    TestApp t;
    ASSERT_TRUE(t.start());
    const QString tone = testenv::makeTone(testenv::freshFolder("chooser-in") + "/a.wav", 0.3);
    ASSERT_FALSE(tone.isEmpty());
    t.app->addPaths({tone});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !t.app->isAdding() && t.app->arrayVideoFiles.count() == 1; }, 20000));

    t.app->OnUserToolbarConvert(); // cancelled
    EXPECT_EQ(t.prompts.startFolders.last(), QDir::homePath());
    ASSERT_TRUE(QDir().mkpath(music));
    t.app->OnUserToolbarConvert();
    EXPECT_EQ(t.prompts.startFolders.last(), music);

    const QString out = testenv::freshFolder("chooser-out");
    QSignalSpy finished(t.app.get(), &AppDelegate::conversionFinished);
    t.prompts.destinationAnswers.enqueue(out);
    t.app->OnUserToolbarConvert();
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_EQ(t.preferences.string(prefkeys::kLastDestination), out);
    t.app->OnUserToolbarConvert();
    EXPECT_EQ(t.prompts.startFolders.last(), out);

    // A destination that has gone since is passed over.
    QDir(out).removeRecursively();
    t.app->OnUserToolbarConvert();
    EXPECT_EQ(t.prompts.startFolders.last(), music);
}

} // namespace quavero
