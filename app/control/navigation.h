// Moving through the game record and taking moves back. Every command sets
// the current ply and copies the stored position back; nothing is replayed.
// No Qt: each command changes the Jeu, the clocks and the turn-flow values
// below, and says what the window must refresh.
//
// A command may arrive while the computer searches (or ponders), from a
// handler run by the search's event pumping. The engine thinks on its own
// copy of the game, so both boards are rewritten at once; the stop request
// makes the search give up and the controller drops its answer because the
// position changed.
#pragma once

#include <cstdint>
#include <string>

#include "control/horloges.h"
#include "control/tour.h"
#include "rules/jeu.h"

namespace kolmar {

// The turn-flow values navigation reads and writes, bound to wherever the
// window keeps them (its session flags and the state it notes positions
// with).
struct EtatTour {
    uint8_t& arret_calcul;  // stop request the search polls
    Tour& tour;
    uint8_t& matchState;
    uint8_t& trait_dernier;       // trait right after the last committed half-move
    uint8_t& couleur_ordinateur;  // 1: the computer plays black
    EtatNote& etat;               // current names (and the colour and clocks noted)
};

// What the window must refresh after a command. The piece counters
// (from jeu.nb_pieces) are refreshed after every command.
struct Rafraichir {
    bool position = false;    // repaint the board from plateau_affiche
    bool noms = false;        // Nom_blanc, Nom_noir and the 3D name labels
    bool etiquettes = false;  // the eight clock labels from Horloges
    bool saisie = false;      // clear the pending move input
    bool selection = false;   // select line `ligne` of ListBox1 (-1: none)
    int ligne = -1;
    bool couleur = false;           // Couleurordi gets texte_couleur_ordinateur()
    bool jouer_ordinateur = false;  // the computer plays the side to move now
};

// Common restore step: record demi_coup_courant becomes the live position
// (both boards), its clock totals
// the clock bases, its names and computer colour the current ones.
void restaurer_position(Jeu& jeu, Horloges& h, EtatTour& e);

// F1 "Reprendre coups": one ply back.
Rafraichir reprise(Jeu& jeu, Horloges& h, EtatTour& e);
// F2 "Avancer coups": one ply forward; the game is no longer rated.
Rafraichir avancer(Jeu& jeu, Horloges& h, EtatTour& e);
// Ctrl+F1 "Revenir au début": ply 0, white to move, clocks showing zero.
Rafraichir revenir_debut(Jeu& jeu, Horloges& h, EtatTour& e);
// Ctrl+F2 "Aller à la fin": the last stored ply, side to move trait_dernier.
Rafraichir Aller_fin(Jeu& jeu, Horloges& h, EtatTour& e);
// Double-click on line k of the move list: the start of that line for the
// side to move (ply 2k or 2k + 1). Any line of the game is reachable; a
// line past the end changes nothing.
Rafraichir revenir_n(Jeu& jeu, Horloges& h, EtatTour& e, int ligne);
// F4 "Inverser les joueurs": the computer takes the other colour and plays
// the side to move at once.
Rafraichir inverser_joueurs(Jeu& jeu, EtatTour& e);

// Couleurordi caption in an interface language (0 French .. 5 Italian,
// anything else French).
const char* texte_couleur_ordinateur(int langue, uint8_t couleur_ordinateur);

}  // namespace kolmar
