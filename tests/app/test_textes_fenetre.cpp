// Text and PDN files, printing and the lessons in the main window.
#include <QClipboard>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

#include "brouillon.h"
#include "control/textes_parties.h"
#include "forms/fenetre_texte.h"
#include "forms/impression.h"
#include "outils_fichiers.h"

using namespace kolmar;
using brouillon::Dossier;
using brouillon::Guetteur;

namespace {

// Kings on 1 and 72 stepping to and fro from a balanced ending.
std::string va_et_vient(int plies, const char* blanc = "Paul", const char* noir = "Anne") {
    static const char* const k_coups[4] = {"1-7", "72-66", "7-1", "66-72"};
    std::string t = std::string("[White \"") + blanc + "\"]\n[Black \"" + noir + "\"]\n[FEN \"W:WK1,43:BK72,K71\"]\n";
    for (int p = 0; p < plies; ++p) t += std::string(k_coups[p % 4]) + " ";
    return t + "*\n";
}

// Opens `chemin` through the Ctrl+F dialog.
void ouvrir_texte(TForm1& f, const QString& chemin) {
    Guetteur<QFileDialog> g([&](QFileDialog* d) { brouillon::accepter(d, chemin); });
    banc::c<QAction>(f, "Ouvrirunfichiertexte1")->trigger();
    QCOMPARE(g.vus(), 1);
}

}  // namespace

class TestTextesFenetre : public QObject {
    Q_OBJECT

   private slots:
    // Printed to PDF: the heading with the result and the date, then rows
    // of six move-list lines. A game ending on white's move lost that last
    // half-move on paper (the winning capture, as often as not).
    void impression_pdf() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        Dossier d;
        auto f = brouillon::fenetre(d);
        Controleur& ctrl = f->controleur();
        QVERIFY(importer_partie(ctrl, lire_parties(va_et_vient(15)).at(0)));
        const std::vector<std::string> lignes = ctrl.jeu().partie.lignes;
        QCOMPARE(int(lignes.size()), 8);

        const QString pdf = d.fichier("partie.pdf");
        {
            QPdfWriter w(pdf);
            QVERIFY(imprimer_partie(w, ctrl.jeu().partie, "Paul", "Anne", RESULTAT_BLANCS, "2024-05-01"));
        }
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(p.waitForFinished(20000));
        const QStringList texte = QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QVERIFY2(texte.size() >= 3, qPrintable(texte.join('|')));
        QCOMPARE(texte[0].simplified(), QString("Paul-Anne 2-0 2024-05-01"));
        QString rangee1;
        for (int k = 0; k < 6; ++k) rangee1 += QString::fromStdString(lignes[k]).simplified() + ' ';
        QCOMPARE(texte[1].simplified(), rangee1.trimmed());
        QCOMPARE(texte[2].simplified(),
                 (QString::fromStdString(lignes[6]) + ' ' + QString::fromStdString(lignes[7])).simplified());
    }

    // A file of two games: the list names the International one as refused;
    // choosing it changes nothing, the Canadian one is played onto the board.
    void liste_des_parties() {
        Dossier d;
        auto f = brouillon::fenetre(d);
        const QString chemin = d.fichier("deux.pdn");
        outils::ecrire(chemin.toStdString(),
                       "[White \"Henk\"]\n[Black \"Jan\"]\n[GameType \"20\"]\n\n1. 32-28 19-23 *\n\n" +
                           va_et_vient(6, "Lise", "Marc"));
        auto* panneau = banc::c<QFrame>(*f, "Panel2");
        auto* liste = banc::c<QListWidget>(*f, "ListBox16");
        ouvrir_texte(*f, chemin);
        QVERIFY(!panneau->isHidden());
        QCOMPARE(liste->count(), 2);
        QVERIFY2(liste->item(0)->text().contains("Henk") && liste->item(0)->text().contains("refus"),
                 qPrintable(liste->item(0)->text()));
        {
            brouillon::Boite b;
            outils::cliquer_ligne(liste, 0);
            QTest::mouseClick(banc::c<QPushButton>(*f, "ListeOK"), Qt::LeftButton);
            QVERIFY(b.vue());
        }
        QVERIFY(panneau->isHidden());
        QCOMPARE(f->controleur().jeu().partie.dernier_demi_coup, 0);

        ouvrir_texte(*f, chemin);
        outils::cliquer_ligne(liste, 1);
        QTest::mouseClick(banc::c<QPushButton>(*f, "ListeOK"), Qt::LeftButton);
        QVERIFY(panneau->isHidden());
        QCOMPARE(f->controleur().jeu().partie.dernier_demi_coup, 6);
        QCOMPARE(banc::c<QLabel>(*f, "Nom_blanc")->text(), QString("Lise"));
        QCOMPARE(banc::c<QListWidget>(*f, "ListBox1")->count(), 3);

        // One game alone is played at once, without the list; Ctrl+T
        // writes it back as PDN when the name asks for it.
        const QString un = d.fichier("un.pdn");
        outils::ecrire(un.toStdString(), va_et_vient(4));
        ouvrir_texte(*f, un);
        QVERIFY(panneau->isHidden());
        QCOMPARE(banc::c<QLabel>(*f, "Nom_blanc")->text(), QString("Paul"));
        {
            Guetteur<QFileDialog> g([&](QFileDialog* dlg) { brouillon::accepter(dlg, d.fichier("copie.pdn")); });
            banc::c<QAction>(*f, "Crerunfichiertexte1")->trigger();
            QCOMPARE(g.vus(), 1);
        }
        const std::string pdn = outils::lire(d.fichier("copie.pdn").toStdString());
        QVERIFY2(pdn.find("[White \"Paul\"]") != std::string::npos && pdn.find("1-7") != std::string::npos,
                 pdn.c_str());
    }

    // "Copier la position" and "Copier la partie" put FEN and PDN on the
    // clipboard; "Coller" sets the position up, loads the game, and says
    // why for a text that is neither. Ctrl+C stays "Ordinateur contre
    // ordinateur": no two commands share a key.
    void presse_papiers() {
        Dossier d;
        auto f = brouillon::fenetre(d);
        Controleur& ctrl = f->controleur();
        QVERIFY(importer_partie(ctrl, lire_parties(va_et_vient(6, "Lise", "Marc")).at(0)));
        const std::string apres_six = banc::position(*f);
        QClipboard* presse = QGuiApplication::clipboard();
        banc::c<QAction>(*f, "Copierlaposition1")->trigger();
        const QString fen = presse->text();
        QCOMPARE(fen.toStdString(), apres_six);
        banc::c<QAction>(*f, "Copierlapartie1")->trigger();
        const QString pdn = presse->text();
        QVERIFY2(pdn.contains("[White \"Lise\"]") && pdn.contains("72-66"), qPrintable(pdn));

        nouvelle_partie(ctrl);
        OKjoueurClick(ctrl, "Anne", "Bruno");
        presse->setText(fen);
        banc::c<QAction>(*f, "Coller1")->trigger();
        QCOMPARE(banc::position(*f), apres_six);
        QCOMPARE(ctrl.jeu().partie.dernier_demi_coup, 0);
        QCOMPARE(banc::c<QLabel>(*f, "Nom_blanc")->text(), QString("Anne"));

        presse->setText(pdn);
        banc::c<QAction>(*f, "Coller1")->trigger();
        QCOMPARE(ctrl.jeu().partie.dernier_demi_coup, 6);
        QCOMPARE(banc::position(*f), apres_six);
        QCOMPARE(banc::c<QLabel>(*f, "Nom_blanc")->text(), QString("Lise"));
        QCOMPARE(banc::c<QListWidget>(*f, "ListBox1")->count(), 3);

        presse->setText(QStringLiteral("Bonjour Anne, rendez-vous a 18 h."));
        {
            brouillon::Boite b;
            banc::c<QAction>(*f, "Coller1")->trigger();
            QVERIFY(b.vue());
            QCOMPARE(b.texte, QString::fromUtf8(kolmar::texte(Texte::CollerRien)));
        }
        QCOMPARE(ctrl.jeu().partie.dernier_demi_coup, 6);

        QHash<QKeySequence, QString> touches;
        for (QAction* a : f->findChildren<QAction*>()) {
            if (a->shortcut().isEmpty()) continue;
            QVERIFY2(!touches.contains(a->shortcut()),
                     qPrintable(a->objectName() + " and " + touches.value(a->shortcut())));
            touches.insert(a->shortcut(), a->objectName());
        }
        QCOMPARE(touches.value(QKeySequence(Qt::CTRL | Qt::Key_C)), QString("Ordinateurcontreordinateur1"));
    }

    // A training session could not be stopped: the computer thinks nearly
    // all the time and its turn greyed "Paramétrage", which holds "Arrêter
    // la session". The stop stays reachable (Échap too) while the other
    // items of the menu wait; each session item is greyed when it cannot
    // apply; the level's budget comes back once the session stops.
    void session_d_entrainement_arretable() {
        auto f = banc::fenetre();
        Controleur& ctrl = f->controleur();
        std::string err;
        QVERIFY2(charger_moteur(ctrl, err), err.c_str());
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        banc::c<QAction>(*f, "Dbutant1")->trigger();
        auto* lancer = banc::c<QAction>(*f, "Lancerunesession1");
        auto* arreter = banc::c<QAction>(*f, "Arrterlasession1");
        QVERIFY(lancer->isEnabled());
        QVERIFY(!arreter->isEnabled());
        lancer->trigger();
        QVERIFY(!lancer->isEnabled());
        // A long search, not an answer from the library.
        ctrl.ctx().moteur->limites.profondeur_fixe = 40;
        banc::c<QAction>(*f, "Bibliothquesactives1")->trigger();
        bool atteinte = false, verrouille = false;
        QTimer::singleShot(200, f.get(), [&] {
            atteinte = ctrl.session().recherche_en_cours && arreter->isEnabled() &&
                       banc::c<QMenu>(*f, "Ouvertures1")->menuAction()->isEnabled();
            verrouille = !banc::c<QAction>(*f, "Changerlesparamtres1")->isEnabled();
            QTest::keyClick(f.get(), Qt::Key_Escape);
        });
        QElapsedTimer t;
        t.start();
        passe_boucle(ctrl, false);
        QVERIFY2(atteinte, "Arrêter la session out of reach during the computer's search");
        QVERIFY(verrouille);
        QVERIFY(t.elapsed() < 5000);
        QVERIFY(!ctrl.ctx().entrainement.active);
        QVERIFY(!ctrl.options().ordinateurs);
        QVERIFY(lancer->isEnabled());
        QVERIFY(!arreter->isEnabled());
        QCOMPARE(ctrl.ctx().controle.engineBudget, 5);
    }

    // A lesson that asks for the move showed its solution right under the
    // question, and its text window opened at (0, 0) over the menus: the
    // solution waits for its button, the window stands beside the game.
    void lecon_a_chercher() {
        Dossier d;
        auto f = brouillon::fenetre(d);
        Controleur& ctrl = f->controleur();
        f->move(40, 60);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        const std::string chemin = dossier_problemes() + "/coup.dam";
        QVERIFY(importer_partie(ctrl, lire_parties(va_et_vient(2)).at(0)));
        QVERIFY(sauver_partie(ctrl, chemin));
        outils::ecrire(chemin + "t",
                       "Les blancs gagnent. Cherchez le coup avant d'avancer.\n\n"
                       "Solution : 1. 35-29 !\nLa suite est forcée.\n");
        {
            Guetteur<QFileDialog> g(
                [&](QFileDialog* dlg) { brouillon::accepter(dlg, QString::fromStdString(chemin)); });
            banc::c<QAction>(*f, "Problmes1")->trigger();
            QCOMPARE(g.vus(), 1);
        }
        auto* bloc = banc::c<FenetreTexte>(*f, "FenetreTexte");
        QVERIFY(bloc->isVisible());
        QCOMPARE(bloc->texte(), QString::fromUtf8("Les blancs gagnent. Cherchez le coup avant d'avancer."));
        const QRect menus(f->menuBar()->mapToGlobal(QPoint(0, 0)), f->menuBar()->size());
        QVERIFY2(!bloc->frameGeometry().intersects(menus), "the text window covers the menus");
        const QRect ecran = f->screen()->availableGeometry();
        if (ecran.width() >= f->frameGeometry().width() + bloc->frameGeometry().width() + 8)
            QVERIFY2(!f->frameGeometry().intersects(bloc->frameGeometry()), "the text window covers the game");
        auto* voir = banc::c<QPushButton>(*bloc, "Solution");
        QVERIFY(voir->isVisible());
        QCOMPARE(voir->text(), QString("Voir la solution"));
        QTest::mouseClick(voir, Qt::LeftButton);
        QVERIFY(bloc->texte().contains("Solution : 1. 35-29 !"));
        QVERIFY(bloc->texte().endsWith(QString::fromUtf8("La suite est forcée.")));
        QVERIFY(!voir->isVisible());
    }

    // The lesson panels walk the lessons of "Problemes" and wrap around;
    // each lesson's text is shown in the text window.
    void lecons() {
        Dossier d;
        auto f = brouillon::fenetre(d);
        Controleur& ctrl = f->controleur();
        const std::string dossier = dossier_problemes();
        const char* const noms[3] = {"a.dam", "b.dam", "c.dam"};
        for (int k = 0; k < 3; ++k) {
            QVERIFY(importer_partie(ctrl, lire_parties(va_et_vient(2 + 2 * k)).at(0)));
            QVERIFY(sauver_partie(ctrl, dossier + "/" + noms[k]));
            outils::ecrire(dossier + "/" + noms[k] + "t", std::string("Lecon ") + noms[k]);
        }
        auto* suivant = banc::c<QPushButton>(*f, "Panel13");
        auto* revoir = banc::c<QPushButton>(*f, "Panel14");
        auto* bloc = banc::c<FenetreTexte>(*f, "FenetreTexte");
        QVERIFY(suivant->isHidden());
        {
            Guetteur<QFileDialog> g(
                [&](QFileDialog* dlg) { brouillon::accepter(dlg, QString::fromStdString(dossier + "/b.dam")); });
            banc::c<QAction>(*f, "Problmes1")->trigger();
            QCOMPARE(g.vus(), 1);
        }
        QVERIFY(!suivant->isHidden() && !revoir->isHidden());
        QVERIFY(bloc->isVisible());
        QCOMPARE(bloc->texte(), QString("Lecon b.dam"));
        QTest::mouseClick(suivant, Qt::LeftButton);
        QCOMPARE(bloc->texte(), QString("Lecon c.dam"));
        QCOMPARE(ctrl.jeu().partie.dernier_demi_coup, 6);
        QTest::mouseClick(suivant, Qt::LeftButton);
        QCOMPARE(bloc->texte(), QString("Lecon a.dam"));
        QCOMPARE(ctrl.jeu().partie.dernier_demi_coup, 2);
        revenir_debut(ctrl);
        QTest::mouseClick(revoir, Qt::LeftButton);
        QCOMPARE(bloc->texte(), QString("Lecon a.dam"));
        QCOMPARE(ctrl.jeu().partie.demi_coup_courant, 2);
    }
};

QTEST_MAIN(TestTextesFenetre)
#include "test_textes_fenetre.moc"
