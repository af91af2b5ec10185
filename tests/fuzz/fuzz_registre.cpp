// The players' register, "joueurs.dat" and "points.dat", read by
// charger_registre as the players' panels do, then changed the ways the
// window changes it: a player added, one deleted, a rated game scored. Names
// and points stay paired line by line through all of it.
#include <string>
#include <vector>

#include "commun.h"
#include "records/classement.h"
#include "records/joueurs.h"
#include "records/texte.h"

using namespace kolmar;
using kolmar::fuzz::exiger;

namespace {

std::string point(const Registre& r, size_t i) {
    return i < r.points.size() ? r.points[i] : "0";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t taille) {
    kolmar::fuzz::Parties parties(data, taille);
    const std::string joueurs = parties.suivante();
    const std::string points = parties.suivante();
    // The window hands names over as UTF-8.
    const std::string nom = vers_utf8(parties.fin());
    const std::string& dir = kolmar::fuzz::dossier();
    kolmar::fuzz::ecrire(dir + "/joueurs.dat", joueurs);
    kolmar::fuzz::ecrire(dir + "/points.dat", points);

    const Registre r = charger_registre(dir);
    for (const std::string& n : r.noms) {
        exiger(sans_controles(n) == n, "no control character in a name read");
        exiger(est_utf8(n), "names are read as UTF-8");
    }

    // Written and read back as it is.
    exiger(sauver_registre(dir, r).ok, "the register can be written");
    const Registre relu = charger_registre(dir);
    exiger(relu.noms == r.noms && relu.points == r.points, "the register reads back as written");

    // A player added: everybody keeps his line, the new one gets his capital.
    const int32_t capital = 1000 + static_cast<int32_t>(nom.size() % 1000);
    const std::string propre = nom_limite(nom);
    ResultatFichier res = ajouter_joueur(dir, nom, capital);
    const Registre ajoute = charger_registre(dir);
    const size_t n = r.noms.size();
    if (propre.empty()) {
        exiger(!res.ok && res.message == MessageFichier::aucun, "an empty name is refused silently");
        exiger(ajoute.noms == r.noms && ajoute.points == r.points, "a refused name changes nothing");
        return 0;
    }
    exiger(res.ok, "a player can be added");
    exiger(ajoute.noms.size() == n + 1 && ajoute.points.size() == n + 1, "one more line in both files");
    for (size_t i = 0; i < n; ++i)
        exiger(ajoute.noms[i] == r.noms[i] && ajoute.points[i] == point(r, i), "earlier lines unchanged");
    exiger(ajoute.noms[n] == propre, "the new name as given, cleaned and cut");
    exiger(valeur_points(ajoute.points[n]) == capital, "the new player's capital on his line");

    // A rated game of the new player against the computer, then a deletion.
    if (n >= 1 && propre != NOM_KOLMAR) {
        Match m;
        commencer_match(m, ajoute, true, propre, static_cast<int>(n));
        FinDeMatch fin = conclure_match(m, GAIN_BLANC, propre, NOM_KOLMAR, dir);
        exiger(fin.compte && fin.ecriture.ok, "a rated game is scored");
        const Registre apres = charger_registre(dir);
        exiger(apres.noms == ajoute.noms, "scoring leaves the names alone");
        exiger(apres.points.size() == n + 1, "scoring keeps one points line per name");
        exiger(apres.points[n] == std::to_string(fin.blanc_apres), "the player's new points on his line");
        if (n > 0) exiger(apres.points[0] == std::to_string(fin.noir_apres), "the computer's new points on line 0");
        for (size_t i = 1; i < n; ++i) exiger(apres.points[i] == ajoute.points[i], "other players' points unchanged");
    }
    const Registre avant = charger_registre(dir);
    if (n >= 1) {
        exiger(effacer_joueur(dir, 1).ok, "a player can be deleted");
        const Registre efface = charger_registre(dir);
        exiger(efface.noms.size() == n && efface.points.size() == n, "one line less in both files");
        for (size_t i = 1; i < n; ++i)
            exiger(efface.noms[i] == avant.noms[i + 1] && efface.points[i] == avant.points[i + 1],
                   "later lines move up together");
    }
    return 0;
}
