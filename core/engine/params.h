// Evaluation parameters and the ".par" files that hold them: eight men
// tables by square, the phase thresholds, the squares of the two opening
// variants and the tempo weights, 1166 bytes read and written in one block.
#pragma once

#include <cstdint>
#include <string>

#include "engine/donnees.h"
#include "records/fichiers.h"

namespace kolmar {

constexpr int TAILLE_PAR = 1166;
constexpr int NB_TABLES_PIONS = 8;
// The scalars live inside T7 (its entries 33..71), file offsets 544..582.
constexpr int OFS_SCALAIRES = 511 + 33;
constexpr int NB_SCALAIRES = 39;

extern const char* const FICHIER_PARAMETRES_DEFAUT;  // "Parametres/defaut_can.par"

struct Parametres {
    // T0 "Début par défaut" .. T7 "Milieu variante type 2", entries 1..72,
    // indexed from the man's own back row.
    uint8_t tables[NB_TABLES_PIONS][73] = {};
    // The file image; its reserved tail is written back as it was read.
    uint8_t tampon[TAILLE_PAR] = {};

    // Scalars, read through T7 so that both views always agree.
    int8_t scalaire(int k) const { return static_cast<int8_t>(tables[7][33 + k]); }
    void fixer_scalaire(int k, int v) { tables[7][33 + k] = static_cast<uint8_t>(v); }
    int phase_bas(int i) const { return scalaire(i); }  // P1, P2, P3 for i = 0, 1, 2
    // Variant v (1 or 2), k = 0..6.
    int case_blanche(int v, int k) const { return scalaire(3 + (v - 1) * 7 + k); }
    int case_noire(int v, int k) const { return scalaire(17 + (v - 1) * 7 + k); }
    // Opening, middle, pre-final, final, opening v1, middle v1, opening v2, middle v2.
    int poids_tempo(int k) const { return scalaire(31 + k); }
};

enum class ResultatParametres { ok, ouverture_impossible, fichier_court };

// Copies the staging buffer into the tables, scalars last.
void depuis_tampon(Parametres& p);
// Tables then scalars into the staging buffer.
void vers_tampon(Parametres& p);

// Reads a ".par" file. A file that cannot be opened changes nothing; a
// short one replaces the start of the staging buffer only, then everything
// is copied from the buffer.
ResultatParametres charger_parametres(Parametres& p, const std::string& chemin);
// Writes the 1166 bytes; false when the file cannot be written.
// On failure `raison` (when given) tells why.
bool sauver_parametres(Parametres& p, const std::string& chemin, RaisonEchec* raison = nullptr);

// Start-up: "defaut_can.par" from the data directory. On failure the
// parameters are left untouched and `erreur` tells the user what to do.
bool charger_parametres_defaut(Parametres& p, ErreurDonnees& erreur, const std::string& dir = std::string());

}  // namespace kolmar
