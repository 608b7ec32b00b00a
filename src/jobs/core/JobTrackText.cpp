// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobs/core/JobTrackText.h"

#include "jobs/core/JobPaths.h"
#include "jobs/core/JobsText.h"
#include "jobs/core/JsonFields.h"

#include <QJsonArray>
#include <limits>

namespace quavero {

namespace jobs {
namespace {
struct TrackKey {
    static constexpr QLatin1String sheet{"sheet"};
    static constexpr QLatin1String name{"name"};
    static constexpr QLatin1String number{"number"};
    static constexpr QLatin1String count{"count"};
    static constexpr QLatin1String start{"start"};
    static constexpr QLatin1String end{"end"};
    static constexpr QLatin1String rate{"rate"};
    static constexpr QLatin1String tags{"tags"};
};

// Above any rate ffmpeg decodes.
constexpr qint64 kHighestRate = 10'000'000;

QByteArray tagsText(const QMap<QString, QStringList> &tags)
{
    OrderedObject object;
    for (auto it = tags.cbegin(); it != tags.cend(); ++it)
        object.add(it.key(), QJsonArray::fromStringList(it.value()));
    return object.text();
}
} // namespace

QByteArray trackText(const JobTrack &track)
{
    OrderedObject object;
    object.add(TrackKey::sheet, track.sheet)
        .add(TrackKey::name, track.name)
        .add(TrackKey::number, track.number)
        .add(TrackKey::count, track.count)
        .add(TrackKey::start, double(track.start));
    if (track.end >= 0)
        object.add(TrackKey::end, double(track.end));
    object.add(TrackKey::rate, track.sampleRate).addText(TrackKey::tags, tagsText(track.tags));
    return object.text();
}

bool readTrack(const QJsonObject &object, JobTrack *track, QString *error)
{
    Fields f(object);
    f.onlyKnown({TrackKey::sheet, TrackKey::name, TrackKey::number, TrackKey::count, TrackKey::start, TrackKey::end,
                 TrackKey::rate, TrackKey::tags});
    JobTrack t;
    t.sheet = f.text(TrackKey::sheet);
    t.name = f.text(TrackKey::name);
    const qint64 number = f.whole(TrackKey::number);
    const qint64 count = f.whole(TrackKey::count);
    t.start = f.whole(TrackKey::start);
    t.end = f.whole(TrackKey::end, -1);
    const qint64 rate = f.whole(TrackKey::rate);
    t.tags = f.textLists(TrackKey::tags);
    if (!f.error.isEmpty()) {
        *error = f.error;
        return false;
    }
    if (number < 1 || number > count || count > std::numeric_limits<int>::max()) {
        *error = Text::tr("its track %1 of %2 is no track of a sheet").arg(number).arg(count);
        return false;
    }
    if (t.end >= 0 && t.end <= t.start) {
        *error = Text::tr("its track ends at sample %1, before it starts at sample %2").arg(t.end).arg(t.start);
        return false;
    }
    if (rate < 1 || rate > kHighestRate) {
        *error = Text::tr("its track's sample rate %1 is no rate of audio").arg(rate);
        return false;
    }
    const QString sheetProblem = pathProblem(t.sheet, PathRole::Input);
    if (!sheetProblem.isEmpty()) {
        *error = sheetProblem;
        return false;
    }
    t.number = int(number);
    t.count = int(count);
    t.sampleRate = int(rate);
    *track = t;
    return true;
}
} // namespace jobs

} // namespace quavero
