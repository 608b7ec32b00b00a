// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirror/core/UpToDate.h"

#include <QCoreApplication>

namespace quavero {

namespace mirror {
Freshness freshness(const RecordTable *record, const FreshnessQuestion &question)
{
    if (!question.outputNow)
        return Freshness::NoOutput;
    const std::optional<RecordRow> row = record ? record->forOutput(question.output) : std::nullopt;
    if (!row)
        return question.outputNow->mtimeNs > question.inputNow.mtimeNs ? Freshness::NewerThanInput : Freshness::NotNewer;
    if (row->input != question.input)
        return Freshness::OtherInput;
    if (row->inputStamp != question.inputNow)
        return Freshness::InputChanged;
    if (row->fingerprint != question.fingerprint)
        return Freshness::SettingsChanged;
    return Freshness::UpToDate;
}

bool skips(Freshness verdict) { return verdict == Freshness::UpToDate || verdict == Freshness::NewerThanInput; }

QString describe(Freshness verdict)
{
    switch (verdict) {
    case Freshness::UpToDate:
        return QCoreApplication::translate("Freshness", "up to date");
    case Freshness::NewerThanInput:
        return QCoreApplication::translate("Freshness", "up to date (the output is newer than its input)");
    case Freshness::NoOutput:
        return QCoreApplication::translate("Freshness", "not converted yet");
    case Freshness::InputChanged:
        return QCoreApplication::translate("Freshness", "the input changed");
    case Freshness::SettingsChanged:
        return QCoreApplication::translate("Freshness", "the settings changed");
    case Freshness::OtherInput:
        return QCoreApplication::translate("Freshness", "the output was made from another input");
    case Freshness::NotNewer:
        return QCoreApplication::translate("Freshness", "the output is older than its input");
    }
    return QString();
}
} // namespace mirror

} // namespace quavero
