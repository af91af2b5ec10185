// Opening library: one list of opening lines for the games in which the
// computer plays white ("Ouvert_b.ouv") and one for black ("Ouvert_n.ouv").
// A line is the moves of one game from the initial position, each written
// "%2d-%2d " (origin, destination), white's first move first.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "records/fichiers.h"
#include "rules/record.h"

namespace kolmar {

constexpr int COUPS_LIGNE_MAX = 42;   // moves written per line
constexpr int DEMI_COUPS_LIVRE = 42;  // no book from this half-move on

extern const char* const FICHIER_OUVERTURES_BLANCS;  // "Ouvert_b.ouv"
extern const char* const FICHIER_OUVERTURES_NOIRS;   // "Ouvert_n.ouv"

struct Bibliotheque {
    // Liste_Ouvertures of the white (TForm2) and black (TForm3) editors.
    std::vector<std::string> blancs;
    std::vector<std::string> noirs;
    // "Bibliothèques actives".
    bool actives = true;

    std::vector<std::string>& liste(int couleur) { return couleur == 1 ? noirs : blancs; }
    const std::vector<std::string>& liste(int couleur) const { return couleur == 1 ? noirs : blancs; }
};

struct CoupLivre {
    uint8_t depart;
    uint8_t arrivee;
};

// One move of a line. Parsing stops at the first move that cannot be read.
std::vector<CoupLivre> lire_ligne(const std::string& ligne, int max_coups = COUPS_LIGNE_MAX + 1);
// "%2d-%2d " per move.
std::string ecrire_ligne(const std::vector<CoupLivre>& coups);

// The lines of a text file ('\n' or "\r\n"); a missing file gives an empty
// list and false.
bool lire_ouvertures(const std::string& chemin, std::vector<std::string>& lignes);
// On failure `raison` (when given) tells why, for every writer below.
bool ecrire_ouvertures(const std::string& chemin, const std::vector<std::string>& lignes,
                       RaisonEchec* raison = nullptr);

// Both lists from "Ouvert_b.ouv" and "Ouvert_n.ouv" in dir (default: the
// program's data directory).
void charger_bibliotheques(Bibliotheque& b, const std::string& dir = std::string());
bool enregistrer_liste(const Bibliotheque& b, int couleur, const std::string& dir = std::string(),
                       RaisonEchec* raison = nullptr);

// The moves of the game record, half-moves 1..w (at most 42), as one line:
// what "Ouvertures pour les blancs/noirs" writes into Nouvelle_Ouverture.
std::string ligne_de_partie(const Partie& pt, int w);

// Whether the driver asks the library: the flag, and either w < 3 with all
// thirty men of each side on the board, or 2 < w < 42.
bool livre_consulte(const Bibliotheque& b, int w, const uint8_t nb_pieces[5]);

// Next moves proposed by the lines of `lignes` whose first w moves are the
// game's half-moves 1..w; one entry per proposing line.
std::vector<CoupLivre> book_candidates(const std::vector<std::string>& lignes, const Partie& pt, int w);
// The list of the computer's colour (black list when it plays black).
std::vector<CoupLivre> book_candidates(const Bibliotheque& b, int couleur_ordi, const Partie& pt, int w);

// Editing ("Ajouter", "Effacer").
void ajouter_ligne(Bibliotheque& b, int couleur, const std::string& ligne);
bool effacer_ligne(Bibliotheque& b, int couleur, int index);

// Library sets in "Parametres": <nom>.ovv (marker holding `marqueur`,
// the lines of ListBox6), <nom>_b.ouv and <nom>_n.ouv; ".ovv" is appended
// to nom when missing. Saved from the editor of `couleur`: its list goes to
// the set and to its "Ouvert_?.ouv", the other colour's set file is copied
// from the other "Ouvert_?.ouv" as it stands on disk.
bool enregistrer_jeu(const Bibliotheque& b, int couleur, const std::string& nom,
                     const std::vector<std::string>& marqueur, const std::string& dir = std::string(),
                     RaisonEchec* raison = nullptr);
// Loads <nom>_b.ouv / <nom>_n.ouv into the lists and writes them to
// "Ouvert_b.ouv" / "Ouvert_n.ouv". False when neither file exists.
bool charger_jeu(Bibliotheque& b, const std::string& nom, const std::string& dir = std::string(),
                 RaisonEchec* raison = nullptr);

}  // namespace kolmar
