// The checks of the game-text readers' fuzz targets (fuzz_pdn,
// fuzz_texte).
//
// Besides surviving any input, each checks what a reader must keep: the
// replay never writes past the record and leaves the board it recorded,
// and what the program writes of an accepted game reads back the same.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "records/partie_texte.h"
#include "records/pdn.h"
#include "rules/jeu.h"

namespace fuzz_textes {

using namespace kolmar;

// Says which property broke before stopping the run.
#define exiger(condition) \
    ((condition) ? void(0) : (std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #condition), std::abort()))

// The record after a replay: within bounds, boards of piece codes only,
// and the board on show is the last recorded one.
inline void verifier_rejeu(const Jeu& jeu, const Rejeu& r) {
    const Partie& pt = jeu.partie;
    exiger(pt.dernier_demi_coup >= 0 && pt.dernier_demi_coup <= DEMI_COUPS_MAX);
    exiger(pt.demi_coup_courant == pt.dernier_demi_coup);
    exiger(r.demi_coups == pt.dernier_demi_coup);
    for (int p = 0; p <= pt.dernier_demi_coup; ++p)
        for (int s = 0; s < NB_CASES; ++s) exiger(pt.partie[p][OFS_CASES + s] <= DAME_NOIRE);
    exiger(std::memcmp(jeu.plateau_affiche + 1, pt.partie[pt.dernier_demi_coup] + OFS_CASES, NB_CASES) == 0);
    exiger(jeu.plateau_affiche[0] == BORD);
}

inline void memes_positions(const Partie& a, const Partie& b) {
    exiger(a.dernier_demi_coup == b.dernier_demi_coup);
    for (int p = 0; p <= a.dernier_demi_coup; ++p)
        exiger(std::memcmp(a.partie[p] + OFS_CASES, b.partie[p] + OFS_CASES, NB_CASES) == 0);
}

}  // namespace fuzz_textes

using namespace fuzz_textes;

// PDN reader: every Canadian game that replays is written back as PDN and
// must replay to the same positions without a fault.
inline int fuzz_lire_pdn(const uint8_t* data, size_t size) {
    // Tags first, so the input is always taken as PDN.
    const std::string contenu = "[Event \"f\"]\n" + std::string(reinterpret_cast<const char*>(data), size);
    const std::vector<PartieLue> parties = lire_parties(contenu);
    // Games are large: reused from run to run, each replay starts afresh.
    static Jeu* const jeu = new Jeu;
    static Jeu* const relu = new Jeu;
    for (const PartieLue& p : parties) {
        exiger(p.coups.size() <= COUPS_LUS_MAX);
        EtatNote etat;
        const Rejeu r = rejouer_partie(p, *jeu, etat);
        if (r.refusee()) continue;
        verifier_rejeu(*jeu, r);
        const std::vector<PartieLue> retour =
            lire_parties(ecrire_pdn(pdn_de_partie(jeu->partie, jeu->trait, etat.nom_blanc, etat.nom_noir, 3)));
        exiger(retour.size() == 1);
        EtatNote e2;
        const Rejeu r2 = rejouer_partie(retour[0], *relu, e2);
        exiger(r2.faute == FauteRejeu::aucune);
        memes_positions(jeu->partie, relu->partie);
        exiger(e2.nom_blanc == etat.nom_blanc && e2.nom_noir == etat.nom_noir);
    }
    return 0;
}

// Text reader: any bytes as the program's text format; the text file
// written of what replayed holds one game and every half-move, a last
// white one included, no more, no less.
inline int fuzz_lire_texte(const uint8_t* data, size_t size) {
    const std::string contenu(reinterpret_cast<const char*>(data), size);
    const std::vector<PartieLue> parties = lire_parties(contenu);
    static Jeu* const jeu = new Jeu;
    for (const PartieLue& p : parties) {
        EtatNote etat;
        const Rejeu r = rejouer_partie(p, *jeu, etat);
        if (r.refusee()) continue;
        verifier_rejeu(*jeu, r);
        if (!p.fen.empty()) continue;  // the text format has no set-up
        const std::vector<PartieLue> retour = lire_parties(texte_partie(jeu->partie, "A", "B", RESULTAT_AUCUN));
        exiger(retour.size() == 1);
        exiger(static_cast<int>(retour[0].coups.size()) == jeu->partie.demi_coup_courant);
    }
    return 0;
}
