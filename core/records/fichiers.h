// Finding the data files: the program's own and the player's, names
// matched without regard to case ("Parametres" / "parametres").
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

// Two folders hold the data. The program's own files (pictures, sounds,
// tables, the shipped libraries and lessons) are only read, from
// share/kolmar3d of an install or, in a build folder, from beside the
// executable. What the player's play writes (autosave, register, edited
// parameters and libraries, lessons) goes to the player's folder: KOLMAR_DATA
// when set, else $XDG_DATA_HOME/kolmar3d (~/.local/share/kolmar3d). Reading
// from the player's folder falls back on the program's copy, so a file is
// the player's once it has been written there.
const std::string& repertoire_installe();
void definir_repertoire_installe(const std::string& dir);
const std::string& repertoire_donnees();
void definir_repertoire_donnees(const std::string& dir);
// The player's folder as the environment names it (KOLMAR_DATA, XDG, HOME).
std::string repertoire_donnees_defaut();

// Resolves a relative path ("Images1c/1pba.BMP", "\\Parametres\\x.par")
// under base, matching each component case-insensitively. Returns the
// existing path, or base/relative as written when nothing matches (so a
// new file is created with the given name).
std::string chemin_donnee(const std::string& relatif, const std::string& base);

// A file to read under dossier; in the player's folder, the program's copy
// when the player has none.
std::string chemin_lecture(const std::string& relatif, const std::string& dossier = repertoire_donnees());

// A file to write under dossier, the folders on its way created.
std::string chemin_ecriture(const std::string& relatif, const std::string& dossier = repertoire_donnees());

// A folder of the player's ("Parametres", "Problemes"), created when
// missing and then filled with the program's files of the same folder, so
// its dialogs offer them from the first time.
std::string dossier_joueur(const std::string& relatif);

// Reads a whole file; false when it cannot be opened.
bool lire_fichier(const std::string& chemin, std::string& contenu);

// Writes a whole file through a temporary beside it ("name.tmp~XXXXXX",
// unique to this writer) renamed over the target, then syncs the folder,
// so an interrupted write never destroys the previous file and two writers
// never share a temporary. On failure, `raison` (when given) tells why.
bool ecrire_fichier_sur(const std::string& chemin, const void* data, size_t taille, RaisonEchec* raison = nullptr);

// Writes several files of one folder that must stay in step, as one unit:
// every new content goes to its temporary, then the marker file `marqueur`
// (in the same folder) names them, then the temporaries are renamed over
// their targets and the marker removed. A writer killed before the marker
// leaves the old files; one killed after it leaves a marker that
// achever_fichiers completes. A marker left pending is completed first.
struct FichierAEcrire {
    std::string chemin;
    std::string contenu;
};
bool ecrire_fichiers_sur(const std::vector<FichierAEcrire>& fichiers, const std::string& marqueur,
                         RaisonEchec* raison = nullptr);

// Completes the unit a marker left by a killed writer names (renames what
// is still to rename) and removes the marker; true when nothing is pending
// after.
bool achever_fichiers(const std::string& marqueur, RaisonEchec* raison = nullptr);

// The file a reader should take for `chemin` while a marker is pending:
// the temporary that will replace it, else `chemin` itself. Reads only.
std::string fichier_engage(const std::string& marqueur, const std::string& chemin);

// Removes the temporaries of `chemin` a killed writer left ("name.tmp~"
// and six characters). Only for the folder's one writer.
void nettoyer_temporaires(const std::string& chemin);

// A window that opened its data folder read-only (another copy holds it):
// every write into that folder is refused as a read-only folder would.
// Empty: none.
void poser_dossier_lecture_seule(const std::string& dossier);
const std::string& dossier_lecture_seule();

// Creates the folder when it does not exist; true when it exists after.
bool creer_dossier(const std::string& chemin);
// The same with every missing parent.
bool creer_dossiers(const std::string& chemin);

// A copy of a file through a temporary, as ecrire_fichier_sur.
bool copier_fichier(const std::string& source, const std::string& cible);

}  // namespace kolmar
