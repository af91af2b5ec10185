#include <gtest/gtest.h>

#include <algorithm>
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
        EXPECT_TRUE(std::regex_match(r[d - 1], std::regex("info depth=" + std::to_string(d) +
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
