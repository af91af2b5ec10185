// The computer's turn in the window: its answer, stopping it, the beginner
// handicap, draw offers, computer against computer, pondering, and taking a
// move back while it thinks.
#include <QAction>
#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <cstring>

#include "banc.h"
#include "control/tour_ordinateur.h"
#include "lang/textes.h"

using namespace kolmar;

namespace {

// A window playing against the computer (black) at a fixed depth.
std::unique_ptr<TForm1> contre_ordinateur(int profondeur = 3) {
    auto f = banc::fenetre();
    std::string err;
    if (!charger_moteur(f->controleur(), err)) qFatal("engine data: %s", err.c_str());
    banc::option(*f, &Options::humains, false);
    f->controleur().session().contre_ordinateur = 1;
    banc::option(*f, &Options::reflexion_adverse, false);
    f->controleur().ctx().moteur->limites.profondeur_fixe = profondeur;
    // These tests watch the search: no move from the opening library.
    banc::c<QAction>(*f, "Bibliothquesactives1")->trigger();
    return f;
}

// Whether `apres` follows from `avant` by one legal move of `camp`.
bool coup_legal(const uint8_t* avant, int camp, const uint8_t* apres) {
    Jeu j;
    std::memcpy(j.damier, avant, TAILLE_DAMIER);
    j.damier[0] = BORD;
    const int n = coups_legaux(j.gen, camp);
    for (int i = 0; i < n; ++i) {
        uint8_t b[TAILLE_DAMIER];
        std::memcpy(b, avant, TAILLE_DAMIER);
        b[0] = BORD;
        jouer_coup(b, j.gen.liste_coups[1][i]);
        if (std::memcmp(&b[1], &apres[1], NB_CASES) == 0) return true;
    }
    return false;
}

bool plateaux_egaux(TForm1& f) {
    return std::memcmp(&f.controleur().jeu().damier[1], &f.controleur().jeu().plateau_affiche[1], NB_CASES) == 0;
}

// The record as if n quiet half-moves led to the current position.
void vieillir(TForm1& f, int n) {
    Partie& p = f.controleur().jeu().partie;
    for (int k = 1; k <= n; ++k) std::memcpy(p.partie[k], p.partie[0], TAILLE_ENREGISTREMENT);
    const int total = total_pieces(f.controleur().jeu().damier);
    for (int k = 0; k <= n; ++k) p.materiel[k] = total;
    p.demi_coup_courant = p.dernier_demi_coup = n;
    f.controleur().session().trait_dernier = f.controleur().jeu().trait;
}

}  // namespace

class TestOrdinateur : public QObject {
    Q_OBJECT

   private slots:
    void depart_contre_l_ordinateur() {
        auto f = banc::fenetre();
        // Before the test bench turns it into a two-player board.
        TForm1 neuve;
        QVERIFY(!banc::c<QAction>(neuve, "Humaincontrehumain1")->isChecked());
        QCOMPARE(neuve.controleur().session().contre_ordinateur, uint8_t(1));
        QCOMPARE(banc::c<QLabel>(neuve, "Couleurordi")->text(), QString("Ordinateur noir"));
        QVERIFY(banc::c<QAction>(neuve, "Rflexionsurtempsadverse1")->isChecked());
        QVERIFY(banc::c<QAction>(neuve, "Arretrflexionparclicsouris1")->isChecked());
        QVERIFY(banc::c<QAction>(neuve, "Bipchaquecoup2")->isChecked());
        QVERIFY(banc::c<QAction>(neuve, "Commentaires1")->isChecked());
        QVERIFY(!banc::c<QAction>(neuve, "Ordinateurcontreordinateur1")->isChecked());
        QCOMPARE(banc::c<QAction>(neuve, "Ordinateurcontreordinateur1")->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_C));
        QCOMPARE(banc::c<QTabWidget>(neuve, "Onglet")
                     ->tabText(banc::c<QTabWidget>(neuve, "Onglet")->indexOf(banc::c<QWidget>(neuve, "Calcul"))),
                 QString("Calcul"));
        QCOMPARE(banc::c<QPushButton>(neuve, "Joue")->text(), QString::fromUtf8("Arrêter le calcul"));
        QVERIFY(banc::c<QLabel>(neuve, "Zut")->isHidden());
        QVERIFY(banc::c<QFrame>(neuve, "Match_nul")->isHidden());
        QVERIFY(banc::c<QPushButton>(neuve, "Nulrefus")->isHidden());
        appliquer_langue(neuve.controleur(), ANGLAIS);
        QCOMPARE(banc::c<QPushButton>(neuve, "Joue")->text(), QString("Stop computing"));
        QCOMPARE(banc::c<QTabWidget>(neuve, "Onglet")
                     ->tabText(banc::c<QTabWidget>(neuve, "Onglet")->indexOf(banc::c<QWidget>(neuve, "Calcul"))),
                 QString("Compute"));
        QCOMPARE(banc::c<QLabel>(neuve, "Couleurordi")->text(), QString("Computer black"));

        // Eight sizes, one checked, the start size first.
        QList<QAction*> tailles = banc::c<QMenu>(neuve, "Tailledestablesdetransposition1")->actions();
        QCOMPARE(tailles.size(), 8);
        QCOMPARE(tailles[2]->text(), QString("1,5Mo"));
        int coches = 0;
        for (QAction* a : tailles) coches += a->isChecked();
        QCOMPARE(coches, 1);
        QVERIFY(tailles[2]->isChecked());
    }

    void taille_des_tables() {
        auto f = contre_ordinateur();
        Moteur& m = *f->controleur().ctx().moteur;
        banc::taille(*f, 5)->trigger();
        QCOMPARE(m.hash.menu, 5);
        QCOMPARE(int(m.hash.S), 700);
        QCOMPARE(m.hash.nb_entrees, 700u * 1310u);
        QVERIFY(banc::taille(*f, 5)->isChecked());
        QVERIFY(!banc::taille(*f, 2)->isChecked());
        banc::taille(*f, 0)->trigger();
        QCOMPARE(int(m.hash.S), 10);
        QCOMPARE(int(m.hash.H), -4);
        // The computer still plays with the smallest table.
        banc::cliquer(*f, 43);
        passe_boucle(f->controleur(), false);
        QCOMPARE(f->controleur().jeu().partie.demi_coup_courant, 2);
    }

    // The human's move hands over; the next pass answers with a legal move,
    // shown with its outlines, and gives the turn back.
    void repond_par_un_coup_legal() {
        auto f = contre_ordinateur();
        Session& S = f->controleur().session();
        Jeu& J = f->controleur().jeu();
        banc::cliquer(*f, 43);
        QVERIFY(tour_ordinateur(S));
        uint8_t avant[TAILLE_DAMIER];
        std::memcpy(avant, J.plateau_affiche, TAILLE_DAMIER);
        passe_boucle(f->controleur(), false);
        QVERIFY(!tour_ordinateur(S));
        QCOMPARE(J.partie.demi_coup_courant, 2);
        QCOMPARE(J.trait, uint8_t(BLANC));
        QVERIFY(coup_legal(avant, NOIR, J.plateau_affiche));
        QVERIFY(plateaux_egaux(*f));
        QCOMPARE(banc::c<QListWidget>(*f, "ListBox1")->count(), 1);
        QCOMPARE(banc::c<QLabel>(*f, "Couleurordi")->text(), QString("Ordinateur noir"));
        QVERIFY(banc::c<QListWidget>(*f, "ListBox2")->count() > 0);
        QVERIFY(banc::c<QListWidget>(*f, "ListBox2")->item(0)->text().contains(QStringLiteral(" : ")));
        QVERIFY(S.dernier_coup_ordi[1] != 0);
        // Menus given back, no handicap at this level.
        QVERIFY(banc::c<QAction>(*f, "Nouveau2")->isEnabled());
        QVERIFY(banc::c<QPushButton>(*f, "Proposernul")->isEnabled());
        QVERIFY(banc::c<QLabel>(*f, "Zut")->isHidden());
        QCOMPARE(f->controleur().ctx().etat.couleur_ordi, uint8_t(1));
        QCOMPARE(cases_de(J.partie, 2)[OFS_COULEUR_ORDI - 1], uint8_t(1));
    }

    // "Arrêter le calcul" ends a deep search at once with a legal move.
    void arreter_le_calcul() {
        auto f = contre_ordinateur(30);
        Jeu& J = f->controleur().jeu();
        banc::cliquer(*f, 43);
        uint8_t avant[TAILLE_DAMIER];
        std::memcpy(avant, J.plateau_affiche, TAILLE_DAMIER);
        bool vu_pendant = false;
        QTimer::singleShot(150, f.get(), [&] {
            vu_pendant = f->controleur().session().recherche_en_cours && !banc::c<QAction>(*f, "Nouveau2")->isEnabled();
            banc::c<QPushButton>(*f, "Joue")->click();
        });
        QElapsedTimer t;
        t.start();
        passe_boucle(f->controleur(), false);
        QVERIFY(vu_pendant);
        QVERIFY2(t.elapsed() < 3000, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(J.partie.demi_coup_courant, 2);
        QVERIFY(coup_legal(avant, NOIR, J.plateau_affiche));
        QVERIFY(plateaux_egaux(*f));
    }

    // At "0 : Néophyte" with more pieces than the human, the second move is
    // played and the window says so; with equal material it is not.
    void handicap_du_neophyte() {
        auto f = contre_ordinateur(2);
        f->findChild<QAction*>("Dbutant1")->trigger();
        f->controleur().ctx().moteur->limites.profondeur_fixe = 2;
        QVERIFY(banc::poser(*f, "B:W70:B1,2,3"));
        uint8_t avant[TAILLE_DAMIER];
        std::memcpy(avant, f->controleur().jeu().plateau_affiche, TAILLE_DAMIER);
        f->controleur().session().tour = Tour::a_jouer;
        passe_boucle(f->controleur(), false);
        QVERIFY(coup_legal(avant, NOIR, f->controleur().jeu().plateau_affiche));
        QVERIFY(!banc::c<QLabel>(*f, "Zut")->isHidden());

        QVERIFY(banc::poser(*f, "B:W70,71:B1,2"));
        f->controleur().session().tour = Tour::a_jouer;
        passe_boucle(f->controleur(), false);
        QVERIFY(banc::c<QLabel>(*f, "Zut")->isHidden());
        QCOMPARE(f->controleur().jeu().partie.demi_coup_courant, 1);
    }

    // Few pieces with a king and no capture for 20 half-moves: the computer
    // offers a draw; accepting it ends the game as a draw. Without the draw
    // rules: with them, two kings against one are drawn before any offer.
    void proposition_de_nul_acceptee() {
        auto f = contre_ordinateur(3);
        banc::option(*f, &Options::regles_nulle, false);
        QVERIFY(banc::poser(*f, "B:WK3:BK70,66"));
        vieillir(*f, 24);
        f->controleur().session().tour = Tour::a_jouer;
        passe_boucle(f->controleur(), false);
        QCOMPARE(f->controleur().jeu().partie.demi_coup_courant, 25);
        QVERIFY(!banc::c<QFrame>(*f, "Match_nul")->isHidden());
        QVERIFY(banc::c<QFrame>(*f, "fin_de_parties")->isHidden());
        banc::c<QPushButton>(*f, "BitBtn14")->click();
        QVERIFY(banc::c<QFrame>(*f, "Match_nul")->isHidden());
        QVERIFY(!banc::c<QFrame>(*f, "fin_de_parties")->isHidden());
        QCOMPARE(banc::c<QLabel>(*f, "qui_gagne")->text(), QString("Match nul !"));
        QCOMPARE(f->controleur().session().resultat, 1);

        // Refused: the panel goes, the game goes on.
        QVERIFY(banc::poser(*f, "B:WK3:BK70,66"));
        vieillir(*f, 24);
        f->controleur().session().tour = Tour::a_jouer;
        passe_boucle(f->controleur(), false);
        QVERIFY(!banc::c<QFrame>(*f, "Match_nul")->isHidden());
        banc::c<QPushButton>(*f, "Annul_nul")->click();
        QVERIFY(banc::c<QFrame>(*f, "Match_nul")->isHidden());
        QVERIFY(banc::c<QFrame>(*f, "fin_de_parties")->isHidden());
    }

    void regle_de_la_proposition() {
        auto f = contre_ordinateur();
        QVERIFY(banc::poser(*f, "B:WK3:BK70,66"));
        vieillir(*f, 21);
        QVERIFY(proposer_nul(f->controleur(), 0));
        QVERIFY(proposer_nul(f->controleur(), 29999));
        QVERIFY(proposer_nul(f->controleur(), -29999));
        QVERIFY(!proposer_nul(f->controleur(), 30000));
        vieillir(*f, 20);  // not more than 20 half-moves
        QVERIFY(!proposer_nul(f->controleur(), 0));
        vieillir(*f, 30);
        f->controleur().jeu().partie.partie[11][OFS_PRISE] = 1;  // a capture 19 half-moves ago
        QVERIFY(!proposer_nul(f->controleur(), 0));
        f->controleur().jeu().partie.partie[11][OFS_PRISE] = 0;
        f->controleur().jeu().partie.partie[10][OFS_PRISE] = 1;  // 20 ago: out of the window
        QVERIFY(proposer_nul(f->controleur(), 0));
        QVERIFY(banc::poser(*f, "B:W13:B60,66"));  // no king
        vieillir(*f, 30);
        QVERIFY(!proposer_nul(f->controleur(), 0));
        QVERIFY(banc::poser(*f, "B:WK3,15,17:BK70,66"));  // five pieces
        vieillir(*f, 30);
        QVERIFY(!proposer_nul(f->controleur(), 0));
    }

    // The human's offer: accepted on a score not in the computer's favour.
    void proposer_nul_par_l_humain() {
        auto f = contre_ordinateur();
        Session& S = f->controleur().session();
        f->controleur().ctx().moteur->dernier_score = 150;
        banc::c<QPushButton>(*f, "Proposernul")->click();
        QVERIFY(!banc::c<QPushButton>(*f, "Nulrefus")->isHidden());
        QVERIFY(banc::c<QFrame>(*f, "fin_de_parties")->isHidden());
        // The next click on the board takes the refusal away.
        banc::cliquer(*f, 43);
        QVERIFY(banc::c<QPushButton>(*f, "Nulrefus")->isHidden());
        // While pondering the score is the human's side's.
        S.en_reflexion_adverse = 1;
        banc::c<QPushButton>(*f, "Nulrefus")->click();
        S.en_reflexion_adverse = 0;
        QCOMPARE(banc::c<QLabel>(*f, "qui_gagne")->text(), QString("Match nul !"));
        QVERIFY(!banc::c<QFrame>(*f, "fin_de_parties")->isHidden());

        QVERIFY(banc::poser(*f, "W:W51:B45"));
        f->controleur().ctx().moteur->dernier_score = -40;
        banc::c<QPushButton>(*f, "Proposernul")->click();
        QVERIFY(!banc::c<QFrame>(*f, "fin_de_parties")->isHidden());
        QVERIFY(banc::c<QPushButton>(*f, "Nulrefus")->isHidden());
    }

    // Past 400 half-moves with the same material as 60 before, a game of
    // the computer against itself is drawn (without the draw rules, which
    // would have drawn these kings long before).
    void ordinateur_contre_ordinateur_nul() {
        auto f = contre_ordinateur(2);
        banc::option(*f, &Options::regles_nulle, false);
        banc::c<QAction>(*f, "Ordinateurcontreordinateur1")->trigger();
        QVERIFY(banc::c<QAction>(*f, "Ordinateurcontreordinateur1")->isChecked());
        QVERIFY(banc::poser(*f, "W:WK3,K8:BK70,K66"));
        vieillir(*f, 420);
        passe_boucle(f->controleur(), false);
        QCOMPARE(f->controleur().jeu().partie.demi_coup_courant, 421);
        QCOMPARE(banc::c<QLabel>(*f, "qui_gagne")->text(), QString("Match nul !"));
        QVERIFY(!banc::c<QAction>(*f, "Ordinateurcontreordinateur1")->isChecked());

        // Material that changed within the last 60 half-moves: play goes on,
        // and the computer moves for both sides.
        banc::c<QAction>(*f, "Ordinateurcontreordinateur1")->trigger();
        QVERIFY(banc::poser(*f, "W:WK3,K8:BK70,K66"));
        vieillir(*f, 420);
        for (int k = 0; k <= 362; ++k) f->controleur().jeu().partie.materiel[k] = 5;
        passe_boucle(f->controleur(), false);
        passe_boucle(f->controleur(), false);
        QCOMPARE(f->controleur().jeu().partie.demi_coup_courant, 422);
        QVERIFY(banc::c<QFrame>(*f, "fin_de_parties")->isHidden());
        QVERIFY(!nul_ordinateurs(f->controleur(), 0));
        f->controleur().jeu().partie.materiel[362] = f->controleur().jeu().partie.materiel[422];
        QVERIFY(nul_ordinateurs(f->controleur(), 19999));
        QVERIFY(!nul_ordinateurs(f->controleur(), 20000));
        QVERIFY(!nul_ordinateurs(f->controleur(), -20000));
        banc::c<QAction>(*f, "Ordinateurcontreordinateur1")->trigger();
        QVERIFY(!banc::c<QAction>(*f, "Ordinateurcontreordinateur1")->isChecked());
    }

    // Pondering runs once in the human's turn and leaves the boards alike;
    // a click ends it and is then played.
    void reflexion_sur_le_temps_adverse() {
        auto f = contre_ordinateur(3);
        Session& S = f->controleur().session();
        banc::option(*f, &Options::reflexion_adverse, true);
        banc::cliquer(*f, 43);
        passe_boucle(f->controleur(), false);  // the computer's move
        QVERIFY(!S.reflexion_faite);
        passe_boucle(f->controleur(), false);  // the human's turn: thinks
        QVERIFY(S.reflexion_faite);
        QVERIFY(plateaux_egaux(*f));
        QVERIFY(banc::c<QListWidget>(*f, "ListBox3")->count() > 0);
        QVERIFY(banc::c<QListWidget>(*f, "ListBox3")->item(0)->text().startsWith(QStringLiteral("Profondeur :")));

        // A deep pondering stopped by a click that then moves a piece.
        auto g = contre_ordinateur(30);
        banc::option(*g, &Options::reflexion_adverse, true);
        banc::cliquer(*g, 43);
        g->controleur().ctx().moteur->limites.profondeur_fixe = 2;
        passe_boucle(g->controleur(), false);
        g->controleur().ctx().moteur->limites.profondeur_fixe = 30;
        const int avant = g->controleur().jeu().partie.demi_coup_courant;
        const QPoint p = banc::point_de(*g, 44);
        QTimer::singleShot(150, g.get(), [&] {
            QTest::mouseClick(banc::c<QWidget>(*g, "Surface"), Qt::LeftButton, Qt::NoModifier, p);
        });
        QElapsedTimer t;
        t.start();
        passe_boucle(g->controleur(), false);
        QVERIFY2(t.elapsed() < 3000, qPrintable(QString::number(t.elapsed())));
        QVERIFY(g->controleur().session().reflexion_faite);
        QVERIFY(plateaux_egaux(*g) || g->controleur().jeu().partie.demi_coup_courant == avant + 1);
        QVERIFY(g->controleur().session().piece_choisie != 0 ||
                g->controleur().jeu().partie.demi_coup_courant == avant + 1);
    }

    // F1 while the computer thinks: the search gives up, both boards show
    // the position before the human's move, and nothing is played.
    void reprise_pendant_la_reflexion() {
        auto f = contre_ordinateur(30);
        Session& S = f->controleur().session();
        Jeu& J = f->controleur().jeu();
        banc::cliquer(*f, 43);
        QCOMPARE(J.partie.demi_coup_courant, 1);
        QTimer::singleShot(150, f.get(), [&] { banc::c<QToolButton>(*f, "SpeedButton1")->click(); });
        passe_boucle(f->controleur(), false);
        QCOMPARE(J.partie.demi_coup_courant, 0);
        QCOMPARE(J.trait, uint8_t(BLANC));
        QVERIFY(!tour_ordinateur(S));
        QVERIFY(!S.recherche_en_cours);
        QVERIFY(plateaux_egaux(*f));
        QCOMPARE(banc::position(*f), banc::position(*banc::fenetre()));
        QCOMPARE(banc::c<QLabel>(*f, "Nbpionsblancs")->text(), QString(" 30"));
        // The next passes wait for the human.
        passe_boucle(f->controleur(), false);
        QCOMPARE(J.partie.demi_coup_courant, 0);

        // The same from pondering: the human's turn goes back one ply.
        banc::option(*f, &Options::reflexion_adverse, true);
        f->controleur().ctx().moteur->limites.profondeur_fixe = 2;
        banc::cliquer(*f, 43);
        passe_boucle(f->controleur(), false);
        QCOMPARE(J.partie.demi_coup_courant, 2);
        f->controleur().ctx().moteur->limites.profondeur_fixe = 30;
        QTimer::singleShot(150, f.get(), [&] { banc::c<QToolButton>(*f, "SpeedButton1")->click(); });
        passe_boucle(f->controleur(), false);
        QCOMPARE(J.partie.demi_coup_courant, 1);
        QCOMPARE(J.trait, uint8_t(NOIR));
        QVERIFY(plateaux_egaux(*f));
        QVERIFY(!tour_ordinateur(S));
    }

    // Back to the start while the computer (black) thinks: white is to move,
    // so the turn is the human's; to the end: the computer's again.
    void debut_et_fin_pendant_la_reflexion() {
        auto f = contre_ordinateur(30);
        Session& S = f->controleur().session();
        Jeu& J = f->controleur().jeu();
        // The board's buttons: the menu "Edition" and its keys are locked
        // while the computer thinks. A failed jump must not leave the deep
        // search running.
        QTimer::singleShot(8000, f.get(), [&] { S.arret_calcul = 1; });
        banc::cliquer(*f, 43);
        QTimer::singleShot(100, f.get(), [&] { banc::c<QToolButton>(*f, "SpeedButton4")->click(); });
        passe_boucle(f->controleur(), false);
        QCOMPARE(J.partie.demi_coup_courant, 0);
        QCOMPARE(J.trait, uint8_t(BLANC));
        QVERIFY(!tour_ordinateur(S));
        QVERIFY(plateaux_egaux(*f));

        banc::cliquer(*f, 43);
        QVERIFY(tour_ordinateur(S));
        QTimer::singleShot(100, f.get(), [&] { banc::c<QToolButton>(*f, "SpeedButton5")->click(); });
        passe_boucle(f->controleur(), false);
        QCOMPARE(J.partie.demi_coup_courant, 1);
        QCOMPARE(J.trait, uint8_t(NOIR));
        QVERIFY(plateaux_egaux(*f));
        QVERIFY(tour_ordinateur(S));
        f->controleur().ctx().moteur->limites.profondeur_fixe = 2;
        passe_boucle(f->controleur(), false);
        QCOMPARE(J.partie.demi_coup_courant, 2);
        QCOMPARE(J.trait, uint8_t(BLANC));
    }

    // After 1. 44-38 29-35, 49-44 dragged: the press alone played it, and
    // the release, taken after black's reply, played the man now on 44 as
    // well. The press picks the piece up, the drop plays it, the release
    // starts nothing. On the 2D board and on a 3D one.
    void un_glisser_ne_joue_que_son_coup() {
        for (bool trois_d : {false, true}) {
            auto f = contre_ordinateur(2);
            Controleur& ctrl = f->controleur();
            QVERIFY(banc::poser(*f, "W:W38,43,45-72:B1-28,30,35"));
            QWidget* w = banc::c<QWidget>(*f, "Surface");
            if (trois_d) {
                banc::c<QAction>(*f, "Damier3D1")->trigger();
                w = banc::c<QWidget>(*f, "Image5");
            }
            const Affichage& a = f->affichage();
            auto point = [&](int s) {
                return trois_d ? QPoint(a.pos3d_x[s] + 30, a.pos3d_y[s] + 20) : banc::point_de(*f, s);
            };
            QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, point(49));
            passe_boucle(ctrl, false);
            passe_boucle(ctrl, false);
            QVERIFY2(ctrl.jeu().partie.demi_coup_courant == 0, "the press played the move");
            QTest::mouseMove(w, point(44));
            QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, point(44));
            for (int i = 0; i < 4; ++i) passe_boucle(ctrl, false);
            QCOMPARE(ctrl.jeu().partie.demi_coup_courant, 2);
            QCOMPARE(ctrl.jeu().plateau_affiche[44], uint8_t(PION_BLANC));
            QCOMPARE(ctrl.jeu().plateau_affiche[49], uint8_t(VIDE));
            QCOMPARE(ctrl.jeu().trait, uint8_t(BLANC));
        }
    }

    // A takeback while the computer's move is being shown waits: the move
    // is committed on the position it was found for.
    void reprise_pendant_l_affichage() {
        auto f = contre_ordinateur(2);
        f->controleur().ctx().delais.clignotement_ms = 30;
        banc::cliquer(*f, 43);
        bool pendant = false;
        QTimer::singleShot(150, f.get(), [&] {
            pendant = f->controleur().session().tour == Tour::coup_montre;
            banc::c<QToolButton>(*f, "SpeedButton1")->click();
        });
        passe_boucle(f->controleur(), false);
        QVERIFY(pendant);
        QCOMPARE(f->controleur().jeu().partie.demi_coup_courant, 2);
        QCOMPARE(f->controleur().jeu().trait, uint8_t(BLANC));
        QVERIFY(plateaux_egaux(*f));
        banc::c<QToolButton>(*f, "SpeedButton1")->click();  // afterwards it works
        QCOMPARE(f->controleur().jeu().partie.demi_coup_courant, 1);
        QVERIFY(plateaux_egaux(*f));
    }

    // Accepting the draw while the computer ponders ends the game and stops
    // the search at once; the board stays as it was.
    void nul_accepte_pendant_la_reflexion() {
        auto f = contre_ordinateur(2);
        banc::option(*f, &Options::reflexion_adverse, true);
        banc::cliquer(*f, 43);
        passe_boucle(f->controleur(), false);
        f->controleur().ctx().moteur->limites.profondeur_fixe = 30;
        banc::c<QFrame>(*f, "Match_nul")->show();
        bool pendant = false;
        QTimer::singleShot(150, f.get(), [&] {
            pendant = f->controleur().session().recherche_en_cours;
            banc::c<QPushButton>(*f, "BitBtn14")->click();
        });
        QElapsedTimer t;
        t.start();
        passe_boucle(f->controleur(), false);
        QVERIFY(pendant);
        QVERIFY(t.elapsed() < 3000);
        QCOMPARE(banc::c<QLabel>(*f, "qui_gagne")->text(), QString("Match nul !"));
        QVERIFY(!banc::c<QFrame>(*f, "fin_de_parties")->isHidden());
        QVERIFY(plateaux_egaux(*f));
    }

    // Without "Réflexion sur temps adverse" the human's turn runs no search.
    void pas_de_reflexion_sans_l_option() {
        auto f = contre_ordinateur(2);
        banc::cliquer(*f, 43);
        passe_boucle(f->controleur(), false);
        const uint64_t noeuds = f->controleur().ctx().moteur->noeuds;
        QVERIFY(noeuds > 0);
        passe_boucle(f->controleur(), false);
        passe_boucle(f->controleur(), false);
        QVERIFY(!f->controleur().session().reflexion_faite);
        QCOMPARE(f->controleur().ctx().moteur->noeuds, noeuds);
    }

    // "Inverser les joueurs": the computer takes the side to move and plays.
    void inverser_les_joueurs() {
        auto f = contre_ordinateur(2);
        banc::c<QAction>(*f, "Inverserlesjoueurs1")->trigger();
        QCOMPARE(banc::c<QLabel>(*f, "Couleurordi")->text(), QString("Ordinateur blanc"));
        QCOMPARE(banc::c<QAction>(*f, "Inverserlesjoueurs1")->shortcut(), QKeySequence(Qt::Key_F4));
        passe_boucle(f->controleur(), false);
        QCOMPARE(f->controleur().jeu().partie.demi_coup_courant, 1);
        QCOMPARE(f->controleur().session().couleur_ordinateur, uint8_t(0));
        QCOMPARE(f->controleur().jeu().trait, uint8_t(NOIR));
        QVERIFY(!tour_ordinateur(f->controleur().session()));

        // A new game with the computer as white opens with its move.
        nouvelle_partie_contre_ordinateur(f->controleur(), false);
        passe_boucle(f->controleur(), false);
        QCOMPARE(f->controleur().jeu().partie.demi_coup_courant, 1);
        QCOMPARE(banc::c<QLabel>(*f, "Couleurordi")->text(), QString("Ordinateur blanc"));
    }
};

QTEST_MAIN(TestOrdinateur)
#include "test_ordinateur.moc"
