// The players' register: "joueurs.dat" (names) and "points.dat" (rating
// points), plain text, one player a line, matched by line number. Line 0 of
// both is the computer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "records/gamefile.h"

namespace kolmar {

constexpr const char* FICHIER_JOUEURS = "joueurs.dat";
constexpr const char* FICHIER_POINTS = "points.dat";
// Names the new pair while both files are being replaced.
constexpr const char* FICHIER_ENGAGEMENT = "registre.engage";
constexpr const char* NOM_KOLMAR = "Kolmar";
constexpr const char* NOM_INCONNU = "Inconnu";
constexpr int32_t POINTS_KOLMAR = 2050;
constexpr int32_t POINTS_INCONNU = 1500;

struct Registre {
    std::vector<std::string> noms;
    std::vector<std::string> points;
};

// Lines of a text file, CR LF or LF; a missing file is an empty list.
std::vector<std::string> lire_lignes(const std::string& chemin);
// Lines joined with CR LF, as the register has always been written.
std::string texte_lignes(const std::vector<std::string>& lignes);

// Decimal value of a points line (blanks allowed around it); 0 when the
// line is not a number.
int32_t valeur_points(const std::string& ligne);
// A new player's capital as written: "%4d".
std::string texte_capital(int32_t points);

// Both files from folder `dossier`; names read as UTF-8 (older files in
// Windows-1252 are converted), control characters removed.
Registre charger_registre(const std::string& dossier);
// Writes both files as one unit: a kill at any moment leaves the old pair
// or (after reparer_registre) the new one, never one of each.
ResultatFichier sauver_registre(const std::string& dossier, const Registre& r);
// At start-up, by the folder's one writer: completes a save a kill
// interrupted and removes the temporaries it left.
ResultatFichier reparer_registre(const std::string& dossier);

// Appends a player with his capital. Control characters are removed, a
// name left empty is refused silently (ok false, empty message) and a long
// one is cut to 19 bytes. The points list is first brought to the length of
// the names so the new lines pair up.
ResultatFichier ajouter_joueur(const std::string& dossier, const std::string& nom, int32_t capital);
// Deletes line k of both files; line 0 (the computer) and lines that do not
// exist are refused silently.
ResultatFichier effacer_joueur(const std::string& dossier, int k);
// Renames player k (k > 0); his points stay on the same line.
ResultatFichier renommer_joueur(const std::string& dossier, int k, const std::string& nom);
// "Ramener Kolmar à 2050": line 0 of the points back to 2050, written at once.
ResultatFichier ramener_kolmar(const std::string& dossier);

}  // namespace kolmar
