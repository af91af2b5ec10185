#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/params.h"
#include "records/fichiers.h"

using namespace kolmar;

namespace {

std::string dossier(const std::string& nom) {
    std::string d = testing::TempDir() + nom;
    EXPECT_EQ(std::system(("rm -rf '" + d + "' && mkdir -p '" + d + "'").c_str()), 0);
    return d;
}

std::string lire(const std::string& chemin) {
    std::string c;
    EXPECT_TRUE(lire_fichier(chemin, c));
    return c;
}

}  // namespace

TEST(ParameterFiles, DefaultFileAsGenerated) {
    Parametres p;
    ErreurDonnees erreur;
    ASSERT_TRUE(charger_parametres_defaut(p, erreur, KOLMAR_DIR)) << texte_erreur_donnees(erreur);
    EXPECT_EQ(lire(chemin_donnee(FICHIER_PARAMETRES_DEFAUT, KOLMAR_DIR)).size(), 1166u);
    EXPECT_EQ(p.phase_bas(0), 31);
    EXPECT_EQ(p.phase_bas(1), 23);
    EXPECT_EQ(p.phase_bas(2), 11);
    for (int v = 1; v <= 2; ++v)
        for (int k = 0; k < 7; ++k) {
            // The two colours' variant squares mirror each other.
            EXPECT_EQ(p.case_blanche(v, k) + p.case_noire(v, k), 73);
        }
    // The final table rewards the men nearest their crowning row.
    EXPECT_GT(p.tables[3][64], p.tables[3][10]);
    // The opening table keeps the back rank.
    EXPECT_GT(p.tables[0][3], p.tables[0][9]);
}

TEST(ParameterFiles, SaveAndLoadRoundTrip) {
    std::string d = dossier("par_aller_retour");
    Parametres p;
    for (int j = 0; j < 8; ++j)
        for (int i = 0; i < 73; ++i) p.tables[j][i] = static_cast<uint8_t>(j * 31 + i * 7);
    p.fixer_scalaire(0, 40);
    p.fixer_scalaire(31, -5);
    p.tampon[1000] = 42;  // the reserved area goes back as it was read
    ASSERT_TRUE(sauver_parametres(p, d + "/a.par"));
    std::string brut = lire(d + "/a.par");
    ASSERT_EQ(brut.size(), 1166u);
    EXPECT_EQ(static_cast<uint8_t>(brut[544]), 40);
    EXPECT_EQ(static_cast<int8_t>(brut[575]), -5);
    EXPECT_EQ(brut[1000], 42);

    Parametres q;
    ASSERT_EQ(charger_parametres(q, d + "/a.par"), ResultatParametres::ok);
    EXPECT_EQ(0, std::memcmp(p.tables, q.tables, sizeof p.tables));
    EXPECT_EQ(q.phase_bas(0), 40);
    EXPECT_EQ(q.poids_tempo(0), -5);
    EXPECT_EQ(q.tables[7][33 + 31], 251);  // the same byte seen as a table entry
    EXPECT_EQ(q.tampon[1000], 42);
}

TEST(ParameterFiles, ScalarsOverrideTheEndOfTheLastTable) {
    std::string d = dossier("par_scalaires");
    std::string image(1166, '\0');
    for (int i = 0; i < 1166; ++i) image[i] = static_cast<char>(i % 97);
    std::ofstream(d + "/b.par", std::ios::binary) << image;
    Parametres p;
    ASSERT_EQ(charger_parametres(p, d + "/b.par"), ResultatParametres::ok);
    for (int k = 0; k < NB_SCALAIRES; ++k) EXPECT_EQ(p.tables[7][33 + k], (544 + k) % 97);
    EXPECT_EQ(p.tables[7][32], (511 + 32) % 97);
    EXPECT_EQ(p.tables[7][72], (511 + 72) % 97);
    EXPECT_EQ(p.tables[2][5], (146 + 5) % 97);
}

TEST(ParameterFiles, MissingAndShortFiles) {
    std::string d = dossier("par_manquants");
    Parametres p;
    p.tables[1][10] = 9;
    EXPECT_EQ(charger_parametres(p, d + "/absent.par"), ResultatParametres::ouverture_impossible);
    EXPECT_EQ(p.tables[1][10], 9);

    // A short file replaces the start of the buffer; the rest stays.
    std::fill(std::begin(p.tampon), std::end(p.tampon), 3);
    std::ofstream(d + "/court.par", std::ios::binary) << std::string(100, '\x07');
    EXPECT_EQ(charger_parametres(p, d + "/court.par"), ResultatParametres::fichier_court);
    EXPECT_EQ(p.tables[0][72], 7);
    EXPECT_EQ(p.tables[1][26], 7);
    EXPECT_EQ(p.tables[1][27], 3);

    // At start-up a missing or short default file is an error that says what to do.
    ErreurDonnees erreur;
    Parametres q;
    EXPECT_FALSE(charger_parametres_defaut(q, erreur, d));
    EXPECT_NE(texte_erreur_donnees(erreur).find("defaut_can.par"), std::string::npos);
    ASSERT_EQ(std::system(("mkdir -p '" + d + "/parametres'").c_str()), 0);
    std::ofstream(d + "/parametres/DEFAUT_CAN.par", std::ios::binary) << std::string(1165, '\x01');
    erreur = {};
    EXPECT_FALSE(charger_parametres_defaut(q, erreur, d));
    EXPECT_NE(texte_erreur_donnees(erreur).find("1165"), std::string::npos);
    EXPECT_EQ(q.tables[0][1], 0);
}
