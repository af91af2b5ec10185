// Position set-up and the parameters editor through the controller.
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "../core/pannes.h"
#include "control/editeur_parametres.h"
#include "control/navigation.h"
#include "control/probleme.h"
#include "lang/textes_analyse.h"
#include "vue_test.h"

using namespace kolmar;
using essai::Banc;

namespace {

// A press on cell (row, column) of the drawn grid, then one pass.
void cliquer_cellule(Banc& b, int r, int c) {
    clic(*b.f, DECALAGE_DAMIER + TAILLE_CELLULE * c + 20, DECALAGE_DAMIER + TAILLE_CELLULE * r + 20);
    passe_boucle(*b.f, false);
}

uint8_t note(Banc& b, int s) {
    const Partie& pt = b.f->jeu().partie;
    return pt.partie[pt.demi_coup_courant][OFS_CASES + s - 1];
}

}  // namespace

TEST(MiseEnPlace, ClicksOnDarkAndLightCellsWithTheBoardTurned) {
    Banc b(true);
    Controleur& f = *b.f;
    Inverser(f);
    Installeruneposition1Click(f);
    ASSERT_TRUE(f.session().mode_probleme);
    EXPECT_TRUE(b.vue.onglet_probleme_actif);
    EXPECT_TRUE(b.vue.panneaux[Panneau::Probleme]);
    EXPECT_FALSE(b.vue.actif(Commande::Ouvertures1));

    choisir_pion(f, PION_NOIR);
    cliquer_cellule(b, 0, 1);  // top-left dark cell of the turned board
    EXPECT_EQ(b.sur(72), PION_NOIR);
    EXPECT_EQ(note(b, 72), PION_NOIR) << "the record of the current half-move holds it";
    EXPECT_EQ(b.vue.noirs, 31);
    const std::string eval_noirs = b.vue.textes[Etiquette::Noirs];
    EXPECT_EQ(eval_noirs.rfind("Eval stat noirs:", 0), 0u);

    const std::string avant = ecrire_fen(f.jeu().plateau_affiche, f.jeu().trait);
    cliquer_cellule(b, 0, 0);  // light: nothing
    cliquer_cellule(b, 11, 11);
    EXPECT_EQ(ecrire_fen(f.jeu().plateau_affiche, f.jeu().trait), avant);

    // The eraser empties the square; counters and evaluations follow.
    choisir_pion(f, VIDE);
    cliquer_cellule(b, 0, 1);
    EXPECT_EQ(b.sur(72), VIDE);
    EXPECT_EQ(b.vue.noirs, 30);
    EXPECT_NE(b.vue.textes[Etiquette::Noirs], eval_noirs);
    // A white man on the other corner: the board is turned, so cell (11, 10) is square 1.
    choisir_pion(f, PION_BLANC);
    cliquer_cellule(b, 11, 10);
    EXPECT_EQ(b.sur(1), PION_BLANC);
    // Left through the menu, the emptied set-up page gives way.
    Installeruneposition1Click(f);
    EXPECT_FALSE(f.session().mode_probleme);
    EXPECT_FALSE(b.vue.onglet_probleme_actif);
}

TEST(MiseEnPlace, TwoClicksOnEachCaptionComeBackInEveryLanguage) {
    for (int l = 0; l < NB_LANGUES; ++l) {
        Banc b;
        Controleur& f = *b.f;
        f.ctx().langue = l;
        Entrerpositionclick(f);
        const std::string ordi = b.vue.textes[Etiquette::Couleurordi];
        EXPECT_EQ(ordi, texte_couleur_ordinateur(l, 1)) << l;
        Change_couleur(f);
        EXPECT_EQ(b.vue.textes[Etiquette::Couleurordi], texte_couleur_ordinateur(l, 0)) << l;
        EXPECT_EQ(f.session().couleur_ordinateur, 0);
        EXPECT_EQ(f.jeu().trait, NOIR) << "the computer plays white: black moves";
        Change_couleur(f);
        EXPECT_EQ(b.vue.textes[Etiquette::Couleurordi], ordi) << l;
        EXPECT_EQ(f.session().couleur_ordinateur, 1);
        EXPECT_EQ(f.jeu().trait, BLANC);

        Couleur_joue(f);
        EXPECT_EQ(b.vue.textes[Etiquette::Couleurjoue], texte(TexteAnalyse::OrdinateurJoue, l)) << l;
        EXPECT_TRUE(tour_ordinateur(f.session()));
        EXPECT_EQ(f.jeu().trait, NOIR);
        Couleur_joue(f);
        EXPECT_EQ(b.vue.textes[Etiquette::Couleurjoue], texte(TexteAnalyse::JoueurJoue, l)) << l;
        EXPECT_FALSE(tour_ordinateur(f.session()));
        EXPECT_EQ(f.jeu().trait, BLANC);
    }
    EXPECT_STREQ(texte(TexteAnalyse::OrdinateurJoue, ESPAGNOL), "Ordenador juegue");
    EXPECT_STREQ(texte(TexteAnalyse::JoueurJoue, ITALIEN), "Tocca al giocatore");
}

TEST(MiseEnPlace, LeavingWithTheComputerToMoveStartsItsSearchFromACrownedPosition) {
    Banc b(true);
    Controleur& f = *b.f;
    f.session().contre_ordinateur = 1;
    f.options().humains = false;
    choisir_niveau(f, 1);
    Bibliothquesactives1Click(f, true);
    ASSERT_TRUE(OngletChanging(f));
    OngletChange(f, true);
    EXPECT_FALSE(f.ctx().bibliotheque.actives) << "no library on the set-up tab";
    ASSERT_TRUE(f.session().mode_probleme);
    vider(f);
    // A white man left on its crowning row; 36 black men.
    choisir_pion(f, PION_BLANC);
    for (int s : {3, 50}) b.cliquer(s);
    choisir_pion(f, PION_NOIR);
    for (int s = 7; s <= 42; ++s) b.cliquer(s);
    Couleur_joue(f);  // the computer (black) moves first
    ASSERT_EQ(f.jeu().trait, NOIR);
    passe_boucle(f, false);
    EXPECT_EQ(f.jeu().partie.dernier_demi_coup, 0) << "no search while pieces are placed";

    OngletChange(f, false);
    b.cliquer(60);  // the press ends set-up
    EXPECT_FALSE(f.session().mode_probleme);
    EXPECT_EQ(note(b, 3), DAME_BLANCHE);
    for (int i = 0; i < 5 && f.jeu().partie.dernier_demi_coup == 0; ++i) passe_boucle(f, false);
    EXPECT_EQ(f.jeu().partie.dernier_demi_coup, 1) << "the computer played";
    EXPECT_EQ(f.jeu().trait, BLANC);
    EXPECT_FALSE(f.session().partie_finie);
}

TEST(MiseEnPlace, ASideWithoutPiecesHasLostWhenPlayResumes) {
    Banc b(true);
    Controleur& f = *b.f;
    Installeruneposition1Click(f);
    vider(f);
    choisir_pion(f, PION_NOIR);
    b.cliquer(20);
    Entrerpositionclick(f);
    EXPECT_FALSE(f.session().mode_probleme);
    EXPECT_TRUE(f.session().partie_finie);
    EXPECT_EQ(b.vue.textes[Etiquette::qui_gagne], texte(Texte::GainDesNoirs));
    // The tab stays while the computer has the move, and set-up is refused
    // during a rated game.
    f.session().tour = Tour::a_jouer;
    EXPECT_FALSE(OngletChanging(f));
    Banc m;
    poser_matchState(*m.f, MATCH_EN_COURS);
    EXPECT_FALSE(OngletChanging(*m.f));
    Installeruneposition1Click(*m.f);
    EXPECT_FALSE(m.f->session().mode_probleme);
}

TEST(MiseEnPlace, TurningKeepsThePictureAndFillingTurnsBack) {
    Banc b;
    Controleur& f = *b.f;
    Entrerpositionclick(f);
    b.poser("W:W45,K66:B1,33");
    auto image = [&] {
        std::array<int, 144> cellules{};
        for (int s = 1; s <= NB_CASES; ++s) {
            int r, c;
            cellule_de_case(s, f.ctx().damier_inverse != 0, r, c);
            cellules[12 * r + c] = f.jeu().plateau_affiche[s];
        }
        return cellules;
    };
    const auto avant = image();
    Change_dir(f);
    EXPECT_EQ(f.ctx().damier_inverse, 1);
    EXPECT_EQ(image(), avant);
    EXPECT_EQ(f.jeu().damier[73 - 45], PION_BLANC);
    EXPECT_EQ(b.vue.textes[Etiquette::Bas_Haut], texte(Texte::BlancsHautBas));
    remplir(f);
    EXPECT_EQ(f.ctx().damier_inverse, 0);
    EXPECT_EQ(b.vue.textes[Etiquette::Bas_Haut], texte(Texte::BlancsBasHaut));
    uint8_t initiale[TAILLE_DAMIER];
    position_initiale(initiale);
    EXPECT_EQ(std::memcmp(f.jeu().plateau_affiche + 1, initiale + 1, NB_CASES), 0);
}

TEST(EditeurParametres, EntryKStandsOnSquareSeventyThreeMinusK) {
    int r, c;
    cellule_entree(72, r, c);
    EXPECT_EQ(r * 100 + c, 1);
    cellule_entree(67, r, c);
    EXPECT_EQ(r * 100 + c, 11);
    cellule_entree(6, r, c);
    EXPECT_EQ(r * 100 + c, 1100);
    cellule_entree(1, r, c);
    EXPECT_EQ(r * 100 + c, 1110);
    for (int k = 1; k <= NB_CASES; ++k) {
        cellule_entree(k, r, c);
        EXPECT_EQ(entree_de_cellule(r, c), k);
    }
    EXPECT_EQ(entree_de_cellule(0, 0), 0);
}

TEST(EditeurParametres, TypedTextKeepsItsLowByteAndSaveReloadKeepsEveryParameter) {
    EXPECT_EQ(valeur_champ("12abc"), 12);
    EXPECT_EQ(valeur_champ("  +300"), 44);
    EXPECT_EQ(valeur_champ("x7"), 0);

    Banc b(true);
    Controleur& f = *b.f;
    Parametres& p = f.ctx().moteur->parametres;
    ChampsParametres champs = Changer1Click(f);
    champs.tables[0][10] = "-5";
    champs.scalaires[0] = "-5";  // the first threshold
    // The T7 field and the scalar sharing its byte disagree: the scalar wins.
    champs.tables[7][40] = "99";
    champs.scalaires[7] = "13";
    parametreOKClick(f, champs);
    EXPECT_EQ(p.tables[0][10], 251);
    EXPECT_EQ(p.phase_bas(0), -5);
    EXPECT_EQ(p.tables[7][40], 13);
    const ChampsParametres relus = Changer1Click(f);
    EXPECT_EQ(relus.tables[0][10], "251");
    EXPECT_EQ(relus.scalaires[0], "-5");

    const std::string chemin = testing::TempDir() + "editeur.par";
    ASSERT_TRUE(Sauverlesparamtres1Click(f, chemin));
    const Parametres sauves = p;
    std::memset(p.tables, 0, sizeof p.tables);
    ASSERT_TRUE(Chargerdesparamtres1Click(f, chemin));
    EXPECT_EQ(std::memcmp(&p.tables[0][1], &sauves.tables[0][1], sizeof p.tables - 1), 0);
    for (int k = 0; k < NB_SCALAIRES; ++k) EXPECT_EQ(p.tables[7][33 + k], static_cast<uint8_t>(sauves.scalaire(k)));

    EXPECT_FALSE(Chargerdesparamtres1Click(f, testing::TempDir() + "absent/none.par"));
    ASSERT_EQ(b.vue.erreurs.size(), 1u);
    EXPECT_EQ(b.vue.erreurs[0], texte(Texte::ImpossibleOuvrirFichier));
    EXPECT_EQ(p.tables[0][10], 251) << "a failed load changes nothing";
    // A full disk is told as such, not as a file that cannot be opened.
    {
        DisquePleinApres disque(100);
        EXPECT_FALSE(Sauverlesparamtres1Click(f, chemin));
    }
    ASSERT_EQ(b.vue.erreurs.size(), 2u);
    EXPECT_EQ(b.vue.erreurs[1], "Impossible d'écrire ce fichier\nLe disque est plein");
    std::remove(chemin.c_str());
}
