#include "lang/textes_analyse.h"

namespace kolmar {

namespace {

struct Entree {
    TexteAnalyse id;
    const char* textes[NB_LANGUES];  // French, English, Dutch, Portuguese, Spanish, Italian
};

// The analysis lines and legend exist in French, Portuguese, Spanish and
// English; Dutch and Italian show the English ones (the legend also in
// Spanish).
#define EN_NL_PT_ES_IT(en, pt, es) en, en, pt, es, en

constexpr Entree k_textes[] = {
    {TexteAnalyse::LigneLongueBlanc,
     {"%2d Blanc: joué : %s-%s; score : %2d; meilleur : %s-%s; score : %2d",
      EN_NL_PT_ES_IT("%2d White : played : %s-%s; score : %2d; best : %s-%s; score : %2d",
                     "%2d Brancas: jogou : %s-%s; valor : %2d; melhor : %s-%s; valor : %2d",
                     "%2d Blancas: jogou : %s-%s; Puntuación : %2d; melhor : %s-%s; valor : %2d")}},
    {TexteAnalyse::LigneLongueNoir,
     {"%2d Noir : joué : %s-%s; score : %2d; meilleur : %s-%s; score : %2d",
      EN_NL_PT_ES_IT("%2d Black : played : %s-%s; score : %2d; best : %s-%s; score : %2d",
                     "%2d Pretas : jogou : %s-%s; valor : %2d; melhor : %s-%s; valor : %2d",
                     "%2d Negras : jogou : %s-%s; Puntuación : %2d; melhor : %s-%s; valor : %2d")}},
    {TexteAnalyse::LigneCourteBlanc,
     {"%2d Blancs: %s-%s; score: %2d ; meilleur: %s-%s; score: %2d",
      EN_NL_PT_ES_IT("%2d White : %s-%s; score : %2d ; best : %s-%s; score : %2d",
                     "%2d Brancas: %s-%s; valor : %2d; melhor : %s-%s; valor : %2d",
                     "%2d Blancas: %s-%s; Puntuación : %2d; melhor : %s-%s; valor : %2d")}},
    {TexteAnalyse::LigneCourteNoir,
     {"%2d Noirs : %s-%s; score: %2d ; meilleur: %s-%s; score: %2d",
      EN_NL_PT_ES_IT("%2d Black : %s-%s; score : %2d ; best : %s-%s; score : %2d",
                     "%2d Pretas : %s-%s; valor : %2d; melhor : %s-%s; valor : %2d",
                     "%2d Negras : %s-%s; Puntuación : %2d; melhor : %s-%s; valor : %2d")}},
    {TexteAnalyse::Suite, {" ->( %s-%s %s-%s ....)"}},
    {TexteAnalyse::LegendeScores,
     {"+100 gagne un pion ; -100 perd un pion ; * en début de ligne indique qu'il y avait un bien meilleur coup",
      EN_NL_PT_ES_IT(
          "+100 wins a man ; -100 loses a man ; * at the begining means that there was a very better move",
          "+100 ganha uma peça ; -100 perde uma peça ; * no começo significa que existia um lance melhor",
          "+100 wins a man ; -100 loses a man ; * at the begining means that there was a very better move")}},
    {TexteAnalyse::LegendeAttente,
     {"(ne pas prendre en compte le dernier coup et les premiers). Attendre quelques secondes - Analyse en cours",
      EN_NL_PT_ES_IT("(don't consider the last and the first moves). Wait a few second - Analysing",
                     "(nao considerar a primeira nem a ultima linha). Espere alguns segundos- Analisando",
                     "(don't consider the last and the first moves). Wait a few second - Analysing")}},
    {TexteAnalyse::DebuterUneAnalyse, {"Débuter une analyse"}},
    {TexteAnalyse::ArreterCettePhase, {"Arrêter cette phase"}},
    {TexteAnalyse::TerminerLAnalyse, {"Terminer l'analyse"}},
    {TexteAnalyse::FenetreAnalyse, {"Analyse"}},
    {TexteAnalyse::Suivant, {"Suivant"}},
    {TexteAnalyse::FinAnalyse, {"Fin analyse"}},
    {TexteAnalyse::EditerAnalyse, {"Editer analyse"}},
    {TexteAnalyse::ImprimerAnalyse, {"Imprimer analyse"}},
    {TexteAnalyse::Apprendre, {"Apprendre ?"}},
    {TexteAnalyse::Probleme, {"Probleme"}},
    {TexteAnalyse::PlacezLesPions, {"PLACEZ LES PIONS"}},
    {TexteAnalyse::ViderLeDamier, {"Vider le damier"}},
    {TexteAnalyse::RemplirLeDamier, {"Remplir le damier"}},
    {TexteAnalyse::InstallerUnePosition, {"Installer une position"}},
    {TexteAnalyse::PionSelectionne, {"Indique le type pion sélectionné"}},
    {TexteAnalyse::JoueurJoue,
     {"Joueur joue", "Player's turn", "Speler aan zet", "Jogador joga", "Jugador juegue", "Tocca al giocatore"}},
    {TexteAnalyse::OrdinateurJoue,
     {"Ordinateur joue", "Computer's turn", "Computer aan zet", "Computador joga", "Ordenador juegue",
      "Tocca al calcolatore"}},
    {TexteAnalyse::EvalStatBlancs, {"Eval stat blancs:%4d"}},
    {TexteAnalyse::EvalStatNoirs, {"Eval stat noirs:%4d"}},
    {TexteAnalyse::ModifierLesParametres, {"Modifier les paramètres"}},
    {TexteAnalyse::SauverLesParametres, {"Sauver les paramètres"}},
    {TexteAnalyse::ChargerDesParametres, {"Charger des paramètres"}},
    {TexteAnalyse::FiltreParametres, {"parameters (*.par)|*.PAR| "}},
    {TexteAnalyse::FenetreParametres, {"Toutes les valeurs des tableaux sont en  1/200ème de pion"}},
    {TexteAnalyse::Cancel, {"Cancel"}},
    {TexteAnalyse::SeuilDebut, {"Début de partie : + de"}},
    {TexteAnalyse::SeuilMilieu, {"Milieu de parties : + de "}},
    {TexteAnalyse::SeuilPrefinale, {"Préfinale : + de "}},
    {TexteAnalyse::Pieces, {"pièces"}},
    {TexteAnalyse::FinaleReste, {"Finale : (le reste)"}},
    {TexteAnalyse::TempsDAvance, {"Temps d'avance ="}},
    {TexteAnalyse::DeuxCentiemes, {"/200 de pion"}},
    {TexteAnalyse::TableDebut, {"Début par défaut"}},
    {TexteAnalyse::TableMilieu, {"Milieu par défaut"}},
    {TexteAnalyse::TablePrefinale, {"Préfinale par défaut"}},
    {TexteAnalyse::TableFinale, {"Finale par défaut"}},
    {TexteAnalyse::TableDebutVariante1, {"Début variante type 1 : "}},
    {TexteAnalyse::TableMilieuVariante1, {"Milieu variante type 1 : "}},
    {TexteAnalyse::TableDebutVariante2, {"Début variante type 2 : "}},
    {TexteAnalyse::TableMilieuVariante2, {"Milieu variante type 2 : "}},
    {TexteAnalyse::ConditionsVariante1, {"Variante type 1 si 8 des 14 conditions  ci après sont vérifiées :"}},
    {TexteAnalyse::ConditionsVariante2, {"Variante type 2 si 8 des 14 conditions  ci après sont vérifiées :"}},
    {TexteAnalyse::CasesBlanches, {"cases possiblement blanches"}},
    {TexteAnalyse::CasesNoires, {"cases possiblement noires"}},
    {TexteAnalyse::Oui, {"Oui", "Yes", "Ja", "Sim", "Sí", "Sì"}},
    {TexteAnalyse::Non, {"Non", "No", "Nee", "Não", "No", "No"}},
};
#undef EN_NL_PT_ES_IT
static_assert(sizeof k_textes / sizeof k_textes[0] == static_cast<std::size_t>(TexteAnalyse::NB), "one row per text");

}  // namespace

const char* texte(TexteAnalyse t, int langue) {
    const int i = static_cast<int>(t);
    if (i < 0 || i >= static_cast<int>(TexteAnalyse::NB)) return "";
    const Entree& e = k_textes[i];
    if (langue < 0 || langue >= NB_LANGUES || e.textes[langue] == nullptr) return e.textes[FRANCAIS];
    return e.textes[langue];
}

}  // namespace kolmar
