// The window at any size: clicks and drags name the same squares on a
// board shown twice as large, panels keep their places, and the keys step
// through the game as the navigation commands do.
#include <QDir>
#include <QLabel>
#include <QListWidget>

#include "banc.h"
#include "control/textes_parties.h"

using namespace kolmar;

namespace {

// The window grown until its surface is k times the logical one.
void agrandir(TForm1& f, int k) {
    QWidget* surface = banc::c<QWidget>(f, "Surface");
    const QSize logique(TForm1::LARGEUR_CLIENT, TForm1::HAUTEUR_CLIENT);
    f.resize(f.size() + (logique * k - surface->size()));
    QTRY_COMPARE(surface->size(), logique * k);
}

// The square the pending click names, the click then dropped.
int case_cliquee(TForm1& f) {
    Session& S = f.controleur().session();
    if (!clic_en_attente(S)) return 0;
    const Saisie e = S.saisies.front();
    S.saisies.clear();
    return case_du_point(e.x, e.y, f.controleur().ctx().damier_inverse != 0);
}

// A press on square `de`, a drag, a drop on `vers`, all in surface pixels
// at scale k; then the main loop takes the click left.
void glisser(TForm1& f, int de, int vers, int k) {
    QWidget* surface = banc::c<QWidget>(f, "Surface");
    const QPoint a = banc::point_de(f, de) * k, b = banc::point_de(f, vers) * k;
    QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, a);
    QTest::mouseMove(surface, (a + b) / 2);
    QTest::mouseMove(surface, b);
    QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, b);
    passe_boucle(f.controleur(), false);
}

}  // namespace

class TestEchelle : public QObject {
    Q_OBJECT

   private slots:
    // Twice the size: the middle of every cell, turned or not, and of
    // every 3D position still names its square; the counters follow the
    // board's turn at the scale and texts grow with it.
    void un_clic_au_double_nomme_sa_case() {
        auto f = banc::fenetre();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        auto* liste = banc::c<QListWidget>(*f, "ListBox1");
        const double taille_liste = liste->font().pointSizeF();
        agrandir(*f, 2);
        QCOMPARE(f->echelle().facteur(), 2.0);
        QWidget* surface = banc::c<QWidget>(*f, "Surface");
        for (bool inverse : {false, true}) {
            if (inverse) Inverser(f->controleur());
            for (int s = 1; s <= NB_CASES; ++s) {
                QTest::mouseClick(surface, Qt::LeftButton, Qt::NoModifier, banc::point_de(*f, s) * 2);
                QCOMPARE(case_cliquee(*f), s);
            }
        }
        QCOMPARE(banc::c<QWidget>(*f, "Panel6")->geometry(), QRect(2 * 514, 2 * 428, 2 * 118, 2 * 84));
        QCOMPARE(banc::c<QLabel>(*f, "Nbpionsnoirs")->font().pixelSize(), 44);
        // A list takes the theme's font, not its parent's: it grows too.
        QCOMPARE(liste->font().pointSizeF(), 2 * taille_liste);
        Inverser(f->controleur());

        banc::c<QAction>(*f, "Damier3D1")->trigger();
        QWidget* image = banc::c<QWidget>(*f, "Image5");
        QVERIFY(image->isVisible());
        QCOMPARE(image->size(), QSize(2 * LARGEUR_3D, 2 * HAUTEUR_3D));
        const Affichage& a = f->affichage();
        for (int j = 1; j <= NB_CASES; ++j) {
            const QPoint milieu(a.pos3d_x[j] + 30, a.pos3d_y[j] + 20);
            QTest::mouseClick(image, Qt::LeftButton, Qt::NoModifier, milieu * 2);
            QCOMPARE(case_cliquee(*f), j);
        }
    }

    // Twice the size: a man is painted from the large picture, not the
    // small one enlarged (a blurred board), on the 2D board and on a 3D
    // board alike.
    void le_damier_agrandi_est_net() {
        auto f = banc::fenetre();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        agrandir(*f, 2);
        const Affichage& a = f->affichage();
        // Mean difference per channel between what is shown and a picture
        // drawn at that size.
        auto ecart = [](const QImage& montree, const QImage& source) {
            const QImage r = source.scaled(montree.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                 .convertToFormat(QImage::Format_RGB32);
            double somme = 0;
            for (int y = 0; y < r.height(); ++y)
                for (int x = 0; x < r.width(); ++x) {
                    const QRgb p = montree.pixel(x, y), q = r.pixel(x, y);
                    somme +=
                        std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
                }
            return somme / (3.0 * r.width() * r.height());
        };
        auto vue = [&](const char* nom) {
            return banc::c<QWidget>(*f, nom)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        QVERIFY(!a.images_nettes[PION_BLANC].isNull());
        const QRect cellule = rectangle_de_case(50, false);
        const QImage montree = vue("Surface").copy(QRect(cellule.topLeft() * 2, cellule.size() * 2));
        const double nette = ecart(montree, a.images_nettes[PION_BLANC]), floue = ecart(montree, a.images[PION_BLANC]);
        QVERIFY2(nette < floue / 2, qPrintable(QStringLiteral("%1 against %2").arg(nette).arg(floue)));

        // Position 44 holds a white man at the start. Set 4: the bench's
        // window has loaded no piece pictures for sets 1 and 2.
        banc::c<QAction>(*f, "Damier3D4")->trigger();
        const QImage vue3d = vue("Image5");
        const Affichage3d& t = f->affichage3d();
        QVERIFY(t.grandes_ok);
        const QImage& grande = t.images3d_grandes[PION_BLANC][44];
        const QImage montree3d = vue3d.copy(QRect(QPoint(a.pos3d_x[44], a.pos3d_y[44]) * 2, grande.size()));
        const double nette3d = ecart(montree3d, grande), floue3d = ecart(montree3d, a.images3d[PION_BLANC][44]);
        QVERIFY2(nette3d < floue3d / 2, qPrintable(QStringLiteral("%1 against %2").arg(nette3d).arg(floue3d)));
    }

    // At twice the size: a man dragged to its square, a man already picked
    // up dragged (its press must not put it down), a capture dragged, and
    // a man dragged on a 3D board.
    void glisser_un_coup_et_une_prise() {
        auto f = banc::fenetre();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        agrandir(*f, 2);
        const Jeu& J = f->controleur().jeu();
        glisser(*f, 44, 38, 2);
        QCOMPARE(J.partie.demi_coup_courant, 1);
        QCOMPARE(J.plateau_affiche[38], uint8_t(PION_BLANC));
        // A slow click: the main loop takes the press before the release
        // comes, which must not put the piece down again.
        QWidget* surface = banc::c<QWidget>(*f, "Surface");
        QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, banc::point_de(*f, 25) * 2);
        passe_boucle(f->controleur(), false);
        QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, banc::point_de(*f, 25) * 2);
        passe_boucle(f->controleur(), false);
        QCOMPARE(f->controleur().session().case_choisie, uint8_t(25));
        QVERIFY(f->controleur().session().piece_choisie != 0);
        glisser(*f, 25, 31, 2);
        QCOMPARE(J.partie.demi_coup_courant, 2);
        QCOMPARE(J.plateau_affiche[31], uint8_t(PION_NOIR));
        glisser(*f, 38, 32, 2);
        glisser(*f, 26, 37, 2);
        QCOMPARE(J.partie.demi_coup_courant, 4);
        QCOMPARE(J.plateau_affiche[37], uint8_t(PION_NOIR));
        QCOMPARE(J.plateau_affiche[32], uint8_t(VIDE));

        // On a 3D board, a new game: 44-38, the man picked up first.
        nouvelle_partie(f->controleur());
        banc::c<QAction>(*f, "Damier3D1")->trigger();
        QWidget* image = banc::c<QWidget>(*f, "Image5");
        const Affichage& a = f->affichage();
        auto milieu = [&](int j) { return QPoint(a.pos3d_x[j] + 30, a.pos3d_y[j] + 20) * 2; };
        QTest::mouseClick(image, Qt::LeftButton, Qt::NoModifier, milieu(44));
        passe_boucle(f->controleur(), false);
        QCOMPARE(f->controleur().session().case_choisie, uint8_t(44));
        QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, milieu(44));
        QTest::mouseMove(image, milieu(38));
        QTest::mouseRelease(image, Qt::LeftButton, Qt::NoModifier, milieu(38));
        passe_boucle(f->controleur(), false);
        QCOMPARE(J.partie.demi_coup_courant, 1);
        QCOMPARE(J.plateau_affiche[38], uint8_t(PION_BLANC));
    }

    // After the window grew, the move list still showed the lines it had
    // at the top, the current one scrolled out of sight until the next move.
    void liste_suit_la_taille() {
        auto f = banc::fenetre();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        std::string pdn = "[FEN \"W:WK1,43:BK72,K71\"]\n";
        static const char* const coups[4] = {"1-7", "72-66", "7-1", "66-72"};
        for (int p = 0; p < 90; ++p) pdn += std::string(coups[p % 4]) + " ";
        QVERIFY(importer_partie(f->controleur(), lire_parties(pdn + "*\n").at(0)));
        auto* liste = banc::c<QListWidget>(*f, "ListBox1");
        QCOMPARE(liste->count(), 45);
        QCOMPARE(liste->currentRow(), 44);
        auto en_vue = [&] { return liste->viewport()->rect().contains(liste->visualItemRect(liste->currentItem())); };
        QVERIFY(en_vue());
        agrandir(*f, 2);
        QVERIFY2(en_vue(), "the current move left the list's view");
    }

    // The end-of-game panel was drawn under "Entraînement" and "Ordinateur
    // noir", which stand inside it: the result and the rating lines could
    // not be read. Whatever the ending and the size, nothing covers it.
    void resultat_au_dessus_des_panneaux() {
        auto f = banc::fenetre();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        Controleur& ctrl = f->controleur();
        QWidget* fin = banc::c<QWidget>(*f, "fin_de_parties");
        QWidget* surface = banc::c<QWidget>(*f, "Surface");
        for (int k : {1, 2}) {
            if (k == 2) agrandir(*f, 2);
            for (int kind : {FIN_SANS_COUP, FIN_TEMPS_ORDI, FIN_ABANDON}) {
                partie_entrainement(ctrl, true, "Zoe");
                fin_de_partie(ctrl, kind);
                QVERIFY(fin->isVisible());
                for (const char* nom : {"Panel11", "Couleurordi"}) {
                    QWidget* w = banc::c<QWidget>(*f, nom);
                    QVERIFY2(w->isVisible(), nom);
                    const QRect r = w->geometry() & fin->geometry();
                    QVERIFY2(!r.isEmpty(), nom);
                    QWidget* dessus = surface->childAt(r.center());
                    QVERIFY2(dessus == fin || fin->isAncestorOf(dessus), nom);
                }
            }
        }
    }

    // Left, Right, Home and End against the record's indexes, the move
    // list's selection with them; a rated match locks them as it locks
    // the navigation items.
    void touches_de_navigation() {
        auto f = banc::fenetre();
        for (int s : {44, 38, 25, 31, 38, 32}) banc::cliquer(*f, s);
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        const Partie& P = f->controleur().jeu().partie;
        auto* liste = banc::c<QListWidget>(*f, "ListBox1");
        QCOMPARE(P.demi_coup_courant, 3);
        QTest::keyClick(f.get(), Qt::Key_Left);
        QCOMPARE(P.demi_coup_courant, 2);
        QCOMPARE(liste->currentRow(), 0);
        QTest::keyClick(f.get(), Qt::Key_Home);
        QCOMPARE(P.demi_coup_courant, 0);
        QCOMPARE(liste->currentRow(), -1);
        QTest::keyClick(f.get(), Qt::Key_Right);
        QTest::keyClick(f.get(), Qt::Key_Right);
        QCOMPARE(P.demi_coup_courant, 2);
        QCOMPARE(liste->currentRow(), 0);
        QTest::keyClick(f.get(), Qt::Key_End);
        QCOMPARE(P.demi_coup_courant, 3);
        QCOMPARE(liste->currentRow(), 1);
        QCOMPARE(P.dernier_demi_coup, 3);

        poser_matchState(f->controleur(), MATCH_EN_COURS);
        regles_match(f->controleur());
        QTest::keyClick(f.get(), Qt::Key_Left);
        QTest::keyClick(f.get(), Qt::Key_Home);
        QCOMPARE(P.demi_coup_courant, 3);
    }

    // The README pictures of a window maximised on a 1920 x 1080 screen,
    // the 2D board and "Classique", in the folder KOLMAR_CAPTURES names.
    void captures() {
        const QString dossier = QString::fromLocal8Bit(qgetenv("KOLMAR_CAPTURES"));
        if (dossier.isEmpty()) QSKIP("KOLMAR_CAPTURES is not set");
        auto f = banc::fenetre();
        // 44-38 25-31 38-32: black must take.
        for (int s : {44, 38, 25, 31, 38, 32}) banc::cliquer(*f, s);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        // The screen less a title bar and a task bar.
        f->resize(1920, 1080 - 30 - 40);
        QTRY_VERIFY(f->echelle().facteur() > 1.8);
        QVERIFY(f->grab().save(QDir(dossier).filePath(QStringLiteral("window-maximised-2d.png")), "PNG"));
        // Set 4 first: the bench's window has loaded no piece pictures yet.
        banc::c<QAction>(*f, "Damier3D4")->trigger();
        banc::c<QAction>(*f, "Damier3D1")->trigger();
        QVERIFY(f->grab().save(QDir(dossier).filePath(QStringLiteral("window-maximised-3d.png")), "PNG"));
    }
};

QTEST_MAIN(TestEchelle)
#include "test_echelle.moc"
