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

// The name cut to LONGUEUR_NOM_MAX bytes without splitting a character.
std::string nom_limite(const std::string& nom);

}  // namespace kolmar
