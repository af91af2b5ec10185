#include "records/texte.h"

#include <cstdint>
#include <cstdio>

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
const uint16_t k_cp1252[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                               0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                               0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

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

std::string sans_controles(const std::string& nom) {
    std::string out;
    out.reserve(nom.size());
    for (size_t i = 0; i < nom.size(); ++i) {
        const uint8_t c = static_cast<uint8_t>(nom[i]);
        const uint8_t c1 = i + 1 < nom.size() ? static_cast<uint8_t>(nom[i + 1]) : 0;
        const uint8_t c2 = i + 2 < nom.size() ? static_cast<uint8_t>(nom[i + 2]) : 0;
        if (c < 0x20 || c == 0x7F) continue;
        // U+0080..U+009F
        if (c == 0xC2 && c1 >= 0x80 && c1 <= 0x9F) {
            ++i;
            continue;
        }
        // U+2028, U+2029
        if (c == 0xE2 && c1 == 0x80 && (c2 == 0xA8 || c2 == 0xA9)) {
            i += 2;
            continue;
        }
        out += static_cast<char>(c);
    }
    return out;
}

std::string nom_limite(const std::string& brut) {
    std::string nom = sans_controles(brut);
    if (nom.size() <= LONGUEUR_NOM_MAX) return nom;
    size_t n = LONGUEUR_NOM_MAX;
    while (n > 0 && (static_cast<uint8_t>(nom[n]) & 0xC0) == 0x80) --n;
    return nom.substr(0, n);
}

std::string texte_echappe(const std::string& s) {
    std::string out;
    for (char ch : s) {
        const uint8_t c = static_cast<uint8_t>(ch);
        switch (ch) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\x%02x", c);
                    out += buf;
                } else {
                    out += ch;
                }
        }
    }
    return out;
}

}  // namespace kolmar
