#include "lang/textes_analyse.h"

#include "lang/presence.h"
#include "lang/textes_donnees.h"

namespace kolmar {

namespace {

constexpr const langues::Ligne* k_index[] = {
#define KOLMAR_LIGNE(n, cle) langues::chercher(#cle),
    KOLMAR_TEXTES_ANALYSE(KOLMAR_LIGNE)
#undef KOLMAR_LIGNE
};
static_assert(sizeof k_index / sizeof k_index[0] == static_cast<std::size_t>(TexteAnalyse::NB));

constexpr std::string_view k_cles[] = {
#define KOLMAR_CLE(n, cle) #cle,
    KOLMAR_TEXTES_ANALYSE(KOLMAR_CLE)
#undef KOLMAR_CLE
};

static_assert(langues::toutes_presentes(k_cles), "every text id needs a French line in lang/langues/fr.txt");

// Couleurjoue is left out: which of its two texts shows is the
// controller's to say.
const LegendeAnalyse k_legendes[] = {
    {"Debuteruneanalyse1", TexteAnalyse::DebuterUneAnalyse},
    {"Arretercettephase1", TexteAnalyse::ArreterCettePhase},
    {"Terminerlanalyse1", TexteAnalyse::TerminerLAnalyse},
    {"Probleme", TexteAnalyse::PlacezLesPions},
    {"Apprendre", TexteAnalyse::Apprendre},
    {"Learn_oui", TexteAnalyse::Oui},
    {"Learn_non", TexteAnalyse::Non},
};

}  // namespace

const char* texte(TexteAnalyse t, int langue) {
    const int i = static_cast<int>(t);
    if (i < 0 || i >= static_cast<int>(TexteAnalyse::NB)) return "";
    const langues::Ligne& l = *k_index[i];
    if (langue < 0 || langue >= NB_LANGUES || l.textes[langue] == nullptr) return l.textes[FRANCAIS];
    return l.textes[langue];
}

const LegendeAnalyse* legendes_analyse(std::size_t& nb) {
    nb = sizeof k_legendes / sizeof k_legendes[0];
    return k_legendes;
}

}  // namespace kolmar
