// Legal move generation under the majority capture rule.
//
// Two generators share one algorithm: the engine generator fills the list
// of one ply with Coup records; the input-side generator lists the moves of
// one piece together with the landing square after each capture, for move
// entry by clicks and for showing a capture jump by jump.
#pragma once

#include <cstdint>
#include <vector>

#include "rules/board.h"

namespace kolmar {

// Plies 0..NB_LISTES-1 each own a list; the search never goes past ply 33.
constexpr int NB_LISTES = 35;

// Room each ply's list starts with. A list grows when a position has more
// records (a king's capture of many pieces can be listed in many orders:
// over a thousand records), so after the first such position the search
// never allocates again.
constexpr int CAPACITE_LISTE = 640;

// Move ordering is the search's business: it installs this hook, which the
// generator calls on every list it produced (captures = prise_max > 0).
using FonctionOrdre = void (*)(void* ctx, Coup* liste, int n, bool captures);

// The move-entry rows: row i holds bytes 1..prise_max of move i (index 0
// unused), growing with the list.
class LignesCases {
   public:
    uint8_t* operator[](int i) { return donnees_.data() + static_cast<size_t>(i) * LARGEUR; }
    const uint8_t* operator[](int i) const { return donnees_.data() + static_cast<size_t>(i) * LARGEUR; }
    // Room for rows 0..n-1, keeping the rows written.
    void reserver(int n) {
        if (static_cast<size_t>(n) * LARGEUR > donnees_.size()) donnees_.resize(static_cast<size_t>(n) * 2 * LARGEUR);
    }
    static constexpr size_t LARGEUR = MAX_PRISES + 1;

   private:
    std::vector<uint8_t> donnees_;
};

struct Generateur {
    uint8_t* damier = nullptr;  // the board generated from, never reallocated

    Coup* liste_coups[NB_LISTES] = {};
    int nb_coups[NB_LISTES] = {};
    int ply = 1;
    uint8_t prise_max = 0;
    uint8_t case_origine = 0;
    uint8_t adverses[2] = {0, 0};
    // chemin[k] is written up to k = MAX_PRISES + 2 (a king's landing square
    // after its last piece).
    uint8_t chemin[MAX_PRISES + 3] = {};

    // Input side: candidates of one piece, their captured squares and the
    // landing square after each capture, indexes 1..prise_max.
    int nb_candidats = 0;
    LignesCases cases_prises;
    LignesCases cases_arrets;
    uint8_t arrets[MAX_PRISES + 2] = {};

    FonctionOrdre ordonner = nullptr;
    void* ordonner_ctx = nullptr;

    // The storage behind liste_coups[p] and its size, read on every record.
    std::vector<Coup> stock[NB_LISTES];
    int capacite[NB_LISTES] = {};
};

// Grows ply p's list to hold at least n records, keeping those written.
void agrandir_liste(Generateur& g, int p, int n);

// Zeroes the counts and the path; allocates the lists on first call.
void init_listes(Generateur& g);

// Fills liste_coups[g.ply] with the legal moves of side on g.damier; sets
// prise_max. The board is left as it was found.
int generer_coups(Generateur& g, int side);

// The game position's moves: ply 1, fresh lists.
int coups_legaux(Generateur& g, int side);

// Moves of the piece on square with their paths (cases_prises/cases_arrets).
// Plain moves are listed only when the piece belongs to side.
int coups_piece(Generateur& g, int square, int side);

// Landing squares of a chosen capture into cases_arrets[0][1..prise_max].
bool chemin_de_prise(Generateur& g, int square, const uint8_t* prises);

// Plays c on damier: lifts captured pieces, crowns a man ending on its last
// row. Returns the moving piece's code before the move.
uint8_t jouer_coup(uint8_t* damier, const Coup& c);

// The same pieces taken, in whatever order (a PDN capture names only its
// squares, not the order of the jumps).
bool memes_pieces_prises(const Coup& a, const Coup& b);
// Same move identity wherever the exact path matters.
bool meme_prise(const Coup& a, const Coup& b);

}  // namespace kolmar
