#include "records/texte.h"

#include <cstdint>

namespace kolmar {

bool est_utf8(const std::string& s) {
    size_t i = 0, n = s.size();
    while (i < n) {
        uint8_t c = static_cast<uint8_t>(s[i]);
        size_t suite;
        uint32_t min;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            suite = 1;
            min = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            suite = 2;
            min = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            suite = 3;
            min = 0x10000;
        } else {
            return false;
        }
        if (i + suite >= n) return false;
        uint32_t cp = c & (0x3F >> suite);
        for (size_t k = 1; k <= suite; ++k) {
            uint8_t b = static_cast<uint8_t>(s[i + k]);
            if ((b & 0xC0) != 0x80) return false;
            cp = cp << 6 | (b & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += suite + 1;
    }
    return true;
}

namespace {
// Windows-1252 0x80..0x9F; 0 where the code page leaves a hole.
const uint16_t k_cp1252[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                               0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void ajouter_utf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | cp >> 6);
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | cp >> 12);
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}
}  // namespace

std::string vers_utf8(const std::string& s) {
    if (est_utf8(s)) return s;
    std::string out;
    for (char ch : s) {
        uint8_t c = static_cast<uint8_t>(ch);
        uint32_t cp = c;
        if (c >= 0x80 && c <= 0x9F) cp = k_cp1252[c - 0x80] ? k_cp1252[c - 0x80] : 0xFFFD;
        ajouter_utf8(out, cp);
    }
    return out;
}

std::string nom_limite(const std::string& nom) {
    if (nom.size() <= LONGUEUR_NOM_MAX) return nom;
    size_t n = LONGUEUR_NOM_MAX;
    while (n > 0 && (static_cast<uint8_t>(nom[n]) & 0xC0) == 0x80) --n;
    return nom.substr(0, n);
}

}  // namespace kolmar
