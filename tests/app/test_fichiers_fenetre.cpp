// Game files from the main window: "Sauver" and "Ouvrir" through their
// dialogs, refused files, the autosave of "Quitter" and its resumption at
// start-up.
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>

#include "brouillon.h"
#include "engine/moteur.h"
#include "forms/nouvelle_partie.h"
#include "records/gamefile.h"

using namespace kolmar;
using brouillon::Boite;
using brouillon::Dossier;
using brouillon::Guetteur;

namespace {

// A move by clicks: the piece, then its destination unless it went at once.
void jouer(TForm1& f, int de, int vers) {
    const uint8_t trait = f.controleur().jeu().trait;
    banc::cliquer(f, de);
    if (f.controleur().jeu().trait == trait) banc::cliquer(f, vers);
    QVERIFY2(f.controleur().jeu().trait != trait, qPrintable(QString("%1-%2").arg(de).arg(vers)));
}

// Ten half-moves of a book line, two of them captures.
void ouverture(TForm1& f) {
    const int coups[][2] = {{48, 41}, {29, 36}, {54, 48}, {24, 29}, {44, 38},
                            {18, 24}, {49, 44}, {25, 32}, {38, 25}, {19, 32}};
    for (const auto& c : coups) jouer(f, c[0], c[1]);
}

QStringList lignes(const TForm1& f) {
    QStringList l;
    for (int i = 0; i < banc::c<QListWidget>(f, "ListBox1")->count(); ++i)
        l << banc::c<QListWidget>(f, "ListBox1")->item(i)->text();
    return l;
}

// What a refused file must leave untouched.
struct Etat {
    std::string position;
    QStringList liste;
    int courant, dernier;
    QString blanc, noir;
    explicit Etat(TForm1& f)
        : position(banc::position(f)),
          liste(lignes(f)),
          courant(f.controleur().jeu().partie.demi_coup_courant),
          dernier(f.controleur().jeu().partie.dernier_demi_coup),
          blanc(banc::c<QLabel>(f, "Nom_blanc")->text()),
          noir(banc::c<QLabel>(f, "Nom_noir")->text()) {}
    bool operator==(const Etat& o) const {
        return position == o.position && liste == o.liste && courant == o.courant && dernier == o.dernier &&
               blanc == o.blanc && noir == o.noir;
    }
};

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestFichiersFenetre : public QObject {
    Q_OBJECT

   private slots:
    // Saved through the dialog in "Kolmar 3D" of the documents, opened in
    // another window: the
    // game, its list, the side to move and the names come back, and the
    // window keeps its own language.
    void sauver_puis_ouvrir() {
        Dossier d;
        auto f = brouillon::fenetre(d);
        ouverture(*f);
        OKjoueurClick(f->controleur(), "Anne", "Bruno");
        appliquer_langue(f->controleur(), ANGLAIS);

        QString dossier_vu;
        const QString nom = QStringLiteral("ouverture");  // the dialog adds ".dam"
        {
            Guetteur<QFileDialog> g([&](QFileDialog* dlg) {
                dossier_vu = dlg->directory().absolutePath();
                brouillon::accepter(dlg, nom);
            });
            banc::c<QAction>(*f, "Sauver1")->trigger();
            QCOMPARE(g.vus(), 1);
        }
        QCOMPARE(dossier_vu, d.documents() + "/Kolmar 3D");
        const QString chemin = dossier_vu + "/ouverture.dam";
        const QByteArray image = lire(chemin);
        QCOMPARE(image.size(), int(TAILLE_FICHIER_PARTIE));
        QCOMPARE(uint8_t(image[509 * TAILLE_ENREGISTREMENT + OFS_DE]), uint8_t(ANGLAIS));
        // The game stays as it was.
        QCOMPARE(f->controleur().jeu().partie.demi_coup_courant, 10);

        auto g = brouillon::fenetre(d);
        jouer(*g, 43, 37);
        {
            Guetteur<QFileDialog> dlg([&](QFileDialog* o) { brouillon::accepter(o, chemin); });
            banc::c<QAction>(*g, "Ouvrir1")->trigger();
            QCOMPARE(dlg.vus(), 1);
        }
        QCOMPARE(banc::position(*g), banc::position(*f));
        QCOMPARE(lignes(*g), lignes(*f));
        QCOMPARE(banc::c<QListWidget>(*g, "ListBox1")->count(), 5);
        QCOMPARE(banc::c<QListWidget>(*g, "ListBox1")->item(4)->text(), QString(" 5.38x25 19x32"));
        QCOMPARE(g->controleur().jeu().trait, uint8_t(BLANC));
        QCOMPARE(g->controleur().jeu().partie.demi_coup_courant, 10);
        QCOMPARE(g->controleur().jeu().partie.dernier_demi_coup, 10);
        QCOMPARE(banc::c<QLabel>(*g, "Nom_blanc")->text(), QString("Anne"));
        QCOMPARE(banc::c<QLabel>(*g, "Nom_noir")->text(), QString("Bruno"));
        QCOMPARE(banc::c<QLabel>(*g, "Nbpionsblancs")->text(), QString(" 29"));
        QCOMPARE(g->controleur().ctx().langue, int(FRANCAIS));
        QCOMPARE(banc::c<QMenu>(*g, "Fichier1")->title(), QString("Fichier"));

        // The game goes on from the file: white's next move is taken.
        QVERIFY(!tour_ordinateur(g->controleur().session()));
        jouer(*g, 60, 54);
        QCOMPARE(g->controleur().jeu().partie.demi_coup_courant, 11);

        // Against the computer, a file with the computer's side to move
        // hands the turn to it.
        const QString noirs = d.fichier("noirs.dam");
        QVERIFY(sauver_partie(g->controleur(), noirs.toStdString()));
        auto h = brouillon::fenetre(d);
        partie_entrainement(h->controleur(), true, "Anne");
        QVERIFY(ouvrir_partie(h->controleur(), noirs.toStdString()));
        QCOMPARE(h->controleur().session().couleur_ordinateur, uint8_t(1));
        QCOMPARE(h->controleur().jeu().trait, uint8_t(NOIR));
        QVERIFY(tour_ordinateur(h->controleur().session()));
    }

    // A damaged file, a missing one and a cancelled dialog leave the game,
    // the list and the names as they were; the first two say why in a box.
    void fichiers_refuses() {
        Dossier d;
        auto f = brouillon::fenetre(d);
        ouverture(*f);
        const QString bon = d.fichier("bon.dam");
        QVERIFY(sauver_partie(f->controleur(), bon.toStdString()));

        QByteArray image = lire(bon);
        image[3 * TAILLE_ENREGISTREMENT + OFS_CASES + 9] = 9;  // no such piece
        const QString abime = d.fichier("abime.dam");
        {
            QFile w(abime);
            QVERIFY(w.open(QIODevice::WriteOnly));
            w.write(image);
        }

        auto g = brouillon::fenetre(d);
        jouer(*g, 43, 37);
        OKjoueurClick(g->controleur(), "Claire", "Denis");
        const Etat avant(*g);
        {
            Boite b;
            QVERIFY(!ouvrir_partie(g->controleur(), abime.toStdString()));
            QVERIFY(b.vue());
            QCOMPARE(b.titre, QString("Erreur"));
            QVERIFY2(b.texte.startsWith(QString::fromUtf8("Fichier de partie endommagé")), qPrintable(b.texte));
        }
        QVERIFY(Etat(*g) == avant);
        {
            Boite b;
            QVERIFY(!ouvrir_partie(g->controleur(), d.fichier("absent.dam").toStdString()));
            QCOMPARE(b.texte, QString("Impossible d'ouvrir ce fichier"));
        }
        QVERIFY(Etat(*g) == avant);
        {
            Guetteur<QFileDialog> dlg([](QFileDialog* o) { o->reject(); });
            banc::c<QAction>(*g, "Ouvrir1")->trigger();
            QCOMPARE(dlg.vus(), 1);
        }
        QVERIFY(Etat(*g) == avant);
        // The game still takes moves.
        jouer(*g, 25, 31);
    }

    // Each kind of dialog opens where the last one of its kind was used;
    // the others keep their own folder.
    void dialogues_par_sorte() {
        Dossier d;
        auto f = brouillon::fenetre(d);
        QDir().mkpath(d.fichier("ailleurs"));
        auto vu = [&](const char* action, const QString& choix) {
            QString dossier;
            Guetteur<QFileDialog> g([&](QFileDialog* dlg) {
                dossier = dlg->directory().absolutePath();
                if (choix.isEmpty())
                    dlg->reject();
                else
                    brouillon::accepter(dlg, choix);
            });
            banc::c<QAction>(*f, action)->trigger();
            return dossier;
        };
        QCOMPARE(vu("Sauver1", d.fichier("ailleurs/partie.dam")), d.documents() + "/Kolmar 3D");
        QCOMPARE(vu("Ouvrir1", QString()), d.fichier("ailleurs"));
        QCOMPARE(vu("Ouvrirunfichiertexte1", QString()), d.documents() + "/Kolmar 3D");
        QCOMPARE(vu("Problmes1", QString()), d.fichier("Problemes"));
    }

    // A file from outside (the command line): one that cannot be read says
    // why and leaves the resumed autosave as it was, in the window and on
    // disk; a game file or a PDN file opens.
    void fichier_de_dehors() {
        Dossier d;
        auto f = brouillon::fenetre(d);
        ouverture(*f);
        QVERIFY(ecrire_autosave(f->controleur()));
        const QByteArray autosave = lire(QString::fromStdString(chemin_autosave()));

        auto g = brouillon::fenetre(d);
        FormActivate(g->controleur());
        const Etat repris(*g);
        QVERIFY(repris == Etat(*f));
        QFile abime(d.fichier("abime.dam"));
        QVERIFY(abime.open(QIODevice::WriteOnly));
        abime.write(QByteArray(100, '\x55'));
        abime.close();
        const struct {
            QString chemin;
            Texte raison;
        } refus[] = {{d.fichier("absente.dam"), Texte::FichierAbsent},
                     {d.fichier("Parametres"), Texte::FichierDossier},
                     {d.fichier("abime.dam"), Texte::NB_TEXTES}};
        for (const auto& r : refus) {
            Boite b;
            g->ouvrir_fichier(r.chemin);
            QVERIFY2(b.vue(), qPrintable(r.chemin));
            if (r.raison != Texte::NB_TEXTES)
                QVERIFY2(b.texte.endsWith(QString::fromUtf8(kolmar::texte(r.raison))), qPrintable(b.texte));
            QVERIFY(Etat(*g) == repris);
        }
        QCOMPARE(lire(QString::fromStdString(chemin_autosave())), autosave);

        const QString dam = d.fichier("suite.dam");
        QVERIFY(sauver_partie(g->controleur(), dam.toStdString()));
        nouvelle_partie(g->controleur());
        g->ouvrir_fichier(dam);
        QVERIFY(Etat(*g) == repris);
        QFile pdn(d.fichier("une.PDN"));
        QVERIFY(pdn.open(QIODevice::WriteOnly));
        pdn.write("[White \"Lise\"]\n[Black \"Marc\"]\n\n1. 48-41 29-36 *\n");
        pdn.close();
        g->ouvrir_fichier(pdn.fileName());
        QCOMPARE(banc::c<QLabel>(*g, "Nom_blanc")->text(), QString("Lise"));
        QCOMPARE(g->controleur().jeu().partie.dernier_demi_coup, 2);
    }

    // "Quitter" writes last72.dam; a new window resumes it at start-up
    // with the language stored in it.
    void quitter_puis_reprendre() {
        Dossier d;
        auto f = brouillon::fenetre(d);
        f->show();
        ouverture(*f);
        jouer(*f, 60, 54);  // black to move in the file
        OKjoueurClick(f->controleur(), "Eve", "Kolmar");
        appliquer_langue(f->controleur(), ANGLAIS);
        banc::c<QAction>(*f, "Quitter1")->trigger();
        QCOMPARE(f->controleur().session().fin_programme, uint8_t(1));
        QVERIFY(!f->isVisible());
        const QString autosave = d.fichier("last72.dam");
        QCOMPARE(QFileInfo(autosave).size(), qint64(TAILLE_FICHIER_PARTIE));

        auto g = brouillon::fenetre(d);
        Boite b;
        FormActivate(g->controleur());
        QVERIFY(!b.vue());
        QCOMPARE(banc::position(*g), banc::position(*f));
        QCOMPARE(lignes(*g), lignes(*f));
        QCOMPARE(banc::c<QListWidget>(*g, "ListBox1")->item(5)->text(), QString(" 6.60-54 "));
        QCOMPARE(g->controleur().jeu().trait, uint8_t(NOIR));
        QCOMPARE(banc::c<QLabel>(*g, "Nom_blanc")->text(), QString("Eve"));
        QCOMPARE(g->controleur().ctx().langue, int(ANGLAIS));
        QCOMPARE(banc::c<QMenu>(*g, "Fichier1")->title(), QString("File"));
        jouer(*g, 13, 19);
        QCOMPARE(banc::c<QListWidget>(*g, "ListBox1")->item(5)->text(), QString(" 6.60-54 13-19"));
    }

    // No autosave (a first run): the initial game and French, no message.
    // A damaged one: a single box, and the game in memory stays.
    void demarrage_sans_autosave_ou_abime() {
        Dossier d;
        auto f = brouillon::fenetre(d);
        const std::string depart = banc::position(*f);
        {
            Boite b;
            FormActivate(f->controleur());
            QTest::qWait(20);
            QVERIFY(!b.vue());
        }
        QCOMPARE(banc::position(*f), depart);
        QCOMPARE(f->controleur().ctx().langue, int(FRANCAIS));

        QFile w(d.fichier("last72.dam"));
        QVERIFY(w.open(QIODevice::WriteOnly));
        w.write(QByteArray(int(TAILLE_FICHIER_PARTIE), char(0x33)));
        w.close();
        auto g = brouillon::fenetre(d);
        {
            Boite b;
            FormActivate(g->controleur());
            QCOMPARE(b.g.vus(), 1);
            QCOMPARE(b.titre, QString("Erreur"));
        }
        QCOMPARE(banc::position(*g), depart);
        QCOMPARE(banc::c<QListWidget>(*g, "ListBox1")->count(), 0);
    }

    // The level travels with the file and the clocks come from the record
    // of the current ply; "Ouvrir" keeps the table size, resuming the last
    // game takes it.
    void reglages_et_horloges() {
        Dossier d;
        auto f = brouillon::fenetre(d);
        ouverture(*f);
        choisir_niveau(f->controleur(), 7);  // "7 : Grand Maître"
        banc::taille(*f, 1)->trigger();      // "0,7 Mo"
        QCOMPARE(f->controleur().ctx().moteur->hash.menu, 1);
        const QString chemin = d.fichier("reglages.dam");
        QVERIFY(sauver_partie(f->controleur(), chemin.toStdString()));
        QByteArray image = lire(chemin);
        QCOMPARE(lire_i32(reinterpret_cast<const uint8_t*>(image.constData()) + 508 * TAILLE_ENREGISTREMENT +
                          OFS_TEMPS_NOIR),
                 50);
        // White has used 75 s at the current ply.
        ecrire_i32(reinterpret_cast<uint8_t*>(image.data()) + 10 * TAILLE_ENREGISTREMENT + OFS_TEMPS_BLANC, 75);
        {
            QFile w(chemin);
            QVERIFY(w.open(QIODevice::WriteOnly));
            w.write(image);
        }

        auto g = brouillon::fenetre(d);
        QVERIFY(!banc::niveau(*g, 7)->isChecked());
        QVERIFY(ouvrir_partie(g->controleur(), chemin.toStdString()));
        QVERIFY(banc::niveau(*g, 7)->isChecked());
        QVERIFY(!banc::niveau(*g, NIVEAU_EXCELLENCE)->isChecked());
        QCOMPARE(g->controleur().ctx().controle.engineBudget, f->controleur().ctx().controle.engineBudget);
        QCOMPARE(g->controleur().ctx().moteur->hash.menu, int(TAILLE_HASH_DEPART));
        QCOMPARE(banc::c<QLabel>(*g, "minblanc")->text(), QString("1"));
        QCOMPARE(banc::c<QLabel>(*g, "secblanc")->text(), QString("15"));

        QVERIFY(QFile::copy(chemin, d.fichier("last72.dam")));
        auto h = brouillon::fenetre(d);
        FormActivate(h->controleur());
        QCOMPARE(h->controleur().ctx().moteur->hash.menu, 1);
        QVERIFY(banc::taille(*h, 1)->isChecked());
        QVERIFY(banc::niveau(*h, 7)->isChecked());
        QCOMPARE(h->controleur().jeu().partie.demi_coup_courant, 10);
    }

    // Saving while the computer ponders writes the record and leaves the
    // search's board alone.
    void sauver_pendant_la_reflexion() {
        Dossier d;
        auto f = brouillon::fenetre(d);
        ouverture(*f);
        Jeu& J = f->controleur().jeu();
        Jeu& M = *f->controleur().ctx().jeu_moteur;  // the search's own copy
        M.damier[37] = DAME_NOIRE;
        f->controleur().session().recherche_en_cours = true;
        QVERIFY(sauver_partie(f->controleur(), d.fichier("p.dam").toStdString()));
        QCOMPARE(M.damier[37], uint8_t(DAME_NOIRE));
        f->controleur().session().recherche_en_cours = false;

        auto g = brouillon::fenetre(d);
        QVERIFY(ouvrir_partie(g->controleur(), d.fichier("p.dam").toStdString()));
        QCOMPARE(banc::position(*g), banc::position(*f));
        QVERIFY(sauver_partie(f->controleur(), d.fichier("q.dam").toStdString()));
        QCOMPARE(J.damier[37], J.plateau_affiche[37]);
    }

    // During a rated match "Quitter" neither saves nor leaves.
    void quitter_pendant_un_match() {
        Dossier d;
        auto f = brouillon::fenetre(d);
        partie_match(f->controleur(), true, "Inconnu", -1, banc::c<NouvellePartie>(*f, "Nouvelle_partie")->registre());
        QVERIFY(match_en_cours(f->controleur()));
        QVERIFY(!banc::c<QAction>(*f, "Quitter1")->isEnabled());
        quitter(f->controleur());
        QCOMPARE(f->controleur().session().fin_programme, uint8_t(0));
        QVERIFY(!QFileInfo::exists(d.fichier("last72.dam")));
    }
};

QTEST_MAIN(TestFichiersFenetre)
#include "test_fichiers_fenetre.moc"
