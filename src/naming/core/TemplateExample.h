// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The example Preferences shows under the name template while it is typed:
// the name the template gives a file (the first selected one, else a sample
// track), or what is wrong with the template. Pure.
#include <QString>

#include "naming/core/NameFields.h"

namespace quavero {

struct TemplateExample {
    QString text;       // "Example: Band A/Debut/01 Opening.mp3", or what is wrong
    bool usable = true; // false: the template cannot be read, and must not be stored
};

namespace naming {
// The fields of the sample track shown when no file is selected.
NameFields sampleFields();
// templateText: as typed; "" names each output after its input. fields: the
// file the example is drawn from; extension: the output format's (".mp3").
TemplateExample exampleFor(const QString &templateText, const NameFields &fields, const QString &extension);
} // namespace naming

} // namespace quavero
