// The game controller: owns the session's state and runs the handlers of
// the main window without knowing the window. Input arrives as plain calls
// (a click point, a menu command, a timer tick); what must be shown goes
// out through the Vue. No Qt here.
#pragma once

#include <string>

#include "control/contexte.h"
#include "control/vue.h"

namespace kolmar {

class Controleur {
   public:
    // `vue` must outlive the controller; a VueMuette runs it headless.
    explicit Controleur(Vue& vue);
    Controleur(const Controleur&) = delete;
    Controleur& operator=(const Controleur&) = delete;

    Contexte& ctx() { return ctx_; }
    const Contexte& ctx() const { return ctx_; }
    Jeu& jeu() { return *ctx_.jeu; }
    const Jeu& jeu() const { return *ctx_.jeu; }
    Session& session() { return ctx_.session; }
    const Session& session() const { return ctx_.session; }
    Options& options() { return ctx_.options; }
    const Options& options() const { return ctx_.options; }
    Vue& vue() { return *vue_; }

   private:
    Contexte ctx_;
    Vue* vue_;
};

// The state of the rated match: 0 none, 5 scored, anything else running.
uint8_t matchState(const Controleur& f);
void poser_matchState(Controleur& f, uint8_t etat);
// A rated game is being played (not none, not already scored).
bool match_en_cours(const Controleur& f);

// Start-up state, set once: the level of a first game, clocks at zero and
// running, the computer playing black, the options' marks, the captions.
void demarrer(Controleur& f);

// Keys, parameters, the transposition table, the endgame tables and the
// learned positions from the program directory; false with a message for
// the user when the engine cannot run.
bool charger_moteur(Controleur& f, std::string& erreur, const std::string& dir = std::string());
// The engine's tables are there (the computer can play).
bool moteur_pret(const Controleur& f);

}  // namespace kolmar
