// Writes the players' register a first start needs: the computer alone,
// at its default points. A register that already holds players (games
// were played from this directory) is kept and only touched, so a rebuild
// never wipes ratings.
#include <utime.h>

#include <iostream>
#include <string>

#include "lang/messages.h"
#include "records/fichiers.h"
#include "records/joueurs.h"

using namespace kolmar;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: gen_players DIR\n";
        return 2;
    }
    const std::string dossier = argv[1];
    if (!creer_dossier(dossier)) {
        std::cerr << "gen_players: cannot create " << dossier << "\n";
        return 1;
    }
    Registre existant = charger_registre(dossier);
    if (!existant.noms.empty() && existant.noms[0] == NOM_KOLMAR && existant.points.size() >= existant.noms.size()) {
        for (const char* f : {FICHIER_JOUEURS, FICHIER_POINTS}) utime(chemin_donnee(f, dossier).c_str(), nullptr);
        return 0;
    }
    Registre r;
    r.noms = {NOM_KOLMAR};
    r.points = {std::to_string(POINTS_KOLMAR)};
    ResultatFichier res = sauver_registre(dossier, r);
    if (!res.ok) {
        std::cerr << "gen_players: " << texte_resultat(res) << " (" << dossier << ")\n";
        return 1;
    }
    return 0;
}
