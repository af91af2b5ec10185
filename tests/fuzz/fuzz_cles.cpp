// "hashkey73.dat", read by charger_cles as the engine loads it at start-up:
// a complete file gives its keys word for word, the position keys are the
// exclusive-or of their squares' keys, and the table finds what it stored
// under them whatever their values.
#include <cstring>
#include <memory>

#include "commun.h"
#include "engine/tt.h"

using namespace kolmar;
using kolmar::fuzz::exiger;

namespace {
uint32_t u32(const std::string& s, size_t i) {
    const auto* b = reinterpret_cast<const uint8_t*>(s.data()) + i;
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t taille) {
    static auto t = [] {
        auto table = std::make_unique<TableHachage>();
        table->S = 10;
        if (!init_hash(*table)) std::abort();
        return table;
    }();
    const std::string contenu(reinterpret_cast<const char*>(data), taille);
    kolmar::fuzz::ecrire(kolmar::fuzz::chemin(FICHIER_CLES), contenu);

    ErreurDonnees erreur;
    t->cles_chargees = false;
    const bool ok = charger_cles(*t, erreur, kolmar::fuzz::dossier());
    exiger(ok == (taille >= static_cast<size_t>(TAILLE_FICHIER_CLES)), "only a complete key file is taken");
    if (!ok) {
        exiger(erreur.code != ErreurDonnees::Code::aucune && !t->cles_chargees, "a refused key file says why");
        return 0;
    }
    for (int i = 0; i < NB_CLES; ++i)
        exiger(t->cles_index[i] == u32(contenu, 4 * i) && t->cles_fichier[i] == u32(contenu, 4 * i) &&
                   t->cles_verrou[i] == u32(contenu, 4 * (NB_CLES + i)),
               "keys word for word");

    // A board drawn from the file's last bytes: keys add up square by square.
    uint8_t d[TAILLE_DAMIER] = {BORD};
    uint32_t index = 0, verrou = 0, fichier = 0;
    for (int s = 1; s <= NB_CASES; ++s) {
        d[s] = static_cast<uint8_t>(static_cast<uint8_t>(contenu[taille - s]) % 5);
        if (d[s] == VIDE) continue;
        index ^= t->cles_index[d[s] * 72 + s];
        verrou ^= t->cles_verrou[d[s] * 72 + s];
        fichier ^= t->cles_fichier[d[s] * 72 + s];
    }
    uint32_t i2, v2, f2;
    calculer_cles(*t, d, i2, v2, f2);
    exiger(i2 == index && v2 == verrou && f2 == fichier, "a position's keys are its squares' keys");

    clear_hash(*t);
    t->M = 3;
    t->D = 5;
    store(*t, index, verrou, 12, -417, 4, HASH_EXACT, 43, 38);
    const EntreeHash* e = probe(*t, index, verrou, 4);
    exiger(e && e->score == -417 && e->origine == 43 && e->destination == 38, "what was stored is found");
    return 0;
}
