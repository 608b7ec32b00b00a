// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An option's value as text, the way a user writes it on the command line and
// the way presets and remembered options store it: the label the options
// dialog shows ("44100", "Stereo", "0 (Highest)"), a factor for speed
// ("1.25"), whole decibels for gain, treble and bass ("-6"). Storing labels
// rather than positions keeps a stored value meaning the same when a list
// grows. Pure.
#include <QString>

#include "formats/core/OptionFields.h"

namespace quavero {

namespace options {
// The highest speed factor taken; sox itself takes far more, but a factor past
// this is a typing mistake rather than a wish.
constexpr double kMaxSpeed = 100.0;
constexpr qint64 kMaxDecibels = 100;

// The value text stands for, or false. A list option takes its labels with
// letter case and spaces forgiven, also without a remark in brackets
// ("0 (Highest)" or "0") and with or without a trailing "k" ("128k" or "128").
bool valueFromText(const OptionField &field, const QString &text, double *value);
// The option's value in the records, written as valueFromText reads it.
QString textOf(const OptionField &field, const FormatRecords &records);
} // namespace options

} // namespace quavero
