#include "engine/endgame.h"

#include <cstring>

#include "engine/score.h"
#include "records/fichiers.h"

namespace kolmar {

namespace {

struct DescriptionFinale {
    const char* nom;
    int taille;
    MaterielFinale materiel;
};

// Men come before kings in the names on both sides of the "o".
const DescriptionFinale k_finales[NB_TABLES_FINALES] = {
    {"dod.bic", TAILLE_FINALE_2, {0, 1, 0, 1}},      {"dop.bic", TAILLE_FINALE_2, {0, 1, 1, 0}},
    {"pod.bic", TAILLE_FINALE_2, {1, 0, 0, 1}},      {"pop.bic", TAILLE_FINALE_2, {1, 0, 1, 0}},
    {"ddod.bic", TAILLE_FINALE_PAIRE, {0, 2, 0, 1}}, {"dodd.bic", TAILLE_FINALE_PAIRE, {0, 1, 0, 2}},
    {"ddop.bic", TAILLE_FINALE_PAIRE, {0, 2, 1, 0}}, {"podd.bic", TAILLE_FINALE_PAIRE, {1, 0, 0, 2}},
    {"pdod.bic", TAILLE_FINALE_3, {1, 1, 0, 1}},     {"dopd.bic", TAILLE_FINALE_3, {0, 1, 1, 1}},
    {"pdop.bic", TAILLE_FINALE_3, {1, 1, 1, 0}},     {"popd.bic", TAILLE_FINALE_3, {1, 0, 1, 1}},
    {"ppod.bic", TAILLE_FINALE_PAIRE, {2, 0, 0, 1}}, {"dopp.bic", TAILLE_FINALE_PAIRE, {0, 1, 2, 0}},
    {"ppop.bic", TAILLE_FINALE_PAIRE, {2, 0, 1, 0}}, {"popp.bic", TAILLE_FINALE_PAIRE, {1, 0, 2, 0}},
};

inline long paire(int a, int b) {
    return a + static_cast<long>(b - 1) * (b - 2) / 2;
}

const std::string& repertoire(const std::string& dir) {
    return dir.empty() ? repertoire_donnees() : dir;
}

}  // namespace

const char* nom_table_finale(int table) {
    return table >= 0 && table < NB_TABLES_FINALES ? k_finales[table].nom : "";
}

int taille_table_finale(int table) {
    return table >= 0 && table < NB_TABLES_FINALES ? k_finales[table].taille : 0;
}

MaterielFinale materiel_table_finale(int table) {
    return table >= 0 && table < NB_TABLES_FINALES ? k_finales[table].materiel : MaterielFinale{0, 0, 0, 0};
}

int charger_finales(Finales& f, const std::string& dir) {
    int chargees = 0;
    for (int t = 0; t < NB_TABLES_FINALES; ++t) {
        std::string contenu;
        f.tables[t].clear();
        size_t taille = static_cast<size_t>(k_finales[t].taille);
        if (!lire_fichier(chemin_lecture(k_finales[t].nom, repertoire(dir)), contenu) || contenu.size() < taille) {
            f.tables[t].shrink_to_fit();
            continue;
        }
        f.tables[t].resize(taille);
        std::memcpy(f.tables[t].data(), contenu.data(), taille);
        ++chargees;
    }
    // Raised even when files are missing: the search must not retry the
    // disk at every node.
    f.finales_chargees = true;
    return chargees;
}

int table_finale(const uint8_t nb_pieces[5], int mover) {
    int pm = mover == BLANC ? nb_pieces[PION_BLANC] : nb_pieces[PION_NOIR];
    int dm = mover == BLANC ? nb_pieces[DAME_BLANCHE] : nb_pieces[DAME_NOIRE];
    int pa = mover == BLANC ? nb_pieces[PION_NOIR] : nb_pieces[PION_BLANC];
    int da = mover == BLANC ? nb_pieces[DAME_NOIRE] : nb_pieces[DAME_BLANCHE];
    if (pm + dm == 0 || pa + da == 0 || pm + dm + pa + da > 3) return -1;
    for (int t = 0; t < NB_TABLES_FINALES; ++t) {
        const MaterielFinale& m = k_finales[t].materiel;
        if (m.pions_trait == pm && m.dames_trait == dm && m.pions_autre == pa && m.dames_autre == da) return t;
    }
    return -1;
}

long decalage_finale(int table, const uint8_t damier[TAILLE_DAMIER], int mover) {
    if (table < 0 || table >= NB_TABLES_FINALES) return -1;
    const MaterielFinale& m = k_finales[table].materiel;
    const uint8_t pion_m = mover == BLANC ? PION_BLANC : PION_NOIR;
    const uint8_t pion_a = mover == BLANC ? PION_NOIR : PION_BLANC;
    // Squares grouped as: mover's men, mover's kings, other men, other kings.
    int groupe[4][3];
    int n[4] = {0, 0, 0, 0};
    const int attendu[4] = {m.pions_trait, m.dames_trait, m.pions_autre, m.dames_autre};
    const bool tourner = mover == NOIR && (m.pions_trait + m.pions_autre) > 0;
    for (int s = 1; s <= NB_CASES; ++s) {
        uint8_t c = damier[s];
        int g;
        if (c == pion_m)
            g = 0;
        else if (c == pion_m + 1)
            g = 1;
        else if (c == pion_a)
            g = 2;
        else if (c == pion_a + 1)
            g = 3;
        else if (c == VIDE)
            continue;
        else
            return -1;
        if (n[g] >= attendu[g]) return -1;
        groupe[g][n[g]++] = tourner ? 73 - s : s;
    }
    int sq[3];
    int total = 0, g_paire = -1;
    for (int g = 0; g < 4; ++g) {
        if (n[g] != attendu[g]) return -1;
        if (n[g] == 2) {
            g_paire = g;
            continue;
        }
        for (int i = 0; i < n[g]; ++i) sq[total++] = groupe[g][i];
    }
    long off;
    if (g_paire >= 0) {
        int a = groupe[g_paire][0], b = groupe[g_paire][1];
        if (a > b) std::swap(a, b);
        off = paire(a, b) + static_cast<long>(LARGEUR_PAIRES) * (sq[0] - 1) - 1;
    } else if (total == 2) {
        off = static_cast<long>(LARGEUR_CASES) * sq[0] + sq[1];
    } else {
        off = static_cast<long>(LARGEUR_CARRE) * (sq[0] - 1) + LARGEUR_CASES * (sq[1] - 1) + sq[2] - 1;
    }
    if (off < 0 || off >= k_finales[table].taille) return -1;
    return off;
}

int16_t score_finale(int8_t v, int ply) {
    if (v > 0) return static_cast<int16_t>(SCORE_GAIN - v - ply);
    if (v < 0) return static_cast<int16_t>(-SCORE_GAIN - v + ply);
    return 0;
}

bool valeur_finale(const Finales& f, int table, const uint8_t damier[TAILLE_DAMIER], int racine, int ply,
                   int16_t& score) {
    if (table < 0 || table >= NB_TABLES_FINALES) return false;
    const std::vector<int8_t>& t = f.tables[table];
    long off = decalage_finale(table, damier, camp_au_trait(racine, ply));
    if (off < 0 || static_cast<size_t>(off) >= t.size()) return false;
    int16_t s = score_finale(t[static_cast<size_t>(off)], ply);
    score = (ply & 1) ? s : static_cast<int16_t>(-s);
    return true;
}

bool sonder_finales(Finales& f, const uint8_t damier[TAILLE_DAMIER], const uint8_t nb_pieces[5], int racine, int ply,
                    int16_t& score) {
    if (nb_pieces[1] + nb_pieces[2] + nb_pieces[3] + nb_pieces[4] > 4) return false;
    if (!f.finales_chargees) charger_finales(f);
    int t = table_finale(nb_pieces, camp_au_trait(racine, ply));
    if (t < 0) return false;
    return valeur_finale(f, t, damier, racine, ply, score);
}

bool charger_positions(Finales& f, const std::string& dir) {
    std::string contenu;
    f.positions.clear();
    if (!lire_fichier(chemin_lecture("can.dat", repertoire(dir)), contenu) ||
        contenu.size() < static_cast<size_t>(TAILLE_POSITIONS_APPRISES))
        return false;
    f.positions.assign(contenu.begin(), contenu.begin() + TAILLE_POSITIONS_APPRISES);
    return true;
}

bool chercher_position(const Finales& f, uint32_t cle_index, uint32_t cle_verrou, int16_t& score) {
    if (f.positions.size() < static_cast<size_t>(TAILLE_POSITIONS_APPRISES)) return false;
    const uint8_t* e = f.positions.data() + static_cast<size_t>(cle_index % NB_POSITIONS_APPRISES) * 8;
    uint32_t verrou = static_cast<uint32_t>(e[0]) | static_cast<uint32_t>(e[1]) << 8 |
                      static_cast<uint32_t>(e[2]) << 16 | static_cast<uint32_t>(e[3]) << 24;
    if (verrou != cle_verrou) return false;
    score = static_cast<int16_t>(static_cast<uint16_t>(e[4] | e[5] << 8));
    return true;
}

}  // namespace kolmar
