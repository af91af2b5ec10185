// Move entry and turn flow through real clicks on the main window.
#include <QAction>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <cstring>

#include "banc.h"
#include "brouillon.h"
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
        for (const char* nom :
             {"Nbpionsnoirs", "Nbpionsblancs", "Label29", "Label30", "Label31", "qui_gagne", "Bas_Haut"})
            QVERIFY2(f->findChild<QLabel*>(nom), nom);
        QVERIFY(f->findChild<QListWidget*>("ListBox1"));

        QVERIFY(banc::c<QAction>(*f, "Humaincontrehumain1")->isChecked());
        QVERIFY(banc::c<QAction>(*f, "Indicationdesmouvements1")->isChecked());
        QVERIFY(banc::c<QAction>(*f, "Dcomposerlesprises1")->isChecked());
        QVERIFY(!banc::c<QAction>(*f, "Numroterlescase1")->isChecked());
        QCOMPARE(banc::c<QAction>(*f, "Inverserdamier1")->shortcut(), QKeySequence(Qt::Key_F3));
        QCOMPARE(banc::c<QLabel>(*f, "Nbpionsblancs")->text(), QString(" 30"));
        QCOMPARE(banc::c<QLabel>(*f, "Nbpionsnoirs")->text(), QString(" 30"));
        QCOMPARE(banc::c<QLabel>(*f, "Bas_Haut")->text(), QString("Blancs:Bas->Haut"));
        QCOMPARE(banc::c<QTabWidget>(*f, "Onglet")
                     ->tabText(banc::c<QTabWidget>(*f, "Onglet")->indexOf(banc::c<QWidget>(*f, "Liste"))),
                 QString::fromUtf8("Coups joués"));
        QVERIFY(banc::c<QFrame>(*f, "fin_de_parties")->isHidden());
        QVERIFY(banc::c<QLabel>(*f, "Label29")->isHidden());
    }

    void legendes_suivent_la_langue() {
        auto f = banc::fenetre();
        f->langue(ANGLAIS);
        QCOMPARE(banc::c<QMenu>(*f, "Fichier1")->title(), QString("File"));
        QCOMPARE(banc::c<QTabWidget>(*f, "Onglet")
                     ->tabText(banc::c<QTabWidget>(*f, "Onglet")->indexOf(banc::c<QWidget>(*f, "Liste"))),
                 QString("List of moves"));
        f->langue(FRANCAIS);
        QCOMPARE(banc::c<QMenu>(*f, "Fichier1")->title(), QString("Fichier"));
        QCOMPARE(banc::c<QAction>(*f, "Numroterlescase1")->text(), QString::fromUtf8("Numéroter les cases"));
        QCOMPARE(banc::c<QLabel>(*f, "Label29")->text(), QString("Prise"));
        QCOMPARE(banc::c<QTabWidget>(*f, "Onglet")
                     ->tabText(banc::c<QTabWidget>(*f, "Onglet")->indexOf(banc::c<QWidget>(*f, "Liste"))),
                 QString::fromUtf8("Coups joués"));
    }

    // A piece with a single move plays it on the first click, and the move
    // list pairs white's and black's half-moves on one line.
    void coup_unique_et_liste() {
        auto f = banc::fenetre();
        cliquer(*f, 43);
        QCOMPARE(f->controleur().jeu().plateau_affiche[43], uint8_t(VIDE));
        QCOMPARE(f->controleur().jeu().plateau_affiche[37], uint8_t(PION_BLANC));
        QCOMPARE(f->controleur().jeu().trait, uint8_t(NOIR));
        QCOMPARE(f->controleur().session().trait_dernier, uint8_t(NOIR));
        QCOMPARE(f->controleur().jeu().partie.demi_coup_courant, 1);
        QCOMPARE(banc::c<QListWidget>(*f, "ListBox1")->count(), 1);
        QCOMPARE(banc::c<QListWidget>(*f, "ListBox1")->item(0)->text(), QString(" 1.43-37 "));
        cliquer(*f, 25);
        QCOMPARE(banc::c<QListWidget>(*f, "ListBox1")->item(0)->text(),
                 QString(" 1.43-37 "));  // two moves: waits for the square
        cliquer(*f, 31);
        QCOMPARE(banc::c<QListWidget>(*f, "ListBox1")->count(), 1);
        QCOMPARE(banc::c<QListWidget>(*f, "ListBox1")->item(0)->text(), QString(" 1.43-37 25-31"));
        QCOMPARE(banc::c<QListWidget>(*f, "ListBox1")->currentRow(), 0);
        QCOMPARE(f->controleur().jeu().trait, uint8_t(BLANC));
        // The record holds the position after each half-move.
        QCOMPARE(cases_de(f->controleur().jeu().partie, 2)[31 - 1], uint8_t(PION_NOIR));
        QCOMPARE(f->controleur().jeu().partie.partie[1][OFS_DE], uint8_t(43));
    }

    void selection_offres_et_deselection() {
        auto f = banc::fenetre();
        const std::string depart = position(*f);
        cliquer(*f, 44);
        Session& S = f->controleur().session();
        QCOMPARE(S.piece_choisie, uint8_t(PION_BLANC));
        QCOMPARE(S.case_choisie, uint8_t(44));
        QCOMPARE(S.marques[37], uint8_t(1));
        QCOMPARE(S.marques[38], uint8_t(1));
        // Offered squares are outlined in magenta.
        int r, c;
        cellule_de_case(38, false, r, c);
        QCOMPARE(f->affichage().canvas.pixelColor(41 * c + 29, 41 * r + 9), QColor(255, 0, 255));
        cellule_de_case(44, false, r, c);
        QCOMPARE(f->affichage().canvas.pixelColor(41 * c + 29, 41 * r + 9), QColor(255, 0, 0));

        cliquer(*f, 44);
        QCOMPARE(S.piece_choisie, uint8_t(0));
        QCOMPARE(S.marques[37], uint8_t(0));
        QCOMPARE(position(*f), depart);

        cliquer(*f, 44);
        cliquer(*f, 38);
        QCOMPARE(f->controleur().jeu().plateau_affiche[38], uint8_t(PION_BLANC));
        QCOMPARE(f->controleur().jeu().plateau_affiche[44], uint8_t(VIDE));
        QCOMPARE(S.piece_choisie, uint8_t(0));
    }

    void clics_sans_effet() {
        auto f = banc::fenetre();
        const std::string depart = position(*f);
        cliquer(*f, 40);                      // empty
        cliquer(*f, 5);                       // black piece, white to move
        cliquer(*f, 72);                      // white man that cannot move
        cliquer_point(*f, QPoint(10, 10));    // light cell
        cliquer_point(*f, QPoint(600, 300));  // beside the board: the pair rule would name a square
        cliquer_point(*f, QPoint(505, 505));
        QCOMPARE(f->controleur().session().piece_choisie, uint8_t(0));
        QCOMPARE(position(*f), depart);
        QCOMPARE(f->controleur().jeu().partie.demi_coup_courant, 0);

        // With a piece selected, stray clicks keep the selection.
        cliquer(*f, 44);
        cliquer_point(*f, QPoint(600, 300));
        cliquer(*f, 30);
        cliquer(*f, 45);
        QCOMPARE(f->controleur().session().case_choisie, uint8_t(44));
        QCOMPARE(f->controleur().session().piece_choisie, uint8_t(PION_BLANC));
        QCOMPARE(position(*f), depart);
    }

    // Two circular captures of four pieces end on the start square; only
    // the landing square where they part tells them apart.
    void prise_ambigue_par_la_case_de_separation() {
        auto f = banc::fenetre();
        QVERIFY(banc::poser(*f, "W:W51:B33,34,45,46,6"));
        Session& S = f->controleur().session();
        cliquer(*f, 51);
        QCOMPARE(S.prise_saisie, 4);
        QCOMPARE(S.marques[38], uint8_t(1));
        QCOMPARE(S.marques[40], uint8_t(1));
        QCOMPARE(S.marques[51], uint8_t(0));  // common end: not offered directly
        QVERIFY(S.ambiguite);
        QVERIFY(!banc::c<QLabel>(*f, "Label29")->isHidden());

        cliquer(*f, 27);  // on both paths but not a parting square
        QCOMPARE(S.piece_choisie, uint8_t(PION_BLANC));
        QCOMPARE(S.nb_saisis, 0);

        cliquer(*f, 40);  // the rest of the path is forced
        QCOMPARE(position(*f), std::string("B:W51:B6"));
        QCOMPARE(banc::c<QListWidget>(*f, "ListBox1")->item(0)->text(), QString(" 1.51x51 "));
        QCOMPARE(banc::c<QLabel>(*f, "Nbpionsnoirs")->text(), QString("  1"));
        QCOMPARE(f->controleur().jeu().partie.partie[1][OFS_PRISE], uint8_t(4));
    }

    // A king's landing squares behind the captured piece are all possible
    // ends: each carries mark 100 and is clicked directly.
    void fins_marquees_100() {
        auto f = banc::fenetre();
        QVERIFY(banc::poser(*f, "W:WK72:B52,6"));
        Session& S = f->controleur().session();
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
        Session& S = f->controleur().session();
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
        QCOMPARE(banc::c<QListWidget>(*f, "ListBox1")->item(0)->text(), QString(" 1.51x16 "));
        QVERIFY(banc::c<QFrame>(*f, "fin_de_parties")->isHidden());
    }

    void promotion() {
        auto f = banc::fenetre();
        QVERIFY(banc::poser(*f, "W:W8:B66"));
        cliquer(*f, 8);
        cliquer(*f, 2);
        QCOMPARE(f->controleur().jeu().plateau_affiche[2], uint8_t(DAME_BLANCHE));
        cliquer(*f, 66);  // its only move: played at once
        QCOMPARE(f->controleur().jeu().plateau_affiche[72], uint8_t(DAME_NOIRE));
    }

    // A man passing the last row during a capture stays a man.
    void pas_de_promotion_en_passant() {
        auto f = banc::fenetre();
        // 15 takes 9 landing on 2, then 8 landing on 13.
        QVERIFY(banc::poser(*f, "W:W15:B8,9,60"));
        cliquer(*f, 15);
        QCOMPARE(f->controleur().jeu().plateau_affiche[13], uint8_t(PION_BLANC));
        QCOMPARE(f->controleur().jeu().plateau_affiche[2], uint8_t(VIDE));
    }

    void damier_inverse_choisit_72() {
        auto f = banc::fenetre();
        QVERIFY(banc::poser(*f, "W:W72:B1"));
        Inverser(f->controleur());
        cliquer_point(*f, QPoint(50, 10));
        QCOMPARE(f->controleur().session().case_choisie, uint8_t(72));
        QCOMPARE(f->controleur().session().piece_choisie, uint8_t(PION_BLANC));
        // Offered squares are found by their inverted cells too.
        cliquer(*f, 66);
        QCOMPARE(position(*f), std::string("B:W66:B1"));
    }

    void gain_des_blancs_et_des_noirs() {
        auto f = banc::fenetre();
        QVERIFY(banc::poser(*f, "W:W51:B45"));
        cliquer(*f, 51);
        QVERIFY(!banc::c<QFrame>(*f, "fin_de_parties")->isHidden());
        QCOMPARE(banc::c<QLabel>(*f, "qui_gagne")->text(), QString("Gain des blancs"));
        QCOMPARE(f->controleur().session().resultat, 2);

        QVERIFY(banc::poser(*f, "B:W51:B45"));
        QVERIFY(banc::c<QFrame>(*f, "fin_de_parties")->isHidden());
        cliquer(*f, 45);
        QCOMPARE(banc::c<QLabel>(*f, "qui_gagne")->text(), QString("Gain des noirs"));
        QCOMPARE(f->controleur().session().resultat, 0);

        // Blocked rather than taken: black keeps a man that cannot move.
        QVERIFY(banc::poser(*f, "W:W43,72:B66"));
        cliquer(*f, 43);
        QCOMPARE(banc::c<QLabel>(*f, "qui_gagne")->text(), QString("Gain des blancs"));

        // The game is over: the board no longer takes moves.
        const std::string fin = position(*f);
        cliquer(*f, 72);
        cliquer(*f, 65);
        QCOMPARE(position(*f), fin);

        // A new game clears the result.
        banc::c<QAction>(*f, "Nouveau2")->trigger();
        banc::c<NouvellePartie>(*f, "Nouvelle_partie")->Joueur2->setText("Blanc");
        banc::c<NouvellePartie>(*f, "Nouvelle_partie")->BitBtn17->click();
        QVERIFY(banc::c<QFrame>(*f, "fin_de_parties")->isHidden());
        QCOMPARE(f->controleur().session().resultat, 3);
        cliquer(*f, 43);
        QCOMPARE(f->controleur().jeu().plateau_affiche[37], uint8_t(PION_BLANC));
    }

    void record_plein_partie_nulle() {
        auto f = banc::fenetre();
        Partie& pt = f->controleur().jeu().partie;
        pt.demi_coup_courant = pt.dernier_demi_coup = DEMI_COUPS_MAX - 1;
        cliquer(*f, 43);
        QCOMPARE(pt.demi_coup_courant, DEMI_COUPS_MAX);
        QCOMPARE(cases_de(pt, DEMI_COUPS_MAX)[37 - 1], uint8_t(PION_BLANC));
        QCOMPARE(banc::c<QLabel>(*f, "qui_gagne")->text(), QString("Match nul !"));
        QCOMPARE(f->controleur().session().resultat, 1);
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
        Partie& pt = f->controleur().jeu().partie;
        pt.demi_coup_courant = pt.dernier_demi_coup = DEMI_COUPS_MAX;
        const std::string depart = position(*f);
        cliquer(*f, 43);
        QCOMPARE(position(*f), depart);
        QCOMPARE(pt.demi_coup_courant, DEMI_COUPS_MAX);
        QCOMPARE(banc::c<QLabel>(*f, "qui_gagne")->text(), QString("Match nul !"));
    }

    // During the step-by-step display of a capture, clicks and the menus
    // that would replace the game are refused; the move ends intact.
    void clics_pendant_l_animation() {
        auto f = banc::fenetre();
        f->controleur().ctx().delais = Delais{40, 40, 0};
        QVERIFY(banc::poser(*f, "W:W51,70:B45,33,22,6"));
        bool vu = false, menus_actifs = true, clic_garde = true;
        QTimer::singleShot(20, f.get(), [&] {
            vu = f->controleur().session().tour == Tour::coup_montre;
            menus_actifs = banc::c<QAction>(*f, "Nouveau2")->isEnabled();
            QTest::mouseClick(banc::c<QWidget>(*f, "Surface"), Qt::LeftButton, Qt::NoModifier, banc::point_de(*f, 70));
            QTest::mouseClick(banc::c<QWidget>(*f, "Surface"), Qt::LeftButton, Qt::NoModifier, QPoint(700, 500));
            clic_garde = clic_en_attente(f->controleur().session());
        });
        cliquer(*f, 51);
        QVERIFY(vu);
        QVERIFY(!menus_actifs);
        QVERIFY(!clic_garde);
        QVERIFY(banc::c<QAction>(*f, "Nouveau2")->isEnabled());
        QVERIFY(f->controleur().session().tour != Tour::coup_montre);
        QCOMPARE(position(*f), std::string("B:W16,70:B6"));
        passe_boucle(f->controleur(), false);
        QCOMPARE(position(*f), std::string("B:W16,70:B6"));
    }

    // Against the computer the human's move hands over the turn, and board
    // clicks wait while it is the computer's.
    void contre_l_ordinateur_le_tour_passe() {
        auto f = banc::fenetre();
        banc::c<QAction>(*f, "Humaincontrehumain1")->trigger();
        QVERIFY(!banc::c<QAction>(*f, "Humaincontrehumain1")->isChecked());
        QCOMPARE(f->controleur().session().contre_ordinateur, uint8_t(1));
        QTest::mouseClick(banc::c<QWidget>(*f, "Surface"), Qt::LeftButton, Qt::NoModifier, banc::point_de(*f, 43));
        QVERIFY(clic_en_attente(f->controleur().session()));
        QCOMPARE(f->controleur().session().arret_calcul, uint8_t(1));
        clic1(f->controleur(), f->controleur().session().saisies.front().x,
              f->controleur().session().saisies.front().y);
        f->controleur().session().saisies.clear();
        QVERIFY(tour_ordinateur(f->controleur().session()));
        QCOMPARE(f->controleur().jeu().trait, uint8_t(NOIR));
        const QPoint p = banc::point_de(*f, 25);
        clic1(f->controleur(), p.x(), p.y());
        QCOMPARE(f->controleur().session().piece_choisie, uint8_t(0));
        QCOMPARE(f->controleur().jeu().plateau_affiche[25], uint8_t(PION_NOIR));
    }

    // The main loop blocks on the event queue only when nothing is waiting:
    // a turn for the computer or a pending click runs at once.
    void la_boucle_n_attend_pas_quand_il_y_a_a_faire() {
        auto f = banc::fenetre();
        banc::c<QAction>(*f, "Humaincontrehumain1")->trigger();
        QTest::mouseClick(banc::c<QWidget>(*f, "Surface"), Qt::LeftButton, Qt::NoModifier, banc::point_de(*f, 43));
        bool reveil = false;
        QTimer::singleShot(3000, f.get(), [&] { reveil = true; });
        QElapsedTimer t;
        t.start();
        passe_boucle(f->controleur(), true);  // consumes the click: the human's move
        QVERIFY(tour_ordinateur(f->controleur().session()));
        // Nothing left in the queue (repaints included) that could wake it.
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
        passe_boucle(f->controleur(), true);  // the computer's turn, without waiting
        QVERIFY(!reveil);
        QVERIFY(t.elapsed() < 1500);
        QVERIFY(!tour_ordinateur(f->controleur().session()));
    }

    // Without "Décomposer les prises" a multiple capture is not shown step
    // by step, however long the steps would be.
    void prise_sans_decomposition() {
        auto f = banc::fenetre();
        f->controleur().ctx().delais = Delais{10000, 10000, 0};
        banc::c<QAction>(*f, "Dcomposerlesprises1")->trigger();
        QVERIFY(!banc::c<QAction>(*f, "Dcomposerlesprises1")->isChecked());
        QVERIFY(banc::poser(*f, "W:W51,70:B45,33,22,6"));
        QElapsedTimer t;
        t.start();
        cliquer(*f, 51);
        QVERIFY(t.elapsed() < 2000);
        QCOMPARE(position(*f), std::string("B:W16,70:B6"));
    }

    // "Quitter" and closing the window end the main loop, which until then
    // sleeps on the event queue. Closing writes the autosave as "Quitter"
    // does (the game is there at the next start); during a rated game it is
    // refused, with a box saying why.
    void quitter_et_fermer() {
        brouillon::Dossier d;
        auto f = brouillon::fenetre(d);
        f->show();
        QTimer::singleShot(50, f.get(), [&] { banc::c<QAction>(*f, "Quitter1")->trigger(); });
        boucle_principale(f->controleur());
        QCOMPARE(f->controleur().session().fin_programme, uint8_t(1));
        QVERIFY(!f->isVisible());
        QFile::remove(QString::fromStdString(chemin_autosave()));

        auto g = brouillon::fenetre(d);
        g->show();
        for (int s : {44, 38, 25, 31}) cliquer(*g, s);
        poser_matchState(g->controleur(), 1);
        {
            brouillon::Boite boite;
            QVERIFY(!g->close());
            QVERIFY(boite.vue());
            QVERIFY(!boite.texte.isEmpty());
        }
        QVERIFY(g->isVisible());
        QCOMPARE(g->controleur().session().fin_programme, uint8_t(0));
        poser_matchState(g->controleur(), 0);
        QTimer::singleShot(50, g.get(), [&] { g->close(); });
        boucle_principale(g->controleur());
        QCOMPARE(g->controleur().session().fin_programme, uint8_t(1));
        QVERIFY(!g->isVisible());

        auto h = brouillon::fenetre(d);
        FormActivate(h->controleur());
        QCOMPARE(position(*h), position(*g));
        QCOMPARE(h->controleur().jeu().partie.demi_coup_courant, 2);
    }

    // The side column: "Zut !" stays up until the computer's next move, so
    // it stands beside the board, over no other control, its text whole; the
    // tabs' names are whole; Qt's own texts (file dialogs) follow the
    // interface language.
    void panneaux_et_onglets_lisibles() {
        auto f = banc::fenetre();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        QLabel* zut = banc::c<QLabel>(*f, "Zut");
        QVERIFY(zut->geometry().left() >= DECALAGE_DAMIER + 12 * TAILLE_CELLULE);
        for (const char* nom : {"Label29", "Label30", "Label31", "Bas_Haut", "Couleurordi", "Panel6", "Panel7",
                                "Onglet", "Joue", "Proposernul", "Nulrefus"})
            QVERIFY2(!zut->geometry().intersects(banc::c<QWidget>(*f, nom)->geometry()), nom);
        QTabBar* barre = banc::c<QTabWidget>(*f, "Onglet")->tabBar();
        const QString regarder = QStringLiteral("Look in:");
        QString vu[NB_LANGUES];
        for (int l = 0; l < NB_LANGUES; ++l) {
            f->langue(l);
            QVERIFY2(zut->heightForWidth(zut->width()) <= zut->height(), qPrintable(zut->text()));
            for (int i = 0; i < barre->count(); ++i) {
                const QRect r = barre->tabRect(i);
                QVERIFY2(r.right() < barre->width(), qPrintable(barre->tabText(i)));
                QVERIFY2(r.width() > barre->fontMetrics().horizontalAdvance(barre->tabText(i)),
                         qPrintable(barre->tabText(i)));
            }
            vu[l] = QCoreApplication::translate("QFileDialog", "Look in:");
        }
        QVERIFY(vu[FRANCAIS] != regarder);
        QVERIFY(vu[ITALIEN] != regarder && vu[ITALIEN] != vu[FRANCAIS]);
        QCOMPARE(vu[ANGLAIS], regarder);
    }

    // The computer's move as the engine will hand it over: shown jump by
    // jump, committed, outlined in aqua with its start in silver.
    void coup_de_l_ordinateur() {
        auto f = banc::fenetre();
        banc::c<QAction>(*f, "Humaincontrehumain1")->trigger();
        QVERIFY(banc::poser(*f, "B:W27,39,60:B22,6"));
        Jeu& J = f->controleur().jeu();
        Session& S = f->controleur().session();
        S.tour = Tour::a_jouer;
        QCOMPARE(coups_legaux(J.gen, J.trait), 1);
        const Coup c = J.gen.liste_coups[1][0];
        jouer_coup_ordinateur(f->controleur(), c);
        QCOMPARE(position(*f), std::string("W:W60:B6,46"));
        QVERIFY(!tour_ordinateur(S));
        QCOMPARE(S.dernier_coup_ordi[0], uint8_t(22));
        QCOMPARE(S.dernier_coup_ordi[1], uint8_t(46));
        QCOMPARE(S.nb_legaux, 2);
        QCOMPARE(J.partie.materiel[1], 3);
        QCOMPARE(banc::c<QLabel>(*f, "Nbpionsblancs")->text(), QString("  1"));
        int r, c46, r22, c22;
        cellule_de_case(46, false, r, c46);
        QCOMPARE(f->affichage().canvas.pixelColor(41 * c46 + 29, 41 * r + 9), QColor(0, 255, 255));
        cellule_de_case(22, false, r22, c22);
        QCOMPARE(f->affichage().canvas.pixelColor(41 * c22 + 29, 41 * r22 + 9), QColor(192, 192, 192));
        QVERIFY(banc::c<QFrame>(*f, "fin_de_parties")->isHidden());

        // The human answers; the next computer move wipes the old outlines.
        cliquer(*f, 60);
        cliquer(*f, 53);
        QVERIFY(tour_ordinateur(S));
        coups_legaux(J.gen, J.trait);
        jouer_coup_ordinateur(f->controleur(), J.gen.liste_coups[1][0]);
        QVERIFY(f->affichage().canvas.pixelColor(41 * c46 + 29, 41 * r + 9) != QColor(0, 255, 255));
    }

    // Texts of the end of a game against the computer, in a match, and for
    // the kinds that name their winner.
    void textes_de_fin() {
        auto f = banc::fenetre();
        banc::c<QAction>(*f, "Humaincontrehumain1")->trigger();
        Session& S = f->controleur().session();
        QVERIFY(banc::poser(*f, "B:W60:B54,6"));
        coups_legaux(f->controleur().jeu().gen, NOIR);
        jouer_coup_ordinateur(f->controleur(), f->controleur().jeu().gen.liste_coups[1][0]);
        QCOMPARE(banc::c<QLabel>(*f, "qui_gagne")->text(), QString::fromUtf8("Désolé, KOLMAR a gagné"));
        QCOMPARE(S.resultat, 0);

        QVERIFY(banc::poser(*f, "W:W51:B45"));
        cliquer(*f, 51);
        QVERIFY(tour_ordinateur(S));
        fin_de_partie(f->controleur(), FIN_SANS_COUP);  // the computer finds no move
        QCOMPARE(banc::c<QLabel>(*f, "qui_gagne")->text(), QString("Bravo, vous avez gagné"));

        const struct {
            int kind;
            const char* texte;
            int resultat;
        } cas[] = {{FIN_NULLE, "Match nul !", 1},
                   {FIN_TEMPS_HUMAIN, "Temps dépassé, gain KOLMAR", 0},
                   {FIN_TEMPS_ORDI, "Temps dépassé, vous gagnez", 2},
                   {FIN_ABANDON, "Vous abandonnez, gain KOLMAR", 0}};
        for (const auto& k : cas) {
            nouvelle_partie(f->controleur());
            fin_de_partie(f->controleur(), k.kind);
            QCOMPARE(banc::c<QLabel>(*f, "qui_gagne")->text(), QString::fromUtf8(k.texte));
            QCOMPARE(S.resultat, k.resultat);
        }
        // A draw overrides a side without moves.
        QVERIFY(banc::poser(*f, "W:W51:B45"));
        cliquer(*f, 51);
        fin_de_partie(f->controleur(), FIN_NULLE);
        QCOMPARE(banc::c<QLabel>(*f, "qui_gagne")->text(), QString("Match nul !"));

        // In a match the winner is named, and the result is kept once scored.
        QVERIFY(banc::poser(*f, "W:W51:B45"));
        f->controleur().ctx().etat.nom_blanc = "Dupont";
        poser_matchState(f->controleur(), 1);
        cliquer(*f, 51);
        fin_de_partie(f->controleur(), FIN_SANS_COUP);
        QCOMPARE(banc::c<QLabel>(*f, "qui_gagne")->text(), QString("Dupont gagne"));
        QCOMPARE(matchState(f->controleur()), uint8_t(5));
        fin_de_partie(f->controleur(), FIN_NULLE);
        QCOMPARE(banc::c<QLabel>(*f, "qui_gagne")->text(), QString("Dupont gagne"));
    }
};

QTEST_MAIN(TestTForm1)
#include "test_tform1.moc"
