// SPDX-License-Identifier: GPL-3.0-or-later
// Where the converted file goes: never through a link, never over a folder,
// and through an intermediate file whose name fits the file system's limit
// and is shared by no two entries converting at once.
#include "EntryFromPath.h"
#include "QtPrinters.h"
#include "ReliabilitySupport.h"
#include "TestApp.h"

#include "convert/core/EncoderCommand.h"
#include "PlanFor.h"
#include "convert/engine/ConversionJob.h"
#include "platform/core/BundledPrograms.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <unistd.h>

namespace quavero {

using namespace reliability;

namespace {
class OutputPaths : public ::testing::Test {
protected:
    void SetUp() override
    {
        in = testenv::freshFolder(QStringLiteral("paths-in"));
        out = testenv::freshFolder(QStringLiteral("paths-out"));
        work = testenv::freshFolder(QStringLiteral("paths-work"));
        records = startRecords();
    }
    EntryPlan request(int format, const QString &input)
    {
        return testentries::planFor(format, testentries::entryFor(input, 1), out, records);
    }
    ConversionResult run(const EntryPlan &plan) { return testentries::runPlan(plan); }
    QString in, out, work;
    FormatRecords records;
};
} // namespace

TEST_F(OutputPaths, ALinkAtTheFinalPathIsReplacedNeverFollowedOnEitherRoute)
{
    const QString outside = testenv::freshFolder(QStringLiteral("paths-outside"));
    const QString tone = testenv::makeTone(in + QStringLiteral("/a.flac"), 0.5);
    ASSERT_FALSE(tone.isEmpty());
    // .WAV and .FLAC go through sox, .MP3 straight from ffmpeg.
    for (const auto &[format, extension] : {std::pair{12, ".wav"}, std::pair{7, ".flac"}, std::pair{8, ".mp3"}}) {
        SCOPED_TRACE(extension);
        const QString target = outside + QStringLiteral("/target") + QLatin1String(extension);
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not to be touched");
        file.close();
        const QByteArray before = hashOf(target);
        const QString finalPath = out + QStringLiteral("/a") + QLatin1String(extension);
        ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(finalPath).constData()), 0);

        const ConversionResult result = run(request(format, tone));
        EXPECT_TRUE(result.ok) << result.reason.toStdString();
        EXPECT_EQ(hashOf(target), before) << "the link's target was written";
        EXPECT_FALSE(QFileInfo(finalPath).isSymLink());
        EXPECT_GT(QFileInfo(finalPath).size(), 44);
    }
}

TEST_F(OutputPaths, AFolderInTheWayIsKeptWithAllItHolds)
{
    const QString tone = testenv::makeTone(in + QStringLiteral("/a.flac"), 0.5);
    ASSERT_FALSE(tone.isEmpty());
    for (const auto &[format, extension] : {std::pair{12, ".wav"}, std::pair{8, ".mp3"}}) {
        SCOPED_TRACE(extension);
        const QString folder = out + QStringLiteral("/a") + QLatin1String(extension);
        ASSERT_TRUE(QDir().mkpath(folder));
        QFile keep(folder + QStringLiteral("/keep.txt"));
        ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
        keep.close();

        const ConversionResult result = run(request(format, tone));
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.reason.contains(QStringLiteral("is in the way"))) << result.reason.toStdString();
        EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/keep.txt")));
    }
}

TEST_F(OutputPaths, A250ByteNameConvertsThroughSox)
{
    const QString name = QString(250, QLatin1Char('n'));
    const QString tone = testenv::makeTone(in + QLatin1Char('/') + name + QStringLiteral(".wav"), 0.5);
    ASSERT_FALSE(tone.isEmpty());
    // .FLAC: the final name is exactly 255 bytes; the intermediate, with its
    // number, would be 258.
    const ConversionResult result = run(request(7, tone));
    EXPECT_TRUE(result.ok) << result.reason.toStdString();
    EXPECT_GT(QFileInfo(out + QLatin1Char('/') + name + QStringLiteral(".flac")).size(), 0);
}

TEST_F(OutputPaths, ANameTooLongForTheDestinationSaysSo)
{
    const QString name = QString(251, QLatin1Char('n'));
    const QString tone = testenv::makeTone(in + QLatin1Char('/') + name + QStringLiteral(".au"), 0.5);
    ASSERT_FALSE(tone.isEmpty());
    // ".flac" makes the final name 256 bytes: the cause ends the reason.
    const ConversionResult result = run(request(7, tone));
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.reason.endsWith(QStringLiteral("File name too long"))) << result.reason.toStdString();
}

TEST(IntermediateNames, ShortenedToTheLimitAtACharacterBoundary)
{
    EXPECT_EQ(encoder::intermediateName(QStringLiteral("a b"), QStringLiteral(".wav")), QStringLiteral("a b001.wav"));
    EXPECT_EQ(encoder::intermediateName(QStringLiteral("a"), QStringLiteral(".wav"), 12), QStringLiteral("a012.wav"));
    for (const QString &base : {QString(300, QLatin1Char('x')), QString(200, QChar(0x00e9)),
                                QString::fromUcs4(std::u32string(100, U'\U0001F3B5').data(), 100)}) {
        const QString name = encoder::intermediateName(base, QStringLiteral(".flac"));
        EXPECT_LE(name.toUtf8().size(), encoder::kMaxNameBytes);
        EXPECT_GT(name.toUtf8().size(), encoder::kMaxNameBytes - 4) << "no more is cut than needed";
        EXPECT_TRUE(name.endsWith(QStringLiteral("001.flac")));
        EXPECT_TRUE(base.startsWith(name.chopped(8))) << "the name is cut at its end only";
        EXPECT_FALSE(name.contains(QChar::ReplacementCharacter));
        EXPECT_EQ(QString::fromUtf8(name.toUtf8()), name) << "no half character";
    }
}

TEST_F(OutputPaths, EntriesConvertingAtOnceNeverShareAnIntermediateFile)
{
    // a.wav and a.flac: the same base name; and two names that are the same
    // once shortened.
    const QString longBase = QString(250, QLatin1Char('l'));
    const QStringList inputs{testenv::makeTone(in + QStringLiteral("/a.wav"), 1.0),
                             testenv::makeTone(in + QStringLiteral("/a.flac"), 1.0),
                             testenv::makeTone(in + QLatin1Char('/') + longBase + QStringLiteral("1.au"), 1.0),
                             testenv::makeTone(in + QLatin1Char('/') + longBase + QStringLiteral("2.au"), 1.0)};
    for (const QString &input : inputs)
        ASSERT_FALSE(input.isEmpty());
    // Each in a subfolder of its own, so that no output name is numbered.
    QList<PlanInput> entries;
    for (const QString &input : inputs) {
        NodeVideoFile entry = testentries::entryFor(input, 1);
        entry.setS_Relative_Folder(QString::number(entries.size()));
        entries.append({entry, QString()});
    }
    SettingsSnapshot settings;
    settings.formatIndex = 12;
    const RunPlan plan =
        runplan::make(settings, entries, out, QCoreApplication::applicationPid(), planworld::fileSystem());
    std::vector<std::unique_ptr<ConversionJob>> jobs;
    QList<QSignalSpy *> spies;
    QStringList intermediates;
    for (const EntryPlan &entry : plan.entries) {
        jobs.push_back(std::make_unique<ConversionJob>(testentries::bundledPrograms()));
        spies << new QSignalSpy(jobs.back().get(), &ConversionJob::finished);
        jobs.back()->start(entry);
        intermediates << entry.intermediatePath;
    }
    QStringList unique = intermediates;
    unique.removeDuplicates();
    EXPECT_EQ(unique.size(), intermediates.size()) << intermediates.join(QLatin1Char('\n')).toStdString();
    for (QSignalSpy *spy : spies) {
        ASSERT_TRUE(spy->count() > 0 || spy->wait(60000));
        const auto result = spy->at(0).at(0).value<ConversionResult>();
        EXPECT_TRUE(result.ok) << result.reason.toStdString();
        delete spy;
    }
}

} // namespace quavero
