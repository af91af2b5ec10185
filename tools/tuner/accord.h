// Tuning of the men tables and tempo weights from game results: each quiet
// position of a game is scored by the static evaluation, and the parameters
// are moved one step at a time while the squared gap between the game's
// result and the logistic of the score goes down.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/moteur.h"

namespace kolmar::accord {

// A position with the game's result for white: 1 won, 0.5 drawn, 0 lost.
struct Position {
    uint8_t damier[TAILLE_DAMIER];
    int8_t trait;
    float resultat;
};

// The quiet positions of the PDN games in `texte` (neither side has a
// capture, more than five pieces on the board, past the first `saut`
// plies). Returns the number of games read.
int lire_parties(const std::string& texte, std::vector<Position>& sortie, int saut = 8);

// The parameters a pass may move: tables 0..6 entries 1..66, table 7
// entries 1..32 (its others are the scalars), and the eight tempo weights.
struct Reglage {
    int table;   // 0..7, or -1 for a tempo weight
    int entree;  // 1..72, or the weight 0..7
};
std::vector<Reglage> reglages();

class Accordeur {
   public:
    // m's parameters are the starting point and receive every accepted step.
    Accordeur(Moteur& m, std::vector<Position> positions);

    // Mean squared gap between results and the logistic of the scores.
    double erreur() const;
    // Fits the logistic's scale to the current scores and returns it.
    double ajuster_echelle();
    // One step up or down for each setting where that lowers the error;
    // returns how many settings moved.
    int passe(int pas = 1);

    // Weight of the pull back to the starting values: the error grows by
    // it times the sum of squared moves, so that settings few positions
    // reach do not follow their noise.
    void fixer_rappel(double lambda) { rappel_ = lambda; }

    size_t taille() const { return etats_.size(); }
    // The static score of position i under the current parameters, for
    // its side to move.
    int score_de(size_t i) const { return score(i); }

   private:
    struct Etat {
        uint8_t damier[TAILLE_DAMIER];
        uint8_t nb[5];
        Incremental inc;
        int32_t dames;  // the kings' share of the positional sum
        uint8_t phase;
        uint8_t table;  // men table and tempo weight in force
        int8_t trait;
        float resultat;  // for the side to move
    };
    int score(size_t i) const;
    double ecart(size_t i, int s) const;
    bool essayer(const Reglage& r, int delta);

    Moteur& m_;
    std::vector<Etat> etats_;
    std::vector<int> scores_;
    std::vector<double> ecarts_;
    double somme_ = 0;
    double echelle_ = 0.01;
    double rappel_ = 0;
    Parametres depart_;
    // Positions each men table entry (73 * table + entry) or tempo weight
    // (8 * 73 + weight) reaches.
    std::vector<std::vector<uint32_t>> touchees_;
};

// The source text with its table values and tempo weights replaced by p's;
// comments, layout and the other lines are kept.
std::string reecrire_source(const std::string& texte, const Parametres& p);

}  // namespace kolmar::accord
