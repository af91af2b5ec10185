// Small text helpers shared by the game files and the players' register.
#pragma once

#include <string>

namespace kolmar {

// Longest name a 20-byte zero-terminated field holds.
constexpr size_t LONGUEUR_NOM_MAX = 19;

// True when s is well-formed UTF-8.
bool est_utf8(const std::string& s);

// Text read from a file written by an older Windows program: kept as it is
// when it is UTF-8 already, otherwise taken as Windows-1252.
std::string vers_utf8(const std::string& s);

// The name without control characters (C0, DEL, C1) nor the Unicode line
// and paragraph separators: a name is one line wherever it is written, and
// a line break in it would make a phantom player in the register.
std::string sans_controles(const std::string& nom);

// The name cleaned as above, then cut to LONGUEUR_NOM_MAX bytes without
// splitting a character.
std::string nom_limite(const std::string& nom);

// Text for one line of terminal output: control characters and backslashes
// written as C escapes (\n, \x1b, \\), so a hostile name cannot add lines.
std::string texte_echappe(const std::string& s);

}  // namespace kolmar
