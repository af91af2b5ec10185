#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>
#include <string>

#include "lang/textes.h"

using namespace kolmar;

TEST(Textes, ChaqueTexteADuFrancais) {
    for (int i = 0; i < static_cast<int>(Texte::NB_TEXTES); ++i) {
        const char* t = texte(static_cast<Texte>(i));
        ASSERT_NE(t, nullptr) << i;
        EXPECT_GT(std::strlen(t), 0u) << i;
    }
    EXPECT_STREQ(texte(Texte::GainDesBlancs), "Gain des blancs");
    EXPECT_STREQ(texte(Texte::MatchNul), "Match nul !");
    EXPECT_STREQ(texte(Texte::KolmarAGagne), "Désolé, KOLMAR a gagné");
}

TEST(Textes, LanguesEtRepli) {
    EXPECT_STREQ(texte(Texte::CoupsJoues, ANGLAIS), "List of moves");
    EXPECT_STREQ(texte(Texte::BlancsHautBas, ITALIEN), "Bl.:Bianco:Su->Giù");
    EXPECT_STREQ(texte(Texte::Entrainement, NEERLANDAIS), "Training");
    // A text a language lacks, or an unknown language, gives French.
    EXPECT_STREQ(texte(Texte::NomQuebec, ESPAGNOL), "Quebec");
    EXPECT_STREQ(texte(Texte::Fichier, 9), "Fichier");
    EXPECT_STREQ(texte(Texte::Fichier, -1), "Fichier");
    EXPECT_STREQ(texte(Texte::NB_TEXTES), "");
}

TEST(Textes, LegendesNommentDesComposants) {
    std::size_t nb = 0;
    const Legende* l = legendes(nb);
    ASSERT_GT(nb, 0u);
    std::set<std::string> vus;
    for (std::size_t i = 0; i < nb; ++i) {
        std::string nom = l[i].controle;
        EXPECT_TRUE(vus.insert(nom).second) << "twice: " << nom;
        for (unsigned char c : nom) EXPECT_TRUE(std::isalnum(c) || c == '_') << nom;
    }
}
