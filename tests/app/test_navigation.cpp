// Moving through the game record: each command at its bounds, takeback
// followed by a new move, the colour exchange and commands arriving while
// a search runs on the working board.
#include <QtTest>
#include <cstring>
#include <memory>

#include "control/navigation.h"

using namespace kolmar;

namespace {

// A game played from the initial position, one record per ply, where ply
// p stores the clocks 100 + p (white) and 200 + p (black).
struct Banc {
    std::unique_ptr<Jeu> j = std::make_unique<Jeu>();
    Jeu& jeu = *j;
    Horloges h;
    // The window's flags, as navigation sees them.
    uint8_t arret_calcul = 0, trait_dernier = BLANC, couleur = 1;
    Tour tour = Tour::repos;
    uint8_t matchState = 0;
    EtatNote etat;
    EtatTour e{arret_calcul, tour, matchState, trait_dernier, couleur, etat};
    int64_t ms = 1'000'000;

    Banc() {
        h.source = [this] { return ms; };
        etat.nom_blanc = "Blanc";
        etat.nom_noir = "Noir";
        commencer_partie(jeu.partie, jeu.damier, note(0));
    }
    // What the record about to be written stores (the next ply by default).
    EtatNote note(int decalage = 1) const {
        EtatNote n;
        int p = jeu.partie.demi_coup_courant + decalage;
        n.temps_blanc = 100 + p;
        n.temps_noir = 200 + p;
        n.nom_blanc = etat.nom_blanc;
        n.nom_noir = etat.nom_noir;
        n.couleur_ordi = e.couleur_ordinateur;
        return n;
    }
    // Plays `plies` half-moves, varying the choice so boards differ.
    bool jouer(int plies) {
        for (int k = 0; k < plies; ++k) {
            int n = coups_legaux(jeu.gen, jeu.trait);
            if (n == 0) return false;
            const Coup c = jeu.gen.liste_coups[1][(jeu.partie.demi_coup_courant * 7) % n];
            jouer_coup(jeu.damier, c);
            if (!nouveau_demi_coup(jeu.partie, jeu.trait, jeu.damier, c.nb_prises, c.depart, c.arrivee, note()))
                return false;
            jeu.plateau_depuis_damier();
            e.trait_dernier = jeu.trait;
        }
        return true;
    }
    bool plateau_est(int p) const {
        return std::memcmp(jeu.plateau_affiche + 1, jeu.partie.partie[p] + OFS_CASES, NB_CASES) == 0;
    }
    bool damier_est(int p) const {
        return std::memcmp(jeu.damier + 1, jeu.partie.partie[p] + OFS_CASES, NB_CASES) == 0;
    }
    bool boards_en_phase() const {
        return std::memcmp(jeu.damier + 1, jeu.plateau_affiche + 1, NB_CASES) == 0 && jeu.damier[0] == BORD;
    }
    int p() const { return jeu.partie.demi_coup_courant; }
};

}  // namespace

class TestNavigation : public QObject {
    Q_OBJECT

   private slots:
    void reprise_au_debut_ne_change_que_le_tour() {
        Banc b;
        b.e.tour = Tour::a_jouer;
        b.e.matchState = 1;
        Rafraichir r = reprise(b.jeu, b.h, b.e);
        QCOMPARE(b.p(), 0);
        QVERIFY(!r.position && !r.etiquettes && !r.selection);
        QCOMPARE(int(b.jeu.trait), int(BLANC));
        QVERIFY(b.e.tour == Tour::repos);
        QCOMPARE(int(b.e.matchState), 1);
    }

    void reprise_d_un_demi_coup() {
        Banc b;
        QVERIFY(b.jouer(3));
        b.e.matchState = 1;
        b.e.tour = Tour::a_jouer;
        b.etat.nom_blanc = "Alice";  // renamed since the moves were stored
        b.h.total_blanc = 999;
        b.couleur = 0;
        Rafraichir r = reprise(b.jeu, b.h, b.e);
        QCOMPARE(b.p(), 2);
        QVERIFY(b.plateau_est(2) && b.boards_en_phase());
        QVERIFY(r.position && r.saisie && r.etiquettes && r.noms);
        QVERIFY(r.selection);
        QCOMPARE(r.ligne, 0);
        QCOMPARE(b.jeu.partie.selection, 0);
        QCOMPARE(int(b.jeu.trait), int(BLANC));  // black was to move at ply 3
        QVERIFY(b.e.arret_calcul);
        QVERIFY(b.e.tour == Tour::repos);
        QCOMPARE(int(b.e.matchState), 1);  // a step back keeps the game rated
        // Clocks of ply 2, totals back on their bases, labels without padding.
        QCOMPARE(b.h.base_blanc, 102);
        QCOMPARE(b.h.base_noir, 202);
        QCOMPARE(b.h.total_blanc, 102);
        QCOMPARE(b.h.secblanc, std::string("42"));
        QCOMPARE(b.h.minnoir, std::string("3"));
        QCOMPARE(b.h.secnoir, std::string("22"));
        // The current names stay and are written into the record shown.
        QCOMPARE(b.etat.nom_blanc, std::string("Alice"));
        QCOMPARE(lire_nom(b.jeu.partie.partie[2] + OFS_NOM_BLANC), std::string("Alice"));
        QCOMPARE(b.jeu.partie.dernier_demi_coup, 3);
        QCOMPARE(int(b.couleur), 1);  // the computer's colour of ply 2

        reprise(b.jeu, b.h, b.e);
        r = reprise(b.jeu, b.h, b.e);
        QCOMPARE(b.p(), 0);
        QCOMPARE(r.ligne, -1);  // back from ply 1: nothing selected
        QCOMPARE(int(b.jeu.trait), int(BLANC));
    }

    void avancer_a_la_fin_ne_fait_rien() {
        Banc b;
        QVERIFY(b.jouer(4));
        b.e.matchState = 1;
        Rafraichir r = avancer(b.jeu, b.h, b.e);
        QCOMPARE(b.p(), 4);
        QVERIFY(!r.position);
        QCOMPARE(int(b.e.matchState), 1);
    }

    void reculer_puis_avancer_rejoue_le_stocke() {
        Banc b;
        QVERIFY(b.jouer(6));
        for (int k = 0; k < 3; ++k) reprise(b.jeu, b.h, b.e);
        QCOMPARE(b.p(), 3);
        QCOMPARE(int(b.jeu.trait), int(NOIR));
        b.e.matchState = 1;
        b.e.tour = Tour::a_jouer;
        Rafraichir r = avancer(b.jeu, b.h, b.e);
        QCOMPARE(b.p(), 4);
        QVERIFY(b.plateau_est(4) && b.boards_en_phase());
        QCOMPARE(int(b.jeu.trait), int(BLANC));
        QCOMPARE(r.ligne, 1);
        QCOMPARE(int(b.e.matchState), 0);    // going forward ends the rating
        QVERIFY(b.e.tour == Tour::a_jouer);  // left as it was
        QCOMPARE(b.h.base_noir, 204);
    }

    void nouveau_coup_coupe_la_suite() {
        Banc b;
        QVERIFY(b.jouer(6));
        uint8_t ancien5[NB_CASES];
        std::memcpy(ancien5, b.jeu.partie.partie[5] + OFS_CASES, NB_CASES);
        for (int k = 0; k < 3; ++k) reprise(b.jeu, b.h, b.e);
        QCOMPARE(b.jeu.partie.dernier_demi_coup, 6);  // going back never shortens
        // A different move from ply 3 (the first legal one instead of the game's).
        int n = coups_legaux(b.jeu.gen, b.jeu.trait);
        QVERIFY(n > 1);
        const Coup c = b.jeu.gen.liste_coups[1][(3 * 7 + 1) % n];
        jouer_coup(b.jeu.damier, c);
        QVERIFY(nouveau_demi_coup(b.jeu.partie, b.jeu.trait, b.jeu.damier, c.nb_prises, c.depart, c.arrivee, b.note()));
        b.jeu.plateau_depuis_damier();
        b.e.trait_dernier = b.jeu.trait;
        QCOMPARE(b.jeu.partie.dernier_demi_coup, 4);
        Rafraichir r = avancer(b.jeu, b.h, b.e);
        QVERIFY(!r.position);
        QCOMPARE(b.p(), 4);
        r = Aller_fin(b.jeu, b.h, b.e);
        QCOMPARE(b.p(), 4);
        QVERIFY(b.plateau_est(4));
        QCOMPARE(b.jeu.partie.lignes.size(), size_t(2));
    }

    void revenir_au_debut() {
        Banc b;
        QVERIFY(b.jouer(5));
        b.e.matchState = 1;
        // A first record with running clocks, as some loaded games have.
        ecrire_i32(b.jeu.partie.partie[0] + OFS_TEMPS_BLANC, 75);
        b.h.minblanc = "9";
        b.h.secnoir = "44";
        Rafraichir r = revenir_debut(b.jeu, b.h, b.e);
        QCOMPARE(b.p(), 0);
        uint8_t initiale[TAILLE_DAMIER];
        position_initiale(initiale);
        QVERIFY(std::memcmp(b.jeu.plateau_affiche + 1, initiale + 1, NB_CASES) == 0);
        QVERIFY(b.boards_en_phase());
        QCOMPARE(int(b.jeu.trait), int(BLANC));
        QCOMPARE(int(b.e.matchState), 0);
        QVERIFY(b.e.arret_calcul);
        QVERIFY(r.saisie && r.noms);
        QCOMPARE(b.h.minutes_blanc + b.h.secondes_blanc + b.h.minutes_noir + b.h.secondes_noir, 0);
        QCOMPARE(b.h.minblanc, std::string("0"));
        QCOMPARE(b.h.secnoir, std::string("0"));
        QCOMPARE(b.jeu.partie.dernier_demi_coup, 5);
    }

    void aller_a_la_fin() {
        Banc b;
        QVERIFY(b.jouer(7));
        QCOMPARE(int(b.e.trait_dernier), int(NOIR));
        revenir_debut(b.jeu, b.h, b.e);
        b.e.matchState = 1;
        Rafraichir r = Aller_fin(b.jeu, b.h, b.e);
        QCOMPARE(b.p(), 7);
        QVERIFY(b.plateau_est(7) && b.boards_en_phase());
        QCOMPARE(int(b.jeu.trait), int(NOIR));
        QCOMPARE(int(b.e.matchState), 0);
        QCOMPARE(r.ligne, 3);
        QCOMPARE(b.h.base_blanc, 107);
        QCOMPARE(b.h.secblanc, std::string("47"));
        // At the end already: the same position again.
        Aller_fin(b.jeu, b.h, b.e);
        QCOMPARE(b.p(), 7);
    }

    void double_clic_sur_une_ligne() {
        Banc b;
        QVERIFY(b.jouer(12));
        b.e.matchState = 1;
        b.e.arret_calcul = 0;
        QCOMPARE(int(b.jeu.trait), int(BLANC));
        Rafraichir r = revenir_n(b.jeu, b.h, b.e, 4);
        QCOMPARE(b.p(), 8);
        QVERIFY(b.plateau_est(8) && b.boards_en_phase());
        QCOMPARE(int(b.jeu.trait), int(BLANC));
        QCOMPARE(r.ligne, 4);
        QVERIFY(r.etiquettes && r.saisie);
        QCOMPARE(b.h.secblanc, std::string("48"));
        QCOMPARE(int(b.e.matchState), 1);  // untouched

        reprise(b.jeu, b.h, b.e);  // ply 7, black to move
        r = revenir_n(b.jeu, b.h, b.e, 4);
        QCOMPARE(b.p(), 9);
        QCOMPARE(int(b.jeu.trait), int(NOIR));
        QVERIFY(b.plateau_est(9));

        // Lines past the end (or before the start) change nothing.
        r = revenir_n(b.jeu, b.h, b.e, 6);
        QVERIFY(!r.position);
        QCOMPARE(b.p(), 9);
        r = revenir_n(b.jeu, b.h, b.e, -1);
        QVERIFY(!r.position);
        // Black to move, last line 5 holds plies 11 and 12: ply 11 is reachable.
        r = revenir_n(b.jeu, b.h, b.e, 5);
        QCOMPARE(b.p(), 11);
    }

    void double_clic_au_dela_de_la_ligne_127() {
        Banc b;
        // Navigation reads records only: a long game is filled in directly.
        Partie& pt = b.jeu.partie;
        pt.dernier_demi_coup = 500;
        for (int p = 0; p <= 500; ++p) {
            pt.partie[p][OFS_CASES + 30] = uint8_t(p % 5);
            pt.partie[p][OFS_CASES + 31] = uint8_t(p / 5 % 5);
            ecrire_i32(pt.partie[p] + OFS_TEMPS_BLANC, p);
        }
        Rafraichir r = revenir_n(b.jeu, b.h, b.e, 200);
        QVERIFY(r.position);
        QCOMPARE(b.p(), 400);
        QCOMPARE(b.h.base_blanc, 400);
        QVERIFY(b.plateau_est(400));
        pt.demi_coup_courant = 1;
        revenir_n(b.jeu, b.h, b.e, 249);
        QCOMPARE(b.p(), 499);
        revenir_n(b.jeu, b.h, b.e, 128);
        QCOMPARE(b.p(), 257);
    }

    void inverser_les_joueurs_deux_fois() {
        Banc b;
        QVERIFY(b.jouer(2));
        b.e.matchState = 1;
        b.jeu.damier[20] = PION_NOIR;  // what a search may leave behind
        Rafraichir r = inverser_joueurs(b.jeu, b.e);
        QCOMPARE(int(b.e.couleur_ordinateur), 0);
        QCOMPARE(int(b.etat.couleur_ordi), 0);  // noted with the next move
        QCOMPARE(int(b.e.matchState), 0);
        QVERIFY(b.e.tour == Tour::a_jouer && r.jouer_ordinateur && r.couleur);
        QVERIFY(b.boards_en_phase());
        QCOMPARE(std::string(texte_couleur_ordinateur(0, b.e.couleur_ordinateur)), std::string("Ordinateur blanc"));
        inverser_joueurs(b.jeu, b.e);
        QCOMPARE(int(b.e.couleur_ordinateur), 1);
        QCOMPARE(std::string(texte_couleur_ordinateur(0, 1)), std::string("Ordinateur noir"));
        QCOMPARE(std::string(texte_couleur_ordinateur(3, 1)), std::string("Computador pretas"));
        QCOMPARE(std::string(texte_couleur_ordinateur(5, 0)), std::string("Calcolatore blanco"));
        QCOMPARE(std::string(texte_couleur_ordinateur(-1, 0)), std::string("Ordinateur blanc"));
        QCOMPARE(b.p(), 2);  // the position is not touched
    }

    // The engine thinks on its own copy of the game: a command arriving
    // during a search rewrites both of the game's boards at once and asks
    // the search to stop (its answer is then dropped by the controller).
    void navigation_pendant_une_recherche() {
        Banc b;
        QVERIFY(b.jouer(4));
        b.jeu.damier[33] = DAME_BLANCHE;  // whatever was left on the working board
        b.e.arret_calcul = 0;
        reprise(b.jeu, b.h, b.e);
        QVERIFY(b.plateau_est(3) && b.damier_est(3) && b.boards_en_phase());
        QVERIFY(b.e.arret_calcul);

        // The double-click and the colour exchange too.
        b.e.arret_calcul = 0;
        revenir_n(b.jeu, b.h, b.e, 0);
        QVERIFY(b.e.arret_calcul);
        QVERIFY(b.plateau_est(1) && b.damier_est(1));
        b.e.arret_calcul = 0;
        b.jeu.damier[33] = DAME_BLANCHE;
        inverser_joueurs(b.jeu, b.e);
        QVERIFY(b.e.arret_calcul);
        QVERIFY(b.damier_est(1) && b.boards_en_phase());
    }
};

QTEST_APPLESS_MAIN(TestNavigation)
#include "test_navigation.moc"
