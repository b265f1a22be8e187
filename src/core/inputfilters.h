#pragma once
// Filters that keep number and colour fields clean, and the reading of a count typed into
// such a field.

#include <QString>
#include <optional>

namespace core {

// The digits of text as a whole number without leading zeros ("a0x12" gives "12", "" and
// "abc" give "0"). A number too large for a 32-bit integer stays as its digits and sets
// *ok to false, so the field keeps what was typed.
QString GetPosTal(const QString &text, bool *ok = nullptr);

// A colour text: "#" and hexadecimal digits only. An empty text gives "#"; a text starting
// with a control character, a blank, "!" or a double quote gets a "#" in front.
QString Get16Tal(const QString &text);

// A count field's value; nothing when the text is not a whole number from 0 to 2147483647.
std::optional<int> laesAntal(const QString &text);

// The message for a count that laesAntal refused.
QString ugyldigtAntalTekst(const QString &text);

} // namespace core
