#include "engine/params.h"

#include <cstdio>
#include <cstring>

#include "records/fichiers.h"

namespace kolmar {

const char* const FICHIER_PARAMETRES_DEFAUT = "Parametres/defaut_can.par";

void depuis_tampon(Parametres& p) {
    for (int j = 0; j < NB_TABLES_PIONS; ++j) std::memcpy(p.tables[j], p.tampon + 73 * j, 73);
    std::memcpy(&p.tables[7][33], p.tampon + OFS_SCALAIRES, NB_SCALAIRES);
}

void vers_tampon(Parametres& p) {
    for (int j = 0; j < NB_TABLES_PIONS; ++j) std::memcpy(p.tampon + 73 * j, p.tables[j], 73);
    std::memcpy(p.tampon + OFS_SCALAIRES, &p.tables[7][33], NB_SCALAIRES);
}

ResultatParametres charger_parametres(Parametres& p, const std::string& chemin) {
    FILE* f = std::fopen(chemin.c_str(), "rb");
    if (!f) return ResultatParametres::ouverture_impossible;
    size_t lus = std::fread(p.tampon, 1, TAILLE_PAR, f);
    std::fclose(f);
    depuis_tampon(p);
    return lus == TAILLE_PAR ? ResultatParametres::ok : ResultatParametres::fichier_court;
}

bool sauver_parametres(Parametres& p, const std::string& chemin, RaisonEchec* raison) {
    vers_tampon(p);
    return ecrire_fichier_sur(chemin, p.tampon, TAILLE_PAR, raison);
}

bool charger_parametres_defaut(Parametres& p, ErreurDonnees& erreur, const std::string& dir) {
    std::string chemin = chemin_lecture(FICHIER_PARAMETRES_DEFAUT, dir.empty() ? repertoire_donnees() : dir);
    std::string contenu;
    if (!lire_fichier(chemin, contenu)) {
        erreur = {ErreurDonnees::Code::parametres_absents, chemin, 0};
        return false;
    }
    if (contenu.size() < static_cast<size_t>(TAILLE_PAR)) {
        erreur = {ErreurDonnees::Code::parametres_incomplets, chemin, contenu.size()};
        return false;
    }
    std::memcpy(p.tampon, contenu.data(), TAILLE_PAR);
    depuis_tampon(p);
    return true;
}

}  // namespace kolmar
