// The level menu: seventeen items, each both a thinking-time budget for the
// computer and a clock allowance for rated games. No Qt here: the window
// builds its menu from the table and asks which item carries the check.
#pragma once

#include <cstdint>
#include <string>

namespace kolmar {

// The time control of the game; saved with every game file.
struct ControleTemps {
    int32_t engineBudget = 160;
    int32_t periodLimit = 178;  // allowance of one period in seconds, minus 2
    int32_t periodMinutes = 3;  // the figure of the Nbminutes edit
    uint8_t levelIndex = 0;     // 1..7 special levels, 8 "Autre", 0 named levels
    uint8_t levelCode = 5;      // identifies the checked item
};

struct Niveau {
    const char* objet;         // menu item objectName
    const char* gestionnaire;  // handler name
    int32_t engineBudget;      // 55 per minute for "Autre"
    int32_t periodLimit;       // for "Autre": 60 per minute, minus 2
    int32_t minutes;           // Nbminutes text; 0 for "Autre" (as typed)
    uint8_t levelIndex;
    uint8_t levelCode;
    bool special;  // in the submenu XSpecial1
};

constexpr int NB_NIVEAUX = 17;
// Menu order: nine named levels, the seven special levels, "Autre".
extern const Niveau niveaux[NB_NIVEAUX];

constexpr int NIVEAU_AUTRE = 16;
constexpr int NIVEAU_EXCELLENCE = 5;  // the level of a first game

// Caption of row i in a language (UTF-8); "" for a bad row.
const char* libelle_niveau(int i, int langue);

// Row of the table for a stored levelCode, -1 when no item matches.
int niveau_de_code(int levelCode);

// levelIndex belonging to a levelCode (files keep only the code).
uint8_t levelIndex_de_code(int levelCode);

// A level handler: the control of row i (not "Autre", which needs minutes).
// Returns false and changes nothing for a bad row or for "Autre".
bool choisir_niveau(ControleTemps& c, int i);

// Whether row i carries the check mark: exactly one row for a valid code.
bool niveau_coche(const ControleTemps& c, int i);

// Decimal value of the Nbminutes text, 0 when it is not a whole number
// (blanks around it allowed) or does not fit.
int32_t minutes_autre(const std::string& texte);

// OK of the "Autre" panel (BitBtn24Click): accepts N > 0 minutes and sets
// 55 N, 60 N - 2, levelIndex 8, levelCode 18. A refused text changes
// nothing and the panel stays open (returns false).
bool accepter_autre(ControleTemps& c, const std::string& texte);

}  // namespace kolmar
