// Transposition table and the two 32-bit position keys: the index key
// picks the slot, the lock key is stored in it and checked on lookup.
// Keys are exclusive-ors of per-(code, square) values from "hashkey73.dat";
// the side to move is not part of them, the entry's flag tells it apart.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/donnees.h"
#include "rules/board.h"

namespace kolmar {

extern const char* const FICHIER_CLES;  // "hashkey73.dat"
constexpr int NB_CLES = 365;            // element c * 72 + s for code c, square s
constexpr int TAILLE_FICHIER_CLES = 2 * NB_CLES * 4;
constexpr int ENTREES_PAR_UNITE = 1310;
constexpr int NB_TAILLES_HASH = 8;
constexpr int TAILLE_HASH_DEPART = 2;  // menu index of "1,5Mo"

// Menu "Taille des tables de transposition": captions, sizes S, ply offsets H.
extern const char* const k_libelles_hash[NB_TAILLES_HASH];
extern const int16_t k_tailles_hash[NB_TAILLES_HASH];
extern const int8_t k_decalages_hash[NB_TAILLES_HASH];

// Kinds of a flag. The byte is the kind, plus the writer's root colour
// (0/1), plus HASH_MIN when a min node wrote it; 0 is an empty slot.
enum : uint8_t {
    HASH_EXACT = 1,
    HASH_COUPURE = 3,  // score at or beyond the bound that cut
    HASH_ECHEC = 5,    // score never got past the window's near bound
    HASH_DECISIF = 100,
    HASH_MIN = 50,
};

// A flag byte taken apart.
struct Drapeau {
    uint8_t genre = 0;      // HASH_EXACT, HASH_COUPURE, HASH_ECHEC or HASH_DECISIF
    bool noeud_max = true;  // the writer's kind of node
    int racine = 0;         // the writer's root colour
};

inline uint8_t coder_drapeau(uint8_t genre, bool noeud_max, int racine) {
    return static_cast<uint8_t>(genre + (noeud_max ? 0 : HASH_MIN) + racine);
}
// False for an empty slot and for a byte no writer makes.
inline bool decoder_drapeau(uint8_t f, Drapeau& d) {
    if (f == 0) return false;
    if (f >= HASH_DECISIF) {
        d.noeud_max = f < HASH_DECISIF + HASH_MIN;
        d.racine = f - (d.noeud_max ? HASH_DECISIF : HASH_DECISIF + HASH_MIN);
        d.genre = HASH_DECISIF;
        return d.racine <= 1;
    }
    d.noeud_max = f <= HASH_MIN;
    const int k = f - (d.noeud_max ? 0 : HASH_MIN);
    d.racine = (k - 1) & 1;
    d.genre = static_cast<uint8_t>(k - d.racine);
    return true;
}

inline bool flag_decisif(uint8_t f) {
    return f >= HASH_DECISIF;
}
inline bool flag_exact(uint8_t f) {
    Drapeau d;
    return decoder_drapeau(f, d) && d.genre == HASH_EXACT;
}
// A cut or a fail: the score is only a bound.
inline bool flag_borne(uint8_t f) {
    Drapeau d;
    return decoder_drapeau(f, d) && d.genre != HASH_EXACT && d.genre != HASH_DECISIF;
}

// What an entry says of the node that reads it.
enum class Borne : uint8_t {
    exacte,
    basse,  // the node's score is at least this
    haute,  // the node's score is at most this
};

struct EntreeHash {
    uint32_t lock;
    int16_t score;
    uint8_t origine;
    uint8_t destination;
    uint8_t flag;    // 0: empty slot
    uint8_t ply;     // search ply + moves played in the game
    int8_t horizon;  // depth searched to (the iteration's, or the node's) + moves played
};

struct TableHachage {
    // Keys: cles_index are the table's (replaced on resize), cles_fichier
    // stay those of the file for the learned-positions table.
    uint32_t cles_index[NB_CLES] = {};
    uint32_t cles_verrou[NB_CLES] = {};
    uint32_t cles_fichier[NB_CLES] = {};
    bool cles_chargees = false;

    int16_t S = 100;  // table holds S * 1310 entries
    int8_t H = 2;     // hash ply offset
    int menu = TAILLE_HASH_DEPART;
    uint32_t nb_entrees = 0;
    uint64_t inverse = 0;  // 2^64 / nb_entrees rounded up: slot without a division
    std::unique_ptr<EntreeHash[]> entrees;

    // The node's context for probe/store: moves played and iteration depth.
    int M = 0;
    int D = 0;
    // Entries by the node's own depth, horizons read as 0..254 (the
    // iteration's depth and a signed byte otherwise, so a game past about
    // 120 plies kept nothing usable).
    bool par_noeud = false;
    // Slots paired: the even one keeps the replacement rules, the odd one
    // takes whatever they turn away, so a deep entry no longer costs the
    // table every newer one landing on its slot.
    bool seaux = false;
    uint32_t graine = 12345;  // resize's key generator
    // Largest table allowed, in entries (0: no cap); a larger size is refused
    // as an allocation failure would be.
    uint32_t plafond_entrees = 0;
};

// Reads "hashkey73.dat"; on a missing or short file, false and a message
// for the user. Nothing is read past the data.
bool charger_cles(TableHachage& t, ErreurDonnees& erreur, const std::string& dir = std::string());
// init_hash: allocate for the current S and clear. False if out of memory.
bool init_hash(TableHachage& t);
void clear_hash(TableHachage& t);
// Menu choice 0..7: new size, new empty table, fresh index keys in
// 0 .. S * 1310 - 1 (the lock keys stay). False if the new table cannot
// be had: the old table, its size and its keys then stay as they were.
bool resize_hash(TableHachage& t, int index);

// cle_index % nb_entrees by two multiplications (exact for 32-bit values).
inline uint32_t slot(const TableHachage& t, uint32_t cle_index) {
    const uint64_t bas = t.inverse * cle_index;
    return static_cast<uint32_t>((static_cast<unsigned __int128>(bas) * t.nb_entrees) >> 64);
}

// The entry's horizon as the table reads it.
inline int horizon_de(const TableHachage& t, const EntreeHash& e) {
    return t.par_noeud ? static_cast<uint8_t>(e.horizon) : e.horizon;
}

// The entry a node of the position reads: the slot's; with pairs, the one
// of the pair holding the position at that absolute ply, the deeper if both.
// Sizes are multiples of 1310 entries, so an odd slot always has its pair.
inline const EntreeHash& entree_de(const TableHachage& t, uint32_t cle_index, uint32_t cle_verrou, int ply_absolu) {
    const uint32_t s = slot(t, cle_index);
    if (!t.seaux) return t.entrees[s];
    const EntreeHash& a = t.entrees[s & ~1u];
    const EntreeHash& b = t.entrees[s | 1u];
    const uint8_t p = static_cast<uint8_t>(ply_absolu);
    const bool dans_a = a.flag && a.lock == cle_verrou && a.ply == p;
    const bool dans_b = b.flag && b.lock == cle_verrou && b.ply == p;
    return dans_b && (!dans_a || horizon_de(t, b) > horizon_de(t, a)) ? b : a;
}

// Entry of the position when written at the same absolute ply with a
// horizon at least as deep, else nullptr.
const EntreeHash* probe(const TableHachage& t, uint32_t cle_index, uint32_t cle_verrou, int ply);
// The seven replacement rules; nothing is written when D + M >= 255 or
// with fewer than 4 pieces on the board. `profondeur`: the depth the node
// was searched to, when not the iteration's D.
void store(TableHachage& t, uint32_t cle_index, uint32_t cle_verrou, int pieces, int score, int ply, uint8_t flag,
           uint8_t origine, uint8_t destination, int profondeur = -1);

// How a node reads an entry. The writer was a max or min node of some root
// colour; the entry only describes this node when the same side is to move,
// and its score is negated when the root colours differ. False when the
// entry is not about this node; else the bound and the score in this
// node's root view.
bool lire_entree(uint8_t flag, int16_t score, bool noeud_max, int racine, Borne& borne, int& valeur);

// compute_keys: both keys of a board, and the file index key.
void calculer_cles(const TableHachage& t, const uint8_t damier[TAILLE_DAMIER], uint32_t& index, uint32_t& verrou,
                   uint32_t& fichier);

}  // namespace kolmar
