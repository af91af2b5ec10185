// The 2D board: click geometry, pictures, drawing, orientation, numbers,
// counters, and the README screenshot.
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include "banc.h"

using namespace kolmar;

namespace {

// Top-left pixel of the cell where square s is drawn.
QPoint coin(const TForm1& f, int s) {
    int r, c;
    cellule_de_case(s, f.affichage().damier_inverse != 0, r, c);
    return QPoint(TAILLE_CELLULE * c + DECALAGE_DAMIER, TAILLE_CELLULE * r + DECALAGE_DAMIER);
}

// The 41x41 block of the canvas at square s equals the picture of code.
bool case_montre(const TForm1& f, int s, int code) {
    QPoint p = coin(f, s);
    const QImage& img = f.affichage().images[code];
    for (int y = 1; y < 40; y += 3)
        for (int x = 1; x < 40; x += 3)
            if (f.affichage().canvas.pixel(p.x() + x, p.y() + y) != img.pixel(x, y)) return false;
    return true;
}

double luminance_moyenne(const QImage& img, QRect zone) {
    double s = 0;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x) s += qGray(img.pixel(x, y));
    return s / (zone.width() * zone.height());
}

}  // namespace

class TestDamier2D : public QObject {
    Q_OBJECT

   private slots:
    // The click grid is the drawn one: 41-pixel cells from the board's
    // offset, so every pixel of a drawn cell names its own square.
    void case_du_point_regle() {
        QCOMPARE(case_du_point(59, 19, false), 1);
        QCOMPARE(case_du_point(19, 19, false), 1);  // light half of the pair
        QCOMPARE(case_du_point(9, 50, false), 7);
        QCOMPARE(case_du_point(49, 49, false), 1);  // last pixel of the first cell
        QCOMPARE(case_du_point(50, 50, false), 7);
        QCOMPARE(case_du_point(46, 335, false), 43);  // the man on 43, right part of its cell
        QCOMPARE(case_du_point(500, 500, false), 72);
        QCOMPARE(case_du_point(59, 19, true), 72);
        QCOMPARE(case_du_point(500, 500, true), 1);
        QCOMPARE(case_du_point(8, 19, false), 0);  // the frame
        QCOMPARE(case_du_point(19, 8, false), 0);
        QCOMPARE(case_du_point(19, 501, false), 0);  // row 12

        QVERIFY(cellule_sombre(59, 19));
        QVERIFY(!cellule_sombre(19, 19));
        QVERIFY(cellule_sombre(9, 50));
        QVERIFY(!cellule_sombre(501, 50));  // column 12, beside the board
        QVERIFY(!cellule_sombre(50, 501));
        QVERIFY(!cellule_sombre(4, 50));
    }

    // Every square's drawn cell is picked back by a click anywhere in it,
    // corners included, in both orientations.
    void dessin_et_clic_concordent() {
        for (bool inverse : {false, true})
            for (int s = 1; s <= NB_CASES; ++s) {
                const QRect cellule = rectangle_de_case(s, inverse);
                int r, c;
                cellule_de_case(s, inverse, r, c);
                QVERIFY((r + c) % 2 == 1);
                for (QPoint p : {cellule.center(), cellule.topLeft(), cellule.bottomRight()}) {
                    QCOMPARE(case_du_point(p.x(), p.y(), inverse), s);
                    QVERIFY(cellule_sombre(p.x(), p.y()));
                }
            }
        int r, c;
        cellule_de_case(1, false, r, c);
        QCOMPARE(QPoint(c, r), QPoint(1, 0));
        cellule_de_case(6, false, r, c);
        QCOMPARE(QPoint(c, r), QPoint(11, 0));
        cellule_de_case(7, false, r, c);
        QCOMPARE(QPoint(c, r), QPoint(0, 1));
        cellule_de_case(72, false, r, c);
        QCOMPARE(QPoint(c, r), QPoint(10, 11));
        cellule_de_case(72, true, r, c);
        QCOMPARE(QPoint(c, r), QPoint(1, 0));
        cellule_de_case(1, true, r, c);
        QCOMPARE(QPoint(c, r), QPoint(10, 11));
    }

    void couleurs_et_compteurs() {
        QCOMPARE(couleur_fenetre(COULEUR_ROUGE), QColor(255, 0, 0));
        QCOMPARE(couleur_fenetre(COULEUR_BLEU), QColor(0, 0, 255));
        QCOMPARE(couleur_fenetre(COULEUR_FUCHSIA), QColor(255, 0, 255));
        QCOMPARE(couleur_fenetre(COULEUR_AQUA), QColor(0, 255, 255));
        QCOMPARE(couleur_fenetre(0x00FFFF), QColor(255, 255, 0));
        QCOMPARE(format_compte(0), QString("  0"));
        QCOMPARE(format_compte(7), QString("  7"));
        QCOMPARE(format_compte(30), QString(" 30"));
    }

    void images_generees() {
        definir_repertoire_donnees(KOLMAR_DIR);
        Affichage a;
        std::string manquant;
        QVERIFY(charger_images(a, manquant));
        for (const QImage& img : a.images) QCOMPARE(img.size(), QSize(41, 41));
        QCOMPARE(a.image_claire.size(), QSize(41, 41));
        const QRect centre(14, 14, 4, 4), coin_haut(0, 0, 5, 5);
        // Light squares are lighter than dark ones; white men lighter than black.
        QVERIFY(luminance_moyenne(a.image_claire, QRect(0, 0, 41, 41)) >
                luminance_moyenne(a.images[VIDE], QRect(0, 0, 41, 41)) + 30);
        QVERIFY(luminance_moyenne(a.images[PION_BLANC], centre) > luminance_moyenne(a.images[PION_NOIR], centre) + 100);
        // Same square ground under every piece, and a crown on the kings.
        QCOMPARE(a.images[PION_BLANC].copy(coin_haut), a.images[VIDE].copy(coin_haut));
        QVERIFY(a.images[DAME_BLANCHE] != a.images[PION_BLANC]);
        QVERIFY(a.images[DAME_NOIRE] != a.images[PION_NOIR]);
        QVERIFY(a.images[DAME_NOIRE].copy(QRect(18, 18, 5, 5)) != a.images[PION_NOIR].copy(QRect(18, 18, 5, 5)));
    }

    // A second run of the generator writes the very same bytes.
    void images_reproductibles() {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        QCOMPARE(QProcess::execute(QStringLiteral(GEN_IMAGES), {tmp.path()}), 0);
        for (const char* nom : {"1pva.bmp", "1pba.BMP", "1dba.bmp", "1pna.bmp", "1dna.bmp", "1cache.BMP"}) {
            QFile a(tmp.filePath(nom)), b(QString(KOLMAR_DIR) + "/Images1c/" + nom);
            QVERIFY2(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly), nom);
            const QByteArray da = a.readAll();
            QCOMPARE(da.size(), 54 + 124 * 41);
            QVERIFY2(da == b.readAll(), nom);
        }
    }

    void image_manquante_nommee() {
        QTemporaryDir tmp;
        QVERIFY(QDir(tmp.path()).mkdir("images1C"));
        QFile::copy(QString(KOLMAR_DIR) + "/Images1c/1pva.bmp", tmp.path() + "/images1C/1PVA.BMP");
        definir_repertoire_donnees(tmp.path().toStdString());
        Affichage a;
        std::string manquant;
        QVERIFY(!charger_images(a, manquant));
        // The first picture was found despite the case; the second is named.
        QVERIFY(!a.images[VIDE].isNull());
        QVERIFY2(QString::fromStdString(manquant).endsWith("1pba.BMP"), manquant.c_str());
        definir_repertoire_donnees(KOLMAR_DIR);
    }

    void placer_pions_dessine_la_position() {
        auto f = banc::fenetre();
        QVERIFY(case_montre(*f, 1, PION_NOIR));
        QVERIFY(case_montre(*f, 30, PION_NOIR));
        QVERIFY(case_montre(*f, 36, VIDE));
        QVERIFY(case_montre(*f, 72, PION_BLANC));
        QVERIFY(banc::poser(*f, "W:WK1,70:B5,K66"));
        QVERIFY(case_montre(*f, 1, DAME_BLANCHE));
        QVERIFY(case_montre(*f, 66, DAME_NOIRE));
        QVERIFY(case_montre(*f, 2, VIDE));
        // The frame: white outline at 7, grey on the top edge at 6.
        QCOMPARE(f->affichage().canvas.pixelColor(7, 300), QColor(255, 255, 255));
        QCOMPARE(f->affichage().canvas.pixelColor(300, 6), QColor(128, 128, 128));
        // A light square, one pixel right of and below its cell.
        QCOMPARE(f->affichage().canvas.pixel(10 + 20, 10 + 20), f->affichage().image_claire.pixel(20, 20));
    }

    // An outline is two rings on the edge of its own cell: it touches no
    // neighbouring cell, and redrawing the square wipes it whole (a ring
    // one pixel too wide left lines all over the board).
    void encadrer_reste_dans_sa_case() {
        auto f = banc::fenetre();
        const QColor bleu(0, 0, 255);
        for (bool inverse : {false, true}) {
            if (inverse) Inverser(f->controleur());
            for (int s : {1, 6, 44, 67, 72}) {
                const QImage avant = f->affichage().canvas.copy();
                f->encadrer_case(s, COULEUR_BLEU, false);
                const QImage& apres = f->affichage().canvas;
                const QRect cellule = rectangle_de_case(s, inverse);
                QCOMPARE(apres.pixelColor(cellule.topLeft()), bleu);
                QCOMPARE(apres.pixelColor(cellule.bottomRight()), bleu);
                QCOMPARE(apres.pixelColor(cellule.topLeft() + QPoint(1, 20)), bleu);  // inner ring
                QVERIFY(apres.pixelColor(cellule.center()) != bleu);
                QImage dehors = apres.copy();
                QPainter(&dehors).drawImage(cellule.topLeft(), avant.copy(cellule));
                QVERIFY2(dehors == avant, qPrintable(QStringLiteral("square %1 drew outside its cell").arg(s)));
                f->dessiner_case(s, f->controleur().jeu().plateau_affiche[s]);
                QVERIFY2(f->affichage().canvas == avant, qPrintable(QStringLiteral("square %1 kept a line").arg(s)));
            }
        }
    }

    void inverser_deux_fois_restaure_tout() {
        auto f = banc::fenetre();
        QVERIFY(banc::poser(*f, "W:W72,K40:B1,3"));
        const QImage avant = f->affichage().canvas.copy();
        Inverser(f->controleur());
        QCOMPARE(banc::c<QLabel>(*f, "Bas_Haut")->text(), QString("Blancs:Haut->Bas"));
        QCOMPARE(banc::c<QFrame>(*f, "Panel6")->y(), 428);
        QCOMPARE(banc::c<QFrame>(*f, "Panel7")->y(), 8);
        // Square 72 now stands where square 1 stood.
        QCOMPARE(coin(*f, 72), QPoint(41 + 9, 9));
        QVERIFY(case_montre(*f, 72, PION_BLANC));
        QVERIFY(case_montre(*f, 1, PION_NOIR));
        QVERIFY(f->affichage().canvas != avant);
        Inverser(f->controleur());
        QCOMPARE(banc::c<QLabel>(*f, "Bas_Haut")->text(), QString("Blancs:Bas->Haut"));
        QCOMPARE(banc::c<QFrame>(*f, "Panel6")->y(), 8);
        QCOMPARE(banc::c<QFrame>(*f, "Panel7")->y(), 428);
        QVERIFY(f->affichage().canvas == avant);
        // Through the menu and its short-cut too.
        banc::c<QAction>(*f, "Inverserdamier1")->trigger();
        QCOMPARE(f->affichage().damier_inverse, uint8_t(1));
    }

    void numeros_des_cases() {
        auto f = banc::fenetre();
        const QImage sans = f->affichage().canvas.copy();
        banc::c<QAction>(*f, "Numroterlescase1")->trigger();
        QVERIFY(banc::c<QAction>(*f, "Numroterlescase1")->isChecked());
        QCOMPARE(f->affichage().numeros_affiches, uint8_t(1));
        QVERIFY(f->affichage().canvas != sans);
        const QImage avec = f->affichage().canvas.copy();
        placer_pions(f->controleur());  // a full redraw keeps them
        QVERIFY(f->affichage().canvas == avec);
        banc::c<QAction>(*f, "Numroterlescase1")->trigger();
        QVERIFY(!banc::c<QAction>(*f, "Numroterlescase1")->isChecked());
        QVERIFY(f->affichage().canvas == sans);
    }

    void compteurs_apres_une_prise() {
        auto f = banc::fenetre();
        QVERIFY(banc::poser(*f, "W:W51,60:B45,6,7"));
        QCOMPARE(banc::c<QLabel>(*f, "Nbpionsblancs")->text(), QString("  2"));
        QCOMPARE(banc::c<QLabel>(*f, "Nbpionsnoirs")->text(), QString("  3"));
        banc::cliquer(*f, 51);
        QCOMPARE(banc::c<QLabel>(*f, "Nbpionsnoirs")->text(), QString("  2"));
    }

    // The 3D board: the highest-numbered area wins, edges are outside, and
    // the stored point falls in the 2D cell of the position hit.
    void clic_sur_le_damier_3d() {
        auto f = banc::fenetre();
        Affichage& a = f->affichage();
        a.image3d = QImage(700, 600, QImage::Format_RGB32);
        for (int j = 1; j <= NB_CASES; ++j) {
            a.pos3d_x[j] = 20 + 55 * ((j - 1) % 6) + ((j - 1) / 6 % 2) * 27;
            a.pos3d_y[j] = 10 + 35 * ((j - 1) / 6);
        }
        // Positions 1 and 2 overlap on x in 76..79.
        QCOMPARE(position_3d(a, 77, 20), 2);
        QCOMPARE(position_3d(a, 30, 20), 1);
        QCOMPARE(position_3d(a, 20, 20), 0);  // left edge
        QCOMPARE(position_3d(a, 30, 10), 0);  // top edge
        // Every position picks its own square, in both orientations.
        Session& S = f->controleur().session();
        for (bool inverse : {false, true}) {
            if (inverse) Inverser(f->controleur());
            for (int j = 1; j <= NB_CASES; ++j) {
                S.saisies.clear();
                f->clic_3d(a.pos3d_x[j] + 30, a.pos3d_y[j] + 20);
                QVERIFY(clic_en_attente(S));
                QCOMPARE(case_du_point(S.saisies.front().x, S.saisies.front().y, inverse), inverse ? 73 - j : j);
                QVERIFY(cellule_sombre(S.saisies.front().x, S.saisies.front().y));
            }
        }
        S.saisies.clear();
        f->clic_3d(690, 590);
        QVERIFY(!clic_en_attente(S));
    }

    // The README picture: the window after a few moves, as the program
    // draws it. Written when KOLMAR_CAPTURE names the file.
    void capture_d_ecran() {
        auto f = banc::fenetre();
        // 44-38 25-31 38-32 26x37 43x32 20-26
        for (int s : {44, 38, 25, 31, 38, 32, 26, 43, 20, 26}) banc::cliquer(*f, s);
        QCOMPARE(f->controleur().jeu().partie.demi_coup_courant, 6);
        QCOMPARE(banc::c<QListWidget>(*f, "ListBox1")->item(2)->text(), QString(" 3.43x32 20-26"));
        banc::cliquer(*f, 49);  // a selection with its offers outlined
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        const QImage img = f->grab().toImage();
        QVERIFY(img.width() >= TForm1::LARGEUR_CLIENT);
        const QByteArray chemin = qgetenv("KOLMAR_CAPTURE");
        if (!chemin.isEmpty()) QVERIFY(img.save(QString::fromLocal8Bit(chemin), "PNG"));
    }
};

QTEST_MAIN(TestDamier2D)
#include "test_damier2d.moc"
