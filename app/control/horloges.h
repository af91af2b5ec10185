// The two game clocks, the one-second tick that refreshes their labels and
// the time-control check of rated games. No Qt: the window owns Timer1 and
// the eight labels and copies the texts kept here.
//
// Time is read from an injected source of milliseconds that never jumps
// (a steady clock), cut to whole-second stamps, so a turn across a month's
// end or a change of the wall clock is measured right.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "control/niveaux.h"

namespace kolmar {

using SourceTemps = std::function<int64_t()>;

// Milliseconds of std::chrono::steady_clock.
int64_t temps_monotone_ms();

struct Horloges {
    SourceTemps source = temps_monotone_ms;

    // Seconds used up to the start of the side's current (or last) turn.
    int32_t base_noir = 0, base_blanc = 0;
    // Stamps (seconds) taken when the side's turn began or the clocks restarted.
    int64_t debut_noir = 0, debut_blanc = 0;
    // Base plus the running turn, refreshed by the ticks of the side to move.
    int32_t total_noir = 0, total_blanc = 0;
    int32_t total_courant = 0;
    int32_t minutes_noir = 0, secondes_noir = 0, minutes_blanc = 0, secondes_blanc = 0;

    // Timer1 running; Pause2 is checked exactly when it is not.
    bool timer_actif = false;

    // Texts of the labels minnoir, secnoir, minblanc, secblanc; the 3D
    // copies (minnoir3d...) show the same.
    std::string minnoir = "0", secnoir = "0", minblanc = "0", secblanc = "0";

    // The present stamp in whole seconds.
    int64_t horodatage() const;
};

// Label texts: seconds get a leading "0" up to 9 ("07"), minutes none.
std::string texte_secondes(int32_t s);
std::string texte_minutes(int32_t m);

// One tick of Timer1 for the side to move (trait 1 = black). Does nothing
// while the computer is to move or when the timer is stopped; only the side
// to move's labels change. Returns whether it counted.
bool ajouter_temps(Horloges& h, uint8_t trait, bool tour_ordinateur);

// The set-clock operation of the computer's search: the side's base and
// total become `secondes`, its labels follow. Skipped while pondering.
void regler_horloge(Horloges& h, uint8_t trait, int32_t secondes, bool en_reflexion_adverse);

// Both bases (and totals) from a position record's clock totals, display
// values recomputed; the labels are left to ecrire_etiquettes or the tick.
void restaurer_horloges(Horloges& h, int32_t temps_blanc, int32_t temps_noir);

// The eight labels from the four display values, no padding.
void ecrire_etiquettes(Horloges& h);

// Both turns start now.
void demarrer_tours(Horloges& h);

// Clocks of a new game: everything 0, both turns start now, labels "0".
void remettre_a_zero(Horloges& h);

// "Horloges à zéro" (Horlogeszro1Click): as a new game's clocks, and the
// running game stops being rated.
void horloges_a_zero(Horloges& h, uint8_t& matchState);

// Pause2Click. Stopping keeps the bases as they were at the start of the
// turn; restarting makes both turns start now. Returns the Pause2 check.
bool basculer_pause(Horloges& h);

// A human move made while the timer is stopped restarts it with both turns
// starting now. Returns true when it was stopped (start Timer1, uncheck
// Pause2).
bool relancer_si_arrete(Horloges& h);

// End of a half-move by side `camp`: the mover's base becomes its total
// (brought up to the present first when its time is counted by ticks, that
// is the timer runs and the computer is not to move), and the other side's
// turn starts now.
void fin_de_tour(Horloges& h, uint8_t camp, bool tour_ordinateur);

// Allowance in seconds at ply p: each period of 100 plies adds one more
// periodLimit + 2.
int64_t allocation_temps(int32_t periodLimit, int32_t demi_coup);

// Divisor of the human's clock: players under 1800 points get twice the time.
int diviseur_handicap(int points_humain);

// Results of the time-control check, in the order fin_de_partie must be
// called: 4 "Temps dépassé, gain KOLMAR", 5 "Temps dépassé, vous gagnez".
struct PertesTemps {
    int codes[2] = {0, 0};
    int nombre = 0;
};

// The check run at the start of a computer turn and after its move is
// placed (only while matchState is non-zero). The black clock is checked
// first; both comparisons are strict and both are always made.
PertesTemps verifier_temps(const Horloges& h, const ControleTemps& c, int32_t demi_coup, uint8_t couleur_ordinateur,
                           int points_humain, uint8_t matchState);

}  // namespace kolmar
