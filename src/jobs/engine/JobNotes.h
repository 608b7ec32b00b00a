// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A worker's notes of the jobs it runs: the input's stamp and the clock
// when a job starts, and its result written as soon as it ends, so that a
// worker killed later loses only the jobs it was running. A job that was
// stopped leaves no result: it is still to be done.
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include "convert/core/ConversionResult.h"
#include "convert/core/RunProgress.h"
#include "jobs/engine/ResultStore.h"

namespace quavero {

class JobNotes {
public:
    JobNotes(const ResultStore &store, const QString &planId);

    void started(qint64 job, const QString &inputPath);
    void ended(qint64 job, EntryState state, const ConversionResult &result);
    // A job that fails before anything runs.
    void failed(qint64 job, const QString &inputPath, const QString &reason);

    // The results that could not be written, with the reason.
    QStringList problems() const { return m_problems; }

private:
    struct Started {
        QElapsedTimer clock;
        FileStamp input;
    };
    void write(JobResult result);

    ResultStore m_store;
    QString m_planId;
    QString m_host;
    QHash<qint64, Started> m_started;
    QStringList m_problems;
};

} // namespace quavero
