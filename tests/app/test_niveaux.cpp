// The level table, the check mark that follows the stored code and the
// minutes typed for "Autre".
#include <QtTest>
#include <set>

#include "control/niveaux.h"

using namespace kolmar;

class TestNiveaux : public QObject {
    Q_OBJECT

    static int coches(const ControleTemps& c) {
        int n = 0;
        for (int i = 0; i < NB_NIVEAUX; ++i) n += niveau_coche(c, i) ? 1 : 0;
        return n;
    }

   private slots:
    void codes_distincts_et_retrouves() {
        std::set<int> codes;
        for (int i = 0; i < NB_NIVEAUX; ++i) {
            codes.insert(niveaux[i].levelCode);
            QCOMPARE(niveau_de_code(niveaux[i].levelCode), i);
        }
        QCOMPARE(int(codes.size()), NB_NIVEAUX);
        // Codes a file may hold that match no item.
        QCOMPARE(niveau_de_code(9), -1);
        QCOMPARE(niveau_de_code(10), -1);
        QCOMPARE(niveau_de_code(19), -1);
        QCOMPARE(niveau_de_code(255), -1);
        QCOMPARE(int(levelIndex_de_code(14)), 4);
        QCOMPARE(int(levelIndex_de_code(18)), 8);
        QCOMPARE(int(levelIndex_de_code(7)), 0);
    }

    void valeurs_des_niveaux_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("budget");
        QTest::addColumn<int>("limite");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("index");
        QTest::newRow("Honneur keeps 600") << 4 << 10 << 600 << 1 << 0;
        QTest::newRow("Excellence") << 5 << 160 << 178 << 3 << 0;
        QTest::newRow("30 coups en 3 mn") << 11 << 160 << 178 << 3 << 1;
        QTest::newRow("long, long") << 17 << 320000 << 319998 << 500 << 7;
    }
    void valeurs_des_niveaux() {
        QFETCH(int, code);
        QFETCH(int, budget);
        QFETCH(int, limite);
        QFETCH(int, minutes);
        QFETCH(int, index);
        ControleTemps c;
        QVERIFY(choisir_niveau(c, niveau_de_code(code)));
        QCOMPARE(c.engineBudget, budget);
        QCOMPARE(c.periodLimit, limite);
        QCOMPARE(c.periodMinutes, minutes);
        QCOMPARE(int(c.levelIndex), index);
        QCOMPARE(int(c.levelCode), code);
        QCOMPARE(coches(c), 1);
        QVERIFY(niveau_coche(c, niveau_de_code(code)));
    }

    void un_seul_niveau_coche() {
        ControleTemps c;
        QCOMPARE(coches(c), 1);
        QVERIFY(niveau_coche(c, NIVEAU_EXCELLENCE));
        // "8 : Grand Maître International" after "Autre": only the former.
        QVERIFY(accepter_autre(c, "4"));
        QVERIFY(niveau_coche(c, NIVEAU_AUTRE));
        QVERIFY(choisir_niveau(c, niveau_de_code(8)));
        QCOMPARE(coches(c), 1);
        QVERIFY(niveau_coche(c, 8));
        QVERIFY(!niveau_coche(c, NIVEAU_AUTRE));
        // "Autre" needs its minutes; a bad row is refused untouched.
        QVERIFY(!choisir_niveau(c, NIVEAU_AUTRE));
        QVERIFY(!choisir_niveau(c, NB_NIVEAUX));
        QVERIFY(!choisir_niveau(c, -1));
        QCOMPARE(int(c.levelCode), 8);
        // The special "1 : 30 coups en 3 mn" has Excellence's numbers but its own check.
        QVERIFY(choisir_niveau(c, niveau_de_code(11)));
        QVERIFY(!niveau_coche(c, NIVEAU_EXCELLENCE));
        QCOMPARE(coches(c), 1);
    }

    void autre_accepte() {
        ControleTemps c;
        QVERIFY(accepter_autre(c, "7"));
        QCOMPARE(c.engineBudget, 385);
        QCOMPARE(c.periodLimit, 418);
        QCOMPARE(c.periodMinutes, 7);
        QCOMPARE(int(c.levelIndex), 8);
        QCOMPARE(int(c.levelCode), 18);
        QVERIFY(accepter_autre(c, " 1 "));
        QCOMPARE(c.periodLimit, 58);
        // The largest count whose allowance still fits 32 bits.
        QVERIFY(accepter_autre(c, "35791394"));
        QCOMPARE(c.periodLimit, 2147483638);
    }

    void autre_refuse_data() {
        QTest::addColumn<QString>("texte");
        QTest::newRow("zero") << "0";
        QTest::newRow("empty") << "";
        QTest::newRow("blanks") << "   ";
        QTest::newRow("letters") << "abc";
        QTest::newRow("digits then letters") << "7mn";
        QTest::newRow("negative") << "-5";
        QTest::newRow("sign only") << "+";
        QTest::newRow("decimal") << "2.5";
        QTest::newRow("overflows the allowance") << "35791395";
        QTest::newRow("huge") << "99999999999999999999";
    }
    void autre_refuse() {
        QFETCH(QString, texte);
        ControleTemps c;
        QVERIFY(choisir_niveau(c, niveau_de_code(13)));
        const ControleTemps avant = c;
        QVERIFY(!accepter_autre(c, texte.toStdString()));
        QCOMPARE(c.engineBudget, avant.engineBudget);
        QCOMPARE(c.periodLimit, avant.periodLimit);
        QCOMPARE(c.periodMinutes, avant.periodMinutes);
        QCOMPARE(c.levelIndex, avant.levelIndex);
        QCOMPARE(c.levelCode, avant.levelCode);
    }
};

QTEST_APPLESS_MAIN(TestNiveaux)
#include "test_niveaux.moc"
