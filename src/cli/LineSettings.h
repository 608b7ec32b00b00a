// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The format, options and presets a command line names, collected in the
// order given and applied once the whole line is read: a --preset sets its
// format and all that format's options, and what comes after it overrides it.
// Pure.
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include "cli/CommandLine.h"
#include "formats/core/FormatTable.h"

namespace quavero {

namespace cli {
struct LineSetting {
    QString name;
    QString value;
    bool fromPreset = false; // one of the options of the last --preset
};

struct LineChoices {
    QString formatText = formats::at(formats::kDefaultIndex)->item.mid(1).toLower();
    QVector<LineSetting> settings; // in the order given
    int presetFormat = -1;         // the format of the last --preset; -1 for none
    bool templateGiven = false;    // by --name or a preset
    bool tagsGiven = false;        // by --no-tags or a preset
    bool foldersGiven = false;     // by --flat or a preset
};

// --preset NAME: the format, options, template and run settings of the
// preset named, over what the line said before it. Gives an error, or ""
// (its warnings, if any, added to warnings).
QString usePreset(const QList<Preset> &presets, const QString &name, LineChoices &line, Request &request,
                  QStringList &warnings);

// Sets the options of request's format from the settings. A preset's options
// apply only while its format is the one chosen. Gives an error, or "".
QString applySettings(Request &request, const LineChoices &line, QStringList &warnings);

// The preset --save-preset NAME saves: the format, the options the line set,
// and the template and run settings it gave.
Preset presetFromLine(const QString &name, const Request &request, const LineChoices &line);
} // namespace cli

} // namespace quavero
