// The game controller without a window: move entry, the turn flow, and
// faults users met in play.
#include <climits>
#include <cstring>
#include <filesystem>

#include "control/analyse_partie.h"
#include "control/probleme.h"
#include "engine/endgame.h"
#include "lang/textes.h"
#include "vue_test.h"

using namespace kolmar;
using essai::Banc;

namespace {

std::string position(Banc& b) {
    return ecrire_fen(b.f->jeu().plateau_affiche, b.f->jeu().trait);
}

}  // namespace

TEST(SaisieDesCoups, CaptureWhosePathsPartNeedsTheirPartingSquare) {
    Banc b;
    b.poser("W:W51:B33,34,45,46,6");
    Session& S = b.f->session();
    b.cliquer(51);
    EXPECT_EQ(S.prise_saisie, 4);
    EXPECT_EQ(S.marques[38], 1);
    EXPECT_EQ(S.marques[40], 1);
    EXPECT_EQ(S.marques[51], 0) << "a common end square names no path";
    EXPECT_TRUE(b.vue.panneaux[Panneau::prise_obligatoire]);
    b.cliquer(27);  // on both paths, but not where they part
    EXPECT_EQ(S.nb_saisis, 0);
    b.cliquer(40);  // the rest is forced
    EXPECT_EQ(position(b), "B:W51:B6");
    ASSERT_EQ(b.vue.lignes.size(), 1u);
    EXPECT_EQ(b.vue.noirs, 1);
}

TEST(SaisieDesCoups, DistinctEndsAreClickedDirectlyAndTheSelectedPieceDeselects) {
    Banc b;
    b.poser("W:W51:B45,46,6");
    Session& S = b.f->session();
    b.cliquer(51);
    EXPECT_EQ(S.marques[38], 100);
    EXPECT_EQ(S.marques[40], 100);
    b.cliquer(51);
    EXPECT_EQ(S.piece_choisie, 0) << "a click on the selected piece drops it";
    b.cliquer(51);
    b.cliquer(40);
    EXPECT_EQ(position(b), "B:W40:B6,45");
}

TEST(SaisieDesCoups, EveryPointOfADrawnCellNamesItsSquare) {
    // The man on 43 is drawn on the cell from (9, 296) to (49, 336): its
    // right and bottom edges picked the neighbours when the grid started at
    // the window's origin.
    EXPECT_EQ(case_du_point(46, 335, false), 43);
    for (bool inverse : {false, true})
        for (int s = 1; s <= NB_CASES; ++s) {
            int r, c;
            cellule_de_case(s, inverse, r, c);
            const int x0 = DECALAGE_DAMIER + TAILLE_CELLULE * c, y0 = DECALAGE_DAMIER + TAILLE_CELLULE * r;
            for (int dx : {0, TAILLE_CELLULE - 1})
                for (int dy : {0, TAILLE_CELLULE - 1}) {
                    ASSERT_EQ(case_du_point(x0 + dx, y0 + dy, inverse), s) << s << (inverse ? " turned" : "");
                    ASSERT_TRUE(cellule_sombre(x0 + dx, y0 + dy));
                }
        }
    Banc b;
    b.poser("W:W43:B1");
    clic(*b.f, 46, 335);
    passe_boucle(*b.f, false);
    EXPECT_NE(b.sur(43), PION_BLANC) << "the man on 43 moved at the first click";
}

TEST(SaisieDesCoups, EachThreeDimensionalPositionPicksItsOwnSquare) {
    for (bool inverse : {false, true}) {
        Banc b;
        if (inverse) Inverser(*b.f);
        for (int j = 1; j <= NB_CASES; ++j) {
            DamierImage1Click(*b.f, j);
            const Session& S = b.f->session();
            ASSERT_TRUE(clic_en_attente(S));
            const int s = case_du_point(S.saisies.front().x, S.saisies.front().y, inverse);
            ASSERT_EQ(inverse ? 73 - s : s, j);
            ASSERT_TRUE(cellule_sombre(S.saisies.front().x, S.saisies.front().y));
            b.f->session().saisies.clear();
        }
    }
}

TEST(TourDeJeu, APressDuringTheComputersTurnOnlyStopsIt) {
    Banc b(true);
    Controleur& f = *b.f;
    f.options().humains = false;
    b.contre_kolmar(2);
    b.poser("W:W43-72:B1-30");
    b.cliquer(47);
    b.cliquer(41);
    ASSERT_TRUE(tour_ordinateur(f.session()));
    laisser_jouer(b);
    ASSERT_EQ(f.jeu().trait, BLANC);
    // 52-47 is the man's only move: one click plays it. The second click of
    // a user used to selecting then moving lands during the computer's
    // reply, on the man now on 47: it must not move it.
    b.cliquer(52);
    ASSERT_EQ(b.sur(47), PION_BLANC);
    ASSERT_TRUE(tour_ordinateur(f.session()));
    const std::string avant = position(b);
    int x, y;
    centre_de_case(47, false, x, y);
    b.vue.pendant = [&] {
        if (f.session().recherche_en_cours) clic(f, x, y);
    };
    laisser_jouer(b);
    b.vue.pendant = nullptr;
    passe_boucle(f, false);
    EXPECT_EQ(f.jeu().trait, BLANC);
    EXPECT_EQ(f.jeu().partie.demi_coup_courant, 4) << "only the computer's move was played";
    EXPECT_EQ(b.sur(47), PION_BLANC) << avant << " -> " << position(b);
    EXPECT_FALSE(clic_en_attente(f.session()));
}

TEST(TourDeJeu, TwoClicksWithinOnePumpingAreBothTaken) {
    // The computer thinks on the human's time and pumps events every 5000
    // nodes: a quick selection and destination arrive in one pumping. One
    // pending slot kept the second click alone and the move was lost.
    Banc b(true);
    Controleur& f = *b.f;
    f.options().reflexion_adverse = true;
    b.contre_kolmar(5);
    b.poser("W:W43-72:B1-30");
    f.session().veto_reflexion = 0;
    int x1, y1, x2, y2;
    centre_de_case(47, false, x1, y1);
    centre_de_case(41, false, x2, y2);
    bool envoye = false;
    b.vue.pendant = [&] {
        if (f.session().en_reflexion_adverse && !envoye) {
            envoye = true;
            clic(f, x1, y1);
            clic(f, x2, y2);
        }
    };
    passe_boucle(f, false);
    b.vue.pendant = nullptr;
    ASSERT_TRUE(envoye) << "pondering did not run";
    EXPECT_EQ(f.jeu().partie.demi_coup_courant, 1) << "47-41 was not taken";
    EXPECT_EQ(b.sur(41), PION_BLANC);
}

TEST(TourDeJeu, TheSearchsAnswerIsDroppedWhenTheGameChangedMeanwhile) {
    Banc b(true);
    Controleur& f = *b.f;
    b.contre_kolmar(2);
    b.poser("W:W43-72:B1-30");
    b.cliquer(47);
    b.cliquer(41);
    // Taking the move back while the computer thinks on it.
    bool fait = false;
    b.vue.pendant = [&] {
        if (f.session().recherche_en_cours && !fait) {
            fait = true;
            reprise(f);
        }
    };
    passe_boucle(f, false);
    b.vue.pendant = nullptr;
    EXPECT_TRUE(fait);
    EXPECT_EQ(f.jeu().partie.demi_coup_courant, 0);
    uint8_t depart[TAILLE_DAMIER];
    position_initiale(depart);
    EXPECT_EQ(position(b), ecrire_fen(depart, BLANC)) << "the reply to 47-41 was played on the position before it";
    EXPECT_EQ(b.sur(47), PION_BLANC);
}

TEST(TourDeJeu, PieceCountersFollowTheGameWhileTheComputerPonders) {
    Banc b(true);
    Controleur& f = *b.f;
    f.options().reflexion_adverse = true;
    b.contre_kolmar(2);
    b.poser("W:W43-72:B1-30");
    b.cliquer(47);
    b.cliquer(41);
    laisser_jouer(b);
    ASSERT_EQ(f.jeu().trait, BLANC);
    int pendant_blancs = -1;
    b.vue.pendant = [&] {
        if (f.session().en_reflexion_adverse && pendant_blancs < 0) {
            Inverser(f);
            pendant_blancs = b.vue.blancs;
            pause(f);
        }
    };
    f.session().veto_reflexion = 0;
    passe_boucle(f, false);
    b.vue.pendant = nullptr;
    ASSERT_GE(pendant_blancs, 0) << "pondering did not run";
    EXPECT_EQ(pendant_blancs, 30);
    Inverser(f);
    EXPECT_EQ(b.vue.blancs, 30);
    EXPECT_EQ(b.vue.noirs, 30);
}

TEST(TourDeJeu, UncheckingPonderingStopsItAtOnce) {
    Banc b(true);
    Controleur& f = *b.f;
    f.options().reflexion_adverse = true;
    b.contre_kolmar(5);
    b.poser("W:W43-72:B1-30");
    int apres = -1;
    b.vue.pendant = [&] {
        if (apres >= 0) {
            if (++apres > 50) pause(f);  // a failing run ends too
        } else if (f.session().en_reflexion_adverse) {
            Rflexionsurtempsadverse1Click(f, false);
            apres = 0;
        }
    };
    f.session().veto_reflexion = 0;
    passe_boucle(f, false);
    ASSERT_GE(apres, 0) << "pondering did not run";
    EXPECT_LE(apres, 1) << "the search went on after the option was unchecked";
    EXPECT_EQ(f.session().en_reflexion_adverse, 0);
}

TEST(TourDeJeu, TheComputerPlaysATwoAgainstOneEndingByItsTable) {
    Banc b(true);
    Controleur& f = *b.f;
    ASSERT_NE(f.ctx().moteur->finales, nullptr);
    // The longest white win of two men against one, white to move.
    const Finales& fin = *f.ctx().finales;
    uint8_t nb[5] = {0, 2, 0, 1, 0};
    const int t = table_finale(nb, BLANC);
    ASSERT_GE(t, 0);
    ASSERT_FALSE(fin.tables[t].empty()) << "ppop table missing";
    uint8_t vide[TAILLE_DAMIER];
    int tr = 0;
    ASSERT_TRUE(lire_fen("W:W72:B1", vide, tr));
    vide[72] = vide[1] = VIDE;
    int meilleur = 0, a0 = 0, b0 = 0, c0 = 0;
    for (int a = 7; a <= 72; ++a)
        for (int bb = a + 1; bb <= 72; ++bb)
            for (int c = 1; c <= 66; ++c) {
                if (c == a || c == bb) continue;
                uint8_t d[TAILLE_DAMIER];
                std::memcpy(d, vide, TAILLE_DAMIER);
                d[a] = d[bb] = PION_BLANC;
                d[c] = PION_NOIR;
                const long o = decalage_finale(t, d, BLANC);
                if (o < 0) continue;
                const int v = fin.tables[t][static_cast<size_t>(o)];
                if (v > meilleur && v < 60) meilleur = v, a0 = a, b0 = bb, c0 = c;
            }
    ASSERT_GT(meilleur, 8);
    const std::string fen = "W:W" + std::to_string(a0) + "," + std::to_string(b0) + ":B" + std::to_string(c0);
    b.poser(fen.c_str());
    choisir_niveau(f, 1);
    f.session().contre_ordinateur = 1;
    Ordinateurcontreordinateur1Click(f, true);
    for (int i = 0; i < 200 && !f.session().partie_finie; ++i) passe_boucle(f, false);
    EXPECT_TRUE(f.session().partie_finie) << fen;
    EXPECT_EQ(f.session().resultat, 2) << fen << ": white's win was thrown away";
    EXPECT_LE(f.jeu().partie.demi_coup_courant, meilleur) << fen << ": the win took longer than the table's";
}

TEST(Horloges, AFinishedGamesClocksStandStillAndModesDoNotMoveThem) {
    Banc b;
    Controleur& f = *b.f;
    int64_t maintenant = 1000000;
    f.ctx().horloges.source = [&] { return maintenant; };
    b.poser("W:W51:B45,6");
    demarrer_tours(f.ctx().horloges);
    maintenant += 85000;
    for (int i = 0; i < 85; ++i) ajouter_temps(f);
    const std::string blanc = f.ctx().horloges.minblanc + ":" + f.ctx().horloges.secblanc;
    EXPECT_EQ(blanc, "1:25");
    // Switching to a game against the computer and back moves no clock.
    Ordinateur(f);
    Ordinateur(f);
    maintenant += 1000;
    ajouter_temps(f);
    EXPECT_EQ(f.ctx().horloges.secblanc, "26");
    // A draw agreed: the clocks stop.
    BitBtn14Click(f);
    ASSERT_TRUE(f.session().partie_finie);
    maintenant += 20000;
    for (int i = 0; i < 20; ++i) ajouter_temps(f);
    EXPECT_EQ(f.ctx().horloges.minblanc + ":" + f.ctx().horloges.secblanc, "1:26");
}

TEST(Horloges, AClockRunsOnlyDuringItsSidesTurnOfALiveGame) {
    Banc b(true);
    Controleur& f = *b.f;
    Horloges& h = f.ctx().horloges;
    int64_t maintenant = 1000000;
    h.source = [&] { return maintenant; };
    auto attendre = [&](int secondes) {
        for (int i = 0; i < secondes; ++i) {
            maintenant += 1000;
            ajouter_temps(f);
        }
    };
    // The start screen of a first run: 47 s there went on white's clock.
    const std::string vide = ::testing::TempDir() + "kolmar_sans_autosave";
    std::filesystem::remove_all(vide);
    std::filesystem::create_directories(vide + "/Sauve");
    definir_repertoire_donnees(vide);
    demarrer_tours(h);
    attendre(47);
    FormActivate(f);
    definir_repertoire_donnees(KOLMAR_DIR);
    attendre(1);
    EXPECT_LE(h.total_blanc, 1) << "the start screen's time was counted";

    // A set-up of 69 s, the computer (black) to move first: its first move
    // was charged the whole set-up.
    b.contre_kolmar(2);
    f.ctx().moteur->limites.profondeur_fixe = 2;
    nouvelle_partie(f);
    Installeruneposition1Click(f);
    attendre(69);
    Couleur_joue(f);
    Installeruneposition1Click(f);
    ASSERT_FALSE(f.session().mode_probleme);
    laisser_jouer(b);
    ASSERT_EQ(f.jeu().partie.demi_coup_courant, 1);
    EXPECT_LE(h.base_noir, 1) << "the set-up was charged to the computer";
    EXPECT_LE(h.base_blanc, 0);

    // An analysis is no one's turn.
    b.vue.pendant = [&] {
        maintenant += 1000;
        ajouter_temps(f);
        if (f.session().analyse_en_cours) Arretercettephase1Click(f);
    };
    Debuteruneanalyse1Click(f);
    b.vue.pendant = nullptr;
    attendre(1);
    EXPECT_LE(h.total_blanc, 1) << "the analysis ran on white's clock";

    // A finished game loaded: black, to move, has no move left.
    f.session().contre_ordinateur = 0;
    b.poser("W:W51:B45");
    b.cliquer(51);
    ASSERT_TRUE(f.session().partie_finie);
    const std::string chemin = ::testing::TempDir() + "kolmar_finie.dam";
    ASSERT_TRUE(sauver_partie(f, chemin));
    ASSERT_TRUE(ouvrir_partie(f, chemin));
    const int32_t noir = h.total_noir;
    attendre(30);
    EXPECT_EQ(h.total_noir, noir) << "black's clock ran in a game that is over";
}

TEST(Horloges, ExchangingPlayersKeepsTheRunningTurnsTime) {
    Banc b(true);
    Controleur& f = *b.f;
    int64_t maintenant = 1000000;
    f.ctx().horloges.source = [&] { return maintenant; };
    b.contre_kolmar(2);
    b.poser("W:W43-72:B1-30");
    demarrer_tours(f.ctx().horloges);
    maintenant += 85000;
    for (int i = 0; i < 85; ++i) ajouter_temps(f);
    inverser_joueurs(f);
    laisser_jouer(b);
    EXPECT_GE(f.ctx().horloges.total_blanc, 85) << "white's clock went back when the computer took over";
}

TEST(Horloges, HugeClocksFromAFileDoNotOverflow) {
    Banc b(true);
    Controleur& f = *b.f;
    b.contre_kolmar(2);
    b.poser("B:W43-72:B1-30");
    restaurer_horloges(f.ctx().horloges, INT_MAX, INT_MAX);
    f.ctx().controle.engineBudget = INT_MAX;
    f.ctx().controle.periodLimit = INT_MAX;
    f.session().tour = Tour::a_jouer;
    f.ctx().moteur->limites.profondeur_fixe = 2;
    laisser_jouer(b);
    EXPECT_EQ(f.jeu().trait, BLANC);
    EXPECT_GE(f.ctx().horloges.base_noir, 0);
}

TEST(Joueurs, NouveauEmptiesTheMoveListAtOnce) {
    Banc b;
    b.poser("W:W43-72:B1-30");
    for (int s : {44, 38, 25, 31}) b.cliquer(s);
    ASSERT_EQ(b.vue.lignes.size(), 1u);
    Nouveau2Click(*b.f);
    EXPECT_TRUE(b.vue.lignes.empty()) << "the old game's moves stayed while the new game was chosen";
}

TEST(Joueurs, NamesAndColourFollowThePlayers) {
    Banc b;
    Controleur& f = *b.f;
    partie_entrainement(f, true, "Zoe");
    EXPECT_EQ(b.vue.textes[Etiquette::Nom_blanc], "Zoe");
    EXPECT_EQ(b.vue.textes[Etiquette::Couleurordi], "Ordinateur noir");
    inverser_joueurs(f);
    EXPECT_EQ(b.vue.textes[Etiquette::Nom_blanc], "Kolmar");
    EXPECT_EQ(b.vue.textes[Etiquette::Nom_noir], "Zoe");
    EXPECT_EQ(b.vue.textes[Etiquette::Couleurordi], "Ordinateur blanc");
    Ordinateur(f);  // "Humain contre humain"
    EXPECT_FALSE(b.vue.panneaux[Panneau::Couleurordi]);
    EXPECT_NE(b.vue.textes[Etiquette::Nom_blanc], "Kolmar");
}

TEST(Fermeture, ClosingKeepsTheGameAndARatedMatchSaysWhyItStaysOpen) {
    Banc b;
    Controleur& f = *b.f;
    const std::string dossier = ::testing::TempDir() + "kolmar_fermeture";
    std::filesystem::remove_all(dossier);
    std::filesystem::create_directories(dossier + "/Sauve");
    definir_repertoire_donnees(dossier);
    b.poser("W:W51:B45,6");
    b.cliquer(51);
    poser_matchState(f, MATCH_EN_COURS);
    EXPECT_FALSE(exiter(f));
    ASSERT_EQ(b.vue.erreurs.size(), 1u);
    poser_matchState(f, MATCH_AUCUN);
    EXPECT_TRUE(exiter(f));
    Banc c;
    definir_repertoire_donnees(dossier);
    FormActivate(*c.f);
    EXPECT_EQ(c.f->jeu().partie.dernier_demi_coup, 1) << "the move made before closing was lost";
    definir_repertoire_donnees(KOLMAR_DIR);
}

TEST(FinDePartie, TheSideToMoveWithoutAMoveLosesEvenWhenTheOtherHasNoneEither) {
    Banc b;
    Controleur& f = *b.f;
    // 24-18 is white's only move; after it neither side can move, and the
    // end used to look at white first and give the game to black.
    b.poser("W:W7-17,24:B1-6");
    b.cliquer(24);
    passe_boucle(f, false);
    ASSERT_TRUE(f.session().partie_finie);
    EXPECT_EQ(f.session().resultat, 2);
    EXPECT_EQ(b.vue.textes[Etiquette::qui_gagne], texte(Texte::GainDesBlancs, f.ctx().langue));
}

// Kings to and fro between two people: the start comes back after 4 and 8
// plies. With "Règles de nulle" the eighth ply draws the game with its own
// message; without them the game goes on as it always did.
TEST(FinDePartie, TheThirdRepetitionDrawsWithItsMessageOnlyUnderTheDrawRules) {
    for (const bool regles : {true, false}) {
        SCOPED_TRACE(regles ? "rules on" : "rules off");
        Banc b;
        Controleur& f = *b.f;
        f.options().regles_nulle = regles;
        b.poser("W:WK1,43:BK72,K71");
        const int coups[][2] = {{1, 7}, {72, 66}, {7, 1}, {66, 72}, {1, 7}, {72, 66}, {7, 1}, {66, 72}};
        for (const auto& [de, vers] : coups) {
            ASSERT_FALSE(f.session().partie_finie) << "before " << de << "-" << vers;
            b.cliquer(de);
            b.cliquer(vers);
            ASSERT_EQ(b.sur(de), VIDE) << de << "-" << vers << " was not played";
        }
        EXPECT_EQ(f.session().partie_finie, regles);
        if (!regles) continue;
        EXPECT_EQ(f.session().resultat, 1);
        EXPECT_TRUE(b.vue.panneaux[Panneau::fin_de_parties]);
        EXPECT_EQ(b.vue.textes[Etiquette::qui_gagne], texte(Texte::NulleRepetition, f.ctx().langue));
    }
}
