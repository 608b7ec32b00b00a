// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ProgressDisplay.h"

#include "cli/CliText.h"
#include "convert/core/TimeLeft.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace quavero {

namespace cli {
namespace {
constexpr int kRedrawMs = 100; // the live block is redrawn at most ten times a second

int terminalColumns(std::FILE *out)
{
    winsize size{};
    if (::ioctl(::fileno(out), TIOCGWINSZ, &size) == 0 && size.ws_col > 10)
        return size.ws_col;
    return 80;
}
} // namespace

ProgressDisplay::Mode ProgressDisplay::modeFor(std::FILE *out, bool quiet)
{
    if (quiet)
        return Mode::Quiet;
    // The live block moves the cursor with escape sequences, which a "dumb"
    // terminal (an editor's shell buffer, for one) would print as they are.
    const QByteArray term = qgetenv("TERM");
    const bool capable = !term.isEmpty() && term != "dumb";
    return ::isatty(::fileno(out)) && capable ? Mode::Live : Mode::Plain;
}

ProgressDisplay::ProgressDisplay(Mode mode, int total, std::FILE *out, QObject *parent)
    : QObject(parent), m_mode(mode), m_total(total), m_out(out)
{
    m_timer.setInterval(kRedrawMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (m_dirty)
            redraw();
    });
    if (m_mode == Mode::Live)
        m_timer.start();
}

ProgressDisplay::~ProgressDisplay() { close(); }

void ProgressDisplay::started(int id, const QString &name)
{
    if (m_mode != Mode::Live)
        return;
    m_running.insert(id, Running{name, {}, false});
    m_order << id;
    m_dirty = true;
}

void ProgressDisplay::progressed(int id, const ProgressReading &reading)
{
    auto it = m_running.find(id);
    if (it == m_running.end())
        return;
    it->reading = reading;
    it->hasReading = true;
    m_dirty = true;
}

void ProgressDisplay::setSecondsLeft(qint64 seconds)
{
    if (seconds == m_secondsLeft)
        return;
    m_secondsLeft = seconds;
    m_dirty = true;
}

void ProgressDisplay::converted(int id, const QString &name, const QString &outputPath)
{
    ++m_done;
    finishedLine(id, Text::tr("converted %1 -> %2").arg(name, outputPath));
}

void ProgressDisplay::copied(int id, const QString &name, const QString &outputPath)
{
    ++m_done;
    finishedLine(id, Text::tr("copied    %1 -> %2").arg(name, outputPath));
}

void ProgressDisplay::removed(int id, const QString &outputPath)
{
    ++m_done;
    finishedLine(id, Text::tr("removed   %1 (its original is gone)").arg(outputPath));
}

void ProgressDisplay::failed(int id, const QString &name, const QString &reason)
{
    ++m_done;
    finishedLine(id, Text::tr("FAILED    %1: %2").arg(name, reason));
}

void ProgressDisplay::stopped(int id, const QString &name) { finishedLine(id, Text::tr("stopped   %1").arg(name)); }

void ProgressDisplay::finishedLine(int id, const QString &line)
{
    m_running.remove(id);
    m_order.removeAll(id);
    if (m_mode == Mode::Quiet)
        return;
    const int width = QString::number(m_total).size();
    const QString counted = QStringLiteral("[%1/%2] ").arg(m_done, width).arg(m_total) + line;
    if (m_mode == Mode::Plain) {
        write(counted + QLatin1Char('\n'));
        return;
    }
    eraseBlock();
    write(counted + QLatin1Char('\n'));
    redraw();
}

void ProgressDisplay::redraw()
{
    if (m_mode != Mode::Live)
        return;
    QString head = Text::tr("%1 of %2 files done, %3 converting").arg(m_done).arg(m_total).arg(m_order.size());
    if (m_secondsLeft >= 0) {
        // "About 2 minutes left" continues the line: only its first letter
        // is lowered, since German nouns keep their capitals.
        QString left = timeleft::text(m_secondsLeft);
        left[0] = left.at(0).toLower();
        head += QStringLiteral(", ") + left;
    }
    QString block = fitted(head) + QLatin1Char('\n');
    for (int id : std::as_const(m_order)) {
        const Running &r = m_running.value(id);
        QString percent = QStringLiteral("  0");
        if (r.hasReading)
            percent = r.reading.busy ? QStringLiteral("...") : QStringLiteral("%1").arg(r.reading.percent, 3);
        block += fitted(QStringLiteral("  %1%  %2").arg(percent, r.name)) + QLatin1Char('\n');
    }
    eraseBlock();
    write(block);
    m_drawnLines = int(m_order.size()) + 1;
    m_dirty = false;
}

void ProgressDisplay::eraseBlock()
{
    if (m_drawnLines > 0)
        write(QStringLiteral("\x1b[%1A\r\x1b[J").arg(m_drawnLines));
    m_drawnLines = 0;
}

void ProgressDisplay::close()
{
    m_timer.stop();
    if (m_mode == Mode::Live)
        eraseBlock();
}

// One terminal row at most: a longer line would wrap and the block could not
// be erased by counting lines.
QString ProgressDisplay::fitted(const QString &line) const
{
    const int columns = terminalColumns(m_out) - 1;
    return line.size() <= columns ? line : line.left(columns - 3) + QStringLiteral("...");
}

void ProgressDisplay::write(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), m_out);
    std::fflush(m_out);
}
} // namespace cli

} // namespace quavero
