// SPDX-License-Identifier: GPL-3.0-or-later
#include "cue/engine/SheetEncoding.h"

#include "cue/core/SheetText.h"

#include <QStringList>
#include <uchardet.h>

#include <memory>

namespace quavero {

namespace cue {
namespace {
QString detected(const QByteArray &bytes)
{
    const std::unique_ptr<uchardet, decltype(&uchardet_delete)> detector(uchardet_new(), &uchardet_delete);
    if (!detector)
        return QString();
    if (uchardet_handle_data(detector.get(), bytes.constData(), size_t(bytes.size())) != 0)
        return QString();
    uchardet_data_end(detector.get());
    return QString::fromLatin1(uchardet_get_charset(detector.get()));
}
} // namespace

SheetText readText(const QByteArray &bytes)
{
    SheetText result;
    // Bytes that are well-formed UTF-8 are read as UTF-8: text in an older
    // 8-bit encoding almost never forms valid UTF-8 sequences, while uchardet
    // may take a short UTF-8 sheet with a few accented letters for Windows-1250
    // ("FĂ¸rste" for "Første"). Otherwise uchardet is asked (only without a
    // byte-order mark) and its guess tried first, then Windows-1252, the
    // encoding of most older sheets, and Latin-1 last, which every byte
    // sequence fits.
    QStringList tried;
    const QString bom = bomEncoding(bytes);
    if (!bom.isEmpty())
        tried << bom;
    else if (isUtf8(bytes))
        tried << QStringLiteral("UTF-8");
    else
        tried << detected(bytes) << QStringLiteral("WINDOWS-1252") << QStringLiteral("ISO-8859-1");
    for (const QString &encoding : tried) {
        if (encoding.isEmpty())
            continue;
        if (decode(bytes, encoding, &result.text)) {
            result.ok = true;
            result.encoding = encoding;
            return result;
        }
    }
    return result;
}
} // namespace cue

} // namespace quavero
