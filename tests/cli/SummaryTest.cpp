// SPDX-License-Identifier: GPL-3.0-or-later
// One outcome, two renderings: quavero-cli's summary and the window's
// end-of-run alert say the same of the same run.
#include "QtPrinters.h"
#include "cli/Summary.h"
#include "convert/core/RunReport.h"

#include <csignal>
#include <gtest/gtest.h>

namespace quavero {

namespace {
EntryOutcome entry(EntryFate fate, const QString &name, const QString &reason = QString())
{
    EntryOutcome e;
    e.fate = fate;
    e.name = name;
    e.reason = reason;
    e.details.inputPath = "/in/" + name;
    e.details.reason = reason;
    return e;
}

// Five entries: converted, failed, renamed, converted with a warning, and
// one left waiting when the disk was full.
RunOutcome fullDiskRun()
{
    RunOutcome run;
    run.diskFull = true;
    run.entries << entry(EntryFate::Converted, "a.wav") << entry(EntryFate::Failed, "b.wav", "ffmpeg failed: x");
    EntryOutcome renamed = entry(EntryFate::Converted, "c.flac");
    renamed.renamed = true;
    renamed.savedAs = "c (2).mp3";
    renamed.details.savedAs = "/out/c (2).mp3";
    EntryOutcome warned = entry(EntryFate::Converted, "d.mp3");
    warned.warnings << "tags not copied: x";
    EntryOutcome left = entry(EntryFate::NotConverted, "e.wav", "not converted, because the disk is full");
    left.leftByFullDisk = true;
    run.entries << renamed << warned << left;
    return run;
}
} // namespace

TEST(RunOutcomeRendering, TheSummaryAndTheAlertSayTheSame)
{
    const RunOutcome run = fullDiskRun();
    EXPECT_EQ(cli::summaryText(run), "3 converted, 1 failed, 1 not converted (the disk is full)\n"
                                     "failed: b.wav: ffmpeg failed: x\n"
                                     "not converted: e.wav\n"
                                     "renamed: c.flac: saved as c (2).mp3\n"
                                     "warning: d.mp3: converted; tags not copied: x\n");
    const RunAlert alert = runreport::endOfRun(run);
    EXPECT_EQ(alert.message, "2 of 5 files could not be converted.");
    for (const char *line : {"b.wav: ffmpeg failed: x", "e.wav: not converted, because the disk is full",
                             "c.flac: saved as c (2).mp3", "d.mp3: converted; tags not copied: x"})
        EXPECT_TRUE(alert.informative.contains(QLatin1String(line))) << line;
    // Show Details holds every entry not converted and every renamed one, in
    // list order; -v only the failures.
    EXPECT_TRUE(alert.details.startsWith("/in/b.wav\nReason: ffmpeg failed: x\n\n/in/c.flac\nSaved as /out/c (2).mp3"))
        << alert.details.toStdString();
    EXPECT_TRUE(alert.details.endsWith("/in/e.wav\nReason: not converted, because the disk is full"));
    EXPECT_EQ(cli::failureDetails(run), "/in/b.wav\nReason: ffmpeg failed: x");
}

TEST(RunOutcomeRendering, AStoppedRunSaysByWhatAndListsNoLeftEntries)
{
    RunOutcome run = fullDiskRun();
    run.stopSignal = SIGINT;
    EXPECT_TRUE(cli::summaryText(run).startsWith("3 converted, 1 failed, 1 not converted (stopped by Ctrl-C)\n"));
    EXPECT_FALSE(cli::summaryText(run).contains("not converted: e.wav"));
    run.stopSignal = SIGHUP;
    EXPECT_TRUE(cli::summaryText(run).contains("(stopped by SIGHUP)"));

    RunOutcome clean;
    clean.entries << entry(EntryFate::Converted, "a.wav");
    EXPECT_EQ(cli::summaryText(clean), "1 converted, 0 failed\n");
    EXPECT_EQ(runreport::endOfRun(clean).message, "Success");
}

} // namespace quavero
