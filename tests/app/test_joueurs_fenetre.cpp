// New games, players and rated matches from the main window, and the
// opening-library menus.
#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "brouillon.h"
#include "control/navigation.h"
#include "control/tour_ordinateur.h"
#include "engine/moteur.h"
#include "forms/fenetre_ouvertures.h"
#include "forms/nouvelle_partie.h"
#include "forms/panneaux_joueurs.h"
#include "records/joueurs.h"

using namespace kolmar;
using brouillon::Boite;
using brouillon::Dossier;
using brouillon::Guetteur;

namespace {

QStringList lignes_fichier(const Dossier& d, const char* nom) {
    QStringList l;
    for (const std::string& s : lire_lignes(d.std() + "/" + nom)) l << QString::fromStdString(s);
    return l;
}

// "Abandonner" during a match asks first; the box is answered `oui`.
bool abandonner(TForm1& f, bool oui) {
    Guetteur<QMessageBox> g{[oui](QMessageBox* m) { m->button(oui ? QMessageBox::Yes : QMessageBox::No)->click(); }};
    banc::c<QPushButton>(f, "Abandon")->click();
    return g.vus() == 1;
}

void ajouter(TForm1& f, const QString& nom, QRadioButton*(NouveauJoueur::*capital)) {
    banc::c<QAction>(f, "Match21")->trigger();
    QVERIFY(banc::c<NouveauJoueur>(f, "Nouveau_joueur")->isVisible());
    banc::c<NouveauJoueur>(f, "Nouveau_joueur")->Joueur->setText(nom);
    (banc::c<NouveauJoueur>(f, "Nouveau_joueur")->*capital)->setChecked(true);
    banc::c<NouveauJoueur>(f, "Nouveau_joueur")->BitBtn22->click();
    QVERIFY(banc::c<NouveauJoueur>(f, "Nouveau_joueur")->isHidden());
}

void choisir(QListWidget* l, const QString& nom) {
    const auto items = l->findItems(nom, Qt::MatchExactly);
    QVERIFY(!items.isEmpty());
    l->setCurrentItem(items.first());
    emit l->itemClicked(items.first());
}

bool actif(const QMenu* m) {
    return m->menuAction()->isEnabled();
}

}  // namespace

class TestJoueursFenetre : public QObject {
    Q_OBJECT

   private slots:
    // Two windows on one data folder: the second is told and either quits
    // or works read-only, writing neither register nor autosave there.
    void deux_fenetres_sur_un_dossier() {
        Dossier d;
        auto f = brouillon::fenetre(d);
        f->show();
        QVERIFY(f->prendre_dossier(d.std()));
        ajouter(*f, "Alice", &NouveauJoueur::K1700);
        auto g = brouillon::fenetre(d);
        g->show();
        QString vu;
        {
            Guetteur<QMessageBox> quitter{[&](QMessageBox* m) {
                vu = m->objectName();
                m->findChild<QPushButton*>(QStringLiteral("Quitter"))->click();
            }};
            QVERIFY(!g->prendre_dossier(d.std()));
        }
        QCOMPARE(vu, QStringLiteral("DossierOccupe"));
        {
            Guetteur<QMessageBox> lire{[](QMessageBox* m) {
                if (auto* b = m->findChild<QPushButton*>(QStringLiteral("LectureSeule"))) b->click();
            }};
            QVERIFY(g->prendre_dossier(d.std()));
        }
        const QStringList noms = lignes_fichier(d, "joueurs.dat"), points = lignes_fichier(d, "points.dat");
        {
            Boite b;
            banc::c<QAction>(*g, "Match21")->trigger();
            banc::c<NouveauJoueur>(*g, "Nouveau_joueur")->Joueur->setText(QStringLiteral("Bob"));
            banc::c<NouveauJoueur>(*g, "Nouveau_joueur")->BitBtn22->click();
            QVERIFY(b.vue());
            QVERIFY(b.texte.contains(QStringLiteral("lecture seule")));
        }
        QCOMPARE(lignes_fichier(d, "joueurs.dat"), noms);
        QCOMPARE(lignes_fichier(d, "points.dat"), points);
        QVERIFY(ecrire_autosave(g->controleur()));
        QVERIFY(!QFile::exists(QString::fromStdString(chemin_autosave())));
        poser_dossier_lecture_seule(std::string());
        // Once the first window is gone the folder is free again.
        f.reset();
        auto h = brouillon::fenetre(d);
        QVERIFY(h->prendre_dossier(d.std()));
    }

    // The names in the players' panels: a long one shows whole or cut with
    // an ellipsis inside its panel, never clipped on both sides; they and
    // the computer's colour follow "Inverser les joueurs" and "Humain
    // contre humain".
    void noms_dans_les_panneaux() {
        auto f = banc::fenetre();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        Controleur& ctrl = f->controleur();
        const std::string long_nom = "WWWWWWWWWWWWWWWWWWW";
        OKjoueurClick(ctrl, long_nom, "Eve");
        QLabel* blanc = banc::c<QLabel>(*f, "Nom_blanc");
        QLabel* noir = banc::c<QLabel>(*f, "Nom_noir");
        auto montre = [](QLabel* l) {
            l->parentWidget()->layout()->activate();
            return l->fontMetrics().horizontalAdvance(l->text()) <= l->contentsRect().width();
        };
        QVERIFY(blanc->fontMetrics().horizontalAdvance(QString::fromStdString(long_nom)) >
                blanc->contentsRect().width());
        QVERIFY(montre(blanc));
        QVERIFY(blanc->text().endsWith(QChar(0x2026)));
        QCOMPARE(blanc->toolTip(), QString::fromStdString(long_nom));
        QVERIFY(montre(noir));
        QCOMPARE(noir->text(), QString("Eve"));

        banc::c<QAction>(*f, "Humaincontrehumain1")->trigger();  // against the computer
        QCOMPARE(ctrl.session().contre_ordinateur, uint8_t(1));
        banc::c<QAction>(*f, "Inverserlesjoueurs1")->trigger();
        const EtatNote& e = ctrl.ctx().etat;
        QCOMPARE(blanc->toolTip(), QString::fromStdString(e.nom_blanc));
        QCOMPARE(noir->toolTip(), QString::fromStdString(e.nom_noir));
        QCOMPARE(banc::c<QLabel>(*f, "Couleurordi")->text(),
                 QString::fromUtf8(texte_couleur_ordinateur(FRANCAIS, ctrl.session().couleur_ordinateur)));
        banc::c<QAction>(*f, "Humaincontrehumain1")->trigger();
        QCOMPARE(ctrl.session().contre_ordinateur, uint8_t(0));
        QVERIFY(banc::c<QLabel>(*f, "Couleurordi")->isHidden());
        QCOMPARE(blanc->toolTip(), QString::fromStdString(e.nom_blanc));
        QCOMPARE(noir->toolTip(), QString::fromStdString(e.nom_noir));
    }

    // "Nouveau" shows the three pages with the register; each OK starts
    // its kind of game.
    void pages_de_nouvelle_partie() {
        Dossier d;
        auto f = brouillon::fenetre(d);
        f->show();
        ajouter(*f, "Alice", &NouveauJoueur::K1700);
        QCOMPARE(lignes_fichier(d, "points.dat"), QStringList({"2050", "1700"}));

        banc::c<QAction>(*f, "Nouveau2")->trigger();
        NouvellePartie* p = banc::c<NouvellePartie>(*f, "Nouvelle_partie");
        QVERIFY(p->isVisible());
        QCOMPARE(p->ListBox8->count(), 2);
        QCOMPARE(p->ListBox14->item(1)->text(), QString("1700"));

        // Training, the computer black: the human has white and moves first.
        choisir(p->ListBox8, "Alice");
        p->BitBtn15->click();
        QVERIFY(p->isHidden());
        Session& S = f->controleur().session();
        QCOMPARE(S.contre_ordinateur, uint8_t(1));
        QCOMPARE(S.couleur_ordinateur, uint8_t(1));
        QCOMPARE(int(matchState(f->controleur())), 0);
        QVERIFY(S.tour != Tour::a_jouer);
        QVERIFY(!banc::c<QAction>(*f, "Humaincontrehumain1")->isChecked());
        QCOMPARE(banc::c<QLabel>(*f, "Nom_blanc")->text(), QString("Alice"));
        QCOMPARE(banc::c<QLabel>(*f, "Nom_noir")->text(), QString("Kolmar"));
        QCOMPARE(banc::c<QLabel>(*f, "Panel11")->text(), QString::fromUtf8("Entraînement"));
        QVERIFY(banc::c<QPushButton>(*f, "Abandon")->isHidden());
        QCOMPARE(f->affichage().damier_inverse, uint8_t(0));

        // Training, the computer white: it opens, the board is turned.
        banc::c<QAction>(*f, "Nouveau2")->trigger();
        p->Valdorin_blanc->setChecked(true);
        p->BitBtn15->click();
        QCOMPARE(S.couleur_ordinateur, uint8_t(0));
        QVERIFY(S.tour == Tour::a_jouer);
        QCOMPARE(banc::c<QLabel>(*f, "Nom_blanc")->text(), QString("Kolmar"));
        QCOMPARE(banc::c<QLabel>(*f, "Nom_noir")->text(), QString("Alice"));
        QCOMPARE(f->affichage().damier_inverse, uint8_t(1));
        QCOMPARE(f->controleur().jeu().partie.demi_coup_courant, 0);

        // Two humans: refused without a white name, then started.
        banc::c<QAction>(*f, "Nouveau2")->trigger();
        p->setCurrentWidget(p->Humain);
        p->Joueur2->clear();
        p->BitBtn17->click();
        QVERIFY(p->isVisible());
        p->Joueur2->setText("Anne");
        p->Joueur3->setText("Bruno");
        p->BitBtn17->click();
        QVERIFY(p->isHidden());
        QCOMPARE(S.contre_ordinateur, uint8_t(0));
        QVERIFY(banc::c<QAction>(*f, "Humaincontrehumain1")->isChecked());
        QCOMPARE(banc::c<QLabel>(*f, "Nom_noir")->text(), QString("Bruno"));
        QVERIFY(banc::c<QLabel>(*f, "Panel11")->isHidden());

        // Cancel starts nothing.
        banc::cliquer(*f, 43);
        banc::c<QAction>(*f, "Nouveau2")->trigger();
        p->Annule_nouveau->click();
        QVERIFY(p->isHidden());
        QCOMPARE(f->controleur().jeu().partie.demi_coup_courant, 1);
    }

    // The keyboard reaches "Nouveau" (Ctrl+N) and "Quitter" (Alt+X), but
    // not during a match.
    void raccourcis() {
        Dossier d;
        auto f = brouillon::fenetre(d);
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        QTest::keyClick(f.get(), Qt::Key_N, Qt::ControlModifier);
        QVERIFY(banc::c<NouvellePartie>(*f, "Nouvelle_partie")->isVisible());
        banc::c<NouvellePartie>(*f, "Nouvelle_partie")->Annule_nouveau->click();

        partie_match(f->controleur(), true, "Inconnu", -1, banc::c<NouvellePartie>(*f, "Nouvelle_partie")->registre());
        QTest::keyClick(f.get(), Qt::Key_N, Qt::ControlModifier);
        QTest::keyClick(f.get(), Qt::Key_X, Qt::AltModifier);
        QVERIFY(banc::c<NouvellePartie>(*f, "Nouvelle_partie")->isHidden());
        QVERIFY(f->isVisible());
        QCOMPARE(f->controleur().session().fin_programme, uint8_t(0));

        AbandonClick(f->controleur());
        QTest::keyClick(f.get(), Qt::Key_X, Qt::AltModifier);
        QCOMPARE(f->controleur().session().fin_programme, uint8_t(1));
        QVERIFY(QFileInfo::exists(d.fichier("last72.dam")));
    }

    // A rated match: menus locked, closing ignored, clicks ignored while
    // the computer thinks; resigning scores it (white 2050 beats black
    // 1600: 2065 and 1585) and unlocks the window.
    void match_abandonne() {
        Dossier d;
        auto f = brouillon::fenetre(d);
        f->show();
        ajouter(*f, "Bob", &NouveauJoueur::K1600);

        banc::c<QAction>(*f, "Nouveau2")->trigger();
        NouvellePartie* p = banc::c<NouvellePartie>(*f, "Nouvelle_partie");
        p->setCurrentWidget(p->Match1);
        p->Joueur1->clear();
        p->BitBtn16->click();  // no name: refused
        QVERIFY(p->isVisible());
        choisir(p->ListBox9, "Bob");
        QCOMPARE(p->Joueur1->text(), QString("Bob"));
        p->Valdorin_blanc1->setChecked(true);
        p->BitBtn16->click();
        QVERIFY(p->isHidden());

        Session& S = f->controleur().session();
        QVERIFY(match_en_cours(f->controleur()));
        QCOMPARE(S.couleur_ordinateur, uint8_t(0));
        QCOMPARE(f->controleur().ctx().match.index_noir, 1);
        QCOMPARE(f->controleur().ctx().match.points_noir, 1600);
        QCOMPARE(f->controleur().ctx().match.points_blanc, 2050);
        QCOMPARE(banc::c<QLabel>(*f, "Panel11")->text(), QString("Match"));
        QVERIFY(banc::c<QPushButton>(*f, "Abandon")->isVisible());
        QVERIFY(banc::c<QAction>(*f, "Abandon1")->isVisible());
        for (QMenu* m :
             {banc::c<QMenu>(*f, "Fichier1"), banc::c<QMenu>(*f, "Joueurs1"), banc::c<QMenu>(*f, "Ouvertures1")})
            QVERIFY2(!actif(m), qPrintable(m->objectName()));
        QVERIFY(!banc::c<QAction>(*f, "Sauver1")->isEnabled());
        QVERIFY(!banc::c<QAction>(*f, "Nouveau2")->isEnabled());
        QVERIFY(!banc::c<QAction>(*f, "Reprendrecoups1")->isEnabled());
        QVERIFY(!banc::c<QToolButton>(*f, "SpeedButton1")->isEnabled());

        {
            Boite b;  // the box that says why the window stays
            QVERIFY(!f->close());
            QVERIFY(b.vue());
        }
        QVERIFY(f->isVisible());

        S.tour = Tour::a_jouer;
        QTest::mouseClick(banc::c<QWidget>(*f, "Surface"), Qt::LeftButton, Qt::NoModifier, banc::point_de(*f, 25));
        QVERIFY(!clic_en_attente(S));
        S.tour = Tour::repos;

        // A slip of the mouse does not lose a rated game.
        QVERIFY(abandonner(*f, false));
        QVERIFY(match_en_cours(f->controleur()));
        QVERIFY(banc::c<QFrame>(*f, "fin_de_parties")->isHidden());
        QVERIFY(abandonner(*f, true));
        QCOMPARE(banc::c<QLabel>(*f, "qui_gagne")->text(), QString("Vous abandonnez, gain KOLMAR"));
        QCOMPARE(banc::c<QLabel>(*f, "Resultat_blanc")->text(), QString::fromUtf8("Kolmar passe de 2050 à 2065"));
        QCOMPARE(banc::c<QLabel>(*f, "Resultat_noir")->text(), QString::fromUtf8("Bob passe de 1600 à 1585"));
        QCOMPARE(lignes_fichier(d, "points.dat"), QStringList({"2065", "1585"}));
        QCOMPARE(lignes_fichier(d, "joueurs.dat"), QStringList({"Kolmar", "Bob"}));
        QVERIFY(!match_en_cours(f->controleur()));
        QVERIFY(banc::c<QPushButton>(*f, "Abandon")->isHidden());
        QCOMPARE(banc::c<QLabel>(*f, "Panel11")->text(), QString::fromUtf8("Entraînement"));
        for (QMenu* m :
             {banc::c<QMenu>(*f, "Fichier1"), banc::c<QMenu>(*f, "Joueurs1"), banc::c<QMenu>(*f, "Ouvertures1")})
            QVERIFY(actif(m));
        QVERIFY(banc::c<QAction>(*f, "Sauver1")->isEnabled());
        QVERIFY(banc::c<QToolButton>(*f, "SpeedButton1")->isEnabled());
        banc::c<QPushButton>(*f, "BitBtn13")->click();
        QVERIFY(banc::c<QFrame>(*f, "fin_de_parties")->isHidden());
        QVERIFY(f->close());
    }

    // With the engine: the computer answers in the match, its turn does not
    // reopen what the match keeps locked, and the resignation is scored.
    void match_contre_le_moteur() {
        Dossier d;
        auto f = banc::fenetre();
        std::string err;
        QVERIFY2(charger_moteur(f->controleur(), err), err.c_str());  // from the program directory
        definir_repertoire_donnees(d.std());
        f->controleur().ctx().moteur->limites.profondeur_fixe = 2;
        banc::c<QAction>(*f, "Rflexionsurtempsadverse1")->setChecked(false);
        f->show();
        ajouter(*f, "Bob", &NouveauJoueur::K1800);
        banc::c<QAction>(*f, "Nouveau2")->trigger();
        NouvellePartie* p = banc::c<NouvellePartie>(*f, "Nouvelle_partie");
        choisir(p->ListBox9, "Bob");
        p->BitBtn16->click();  // Bob white

        banc::cliquer(*f, 43);
        QCOMPARE(f->controleur().jeu().partie.demi_coup_courant, 1);
        passe_boucle(f->controleur(), false);  // the computer's move
        QCOMPARE(f->controleur().jeu().partie.demi_coup_courant, 2);
        QCOMPARE(f->controleur().jeu().trait, uint8_t(BLANC));
        passe_boucle(f->controleur(), false);
        QVERIFY(match_en_cours(f->controleur()));
        QVERIFY(!actif(banc::c<QMenu>(*f, "Fichier1")));
        QVERIFY(!banc::c<QAction>(*f, "Sauver1")->isEnabled());
        QVERIFY(!banc::c<QAction>(*f, "Quitter1")->isEnabled());
        QVERIFY(!actif(banc::c<QMenu>(*f, "Ouvertures1")));
        QVERIFY(banc::c<QPushButton>(*f, "Abandon")->isVisible());

        QVERIFY(abandonner(*f, true));
        QVERIFY(!match_en_cours(f->controleur()));
        // Black (2050) beats white (1800).
        QCOMPARE(lignes_fichier(d, "points.dat"), QStringList({"2061", "1789"}));
        passe_boucle(f->controleur(), false);
        QVERIFY(banc::c<QAction>(*f, "Sauver1")->isEnabled());
        QVERIFY(actif(banc::c<QMenu>(*f, "Fichier1")));
    }

    // A registered name typed rather than picked plays on its own line.
    void nom_tape_sans_choisir() {
        Dossier d;
        auto f = brouillon::fenetre(d);
        f->show();
        ajouter(*f, "Bob", &NouveauJoueur::K1600);
        ajouter(*f, "Carl", &NouveauJoueur::K1800);
        banc::c<QAction>(*f, "Nouveau2")->trigger();
        NouvellePartie* p = banc::c<NouvellePartie>(*f, "Nouvelle_partie");
        p->ListBox9->clearSelection();
        p->Joueur1->setText("Carl");
        p->BitBtn16->click();
        QCOMPARE(f->controleur().ctx().match.index_blanc, 2);
        QCOMPARE(f->controleur().ctx().match.points_blanc, 1800);
        AbandonClick(f->controleur());
        QCOMPARE(lignes_fichier(d, "points.dat").value(1), QString("1600"));
        QVERIFY(lignes_fichier(d, "points.dat").value(2) != QString("1800"));

        // A name the register does not know: 1500 points, no line written,
        // even though Carl's line was the last one used.
        banc::c<QAction>(*f, "Nouveau2")->trigger();
        p->ListBox9->clearSelection();
        p->Joueur1->setText("Zed");
        p->BitBtn16->click();
        QCOMPARE(f->controleur().ctx().match.index_blanc, -1);
        QCOMPARE(f->controleur().ctx().match.points_blanc, 1500);
        const QStringList avant = lignes_fichier(d, "points.dat");
        AbandonClick(f->controleur());
        // Kolmar went from 2050 to 2061 beating Carl (1800).
        QCOMPARE(banc::c<QLabel>(*f, "Resultat_noir")->text(), QString::fromUtf8("Kolmar passe de 2061 à 2073"));
        QCOMPARE(banc::c<QLabel>(*f, "Resultat_blanc")->text(), QString::fromUtf8("Zed passe de 1500 à 1488"));
        const QStringList apres = lignes_fichier(d, "points.dat");
        QCOMPARE(apres.mid(1), avant.mid(1));
        QVERIFY(apres.value(0) != avant.value(0));
    }

    // A match ended twice (a time loss found again) is scored once; an
    // unrated game shows no rating lines.
    void un_seul_decompte() {
        Dossier d;
        auto f = brouillon::fenetre(d);
        f->show();
        ajouter(*f, "Carl", &NouveauJoueur::K1600);
        banc::c<QAction>(*f, "Nouveau2")->trigger();
        NouvellePartie* p = banc::c<NouvellePartie>(*f, "Nouvelle_partie");
        choisir(p->ListBox9, "Carl");
        p->Valdorin_blanc1->setChecked(true);
        p->BitBtn16->click();  // the computer white, Carl black

        // The computer's time is up: black (1600) beats white (2050).
        fin_de_partie(f->controleur(), FIN_TEMPS_ORDI);
        QCOMPARE(int(matchState(f->controleur())), 5);
        QCOMPARE(banc::c<QLabel>(*f, "Resultat_noir")->text(), QString::fromUtf8("Carl passe de 1600 à 1661"));
        QCOMPARE(banc::c<QLabel>(*f, "Resultat_blanc")->text(), QString::fromUtf8("Kolmar passe de 2050 à 1989"));
        QVERIFY(!match_en_cours(f->controleur()));
        QVERIFY(banc::c<QMenu>(*f, "Fichier1")->menuAction()->isEnabled());
        const QStringList points = lignes_fichier(d, "points.dat");
        QCOMPARE(points, QStringList({"1989", "1661"}));

        fin_de_partie(f->controleur(), FIN_TEMPS_HUMAIN);
        QCOMPARE(lignes_fichier(d, "points.dat"), points);
        QCOMPARE(banc::c<QLabel>(*f, "Resultat_noir")->text(), QString::fromUtf8("Carl passe de 1600 à 1661"));

        partie_entrainement(f->controleur(), true, "Carl");
        AbandonClick(f->controleur());
        QVERIFY(banc::c<QLabel>(*f, "Resultat_blanc")->text().isEmpty());
        QVERIFY(banc::c<QLabel>(*f, "Resultat_noir")->text().isEmpty());
        QCOMPARE(lignes_fichier(d, "points.dat"), points);
    }

    // "Effacer un joueur" removes the line from both files (never line 0);
    // "Changer les noms" renames the current players in the record too.
    void effacer_et_renommer() {
        Dossier d;
        auto f = brouillon::fenetre(d);
        f->show();
        ajouter(*f, "Dan", &NouveauJoueur::K1800);
        ajouter(*f, "Eva", &NouveauJoueur::K1600);

        banc::c<QAction>(*f, "Effacerunjoueur1")->trigger();
        QVERIFY(banc::c<EffaceJoueur>(*f, "Efface_j")->isVisible());
        QCOMPARE(banc::c<EffaceJoueur>(*f, "Efface_j")->ListBox15->count(), 3);
        choisir(banc::c<EffaceJoueur>(*f, "Efface_j")->ListBox15, "Kolmar");
        banc::c<EffaceJoueur>(*f, "Efface_j")->BitBtn20->click();
        QCOMPARE(lignes_fichier(d, "joueurs.dat").size(), 3);
        choisir(banc::c<EffaceJoueur>(*f, "Efface_j")->ListBox15, "Dan");
        banc::c<EffaceJoueur>(*f, "Efface_j")->BitBtn20->click();
        QVERIFY(banc::c<EffaceJoueur>(*f, "Efface_j")->isHidden());
        QCOMPARE(lignes_fichier(d, "joueurs.dat"), QStringList({"Kolmar", "Eva"}));
        QCOMPARE(lignes_fichier(d, "points.dat"), QStringList({"2050", "1600"}));

        banc::cliquer(*f, 43);
        banc::c<QAction>(*f, "Changerlesnoms1")->trigger();
        QVERIFY(banc::c<PanneauJoueurs>(*f, "Joueurs")->isVisible());
        QCOMPARE(banc::c<PanneauJoueurs>(*f, "Joueurs")->Edit2->text(), banc::c<QLabel>(*f, "Nom_blanc")->text());
        banc::c<PanneauJoueurs>(*f, "Joueurs")->Edit2->setText("Eva");
        banc::c<PanneauJoueurs>(*f, "Joueurs")->Edit3->setText("Zoe");
        banc::c<PanneauJoueurs>(*f, "Joueurs")->OKjoueur->click();
        QCOMPARE(banc::c<QLabel>(*f, "Nom_blanc")->text(), QString("Eva"));
        QCOMPARE(banc::c<QLabel>(*f, "Nom_noir")->text(), QString("Zoe"));
        const Partie& pt = f->controleur().jeu().partie;
        QCOMPARE(lire_nom(pt.partie[pt.demi_coup_courant] + OFS_NOM_BLANC), std::string("Eva"));
        QCOMPARE(lire_nom(pt.partie[pt.demi_coup_courant] + OFS_NOM_NOIR), std::string("Zoe"));
    }

    // "Paramétrage": each editor opens with the game's moves ready to add,
    // a library set replaces both lists, and the switch reaches the flag
    // the driver reads.
    void menus_des_ouvertures() {
        Dossier d;
        auto f = brouillon::fenetre(d);
        banc::cliquer(*f, 43);
        banc::cliquer(*f, 25);
        banc::cliquer(*f, 31);

        banc::c<QAction>(*f, "Ouverturespourlesblancs1")->trigger();
        QVERIFY(banc::c<FenetreOuvertures>(*f, "TForm2")->isVisible());
        QVERIFY(banc::c<FenetreOuvertures>(*f, "TForm3")->isHidden());
        QCOMPARE(banc::c<FenetreOuvertures>(*f, "TForm2")->Nouvelle_Ouverture->text(), QString("43-37 25-31 "));
        QCOMPARE(banc::c<FenetreOuvertures>(*f, "TForm2")->Liste_Ouvertures->count(),
                 int(lire_lignes(d.std() + "/Ouvert_b.ouv").size()));
        banc::c<FenetreOuvertures>(*f, "TForm2")->BitBtn2->click();
        QVERIFY(banc::c<FenetreOuvertures>(*f, "TForm2")->isHidden());
        banc::c<QAction>(*f, "Ouverturespourlesnoirs1")->trigger();
        QVERIFY(banc::c<FenetreOuvertures>(*f, "TForm3")->isVisible());
        QCOMPARE(banc::c<FenetreOuvertures>(*f, "TForm3")->Nouvelle_Ouverture->text(), QString("43-37 25-31 "));
        banc::c<FenetreOuvertures>(*f, "TForm3")->BitBtn2->click();

        {
            QFile b(d.fichier("Parametres/essai_b.ouv")), n(d.fichier("Parametres/essai_n.ouv")),
                m(d.fichier("Parametres/essai.ovv"));
            QVERIFY(b.open(QIODevice::WriteOnly) && n.open(QIODevice::WriteOnly) && m.open(QIODevice::WriteOnly));
            b.write("47-41 \r\n");
            n.write("48-41 29-36 \r\n48-41 25-31 \r\n");
        }
        {
            Guetteur<QFileDialog> dlg(
                [&](QFileDialog* o) { brouillon::accepter(o, d.fichier("Parametres/essai.ovv")); });
            banc::c<QAction>(*f, "Changerbibliothqueouvertures1")->trigger();
            QCOMPARE(dlg.vus(), 1);
        }
        QCOMPARE(f->controleur().ctx().bibliotheque.blancs.size(), size_t(1));
        QCOMPARE(f->controleur().ctx().bibliotheque.noirs.size(), size_t(2));
        QCOMPARE(lire_lignes(d.std() + "/Ouvert_n.ouv").size(), size_t(2));
        QCOMPARE(banc::c<FenetreOuvertures>(*f, "TForm3")->Liste_Ouvertures->count(), 2);

        // The switch is what the move driver reads, on the lists edited here.
        Moteur& m = *f->controleur().ctx().moteur;
        QCOMPARE(m.bibliotheque, &f->controleur().ctx().bibliotheque);
        QVERIFY(banc::c<QAction>(*f, "Bibliothquesactives1")->isChecked());
        QVERIFY(m.limites.bibliotheque);
        banc::c<QAction>(*f, "Bibliothquesactives1")->trigger();
        QVERIFY(!banc::c<QAction>(*f, "Bibliothquesactives1")->isChecked());
        QVERIFY(!m.limites.bibliotheque);
        banc::c<QAction>(*f, "Bibliothquesactives1")->trigger();
        QVERIFY(m.limites.bibliotheque);
    }
};

QTEST_MAIN(TestJoueursFenetre)
#include "test_joueurs_fenetre.moc"
