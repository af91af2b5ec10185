// The opening editors TForm2/TForm3 on a scratch data folder: loading,
// adding, refusing, deleting, saving a set and installing one.
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "forms/fenetre_ouvertures.h"
#include "outils_fichiers.h"
#include "records/fichiers.h"

using namespace kolmar;

namespace {

using outils::cliquer_ligne;
using outils::ecrire;
using outils::lire;

}  // namespace

class TestOuvertures : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dossier;
    std::string d;
    Bibliotheque b;
    QStringList erreurs;

    std::unique_ptr<FenetreOuvertures> fenetre(int couleur) {
        auto f = std::make_unique<FenetreOuvertures>(b, couleur);
        f->signaler_erreur = [this](const QString& m) { erreurs << m; };
        f->lignes_marqueur = [] { return std::vector<std::string>{"analyse 1", "analyse 2"}; };
        return f;
    }

   private slots:
    void init() {
        dossier = std::make_unique<QTemporaryDir>();
        QVERIFY(dossier->isValid());
        d = dossier->path().toStdString();
        definir_repertoire_donnees(d);
        b = Bibliotheque();
        erreurs.clear();
        // The black file with another case, as a copy from Windows may have it.
        ecrire(d + "/Ouvert_b.ouv", "48-41 29-36 54-48 24-29 \r\n44-38 oops\r\n48-41 29-36 54-48 25-32 \r\n");
        ecrire(d + "/ouvert_n.OUV", "48-41 25-31 \n");
        QVERIFY(creer_dossier(d + "/Parametres"));
    }

    void lignes_lues_et_refusees_data() {
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<int>("defaut");
        QTest::addColumn<int>("coup");
        QTest::addColumn<QString>("ecrite");
        QTest::newRow("as written") << "48-41 29-36 " << 0 << 0 << "48-41 29-36 ";
        QTest::newRow("loose spacing") << "  48 - 41   29x36" << 0 << 0 << "48-41 29-36 ";
        QTest::newRow("captures by their ends")
            << "48-41 29-36 54-48 25-32 44-38 19-25 43-37 32-43 38-33 26-39 46-33 27-38 45-19 20-26" << 0 << 0
            << "48-41 29-36 54-48 25-32 44-38 19-25 43-37 32-43 38-33 26-39 46-33 27-38 45-19 20-26 ";
        QTest::newRow("empty") << "" << int(VerificationLigne::vide) << 1 << "";
        QTest::newRow("blanks only") << " \t " << int(VerificationLigne::vide) << 1 << "";
        QTest::newRow("cut after hyphen") << "48-41 29-" << int(VerificationLigne::illisible) << 2 << "";
        QTest::newRow("letters") << "48-41 abc" << int(VerificationLigne::illisible) << 2 << "";
        QTest::newRow("moves run together") << "48-4129-36" << int(VerificationLigne::illisible) << 1 << "";
        QTest::newRow("three digits") << "148-41" << int(VerificationLigne::illisible) << 1 << "";
        QTest::newRow("trailing junk") << "48-41 29-36x" << int(VerificationLigne::illisible) << 2 << "";
        QTest::newRow("same square") << "48-48" << int(VerificationLigne::illisible) << 1 << "";
        QTest::newRow("square 73") << "48-41 29-73" << int(VerificationLigne::case_inexistante) << 2 << "";
        QTest::newRow("square 0") << "0-6" << int(VerificationLigne::case_inexistante) << 1 << "";
        // Read, then refused by the rules.
        QTest::newRow("one digit squares") << " 1- 7" << int(VerificationLigne::coup_impossible) << 1 << "";
        QTest::newRow("black first") << "25-31" << int(VerificationLigne::coup_impossible) << 1 << "";
        QTest::newRow("square left empty") << "48-41 29-36 48-42" << int(VerificationLigne::coup_impossible) << 3 << "";
        QTest::newRow("capture not taken") << "48-41 29-36 54-48 25-32 44-38 19-25 43-37 32-43 38-33 26-39 46-40"
                                           << int(VerificationLigne::coup_impossible) << 11 << "";
    }
    void lignes_lues_et_refusees() {
        QFETCH(QString, ligne);
        QFETCH(int, defaut);
        QFETCH(int, coup);
        QFETCH(QString, ecrite);
        VerificationLigne v = verifier_ligne(ligne.toStdString());
        QCOMPARE(int(v.defaut), defaut);
        QCOMPARE(v.coup, coup);
        QCOMPARE(v.ok(), message_ligne(v).empty());
        if (v.ok()) {
            QCOMPARE(QString::fromStdString(ecrire_ligne(v.coups)), ecrite);
            // What is stored is read back by the book as the same moves.
            std::vector<CoupLivre> relus = lire_ligne(ecrire_ligne(v.coups));
            QCOMPARE(relus.size(), v.coups.size());
            for (size_t i = 0; i < relus.size(); ++i) {
                QCOMPARE(relus[i].depart, v.coups[i].depart);
                QCOMPARE(relus[i].arrivee, v.coups[i].arrivee);
            }
        }
    }

    void longueur_et_messages() {
        std::string l42, l43;
        for (int i = 0; i < 42; ++i) l42 += "48-41 ";
        l43 = l42 + "1-7";
        // 42 moves are read (the second one is then refused by the rules).
        QCOMPARE(int(verifier_ligne(l42).defaut), int(VerificationLigne::coup_impossible));
        VerificationLigne v = verifier_ligne(l43);
        QCOMPARE(int(v.defaut), int(VerificationLigne::trop_longue));
        QCOMPARE(message_ligne(v), std::string("Plus de 42 coups"));
        QCOMPARE(message_ligne(verifier_ligne("48-41 29")), std::string("Ligne illisible au coup 2"));
        QCOMPARE(message_ligne(verifier_ligne("48-41 48-42")), std::string("Coup 2 impossible"));
        QCOMPARE(message_ligne(verifier_ligne("80-38"), ANGLAIS), std::string("No such square at move 1"));
    }

    void fenetres_chargent_leur_fichier() {
        auto f2 = fenetre(0);
        auto f3 = fenetre(1);
        QCOMPARE(f2->objectName(), QString("TForm2"));
        QCOMPARE(f3->objectName(), QString("TForm3"));
        QCOMPARE(f2->windowTitle(), QString("White"));
        QCOMPARE(f2->GroupBox1->title(), QString("Ouvertures (Blancs)"));
        QCOMPARE(f3->GroupBox1->title(), QString("Ouvertures (Noirs)"));
        QVERIFY(f2->BitBtn3->isHidden());

        f2->ouvrir("32-38 ");
        QVERIFY(f2->isVisible());
        QCOMPARE(f2->Nouvelle_Ouverture->text(), QString("32-38 "));
        QCOMPARE(f2->Liste_Ouvertures->count(), 3);
        QCOMPARE(b.blancs.size(), size_t(3));
        QCOMPARE(b.blancs[1], std::string("44-38 oops"));
        // The unreadable line is kept and marked, with its reason.
        QListWidgetItem* mauvaise = f2->Liste_Ouvertures->item(1);
        QCOMPARE(mauvaise->foreground().color(), QColor(Qt::red));
        QVERIFY(mauvaise->toolTip().contains("Ligne illisible au coup 2"));
        QVERIFY(f2->Liste_Ouvertures->item(0)->toolTip().isEmpty());
        QVERIFY(f2->Liste_Ouvertures->item(2)->toolTip().isEmpty());

        f3->charger();
        QCOMPARE(f3->Liste_Ouvertures->count(), 1);
        QCOMPARE(b.noirs[0], std::string("48-41 25-31 "));
        QCOMPARE(b.blancs.size(), size_t(3));
    }

    void ajouter_et_refuser() {
        auto f2 = fenetre(0);
        f2->charger();
        f2->Nouvelle_Ouverture->setText(" 47-40  25-31");
        QTest::mouseClick(f2->Valide_Ouverture, Qt::LeftButton);
        QVERIFY(erreurs.isEmpty());
        QCOMPARE(f2->Liste_Ouvertures->count(), 4);
        QCOMPARE(b.blancs.back(), std::string("47-40 25-31 "));
        QCOMPARE(f2->Liste_Ouvertures->item(3)->text(), QString("47-40 25-31 "));

        // Unsaved, the line already proposes its move to the book.
        auto pt = std::make_unique<Partie>();
        pt->partie[1][OFS_DE] = 47;
        pt->partie[1][OFS_VERS] = 40;
        std::vector<CoupLivre> c = book_candidates(b, 0, *pt, 1);
        QCOMPARE(c.size(), size_t(1));
        QCOMPARE(int(c[0].depart), 25);
        QCOMPARE(int(c[0].arrivee), 31);

        f2->Nouvelle_Ouverture->setText("47-40 25-3x");
        QTest::keyClick(f2->Nouvelle_Ouverture, Qt::Key_Return);
        QCOMPARE(erreurs, QStringList{"Ligne illisible au coup 2"});
        QCOMPARE(b.blancs.size(), size_t(4));
        // The refused text stays in the field to be corrected.
        QCOMPARE(f2->Nouvelle_Ouverture->text(), QString("47-40 25-3x"));
        f2->Nouvelle_Ouverture->setText("47-40 47-41");
        QVERIFY(!f2->Valide_OuvertureClick());
        QCOMPARE(erreurs, (QStringList{"Ligne illisible au coup 2", "Coup 2 impossible"}));
        QCOMPARE(b.blancs.size(), size_t(4));
    }

    void cliquer_et_effacer() {
        auto f2 = fenetre(0);
        f2->show();
        f2->charger();
        cliquer_ligne(f2->Liste_Ouvertures, 2);
        QCOMPARE(f2->Nouvelle_Ouverture->text(), QString("48-41 29-36 54-48 25-32 "));

        cliquer_ligne(f2->Liste_Ouvertures, 1);
        QTest::mouseClick(f2->Effacer, Qt::LeftButton);
        QVERIFY(f2->Nouvelle_Ouverture->text().isEmpty());
        QCOMPARE(b.blancs, (std::vector<std::string>{"48-41 29-36 54-48 24-29 ", "48-41 29-36 54-48 25-32 "}));
        QCOMPARE(f2->Liste_Ouvertures->count(), 2);

        // Without a selected line only the field is emptied.
        f2->Liste_Ouvertures->clearSelection();
        f2->Nouvelle_Ouverture->setText("x");
        f2->EffacerClick();
        QVERIFY(f2->Nouvelle_Ouverture->text().isEmpty());
        QCOMPARE(b.blancs.size(), size_t(2));
        // Nothing was written: the file still has the three lines.
        QCOMPARE(lire(d + "/Ouvert_b.ouv"),
                 std::string("48-41 29-36 54-48 24-29 \r\n44-38 oops\r\n48-41 29-36 54-48 25-32 \r\n"));
    }

    void annuler_reprend_le_fichier() {
        auto f2 = fenetre(0);
        f2->ouvrir(QString());
        f2->Nouvelle_Ouverture->setText("47-40");
        QVERIFY(f2->Valide_OuvertureClick());
        QCOMPARE(b.blancs.size(), size_t(4));
        QSignalSpy fermee(f2.get(), &FenetreOuvertures::fermee);
        QTest::mouseClick(f2->BitBtn2, Qt::LeftButton);
        QCOMPARE(fermee.count(), 1);
        QVERIFY(!f2->isVisible());
        QCOMPARE(b.blancs.size(), size_t(3));
        QCOMPARE(f2->Liste_Ouvertures->count(), 3);
    }

    void enregistrer_un_jeu() {
        auto f2 = fenetre(0);
        f2->ouvrir(QString());
        f2->Nouvelle_Ouverture->setText("47-40");
        QVERIFY(f2->Valide_OuvertureClick());
        QSignalSpy fermee(f2.get(), &FenetreOuvertures::fermee);
        QVERIFY(f2->enregistrer_sous("essai"));
        QCOMPARE(fermee.count(), 1);
        QVERIFY(!f2->isVisible());
        QVERIFY(erreurs.isEmpty());
        const std::string blancs = "48-41 29-36 54-48 24-29 \n44-38 oops\n48-41 29-36 54-48 25-32 \n47-40 \n";
        QCOMPARE(lire(d + "/Parametres/essai.ovv"), std::string("analyse 1\nanalyse 2\n"));
        QCOMPARE(lire(d + "/Parametres/essai_b.ouv"), blancs);
        QCOMPARE(lire(d + "/Ouvert_b.ouv"), blancs);
        // The black list of the set is the black file as it stands.
        QCOMPARE(lire(d + "/Parametres/essai_n.ouv"), std::string("48-41 25-31 \n"));
        QCOMPARE(b.blancs.size(), size_t(4));

        // From the black window: its list goes to the set and its file.
        auto f3 = fenetre(1);
        f3->charger();
        f3->Nouvelle_Ouverture->setText("48-42 25-31");
        QVERIFY(f3->Valide_OuvertureClick());
        QVERIFY(f3->enregistrer_sous("Noirs.OVV"));
        QCOMPARE(lire(d + "/Parametres/Noirs_n.ouv"), std::string("48-41 25-31 \n48-42 25-31 \n"));
        QCOMPARE(lire(d + "/Parametres/Noirs_b.ouv"), blancs);
        QCOMPARE(lire(d + "/Parametres/Noirs.ovv.ovv"), std::string("<absent>"));
    }

    void enregistrement_impossible_garde_les_lignes() {
        // "Parametres" is a file: nothing can be written inside it.
        QVERIFY(QDir(QString::fromStdString(d)).rmdir("Parametres"));
        ecrire(d + "/Parametres", "pas un dossier");
        auto f2 = fenetre(0);
        f2->charger();
        f2->Nouvelle_Ouverture->setText("47-40");
        QVERIFY(f2->Valide_OuvertureClick());
        QSignalSpy fermee(f2.get(), &FenetreOuvertures::fermee);
        QVERIFY(!f2->enregistrer_sous("essai"));
        // With the reason: a path through a file is a folder missing.
        QCOMPARE(erreurs, QStringList{"Impossible d'écrire ce fichier\nLe dossier n'existe pas"});
        QCOMPARE(fermee.count(), 1);
        QCOMPARE(b.blancs.size(), size_t(4));
        QCOMPARE(b.blancs.back(), std::string("47-40 "));
    }

    void changer_de_bibliotheque() {
        ecrire(d + "/Parametres/Tournoi.ovv", "");
        ecrire(d + "/Parametres/Tournoi_B.ouv", "31-36 \n");
        ecrire(d + "/Parametres/tournoi_n.ouv", "33-38 18-23 \n34-39 \n");
        charger_bibliotheques(b);
        std::string erreur;
        QVERIFY(changer_bibliotheque(b, d + "/Parametres/tournoi.ovv", erreur));
        QVERIFY(erreur.empty());
        QCOMPARE(b.blancs, std::vector<std::string>{"31-36 "});
        QCOMPARE(b.noirs, (std::vector<std::string>{"33-38 18-23 ", "34-39 "}));
        // The program's own files now hold the set (the black one found
        // whatever the case of its name).
        QCOMPARE(lire(d + "/Ouvert_b.ouv"), std::string("31-36 \n"));
        QCOMPARE(lire(d + "/ouvert_n.OUV"), std::string("33-38 18-23 \n34-39 \n"));
        auto f3 = fenetre(1);
        QCOMPARE(f3->Liste_Ouvertures->count(), 2);

        // A marker without lists changes nothing.
        ecrire(d + "/Parametres/vide.ovv", "");
        QVERIFY(!changer_bibliotheque(b, d + "/Parametres/vide.ovv", erreur));
        QCOMPARE(erreur, std::string("Impossible d'ouvrir ce fichier"));
        QCOMPARE(b.blancs, std::vector<std::string>{"31-36 "});
        QVERIFY(!changer_bibliotheque(b, "", erreur));
        // A bare name is looked for in "Parametres".
        QVERIFY(changer_bibliotheque(b, "TOURNOI", erreur));
    }

    void legendes_anglaises() {
        auto f2 = fenetre(0);
        f2->appliquer_legendes(ANGLAIS);
        QCOMPARE(f2->Valide_Ouverture->text(), QString("Add"));
        QCOMPARE(f2->GroupBox1->title(), QString("Openings (White)"));
        f2->charger();
        QVERIFY(f2->Liste_Ouvertures->item(1)->toolTip().contains("Unreadable line at move 2"));
    }
};

QTEST_MAIN(TestOuvertures)
#include "test_ouvertures.moc"
