#include "control/niveaux.h"

#include <cctype>
#include <cstdint>

namespace kolmar {

const Niveau niveaux[NB_NIVEAUX] = {
    {"Dbutant1", "0 : Néophyte", "Dbutant1Click", 5, 58, 1, 0, 0, false},
    {"Niveau01", "1 : Débutant", "Niveau01Click", 2, 58, 1, 0, 1, false},
    {"Niveau02", "2 : Amateur", "Niveau02Click", 5, 158, 1, 0, 2, false},
    {"Niveau03", "3 : Promotion", "Niveau03Click", 6, 358, 1, 0, 3, false},
    // 600 rather than 598: kept as the level has always played.
    {"Niveau04", "4 : Honneur", "Niveau04Click", 10, 600, 1, 0, 4, false},
    {"Niveau05", "5 : Excellence", "Niveau05Click", 160, 178, 3, 0, 5, false},
    {"Niveau06", "6 : Maître", "Niveau06Click", 270, 298, 5, 0, 6, false},
    {"Niveau07", "7 : Grand Maître", "Niveau07Click", 540, 598, 10, 0, 7, false},
    {"Niveau081", "8 : Grand Maître International", "Niveau081Click", 1680, 1798, 30, 0, 8, false},
    {"N150coupsen3mn1", "1 : 30 coups en 3 mn", "niveau1", 160, 178, 3, 1, 11, true},
    {"N250coupsen5mn1", "2 : 30 coups en 5 mn", "niveau2", 270, 298, 5, 2, 12, true},
    {"N350coupsen10mn1", "3 : 30 coups en 10 mn", "niveau3", 540, 598, 10, 3, 13, true},
    {"N450coupsen30mn1", "4 : 30 coups en 30 mn", "niveau4", 1680, 1798, 30, 4, 14, true},
    {"N550coupsen1h1", "5 : 30 coups en 1 h", "niveau5", 3360, 3598, 60, 5, 15, true},
    {"N650coupsen2h1", "6 : 30 coups en 2 h", "niveau6", 6700, 7198, 120, 6, 16, true},
    {"N7longlong1", "7 : long, long", "niveau7", 320000, 319998, 500, 7, 17, true},
    {"N8Autre1", "Autre", "BitBtn24Click", 55, 58, 0, 8, 18, true},
};

int niveau_de_code(int levelCode) {
    for (int i = 0; i < NB_NIVEAUX; ++i)
        if (niveaux[i].levelCode == levelCode) return i;
    return -1;
}

uint8_t levelIndex_de_code(int levelCode) {
    int i = niveau_de_code(levelCode);
    return i < 0 ? 0 : niveaux[i].levelIndex;
}

bool choisir_niveau(ControleTemps& c, int i) {
    if (i < 0 || i >= NB_NIVEAUX || i == NIVEAU_AUTRE) return false;
    const Niveau& n = niveaux[i];
    c.engineBudget = n.engineBudget;
    c.periodLimit = n.periodLimit;
    c.periodMinutes = n.minutes;
    c.levelIndex = n.levelIndex;
    c.levelCode = n.levelCode;
    return true;
}

bool niveau_coche(const ControleTemps& c, int i) {
    return i >= 0 && i < NB_NIVEAUX && niveaux[i].levelCode == c.levelCode;
}

int32_t minutes_autre(const std::string& texte) {
    // 60 N - 2 must stay a signed 32-bit value.
    const int64_t max = (INT64_C(2147483647) + 2) / 60;
    size_t i = 0, n = texte.size();
    while (i < n && std::isspace(static_cast<unsigned char>(texte[i]))) ++i;
    while (n > i && std::isspace(static_cast<unsigned char>(texte[n - 1]))) --n;
    bool negatif = false;
    if (i < n && (texte[i] == '+' || texte[i] == '-')) negatif = texte[i++] == '-';
    if (i == n) return 0;
    int64_t v = 0;
    for (; i < n; ++i) {
        unsigned char ch = static_cast<unsigned char>(texte[i]);
        if (!std::isdigit(ch)) return 0;
        v = v * 10 + (ch - '0');
        if (v > max) return 0;
    }
    return static_cast<int32_t>(negatif ? -v : v);
}

bool accepter_autre(ControleTemps& c, const std::string& texte) {
    int32_t n = minutes_autre(texte);
    if (n <= 0) return false;
    c.engineBudget = 55 * n;
    c.periodLimit = 60 * n - 2;
    c.periodMinutes = n;
    c.levelIndex = 8;
    c.levelCode = 18;
    return true;
}

}  // namespace kolmar
