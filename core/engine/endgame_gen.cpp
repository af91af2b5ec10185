#include "engine/endgame_gen.h"

#include <algorithm>
#include <cstring>

namespace kolmar {

namespace {

// Unordered pair number p (1..2556) back to its squares a < b.
struct TablePaires {
    uint8_t a[LARGEUR_PAIRES + 1];
    uint8_t b[LARGEUR_PAIRES + 1];
    TablePaires() : a(), b() {
        for (int j = 2; j <= NB_CASES; ++j)
            for (int i = 1; i < j; ++i) {
                int p = i + (j - 1) * (j - 2) / 2;
                a[p] = static_cast<uint8_t>(i);
                b[p] = static_cast<uint8_t>(j);
            }
    }
};
const TablePaires k_paires;

inline uint8_t couleur_inverse(uint8_t c) {
    switch (c) {
        case PION_BLANC:
            return PION_NOIR;
        case DAME_BLANCHE:
            return DAME_NOIRE;
        case PION_NOIR:
            return PION_BLANC;
        case DAME_NOIRE:
            return DAME_BLANCHE;
        default:
            return c;
    }
}

constexpr int INCONNU = 0, GAGNE = 1, PERDU = 2;
constexpr int SANS_PERTE = 0x7fff;

}  // namespace

const int k_ordre_generation[NB_TABLES_FINALES] = {DOD,  DOP,  POD,  POP,  DDOD, DODD, DDOP, PODD,
                                                   PDOD, DOPD, PDOP, POPD, PPOD, DOPP, PPOP, POPP};

int table_partenaire(int table) {
    switch (table) {
        case DOD:
            return DOD;
        case POP:
            return POP;
        case DOP:
            return POD;
        case POD:
            return DOP;
        default:
            return table ^ 1;  // the three-piece tables come in pairs
    }
}

bool position_de_decalage(int table, long off, uint8_t damier[TAILLE_DAMIER]) {
    if (table < 0 || table >= NB_TABLES_FINALES || off < 0 || off >= taille_table_finale(table)) return false;
    MaterielFinale m = materiel_table_finale(table);
    // Codes in the order the offset lists the squares.
    uint8_t codes[4] = {PION_BLANC, DAME_BLANCHE, PION_NOIR, DAME_NOIRE};
    int nb[4] = {m.pions_trait, m.dames_trait, m.pions_autre, m.dames_autre};
    int sq[3];
    uint8_t cd[3];
    int total = m.pions_trait + m.dames_trait + m.pions_autre + m.dames_autre;
    if (total == 2) {
        // 72·a + b with b = 72 reads as (a + 1, 0).
        sq[0] = static_cast<int>(off / LARGEUR_CASES);
        sq[1] = static_cast<int>(off % LARGEUR_CASES);
        if (sq[1] == 0) --sq[0], sq[1] = LARGEUR_CASES;
        int k = 0;
        for (int g = 0; g < 4; ++g)
            if (nb[g]) cd[k++] = codes[g];
    } else {
        int g_paire = -1;
        for (int g = 0; g < 4; ++g)
            if (nb[g] == 2) g_paire = g;
        if (g_paire >= 0) {
            long p = off % LARGEUR_PAIRES + 1;
            sq[0] = static_cast<int>(off / LARGEUR_PAIRES) + 1;
            sq[1] = k_paires.a[p];
            sq[2] = k_paires.b[p];
            for (int g = 0; g < 4; ++g)
                if (nb[g] == 1) cd[0] = codes[g];
            cd[1] = cd[2] = codes[g_paire];
        } else {
            sq[0] = static_cast<int>(off / LARGEUR_CARRE) + 1;
            sq[1] = static_cast<int>(off / LARGEUR_CASES % LARGEUR_CASES) + 1;
            sq[2] = static_cast<int>(off % LARGEUR_CASES) + 1;
            int k = 0;
            for (int g = 0; g < 4; ++g)
                if (nb[g]) cd[k++] = codes[g];
        }
    }
    std::memset(damier, VIDE, TAILLE_DAMIER);
    damier[0] = BORD;
    for (int i = 0; i < total; ++i) {
        int s = sq[i];
        if (s < 1 || s > NB_CASES || damier[s] != VIDE) return false;
        if (cd[i] == PION_BLANC && s <= 6) return false;
        if (cd[i] == PION_NOIR && s >= 67) return false;
        damier[s] = cd[i];
    }
    return true;
}

int enfants_finale(Generateur& g, uint8_t damier[TAILLE_DAMIER], std::vector<EnfantFinale>& enfants) {
    enfants.clear();
    g.damier = damier;
    g.ply = 1;
    int n = generer_coups(g, BLANC);
    for (int i = 0; i < n; ++i) {
        uint8_t apres[TAILLE_DAMIER];
        std::memcpy(apres, damier, TAILLE_DAMIER);
        jouer_coup(apres, g.liste_coups[1][i]);
        // Black to move becomes white to move on the board turned half round.
        uint8_t tourne[TAILLE_DAMIER];
        uint8_t nb[5] = {0, 0, 0, 0, 0};
        tourne[0] = BORD;
        for (int s = 1; s <= NB_CASES; ++s) {
            uint8_t c = couleur_inverse(apres[73 - s]);
            tourne[s] = c;
            if (c >= 1 && c <= 4) ++nb[c];
        }
        if (nb[PION_BLANC] + nb[DAME_BLANCHE] == 0) {
            enfants.push_back({-1, 0});
            continue;
        }
        int t = table_finale(nb, BLANC);
        enfants.push_back({t, t < 0 ? -1 : decalage_finale(t, tourne, BLANC)});
    }
    return n;
}

int8_t octet_finale(bool gagne, int distance) {
    if (gagne) return static_cast<int8_t>(std::min(distance, 127));
    if (distance == 0) return -1;
    return static_cast<int8_t>(-std::min(distance, 126));
}

namespace {

// Value of a child as the mover of the parent sees it, from a solved byte.
struct ValeurEnfant {
    int etat;  // INCONNU = draw here
    int distance;
};

inline ValeurEnfant valeur_octet(int8_t v) {
    if (v == 0) return {INCONNU, 0};
    return {v > 0 ? GAGNE : PERDU, distance_finale(v)};
}

}  // namespace

void resoudre_finale(int table, std::vector<int8_t> tables[NB_TABLES_FINALES], BilanFinale bilan[NB_TABLES_FINALES]) {
    const int ta = table, tb = table_partenaire(table);
    const int membres[2] = {ta, tb};
    const int nb_membres = ta == tb ? 1 : 2;
    const long taille_a = taille_table_finale(ta);
    const long total = taille_a + (nb_membres == 2 ? taille_table_finale(tb) : 0);
    auto local = [&](int t, long off) -> long { return t == ta ? off : taille_a + off; };
    auto interne = [&](int t) { return t == ta || t == tb; };

    std::vector<uint8_t> valide(static_cast<size_t>(total), 0);
    std::vector<uint16_t> restants(static_cast<size_t>(total), 0);
    std::vector<uint32_t> entrees(static_cast<size_t>(total) + 1, 0);
    std::vector<int16_t> perte_ext(static_cast<size_t>(total), SANS_PERTE);
    std::vector<int16_t> gain_ext(static_cast<size_t>(total), -1);
    std::vector<uint8_t> nulle_ext(static_cast<size_t>(total), 0);
    std::vector<uint8_t> sans_coup(static_cast<size_t>(total), 0);

    Generateur g;
    uint8_t damier[TAILLE_DAMIER];
    g.damier = damier;
    init_listes(g);
    std::vector<EnfantFinale> enfants;

    // Pass 1: children outside the class are known; count those inside.
    for (int mi = 0; mi < nb_membres; ++mi) {
        int t = membres[mi];
        for (long off = 0; off < taille_table_finale(t); ++off) {
            if (!position_de_decalage(t, off, damier)) continue;
            long x = local(t, off);
            valide[x] = 1;
            int n = enfants_finale(g, damier, enfants);
            if (n == 0) sans_coup[x] = 1;
            for (const EnfantFinale& e : enfants) {
                if (e.table < 0) {
                    perte_ext[x] = 0;  // the last black piece is gone
                } else if (interne(e.table)) {
                    ++restants[x];
                    ++entrees[local(e.table, e.decalage)];
                } else {
                    ValeurEnfant v = valeur_octet(tables[e.table][e.decalage]);
                    if (v.etat == PERDU)
                        perte_ext[x] = static_cast<int16_t>(std::min<int>(perte_ext[x], v.distance));
                    else if (v.etat == GAGNE)
                        gain_ext[x] = static_cast<int16_t>(std::max<int>(gain_ext[x], v.distance));
                    else
                        nulle_ext[x] = 1;
                }
            }
        }
    }

    // Pass 2: the parents of every internal position, packed.
    uint32_t cumul = 0;
    for (long x = 0; x < total; ++x) {
        uint32_t n = entrees[x];
        entrees[x] = cumul;
        cumul += n;
    }
    entrees[total] = cumul;
    std::vector<uint32_t> parents(cumul);
    std::vector<uint32_t> rempli(entrees.begin(), entrees.end() - 1);
    for (int mi = 0; mi < nb_membres; ++mi) {
        int t = membres[mi];
        for (long off = 0; off < taille_table_finale(t); ++off) {
            long x = local(t, off);
            if (!valide[x]) continue;
            position_de_decalage(t, off, damier);
            enfants_finale(g, damier, enfants);
            for (const EnfantFinale& e : enfants)
                if (e.table >= 0 && interne(e.table))
                    parents[rempli[local(e.table, e.decalage)]++] = static_cast<uint32_t>(x);
        }
    }
    rempli.clear();
    rempli.shrink_to_fit();

    // Retrograde pass by increasing distance: losses at even distances,
    // wins at odd ones, so a bucket's parity says what it resolves.
    std::vector<std::vector<uint32_t>> seaux(2);
    auto pousser = [&](long x, int d) {
        if (static_cast<size_t>(d) >= seaux.size()) seaux.resize(static_cast<size_t>(d) + 1);
        seaux[static_cast<size_t>(d)].push_back(static_cast<uint32_t>(x));
    };
    for (long x = 0; x < total; ++x) {
        if (!valide[x]) continue;
        if (sans_coup[x])
            pousser(x, 0);
        else if (perte_ext[x] != SANS_PERTE)
            pousser(x, perte_ext[x] + 1);
        else if (restants[x] == 0 && !nulle_ext[x])
            pousser(x, gain_ext[x] + 1);
    }
    std::vector<uint8_t> etat(static_cast<size_t>(total), INCONNU);
    std::vector<int16_t> dist(static_cast<size_t>(total), 0);
    for (size_t d = 0; d < seaux.size(); ++d) {
        // seaux may grow while its bucket d is read: index, don't iterate.
        for (size_t i = 0; i < seaux[d].size(); ++i) {
            uint32_t x = seaux[d][i];
            if (etat[x] != INCONNU) continue;
            bool perdu = (d & 1) == 0;
            etat[x] = perdu ? PERDU : GAGNE;
            dist[x] = static_cast<int16_t>(d);
            for (uint32_t k = entrees[x]; k < entrees[x + 1]; ++k) {
                uint32_t p = parents[k];
                if (etat[p] != INCONNU) continue;
                if (perdu) {
                    pousser(p, static_cast<int>(d) + 1);
                } else if (--restants[p] == 0 && perte_ext[p] == SANS_PERTE && !nulle_ext[p]) {
                    pousser(p, std::max<int>(static_cast<int>(d), gain_ext[p]) + 1);
                }
            }
        }
        seaux[d].clear();
        seaux[d].shrink_to_fit();
    }

    for (int mi = 0; mi < nb_membres; ++mi) {
        int t = membres[mi];
        std::vector<int8_t>& out = tables[t];
        out.assign(static_cast<size_t>(taille_table_finale(t)), 0);
        BilanFinale& b = bilan[t];
        b = BilanFinale{};
        for (long off = 0; off < taille_table_finale(t); ++off) {
            long x = local(t, off);
            if (!valide[x]) continue;
            if (etat[x] == GAGNE) {
                out[off] = octet_finale(true, dist[x]);
                ++b.gains;
                b.gain_max = std::max<int>(b.gain_max, dist[x]);
            } else if (etat[x] == PERDU) {
                out[off] = octet_finale(false, dist[x]);
                ++b.pertes;
                b.perte_max = std::max<int>(b.perte_max, dist[x]);
            } else {
                ++b.nulles;
            }
        }
    }
}

bool verifier_finale(const std::vector<int8_t> tables[NB_TABLES_FINALES], int table, BilanFinale& bilan,
                     std::string& erreur, long pas) {
    bilan = BilanFinale{};
    const long taille = taille_table_finale(table);
    for (int t = 0; t < NB_TABLES_FINALES; ++t)
        if (tables[t].size() != static_cast<size_t>(taille_table_finale(t))) {
            erreur = std::string(nom_table_finale(t)) + ": missing or short";
            return false;
        }
    Generateur g;
    uint8_t damier[TAILLE_DAMIER];
    g.damier = damier;
    init_listes(g);
    std::vector<EnfantFinale> enfants;
    if (pas < 1) pas = 1;
    for (long off = 0; off < taille; ++off) {
        int8_t v = tables[table][static_cast<size_t>(off)];
        if (!position_de_decalage(table, off, damier)) {
            if (v != 0) {
                erreur = std::string(nom_table_finale(table)) + " offset " + std::to_string(off) +
                         ": no position here but byte " + std::to_string(v);
                return false;
            }
            continue;
        }
        if (v > 0)
            ++bilan.gains, bilan.gain_max = std::max(bilan.gain_max, distance_finale(v));
        else if (v < 0)
            ++bilan.pertes, bilan.perte_max = std::max(bilan.perte_max, distance_finale(v));
        else
            ++bilan.nulles;
        if (off % pas != 0) continue;

        int n = enfants_finale(g, damier, enfants);
        int perte_min = SANS_PERTE, gain_max = -1;
        bool nulle = false;
        for (const EnfantFinale& e : enfants) {
            if (e.table < 0) {
                perte_min = 0;
                continue;
            }
            if (e.decalage < 0) {
                erreur = std::string(nom_table_finale(table)) + " offset " + std::to_string(off) +
                         ": a move leads outside every table";
                return false;
            }
            ValeurEnfant c = valeur_octet(tables[e.table][static_cast<size_t>(e.decalage)]);
            if (c.etat == PERDU)
                perte_min = std::min(perte_min, c.distance);
            else if (c.etat == GAGNE)
                gain_max = std::max(gain_max, c.distance);
            else
                nulle = true;
        }
        int8_t attendu;
        const char* raison;
        if (n == 0) {
            attendu = -1, raison = "no move, must be lost";
        } else if (perte_min != SANS_PERTE) {
            attendu = octet_finale(true, perte_min + 1), raison = "won: one ply more than the nearest lost child";
        } else if (nulle) {
            attendu = 0, raison = "no lost child and a drawn one: draw";
        } else {
            attendu = octet_finale(false, gain_max + 1), raison = "every child won: lost one ply after the longest";
        }
        if (v != attendu) {
            erreur = std::string(nom_table_finale(table)) + " offset " + std::to_string(off) + " (" +
                     ecrire_fen(damier, BLANC) + "): byte " + std::to_string(v) + ", expected " +
                     std::to_string(attendu) + " (" + raison + ")";
            return false;
        }
    }
    return true;
}

}  // namespace kolmar
