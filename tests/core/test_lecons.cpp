#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "engine/tt.h"
#include "lang/messages.h"
#include "pannes.h"
#include "records/fichiers.h"
#include "records/gamefile.h"
#include "records/lecons.h"
#include "records/partie_texte.h"
#include "rules/jeu.h"

using namespace kolmar;

namespace {

std::unique_ptr<TableHachage> cles() {
    auto t = std::make_unique<TableHachage>();
    ErreurDonnees erreur;
    EXPECT_TRUE(charger_cles(*t, erreur, KOLMAR_DIR));
    return t;
}

// Kings on 1 and 72 step to and fro: `plies` half-moves from fen, black's
// king first when fen has black to move.
std::unique_ptr<Jeu> va_et_vient(const std::string& fen, int plies) {
    static const char* const k_coups[4] = {"1-7", "72-66", "7-1", "66-72"};
    const int decalage = fen[0] == 'B' ? 1 : 0;
    std::string t = "[FEN \"" + fen + "\"]\n";
    for (int p = 0; p < plies; ++p) t += std::string(k_coups[(p ^ decalage) % 4]) + " ";
    auto jeu = std::make_unique<Jeu>();
    EtatNote e;
    const Rejeu r = rejouer_partie(lire_parties(t + "*").at(0), *jeu, e);
    EXPECT_EQ(FauteRejeu::aucune, r.faute) << texte_rejeu(r);
    EXPECT_EQ(plies, r.demi_coups);
    return jeu;
}

std::string dossier_temp() {
    char modele[] = "/tmp/kolmar-lecons-XXXXXX";
    const char* d = mkdtemp(modele);
    return d ? d : "";
}

std::string lire(const std::string& chemin) {
    std::string c;
    lire_fichier(chemin, c);
    return c;
}

}  // namespace

TEST(Apprentissage, OnlyAfterMoreThanTwentyPliesWithMaterialWithinTwo) {
    auto t = cles();
    // White: a man (3) and a king (1); black: two kings.
    const std::string equilibre = "W:WK1,43:BK72,K71";
    EXPECT_EQ(Apprentissage::partie_trop_courte, preparer_apprentissage(va_et_vient(equilibre, 20)->partie, *t).issue);
    EXPECT_EQ(Apprentissage::possible, preparer_apprentissage(va_et_vient(equilibre, 21)->partie, *t).issue);
    EXPECT_EQ(Apprentissage::possible, preparer_apprentissage(va_et_vient(equilibre, 22)->partie, *t).issue);
    // One black king fewer: the sides differ by 3.
    EXPECT_EQ(Apprentissage::materiel_ecart,
              preparer_apprentissage(va_et_vient("W:WK1,43:BK72", 22)->partie, *t).issue);

    // Same board, the other side to move: another lock, so the colours
    // keep separate entries, and a learned score is found again.
    const PositionApprise apres_noir = preparer_apprentissage(va_et_vient(equilibre, 24)->partie, *t);
    const PositionApprise apres_blanc = preparer_apprentissage(va_et_vient("B" + equilibre.substr(1), 24)->partie, *t);
    EXPECT_EQ(apres_noir.index, apres_blanc.index);
    EXPECT_EQ(apres_noir.verrou, apres_blanc.verrou + 1);
    std::vector<uint8_t> table;
    ASSERT_TRUE(apprendre_position(table, apres_noir, 321));
    int16_t s = 0;
    EXPECT_TRUE(score_appris(table, apres_noir.index, apres_noir.verrou, s));
    EXPECT_EQ(321, s);
}

TEST(Apprentissage, ProtectedEntriesAreNeverOverwrittenButTheTableIsStillWritten) {
    const std::string dir = dossier_temp();
    ASSERT_FALSE(dir.empty());
    std::vector<uint8_t> table(TAILLE_FICHIER_LECONS, 0);
    PositionApprise pos;
    pos.index = 64000u * 3 + 77;
    pos.verrou = 0xDEADBEEF;
    int16_t s = 0;
    for (int16_t protege : {int16_t(30000), int16_t(-30000), int16_t(32000)}) {
        PositionApprise ancienne = pos;
        ancienne.verrou = 5;
        std::vector<uint8_t> t(TAILLE_FICHIER_LECONS, 0);
        ASSERT_TRUE(apprendre_position(t, ancienne, protege));
        EXPECT_FALSE(apprendre_position(t, pos, 12));
        ASSERT_TRUE(score_appris(t, pos.index, 5, s));
        EXPECT_EQ(protege, s);
        ASSERT_TRUE(ecrire_lecons(dir + "/p.dal", t).ok);
        EXPECT_EQ(TAILLE_FICHIER_LECONS, lire(dir + "/p.dal").size());
        std::vector<uint8_t> relu;
        ASSERT_TRUE(charger_lecons(dir + "/p.dal", relu).ok);
        EXPECT_TRUE(score_appris(relu, pos.index, 5, s));
        EXPECT_EQ(protege, s);
    }
    // Just below the mark an entry is learned over.
    PositionApprise ancienne = pos;
    ancienne.verrou = 5;
    ASSERT_TRUE(apprendre_position(table, ancienne, 29999));
    EXPECT_TRUE(apprendre_position(table, pos, -29999));
    EXPECT_TRUE(score_appris(table, pos.index, pos.verrou, s));
    EXPECT_EQ(-29999, s);
    std::filesystem::remove_all(dir);
}

TEST(Apprentissage, UnwritableLessonFileStaysAsItWasAndSaysWhy) {
    const std::string dir = dossier_temp();
    const std::string f = dir + "/lecons.dal";
    std::vector<uint8_t> table(TAILLE_FICHIER_LECONS, 7);
    ASSERT_TRUE(ecrire_lecons(f, table).ok);
    const std::string avant = lire(f);

    PositionApprise pos;
    pos.index = 9;
    pos.verrou = 9;
    ASSERT_TRUE(apprendre_position(table, pos, 100));
    // The temporary beside the file cannot be made.
    ResultatFichier r;
    {
        SansDescripteur plus_de_fichier;
        r = ecrire_lecons(f, table);
    }
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(0u, texte_resultat(r).find("Impossible d'écrire ce fichier"));
    EXPECT_EQ(avant, lire(f));
    // The entry stays learned in memory.
    int16_t s = 0;
    EXPECT_TRUE(score_appris(table, 9, 9, s));
    EXPECT_EQ(100, s);

    // A short file fills the table only as far as it goes; a missing one
    // changes nothing.
    std::ofstream(dir + "/court.dal", std::ios::binary) << std::string(16, '\x01');
    ASSERT_TRUE(charger_lecons(dir + "/court.dal", table).ok);
    EXPECT_EQ(1, table[15]);
    EXPECT_EQ(7, table[16]);
    EXPECT_FALSE(charger_lecons(dir + "/absent.dal", table).ok);
    EXPECT_EQ(7, table[16]);
    std::filesystem::remove_all(dir);
}

TEST(Lecons, NextLessonWalksTheFolderWithoutCompanionTextsAndWrapsRound) {
    const std::string dir = dossier_temp();
    for (const char* nom : {"b.dam", "a.DAM", "a.damt", "c.dam", "notes.txt"}) std::ofstream(dir + "/" + nom) << "x";
    const std::vector<std::string> l = lister_lecons(dir);
    ASSERT_EQ((std::vector<std::string>{"a.DAM", "b.dam", "c.dam"}), l);
    EXPECT_EQ("b.dam", lecon_suivante(l, "a.DAM"));
    EXPECT_EQ("a.DAM", lecon_suivante(l, "c.dam"));
    EXPECT_EQ("a.DAM", lecon_suivante(l, "disparue.dam"));
    EXPECT_EQ("", lecon_suivante({}, "a.dam"));
    std::filesystem::remove_all(dir);
}

TEST(Lecons, SessionRaisesTheBudgetOnlyWhenLower) {
    SessionEntrainement s;
    int32_t budget = 160;
    lancer_session(s, budget);
    EXPECT_TRUE(s.active);
    EXPECT_EQ(BUDGET_SESSION, budget);
    budget = 900;
    lancer_session(s, budget);
    EXPECT_EQ(900, budget);
    arreter_session(s);
    EXPECT_FALSE(s.active);
}

TEST(Lecons, ShippedLessonsOpenAtTheirSetUpWithTheSolutionAheadAndATextEach) {
    const std::string dir = std::string(KOLMAR_DIR) + "/Problemes";
    const std::vector<std::string> l = lister_lecons(dir);
    EXPECT_GE(l.size(), 12u);
    for (const std::string& nom : l) {
        auto jeu = std::make_unique<Jeu>();
        EtatNote etat;
        Reglages reglages;
        const ResultatFichier r = ouvrir_jeu(dir + "/" + nom, *jeu, etat, reglages, ModeLecture::lecon);
        ASSERT_TRUE(r.ok) << nom << ": " << texte_resultat(r);
        EXPECT_EQ(0, jeu->partie.demi_coup_courant) << nom;
        EXPECT_GT(jeu->partie.dernier_demi_coup, 0) << nom;
        std::string texte;
        EXPECT_TRUE(lire_texte_lecon(dir + "/" + nom, texte)) << nom;
        EXPECT_GT(texte.size(), 200u) << nom;
        // A lesson that gives a solution keeps it apart from what the player
        // reads first.
        std::string enonce, solution;
        separer_solution(texte, enonce, solution);
        if (texte.find("Solution") != std::string::npos) {
            EXPECT_EQ(solution.rfind("Solution :", 0), 0u) << nom;
            EXPECT_EQ(enonce.find("Solution"), std::string::npos) << nom;
            EXPECT_EQ(enonce + "\n\n" + solution, texte) << nom;
        }
    }
}
