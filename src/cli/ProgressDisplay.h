// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the user sees while files convert. On a terminal, a live block at the
// bottom: the files done out of all and, once it can be estimated, the time
// left, then one line per running file with its percentage; finished files
// scroll above it. When the output is not a
// terminal, one plain line per finished file. Quiet shows nothing.
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdio>

#include "convert/core/ProgressParser.h"

namespace quavero {

namespace cli {
class ProgressDisplay : public QObject {
    Q_OBJECT
public:
    enum class Mode { Live, Plain, Quiet };
    // Live when out is a terminal that understands cursor movement (and quiet
    // is false), else Plain or Quiet.
    static Mode modeFor(std::FILE *out, bool quiet);

    ProgressDisplay(Mode mode, int total, std::FILE *out, QObject *parent = nullptr);
    ~ProgressDisplay() override;

    void started(int id, const QString &name);
    void progressed(int id, const ProgressReading &reading);
    void converted(int id, const QString &name, const QString &outputPath);
    void copied(int id, const QString &name, const QString &outputPath);
    // An output whose input is gone, removed.
    void removed(int id, const QString &outputPath);
    void failed(int id, const QString &name, const QString &reason);
    // The run's estimate of the time left; -1 while there is none.
    void setSecondsLeft(qint64 seconds);
    // A file that was not converted because the run was stopped.
    void stopped(int id, const QString &name);
    // Removes the live block, for the summary to follow.
    void close();

private:
    struct Running {
        QString name;
        ProgressReading reading;
        bool hasReading = false;
    };
    void finishedLine(int id, const QString &line);
    void redraw();
    void eraseBlock();
    QString fitted(const QString &line) const;
    void write(const QString &text);

    Mode m_mode;
    int m_total;
    int m_done = 0;
    qint64 m_secondsLeft = -1;
    std::FILE *m_out;
    QHash<int, Running> m_running;
    QList<int> m_order; // running ids in the order they started
    int m_drawnLines = 0;
    bool m_dirty = false;
    QTimer m_timer;
};
} // namespace cli

} // namespace quavero
