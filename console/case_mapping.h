// Unicode's upper-case mapping and the extent of a character.
//
// Upper-casing follows Unicode's full mapping, scalar by scalar: most scalars map to one scalar ("é" to "É",
// "ж" to "Ж", the full-width "ｙ" to "Ｙ"), a few to more than one ("ß" to "SS", "ﬁ" to "FI"), and the rest
// to themselves. A character, as a reader sees one, is a scalar with the combining marks that follow it
// ("e" and U+0301 read as "é"). The tables come from Unicode's data (generate_case_mapping.py).
//
//   console::uppercased("straße")           // "STRASSE"
//   console::first_character("e\u0301cole")   // "e\u0301"
#pragma once

#include <string>
#include <string_view>

namespace console {

// Appends the upper case of one scalar as UTF-8: one, two or three scalars.
void append_uppercased(std::string& out, char32_t scalar);

// The upper case of a text, scalar by scalar. Invalid UTF-8 becomes U+FFFD.
std::string uppercased(std::string_view text);

// Whether a scalar is a combining mark (general category M: nonspacing, spacing and enclosing marks).
bool is_combining_mark(char32_t scalar);

// The first character of a text: its first scalar and the combining marks right after it. Empty for an
// empty text or one that does not start with valid UTF-8; a mark that starts a text is a character with
// the marks after it.
std::string_view first_character(std::string_view text);

// The version of Unicode the tables were generated from.
std::string_view case_mapping_unicode_version();

}  // namespace console
