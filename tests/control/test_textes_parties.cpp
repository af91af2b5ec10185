// Text and PDN files, learning and the lesson panels through the controller.
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "control/analyse_partie.h"
#include "control/textes_parties.h"
#include "lang/textes.h"
#include "records/lecons.h"
#include "vue_test.h"

using namespace kolmar;
using essai::Banc;
namespace fs = std::filesystem;

namespace {

std::string dossier_temp() {
    char modele[] = "/tmp/kolmar-textes-XXXXXX";
    const char* d = mkdtemp(modele);
    return d ? d : "";
}

void ecrire(const std::string& chemin, const std::string& t) {
    ASSERT_TRUE(ecrire_fichier_sur(chemin, t.data(), t.size())) << chemin;
}

std::string lire(const std::string& chemin) {
    std::string c;
    lire_fichier(chemin, c);
    return c;
}

// Kings on 1 and 72 stepping to and fro from a balanced ending.
std::string va_et_vient(int plies, const char* fen = "W:WK1,43:BK72,K71") {
    static const char* const k_coups[4] = {"1-7", "72-66", "7-1", "66-72"};
    std::string t = std::string("[White \"Paul\"]\n[Black \"Anne\"]\n[FEN \"") + fen + "\"]\n";
    for (int p = 0; p < plies; ++p) t += std::string(k_coups[p % 4]) + " ";
    return t + "*\n";
}

}  // namespace

TEST(TextesParties, ForeignGameRefusedUnchangedThenCanadianImportedAndExportedBothWays) {
    Banc b;
    Controleur& f = *b.f;
    const std::string d = dossier_temp();
    ecrire(d + "/deux.pdn",
           "[Event \"Club\"]\n[White \"Henk\"]\n[Black \"Jan\"]\n[GameType \"20\"]\n\n1. 32-28 19-23 *\n\n"
           "[White \"Paul\"]\n[Black \"Anne\"]\n[GameType \"27\"]\n[Result \"0-2\"]\n\n"
           "1. 48-41 29-36 2. 12-18 0-2\n");
    FichierParties parties;
    ASSERT_TRUE(lire_fichier_texte(f, d + "/deux.pdn", parties));
    ASSERT_EQ(parties.parties.size(), 2u);
    const std::vector<std::string> lignes = lignes_ListBox16(f, parties);
    EXPECT_NE(lignes[0].find("Henk"), std::string::npos);
    EXPECT_NE(lignes[0].find("(refus"), std::string::npos) << lignes[0];
    EXPECT_EQ(lignes[1].find("(refus"), std::string::npos) << lignes[1];

    // The foreign game leaves the game in memory and the list alone.
    const int avant = f.jeu().partie.dernier_demi_coup;
    EXPECT_FALSE(importer_partie(f, parties, 0));
    ASSERT_EQ(b.vue.erreurs.size(), 1u);
    EXPECT_NE(b.vue.erreurs[0].find("20"), std::string::npos) << b.vue.erreurs[0];
    EXPECT_EQ(f.jeu().partie.dernier_demi_coup, avant);

    // "12-18" is illegal there: skipped, the game goes on without it, and
    // the box says so (it used to say nothing).
    ASSERT_TRUE(importer_partie(f, parties, 1));
    ASSERT_EQ(b.vue.erreurs.size(), 2u);
    EXPECT_EQ(b.vue.erreurs[1],
              "Le coup n° 3 (12-18) n'est pas légal dans la position : il est sauté.\nDemi-coups chargés : 2.");
    EXPECT_EQ(f.jeu().partie.dernier_demi_coup, 2);
    EXPECT_EQ(f.jeu().partie.demi_coup_courant, 2);
    EXPECT_EQ(b.vue.lignes.size(), 1u) << "the move list shows the game";
    EXPECT_EQ(b.vue.textes[Etiquette::Nom_blanc], "Paul");
    EXPECT_EQ(b.vue.textes[Etiquette::Nom_noir], "Anne");

    // Written back: the result read comes out in both formats.
    ASSERT_TRUE(Crerunfichiertexte1Click(f, d + "/p.txt", FormatTexte::texte));
    EXPECT_EQ(lire(d + "/p.txt").rfind("Paul-Anne  0-2\nKolmar101\n", 0), 0u) << lire(d + "/p.txt");
    ASSERT_TRUE(Crerunfichiertexte1Click(f, d + "/p.pdn", FormatTexte::pdn));
    ASSERT_TRUE(lire_fichier_texte(f, d + "/p.pdn", parties));
    ASSERT_EQ(parties.parties.size(), 1u);
    EXPECT_EQ(partie_choisie(parties, 0).coups, (std::vector<std::string>{"48-41", "29-36"}));
    EXPECT_EQ(parties.parties[0].resultat, "0-2");

    // A file that cannot be written is said so.
    EXPECT_FALSE(Crerunfichiertexte1Click(f, d + "/absent/p.txt", FormatTexte::texte));
    EXPECT_EQ(b.vue.erreurs.size(), 3u);
    fs::remove_all(d);
}

// An empty file said nothing; a broken one listed its unreadable games as
// " - " beside the real one.
TEST(TextesParties, NoGameIsSaidAndUnreadableGamesAreCountedNotListed) {
    Banc b;
    Controleur& f = *b.f;
    const std::string d = dossier_temp();
    FichierParties parties;
    ecrire(d + "/vide.pdn", "");
    ASSERT_TRUE(lire_fichier_texte(f, d + "/vide.pdn", parties));
    EXPECT_FALSE(parties_a_choisir(f, parties));
    ASSERT_EQ(b.vue.erreurs.size(), 1u);
    EXPECT_EQ(b.vue.erreurs[0], texte(Texte::AucunePartie));

    ecrire(d + "/casse.pdn",
           "[Event \"Club\"]\n\nCeci n'est pas\nune partie *\n\n[White \"Paul\"]\n[Black \"Anne\"]\n"
           "1. 47-41 26-32 *\n\n[Event \"?\"]\n%%%\n");
    ASSERT_TRUE(lire_fichier_texte(f, d + "/casse.pdn", parties));
    const std::vector<std::string> lignes = lignes_ListBox16(f, parties);
    ASSERT_EQ(lignes.size(), 1u);
    EXPECT_EQ(lignes[0], " 1: Paul - Anne");
    // Even beside one game, the list is shown to say what it left out.
    EXPECT_TRUE(parties_a_choisir(f, parties));
    EXPECT_EQ(texte_parties_illisibles(f, parties), "Parties illisibles, non listées : 2.");

    ecrire(d + "/prose.txt", "Ceci n'est pas\nune partie\n\nni ceci\n");
    ASSERT_TRUE(lire_fichier_texte(f, d + "/prose.txt", parties));
    EXPECT_FALSE(parties_a_choisir(f, parties));
    ASSERT_EQ(b.vue.erreurs.size(), 2u);
    EXPECT_EQ(b.vue.erreurs[1], std::string(texte(Texte::AucunePartie)) + "\nParties illisibles, non listées : 2.");
    EXPECT_EQ(f.jeu().partie.dernier_demi_coup, 0) << "nothing was loaded";
    fs::remove_all(d);
}

TEST(TextesParties, ApprendreIsAskedOnlyWhenLearningCanHappen) {
    // A yes to "Apprendre ?" did nothing, without a word, after a game
    // ending five pieces against two.
    for (const char* fen : {"W:WK1,43:BK72,K71", "W:WK1,43,44,45,46:BK72,K71"}) {
        Banc b(true);
        Controleur& f = *b.f;
        choisir_niveau(f, 1);
        ASSERT_TRUE(importer_partie(f, lire_parties(va_et_vient(22, fen)).at(0)));
        b.vue.pendant = [&] {
            if (f.session().analyse_en_cours) Arretercettephase1Click(f);
        };
        Debuteruneanalyse1Click(f);
        b.vue.pendant = nullptr;
        Terminerlanalyse1Click(f);
        const bool equilibre = std::string(fen) == "W:WK1,43:BK72,K71";
        EXPECT_EQ(b.vue.panneaux[Panneau::Learn], equilibre) << fen;
    }
}

TEST(TextesParties, LearningAsksOnlyAfterTwentyPliesWithAScoreAndWritesTheWholeTable) {
    Banc b(true);
    Controleur& f = *b.f;
    Contexte& C = f.ctx();
    for (int plies : {20, 22}) {
        ASSERT_TRUE(importer_partie(f, lire_parties(va_et_vient(plies)).at(0)));
        // The analysis went from the last position down to the first.
        C.analyse = Analyse{};
        C.analyse.w0 = plies;
        C.analyse.scores.assign(static_cast<size_t>(plies) + 1, 0);
        C.analyse.scores.back() = 321;
        revenir_debut(f);
        b.vue.panneaux[Panneau::Learn] = true;
        EXPECT_EQ(Learn_yesClick(f), plies > PLIES_MIN_APPRENTISSAGE) << plies;
        EXPECT_FALSE(b.vue.panneaux[Panneau::Learn]);
        EXPECT_EQ(f.jeu().partie.demi_coup_courant, plies) << "stepped to the end";
    }
    // Without a score for the last position there is nothing to store.
    C.analyse.scores.resize(5);
    EXPECT_FALSE(Learn_yesClick(f));
    C.analyse.scores.assign(23, 0);
    C.analyse.scores.back() = 321;

    const std::string d = dossier_temp();
    ASSERT_TRUE(apprendre_dans(f, d + "/a.dal"));
    EXPECT_EQ(fs::file_size(d + "/a.dal"), TAILLE_FICHIER_LECONS);
    const PositionApprise pos = preparer_apprentissage(f.jeu().partie, C.moteur->hash);
    int16_t score = 0;
    ASSERT_TRUE(score_appris(C.finales->positions, pos.index, pos.verrou, score));
    EXPECT_EQ(score, 321);

    // Loading a lesson file replaces the table; a missing one leaves it.
    C.analyse.scores.back() = -5;
    ASSERT_TRUE(apprendre_dans(f, d + "/b.dal"));
    ASSERT_TRUE(Chargerdesleons1Click(f, d + "/a.dal"));
    ASSERT_TRUE(score_appris(C.finales->positions, pos.index, pos.verrou, score));
    EXPECT_EQ(score, 321);
    EXPECT_FALSE(Chargerdesleons1Click(f, d + "/absent.dal"));
    ASSERT_TRUE(score_appris(C.finales->positions, pos.index, pos.verrou, score));
    EXPECT_EQ(score, 321);
    fs::remove_all(d);
}

TEST(TextesParties, SessionRaisesTheBudgetAndLetsTheComputerPlayBothSides) {
    Banc b(true);
    Controleur& f = *b.f;
    f.ctx().controle.engineBudget = 160;
    Lancerunesession1Click(f);
    EXPECT_TRUE(f.ctx().entrainement.active);
    EXPECT_EQ(f.ctx().moteur->limites.engineBudget, BUDGET_SESSION);
    EXPECT_TRUE(f.options().ordinateurs);
    EXPECT_FALSE(f.options().humains);
    Arrterlasession1Click(f);
    EXPECT_FALSE(f.ctx().entrainement.active);
    EXPECT_FALSE(f.options().ordinateurs);
}

TEST(TextesParties, SessionGameEndsIntoAnalysisLearningAndANewGameWithoutAsking) {
    Banc b(true);
    Controleur& f = *b.f;
    ASSERT_TRUE(importer_partie(f, lire_parties(va_et_vient(22)).at(0)));
    Lancerunesession1Click(f);
    choisir_niveau(f, 1);
    b.vue.pendant = [&] {
        if (f.session().analyse_en_cours) Arretercettephase1Click(f);
    };
    const std::string d = dossier_temp();
    b.vue.lecons = d + "/session.dal";
    fin_de_partie(f, FIN_NULLE);
    EXPECT_FALSE(b.vue.panneaux[Panneau::fin_de_parties]) << "no result panel in a session";
    passe_boucle(f, false);
    b.vue.pendant = nullptr;
    EXPECT_EQ(b.vue.analyse_courtes.size(), 22u) << "the finished game was analysed";
    EXPECT_FALSE(b.vue.panneaux[Panneau::Learn]);
    EXPECT_FALSE(b.vue.panneaux[Panneau::Form4]);
    EXPECT_EQ(b.vue.lecons_demandees, 1);
    EXPECT_EQ(fs::file_size(b.vue.lecons), TAILLE_FICHIER_LECONS);
    // The computer starts the next game against itself.
    const Jeu& J = f.jeu();
    EXPECT_EQ(J.partie.dernier_demi_coup, 0);
    auto neuf = std::make_unique<Jeu>();
    neuf->initialiser();
    EXPECT_EQ(ecrire_fen(J.plateau_affiche, J.trait), ecrire_fen(neuf->plateau_affiche, neuf->trait));
    EXPECT_FALSE(f.session().partie_finie);
    EXPECT_TRUE(f.options().ordinateurs);
    EXPECT_EQ(f.ctx().etat.nom_blanc, NOM_KOLMAR);
    EXPECT_EQ(f.ctx().etat.nom_noir, NOM_KOLMAR);
    fs::remove_all(d);
}

TEST(TextesParties, LessonPanelsWalkTheFolderAndWrapAround) {
    Banc b;
    Controleur& f = *b.f;
    const std::string d = dossier_temp();
    definir_repertoire_donnees(d);
    const std::string dossier = dossier_problemes();
    // Three lessons of different lengths, one without its text.
    const char* const noms[3] = {"a.dam", "b.dam", "c.dam"};
    for (int k = 0; k < 3; ++k) {
        ASSERT_TRUE(importer_partie(f, lire_parties(va_et_vient(2 + 2 * k)).at(0)));
        ASSERT_TRUE(sauver_partie(f, dossier + "/" + noms[k]));
        if (k != 1) ecrire(dossier + "/" + noms[k] + "t", std::string("Lecon ") + noms[k]);
    }

    std::string texte;
    ASSERT_TRUE(ouvrir_lecon(f, dossier + "/b.dam", texte));
    EXPECT_EQ(texte, "");
    EXPECT_EQ(f.jeu().partie.dernier_demi_coup, 4);
    ASSERT_TRUE(Button1Click(f, texte));
    EXPECT_EQ(texte, "Lecon c.dam");
    EXPECT_EQ(f.jeu().partie.dernier_demi_coup, 6);
    ASSERT_TRUE(Button1Click(f, texte));
    EXPECT_EQ(texte, "Lecon a.dam") << "round to the first; the .damt files are not lessons";
    EXPECT_EQ(f.jeu().partie.dernier_demi_coup, 2);

    // "Revoir coup" opens the same lesson again from its start.
    Aller_fin(f);
    revenir_debut(f);
    ASSERT_TRUE(Panel14Click(f, texte));
    EXPECT_EQ(texte, "Lecon a.dam");
    EXPECT_EQ(f.ctx().lecon, dossier + "/a.dam");
    EXPECT_EQ(f.jeu().partie.demi_coup_courant, 2);
    definir_repertoire_donnees(KOLMAR_DIR);
    fs::remove_all(d);
}
