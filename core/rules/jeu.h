// The rules' state of one game: working board, committed position, side to
// move, piece counts, the move generator and the game record. The window,
// the engine and the tools each work on one Jeu.
#pragma once

#include <cstdint>
#include <cstring>

#include "rules/board.h"
#include "rules/movegen.h"
#include "rules/record.h"

namespace kolmar {

struct Jeu {
    uint8_t damier[TAILLE_DAMIER];           // working board, the search plays on it
    uint8_t plateau_affiche[TAILLE_DAMIER];  // the game position between moves, as drawn
    uint8_t trait = BLANC;
    uint8_t nb_pieces[5] = {};
    Generateur gen;
    Partie partie;

    Jeu() {
        position_initiale(damier);
        std::memcpy(plateau_affiche, damier, TAILLE_DAMIER);
        gen.damier = damier;
        init_listes(gen);
        compter_pieces(damier, nb_pieces);
    }
    Jeu(const Jeu&) = delete;
    Jeu& operator=(const Jeu&) = delete;

    // The initial position on both boards, white to move.
    void initialiser() {
        position_initiale(damier);
        std::memcpy(plateau_affiche, damier, TAILLE_DAMIER);
        trait = BLANC;
        compter_pieces(damier, nb_pieces);
    }
    void damier_depuis_plateau() {
        std::memcpy(damier, plateau_affiche, TAILLE_DAMIER);
        damier[0] = BORD;
    }
    void plateau_depuis_damier() { std::memcpy(plateau_affiche, damier, TAILLE_DAMIER); }
};

// A player's own copy of a game to think on: the board `plateau` (the
// game's position between moves), the side to move and the record the
// repetition rule reads; the move list's lines are left out.
inline void copier_pour_moteur(const Jeu& de, const uint8_t plateau[TAILLE_DAMIER], Jeu& vers) {
    std::memcpy(vers.damier, plateau, TAILLE_DAMIER);
    vers.damier[0] = BORD;
    std::memcpy(vers.plateau_affiche, vers.damier, TAILLE_DAMIER);
    vers.trait = de.trait;
    compter_pieces(vers.damier, vers.nb_pieces);
    std::memcpy(vers.partie.partie, de.partie.partie, sizeof vers.partie.partie);
    std::memcpy(vers.partie.materiel, de.partie.materiel, sizeof vers.partie.materiel);
    vers.partie.demi_coup_courant = de.partie.demi_coup_courant;
    vers.partie.dernier_demi_coup = de.partie.dernier_demi_coup;
}

}  // namespace kolmar
