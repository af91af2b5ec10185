#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "outils_moteur.h"

using namespace kolmar;
using kolmar::test::Banc;

namespace {

// The material part alone: at an odd ply a window far above it cuts.
int materiel(Banc& b, int side) {
    b.preparer(side);
    return evaluer(*b.m, side, 32000, 32000, 1);
}

// The same position turned half round with the colours exchanged.
void retourner(const uint8_t* d, uint8_t* r) {
    static const uint8_t autre[5] = {0, 3, 4, 1, 2};
    r[0] = BORD;
    for (int s = 1; s <= 72; ++s) r[73 - s] = autre[d[s]];
}

// Positions from random games, kings included.
std::vector<std::vector<uint8_t>> positions_au_hasard(int nombre, unsigned graine) {
    std::mt19937 h(graine);
    std::vector<std::vector<uint8_t>> out;
    auto jeu = std::make_unique<Jeu>();
    while (static_cast<int>(out.size()) < nombre) {
        jeu->initialiser();
        int trait = BLANC;
        int longueur = 10 + static_cast<int>(h() % 140);
        for (int p = 0; p < longueur; ++p) {
            int n = coups_legaux(jeu->gen, trait);
            if (n == 0) break;
            jouer_coup(jeu->damier, jeu->gen.liste_coups[1][h() % n]);
            trait = 1 - trait;
        }
        out.emplace_back(jeu->damier, jeu->damier + TAILLE_DAMIER);
    }
    return out;
}

}  // namespace

TEST(Evaluation, KingValueGrowsAsTheBoardEmpties) {
    Banc b;
    b.parametres_neutres();
    b.poser("W:W43-57,K35,K36:B1-15");  // 32 pieces: opening
    EXPECT_EQ(materiel(b, BLANC), 2 * 520);
    b.poser("W:W43-54,K35,K36:B1-12");  // 26: middle game
    EXPECT_EQ(materiel(b, BLANC), 2 * 580);
    b.poser("W:W43-50,K35,K36:B1-8");  // 18: pre-final
    EXPECT_EQ(materiel(b, BLANC), 2 * 620);
    b.poser("W:W43-45,K35,K36:B1-3");  // 8: final
    EXPECT_EQ(materiel(b, BLANC), 2 * 660);
    EXPECT_EQ(materiel(b, NOIR), -2 * 660);
    b.poser("W:W43-45,K35:B1-3");  // a single king on the board
    EXPECT_EQ(materiel(b, BLANC), 690);
    b.poser("W:W43-58,K35:B1-16");  // a single king in the opening
    EXPECT_EQ(materiel(b, BLANC), 550);
}

TEST(Evaluation, LazyCutReturnsBareMaterialOutsideTheMargin) {
    Banc b;
    b.parametres_neutres();
    // White a man up with a free man on 7: the full score adds the runaway.
    b.poser("W:W7,60:B20");
    b.preparer(BLANC);
    Moteur& m = *b.m;
    EXPECT_EQ(evaluer(m, BLANC, -32000, 32000, 1), 200 + 172);
    EXPECT_EQ(evaluer(m, BLANC, 385, 32000, 1), 200);  // 200 <= 385 - 185
    EXPECT_EQ(evaluer(m, BLANC, 384, 32000, 1), 372);
    // Even ply: black to move, the runaway is worth less; the cut is above beta.
    EXPECT_EQ(evaluer(m, BLANC, -32000, 15, 2), 200);  // 200 >= 15 + 185
    EXPECT_EQ(evaluer(m, BLANC, -32000, 16, 2), 200 + 115);
    // An odd-ply window far below the material never cuts.
    EXPECT_EQ(evaluer(m, BLANC, -32000, -32000, 1), 372);
}

TEST(Evaluation, DrawishEndingsAreScaled) {
    Banc b;
    b.parametres_neutres();
    b.poser("W:WK30,K40,K50:BK60");  // three kings against one: an eighth
    b.preparer(BLANC);
    EXPECT_EQ(evaluer(*b.m, BLANC, -32000, 32000, 1), (2 * 660 + 2 * (3 - 1)) / 8);
    b.poser("W:W67,68,K33:B2,K40");  // two men and a king against a man and a king: a quarter
    b.preparer(BLANC);
    EXPECT_EQ(evaluer(*b.m, BLANC, -32000, 32000, 1), 200 / 4);
    b.poser("W:W67,68,69,K33:B2,K40");  // six pieces: as it stands
    b.preparer(BLANC);
    EXPECT_EQ(evaluer(*b.m, BLANC, -32000, 32000, 1), 400);
    b.poser("W:W67,68,K33:B2");  // no black king: not scaled
    b.preparer(BLANC);
    EXPECT_EQ(evaluer(*b.m, BLANC, -32000, 32000, 1), 200 + 690 + 2 * 1);
}

TEST(Evaluation, VariantNeedsNineOfFourteenSquares) {
    Banc b;
    Parametres& p = b.m->parametres;
    for (int k = 0; k < 7; ++k) {
        p.fixer_scalaire(3 + k, 43 + k);  // white squares of variant 1: 43..49
        p.fixer_scalaire(17 + k, 1 + k);  // black squares of variant 1: 1..7
        p.fixer_scalaire(10 + k, 0);      // variant 2 never matches
        p.fixer_scalaire(24 + k, 0);
    }
    b.poser("W:W43-46,50-72:B1-4,8-30");  // 4 + 4 matches
    preparer_phase(*b.m);
    EXPECT_EQ(b.m->eval.phase, 0);
    EXPECT_FALSE(b.m->eval.variant1);
    b.poser("W:W43-47,50-72:B1-4,8-30");  // 5 + 4
    preparer_phase(*b.m);
    EXPECT_TRUE(b.m->eval.variant1);
    EXPECT_FALSE(b.m->eval.variant2);

    // The table follows the flags of the previous search, not this one's.
    p.tables[4][5] = 77;
    p.tables[0][5] = 11;
    b.poser("W:W50-72,44:B1-4,8-30");
    preparer_phase(*b.m);
    EXPECT_EQ(b.m->eval.table_pions[5], 77);
    EXPECT_FALSE(b.m->eval.variant1);
    preparer_phase(*b.m);
    EXPECT_EQ(b.m->eval.table_pions[5], 11);

    // From the pre-final on the flags are kept as they are.
    b.m->eval.variant1 = true;
    b.poser("W:W60-69:B1-10");
    preparer_phase(*b.m);
    EXPECT_EQ(b.m->eval.phase, 2);
    EXPECT_TRUE(b.m->eval.variant1);
}

TEST(Evaluation, RunawayMen) {
    Banc b;
    b.poser("W:W7:B40");
    b.preparer(BLANC);
    // 75 doubled, clamped to 115, half again with white to move.
    EXPECT_EQ(runaway_term(*b.m, BLANC, 1), 172);
    EXPECT_EQ(runaway_term(*b.m, BLANC, 2), 115);
    EXPECT_EQ(runaway_term(*b.m, NOIR, 2), -115);
    b.poser("B:W40:B66");
    b.preparer(NOIR);
    EXPECT_EQ(runaway_term(*b.m, NOIR, 1), 172);
    EXPECT_EQ(runaway_term(*b.m, BLANC, 1), -172);
    b.poser("W:W7:B1");  // the crowning square is held
    b.preparer(BLANC);
    EXPECT_EQ(runaway_term(*b.m, BLANC, 1), 0);
    // On 7 with 1 empty the man is through whatever the enemy has: 75.
    b.poser("W:W7:BK40");
    b.preparer(BLANC);
    EXPECT_EQ(runaway_term(*b.m, BLANC, 1), 172);
    b.poser("B:WK30:B66");
    b.preparer(NOIR);
    EXPECT_EQ(runaway_term(*b.m, NOIR, 1), 172);
    // Elsewhere an enemy king can still come back.
    b.poser("W:W8:BK40");
    b.preparer(BLANC);
    EXPECT_EQ(runaway_term(*b.m, BLANC, 1), 2 * (75 / 4) * 3 / 2);
    // Four rows out with the way free and white to move: 25 + 40, against
    // the black man one step from its crown: 75.
    b.poser("W:W27:B66");
    b.preparer(BLANC);
    EXPECT_EQ(runaway_term(*b.m, BLANC, 1), 2 * (65 - 75));
    // A man the enemy takes at once is not running when the enemy moves.
    b.poser("W:W20:B26,66");
    b.preparer(BLANC);
    EXPECT_EQ(runaway_term(*b.m, BLANC, 1), 15);  // 2 * (80 - 75), half again
    EXPECT_EQ(runaway_term(*b.m, BLANC, 2), -172);
}

TEST(Evaluation, NamedPatterns) {
    Banc b;
    b.poser("W:W19,66,72:B1,7,8,13");  // outpost on 19 holding 8 and 13
    b.preparer(BLANC);
    b.m->eval.phase = 0;
    EXPECT_EQ(pattern_term(*b.m, BLANC), 25);
    EXPECT_EQ(pattern_term(*b.m, NOIR), -25);
    b.poser("W:W19,66,72:B1,2,7,8,13");  // square 2 taken
    b.preparer(BLANC);
    b.m->eval.phase = 0;
    EXPECT_EQ(pattern_term(*b.m, BLANC), 15);
    b.m->eval.phase = 2;  // outposts count in the opening and middle game only
    EXPECT_EQ(pattern_term(*b.m, BLANC), 0);

    b.poser("W:W60,61:B1,7,54");  // white's back corner open, 60 filled, 54 black
    b.preparer(BLANC);
    b.m->eval.phase = 1;
    EXPECT_EQ(pattern_term(*b.m, BLANC), -35);
    b.m->eval.phase = 0;
    EXPECT_EQ(pattern_term(*b.m, BLANC), -45);
    b.m->eval.phase = 3;
    EXPECT_EQ(pattern_term(*b.m, BLANC), 0);

    // Interlock: 40 backed by 46 and 47 against 34, 35 and 28.
    ASSERT_EQ(voisin[0][40], 34);
    ASSERT_EQ(voisin[1][40], 35);
    b.poser("W:W40,46,47,66,72:B1,7,28,34,35");
    b.preparer(BLANC);
    b.m->eval.phase = 1;
    EXPECT_EQ(pattern_term(*b.m, BLANC), 20);
    b.poser("W:W40,46,47,66,72:B1,7,16,28,34,35");
    b.preparer(BLANC);
    b.m->eval.phase = 1;
    EXPECT_EQ(pattern_term(*b.m, BLANC), 30);
}

TEST(Evaluation, FormationHolesAndFreedom) {
    Banc b;
    // 40: a hole behind on 47 (-5), free ahead (+4) with room (+10);
    // 46: holes on both sides behind (-14), one free square ahead (+2).
    b.poser("W:W40,46:B3");
    b.preparer(BLANC);
    EXPECT_EQ(formation_term(*b.m, BLANC), -3);
    EXPECT_EQ(formation_term(*b.m, NOIR), 3);
    // Two men side by side ahead of an empty pair of squares: a loose front.
    b.poser("W:W34,35,40:B3");
    b.preparer(BLANC);
    int avec_trou = formation_term(*b.m, BLANC);
    b.poser("W:W34,35,40,46,47:B3");
    b.preparer(BLANC);
    EXPECT_GT(formation_term(*b.m, BLANC), avec_trou);
}

TEST(Evaluation, MirroredPositionsScoreTheSame) {
    Banc b;
    Banc r;
    int compares = 0;
    for (const auto& pos : positions_au_hasard(300, 7)) {
        std::memcpy(b.jeu->damier, pos.data(), TAILLE_DAMIER);
        retourner(pos.data(), r.jeu->damier);
        compter_pieces(b.jeu->damier, b.jeu->nb_pieces);
        compter_pieces(r.jeu->damier, r.jeu->nb_pieces);
        if (b.jeu->nb_pieces[2] > 2 || b.jeu->nb_pieces[4] > 2) continue;  // the king tables are not symmetric
        for (int ply = 1; ply <= 4; ++ply) {
            b.m->eval.variant1 = b.m->eval.variant2 = r.m->eval.variant1 = r.m->eval.variant2 = false;
            b.preparer(BLANC);
            r.preparer(NOIR);
            b.m->inc.derniere_arrivee = 40;
            r.m->inc.derniere_arrivee = 33;
            ASSERT_EQ(b.m->eval.phase, r.m->eval.phase);
            EXPECT_EQ(runaway_term(*b.m, BLANC, ply), runaway_term(*r.m, NOIR, ply));
            EXPECT_EQ(formation_term(*b.m, BLANC), formation_term(*r.m, NOIR));
            EXPECT_EQ(pattern_term(*b.m, BLANC), pattern_term(*r.m, NOIR));
            EXPECT_EQ(evaluer(*b.m, BLANC, -32000, 32000, ply), evaluer(*r.m, NOIR, -32000, 32000, ply));
            ++compares;
        }
    }
    EXPECT_GT(compares, 400);
}

TEST(Evaluation, MakeMoveKeepsSumsCountsAndKeys) {
    Banc b;
    std::mt19937 h(11);
    Moteur& m = *b.m;
    for (int partie = 0; partie < 20; ++partie) {
        b.poser("W:W43-72:B1-30");
        b.preparer(BLANC);
        int trait = BLANC;
        for (int ply = 1; ply < 120; ++ply) {
            b.jeu->gen.ply = 1;
            int n = generer_coups(b.jeu->gen, trait);
            if (n == 0) break;
            Coup c = b.jeu->gen.liste_coups[1][h() % n];
            make_move(m, c, 1);
            Incremental attendu;
            recalculer_incremental(m, attendu);
            ASSERT_EQ(m.inc.somme_pos, attendu.somme_pos);
            ASSERT_EQ(m.inc.somme_tempo, attendu.somme_tempo);
            ASSERT_EQ(0, std::memcmp(m.inc.zones, attendu.zones, sizeof attendu.zones));
            ASSERT_EQ(m.inc.cle_index, attendu.cle_index);
            ASSERT_EQ(m.inc.cle_verrou, attendu.cle_verrou);
            for (int k = 1; k <= 4; ++k) ASSERT_TRUE(m.inc.pieces[k] == attendu.pieces[k]);
            uint8_t np[5];
            compter_pieces(b.jeu->damier, np);
            ASSERT_EQ(0, std::memcmp(np + 1, b.jeu->nb_pieces + 1, 4));
            trait = 1 - trait;
        }
    }
}
