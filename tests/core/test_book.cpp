// Opening library: reading lines, the candidates the driver gets, when the
// library is asked, library files and sets, and the libraries the build
// produced.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "engine/book.h"
#include "pannes.h"
#include "records/fichiers.h"
#include "rules/board.h"
#include "rules/movegen.h"
#include "rules/record.h"

using namespace kolmar;

namespace {

// A game record holding the given half-moves, played for real.
void jouer_partie(Partie& pt, const std::vector<CoupLivre>& coups) {
    uint8_t d[TAILLE_DAMIER];
    position_initiale(d);
    EtatNote etat;
    commencer_partie(pt, d, etat);
    uint8_t trait = BLANC;
    Generateur g;
    g.damier = d;
    for (const CoupLivre& c : coups) {
        int n = coups_legaux(g, trait);
        int i = 0;
        while (i < n && (g.liste_coups[1][i].depart != c.depart || g.liste_coups[1][i].arrivee != c.arrivee)) ++i;
        ASSERT_LT(i, n) << int(c.depart) << "-" << int(c.arrivee);
        Coup coup = g.liste_coups[1][i];
        jouer_coup(d, coup);
        ASSERT_TRUE(nouveau_demi_coup(pt, trait, d, coup.nb_prises, coup.depart, coup.arrivee, etat));
    }
}

int compter(const std::vector<CoupLivre>& v, int de, int vers) {
    int n = 0;
    for (const CoupLivre& c : v) n += c.depart == de && c.arrivee == vers;
    return n;
}

class DossierBook : public ::testing::Test {
   protected:
    void SetUp() override {
        char modele[] = "/tmp/kolmar-book-XXXXXX";
        ASSERT_NE(mkdtemp(modele), nullptr);
        dir = modele;
        std::filesystem::create_directory(dir + "/Parametres");
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    std::string lire(const std::string& nom) {
        std::string s;
        lire_fichier(dir + "/" + nom, s);
        return s;
    }
    std::string dir;
};

}  // namespace

TEST(BookLines, MovesAreReadAsWrittenAndStopAtWhatCannotBeRead) {
    std::vector<CoupLivre> c = lire_ligne("47-41 25-31  7-12 44- 7 ");
    ASSERT_EQ(c.size(), 4u);
    EXPECT_EQ(c[2].depart, 7);
    EXPECT_EQ(c[2].arrivee, 12);
    EXPECT_EQ(c[3].arrivee, 7);
    EXPECT_EQ(ecrire_ligne(c), "47-41 25-31  7-12 44- 7 ");
    EXPECT_EQ(lire_ligne("47-41 25-31", 1).size(), 1u);
    // Three digits, a missing separator or junk end the line there.
    EXPECT_EQ(lire_ligne("47-41 25-312 7-12").size(), 1u);
    EXPECT_EQ(lire_ligne("47 41 25-31").size(), 0u);
    EXPECT_EQ(lire_ligne("47-41a 25-31").size(), 0u);
    EXPECT_EQ(lire_ligne("47-41 25-31\r").size(), 2u);
}

TEST(BookCandidates, LinesFollowingTheGameProposeTheirNextMove) {
    const std::vector<std::string> lignes = {
        "47-41 25-31 ",        // shorter than the game below: nothing
        "47-41 25-32 41-36 ",  // other reply: nothing once 25-31 is played
        "47-41 25-31 44-38 ",
        "47-41 25-31 44-38 ",  // the same line twice: its move counts twice
        "46-40 30-35 40-34 ", "garbage 47-41",
        "47-41 25-31  0-38 ",  // a zero square proposes nothing
    };
    Partie pt;
    jouer_partie(pt, {});
    // No move played: every line's first move.
    std::vector<CoupLivre> c = book_candidates(lignes, pt, 0);
    EXPECT_EQ(c.size(), 6u);
    EXPECT_EQ(compter(c, 47, 41), 5);
    EXPECT_EQ(compter(c, 46, 40), 1);

    jouer_partie(pt, {{47, 41}, {25, 31}});
    c = book_candidates(lignes, pt, 2);
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(compter(c, 44, 38), 2);

    // The black list answers when the computer plays black.
    Bibliotheque b;
    b.blancs = {"47-41 25-31 44-38 "};
    b.noirs = {"47-41 25-31 46-40 "};
    EXPECT_EQ(compter(book_candidates(b, 1, pt, 2), 46, 40), 1);
    EXPECT_EQ(compter(book_candidates(b, 0, pt, 2), 44, 38), 1);
}

TEST(BookCandidates, TheLibraryIsAskedOnlyEarlyInTheGame) {
    Bibliotheque b;
    uint8_t nb[5] = {0, 30, 0, 30, 0};
    EXPECT_TRUE(livre_consulte(b, 0, nb));
    EXPECT_TRUE(livre_consulte(b, 41, nb));
    EXPECT_FALSE(livre_consulte(b, 42, nb));
    // Before half-move 3 only from the full initial material.
    nb[PION_NOIR] = 29;
    EXPECT_FALSE(livre_consulte(b, 2, nb));
    EXPECT_TRUE(livre_consulte(b, 3, nb));
    b.actives = false;
    EXPECT_FALSE(livre_consulte(b, 10, nb));

    // The game's moves as a line, as the editors receive it.
    Partie pt;
    jouer_partie(pt, {{47, 41}, {25, 31}, {44, 38}});
    EXPECT_EQ(ligne_de_partie(pt, 3), "47-41 25-31 44-38 ");
    EXPECT_EQ(ligne_de_partie(pt, 0), "");
}

TEST_F(DossierBook, ListsAreReadWrittenAndEdited) {
    std::ofstream(dir + "/ouvert_b.OUV", std::ios::binary) << "47-41 25-31 \r\n46-40 \r\n";
    Bibliotheque b;
    charger_bibliotheques(b, dir);
    ASSERT_EQ(b.blancs.size(), 2u);
    EXPECT_EQ(b.blancs[1], "46-40 ");
    EXPECT_TRUE(b.noirs.empty());  // missing file: empty list

    ajouter_ligne(b, 0, "44-38 ");
    EXPECT_TRUE(effacer_ligne(b, 0, 0));
    EXPECT_FALSE(effacer_ligne(b, 0, 5));
    ASSERT_TRUE(enregistrer_liste(b, 0, dir));
    EXPECT_EQ(lire(std::filesystem::path(chemin_donnee("Ouvert_b.ouv", dir)).filename().string()), "46-40 \n44-38 \n");
}

TEST_F(DossierBook, SetsAreSavedAndLoadedBack) {
    std::ofstream(dir + "/Ouvert_n.ouv", std::ios::binary) << "47-41 25-31 \n";
    Bibliotheque b;
    b.blancs = {"46-40 30-35 ", "44-38 "};
    ASSERT_TRUE(enregistrer_jeu(b, 0, "essai.ovv", {"analyse 1"}, dir));
    EXPECT_EQ(lire("Parametres/essai.ovv"), "analyse 1\n");
    EXPECT_EQ(lire("Parametres/essai_b.ouv"), "46-40 30-35 \n44-38 \n");
    EXPECT_EQ(lire("Parametres/essai_n.ouv"), "47-41 25-31 \n");
    EXPECT_EQ(lire("Ouvert_b.ouv"), "46-40 30-35 \n44-38 \n");
    // A full disk says why the set could not be saved.
    RaisonEchec raison = RaisonEchec::aucune;
    {
        DisquePleinApres disque(4);
        EXPECT_FALSE(enregistrer_jeu(b, 0, "plein.ovv", {"analyse 1"}, dir, &raison));
    }
    EXPECT_EQ(raison, RaisonEchec::disque_plein);

    Bibliotheque c;
    c.blancs = {"x"};
    // An unknown set changes nothing.
    EXPECT_FALSE(charger_jeu(c, "absent", dir));
    EXPECT_EQ(c.blancs.size(), 1u);
    std::ofstream(dir + "/Ouvert_b.ouv", std::ios::binary) << "";
    ASSERT_TRUE(charger_jeu(c, "ESSAI.ovv", dir));
    EXPECT_EQ(c.blancs, b.blancs);
    ASSERT_EQ(c.noirs.size(), 1u);
    EXPECT_EQ(lire("Ouvert_b.ouv"), "46-40 30-35 \n44-38 \n");
}

TEST(BookGenerated, LinesAreLegalAndBlackAnswersEveryFirstMove) {
    Bibliotheque b;
    charger_bibliotheques(b, KOLMAR_DIR);
    uint8_t d[TAILLE_DAMIER];
    position_initiale(d);
    Generateur g;
    g.damier = d;
    const int n = coups_legaux(g, BLANC);
    for (int couleur : {0, 1}) {
        const auto& lignes = b.liste(couleur);
        ASSERT_FALSE(lignes.empty());
        for (const std::string& l : lignes) {
            std::vector<CoupLivre> coups = lire_ligne(l);
            EXPECT_GE(coups.size(), 6u) << l;
            EXPECT_LE(coups.size(), 42u) << l;
            EXPECT_EQ(ecrire_ligne(coups), l);
            Partie pt;
            jouer_partie(pt, coups);  // fails on an illegal move
        }
        // From the start every proposal is a legal first move of white.
        Partie pt;
        jouer_partie(pt, {});
        for (const CoupLivre& c : book_candidates(lignes, pt, 0)) {
            bool legal = false;
            for (int i = 0; i < n; ++i)
                legal |= g.liste_coups[1][i].depart == c.depart && g.liste_coups[1][i].arrivee == c.arrivee;
            EXPECT_TRUE(legal);
        }
    }
    // The human may open with any move: the computer as black has a book
    // answer to each.
    for (int i = 0; i < n; ++i) {
        const Coup c = g.liste_coups[1][i];
        Partie pt;
        jouer_partie(pt, {{c.depart, c.arrivee}});
        EXPECT_FALSE(book_candidates(b.noirs, pt, 1).empty()) << int(c.depart) << "-" << int(c.arrivee);
    }
}
