// The game record: one 128-byte position record per half-move, the byte
// image of the game file, plus the move list built from it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "rules/board.h"

namespace kolmar {

constexpr int NB_ENREGISTREMENTS = 510;
constexpr int TAILLE_ENREGISTREMENT = 128;
// Records 508 and 509 carry settings in the game file.
constexpr int DEMI_COUPS_MAX = 507;

// Offsets inside a record.
enum : int {
    OFS_CASES = 1,
    OFS_PRISE = 73,
    OFS_DE = 74,
    OFS_VERS = 75,
    OFS_TEMPS_BLANC = 76,
    OFS_TEMPS_NOIR = 80,
    OFS_NOM_BLANC = 84,
    OFS_NOM_NOIR = 104,
    OFS_COULEUR_ORDI = 124,
    TAILLE_NOM = 20,
};

// What a record stores beside the board and the move.
struct EtatNote {
    int32_t temps_blanc = 0;
    int32_t temps_noir = 0;
    std::string nom_blanc;
    std::string nom_noir;
    uint8_t couleur_ordi = 1;  // 1: the computer plays black
};

struct Partie {
    uint8_t partie[NB_ENREGISTREMENTS][TAILLE_ENREGISTREMENT] = {};
    int32_t demi_coup_courant = 0;
    int32_t dernier_demi_coup = 0;
    int32_t materiel[NB_ENREGISTREMENTS] = {};
    // The lines of the move list "Coups joués" and its selected line.
    std::vector<std::string> lignes;
    int selection = -1;
};

// Field access on record p (little-endian integers, as in the file).
uint8_t* cases_de(Partie& pt, int p);
int32_t lire_i32(const uint8_t* b);
void ecrire_i32(uint8_t* b, int32_t v);
std::string lire_nom(const uint8_t* champ);
// Writes at most 19 bytes, cut on a UTF-8 character boundary, zero-filled.
void ecrire_nom(uint8_t* champ, const std::string& nom);

// Stores damier, the move (prise, de, vers) and the state into record
// demi_coup_courant. Does nothing past the record area.
void noter_position(Partie& pt, const uint8_t damier[TAILLE_DAMIER], uint8_t prise, uint8_t de, uint8_t vers,
                    const EtatNote& etat);

// Copies record demi_coup_courant back: board (damier[0] = BORD) and state.
void reprendre_position(const Partie& pt, uint8_t damier[TAILLE_DAMIER], EtatNote& etat);

// A new game from damier: indexes 0, record 0 stored, list emptied.
void commencer_partie(Partie& pt, const uint8_t damier[TAILLE_DAMIER], const EtatNote& etat);

// True when no further half-move fits in the record.
bool partie_pleine(const Partie& pt);

// Commits a half-move: flips trait, advances the indexes (cutting any
// continuation, list lines included), stores the record and writes the
// move-list line. Returns false, changing nothing, when the record is full.
bool nouveau_demi_coup(Partie& pt, uint8_t& trait, const uint8_t damier[TAILLE_DAMIER], uint8_t prise, uint8_t de,
                       uint8_t vers, const EtatNote& etat);

// Move-list update for half-move demi_coup_courant ending on vers.
void ecrire_coup(Partie& pt, uint8_t de, uint8_t vers, uint8_t prise);

// The line of the move list for move pair `ligne` (0-based) as it stands
// once half-moves up to dernier are played.
std::string ligne_coup(const Partie& pt, int ligne, int dernier);

// Rebuilds the whole move list from records 1..dernier_demi_coup.
void reconstruire_liste(Partie& pt);

// Pieces of both colours on a board.
int total_pieces(const uint8_t damier[TAILLE_DAMIER]);

}  // namespace kolmar
