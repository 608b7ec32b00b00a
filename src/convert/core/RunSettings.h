// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two run settings of the Preferences dialog as the preferences store
// holds them: how many files convert at once ("Quavero_Files_At_Once", a
// number, 1 when missing) and whether the run pauses between files
// ("Quavero_Pause_Between_Files", "1" or "0", "1" when missing). Pure.
#include <QString>

namespace quavero {

struct RunSettings {
    int filesAtOnce = 1;
    bool pauseBetweenFiles = true;
};

namespace runsettings {
// The settings from the stored texts; a number outside 1..processors is
// brought inside, a text that is no number gives the default.
RunSettings fromStored(const QString &filesAtOnce, const QString &pauseBetweenFiles, int processors);
QString filesAtOnceText(int filesAtOnce);
QString pauseText(bool pause);
// A setting that is off unless stored as "1" (keeping a destination in step).
bool flagFromStored(const QString &stored);
QString flagText(bool on);
} // namespace runsettings

} // namespace quavero
