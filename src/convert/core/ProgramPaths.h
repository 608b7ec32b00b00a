// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The programs a run's stages start. The plan names a stage's program; the
// machine that runs it says where that program is.
#include <QString>

#include "convert/core/EntryPlan.h"

namespace quavero {

struct ProgramPaths {
    QString ffmpeg;
    QString sox;
    QString of(StageProgram program) const { return program == StageProgram::Ffmpeg ? ffmpeg : sox; }
};

} // namespace quavero
