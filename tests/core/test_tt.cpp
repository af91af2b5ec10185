#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "engine/tt.h"
#include "records/fichiers.h"

using namespace kolmar;

namespace {

struct Table {
    TableHachage t;
    Table() {
        t.S = 10;
        EXPECT_TRUE(init_hash(t));
        t.M = 20;
        t.D = 8;
    }
    const EntreeHash& slot0() const { return t.entrees[7]; }
    // Writes at slot 7 with lock 99 and a score telling which call wrote.
    void ecrire(int score, int ply, uint8_t flag, int pieces = 20) { store(t, 7, 99, pieces, score, ply, flag, 1, 2); }
};

}  // namespace

TEST(TranspositionTable, ReplacementRules) {
    Table a;
    a.ecrire(10, 5, HASH_EXACT);  // 1: an empty slot is written
    EXPECT_EQ(a.slot0().score, 10);
    EXPECT_EQ(a.slot0().ply, 25);
    EXPECT_EQ(a.slot0().horizon, 28);

    a.ecrire(11, 5, HASH_DECISIF);  // 2: a decisive score over a non-decisive one
    EXPECT_EQ(a.slot0().score, 11);
    a.ecrire(12, 5, HASH_EXACT);  // 7: same horizon, decisive kept
    EXPECT_EQ(a.slot0().score, 11);
    a.ecrire(13, 4, HASH_DECISIF);  // 3: the same flag nearer the root
    EXPECT_EQ(a.slot0().score, 13);
    a.ecrire(14, 6, HASH_DECISIF);  // ... but not further from it
    EXPECT_EQ(a.slot0().score, 13);
    a.t.D = 30;  // 6: a search far away in the game (N = 50 > 28 + 16)
    a.ecrire(15, 6, HASH_EXACT);
    EXPECT_EQ(a.slot0().score, 15);

    Table b;
    b.ecrire(20, 5, HASH_EXACT);
    b.t.D = 9;  // 4: a deeper search replaces a non-decisive entry
    b.ecrire(21, 5, HASH_ECHEC);
    EXPECT_EQ(b.slot0().score, 21);
    b.ecrire(22, 7, HASH_COUPURE);  // 5: a bound is replaced at the same horizon
    EXPECT_EQ(b.slot0().score, 22);
    b.t.D = 8;  // 5: one ply shallower, only by an exact score
    b.ecrire(23, 7, HASH_ECHEC);
    EXPECT_EQ(b.slot0().score, 22);
    b.ecrire(24, 7, HASH_EXACT + HASH_MIN + 1);
    EXPECT_EQ(b.slot0().score, 24);
    b.ecrire(25, 7, HASH_COUPURE);  // 7: an exact entry at the same horizon stays
    EXPECT_EQ(b.slot0().score, 24);
}

TEST(TranspositionTable, LimitsOnPiecesAndGameLength) {
    Table a;
    a.ecrire(1, 5, HASH_EXACT, 3);
    EXPECT_EQ(a.slot0().flag, 0);
    a.ecrire(2, 5, HASH_EXACT, 4);
    EXPECT_EQ(a.slot0().score, 2);

    Table b;
    b.t.M = 240;
    b.t.D = 15;  // D + M = 255: nothing is written
    b.ecrire(3, 5, HASH_EXACT);
    EXPECT_EQ(b.slot0().flag, 0);
    b.t.D = 14;
    b.ecrire(4, 5, HASH_EXACT);
    EXPECT_EQ(b.slot0().score, 4);
    // A horizon of 128 or more reads negative and never satisfies a probe.
    EXPECT_EQ(probe(b.t, 7, 99, 5), nullptr);

    Table c;
    c.ecrire(5, 5, HASH_EXACT);
    EXPECT_NE(probe(c.t, 7, 99, 5), nullptr);
    EXPECT_EQ(probe(c.t, 7, 98, 5), nullptr);  // another lock
    EXPECT_EQ(probe(c.t, 7, 99, 6), nullptr);  // another ply
    c.t.D = 9;                                 // asked deeper than it was searched
    EXPECT_EQ(probe(c.t, 7, 99, 5), nullptr);
    c.t.D = 7;
    EXPECT_NE(probe(c.t, 7, 99, 5), nullptr);
}

// By the node's own depth: a reduced node's entry does not answer a deeper
// search of it, and a game past 120 plies still finds its entries.
TEST(TranspositionTable, EntriesByTheNodesDepthInALongGame) {
    Table a;
    a.t.par_noeud = true;
    a.t.M = 240;
    a.t.D = 14;
    store(a.t, 7, 99, 20, 6, 5, HASH_EXACT, 1, 2, 12);
    EXPECT_EQ(a.slot0().ply, 245);
    a.t.D = 13;
    EXPECT_EQ(probe(a.t, 7, 99, 5), nullptr);
    a.t.D = 12;
    ASSERT_NE(probe(a.t, 7, 99, 5), nullptr);
    EXPECT_EQ(probe(a.t, 7, 99, 5)->score, 6);
}

// Paired slots: what the rules turn away (another position searched less
// deep, a shallower copy of the same one) lands beside the deep entry; each
// position reads its own, the deeper copy first, and a rewrite clears a twin.
TEST(TranspositionTable, PairedSlotsKeepWhatTheRulesTurnAway) {
    Table a;
    a.t.seaux = a.t.par_noeud = true;
    store(a.t, 7, 99, 20, 1, 5, HASH_EXACT, 1, 2, 12);
    store(a.t, 7, 98, 20, 2, 5, HASH_EXACT, 3, 4, 6);
    a.t.D = 12;
    ASSERT_NE(probe(a.t, 7, 99, 5), nullptr);
    EXPECT_EQ(probe(a.t, 7, 99, 5)->score, 1);
    a.t.D = 6;
    ASSERT_NE(probe(a.t, 7, 98, 5), nullptr);
    EXPECT_EQ(probe(a.t, 7, 98, 5)->score, 2);

    store(a.t, 7, 99, 20, 3, 5, HASH_EXACT, 1, 2, 4);  // turned away: beside, over the other position
    EXPECT_EQ(probe(a.t, 7, 98, 5), nullptr);
    a.t.D = 12;
    ASSERT_NE(probe(a.t, 7, 99, 5), nullptr);
    EXPECT_EQ(probe(a.t, 7, 99, 5)->score, 1);

    a.t.D = 14;
    store(a.t, 7, 99, 20, 4, 5, HASH_EXACT, 1, 2, 14);
    ASSERT_NE(probe(a.t, 7, 99, 5), nullptr);
    EXPECT_EQ(probe(a.t, 7, 99, 5)->score, 4);
    a.t.D = 0;
    int copies = 0;
    for (int i = 6; i <= 7; ++i) copies += a.t.entrees[i].flag && a.t.entrees[i].lock == 99;
    EXPECT_EQ(copies, 1);
}

TEST(TranspositionTable, ColourAndNodeKindOfTheWriter) {
    Borne borne = Borne::exacte;
    int v = 0;
    // A max node of the white root: the same node reads it as it is.
    ASSERT_TRUE(lire_entree(HASH_EXACT + BLANC, 40, true, BLANC, borne, v));
    EXPECT_EQ(borne, Borne::exacte);
    EXPECT_EQ(v, 40);
    // A min node of the black root has white to move too: negated.
    ASSERT_TRUE(lire_entree(HASH_EXACT + BLANC, 40, false, NOIR, borne, v));
    EXPECT_EQ(v, -40);
    // Black to move at a max node of the black root: another position.
    EXPECT_FALSE(lire_entree(HASH_EXACT + BLANC, 40, true, NOIR, borne, v));
    EXPECT_FALSE(lire_entree(HASH_EXACT + BLANC, 40, false, BLANC, borne, v));
    // A cut in a max node is a lower bound; read from the other colour, an upper one.
    ASSERT_TRUE(lire_entree(HASH_COUPURE + BLANC, 70, true, BLANC, borne, v));
    EXPECT_EQ(borne, Borne::basse);
    ASSERT_TRUE(lire_entree(HASH_COUPURE + BLANC, 70, false, NOIR, borne, v));
    EXPECT_EQ(borne, Borne::haute);
    EXPECT_EQ(v, -70);
    // A cut in a min node is an upper bound; a fail in a min node a lower one.
    ASSERT_TRUE(lire_entree(HASH_COUPURE + HASH_MIN + NOIR, -5, false, NOIR, borne, v));
    EXPECT_EQ(borne, Borne::haute);
    ASSERT_TRUE(lire_entree(HASH_ECHEC + HASH_MIN + NOIR, -5, false, NOIR, borne, v));
    EXPECT_EQ(borne, Borne::basse);
    ASSERT_TRUE(lire_entree(HASH_ECHEC + HASH_MIN + NOIR, -5, true, BLANC, borne, v));
    EXPECT_EQ(borne, Borne::haute);
    EXPECT_EQ(v, 5);
    // Decisive entries are exact for both kinds of node.
    ASSERT_TRUE(lire_entree(HASH_DECISIF + HASH_MIN + BLANC, 31990, false, BLANC, borne, v));
    EXPECT_EQ(borne, Borne::exacte);
    ASSERT_TRUE(lire_entree(HASH_DECISIF + NOIR, 31990, false, BLANC, borne, v));
    EXPECT_EQ(v, -31990);
    EXPECT_FALSE(lire_entree(0, 0, true, BLANC, borne, v));
}

TEST(TranspositionTable, SizesAndResize) {
    TableHachage t;
    ErreurDonnees erreur;
    ASSERT_TRUE(charger_cles(t, erreur, KOLMAR_DIR)) << texte_erreur_donnees(erreur);
    uint32_t verrou[NB_CLES], index[NB_CLES];
    std::memcpy(verrou, t.cles_verrou, sizeof verrou);
    std::memcpy(index, t.cles_index, sizeof index);
    const uint32_t tailles[NB_TAILLES_HASH] = {13100, 65500, 131000, 262000, 458500, 917000, 1310000, 2620000};
    for (int i = 0; i < NB_TAILLES_HASH; ++i) {
        ASSERT_TRUE(resize_hash(t, i));
        EXPECT_EQ(t.nb_entrees, tailles[i]);
        EXPECT_EQ(t.H, k_decalages_hash[i]);
    }
    ASSERT_TRUE(resize_hash(t, 1));
    int differentes = 0;
    for (int c = 1; c <= 4; ++c)
        for (int s = 1; s <= 72; ++s) {
            int k = c * 72 + s;
            EXPECT_LT(t.cles_index[k], 65500u);
            differentes += t.cles_index[k] != index[k];
            EXPECT_EQ(t.cles_verrou[k], verrou[k]);
            EXPECT_EQ(t.cles_fichier[k], index[k]);
        }
    EXPECT_GT(differentes, 280);
    for (uint32_t i = 0; i < t.nb_entrees; ++i) ASSERT_EQ(t.entrees[i].flag, 0);
    EXPECT_FALSE(resize_hash(t, 8));
}

TEST(TranspositionTable, KeyFileMissingOrShort) {
    TableHachage t;
    ErreurDonnees erreur;
    std::string dir = testing::TempDir() + "cles_courtes";
    std::string cmd = "mkdir -p '" + dir + "'";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    std::remove((dir + "/hashkey73.dat").c_str());
    std::remove((dir + "/HashKey73.DAT").c_str());
    EXPECT_FALSE(charger_cles(t, erreur, dir));
    EXPECT_NE(texte_erreur_donnees(erreur).find("hashkey73.dat"), std::string::npos);
    std::ofstream(dir + "/HashKey73.DAT", std::ios::binary) << std::string(2919, 'x');
    erreur = {};
    EXPECT_FALSE(charger_cles(t, erreur, dir));
    EXPECT_NE(texte_erreur_donnees(erreur).find("2919"), std::string::npos);
    EXPECT_FALSE(t.cles_chargees);
    std::ofstream(dir + "/HashKey73.DAT", std::ios::binary) << std::string(2920, '\x01');
    EXPECT_TRUE(charger_cles(t, erreur, dir));
    EXPECT_EQ(t.cles_index[100], 0x01010101u);
}

TEST(TranspositionTable, GeneratedKeysAreWellMixed) {
    TableHachage t;
    ErreurDonnees erreur;
    ASSERT_TRUE(charger_cles(t, erreur, KOLMAR_DIR)) << texte_erreur_donnees(erreur);
    // Every bit is set in about half of the used keys, and no two are equal.
    for (int b = 0; b < 32; ++b) {
        int n = 0;
        for (int k = 73; k < NB_CLES; ++k) n += (t.cles_verrou[k] >> b) & 1;
        EXPECT_GT(n, 100) << b;
        EXPECT_LT(n, 192) << b;
    }
    for (int i = 73; i < NB_CLES; ++i)
        for (int j = i + 1; j < NB_CLES; ++j) ASSERT_NE(t.cles_index[i], t.cles_index[j]);
}

// A size that cannot be allocated must leave a usable table: a zero-size
// table would make every slot() a division by zero.
TEST(TranspositionTable, AFailedResizeKeepsTheOldTable) {
    TableHachage t;
    ErreurDonnees erreur;
    ASSERT_TRUE(charger_cles(t, erreur, KOLMAR_DIR)) << texte_erreur_donnees(erreur);
    ASSERT_TRUE(resize_hash(t, 1));
    store(t, 77, 1234, 20, 55, 3, HASH_EXACT, 40, 34);
    uint32_t index[NB_CLES];
    std::memcpy(index, t.cles_index, sizeof index);
    t.plafond_entrees = 100000;
    EXPECT_FALSE(resize_hash(t, 3));
    EXPECT_EQ(t.menu, 1);
    EXPECT_EQ(t.nb_entrees, 65500u);
    EXPECT_EQ(t.H, k_decalages_hash[1]);
    EXPECT_EQ(0, std::memcmp(index, t.cles_index, sizeof index));
    const EntreeHash* e = probe(t, 77, 1234, 3);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->score, 55);
}
