// The clocks under a hand-driven time source: label texts, ticks, pause,
// end of turn and the time-control check of rated games.
#include <QtTest>
#include <memory>

#include "control/horloges.h"
#include "control/niveaux.h"
#include "rules/board.h"

using namespace kolmar;

namespace {

// Clocks reading a time the test moves by hand.
struct Banc {
    std::shared_ptr<int64_t> ms = std::make_shared<int64_t>(5'000'000);
    Horloges h;
    Banc() {
        auto t = ms;
        h.source = [t] { return *t; };
        remettre_a_zero(h);
        relancer_si_arrete(h);
    }
    void secondes(int64_t s) { *ms += s * 1000; }
};

ControleTemps excellence() {
    ControleTemps c;
    choisir_niveau(c, niveau_de_code(5));
    return c;
}

}  // namespace

class TestHorloges : public QObject {
    Q_OBJECT

   private slots:
    void tic_du_camp_au_trait() {
        Banc b;
        b.secondes(9);
        QVERIFY(ajouter_temps(b.h, BLANC, false));
        QCOMPARE(b.h.minblanc, std::string("0"));
        QCOMPARE(b.h.secblanc, std::string("09"));
        QCOMPARE(b.h.total_courant, 9);
        b.secondes(1);
        ajouter_temps(b.h, BLANC, false);
        QCOMPARE(b.h.secblanc, std::string("10"));
        // The side not to move keeps its last text.
        QCOMPARE(b.h.secnoir, std::string("0"));

        restaurer_horloges(b.h, 3590, 0);
        demarrer_tours(b.h);
        b.secondes(9);
        ajouter_temps(b.h, BLANC, false);
        QCOMPARE(b.h.minblanc, std::string("59"));
        QCOMPARE(b.h.secblanc, std::string("59"));
        b.secondes(1);
        ajouter_temps(b.h, BLANC, false);
        QCOMPARE(b.h.minblanc, std::string("60"));
        QCOMPARE(b.h.secblanc, std::string("00"));
        QCOMPARE(b.h.minutes_blanc, 60);
        QCOMPARE(b.h.secondes_blanc, 0);

        // Black to move: only black's pair changes.
        b.secondes(12);
        ajouter_temps(b.h, NOIR, false);
        QCOMPARE(b.h.secnoir, std::string("22"));
        QCOMPARE(b.h.secblanc, std::string("00"));
    }

    void pas_de_tic_pendant_le_tour_ordinateur_ni_en_pause() {
        Banc b;
        b.secondes(30);
        QVERIFY(!ajouter_temps(b.h, NOIR, true));
        QCOMPARE(b.h.total_noir, 0);
        QCOMPARE(b.h.secnoir, std::string("0"));
        basculer_pause(b.h);
        QVERIFY(!ajouter_temps(b.h, NOIR, false));
        QCOMPARE(b.h.total_noir, 0);
    }

    void horloges_a_zero_rend_la_partie_amicale() {
        Banc b;
        b.secondes(75);
        ajouter_temps(b.h, BLANC, false);
        fin_de_tour(b.h, BLANC, false);
        QCOMPARE(b.h.base_blanc, 75);
        uint8_t matchState = 1;
        horloges_a_zero(b.h, matchState);
        QCOMPARE(int(matchState), 0);
        QCOMPARE(b.h.base_blanc, 0);
        QCOMPARE(b.h.minutes_blanc, 0);
        QCOMPARE(b.h.secondes_blanc, 0);
        // "0", not "00", until the next tick.
        QCOMPARE(b.h.secblanc, std::string("0"));
        QCOMPARE(b.h.secnoir, std::string("0"));
        QCOMPARE(b.h.minnoir, std::string("0"));
        b.secondes(4);
        ajouter_temps(b.h, NOIR, false);
        QCOMPARE(b.h.secnoir, std::string("04"));
    }

    void pause_reprend_de_la_base_du_tour() {
        Banc b;
        b.secondes(40);
        ajouter_temps(b.h, BLANC, false);
        fin_de_tour(b.h, BLANC, false);  // white's base 40, black to move
        b.secondes(20);
        ajouter_temps(b.h, NOIR, false);
        QCOMPARE(b.h.total_noir, 20);
        QVERIFY(basculer_pause(b.h));  // Pause2 checked
        QVERIFY(!b.h.timer_actif);
        b.secondes(300);
        QVERIFY(!basculer_pause(b.h));
        QVERIFY(b.h.timer_actif);
        b.secondes(3);
        ajouter_temps(b.h, NOIR, false);
        // The 20 seconds before the pause are dropped, the pause not counted.
        QCOMPARE(b.h.total_noir, 3);
        QCOMPARE(b.h.base_blanc, 40);
    }

    void coup_humain_relance_le_timer_arrete() {
        Banc b;
        basculer_pause(b.h);
        b.secondes(50);
        QVERIFY(relancer_si_arrete(b.h));
        QVERIFY(!relancer_si_arrete(b.h));
        b.secondes(6);
        fin_de_tour(b.h, BLANC, false);
        QCOMPARE(b.h.base_blanc, 6);
    }

    void fin_de_tour_compte_jusqu_au_coup() {
        Banc b;
        b.secondes(10);
        ajouter_temps(b.h, BLANC, false);
        *b.ms += 900;  // the move comes between two ticks
        b.secondes(1);
        fin_de_tour(b.h, BLANC, false);
        QCOMPARE(b.h.base_blanc, 11);
        // Black's turn starts at the move, not at the start of the game.
        b.secondes(5);
        ajouter_temps(b.h, NOIR, false);
        QCOMPARE(b.h.total_noir, 5);
    }

    void horloge_ordinateur_reglee_par_la_recherche() {
        Banc b;
        b.secondes(100);  // ticks do nothing while the computer is to move
        regler_horloge(b.h, NOIR, 65, false);
        QCOMPARE(b.h.base_noir, 65);
        QCOMPARE(b.h.minnoir, std::string("1"));
        QCOMPARE(b.h.secnoir, std::string("05"));
        regler_horloge(b.h, NOIR, 90, true);  // pondering leaves it alone
        QCOMPARE(b.h.base_noir, 65);
        fin_de_tour(b.h, NOIR, true);
        QCOMPARE(b.h.base_noir, 65);
        b.secondes(2);
        ajouter_temps(b.h, BLANC, false);
        QCOMPARE(b.h.total_blanc, 2);
    }

    void restauration_depuis_un_enregistrement() {
        Banc b;
        b.h.secblanc = "33";
        restaurer_horloges(b.h, 125, 3600);
        QCOMPARE(b.h.base_blanc, 125);
        QCOMPARE(b.h.minutes_blanc, 2);
        QCOMPARE(b.h.secondes_blanc, 5);
        QCOMPARE(b.h.minutes_noir, 60);
        QCOMPARE(b.h.secondes_noir, 0);
        QCOMPARE(b.h.secblanc, std::string("33"));  // labels are the caller's
        ecrire_etiquettes(b.h);
        QCOMPARE(b.h.secblanc, std::string("5"));
        QCOMPARE(b.h.minnoir, std::string("60"));
        QCOMPARE(b.h.secnoir, std::string("0"));
    }

    void temps_mesure_sans_calendrier() {
        // The source only has to grow: a turn longer than a month counts whole.
        Banc b;
        b.secondes(40LL * 86400);
        ajouter_temps(b.h, BLANC, false);
        QCOMPARE(b.h.total_blanc, 40 * 86400);
        // Below zero the stamps still step once a second.
        Horloges h;
        int64_t ms = -1500;
        h.source = [&ms] { return ms; };
        QCOMPARE(h.horodatage(), int64_t(-2));
        ms = -1000;
        QCOMPARE(h.horodatage(), int64_t(-1));
        ms = 999;
        QCOMPARE(h.horodatage(), int64_t(0));
    }

    void allocation_par_periode_de_100_demi_coups() {
        QCOMPARE(allocation_temps(178, 0), int64_t(180));
        QCOMPARE(allocation_temps(178, 99), int64_t(180));
        QCOMPARE(allocation_temps(178, 100), int64_t(360));
        QCOMPARE(allocation_temps(178, 199), int64_t(360));
        QCOMPARE(allocation_temps(178, 200), int64_t(540));
        QCOMPARE(allocation_temps(178, 507), int64_t(1080));
        // Largest "Autre" allowance over six periods does not wrap.
        QCOMPARE(allocation_temps(2147483638, 507), int64_t(6) * 2147483640);
    }

    void perte_au_temps_data() {
        QTest::addColumn<int>("ordi");  // computer's colour
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("blanc");
        QTest::addColumn<int>("noir");
        QTest::addColumn<int>("ply");
        QTest::addColumn<QList<int>>("codes");
        // Computer black, human white.
        QTest::newRow("computer at 180") << 1 << 1750 << 0 << 180 << 40 << QList<int>{};
        QTest::newRow("computer at 181") << 1 << 1750 << 0 << 181 << 40 << QList<int>{5};
        QTest::newRow("1750 at 361") << 1 << 1750 << 361 << 0 << 40 << QList<int>{};
        QTest::newRow("1750 at 362") << 1 << 1750 << 362 << 0 << 40 << QList<int>{4};
        QTest::newRow("1800 at 180") << 1 << 1800 << 180 << 0 << 40 << QList<int>{};
        QTest::newRow("1800 at 181") << 1 << 1800 << 181 << 0 << 40 << QList<int>{4};
        QTest::newRow("1799 at 181") << 1 << 1799 << 181 << 0 << 40 << QList<int>{};
        QTest::newRow("ply 99 still one period") << 1 << 1800 << 0 << 181 << 99 << QList<int>{5};
        QTest::newRow("ply 100 two periods") << 1 << 1800 << 0 << 360 << 100 << QList<int>{};
        QTest::newRow("ply 100 over two periods") << 1 << 1800 << 0 << 361 << 100 << QList<int>{5};
        QTest::newRow("ply 250 three periods") << 1 << 1800 << 540 << 540 << 250 << QList<int>{};
        // Black is checked first whoever plays it; both checks are made.
        QTest::newRow("both, computer black") << 1 << 1750 << 362 << 181 << 40 << QList<int>{5, 4};
        QTest::newRow("both, computer white") << 0 << 1750 << 181 << 362 << 40 << QList<int>{4, 5};
        QTest::newRow("computer white at 181") << 0 << 1900 << 181 << 180 << 40 << QList<int>{5};
    }
    void perte_au_temps() {
        QFETCH(int, ordi);
        QFETCH(int, points);
        QFETCH(int, blanc);
        QFETCH(int, noir);
        QFETCH(int, ply);
        QFETCH(QList<int>, codes);
        Horloges h;
        restaurer_horloges(h, blanc, noir);
        PertesTemps r = verifier_temps(h, excellence(), ply, uint8_t(ordi), points, 1);
        QList<int> obtenus;
        for (int i = 0; i < r.nombre; ++i) obtenus << r.codes[i];
        QCOMPARE(obtenus, codes);
    }

    void pas_de_controle_hors_match() {
        Horloges h;
        restaurer_horloges(h, 5000, 5000);
        QCOMPARE(verifier_temps(h, excellence(), 10, 1, 1500, 0).nombre, 0);
        QCOMPARE(verifier_temps(h, excellence(), 10, 1, 1500, 1).nombre, 2);
    }
};

QTEST_APPLESS_MAIN(TestHorloges)
#include "test_horloges.moc"
