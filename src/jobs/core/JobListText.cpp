// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobs/core/JobListText.h"

#include "jobs/core/JobPaths.h"
#include "jobs/core/JobTrackText.h"
#include "jobs/core/JsonFields.h"
#include "jobs/core/JobsText.h"
#include "presets/core/NamedOptions.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <cmath>

namespace quavero {

namespace jobs {
namespace {
// The names of the fields.
struct ListKey {
    static constexpr QLatin1String listKey{"quavero-job-list"};
    static constexpr QLatin1String plan{"plan"};
    static constexpr QLatin1String program{"program"};
    static constexpr QLatin1String inputRoot{"input-root"};
    static constexpr QLatin1String outputRoot{"output-root"};
    static constexpr QLatin1String format{"format"};
    static constexpr QLatin1String options{"options"};
    static constexpr QLatin1String effects{"effects"};
    static constexpr QLatin1String tags{"tags"};
    static constexpr QLatin1String structure{"structure"};
    static constexpr QLatin1String jobs{"jobs"};
    static constexpr QLatin1String index{"index"};
    static constexpr QLatin1String input{"input"};
    static constexpr QLatin1String output{"output"};
    static constexpr QLatin1String renamed{"renamed"};
    static constexpr QLatin1String track{"track"};
};

bool objectOf(const QByteArray &line, QJsonObject *object, QString *error)
{
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(line, &parse);
    if (parse.error != QJsonParseError::NoError) {
        *error = Text::tr("it is not JSON (%1 at character %2)").arg(parse.errorString()).arg(parse.offset + 1);
        return false;
    }
    if (!document.isObject()) {
        *error = Text::tr("it is not a JSON object");
        return false;
    }
    *object = document.object();
    return true;
}

bool fail(QString *error, const QString &reason)
{
    *error = reason;
    return false;
}
} // namespace

QByteArray headerText(const JobListHeader &header)
{
    return OrderedObject()
        .add(ListKey::listKey, header.version)
        .add(ListKey::plan, header.planId)
        .add(ListKey::program, header.program)
        .add(ListKey::inputRoot, header.inputRoot)
        .add(ListKey::outputRoot, header.outputRoot)
        .add(ListKey::format, header.format)
        .addText(ListKey::options, namedText(header.options))
        .addText(ListKey::effects, namedText(header.effects))
        .add(ListKey::tags, header.copyTags)
        .add(ListKey::structure, header.keepStructure)
        .add(ListKey::jobs, double(header.jobCount))
        .text();
}

QByteArray jobText(const JobLine &job)
{
    OrderedObject object;
    object.add(ListKey::index, double(job.index)).add(ListKey::input, job.input).add(ListKey::output, job.output);
    if (job.renamed)
        object.add(ListKey::renamed, true);
    if (job.track.isTrack())
        object.addText(ListKey::track, trackText(job.track));
    return object.text();
}

bool readHeader(const QByteArray &line, JobListHeader *header, QString *error)
{
    QJsonObject object;
    if (!objectOf(line, &object, error))
        return false;
    if (!object.contains(ListKey::listKey))
        return fail(
            error,
            Text::tr("it is not the first line of a job list (it holds no field %1)").arg(quotedText(ListKey::listKey)));
    Fields f(object);
    JobListHeader h;
    h.version = int(f.whole(ListKey::listKey));
    if (f.error.isEmpty() && h.version != kVersion)
        return fail(error, Text::tr("the list is of version %1, and this program reads version %2; make the list "
                                    "again with the quavero-cli that runs the jobs")
                               .arg(h.version)
                               .arg(kVersion));
    f.onlyKnown({ListKey::listKey, ListKey::plan, ListKey::program, ListKey::inputRoot, ListKey::outputRoot,
                 ListKey::format, ListKey::options, ListKey::effects, ListKey::tags, ListKey::structure, ListKey::jobs});
    h.planId = f.text(ListKey::plan);
    h.program = f.text(ListKey::program);
    h.inputRoot = f.text(ListKey::inputRoot);
    h.outputRoot = f.text(ListKey::outputRoot);
    h.format = f.text(ListKey::format);
    h.options = f.named(ListKey::options);
    h.effects = f.named(ListKey::effects);
    h.copyTags = f.flag(ListKey::tags, true);
    h.keepStructure = f.flag(ListKey::structure, true);
    h.jobCount = f.whole(ListKey::jobs);
    if (!f.error.isEmpty())
        return fail(error, f.error);
    if (h.planId.trimmed().isEmpty())
        return fail(error, Text::tr("the field %1 is empty").arg(quotedText(ListKey::plan)));
    for (QString *root : {&h.inputRoot, &h.outputRoot}) {
        if (!isAbsoluteRoot(*root))
            return fail(error, Text::tr("the root %1 is not an absolute folder path").arg(quotedText(*root)));
        *root = QDir::cleanPath(*root);
    }
    *header = h;
    return true;
}

bool readJob(const QByteArray &line, JobLine *job, QString *error)
{
    QJsonObject object;
    if (!objectOf(line, &object, error))
        return false;
    Fields f(object);
    f.onlyKnown({ListKey::index, ListKey::input, ListKey::output, ListKey::renamed, ListKey::track});
    JobLine j;
    j.index = f.whole(ListKey::index);
    j.input = f.text(ListKey::input);
    j.output = f.text(ListKey::output);
    j.renamed = f.flag(ListKey::renamed, false);
    const QJsonObject track = f.object(ListKey::track);
    if (!f.error.isEmpty())
        return fail(error, f.error);
    if (object.contains(ListKey::track) && !readTrack(track, &j.track, error))
        return false;
    const QString inputProblem = pathProblem(j.input, PathRole::Input);
    if (!inputProblem.isEmpty())
        return fail(error, inputProblem);
    const QString outputProblem = pathProblem(j.output, PathRole::Output);
    if (!outputProblem.isEmpty())
        return fail(error, outputProblem);
    *job = j;
    return true;
}
} // namespace jobs

} // namespace quavero
