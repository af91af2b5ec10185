#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "lang/messages.h"
#include "pannes.h"
#include "records/fichiers.h"
#include "records/joueurs.h"

using namespace kolmar;

namespace {

class Registre_ : public ::testing::Test {
   protected:
    void SetUp() override {
        char modele[] = "/tmp/kolmar-players-XXXXXX";
        char* d = mkdtemp(modele);
        ASSERT_NE(d, nullptr);
        dir = d;
        ecrire("joueurs.dat", "Kolmar\r\n");
        ecrire("points.dat", "2050\r\n");
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    void ecrire(const std::string& nom, const std::string& texte) {
        std::ofstream(dir + "/" + nom, std::ios::binary) << texte;
    }
    std::string lire(const std::string& nom) {
        std::string c;
        lire_fichier(dir + "/" + nom, c);
        return c;
    }
    void ajouter(const std::vector<std::pair<std::string, int>>& joueurs) {
        for (const auto& [nom, points] : joueurs) ASSERT_TRUE(ajouter_joueur(dir, nom, points).ok) << nom;
    }
    std::string dir;
};

}  // namespace

TEST_F(Registre_, AddedPlayersGetTheirCapitalOnTheSameLine) {
    ajouter({{"Alice", 1600}, {"Bob", 1700}, {"Chloé", 1800}, {"Denis", 800}});
    EXPECT_EQ(lire("joueurs.dat"), "Kolmar\r\nAlice\r\nBob\r\nChloé\r\nDenis\r\n");
    EXPECT_EQ(lire("points.dat"), "2050\r\n1600\r\n1700\r\n1800\r\n 800\r\n");
    Registre r = charger_registre(dir);
    ASSERT_EQ(r.noms.size(), r.points.size());
    EXPECT_EQ(valeur_points(r.points[4]), 800);
}

TEST_F(Registre_, DeletingAPlayerShiftsNamesAndPointsTogether) {
    ajouter({{"Alice", 1600}, {"Bob", 1700}, {"Chloé", 1800}, {"Denis", 1600}});
    ASSERT_TRUE(effacer_joueur(dir, 3).ok);
    Registre r = charger_registre(dir);
    EXPECT_EQ(r.noms, (std::vector<std::string>{"Kolmar", "Alice", "Bob", "Denis"}));
    EXPECT_EQ(r.points, (std::vector<std::string>{"2050", "1600", "1700", "1600"}));

    // The computer and lines that do not exist cannot be deleted.
    const std::string noms = lire("joueurs.dat"), points = lire("points.dat");
    for (int k : {0, -1, 4, 99}) {
        ResultatFichier res = effacer_joueur(dir, k);
        EXPECT_FALSE(res.ok) << k;
        EXPECT_EQ(res.message, MessageFichier::aucun);
    }
    EXPECT_EQ(lire("joueurs.dat"), noms);
    EXPECT_EQ(lire("points.dat"), points);
}

TEST_F(Registre_, RenamingKeepsThePoints) {
    ajouter({{"Alice", 1600}, {"Bob", 1700}});
    ASSERT_TRUE(renommer_joueur(dir, 2, "Robert").ok);
    Registre r = charger_registre(dir);
    EXPECT_EQ(r.noms[2], "Robert");
    EXPECT_EQ(r.points[2], "1700");
    EXPECT_FALSE(renommer_joueur(dir, 0, "Moi").ok);
    EXPECT_FALSE(renommer_joueur(dir, 1, "").ok);
    EXPECT_EQ(charger_registre(dir).noms, (std::vector<std::string>{"Kolmar", "Alice", "Robert"}));
}

TEST_F(Registre_, EmptyNamesAreRefusedAndLongNamesCut) {
    ResultatFichier res = ajouter_joueur(dir, "", 1800);
    EXPECT_FALSE(res.ok);
    EXPECT_EQ(res.message, MessageFichier::aucun);
    EXPECT_EQ(lire("joueurs.dat"), "Kolmar\r\n");
    EXPECT_EQ(lire("points.dat"), "2050\r\n");

    // 18 bytes then a two-byte character: cut before it.
    ajouter({{"Marie-Christine Lé\xC3\xA9tard", 1700}});
    EXPECT_EQ(charger_registre(dir).noms[1], "Marie-Christine Lé");
}

TEST_F(Registre_, ALineBreakInANameMakesNoPhantomPlayer) {
    ajouter({{"Zoe\r\nPhantom", 1600}, {"Bob", 1700}});
    EXPECT_EQ(lire("joueurs.dat"), "Kolmar\r\nZoePhantom\r\nBob\r\n");
    EXPECT_EQ(lire("points.dat"), "2050\r\n1600\r\n1700\r\n");
    // Nothing but control characters is no name at all.
    EXPECT_FALSE(ajouter_joueur(dir, "\r\n\t", 1500).ok);

    ASSERT_TRUE(renommer_joueur(dir, 2, "Bo\nb\x7f\xC2\x85").ok);
    EXPECT_EQ(lire("joueurs.dat"), "Kolmar\r\nZoePhantom\r\nBob\r\n");

    // A hand-edited register is read without them, its lines still paired.
    ecrire("joueurs.dat", "Kolmar\r\nAl\x01ice\x1b[0m\r\nEve\r\n");
    Registre r = charger_registre(dir);
    EXPECT_EQ(r.noms, (std::vector<std::string>{"Kolmar", "Alice[0m", "Eve"}));
}

TEST_F(Registre_, OutOfStepFilesAreRealignedBeforeAdding) {
    // A points file that lost lines: the new player still gets his own.
    ecrire("joueurs.dat", "Kolmar\r\nAlice\r\nBob\r\n");
    ecrire("points.dat", "2050\r\n");
    ajouter({{"Carla", 1700}});
    Registre r = charger_registre(dir);
    ASSERT_EQ(r.points.size(), 4u);
    EXPECT_EQ(r.points[3], "1700");
    EXPECT_EQ(valeur_points(r.points[1]), 0);

    // Extra points lines belong to nobody.
    ecrire("points.dat", "2050\r\n1\r\n2\r\n3\r\n4\r\n5\r\n");
    ajouter({{"Dora", 1600}});
    r = charger_registre(dir);
    EXPECT_EQ(r.noms.size(), 5u);
    EXPECT_EQ(r.points, (std::vector<std::string>{"2050", "1", "2", "3", "1600"}));
}

TEST_F(Registre_, OlderFilesAndOddLinesAreRead) {
    // LF only, no final newline, Windows-1252 name.
    ecrire("joueurs.dat", "Kolmar\nJos\xE9\nEve");
    ecrire("points.dat", "2050\n 950\nabc");
    Registre r = charger_registre(dir);
    EXPECT_EQ(r.noms, (std::vector<std::string>{"Kolmar", "Jos\xC3\xA9", "Eve"}));
    EXPECT_EQ(valeur_points(r.points[1]), 950);
    EXPECT_EQ(valeur_points(r.points[2]), 0);
    EXPECT_EQ(valeur_points("-40"), -40);
    EXPECT_EQ(valeur_points("12x"), 0);
    EXPECT_EQ(valeur_points(""), 0);
    EXPECT_EQ(valeur_points("99999999999"), 0);

    // Missing files are empty registers.
    std::filesystem::remove(dir + "/joueurs.dat");
    std::filesystem::remove(dir + "/points.dat");
    r = charger_registre(dir);
    EXPECT_TRUE(r.noms.empty());
    EXPECT_TRUE(r.points.empty());
}

TEST_F(Registre_, ResettingKolmarWritesAtOnce) {
    ajouter({{"Alice", 1600}});
    ecrire("points.dat", "2230\r\n1644\r\n");
    ASSERT_TRUE(ramener_kolmar(dir).ok);
    EXPECT_EQ(lire("points.dat"), "2050\r\n1644\r\n");
}

TEST_F(Registre_, AFailedWriteChangesNeitherFile) {
    ajouter({{"Alice", 1600}});
    // Alice's points line padded with blanks: joueurs.dat fits under the
    // disk's limit, points.dat does not. Neither may change.
    ecrire("points.dat", "2050\r\n" + std::string(6000, ' ') + "1600\r\n");
    const std::string noms = lire("joueurs.dat"), points = lire("points.dat");
    ResultatFichier res;
    {
        DisquePleinApres disque(4096);
        res = ajouter_joueur(dir, "Bob", 1700);
    }
    EXPECT_FALSE(res.ok);
    EXPECT_EQ(texte_resultat(res), "Impossible d'écrire ce fichier\nLe disque est plein");
    EXPECT_EQ(lire("joueurs.dat"), noms);
    EXPECT_EQ(lire("points.dat"), points);
    // No temporary and no marker left behind.
    std::vector<std::string> fichiers;
    for (const auto& e : std::filesystem::directory_iterator(dir)) fichiers.push_back(e.path().filename().string());
    std::sort(fichiers.begin(), fichiers.end());
    EXPECT_EQ(fichiers, (std::vector<std::string>{"joueurs.dat", "points.dat"}));
}

TEST(RegistreGenere, FirstStartHoldsTheComputerAt2050) {
    Registre r = charger_registre(KOLMAR_DIR);
    ASSERT_FALSE(r.noms.empty());
    ASSERT_FALSE(r.points.empty());
    EXPECT_EQ(r.noms[0], "Kolmar");
    EXPECT_EQ(valeur_points(r.points[0]), 2050);
}
