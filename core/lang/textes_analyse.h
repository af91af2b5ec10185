// Texts of the game analysis, the position set-up and the parameters
// editor: the analysis lines are printf formats filled by engine/analyse,
// the rest are captions. Same layout as the main caption table.
#pragma once

#include <cstddef>

#include "lang/textes.h"

namespace kolmar {

// Each id and its key in the language files. A caption the main table
// already has with the same French text shares its line, and so its
// translations.
//
// LigneLongue*/LigneCourte*: one line per analysed move: %2d move number,
// %s-%s the played move, %2d its score, %s-%s the best move, %2d its score
// (hundredths of a man). Suite: appended to a marked long line, the first
// two moves of the best line. The two legend lines follow the list.
// EvalStat*: %4d, the side's static score in hundredths.
// clang-format off
#define KOLMAR_TEXTES_ANALYSE(X)                                                                                       \
    X(LigneLongueBlanc, LigneLongueBlanc)                                                                              \
    X(LigneLongueNoir, LigneLongueNoir)                                                                                \
    X(LigneCourteBlanc, LigneCourteBlanc)                                                                              \
    X(LigneCourteNoir, LigneCourteNoir)                                                                                \
    X(Suite, SuiteAnalyse)                                                                                             \
    X(LegendeScores, LegendeScores)                                                                                    \
    X(LegendeAttente, LegendeAttente)                                                                                  \
    X(DebuterUneAnalyse, DebuterUneAnalyse)                                                                            \
    X(ArreterCettePhase, ArreterCettePhase)                                                                            \
    X(TerminerLAnalyse, TerminerLAnalyse)                                                                              \
    X(FenetreAnalyse, FenetreAnalyse)                                                                                  \
    X(Suivant, Suivant)                                                                                                \
    X(FinAnalyse, FinAnalyse)                                                                                          \
    X(EditerAnalyse, EditerAnalyse)                                                                                    \
    X(ImprimerAnalyse, ImprimerAnalyse)                                                                                \
    X(Apprendre, Apprendre)                                                                                            \
    X(Probleme, Probleme)                                                                                              \
    X(PlacezLesPions, PlacezLesPions)                                                                                  \
    X(ViderLeDamier, ViderLeDamier)                                                                                    \
    X(RemplirLeDamier, RemplirLeDamier)                                                                                \
    X(InstallerUnePosition, InstallerUnePosition)                                                                      \
    X(PionSelectionne, PionSelectionne)                                                                                \
    X(JoueurJoue, JoueurJoue)                                                                                          \
    X(OrdinateurJoue, OrdinateurJoue)                                                                                  \
    X(EvalStatBlancs, EvalStatBlancs)                                                                                  \
    X(EvalStatNoirs, EvalStatNoirs)                                                                                    \
    X(ModifierLesParametres, ModifierParametres)                                                                       \
    X(SauverLesParametres, SauverParametres)                                                                           \
    X(ChargerDesParametres, ChargerParametres)                                                                         \
    X(FiltreParametres, FiltreParametres)                                                                              \
    X(FenetreParametres, FenetreParametres)                                                                            \
    X(Cancel, Cancel)                                                                                                  \
    X(SeuilDebut, SeuilDebut)                                                                                          \
    X(SeuilMilieu, SeuilMilieu)                                                                                        \
    X(SeuilPrefinale, SeuilPrefinale)                                                                                  \
    X(Pieces, Pieces)                                                                                                  \
    X(FinaleReste, FinaleReste)                                                                                        \
    X(TempsDAvance, TempsDAvance)                                                                                      \
    X(DeuxCentiemes, DeuxCentiemes)                                                                                    \
    X(TableDebut, TableDebut)                                                                                          \
    X(TableMilieu, TableMilieu)                                                                                        \
    X(TablePrefinale, TablePrefinale)                                                                                  \
    X(TableFinale, TableFinale)                                                                                        \
    X(TableDebutVariante1, TableDebutVariante1)                                                                        \
    X(TableMilieuVariante1, TableMilieuVariante1)                                                                      \
    X(TableDebutVariante2, TableDebutVariante2)                                                                        \
    X(TableMilieuVariante2, TableMilieuVariante2)                                                                      \
    X(ConditionsVariante1, ConditionsVariante1)                                                                        \
    X(ConditionsVariante2, ConditionsVariante2)                                                                        \
    X(CasesBlanches, CasesBlanches)                                                                                    \
    X(CasesNoires, CasesNoires)                                                                                        \
    X(Oui, Oui)                                                                                                        \
    X(Non, Non)
// clang-format on

enum class TexteAnalyse : int {
#define KOLMAR_ID(n, cle) n,
    KOLMAR_TEXTES_ANALYSE(KOLMAR_ID)
#undef KOLMAR_ID
        NB
};

// UTF-8 text in a language; French when the language has none.
const char* texte(TexteAnalyse t, int langue = FRANCAIS);

// The captions of the main window's analysis and set-up controls, applied
// with the main table's: the control's objectName and its text.
struct LegendeAnalyse {
    const char* controle;
    TexteAnalyse texte;
};
const LegendeAnalyse* legendes_analyse(std::size_t& nb);

}  // namespace kolmar
