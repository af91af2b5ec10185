#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "records/pdn.h"
#include "rules/board.h"
#include "rules/jeu.h"
#include "rules/movegen.h"
#include "rules/perft.h"

using namespace kolmar;

namespace {

// A position from FEN on a fresh Jeu; moves of the side to move.
struct Position {
    Jeu jeu;
    int side = BLANC;
    explicit Position(const std::string& fen) {
        int t = 0;
        std::string erreur;
        EXPECT_TRUE(lire_fen(fen, jeu.damier, t, &erreur)) << erreur;
        side = t;
    }
    // Every generated move as "from-to:captured,captured".
    std::vector<std::string> coups() {
        int n = coups_legaux(jeu.gen, side);
        std::vector<std::string> out;
        for (int i = 0; i < n; ++i) {
            const Coup& c = jeu.gen.liste_coups[1][i];
            std::string t = std::to_string(c.depart) + (c.nb_prises ? "x" : "-") + std::to_string(c.arrivee);
            for (int k = 0; k < c.nb_prises; ++k) t += (k ? "," : ":") + std::to_string(c.prises[k]);
            out.push_back(t);
        }
        std::sort(out.begin(), out.end());
        return out;
    }
};

std::vector<std::string> tri(std::vector<std::string> v) {
    std::sort(v.begin(), v.end());
    return v;
}

}  // namespace

TEST(Board, NeighbourTableStopsAtEveryEdge) {
    for (int s = 1; s <= 6; ++s) EXPECT_EQ(voisin[0][s] | voisin[1][s], 0) << s;
    for (int s = 67; s <= 72; ++s) EXPECT_EQ(voisin[2][s] | voisin[3][s], 0) << s;
    for (int s : {7, 19, 31, 43, 55, 67}) EXPECT_EQ(voisin[0][s] | voisin[2][s], 0) << s;
    for (int s : {6, 18, 30, 42, 54, 66}) EXPECT_EQ(voisin[1][s] | voisin[3][s], 0) << s;
    EXPECT_EQ(voisin[2][1], 7);
    EXPECT_EQ(voisin[3][1], 8);
    EXPECT_EQ(voisin[1][7], 1);
    EXPECT_EQ(voisin[0][8], 1);
    for (int d = 0; d < 4; ++d) EXPECT_EQ(voisin[d][0], 0);
}

TEST(Board, NeighboursAreMutualAndOneDiagonalStepApart) {
    for (int s = 1; s <= NB_CASES; ++s)
        for (int d = 0; d < 4; ++d) {
            int n = voisin[d][s];
            if (!n) continue;
            EXPECT_EQ(voisin[3 - d][n], s) << s << " dir " << d;
            EXPECT_EQ(std::abs(rangee(n) - rangee(s)), 1);
            EXPECT_EQ(std::abs(colonne(n) - colonne(s)), 1);
        }
}

TEST(Board, EveryDiagonalWalkEndsOnTheSentinel) {
    uint8_t damier[TAILLE_DAMIER] = {};
    damier[0] = BORD;
    for (int s = 1; s <= NB_CASES; ++s)
        for (int d = 0; d < 4; ++d) {
            int t = s, pas = 0;
            while (damier[voisin[d][t]] == VIDE && pas < 12) t = voisin[d][t], ++pas;
            EXPECT_EQ(voisin[d][t], 0);
            EXPECT_LT(pas, 12);
        }
}

TEST(Board, CellsAndSquaresAgree) {
    for (int s = 1; s <= NB_CASES; ++s) EXPECT_EQ(case_de_cellule(rangee(s), colonne(s)), s);
    EXPECT_EQ(colonne(1), 1);
    EXPECT_EQ(colonne(7), 0);
    EXPECT_EQ(rangee(72), 11);
    EXPECT_EQ(colonne(72), 10);
    EXPECT_EQ(case_de_cellule(0, 0), 0);  // light cell
    EXPECT_EQ(case_de_cellule(12, 1), 0);
    EXPECT_STREQ(nom_case[7], "07");
    EXPECT_STREQ(nom_case[72], "72");
}

TEST(Board, InitialPositionHasThirtyMenEachAndWhiteHasElevenMoves) {
    Jeu jeu;
    EXPECT_EQ(jeu.damier[0], BORD);
    EXPECT_EQ(jeu.nb_pieces[PION_NOIR], 30);
    EXPECT_EQ(jeu.nb_pieces[PION_BLANC], 30);
    for (int s = 1; s <= 30; ++s) EXPECT_EQ(jeu.damier[s], PION_NOIR);
    for (int s = 43; s <= 72; ++s) EXPECT_EQ(jeu.damier[s], PION_BLANC);
    EXPECT_EQ(jeu.trait, BLANC);
    EXPECT_EQ(coups_legaux(jeu.gen, BLANC), 11);
    EXPECT_EQ(jeu.gen.prise_max, 0);
    EXPECT_EQ(ecrire_fen(jeu.damier, BLANC),
              "W:W43,44,45,46,47,48,49,50,51,52,53,54,55,56,57,58,59,60,61,62,63,64,65,66,"
              "67,68,69,70,71,72:B1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,"
              "22,23,24,25,26,27,28,29,30");
}

TEST(Fen, RangesKingsAndRoundTrip) {
    uint8_t d[TAILLE_DAMIER];
    int t = -1;
    ASSERT_TRUE(lire_fen("B:W43-45,K5:BK60,1", d, t));
    EXPECT_EQ(t, NOIR);
    EXPECT_EQ(d[44], PION_BLANC);
    EXPECT_EQ(d[5], DAME_BLANCHE);
    EXPECT_EQ(d[60], DAME_NOIRE);
    EXPECT_EQ(d[1], PION_NOIR);
    EXPECT_EQ(ecrire_fen(d, t), "B:WK5,43,44,45:B1,K60");
}

TEST(Fen, MalformedInputIsRefusedWithAReason) {
    uint8_t d[TAILLE_DAMIER];
    int t;
    std::string e;
    for (const char* bad :
         {"", "X:W1", "W:W73", "W:W0", "W:W1,1", "W:W1:B1", "W:Wx", "W:W1,", "W:Q1", "W:W5-3", "W:W99999999999"}) {
        e.clear();
        EXPECT_FALSE(lire_fen(bad, d, t, &e)) << bad;
        EXPECT_FALSE(e.empty()) << bad;
    }
}

TEST(Capture, ManCapturesBackwards) {
    Position p("W:W20:B26,1");
    EXPECT_EQ(p.coups(), std::vector<std::string>{"20x33:26"});
}

TEST(Capture, MajorityCountsPiecesNotKings) {
    // The man on 57 could take two kings; the man on 72 takes three men.
    Position p("W:W57,72:BK51,K40,65,52,39,1");
    EXPECT_EQ(p.coups(), tri({"72x33:65,52,39", "72x35:65,52,40"}));
}

TEST(Capture, JumpedPieceBlocksTheKingsLine) {
    // Without the block the king would go on from 3 over 14 again to take 25.
    Position p("W:WK1:B14,22,10,25");
    EXPECT_EQ(p.coups(), std::vector<std::string>{"1x3:14,22,10"});
}

TEST(Capture, KingStopsAnywhereBehindUnlessItCanGoOn) {
    Position libre("W:WK1:B14");
    EXPECT_EQ(libre.coups(),
              tri({"1x21:14", "1x27:14", "1x34:14", "1x40:14", "1x47:14", "1x53:14", "1x60:14", "1x66:14"}));
    Position suite("W:WK1:B14,22");
    EXPECT_EQ(suite.coups(), tri({"1x16:14,22", "1x11:14,22", "1x5:14,22"}));
}

TEST(Capture, CircularCaptureCrossesAndEndsOnTheStartSquare) {
    Position p("W:W33:B26,14,15,27");
    // Both orders around the ring are kept; perft --unique counts them once.
    EXPECT_EQ(p.coups(), tri({"33x33:26,14,15,27", "33x33:27,15,14,26"}));
    p.jeu.gen.ply = 1;
    EXPECT_EQ(perft(p.jeu.gen, BLANC, 1, false), 2u);
    EXPECT_EQ(perft(p.jeu.gen, BLANC, 1, true), 1u);
}

TEST(Capture, ManPassingTheCrowningRowStaysAMan) {
    Position passe("W:W14:B9,10");
    ASSERT_EQ(passe.coups(), std::vector<std::string>{"14x16:9,10"});
    jouer_coup(passe.jeu.damier, passe.jeu.gen.liste_coups[1][0]);
    EXPECT_EQ(passe.jeu.damier[16], PION_BLANC);
    EXPECT_EQ(passe.jeu.damier[9], VIDE);
    EXPECT_EQ(passe.jeu.damier[10], VIDE);

    Position arrive("W:W14:B9");
    ASSERT_EQ(arrive.coups(), std::vector<std::string>{"14x3:9"});
    jouer_coup(arrive.jeu.damier, arrive.jeu.gen.liste_coups[1][0]);
    EXPECT_EQ(arrive.jeu.damier[3], DAME_BLANCHE);

    Position noir("B:W60:B54");
    ASSERT_EQ(noir.coups(), std::vector<std::string>{"54x65:60"});
    jouer_coup(noir.jeu.damier, noir.jeu.gen.liste_coups[1][0]);
    EXPECT_EQ(noir.jeu.damier[65], PION_NOIR);  // row 10, not yet crowned
    Position couronne("B:W65:B59");
    ASSERT_EQ(couronne.coups(), std::vector<std::string>{"59x72:65"});
    jouer_coup(couronne.jeu.damier, couronne.jeu.gen.liste_coups[1][0]);
    EXPECT_EQ(couronne.jeu.damier[72], DAME_NOIRE);
}

TEST(Moves, BlockedOrMissingSidesHaveNoMove) {
    EXPECT_TRUE(Position("B:WK1,K2:B").coups().empty());
    // A man whose only step is taken and whose capture has nowhere to land.
    Position bloque("W:W67:B61,56");
    EXPECT_TRUE(bloque.coups().empty());
}

TEST(Moves, LoneKingFliesAlongBothDiagonals) {
    Position p("W:WK1:BK72");
    EXPECT_EQ(p.coups().size(), 11u);
    Position centre("W:WK33:BK72");
    // 33 sits on the diagonals through 1..66 and 6..67 ... count every square.
    int attendu = 0;
    for (int d = 0; d < 4; ++d)
        for (int t = voisin[d][33]; t; t = voisin[d][t]) ++attendu;
    EXPECT_EQ(static_cast<int>(centre.coups().size()), attendu - 1);  // 72 is occupied
}

TEST(InputSide, LandingSquaresFollowEveryCapture) {
    Position p("W:W33:B26,14,15,27");
    int n = coups_piece(p.jeu.gen, 33, BLANC);
    ASSERT_EQ(n, 2);
    EXPECT_EQ(p.jeu.gen.prise_max, 4);
    std::set<std::vector<int>> chemins;
    for (int i = 0; i < n; ++i)
        chemins.insert(std::vector<int>(p.jeu.gen.cases_arrets[i] + 1, p.jeu.gen.cases_arrets[i] + 5));
    EXPECT_EQ(chemins, (std::set<std::vector<int>>{{20, 9, 22, 33}, {22, 9, 20, 33}}));
    EXPECT_EQ(p.jeu.damier[33], PION_BLANC);  // the piece is put back

    const uint8_t prises[] = {27, 15, 14, 26};
    chemin_de_prise(p.jeu.gen, 33, prises);
    EXPECT_EQ(std::vector<int>(p.jeu.gen.cases_arrets[0] + 1, p.jeu.gen.cases_arrets[0] + 5),
              (std::vector<int>{22, 9, 20, 33}));
}

TEST(InputSide, PlainMovesOnlyForTheSideToMove) {
    Jeu jeu;
    EXPECT_EQ(coups_piece(jeu.gen, 47, BLANC), 2);
    EXPECT_EQ(jeu.gen.cases_arrets[0][1] + jeu.gen.cases_arrets[1][1], 40 + 41);
    EXPECT_EQ(coups_piece(jeu.gen, 47, NOIR), 0);
    EXPECT_EQ(coups_piece(jeu.gen, 43, BLANC), 1);
    EXPECT_EQ(coups_piece(jeu.gen, 40, BLANC), 0);  // empty square
    EXPECT_EQ(coups_piece(jeu.gen, 0, BLANC), 0);
    EXPECT_EQ(coups_piece(jeu.gen, 73, BLANC), 0);
}

TEST(InputSide, KingCaptureKeepsEveryLandingSquare) {
    Position p("W:WK1:B14,22");
    int n = coups_piece(p.jeu.gen, 1, BLANC);
    ASSERT_EQ(n, 3);
    std::set<int> fins;
    for (int i = 0; i < n; ++i) {
        EXPECT_EQ(p.jeu.gen.cases_arrets[i][1], 27);  // only 27 lines up with 22
        EXPECT_EQ(p.jeu.gen.cases_prises[i][1], 14);
        EXPECT_EQ(p.jeu.gen.cases_prises[i][2], 22);
        fins.insert(p.jeu.gen.cases_arrets[i][2]);
    }
    EXPECT_EQ(fins, (std::set<int>{16, 11, 5}));
}

TEST(Perft, KingPositionsCountedTwoWaysAgree) {
    // Unique counts never exceed the full ones, and both agree when no
    // capture can be made in two orders.
    for (const char* fen : {"W:WK1,K72,50:BK36,14,22,10", "B:WK33,60,61:BK12,K5,20,21", "W:W33:B26,14,15,27,2"}) {
        Position p(fen);
        for (int d = 1; d <= 4; ++d) {
            p.jeu.gen.ply = 1;
            uint64_t tout = perft(p.jeu.gen, p.side, d, false);
            p.jeu.gen.ply = 1;
            uint64_t uniques = perft(p.jeu.gen, p.side, d, true);
            EXPECT_LE(uniques, tout) << fen << " depth " << d;
            EXPECT_GT(uniques, 0u);
        }
    }
}

// A king facing 25 men: 1170 capture records (36 distinct captures), far
// more than a list used to hold; every record must be listed, for the
// engine and for move entry alike, and each must have its own PDN text.
TEST(MoveLists, EveryRecordOfAHugeCaptureIsListed) {
    // The FEN reader refuses the black man on 67 (its crowning row), so it
    // is put on the board by hand: it only blocks a landing square.
    const char* fen = "W:WK38:B8,9,10,11,20,21,22,23,24,31,32,33,34,35,36,45,46,47,48,56,57,58,59,60";
    Jeu jeu;
    int trait = BLANC;
    ASSERT_TRUE(lire_fen(fen, jeu.damier, trait));
    jeu.damier[67] = PION_NOIR;
    const int n = coups_legaux(jeu.gen, trait);
    EXPECT_EQ(n, 1170);
    EXPECT_EQ(compter_uniques(jeu.gen.liste_coups[1], n), 36);
    std::vector<Coup> liste(jeu.gen.liste_coups[1], jeu.gen.liste_coups[1] + n);
    // Move entry lists the same records with their paths.
    EXPECT_EQ(coups_piece(jeu.gen, 38, BLANC), 1170);
    for (int i = 0; i < n; i += 97)
        EXPECT_EQ(0, std::memcmp(&jeu.gen.cases_prises[i][1], liste[i].prises, liste[i].nb_prises)) << i;
    // Deeper plies grow as well, and the search can play it.
    jeu.gen.ply = 7;
    EXPECT_EQ(generer_coups(jeu.gen, trait), 1170);
    std::set<std::string> textes;
    std::set<std::vector<uint8_t>> captures;
    for (int i = 0; i < n; ++i) {
        std::vector<uint8_t> cle(liste[i].prises, liste[i].prises + liste[i].nb_prises);
        std::sort(cle.begin(), cle.end());
        cle.push_back(liste[i].arrivee);
        if (captures.insert(cle).second) textes.insert(coup_pdn(jeu.gen, liste[i]));
    }
    EXPECT_EQ(textes.size(), 36u);
}

TEST(Fen, MenOnTheirCrowningRowAndEmptyTextAreRefused) {
    uint8_t d[TAILLE_DAMIER];
    int trait = BLANC;
    std::string e;
    EXPECT_FALSE(lire_fen("W:W3:B40", d, trait, &e));
    EXPECT_EQ(e, "a white man cannot stand on 3, a square of its crowning row");
    EXPECT_FALSE(lire_fen("B:W40:B70", d, trait, &e));
    EXPECT_EQ(e, "a black man cannot stand on 70, a square of its crowning row");
    EXPECT_FALSE(lire_fen("", d, trait, &e));
    EXPECT_EQ(e.rfind("empty FEN", 0), 0u);
    // Kings there, a side without pieces, and more than thirty pieces a side stay legal.
    EXPECT_TRUE(lire_fen("W:WK3:BK70", d, trait, &e)) << e;
    EXPECT_TRUE(lire_fen("B:W40:B", d, trait, &e)) << e;
    EXPECT_TRUE(lire_fen("W:W7-42:B43-66", d, trait, &e)) << e;
}
