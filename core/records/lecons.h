// Lessons: the table of learned positions as ".dal" files, the learning
// step that stores the final position of an analysed game, training
// sessions, and the lessons and problems of the "Problemes" folder with
// their companion texts.
//
// The table is the one the search reads (Finales::positions): 64 000
// entries of 8 bytes, lock (u32), score (i16), two unused bytes, the entry
// of a position being its file index key mod 64 000.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/endgame.h"
#include "engine/tt.h"
#include "records/gamefile.h"
#include "rules/record.h"

namespace kolmar {

constexpr size_t TAILLE_FICHIER_LECONS = TAILLE_POSITIONS_APPRISES;  // 512 000 bytes
// Entries scored this high (or this low) were put there by hand: learning
// never overwrites them.
constexpr int SCORE_PROTEGE = 30000;
// Learning needs a game longer than this and balanced material.
constexpr int PLIES_MIN_APPRENTISSAGE = 20;
constexpr int ECART_MATERIEL_MAX = 2;

// Material as learning weighs it: three per man, one per king.
int materiel_lecon(const uint8_t nb_pieces[5], int side);

enum class Apprentissage : uint8_t {
    possible,            // ask for the lesson file, then apprendre_position
    partie_trop_courte,  // 20 plies or fewer
    materiel_ecart,      // the sides differ by more than 2
};

// The final position of a game as learning takes it.
struct PositionApprise {
    Apprentissage issue = Apprentissage::partie_trop_courte;
    uint32_t index = 0;   // file index key: the entry is index mod 64 000
    uint32_t verrou = 0;  // lock, one higher when white is to move
    int demi_coup = 0;    // the last ply, where navigation ends
};

// Steps to the last ply of pt, keys its board with t's file keys and
// checks the conditions. The search looks learned positions up with the
// lock one higher while white is its root side, so a position after
// black's move (white to move) is stored that way.
PositionApprise preparer_apprentissage(const Partie& pt, const TableHachage& t);

// Stores score for the position unless its entry holds a protected score
// (|score| >= 30 000). An empty table is first made whole (zeros). True
// when the entry was written.
bool apprendre_position(std::vector<uint8_t>& table, const PositionApprise& pos, int16_t score);

// Writes the whole table (512 000 bytes) through a temporary: a file that
// cannot be written is left on disk as it was, and the result says why.
ResultatFichier ecrire_lecons(const std::string& chemin, const std::vector<uint8_t>& table);

// "Charger des leçons": the file's first 512 000 bytes replace the table;
// a short file fills it only as far as it goes; an unreadable one leaves
// it unchanged.
ResultatFichier charger_lecons(const std::string& chemin, std::vector<uint8_t>& table);

// Score stored for a position, false when its entry has another lock.
bool score_appris(const std::vector<uint8_t>& table, uint32_t index, uint32_t verrou, int16_t& score);

// Training session: the computer plays itself, analyses, learns, starts
// again. The controller disables "Lancer une session" and enables
// "Arrêter la session" while it runs. What is learned is only as good as
// the games: a session thinks at least BUDGET_SESSION, some ten seconds a
// move, whatever the level.
constexpr int32_t BUDGET_SESSION = 500;
struct SessionEntrainement {
    bool active = false;
    // The level's budget the session raised (-1: it raised none).
    int32_t budget_avant = -1;
};
// Raises engineBudget to 500 when lower.
void lancer_session(SessionEntrainement& s, int32_t& engineBudget);
void arreter_session(SessionEntrainement& s);
// The same, and the level's own budget back when the session raised it
// and nobody changed it since.
void arreter_session(SessionEntrainement& s, int32_t& engineBudget);

// The lessons and problems of a folder: "*.dam" names (any case, never
// "*.damt"), sorted, so "Suivant ->" walks them in one order.
std::vector<std::string> lister_lecons(const std::string& dossier);

// The lesson after `courante` (a name of the list), wrapping round to the
// first; the first when `courante` is not in the list; empty when none.
std::string lecon_suivante(const std::vector<std::string>& lecons, const std::string& courante);

// The companion text of a lesson file: the same name with "t" appended,
// as UTF-8. False when there is none.
bool lire_texte_lecon(const std::string& chemin_dam, std::string& texte);

// A lesson's text cut where its solution begins, at the first line that
// starts with "Solution" and a colon: what the player reads before looking
// for the move, and the solution (empty when the text gives none).
void separer_solution(const std::string& texte, std::string& enonce, std::string& solution);

}  // namespace kolmar
