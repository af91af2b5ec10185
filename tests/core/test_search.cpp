#include <gtest/gtest.h>

#include "outils_moteur.h"

using namespace kolmar;
using kolmar::test::Banc;

namespace {

// The engine's move at a fixed depth, as "47-41"; the score in *score.
std::string meilleur_coup(Banc& b, int profondeur, int* score = nullptr) {
    b.m->limites.profondeur_fixe = profondeur;
    const ChoixCoup r = choisir_coup(*b.m, b.trait);
    if (score) *score = b.m->dernier_score;
    return r.joue() ? texte_coup(r.coup) : "none";
}

}  // namespace

TEST(Search, FindsAShotWinningMaterial) {
    // 39-33 gives a man: 26x39 is forced, then 46x22 takes two.
    Banc b("W:W38,39,46,52,70:B3,26,27,12,13");
    int score = 0;
    EXPECT_EQ(meilleur_coup(b, 6, &score), "39-33");
    EXPECT_GT(score, 150);
    // The captures are never a leaf: even a one-ply search sees it through.
    Banc c("W:W38,39,46,52,70:B3,26,27,12,13");
    EXPECT_EQ(meilleur_coup(c, 1), "39-33");
}

TEST(Search, WinsAndLossesByPlyDistance) {
    // After any quiet move of 70 black's only man is blocked: black has lost.
    Banc b("W:W36,41,70:B30");
    int score = 0;
    std::string coup = meilleur_coup(b, 3, &score);
    EXPECT_EQ(score, 32000 - 2);
    EXPECT_EQ(coup.substr(0, 2), "70");
    // Taking the last enemy piece wins at once, at the root.
    Banc c("W:WK38:B32");
    c.m->limites.en_reflexion_adverse = true;  // searched even with a single piece to take
    c.m->limites.profondeur_fixe = 2;
    choisir_coup(*c.m, c.trait);
    EXPECT_EQ(c.m->dernier_score, 32000 - 1);
    // The losing side sees the loss: black to move, blocked after 36-? is impossible.
    Banc d("B:W36,41,70:B30");
    EXPECT_EQ(choisir_coup(*d.m, d.trait).genre, ChoixCoup::Genre::aucun_coup);
}

TEST(Search, SingleMoveAndNoMove) {
    Banc b("W:W38,70:B32,5");
    b.trait = BLANC;
    b.m->limites.profondeur_fixe = 0;
    const ChoixCoup force = choisir_coup(*b.m, BLANC);  // the capture is forced
    EXPECT_EQ(force.genre, ChoixCoup::Genre::coup_unique);
    EXPECT_EQ(texte_coup(force.coup), "38x25");
    EXPECT_EQ(b.m->noeuds, 0u);
    Banc c("W:W43:B37,32");  // the white man is blocked
    EXPECT_EQ(choisir_coup(*c.m, BLANC).genre, ChoixCoup::Genre::aucun_coup);
    Banc d("W:W43:B37,32");
    d.jeu->damier[37] = d.jeu->damier[32] = VIDE;  // black has no piece at all
    EXPECT_EQ(choisir_coup(*d.m, BLANC).genre, ChoixCoup::Genre::aucun_coup);
}

TEST(Search, SameTreeEveryTime) {
    Banc a(
        "W:W30,39,43,44,45,46,50,51,53,54,55,58,60,61,62,63,64,65,68,69,70,71,72:B1,2,3,4,5,8,9,10,11,12,14,15,16,17,"
        "18,20,22,26,29,31,32,33,42");
    Banc b(
        "W:W30,39,43,44,45,46,50,51,53,54,55,58,60,61,62,63,64,65,68,69,70,71,72:B1,2,3,4,5,8,9,10,11,12,14,15,16,17,"
        "18,20,22,26,29,31,32,33,42");
    std::string ca = meilleur_coup(a, 5), cb = meilleur_coup(b, 5);
    EXPECT_EQ(ca, cb);
    EXPECT_EQ(a.m->noeuds, b.m->noeuds);
    EXPECT_GT(a.m->noeuds, 100u);
    // The position and the counts are as they were.
    uint8_t avant[TAILLE_DAMIER];
    std::memcpy(avant, a.jeu->plateau_affiche, TAILLE_DAMIER);
    EXPECT_EQ(0, std::memcmp(avant, a.jeu->damier, TAILLE_DAMIER));
    uint8_t np[5];
    compter_pieces(a.jeu->damier, np);
    EXPECT_EQ(0, std::memcmp(np + 1, a.jeu->nb_pieces + 1, 4));
}

TEST(Search, RepeatingThePositionOfFourPliesAgoIsADraw) {
    // White is a king up but can only shuffle; black's king shuffles too.
    Banc b("W:WK1,K72:BK36");
    Partie& pt = b.jeu->partie;
    // The game so far: the current position was also the one four plies ago.
    for (int p = 1; p <= 6; ++p) {
        pt.demi_coup_courant = p;
        noter_position(pt, b.jeu->damier, 0, 0, 0, EtatNote{});
    }
    // Record 3 holds the position after white's 1-7: that move now scores 0.
    b.jeu->damier[1] = VIDE;
    b.jeu->damier[7] = DAME_BLANCHE;
    pt.demi_coup_courant = 3;
    noter_position(pt, b.jeu->damier, 0, 0, 0, EtatNote{});
    b.jeu->damier[7] = VIDE;
    b.jeu->damier[1] = DAME_BLANCHE;
    pt.demi_coup_courant = 6;
    b.m->limites.profondeur_fixe = 1;
    choisir_coup(*b.m, BLANC);
    bool vu = false;
    for (int i = 0; i < b.m->racine.nb; ++i)
        if (b.m->racine.coups[i].depart == 1 && b.m->racine.coups[i].arrivee == 7) {
            vu = true;
            // Ordering score of a move searched at 0: 0 + 2i + 200, or 0 - 300 / 0 - 200.
            int s = b.m->racine.coups[i].score;
            EXPECT_TRUE(s == 2 * i + 200 || s == -300 || s == -200) << s;
        }
    EXPECT_TRUE(vu);
}

// Each refinement of the search is live: switched off, it changes the tree
// (the node count, or the move) on a position where it has work to do. A
// refinement lost in a rewrite leaves the counts equal.
TEST(Search, EachRefinementShapesTheTree) {
    const char* const ouverture = "W:W41,45,48,53,54,58,59:B10,13,15,20,21,22,27,30,36,42";
    const char* const coup_de_trois = "W:W38,39,46,52,70:B3,26,27,12,13";
    const char* const dames = "W:W30,K50,51,60:B13,21,K22,27,32,47";
    const char* const echanges =
        "B:W72,71,70,69,68,67,65,64,63,62,60,59,58,57,56,55,54,53,52,51,50,49,47,46,45,44,38,35,31:"
        "B33,30,29,28,27,26,25,24,23,22,21,20,19,17,16,15,14,13,11,10,9,8,7,6,5,4,3,2";
    struct Cas {
        const char* nom;
        bool Interrupteurs::*option;
        const char* fen;
        int profondeur;
    };
    const Cas cas[] = {
        {"root reductions", &Interrupteurs::reduction_racine, coup_de_trois, 5},
        {"forward pruning", &Interrupteurs::elagage, ouverture, 5},
        {"crowning extension", &Interrupteurs::extension_promotion, coup_de_trois, 5},
        {"killers and alpha slot", &Interrupteurs::tueurs, ouverture, 5},
        {"aspiration re-searches", &Interrupteurs::aspiration, dames, 5},
        {"hash move", &Interrupteurs::coup_hash, coup_de_trois, 7},
        {"PV ordering of captures", &Interrupteurs::ordre_pv, echanges, 4},
    };
    for (const Cas& c : cas) {
        auto noeuds = [&](bool actif, std::string& coup) {
            Banc b(c.fen);
            b.m->options.*c.option = actif;
            coup = meilleur_coup(b, c.profondeur);
            return b.m->noeuds;
        };
        std::string avec, sans;
        const uint64_t n_avec = noeuds(true, avec), n_sans = noeuds(false, sans);
        EXPECT_TRUE(n_avec != n_sans || avec != sans) << c.nom << ": " << n_avec << " nodes either way";
    }
}

// Three kings against one for 31 plies of the record: any quiet move now
// draws by the 16-move rule, so under the draw rules the search scores the
// position 0 instead of the material it sees.
TEST(Search, UnderTheDrawRulesARootMoveThatEndsTheGameDrawnScoresZero) {
    Banc b("W:WK67,K68,K69:BK6");
    Partie& pt = b.jeu->partie;
    // Black's king on its own walk, one square a ply: no position comes back.
    const int marche[] = {6,  5,  4,  3,  2,  1,  12, 11, 10, 9,  8,  7,  18, 17, 16, 15,
                          14, 13, 24, 23, 22, 21, 20, 19, 30, 29, 28, 27, 26, 25, 36, 33};
    for (int p = 0; p < 32; ++p) {
        uint8_t damier[TAILLE_DAMIER];
        std::memcpy(damier, b.jeu->damier, TAILLE_DAMIER);
        damier[6] = VIDE;
        damier[marche[p]] = DAME_NOIRE;
        pt.demi_coup_courant = p;
        noter_position(pt, damier, 0, 0, 0, EtatNote{});
        if (p == 31) std::memcpy(b.jeu->damier, damier, TAILLE_DAMIER);
    }
    std::memcpy(b.jeu->plateau_affiche, b.jeu->damier, TAILLE_DAMIER);
    ASSERT_EQ(coups_legaux(b.jeu->gen, BLANC) > 0 && b.jeu->gen.prise_max == 0, true) << "a quiet position";
    b.m->limites.profondeur_fixe = 3;
    choisir_coup(*b.m, BLANC);
    EXPECT_GT(b.m->dernier_score, 400) << "three kings up without the rules";
    b.m->limites.regles_nulle = true;
    choisir_coup(*b.m, BLANC);
    EXPECT_EQ(b.m->dernier_score, 0);
}
