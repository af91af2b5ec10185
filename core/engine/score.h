// Scores: 16-bit, in 1/200 of a man, from the view of the side the engine
// plays at the root (search) or of the side that moved (results).
//
//   |s| <  30000  an ordinary evaluation
//   |s| >  30000  a won or lost game; learned positions put there by hand
//                 start at 30000 (SCORE_PROTEGE of the lessons' table)
//   |s| >= 31000  a win or loss at a known distance, found by the search or
//                 read from the endgame tables: never scaled, never re-searched
//   32000 - p     a win found at ply p, p - 32000 a loss
#pragma once

namespace kolmar {

constexpr int SCORE_GAIN = 32000;      // a win at ply 0; also the root's full window
constexpr int SCORE_DISTANCE = 31000;  // from here on, a win or loss at a known distance
constexpr int SCORE_DECISIF = 30000;   // beyond it, the game is decided
// The driver's last score after a single legal move in an analysis: no
// search ran, the next position's score stands in for it.
constexpr int SCORE_COUP_UNIQUE = 32001;

constexpr int score_gain(int ply) {
    return SCORE_GAIN - ply;
}
constexpr int score_perte(int ply) {
    return ply - SCORE_GAIN;
}

// Won or lost (learned decided positions included).
constexpr bool gagne(int s) {
    return s > SCORE_DECISIF;
}
constexpr bool perdu(int s) {
    return s < -SCORE_DECISIF;
}
// Neither side is known to win: a repetition or a draw offer can apply.
constexpr bool ordinaire(int s) {
    return s > -SCORE_DECISIF && s < SCORE_DECISIF;
}
// A result at a known distance from the root.
constexpr bool a_distance(int s) {
    return s >= SCORE_DISTANCE || s <= -SCORE_DISTANCE;
}

}  // namespace kolmar
