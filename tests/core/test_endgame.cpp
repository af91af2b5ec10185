// Endgame tables: probe arithmetic on hand-made tables, indexing of every
// table, loading of missing or short files, "can.dat" look-ups, and the
// generated tables checked by the verifier and by a plain search.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "engine/endgame.h"
#include "engine/endgame_gen.h"
#include "rules/board.h"
#include "rules/movegen.h"

using namespace kolmar;

namespace {

// Zeroed tables of the right sizes, marked loaded.
Finales finales_vides() {
    Finales f;
    for (int t = 0; t < NB_TABLES_FINALES; ++t) f.tables[t].assign(static_cast<size_t>(taille_table_finale(t)), 0);
    f.finales_chargees = true;
    return f;
}

void plateau(uint8_t damier[TAILLE_DAMIER], std::initializer_list<std::pair<int, uint8_t>> pieces) {
    std::memset(damier, VIDE, TAILLE_DAMIER);
    damier[0] = BORD;
    for (auto [s, c] : pieces) damier[s] = c;
}

// The same position with the other colour to move: turned and recoloured.
void retourner(const uint8_t src[TAILLE_DAMIER], uint8_t dst[TAILLE_DAMIER]) {
    static const uint8_t inv[5] = {VIDE, PION_NOIR, DAME_NOIRE, PION_BLANC, DAME_BLANCHE};
    dst[0] = BORD;
    for (int s = 1; s <= NB_CASES; ++s) dst[s] = inv[src[73 - s]];
}

const Finales& finales_generees() {
    static Finales f;
    static bool fait = false;
    if (!fait) {
        charger_finales(f, KOLMAR_DIR);
        fait = true;
    }
    return f;
}

// Plain search on the board: can `side` leave the other side without a
// piece or a move within n plies?
bool gagne_en(Generateur& g, uint8_t* d, int side, int n, int ply);
bool perd_en(Generateur& g, uint8_t* d, int side, int n, int ply) {
    g.ply = ply;
    int k = generer_coups(g, side);
    if (k == 0) return true;
    if (n <= 0) return false;
    std::vector<Coup> coups(g.liste_coups[ply], g.liste_coups[ply] + k);
    uint8_t garde[TAILLE_DAMIER];
    std::memcpy(garde, d, TAILLE_DAMIER);
    for (const Coup& c : coups) {
        jouer_coup(d, c);
        bool ok = gagne_en(g, d, 1 - side, n - 1, ply + 1);
        std::memcpy(d, garde, TAILLE_DAMIER);
        if (!ok) return false;
    }
    return true;
}
bool gagne_en(Generateur& g, uint8_t* d, int side, int n, int ply) {
    if (n <= 0) return false;
    g.ply = ply;
    int k = generer_coups(g, side);
    std::vector<Coup> coups(g.liste_coups[ply], g.liste_coups[ply] + k);
    uint8_t garde[TAILLE_DAMIER];
    std::memcpy(garde, d, TAILLE_DAMIER);
    for (const Coup& c : coups) {
        jouer_coup(d, c);
        uint8_t nb[5];
        compter_pieces(d, nb);
        bool vide = side == BLANC ? nb[PION_NOIR] + nb[DAME_NOIRE] == 0 : nb[PION_BLANC] + nb[DAME_BLANCHE] == 0;
        bool ok = vide || perd_en(g, d, 1 - side, n - 1, ply + 1);
        std::memcpy(d, garde, TAILLE_DAMIER);
        if (ok) return true;
    }
    return false;
}

}  // namespace

TEST(EndgameProbe, ScoresFollowTheDistanceThePlyAndTheRootColour) {
    Finales f = finales_vides();
    uint8_t d[TAILLE_DAMIER];
    plateau(d, {{1, DAME_BLANCHE}, {2, DAME_NOIRE}});
    EXPECT_EQ(decalage_finale(DOD, d, BLANC), 74);
    f.tables[DOD][74] = 5;
    int16_t s = 0;
    ASSERT_TRUE(valeur_finale(f, DOD, d, 0, 3, s));
    EXPECT_EQ(s, 31992);
    // Ply 2 with black at the root: white moves there, seen from black.
    ASSERT_TRUE(valeur_finale(f, DOD, d, 1, 2, s));
    EXPECT_EQ(s, -(32000 - 5 - 2));
    // A loss in 4 read at ply 3: losses further from the root score higher.
    f.tables[DOD][74] = -4;
    ASSERT_TRUE(valeur_finale(f, DOD, d, 0, 3, s));
    EXPECT_EQ(s, -32000 + 4 + 3);
    f.tables[DOD][74] = 0;
    ASSERT_TRUE(valeur_finale(f, DOD, d, 0, 3, s));
    EXPECT_EQ(s, 0);
    // The material chooses the table: the search's entry point finds it.
    f.tables[DOD][74] = 9;
    uint8_t nb[5];
    compter_pieces(d, nb);
    ASSERT_TRUE(sonder_finales(f, d, nb, 0, 5, s));
    EXPECT_EQ(s, 32000 - 9 - 5);
}

TEST(EndgameProbe, BlackToMoveTurnsTheBoardInTablesWithMen) {
    Finales f = finales_vides();
    uint8_t d[TAILLE_DAMIER];
    // A black man on 40 to move against a white king on 12.
    plateau(d, {{40, PION_NOIR}, {12, DAME_BLANCHE}});
    uint8_t nb[5];
    compter_pieces(d, nb);
    EXPECT_EQ(table_finale(nb, NOIR), POD);
    EXPECT_EQ(table_finale(nb, BLANC), DOP);
    EXPECT_EQ(decalage_finale(POD, d, NOIR), 72 * 33 + (73 - 12));
    f.tables[POD][72 * 33 + 61] = -6;
    int16_t s = 0;
    // Black is the root and moves at ply 3.
    ASSERT_TRUE(sonder_finales(f, d, nb, 1, 3, s));
    EXPECT_EQ(s, -32000 + 6 + 3);
    // Kings only: the board's own squares, whoever moves.
    plateau(d, {{40, DAME_NOIRE}, {12, DAME_BLANCHE}});
    EXPECT_EQ(decalage_finale(DOD, d, NOIR), 72 * 40 + 12);
    EXPECT_EQ(decalage_finale(DOD, d, BLANC), 72 * 12 + 40);
}

TEST(EndgameProbe, PairsAreIndexedInOrderAndOtherMaterialReadsNothing) {
    uint8_t d[TAILLE_DAMIER];
    plateau(d, {{20, DAME_BLANCHE}, {10, DAME_BLANCHE}, {50, DAME_NOIRE}});
    EXPECT_EQ(decalage_finale(DDOD, d, BLANC), 181 + 2556 * 49 - 1);
    EXPECT_EQ(decalage_finale(DODD, d, NOIR), 181 + 2556 * 49 - 1);
    // Black men on 10 and 20 to move: turned to 63 and 53, put in order.
    plateau(d, {{20, PION_NOIR}, {10, PION_NOIR}, {50, PION_BLANC}});
    EXPECT_EQ(decalage_finale(PPOP, d, NOIR), 53 + 62 * 61 / 2 + 2556 * 22 - 1);
    // The wrong table for the board, or a third piece on the board.
    EXPECT_EQ(decalage_finale(PPOD, d, NOIR), -1);
    d[30] = DAME_NOIRE;
    EXPECT_EQ(decalage_finale(PPOP, d, NOIR), -1);

    // Four pieces, or a side with nothing: no table is read, even loaded.
    Finales f = finales_vides();
    for (auto& t : f.tables) std::fill(t.begin(), t.end(), int8_t{3});
    uint8_t nb[5];
    int16_t s = 1234;
    plateau(d, {{10, DAME_BLANCHE}, {20, PION_BLANC}, {50, DAME_NOIRE}, {60, PION_NOIR}});
    compter_pieces(d, nb);
    EXPECT_FALSE(sonder_finales(f, d, nb, 0, 2, s));
    plateau(d, {{10, DAME_BLANCHE}, {20, PION_BLANC}});
    compter_pieces(d, nb);
    EXPECT_FALSE(sonder_finales(f, d, nb, 0, 2, s));
    EXPECT_EQ(s, 1234);
}

TEST(EndgameTables, EveryPositionHasItsOwnOffsetForEitherMover) {
    // Positions per table: kings anywhere, white men on 7..72, black men on 1..66.
    const long attendu[NB_TABLES_FINALES] = {
        72 * 71,      66 * 71,      66 * 71,   66 * 66 - 60, 2556 * 70, 2556 * 70, 66 * 2485, 66 * 2485,
        66 * 71 * 70, 66 * 71 * 70, 4296 * 70, 4296 * 70,    2145 * 70, 2145 * 70, -1,        -1};
    for (int t = 0; t < NB_TABLES_FINALES; ++t) {
        long valides = 0;
        uint8_t d[TAILLE_DAMIER], r[TAILLE_DAMIER];
        for (long off = 0; off < taille_table_finale(t); ++off) {
            if (!position_de_decalage(t, off, d)) continue;
            ++valides;
            ASSERT_EQ(decalage_finale(t, d, BLANC), off) << nom_table_finale(t);
            retourner(d, r);
            // Kings-only tables read the board as it stands: only colours swap.
            if (t == DOD || t == DDOD || t == DODD) std::reverse(r + 1, r + TAILLE_DAMIER);
            ASSERT_EQ(decalage_finale(t, r, NOIR), off) << nom_table_finale(t);
        }
        if (attendu[t] > 0) {
            EXPECT_EQ(valides, attendu[t]) << nom_table_finale(t);
        }
        // Sizes end at the last placement of distinct squares.
        if (t == DOD || t == DDOD || t == DODD) {
            EXPECT_TRUE(position_de_decalage(t, taille_table_finale(t) - 1, d)) << nom_table_finale(t);
        }
    }
}

TEST(EndgameFiles, MissingOrShortTablesAreNoTable) {
    char modele[] = "/tmp/kolmar-egdb-XXXXXX";
    ASSERT_NE(mkdtemp(modele), nullptr);
    std::string dir = modele;
    {
        std::string dod(TAILLE_FINALE_2, '\0');
        dod[74] = 7;
        std::ofstream(dir + "/DOD.BIC", std::ios::binary) << dod;  // names match in any case
        std::ofstream(dir + "/pop.bic", std::ios::binary) << std::string(TAILLE_FINALE_2 - 1, '\1');
    }
    Finales f;
    EXPECT_EQ(charger_finales(f, dir), 1);
    EXPECT_TRUE(f.finales_chargees);
    EXPECT_EQ(f.tables[POP].size(), 0u);
    uint8_t d[TAILLE_DAMIER];
    int16_t s = 0;
    plateau(d, {{1, DAME_BLANCHE}, {2, DAME_NOIRE}});
    ASSERT_TRUE(valeur_finale(f, DOD, d, 0, 1, s));
    EXPECT_EQ(s, 32000 - 7 - 1);
    plateau(d, {{50, PION_BLANC}, {20, PION_NOIR}});
    EXPECT_FALSE(valeur_finale(f, POP, d, 0, 1, s));

    // "can.dat": entry (index key mod 64000) belongs to the position when
    // its check key is the lock key.
    EXPECT_FALSE(charger_positions(f, dir));
    EXPECT_FALSE(chercher_position(f, 5, 0, s));
    std::string can(TAILLE_POSITIONS_APPRISES, '\0');
    size_t e = (64000u + 17u) % 64000u * 8;
    const unsigned char entree[6] = {0x78, 0x56, 0x34, 0x12, 0x9c, 0xff};  // 0x12345678, -100
    std::memcpy(&can[e], entree, 6);
    std::ofstream(dir + "/can.dat", std::ios::binary) << can;
    ASSERT_TRUE(charger_positions(f, dir));
    ASSERT_TRUE(chercher_position(f, 64000u + 17u, 0x12345678u, s));
    EXPECT_EQ(s, -100);
    EXPECT_FALSE(chercher_position(f, 17u, 0x12345679u, s));
    EXPECT_FALSE(chercher_position(f, 18u, 0x12345678u, s));
    std::filesystem::remove_all(dir);
}

TEST(EndgameGenerated, FilesHaveTheirSizesAndCanDatStartsEmpty) {
    const Finales& f = finales_generees();
    for (int t = 0; t < NB_TABLES_FINALES; ++t)
        EXPECT_EQ(f.tables[t].size(), static_cast<size_t>(taille_table_finale(t))) << nom_table_finale(t);
    EXPECT_EQ(taille_table_finale(DOD), 5256);
    EXPECT_EQ(taille_table_finale(DDOD), 183961);
    EXPECT_EQ(taille_table_finale(PDOD), 373174);
    Finales c;
    ASSERT_TRUE(charger_positions(c, KOLMAR_DIR));
    EXPECT_EQ(std::count(c.positions.begin(), c.positions.end(), 0), TAILLE_POSITIONS_APPRISES);
}

TEST(EndgameGenerated, TwoPieceTablesAreConsistentInFullAndThreePieceOnesOnASample) {
    const Finales& f = finales_generees();
    for (int t = 0; t < NB_TABLES_FINALES; ++t) {
        BilanFinale b;
        std::string erreur;
        EXPECT_TRUE(verifier_finale(f.tables, t, b, erreur, t <= POP ? 1 : 97)) << erreur;
        EXPECT_EQ(b.gains + b.pertes + b.nulles > 0, true) << nom_table_finale(t);
    }
}

TEST(EndgameGenerated, TheVerifierCatchesAWrongByte) {
    Finales f = finales_generees();
    // A won position of pop made one ply longer, then made a draw.
    long off = -1;
    for (long i = 0; i < TAILLE_FINALE_2 && off < 0; ++i)
        if (f.tables[POP][static_cast<size_t>(i)] > 1) off = i;
    ASSERT_GE(off, 0);
    BilanFinale b;
    std::string erreur;
    f.tables[POP][static_cast<size_t>(off)] += 2;
    EXPECT_FALSE(verifier_finale(f.tables, POP, b, erreur));
    EXPECT_NE(erreur.find("pop.bic"), std::string::npos);
    f.tables[POP][static_cast<size_t>(off)] = 0;
    EXPECT_FALSE(verifier_finale(f.tables, POP, b, erreur));
    // A byte where no position can stand.
    f = finales_generees();
    f.tables[DOD][0] = 1;
    EXPECT_FALSE(verifier_finale(f.tables, DOD, b, erreur));
}

TEST(EndgameGenerated, ShortResultsAgreeWithAPlainSearchForBothMovers) {
    const Finales& f = finales_generees();
    Generateur g;
    uint8_t d[TAILLE_DAMIER], r[TAILLE_DAMIER];
    g.damier = d;
    init_listes(g);
    int verifies = 0;
    for (int t : {DOP, POD, POP, DDOP, PODD, PDOD, DOPD, PDOP, POPD, PPOD, DOPP, PPOP, POPP}) {
        int pris = 0;
        for (long off = 0; off < taille_table_finale(t) && pris < 12; off += 13) {
            int8_t v = f.tables[t][static_cast<size_t>(off)];
            if (v == 0 || distance_finale(v) > 5 || !position_de_decalage(t, off, d)) continue;
            ++pris;
            // Black to move on the turned board must read the same byte.
            retourner(d, r);
            int16_t sb = 0, sn = 0;
            ASSERT_TRUE(valeur_finale(f, t, d, BLANC, 1, sb));
            ASSERT_TRUE(valeur_finale(f, t, r, NOIR, 1, sn));
            EXPECT_EQ(sb, sn);
            int n = distance_finale(v);
            g.damier = r;
            if (v > 0) {
                EXPECT_TRUE(gagne_en(g, r, NOIR, n, 2)) << nom_table_finale(t) << " " << ecrire_fen(r, NOIR);
                EXPECT_FALSE(gagne_en(g, r, NOIR, n - 2, 2)) << nom_table_finale(t) << " " << ecrire_fen(r, NOIR);
            } else {
                EXPECT_TRUE(perd_en(g, r, NOIR, n, 2)) << nom_table_finale(t) << " " << ecrire_fen(r, NOIR);
                if (n >= 2) {
                    EXPECT_FALSE(perd_en(g, r, NOIR, n - 2, 2)) << nom_table_finale(t);
                }
            }
            g.damier = d;
            ++verifies;
        }
    }
    EXPECT_GT(verifies, 100);
}

TEST(EndgameGenerated, KingOnlyTablesAreTheSameBoardTurnedRound) {
    const Finales& f = finales_generees();
    uint8_t d[TAILLE_DAMIER], r[TAILLE_DAMIER];
    for (int t : {DOD, DDOD, DODD})
        for (long off = 0; off < taille_table_finale(t); off += 7) {
            if (!position_de_decalage(t, off, d)) continue;
            // Turned half round without changing colours: same mover.
            r[0] = BORD;
            for (int s = 1; s <= NB_CASES; ++s) r[s] = d[73 - s];
            long o = decalage_finale(t, r, BLANC);
            ASSERT_GE(o, 0);
            ASSERT_EQ(f.tables[t][static_cast<size_t>(off)], f.tables[t][static_cast<size_t>(o)])
                << nom_table_finale(t) << " " << ecrire_fen(d, BLANC);
        }
}
