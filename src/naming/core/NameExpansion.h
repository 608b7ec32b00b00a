// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The output name of one entry from a template and the entry's fields. Pure.
#include <QString>

#include "naming/core/NameFields.h"
#include "naming/core/NameTemplate.h"

namespace quavero {

struct NamedOutput {
    QString subfolder; // below the destination: "Band A/Debut", "" for none
    QString baseName;  // without the extension: "01 Opening"
    // The template could not name the entry: a field outside brackets was
    // empty (an empty {folder} only means the entry has no subfolder), or the
    // name came out empty. The output then keeps the input's
    // own name (in its relative folder when the structure is kept).
    bool fellBack = false;
    QString emptyField; // with fellBack: the empty field ("title"); "" when the name came out empty
    QString relativePath() const { return subfolder.isEmpty() ? baseName : subfolder + QLatin1Char('/') + baseName; }
};

namespace naming {
// The name the template gives the entry. Every value is made safe
// (SafeName.h): a "/" in a tag never makes a folder. Each folder and the file
// name lose their leading and trailing dots and spaces; empty folders are left
// out. A folder is cut to 255 bytes, the file name to baseNameBytes
// (baseNameBudget). When the template falls back, the output is the input's
// base name, in its relative folder when keepStructure is set.
NamedOutput nameFor(const NameTemplate &nameTemplate, const NameFields &fields, int baseNameBytes, bool keepStructure);

// Why an output kept its input's name, for a run's summary: "named after the
// input: it has no album". Empty when the template named it.
QString fallBackReason(const NamedOutput &output);
} // namespace naming

} // namespace quavero
