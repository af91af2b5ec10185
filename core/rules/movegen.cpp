#include "rules/movegen.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace kolmar {

namespace {

inline bool adverse(const Generateur& g, uint8_t code) { return code == g.adverses[0] || code == g.adverses[1]; }

// Appends (depart, arrivee) with the current path; SAISIE also keeps the
// landing squares for move entry.
template <bool SAISIE>
inline void enregistrer(Generateur& g, uint8_t depart, uint8_t arrivee) {
    int& n = g.nb_coups[g.ply];
    if (n >= g.capacite[g.ply]) agrandir_liste(g, g.ply, n + 1);
    Coup& c = g.liste_coups[g.ply][n];
    c.depart = depart;
    c.arrivee = arrivee;
    c.nb_prises = g.prise_max;
    std::memcpy(c.prises, g.chemin + 1, g.prise_max);
    if constexpr (SAISIE) {
        g.cases_prises.reserver(n + 1);
        g.cases_arrets.reserver(n + 1);
        std::memcpy(&g.cases_prises[n][1], g.chemin + 1, g.prise_max);
        std::memcpy(&g.cases_arrets[n][1], g.arrets + 1, g.prise_max);
        g.nb_candidats = n + 1;
    }
    ++n;
}

template <bool SAISIE>
inline void vider_liste(Generateur& g) {
    g.nb_coups[g.ply] = 0;
    if constexpr (SAISIE) g.nb_candidats = 0;
}

// A man captures in all four directions; k counts the pieces taken once
// the next jump is made.
template <bool SAISIE>
void prise_pion(Generateur& g, uint8_t cur, int k) {
    uint8_t* d = g.damier;
    for (int dir = 0; dir < 4; ++dir) {
        uint8_t a = voisin[dir][cur];
        if (!adverse(g, d[a])) continue;
        uint8_t b = voisin[dir][a];
        if (d[b] != VIDE) continue;
        if (k > MAX_PRISES) continue;
        uint8_t garde = d[a];
        d[a] = PRIS;
        d[cur] = VIDE;
        g.chemin[k] = a;
        if constexpr (SAISIE) g.arrets[k] = b;
        prise_pion<SAISIE>(g, b, k + 1);
        d[a] = garde;
        if (k >= g.prise_max) {
            if (k > g.prise_max) vider_liste<SAISIE>(g);
            g.prise_max = static_cast<uint8_t>(k);
            enregistrer<SAISIE>(g, g.case_origine, b);
        }
    }
}

// A flying king: k - 1 pieces taken so far, chemin[k] holds the square it
// landed on. It never turns back along its incoming line (din), and goes
// on straight only to take a piece right next to its landing square: the
// farther landing squares of that line are tried by the caller.
template <bool SAISIE>
void prise_dame(Generateur& g, uint8_t cur, int din, int k) {
    uint8_t* d = g.damier;
    g.chemin[k + 1] = 0;
    for (int dir = 0; dir < 4; ++dir) {
        if (dir == 3 - din) continue;
        d[cur] = VIDE;
        uint8_t t = cur;
        uint8_t n = voisin[dir][t];
        bool arret = false;
        while (d[n] == VIDE) {
            if (dir == din) {
                arret = true;
                break;
            }
            t = n;
            n = voisin[dir][t];
        }
        if (!arret && adverse(g, d[n]) && k <= MAX_PRISES) {
            uint8_t l = voisin[dir][n];
            if (d[l] == VIDE) {
                uint8_t garde = d[n];
                d[n] = PRIS;
                g.chemin[k] = n;
                while (d[l] == VIDE) {
                    g.chemin[k + 1] = l;
                    if constexpr (SAISIE) g.arrets[k] = l;
                    prise_dame<SAISIE>(g, l, dir, k + 1);
                    d[l] = VIDE;
                    l = voisin[dir][l];
                }
                d[n] = garde;
            }
        }
        if (k > g.prise_max && g.chemin[k] != 0) {
            if (k > g.prise_max + 1) vider_liste<SAISIE>(g);
            g.prise_max = static_cast<uint8_t>(k - 1);
            enregistrer<SAISIE>(g, g.case_origine, g.chemin[k]);
            g.chemin[k] = 0;
        }
    }
}

inline void choisir_adverses(Generateur& g, int side) {
    if (side == BLANC) {
        g.adverses[0] = PION_NOIR;
        g.adverses[1] = DAME_NOIRE;
    } else {
        g.adverses[0] = PION_BLANC;
        g.adverses[1] = DAME_BLANCHE;
    }
}

inline void pas_simple(Generateur& g, uint8_t depart, uint8_t arrivee) {
    int& n = g.nb_coups[g.ply];
    if (n >= g.capacite[g.ply]) agrandir_liste(g, g.ply, n + 1);
    Coup& c = g.liste_coups[g.ply][n++];
    c.depart = depart;
    c.arrivee = arrivee;
    c.nb_prises = 0;
}

}  // namespace

void agrandir_liste(Generateur& g, int p, int n) {
    std::vector<Coup>& v = g.stock[p];
    if (static_cast<int>(v.size()) >= n) return;
    v.resize(std::max<size_t>(static_cast<size_t>(n), v.size() * 2));
    g.liste_coups[p] = v.data();
    g.capacite[p] = static_cast<int>(v.size());
}

void init_listes(Generateur& g) {
    if (!g.liste_coups[0]) {
        for (int p = 0; p < NB_LISTES; ++p) agrandir_liste(g, p, CAPACITE_LISTE);
        g.cases_prises.reserver(CAPACITE_LISTE);
        g.cases_arrets.reserver(CAPACITE_LISTE);
    }
    std::memset(g.nb_coups, 0, sizeof g.nb_coups);
    std::memset(g.chemin, 0, sizeof g.chemin);
}

int generer_coups(Generateur& g, int side) {
    uint8_t* d = g.damier;
    g.nb_coups[g.ply] = 0;
    g.prise_max = 0;
    g.chemin[1] = 0;
    choisir_adverses(g, side);
    const uint8_t homme = side == BLANC ? PION_BLANC : PION_NOIR;
    const uint8_t dame = homme + 1;

    uint8_t pieces[NB_CASES];
    int nb_pieces = 0;
    for (int k = 1; k <= NB_CASES; ++k) {
        uint8_t s = static_cast<uint8_t>(side == BLANC ? ordre_balayage[k] : ordre_balayage[73 - k]);
        uint8_t code = d[s];
        if (code == homme) {
            pieces[nb_pieces++] = s;
            g.case_origine = s;
            prise_pion<false>(g, s, 1);
            d[s] = code;
        } else if (code == dame) {
            pieces[nb_pieces++] = s;
            g.case_origine = s;
            prise_dame<false>(g, s, 7, 1);
            d[s] = code;
        }
    }
    int n = g.nb_coups[g.ply];
    if (n > 0) {
        if (g.ordonner) g.ordonner(g.ordonner_ctx, g.liste_coups[g.ply], n, true);
        return n;
    }

    const int d0 = side == BLANC ? 0 : 2;
    for (int i = 0; i < nb_pieces; ++i) {
        uint8_t s = pieces[i];
        if (d[s] == homme) {
            for (int dir = d0; dir < d0 + 2; ++dir) {
                uint8_t t = voisin[dir][s];
                if (d[t] == VIDE) pas_simple(g, s, t);
            }
        } else {
            for (int dir = 0; dir < 4; ++dir) {
                uint8_t t = voisin[dir][s];
                while (d[t] == VIDE) {
                    pas_simple(g, s, t);
                    t = voisin[dir][t];
                }
            }
        }
    }
    n = g.nb_coups[g.ply];
    if (n > 0 && g.ordonner) g.ordonner(g.ordonner_ctx, g.liste_coups[g.ply], n, false);
    return n;
}

int coups_legaux(Generateur& g, int side) {
    g.ply = 1;
    init_listes(g);
    g.damier[0] = BORD;
    return generer_coups(g, side);
}

int coups_piece(Generateur& g, int square, int side) {
    if (square < 1 || square > NB_CASES) return 0;
    if (!g.liste_coups[0]) init_listes(g);
    uint8_t* d = g.damier;
    d[0] = BORD;
    g.ply = 1;
    g.nb_coups[1] = 0;
    g.nb_candidats = 0;
    g.prise_max = 0;
    std::memset(g.chemin, 0, sizeof g.chemin);
    std::memset(g.arrets, 0, sizeof g.arrets);
    uint8_t code = d[square];
    if (code < 1 || code > 4) return 0;
    g.case_origine = static_cast<uint8_t>(square);
    choisir_adverses(g, code > 2 ? NOIR : BLANC);
    if (est_dame(code)) prise_dame<true>(g, static_cast<uint8_t>(square), 5, 1);
    else prise_pion<true>(g, static_cast<uint8_t>(square), 1);
    d[square] = code;
    if (g.prise_max > 0) return g.nb_candidats;

    if (!couleur_de(code, side)) return 0;
    auto ajouter = [&](uint8_t t) {
        int& n = g.nb_coups[1];
        if (n >= g.capacite[1]) agrandir_liste(g, 1, n + 1);
        g.cases_prises.reserver(n + 1);
        g.cases_arrets.reserver(n + 1);
        Coup& c = g.liste_coups[1][n];
        c.depart = static_cast<uint8_t>(square);
        c.arrivee = t;
        c.nb_prises = 0;
        std::memset(g.cases_prises[n], 0, LignesCases::LARGEUR);
        std::memset(g.cases_arrets[n], 0, LignesCases::LARGEUR);
        g.cases_arrets[n][1] = t;
        g.nb_candidats = ++n;
    };
    if (est_dame(code)) {
        for (int dir = 0; dir < 4; ++dir)
            for (uint8_t t = voisin[dir][square]; d[t] == VIDE; t = voisin[dir][t]) ajouter(t);
    } else {
        int d0 = code == PION_BLANC ? 0 : 2;
        for (int dir = d0; dir < d0 + 2; ++dir) {
            uint8_t t = voisin[dir][square];
            if (d[t] == VIDE) ajouter(t);
        }
    }
    return g.nb_candidats;
}

bool chemin_de_prise(Generateur& g, int square, const uint8_t* prises) {
    int n = coups_piece(g, square, est_noir(g.damier[square]) ? NOIR : BLANC);
    if (n <= 0) return true;
    int choisi = n - 1;
    for (int i = 0; i < n; ++i) {
        if (std::memcmp(&g.cases_prises[i][1], prises, g.prise_max) == 0) {
            choisi = i;
            break;
        }
    }
    if (choisi != 0) std::memcpy(&g.cases_arrets[0][1], &g.cases_arrets[choisi][1], g.prise_max);
    return true;
}

uint8_t jouer_coup(uint8_t* damier, const Coup& c) {
    uint8_t code = damier[c.depart];
    damier[c.depart] = VIDE;
    for (int i = 0; i < c.nb_prises; ++i) damier[c.prises[i]] = VIDE;
    damier[c.arrivee] = case_de_promotion(code, c.arrivee) ? code + 1 : code;
    return code;
}

bool memes_pieces_prises(const Coup& a, const Coup& b) {
    if (a.nb_prises != b.nb_prises) return false;
    uint8_t x[MAX_PRISES], y[MAX_PRISES];
    std::memcpy(x, a.prises, a.nb_prises);
    std::memcpy(y, b.prises, b.nb_prises);
    std::sort(x, x + a.nb_prises);
    std::sort(y, y + b.nb_prises);
    return std::memcmp(x, y, a.nb_prises) == 0;
}

bool meme_prise(const Coup& a, const Coup& b) {
    return a.depart == b.depart && a.arrivee == b.arrivee && a.nb_prises == b.nb_prises &&
           std::memcmp(a.prises, b.prises, a.nb_prises) == 0;
}

}  // namespace kolmar
