// Rated matches against the computer: who plays, with which points, and
// the rating change written to "points.dat" when the match ends.
#pragma once

#include <cstdint>
#include <string>

#include "records/gamefile.h"
#include "records/joueurs.h"

namespace kolmar {

// matchState values.
enum : uint8_t { MATCH_AUCUN = 0, MATCH_EN_COURS = 1, MATCH_COMPTE = 5 };

// Result codes of a finished game.
enum : int { GAIN_NOIR = 0, PARTIE_NULLE = 1, GAIN_BLANC = 2 };

struct Match {
    int32_t index_blanc = -1;  // register lines; negative: nobody's points change
    int32_t index_noir = -1;
    // The names on those lines when the match started: another window may
    // add or delete players meanwhile, so the lines are found again by them.
    std::string nom_ligne_blanc, nom_ligne_noir;
    int32_t points_blanc = 0;
    int32_t points_noir = 0;
    uint8_t matchState = MATCH_AUCUN;
};

// New points after a game between black (B) and white (W). Integer
// arithmetic truncating toward zero, left to right.
void nouveaux_points(int resultat, int32_t B, int32_t W, int32_t& nouveau_B, int32_t& nouveau_W);

// Starts a rated match of the human `nom` against the computer (black when
// ordi_noir). `selection` is the register line chosen in the list, -1 for
// none. A match of the computer against itself is not rated.
void commencer_match(Match& m, const Registre& r, bool ordi_noir, const std::string& nom, int selection);

struct FinDeMatch {
    bool deja_compte = false;   // a second end-of-game call: nothing to do at all
    bool compte = false;        // points changed
    std::string resultat_noir;  // texts for Resultat_noir / Resultat_blanc
    std::string resultat_blanc;
    int32_t noir_avant = 0, noir_apres = 0, blanc_avant = 0, blanc_apres = 0;
    ResultatFichier ecriture;  // writing "points.dat"
};

// The end of a game as far as the ratings go. An unrated game gives empty
// texts; a running match is scored once (matchState becomes 5 first) and
// the new points are written into the register of `dossier`, on the lines
// that still hold the players the match started with.
FinDeMatch conclure_match(Match& m, int resultat, const std::string& nom_blanc, const std::string& nom_noir,
                          const std::string& dossier);

}  // namespace kolmar
