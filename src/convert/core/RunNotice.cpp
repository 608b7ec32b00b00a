// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/RunNotice.h"

#include <QCoreApplication>

namespace quavero {

namespace runnotice {
RunNotice forRun(int converted, int failed)
{
    RunNotice notice;
    notice.summary = QCoreApplication::translate("RunNotice", "Conversion finished");
    if (failed == 0)
        notice.body = converted == 1 ? QCoreApplication::translate("RunNotice", "1 file converted.")
                                     : QCoreApplication::translate("RunNotice", "%1 files converted.").arg(converted);
    else if (converted == 1)
        notice.body = QCoreApplication::translate("RunNotice", "1 file converted, %1 failed.").arg(failed);
    else
        notice.body =
            QCoreApplication::translate("RunNotice", "%1 files converted, %2 failed.").arg(converted).arg(failed);
    return notice;
}
} // namespace runnotice

} // namespace quavero
