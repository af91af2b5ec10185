// The clocks, the level menu, the options and the move-list navigation as
// the main window shows and drives them. Time comes from an injected
// source: nothing here waits for the real clock.
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <cstring>

#include "banc.h"
#include "control/tour_ordinateur.h"
#include "forms/sons.h"

using namespace kolmar;

namespace {

struct Temps {
    int64_t ms = 1'000'000;
};

std::unique_ptr<TForm1> fenetre(Temps& t) {
    auto f = banc::fenetre();
    f->controleur().ctx().horloges.source = [&t] { return t.ms; };
    banc::c<QAction>(*f, "Horlogeszro1")->trigger();
    return f;
}

QStringList etiquettes(TForm1& f) {
    QStringList l;
    for (QLabel* e : {banc::c<QLabel>(f, "minnoir"), banc::c<QLabel>(f, "secnoir"), banc::c<QLabel>(f, "minblanc"),
                      banc::c<QLabel>(f, "secblanc"), banc::c<QLabel>(f, "minnoir3d"), banc::c<QLabel>(f, "secnoir3d"),
                      banc::c<QLabel>(f, "minblanc3d"), banc::c<QLabel>(f, "secblanc3d")})
        l << e->text();
    return l;
}

int32_t temps_note(TForm1& f, int p, int ofs) {
    int32_t v;
    std::memcpy(&v, f.controleur().jeu().partie.partie[p] + ofs, 4);
    return v;
}

int coches(TForm1& f) {
    int n = 0;
    for (int i = 0; i < NB_NIVEAUX; ++i) n += banc::niveau(f, i)->isChecked();
    return n;
}

}  // namespace

class TestHorlogesFenetre : public QObject {
    Q_OBJECT

   private slots:
    // Ticks refresh the side to move only, seconds padded, the 3D copies
    // alike; a half-move notes both clocks in the record.
    void tic_et_fin_de_tour() {
        Temps t;
        auto f = fenetre(t);
        QCOMPARE(banc::c<QTimer>(*f, "Timer1")->interval(), 1000);
        QVERIFY(banc::c<QTimer>(*f, "Timer1")->isActive());
        QCOMPARE(etiquettes(*f), QStringList(8, QStringLiteral("0")));
        t.ms += 7'400;
        ajouter_temps(f->controleur());
        QCOMPARE(etiquettes(*f), (QStringList{"0", "0", "0", "07", "0", "0", "0", "07"}));
        // The computer's turn: ticks change nothing.
        f->controleur().session().tour = Tour::a_jouer;
        t.ms += 5'000;
        ajouter_temps(f->controleur());
        QCOMPARE(banc::c<QLabel>(*f, "secblanc")->text(), QString("07"));
        f->controleur().session().tour = Tour::repos;
        t.ms -= 5'000;

        banc::cliquer(*f, 43);  // white moves after 7 s
        QCOMPARE(temps_note(*f, 1, OFS_TEMPS_BLANC), 7);
        QCOMPARE(temps_note(*f, 1, OFS_TEMPS_NOIR), 0);
        t.ms += 65'000;
        ajouter_temps(f->controleur());
        QCOMPARE(etiquettes(*f), (QStringList{"1", "05", "0", "07", "1", "05", "0", "07"}));
        banc::cliquer(*f, 25);
        banc::cliquer(*f, 31);
        QCOMPARE(temps_note(*f, 2, OFS_TEMPS_NOIR), 65);
        QCOMPARE(temps_note(*f, 2, OFS_TEMPS_BLANC), 7);
        t.ms += 3'600'000 - 7'000;
        ajouter_temps(f->controleur());
        QCOMPARE(banc::c<QLabel>(*f, "minblanc")->text(), QString("60"));
        QCOMPARE(banc::c<QLabel>(*f, "secblanc")->text(), QString("00"));
    }

    void horloges_a_zero_et_pause() {
        Temps t;
        auto f = fenetre(t);
        t.ms += 42'000;
        ajouter_temps(f->controleur());
        poser_matchState(f->controleur(), 1);
        banc::c<QAction>(*f, "Horlogeszro1")->trigger();
        QCOMPARE(etiquettes(*f), QStringList(8, QStringLiteral("0")));
        QCOMPARE(int(matchState(f->controleur())), 0);

        banc::c<QAction>(*f, "Pause2")->trigger();
        QVERIFY(!banc::c<QTimer>(*f, "Timer1")->isActive());
        QVERIFY(banc::c<QAction>(*f, "Pause2")->isChecked());
        t.ms += 20'000;
        ajouter_temps(f->controleur());
        QCOMPARE(banc::c<QLabel>(*f, "secblanc")->text(), QString("0"));
        banc::c<QAction>(*f, "Pause2")->trigger();
        QVERIFY(banc::c<QTimer>(*f, "Timer1")->isActive());
        QVERIFY(!banc::c<QAction>(*f, "Pause2")->isChecked());
        // A human move while stopped starts the clocks again.
        banc::c<QAction>(*f, "Pause2")->trigger();
        banc::cliquer(*f, 43);
        QVERIFY(banc::c<QTimer>(*f, "Timer1")->isActive());
        QVERIFY(!banc::c<QAction>(*f, "Pause2")->isChecked());
    }

    // Seventeen items, one check mark, and the engine's limits follow.
    void menu_des_niveaux() {
        Temps t;
        auto f = fenetre(t);
        QCOMPARE(banc::c<QMenu>(*f, "Niveau1")->title(), QString("Niveau"));
        QCOMPARE(banc::c<QMenu>(*f, "XSpecial1")->title(), QString::fromUtf8("X : Spécial"));
        QCOMPARE(banc::c<QMenu>(*f, "XSpecial1")->actions().size(), 8);
        QCOMPARE(coches(*f), 1);
        QVERIFY(f->findChild<QAction*>("Niveau05")->isChecked());
        Moteur& m = *f->controleur().ctx().moteur;
        QCOMPARE(m.limites.engineBudget, 160);
        QCOMPARE(m.limites.periodLimit, 178);

        f->findChild<QAction*>("Niveau081")->trigger();
        QCOMPARE(coches(*f), 1);
        QVERIFY(f->findChild<QAction*>("Niveau081")->isChecked());
        QCOMPARE(m.limites.engineBudget, 1680);
        QCOMPARE(m.limites.periodLimit, 1798);
        QCOMPARE(banc::c<QLineEdit>(*f, "Nbminutes")->text(), QString("30"));

        f->findChild<QAction*>("N250coupsen5mn1")->trigger();
        QCOMPARE(f->controleur().ctx().controle.levelCode, uint8_t(12));
        QCOMPARE(f->controleur().ctx().controle.levelIndex, uint8_t(2));
        QCOMPARE(m.limites.engineBudget, 270);
        QCOMPARE(coches(*f), 1);

        f->findChild<QAction*>("Niveau04")->trigger();
        QCOMPARE(m.limites.periodLimit, 600);
        f->findChild<QAction*>("Dbutant1")->trigger();
        QCOMPARE(m.limites.engineBudget, 5);
        QCOMPARE(f->controleur().ctx().controle.levelCode, uint8_t(0));
    }

    // "Autre" keeps its panel open on a refused figure and changes nothing.
    void autre_refuse_puis_accepte() {
        Temps t;
        auto f = fenetre(t);
        QAction* autre = f->findChild<QAction*>("N8Autre1");
        autre->trigger();
        QVERIFY(!banc::c<QFrame>(*f, "Panel9")->isHidden());
        QVERIFY(!autre->isChecked());
        QVERIFY(f->findChild<QAction*>("Niveau05")->isChecked());
        const ControleTemps avant = f->controleur().ctx().controle;
        for (const char* texte : {"0", "", "abc", "-4", "7x"}) {
            banc::c<QLineEdit>(*f, "Nbminutes")->setText(QString::fromLatin1(texte));
            banc::c<QPushButton>(*f, "BitBtn24")->click();
            QVERIFY2(!banc::c<QFrame>(*f, "Panel9")->isHidden(), texte);
            QCOMPARE(f->controleur().ctx().controle.engineBudget, avant.engineBudget);
            QCOMPARE(f->controleur().ctx().controle.levelCode, avant.levelCode);
        }
        banc::c<QLineEdit>(*f, "Nbminutes")->setText(QStringLiteral("7"));
        banc::c<QPushButton>(*f, "BitBtn24")->click();
        QVERIFY(banc::c<QFrame>(*f, "Panel9")->isHidden());
        QCOMPARE(f->controleur().ctx().moteur->limites.engineBudget, 385);
        QCOMPARE(f->controleur().ctx().moteur->limites.periodLimit, 418);
        QVERIFY(autre->isChecked());
        QCOMPARE(coches(*f), 1);
        f->findChild<QAction*>("Niveau081")->trigger();
        QVERIFY(!autre->isChecked());
        QCOMPARE(coches(*f), 1);
        // Cancel only closes.
        autre->trigger();
        banc::c<QPushButton>(*f, "BitBtn25")->click();
        QVERIFY(banc::c<QFrame>(*f, "Panel9")->isHidden());
        QVERIFY(f->findChild<QAction*>("Niveau081")->isChecked());
    }

    void options_cochables() {
        Temps t;
        auto f = fenetre(t);
        // Each mark is the controller's option, written by its own item.
        Options& o = f->controleur().options();
        const std::pair<const char*, bool Options::*> marques[] = {
            {"Rflexionsurtempsadverse1", &Options::reflexion_adverse},
            {"Arretrflexionparclicsouris1", &Options::arret_par_clic},
            {"Bipchaquecoup2", &Options::bip},
            {"Commentaires1", &Options::commentaires},
            {"Indicationdesmouvements1", &Options::indication_mouvements},
            {"Dcomposerlesprises1", &Options::decomposer_prises}};
        for (const auto& [nom, champ] : marques) {
            QAction* a = banc::c<QAction>(*f, nom);
            QVERIFY(a->isCheckable());
            QVERIFY(a->isChecked());
            QVERIFY(o.*champ);
            a->trigger();
            QVERIFY(!a->isChecked());
            QVERIFY2(!(o.*champ), nom);
            for (const auto& [autre, c2] : marques)
                if (c2 != champ) QVERIFY2(o.*c2 == banc::c<QAction>(*f, autre)->isChecked(), autre);
        }
        // Without "Arrêt réflexion par clic souris" a click during the
        // computer's turn is not even stored.
        f->controleur().session().tour = Tour::a_jouer;
        f->controleur().session().arret_calcul = 0;
        QTest::mouseClick(banc::c<QWidget>(*f, "Surface"), Qt::LeftButton, Qt::NoModifier, banc::point_de(*f, 43));
        QVERIFY(!clic_en_attente(f->controleur().session()));
        QCOMPARE(f->controleur().session().arret_calcul, uint8_t(0));
        // With it the press stops the thinking, and only that: it never
        // picks up a piece during the computer's turn.
        banc::c<QAction>(*f, "Arretrflexionparclicsouris1")->trigger();
        QTest::mouseClick(banc::c<QWidget>(*f, "Surface"), Qt::LeftButton, Qt::NoModifier, banc::point_de(*f, 43));
        QVERIFY(!clic_en_attente(f->controleur().session()));
        QCOMPARE(f->controleur().session().arret_calcul, uint8_t(1));
    }

    // The four step commands at both ends of the record and between.
    void navigation_aux_bornes() {
        Temps t;
        auto f = fenetre(t);
        Jeu& J = f->controleur().jeu();
        const std::string depart = banc::position(*f);
        QCOMPARE(banc::c<QAction>(*f, "Reprendrecoups1")->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(banc::c<QAction>(*f, "Avancercoups1")->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(banc::c<QAction>(*f, "Reveniraudbut1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F1));
        QCOMPARE(banc::c<QAction>(*f, "Allerlafin1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F2));
        QCOMPARE(banc::c<QToolButton>(*f, "SpeedButton1")->toolTip(), QString("Reculer d'un coup"));

        banc::c<QToolButton>(*f, "SpeedButton1")->click();  // nothing before the first move
        QCOMPARE(J.partie.demi_coup_courant, 0);
        QCOMPARE(banc::position(*f), depart);
        banc::cliquer(*f, 43);
        banc::cliquer(*f, 25);
        banc::cliquer(*f, 31);
        banc::cliquer(*f, 44);
        const std::string fin = banc::position(*f);
        QCOMPARE(J.partie.demi_coup_courant, 3);
        banc::c<QAction>(*f, "Avancercoups1")->trigger();  // nothing after the last
        QCOMPARE(J.partie.demi_coup_courant, 3);

        banc::c<QToolButton>(*f, "SpeedButton1")->click();
        QCOMPARE(J.partie.demi_coup_courant, 2);
        QCOMPARE(J.trait, uint8_t(BLANC));
        QCOMPARE(banc::c<QListWidget>(*f, "ListBox1")->currentRow(), 0);
        QCOMPARE(J.plateau_affiche[44], uint8_t(PION_BLANC));
        QVERIFY(std::memcmp(&J.damier[1], &J.plateau_affiche[1], NB_CASES) == 0);
        banc::c<QAction>(*f, "Reprendrecoups1")->trigger();
        QCOMPARE(banc::c<QListWidget>(*f, "ListBox1")->currentRow(), -1);
        banc::c<QAction>(*f, "Reveniraudbut1")->trigger();
        QCOMPARE(J.partie.demi_coup_courant, 0);
        QCOMPARE(banc::position(*f), depart);
        QCOMPARE(banc::c<QLabel>(*f, "Nbpionsblancs")->text(), QString(" 30"));
        banc::c<QAction>(*f, "Allerlafin1")->trigger();
        QCOMPARE(J.partie.demi_coup_courant, 3);
        QCOMPARE(banc::position(*f), fin);
        QCOMPARE(banc::c<QListWidget>(*f, "ListBox1")->currentRow(), 1);
        banc::c<QAction>(*f, "Avancercoups1")->trigger();
        QCOMPARE(J.partie.demi_coup_courant, 3);

        // A move after going back replaces the rest of the record.
        banc::c<QAction>(*f, "Reprendrecoups1")->trigger();
        banc::cliquer(*f, 45);
        banc::cliquer(*f, 39);
        QCOMPARE(J.partie.dernier_demi_coup, 3);
        QCOMPARE(J.plateau_affiche[39], uint8_t(PION_BLANC));
        QCOMPARE(J.plateau_affiche[44], uint8_t(PION_BLANC));
    }

    // A double-click on any line of a long game shows the start of it.
    void double_clic_sur_toute_ligne() {
        Temps t;
        auto f = fenetre(t);
        Partie& p = f->controleur().jeu().partie;
        for (int k = 1; k <= 400; ++k) {
            std::memcpy(p.partie[k], p.partie[0], TAILLE_ENREGISTREMENT);
            p.partie[k][OFS_CASES] = static_cast<uint8_t>(k % 2 ? PION_NOIR : VIDE);  // marks each ply
        }
        p.dernier_demi_coup = 400;
        p.demi_coup_courant = 400;
        p.lignes.assign(200, std::string(" x"));
        f->liste_coups(p.lignes, p.selection);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        for (int ligne : {0, 1, 127, 128, 199}) {
            QListWidgetItem* it = banc::c<QListWidget>(*f, "ListBox1")->item(ligne);
            banc::c<QListWidget>(*f, "ListBox1")->scrollToItem(it);
            const QPoint centre = banc::c<QListWidget>(*f, "ListBox1")->visualItemRect(it).center();
            // The view wants the press of the same item before the double-click.
            QTest::mousePress(banc::c<QListWidget>(*f, "ListBox1")->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
            QTest::mouseDClick(banc::c<QListWidget>(*f, "ListBox1")->viewport(), Qt::LeftButton, Qt::NoModifier,
                               centre);
            QCOMPARE(p.demi_coup_courant, 2 * ligne);
            QCOMPARE(banc::c<QListWidget>(*f, "ListBox1")->currentRow(), ligne);
        }
        // Black to move: the line's second half-move.
        banc::c<QAction>(*f, "Reprendrecoups1")->trigger();  // 397, odd
        revenir_n(f->controleur(), 150);
        QCOMPARE(p.demi_coup_courant, 301);
        QCOMPARE(f->controleur().jeu().plateau_affiche[1], uint8_t(PION_NOIR));
        revenir_n(f->controleur(), 200);  // past the end: nothing
        QCOMPARE(p.demi_coup_courant, 301);
    }

    // A rated game lost on time, each side, with its text and sound.
    void temps_depasse() {
        Temps t;
        QTemporaryDir scratch;
        for (bool ordinateur_perd : {true, false}) {
            auto f = fenetre(t);
            std::string err;
            QVERIFY(charger_moteur(f->controleur(), err));
            definir_repertoire_donnees(scratch.path().toStdString());  // points.dat goes there
            f->controleur().session().contre_ordinateur = 1;
            banc::option(*f, &Options::humains, false);
            banc::option(*f, &Options::reflexion_adverse, false);
            f->controleur().ctx().moteur->limites.profondeur_fixe = 2;
            f->controleur().ctx().match.points_blanc = 1750;
            poser_matchState(f->controleur(), 1);
            banc::cliquer(*f, 43);
            Horloges& h = f->controleur().ctx().horloges;
            if (ordinateur_perd)
                h.base_noir = 181;
            else
                h.base_blanc = 362;  // 362 / 2 > 180 for a player under 1800
            passe_boucle(f->controleur(), false);
            QVERIFY(!banc::c<QFrame>(*f, "fin_de_parties")->isHidden());
            QCOMPARE(banc::c<QLabel>(*f, "qui_gagne")->text(),
                     QString::fromUtf8(ordinateur_perd ? "Temps dépassé, vous gagnez" : "Temps dépassé, gain KOLMAR"));
            QCOMPARE(dernier_son(), QString(ordinateur_perd ? "gagne.wav" : "Perdu.wav"));
            QCOMPARE(f->controleur().jeu().partie.demi_coup_courant, 1);  // no move after the loss
            definir_repertoire_donnees(KOLMAR_DIR);
        }
        // At the limit nothing happens.
        auto f = fenetre(t);
        std::string err;
        QVERIFY(charger_moteur(f->controleur(), err));
        f->controleur().session().contre_ordinateur = 1;
        banc::option(*f, &Options::humains, false);
        banc::option(*f, &Options::reflexion_adverse, false);
        f->controleur().ctx().moteur->limites.profondeur_fixe = 2;
        f->controleur().ctx().match.points_blanc = 1750;
        poser_matchState(f->controleur(), 1);
        banc::cliquer(*f, 43);
        f->controleur().ctx().horloges.base_blanc = 360;
        passe_boucle(f->controleur(), false);
        QVERIFY(banc::c<QFrame>(*f, "fin_de_parties")->isHidden());
        QCOMPARE(f->controleur().jeu().partie.demi_coup_courant, 2);
    }
};

QTEST_MAIN(TestHorlogesFenetre)
#include "test_horloges_fenetre.moc"
