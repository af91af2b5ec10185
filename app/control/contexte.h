// The state of one game session: the game, its record, the flags of the
// turn flow, clocks, levels, players, the rated match and the computer
// player. One thread: reentrancy only comes from event processing inside
// long work (animations, the search), so plain flags are enough.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "control/horloges.h"
#include "control/niveaux.h"
#include "control/tour.h"
#include "control/vue.h"
#include "engine/analyse.h"
#include "engine/book.h"
#include "engine/endgame.h"
#include "engine/moteur.h"
#include "records/classement.h"
#include "records/gamefile.h"
#include "records/lecons.h"
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

// The check marks of "Options", "Paramétrage", the sounds and the game
// modes. The window's actions set them; nothing else is asked of a menu.
struct Options {
    bool humains = false;      // "Humain contre humain"
    bool ordinateurs = false;  // "Ordinateur contre ordinateur"
    bool numeroter = false;
    bool indication_mouvements = true;
    bool decomposer_prises = true;
    bool reflexion_adverse = true;
    bool arret_par_clic = true;
    bool bip = true;           // "Bip à chaque coup"
    bool commentaires = true;  // "Autres" sounds
    bool aveugle = false;      // "Jeu en aveugle"
    bool regles_nulle = true;  // "Règles de nulle": repetition, kings alone, short endings
};

// A press or a release on the board, in client pixels.
struct Saisie {
    int32_t x = 0, y = 0;
    bool relache = false;
};

struct Session {
    uint8_t contre_ordinateur = 1;  // 0 in "Humain contre humain"
    Tour tour = Tour::repos;
    uint8_t arret_calcul = 0;        // stop request read by the search
    uint8_t fin_programme = 0;       // ends the main loop
    uint8_t couleur_ordinateur = 1;  // 1: the computer plays black
    int32_t en_reflexion_adverse = 0;
    uint8_t mode_probleme = 0;
    // Set-up: the piece code a click places (0 the eraser), the set-up tab
    // is the active page, and "Ordinateur joue" is the caption of Couleurjoue.
    uint8_t pion_choisi = PION_BLANC;
    bool onglet_probleme = false;
    bool couleurjoue_ordinateur = false;
    int nb_legaux = 0;
    uint8_t trait_dernier = BLANC;
    uint8_t veto_reflexion = 0;

    // Bumped by every change of the game's position (a committed move, a
    // new game, navigation, loading, set-up, exchanging colours): a search
    // result is played only on the position it was asked for.
    uint64_t version_position = 0;

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
    int prise_saisie = 0;
    std::vector<Candidat> candidats;
    // The landing squares before the end of the last multiple capture
    // played, at ply ply_chemin: the record keeps only its ends, and a
    // capture round a ring could have gone either way.
    std::vector<uint8_t> chemin_joue;
    int ply_chemin = -1;

    // Board input the main loop has not taken yet, in the order it came:
    // presses and releases at client points. One slot would lose the first
    // of two presses that arrive within one pumping of events.
    std::deque<Saisie> saisies;
    // The last press went into the queue, so its release does too.
    bool appui_en_file = false;
    // The press the move entry took last left a piece selected on this
    // square (0 none); its release tells a click from a drag.
    uint8_t case_pressee = 0;
    // That press picked a piece whose one move (this candidate) is played
    // on the release, or it pressed the selected piece, which the release
    // puts down unless it was dragged.
    int candidat_retenu = -1;
    bool deselection_retenue = false;

    // The result panel is up: board clicks no longer move pieces.
    bool partie_finie = false;
    // 0 black won, 1 draw, 2 white won, 3 none (for the text export).
    int resultat = 3;

    // The engine is searching (the computer's turn, pondering or an
    // analysis): its state belongs to the search on the stack.
    bool recherche_en_cours = false;
    // Pondering has run since the computer's last turn.
    bool reflexion_faite = false;
    // A new table size asked for during a search (-1 none): the search
    // works in the table, so it is replaced once the search has returned.
    int taille_hash_attente = -1;

    // The analysis: asked for while a search ran, its window open, its
    // loop running, and what its buttons asked of the loop.
    bool analyse_demandee = false;
    bool analyse_ouverte = false;
    bool analyse_en_cours = false;
    bool arret_phase = false;
    bool fin_analyse = false;
    bool reflexion_avant_analyse = true;

    // The commands the window enables, as last sent.
    Commandes commandes{};
    bool commandes_envoyees = false;
};

// A press or a release waits for the main loop.
inline bool clic_en_attente(const Session& S) {
    return !S.saisies.empty();
}

// The computer has the move: it is to start, thinks, or shows its move.
// A human's capture being shown counts too, since input waits for it.
inline bool tour_ordinateur(const Session& S) {
    return S.tour != Tour::repos;
}

// Animation waits; tests set them to zero.
struct Delais {
    int pas_ms = 500;   // each landing square of a capture
    int fin_ms = 1000;  // from the last step to the end square
    int clignotement_ms = 10;
};

struct Contexte {
    std::unique_ptr<Jeu> jeu = std::make_unique<Jeu>();
    Session session;
    Options options;
    EtatNote etat;
    Delais delais;
    // Interface language, 0 French .. 5 Italian.
    int langue = 0;
    // The board as drawn: turned (white at the top) or not.
    uint8_t damier_inverse = 0;
    // Settings as the last game file read left them; a save writes them
    // back with the current ones.
    Reglages reglages;
    // The opening lists the editors change and the driver reads.
    Bibliotheque bibliotheque;
    // Players and points of the rated match; matchState below says whether
    // one runs.
    Match match;
    // The computer player thinks on its own copy of the game, so nothing
    // the window does during a search can disturb it.
    std::unique_ptr<Jeu> jeu_moteur = std::make_unique<Jeu>();
    std::unique_ptr<Moteur> moteur = std::make_unique<Moteur>(*jeu_moteur);
    // Endgame tables and learned positions, attached to the engine once
    // loaded.
    std::unique_ptr<Finales> finales = std::make_unique<Finales>();
    Horloges horloges;
    ControleTemps controle;
    // The last analysis, its lines kept until the next one.
    Analyse analyse;
    // The training session, and the lesson file the lesson panels stand on
    // (empty until one is opened).
    SessionEntrainement entrainement;
    std::string lecon;
};

}  // namespace kolmar
