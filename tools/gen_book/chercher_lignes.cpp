// Proposes opening lines for the library with a small alpha-beta search:
// material, men kept in formation and in the centre, the back row kept.
// The side the library is for plays the search's best move; the other side
// branches over its good replies so that the lines cover the likely games.
//   chercher_lignes blancs|noirs [DEPTH]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/book.h"
#include "rules/board.h"
#include "rules/movegen.h"

using namespace kolmar;

namespace {

Generateur g;
uint8_t damier[TAILLE_DAMIER];
int profondeur = 6;

// From white's side; black's men are read on the board turned half round.
int evaluer_blanc() {
    int s = 0;
    for (int sq = 1; sq <= NB_CASES; ++sq) {
        uint8_t c = damier[sq];
        if (c == VIDE) continue;
        bool blanc = est_blanc(c);
        int signe = blanc ? 1 : -1;
        if (est_dame(c)) {
            s += signe * 320;
            continue;
        }
        int v = 100;
        int o = blanc ? sq : 73 - sq;  // as if it were a white man
        int r = rangee(o), col = colonne(o);
        v += (11 - r);                    // a little advance
        if (col >= 3 && col <= 8) v += 4;  // centre files
        if (col == 0 || col == 11) v -= 3;
        if (r == 11) v += 10;  // back row guard
        // Support from behind and neighbours beside keep the formation.
        int appui = 0;
        for (int d = 0; d < 4; ++d) {
            int n = blanc ? voisin[d][sq] : voisin[3 - d][sq];
            if (n && damier[n] != VIDE && damier[n] != BORD && est_blanc(damier[n]) == blanc) ++appui;
        }
        v += appui >= 1 ? 3 * appui : -5;
        s += signe * v;
    }
    return s;
}

int negamax(int side, int prof, int ply, int alpha, int beta) {
    g.ply = ply;
    int n = generer_coups(g, side);
    if (n == 0) return -30000 + ply;
    bool prises = g.prise_max > 0;
    if ((prof <= 0 && !prises) || ply >= NB_LISTES - 2) {
        int e = evaluer_blanc();
        return side == BLANC ? e : -e;
    }
    uint8_t garde[TAILLE_DAMIER];
    std::memcpy(garde, damier, TAILLE_DAMIER);
    int best = -32000;
    for (int i = 0; i < n; ++i) {
        jouer_coup(damier, g.liste_coups[ply][i]);
        int v = -negamax(1 - side, prises ? prof : prof - 1, ply + 1, -beta, -alpha);
        std::memcpy(damier, garde, TAILLE_DAMIER);
        if (v > best) best = v;
        if (v > alpha) alpha = v;
        if (alpha >= beta) break;
    }
    return best;
}

struct Note {
    Coup coup;
    int score;
};

// Root moves with their scores, best first (stable: generation order on ties).
std::vector<Note> noter(int side) {
    g.ply = 1;
    int n = generer_coups(g, side);
    std::vector<Coup> coups(g.liste_coups[1], g.liste_coups[1] + n);
    uint8_t garde[TAILLE_DAMIER];
    std::memcpy(garde, damier, TAILLE_DAMIER);
    std::vector<Note> notes;
    for (const Coup& c : coups) {
        jouer_coup(damier, c);
        int v = -negamax(1 - side, profondeur - 1, 2, -32000, 32000);
        std::memcpy(damier, garde, TAILLE_DAMIER);
        notes.push_back({c, v});
    }
    std::stable_sort(notes.begin(), notes.end(), [](const Note& a, const Note& b) { return a.score > b.score; });
    return notes;
}

int camp_livre;
int longueur;
std::vector<CoupLivre> chemin;

// How many moves the other side branches over at half-move j, and how far
// below the best a reply may score.
int largeur(int j) {
    if (camp_livre == BLANC) return j == 2 ? 5 : j <= 4 ? 3 : j <= 8 ? 2 : 1;
    return j == 1 ? 11 : j <= 3 ? 3 : j <= 7 ? 2 : 1;
}
// The library's own side varies only its first move.
int largeur_livre(int j) { return j <= 2 ? 2 : 1; }
constexpr int MARGE = 40;

void explorer(int side, int j) {
    // A line never stops in the middle of an exchange.
    g.ply = 1;
    bool prise = generer_coups(g, side) > 0 && g.prise_max > 0;
    if (j > longueur && (!prise || j > COUPS_LIGNE_MAX)) {
        std::printf("%s\n", ecrire_ligne(chemin).c_str());
        std::fflush(stdout);
        return;
    }
    std::vector<Note> notes = noter(side);
    if (notes.empty()) return;
    int k = side == camp_livre ? largeur_livre(j) : largeur(j);
    uint8_t garde[TAILLE_DAMIER];
    std::memcpy(garde, damier, TAILLE_DAMIER);
    for (int i = 0; i < k && i < static_cast<int>(notes.size()); ++i) {
        if (notes[i].score < notes[0].score - MARGE) break;
        chemin.push_back({notes[i].coup.depart, notes[i].coup.arrivee});
        jouer_coup(damier, notes[i].coup);
        explorer(1 - side, j + 1);
        std::memcpy(damier, garde, TAILLE_DAMIER);
        chemin.pop_back();
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || (std::strcmp(argv[1], "blancs") != 0 && std::strcmp(argv[1], "noirs") != 0)) {
        std::fprintf(stderr, "usage: chercher_lignes blancs|noirs [DEPTH] [LENGTH]\n");
        return 2;
    }
    camp_livre = std::strcmp(argv[1], "noirs") == 0 ? NOIR : BLANC;
    if (argc > 2) profondeur = std::atoi(argv[2]);
    longueur = argc > 3 ? std::atoi(argv[3]) : 14;
    position_initiale(damier);
    g.damier = damier;
    init_listes(g);
    explorer(BLANC, 1);
    return 0;
}
