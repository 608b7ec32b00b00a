// The add worker appends from other threads while the main thread redraws,
// reads and sorts the table. Built with ThreadSanitizer, this shows that the
// appends never overlap the main thread's reads and sorts.
#include "AddWaits.h"
#include "TestApp.h"

#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

TEST(FileListRace, AddsWhileTheTableIsRedrawnAndSorted)
{
    testenv::resetHome();
    TestApp t;
    ASSERT_TRUE(t.start());
    AppDelegate &app = *t.app;

    const QString folder = QDir::homePath() + QStringLiteral("/race");
    QStringList files;
    for (int i = 0; i < 4; ++i) {
        const QString path = testenv::makeTone(folder + QStringLiteral("/tone %1.wav").arg(i), 0.1 + 0.1 * i);
        ASSERT_FALSE(path.isEmpty());
        files << path;
    }
    QStringList chosen;
    for (int i = 0; i < 12; ++i)
        chosen << files;
    t.prompts.fileAnswers.enqueue(chosen);

    // Something to sort from the start, already in the table.
    t.prompts.fileAnswers.enqueue(files);
    ASSERT_TRUE(testenv::addAndWait(app, [&] { app.OnUserToolbarAddVideos(); }));

    QSignalSpy finished(&app, &AppDelegate::addFinished);
    app.OnUserToolbarAddVideos();
    ASSERT_TRUE(app.isAdding());
    QTableView *table = app.tableviewVideoFiles;
    QElapsedTimer bound;
    bound.start();
    int rounds = 0;
    while (finished.isEmpty() && bound.elapsed() < 120000) {
        app.sortDescriptorsDidChange(rounds % 4);
        table->viewport()->repaint();
        for (int row = 0; row < app.arrayVideoFiles.count(); ++row)
            (void)app.arrayVideoFiles.at(row).s_File_Name_Without_Extension();
        (void)app.arrayVideoFiles.snapshot();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        ++rounds;
    }
    ASSERT_EQ(finished.count(), 1) << "the add did not end within the bound";
    EXPECT_GT(rounds, 1);
    EXPECT_EQ(app.arrayVideoFiles.count(), 4 + chosen.size());
    EXPECT_EQ(table->model()->rowCount(), 4 + chosen.size());
    for (const NodeVideoFile &entry : app.arrayVideoFiles.snapshot())
        EXPECT_TRUE(entry.s_Duration().startsWith(QStringLiteral(" 00:00:00."))) << entry.s_File_Path().toStdString();
}

TEST(FileListRace, EndingTheControllerWhileAddingStopsTheWorker)
{
    testenv::resetHome();
    auto t = std::make_unique<TestApp>();
    ASSERT_TRUE(t->start());
    const QString path = testenv::makeTone(QDir::homePath() + QStringLiteral("/race/stop.wav"), 0.2);
    ASSERT_FALSE(path.isEmpty());
    QStringList chosen;
    for (int i = 0; i < 30; ++i)
        chosen << path;
    t->prompts.fileAnswers.enqueue(chosen);
    t->app->OnUserToolbarAddVideos();
    ASSERT_TRUE(t->app->isAdding());
    // Let a few probes run, then end everything while the worker is busy.
    ASSERT_TRUE(QTest::qWaitFor([&] { return t->app->arrayVideoFiles.count() >= 2; }, 30000));
    t.reset();
    SUCCEED();
}
