#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "engine/hub.h"
#include "engine/match.h"
#include "records/pdn.h"

using namespace kolmar;

namespace {

struct Session {
    std::vector<std::string> sortie;
    ServeurHub s{[this](const std::string& l) { sortie.push_back(l); }};
    Session() {
        std::string erreur;
        EXPECT_TRUE(s.charger(erreur, KOLMAR_DIR)) << erreur;
    }
    // The lines answered to one line sent.
    std::vector<std::string> envoyer(const std::string& l) {
        sortie.clear();
        s.ligne(l);
        return sortie;
    }
};

// The move text of `texte` is legal after `coups` from the initial position.
bool legal_apres(const std::string& texte, const std::vector<std::string>& coups) {
    Jeu jeu;
    uint8_t depart[TAILLE_DAMIER];
    position_initiale(depart);
    std::string e;
    std::vector<std::string> tout = coups;
    tout.push_back(texte);
    return poser_partie(jeu, depart, BLANC, tout, nullptr, e);
}

}  // namespace

TEST(Protocole, ScriptedSessionLineByLine) {
    Session t;
    std::vector<std::string> r = t.envoyer("hub");
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[0].rfind("id name=Kolmar ", 0), 0u) << r[0];
    EXPECT_EQ(r[1], "param name=table value=2 type=int min=0 max=7");
    EXPECT_EQ(r[2], "param name=variant value=canadian type=enum values=canadian");
    EXPECT_EQ(r[3], "wait");
    EXPECT_EQ(t.envoyer("init"), std::vector<std::string>{"ready"});
    EXPECT_EQ(t.envoyer("ping"), std::vector<std::string>{"pong"});
    EXPECT_TRUE(t.envoyer("new-game").empty());
    EXPECT_TRUE(t.envoyer("level depth=4").empty());
    const std::vector<std::string> coups = {"44-38", "25-31"};
    EXPECT_TRUE(t.envoyer("pos pos=W" + std::string(30, 'b') + std::string(12, 'e') + std::string(30, 'w') +
                          " moves=\"44-38 25-31\"")
                    .empty());
    r = t.envoyer("go think");
    // One info line per depth 1..4, then done with a legal move and its expected answer.
    ASSERT_EQ(r.size(), 5u);
    for (int d = 1; d <= 4; ++d)
        EXPECT_TRUE(
            std::regex_match(r[d - 1], std::regex("info depth=" + std::to_string(d) +
                                                  " score=-?\\d+ nodes=\\d+ time=[\\d.]+ nps=\\d+ pv=\"[\\dx -]+\"")))
            << r[d - 1];
    std::smatch m;
    ASSERT_TRUE(std::regex_match(r[4], m, std::regex("done move=([\\dx-]+) ponder=([\\dx-]+)"))) << r[4];
    EXPECT_TRUE(legal_apres(m[1], coups)) << m[1];
    std::vector<std::string> suite = coups;
    suite.push_back(m[1]);
    EXPECT_TRUE(legal_apres(m[2], suite)) << m[2];
    // A move that is not legal is refused with one line.
    r = t.envoyer("pos moves=\"44-38 21-26\"");
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0], "error message=\"illegal move 21-26\"");
    EXPECT_EQ(t.envoyer("bonjour"), std::vector<std::string>{"error message=\"unknown command bonjour\""});
    EXPECT_FALSE(t.s.ligne("quit"));
}

TEST(Protocole, StopAndPingReachARunningSearch) {
    Session t;
    t.envoyer("level depth=25");
    std::vector<std::string> arrivees = {"ping", "stop"};
    t.s.en_attente = [&](std::string& l) {
        if (arrivees.empty()) return false;
        l = arrivees.front();
        arrivees.erase(arrivees.begin());
        return true;
    };
    std::vector<std::string> r = t.envoyer("go think");
    ASSERT_FALSE(r.empty());
    EXPECT_NE(std::find(r.begin(), r.end(), "pong"), r.end());
    std::smatch m;
    ASSERT_TRUE(std::regex_match(r.back(), m, std::regex("done move=([\\dx-]+).*"))) << r.back();
    EXPECT_TRUE(legal_apres(m[1], {}));
    for (const auto& l : r) EXPECT_EQ(l.find("depth=25"), std::string::npos) << "the search ran to its depth";
}

TEST(Protocole, ARefusedLineChangesNothing) {
    Session t;
    t.envoyer("level depth=2");
    // A bad value among good ones: the good ones are not applied either.
    std::vector<std::string> r = t.envoyer("level depth=5 move-time=abc");
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].rfind("error message=", 0), 0u) << r[0];
    EXPECT_EQ(t.envoyer("level depth=3x").size(), 1u);
    EXPECT_EQ(t.envoyer("set-param name=table value=abc").size(), 1u);
    EXPECT_EQ(t.envoyer("hub")[1], "param name=table value=2 type=int min=0 max=7");
    // An illegal move keeps the game of the last accepted pos, not the start.
    EXPECT_TRUE(t.envoyer("pos moves=\"44-38\"").empty());
    r = t.envoyer("pos moves=\"44-38 99-98\"");
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0], "error message=\"illegal move 99-98\"");
    r = t.envoyer("go think");
    ASSERT_EQ(r.size(), 3u) << "searched to depth 2";
    std::smatch m;
    ASSERT_TRUE(std::regex_match(r.back(), m, std::regex("done move=([\\dx-]+).*"))) << r.back();
    EXPECT_TRUE(legal_apres(m[1], {"44-38"})) << m[1];
}

TEST(Protocole, ErrorsAreOneEscapedLineOfBoundedLength) {
    Session t;
    std::string l = "bon\"jour\x01\x1b[2J";
    l += '\0';
    l += std::string(100000, 'z');
    std::vector<std::string> r = t.envoyer(l);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_LT(r[0].size(), 200u);
    EXPECT_EQ(r[0].find('\0'), std::string::npos);
    for (char c : r[0]) EXPECT_GE(static_cast<unsigned char>(c), 0x20u);
    // Only the two quotes around the message are bare.
    int nus = 0;
    for (size_t i = 0; i < r[0].size(); ++i) nus += r[0][i] == '"' && (i == 0 || r[0][i - 1] != '\\');
    EXPECT_EQ(nus, 2) << r[0];
    // A line past the longest taken is refused whole.
    r = t.envoyer("pos moves=\"" + std::string(LIGNE_HUB_MAX, ' ') + "44-38\"");
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].rfind("error message=\"line too long", 0), 0u) << r[0];
}

TEST(Protocole, ManyGoLinesQueuedDuringASearchRunOneAfterTheOther) {
    // They used to run by recursion, one stack frame each, until the stack
    // overflowed.
    Session t;
    t.envoyer("level depth=1");
    int envoyees = 0;
    const int n = 40000;
    t.s.en_attente = [&](std::string& l) {
        if (envoyees == n) return false;
        ++envoyees;
        l = "go think";
        return true;
    };
    std::vector<std::string> r = t.envoyer("go think");
    EXPECT_EQ(std::count_if(r.begin(), r.end(), [](const std::string& l) { return l.rfind("done", 0) == 0; }), n + 1);
}

TEST(Protocole, PonderHitTurnsThePonderSearchIntoTheLevelsSearch) {
    Session t;
    t.envoyer("level move-time=0.2");
    const auto debut = std::chrono::steady_clock::now();
    bool touche = false;
    t.s.en_attente = [&](std::string& l) {
        if (!touche) {
            touche = true;
            l = "ponder-hit";
            return true;
        }
        // Without the hit the search would only end here.
        if (std::chrono::steady_clock::now() - debut > std::chrono::seconds(20)) {
            l = "stop";
            return true;
        }
        return false;
    };
    std::vector<std::string> r = t.envoyer("go ponder");
    const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    ASSERT_FALSE(r.empty());
    EXPECT_EQ(r.back().rfind("done move=", 0), 0u) << r.back();
    EXPECT_LT(s, 5.0);
}

TEST(Protocole, AFullRecordAndAnAmbiguousCaptureSaySo) {
    Session t;
    // Two kings going back and forth, one ply past what the record holds.
    uint8_t damier[TAILLE_DAMIER];
    int trait = BLANC;
    ASSERT_TRUE(lire_fen("W:WK38:BK14", damier, trait));
    const std::string pos = ecrire_position(damier, trait);
    auto jeu = std::make_unique<Jeu>();
    std::string e;
    ASSERT_TRUE(poser_partie(*jeu, damier, trait, {}, nullptr, e));
    auto premier = [&]() {
        coups_legaux(jeu->gen, jeu->trait);
        return jeu->gen.liste_coups[1][0];
    };
    const Coup b = premier();
    jouer_et_noter(*jeu, b);
    const Coup n = premier();
    auto texte = [](int de, int vers) { return std::to_string(de) + "-" + std::to_string(vers); };
    const std::string aller[4] = {texte(b.depart, b.arrivee), texte(n.depart, n.arrivee), texte(b.arrivee, b.depart),
                                  texte(n.arrivee, n.depart)};
    std::string coups;
    for (int k = 0; k <= DEMI_COUPS_MAX; ++k) coups += (k ? " " : "") + aller[k % 4];
    std::vector<std::string> r = t.envoyer("pos pos=" + pos + " moves=\"" + coups + "\"");
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].rfind("error message=\"game record full", 0), 0u) << r[0];

    // 38x8 takes 45, 46, 14 or 45, 59, 14.
    ASSERT_TRUE(lire_fen("W:WK38:B14,24,42,45,46,59", damier, trait));
    r = t.envoyer("pos pos=" + ecrire_position(damier, trait) + " moves=\"38x8\"");
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0], "error message=\"ambiguous capture 38x8, list the captured squares\"");
}
