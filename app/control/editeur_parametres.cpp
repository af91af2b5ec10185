#include "control/editeur_parametres.h"

#include <cstdlib>

#include "control/controleur.h"
#include "lang/messages.h"
#include "lang/textes.h"

namespace kolmar {

uint8_t valeur_champ(const std::string& texte) {
    // strtol saturates where atoi would overflow; the low byte is kept either way.
    const long v = std::strtol(texte.c_str(), nullptr, 10);
    return static_cast<uint8_t>(static_cast<unsigned long>(v) & 0xFF);
}

void cellule_entree(int k, int& r, int& c) {
    r = rangee(73 - k);
    c = colonne(73 - k);
}

int entree_de_cellule(int r, int c) {
    const int s = case_de_cellule(r, c);
    return s ? 73 - s : 0;
}

ChampsParametres champs_parametres(const Parametres& p) {
    ChampsParametres c;
    for (int t = 0; t < NB_TABLES_PIONS; ++t)
        for (int k = 1; k <= NB_CASES; ++k) c.tables[t][k] = std::to_string(p.tables[t][k]);
    for (int k = 0; k < NB_SCALAIRES; ++k) c.scalaires[k] = std::to_string(p.scalaire(k));
    return c;
}

void prendre_champs(Parametres& p, const ChampsParametres& c) {
    for (int t = 0; t < NB_TABLES_PIONS; ++t)
        for (int k = 1; k <= NB_CASES; ++k) p.tables[t][k] = valeur_champ(c.tables[t][k]);
    for (int k = 0; k < NB_SCALAIRES; ++k) p.fixer_scalaire(k, valeur_champ(c.scalaires[k]));
}

ChampsParametres Changer1Click(Controleur& f) {
    return champs_parametres(f.ctx().moteur->parametres);
}

void parametreOKClick(Controleur& f, const ChampsParametres& c) {
    prendre_champs(f.ctx().moteur->parametres, c);
}

bool Sauverlesparamtres1Click(Controleur& f, const std::string& chemin) {
    RaisonEchec raison = RaisonEchec::aucune;
    if (sauver_parametres(f.ctx().moteur->parametres, chemin, &raison)) return true;
    // The reason, not "cannot open": a full disk or a read-only folder.
    f.vue().erreur(texte_resultat(ResultatFichier::echec_ecriture(raison), f.ctx().langue));
    return false;
}

bool Chargerdesparamtres1Click(Controleur& f, const std::string& chemin) {
    if (charger_parametres(f.ctx().moteur->parametres, chemin) != ResultatParametres::ouverture_impossible) return true;
    f.vue().erreur(texte(Texte::ImpossibleOuvrirFichier, f.ctx().langue));
    return false;
}

}  // namespace kolmar
