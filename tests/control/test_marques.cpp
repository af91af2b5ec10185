// The marks the board keeps between moves: the last half-move, whoever
// played it or however the game got there, and the pieces that must
// capture when a human is to move.
#include "control/marques.h"
#include "vue_test.h"

using namespace kolmar;
using essai::Banc;

namespace {

using Cases = std::vector<uint8_t>;

}  // namespace

TEST(Marques, TheLastMoveAndTheCompulsoryCapturesFollowTheGameAndItsNavigation) {
    Banc b;
    const MarquesPlateau& m = b.vue.marques_plateau;
    EXPECT_EQ(m.depart, 0) << "a new game has no last move";
    for (int s : {44, 38, 25, 31}) b.cliquer(s);
    EXPECT_EQ(m.depart, 25);
    EXPECT_EQ(m.arrivee, 31);
    EXPECT_TRUE(m.obligatoires.empty());
    b.cliquer(38);
    b.cliquer(32);
    EXPECT_EQ(m.depart, 38) << "the human's own move stays marked";
    EXPECT_EQ(m.arrivee, 32);
    // 26x37: black is told before a click.
    EXPECT_EQ(m.obligatoires, (Cases{26}));

    // A step back shows the move that led to the position shown.
    reprise(*b.f);
    EXPECT_EQ(m.depart, 25);
    EXPECT_EQ(m.arrivee, 31);
    EXPECT_TRUE(m.obligatoires.empty());
    revenir_debut(*b.f);
    EXPECT_EQ(m.depart, 0);
    Aller_fin(*b.f);
    EXPECT_EQ(m.arrivee, 32);
    EXPECT_EQ(m.obligatoires, (Cases{26}));

    // "Indication des mouvements" off: no last move; blind play: no
    // capture marks, the position is not to be seen.
    b.f->options().indication_mouvements = false;
    montrer_marques(*b.f);
    EXPECT_EQ(m.depart, 0);
    EXPECT_EQ(m.obligatoires, (Cases{26}));
    b.f->options().aveugle = true;
    montrer_marques(*b.f);
    EXPECT_TRUE(m.obligatoires.empty());
}

TEST(Marques, ACaptureRoundARingShowsTheWayItWent) {
    // 51 takes 46, 45, 33 and 34 and comes back to 51, by 40 or by 38.
    for (int parting : {40, 38}) {
        Banc b;
        b.poser("W:W51:B33,34,45,46,6");
        montrer_marques(*b.f);
        EXPECT_EQ(b.vue.marques_plateau.obligatoires, (Cases{51}));
        b.cliquer(51);
        b.cliquer(parting);
        const MarquesPlateau& m = b.vue.marques_plateau;
        ASSERT_EQ(m.depart, 51);
        EXPECT_EQ(m.arrivee, 51);
        ASSERT_EQ(m.chemin.size(), 3u);
        EXPECT_EQ(m.chemin.front(), parting);
        EXPECT_EQ(m.chemin.back(), parting == 40 ? 38 : 40);
        // Back and forth again: the way is still the one played.
        reprise(*b.f);
        avancer(*b.f);
        EXPECT_EQ(m.chemin.front(), parting);
    }
}

TEST(Marques, TheComputersMoveIsMarkedAndNoCaptureMarkShowsDuringItsTurn) {
    Banc b(true);
    Controleur& f = *b.f;
    f.options().humains = false;
    b.contre_kolmar(2);
    b.poser("W:W43-72:B1-30");
    b.cliquer(47);
    b.cliquer(41);
    ASSERT_TRUE(tour_ordinateur(f.session()));
    EXPECT_EQ(b.vue.marques_plateau.arrivee, 41);
    EXPECT_TRUE(b.vue.marques_plateau.obligatoires.empty()) << "the computer is to move";
    laisser_jouer(b);
    ASSERT_EQ(f.jeu().trait, BLANC);
    const MarquesPlateau& m = b.vue.marques_plateau;
    EXPECT_EQ(m.depart, f.session().dernier_coup_ordi[0]);
    EXPECT_EQ(m.arrivee, f.session().dernier_coup_ordi[1]);
    EXPECT_NE(m.arrivee, 41);
}
