// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/StreamProbes.h"

#include "filelist/core/AudioStream.h"
#include "filelist/engine/BatchDurationProbe.h"

#include <thread>
#include <vector>

namespace quavero {

namespace cli {
void probeStreams(QList<PlanInput> &inputs, const QList<int> &which, const QString &ffmpeg, int jobs)
{
    if (which.isEmpty())
        return;
    const int slices = qBound(1, jobs, int(which.size()));
    QList<QStringList> reports(slices);
    std::vector<std::thread> threads;
    for (int s = 0; s < slices; ++s) {
        QStringList paths;
        for (int k = s; k < which.size(); k += slices)
            paths << inputs.at(which.at(k)).entry.s_File_Path();
        threads.emplace_back([&reports, s, paths, ffmpeg] { reports[s] = filelist::probeReports(ffmpeg, paths); });
    }
    for (std::thread &thread : threads)
        thread.join();
    for (int s = 0; s < slices; ++s)
        for (int k = s, n = 0; k < which.size(); k += slices, ++n)
            inputs[which.at(k)].entry.setM_Audio_Stream(filelist::audioStreamFromReport(reports.at(s).value(n)));
}
} // namespace cli

} // namespace quavero
