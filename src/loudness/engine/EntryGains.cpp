// SPDX-License-Identifier: GPL-3.0-or-later
#include "loudness/engine/EntryGains.h"

#include "loudness/core/GainFields.h"
#include "loudness/core/MeteredArguments.h"
#include "loudness/engine/GainTagWriter.h"
#include "loudness/engine/RunGains.h"

#include <QCoreApplication>

namespace quavero {

void EntryGains::begin(const EntryPlan &plan, std::shared_ptr<RunGains> run)
{
    m_plan = plan;
    m_run = std::move(run);
    m_stream.reset();
    m_track = LoudnessMeasurement{};
    m_trackMeter = LoudnessMeter{};
    m_gain = NormalizeGain{};
    m_measured = false;
    m_ended = false;
}

QStringList EntryGains::arguments(const PlannedStage &stage) const
{
    if (!m_plan.loudness.normalize || stage.tap == LoudnessTap::Normalize)
        return stage.arguments;
    // Nothing to go on (too short, silent): the audio stays as it is.
    return loudness::withGain(stage.arguments, m_gain.applies ? m_gain.gainDb : 0.0);
}

std::function<void(const QByteArray &)> EntryGains::standardOutput(const PlannedStage &stage)
{
    m_stream.reset();
    if (stage.tap == LoudnessTap::None)
        return {};
    m_stream = std::make_unique<BackgroundMeter>();
    BackgroundMeter *stream = m_stream.get();
    return [stream](const QByteArray &bytes) { stream->add(bytes); };
}

QStringList EntryGains::stageDone(const PlannedStage &stage)
{
    if (stage.tap == LoudnessTap::None || !m_stream)
        return {};
    StreamMeter &stream = m_stream->finish();
    const LoudnessMeasurement measured = stream.isInvalid() ? LoudnessMeasurement{} : stream.measurement();
    QStringList warnings;
    if (stage.tap == LoudnessTap::Normalize) {
        m_gain = loudness::normalizeGain(measured, m_plan.loudness.targetLufs);
        if (!m_gain.applies)
            warnings << QCoreApplication::translate("Loudness", "not normalised: %1").arg(loudness::warningText(measured.status));
        const QString shortfall = loudness::shortfallText(m_gain);
        if (!shortfall.isEmpty())
            warnings << shortfall;
    } else {
        m_track = measured;
        m_trackMeter = stream.takeMeter();
        m_measured = true;
        if (!measured.measured())
            warnings << QCoreApplication::translate("Loudness", "no loudness tags: %1")
                            .arg(loudness::warningText(measured.status));
    }
    m_stream.reset();
    return warnings;
}

QStringList EntryGains::tagOutput(const QString &path)
{
    const GainContainer container = loudness::containerForFormat(m_plan.formatIndex);
    const GainStyle style = loudness::styleOf(container);
    GainFields fields;
    if (m_plan.loudness.tags != GainTagMode::None && m_measured)
        fields = loudness::trackFields(style, m_track);
    else if (m_plan.loudness.normalize)
        // Loudness tags copied from the input describe the audio before its
        // gain: a player would apply both. They go.
        fields = loudness::trackFields(style, LoudnessMeasurement{});
    if (fields.isEmpty())
        return {};
    const QString error = loudness::writeGainTags(path, container, fields);
    if (error.isEmpty())
        return {};
    return {QCoreApplication::translate("Loudness", "loudness tags not written: %1").arg(error)};
}

QStringList EntryGains::ended(bool published, bool stopping)
{
    if (m_ended || !m_run)
        return {};
    m_ended = true;
    if (published && m_measured)
        return m_run->trackDone(m_plan, std::move(m_trackMeter));
    return m_run->trackDropped(m_plan, !stopping);
}

} // namespace quavero
