#include "lang/textes_jeu.h"

#include "lang/presence.h"
#include "lang/textes_donnees.h"

namespace kolmar {

namespace {

constexpr const langues::Ligne* k_index[] = {
#define KOLMAR_LIGNE(n) langues::chercher(#n),
    KOLMAR_TEXTES_JEU(KOLMAR_LIGNE)
#undef KOLMAR_LIGNE
};
static_assert(sizeof k_index / sizeof k_index[0] == static_cast<std::size_t>(TexteJeu::NB));

constexpr std::string_view k_cles[] = {
#define KOLMAR_CLE(n) #n,
    KOLMAR_TEXTES_JEU(KOLMAR_CLE)
#undef KOLMAR_CLE
};

static_assert(langues::toutes_presentes(k_cles), "every text id needs a French line in lang/langues/fr.txt");

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
    {"Label_trentecoups", TexteJeu::TrenteCoupsEn},
    {"Label_minutes", TexteJeu::Minutes},
};

}  // namespace

const char* texte(TexteJeu t, int langue) {
    int i = static_cast<int>(t);
    if (i < 0 || i >= static_cast<int>(TexteJeu::NB)) return "";
    const langues::Ligne& l = *k_index[i];
    if (langue < 0 || langue >= NB_LANGUES || l.textes[langue] == nullptr) return l.textes[FRANCAIS];
    return l.textes[langue];
}

const LegendeJeu* legendes_jeu(std::size_t& nb) {
    nb = sizeof k_legendes / sizeof k_legendes[0];
    return k_legendes;
}

}  // namespace kolmar
