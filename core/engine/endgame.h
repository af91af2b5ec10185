// Endgame databases: sixteen ".bic" tables giving the exact result of every
// position of one piece against one and two pieces against one, and
// "can.dat", scores of single positions found by their hash keys.
//
// Every table is written as if the side to move were white going up to
// squares 1..6; when black moves, squares s become 73 - s in the tables that
// hold a man. A byte v: 0 draw, v > 0 the mover wins, v < 0 it loses, |v|
// the number of plies to the end of the game (-1: the mover has no move).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "rules/board.h"

namespace kolmar {

// Widths of the indexes: squares, unordered pairs of squares, square pairs.
constexpr int LARGEUR_CASES = 72;
constexpr int LARGEUR_PAIRES = 2556;  // 72 * 71 / 2
constexpr int LARGEUR_CARRE = 5184;   // 72 * 72

constexpr int TAILLE_FINALE_2 = 5256;        // one piece against one
constexpr int TAILLE_FINALE_PAIRE = 183961;  // a pair of like pieces against one
constexpr int TAILLE_FINALE_3 = 373174;      // three different pieces

// The tables in file order. Letters before "o" belong to the side to move.
enum TableFinale : int {
    DOD,
    DOP,
    POD,
    POP,
    DDOD,
    DODD,
    DDOP,
    PODD,
    PDOD,
    DOPD,
    PDOP,
    POPD,
    PPOD,
    DOPP,
    PPOP,
    POPP,
    NB_TABLES_FINALES
};

// "dod.bic" ... "popp.bic".
const char* nom_table_finale(int table);
int taille_table_finale(int table);
// Pieces of a table: men and kings of the side to move and of the other.
struct MaterielFinale {
    int pions_trait, dames_trait, pions_autre, dames_autre;
};
MaterielFinale materiel_table_finale(int table);

// "can.dat": 64000 entries of 8 bytes (check key u32, score i16, 2 unused).
constexpr int NB_POSITIONS_APPRISES = 64000;
constexpr int TAILLE_POSITIONS_APPRISES = NB_POSITIONS_APPRISES * 8;

struct Finales {
    // One array per table, empty when its file is missing or short: that
    // material is then searched normally.
    std::vector<int8_t> tables[NB_TABLES_FINALES];
    bool finales_chargees = false;
    // "can.dat", empty when it could not be read.
    std::vector<uint8_t> positions;
};

// Side to move at a node: racine moves at odd plies.
inline int camp_au_trait(int racine, int ply) {
    return (ply & 1) ? racine : 1 - racine;
}

// Reads the sixteen tables from dir (default: the data directory); a table
// whose file is missing or shorter than its size stays empty. Raises
// finales_chargees in every case and returns the number of tables loaded.
int charger_finales(Finales& f, const std::string& dir = std::string());

// Table for this material with `mover` to move, or -1 when no table applies
// (four pieces or more, a side without pieces).
int table_finale(const uint8_t nb_pieces[5], int mover);

// Byte offset of the position on damier in `table` with `mover` to move, or
// -1 when the board does not hold exactly the table's pieces.
long decalage_finale(int table, const uint8_t damier[TAILLE_DAMIER], int mover);

// Score of a stored byte for the mover at `ply`: wins nearer the root and
// losses further from it score higher.
int16_t score_finale(int8_t v, int ply);

// valeur_finale of one table: the score from racine's point of view, false
// when the table is not loaded or the position is not in it.
bool valeur_finale(const Finales& f, int table, const uint8_t damier[TAILLE_DAMIER], int racine, int ply,
                   int16_t& score);

// What the search does at a node with ply > 1: with at most 4 pieces, load
// the tables once if needed, then read the table of the material. False
// when no table answers (search normally).
bool sonder_finales(Finales& f, const uint8_t damier[TAILLE_DAMIER], const uint8_t nb_pieces[5], int racine, int ply,
                    int16_t& score);

// "can.dat" whole into f.positions; false (and no entries) when missing or short.
bool charger_positions(Finales& f, const std::string& dir = std::string());

// Entry of the position with keys (cle_index, cle_verrou): true and its
// score when the check key matches.
bool chercher_position(const Finales& f, uint32_t cle_index, uint32_t cle_verrou, int16_t& score);

}  // namespace kolmar
