// SPDX-License-Identifier: GPL-3.0-or-later
// File > Save Job List… in the window: the list's entries planned for an
// output folder and written as the job list quavero-cli's workers run;
// nothing is written to the output folder; a list that cannot be written
// says so.
#include "EntryFromPath.h"
#include "JobTools.h"
#include "QtPrinters.h"
#include "TestApp.h"

#include "app/MainWindow.h"

#include <QAction>
#include <QDir>
#include <gtest/gtest.h>

namespace quavero {

using namespace jobtools;

TEST(WindowJobList, TheWindowsListBecomesAJobListThatWorkersRun)
{
    const QString top = testenv::freshFolder(QStringLiteral("window-jobs"));
    const QString a = testenv::makeTone(top + "/in/a.wav", 0.4);
    const QString b = testenv::makeTone(top + "/in/Disc 2/b.flac", 0.3);
    TestApp t;
    ASSERT_TRUE(t.start());
    QAction *item = t.window->findChild<QAction *>(QStringLiteral("menuItemSaveJobList"));
    ASSERT_NE(item, nullptr);

    item->trigger(); // an empty list: nothing to plan
    ASSERT_EQ(t.prompts.alerts.size(), 1);
    EXPECT_EQ(t.prompts.alerts.last().message, "There are no audio files on the list.");

    t.app->arrayVideoFiles.append(testentries::entryFor(a, 0));
    t.app->arrayVideoFiles.append(testentries::entryFor(b, 0));
    const QString out = top + "/out";
    QDir().mkpath(out);

    // The save panel cancelled: no list, no alert.
    t.prompts.destinationAnswers.enqueue(out);
    item->trigger();
    EXPECT_EQ(t.prompts.startFolders.last(), top + "/jobs.jsonl") << "proposed beside the output folder";
    EXPECT_EQ(t.prompts.alerts.size(), 1);

    const QString list = top + "/jobs.jsonl";
    t.prompts.destinationAnswers.enqueue(out);
    t.prompts.saveAnswers.enqueue(list);
    item->trigger();
    ASSERT_EQ(t.prompts.alerts.size(), 2);
    const ShownAlert &saved = t.prompts.alerts.last();
    EXPECT_EQ(saved.message, "The job list is saved.");
    EXPECT_TRUE(saved.informative.startsWith("Jobs: 2 of the list's 2 files, in " + list))
        << saved.informative.toStdString();
    EXPECT_EQ(saved.kind, AlertKind::Information);
    EXPECT_EQ(filesBelow(out), QStringList()) << "planning writes nothing to the output folder";

    const Ran worker = cli({"--from-plan", list, "--chunk", "0/1"});
    EXPECT_EQ(worker.exitCode, 0) << worker.all().toStdString();
    EXPECT_EQ(filesBelow(out), (QStringList{"a.mp3", "b.mp3"})) << worker.all().toStdString();
    const Ran report = cli({"--report", list});
    EXPECT_EQ(report.out, "2 converted, 0 failed\n") << report.all().toStdString();

    // A list that cannot be written: the reason in the details.
    t.prompts.destinationAnswers.enqueue(out);
    t.prompts.saveAnswers.enqueue(top + "/no such folder/jobs.jsonl");
    item->trigger();
    ASSERT_EQ(t.prompts.alerts.size(), 3);
    EXPECT_EQ(t.prompts.alerts.last().message, "The job list could not be saved.");
    EXPECT_FALSE(t.prompts.alerts.last().details.isEmpty());
}

} // namespace quavero
