// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An entry whose input already is in the output format, and that no effect
// changes: the input is copied byte for byte (on a thread of the pool) to
// the entry's temporary file, which the output publisher then puts under the
// final name as it does a converted one. Encoding it again would only lose
// quality.
#include <QFutureWatcher>
#include <QObject>
#include <atomic>
#include <memory>

#include "convert/engine/RunJob.h"

namespace quavero {

class OutputPublisher;

class CopyJob : public QObject, public RunJob {
    Q_OBJECT
public:
    explicit CopyJob(std::shared_ptr<OutputLedger> ledger);
    // Stops a copy still going and waits for it.
    ~CopyJob() override;

    void start(const EntryPlan &plan) override;
    void stop() override;

private:
    void onCopied(const QString &error);
    void finish(bool ok, const QString &reason, const QStringList &warnings = {});
    void finishLater(const QString &reason);

    OutputPublisher *m_publisher;
    EntryPlan m_plan;
    QFutureWatcher<QString> m_watcher;
    std::shared_ptr<std::atomic<bool>> m_cancelled;
    bool m_running = false;
    bool m_prepared = false;
};

} // namespace quavero
