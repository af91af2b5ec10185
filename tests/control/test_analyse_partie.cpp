// The game analysis run by the controller: both lists, the game left as
// it was, and the ways an analysis ends.
#include <cstring>
#include <memory>

#include "control/analyse_partie.h"
#include "vue_test.h"

using namespace kolmar;
using essai::Banc;

namespace {

// White gives a man away with 45-39 and black must take it; four moves
// entered by clicks, at the depth level "1 : Débutant".
struct PartieAnalysee : ::testing::Test {
    Banc b{true};
    Controleur& f = *b.f;
    void SetUp() override {
        choisir_niveau(f, 1);
        f.options().reflexion_adverse = true;
        b.poser("W:W45,66,67:B1,33");
        for (auto [de, vers] : {std::pair{45, 39}, {33, 46}, {67, 61}, {1, 7}}) {
            b.cliquer(de);
            b.cliquer(vers);
        }
        ASSERT_EQ(f.jeu().partie.dernier_demi_coup, 4);
    }
};

}  // namespace

TEST_F(PartieAnalysee, LinesFillBothListsAndTheGameComesBackByteForByte) {
    const auto avant = std::make_unique<Partie>(f.jeu().partie);
    int suivants = 0;
    b.vue.pendant = [&] {
        // "Suivant" all along: each position is cut short, none is skipped.
        if (f.session().analyse_en_cours) Arretercettephase1Click(f), ++suivants;
    };
    Debuteruneanalyse1Click(f);
    b.vue.pendant = nullptr;
    EXPECT_GT(suivants, 0);
    ASSERT_EQ(b.vue.analyse_courtes.size(), 4u);
    ASSERT_EQ(b.vue.analyse_longues.size(), 6u) << "four moves and the legend";
    EXPECT_EQ(b.vue.analyse_longues[0].rfind("* 1 Blanc: joué : 45-39;", 0), 0u) << b.vue.analyse_longues[0];
    EXPECT_EQ(b.vue.analyse_courtes[1].rfind(" 1 Noirs : 33-46;", 0), 0u) << b.vue.analyse_courtes[1];
    EXPECT_EQ(b.vue.analyse_longues[4].rfind("+100 gagne un pion", 0), 0u);

    const Partie& pt = f.jeu().partie;
    EXPECT_EQ(std::memcmp(pt.partie, avant->partie, sizeof pt.partie), 0);
    EXPECT_EQ(pt.demi_coup_courant, 4);
    EXPECT_EQ(pt.dernier_demi_coup, 4);
    // Finished, the window stays up until "Fin analyse".
    EXPECT_TRUE(b.vue.panneaux[Panneau::Form4]);
    EXPECT_FALSE(b.vue.actif(Commande::Debuteruneanalyse1));
    EXPECT_TRUE(b.vue.actif(Commande::Terminerlanalyse1));
    EXPECT_FALSE(b.vue.actif(Commande::Arretercettephase1));
    EXPECT_FALSE(f.options().reflexion_adverse) << "no pondering while the analysis is shown";
    // "Editer analyse" writes the analysed lines, not the legend.
    const std::string chemin = testing::TempDir() + "analyse.txt";
    ASSERT_TRUE(BitBtn2Click(f, chemin));
    std::string texte;
    ASSERT_TRUE(lire_fichier(chemin, texte));
    EXPECT_EQ(texte, b.vue.analyse_longues[0] + "\n" + b.vue.analyse_longues[1] + "\n" + b.vue.analyse_longues[2] +
                         "\n" + b.vue.analyse_longues[3] + "\n");
    Terminerlanalyse1Click(f);
    EXPECT_FALSE(b.vue.panneaux[Panneau::Form4]);
    // Four plies are too few to learn from: "Apprendre ?" is not asked.
    EXPECT_FALSE(b.vue.panneaux[Panneau::Learn]);
    EXPECT_TRUE(f.options().reflexion_adverse);
    EXPECT_TRUE(b.vue.actif(Commande::Debuteruneanalyse1));
}

TEST_F(PartieAnalysee, AClickOnALineShowsThePositionItWasPlayedFrom) {
    Debuteruneanalyse1Click(f);
    clic_ligne_analyse(f, 1);
    const Jeu& J = f.jeu();
    EXPECT_EQ(J.partie.demi_coup_courant, 1);
    EXPECT_EQ(J.partie.dernier_demi_coup, 4);
    EXPECT_EQ(ecrire_fen(J.plateau_affiche, J.trait), "B:W39,66,67:B1,33");
    EXPECT_FALSE(b.vue.panneaux[Panneau::Form4]);
    EXPECT_FALSE(f.session().analyse_ouverte);
    // The board marks the move that led there, not the game's last one.
    EXPECT_EQ(b.vue.marques_plateau.depart, 45);
    EXPECT_EQ(b.vue.marques_plateau.arrivee, 39);
    // The capture is the move from there.
    b.cliquer(33);
    b.cliquer(46);
    EXPECT_EQ(ecrire_fen(J.plateau_affiche, J.trait), "W:W66,67:B1,46");
}

TEST_F(PartieAnalysee, ANewGameOrNavigationInTheMiddleEndsItCleanly) {
    for (int cas = 0; cas < 2; ++cas) {
        int polls = 0;
        b.vue.pendant = [&] {
            if (f.session().analyse_en_cours && ++polls == 2) {
                if (cas == 0)
                    nouvelle_partie(f);
                else
                    reprise(f);
            }
        };
        Debuteruneanalyse1Click(f);
        b.vue.pendant = nullptr;
        EXPECT_FALSE(f.session().analyse_en_cours);
        EXPECT_FALSE(f.session().analyse_ouverte);
        EXPECT_FALSE(b.vue.panneaux[Panneau::Form4]);
        EXPECT_TRUE(f.options().reflexion_adverse);
        EXPECT_LT(b.vue.analyse_courtes.size(), 4u);
        if (cas == 0) {
            uint8_t initiale[TAILLE_DAMIER];
            position_initiale(initiale);
            EXPECT_EQ(std::memcmp(f.jeu().plateau_affiche + 1, initiale + 1, NB_CASES), 0);
            // The game of the analysis is gone: set it up again for the navigation case.
            SetUp();
        } else {
            EXPECT_EQ(f.jeu().partie.demi_coup_courant, 3) << "one ply back from the end";
        }
    }
    // Without a move there is nothing to analyse.
    nouvelle_partie(f);
    Debuteruneanalyse1Click(f);
    EXPECT_FALSE(f.session().analyse_ouverte);
}
