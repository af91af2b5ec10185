// Finding the program's data files: they lie beside the executable, and
// names are matched without regard to case ("Parametres" / "parametres").
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kolmar {

// Why a file could not be written, as the user can act on it.
enum class RaisonEchec : uint8_t {
    aucune,
    lecture_seule,  // the folder or the disk refuses writing
    disque_plein,   // no room left (or the file grew past the allowed size)
    chemin_absent,  // a folder of the path does not exist
    autre,
};

// The reason behind a system error number (errno).
RaisonEchec raison_de_errno(int erreur);

// Directory of the running executable, without a trailing '/'.
std::string repertoire_programme();

// Directory the data files are read from: repertoire_programme() unless
// changed (tests point it at a scratch folder).
const std::string& repertoire_donnees();
void definir_repertoire_donnees(const std::string& dir);

// Resolves a relative path ("Images1c/1pba.BMP", "\\Parametres\\x.par")
// under base, matching each component case-insensitively. Returns the
// existing path, or base/relative as written when nothing matches (so a
// new file is created with the given name).
std::string chemin_donnee(const std::string& relatif, const std::string& base = repertoire_donnees());

// Reads a whole file; false when it cannot be opened.
bool lire_fichier(const std::string& chemin, std::string& contenu);

// Writes a whole file through a temporary in the same folder renamed over
// the target, so an interrupted write never destroys the previous file.
// On failure, `raison` (when given) tells why.
bool ecrire_fichier_sur(const std::string& chemin, const void* data, size_t taille, RaisonEchec* raison = nullptr);

// Writes several files that must stay in step: every temporary is written
// first, and only when all succeeded are they renamed over their targets.
// On failure no target is touched.
struct FichierAEcrire {
    std::string chemin;
    std::string contenu;
};
bool ecrire_fichiers_sur(const std::vector<FichierAEcrire>& fichiers, RaisonEchec* raison = nullptr);

// Creates the folder when it does not exist; true when it exists after.
bool creer_dossier(const std::string& chemin);

}  // namespace kolmar
