// SPDX-License-Identifier: GPL-3.0-or-later
#include "presets/core/BuiltinPresets.h"

#include "formats/core/OptionFields.h"
#include "formats/core/OptionText.h"

#include <QtGlobal>
#include <initializer_list>

namespace quavero {

namespace presets {
namespace {
// An option and the values wanted for it, the most wanted first.
struct Wish {
    const char *option;
    std::initializer_list<const char *> values;
};

// "Same as input" keeps the input's sample rate, channels or sample size;
// where the lists do not offer it, the preset takes the usual value after it.
constexpr const char *kSameAsInput = "Same as input";

Preset make(const char *name, const char *format, std::initializer_list<Wish> wishes)
{
    Preset preset;
    preset.name = QString::fromUtf8(name);
    preset.format = QLatin1String(format);
    preset.builtIn = true;
    const OutputFormat *f = formats::at(formats::indexFromName(preset.format));
    for (const Wish &wish : wishes) {
        const OptionField *field = f ? options::byName(f->record, QLatin1String(wish.option)) : nullptr;
        if (!field)
            continue;
        for (const char *value : wish.values) {
            double position = 0;
            if (options::valueFromText(*field, QString::fromUtf8(value), &position)) {
                // Kept as the list spells it: "8 (best)" for "8".
                const QString text = field->choices ? field->choices->label(qint64(position)) : QString::fromUtf8(value);
                preset.options.append({field->name, text});
                break;
            }
        }
    }
    return preset;
}
} // namespace

QList<Preset> builtIn()
{
    QList<Preset> list{
        make(QT_TRANSLATE_NOOP("Presets", "Phone (MP3, VBR quality 2)"), "mp3", {{"mode", {"VBR"}}, {"quality", {"2"}}}),
        make(QT_TRANSLATE_NOOP("Presets", "Archive (FLAC, same as input)"), "flac",
             {{"compression", {"8"}}, {"rate", {kSameAsInput, "44100"}}, {"channels", {kSameAsInput, "Stereo"}}}),
        make(QT_TRANSLATE_NOOP("Presets", "CD quality (WAV, 16 bit, 44,100 Hz)"), "wav",
             {{"codec", {"PCM 16"}}, {"rate", {"44100"}}, {"channels", {"Stereo"}}}),
    };
    if (formats::indexFromName(QStringLiteral("opus")) >= 0)
        list << make(QT_TRANSLATE_NOOP("Presets", "Speech (Opus, 32 kbit/s, mono)"), "opus",
                     {{"bitrate", {"32"}}, {"channels", {"Mono"}}, {"application", {"Speech"}}});
    else
        list << make(QT_TRANSLATE_NOOP("Presets", "Speech (MP3, 64 kbit/s, mono)"), "mp3",
                     {{"mode", {"CBR"}}, {"bitrate", {"64"}}, {"channels", {"Mono"}}});
    return list;
}
} // namespace presets

} // namespace quavero
