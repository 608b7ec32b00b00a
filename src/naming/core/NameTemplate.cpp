// SPDX-License-Identifier: GPL-3.0-or-later
#include "naming/core/NameTemplate.h"

#include "naming/core/NamingText.h"

namespace quavero {

namespace naming {
namespace {
constexpr int kMaxWidth = 9;

// Reads the template from left to right; a bracket part is read by the same
// loop one level deeper and ends at its "]".
struct Reader {
    explicit Reader(const QString &t) : text(t) {}

    const QString &text;
    qsizetype at = 0;
    QString error;
    int errorPosition = 0;

    // The position a user counts: characters from 1, a character outside the
    // BMP counting once.
    int position(qsizetype index) const { return int(QStringView(text).left(index).toUcs4().size()) + 1; }

    bool fail(const QString &message, int where)
    {
        error = message;
        errorPosition = where;
        return false;
    }

    // The length of the character at index: two QChars outside the BMP.
    qsizetype charLength(qsizetype index) const
    {
        return (text.at(index).isHighSurrogate() && index + 1 < text.size()) ? 2 : 1;
    }

    static void addText(std::vector<TemplatePiece> &pieces, const QString &t)
    {
        if (pieces.empty() || pieces.back().kind != TemplatePiece::Kind::Text)
            pieces.emplace_back();
        pieces.back().text += t;
    }

    // Reads up to the end of the text (depth 0) or the "]" that closes the
    // bracket opened at openedAt.
    bool readSequence(std::vector<TemplatePiece> &pieces, int depth, qsizetype openedAt)
    {
        while (at < text.size()) {
            const QChar c = text.at(at);
            if (c == QLatin1Char('\\')) {
                if (!readEscape(pieces))
                    return false;
            } else if (c == QLatin1Char('{')) {
                if (!readField(pieces))
                    return false;
            } else if (c == QLatin1Char('}')) {
                return fail(Text::tr("'}' at position %1 has no '{' before it").arg(position(at)), position(at));
            } else if (c == QLatin1Char('[')) {
                TemplatePiece optional;
                optional.kind = TemplatePiece::Kind::Optional;
                const qsizetype opened = at++;
                if (!readSequence(optional.inner, depth + 1, opened))
                    return false;
                pieces.push_back(std::move(optional));
            } else if (c == QLatin1Char(']')) {
                if (depth == 0)
                    return fail(Text::tr("']' at position %1 has no '[' before it").arg(position(at)), position(at));
                ++at;
                return true;
            } else if (c == QLatin1Char('/')) {
                pieces.emplace_back();
                pieces.back().kind = TemplatePiece::Kind::Folder;
                ++at;
            } else {
                const qsizetype length = charLength(at);
                addText(pieces, text.mid(at, length));
                at += length;
            }
        }
        if (depth > 0)
            return fail(Text::tr("'[' at position %1 has no ']' after it").arg(position(openedAt)), position(openedAt));
        return true;
    }

    bool readEscape(std::vector<TemplatePiece> &pieces)
    {
        if (at + 1 >= text.size())
            return fail(Text::tr("'\\' at position %1 ends the template; it makes the character after it plain text")
                            .arg(position(at)),
                        position(at));
        const qsizetype length = charLength(at + 1);
        addText(pieces, text.mid(at + 1, length));
        at += 1 + length;
        return true;
    }

    bool readField(std::vector<TemplatePiece> &pieces)
    {
        const qsizetype opened = at;
        const int where = position(opened);
        qsizetype close = opened + 1;
        while (close < text.size() && !QStringLiteral("{}[]/").contains(text.at(close)))
            ++close;
        if (close >= text.size() || text.at(close) != QLatin1Char('}'))
            return fail(Text::tr("'{' at position %1 has no '}' after it").arg(where), where);
        const QString body = text.mid(opened + 1, close - opened - 1);
        const qsizetype colon = body.indexOf(QLatin1Char(':'));
        const QString name = colon < 0 ? body : body.left(colon);
        TemplatePiece piece;
        piece.kind = TemplatePiece::Kind::Field;
        if (!fieldFromName(name, &piece.field)) {
            const QString all = QStringLiteral("{%1}").arg(fieldNames().join(QLatin1String("}, {")));
            return fail(Text::tr("unknown field {%1} at position %2; the fields are: %3").arg(name).arg(where).arg(all),
                        where);
        }
        if (colon >= 0) {
            const QString width = body.mid(colon + 1).trimmed();
            bool ok = false;
            piece.width = width.toInt(&ok);
            if (!ok || width.isEmpty() || !width.at(0).isDigit() || piece.width < 1 || piece.width > kMaxWidth)
                return fail(Text::tr("{%1} at position %2: after ':' comes a number of digits from 1 to %3, such as "
                                     "{track:02}")
                                .arg(body)
                                .arg(where)
                                .arg(kMaxWidth),
                            where);
        }
        pieces.push_back(piece);
        at = close + 1;
        return true;
    }
};
} // namespace

ParsedTemplate parseTemplate(const QString &text)
{
    ParsedTemplate parsed;
    if (text.trimmed().isEmpty()) {
        parsed.error = Text::tr("the template is empty; write one such as {artist}/{title}");
        parsed.position = 1;
        return parsed;
    }
    Reader reader(text);
    std::vector<TemplatePiece> pieces;
    if (!reader.readSequence(pieces, 0, 0)) {
        parsed.error = reader.error;
        parsed.position = reader.errorPosition;
        return parsed;
    }
    if (pieces.front().kind == TemplatePiece::Kind::Folder) {
        parsed.position = 1;
        parsed.error = Text::tr("'/' at position 1 starts the template; names are made inside the output folder");
        return parsed;
    }
    if (pieces.back().kind == TemplatePiece::Kind::Folder) {
        parsed.position = reader.position(text.size() - 1);
        parsed.error = Text::tr("'/' at position %1 ends the template; the last part names the file").arg(parsed.position);
        return parsed;
    }
    parsed.nameTemplate.m_text = text;
    parsed.nameTemplate.m_pieces = std::move(pieces);
    return parsed;
}
} // namespace naming

} // namespace quavero
