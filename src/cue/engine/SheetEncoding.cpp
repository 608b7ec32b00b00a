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
    // uchardet is asked only without a byte-order mark. Its guess is tried
    // first; UTF-8 comes next, as it is what sheets are saved in today, then
    // Windows-1252, the encoding of most older sheets, and Latin-1 last,
    // which every byte sequence fits.
    QStringList tried;
    const QString bom = bomEncoding(bytes);
    if (!bom.isEmpty())
        tried << bom;
    else
        tried << detected(bytes) << QStringLiteral("UTF-8") << QStringLiteral("WINDOWS-1252")
              << QStringLiteral("ISO-8859-1");
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
