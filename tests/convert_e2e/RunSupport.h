// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Driving a conversion run through the real application: entries made from
// generated files, a scripted destination folder, and waiting for the run's end.
#include "QtPrinters.h"
#include "EntryFromPath.h"
#include "TestApp.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "convert/Window_Convert.h"

namespace quavero {

namespace runsupport {
// Short pauses so that runs of several files stay fast.
inline RunTimings quickTimings() { return RunTimings{10, 50}; }

// A generated tone added to the list.
inline QString addTone(TestApp &t, const QString &path, double seconds = 0.5)
{
    const QString made = testenv::makeTone(path, seconds);
    if (!made.isEmpty())
        t.app->arrayVideoFiles.append(testentries::entryFor(made, qint64(seconds)));
    return made;
}

// Presses Convert with the given destination and waits until the run has
// ended (its alert answered, or the entry converting at Cancel done).
inline bool convertInto(TestApp &t, const QString &destination, int timeoutMs = 60000)
{
    QSignalSpy finished(t.app.get(), &AppDelegate::conversionFinished);
    t.prompts.destinationAnswers.enqueue(destination);
    t.app->OnUserToolbarConvert();
    return finished.count() > 0 || finished.wait(timeoutMs);
}

// A fresh application with short pauses, and empty "in" and "out" folders.
class RunFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetHome();
        ASSERT_TRUE(t.start());
        in = testenv::freshFolder("in");
        out = testenv::freshFolder("out");
    }

    TestApp t{quickTimings()};
    QString in, out;
};

inline qint64 sizeOf(const QString &path) { return QFileInfo(path).exists() ? QFileInfo(path).size() : -1; }
} // namespace runsupport

} // namespace quavero
