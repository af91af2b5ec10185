// Endgame files as the search loads them: one of the sixteen ".bic" tables
// (charger_finales) or "can.dat" (charger_positions), chosen by the input's
// first byte. A file is taken only when complete, and a position then reads
// the byte at its own offset.
#include <cstdio>
#include <memory>

#include "commun.h"
#include "engine/endgame.h"

using namespace kolmar;
using kolmar::fuzz::exiger;

namespace {

// Places the table's pieces on squares drawn from the bytes b, for the
// mover; false when two would share a square or a man stands where it
// cannot be.
bool poser(int table, const uint8_t* b, uint8_t d[TAILLE_DAMIER], int mover) {
    std::memset(d, 0, TAILLE_DAMIER);
    d[0] = BORD;
    const MaterielFinale m = materiel_table_finale(table);
    const uint8_t pm = mover == BLANC ? PION_BLANC : PION_NOIR, pa = mover == BLANC ? PION_NOIR : PION_BLANC;
    const int nombres[4] = {m.pions_trait, m.dames_trait, m.pions_autre, m.dames_autre};
    const uint8_t codes[4] = {pm, static_cast<uint8_t>(pm + 1), pa, static_cast<uint8_t>(pa + 1)};
    int k = 0;
    for (int g = 0; g < 4; ++g)
        for (int i = 0; i < nombres[g]; ++i) {
            int s = b[k++] % NB_CASES + 1;
            if (d[s] != VIDE) return false;
            d[s] = codes[g];
        }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t taille) {
    if (taille < 1) return 0;
    static auto f = std::make_unique<Finales>();
    const int choix = data[0] % (NB_TABLES_FINALES + 1);
    const std::string contenu(reinterpret_cast<const char*>(data) + 1, taille - 1);
    const std::string& dir = kolmar::fuzz::dossier();
    for (int t = 0; t < NB_TABLES_FINALES; ++t) std::remove(kolmar::fuzz::chemin(nom_table_finale(t)).c_str());
    std::remove(kolmar::fuzz::chemin("can.dat").c_str());

    if (choix == NB_TABLES_FINALES) {
        kolmar::fuzz::ecrire(kolmar::fuzz::chemin("can.dat"), contenu);
        const bool ok = charger_positions(*f, dir);
        exiger(ok == (contenu.size() >= static_cast<size_t>(TAILLE_POSITIONS_APPRISES)), "only a complete can.dat");
        if (!ok) return 0;
        for (uint32_t i : {0u, 1u, 31999u, 63999u, 64000u + 7u}) {
            const size_t e = (i % NB_POSITIONS_APPRISES) * 8;
            const auto* o = reinterpret_cast<const uint8_t*>(contenu.data()) + e;
            const uint32_t verrou = o[0] | o[1] << 8 | o[2] << 16 | static_cast<uint32_t>(o[3]) << 24;
            int16_t score = 0;
            exiger(chercher_position(*f, i, verrou, score), "an entry is found under its check key");
            exiger(score == static_cast<int16_t>(o[4] | o[5] << 8), "the entry's score");
            exiger(!chercher_position(*f, i, verrou ^ 1u, score), "another check key finds nothing");
        }
        return 0;
    }

    kolmar::fuzz::ecrire(kolmar::fuzz::chemin(nom_table_finale(choix)), contenu);
    const size_t attendu = static_cast<size_t>(taille_table_finale(choix));
    const int chargees = charger_finales(*f, dir);
    exiger(chargees == (contenu.size() >= attendu ? 1 : 0), "only a complete table is taken");
    if (!chargees) return 0;
    // Positions drawn from the file's own bytes, for both movers.
    const auto* octets = reinterpret_cast<const uint8_t*>(contenu.data());
    for (size_t k = 0; k + 3 <= contenu.size() && k < 48; k += 3)
        for (int mover : {BLANC, NOIR}) {
            uint8_t d[TAILLE_DAMIER];
            if (!poser(choix, octets + k, d, mover)) continue;
            const long off = decalage_finale(choix, d, mover);
            if (off < 0) continue;
            exiger(static_cast<size_t>(off) < attendu, "an offset inside its table");
            int16_t score = 0;
            // The root moves at odd plies.
            exiger(valeur_finale(*f, choix, d, mover, 1, score), "a position of the table is answered");
            exiger(score == score_finale(static_cast<int8_t>(octets[off]), 1), "the byte at the position's offset");
        }
    return 0;
}
