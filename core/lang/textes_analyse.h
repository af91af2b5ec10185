// Texts of the game analysis, the position set-up and the parameters
// editor: the analysis lines are printf formats filled by engine/analyse,
// the rest are captions. Same layout as the main caption table.
#pragma once

#include <cstddef>

#include "lang/textes.h"

namespace kolmar {

enum class TexteAnalyse : int {
    // One line per analysed move: %2d move number, %s-%s the played move,
    // %2d its score, %s-%s the best move, %2d its score (hundredths of a man).
    LigneLongueBlanc,
    LigneLongueNoir,
    LigneCourteBlanc,
    LigneCourteNoir,
    // Appended to a marked long line: the first two moves of the best line.
    Suite,
    // The legend, in list order.
    LegendeScores,
    LegendeAttente,
    // Menus and the analysis window.
    DebuterUneAnalyse,
    ArreterCettePhase,
    TerminerLAnalyse,
    FenetreAnalyse,
    Suivant,
    FinAnalyse,
    EditerAnalyse,
    ImprimerAnalyse,
    Apprendre,
    // Position set-up.
    Probleme,
    PlacezLesPions,
    ViderLeDamier,
    RemplirLeDamier,
    InstallerUnePosition,
    PionSelectionne,  // hint of the selected-piece picture
    JoueurJoue,
    OrdinateurJoue,
    EvalStatBlancs,  // %4d: white's static score in hundredths
    EvalStatNoirs,
    // Parameters editor.
    ModifierLesParametres,
    SauverLesParametres,
    ChargerDesParametres,
    FiltreParametres,
    FenetreParametres,
    Cancel,
    // The editor's bands and table captions.
    SeuilDebut,
    SeuilMilieu,
    SeuilPrefinale,
    Pieces,
    FinaleReste,
    TempsDAvance,
    DeuxCentiemes,
    TableDebut,
    TableMilieu,
    TablePrefinale,
    TableFinale,
    TableDebutVariante1,
    TableMilieuVariante1,
    TableDebutVariante2,
    TableMilieuVariante2,
    ConditionsVariante1,
    ConditionsVariante2,
    CasesBlanches,
    CasesNoires,
    // The buttons of "Apprendre ?".
    Oui,
    Non,
    NB
};

// UTF-8 text in a language; French when the language has none.
const char* texte(TexteAnalyse t, int langue = FRANCAIS);

}  // namespace kolmar
