// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files around an entry's stages: the folders and paths made ready
// before the programs write, the finished file judged and tagged, and what a
// failed or stopped entry wrote taken away again.
//
// - prepare(): a folder in the way of a path the entry writes is the user's
//   and is never deleted (the entry fails instead); the entry's subfolder
//   below the destination is made when missing; the old output is removed,
//   because ffmpeg is never told to overwrite (a link is removed as a link,
//   never followed).
// - beforeStage(): sox opens the final path as it finds it (through a link it
//   would write the link's target), so whatever is there goes first.
// - publish(): the final file must exist and hold something; then the
//   input's tags and pictures go into it (TagCopy, on a thread of the pool),
//   and finished() reports what could not be copied as warnings.
// - discard(): removes the intermediate file, and what this entry's programs
//   wrote at the final path. The plan made sure neither is an input file.
#include <QObject>
#include <QString>
#include <QStringList>

#include "convert/core/EntryPlan.h"

namespace quavero {

class TagCopyTask;

class OutputPublisher : public QObject {
    Q_OBJECT
public:
    explicit OutputPublisher(QObject *parent = nullptr);
    ~OutputPublisher() override;

    // Readies the paths of the entry; a reason for the user when it cannot.
    QString prepare(const EntryPlan &plan);
    // Readies the path the stage of that number writes; a reason when it cannot.
    QString beforeStage(int stage);
    // Judges and tags the finished file: finished() follows, from the event
    // loop or at once.
    void publish();
    // Takes away what the entry wrote; a running tag copy is stopped first.
    void discard();

signals:
    // reason: why the finished file is no good; empty when it was published.
    void finished(const QString &reason, const QStringList &warnings);

private:
    EntryPlan m_plan;
    TagCopyTask *m_tags;
    bool m_finalWritten = false; // a stage of this entry may have written the final path
};

} // namespace quavero
