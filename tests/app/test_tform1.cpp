// Move entry and turn flow through real clicks on the main window.
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QElapsedTimer>
#include <QTimer>
#include <cstring>

#include "banc.h"
#include "forms/nouvelle_partie.h"
#include "lang/textes.h"

using namespace kolmar;
using banc::cliquer;
using banc::cliquer_point;
using banc::position;

class TestTForm1 : public QObject {
    Q_OBJECT

private slots:
    void composants_et_depart() {
        auto f = banc::fenetre();
        for (const char* nom : {"Fichier1", "Affichage1", "Options1"}) QVERIFY2(f->findChild<QMenu*>(nom), nom);
        for (const char* nom : {"Nouveau2", "Humaincontrehumain1", "Quitter1", "Inverserdamier1", "Numroterlescase1",
                                "Indicationdesmouvements1", "Dcomposerlesprises1"})
            QVERIFY2(f->findChild<QAction*>(nom), nom);
        for (const char* nom : {"Panel6", "Panel7", "fin_de_parties"}) QVERIFY2(f->findChild<QFrame*>(nom), nom);
        for (const char* nom : {"Nbpionsnoirs", "Nbpionsblancs", "Label29", "Label30", "Label31", "qui_gagne", "Bas_Haut"})
            QVERIFY2(f->findChild<QLabel*>(nom), nom);
        QVERIFY(f->findChild<QListWidget*>("ListBox1"));

        QVERIFY(f->Humaincontrehumain1->isChecked());
        QVERIFY(f->Indicationdesmouvements1->isChecked());
        QVERIFY(f->Dcomposerlesprises1->isChecked());
        QVERIFY(!f->Numroterlescase1->isChecked());
        QCOMPARE(f->Inverserdamier1->shortcut(), QKeySequence(Qt::Key_F3));
        QCOMPARE(f->Nbpionsblancs->text(), QString(" 30"));
        QCOMPARE(f->Nbpionsnoirs->text(), QString(" 30"));
        QCOMPARE(f->Bas_Haut->text(), QString("Blancs:Bas->Haut"));
        QCOMPARE(f->Onglet->tabText(f->Onglet->indexOf(f->Liste)), QString::fromUtf8("Coups joués"));
        QVERIFY(f->fin_de_parties->isHidden());
        QVERIFY(f->Label29->isHidden());
    }

    void legendes_suivent_la_langue() {
        auto f = banc::fenetre();
        f->appliquer_legendes(ANGLAIS);
        QCOMPARE(f->Fichier1->title(), QString("File"));
        QCOMPARE(f->Onglet->tabText(f->Onglet->indexOf(f->Liste)), QString("List of moves"));
        f->appliquer_legendes(FRANCAIS);
        QCOMPARE(f->Fichier1->title(), QString("Fichier"));
        QCOMPARE(f->Numroterlescase1->text(), QString::fromUtf8("Numéroter les cases"));
        QCOMPARE(f->Label29->text(), QString("Prise"));
        QCOMPARE(f->Onglet->tabText(f->Onglet->indexOf(f->Liste)), QString::fromUtf8("Coups joués"));
    }

    // A piece with a single move plays it on the first click, and the move
    // list pairs white's and black's half-moves on one line.
    void coup_unique_et_liste() {
        auto f = banc::fenetre();
        cliquer(*f, 43);
        QCOMPARE(f->jeu().plateau_affiche[43], uint8_t(VIDE));
        QCOMPARE(f->jeu().plateau_affiche[37], uint8_t(PION_BLANC));
        QCOMPARE(f->jeu().trait, uint8_t(NOIR));
        QCOMPARE(f->session().trait_dernier, uint8_t(NOIR));
        QCOMPARE(f->jeu().partie.demi_coup_courant, 1);
        QCOMPARE(f->ListBox1->count(), 1);
        QCOMPARE(f->ListBox1->item(0)->text(), QString(" 1.43-37 "));
        cliquer(*f, 25);
        QCOMPARE(f->ListBox1->item(0)->text(), QString(" 1.43-37 "));  // two moves: waits for the square
        cliquer(*f, 31);
        QCOMPARE(f->ListBox1->count(), 1);
        QCOMPARE(f->ListBox1->item(0)->text(), QString(" 1.43-37 25-31"));
        QCOMPARE(f->ListBox1->currentRow(), 0);
        QCOMPARE(f->jeu().trait, uint8_t(BLANC));
        // The record holds the position after each half-move.
        QCOMPARE(cases_de(f->jeu().partie, 2)[31 - 1], uint8_t(PION_NOIR));
        QCOMPARE(f->jeu().partie.partie[1][OFS_DE], uint8_t(43));
    }

    void selection_offres_et_deselection() {
        auto f = banc::fenetre();
        const std::string depart = position(*f);
        cliquer(*f, 44);
        Session& S = f->session();
        QCOMPARE(S.piece_choisie, uint8_t(PION_BLANC));
        QCOMPARE(S.case_choisie, uint8_t(44));
        QCOMPARE(S.marques[37], uint8_t(1));
        QCOMPARE(S.marques[38], uint8_t(1));
        // Offered squares are outlined in magenta.
        int r, c;
        cellule_de_case(38, false, r, c);
        QCOMPARE(f->affichage.canvas.pixelColor(41 * c + 29, 41 * r + 9), QColor(255, 0, 255));
        cellule_de_case(44, false, r, c);
        QCOMPARE(f->affichage.canvas.pixelColor(41 * c + 29, 41 * r + 9), QColor(255, 0, 0));

        cliquer(*f, 44);
        QCOMPARE(S.piece_choisie, uint8_t(0));
        QCOMPARE(S.marques[37], uint8_t(0));
        QCOMPARE(position(*f), depart);

        cliquer(*f, 44);
        cliquer(*f, 38);
        QCOMPARE(f->jeu().plateau_affiche[38], uint8_t(PION_BLANC));
        QCOMPARE(f->jeu().plateau_affiche[44], uint8_t(VIDE));
        QCOMPARE(S.piece_choisie, uint8_t(0));
    }

    void clics_sans_effet() {
        auto f = banc::fenetre();
        const std::string depart = position(*f);
        cliquer(*f, 40);  // empty
        cliquer(*f, 5);   // black piece, white to move
        cliquer(*f, 72);  // white man that cannot move
        cliquer_point(*f, QPoint(10, 10));    // light cell
        cliquer_point(*f, QPoint(600, 300));  // beside the board: the pair rule would name a square
        cliquer_point(*f, QPoint(505, 505));
        QCOMPARE(f->session().piece_choisie, uint8_t(0));
        QCOMPARE(position(*f), depart);
        QCOMPARE(f->jeu().partie.demi_coup_courant, 0);

        // With a piece selected, stray clicks keep the selection.
        cliquer(*f, 44);
        cliquer_point(*f, QPoint(600, 300));
        cliquer(*f, 30);
        cliquer(*f, 45);
        QCOMPARE(f->session().case_choisie, uint8_t(44));
        QCOMPARE(f->session().piece_choisie, uint8_t(PION_BLANC));
        QCOMPARE(position(*f), depart);
    }

    // Two circular captures of four pieces end on the start square; only
    // the landing square where they part tells them apart.
    void prise_ambigue_par_la_case_de_separation() {
        auto f = banc::fenetre();
        QVERIFY(banc::poser(*f, "W:W51:B33,34,45,46,6"));
        Session& S = f->session();
        cliquer(*f, 51);
        QCOMPARE(S.prise_saisie, 4);
        QCOMPARE(S.marques[38], uint8_t(1));
        QCOMPARE(S.marques[40], uint8_t(1));
        QCOMPARE(S.marques[51], uint8_t(0));  // common end: not offered directly
        QVERIFY(S.ambiguite);
        QVERIFY(!f->Label29->isHidden());

        cliquer(*f, 27);  // on both paths but not a parting square
        QCOMPARE(S.piece_choisie, uint8_t(PION_BLANC));
        QCOMPARE(S.nb_saisis, 0);

        cliquer(*f, 40);  // the rest of the path is forced
        QCOMPARE(position(*f), std::string("B:W51:B6"));
        QCOMPARE(f->ListBox1->item(0)->text(), QString(" 1.51x51 "));
        QCOMPARE(f->Nbpionsnoirs->text(), QString("  1"));
        QCOMPARE(f->jeu().partie.partie[1][OFS_PRISE], uint8_t(4));
    }

    // A king's landing squares behind the captured piece are all possible
    // ends: each carries mark 100 and is clicked directly.
    void fins_marquees_100() {
        auto f = banc::fenetre();
        QVERIFY(banc::poser(*f, "W:WK72:B52,6"));
        Session& S = f->session();
        cliquer(*f, 72);
        QCOMPARE(S.prise_saisie, 1);
        for (int s : {46, 39, 33, 26, 20, 13, 7}) QCOMPARE(S.marques[s], uint8_t(100));
        QCOMPARE(S.marques[59], uint8_t(0));
        cliquer(*f, 26);
        QCOMPARE(position(*f), std::string("B:WK26:B6"));
        QCOMPARE(S.piece_choisie, uint8_t(0));
    }

    // Man captures in two directions, each one piece: the end squares.
    void deux_prises_simples() {
        auto f = banc::fenetre();
        QVERIFY(banc::poser(*f, "W:W51:B45,46,6"));
        Session& S = f->session();
        cliquer(*f, 51);
        QCOMPARE(S.marques[38], uint8_t(100));
        QCOMPARE(S.marques[40], uint8_t(100));
        cliquer(*f, 40);
        QCOMPARE(position(*f), std::string("B:W40:B6,45"));
    }

    void prise_forcee_en_un_clic() {
        auto f = banc::fenetre();
        QVERIFY(banc::poser(*f, "W:W51,70:B45,33,22,6"));
        cliquer(*f, 51);
        QCOMPARE(position(*f), std::string("B:W16,70:B6"));
        QCOMPARE(f->ListBox1->item(0)->text(), QString(" 1.51x16 "));
        QVERIFY(f->fin_de_parties->isHidden());
    }

    void promotion() {
        auto f = banc::fenetre();
        QVERIFY(banc::poser(*f, "W:W8:B66"));
        cliquer(*f, 8);
        cliquer(*f, 2);
        QCOMPARE(f->jeu().plateau_affiche[2], uint8_t(DAME_BLANCHE));
        cliquer(*f, 66);  // its only move: played at once
        QCOMPARE(f->jeu().plateau_affiche[72], uint8_t(DAME_NOIRE));
    }

    // A man passing the last row during a capture stays a man.
    void pas_de_promotion_en_passant() {
        auto f = banc::fenetre();
        // 15 takes 9 landing on 2, then 8 landing on 13.
        QVERIFY(banc::poser(*f, "W:W15:B8,9,60"));
        cliquer(*f, 15);
        QCOMPARE(f->jeu().plateau_affiche[13], uint8_t(PION_BLANC));
        QCOMPARE(f->jeu().plateau_affiche[2], uint8_t(VIDE));
    }

    void damier_inverse_choisit_72() {
        auto f = banc::fenetre();
        QVERIFY(banc::poser(*f, "W:W72:B1"));
        Inverser(*f);
        cliquer_point(*f, QPoint(50, 10));
        QCOMPARE(f->session().case_choisie, uint8_t(72));
        QCOMPARE(f->session().piece_choisie, uint8_t(PION_BLANC));
        // Offered squares are found by their inverted cells too.
        cliquer(*f, 66);
        QCOMPARE(position(*f), std::string("B:W66:B1"));
    }

    void gain_des_blancs_et_des_noirs() {
        auto f = banc::fenetre();
        QVERIFY(banc::poser(*f, "W:W51:B45"));
        cliquer(*f, 51);
        QVERIFY(!f->fin_de_parties->isHidden());
        QCOMPARE(f->qui_gagne->text(), QString("Gain des blancs"));
        QCOMPARE(f->session().resultat, 2);

        QVERIFY(banc::poser(*f, "B:W51:B45"));
        QVERIFY(f->fin_de_parties->isHidden());
        cliquer(*f, 45);
        QCOMPARE(f->qui_gagne->text(), QString("Gain des noirs"));
        QCOMPARE(f->session().resultat, 0);

        // Blocked rather than taken: black keeps a man that cannot move.
        QVERIFY(banc::poser(*f, "W:W43,70:B67"));
        cliquer(*f, 43);
        QCOMPARE(f->qui_gagne->text(), QString("Gain des blancs"));

        // The game is over: the board no longer takes moves.
        const std::string fin = position(*f);
        cliquer(*f, 70);
        cliquer(*f, 64);
        QCOMPARE(position(*f), fin);

        // A new game clears the result.
        f->Nouveau2->trigger();
        f->Nouvelle_partie->Joueur2->setText("Blanc");
        f->Nouvelle_partie->BitBtn17->click();
        QVERIFY(f->fin_de_parties->isHidden());
        QCOMPARE(f->session().resultat, 3);
        cliquer(*f, 43);
        QCOMPARE(f->jeu().plateau_affiche[37], uint8_t(PION_BLANC));
    }

    void record_plein_partie_nulle() {
        auto f = banc::fenetre();
        Partie& pt = f->jeu().partie;
        pt.demi_coup_courant = pt.dernier_demi_coup = DEMI_COUPS_MAX - 1;
        cliquer(*f, 43);
        QCOMPARE(pt.demi_coup_courant, DEMI_COUPS_MAX);
        QCOMPARE(cases_de(pt, DEMI_COUPS_MAX)[37 - 1], uint8_t(PION_BLANC));
        QCOMPARE(f->qui_gagne->text(), QString("Match nul !"));
        QCOMPARE(f->session().resultat, 1);
        // Nothing past the record area: records 508 and 509 untouched.
        static const uint8_t zeros[TAILLE_ENREGISTREMENT] = {};
        QVERIFY(std::memcmp(pt.partie[DEMI_COUPS_MAX + 1], zeros, sizeof zeros) == 0);
        QVERIFY(std::memcmp(pt.partie[DEMI_COUPS_MAX + 2], zeros, sizeof zeros) == 0);
        const std::string fin = position(*f);
        cliquer(*f, 25);
        QCOMPARE(position(*f), fin);
        QCOMPARE(pt.demi_coup_courant, DEMI_COUPS_MAX);
    }

    // A game whose record is already full (as a loaded file may be) takes
    // no further move.
    void record_deja_plein() {
        auto f = banc::fenetre();
        Partie& pt = f->jeu().partie;
        pt.demi_coup_courant = pt.dernier_demi_coup = DEMI_COUPS_MAX;
        const std::string depart = position(*f);
        cliquer(*f, 43);
        QCOMPARE(position(*f), depart);
        QCOMPARE(pt.demi_coup_courant, DEMI_COUPS_MAX);
        QCOMPARE(f->qui_gagne->text(), QString("Match nul !"));
    }

    // During the step-by-step display of a capture, clicks and the menus
    // that would replace the game are refused; the move ends intact.
    void clics_pendant_l_animation() {
        auto f = banc::fenetre();
        f->ctx().delais = Delais{40, 40, 0};
        QVERIFY(banc::poser(*f, "W:W51,70:B45,33,22,6"));
        bool vu = false, menus_actifs = true, clic_garde = true;
        QTimer::singleShot(20, [&] {
            vu = f->session().animation;
            menus_actifs = f->Nouveau2->isEnabled();
            QTest::mouseClick(f->surface, Qt::LeftButton, Qt::NoModifier, banc::point_de(*f, 70));
            QTest::mouseClick(f->surface, Qt::LeftButton, Qt::NoModifier, QPoint(700, 500));
            clic_garde = f->session().clic_en_attente;
        });
        cliquer(*f, 51);
        QVERIFY(vu);
        QVERIFY(!menus_actifs);
        QVERIFY(!clic_garde);
        QVERIFY(f->Nouveau2->isEnabled());
        QVERIFY(!f->session().animation);
        QCOMPARE(position(*f), std::string("B:W16,70:B6"));
        passe_boucle(*f, false);
        QCOMPARE(position(*f), std::string("B:W16,70:B6"));
    }

    // Against the computer the human's move hands over the turn, and board
    // clicks wait while it is the computer's.
    void contre_l_ordinateur_le_tour_passe() {
        auto f = banc::fenetre();
        f->Humaincontrehumain1->trigger();
        QVERIFY(!f->Humaincontrehumain1->isChecked());
        QCOMPARE(f->session().contre_ordinateur, uint8_t(1));
        QTest::mouseClick(f->surface, Qt::LeftButton, Qt::NoModifier, banc::point_de(*f, 43));
        QVERIFY(f->session().clic_en_attente);
        QCOMPARE(f->session().arret_calcul, uint8_t(1));
        clic1(*f, f->session().clic_x, f->session().clic_y);
        f->session().clic_en_attente = false;
        QCOMPARE(f->session().tour_ordinateur, uint8_t(1));
        QCOMPARE(f->jeu().trait, uint8_t(NOIR));
        const QPoint p = banc::point_de(*f, 25);
        clic1(*f, p.x(), p.y());
        QCOMPARE(f->session().piece_choisie, uint8_t(0));
        QCOMPARE(f->jeu().plateau_affiche[25], uint8_t(PION_NOIR));
    }

    // The main loop blocks on the event queue only when nothing is waiting:
    // a turn for the computer or a pending click runs at once.
    void la_boucle_n_attend_pas_quand_il_y_a_a_faire() {
        auto f = banc::fenetre();
        f->Humaincontrehumain1->trigger();
        QTest::mouseClick(f->surface, Qt::LeftButton, Qt::NoModifier, banc::point_de(*f, 43));
        bool reveil = false;
        QTimer::singleShot(3000, [&] { reveil = true; });
        QElapsedTimer t;
        t.start();
        passe_boucle(*f, true);  // consumes the click: the human's move
        QCOMPARE(f->session().tour_ordinateur, uint8_t(1));
        // Nothing left in the queue (repaints included) that could wake it.
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
        passe_boucle(*f, true);  // the computer's turn, without waiting
        QVERIFY(!reveil);
        QVERIFY(t.elapsed() < 1500);
        QCOMPARE(f->session().tour_ordinateur, uint8_t(0));
    }

    // Without "Décomposer les prises" a multiple capture is not shown step
    // by step, however long the steps would be.
    void prise_sans_decomposition() {
        auto f = banc::fenetre();
        f->ctx().delais = Delais{10000, 10000, 0};
        f->Dcomposerlesprises1->trigger();
        QVERIFY(!f->Dcomposerlesprises1->isChecked());
        QVERIFY(banc::poser(*f, "W:W51,70:B45,33,22,6"));
        QElapsedTimer t;
        t.start();
        cliquer(*f, 51);
        QVERIFY(t.elapsed() < 2000);
        QCOMPARE(position(*f), std::string("B:W16,70:B6"));
    }

    // "Quitter" and closing the window end the main loop, which until then
    // sleeps on the event queue; closing is refused during a rated game.
    void quitter_et_fermer() {
        auto f = banc::fenetre();
        // "Quitter" writes the autosave: not into the program directory.
        QTemporaryDir brouillon;
        definir_repertoire_donnees(brouillon.path().toStdString());
        f->show();
        QTimer::singleShot(50, [&] { f->Quitter1->trigger(); });
        boucle_principale(*f);
        QCOMPARE(f->session().fin_programme, uint8_t(1));
        QVERIFY(!f->isVisible());

        auto g = banc::fenetre();
        g->show();
        g->session().matchState = 1;
        QVERIFY(!g->close());
        QCOMPARE(g->session().fin_programme, uint8_t(0));
        g->session().matchState = 0;
        QTimer::singleShot(50, [&] { g->close(); });
        boucle_principale(*g);
        QCOMPARE(g->session().fin_programme, uint8_t(1));
    }

    // The computer's move as the engine will hand it over: shown jump by
    // jump, committed, outlined in aqua with its start in silver.
    void coup_de_l_ordinateur() {
        auto f = banc::fenetre();
        f->Humaincontrehumain1->trigger();
        QVERIFY(banc::poser(*f, "B:W27,39,60:B22,6"));
        Jeu& J = f->jeu();
        Session& S = f->session();
        S.tour_ordinateur = 1;
        QCOMPARE(coups_legaux(J.gen, J.trait), 1);
        const Coup c = J.gen.liste_coups[1][0];
        jouer_coup_ordinateur(*f, c);
        QCOMPARE(position(*f), std::string("W:W60:B6,46"));
        QCOMPARE(S.tour_ordinateur, uint8_t(0));
        QCOMPARE(S.dernier_coup_ordi[0], uint8_t(22));
        QCOMPARE(S.dernier_coup_ordi[1], uint8_t(46));
        QCOMPARE(S.nb_legaux, 2);
        QCOMPARE(J.partie.materiel[1], 3);
        QCOMPARE(f->Nbpionsblancs->text(), QString("  1"));
        int r, c46, r22, c22;
        cellule_de_case(46, false, r, c46);
        QCOMPARE(f->affichage.canvas.pixelColor(41 * c46 + 29, 41 * r + 9), QColor(0, 255, 255));
        cellule_de_case(22, false, r22, c22);
        QCOMPARE(f->affichage.canvas.pixelColor(41 * c22 + 29, 41 * r22 + 9), QColor(192, 192, 192));
        QVERIFY(f->fin_de_parties->isHidden());

        // The human answers; the next computer move wipes the old outlines.
        cliquer(*f, 60);
        cliquer(*f, 53);
        QCOMPARE(S.tour_ordinateur, uint8_t(1));
        coups_legaux(J.gen, J.trait);
        jouer_coup_ordinateur(*f, J.gen.liste_coups[1][0]);
        QVERIFY(f->affichage.canvas.pixelColor(41 * c46 + 29, 41 * r + 9) != QColor(0, 255, 255));
    }

    // Texts of the end of a game against the computer, in a match, and for
    // the kinds that name their winner.
    void textes_de_fin() {
        auto f = banc::fenetre();
        f->Humaincontrehumain1->trigger();
        Session& S = f->session();
        QVERIFY(banc::poser(*f, "B:W60:B54,6"));
        coups_legaux(f->jeu().gen, NOIR);
        jouer_coup_ordinateur(*f, f->jeu().gen.liste_coups[1][0]);
        QCOMPARE(f->qui_gagne->text(), QString::fromUtf8("Désolé, KOLMAR a gagné"));
        QCOMPARE(S.resultat, 0);

        QVERIFY(banc::poser(*f, "W:W51:B45"));
        cliquer(*f, 51);
        QCOMPARE(S.tour_ordinateur, uint8_t(1));
        fin_de_partie(*f, FIN_SANS_COUP);  // the computer finds no move
        QCOMPARE(f->qui_gagne->text(), QString("Bravo, vous avez gagné"));

        const struct {
            int kind;
            const char* texte;
            int resultat;
        } cas[] = {{FIN_NULLE, "Match nul !", 1},
                   {FIN_TEMPS_HUMAIN, "Temps dépassé, gain KOLMAR", 0},
                   {FIN_TEMPS_ORDI, "Temps dépassé, vous gagnez", 2},
                   {FIN_ABANDON, "Vous abandonnez, gain KOLMAR", 0}};
        for (const auto& k : cas) {
            nouvelle_partie(*f);
            fin_de_partie(*f, k.kind);
            QCOMPARE(f->qui_gagne->text(), QString::fromUtf8(k.texte));
            QCOMPARE(S.resultat, k.resultat);
        }
        // A draw overrides a side without moves.
        QVERIFY(banc::poser(*f, "W:W51:B45"));
        cliquer(*f, 51);
        fin_de_partie(*f, FIN_NULLE);
        QCOMPARE(f->qui_gagne->text(), QString("Match nul !"));

        // In a match the winner is named, and the result is kept once scored.
        QVERIFY(banc::poser(*f, "W:W51:B45"));
        f->ctx().etat.nom_blanc = "Dupont";
        S.matchState = 1;
        cliquer(*f, 51);
        fin_de_partie(*f, FIN_SANS_COUP);
        QCOMPARE(f->qui_gagne->text(), QString("Dupont gagne"));
        QCOMPARE(S.matchState, 5);
        fin_de_partie(*f, FIN_NULLE);
        QCOMPARE(f->qui_gagne->text(), QString("Dupont gagne"));
    }
};

QTEST_MAIN(TestTForm1)
#include "test_tform1.moc"
