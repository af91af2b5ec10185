// The game analysis: lines, marks and scores of a short game whose
// mistakes are known, the game's own move at the root, and the record left
// as it was found.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "engine/analyse.h"
#include "lang/textes_analyse.h"
#include "outils_moteur.h"

using namespace kolmar;
using kolmar::test::Banc;

namespace {

// Plays from-to moves of the side to move onto the game record.
void jouer(Banc& b, std::initializer_list<std::pair<int, int>> coups) {
    Jeu& J = *b.jeu;
    for (auto [de, vers] : coups) {
        b.trait = J.trait;
        const Coup c = b.coup(de, vers);
        jouer_coup(J.damier, c);
        ASSERT_TRUE(nouveau_demi_coup(J.partie, J.trait, J.damier, c.nb_prises, c.depart, c.arrivee, EtatNote{}));
        J.plateau_depuis_damier();
    }
    compter_pieces(J.damier, J.nb_pieces);
}

// White gives a man away with 45-39; black's capture 33x46 is its only
// move; then a quiet move each. Material only, fixed depth: every score is
// a count of men. Depth 8 lets every line see black's man crown, so the
// quiet moves after the blunder are equal whatever order the search takes.
struct PartieCourte : ::testing::Test {
    Banc b{"W:W45,66,67:B1,33"};
    void SetUp() override {
        b.parametres_neutres();
        b.m->limites.profondeur_fixe = 8;
        jouer(b, {{45, 39}, {33, 46}, {67, 61}, {1, 7}});
    }
};

}  // namespace

TEST_F(PartieCourte, TheBlunderIsMarkedAndTheForcedCaptureTakesTheNextScore) {
    Analyse a;
    ASSERT_TRUE(analyser_partie(*b.m, a));
    EXPECT_TRUE(a.finie);
    EXPECT_EQ(a.w0, 4);
    // The last position has no next move, so no line: one line per move.
    ASSERT_EQ(a.lignes.size(), 4u);
    for (int w = 0; w < 4; ++w) EXPECT_EQ(a.lignes[w].demi_coup, w);

    const LigneAnalyse& bevue = a.lignes[0];
    EXPECT_TRUE(bevue.faute);
    EXPECT_EQ(bevue.joue_de, 45);
    EXPECT_NE(bevue.meilleur_de, 45) << "both moves of 45 lose it";
    EXPECT_GT(bevue.score_meilleur - bevue.score_joue, 150) << "45-39 loses a man";

    // A single legal move is not searched: it is the best move and shows
    // the score of the position after it, turned to the mover's side.
    const LigneAnalyse& prise = a.lignes[1];
    EXPECT_FALSE(prise.faute);
    EXPECT_EQ(prise.meilleur_de, 33);
    EXPECT_EQ(prise.meilleur_vers, 46);
    EXPECT_EQ(prise.score_joue, prise.score_meilleur);
    EXPECT_EQ(prise.score_meilleur, -a.scores[2]);
    EXPECT_EQ(bevue.score_joue, -a.scores[1]) << "the played move is scored by the next position";

    EXPECT_EQ(fautes(a, BLANC), 1);
    EXPECT_EQ(fautes(a, NOIR), 0);
    // The graph is white's view in men: the positions after the blunder
    // and after the capture are the same loss for white.
    const std::vector<double> c = courbe_analyse(a);
    ASSERT_EQ(c.size(), 5u);
    EXPECT_DOUBLE_EQ(c[1], c[2]) << "black to move at 1, scored for black";
    EXPECT_GT(c[0] - c[2], 0.75);
}

TEST_F(PartieCourte, TheRecordAndBothIndexesComeBackByteForByte) {
    Jeu& J = *b.jeu;
    // Analyse from the middle of the game: the continuation must survive.
    J.partie.demi_coup_courant = 3;
    EtatNote etat;
    reprendre_position(J.partie, J.damier, etat);
    J.trait = NOIR;
    const auto avant = std::make_unique<Partie>(J.partie);
    uint8_t damier[TAILLE_DAMIER];
    std::memcpy(damier, J.damier, TAILLE_DAMIER);

    Analyse a;
    ASSERT_TRUE(analyser_partie(*b.m, a));
    EXPECT_EQ(a.w0, 3);
    EXPECT_EQ(a.lignes.size(), 3u);
    EXPECT_EQ(std::memcmp(J.partie.partie, avant->partie, sizeof avant->partie), 0);
    EXPECT_EQ(J.partie.demi_coup_courant, 3);
    EXPECT_EQ(J.partie.dernier_demi_coup, 4);
    EXPECT_EQ(std::memcmp(J.damier, damier, TAILLE_DAMIER), 0);
    EXPECT_EQ(J.trait, NOIR);
    EXPECT_FALSE(b.m->limites.analyse);

    // Ended at its first poll: nothing analysed, the same record.
    Analyse arretee;
    RappelsAnalyse r;
    r.sonder = [] { return ArretAnalyse::tout; };
    ASSERT_TRUE(analyser_partie(*b.m, arretee, r));
    EXPECT_FALSE(arretee.finie);
    EXPECT_TRUE(arretee.lignes.empty());
    EXPECT_EQ(std::memcmp(J.partie.partie, avant->partie, sizeof avant->partie), 0);
    EXPECT_EQ(J.partie.demi_coup_courant, 3);

    // A game without moves cannot be analysed.
    b.poser("W:W45:B1");
    EXPECT_FALSE(analyser_partie(*b.m, arretee));
}

TEST_F(PartieCourte, StoppingAPhaseGoesOnWithThePreviousPosition) {
    Analyse a;
    RappelsAnalyse r;
    int polls = 0;
    r.sonder = [&] { return ++polls % 2 == 0 ? ArretAnalyse::phase : ArretAnalyse::aucun; };
    ASSERT_TRUE(analyser_partie(*b.m, a, r));
    EXPECT_TRUE(a.finie);
    EXPECT_EQ(a.lignes.size(), 4u);
}

TEST(AnalyseRegle, ADifferenceOfExactlyHalfAManIsNotMarked) {
    EXPECT_FALSE(faute_analyse(100, 0));
    EXPECT_TRUE(faute_analyse(101, 0));
    EXPECT_TRUE(faute_analyse(-50, -151));
    // Two wins of different lengths are not a mistake; a win thrown away is.
    EXPECT_FALSE(faute_analyse(31990, 31000));
    EXPECT_TRUE(faute_analyse(31990, -31980));
}

TEST(AnalyseRacine, TheGamesOwnMoveTakesTheScoreOfTheStepBefore) {
    Banc b("W:W45,66,67:B1,33");
    b.parametres_neutres();
    jouer(b, {{67, 61}});
    Jeu& J = *b.jeu;
    J.partie.demi_coup_courant = 0;
    EtatNote etat;
    reprendre_position(J.partie, J.damier, etat);
    Limites& L = b.m->limites;
    L.profondeur_fixe = 3;
    L.analyse = true;
    L.longueur_analyse = 1;
    // The step before found the position after 67-61 lost for black.
    b.m->dernier_score = -5000;
    const ChoixCoup r = choisir_coup(*b.m, BLANC);
    ASSERT_TRUE(r.joue());
    EXPECT_EQ(r.coup.depart, 67);
    EXPECT_EQ(r.coup.arrivee, 61);
    EXPECT_EQ(b.m->dernier_score, 5000);
    // Outside an analysis the same move is searched like the others.
    L.analyse = false;
    b.m->dernier_score = -5000;
    choisir_coup(*b.m, BLANC);
    EXPECT_LT(b.m->dernier_score, 5000);
}

TEST(AnalyseLignes, FormatsOfTheFourLanguages) {
    LigneAnalyse l;
    l.demi_coup = 6;
    l.camp = BLANC;
    l.joue_de = 45, l.joue_vers = 39;
    l.meilleur_de = 66, l.meilleur_vers = 60;
    l.score_joue = -201;  // halved toward zero
    l.score_meilleur = 7;
    EXPECT_EQ(ligne_longue(l, FRANCAIS), " 4 Blanc: joué : 45-39; score : -100; meilleur : 66-60; score :  3");
    EXPECT_EQ(ligne_courte(l, FRANCAIS), " 4 Blancs: 45-39; score: -100 ; meilleur: 66-60; score:  3");
    l.faute = true;
    l.suite[0] = 66, l.suite[1] = 60, l.suite[2] = 1, l.suite[3] = 7;
    EXPECT_EQ(ligne_longue(l, ANGLAIS),
              "* 4 White : played : 45-39; score : -100; best : 66-60; score :  3 ->( 66-60 01-07 ....)");
    EXPECT_EQ(ligne_courte(l, ITALIEN), "* 4 White : 45-39; score : -100 ; best : 66-60; score :  3");
    l.faute = false;
    l.demi_coup = 21;
    l.camp = NOIR;
    EXPECT_EQ(ligne_longue(l, PORTUGAIS), "11 Pretas : jogou : 45-39; valor : -100; melhor : 66-60; valor :  3");
    EXPECT_EQ(ligne_courte(l, ESPAGNOL), "11 Negras : 45-39; Puntuación : -100; melhor : 66-60; valor :  3");
    EXPECT_EQ(ligne_longue(l, NEERLANDAIS), "11 Black : played : 45-39; score : -100; best : 66-60; score :  3");

    // The window's list: lines in game order, then the legend.
    Analyse a;
    a.lignes = {l};
    const std::vector<std::string> t = lignes_longues(a, ESPAGNOL);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[1], "+100 wins a man ; -100 loses a man ; * at the begining means that there was a very better move");
    EXPECT_EQ(lignes_longues(a, PORTUGAIS)[2],
              "(nao considerar a primeira nem a ultima linha). Espere alguns segundos- Analisando");
    EXPECT_EQ(lignes_longues(a, FRANCAIS)[2],
              "(ne pas prendre en compte le dernier coup et les premiers). Attendre "
              "quelques secondes - Analyse en cours");
    EXPECT_EQ(demi_coup_de_ligne(a, 0), 21);
    EXPECT_EQ(demi_coup_de_ligne(a, 1), -1) << "a legend line shows no position";
}
