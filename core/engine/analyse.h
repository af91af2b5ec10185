// Game analysis: the game is replayed backwards, each position searched
// with the level's time, and the move played there compared with the
// engine's best. A move that lost more than half a man against the best is
// marked "*". The window, its list and the command line all print what
// this produces; nothing here knows a window.
//
//   Analyse a;
//   RappelsAnalyse r;
//   r.sonder = [&] { pump events; return ArretAnalyse::aucun / phase / tout; };
//   analyser_partie(moteur, a, r);      // moteur.jeu holds the game
//   lignes_longues(a, langue)           // the analysis window's list
//   lignes_courtes(a, langue)           // the main window's list
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/moteur.h"

namespace kolmar {

// The line of one position of the game that has a next move.
struct LigneAnalyse {
    int demi_coup = 0;  // w: the position the move was played from
    uint8_t camp = BLANC;
    uint8_t joue_de = 0, joue_vers = 0;
    uint8_t meilleur_de = 0, meilleur_vers = 0;
    // In 1/200 of a man for the mover; lines show them halved.
    int score_joue = 0;
    int score_meilleur = 0;
    bool faute = false;     // "*": far worse than the best move
    uint8_t suite[4] = {};  // the best line's first two moves, from and to
};

struct Analyse {
    int w0 = 0;                    // the position analysed first (the last of the game)
    int w = 0;                     // the position reached; 0 once finished
    uint8_t trait_depart = BLANC;  // side to move at w0 when the analysis began
    bool finie = false;            // every position down to the first was analysed
    // In the order of the game, first position first.
    std::vector<LigneAnalyse> lignes;
    // Per half-move w: the engine's score of position w for its side to
    // move, and that side; only entries w..w0 are meaningful.
    std::vector<int16_t> scores;
    std::vector<uint8_t> camps;
};

// What a poll of the analysis asks for.
enum class ArretAnalyse {
    aucun,
    phase,  // "Arrêter cette phase", "Suivant": this position's search ends
    tout,   // "Terminer l'analyse", "Fin analyse", a new game, closing
};

struct RappelsAnalyse {
    // Called at each poll of the engine (every 5000 nodes, between
    // iterations) and before each position.
    std::function<ArretAnalyse()> sonder;
    // The position w is about to be searched (redraw it).
    std::function<void(int w)> position;
    // A line was found; it is a.lignes.front().
    std::function<void(const Analyse& a)> ligne;
};

// Analyses the game of m.jeu from its current position back to the first,
// with m.limites as the level. False, doing nothing, when no move has been
// played. The game record and both its indexes are left exactly as found,
// and the board holds the position the analysis began on.
bool analyser_partie(Moteur& m, Analyse& a, const RappelsAnalyse& r = {});

// The "*" rule on the mover's scores (1/200 of a man): the played move is
// worse than the best by more than half a man, unless both moves win (or
// both lose): then the difference is only in the length of the win.
bool faute_analyse(int meilleur, int joue);

// The lines of one analysed move, in an interface language.
std::string ligne_longue(const LigneAnalyse& l, int langue);
std::string ligne_courte(const LigneAnalyse& l, int langue);
// The analysis window's list: the long lines in game order, then the legend.
std::vector<std::string> lignes_longues(const Analyse& a, int langue);
// The main window's list: the short lines.
std::vector<std::string> lignes_courtes(const Analyse& a, int langue);
// What "Editer analyse" and "Imprimer analyse" take: the first w0 - w
// lines of the window's list.
std::vector<std::string> lignes_a_sauver(const Analyse& a, int langue);

// Marked moves of one side.
int fautes(const Analyse& a, int camp);

// The position a click on line `ligne` of either list shows (-1: none, a
// legend line).
int demi_coup_de_ligne(const Analyse& a, int ligne);

// The graph: per half-move 0..w0, the score of the position in men from
// white's side, kept within -5..5; NaN where nothing was analysed.
std::vector<double> courbe_analyse(const Analyse& a);

}  // namespace kolmar
