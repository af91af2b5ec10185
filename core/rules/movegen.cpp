#include "rules/movegen.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "rules/bits.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kolmar {

namespace {

inline bool adverse(const Generateur& g, uint8_t code) {
    return code == g.adverses[0] || code == g.adverses[1];
}

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

namespace {

// The board's squares of each kind as sets: the scan of 72 bytes done
// sixteen at a time.
struct Ensembles {
    Bits hommes, dames, ennemis, vides;
};

#if defined(__SSE2__)
inline uint32_t masque_egal(__m128i v, uint8_t code) {
    return static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8(static_cast<char>(code)))));
}
#endif

inline Ensembles ensembles(const uint8_t* d, uint8_t homme, uint8_t ennemi) {
    Ensembles e{0, 0, 0, 0};
#if defined(__SSE2__)
    // Row pair g (squares 12g+1..12g+12) takes bits 13g..13g+11; the last
    // load ends on square 72 and drops its first four bytes.
    for (int g = 0; g < 6; ++g) {
        const int de = g < 5 ? 1 + 12 * g : 57;
        const int decale = g < 5 ? 0 : 4;
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + de));
        const int b = 13 * g;
        e.hommes |= Bits((masque_egal(v, homme) >> decale) & 0xFFF) << b;
        e.dames |= Bits((masque_egal(v, homme + 1) >> decale) & 0xFFF) << b;
        e.ennemis |= Bits(((masque_egal(v, ennemi) | masque_egal(v, ennemi + 1)) >> decale) & 0xFFF) << b;
        e.vides |= Bits((masque_egal(v, VIDE) >> decale) & 0xFFF) << b;
    }
#else
    for (int s = 1; s <= NB_CASES; ++s) {
        const uint8_t c = d[s];
        if (c == homme)
            e.hommes |= bit(s);
        else if (c == homme + 1)
            e.dames |= bit(s);
        else if (c == ennemi || c == ennemi + 1)
            e.ennemis |= bit(s);
        else if (c == VIDE)
            e.vides |= bit(s);
    }
#endif
    return e;
}

// Men with an enemy beside them and an empty square beyond, in direction D.
template <int D>
inline Bits preneurs(Bits hommes, Bits ennemis, Bits vides) {
    return hommes & pas<3 - D>(ennemis & pas<3 - D>(vides));
}

inline int derniere_case(Bits x) {
    uint64_t hi = static_cast<uint64_t>(x >> 64);
    int b = hi ? 127 - __builtin_clzll(hi) : 63 - __builtin_clzll(static_cast<uint64_t>(x));
    return b - b / 13 + 1;
}

// Visits the squares of x in the side's scan order: white from 72 down,
// black from 1 up.
template <typename F>
inline void balayer(Bits x, int side, F&& f) {
    if (side == BLANC) {
        while (x) {
            const int s = derniere_case(x);
            x &= ~bit(s);
            f(static_cast<uint8_t>(s));
        }
    } else {
        for (; x; x = sans_premiere(x)) f(static_cast<uint8_t>(premiere_case(x)));
    }
}

}  // namespace

int generer_coups(Generateur& g, int side) {
    uint8_t* d = g.damier;
    g.nb_coups[g.ply] = 0;
    g.prise_max = 0;
    g.chemin[1] = 0;
    choisir_adverses(g, side);
    const uint8_t homme = side == BLANC ? PION_BLANC : PION_NOIR;
    const Ensembles e = ensembles(d, homme, g.adverses[0]);

    // Only pieces that may capture are searched: a man with a capture at
    // hand, and every king. The others would record nothing.
    const Bits candidats = preneurs<0>(e.hommes, e.ennemis, e.vides) | preneurs<1>(e.hommes, e.ennemis, e.vides) |
                           preneurs<2>(e.hommes, e.ennemis, e.vides) | preneurs<3>(e.hommes, e.ennemis, e.vides) |
                           e.dames;
    if (candidats) {
        balayer(candidats, side, [&](uint8_t s) {
            g.case_origine = s;
            const uint8_t code = d[s];
            if (code == homme)
                prise_pion<false>(g, s, 1);
            else
                prise_dame<false>(g, s, 7, 1);
            d[s] = code;
        });
        const int n = g.nb_coups[g.ply];
        if (n > 0) {
            if (g.ordonner) g.ordonner(g.ordonner_ctx, g.liste_coups[g.ply], n, true);
            return n;
        }
    }

    // A man has two steps, a king at most 22 squares along its diagonals.
    const int borne = 2 * compter_bits(e.hommes) + 22 * compter_bits(e.dames);
    if (borne > g.capacite[g.ply]) agrandir_liste(g, g.ply, borne);
    Coup* liste = g.liste_coups[g.ply];
    int n = 0;
    const int d0 = side == BLANC ? 0 : 2;
    balayer(e.hommes | e.dames, side, [&](uint8_t s) {
        auto pas_simple = [&](uint8_t t) {
            Coup& c = liste[n++];
            c.depart = s;
            c.arrivee = t;
            c.nb_prises = 0;
        };
        if (d[s] == homme) {
            for (int dir = d0; dir < d0 + 2; ++dir) {
                uint8_t t = voisin[dir][s];
                if (d[t] == VIDE) pas_simple(t);
            }
        } else {
            for (int dir = 0; dir < 4; ++dir) {
                uint8_t t = voisin[dir][s];
                while (d[t] == VIDE) {
                    pas_simple(t);
                    t = voisin[dir][t];
                }
            }
        }
    });
    g.nb_coups[g.ply] = n;
    if (n > 0 && g.ordonner) g.ordonner(g.ordonner_ctx, liste, n, false);
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
    if (est_dame(code))
        prise_dame<true>(g, static_cast<uint8_t>(square), 5, 1);
    else
        prise_pion<true>(g, static_cast<uint8_t>(square), 1);
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
