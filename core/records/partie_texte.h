// Games as text: the program's own three-line text file ("Kolmar101") and
// the reading of text and PDN files that hold one game or many, replayed
// move by move on the rules' board.
//
// Reading never trusts the file: any byte sequence is taken, the whole
// file is read, and a game longer than the record is cut, never written
// past it. What the window skips silently is still reported here (first
// fault of a game) for kolmar-cli.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "records/gamefile.h"
#include "rules/jeu.h"

namespace kolmar {

// End of game as the game-end routine keeps it.
enum : int { RESULTAT_NOIRS = 0, RESULTAT_NUL = 1, RESULTAT_BLANCS = 2, RESULTAT_AUCUN = 3 };

// The heading of a written game: "blanc-noir", then "  2-0", "  1-1",
// "  0-2", or a blank when the game has no result.
std::string entete_partie(const std::string& blanc, const std::string& noir, int resultat);

// The text file: the heading, "Kolmar101", then the move-list lines up to
// the current ply, four to a line, each followed by two blanks.
std::string texte_partie(const Partie& pt, const std::string& blanc, const std::string& noir, int resultat);

// Writes texte_partie to chemin (through a temporary, as every write).
ResultatFichier ecrire_texte_partie(const std::string& chemin, const Partie& pt, const std::string& blanc,
                                    const std::string& noir, int resultat);

// One game found in a file, before replay.
struct PartieLue {
    std::string blanc;  // at most 19 bytes, UTF-8
    std::string noir;
    std::string resultat;            // "2-0", "1-1", "0-2", "1-0", "0-1", "1/2-1/2", "*" or empty
    std::string type_jeu;            // GameType tag as written, empty when absent
    std::string fen;                 // set-up position, empty for the initial one
    std::vector<std::string> coups;  // move texts in file order
    bool coups_coupes = false;       // more move texts than kept
    bool lisible = false;            // a set-up, or a move text that names squares
    size_t debut = 0, fin = 0;       // its bytes in the file's text
};

// Move texts kept per game: far more than the record holds, so skipped
// illegal moves still leave a whole game, while a hostile file cannot
// make the list grow without bound.
constexpr size_t COUPS_LUS_MAX = 4 * DEMI_COUPS_MAX;

// Every game of a text or PDN file's contents, in file order. PDN is
// recognised by a tag ('[') as the first thing in the file; otherwise
// games are blocks separated by empty lines, names on their first line.
std::vector<PartieLue> lire_parties(const std::string& contenu);

// Reads the whole file (no size limit) into its games.
ResultatFichier ouvrir_fichier_parties(const std::string& chemin, std::vector<PartieLue>& parties);

// Each game of a file's contents in turn, in file order, with its move
// texts when `avec_coups`: a file of any size costs one game at a time.
using VisiteParties = std::function<void(PartieLue&&)>;
void parcourir_parties(const std::string& contenu, bool avec_coups, const VisiteParties& visite);

// A file's games listed to choose from: names and places only, and at
// most a bounded number of them; the chosen one is read again from the
// text with its moves.
constexpr size_t PARTIES_LISTEES_MAX = 10000;
struct FichierParties {
    std::string texte;  // the file up to its first zero byte
    bool pdn = false;
    std::vector<PartieLue> parties;  // the first games, without move texts
    size_t total = 0;                // every game that can be read, listed or not
    // Blocks with nothing to replay (no set-up, no move naming squares):
    // counted, never listed.
    size_t illisibles = 0;
};
void lister_parties(std::string contenu, FichierParties& f, size_t max = PARTIES_LISTEES_MAX);
ResultatFichier ouvrir_fichier_parties(const std::string& chemin, FichierParties& f, size_t max = PARTIES_LISTEES_MAX);
// Listed game k with its move texts, as lire_parties reads it.
PartieLue partie_choisie(const FichierParties& f, size_t k);

// What replaying a game met first.
enum class FauteRejeu : uint8_t {
    aucune,
    illisible,      // a move text that names no squares
    illegal,        // no legal move has its squares
    ambigu,         // two captures fit and the following moves do not choose
    trop_long,      // the record is full: the rest is cut
    type_refuse,    // GameType of another game (type_jeu says which)
    fen_illisible,  // the set-up position cannot be read
};

struct Rejeu {
    int demi_coups = 0;  // half-moves played onto the record
    FauteRejeu faute = FauteRejeu::aucune;
    int numero = 0;     // 1-based index of the faulty move text in the game
    std::string texte;  // that move text, or the GameType refused
    // Faults after the first (skipped moves), counted for reports.
    int autres_fautes = 0;
    bool refusee() const { return faute == FauteRejeu::type_refuse || faute == FauteRejeu::fen_illisible; }
};

// True when the GameType tag (absent, "27" or "27,...") is Canadian draughts.
bool type_canadien(const std::string& type_jeu);

// The GameType number of a tag ("20,W,10,10,N2,0" gives 20), -1 when none.
int numero_type_jeu(const std::string& type_jeu);

// Replays p into jeu: start position (FEN or initial), then each move
// text matched against the legal moves; unreadable and illegal ones are
// skipped and play goes on from the same position; a short capture two
// paths could mean is settled by the moves that follow. Names become
// etat's, clocks start at 0. A refused game leaves jeu and etat as they were.
Rejeu rejouer_partie(const PartieLue& p, Jeu& jeu, EtatNote& etat);

}  // namespace kolmar
