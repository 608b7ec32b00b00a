// SPDX-License-Identifier: GPL-3.0-or-later
#include "naming/core/NameExpansion.h"

#include "naming/core/NamingText.h"
#include "naming/core/SafeName.h"

namespace quavero {

namespace naming {
namespace {
// Stands for a "/" of the template while the name is put together: no value
// and no text can hold it, since both lose their control characters.
constexpr QChar kFolderBreak = QChar(0);

QString padded(const QString &value, int width)
{
    if (width <= 0 || value.size() >= width)
        return value;
    for (const QChar c : value)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return value;
    return QString(width - value.size(), QLatin1Char('0')) + value;
}

QString valueText(Field field, const QString &value, int width)
{
    if (field != Field::Folder)
        return safeValue(padded(value, width));
    // The relative folder is the one place where "/" makes folders.
    QStringList parts = value.split(QLatin1Char('/'));
    for (QString &part : parts)
        part = safeValue(part);
    return parts.join(kFolderBreak);
}

// Appends the pieces to out; gives the first field among them (not inside a
// nested bracket) that is empty, or nullptr.
const TemplatePiece *expand(const std::vector<TemplatePiece> &pieces, const NameFields &fields, QString &out)
{
    const TemplatePiece *empty = nullptr;
    for (const TemplatePiece &piece : pieces) {
        switch (piece.kind) {
        case TemplatePiece::Kind::Text:
            out += safeValue(piece.text);
            break;
        case TemplatePiece::Kind::Folder:
            out += kFolderBreak;
            break;
        case TemplatePiece::Kind::Field: {
            // An entry added straight from its folder has no relative
            // folder: that is no missing value.
            const QString &value = fields.value(piece.field);
            if (value.isEmpty() && piece.field != Field::Folder && !empty)
                empty = &piece;
            out += valueText(piece.field, value, piece.width);
            break;
        }
        case TemplatePiece::Kind::Optional: {
            QString inner;
            if (!expand(piece.inner, fields, inner))
                out += inner;
            break;
        }
        }
    }
    return empty;
}

NamedOutput fallBack(const NameFields &fields, bool keepStructure, const QString &emptyField)
{
    NamedOutput out;
    out.fellBack = true;
    out.emptyField = emptyField;
    out.baseName = fields.value(Field::Name);
    if (keepStructure)
        out.subfolder = fields.value(Field::Folder);
    return out;
}
} // namespace

NamedOutput nameFor(const NameTemplate &nameTemplate, const NameFields &fields, int baseNameBytes, bool keepStructure)
{
    QString whole;
    if (const TemplatePiece *empty = expand(nameTemplate.pieces(), fields, whole))
        return fallBack(fields, keepStructure, fieldName(empty->field));
    const QStringList parts = whole.split(kFolderBreak);
    QStringList folders;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        const QString folder = cutToBytes(trimmedPart(parts.at(i)), kMaxNameBytes);
        if (!folder.isEmpty())
            folders << folder;
    }
    NamedOutput out;
    out.baseName = cutToBytes(trimmedPart(parts.last()), baseNameBytes);
    if (out.baseName.isEmpty())
        return fallBack(fields, keepStructure, QString());
    out.subfolder = folders.join(QLatin1Char('/'));
    return out;
}
QString fallBackReason(const NamedOutput &output)
{
    if (!output.fellBack)
        return QString();
    if (output.emptyField.isEmpty())
        return Text::tr("named after the input: the template gave it an empty name");
    return Text::tr("named after the input: it has no {%1}").arg(output.emptyField);
}
} // namespace naming

} // namespace quavero
