// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The translation context of the job list's messages: jobs::Text::tr("…").
// Field names, option names and values stay as they are: they are what the
// list holds.
#include <QCoreApplication>

namespace quavero {

namespace jobs {
class Text {
    Q_DECLARE_TR_FUNCTIONS(JobList)
};
} // namespace jobs

} // namespace quavero
