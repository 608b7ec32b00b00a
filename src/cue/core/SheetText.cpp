// SPDX-License-Identifier: GPL-3.0-or-later
#include "cue/core/SheetText.h"

#include <QStringDecoder>

namespace quavero {

namespace cue {
QString bomEncoding(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QStringLiteral("UTF-8");
    if (bytes.startsWith("\xFF\xFE"))
        return QStringLiteral("UTF-16LE");
    if (bytes.startsWith("\xFE\xFF"))
        return QStringLiteral("UTF-16BE");
    return QString();
}

bool isUtf8(const QByteArray &bytes)
{
    // Stateless: a sequence cut off at the end is an error, not kept for more.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    Q_UNUSED(text);
    return !decoder.hasError();
}

bool decode(const QByteArray &bytes, const QString &encoding, QString *text)
{
    // Qt decodes the Unicode encodings itself and the others through ICU.
    // "ASCII" is read as UTF-8, of which it is a part.
    const QString name =
        encoding.compare(QLatin1String("ASCII"), Qt::CaseInsensitive) == 0 ? QStringLiteral("UTF-8") : encoding;
    QStringDecoder decoder(name.toLatin1().constData(), QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        return false;
    QString decoded = decoder.decode(bytes);
    if (decoder.hasError() || decoded.contains(QChar(0)))
        return false;
    if (decoded.startsWith(QChar(0xFEFF)))
        decoded.remove(0, 1);
    *text = decoded;
    return true;
}

QByteArray forParser(const QString &text)
{
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (!lines.endsWith(QLatin1Char('\n')))
        lines += QLatin1Char('\n');
    return lines.toUtf8();
}
} // namespace cue

} // namespace quavero
