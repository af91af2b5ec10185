// The 3D boards: what each choice of board loads, the pictures served
// from memory, missing pictures, and the shipped sets pasting seamlessly.
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include "display/damier3d.h"

using namespace kolmar;

namespace {

constexpr int PIECES = 360, FOND = 2;  // loads of a set's pictures, of a board picture

// A program directory whose files link to the built ones, less `sauf`.
void lier(const QString& dest, const QString& relatif, const QStringList& sauf) {
    const QString source = QString(KOLMAR_DIR) + "/" + relatif;
    if (QFileInfo(source).isDir()) {
        QDir().mkpath(dest + "/" + relatif);
        for (const QString& f : QDir(source).entryList(QDir::Files))
            if (!sauf.contains(relatif + "/" + f)) QFile::link(source + "/" + f, dest + "/" + relatif + "/" + f);
    } else if (!sauf.contains(relatif)) {
        QFile::link(source, dest + "/" + relatif);
    }
}

void lier_tout(const QString& dest, const QStringList& sauf) {
    for (const QString& f :
         QDir(KOLMAR_DIR).entryList(QStringList{"damier*.bmp", "Images*c"}, QDir::Files | QDir::Dirs))
        lier(dest, f, sauf);
}

}  // namespace

class TestDamier3d : public QObject {
    Q_OBJECT

   private slots:
    // Each change of board loads what it needs and no more: sets 1 and 2
    // share their pieces, set 3 chosen again loads nothing, sets 4..8
    // load everything every time, and the 2D board falls back on set 1.
    void chargements_des_changements_data() {
        QTest::addColumn<QList<int>>("suite");  // boards chosen in turn, 0 = 2D
        QTest::addColumn<int>("derniers");      // loads of the last choice
        QTest::addColumn<int>("courant");
        QTest::newRow("1 to 2 reloads only the picture") << QList<int>{1, 2} << FOND << 2;
        QTest::newRow("2 to 1 likewise") << QList<int>{2, 1} << FOND << 1;
        QTest::newRow("4 to 1 reloads Images1c") << QList<int>{4, 1} << PIECES + FOND << 1;
        QTest::newRow("5 twice loads twice") << QList<int>{5, 5} << PIECES + FOND << 5;
        QTest::newRow("3 twice loads once") << QList<int>{3, 3} << 0 << 3;
        QTest::newRow("2D while 6 makes 1 current") << QList<int>{6, 0} << FOND + PIECES + FOND << 1;
        QTest::newRow("then Classique loads nothing") << QList<int>{6, 0, 1} << 0 << 1;
        QTest::newRow("2D while 2 keeps 2") << QList<int>{2, 0} << FOND << 2;
    }
    void chargements_des_changements() {
        QFETCH(QList<int>, suite);
        QFETCH(int, derniers);
        QFETCH(int, courant);
        Chargeur3d c(KOLMAR_DIR);
        Affichage3d a;
        int avant = 0;
        for (int s : suite) {
            avant = c.nb_chargements();
            QVERIFY(s == 0 ? choisir_damier2d(c, a) : choisir_damier3d(c, a, s));
        }
        QCOMPARE(c.nb_chargements() - avant, derniers);
        QCOMPARE(a.damier_courant, courant);
        QVERIFY(c.manquants().empty());
    }

    // A switch back to a set is served from memory, with that set's own
    // pictures and a board picture of its own to draw on.
    void retour_servi_de_memoire() {
        Chargeur3d c(KOLMAR_DIR);
        Affichage3d a;
        QVERIFY(choisir_damier3d(c, a, 5));
        const QImage piece5 = a.images3d[2][40];
        QVERIFY(choisir_damier3d(c, a, 4));
        QVERIFY(a.images3d[2][40] != piece5);
        const int lectures = c.nb_lectures();
        QVERIFY(choisir_damier3d(c, a, 5));
        QCOMPARE(c.nb_lectures(), lectures);
        QCOMPARE(a.images3d[2][40],
                 QImage(QString(KOLMAR_DIR) + "/Images5c/db5_40.bmp").convertToFormat(QImage::Format_RGB32));
        // Drawing on the shown picture leaves the kept one clean.
        a.image5.fill(Qt::red);
        QVERIFY(choisir_damier3d(c, a, 4));
        QVERIFY(choisir_damier3d(c, a, 5));
        QVERIFY(a.image5.pixel(300, 300) != QColor(Qt::red).rgb());
    }

    // A set without its board picture is not offered; its start-screen
    // button opens the game on Classique.
    void jeu_sans_image_desactive() {
        QTemporaryDir dir;
        lier_tout(dir.path(), {"damier5c.bmp"});
        const std::vector<bool> d = jeux_disponibles(dir.path().toStdString());
        QVERIFY(!d[5]);
        QVERIFY(d[4] && d[6] && d[8] && d[1] && d[2]);
        Chargeur3d c(dir.path().toStdString());
        Affichage3d a;
        QCOMPARE(bouton_damier(c, a, 5, d), 1);
        QCOMPARE(a.damier_courant, 1);
        QVERIFY(!a.images3d[1][50].isNull());
        QVERIFY(c.manquants().empty());
    }

    // Another missing picture is named, the rest still load, and pasting
    // the position does not crash.
    void image_manquante_nommee() {
        QTemporaryDir dir;
        lier_tout(dir.path(), {"Images4c/db4_17.bmp", "damier6wc.bmp"});
        Chargeur3d c(dir.path().toStdString());
        Affichage3d a;
        QVERIFY(!choisir_damier3d(c, a, 4));
        QCOMPARE(c.manquants(), std::vector<std::string>{"Images4c/db4_17.bmp"});
        QVERIFY(a.images3d[2][17].isNull());
        QVERIFY(!a.images3d[2][18].isNull() && !a.image5.isNull());
        remplir_positions3d(a.pos3d_x, a.pos3d_y);
        QPainter p(&a.image5);
        for (int i = 1; i <= 72; ++i) p.drawImage(a.pos3d_x[i], a.pos3d_y[i], a.images3d[2][i]);
        p.end();
        c.oublier_manquants();
        QVERIFY(!choisir_damier3d(c, a, 6));
        QCOMPARE(c.manquants(), std::vector<std::string>{"damier6wc.bmp"});
        QCOMPARE(a.damier_courant, 6);
    }

    // The shipped pictures: a piece differs from the board only inside its
    // own picture and outside every other one, so any order of pasting
    // leaves no seam; set 2, which pastes set 1's pictures, agrees with
    // set 1 under every one of them.
    void jeux_livres_sans_couture() {
        int px[73], py[73];
        remplir_positions3d(px, py);
        Chargeur3d c(KOLMAR_DIR);
        Affichage3d un;
        QVERIFY(charger_fond(c, un, 1));
        for (int n = 1; n <= NB_JEUX_3D; ++n) {
            Affichage3d a;
            QVERIFY(choisir_damier3d(c, a, n == 2 ? 1 : n));
            QVERIFY(charger_fond(c, a, n));
            QCOMPARE(a.image5.size(), QSize(LARGEUR_3D, HAUTEUR_3D));
            std::vector<int> couverture(LARGEUR_3D * HAUTEUR_3D, 0);
            for (int i = 1; i <= 72; ++i)
                for (int y = 0; y < a.images3d[0][i].height(); ++y)
                    for (int x = 0; x < a.images3d[0][i].width(); ++x)
                        ++couverture[(py[i] + y) * LARGEUR_3D + px[i] + x];
            for (int i = 1; i <= 72; ++i)
                for (int code = 0; code < 5; ++code) {
                    const QImage& img = a.images3d[code][i];
                    QCOMPARE(img.size(), a.images3d[0][i].size());
                    for (int y = 0; y < img.height(); ++y)
                        for (int x = 0; x < img.width(); ++x) {
                            const int gx = px[i] + x, gy = py[i] + y;
                            if (n == 2 && code == 0 && a.image5.pixel(gx, gy) != un.image5.pixel(gx, gy))
                                QFAIL(qPrintable(QString("board 2 differs from board 1 under picture %1").arg(i)));
                            if (img.pixel(x, y) == a.image5.pixel(gx, gy)) continue;
                            if (code == 0 || couverture[gy * LARGEUR_3D + gx] != 1)
                                QFAIL(qPrintable(QString("set %1, code %2 on %3: seam at %4,%5")
                                                     .arg(n)
                                                     .arg(code)
                                                     .arg(i)
                                                     .arg(gx)
                                                     .arg(gy)));
                        }
                }
        }
    }
};

QTEST_MAIN(TestDamier3d)
#include "test_damier3d.moc"
