#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>

#include "engine/match.h"
#include "records/fichiers.h"

using namespace kolmar;

TEST(MatchRunner, EachOpeningIsPlayedWithBothColours) {
    std::set<std::pair<int, bool>> vus;
    for (int k = 0; k < 12; ++k) {
        Affectation a = affectation(k, 3);
        EXPECT_TRUE(vus.insert({a.ouverture, a.premier_blanc}).second || k >= 6) << k;
        // The pair of games 2i, 2i + 1 shares its opening and swaps colours.
        if (k % 2) {
            Affectation b = affectation(k - 1, 3);
            EXPECT_EQ(a.ouverture, b.ouverture);
            EXPECT_NE(a.premier_blanc, b.premier_blanc);
        }
    }
    EXPECT_EQ(vus.size(), 6u);
}

TEST(MatchRunner, EloOfKnownScores) {
    Elo e = elo_match(75, 0, 25);
    EXPECT_NEAR(e.difference, 190.85, 0.01);
    EXPECT_NEAR(e.bas, 119.21, 0.01);
    EXPECT_NEAR(e.haut, 281.52, 0.01);
    e = elo_match(60, 0, 40);
    EXPECT_NEAR(e.difference, 70.44, 0.01);
    EXPECT_NEAR(e.bas, 2.77, 0.01);
    EXPECT_NEAR(e.haut, 143.91, 0.01);
    // Draws narrow the interval: 10 wins, 80 draws, 10 losses is +-30.5, not +-53.
    e = elo_match(10, 80, 10);
    EXPECT_NEAR(e.difference, 0.0, 1e-9);
    EXPECT_NEAR(e.haut, 30.53, 0.01);
    EXPECT_NEAR(e.bas, -30.53, 0.01);
    EXPECT_TRUE(std::isinf(elo_match(5, 0, 0).difference));
}

// The test's ratio by hand: 60 wins, 20 draws, 20 losses is a score of 0.7
// with variance 0.16, llr = 100 (s1 - s0) (1.4 - s0 - s1) / 0.32 = 1.734
// for elo 0 against 10; the bounds of 5 % errors are -+ln(19).
TEST(MatchRunner, SprtRatioAndVerdicts) {
    const Sprt t;
    VerdictSprt v = tester_sprt(t, 60, 20, 20);
    EXPECT_NEAR(v.llr, 1.734, 0.001);
    EXPECT_NEAR(v.haut, std::log(19.0), 1e-9);
    EXPECT_NEAR(v.bas, -std::log(19.0), 1e-9);
    EXPECT_EQ(v.decision, 0);
    // Twice the games at the same score: twice the evidence.
    EXPECT_EQ(tester_sprt(t, 120, 40, 40).decision, 1);
    EXPECT_EQ(tester_sprt(t, 120, 80, 200).decision, -1);
    // No spread yet (every game drawn): no verdict, not a division by zero.
    EXPECT_EQ(tester_sprt(t, 0, 30, 0).decision, 0);
}

TEST(MatchRunner, AFaultLosesTheGame) {
    struct Fautif : Joueur {
        std::string nom() const override { return "fautif"; }
        int choisir(const VuePartie&, const Coup*, int, int&) override { return -1; }
    } noir;
    auto blanc = joueur_hasard(3);
    Ouverture o{{"44-38", "25-31"}};
    ResultatPartie r = jouer_partie(*blanc, noir, o, ReglesMatch{});
    EXPECT_EQ(r.resultat, 1);
    EXPECT_TRUE(r.faute);
    EXPECT_EQ(r.plies, 3);
    ASSERT_EQ(r.pdn.size(), 3u);
    EXPECT_EQ(r.pdn[0], "44-38");
}

TEST(MatchRunner, ShippedOpeningsAreLegalAndBetweenFourAndEightPlies) {
    std::string texte, erreur;
    ASSERT_TRUE(lire_fichier(std::string(KOLMAR_DIR) + "/ouvertures_match.txt", texte));
    std::vector<Ouverture> o;
    ASSERT_TRUE(lire_ouvertures(texte, o, erreur)) << erreur;
    EXPECT_GE(o.size(), 100u);
    std::set<std::vector<std::string>> distinctes;
    for (const Ouverture& x : o) {
        EXPECT_GE(x.coups.size(), 4u);
        EXPECT_LE(x.coups.size(), 8u);
        distinctes.insert(x.coups);
    }
    EXPECT_EQ(distinctes.size(), o.size());
    // An illegal line is refused with its line number.
    o.clear();
    EXPECT_FALSE(lire_ouvertures("# c\n44-38 25-31\n44-38 21-26\n", o, erreur));
    EXPECT_EQ(erreur, "line 3: illegal move 21-26");
}

// Adjudication reads both players' scores: a side's own view of who is
// ahead, a run that a dissenting score breaks, and no verdict from a
// player that never searched.
TEST(MatchRunner, AdjudicationNeedsBothPlayersScores) {
    struct Annonce : Joueur {
        int valeur;  // 1/200 of a man for the side to move; INT_MIN: no score
        explicit Annonce(int v) : valeur(v) {}
        std::string nom() const override { return "annonce"; }
        int choisir(const VuePartie&, const Coup*, int, int& score) override {
            if (valeur != std::numeric_limits<int>::min()) score = valeur;
            return 0;
        }
    };
    const Ouverture o{{"44-38", "25-31"}};
    ReglesMatch regles;
    regles.plies_max = 40;
    regles.arbitrage.abandon_coups = 3;
    regles.arbitrage.abandon_score = 300;
    {
        Annonce blanc(700), noir(-700);
        ResultatPartie r = jouer_partie(blanc, noir, o, regles);
        EXPECT_EQ(r.fin, "resign adjudication");
        EXPECT_EQ(r.resultat, 1);
        EXPECT_EQ(r.pdn.size(), 2u + 6u);
        // Black ahead by both counts wins for black.
        Annonce b2(-700), n2(700);
        EXPECT_EQ(jouer_partie(b2, n2, o, regles).resultat, -1);
    }
    {
        // Each thinks it is ahead: play goes on.
        Annonce blanc(700), noir(700);
        EXPECT_EQ(jouer_partie(blanc, noir, o, regles).fin, "ply cap");
        // Short of the threshold: 2.5 men is not 3.
        Annonce b2(500), n2(-500);
        EXPECT_EQ(jouer_partie(b2, n2, o, regles).fin, "ply cap");
    }
    regles.arbitrage = Arbitrage{};
    regles.arbitrage.nulle_coups = 4;
    regles.arbitrage.nulle_ply = 20;
    {
        Annonce blanc(0), noir(8);
        ResultatPartie r = jouer_partie(blanc, noir, o, regles);
        EXPECT_EQ(r.fin, "draw adjudication");
        EXPECT_EQ(r.resultat, 0);
        EXPECT_GE(r.pdn.size(), 20u);
        EXPECT_LT(r.pdn.size(), 40u);
        // Players that never score are not level players.
        Annonce b2(std::numeric_limits<int>::min()), n2(std::numeric_limits<int>::min());
        EXPECT_EQ(jouer_partie(b2, n2, o, regles).fin, "ply cap");
    }
}
