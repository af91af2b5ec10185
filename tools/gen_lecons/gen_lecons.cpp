// Builds a lesson's ".dam" from its PDN source: the set-up position and
// the moves of its solution, shown from the start (current ply 0) so the
// pupil looks for the moves and steps forward to check them.
#include <cstdio>
#include <memory>

#include "lang/messages.h"
#include "records/gamefile.h"
#include "records/partie_texte.h"
#include "rules/jeu.h"

using namespace kolmar;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: gen_lecons LESSON.pdn OUT.dam\n");
        return 2;
    }
    std::vector<PartieLue> parties;
    if (!ouvrir_fichier_parties(argv[1], parties).ok || parties.size() != 1) {
        std::fprintf(stderr, "gen_lecons: %s must hold exactly one game\n", argv[1]);
        return 1;
    }
    auto jeu = std::make_unique<Jeu>();
    EtatNote etat;
    const Rejeu r = rejouer_partie(parties[0], *jeu, etat);
    // A lesson whose moves do not all replay would teach a wrong line.
    if (r.faute != FauteRejeu::aucune || r.demi_coups == 0 || r.demi_coups > LONGUEUR_LECON_MAX) {
        std::fprintf(stderr, "gen_lecons: %s: %d plies, %s\n", argv[1], r.demi_coups, texte_rejeu(r, 1).c_str());
        return 1;
    }
    Partie& pt = jeu->partie;
    // Back to the set-up: the side to move there is the first mover's.
    if (pt.demi_coup_courant % 2) jeu->trait = static_cast<uint8_t>(1 - jeu->trait);
    pt.demi_coup_courant = 0;
    const ResultatFichier res = ecrire_partie(argv[2], pt, jeu->trait, Reglages());
    if (!res.ok) {
        std::fprintf(stderr, "gen_lecons: %s: %s\n", argv[2], texte_resultat(res, 1).c_str());
        return 1;
    }
    return 0;
}
