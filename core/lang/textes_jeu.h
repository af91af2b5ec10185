// Texts of the controls around the computer's play: its menus and panels,
// the clocks, the level menu and the move-list navigation. Same layout as
// the main caption table, kept apart so each table has one owner.
#pragma once

#include <cstddef>

#include "lang/textes.h"

namespace kolmar {

// Keys in the language files, like the main table's.
// clang-format off
#define KOLMAR_TEXTES_JEU(X)            \
    X(OrdinateurContreOrdinateur)       \
    X(Edition)                          \
    X(ReprendreCoups)                   \
    X(AvancerCoups)                     \
    X(RevenirAuDebut)                   \
    X(AllerALaFin)                      \
    X(ReculerDUnCoup)                   \
    X(AvancerDUnCoup)                   \
    X(InverserLesJoueurs)               \
    X(Niveau)                           \
    X(XSpecial)                         \
    X(ArretDuCalcul)                    \
    X(HorlogesAZero)                    \
    X(Pause)                            \
    X(ReflexionSurTempsAdverse)         \
    X(ArretReflexionParClicSouris)      \
    X(Sons)                             \
    X(BipAChaqueCoup)                   \
    X(Autres)                           \
    X(TailleDesTables)                  \
    X(Calcul)                           \
    X(ArreterLeCalcul)                  \
    X(ProposerNul)                      \
    X(NulRefuse)                        \
    X(Zut)                              \
    X(KolmarProposeNul)                 \
    X(AppuyezSurOk)                     \
    X(TrenteCoupsEn)                    \
    X(Minutes)                          \
    X(TrenteCoups3mn)                   \
    X(TrenteCoups5mn)                   \
    X(TrenteCoups10mn)                  \
    X(TrenteCoups30mn)                  \
    X(TrenteCoups1h)                    \
    X(TrenteCoups2h)
// clang-format on

enum class TexteJeu : int {
#define KOLMAR_ID(n) n,
    KOLMAR_TEXTES_JEU(KOLMAR_ID)
#undef KOLMAR_ID
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
