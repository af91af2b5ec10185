// The computer player: evaluation, search, transposition table and the
// move driver, grouped in one object that works on a kolmar::Jeu.
//
// Use from the window (no Qt here; everything runs on the caller's thread):
//
//   Moteur m(jeu);                          // jeu: the game's Jeu, outlives m
//   std::string err;
//   if (!charger_donnees_moteur(m, err))    // "hashkey73.dat", "defaut_can.par",
//       show err, exit(1);                  //  and the table at "1,5Mo"
//   m.rappels.traiter_messages = ...;       // pump events (every 5000 nodes
//                                           //  and between iterations)
//   m.rappels.afficher_temps = ...;         // show_elapsed(seconds)
//   m.rappels.afficher_progression = ...;   // engine panel lines
//   m.rappels.ligne_racine = ...;           // root move lines
//   m.limites.engineBudget / periodLimit    // the level (default "5 : Excellence")
//   m.limites.temps_camp = clock of the computer's side, in seconds
//   m.limites.bibliotheque = "Bibliothèques actives"; m.bibliotheque = &library
//   m.finales = &tables (engine/endgame.h; loaded at the first small ending)
//
//   ChoixCoup r = choisir_coup(m, jeu.trait);  // computer_move
//   r.joue(): play r.coup (jeu.gen.liste_coups[1][r.index])
//   r.genre: searched (or from the book), the only move, no move, abandoned
//   m.limites.temps_utilise: seconds the move took; m.dernier_score: its score
//   in 1/200 of a man for the side that moved (engine/score.h).
//
//   Stop: set m.arret_calcul = true from an event handler ("Arrêter le
//   calcul", a click); set m.abandon too when the navigation drops the search.
//   Pondering: reflechir(m, jeu.trait) searches until arret_calcul or depth 30.
//   Menu "Taille des tables de transposition": resize_hash(m, index 0..7).
//   Parameters: charger_parametres / sauver_parametres (engine/params.h) on
//   m.parametres; they take effect at the next move.
#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "engine/endgame.h"
#include "engine/eval.h"
#include "engine/params.h"
#include "engine/score.h"
#include "engine/search.h"
#include "engine/tt.h"
#include "rules/bits.h"
#include "rules/jeu.h"

namespace kolmar {

struct Bibliotheque;

// What the driver reads from the clocks and the level menu.
struct Limites {
    int32_t engineBudget = 160;  // period time T; 1..5 a fixed-depth level
    int32_t periodLimit = 178;   // cap C of the side's clock
    int32_t temps_camp = 0;      // the computer's clock before this move, seconds
    bool en_reflexion_adverse = false;
    bool analyse = false;
    // Analysis: the game's length; positions before it have a known next move.
    int32_t longueur_analyse = 0;
    bool bibliotheque = false;
    // Command-line modes: a fixed depth (untimed), or a fixed time per move.
    int profondeur_fixe = 0;
    int64_t temps_fixe_ms = 0;
    // The fixed time is a game clock's share: what this move leaves is kept
    // for the next ones, so an iteration that cannot finish is not begun.
    bool temps_reportable = false;
    // With a fixed depth: from this depth on, each iteration only asks
    // whether the score reaches `seuil` (a null window), far cheaper than
    // the exact score; the result is then a bound on the side of the answer.
    int profondeur_seuil = 0;
    int seuil = 0;
    // "Règles de nulle": a root move after which they draw the game scores 0.
    bool regles_nulle = false;
    // Out: seconds spent on the move.
    int32_t temps_utilise = 0;
};

// "%d : %s" level menu items "0 : Néophyte" .. "8 : Grand Maître International".
bool limites_niveau(int niveau, Limites& l);

struct Rappels {
    std::function<void()> traiter_messages;
    std::function<void(int secondes)> afficher_temps;
    std::function<void(const std::vector<std::string>&)> afficher_progression;
    // A root move line; en_cours: "... ?<---" while it is being searched.
    std::function<void(const std::string&, bool en_cours)> ligne_racine;
    // After each completed iteration (depth, score, nodes).
    std::function<void(int, int, uint64_t)> fin_iteration;
    // Monotonic milliseconds; the default reads the steady clock.
    std::function<int64_t()> horloge_ms;
};

// The search's refinements, each a switch so that what it is worth can be
// measured; the defaults are what the program plays with.
struct Interrupteurs {
    bool reduction_racine = true;     // hopeless root moves a ply or two shallower
    bool elagage = true;              // forward pruning of quiet moves
    bool extension_promotion = true;  // two plies more after a first king near the horizon
    bool tueurs = true;               // killers and the alpha slot in the ordering
    bool aspiration = true;           // a window around the previous score, re-searched on failure
    bool coup_hash = true;            // the table's move first
    bool ordre_pv = true;             // the previous line's capture first
    // With a fixed time per move: another iteration while it can plausibly
    // finish, instead of stopping at 40 % of the time.
    bool tout_le_temps = true;
    bool historique = true;  // quiet moves that cut before ordered first, beside the killers
    bool reductions = true;  // late quiet moves a ply shallower, searched again when they rise
    // Reductions growing with the depth left and the move's rank, also for
    // moves that give the opponent a capture.
    bool reductions_fortes = true;
    // The same growing reductions for quiet moves only: a move that offers
    // the opponent a capture (a shot, an exchange) keeps its ply or two.
    bool reductions_log = false;
    // Table entries hold how deep their own node was searched (extensions
    // and reductions counted) rather than the iteration's depth, so a
    // reduced search's result cannot stand in for the full one checking it.
    bool horizon_noeud = true;
    // Quiet moves ordered at every node with depth left, not only up to
    // two plies before the iteration's depth.
    bool ordre_horizon = true;
    // Only a capture that is the sole move extends the horizon.
    bool prise_unique_prolonge = false;
    // Table slots paired: one under the replacement rules, one for what
    // they turn away.
    bool seaux = false;
    // With a time per move that no later move can use (not a clock's
    // share): iterations go on until it is spent, the one cut short keeping
    // the root moves it finished.
    bool temps_entier = true;
    // The latest cut's move becomes the first killer, whatever its score:
    // scores of different subtrees compare badly.
    bool tueurs_recents = true;
    // Late quiet moves reduced from two plies left, down to the horizon's
    // own ply (the last ply of moves), never past it.
    bool reductions_frontiere = true;
    // A null-window node with five plies or more left is first searched three
    // plies shallower against a bound half a man beyond its own; a result
    // past that bound stands for the node (ProbCut); not in endings of
    // under 13 pieces.
    bool probcut = true;
};

// The switches every engine of this process starts with, and one of them
// set by its name ("reductions"...); false for a name that is none.
Interrupteurs& interrupteurs_de_depart();
bool regler_interrupteur(Interrupteurs& i, const std::string& nom, bool actif);
const std::vector<std::string>& noms_interrupteurs();

// A seed that differs from one launch (and one engine) to the next.
unsigned graine_depart();

struct Moteur {
    explicit Moteur(Jeu& j);
    Moteur(const Moteur&) = delete;
    Moteur& operator=(const Moteur&) = delete;

    Jeu& jeu;
    Parametres parametres;
    TableHachage hash;
    EtatEval eval;
    Incremental inc;
    Pile pile[NB_PLIES];
    Racine racine;
    Limites limites;
    Rappels rappels;
    // Set by the window's data; may stay null (no tables, no book).
    Finales* finales = nullptr;
    const Bibliotheque* bibliotheque = nullptr;

    // Raised by the window's handlers and by the clock test; the search reads it.
    bool arret_calcul = false;
    bool abandon = false;

    int8_t camp_racine = BLANC;
    int profondeur = 1;  // iteration depth
    int reduction_racine = 0;
    uint64_t noeuds = 0;
    uint32_t poll = 0;
    int16_t dernier_score = 0;
    // Analysis: the score of the game's own move at the root, the negated
    // result of the step for the position after it.
    int16_t score_analyse = 0;
    Coup pv[NB_PLIES][NB_PLIES];
    Coup pv_prec[NB_PLIES];
    bool suivre_pv = false;   // on the path of the previous iteration's line
    bool en_probcut = false;  // under a shallow ProbCut search, which does not nest

    // Timing of the move under way.
    int64_t debut_ms = 0;
    int64_t budget_s = 0, limite_arret_s = 0, limite_dure_s = 0;
    bool temps_illimite = false;

    Interrupteurs options;
    // Quiet cuts by side, from and to square, weighed by the depth left.
    uint32_t historique[2][NB_CASES + 1][NB_CASES + 1];

    // Hash move from a shallower entry, for ordering only.
    bool coup_hash_peu_profond = true;
    // Choice among equal book moves: a new seed each launch, so that games
    // differ; tests seed it themselves.
    std::mt19937 hasard{graine_depart()};
};

// Start-up: keys, parameters and the table. False with a user message.
bool charger_donnees_moteur(Moteur& m, ErreurDonnees& erreur, const std::string& dir = std::string());
// The same with the error's French text, for the tools.
bool charger_donnees_moteur(Moteur& m, std::string& erreur, const std::string& dir = std::string());
bool resize_hash(Moteur& m, int index);

// choisir_coup's answer.
struct ChoixCoup {
    enum class Genre : uint8_t {
        coup,         // searched, or taken from the book
        coup_unique,  // the one legal move, not searched
        aucun_coup,   // a side without pieces or moves
        abandon,      // dropped (Moteur::abandon): nothing may be played
    };
    Genre genre = Genre::aucun_coup;
    int index = -1;  // into jeu.gen.liste_coups[1] as the driver left it
    Coup coup{};

    bool joue() const { return genre == Genre::coup || genre == Genre::coup_unique; }
    bool unique() const { return genre == Genre::coup_unique; }
};

// computer_move. Leaves the board as found.
ChoixCoup choisir_coup(Moteur& m, int trait);
// Thinks on the opponent's time until arret_calcul or depth 30.
void reflechir(Moteur& m, int trait);
// static_score: the evaluation of the board for side, prepared at ply 2.
int score_statique(Moteur& m, int side);

// The engine panel's lines for a score (show_progress).
std::vector<std::string> lignes_progression(const Moteur& m, int score);
// "47-41" / "47x36" of a principal variation row, space separated.
std::string texte_pv(const Moteur& m);

}  // namespace kolmar
