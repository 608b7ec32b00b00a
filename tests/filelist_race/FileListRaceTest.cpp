// SPDX-License-Identifier: GPL-3.0-or-later
// The add worker appends from its own thread, with entries completed on a
// pool of others, while the main thread redraws, reads and sorts the table.
// Built with ThreadSanitizer, this shows that the appends never overlap the
// main thread's reads and sorts.
//
// The entries are completed by a stand-in for the ffmpeg probe: starting child
// processes (a vfork-like clone) from several threads at once corrupts
// ThreadSanitizer's own bookkeeping, after which it reports nothing at all.
#include "AddWaits.h"
#include "TestApp.h"
#include "filelist/core/SizeText.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace quavero {

namespace {
// Stands in for probing: takes a varying short while, so the entries complete
// out of order, and fills in what a probe would.
NodeVideoFile completeLikeAProbe(const NodeVideoFile &shell)
{
    NodeVideoFile entry = shell;
    QElapsedTimer busy;
    busy.start();
    const qint64 workNs = QRandomGenerator::global()->bounded(200000, 3000000);
    while (busy.nsecsElapsed() < workNs) {
    }
    const int seconds = int(entry.s_File_Name_Without_Extension().section(QLatin1Char(' '), 1).toInt());
    entry.setS_Duration(QStringLiteral(" 00:00:%1.0").arg(seconds % 60, 2, 10, QLatin1Char('0')));
    entry.setI_Duration_in_Seconds(seconds % 60);
    entry.setU_File_Size_Bytes(quint64(seconds) * 1000);
    entry.setS_File_Size(filelist::sizeText(quint64(seconds) * 1000));
    return entry;
}

QStringList trackPaths(int count)
{
    QStringList paths;
    for (int i = 0; i < count; ++i)
        paths << QStringLiteral("/music/track %1.mp3").arg(i);
    return paths;
}

std::unique_ptr<TestApp> startedApp()
{
    testenv::resetHome();
    auto t = std::make_unique<TestApp>();
    if (!t->start())
        return nullptr;
    t->app->addEntryCompleter = completeLikeAProbe;
    t->app->addProbeJobs = 4;
    return t;
}
} // namespace

TEST(FileListRace, AddsWhileTheTableIsRedrawnAndSorted)
{
    const std::unique_ptr<TestApp> t = startedApp();
    ASSERT_TRUE(t);
    AppDelegate &app = *t->app;
    QTableView *table = app.tableviewVideoFiles;

    // Something to sort from the start, already in the table.
    t->prompts.fileAnswers.enqueue({"/music/Intro 0.mp3", "/music/Outro 1.mp3"});
    ASSERT_TRUE(testenv::addAndWait(app, [&] { app.OnUserToolbarAddVideos(); }));

    const QStringList chosen = trackPaths(300);
    t->prompts.fileAnswers.enqueue(chosen);
    QSignalSpy finished(&app, &AppDelegate::addFinished);
    app.OnUserToolbarAddVideos();
    ASSERT_TRUE(app.isAdding());
    QElapsedTimer bound;
    bound.start();
    int rounds = 0;
    qint64 counted = 0;
    while (finished.isEmpty() && bound.elapsed() < 120000) {
        app.sortDescriptorsDidChange(rounds % 4);
        table->viewport()->repaint();
        for (int row = 0; row < app.arrayVideoFiles.count(); ++row)
            (void)app.arrayVideoFiles.at(row).s_File_Name_Without_Extension();
        // Reads that share no data with the entries, so only the list's own
        // lock can order them against an append.
        for (int k = 0; k < 200; ++k)
            counted += app.arrayVideoFiles.count();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        ++rounds;
    }
    ASSERT_EQ(finished.count(), 1) << "the add did not end within the bound";
    EXPECT_GT(rounds, 1);
    EXPECT_GT(counted, 0);
    ASSERT_EQ(app.arrayVideoFiles.count(), 2 + chosen.size());
    EXPECT_EQ(table->model()->rowCount(), 2 + chosen.size());
}

TEST(FileListRace, WithoutSortsEntriesArriveInTheChosenOrder)
{
    const std::unique_ptr<TestApp> t = startedApp();
    ASSERT_TRUE(t);
    AppDelegate &app = *t->app;
    const QStringList chosen = trackPaths(120);
    t->prompts.fileAnswers.enqueue(chosen);
    ASSERT_TRUE(testenv::addAndWait(app, [&] { app.OnUserToolbarAddVideos(); }));
    QStringList added;
    for (const NodeVideoFile &entry : app.arrayVideoFiles.snapshot())
        added << entry.s_File_Path();
    EXPECT_EQ(added, chosen);
}

TEST(FileListRace, EndingTheControllerWhileAddingStopsTheWorker)
{
    std::unique_ptr<TestApp> t = startedApp();
    ASSERT_TRUE(t);
    t->prompts.fileAnswers.enqueue(trackPaths(2000));
    t->app->OnUserToolbarAddVideos();
    ASSERT_TRUE(t->app->isAdding());
    ASSERT_TRUE(QTest::qWaitFor([&] { return t->app->arrayVideoFiles.count() >= 5; }, 30000));
    t.reset();
    SUCCEED();
}

} // namespace quavero
