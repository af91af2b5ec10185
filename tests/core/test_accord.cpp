#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "accord.h"
#include "outils_moteur.h"

namespace kolmar::test {

namespace {

// Endings of three to six men a side, eleven at most (no phase clamp),
// men away from both crowning rows. Unequal numbers fix the tables' level.
std::vector<accord::Position> fins_au_hasard(int nombre, unsigned graine) {
    std::mt19937 h(graine);
    std::vector<accord::Position> v;
    while (static_cast<int>(v.size()) < nombre) {
        accord::Position p{};
        p.damier[0] = BORD;
        const int blancs = std::uniform_int_distribution<int>(3, 6)(h);
        const int noirs = std::uniform_int_distribution<int>(3, 11 - blancs)(h);
        for (int c = 0; c < blancs + noirs; ++c) {
            int s;
            do s = std::uniform_int_distribution<int>(13, 60)(h);
            while (p.damier[s] != VIDE);
            p.damier[s] = c < blancs ? PION_BLANC : PION_NOIR;
        }
        p.trait = static_cast<int8_t>(h() & 1);
        v.push_back(p);
    }
    return v;
}

}  // namespace

// Results drawn from the logistic of the default parameters' own scores:
// from tables moved off by 8, the tuner finds its way back.
TEST(Accord, FindsTheParametersThatMadeTheResults) {
    Banc b;
    std::vector<accord::Position> positions = fins_au_hasard(800, 5);
    const Parametres justes = b.m->parametres;
    {
        accord::Accordeur a(*b.m, positions);
        for (size_t i = 0; i < positions.size(); ++i) {
            const double p = 1.0 / (1.0 + std::exp(-0.02 * a.score_de(i)));
            positions[i].resultat = static_cast<float>(positions[i].trait == BLANC ? p : 1 - p);
        }
    }
    const int entrees[] = {20, 26, 33, 39};
    for (int k : entrees) b.m->parametres.tables[3][k] = static_cast<uint8_t>(justes.tables[3][k] + 8);
    accord::Accordeur a(*b.m, positions);
    const double depart = a.erreur();
    for (int tour = 0; tour < 40 && a.passe(1) > 0; ++tour) a.ajuster_echelle();
    EXPECT_LT(a.erreur(), depart / 20);
    for (int k : entrees) EXPECT_NEAR(b.m->parametres.tables[3][k], justes.tables[3][k], 1) << "entry " << k;
    // Tables no position uses stay as they were.
    for (int k = 1; k <= 66; ++k) EXPECT_EQ(b.m->parametres.tables[0][k], justes.tables[0][k]);
}

// The text source keeps its comments and layout, T7's scalar entries and
// the other lines; only values change.
TEST(Accord, RewritesTheSourceInPlace) {
    Parametres p{};
    for (int t = 0; t < NB_TABLES_PIONS; ++t)
        for (int k = 1; k <= 72; ++k) p.tables[t][k] = static_cast<uint8_t>(t * 10 + k % 7);
    for (int w = 0; w < 8; ++w) p.fixer_scalaire(31 + w, w - 2);
    std::string source = "# head\n";
    for (int t = 0; t < NB_TABLES_PIONS; ++t) {
        source += "table " + std::to_string(t) + "  # name\n";
        for (int r = 0; r < 12; ++r) source += "  1   2   3   4   5 100\n";
        source += "\n";
    }
    source += "seuils 31 23 11\ntempo 0 1 2 4 0 1 0 1  # weights\n";
    const std::string sortie = accord::reecrire_source(source, p);
    EXPECT_NE(sortie.find("# head\ntable 0  # name\n  1   2   3   4   5   6\n  0   1   2   3   4   5\n"),
              std::string::npos)
        << sortie;
    // T7 row 5 (entries 31..36): 31 and 32 tuned, 33.. kept as written.
    EXPECT_NE(sortie.find("table 7  # name\n"), std::string::npos);
    const size_t t7 = sortie.find("table 7");
    std::string rangee5;
    {
        size_t a = t7;
        for (int r = 0; r <= 5; ++r) a = sortie.find('\n', a) + 1;
        rangee5 = sortie.substr(a, sortie.find('\n', a) - a);
    }
    EXPECT_EQ(rangee5, " 73  74   3   4   5 100");
    EXPECT_NE(sortie.find("seuils 31 23 11\ntempo -2 -1 0 1 2 3 4 5 # weights\n"), std::string::npos) << sortie;
}

}  // namespace kolmar::test
