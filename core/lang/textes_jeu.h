// Texts of the controls around the computer's play: its menus and panels,
// the clocks, the level menu and the move-list navigation. Same layout as
// the main caption table, kept apart so each table has one owner.
#pragma once

#include <cstddef>

#include "lang/textes.h"

namespace kolmar {

enum class TexteJeu : int {
    OrdinateurContreOrdinateur,
    Edition,
    ReprendreCoups,
    AvancerCoups,
    RevenirAuDebut,
    AllerALaFin,
    ReculerDUnCoup,
    AvancerDUnCoup,
    InverserLesJoueurs,
    Niveau,
    XSpecial,
    ArretDuCalcul,
    HorlogesAZero,
    Pause,
    ReflexionSurTempsAdverse,
    ArretReflexionParClicSouris,
    Sons,
    BipAChaqueCoup,
    Autres,
    TailleDesTables,
    Calcul,
    ArreterLeCalcul,
    ProposerNul,
    NulRefuse,
    Zut,
    KolmarProposeNul,
    AppuyezSurOk,
    TrenteCoupsEn,
    Minutes,
    NB
};

// UTF-8 text in a language; French when the language has none.
const char* texte(TexteJeu t, int langue = FRANCAIS);

struct LegendeJeu {
    const char* controle;  // objectName
    TexteJeu texte;
};
const LegendeJeu* legendes_jeu(std::size_t& nb);

}  // namespace kolmar
