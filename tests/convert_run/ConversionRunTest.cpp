// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of a conversion run, checked against the engine with a clock and
// jobs the test drives: the order and pacing of the entries, Cancel and stop
// in each state of a run, several files at once, the results and the progress
// with the time left.
#include "RunFakes.h"

#include "convert/core/TimeLeft.h"

#include <QCoreApplication>
#include <algorithm>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace quavero {

namespace {
NodeVideoFile entryFor(const QString &name, qint64 seconds, const QString &extension = QStringLiteral("wav"))
{
    NodeVideoFile e;
    const QString path = QStringLiteral("/in/%1.%2").arg(name, extension);
    e.setS_File_URL(QUrl::fromLocalFile(path));
    e.setS_File_Path(path);
    e.setS_Folder_Path(QStringLiteral("/in"));
    e.setS_File_Name_Without_Extension(name);
    e.setS_File_Extension(extension);
    e.setI_Duration_in_Seconds(seconds);
    return e;
}

class RunTest : public ::testing::Test {
public:
    // A run of entries named a, b, c... of the given durations (60 s when none given).
    ConversionRun &makeRun(int count, RunPacing pacing, QList<qint64> seconds = {})
    {
        QList<NodeVideoFile> entries;
        for (int i = 0; i < count; ++i)
            entries << entryFor(QString(QChar('a' + i)), seconds.value(i, 60));
        return makeRun(runplan::inputsFrom(entries), pacing);
    }
    // The entries planned as a run to .MP3 in /out plans them, nothing there yet.
    ConversionRun &makeRun(const QList<PlanInput> &entries, RunPacing pacing, bool waitForDurations = false,
                           std::function<QStringList()> otherInputs = {})
    {
        PlanWorld world;
        world.exists = [](const QString &) { return false; };
        world.canonical = [](const QString &path) { return path; };
        RunSetup setup;
        setup.plan = runplan::make(SettingsSnapshot{}, entries, QStringLiteral("/out"), 1, world);
        setup.waitForDurations = waitForDurations;
        setup.otherInputs = std::move(otherInputs);
        setup.pacing = pacing;
        auto clockOwned = std::make_unique<FakeClock>();
        clock = clockOwned.get();
        run = std::make_unique<ConversionRun>(setup, jobs.factory(), std::move(clockOwned));
        finished = std::make_unique<QSignalSpy>(run.get(), &ConversionRun::finished);
        return *run;
    }
    static RunPacing windowPacing() { return RunPacing{100, 2000, 1}; }
    static RunPacing cliPacing(int atOnce) { return RunPacing{0, 0, atOnce}; }
    QList<EntryState> states() const
    {
        QList<EntryState> s;
        for (int i = 0; i < run->entryCount(); ++i)
            s << run->state(i);
        return s;
    }

    FakeJobs jobs;
    FakeClock *clock = nullptr;
    std::unique_ptr<ConversionRun> run;
    std::unique_ptr<QSignalSpy> finished;
};

using S = EntryState;
} // namespace

TEST_F(RunTest, WindowPacingFirstAfterADelayThenAPauseAfterEachEnd)
{
    makeRun(3, windowPacing()).start();
    clock->advance(99);
    EXPECT_EQ(jobs.count(), 0);
    clock->advance(1);
    ASSERT_EQ(jobs.count(), 1);

    // The pause counts from the end of a file, not from its start.
    clock->advance(30000);
    jobs.end(0);
    clock->advance(1999);
    EXPECT_EQ(jobs.count(), 1);
    EXPECT_TRUE(run->isPausing());
    clock->advance(1);
    ASSERT_EQ(jobs.count(), 2);
    EXPECT_EQ(jobs.runningCount(), 1);

    jobs.end(1);
    clock->advance(2000);
    jobs.end(2);
    EXPECT_EQ(jobs.startedNames(), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(clock->started, (QList<int>{100, 2000, 2000}));
    EXPECT_EQ(finished->count(), 1);
    EXPECT_FALSE(run->isPausing()); // no pause after the last file
    EXPECT_EQ(states(), (QList<S>{S::Converted, S::Converted, S::Converted}));
    EXPECT_EQ(run->progress().done, 3);
}

TEST_F(RunTest, CommandLinePacingStartsAtOnceAndFillsEachFreedPlace)
{
    makeRun(4, cliPacing(2)).start();
    EXPECT_EQ(jobs.startedNames(), (QStringList{"a", "b"}));
    jobs.end(1);
    EXPECT_EQ(jobs.startedNames(), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(jobs.runningCount(), 2);
    EXPECT_TRUE(clock->started.isEmpty());
}

TEST_F(RunTest, SeveralAtOnceFinishingOutOfOrderKeepResultsInListOrder)
{
    makeRun(5, cliPacing(2)).start();
    QList<int> finishedOrder;
    QObject::connect(run.get(), &ConversionRun::entryFinished, [&](int index) { finishedOrder << index; });
    jobs.end(1, false, "b is broken"); // starts c
    jobs.end(2);                       // starts d
    EXPECT_EQ(run->progress().done, 2);
    EXPECT_EQ(run->progress().running, (QList<int>{0, 3}));
    jobs.end(3, false, "d is broken"); // starts e
    jobs.end(4);
    EXPECT_EQ(finished->count(), 0);
    jobs.end(0);

    EXPECT_EQ(finishedOrder, (QList<int>{1, 2, 3, 4, 0}));
    EXPECT_EQ(run->failedEntries(), (QList<int>{1, 3}));
    EXPECT_EQ(run->result(1).reason, "b is broken");
    EXPECT_EQ(run->result(3).reason, "d is broken");
    EXPECT_EQ(states(), (QList<S>{S::Converted, S::Failed, S::Converted, S::Failed, S::Converted}));
    const RunProgress p = run->progress();
    EXPECT_EQ(p.done, 5);
    EXPECT_EQ(p.converted, 3);
    EXPECT_EQ(p.failed, 2);
    EXPECT_EQ(finished->count(), 1);
}

TEST_F(RunTest, SeveralAtOnceWithThePauseStartTogetherAndWaitAfterEachEnd)
{
    makeRun(4, RunPacing{100, 2000, 2}).start();
    clock->advance(100);
    EXPECT_EQ(jobs.startedNames(), (QStringList{"a", "b"}));
    jobs.end(0);
    clock->advance(1999);
    EXPECT_EQ(jobs.count(), 2);
    clock->advance(1);
    EXPECT_EQ(jobs.startedNames(), (QStringList{"a", "b", "c"}));
}

TEST_F(RunTest, EachEntryGoesToItsPlannedFolderUnderItsPlannedName)
{
    // a.wav and a.flac both give a.mp3: planned apart, the two no longer
    // write the same file and run at once.
    NodeVideoFile inDisc = entryFor("c", 60);
    inDisc.setS_Relative_Folder("Disc 2");
    makeRun(runplan::inputsFrom({entryFor("a", 60), entryFor("a", 60, "flac"), inDisc}), cliPacing(3)).start();
    ASSERT_EQ(jobs.count(), 3);
    EXPECT_EQ(jobs.at(0).plan.finalPath, "/out/a.mp3");
    EXPECT_EQ(jobs.at(1).plan.finalPath, "/out/a (2).mp3");
    EXPECT_TRUE(jobs.at(1).plan.renamed);
    EXPECT_EQ(jobs.at(2).plan.finalPath, "/out/Disc 2/c.mp3");
    // The input is still the entry's own file.
    EXPECT_EQ(jobs.at(1).plan.input.s_File_URL(), QUrl::fromLocalFile("/in/a.flac"));
    EXPECT_EQ(jobs.at(1).plan.stages.first().arguments.last(), jobs.at(1).plan.publishPath);
}

TEST_F(RunTest, EntriesWithAProblemFailAtOnceAndUnreadyOnesWait)
{
    QList<PlanInput> entries = runplan::inputsFrom({entryFor("a", 0), entryFor("b", 0), entryFor("c", 0)});
    entries[1].problem = "no such file";
    makeRun(entries, cliPacing(2), true);
    QList<int> finishedOrder;
    QObject::connect(run.get(), &ConversionRun::entryFinished, [&](int index) { finishedOrder << index; });
    run->start();
    EXPECT_EQ(finishedOrder, QList<int>{1});
    EXPECT_EQ(run->result(1).reason, "no such file");
    EXPECT_EQ(jobs.count(), 0);
    run->entryReady(2, "00:00:30.00", 30);
    EXPECT_EQ(jobs.startedNames(), QStringList{"c"});
    run->entryReady(0, "00:01:00.00", 60);
    EXPECT_EQ(jobs.startedNames(), (QStringList{"c", "a"}));
    EXPECT_EQ(jobs.at(1).plan.input.i_Duration_in_Seconds(), 60);
}

// The list as it is at each entry's start: a file added to it while the run
// goes on is an input too, and no entry writes over it.
TEST_F(RunTest, AFileAddedDuringTheRunIsNeverWritten)
{
    QStringList added;
    makeRun(runplan::inputsFrom({entryFor("a", 60), entryFor("b", 60)}), cliPacing(1), false, [&added] {
        return added;
    }).start();
    added << "/out/b.mp3";
    jobs.end(0);
    EXPECT_EQ(jobs.count(), 1);
    EXPECT_EQ(run->state(1), S::Failed);
    EXPECT_EQ(run->result(1).reason, "the output would replace an input file");
}

// Cancel lets the entries that run complete, starts no more, and the run ends
// once nothing runs; whatever state it came in.
TEST_F(RunTest, CancelInEveryStateOfARun)
{
    struct Case {
        const char *state;
        std::function<void(RunTest &)> reach;
        QList<S> after; // the states once everything that ran has ended
        int jobs;
    };
    const QList<Case> cases{
        {"starting", [](RunTest &) {}, {S::NotConverted, S::NotConverted, S::NotConverted}, 0},
        {"encoding", [](RunTest &t) { t.clock->advance(100); }, {S::Converted, S::NotConverted, S::NotConverted}, 1},
        {"waiting",
         [](RunTest &t) {
             t.clock->advance(100);
             t.jobs.end(0);
         },
         {S::Converted, S::NotConverted, S::NotConverted},
         1},
        {"second file",
         [](RunTest &t) {
             t.clock->advance(100);
             t.jobs.end(0, false, "bad");
             t.clock->advance(2000);
         },
         {S::Failed, S::Converted, S::NotConverted},
         2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.state);
        jobs = FakeJobs();
        makeRun(3, windowPacing()).start();
        c.reach(*this);
        const int runningAtCancel = jobs.runningCount();
        run->cancel();
        EXPECT_TRUE(run->b_Cancel);
        EXPECT_FALSE(run->isPausing());
        EXPECT_EQ(finished->count(), runningAtCancel == 0 ? 1 : 0);
        for (int n = 0; n < jobs.count(); ++n) {
            EXPECT_FALSE(jobs.at(n).stopped); // never killed
            if (jobs.at(n).running)
                jobs.end(n);
        }
        run->cancel(); // a second Cancel changes nothing
        clock->advance(60000);
        EXPECT_EQ(jobs.count(), c.jobs);
        EXPECT_EQ(states(), c.after);
        EXPECT_EQ(finished->count(), 1);
        EXPECT_FALSE(run->isActive());
    }
}

TEST_F(RunTest, CancelWhileAnEntryIsFinishingStartsNoMore)
{
    makeRun(3, cliPacing(1)).start();
    QObject::connect(run.get(), &ConversionRun::entryFinished, run.get(), [this] { run->cancel(); });
    jobs.end(0);
    EXPECT_EQ(jobs.count(), 1);
    EXPECT_EQ(finished->count(), 1);
    EXPECT_EQ(states(), (QList<S>{S::Converted, S::NotConverted, S::NotConverted}));
}

TEST_F(RunTest, StopKillsTheRunningEntriesAndStartsNoMore)
{
    makeRun(4, cliPacing(2)).start();
    jobs.end(0);
    ASSERT_EQ(jobs.runningCount(), 2);
    run->stop();
    EXPECT_TRUE(jobs.at(1).stopped);
    EXPECT_TRUE(jobs.at(2).stopped);
    EXPECT_EQ(finished->count(), 1);
    EXPECT_TRUE(run->isStopped());
    EXPECT_EQ(states(), (QList<S>{S::Converted, S::NotConverted, S::NotConverted, S::NotConverted}));
    EXPECT_TRUE(run->failedEntries().isEmpty()); // stopped is not failed
    run->stop();
    EXPECT_EQ(finished->count(), 1);
}

TEST_F(RunTest, AFullDiskStartsNoMoreAndListsTheRestAsNotConverted)
{
    makeRun(5, cliPacing(2)).start();
    jobs.end(0);
    jobs.end(1, false, "the destination disk is full; free some space on it", true);
    // The entry already running ends on its own; nothing else starts.
    EXPECT_EQ(jobs.count(), 3);
    EXPECT_TRUE(run->stoppedByFullDisk());
    EXPECT_EQ(finished->count(), 0);
    jobs.end(2, false, "the destination disk is full; free some space on it", true);
    EXPECT_EQ(finished->count(), 1);
    EXPECT_EQ(states(), (QList<S>{S::Converted, S::Failed, S::Failed, S::NotConverted, S::NotConverted}));
    EXPECT_EQ(run->result(3).reason, "not converted, because the disk is full");
    EXPECT_FALSE(run->b_Cancel) << "the run ended by itself: its end is reported";

    // An ordinary failure goes on with the next entry.
    makeRun(2, cliPacing(1)).start();
    jobs.end(jobs.count() - 1, false, "not an audio file ffmpeg can read");
    EXPECT_FALSE(run->stoppedByFullDisk());
    EXPECT_EQ(run->state(1), S::Running);
}

TEST_F(RunTest, StopAfterCancelKillsWhatCancelLetRun)
{
    makeRun(2, windowPacing()).start();
    clock->advance(100);
    run->cancel();
    EXPECT_EQ(finished->count(), 0);
    run->stop();
    EXPECT_TRUE(jobs.at(0).stopped);
    EXPECT_EQ(finished->count(), 1);
}

TEST_F(RunTest, AStopOnItsWayStartsNothingAndCountsAnEndingEntryAsStopped)
{
    bool pending = false;
    makeRun(3, cliPacing(1));
    run->setStopPending([&] { return pending; });
    run->start();
    pending = true;
    jobs.end(0); // ended cleanly, but the signal may have cut it short
    EXPECT_EQ(jobs.count(), 1);
    EXPECT_EQ(run->state(0), S::NotConverted);
    EXPECT_EQ(finished->count(), 0);
    run->stop();
    EXPECT_EQ(finished->count(), 1);
}

TEST_F(RunTest, NoTimeLeftBeforeTheFirstFileEndsThenTheWorkLeftAndThePauses)
{
    // 60 s, 120 s and 60 s of audio; 0.1 s to the first, pauses of 2 s.
    makeRun(3, windowPacing(), {60, 120, 60}).start();
    EXPECT_EQ(run->progress().secondsLeft, -1);
    clock->advance(100);
    clock->advance(10000);
    jobs.report(0, 50);
    // Half the first file in 10 s says little yet of the pace of the rest.
    EXPECT_DOUBLE_EQ(run->progress().audioSecondsDone, 30);
    EXPECT_DOUBLE_EQ(run->progress().audioSecondsTotal, 240);
    EXPECT_EQ(run->progress().secondsLeft, -1);

    // 60 s of 240 s in 20 s of work: 60 s more, and a pause before each of
    // the two files left.
    clock->advance(10000);
    jobs.end(0);
    EXPECT_EQ(run->progress().secondsLeft, 60 + 4);
    // The pause going on counts down; pauses are not work.
    clock->advance(1500);
    EXPECT_EQ(run->progress().secondsLeft, 60 + 3); // 62.5 s, rounded up
    clock->advance(500);
    EXPECT_EQ(jobs.count(), 2);
    EXPECT_EQ(run->progress().secondsLeft, 60 + 2);
    EXPECT_EQ(run->progress().done, 1);
}

TEST_F(RunTest, TheTimeLeftOfEqualFilesIsRightByTheMiddleOfTheRun)
{
    // 24 files of 30 s of audio, each converted in 1.5 s, with the window's
    // pacing: the run ends 0.1 s + 24 x 1.5 s + 23 x 2 s after it starts.
    const int files = 24;
    const qint64 workMs = 1500;
    makeRun(files, windowPacing(), QList<qint64>(files, 30)).start();
    const qint64 endMs = 100 + files * workMs + (files - 1) * 2000;
    // Each moment the window could show: the estimate against the truth.
    const auto check = [&](int file, const char *when) {
        const qint64 shown = run->progress().secondsLeft;
        const double actual = double(endMs - clock->now) / 1000.0;
        if (file == 0) {
            EXPECT_EQ(shown, -1) << when << " of the first file";
            return;
        }
        ASSERT_GE(shown, 0) << when << " of file " << file;
        if (file >= files / 2) {
            // Within 20 %, and the whole seconds it is counted in.
            EXPECT_NEAR(double(shown), actual, std::max(0.2 * actual, 1.0)) << when << " of file " << file;
        }
    };
    clock->advance(100);
    for (int i = 0; i < files; ++i) {
        ASSERT_EQ(jobs.count(), i + 1);
        check(i, "the start");
        clock->advance(workMs / 2);
        jobs.report(i, 50);
        check(i, "the middle");
        clock->advance(workMs / 2);
        jobs.end(i);
        if (i + 1 < files) {
            check(i + 1, "the pause before");
            clock->advance(1000);
            check(i + 1, "the middle of the pause before");
            clock->advance(1000);
        }
    }
    EXPECT_EQ(clock->now, endMs);
    EXPECT_EQ(finished->count(), 1);
}

TEST_F(RunTest, EntriesThePlanFailedAreNoPartOfTheWorkMeasured)
{
    PlanInput missing{entryFor(QStringLiteral("gone"), 60), QStringLiteral("the file is not there any more")};
    QList<PlanInput> inputs{missing};
    inputs << runplan::inputsFrom({entryFor(QStringLiteral("a"), 60), entryFor(QStringLiteral("b"), 60)});
    makeRun(inputs, cliPacing(1)).start();
    EXPECT_EQ(run->state(0), S::Failed);
    clock->advance(5000);
    jobs.report(0, 50);
    EXPECT_EQ(run->progress().secondsLeft, -1); // the failed entry is no file done
    clock->advance(5000);
    jobs.end(0);
    // 60 s of the 120 s to convert in 10 s.
    EXPECT_DOUBLE_EQ(run->progress().audioSecondsTotal, 120);
    EXPECT_EQ(run->progress().secondsLeft, 10);
}

TEST_F(RunTest, TheTimeLeftFallsBackOnFilesDoneWithoutDurations)
{
    makeRun(4, cliPacing(1), {60, 0, 60, 60}).start();
    clock->advance(10000);
    jobs.end(0);
    // One file of four in 10 s.
    EXPECT_EQ(run->progress().secondsLeft, 30);
    clock->advance(5000);
    jobs.report(1, 50);
    // One and a half files in 15 s.
    EXPECT_EQ(run->progress().secondsLeft, 25);
}

TEST_F(RunTest, ThePerFileBarShowsTheMeanOfTheRunningEntries)
{
    makeRun(3, cliPacing(3)).start();
    jobs.report(0, 20);
    jobs.report(1, 60);
    EXPECT_EQ(run->progress().meanPercent, 27); // the third has not reported: 0
    jobs.report(2, 10, true);
    EXPECT_EQ(run->progress().meanPercent, 40); // a file without a duration has no part
    EXPECT_FALSE(run->progress().busy);
    jobs.end(0);
    jobs.end(1);
    EXPECT_TRUE(run->progress().busy);
}

TEST_F(RunTest, EndedJobsGoWithTheEventLoop)
{
    makeRun(2, cliPacing(1)).start();
    jobs.end(0);
    EXPECT_NE(jobs.at(0).job, nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(jobs.at(0).job, nullptr);
    EXPECT_NE(jobs.at(1).job, nullptr);
}

TEST(TimeLeftText, SaysItInRoundFigures)
{
    EXPECT_EQ(timeleft::text(3), "Almost done");
    EXPECT_EQ(timeleft::text(7), "About 10 seconds left");
    EXPECT_EQ(timeleft::text(41), "About 45 seconds left");
    EXPECT_EQ(timeleft::text(58), "About 1 minute left");
    EXPECT_EQ(timeleft::text(89), "About 1 minute left");
    EXPECT_EQ(timeleft::text(100), "About 2 minutes left");
    EXPECT_EQ(timeleft::text(59 * 60 + 10), "About 59 minutes left");
    EXPECT_EQ(timeleft::text(3600), "About 1 hour left");
    EXPECT_EQ(timeleft::text(4300), "About 1 hour 10 minutes left");
    EXPECT_EQ(timeleft::text(3 * 3600 + 1700), "About 3 hours 30 minutes left");
}

TEST(TimeLeftEstimate, NeedsAFileEndedThenCountsTheWorkAndThePausesLeft)
{
    EXPECT_FALSE(timeleft::estimate({5000, 0.0, 0, 1}));
    EXPECT_FALSE(timeleft::estimate({60000, 0.5, 0, 0})); // half done, but no file has ended
    EXPECT_EQ(timeleft::estimate({200, 0.5, 0, 1}), 1);   // a short file says enough
    EXPECT_EQ(timeleft::estimate({0, 0.5, 4000, 1}), 4);  // a file done at once: the pauses are left
    EXPECT_EQ(timeleft::estimate({10000, 1.0, 0, 4}), 0);
    EXPECT_EQ(timeleft::estimate({10000, 0.25, 4000, 1}), 34);
    // One pause before each waiting file, one for each step of files at
    // once, less what passed of the pause going on.
    EXPECT_EQ(timeleft::pausesLeftMs(3, 1, 2000, 0), 6000);
    EXPECT_EQ(timeleft::pausesLeftMs(3, 1, 2000, 500), 5500);
    EXPECT_EQ(timeleft::pausesLeftMs(3, 2, 2000, 0), 4000);
    EXPECT_EQ(timeleft::pausesLeftMs(1, 1, 2000, 9000), 0);
    EXPECT_EQ(timeleft::pausesLeftMs(0, 1, 2000, 0), 0);
    EXPECT_EQ(timeleft::pausesLeftMs(5, 1, 0, 0), 0);
    EXPECT_DOUBLE_EQ(timeleft::fractionDone(30, 120, true, 3, 4), 0.25);
    EXPECT_DOUBLE_EQ(timeleft::fractionDone(30, 120, false, 3, 4), 0.75);
    EXPECT_DOUBLE_EQ(timeleft::fractionDone(0, 0, true, 1, 4), 0.25);
}

} // namespace quavero
