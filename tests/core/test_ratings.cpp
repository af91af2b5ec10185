#include <gtest/gtest.h>
#include <stdlib.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <string>

#include "lang/messages.h"
#include "pannes.h"
#include "records/classement.h"
#include "records/fichiers.h"
#include "records/joueurs.h"

using namespace kolmar;

namespace {

struct Points {
    int32_t noir, blanc;
};

Points apres(int resultat, int32_t B, int32_t W) {
    Points p{};
    nouveaux_points(resultat, B, W, p.noir, p.blanc);
    return p;
}

class Match_ : public ::testing::Test {
   protected:
    void SetUp() override {
        char modele[] = "/tmp/kolmar-ratings-XXXXXX";
        char* d = mkdtemp(modele);
        ASSERT_NE(d, nullptr);
        dir = d;
        std::ofstream(dir + "/joueurs.dat", std::ios::binary) << "Kolmar\r\nAlice\r\nBob\r\nInconnu\r\n";
        std::ofstream(dir + "/points.dat", std::ios::binary) << "2050\r\n1600\r\n 950\r\n1900\r\n";
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    std::string points() {
        std::string c;
        lire_fichier(dir + "/points.dat", c);
        return c;
    }
    std::string dir;
};

}  // namespace

TEST(Classement, WinsAndDrawsMoveThePointsByTheFormula) {
    // Black at 1600 beats the computer playing white at 2050.
    Points p = apres(GAIN_NOIR, 1600, 2050);
    EXPECT_EQ(p.noir, 1661);
    EXPECT_EQ(p.blanc, 1989);
    // White at 2050 beats black at 1600.
    p = apres(GAIN_BLANC, 1600, 2050);
    EXPECT_EQ(p.blanc, 2065);
    EXPECT_EQ(p.noir, 1585);
    // Black at 2050 beats white at 1600: one scaling more than for white
    // (17, 13, 10, then 7 + 5).
    p = apres(GAIN_NOIR, 2050, 1600);
    EXPECT_EQ(p.noir, 2062);
    EXPECT_EQ(p.blanc, 1588);
    // A draw pulls both a tenth of the way together.
    p = apres(PARTIE_NULLE, 1600, 2050);
    EXPECT_EQ(p.blanc, 2005);
    EXPECT_EQ(p.noir, 1645);
    p = apres(PARTIE_NULLE, 1703, 1700);
    EXPECT_EQ(p.noir, 1703);
    EXPECT_EQ(p.blanc, 1700);
}

TEST(Classement, EqualPointsMoveFiveWhateverTheColours) {
    for (int32_t x : {1600, 2050}) {
        Points p = apres(GAIN_NOIR, x, x);
        EXPECT_EQ(p.noir, x + 5);
        EXPECT_EQ(p.blanc, x - 5);
        p = apres(GAIN_BLANC, x, x);
        EXPECT_EQ(p.blanc, x + 5);
        EXPECT_EQ(p.noir, x - 5);
        p = apres(PARTIE_NULLE, x, x);
        EXPECT_EQ(p.noir, x);
        EXPECT_EQ(p.blanc, x);
    }
}

TEST(Classement, AbsurdPointsNeitherCrashNorOverflow) {
    // A winner at 0 points (a line that is not a number) or below.
    for (int32_t w : {0, -300}) {
        Points p = apres(GAIN_NOIR, w, 1800);
        EXPECT_GT(p.noir, w);
        EXPECT_LT(p.blanc, 1800);
        EXPECT_EQ(p.noir - w, 1800 - p.blanc);
    }
    Points p = apres(GAIN_BLANC, INT32_MAX, 1);
    EXPECT_GT(p.blanc, 1);
    EXPECT_LT(p.noir, INT32_MAX);
    p = apres(PARTIE_NULLE, INT32_MIN, INT32_MAX);
    EXPECT_GT(p.noir, INT32_MIN);
    EXPECT_LT(p.blanc, INT32_MAX);
}

TEST_F(Match_, StartingAMatchFindsLinesAndPoints) {
    Registre r = charger_registre(dir);
    Match m;
    commencer_match(m, r, true, "Bob", 2);
    EXPECT_EQ(m.matchState, MATCH_EN_COURS);
    EXPECT_EQ(m.index_blanc, 2);
    EXPECT_EQ(m.index_noir, 0);
    EXPECT_EQ(m.points_blanc, 950);
    EXPECT_EQ(m.points_noir, 2050);

    // Nothing chosen: the same line as last time. Line 0 chosen: the line
    // the human had on the other colour.
    commencer_match(m, r, true, "Bob", -1);
    EXPECT_EQ(m.index_blanc, 2);
    m.index_noir = 1;
    commencer_match(m, r, true, "Alice", 0);
    EXPECT_EQ(m.index_blanc, 1);
    EXPECT_EQ(m.points_blanc, 1600);

    // Computer white: the mirror image.
    commencer_match(m, r, false, "Alice", 1);
    EXPECT_EQ(m.index_noir, 1);
    EXPECT_EQ(m.index_blanc, 0);
    EXPECT_EQ(m.points_noir, 1600);
    EXPECT_EQ(m.points_blanc, 2050);

    // "Inconnu" plays at 1500 whatever his line says.
    commencer_match(m, r, false, "Inconnu", 3);
    EXPECT_EQ(m.points_noir, 1500);
    // The computer against itself is not rated.
    commencer_match(m, r, true, "Kolmar", 1);
    EXPECT_EQ(m.matchState, MATCH_AUCUN);
}

TEST_F(Match_, AMatchIsScoredOnceAndWritten) {
    Registre r = charger_registre(dir);
    Match m;
    commencer_match(m, r, false, "Alice", 1);  // Alice black at 1600
    FinDeMatch fin = conclure_match(m, GAIN_NOIR, "Kolmar", "Alice", dir);
    EXPECT_TRUE(fin.compte);
    EXPECT_TRUE(fin.ecriture.ok);
    EXPECT_EQ(m.matchState, MATCH_COMPTE);
    EXPECT_EQ(fin.resultat_noir, "Alice passe de 1600 à 1661");
    EXPECT_EQ(fin.resultat_blanc, "Kolmar passe de 2050 à 1989");
    EXPECT_EQ(points(), "1989\r\n1661\r\n 950\r\n1900\r\n");

    // A second end-of-game call (a time loss found twice) scores nothing.
    FinDeMatch encore = conclure_match(m, GAIN_BLANC, "Kolmar", "Alice", dir);
    EXPECT_TRUE(encore.deja_compte);
    EXPECT_FALSE(encore.compte);
    EXPECT_EQ(points(), "1989\r\n1661\r\n 950\r\n1900\r\n");
}

TEST_F(Match_, SmallPointsArePaddedInTheTexts) {
    Registre r = charger_registre(dir);
    Match m;
    commencer_match(m, r, true, "Bob", 2);  // Bob white at 950
    FinDeMatch fin = conclure_match(m, PARTIE_NULLE, "Bob", "Kolmar", dir);
    EXPECT_EQ(fin.resultat_blanc, "Bob passe de  950 à 1060");
    EXPECT_EQ(fin.resultat_noir, "Kolmar passe de 2050 à 1940");
    EXPECT_EQ(points(), "1940\r\n1600\r\n1060\r\n1900\r\n");
}

TEST_F(Match_, UnratedGamesAndUnknownLinesChangeNoPoints) {
    Match m;
    FinDeMatch fin = conclure_match(m, GAIN_NOIR, "Alice", "Kolmar", dir);
    EXPECT_FALSE(fin.compte);
    EXPECT_TRUE(fin.resultat_noir.empty());
    EXPECT_TRUE(fin.resultat_blanc.empty());
    EXPECT_EQ(m.matchState, MATCH_AUCUN);
    EXPECT_EQ(points(), "2050\r\n1600\r\n 950\r\n1900\r\n");

    // The human's line was never chosen: only the computer's changes.
    Registre r = charger_registre(dir);
    commencer_match(m, r, true, "Inconnu", -1);
    ASSERT_EQ(m.index_blanc, -1);
    fin = conclure_match(m, GAIN_BLANC, "Inconnu", "Kolmar", dir);
    EXPECT_TRUE(fin.compte);
    EXPECT_EQ(fin.blanc_avant, 1500);
    EXPECT_EQ(fin.noir_apres, 1977);
    EXPECT_EQ(points(), "1977\r\n1600\r\n 950\r\n1900\r\n");
}

TEST_F(Match_, APointsFileThatCannotBeWrittenIsReportedAndKept) {
    Registre r = charger_registre(dir);
    Match m;
    commencer_match(m, r, true, "Alice", 1);
    FinDeMatch fin;
    {
        SansDescripteur plus_de_fichier;
        fin = conclure_match(m, GAIN_BLANC, "Alice", "Kolmar", dir);
    }
    EXPECT_TRUE(fin.compte);
    EXPECT_FALSE(fin.ecriture.ok);
    EXPECT_EQ(texte_resultat(fin.ecriture), "Impossible d'écrire ce fichier");
    EXPECT_EQ(points(), "2050\r\n1600\r\n 950\r\n1900\r\n");
}

TEST_F(Match_, AMatchIsScoredOnItsPlayersWhateverAnotherWindowDeleted) {
    // Bob (line 2) plays; meanwhile Alice (line 1) is deleted elsewhere:
    // Bob's points go to his new line 1, not onto Inconnu's line 2.
    Match m;
    commencer_match(m, charger_registre(dir), true, "Bob", 2);
    ASSERT_TRUE(effacer_joueur(dir, 1).ok);
    FinDeMatch fin = conclure_match(m, GAIN_BLANC, "Bob", "Kolmar", dir);
    ASSERT_TRUE(fin.ecriture.ok);
    EXPECT_EQ(points(), std::to_string(fin.noir_apres) + "\r\n" + std::to_string(fin.blanc_apres) + "\r\n1900\r\n");
    // A player deleted during his match: only the computer's line changes.
    commencer_match(m, charger_registre(dir), true, "Bob", 1);
    ASSERT_TRUE(effacer_joueur(dir, 1).ok);
    fin = conclure_match(m, GAIN_NOIR, "Bob", "Kolmar", dir);
    EXPECT_EQ(points(), std::to_string(fin.noir_apres) + "\r\n1900\r\n");
}
