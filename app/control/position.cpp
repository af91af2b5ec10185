#include "control/position.h"

#include <cstring>

namespace kolmar {

void poser_position(Jeu& J, const uint8_t plateau[TAILLE_DAMIER]) {
    if (plateau != J.plateau_affiche) std::memcpy(J.plateau_affiche, plateau, TAILLE_DAMIER);
    J.plateau_affiche[0] = BORD;
    J.damier_depuis_plateau();
    compter_pieces(J.damier, J.nb_pieces);
}

void poser_case(Jeu& J, int s, uint8_t code) {
    if (s < 1 || s > NB_CASES) return;
    J.plateau_affiche[s] = J.damier[s] = code;
    compter_pieces(J.damier, J.nb_pieces);
}

bool position_coherente(const Jeu& J) {
    if (J.damier[0] != BORD || std::memcmp(J.damier + 1, J.plateau_affiche + 1, NB_CASES) != 0) return false;
    uint8_t nb[5] = {};
    compter_pieces(J.damier, nb);
    return std::memcmp(nb, J.nb_pieces, sizeof nb) == 0;
}

}  // namespace kolmar
