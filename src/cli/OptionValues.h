// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns the VALUE of "--set NAME=VALUE" into what the record stores, and
// describes what a NAME accepts. A list option takes the label the options
// dialog shows, with letter case and spaces forgiven, and also without its
// remark in brackets ("0 (Highest)" or "0") or its "k" ("128k" or "128")
// (options::valueFromText).
// speed takes a factor, gain, treble and bass take whole decibels.
#include <QString>
#include <QStringList>

#include "formats/core/OptionFields.h"

namespace quavero {

namespace cli {
// The stored value for text, or false with *error naming what is accepted.
bool valueFromText(const OptionField &field, const QString &text, double *value, QString *error);
// What the option accepts, for messages and the format listing:
// "Mono, Stereo" or "a factor such as 1.25 (more than 0, at most 100)".
QString acceptedValues(const OptionField &field);
// The option's current value as the user would write it: the label at the
// stored position, "1.25" for a speed, "-6" for decibels.
QString valueText(const OptionField &field, const FormatRecords &records);
} // namespace cli

} // namespace quavero
