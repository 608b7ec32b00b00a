// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobs/core/JobResult.h"

#include "jobs/core/JobsText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace quavero {

namespace jobs {
namespace {
// The names of the fields.
struct ResultKey {
    static constexpr QLatin1String plan{"plan"};
    static constexpr QLatin1String index{"index"};
    static constexpr QLatin1String status{"status"};
    static constexpr QLatin1String reason{"reason"};
    static constexpr QLatin1String host{"host"};
    static constexpr QLatin1String seconds{"seconds"};
    static constexpr QLatin1String outputSize{"output-size"};
    static constexpr QLatin1String outputModified{"output-modified-ns"};
    static constexpr QLatin1String inputSize{"input-size"};
    static constexpr QLatin1String inputModified{"input-modified-ns"};
    static constexpr QLatin1String warnings{"warnings"};
    static constexpr QLatin1String finished{"finished"};
    static constexpr QLatin1String message{"message"};
    static constexpr QLatin1String programs{"programs"};
    static constexpr QLatin1String command{"command"};
    static constexpr QLatin1String lastLines{"last-lines"};
    static constexpr QLatin1String done{"done"};
    static constexpr QLatin1String failed{"failed"};
};

// Nanosecond stamps are written as text: a JSON number holds whole numbers
// exactly only up to 2^53.
QString wholeText(qint64 n) { return QString::number(n); }

qint64 wholeOf(const QJsonValue &value, bool *ok)
{
    bool read = false;
    const qint64 n = value.isString() ? value.toString().toLongLong(&read) : 0;
    *ok = *ok && read;
    return n;
}

QJsonArray textArray(const QStringList &texts)
{
    QJsonArray array;
    for (const QString &t : texts)
        array.append(t);
    return array;
}

QStringList textsOf(const QJsonValue &value)
{
    QStringList texts;
    for (const QJsonValue &v : value.toArray())
        texts << v.toString();
    return texts;
}
} // namespace

QByteArray resultText(const JobResult &r)
{
    QJsonObject o;
    o.insert(ResultKey::plan, r.planId);
    o.insert(ResultKey::index, double(r.index));
    o.insert(ResultKey::status, r.status == JobStatus::Done ? ResultKey::done : ResultKey::failed);
    if (!r.reason.isEmpty())
        o.insert(ResultKey::reason, r.reason);
    o.insert(ResultKey::host, r.host);
    o.insert(ResultKey::seconds, r.seconds);
    o.insert(ResultKey::outputSize, wholeText(r.output.size));
    o.insert(ResultKey::outputModified, wholeText(r.output.mtimeNs));
    o.insert(ResultKey::inputSize, wholeText(r.input.size));
    o.insert(ResultKey::inputModified, wholeText(r.input.mtimeNs));
    if (!r.warnings.isEmpty())
        o.insert(ResultKey::warnings, textArray(r.warnings));
    o.insert(ResultKey::finished, r.finished);
    if (!r.rawMessage.isEmpty())
        o.insert(ResultKey::message, r.rawMessage);
    QJsonArray programs;
    for (const ProgramOutput &p : r.programs)
        programs.append(QJsonObject{{ResultKey::command, p.commandLine}, {ResultKey::lastLines, textArray(p.lastLines)}});
    if (!programs.isEmpty())
        o.insert(ResultKey::programs, programs);
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

bool readResult(const QByteArray &text, JobResult *result, QString *error)
{
    const QJsonObject o = QJsonDocument::fromJson(text).object();
    const QString status = o.value(ResultKey::status).toString();
    bool ok = o.value(ResultKey::plan).isString() && o.value(ResultKey::index).isDouble() &&
              (status == ResultKey::done || status == ResultKey::failed);
    JobResult r;
    r.planId = o.value(ResultKey::plan).toString();
    r.index = qint64(o.value(ResultKey::index).toDouble());
    r.status = status == ResultKey::done ? JobStatus::Done : JobStatus::Failed;
    r.reason = o.value(ResultKey::reason).toString();
    r.host = o.value(ResultKey::host).toString();
    r.seconds = o.value(ResultKey::seconds).toDouble();
    r.output = FileStamp{wholeOf(o.value(ResultKey::outputSize), &ok), wholeOf(o.value(ResultKey::outputModified), &ok)};
    r.input = FileStamp{wholeOf(o.value(ResultKey::inputSize), &ok), wholeOf(o.value(ResultKey::inputModified), &ok)};
    r.warnings = textsOf(o.value(ResultKey::warnings));
    r.finished = o.value(ResultKey::finished).toString();
    r.rawMessage = o.value(ResultKey::message).toString();
    for (const QJsonValue &v : o.value(ResultKey::programs).toArray())
        r.programs.append(
            {v.toObject().value(ResultKey::command).toString(), textsOf(v.toObject().value(ResultKey::lastLines))});
    if (!ok) {
        *error = Text::tr("it is not the result of a job");
        return false;
    }
    *result = r;
    return true;
}

bool alreadyDone(const std::optional<JobResult> &result, const QString &planId, const std::optional<FileStamp> &outputNow)
{
    return result && result->planId == planId && result->status == JobStatus::Done && outputNow &&
           *outputNow == result->output;
}
} // namespace jobs

} // namespace quavero
