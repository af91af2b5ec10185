// PDN FEN as kolmar-cli perft/go/egdb read it: a position read, written and
// read again is the same position, and the moves generated on it are moves
// of the side to move that take what they say they take.
#include <cstring>
#include <memory>

#include "commun.h"
#include "rules/board.h"
#include "rules/movegen.h"

using namespace kolmar;
using kolmar::fuzz::exiger;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t taille) {
    const std::string fen(reinterpret_cast<const char*>(data), taille);
    uint8_t d[TAILLE_DAMIER];
    int trait = -1;
    std::string erreur;
    if (!lire_fen(fen, d, trait, &erreur)) {
        exiger(!erreur.empty(), "a refused FEN says why");
        return 0;
    }
    exiger(trait == BLANC || trait == NOIR, "side to move is white or black");
    exiger(d[0] == BORD, "square 0 is the border");
    for (int s = 1; s <= NB_CASES; ++s) exiger(d[s] <= DAME_NOIRE, "piece codes 0..4");

    const std::string ecrit = ecrire_fen(d, trait);
    uint8_t relu[TAILLE_DAMIER];
    int trait_relu = -1;
    exiger(lire_fen(ecrit, relu, trait_relu, &erreur), "a written FEN reads back: " + ecrit + " " + erreur);
    exiger(std::memcmp(d, relu, TAILLE_DAMIER) == 0 && trait == trait_relu, "same position after write and read");
    exiger(ecrire_fen(relu, trait_relu) == ecrit, "writing is stable");

    static auto g = std::make_unique<Generateur>();
    g->damier = d;
    init_listes(*g);
    const int n = coups_legaux(*g, trait);
    int pieces = 0;
    for (int s = 1; s <= NB_CASES; ++s) pieces += d[s] != VIDE;
    for (int i = 0; i < n; ++i) {
        const Coup c = g->liste_coups[1][i];
        exiger(c.depart >= 1 && c.depart <= NB_CASES && couleur_de(d[c.depart], trait), "a move starts on our piece");
        exiger(c.arrivee >= 1 && c.arrivee <= NB_CASES, "a move ends on the board");
        exiger(c.nb_prises == g->prise_max, "every move takes the most pieces");
        exiger(d[c.arrivee] == VIDE || c.arrivee == c.depart, "a move ends on an empty square");
        uint8_t apres[TAILLE_DAMIER];
        std::memcpy(apres, d, TAILLE_DAMIER);
        for (int k = 0; k < c.nb_prises; ++k)
            exiger(c.prises[k] >= 1 && c.prises[k] <= NB_CASES && couleur_de(d[c.prises[k]], 1 - trait),
                   "a capture takes opposing pieces");
        jouer_coup(apres, c);
        int reste = 0;
        for (int s = 1; s <= NB_CASES; ++s) reste += apres[s] != VIDE;
        exiger(reste == pieces - c.nb_prises, "a move removes exactly the pieces it takes");
        exiger(std::memcmp(d, relu, TAILLE_DAMIER) == 0, "generating leaves the board as found");
    }
    return 0;
}
