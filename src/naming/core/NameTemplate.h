// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An output-name template, read once and then used for every entry of a run:
//   {albumartist}/{album}/[Disc {disc}/]{track:02} {title}
// A field in braces stands for a tag value (NameFields.h); {track:02} pads a
// number with zeros to two digits. A part in square brackets is left out
// when a field inside it is empty. "/" makes folders. A backslash makes the
// next character plain text: \[live\] gives "[live]". Pure.
#include <QString>
#include <vector>

#include "naming/core/NameFields.h"

namespace quavero {

struct TemplatePiece {
    enum class Kind { Text, Field, Folder, Optional };
    Kind kind = Kind::Text;
    QString text;                     // Text
    naming::Field field{};            // Field
    int width = 0;                    // Field: zero-padded to this many digits; 0 for none
    std::vector<TemplatePiece> inner; // Optional: what the brackets hold
};

class NameTemplate;
namespace naming {
struct ParsedTemplate;
ParsedTemplate parseTemplate(const QString &text);
} // namespace naming

// A template as parseTemplate read it; an empty one (isEmpty) when none was
// read.
class NameTemplate {
public:
    const QString &text() const { return m_text; }
    const std::vector<TemplatePiece> &pieces() const { return m_pieces; }
    bool isEmpty() const { return m_pieces.empty(); }

private:
    friend naming::ParsedTemplate naming::parseTemplate(const QString &text);
    QString m_text;
    std::vector<TemplatePiece> m_pieces;
};

namespace naming {
struct ParsedTemplate {
    NameTemplate nameTemplate;
    QString error;    // empty when the template is usable; else what is wrong and where
    int position = 0; // with an error: the character it is at, counted from 1
    bool ok() const { return error.isEmpty(); }
};

// Reads a template. An unknown field, an unbalanced "[", "]", "{" or "}", a
// "/" at either end (names are made below the output folder and end in a file
// name) or an empty template is refused, naming the position.
ParsedTemplate parseTemplate(const QString &text);
} // namespace naming

} // namespace quavero
