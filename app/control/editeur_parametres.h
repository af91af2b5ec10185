// The evaluation parameters editor without its window: what each field
// shows, where the fields of a table stand, how typed text becomes a
// parameter, and the menu items that save and load parameter files.
#pragma once

#include <cstdint>
#include <string>

#include "engine/params.h"

namespace kolmar {

class Controleur;

// Typed text as the C library reads a decimal (blanks, a sign, digits,
// the rest ignored, no digits 0), kept to its low 8 bits: "-5" is 251,
// "300" is 44, "12abc" is 12.
uint8_t valeur_champ(const std::string& texte);

// The cell (row 0 at the top, column 0 at the left) of the 12 x 12 table
// panel that holds entry k (1..72): the square 73 - k, so the panel shows
// what a white man is worth on each square.
void cellule_entree(int k, int& rangee, int& colonne);
// The entry shown on a cell, 0 on a light cell or off the panel.
int entree_de_cellule(int rangee, int colonne);

// The texts of every field: table entries 1..72 as unsigned bytes, the 39
// scalars (thresholds, variant squares, tempo weights) as signed bytes.
struct ChampsParametres {
    std::string tables[NB_TABLES_PIONS][73];  // entry 0 is never edited
    std::string scalaires[NB_SCALAIRES];
};

ChampsParametres champs_parametres(const Parametres& p);
// OK: every field back into the parameters, the tables first and the
// scalars last, so a scalar field wins over the T7 entry it shares.
void prendre_champs(Parametres& p, const ChampsParametres& c);

// "Modifier les paramètres": the editor's fields from the engine's parameters.
ChampsParametres Changer1Click(Controleur& f);
// parametreOK: the fields become the engine's parameters (used from its
// next move). "Cancel" takes nothing back.
void parametreOKClick(Controleur& f, const ChampsParametres& c);
// "Sauver les paramètres" / "Charger des paramètres" with the file the
// user chose; false after the "Erreur" box.
bool Sauverlesparamtres1Click(Controleur& f, const std::string& chemin);
bool Chargerdesparamtres1Click(Controleur& f, const std::string& chemin);

}  // namespace kolmar
