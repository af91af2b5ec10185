// Game files (".dam") and the autosave "last72.dam": a byte image of the
// 510 position records, then the current ply index (int32) and the side to
// move (one byte). Records 508 and 509 carry the settings.
//
// Reading never changes the caller's game until the whole file has been
// checked: a damaged file is refused with a message and nothing moves.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "records/fichiers.h"
#include "records/messages.h"
#include "rules/jeu.h"
#include "rules/record.h"

namespace kolmar {

constexpr size_t TAILLE_FICHIER_PARTIE = 65285;
constexpr size_t OFS_FICHIER_COURANT = 65280;  // int32 current ply index
constexpr size_t OFS_FICHIER_TRAIT = 65284;    // 1 black, 0 white

// Byte 0 of record 0 keeps the low 8 bits of the game length for older
// readers; bytes 125..127 of record 0 hold a marker and the full length
// (16 bits, little-endian) so long games come back whole.
constexpr int OFS_MARQUE_LONGUEUR = 125;
constexpr uint8_t MARQUE_LONGUEUR = 0x4B;
// Lessons and problems never run longer than this.
constexpr int LONGUEUR_LECON_MAX = 250;

constexpr const char* FICHIER_AUTOSAVE = "last72.dam";
constexpr const char* DOSSIER_SAUVE = "Sauve";
constexpr const char* DOSSIER_PROBLEMES = "Problemes";

// The settings that travel with every game file.
struct Reglages {
    int32_t periodMinutes = 3;
    int32_t taille_hash = 100;  // transposition-table size code
    uint8_t langue = 0;         // 0 French .. 5 Italian
    uint8_t levelCode = 5;
    int32_t engineBudget = 160;
    int32_t periodLimit = 178;
};

// Transposition-table size codes the menu offers.
bool taille_hash_connue(int32_t code);

struct ResultatFichier {
    bool ok = true;
    // For the "Erreur" box when !ok (texte_resultat); aucun when silent.
    MessageFichier message = MessageFichier::aucun;
    FauteFichier faute = FauteFichier::aucune;
    int valeurs[3] = {};
    RaisonEchec raison = RaisonEchec::aucune;  // why a write failed
    static ResultatFichier echec(MessageFichier m) {
        ResultatFichier r;
        r.ok = false;
        r.message = m;
        return r;
    }
    static ResultatFichier echec_ecriture(RaisonEchec raison) {
        ResultatFichier r = echec(MessageFichier::impossible_ecrire);
        r.raison = raison;
        return r;
    }
    static ResultatFichier endommage(FauteFichier f, int a = 0, int b = 0, int c = 0) {
        ResultatFichier r = echec(MessageFichier::endommage);
        r.faute = f;
        r.valeurs[0] = a, r.valeurs[1] = b, r.valeurs[2] = c;
        return r;
    }
};

// The file image of a game: byte 0 of record 0 and the full length take
// dernier_demi_coup, records 508/509 take the settings.
std::string image_partie(const Partie& pt, uint8_t trait, const Reglages& r);

// Writes the image through a temporary renamed over the old file.
ResultatFichier ecrire_partie(const std::string& chemin, const Partie& pt, uint8_t trait, const Reglages& r);

// What a file holds, merged over the state it was read on top of (a short
// file only replaces what it reaches).
struct LecturePartie {
    Partie partie;
    uint8_t trait = BLANC;
    Reglages reglages;               // zero budget or limit already replaced by defaults
    int32_t longueur = 0;            // last ply index as stored
    bool longueur_complete = false;  // taken from the full-length field
    size_t taille = 0;               // bytes the file held
};

// The reader: reads chemin over copies of (avant, trait_avant), takes the
// settings out, and checks everything the game will use. Refuses with a
// message; `lu` is only meaningful when ok.
ResultatFichier lire_partie(const std::string& chemin, const Partie& avant, uint8_t trait_avant, LecturePartie& lu);

// Whose settings a read applies, and how the length is taken.
enum class ModeLecture {
    ouvrir,     // "Ouvrir": keeps the language and the table size
    lecon,      // lessons and problems: length at most 250, never raised; takes the table size
    reprise,    // resuming the last game: takes the table size
    demarrage,  // start-up: settings only, the language included
};

// Saves the game of jeu (the committed position first goes back onto the
// working board, so a search state is never saved).
ResultatFichier sauver_jeu(const std::string& chemin, Jeu& jeu, const Reglages& r);

// Reads a game file into jeu: records, indexes, side to move, the position
// and state (clocks, names, computer colour) at the current ply, the
// move list, and the settings the mode takes. Names lose their control
// characters. Refused or unreadable files leave jeu, etat and reglages as
// they were.
ResultatFichier ouvrir_jeu(const std::string& chemin, Jeu& jeu, EtatNote& etat, Reglages& reglages,
                           ModeLecture mode = ModeLecture::ouvrir);

// Rewrites only the interface language of a readable game file; the game
// and every other byte stay (a file too short to hold it is left alone).
ResultatFichier poser_langue_partie(const std::string& chemin, uint8_t langue);

// "Changer les noms": the names become the current ones (cut to 19 bytes)
// and are written into the record of the current ply, so a save keeps them.
void appliquer_noms(Partie& pt, EtatNote& etat, const std::string& blanc, const std::string& noir);

// Paths in the player's folder. The folders are created when missing, the
// lessons folder filled with the program's lessons.
std::string dossier_sauve();
std::string dossier_problemes();
std::string chemin_autosave();

}  // namespace kolmar
