// The boards, the start screen and the languages in the window: what each
// board item loads, clicks on the 3D picture, blind play, captions after
// switching languages, the language kept across a restart, a set whose
// picture is missing, and the help fallbacks.
#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "banc.h"
#include "control/marques.h"
#include "forms/aide.h"
#include "lang/textes.h"
#include "lang/textes_analyse.h"
#include "lang/textes_jeu.h"
#include "records/fichiers.h"

using namespace kolmar;

namespace {

// A program directory whose entries point at the build's, less `sauf`:
// the autosave and removed pictures stay out of the real one.
struct Repertoire {
    QTemporaryDir dir;
    explicit Repertoire(const QStringList& sauf = {}) {
        QDir source(QStringLiteral(KOLMAR_DIR));
        for (const QString& n : source.entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
            if (!sauf.contains(n) && n != QLatin1String("last72.dam"))
                QFile::link(source.absoluteFilePath(n), dir.filePath(n));
        definir_repertoire_donnees(dir.path().toStdString());
    }
};

// The caption of a component as the user sees it; null when the window
// has no component of that name.
QString legende(TForm1& f, const char* nom) {
    const QString n = QString::fromLatin1(nom);
    if (auto* a = f.findChild<QAction*>(n)) return a->text();
    if (auto* m = f.findChild<QMenu*>(n)) return m->title();
    if (auto* l = f.findChild<QLabel*>(n)) return l->text();
    if (auto* b = f.findChild<QAbstractButton*>(n)) return b->text();
    if (auto* g = f.findChild<QGroupBox*>(n)) return g->title();
    if (auto* w = f.findChild<QWidget*>(n))
        for (auto* o : f.findChildren<QTabWidget*>())
            if (o->indexOf(w) >= 0) return o->tabText(o->indexOf(w));
    return QString();
}

QAction* item(TForm1& f, const char* nom) {
    return banc::c<QAction>(f, nom);
}

}  // namespace

class TestAffichage : public QObject {
    Q_OBJECT
   private slots:
    // Each board item loads only what the change needs; every load asked
    // is counted even when served from memory.
    void chargements_des_damiers() {
        auto f = banc::fenetre();
        Chargeur3d& c = f->chargeur3d();
        auto charge = [&](const char* nom) {
            const int avant = c.nb_chargements();
            item(*f, nom)->trigger();
            return c.nb_chargements() - avant;
        };
        // The start screen's button loads the pieces; the menu, from no
        // set, only the picture.
        QCOMPARE(charge("Damier3D1"), 2);
        QCOMPARE(charge("Damier3D2"), 2);  // the picture only
        QCOMPARE(charge("Damier3D1"), 2);
        QCOMPARE(charge("Damier3D4"), 362);
        QCOMPARE(charge("Damier3D1"), 362);  // Images1c again
        QCOMPARE(charge("Damier3D3"), 362);
        QCOMPARE(charge("Damier3D3"), 0);
        QCOMPARE(charge("Damier3D5"), 362);
        QCOMPARE(charge("Damier3D5"), 362);  // set 5 twice loads twice
        QVERIFY(banc::c<QFrame>(*f, "Panel10")->isVisible() || !f->isVisible());
        QVERIFY(!banc::c<QFrame>(*f, "Panel10")->isHidden());
        QVERIFY(item(*f, "Damier3D5")->isChecked() && !item(*f, "Damier3D3")->isChecked());

        QCOMPARE(charge("Damier3D6"), 362);
        QCOMPARE(charge("Damier2D1"), 364);  // picture 2, Images1c, picture 1
        QCOMPARE(f->affichage3d().damier_courant, 1);
        QVERIFY(banc::c<QFrame>(*f, "Panel10")->isHidden());
        QVERIFY(item(*f, "Damier2D1")->isChecked());
        QCOMPARE(charge("Damier3D1"), 0);  // already current
        QVERIFY(item(*f, "Damier3D9")->isVisible() == false);
    }

    // The picture shows the position: a man pasted where the game has one.
    void image_suit_la_position() {
        auto f = banc::fenetre();
        item(*f, "Damier3D3")->trigger();
        const Affichage3d& a = f->affichage3d();
        const QImage img = f->affichage().image3d;
        // Square 1 holds a black man, square 40 is empty at the start.
        for (auto [i, code] : {std::pair{1, 3}, std::pair{40, 0}, std::pair{72, 1}}) {
            const QImage piece = a.images3d[code][i];
            QCOMPARE(img.copy(a.pos3d_x[i], a.pos3d_y[i], piece.width(), piece.height())
                         .pixel(piece.width() / 2, piece.height() / 2),
                     piece.pixel(piece.width() / 2, piece.height() / 2));
        }
        QCOMPARE(banc::c<QLabel>(*f, "Nbb3d")->text(), QString(" 30"));
    }

    // At the default size, in every language, every caption on the game
    // screen reads whole: "Wit:Beneden->Bove", "Computador branca", the
    // tabs "Calcul" and "Probleme" and others were cut. The 3D panels too.
    void legendes_entieres() {
        auto f = banc::fenetre();
        Controleur& ctrl = f->controleur();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        // The computer white, so its colour reads "Computador brancas".
        partie_entrainement(ctrl, false, "Zoe");
        QStringList coupees;
        auto verifier = [&](const QString& ou) {
            for (QWidget* w : banc::c<QWidget>(*f, "Surface")->findChildren<QWidget*>()) {
                if (!w->isVisible() || w->window() != f.get()) continue;
                QString t;
                int place = 0;
                if (auto* l = qobject_cast<QLabel*>(w); l && !l->wordWrap() && l->pixmap().isNull()) {
                    t = l->text();
                    place = l->contentsRect().width() - 2 * l->margin();
                } else if (auto* b = qobject_cast<QPushButton*>(w)) {
                    t = b->text();
                    place = b->contentsRect().width() - 2 * b->style()->pixelMetric(QStyle::PM_ButtonMargin);
                }
                int largeur = 0;
                for (const QString& ligne : t.split('\n'))
                    largeur = std::max(largeur, w->fontMetrics().horizontalAdvance(ligne));
                if (!t.isEmpty() && largeur > place) coupees << ou + ":" + w->objectName() + "=" + t;
            }
            auto* onglets = banc::c<QTabWidget>(*f, "Onglet");
            QTabBar* barre = onglets->tabBar();
            const int espace = barre->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, barre);
            for (int i = 0; i < onglets->count(); ++i)
                if (barre->fontMetrics().horizontalAdvance(onglets->tabText(i)) + espace > barre->tabRect(i).width())
                    coupees << ou + ":onglet=" + onglets->tabText(i);
        };
        for (int l = 0; l < NB_LANGUES; ++l) {
            appliquer_langue(ctrl, l);
            Inverser(ctrl);
            verifier(QStringLiteral("%1 2D").arg(l));
            Inverser(ctrl);
            verifier(QStringLiteral("%1 2D").arg(l));
            item(*f, "Damier3D1")->trigger();
            verifier(QStringLiteral("%1 3D").arg(l));
            item(*f, "Damier2D1")->trigger();
        }
        QVERIFY2(coupees.isEmpty(), qPrintable(coupees.join(" | ")));
    }

    // The last move's wash tinted the piece standing on its end square (a
    // black man looked olive): the piece is drawn as it is without marks.
    void dernier_coup_sans_teinter_la_piece() {
        auto f = banc::fenetre();
        Controleur& ctrl = f->controleur();
        for (int s : {44, 38, 25, 31}) banc::cliquer(*f, s);
        QCOMPARE(ctrl.jeu().partie.demi_coup_courant, 2);
        QWidget* surface = banc::c<QWidget>(*f, "Surface");
        const QPoint centre = banc::point_de(*f, 31);
        const QColor marque = surface->grab().toImage().pixelColor(centre);
        banc::option(*f, &Options::indication_mouvements, false);
        montrer_marques(ctrl);
        QCOMPARE(f->affichage().marques.depart, uint8_t(0));
        QCOMPARE(marque, surface->grab().toImage().pixelColor(centre));
    }

    // On a 3D board the marks of a selection stayed beside the piece once
    // it had moved, until the picture was composed again from its ground.
    // After each move the picture is the one a fresh composition gives.
    void trois_d_sans_restes_de_selection() {
        auto f = banc::fenetre();
        Controleur& ctrl = f->controleur();
        for (int d : {1, 4, 7}) {
            item(*f, QStringLiteral("Damier3D%1").arg(d).toLatin1().constData())->trigger();
            nouvelle_partie(ctrl);
            for (int s : {44, 38, 25, 31, 49, 44}) {
                f->clic_3d(f->affichage().pos3d_x[s] + 30, f->affichage().pos3d_y[s] + 20);
                passe_boucle(ctrl, false);
            }
            QCOMPARE(ctrl.jeu().partie.demi_coup_courant, 3);
            QWidget* image = banc::c<QWidget>(*f, "Image5");
            const QImage apres = image->grab().toImage();
            f->choisir_damier(d);
            QVERIFY2(apres == image->grab().toImage(), qPrintable(QString::number(d)));
        }
    }

    // A press on the far row and on two overlapping areas, as the mouse
    // gives them to Image5; edges are outside.
    void clics_3d() {
        auto f = banc::fenetre();
        item(*f, "Damier3D1")->trigger();
        QWidget* image = banc::c<QWidget>(*f, "Image5");
        Session& S = f->controleur().session();
        auto presse = [&](int x, int y) {
            S.saisies.clear();
            QTest::mouseClick(image, Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
            if (!clic_en_attente(S)) return 0;
            return case_du_point(S.saisies.front().x, S.saisies.front().y, f->controleur().ctx().damier_inverse != 0);
        };
        QCOMPARE(presse(313 + 30, 62), 3);   // row 0, y 61 < 62 < 101
        QCOMPARE(presse(313 + 30, 61), 0);   // on the top edge
        QCOMPARE(presse(313 + 30, 101), 0);  // on the bottom edge, row 1 not reached in x
        QCOMPARE(presse(180, 115), 13);      // areas of 7 and 13: the higher wins
        QCOMPARE(presse(150, 95), 7);
        // Turned over, position 13 shows square 60.
        f->controleur().ctx().damier_inverse = 1;
        QCOMPARE(presse(180, 115), 60);
    }

    // Blind play shows the bare picture whatever is played, and gives the
    // pieces back when switched off.
    void jeu_en_aveugle() {
        auto f = banc::fenetre();
        QVERIFY(!item(*f, "Jeuenaveugle1")->isEnabled());
        item(*f, "Damier3D4")->trigger();
        item(*f, "Damier3D2")->trigger();  // with the pieces of Images1c
        QVERIFY(item(*f, "Jeuenaveugle1")->isEnabled());
        const QImage avec = f->affichage().image3d;
        Affichage3d nu;
        QVERIFY(charger_fond(f->chargeur3d(), nu, 2));
        QVERIFY(avec != nu.image5);
        item(*f, "Jeuenaveugle1")->trigger();
        QCOMPARE(f->affichage().image3d, nu.image5);
        QVERIFY(!f->controleur().options().arret_par_clic);
        QVERIFY(!item(*f, "Arretrflexionparclicsouris1")->isChecked());
        banc::cliquer(*f, 44);
        banc::cliquer(*f, 38);
        QCOMPARE(f->controleur().jeu().partie.demi_coup_courant, 1);
        QVERIFY(f->affichage().image3d != avec);
        QCOMPARE(f->affichage().image3d, nu.image5);
        item(*f, "Jeuenaveugle1")->trigger();
        QVERIFY(f->affichage().image3d != nu.image5);
        QVERIFY(!f->controleur().options().arret_par_clic);
    }

    // French, English, French again: every caption of the French tables
    // is back, and English had really been applied.
    void francais_anglais_francais() {
        auto f = banc::fenetre();
        Controleur& ctrl = f->controleur();
        appliquer_langue(ctrl, ANGLAIS);
        QCOMPARE(legende(*f, "Fichier1"), QString("File"));
        QCOMPARE(legende(*f, "Damier3D2"), QString("Night"));
        QCOMPARE(legende(*f, "Damier3D4"), QString("Toronto"));
        QVERIFY(item(*f, "English1")->isChecked() && !item(*f, "Franais1")->isChecked());
        QCOMPARE(f->windowTitle(), QString("Kolmar 3D, the game"));
        appliquer_langue(ctrl, FRANCAIS);
        // A caption whose component is gone or misspelt would be dropped
        // without a word.
        auto verifier = [&](const char* nom, const char* attendu) {
            const QString vu = legende(*f, nom);
            QVERIFY2(!vu.isNull(), nom);
            QCOMPARE(vu, QString::fromUtf8(attendu));
        };
        std::size_t nb = 0;
        const Legende* l = legendes(nb);
        for (std::size_t i = 0; i < nb; ++i) verifier(l[i].controle, texte(l[i].texte));
        const LegendeJeu* j = legendes_jeu(nb);
        for (std::size_t i = 0; i < nb; ++i) verifier(j[i].controle, texte(j[i].texte));
        const LegendeAnalyse* a = legendes_analyse(nb);
        for (std::size_t i = 0; i < nb; ++i) verifier(a[i].controle, texte(a[i].texte));
        QCOMPARE(legende(*f, "Damier3D7"), QString("Grand luxe"));
        QVERIFY(item(*f, "Franais1")->isChecked());
    }

    // The 3D board's own panels: each name over its counter, and the move
    // number following the game.
    void panneaux_3d() {
        auto f = banc::fenetre();
        Controleur& ctrl = f->controleur();
        item(*f, "Damier3D1")->trigger();
        OKjoueurClick(ctrl, "Paul", "Anne");
        QCOMPARE(legende(*f, "Nom_blanc3d"), QString("Paul : "));
        QCOMPARE(legende(*f, "Nom_noir3d"), QString("Anne : "));
        passe_boucle(ctrl, false);
        QCOMPARE(legende(*f, "Nbcoups3d"), QString("Coups : 1"));
        for (int s : {44, 38, 25, 31}) banc::cliquer(*f, s);
        passe_boucle(ctrl, false);
        QCOMPARE(legende(*f, "Nbcoups3d"), QString("Coups : 2"));
        reprise(ctrl);
        reprise(ctrl);
        passe_boucle(ctrl, false);
        QCOMPARE(legende(*f, "Nbcoups3d"), QString("Coups : 1"));
    }

    // A first run has no autosave: the start screen in French, the game's
    // menus kept back until a board is chosen.
    void premier_lancement_en_francais() {
        Repertoire r;
        TForm1 f;
        f.ecran_depart();
        QVERIFY(!f.jeu_ouvert());
        QVERIFY(!banc::c<QFrame>(f, "Intro")->isHidden());
        QCOMPARE(legende(f, "Label3"), QString("KOLMAR 3D"));
        QCOMPARE(legende(f, "Damier2d"), QString("Damier 2D"));
        QCOMPARE(legende(f, "Label37"), QString("Nuit"));
        QCOMPARE(legende(f, "Label72"), QString("Grand luxe"));
        QCOMPARE(legende(f, "Label68"), QString("Saint-Laurent"));
        QCOMPARE(legende(f, "Button8"), QString("Portugues"));
        QCOMPARE(
            legende(f, "Label8"),
            QString::fromUtf8("La fenêtre s'agrandit à volonté : le damier et les panneaux grandissent avec elle."));
        QCOMPARE(f.windowTitle(), QString("Kolmar 3D, le jeu"));
        // The hint names the folder in use, not a fixed one.
        QVERIFY2(legende(f, "Label24").endsWith(QString::fromStdString(repertoire_donnees()).section('/', -2) + "."),
                 qPrintable(legende(f, "Label24")));
        QVERIFY(!banc::c<QMenu>(f, "Fichier1")->menuAction()->isVisible());
        QVERIFY(banc::c<QMenu>(f, "Aide1")->menuAction()->isVisible());
        QVERIFY(banc::c<QWidget>(f, "Onglet")->isHidden());
        QVERIFY(!banc::c<QAbstractButton>(f, "SpeedButton16")->icon().isNull());
    }

    // Quitting in Dutch, the next start opens in Dutch, start screen and
    // menus alike; "Portugues" applies Portuguese, "Español" Spanish.
    void langue_gardee_au_redemarrage() {
        Repertoire r;
        {
            auto f = std::make_unique<TForm1>();
            f->ecran_depart();
            QTest::mouseClick(banc::c<QAbstractButton>(*f, "Button8"), Qt::LeftButton);
            QCOMPARE(f->controleur().ctx().langue, int(PORTUGAIS));
            QTest::mouseClick(banc::c<QAbstractButton>(*f, "Button2"), Qt::LeftButton);
            QCOMPARE(f->controleur().ctx().langue, int(ESPAGNOL));
            QVERIFY(f->choisir_depart(0));
            QCOMPARE(f->controleur().ctx().langue, int(ESPAGNOL));  // not the autosave's French
            item(*f, "Nederlands1")->trigger();
            quitter(f->controleur());
        }
        QVERIFY(QFile::exists(r.dir.filePath("last72.dam")));
        TForm1 g;
        g.ecran_depart();
        QCOMPARE(g.controleur().ctx().langue, int(NEERLANDAIS));
        QCOMPARE(legende(g, "Damier2d"), QString("2D bord"));
        QCOMPARE(legende(g, "Fichier1"), QString("Bestand"));
        QVERIFY(item(g, "Nederlands1")->isChecked());
        QVERIFY(g.choisir_depart(1));
        QCOMPARE(g.controleur().ctx().langue, int(NEERLANDAIS));
        QCOMPARE(legende(g, "Joueurs1"), QString("Spelers"));
    }

    // Closed on the start screen, the language picked there is the next
    // start's: written into a first autosave, or into the existing one
    // without touching its game.
    void langue_de_l_ecran_de_depart() {
        Repertoire r;
        const QString chemin = r.dir.filePath(QStringLiteral("last72.dam"));
        {
            TForm1 f;
            f.ecran_depart();
            QTest::mouseClick(banc::c<QAbstractButton>(f, "Button6"), Qt::LeftButton);
            f.close();
        }
        QVERIFY(QFile::exists(chemin));
        {
            TForm1 g;
            g.ecran_depart();
            QCOMPARE(g.controleur().ctx().langue, int(ANGLAIS));
            QVERIFY(g.choisir_depart(0));
            banc::cliquer(g, 44);
            banc::cliquer(g, 38);
            quitter(g.controleur());
        }
        QFile avant(chemin);
        QVERIFY(avant.open(QIODevice::ReadOnly));
        const QByteArray octets = avant.readAll();
        avant.close();
        {
            TForm1 h;
            h.ecran_depart();
            QTest::mouseClick(banc::c<QAbstractButton>(h, "Button7"), Qt::LeftButton);
            h.close();
        }
        QFile apres(chemin);
        QVERIFY(apres.open(QIODevice::ReadOnly));
        const QByteArray nouveaux = apres.readAll();
        QCOMPARE(nouveaux.size(), octets.size());
        int differents = 0;
        for (int i = 0; i < octets.size(); ++i) differents += octets[i] != nouveaux[i];
        QCOMPARE(differents, 1);
        TForm1 k;
        k.ecran_depart();
        QCOMPARE(k.controleur().ctx().langue, int(NEERLANDAIS));
        QVERIFY(k.choisir_depart(0));
        QCOMPARE(k.controleur().jeu().partie.dernier_demi_coup, 1);
    }

    // Without "damier5c.bmp" the button of set 5 opens the game on
    // "Classique" and the item of set 5 is greyed.
    void jeu_sans_image() {
        Repertoire r({QStringLiteral("damier5c.bmp")});
        TForm1 f;
        f.ecran_depart();
        QTest::mouseClick(banc::c<QAbstractButton>(f, "SpeedButton16"), Qt::LeftButton);
        QVERIFY(f.jeu_ouvert());
        QVERIFY(banc::c<QFrame>(f, "Intro")->isHidden());
        QCOMPARE(f.affichage3d().damier_courant, 1);
        QVERIFY(item(f, "Damier3D1")->isChecked());
        QVERIFY(!item(f, "Damier3D5")->isEnabled());
        QVERIFY(item(f, "Damier3D6")->isEnabled());
        QVERIFY(banc::c<QMenu>(f, "Fichier1")->menuAction()->isVisible());
        QVERIFY(!banc::c<QWidget>(f, "Onglet")->isHidden());
    }

    // "Règles" in Spanish and Italian and "Documentation" in Italian show
    // the English files; Dutch has its own.
    void aide_et_repli() {
        auto f = banc::fenetre();
        auto contenu = [&](const char* nom) {
            QFile fichier(QString::fromStdString(chemin_lecture(nom)));
            if (!fichier.open(QIODevice::ReadOnly)) return QString();
            QTextBrowser b;
            b.setHtml(QString::fromUtf8(fichier.readAll()));
            return b.toPlainText();
        };
        auto montre = [&](const char* action) {
            item(*f, action)->trigger();
            return banc::c<QTextBrowser>(*f, "Navigateur_aide")->toPlainText();
        };
        appliquer_langue(f->controleur(), ESPAGNOL);
        QCOMPARE(montre("Rgles1"), contenu("Vadadaz_e.zir"));
        QCOMPARE(montre("Guide1"), contenu("Kolmar_es.hlp"));
        appliquer_langue(f->controleur(), ITALIEN);
        QCOMPARE(montre("Guide1"), contenu("Kolmar_e.hlp"));
        appliquer_langue(f->controleur(), NEERLANDAIS);
        QCOMPARE(montre("Rgles1"), contenu("Rkolmar_nl.hlp"));
        QVERIFY(!contenu("Rkolmar_nl.hlp").isEmpty() && contenu("Rkolmar_nl.hlp") != contenu("Vadadaz_e.zir"));
    }

    // After "A propos" and OK the board is drawn whole again.
    void a_propos() {
        auto f = banc::fenetre();
        const QImage avant = f->affichage().canvas;
        item(*f, "Apropos1")->trigger();
        QVERIFY(!banc::c<QFrame>(*f, "Panel8")->isHidden());
        QVERIFY(!banc::c<QLabel>(*f, "Label7")->text().isEmpty());
        QTest::mouseClick(banc::c<QAbstractButton>(*f, "BitBtn6"), Qt::LeftButton);
        QVERIFY(banc::c<QFrame>(*f, "Panel8")->isHidden());
        QCOMPARE(f->affichage().canvas, avant);
    }

    // The README pictures: the start screen and three 3D boards after a
    // few moves, as the program draws them. Written into the folder that
    // KOLMAR_CAPTURES names.
    void captures() {
        const QString dossier = QString::fromLocal8Bit(qgetenv("KOLMAR_CAPTURES"));
        auto garder = [&](QWidget& w, const char* nom) {
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            const QImage img = w.grab().toImage();
            QVERIFY(img.width() >= TForm1::LARGEUR_CLIENT);
            if (!dossier.isEmpty()) QVERIFY(img.save(QDir(dossier).filePath(QString::fromLatin1(nom)), "PNG"));
        };
        {
            Repertoire r;
            TForm1 f;
            f.ecran_depart();
            garder(f, "start-screen.png");
        }
        auto f = banc::fenetre();
        // 44-38 25-31 38-32 26x37 43x32 20-26
        for (int s : {44, 38, 25, 31, 38, 32, 26, 43, 20, 26}) banc::cliquer(*f, s);
        QCOMPARE(f->controleur().jeu().partie.demi_coup_courant, 6);
        for (auto [jeu, nom] :
             {std::pair{"Damier3D1", "board-classique.png"}, std::pair{"Damier3D2", "board-nuit.png"},
              std::pair{"Damier3D3", "board-luxe.png"}, std::pair{"Damier3D4", "board-toronto.png"},
              std::pair{"Damier3D5", "board-saint-laurent.png"}, std::pair{"Damier3D6", "board-vancouver.png"},
              std::pair{"Damier3D7", "board-grand-luxe.png"}, std::pair{"Damier3D8", "board-montreal.png"}}) {
            item(*f, jeu)->trigger();
            garder(*f, nom);
        }
    }
};

QTEST_MAIN(TestAffichage)
#include "test_affichage.moc"
