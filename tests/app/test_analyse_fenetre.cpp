// The set-up tab, the analysis window with its graph and printing, and the
// evaluation parameters editor, driven through their widgets.
#include <QDialog>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <cstring>

#include "banc.h"
#include "control/geometrie.h"
#include "forms/tform4.h"
#include "lang/textes_analyse.h"

using namespace kolmar;

namespace {

QString qa(TexteAnalyse t, int l) {
    return QString::fromUtf8(kolmar::texte(t, l));
}

// Centre of the drawn cell at row r, column c of the 2D grid.
QPoint cellule(int r, int c) {
    return QPoint(DECALAGE_DAMIER + TAILLE_CELLULE * c + 20, DECALAGE_DAMIER + TAILLE_CELLULE * r + 20);
}

void presser(QObject& f, const char* nom) {
    QTest::mouseClick(banc::c<QWidget>(f, nom), Qt::LeftButton);
}

std::unique_ptr<TForm1> avec_moteur() {
    auto f = banc::fenetre();
    std::string err;
    if (!charger_moteur(f->controleur(), err)) qFatal("engine data: %s", err.c_str());
    return f;
}

}  // namespace

class TestAnalyseFenetre : public QObject {
    Q_OBJECT
   private slots:
    void placer_sur_damier_tourne() {
        auto f = banc::fenetre();
        Controleur& ctrl = f->controleur();
        // Laid out, so that a press lands on the buttons.
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        banc::c<QAction>(*f, "Inverserdamier1")->trigger();
        // From a 3D board: pieces are placed on the 2D board.
        banc::c<QAction>(*f, "Damier3D2")->trigger();
        banc::c<QAction>(*f, "Installeruneposition1")->trigger();
        QVERIFY(banc::c<QAction>(*f, "Damier2D1")->isChecked());
        QVERIFY(banc::c<QWidget>(*f, "Panel10")->isHidden());
        QVERIFY(ctrl.session().mode_probleme);
        QVERIFY(!banc::c<QGroupBox>(*f, "Probleme")->isHidden());
        auto* onglet = banc::c<QTabWidget>(*f, "Onglet");
        QCOMPARE(onglet->currentWidget(), banc::c<QWidget>(*f, "Probleme0"));

        presser(*f, "vider1");
        presser(*f, "SpeedButton11");
        QCOMPARE(int(ctrl.session().pion_choisi), int(DAME_BLANCHE));
        QVERIFY(!banc::c<QLabel>(*f, "Piontemoin")->pixmap().isNull());
        const QString eval_vide = banc::c<QLineEdit>(*f, "Blancs")->text();
        // The top-left dark cell of a turned board is square 72.
        banc::cliquer_point(*f, cellule(0, 1));
        QCOMPARE(int(ctrl.jeu().damier[72]), int(DAME_BLANCHE));
        QVERIFY(banc::c<QLineEdit>(*f, "Blancs")->text() != eval_vide);
        const std::string avant = banc::position(*f);
        banc::cliquer_point(*f, cellule(0, 0));
        QCOMPARE(banc::position(*f), avant);

        presser(*f, "SpeedButton14");  // the eraser
        banc::cliquer_point(*f, cellule(0, 1));
        QCOMPARE(int(ctrl.jeu().damier[72]), int(VIDE));
        QCOMPARE(banc::c<QLineEdit>(*f, "Blancs")->text(), eval_vide);
        QCOMPARE(banc::c<QLabel>(*f, "Nbpionsblancs")->text().trimmed(), QString("0"));
    }

    void deux_clics_rendent_la_legende_dans_chaque_langue() {
        auto f = banc::fenetre();
        Controleur& ctrl = f->controleur();
        auto* ordi = banc::c<QLabel>(*f, "Couleurordi");
        auto* joue = banc::c<QLabel>(*f, "Couleurjoue");
        for (int l = 0; l < NB_LANGUES; ++l) {
            ctrl.ctx().langue = l;
            banc::c<QAction>(*f, "Installeruneposition1")->trigger();
            QVERIFY(ctrl.session().mode_probleme);
            const QString o0 = ordi->text();
            const int c0 = ctrl.session().couleur_ordinateur;
            presser(*f, "Couleurordi");
            QVERIFY2(ordi->text() != o0, qPrintable(o0));
            QVERIFY(ctrl.session().couleur_ordinateur != c0);
            presser(*f, "Couleurordi");
            QCOMPARE(ordi->text(), o0);
            QCOMPARE(int(ctrl.session().couleur_ordinateur), c0);

            const int trait = ctrl.jeu().trait;
            presser(*f, "Couleurjoue");
            QCOMPARE(joue->text(), qa(TexteAnalyse::OrdinateurJoue, l));
            QVERIFY(ctrl.jeu().trait != trait);
            presser(*f, "Couleurjoue");
            QCOMPARE(joue->text(), qa(TexteAnalyse::JoueurJoue, l));
            QCOMPARE(int(ctrl.jeu().trait), trait);
            banc::c<QAction>(*f, "Installeruneposition1")->trigger();
            QVERIFY(!ctrl.session().mode_probleme);
        }
    }

    // Captions built outside the main tables once stayed French whatever
    // the language; a language change and back must reach each of them.
    void legendes_hors_tables_suivent_la_langue() {
        auto f = banc::fenetre();
        QObject& form4 = *banc::c<TForm4>(*f, "Form4");
        QObject& form6 = *banc::c<QDialog>(*f, "Form6");
        const auto textes = [&] {
            return QStringList{
                banc::c<QAction>(*f, "Terminerlanalyse1")->text(), banc::niveau(*f, 9)->text(),
                banc::c<QPushButton>(form4, "BitBtn4")->text(),    banc::c<QGroupBox>(form6, "Tableau0")->title(),
                banc::c<QGroupBox>(*f, "Probleme")->title(),       banc::c<QLabel>(*f, "Couleurjoue")->text()};
        };
        const QStringList francais{"Terminer l'analyse", "1 : 30 coups en 3 mn",
                                   "Fin analyse",        QString::fromUtf8("D\u00e9but par d\u00e9faut"),
                                   "PLACEZ LES PIONS",   "Joueur joue"};
        QCOMPARE(textes(), francais);
        appliquer_langue(f->controleur(), ANGLAIS);
        QCOMPARE(textes(), (QStringList{"End the analysis", "1 : 30 moves in 3 min", "End analysis", "Default opening",
                                        "PLACE THE PIECES", "Player's turn"}));
        appliquer_langue(f->controleur(), FRANCAIS);
        QCOMPARE(textes(), francais);
    }

    void quitter_avec_l_ordinateur_au_trait_lance_sa_recherche() {
        auto f = avec_moteur();
        Controleur& ctrl = f->controleur();
        banc::option(*f, &Options::humains, false);
        banc::option(*f, &Options::reflexion_adverse, false);
        ctrl.session().contre_ordinateur = 1;
        ctrl.ctx().moteur->limites.profondeur_fixe = 2;
        banc::c<QAction>(*f, "Installeruneposition1")->trigger();
        presser(*f, "Couleurjoue");  // the computer (black) moves first
        QVERIFY(tour_ordinateur(ctrl.session()));
        banc::c<QAction>(*f, "Installeruneposition1")->trigger();
        QVERIFY(!ctrl.session().mode_probleme);
        for (int i = 0; i < 5 && ctrl.jeu().partie.dernier_demi_coup == 0; ++i) passe_boucle(ctrl, false);
        QCOMPARE(ctrl.jeu().partie.dernier_demi_coup, 1);
        QCOMPARE(int(ctrl.jeu().trait), int(BLANC));
    }

    void fenetre_d_analyse_lignes_courbe_et_impression() {
        auto f = avec_moteur();
        Controleur& ctrl = f->controleur();
        choisir_niveau(ctrl, 1);
        // White gives a man away with 45-39; black takes it.
        QVERIFY(banc::poser(*f, "W:W45,66,67:B1,33"));
        for (int s : {45, 39, 33, 46, 67, 61, 1, 7}) banc::cliquer(*f, s);
        QCOMPARE(ctrl.jeu().partie.dernier_demi_coup, 4);

        banc::c<QAction>(*f, "Debuteruneanalyse1")->trigger();
        auto* form4 = banc::c<TForm4>(*f, "Form4");
        QVERIFY(!form4->isHidden());
        QVERIFY(form4->windowFlags() & Qt::WindowStaysOnTopHint);
        auto* longues = banc::c<QListWidget>(*form4, "ListBox1");
        auto* courtes = banc::c<QListWidget>(*f, "ListBox6");
        QCOMPARE(longues->count(), 6);  // four moves and the legend
        QCOMPARE(courtes->count(), 4);
        QVERIFY2(longues->item(0)->text().startsWith("* 1 Blanc:") && longues->item(0)->text().contains(" 45-39;"),
                 qPrintable(longues->item(0)->text()));
        QVERIFY(courtes->item(1)->text().startsWith(" 1 Noirs : 33-46;"));

        QTemporaryDir dir;
        const QString pdf = dir.filePath("analyse.pdf");
        {
            QPrinter printer;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            f->imprimer_analyse(printer);
        }
        QVERIFY(QFile(pdf).size() > 0);

        // A click on the point of half-move 2 shows that position.
        CourbeAnalyse* courbe = form4->courbe();
        courbe->resize(400, 200);
        QTest::mouseClick(courbe, Qt::LeftButton, Qt::NoModifier, courbe->point(2).toPoint());
        QCOMPARE(ctrl.jeu().partie.demi_coup_courant, 2);
        QCOMPARE(ctrl.jeu().partie.dernier_demi_coup, 4);
        QCOMPARE(courbe->courant(), 2);
        QVERIFY(form4->isHidden());
        // A game of four plies cannot be learned: "Apprendre ?" is not asked.
        QVERIFY(banc::c<QFrame>(*f, "Learn")->isHidden());
        // The lists stay until the next analysis; a click on a line also shows it.
        QTest::mouseClick(courtes->viewport(), Qt::LeftButton, Qt::NoModifier,
                          courtes->visualItemRect(courtes->item(1)).center());
        QCOMPARE(ctrl.jeu().partie.demi_coup_courant, 1);
        QCOMPARE(banc::position(*f), std::string("B:W39,66,67:B1,33"));
    }

    void editeur_de_parametres() {
        auto f = avec_moteur();
        Parametres& p = f->controleur().ctx().moteur->parametres;
        banc::c<QAction>(*f, "Changerlesparamtres1")->trigger();
        auto* form6 = banc::c<QDialog>(*f, "Form6");
        QVERIFY(form6->isVisible());
        QVERIFY(form6->windowState() & Qt::WindowMaximized);
        QVERIFY(form6->windowTitle().contains("en  1/200"));
        // Entry k on the cell of square 73 - k: 72..67 along the top row,
        // 6..1 along the bottom one.
        auto* panneau = banc::c<QGroupBox>(*form6, "Tableau3");
        auto* grille = qobject_cast<QGridLayout*>(panneau->layout());
        QVERIFY(grille);
        auto place = [&](int k) {
            int r, c, rs, cs;
            grille->getItemPosition(grille->indexOf(banc::c<QLineEdit>(*form6, qPrintable(QString("T3_%1").arg(k)))),
                                    &r, &c, &rs, &cs);
            return QPoint(c, r);
        };
        QCOMPARE(place(72), QPoint(1, 0));
        QCOMPARE(place(67), QPoint(11, 0));
        QCOMPARE(place(6), QPoint(0, 11));
        QCOMPARE(place(1), QPoint(10, 11));
        QCOMPARE(banc::c<QLineEdit>(*form6, "T3_10")->text(), QString::number(p.tables[3][10]));

        banc::c<QLineEdit>(*form6, "T2_10")->setText("-5");
        banc::c<QLineEdit>(*form6, "phase0_bas")->setText("-5");
        banc::c<QLineEdit>(*form6, "T0_5")->setText("12abc");
        presser(*form6, "parametreOK");
        QVERIFY(form6->isHidden());
        QCOMPARE(int(p.tables[2][10]), 251);
        QCOMPARE(p.phase_bas(0), -5);
        QCOMPARE(int(p.tables[0][5]), 12);

        banc::c<QAction>(*f, "Changerlesparamtres1")->trigger();
        QCOMPARE(banc::c<QLineEdit>(*form6, "T2_10")->text(), QString("251"));
        QCOMPARE(banc::c<QLineEdit>(*form6, "phase0_bas")->text(), QString("-5"));
        const Parametres avant = p;
        banc::c<QLineEdit>(*form6, "T0_5")->setText("77");
        banc::c<QLineEdit>(*form6, "tempo3")->setText("9");
        presser(*form6, "parametrecancel");
        QVERIFY(form6->isHidden());
        QVERIFY(std::memcmp(&avant, &p, sizeof p) == 0);
    }

    // The README picture: the analysis window after a game the computer
    // played against itself. Written when KOLMAR_CAPTURE_ANALYSE names the file.
    void capture_d_ecran() {
        auto f = avec_moteur();
        Controleur& ctrl = f->controleur();
        banc::option(*f, &Options::reflexion_adverse, false);
        banc::c<QAction>(*f, "Bibliothquesactives1")->trigger();
        ctrl.ctx().moteur->limites.profondeur_fixe = 3;
        banc::c<QAction>(*f, "Ordinateurcontreordinateur1")->trigger();
        for (int i = 0; i < 200 && ctrl.jeu().partie.dernier_demi_coup < 24; ++i) passe_boucle(ctrl, false);
        banc::c<QAction>(*f, "Ordinateurcontreordinateur1")->trigger();
        QVERIFY(ctrl.jeu().partie.dernier_demi_coup >= 24);
        choisir_niveau(ctrl, 1);
        banc::c<QAction>(*f, "Debuteruneanalyse1")->trigger();
        auto* form4 = banc::c<TForm4>(*f, "Form4");
        QVERIFY(!form4->isHidden());
        form4->resize(720, 560);
        QVERIFY(QTest::qWaitForWindowExposed(form4));
        const QImage img = form4->grab().toImage();
        QCOMPARE(img.width(), 720);
        const QByteArray chemin = qgetenv("KOLMAR_CAPTURE_ANALYSE");
        if (!chemin.isEmpty()) QVERIFY(img.save(QString::fromLocal8Bit(chemin), "PNG"));
    }
};

QTEST_MAIN(TestAnalyseFenetre)
#include "test_analyse_fenetre.moc"
