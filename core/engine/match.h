// Games between two players, as the match runner and the engine protocol
// play them: the players, the game loop with its draw rules, the openings
// and the score's Elo difference.
//
// Every player, built-in or an engine process, is a Joueur: it is shown the
// game (its start, the moves so far, and the position with its record) and
// answers with one legal move.
#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/moteur.h"
#include "rules/jeu.h"

namespace kolmar {

// A game as the players see it: the position on jeu.damier with its record
// filled from the start, and the moves that led there.
struct VuePartie {
    const Jeu& jeu;
    const uint8_t* depart;  // start position, white to move
    const std::vector<Coup>& coups;
    bool regles_nulle = false;  // the game ends drawn by the draw rules
};

class Joueur {
   public:
    virtual ~Joueur() = default;
    virtual std::string nom() const = 0;
    // Before each game; false when the player cannot play (a dead process).
    virtual bool nouvelle_partie() { return true; }
    // A move of liste[0..n) (the legal moves of the position), or -1 on a
    // fault. score: the player's search score for the side to move in 1/200
    // of a man, left as it was when the move was not searched.
    virtual int choisir(const VuePartie& v, const Coup* liste, int n, int& score) = 0;
};

// The engine of this program on its own board copy, searching to a depth
// or for a time (seconds), the table kept from move to move.
// niveau >= 0 plays that level's clock rules instead. Data from `dir`
// (default: the program's); a parameter file replaces the default one.
std::unique_ptr<Joueur> joueur_moteur(int profondeur, double secondes, int niveau, std::string& erreur,
                                      const std::string& fichier_parametres = std::string(),
                                      const std::string& dir = std::string());
// The largest material gain at once (men 1, kings 3, a crowning 2), ties at random.
std::unique_ptr<Joueur> joueur_glouton(unsigned graine);
std::unique_ptr<Joueur> joueur_hasard(unsigned graine);

// Sets jeu to `depart` then plays `coups` (protocol or PDN texts), filling
// the record as a game would. False with the text that failed.
bool poser_partie(Jeu& jeu, const uint8_t depart[TAILLE_DAMIER], int trait, const std::vector<std::string>& coups,
                  std::vector<Coup>* joues, std::string& erreur);
// Plays one legal move of jeu's side to move and notes it in the record.
void jouer_et_noter(Jeu& jeu, const Coup& c);

// An opening: moves from the initial position, as written in the file.
struct Ouverture {
    std::vector<std::string> coups;
};
// One opening a line ("45-40 21-25 ..."), '#' starts a comment. Every line
// is replayed from the initial position: false on the first illegal move.
bool lire_ouvertures(const std::string& texte, std::vector<Ouverture>& ouvertures, std::string& erreur);

// Games ended early on the players' own scores (hundredths of a man, as the
// protocol's), each rule off while its count of moves is 0. Resign: each
// player's last `abandon_coups` scores put the same side ahead by
// `abandon_score` or more, with 6 pieces or more on the board (fewer can be
// a drawn ending of kings that the scores overrate). Draw: from ply
// `nulle_ply`, each player's last `nulle_coups` scores within `nulle_score`
// of 0. A move an engine process answers without a score (no info line)
// changes neither; the built-in engine gives its last score again.
struct Arbitrage {
    int abandon_coups = 0, abandon_score = 300;
    int nulle_coups = 0, nulle_score = 5, nulle_ply = 160;
};

struct ReglesMatch {
    int plies_max = 300;       // adjudicated a draw there
    bool regles_nulle = true;  // repetition, kings alone, short endings (rules/nulle.h)
    Arbitrage arbitrage;
};

struct ResultatPartie {
    int resultat = 0;  // 1 white wins, 0 draw, -1 black wins
    int plies = 0;
    // "no move", "no progress", "ply cap", "record full", "fault",
    // "resign adjudication", "draw adjudication", or a draw rule:
    // "repetition", "25 king moves", "16-move ending", "5-move ending"
    std::string fin;
    bool faute = false;
    std::vector<std::string> pdn;  // the game's moves in PDN
};

// Plays the opening then the players until a side has no move or a draw
// rule applies: the draw rules when asked, the no-progress rule (past ply 400 the material has not
// changed in 60 plies while the last score is not a decided one), the ply
// cap, the full record, the adjudications asked for. A player that fails or answers an illegal move
// loses the game with "fault".
ResultatPartie jouer_partie(Joueur& blanc, Joueur& noir, const Ouverture& ouverture, const ReglesMatch& regles);

// Game k of a match: opening k / 2 (cycling), the first player white in even
// games and black in odd ones, so each opening is played with both colours.
struct Affectation {
    int ouverture;
    bool premier_blanc;
};
Affectation affectation(int k, int nb_ouvertures);

// Elo difference of a score with its 95 % interval (normal approximation of
// the mean game score). A score of 0 or 100 % gives infinite bounds.
struct Elo {
    double difference, bas, haut;
};
Elo elo_match(int gains, int nulles, int pertes);

// A sequential probability ratio test of "the first player is elo1 better"
// against "elo0 better", on the games so far: the log-likelihood ratio
// (normal approximation of the game score) and the verdict once it leaves
// the bounds set by the two error rates.
struct Sprt {
    double elo0 = 0, elo1 = 10, alpha = 0.05, beta = 0.05;
};
struct VerdictSprt {
    double llr, bas, haut;
    int decision;  // 1 elo1 accepted, -1 elo0 accepted, 0 go on
};
VerdictSprt tester_sprt(const Sprt& t, int gains, int nulles, int pertes);

}  // namespace kolmar
