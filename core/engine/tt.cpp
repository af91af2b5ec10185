#include "engine/tt.h"

#include <cstring>
#include <new>

#include "records/fichiers.h"

namespace kolmar {

const char* const FICHIER_CLES = "hashkey73.dat";

const char* const k_libelles_hash[NB_TAILLES_HASH] = {"0 Mo", "0,7 Mo", "1,5Mo", "3Mo", "5Mo", "10Mo", "15Mo", "25Mo"};
const int16_t k_tailles_hash[NB_TAILLES_HASH] = {10, 50, 100, 200, 350, 700, 1000, 2000};
const int8_t k_decalages_hash[NB_TAILLES_HASH] = {-4, 0, 2, 2, 2, 4, 6, 8};

namespace {
uint32_t lire_u32(const unsigned char* b) {
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}
}  // namespace

bool charger_cles(TableHachage& t, ErreurDonnees& erreur, const std::string& dir) {
    std::string chemin = chemin_lecture(FICHIER_CLES, dir.empty() ? repertoire_donnees() : dir);
    std::string contenu;
    if (!lire_fichier(chemin, contenu)) {
        erreur = {ErreurDonnees::Code::cles_absentes, chemin, 0};
        return false;
    }
    if (contenu.size() < static_cast<size_t>(TAILLE_FICHIER_CLES)) {
        erreur = {ErreurDonnees::Code::cles_incompletes, chemin, contenu.size()};
        return false;
    }
    const auto* b = reinterpret_cast<const unsigned char*>(contenu.data());
    for (int i = 0; i < NB_CLES; ++i) {
        t.cles_index[i] = t.cles_fichier[i] = lire_u32(b + 4 * i);
        t.cles_verrou[i] = lire_u32(b + 4 * (NB_CLES + i));
    }
    t.cles_chargees = true;
    return true;
}

namespace {

// A new table of n entries, or null; the caller's table is not touched.
std::unique_ptr<EntreeHash[]> allouer(const TableHachage& t, uint32_t n) {
    if (t.plafond_entrees && n > t.plafond_entrees) return nullptr;
    return std::unique_ptr<EntreeHash[]>(new (std::nothrow) EntreeHash[n]);
}

}  // namespace

bool init_hash(TableHachage& t) {
    if (t.S == 0) t.S = 100;
    uint32_t n = static_cast<uint32_t>(t.S) * ENTREES_PAR_UNITE;
    auto nouvelles = allouer(t, n);
    if (!nouvelles) return false;
    t.entrees = std::move(nouvelles);
    t.nb_entrees = n;
    t.inverse = UINT64_MAX / n + 1;
    clear_hash(t);
    return true;
}

void clear_hash(TableHachage& t) {
    if (t.entrees) std::memset(t.entrees.get(), 0, sizeof(EntreeHash) * t.nb_entrees);
}

bool resize_hash(TableHachage& t, int index) {
    if (index < 0 || index >= NB_TAILLES_HASH) return false;
    // The new table first: when it cannot be had, the old one stays whole.
    auto nouvelles = allouer(t, static_cast<uint32_t>(k_tailles_hash[index]) * ENTREES_PAR_UNITE);
    if (!nouvelles) return false;
    t.menu = index;
    t.S = k_tailles_hash[index];
    t.H = k_decalages_hash[index];
    t.entrees = std::move(nouvelles);
    t.nb_entrees = static_cast<uint32_t>(t.S) * ENTREES_PAR_UNITE;
    t.inverse = UINT64_MAX / t.nb_entrees + 1;
    clear_hash(t);
    // A small xorshift: the platform's generator is not portable between
    // runs, and only the range matters.
    uint32_t x = t.graine ? t.graine : 1;
    for (int c = 1; c <= 4; ++c)
        for (int s = 0; s <= NB_CASES; ++s) {
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            t.cles_index[c * 72 + s] = x % t.nb_entrees;
        }
    t.graine = x;
    return true;
}

const EntreeHash* probe(const TableHachage& t, uint32_t cle_index, uint32_t cle_verrou, int ply) {
    const EntreeHash& e = entree_de(t, cle_index, cle_verrou, ply + t.M);
    if (e.flag == 0 || e.lock != cle_verrou) return nullptr;
    if (e.ply != static_cast<uint8_t>(ply + t.M) || horizon_de(t, e) < t.D + t.M) return nullptr;
    return &e;
}

namespace {

void ecrire_entree(EntreeHash& e, uint32_t cle_verrou, int score, int ply_absolu, uint8_t c, uint8_t origine,
                   uint8_t destination, int N) {
    e.lock = cle_verrou;
    e.score = static_cast<int16_t>(score);
    e.origine = origine;
    e.destination = destination;
    e.ply = static_cast<uint8_t>(ply_absolu);
    e.flag = c;
    e.horizon = static_cast<int8_t>(static_cast<uint8_t>(N));
}

}  // namespace

void store(TableHachage& t, uint32_t cle_index, uint32_t cle_verrou, int pieces, int score, int ply, uint8_t c,
           uint8_t origine, uint8_t destination, int profondeur) {
    const int N = (profondeur < 0 ? t.D : profondeur) + t.M;
    if (N >= 255 || pieces < 4) return;
    const uint32_t s = slot(t, cle_index);
    EntreeHash& e = t.entrees[t.seaux ? s & ~1u : s];
    const uint8_t f = e.flag;
    const int h = horizon_de(t, e);
    bool ecrire = f == 0 || (flag_decisif(c) && !flag_decisif(f)) || (c == f && ply + t.M < e.ply) ||
                  (!flag_decisif(f) && N > h) || (flag_borne(f) && (N >= h || (N == h - 1 && flag_exact(c)))) ||
                  N < h - 16 || N > h + 16;
    if (t.seaux) {
        EntreeHash& autre = t.entrees[s | 1u];
        if (!ecrire) {
            ecrire_entree(autre, cle_verrou, score, ply + t.M, c, origine, destination, N);
            return;
        }
        // An older copy beside it would shadow nothing but waste the slot.
        if (autre.lock == cle_verrou && autre.ply == static_cast<uint8_t>(ply + t.M)) autre.flag = 0;
    }
    if (!ecrire) return;
    ecrire_entree(e, cle_verrou, score, ply + t.M, c, origine, destination, N);
}

bool lire_entree(uint8_t flag, int16_t score, bool noeud_max, int racine, Borne& borne, int& valeur) {
    Drapeau d;
    if (!decoder_drapeau(flag, d)) return false;
    const int trait_ecrivain = d.noeud_max ? d.racine : 1 - d.racine;
    const int trait = noeud_max ? racine : 1 - racine;
    if (trait_ecrivain != trait) return false;
    const bool nie = d.racine != racine;
    valeur = nie ? -score : score;
    if (d.genre == HASH_EXACT || d.genre == HASH_DECISIF) {
        borne = Borne::exacte;
        return true;
    }
    // A cut in a max node is a lower bound, in a min node an upper one; a
    // fail the other way round; negation swaps them.
    const bool basse = (d.genre == HASH_COUPURE) == d.noeud_max;
    borne = basse != nie ? Borne::basse : Borne::haute;
    return true;
}

void calculer_cles(const TableHachage& t, const uint8_t damier[TAILLE_DAMIER], uint32_t& index, uint32_t& verrou,
                   uint32_t& fichier) {
    index = verrou = fichier = 0;
    for (int s = 1; s <= NB_CASES; ++s) {
        int c = damier[s];
        if (c < 1 || c > 4) continue;
        index ^= t.cles_index[c * 72 + s];
        verrou ^= t.cles_verrou[c * 72 + s];
        fichier ^= t.cles_fichier[c * 72 + s];
    }
}

}  // namespace kolmar
