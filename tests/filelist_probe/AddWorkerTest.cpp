// SPDX-License-Identifier: GPL-3.0-or-later
// The add worker cuts an add into batches completed at once; whatever order
// the batches end in, entries are appended and progress steps delivered in
// the order given. With the real probe a FIFO gets its entry without a hang.
#include "TestApp.h"
#include "filelist/AddWorker.h"
#include "filelist/core/FileEntry.h"
#include "filelist/core/VideoFileList.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <QTemporaryDir>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>
#include <sys/stat.h>

namespace quavero {

namespace {
QList<NodeVideoFile> entries(int count)
{
    QList<NodeVideoFile> out;
    for (int i = 0; i < count; ++i)
        out << filelist::entryFromFolderAndName("/music", QStringLiteral("t%1.mp3").arg(i));
    return out;
}

QStringList names(const QList<NodeVideoFile> &list)
{
    QStringList out;
    for (const NodeVideoFile &entry : list)
        out << entry.s_File_Name_Without_Extension();
    return out;
}

struct Step {
    int done;
    int total;
    int listed; // entries in the list when the step ran
};
} // namespace

TEST(AddWorker, BatchesThatEndOutOfOrderAreAppendedAndSteppedInOrder)
{
    VideoFileList list;
    AddWorker worker(list);
    // Three batches of two. The first waits until the second has ended, so the
    // second is always done first.
    std::mutex mutex;
    std::condition_variable changed;
    bool secondDone = false;
    QStringList endings;
    AddWorker::BatchCompleter complete = [&](const QList<NodeVideoFile> &batch, const std::atomic<bool> &) {
        QList<NodeVideoFile> done = batch;
        for (NodeVideoFile &entry : done)
            entry.setS_Duration(QStringLiteral(" 00:00:01.0"));
        std::unique_lock<std::mutex> lock(mutex);
        const QString first = batch.first().s_File_Name_Without_Extension();
        if (first == QLatin1String("t0"))
            changed.wait_for(lock, std::chrono::seconds(20), [&] { return secondDone; });
        if (first == QLatin1String("t2"))
            secondDone = true;
        endings << first;
        changed.notify_all();
        return done;
    };
    QList<Step> steps;
    bool finished = false;
    worker.start(entries(6), complete, AddWorker::Pace{2, 2}, [&](int done, int total) {
        steps << Step{done, total, list.count()};
        finished = done == total;
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished; }, 30000));
    EXPECT_FALSE(worker.isRunning());
    EXPECT_LT(endings.indexOf("t2"), endings.indexOf("t0")) << endings.join(' ').toStdString();

    EXPECT_EQ(names(list.snapshot()), (QStringList{"t0", "t1", "t2", "t3", "t4", "t5"}));
    ASSERT_EQ(steps.size(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(steps[i].done, i + 1);
        EXPECT_EQ(steps[i].total, 6);
        EXPECT_GE(steps[i].listed, i + 1); // entry i was appended before its step
    }
    EXPECT_EQ(list.at(5).s_Duration(), " 00:00:01.0");
}

TEST(AddWorker, BatchSizesGiveEveryJobWorkUpToTheLimit)
{
    EXPECT_EQ(AddWorker::batchSizeFor(600, {2, 64}), 64);
    EXPECT_EQ(AddWorker::batchSizeFor(100, {2, 64}), 50);
    EXPECT_EQ(AddWorker::batchSizeFor(3, {2, 64}), 2);
    EXPECT_EQ(AddWorker::batchSizeFor(1, {4, 64}), 1);
    EXPECT_EQ(AddWorker::batchSizeFor(600, {2, 1}), 1); // lone probes
    EXPECT_EQ(AddWorker::batchSizeFor(10, {1, 0}), 1);
}

TEST(AddWorker, TheRealProbeGivesAFifoAnEmptyDurationAndEnds)
{
    const QString folder = testenv::freshFolder("fifo");
    const QString tone = testenv::makeTone(folder + "/a.wav", 0.5);
    ASSERT_FALSE(tone.isEmpty());
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder + "/x.wav").constData(), 0600), 0);
    VideoFileList list;
    AddWorker worker(list);
    bool finished = false;
    worker.start({filelist::entryFromFolderAndName(folder, "x.wav"), filelist::entryFromFolderAndName(folder, "a.wav")},
                 AddWorker::probingWith(testenv::ffmpeg()), AddWorker::Pace{},
                 [&](int done, int total) { finished = done == total; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished; }, 15000)) << "the add hung on the FIFO";
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.at(0).s_Duration(), "");
    EXPECT_EQ(list.at(0).i_Duration_in_Seconds(), 0);
    EXPECT_EQ(list.at(0).s_File_Size(), "0.00 bytes");
    EXPECT_EQ(list.at(1).s_Duration(), " 00:00:00.5");
    EXPECT_EQ(list.at(1).u_File_Size_Bytes(), quint64(QFileInfo(tone).size()));
    // The entry knows its audio stream from the same report.
    EXPECT_FALSE(list.at(0).m_Audio_Stream().known());
    EXPECT_EQ(list.at(1).m_Audio_Stream().codec, "pcm_s16le");
    EXPECT_EQ(list.at(1).m_Audio_Stream().sampleRate, 44100);
    EXPECT_EQ(list.at(1).m_Audio_Stream().channels, 2);
    EXPECT_EQ(list.at(1).m_Audio_Stream().bitsPerSample, 16);
}

} // namespace quavero
