#include "control/niveaux.h"

#include <cctype>
#include <cstdint>

#include "lang/textes.h"
#include "lang/textes_jeu.h"

namespace kolmar {

const Niveau niveaux[NB_NIVEAUX] = {
    {"Dbutant1", "Dbutant1Click", 5, 58, 1, 0, 0, false},
    {"Niveau01", "Niveau01Click", 2, 58, 1, 0, 1, false},
    {"Niveau02", "Niveau02Click", 5, 158, 1, 0, 2, false},
    {"Niveau03", "Niveau03Click", 6, 358, 1, 0, 3, false},
    // 600 rather than 598: kept as the level has always played.
    {"Niveau04", "Niveau04Click", 10, 600, 1, 0, 4, false},
    {"Niveau05", "Niveau05Click", 160, 178, 3, 0, 5, false},
    {"Niveau06", "Niveau06Click", 270, 298, 5, 0, 6, false},
    {"Niveau07", "Niveau07Click", 540, 598, 10, 0, 7, false},
    {"Niveau081", "Niveau081Click", 1680, 1798, 30, 0, 8, false},
    {"N150coupsen3mn1", "niveau1", 160, 178, 3, 1, 11, true},
    {"N250coupsen5mn1", "niveau2", 270, 298, 5, 2, 12, true},
    {"N350coupsen10mn1", "niveau3", 540, 598, 10, 3, 13, true},
    {"N450coupsen30mn1", "niveau4", 1680, 1798, 30, 4, 14, true},
    {"N550coupsen1h1", "niveau5", 3360, 3598, 60, 5, 15, true},
    {"N650coupsen2h1", "niveau6", 6700, 7198, 120, 6, 16, true},
    {"N7longlong1", "niveau7", 320000, 319998, 500, 7, 17, true},
    {"N8Autre1", "BitBtn24Click", 55, 58, 0, 8, 18, true},
};

const char* libelle_niveau(int i, int langue) {
    static const Texte noms[] = {Texte::Niveau0, Texte::Niveau1, Texte::Niveau2, Texte::Niveau3, Texte::Niveau4,
                                 Texte::Niveau5, Texte::Niveau6, Texte::Niveau7, Texte::Niveau8};
    static const TexteJeu speciaux[] = {TexteJeu::TrenteCoups3mn,  TexteJeu::TrenteCoups5mn, TexteJeu::TrenteCoups10mn,
                                        TexteJeu::TrenteCoups30mn, TexteJeu::TrenteCoups1h,  TexteJeu::TrenteCoups2h};
    if (i < 0 || i >= NB_NIVEAUX) return "";
    if (i < 9) return texte(noms[i], langue);
    if (i < 15) return texte(speciaux[i - 9], langue);
    return texte(i == NIVEAU_AUTRE ? Texte::N8Autre : Texte::N7LongLong, langue);
}

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
