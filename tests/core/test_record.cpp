#include <gtest/gtest.h>

#include <cstring>

#include "rules/jeu.h"
#include "rules/record.h"

using namespace kolmar;

namespace {

// Plays the listed plain or capture moves (by start and end square) from the
// current board and commits each to the record.
struct Partie_ {
    Jeu jeu;
    EtatNote etat;
    Partie_() { commencer_partie(jeu.partie, jeu.damier, etat); }
    bool jouer(int de, int vers) {
        int n = coups_legaux(jeu.gen, jeu.trait);
        for (int i = 0; i < n; ++i) {
            const Coup c = jeu.gen.liste_coups[1][i];
            if (c.depart == de && c.arrivee == vers) {
                jouer_coup(jeu.damier, c);
                return nouveau_demi_coup(jeu.partie, jeu.trait, jeu.damier, c.nb_prises, c.depart, c.arrivee, etat);
            }
        }
        ADD_FAILURE() << "no move " << de << "-" << vers;
        return false;
    }
};

}  // namespace

TEST(MoveList, WhiteOpensALineAndBlackCompletesIt) {
    Partie_ p;
    ASSERT_TRUE(p.jouer(47, 41));
    ASSERT_EQ(p.jeu.partie.lignes.size(), 1u);
    EXPECT_EQ(p.jeu.partie.lignes[0], " 1.47-41 ");
    EXPECT_EQ(p.jeu.partie.selection, 0);
    ASSERT_TRUE(p.jouer(26, 32));
    EXPECT_EQ(p.jeu.partie.lignes[0], " 1.47-41 26-32");
    EXPECT_EQ(p.jeu.trait, BLANC);
    EXPECT_EQ(p.jeu.partie.demi_coup_courant, 2);
}

TEST(MoveList, CapturesShowAnXOnEachHalfFromItsOwnRecord) {
    Partie_ p;
    ASSERT_TRUE(p.jouer(46, 40));
    ASSERT_TRUE(p.jouer(27, 33));
    ASSERT_TRUE(p.jouer(40, 34));  // offers a man: black must take
    ASSERT_TRUE(p.jouer(28, 39));
    ASSERT_TRUE(p.jouer(45, 34));  // white takes back
    EXPECT_EQ(p.jeu.partie.lignes[1], " 2.40-34 28x39");
    EXPECT_EQ(p.jeu.partie.lignes[2], " 3.45x34 ");
    // The rebuilt list reads the same from the records alone.
    auto avant = p.jeu.partie.lignes;
    reconstruire_liste(p.jeu.partie);
    EXPECT_EQ(p.jeu.partie.lignes, avant);
    EXPECT_EQ(p.jeu.partie.selection, 2);
}

TEST(Record, StoresBoardMoveClocksNamesAndColour) {
    Partie_ p;
    p.etat.temps_blanc = 75;
    p.etat.temps_noir = -3;
    p.etat.nom_blanc = "Adélaïde Van Den Berghe-Smith";  // longer than a field
    p.etat.nom_noir = "Kolmar";
    p.etat.couleur_ordi = 0;
    ASSERT_TRUE(p.jouer(47, 41));
    const uint8_t* r = p.jeu.partie.partie[1];
    EXPECT_EQ(0, std::memcmp(r + OFS_CASES, p.jeu.damier + 1, NB_CASES));
    EXPECT_EQ(r[OFS_DE], 47);
    EXPECT_EQ(r[OFS_VERS], 41);
    EXPECT_EQ(r[OFS_PRISE], 0);
    EXPECT_EQ(lire_i32(r + OFS_TEMPS_BLANC), 75);
    EXPECT_EQ(lire_i32(r + OFS_TEMPS_NOIR), -3);
    EXPECT_EQ(r[OFS_NOM_BLANC + 19], 0);  // always terminated inside its field
    std::string nom = lire_nom(r + OFS_NOM_BLANC);
    EXPECT_LE(nom.size(), 19u);
    EXPECT_EQ(nom, std::string("Adélaïde Van Den Berghe-Smith").substr(0, nom.size()));
    EXPECT_EQ(r[OFS_NOM_NOIR + 6], 0);
    EXPECT_EQ(r[OFS_COULEUR_ORDI], 0);

    EtatNote relu;
    uint8_t damier[TAILLE_DAMIER] = {};
    reprendre_position(p.jeu.partie, damier, relu);
    EXPECT_EQ(damier[0], BORD);
    EXPECT_EQ(0, std::memcmp(damier, p.jeu.damier, TAILLE_DAMIER));
    EXPECT_EQ(relu.temps_blanc, 75);
    EXPECT_EQ(relu.nom_noir, "Kolmar");
    EXPECT_EQ(relu.couleur_ordi, 0);
}

TEST(Record, NamesAreCutOnACharacterBoundary) {
    uint8_t champ[TAILLE_NOM];
    std::memset(champ, 0xAA, sizeof champ);
    ecrire_nom(champ, "123456789012345678é");  // é would straddle byte 19
    EXPECT_EQ(lire_nom(champ), "123456789012345678");
    EXPECT_EQ(champ[19], 0);
}

TEST(Record, ANewMoveAfterGoingBackCutsTheContinuation) {
    Partie_ p;
    ASSERT_TRUE(p.jouer(47, 41));
    ASSERT_TRUE(p.jouer(26, 32));
    ASSERT_TRUE(p.jouer(46, 40));
    ASSERT_TRUE(p.jouer(25, 31));
    // Back three half-moves, as navigation does.
    p.jeu.partie.demi_coup_courant = 1;
    EtatNote e;
    reprendre_position(p.jeu.partie, p.jeu.damier, e);
    p.jeu.trait = NOIR;
    ASSERT_TRUE(p.jouer(27, 33));
    EXPECT_EQ(p.jeu.partie.dernier_demi_coup, 2);
    ASSERT_EQ(p.jeu.partie.lignes.size(), 1u);
    EXPECT_EQ(p.jeu.partie.lignes[0], " 1.47-41 27-33");
}

TEST(Record, AFullRecordRefusesFurtherHalfMoves) {
    Partie_ p;
    p.jeu.partie.demi_coup_courant = DEMI_COUPS_MAX;
    p.jeu.partie.dernier_demi_coup = DEMI_COUPS_MAX;
    uint8_t avant[TAILLE_ENREGISTREMENT * 3];
    std::memcpy(avant, p.jeu.partie.partie[DEMI_COUPS_MAX], sizeof avant);
    uint8_t trait = BLANC;
    EXPECT_FALSE(nouveau_demi_coup(p.jeu.partie, trait, p.jeu.damier, 0, 47, 41, p.etat));
    EXPECT_EQ(trait, BLANC);
    EXPECT_EQ(p.jeu.partie.demi_coup_courant, DEMI_COUPS_MAX);
    // The settings records 508 and 509 are untouched.
    EXPECT_EQ(0, std::memcmp(avant, p.jeu.partie.partie[DEMI_COUPS_MAX], sizeof avant));
}
