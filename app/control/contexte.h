// The state the main window's handlers, the turn flow and the display
// share. One thread: reentrancy only comes from event processing inside
// long work (animations, later the search), so plain flags are enough.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/book.h"
#include "records/classement.h"
#include "control/horloges.h"
#include "control/niveaux.h"
#include "engine/moteur.h"
#include "rules/board.h"
#include "rules/jeu.h"
#include "rules/record.h"

namespace kolmar {

// One move of the selected piece: captured squares and the landing square
// after each capture, both 1-based (a plain move has its end in arrets[1]).
struct Candidat {
    uint8_t prises[MAX_PRISES + 1] = {};
    uint8_t arrets[MAX_PRISES + 1] = {};
};

struct Session {
    uint8_t contre_ordinateur = 0;  // 0 in "Humain contre humain"
    uint8_t tour_ordinateur = 0;    // the computer is to move or thinks
    uint8_t jouer_maintenant = 0;   // request: the computer moves now
    uint8_t arret_calcul = 0;       // stop request read by the search
    uint8_t fin_programme = 0;      // ends the main loop
    uint8_t couleur_ordinateur = 1;  // 1: the computer plays black
    int32_t en_reflexion_adverse = 0;
    int32_t matchState = 0;  // 0 training, 5 rated game scored
    uint8_t mode_probleme = 0;
    int nb_legaux = 0;
    uint8_t trait_dernier = BLANC;
    uint8_t veto_reflexion = 0;
    uint8_t navigation = 0;  // position reached by moving through the record

    // Move entry.
    uint8_t case_choisie = 0;
    uint8_t piece_choisie = 0;  // 0: nothing selected
    uint8_t chemin_saisi[MAX_PRISES + 2] = {};
    int nb_saisis = 0;
    uint8_t marques[TAILLE_DAMIER] = {};  // 1 offered landing, 100 offered end
    bool ambiguite = false;
    uint8_t coup_depart = 0;
    uint8_t coup_arrivee = 0;
    uint8_t dernier_coup_ordi[2] = {};
    // The selected piece's moves, kept here so that anything generating
    // in between (pondering) cannot change them.
    int prise_saisie = 0;
    std::vector<Candidat> candidats;

    // Pending click on the board.
    int32_t clic_x = 0;
    int32_t clic_y = 0;
    bool clic_en_attente = false;

    // The result panel is up: board clicks no longer move pieces.
    bool partie_finie = false;
    // A move is being shown step by step.
    bool animation = false;
    // 0 black won, 1 draw, 2 white won, 3 none (for the text export).
    int resultat = 3;

    // The driver runs on damier (the computer's turn or pondering).
    bool recherche_en_cours = false;
    // Pondering has run since the computer's last turn.
    bool reflexion_faite = false;
    // The colours were exchanged while the computer was thinking.
    bool inversion = false;
    // Asked for during a search, carried out once it has returned: the
    // end of the game (kind, -1 none) and a new table size (-1 none).
    int fin_differee = -1;
    int taille_hash_attente = -1;
};

// Animation waits; tests set them to zero.
struct Delais {
    int pas_ms = 500;       // each landing square of a capture
    int fin_ms = 1000;      // from the last step to the end square
    int clignotement_ms = 10;
};

struct Contexte {
    std::unique_ptr<Jeu> jeu = std::make_unique<Jeu>();
    Session session;
    EtatNote etat;
    Delais delais;
    // The opening lists the editors change and the driver reads.
    Bibliotheque bibliotheque;
    // Players and points of the rated match; session.matchState says
    // whether one runs.
    Match match;
    // The computer player, on *jeu; its data is loaded by charger_moteur.
    std::unique_ptr<Moteur> moteur = std::make_unique<Moteur>(*jeu);
    Horloges horloges;
    ControleTemps controle;
};

}  // namespace kolmar
