#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "rules/nulle.h"

using namespace kolmar;

namespace {

struct Pose {
    int s;
    uint8_t code;
};
struct Pas {
    int de, vers, pris;
};

// Squares a..b in order: a king's walk over distinct squares.
std::vector<int> suite(int a, int b) {
    std::vector<int> v;
    for (int s = a; s <= b; ++s) v.push_back(s);
    return v;
}

// The two kings take turns along their walks, `premier` first.
std::vector<Pas> alterner(const std::vector<int>& premier, const std::vector<int>& second) {
    std::vector<Pas> pas;
    for (size_t k = 0; k + 1 < premier.size() || k + 1 < second.size(); ++k) {
        if (k + 1 < premier.size()) pas.push_back({premier[k], premier[k + 1], 0});
        if (k + 1 < second.size()) pas.push_back({second[k], second[k + 1], 0});
    }
    return pas;
}

std::vector<int> joindre(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<Pas> puis(std::vector<Pas> a, const std::vector<Pas>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Cas {
    const char* nom;
    std::vector<Pose> pieces;
    std::vector<Pas> pas;
    Nulle attendue;  // after the last step; none before it
};

}  // namespace

// The rules read the positions of the record only, so the walks below
// move kings by hand. Each case ends on the half-move that draws, so the
// ply before it is the one short of the rule; the search's question on
// that last half-move gets the same answer.
TEST(ReglesDeNulle, EachRuleDrawsAtItsPlyAndNotOneBefore) {
    const std::vector<Pose> hommes = {{4, PION_NOIR}, {5, PION_NOIR}, {68, PION_BLANC}, {69, PION_BLANC}};
    const auto avec_hommes = [&](std::vector<Pose> p) {
        p.insert(p.end(), hommes.begin(), hommes.end());
        return p;
    };
    const Cas cas[] = {
        {"the same position a third time, same side to move", avec_hommes({{36, DAME_BLANCHE}, {40, DAME_NOIRE}}),
         alterner({36, 31, 36, 31, 36}, {40, 45, 40, 45, 40}), Nulle::repetition},
        // White's king goes round three squares while black's goes to and
        // fro: the start comes back after 5 and 12 plies, once with black
        // to move.
        {"the same position with the other side to move does not count",
         avec_hommes({{36, DAME_BLANCHE}, {40, DAME_NOIRE}}),
         alterner({36, 31, 25, 36, 31, 25, 36}, {40, 45, 40, 45, 40, 45, 40}), Nulle::aucune},
        {"25 moves each of kings alone, nothing taken", avec_hommes({{12, DAME_BLANCHE}, {38, DAME_NOIRE}}),
         alterner(suite(12, 37), joindre(suite(38, 59), suite(64, 67))), Nulle::coups_de_dames},
        {"16 moves each of a king and two men against a lone king",
         {{12, DAME_BLANCHE}, {68, PION_BLANC}, {69, PION_BLANC}, {38, DAME_NOIRE}, {13, PION_NOIR}},
         puis({{12, 14, 13}}, alterner(suite(38, 54), suite(14, 30))),
         Nulle::finale_trois},
        {"5 moves each of a king and a man against a lone king",
         {{12, DAME_BLANCHE}, {69, PION_BLANC}, {38, DAME_NOIRE}, {13, PION_NOIR}},
         puis({{12, 14, 13}}, alterner(suite(38, 43), suite(14, 19))),
         Nulle::finale_deux},
        // 24 plies of the three-piece ending, then the lone king takes a
        // man: the two-piece ending counts its 10 plies from there.
        {"a capture in the ending starts the shorter count afresh",
         {{12, DAME_BLANCHE}, {68, PION_BLANC}, {69, PION_BLANC}, {38, DAME_NOIRE}, {13, PION_NOIR}},
         puis(puis({{12, 14, 13}}, alterner(suite(38, 50), suite(14, 26))),
              puis({{50, 70, 68}}, alterner(suite(26, 31), {70, 64, 65, 66, 67, 62}))),
         Nulle::finale_deux},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        auto pt = std::make_unique<Partie>();
        uint8_t damier[TAILLE_DAMIER] = {BORD};
        for (const Pose& p : c.pieces) damier[p.s] = p.code;
        EtatNote etat;
        uint8_t trait = BLANC;
        commencer_partie(*pt, damier, etat);
        for (size_t k = 0; k < c.pas.size(); ++k) {
            const Pas& p = c.pas[k];
            ASSERT_NE(VIDE, damier[p.de]) << "step " << k + 1;
            ASSERT_EQ(VIDE, damier[p.vers]) << "step " << k + 1;
            damier[p.vers] = damier[p.de];
            damier[p.de] = VIDE;
            if (p.pris) damier[p.pris] = VIDE;
            const bool dernier = k + 1 == c.pas.size();
            const Nulle attendue = dernier ? c.attendue : Nulle::aucune;
            if (dernier) {
                EXPECT_EQ(attendue, nulle_apres(*pt, pt->demi_coup_courant, damier));
            }
            ASSERT_TRUE(nouveau_demi_coup(*pt, trait, damier, p.pris ? 1 : 0, p.de, p.vers, etat));
            ASSERT_EQ(attendue, nulle_partie(*pt)) << "ply " << pt->demi_coup_courant;
        }
    }
}
