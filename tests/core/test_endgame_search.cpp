// The search reading the endgame tables: one ply down every child is a
// table position, so the root score must be the table's own score of the
// root position, and the chosen move one that keeps the best distance.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "engine/endgame.h"
#include "engine/endgame_gen.h"
#include "engine/moteur.h"
#include "rules/jeu.h"

using namespace kolmar;

namespace {

void retourner(const uint8_t src[TAILLE_DAMIER], uint8_t dst[TAILLE_DAMIER]) {
    static const uint8_t inv[5] = {VIDE, PION_NOIR, DAME_NOIRE, PION_BLANC, DAME_BLANCHE};
    dst[0] = BORD;
    for (int s = 1; s <= NB_CASES; ++s) dst[s] = inv[src[73 - s]];
}

}  // namespace

TEST(EndgameSearch, RootScoreAndMoveFollowTheTables) {
    Finales f;
    ASSERT_EQ(charger_finales(f, KOLMAR_DIR), NB_TABLES_FINALES);
    auto jeu = std::make_unique<Jeu>();
    auto m = std::make_unique<Moteur>(*jeu);
    std::string erreur;
    ASSERT_TRUE(charger_donnees_moteur(*m, erreur, KOLMAR_DIR)) << erreur;
    m->finales = &f;
    m->limites.profondeur_fixe = 3;

    int essais = 0;
    for (int t : {POP, DOP, PDOP, POPD, PPOP, POPP, PDOD, DOPD}) {
        int pris = 0;
        for (long off = 0; off < taille_table_finale(t) && pris < 6; off += 101) {
            uint8_t d[TAILLE_DAMIER];
            int8_t v = f.tables[t][static_cast<size_t>(off)];
            if (!position_de_decalage(t, off, d) || (v != 0 && distance_finale(v) <= 1)) continue;
            for (int trait : {BLANC, NOIR}) {
                if (trait == BLANC)
                    std::memcpy(jeu->damier, d, TAILLE_DAMIER);
                else
                    retourner(d, jeu->damier);
                std::memcpy(jeu->plateau_affiche, jeu->damier, TAILLE_DAMIER);
                jeu->trait = static_cast<uint8_t>(trait);
                compter_pieces(jeu->damier, jeu->nb_pieces);
                commencer_partie(jeu->partie, jeu->damier, EtatNote{});
                const ChoixCoup r = choisir_coup(*m, trait);
                if (r.genre != ChoixCoup::Genre::coup) continue;  // a single move is played unsearched
                const std::string fen = ecrire_fen(jeu->damier, trait);
                EXPECT_EQ(m->dernier_score, score_finale(v, 1)) << nom_table_finale(t) << " " << fen;
                if (v <= 0) continue;
                // A won position: the move leaves the opponent lost one ply nearer.
                uint8_t apres[TAILLE_DAMIER];
                std::memcpy(apres, jeu->damier, TAILLE_DAMIER);
                jouer_coup(apres, r.coup);
                uint8_t nb[5];
                compter_pieces(apres, nb);
                int tc = table_finale(nb, 1 - trait);
                ASSERT_GE(tc, 0) << fen;
                long oc = decalage_finale(tc, apres, 1 - trait);
                ASSERT_GE(oc, 0) << fen;
                int8_t vc = f.tables[tc][static_cast<size_t>(oc)];
                EXPECT_LT(vc, 0) << fen;
                EXPECT_EQ(distance_finale(vc), distance_finale(v) - 1) << fen;
                ++essais;
            }
            ++pris;
        }
    }
    EXPECT_GT(essais, 10);
}
