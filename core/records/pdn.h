// Move and position texts shared by the PDN writer, the engine protocol and
// the match openings, and the one PDN writer of the program.
//
// Move texts use plain square numbers: "45-40" for a plain move, and for a
// capture either its landing squares "45x34x23" (PDN, landing squares only
// when another capture shares its start and end) or its captured squares
// "45x23x39x28" (the protocol: start, end, then every piece taken).
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "rules/movegen.h"
#include "rules/record.h"

namespace kolmar {

// "45-40" / "45x34", without leading zeros.
std::string coup_court(const Coup& c);

// The protocol's text: a capture lists its captured squares after its end.
std::string coup_protocole(const Coup& c);

// PDN text of c, a legal move on g.damier: the short form, or every landing
// square when another legal capture shares c's start and end. Uses g's
// ply-1 list and move-entry arrays as scratch.
std::string coup_pdn(Generateur& g, const Coup& c);

// The legal move among liste[0..n) that a text names, or -1 (unknown or
// ambiguous). Reads "a-b", "axb" (one capture from a to b), and
// "axbxc1xc2..." (end b, captured squares c1.. in any order).
int trouver_coup(const std::string& texte, const Coup* liste, int n);

// The protocol's position: the side to move ('W' or 'B') then the 72
// squares from 1 to 72, 'w' 'b' for men, 'W' 'B' for kings, 'e' empty.
std::string ecrire_position(const uint8_t damier[TAILLE_DAMIER], int trait);
bool lire_position(const std::string& texte, uint8_t damier[TAILLE_DAMIER], int& trait);

// One game for the PDN file. Tags are written in their order; a game that
// starts elsewhere than the initial position carries its FEN.
struct PartiePdn {
    std::vector<std::pair<std::string, std::string>> etiquettes;  // Event, White, Black, ...
    std::string fen;                                              // empty: the initial position, white to move
    int premier_trait = BLANC;                                    // side of the first move in `coups`
    std::vector<std::string> coups;                               // PDN move texts
    std::string resultat = "*";                                   // "2-0", "1-1", "0-2" or "*"
};

// The game as PDN text (GameType "27,W,12,12,N2,0", Canadian draughts),
// ended by a blank line; the Result tag follows the given tags.
std::string ecrire_pdn(const PartiePdn& p);

// The tags of the seven-tag roster that a game record does not hold.
struct EntetePdn {
    std::string event = "?";
    std::string site = "?";
    std::string date = "????.??.??";
    std::string round = "?";
};

// A game record up to its last ply for ecrire_pdn: the seven tags
// (names, and resultat 0 black won, 1 draw, 2 white won, 3 none), FEN when
// it did not start from the initial position with white to move, and each
// move rebuilt from the records with coup_pdn. `trait` is the side to move
// at the current ply.
PartiePdn pdn_de_partie(const Partie& pt, uint8_t trait, const std::string& blanc, const std::string& noir,
                        int resultat, const EntetePdn& entete = EntetePdn());

}  // namespace kolmar
