#include "lang/textes_jeu.h"

namespace kolmar {

namespace {

struct Entree {
    TexteJeu id;
    const char* textes[NB_LANGUES];  // French, English, Dutch, Portuguese, Spanish, Italian
};

// One row per id, in the order of the enum.
constexpr Entree k_textes[] = {
    {TexteJeu::OrdinateurContreOrdinateur, {"Ordinateur contre ordinateur"}},
    {TexteJeu::Edition, {"Edition", "Edit", "Bewerken", "Editar", "Edicion", "Modifica"}},
    {TexteJeu::ReprendreCoups, {"Reprendre coups"}},
    {TexteJeu::AvancerCoups, {"Avancer coups"}},
    {TexteJeu::RevenirAuDebut, {"Revenir au début"}},
    {TexteJeu::AllerALaFin, {"Aller à la fin"}},
    {TexteJeu::ReculerDUnCoup, {"Reculer d'un coup"}},
    {TexteJeu::AvancerDUnCoup, {"Avancer d'un coup"}},
    {TexteJeu::InverserLesJoueurs, {"Inverser les joueurs"}},
    {TexteJeu::Niveau, {"Niveau"}},
    {TexteJeu::XSpecial, {"X : Spécial"}},
    {TexteJeu::ArretDuCalcul, {"Arrêt du calcul"}},
    {TexteJeu::HorlogesAZero, {"Horloges à zéro"}},
    {TexteJeu::Pause, {"Pause"}},
    {TexteJeu::ReflexionSurTempsAdverse, {"Réflexion sur temps adverse"}},
    {TexteJeu::ArretReflexionParClicSouris, {"Arrêt réflexion par clic souris"}},
    {TexteJeu::Sons, {"Sons"}},
    {TexteJeu::BipAChaqueCoup, {"Bip à chaque coup"}},
    {TexteJeu::Autres, {"Autres"}},
    {TexteJeu::TailleDesTables, {"Taille des tables de transposition"}},
    {TexteJeu::Calcul, {"Calcul", "Compute", "Rekenen", "Cálculos", "Cálculos", "Calcolo"}},
    {TexteJeu::ArreterLeCalcul,
     {"Arrêter le calcul", "Stop computing", "Stop met rekenen", "Parar de computar", "Interrumpir calculos",
      "Arrêter le calcul"}},
    {TexteJeu::ProposerNul,
     {"Proposer nul", "Offer draw", "Bied remise aan", "Oferecer empate", "Proponer empate", "Proporre la patta"}},
    {TexteJeu::NulRefuse,
     {"Nul refusé", "Draw rejected", "Remise afgewezen", "Empate rejeitado", "Empate denegado", "Patta rifiutata"}},
    {TexteJeu::Zut,
     {"Zut ! ce n'est pas cela que je voulais jouer.", "Hell ! That's not that I wanted to play.",
      "Hell ! That's not that I wanted to play.", " Ops! este lance não é o que eu queria jogar.",
      "¡Caramba! no es la jugada que quería hacer.", "Zut ! non è questa che volevo giocare."}},
    {TexteJeu::KolmarProposeNul, {"Kolmar propose le match nul"}},
    {TexteJeu::AppuyezSurOk, {"Appuyez sur OK pour accepter"}},
    {TexteJeu::TrenteCoupsEn, {"30 coups en : "}},
    {TexteJeu::Minutes, {"minutes"}},
};
static_assert(sizeof k_textes / sizeof k_textes[0] == static_cast<std::size_t>(TexteJeu::NB), "one row per text");

const LegendeJeu k_legendes[] = {
    {"Ordinateurcontreordinateur1", TexteJeu::OrdinateurContreOrdinateur},
    {"Edition1", TexteJeu::Edition},
    {"Reprendrecoups1", TexteJeu::ReprendreCoups},
    {"Avancercoups1", TexteJeu::AvancerCoups},
    {"Reveniraudbut1", TexteJeu::RevenirAuDebut},
    {"Allerlafin1", TexteJeu::AllerALaFin},
    {"Inverserlesjoueurs1", TexteJeu::InverserLesJoueurs},
    {"Niveau1", TexteJeu::Niveau},
    {"XSpecial1", TexteJeu::XSpecial},
    {"Pause1", TexteJeu::ArretDuCalcul},
    {"Horlogeszro1", TexteJeu::HorlogesAZero},
    {"Pause2", TexteJeu::Pause},
    {"Rflexionsurtempsadverse1", TexteJeu::ReflexionSurTempsAdverse},
    {"Arretrflexionparclicsouris1", TexteJeu::ArretReflexionParClicSouris},
    {"Bipchaquecoup1", TexteJeu::Sons},
    {"Bipchaquecoup2", TexteJeu::BipAChaqueCoup},
    {"Commentaires1", TexteJeu::Autres},
    {"Tailledestablesdetransposition1", TexteJeu::TailleDesTables},
    {"Calcul", TexteJeu::Calcul},
    {"Joue", TexteJeu::ArreterLeCalcul},
    {"Proposernul", TexteJeu::ProposerNul},
    {"Nulrefus", TexteJeu::NulRefuse},
    {"Zut", TexteJeu::Zut},
    {"Label13", TexteJeu::KolmarProposeNul},
    {"Label14", TexteJeu::AppuyezSurOk},
};

}  // namespace

const char* texte(TexteJeu t, int langue) {
    int i = static_cast<int>(t);
    if (i < 0 || i >= static_cast<int>(TexteJeu::NB)) return "";
    const Entree& e = k_textes[i];
    if (langue < 0 || langue >= NB_LANGUES || e.textes[langue] == nullptr) return e.textes[FRANCAIS];
    return e.textes[langue];
}

const LegendeJeu* legendes_jeu(std::size_t& nb) {
    nb = sizeof k_legendes / sizeof k_legendes[0];
    return k_legendes;
}

}  // namespace kolmar
