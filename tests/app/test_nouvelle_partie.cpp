// The new-game pages and the players' panels on a scratch register: what
// each page hands on, and names and points kept in step on disk.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "forms/nouvelle_partie.h"
#include "forms/panneaux_joueurs.h"
#include "outils_fichiers.h"
#include "records/classement.h"
#include "records/fichiers.h"

using namespace kolmar;

namespace {

using outils::cliquer_ligne;
using outils::ecrire;
using outils::lire;

QStringList lignes(const QListWidget* l) {
    QStringList s;
    for (int i = 0; i < l->count(); ++i) s << l->item(i)->text();
    return s;
}

}  // namespace

class TestNouvellePartie : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dossier;
    std::string d;
    const std::string noms = "Kolmar\r\nAlice\r\nBob\r\nDan\r\n";
    const std::string points = "1990\r\n1600\r\n1750\r\n1700\r\n";

    std::string fichier_noms() { return lire(d + "/joueurs.dat"); }
    std::string fichier_points() { return lire(d + "/points.dat"); }

    // The page control opened and shown, as "Nouveau" leaves it.
    std::unique_ptr<NouvellePartie> ouverte() {
        auto n = std::make_unique<NouvellePartie>();
        n->ouvrir();
        return n;
    }

   private slots:
    void init() {
        dossier = std::make_unique<QTemporaryDir>();
        QVERIFY(dossier->isValid());
        d = dossier->path().toStdString();
        definir_repertoire_donnees(d);
        ecrire(d + "/joueurs.dat", noms);
        ecrire(d + "/points.dat", points);
    }

    void ouverture_charge_les_listes() {
        NouvellePartie n;
        QVERIFY(n.isHidden());
        QCOMPARE(n.objectName(), QString("Nouvelle_partie"));
        QCOMPARE(n.count(), 3);
        QCOMPARE(n.tabText(0), QString("Entrainement"));
        QCOMPARE(n.tabText(1), QString("Match "));
        QCOMPARE(n.tabText(2), QString("Humain contre humain"));
        QCOMPARE(n.Joueur0->text(), QString("Mister X"));
        QVERIFY(n.Valdorin_noir->isChecked());
        QVERIFY(n.Valdorin_noir1->isChecked());
        n.ouvrir();
        QVERIFY(n.isVisible());
        const QStringList attendus{"Kolmar", "Alice", "Bob", "Dan"};
        for (QListWidget* l : {n.ListBox8, n.ListBox9, n.ListBox10, n.ListBox11}) QCOMPARE(lignes(l), attendus);
        for (QListWidget* l : {n.ListBox12, n.ListBox13, n.ListBox14})
            QCOMPARE(lignes(l), (QStringList{"1990", "1600", "1750", "1700"}));

        // A register that is not there gives empty lists, not a failure.
        QVERIFY(QFile::remove(QString::fromStdString(d + "/joueurs.dat")));
        n.ouvrir();
        QCOMPARE(n.ListBox9->count(), 0);
        QCOMPARE(n.ListBox14->count(), 4);
    }

    void entrainement_des_deux_couleurs() {
        auto n = ouverte();
        QSignalSpy spy(n.get(), &NouvellePartie::entrainement);
        QTest::mouseClick(n->BitBtn15, Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy[0][0].toBool(), true);
        QCOMPARE(spy[0][1].toString(), QString("Mister X"));
        QVERIFY(!n->isVisible());

        n->ouvrir();
        cliquer_ligne(n->ListBox8, 2);
        QCOMPARE(n->Joueur0->text(), QString("Bob"));
        QCOMPARE(n->ListBox12->currentRow(), 2);
        n->Valdorin_blanc->setChecked(true);
        n->BitBtn15Click();
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy[1][0].toBool(), false);
        QCOMPARE(spy[1][1].toString(), QString("Bob"));
    }

    void match_choisit_le_joueur_et_ses_points() {
        auto n = ouverte();
        n->setCurrentWidget(n->Match1);
        QSignalSpy spy(n.get(), &NouvellePartie::match);
        // No name: refused, the page stays.
        n->Joueur1->setText("   ");
        QTest::mouseClick(n->BitBtn16, Qt::LeftButton);
        QCOMPARE(spy.count(), 0);
        QVERIFY(n->isVisible());

        cliquer_ligne(n->ListBox9, 2);
        QCOMPARE(n->Joueur1->text(), QString("Bob"));
        QTest::mouseClick(n->BitBtn16, Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QVERIFY(!n->isVisible());
        const bool ordi_noir = spy[0][0].toBool();
        const QString nom = spy[0][1].toString();
        const int selection = spy[0][2].toInt();
        QVERIFY(ordi_noir);
        QCOMPARE(nom, QString("Bob"));
        QCOMPARE(selection, 2);
        // What the main window does with it: Bob's line and points.
        Match m;
        commencer_match(m, n->registre(), ordi_noir, nom.toStdString(), selection);
        QCOMPARE(m.index_blanc, 2);
        QCOMPARE(m.index_noir, 0);
        QCOMPARE(m.points_blanc, 1750);
        QCOMPARE(m.points_noir, 1990);
        QCOMPARE(int(m.matchState), int(MATCH_EN_COURS));

        // Computer white, no line chosen, a name too long for a record.
        n->ouvrir();
        n->ListBox9->clearSelection();
        n->Valdorin_blanc1->setChecked(true);
        n->Joueur1->setText(QString::fromUtf8("Éléonore de la Rivière"));
        n->BitBtn16Click();
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy[1][0].toBool(), false);
        QCOMPARE(spy[1][2].toInt(), -1);
        QByteArray utf8 = spy[1][1].toString().toUtf8();
        QVERIFY(utf8.size() <= 19);
        QVERIFY(QString::fromUtf8("Éléonore de la Rivière").startsWith(spy[1][1].toString()));
    }

    void humains_et_annulations() {
        auto n = ouverte();
        QSignalSpy humains(n.get(), &NouvellePartie::humains);
        QSignalSpy annule(n.get(), &NouvellePartie::annule);
        n->BitBtn17Click();
        QCOMPARE(humains.count(), 0);
        QVERIFY(n->isVisible());
        n->setCurrentWidget(n->Humain);
        cliquer_ligne(n->ListBox10, 1);
        cliquer_ligne(n->ListBox11, 3);
        QCOMPARE(n->ListBox13->currentRow(), 3);
        QTest::mouseClick(n->BitBtn17, Qt::LeftButton);
        QCOMPARE(humains.count(), 1);
        QCOMPARE(humains[0][0].toString(), QString("Alice"));
        QCOMPARE(humains[0][1].toString(), QString("Dan"));
        QCOMPARE(annule.count(), 0);

        for (QPushButton* b : {n->Annule_nouveau, n->BitBtn18, n->BitBtn19}) {
            n->ouvrir();
            n->setCurrentWidget(b->parentWidget());
            QTest::mouseClick(b, Qt::LeftButton);
            QVERIFY(!n->isVisible());
        }
        QCOMPARE(annule.count(), 3);
        QCOMPARE(annule[0][0].toBool(), false);
        QCOMPARE(annule[1][0].toBool(), true);
        QCOMPARE(annule[2][0].toBool(), true);
        QCOMPARE(humains.count(), 1);
    }

    void ramener_kolmar_a_2050() {
        auto n = ouverte();
        n->setCurrentWidget(n->Match1);
        cliquer_ligne(n->ListBox9, 3);
        QTest::mouseClick(n->Ramener_Kolmar, Qt::LeftButton);
        QVERIFY(n->Joueur1->text().isEmpty());
        for (QListWidget* l : {n->ListBox12, n->ListBox13, n->ListBox14}) QCOMPARE(l->item(0)->text(), QString("2050"));
        QCOMPARE(fichier_points(), std::string("2050\r\n1600\r\n1750\r\n1700\r\n"));
        QCOMPARE(fichier_noms(), noms);
        // The chosen line survives, so the match still finds Dan.
        n->Joueur1->setText("Dan");
        QSignalSpy spy(n.get(), &NouvellePartie::match);
        n->BitBtn16Click();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy[0][2].toInt(), 3);
    }

    void nouveau_joueur() {
        NouveauJoueur p;
        QCOMPARE(p.objectName(), QString("Nouveau_joueur"));
        QVERIFY(p.K1800->isChecked());
        QSignalSpy ajoute(&p, &NouveauJoueur::joueur_ajoute);
        p.ouvrir();
        // An empty name does nothing and keeps the panel up.
        QTest::mouseClick(p.BitBtn22, Qt::LeftButton);
        QCOMPARE(ajoute.count(), 0);
        QVERIFY(p.isVisible());
        QCOMPARE(fichier_noms(), noms);

        p.Joueur->setText("Claire");
        p.K1600->setChecked(true);
        QTest::mouseClick(p.BitBtn22, Qt::LeftButton);
        QCOMPARE(ajoute.count(), 1);
        QCOMPARE(ajoute[0][0].toString(), QString("Claire"));
        QCOMPARE(ajoute[0][1].toInt(), 1600);
        QVERIFY(!p.isVisible());
        QVERIFY(p.Joueur->text().isEmpty());
        QCOMPARE(fichier_noms(), noms + "Claire\r\n");
        QCOMPARE(fichier_points(), points + "1600\r\n");

        // A points file short of a line: the new player still gets his own.
        ecrire(d + "/points.dat", "1990\r\n1600\r\n1750\r\n");
        p.ouvrir();
        p.Joueur->setText("Eve");
        p.K1700->setChecked(true);
        QVERIFY(p.BitBtn7Click());
        Registre r = charger_registre(d);
        QCOMPARE(r.noms.size(), r.points.size());
        QCOMPARE(r.noms.back(), std::string("Eve"));
        QCOMPARE(r.points.back(), std::string("1700"));

        // The page control connected to it shows the new player at once.
        NouvellePartie n;
        connect(&p, &NouveauJoueur::joueur_ajoute, &n, [&n] { n.charger_listes(); });
        p.Joueur->setText("Fred");
        p.K1800->setChecked(true);
        QVERIFY(p.BitBtn7Click());
        QCOMPARE(n.ListBox9->item(n.ListBox9->count() - 1)->text(), QString("Fred"));
        QCOMPARE(n.ListBox14->item(n.ListBox14->count() - 1)->text(), QString("1800"));

        QSignalSpy annule(&p, &NouveauJoueur::annule);
        p.ouvrir();
        p.Joueur->setText("Gus");
        QTest::mouseClick(p.BitBtn23, Qt::LeftButton);
        QCOMPARE(annule.count(), 1);
        QCOMPARE(charger_registre(d).noms.back(), std::string("Fred"));
    }

    void effacer_un_joueur() {
        EffaceJoueur p;
        QCOMPARE(p.objectName(), QString("Efface_j"));
        QSignalSpy efface(&p, &EffaceJoueur::joueur_supprime);
        QSignalSpy repeint(&p, &EffaceJoueur::repeindre);
        p.ouvrir();
        QCOMPARE(lignes(p.ListBox15), (QStringList{"Kolmar", "Alice", "Bob", "Dan"}));

        // No selection, then the computer's line: only a repaint.
        QVERIFY(!p.BitBtn20Click());
        cliquer_ligne(p.ListBox15, 0);
        QTest::mouseClick(p.BitBtn20, Qt::LeftButton);
        QCOMPARE(efface.count(), 0);
        QCOMPARE(repeint.count(), 2);
        QVERIFY(p.isVisible());
        QCOMPARE(fichier_noms(), noms);

        cliquer_ligne(p.ListBox15, 2);
        QCOMPARE(p.joueur_efface->text(), QString("Bob"));
        QTest::mouseClick(p.BitBtn20, Qt::LeftButton);
        QCOMPARE(efface.count(), 1);
        QCOMPARE(efface[0][0].toInt(), 2);
        QVERIFY(!p.isVisible());
        // Names and points leave together: Dan keeps his 1700.
        QCOMPARE(fichier_noms(), std::string("Kolmar\r\nAlice\r\nDan\r\n"));
        QCOMPARE(fichier_points(), std::string("1990\r\n1600\r\n1700\r\n"));
    }

    void effacer_sur_une_liste_perimee() {
        EffaceJoueur p;
        p.ouvrir();
        // Someone else deletes Alice while the panel is up: line 2 is now Dan.
        QVERIFY(effacer_joueur(d, 1).ok);
        cliquer_ligne(p.ListBox15, 2);
        QVERIFY(!p.BitBtn20Click());
        QCOMPARE(fichier_noms(), std::string("Kolmar\r\nBob\r\nDan\r\n"));
        QVERIFY(p.isVisible());
        QCOMPARE(lignes(p.ListBox15), (QStringList{"Kolmar", "Bob", "Dan"}));
    }

    void match_en_cours_apres_effacement() {
        // Dan (line 3, 1700) plays white against the computer; Bob is
        // deleted during the match; Dan's result must land on Dan.
        Match m;
        commencer_match(m, charger_registre(d), true, "Dan", 3);
        QCOMPARE(m.points_blanc, 1700);
        QVERIFY(effacer_joueur(d, 2).ok);
        apres_effacement(m, 2);
        QCOMPARE(m.index_blanc, 2);
        QCOMPARE(m.index_noir, 0);
        FinDeMatch fin = conclure_match(m, GAIN_BLANC, "Dan", "Kolmar", d);
        QVERIFY(fin.compte);
        Registre r = charger_registre(d);
        QCOMPARE(r.noms[2], std::string("Dan"));
        QCOMPARE(r.points[2], std::to_string(fin.blanc_apres));
        QCOMPARE(r.points[1], std::string("1600"));
        QVERIFY(fin.blanc_apres > 1700);

        // The player himself deleted: nobody else's line is scored.
        Match m2;
        commencer_match(m2, charger_registre(d), false, "Alice", 1);
        apres_effacement(m2, 1);
        QCOMPARE(m2.index_noir, -1);
        QCOMPARE(m2.index_blanc, 0);
        apres_effacement(m2, 0);
        QCOMPARE(m2.index_blanc, 0);
    }

    void changer_les_noms() {
        PanneauJoueurs p;
        QCOMPARE(p.objectName(), QString("Joueurs"));
        QSignalSpy spy(&p, &PanneauJoueurs::noms);
        p.ouvrir("Alice", "Kolmar");
        QCOMPARE(p.Edit2->text(), QString("Alice"));
        QCOMPARE(p.Edit3->text(), QString("Kolmar"));
        p.Edit3->setText("Bob");
        QTest::mouseClick(p.Cancel_joueurs, Qt::LeftButton);
        QCOMPARE(spy.count(), 0);
        QVERIFY(!p.isVisible());
        p.ouvrir("Alice", "Kolmar");
        p.Edit2->setText("Un nom bien trop long pour un record");
        QTest::mouseClick(p.OKjoueur, Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy[0][0].toString(), QString("Un nom bien trop lo"));
        QCOMPARE(spy[0][1].toString(), QString("Kolmar"));
        QVERIFY(!p.isVisible());
    }
};

QTEST_MAIN(TestNouvellePartie)
#include "test_nouvelle_partie.moc"
