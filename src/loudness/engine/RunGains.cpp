// SPDX-License-Identifier: GPL-3.0-or-later
#include "loudness/engine/RunGains.h"

#include "convert/core/TemporaryName.h"
#include "convert/engine/TagReading.h"
#include "loudness/core/AlbumKey.h"
#include "loudness/core/GainContainer.h"
#include "loudness/core/GainFields.h"
#include "loudness/engine/GainTagWriter.h"
#include "mirror/engine/OutputLedger.h"
#include "platform/core/FileSystem.h"
#include "platform/core/SystemLog.h"

#include <QCoreApplication>
#include <QFile>

namespace quavero {

namespace {
QString albumTagOf(const QString &input)
{
    const InputTags read = tagread::read(input);
    const QStringList values = read.tags.fields.value(QStringLiteral("ALBUM"));
    return values.isEmpty() ? QString() : values.first();
}
} // namespace

std::shared_ptr<RunGains> RunGains::forPlan(const RunPlan &plan, std::shared_ptr<OutputLedger> ledger)
{
    if (plan.settings.loudness.tags != GainTagMode::Album)
        return nullptr;
    return std::make_shared<RunGains>(plan, std::move(ledger), albumTagOf);
}

RunGains::RunGains(const RunPlan &plan, std::shared_ptr<OutputLedger> ledger,
                   const std::function<QString(const QString &input)> &albumTagOf)
    : m_ledger(ledger ? std::move(ledger) : std::make_shared<OutputLedger>()), m_processId(plan.processId)
{
    for (const EntryPlan &entry : plan.entries) {
        if (entry.action != PlanAction::Convert || entry.loudness.tags != GainTagMode::Album)
            continue;
        const QString key = loudness::albumKey(albumTagOf(entry.input.s_File_Path()), entry.finalFolder);
        if (key.isEmpty())
            continue;
        m_keys.insert(entry.finalPath, key);
        m_entries.insert(entry.finalPath, entry);
        m_albums.expect(key);
    }
}

QStringList RunGains::trackDone(const EntryPlan &entry, LoudnessMeter &&meter)
{
    const std::optional<FinishedAlbum> album = m_albums.trackDone(albumOf(entry), entry.finalPath, std::move(meter));
    return album ? writeAlbum(*album) : QStringList{};
}

QStringList RunGains::trackDropped(const EntryPlan &entry, bool writeAlbum)
{
    const std::optional<FinishedAlbum> album = m_albums.trackDropped(albumOf(entry));
    return album && writeAlbum ? this->writeAlbum(*album) : QStringList{};
}

QStringList RunGains::writeAlbum(const FinishedAlbum &album)
{
    QStringList warnings;
    for (const QString &path : album.files) {
        const EntryPlan entry = m_entries.value(path);
        const GainContainer container = loudness::containerForFormat(entry.formatIndex);
        const GainFields fields = loudness::albumFields(loudness::styleOf(container), album.measurement);
        if (fields.isEmpty())
            continue;
        const QString temporary = tempname::pathFor(path, m_processId, QStringLiteral("alb"));
        if (fs::exists(temporary))
            fs::remove(temporary);
        QString error;
        if (!QFile::copy(path, temporary))
            error = QCoreApplication::translate("Loudness", "the file could not be copied to write them");
        if (error.isEmpty())
            error = loudness::writeGainTags(temporary, container, fields);
        if (error.isEmpty())
            m_ledger->publish(entry, temporary, &error);
        if (!error.isEmpty()) {
            if (fs::exists(temporary))
                fs::remove(temporary);
            const QString warning =
                QCoreApplication::translate("Loudness", "album gain not written into %1: %2").arg(path, error);
            syslogline::write(warning);
            warnings << warning;
        }
    }
    return warnings;
}

} // namespace quavero
