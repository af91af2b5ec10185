#include <gtest/gtest.h>

#include <climits>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "engine/book.h"
#include "engine/temps.h"
#include "outils_moteur.h"

using namespace kolmar;
using kolmar::test::Banc;

TEST(Driver, TimeBudget) {
    // w = 0, T = 160, clock 0: 160 / 100 = 1, 9/10 of it is 0, raised to 1.
    Budget b = budget_temps(160, 178, 0, 0, false, false);
    EXPECT_EQ(b.Bt, 1);
    EXPECT_EQ(b.arret, 5);
    EXPECT_EQ(b.L, 178);
    // "30 coups en 30 mn" at the start: 1680 / 100 * 9 / 10.
    EXPECT_EQ(budget_temps(1680, 1798, 0, 0, false, false).Bt, 14);
    // Late in the first period with little left: at least T / 150 while the cap allows.
    EXPECT_EQ(budget_temps(1680, 1798, 1600, 50, false, false).Bt, 11);
    EXPECT_EQ(budget_temps(1680, 1798, 1790, 50, false, false).Bt, 1);
    // Second period: v = 2, ((v + 1) * T / 2 - clock) / (50 v - w + 50).
    Budget p2 = budget_temps(540, 598, 500, 120, false, false);
    EXPECT_EQ(p2.Bt, (3 * 540 / 2 - 500) / 30 * 9 / 10);
    EXPECT_EQ(p2.L, 121 * 598 / 100);
    // Never more than a tenth of the period; analysis takes T / 50.
    EXPECT_EQ(budget_temps(3360, 3598, 0, 98, false, false).Bt, 336);
    EXPECT_EQ(budget_temps(540, 598, 0, 0, true, false).Bt, 540 / 50 * 9 / 10);
    // No limit.
    EXPECT_EQ(budget_temps(32000, 32000, 0, 0, false, false).Bt, 3200000);
    EXPECT_EQ(budget_temps(160, 178, 0, 0, false, true).arret, 3200000);
    // Depth levels: the budget is nil.
    EXPECT_EQ(budget_temps(2, 58, 0, 0, false, false).Bt, 0);
}

TEST(Driver, TimeBudgetFromAHostileFile) {
    // A game file may carry any level, cap and clock: no overflow (a
    // sanitizer build aborts on one), and the budget stays within the period.
    const int32_t M = INT32_MAX;
    // The clock is far past the cap: the T / 150 floor must not apply.
    Budget b = budget_temps(M, M, M, 0, false, false);
    EXPECT_EQ(b.Bt, 1);
    EXPECT_EQ(b.arret, 5);
    EXPECT_GT(b.L, 0);
    // Second period: the cap grows with the ply and stays positive.
    for (int w : {150, 1000000, INT32_MAX}) {
        Budget p = budget_temps(M, M, M, w, false, false);
        EXPECT_GE(p.Bt, 1) << w;
        EXPECT_GT(p.L, 0) << w;
        EXPECT_EQ(p.arret, 5 * p.Bt) << w;
    }
    // Negative values count as nothing left: the smallest budget.
    Budget n = budget_temps(INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, false, false);
    EXPECT_EQ(n.Bt, 0);
    EXPECT_EQ(n.L, 0);
    // A fresh clock with a huge period: a tenth of the period at most.
    Budget g = budget_temps(M, M, 0, 0, false, false);
    EXPECT_GT(g.Bt, 0);
    EXPECT_LE(g.Bt, static_cast<int64_t>(M) / 10);
}

TEST(Driver, Levels) {
    Limites l;
    EXPECT_EQ(l.engineBudget, 160);  // "5 : Excellence" until a level is chosen
    EXPECT_EQ(l.periodLimit, 178);
    ASSERT_TRUE(limites_niveau(1, l));
    EXPECT_EQ(l.engineBudget, 2);
    EXPECT_EQ(l.periodLimit, 58);
    ASSERT_TRUE(limites_niveau(8, l));
    EXPECT_EQ(l.engineBudget, 1680);
    EXPECT_FALSE(limites_niveau(9, l));
}

TEST(Driver, DepthLevelsStopAfterTheirDepth) {
    for (int niveau : {1, 0}) {
        Banc b;
        limites_niveau(niveau, b.m->limites);
        std::vector<int> profondeurs;
        b.m->rappels.fin_iteration = [&](int d, int, uint64_t) { profondeurs.push_back(d); };
        EXPECT_TRUE(choisir_coup(*b.m, BLANC).joue());
        ASSERT_FALSE(profondeurs.empty());
        EXPECT_EQ(profondeurs.back(), b.m->limites.engineBudget + 1);
    }
}

TEST(Driver, DepthLevelsReachTheirDepthOnASlowMachine) {
    // Every look at the clock is a second later: a depth level still plays
    // to its depth instead of stopping on the one-second stop limit.
    for (int niveau : {1, 0}) {
        Banc b;
        limites_niveau(niveau, b.m->limites);
        int64_t t = 0;
        b.m->rappels.horloge_ms = [&] { return t += 1000; };
        int derniere = 0;
        b.m->rappels.fin_iteration = [&](int d, int, uint64_t) { derniere = d; };
        EXPECT_TRUE(choisir_coup(*b.m, BLANC).joue());
        EXPECT_EQ(derniere, b.m->limites.engineBudget + 1) << "level " << niveau;
    }
}

TEST(Driver, ClockStopsTheSearch) {
    Banc b;
    int64_t t = 0;
    // Every look at the clock is a second later.
    b.m->rappels.horloge_ms = [&] { return t += 1000; };
    int appels = 0;
    b.m->rappels.traiter_messages = [&] { ++appels; };
    ASSERT_TRUE(choisir_coup(*b.m, BLANC).joue());
    // Budget 1 s: no new iteration after depth 5 once it is spent, and the
    // search itself stops past 5 s.
    EXPECT_GE(b.m->limites.temps_utilise, 2);
    EXPECT_LE(b.m->limites.temps_utilise, 40);
    EXPECT_GT(appels, 0);
}

TEST(Driver, AMovesOwnTimeIsSpentWholeAClocksShareIsNot) {
    // Each iteration takes 350 ms of a 1000 ms move. A move's own time
    // starts a third at 700 ms, since nothing saved is of use later; a
    // clock's share keeps the 300 ms, as half the next cannot fit.
    for (bool reportable : {false, true}) {
        Banc b;
        b.m->options.temps_entier = true;
        b.m->limites.temps_fixe_ms = 1000;
        b.m->limites.temps_reportable = reportable;
        int64_t t = 0;
        b.m->rappels.horloge_ms = [&] { return t; };
        int iterations = 0;
        b.m->rappels.fin_iteration = [&](int, int, uint64_t) {
            ++iterations;
            t += 350;
        };
        ASSERT_TRUE(choisir_coup(*b.m, BLANC).joue());
        EXPECT_EQ(iterations, reportable ? 2 : 3) << "reportable " << reportable;
    }
}

TEST(Driver, StopAndAbandonFromTheWindow) {
    Banc b;
    b.m->limites.en_reflexion_adverse = true;
    int polls = 0;
    b.m->rappels.traiter_messages = [&] {
        if (++polls == 3) b.m->arret_calcul = true;
    };
    reflechir(*b.m, BLANC);
    EXPECT_EQ(polls, 3);
    EXPECT_EQ(0, std::memcmp(b.jeu->damier, b.jeu->plateau_affiche, TAILLE_DAMIER));

    Banc c;
    c.m->limites.en_reflexion_adverse = true;
    c.m->rappels.traiter_messages = [&] {
        c.m->arret_calcul = true;
        c.m->abandon = true;
    };
    // Dropped, not a move to play: the first of the list is a legal move
    // and was once given for it.
    EXPECT_EQ(choisir_coup(*c.m, BLANC).genre, ChoixCoup::Genre::abandon);
}

TEST(Driver, PanelTexts) {
    Banc b;
    std::vector<std::string> racine;
    b.m->rappels.ligne_racine = [&](const std::string& l, bool) { racine.push_back(l); };
    b.m->limites.profondeur_fixe = 4;
    choisir_coup(*b.m, BLANC);
    ASSERT_FALSE(racine.empty());
    EXPECT_TRUE(std::regex_match(racine.front(), std::regex("\\d\\d-\\d\\d : [ -]{0,5}-?\\d+ \\?<---")))
        << racine.front();
    bool note = false;
    for (const auto& l : racine) note = note || std::regex_match(l, std::regex("\\d\\d-\\d\\d : [ \\d-]{5}"));
    EXPECT_TRUE(note);

    std::vector<std::string> l = lignes_progression(*b.m, 101);
    ASSERT_GE(l.size(), 7u);
    EXPECT_EQ(l[0], "Profondeur :     4");
    EXPECT_TRUE(std::regex_match(l[1], std::regex("Noeuds : [ \\d]{8}")));
    EXPECT_TRUE(std::regex_match(l[2], std::regex("Temps : [ \\d]{6} s")));
    EXPECT_TRUE(l[3] == "Noeuds/s : //" || std::regex_match(l[3], std::regex("Noeuds/s : [ \\d]{8}")));
    EXPECT_EQ(l[4], "Score :    50");
    EXPECT_EQ(l[5], "Coups :   1");
    EXPECT_TRUE(std::regex_match(l[6], std::regex("\\d\\d - \\d\\d , \\d\\d - \\d\\d"))) << l[6];
    EXPECT_EQ(texte_pv(*b.m).substr(0, 5), l[6].substr(0, 2) + "-" + l[6].substr(5, 2));
}

// The choice among book moves: the same seed gives the same game, each
// launch gets its own seed, so that games differ.
TEST(Driver, BookChoiceFollowsItsSeed) {
    Bibliotheque livres;
    charger_bibliotheques(livres, KOLMAR_DIR);
    auto choix = [&](unsigned graine) {
        Banc b;
        b.m->bibliotheque = &livres;
        b.m->limites.bibliotheque = true;
        b.m->limites.profondeur_fixe = 1;
        b.m->hasard.seed(graine);
        const ChoixCoup r = choisir_coup(*b.m, BLANC);
        EXPECT_TRUE(r.joue());
        return r.joue() ? texte_coup(r.coup) : std::string();
    };
    std::set<std::string> vus;
    for (unsigned graine = 1; graine <= 12; ++graine) {
        const std::string c = choix(graine);
        EXPECT_EQ(choix(graine), c);
        vus.insert(c);
    }
    EXPECT_GT(vus.size(), 1u);

    auto j = std::make_unique<Jeu>();
    auto a = std::make_unique<Moteur>(*j), b = std::make_unique<Moteur>(*j);
    EXPECT_NE(a->hasard(), b->hasard());
}

// The null-window iterations answer "does the score reach S" as the exact
// search does, for either side to move, and for fewer nodes. Scores 0.1 man
// either side of the exact one: the lazy material cut makes the search
// depend a little on its window, as with any aspiration search.
TEST(Driver, ThresholdSearchAgreesWithTheExactScore) {
    for (const char* fen : {"W:W43-72:B1-30", "B:W38,43,45-72:B1-30"}) {
        Banc b(fen);
        b.m->limites.profondeur_fixe = 7;
        choisir_coup(*b.m, b.trait);
        const int exact = b.m->dernier_score;
        for (int seuil : {exact - 20, exact + 20}) {
            Banc t(fen);
            t.m->limites.profondeur_fixe = 7;
            t.m->limites.profondeur_seuil = 6;
            t.m->limites.seuil = seuil;
            choisir_coup(*t.m, t.trait);
            EXPECT_EQ(t.m->dernier_score >= seuil, exact >= seuil) << fen << " threshold " << seuil;
            EXPECT_LT(t.m->noeuds, b.m->noeuds) << fen;
        }
    }
}
