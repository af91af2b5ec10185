// What the file and register operations report: codes, turned into text
// in the interface language by core/lang (texte_resultat), so the window
// and kolmar-cli say the same thing in one place.
#pragma once

#include <cstdint>

namespace kolmar {

enum class MessageFichier : uint8_t {
    aucun,              // a refusal that says nothing (an empty name)
    impossible_ouvrir,  // "Impossible d'ouvrir ce fichier"
    impossible_ecrire,  // "Impossible d'écrire ce fichier", and the reason
    endommage,          // "Fichier de partie endommagé : " and the fault
};

// What was found wrong in a damaged game file, with up to three numbers.
enum class FauteFichier : uint8_t {
    aucune,
    trop_court,            // bytes read, bytes of one record
    trait_inconnu,         // trait
    courant_hors_table,    // current ply
    longueur_hors_table,   // length
    longueur_incoherente,  // length, plies held
    code_piece,            // code, square, ply
    couleur_ordinateur,    // colour, ply
    coup_hors_damier,      // from, to, ply
    langue_inconnue,       // language
    taille_tables,         // table size code
    cadence_negative,      // budget, limit, minutes
};

}  // namespace kolmar
