// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/engine/RemoveJob.h"

#include "mirror/engine/OutputLedger.h"

#include <QCoreApplication>

namespace quavero {

namespace {
struct RemoveText {
    Q_DECLARE_TR_FUNCTIONS(LibraryRecord)
};
} // namespace

RemoveJob::RemoveJob(std::shared_ptr<OutputLedger> ledger)
    : m_ledger(ledger ? std::move(ledger) : std::make_shared<OutputLedger>())
{
}

void RemoveJob::start(const EntryPlan &plan)
{
    QMetaObject::invokeMethod(
        this,
        [this, plan] {
            QString error;
            ConversionResult result;
            result.finalPath = plan.finalPath;
            switch (m_ledger->remove(plan, &error)) {
            case mirror::Removal::Removed:
            case mirror::Removal::Gone:
                result.ok = true;
                break;
            case mirror::Removal::Changed:
                result.reason = RemoveText::tr("kept, because it was changed after it was converted");
                break;
            case mirror::Removal::Refused:
                result.reason = RemoveText::tr("kept, because a symbolic link leads to it");
                break;
            case mirror::Removal::Failed:
                result.reason = RemoveText::tr("could not be removed: %1").arg(error);
                break;
            }
            if (finished)
                finished(result);
        },
        Qt::QueuedConnection);
}

} // namespace quavero
