// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files around an entry's stages. Every stage writes a temporary file
// beside the final one (the plan names them); only a file that is complete,
// tagged and flushed to the disk is put under the final name, by a rename
// that replaces any old output in one step. So a file under a final name is
// always whole, and a failed or stopped entry leaves the old output of that
// name exactly as it was.
//
// - prepare(): a folder in the way of the final path is the user's and is
//   never deleted (the entry fails instead); the entry's subfolder below the
//   destination is made when missing.
// - publish(): the finished temporary file must hold something; the input's
//   tags and pictures go into it (TagCopy, on a thread of the pool, through
//   the plan's scratch copy); unless a stop is pending, the ledger puts it
//   under the final name and notes it in the destination's record; the file
//   sox read goes. finished() reports what could not be copied as warnings.
// - discard(): removes the entry's temporary files; the final path is
//   never touched.
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "convert/core/EntryPlan.h"

namespace quavero {

class OutputLedger;
class TagCopyTask;

class OutputPublisher : public QObject {
    Q_OBJECT
public:
    // ledger: where finished files are published and noted; none publishes
    // without a record.
    explicit OutputPublisher(std::shared_ptr<OutputLedger> ledger, QObject *parent = nullptr);
    ~OutputPublisher() override;

    // Asked just before a file is published: true when the run is being
    // stopped, and a file finished now may have been cut short.
    void setStopPending(std::function<bool()> pending) { m_stopPending = std::move(pending); }
    // Called with the finished, tagged temporary file just before it is
    // published (the loudness fields go in there); returns warnings.
    void setBeforePublish(std::function<QStringList(const QString &path)> step) { m_beforePublish = std::move(step); }

    // Readies the paths of the entry; a reason for the user when it cannot.
    QString prepare(const EntryPlan &plan);
    // Judges, tags and publishes the finished file: finished() follows, from
    // the event loop or at once.
    void publish();
    // Takes away the entry's temporary files; a running tag copy is stopped first.
    void discard();

signals:
    // reason: why the finished file was not published; empty when it was.
    void finished(const QString &reason, const QStringList &warnings);

private:
    void putInPlace(const QStringList &warnings);

    std::shared_ptr<OutputLedger> m_ledger;
    std::function<bool()> m_stopPending;
    std::function<QStringList(const QString &path)> m_beforePublish;
    EntryPlan m_plan;
    TagCopyTask *m_tags;
};

} // namespace quavero
