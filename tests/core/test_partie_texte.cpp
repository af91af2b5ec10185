#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "lang/messages.h"
#include "records/partie_texte.h"
#include "records/pdn.h"
#include "rules/jeu.h"

using namespace kolmar;

namespace {

std::vector<std::string> lignes_de(const std::string& t) {
    std::vector<std::string> l;
    std::istringstream is(t);
    for (std::string x; std::getline(is, x);) l.push_back(x);
    return l;
}

// Plays `plies` legal half-moves from the position on jeu, the k-th legal
// move of each list (k cycling), recording them as the window does.
void jouer(Jeu& jeu, const EtatNote& etat, int plies, int graine = 0) {
    for (int p = 0; p < plies; ++p) {
        const int n = coups_legaux(jeu.gen, jeu.trait);
        ASSERT_GT(n, 0);
        const Coup c = jeu.gen.liste_coups[1][(p * 7 + graine) % n];
        jouer_coup(jeu.damier, c);
        ASSERT_TRUE(nouveau_demi_coup(jeu.partie, jeu.trait, jeu.damier, c.nb_prises, c.depart, c.arrivee, etat));
    }
    jeu.plateau_depuis_damier();
}

std::unique_ptr<Jeu> partie_depuis(const std::string& fen, const EtatNote& etat) {
    auto jeu = std::make_unique<Jeu>();
    int trait = BLANC;
    if (!fen.empty()) {
        EXPECT_TRUE(lire_fen(fen, jeu->damier, trait));
    }
    jeu->trait = static_cast<uint8_t>(trait);
    commencer_partie(jeu->partie, jeu->damier, etat);
    return jeu;
}

// Same boards, moves and length: what a reader must give back.
void memes_positions(const Partie& a, const Partie& b) {
    ASSERT_EQ(a.dernier_demi_coup, b.dernier_demi_coup);
    for (int p = 0; p <= a.dernier_demi_coup; ++p) {
        EXPECT_EQ(0, std::memcmp(a.partie[p] + OFS_CASES, b.partie[p] + OFS_CASES, NB_CASES)) << "ply " << p;
        EXPECT_EQ(a.partie[p][OFS_DE], b.partie[p][OFS_DE]) << "ply " << p;
        EXPECT_EQ(a.partie[p][OFS_VERS], b.partie[p][OFS_VERS]) << "ply " << p;
    }
}

EtatNote paul_anne() {
    EtatNote e;
    e.nom_blanc = "Paul";
    e.nom_noir = "Anne";
    return e;
}

}  // namespace

TEST(TexteExport, HeadingResultAndFourListLinesALineUpToTheCurrentHalfMove) {
    const EtatNote etat = paul_anne();
    auto jeu = partie_depuis("", etat);
    jouer(*jeu, etat, 19);
    const Partie& pt = jeu->partie;
    const std::string impair = texte_partie(pt, "Paul", "Anne", RESULTAT_NOIRS);

    std::vector<std::string> l = lignes_de(impair);
    ASSERT_EQ(5u, l.size());
    EXPECT_EQ("Paul-Anne  0-2", l[0]);
    EXPECT_EQ("Kolmar101", l[1]);
    auto ligne = [&](int i) { return ligne_coup(pt, i, 19) + "  "; };
    EXPECT_EQ(ligne(0) + ligne(1) + ligne(2) + ligne(3), l[2]);
    EXPECT_EQ(ligne(4) + ligne(5) + ligne(6) + ligne(7), l[3]);
    // White's 19th half-move, alone on its line, was left out: a game won
    // on white's move lost its winning move.
    EXPECT_EQ(ligne(8) + ligne(9), l[4]);
    {
        auto relu = std::make_unique<Jeu>();
        EtatNote e;
        EXPECT_EQ(rejouer_partie(lire_parties(impair).at(0), *relu, e).demi_coups, 19);
    }

    // At ply 18 the text stops at its complete pair.
    auto courant18 = std::make_unique<Jeu>();
    courant18->partie = pt;
    courant18->partie.demi_coup_courant = 18;
    const std::vector<std::string> l18 = lignes_de(texte_partie(courant18->partie, "Paul", "Anne", RESULTAT_NOIRS));
    ASSERT_EQ(5u, l18.size());
    EXPECT_EQ(ligne_coup(pt, 8, 18) + "  ", l18[4]);
    EXPECT_EQ("Paul-Anne ", lignes_de(texte_partie(pt, "Paul", "Anne", RESULTAT_AUCUN))[0]);
}

TEST(TexteImport, ItsOwnTextReadsBackAsOneGameWithItsNamesAndMoves) {
    const EtatNote etat = paul_anne();
    auto jeu = partie_depuis("", etat);
    jouer(*jeu, etat, 40, 3);

    const std::vector<PartieLue> parties = lire_parties(texte_partie(jeu->partie, "Paul", "Anne", RESULTAT_BLANCS));
    ASSERT_EQ(1u, parties.size());  // one game: no list to choose from
    EXPECT_EQ("Paul", parties[0].blanc);
    EXPECT_EQ("Anne", parties[0].noir);
    EXPECT_EQ("2-0", parties[0].resultat);

    auto relu = std::make_unique<Jeu>();
    EtatNote e;
    const Rejeu r = rejouer_partie(parties[0], *relu, e);
    EXPECT_EQ(FauteRejeu::aucune, r.faute) << texte_rejeu(r);
    EXPECT_EQ(40, r.demi_coups);
    EXPECT_EQ("Paul", e.nom_blanc);
    memes_positions(jeu->partie, relu->partie);
    EXPECT_EQ(jeu->trait, relu->trait);
    EXPECT_EQ(0, std::memcmp(jeu->plateau_affiche, relu->plateau_affiche, TAILLE_DAMIER));

    // Saved again by an editor that opens files with a byte-order mark: the
    // mark became part of white's name, and in PDN a game of its own.
    const std::string bom = "\xEF\xBB\xBF";
    const std::vector<PartieLue> texte_bom =
        lire_parties(bom + texte_partie(jeu->partie, "Paul", "Anne", RESULTAT_BLANCS));
    ASSERT_EQ(1u, texte_bom.size());
    EXPECT_EQ("Paul", texte_bom[0].blanc);
    const std::vector<PartieLue> pdn_bom = lire_parties(bom + "[White \"Paul\"]\n1. 47-41 *\n");
    ASSERT_EQ(1u, pdn_bom.size());
    EXPECT_EQ((std::vector<std::string>{"47-41"}), pdn_bom[0].coups);
}

TEST(TexteImport, IllegalMoveIsSkippedAndTheNextTriedFromTheSamePosition) {
    // 12-18: black's own man stands on 18.
    const std::vector<PartieLue> p = lire_parties("Paul-Anne \nKolmar101\n 1.47-41 12-18 25-31   2.41-36 ");
    ASSERT_EQ(1u, p.size());
    auto jeu = std::make_unique<Jeu>();
    EtatNote e;
    const Rejeu r = rejouer_partie(p[0], *jeu, e);
    EXPECT_EQ(3, r.demi_coups);
    EXPECT_EQ(FauteRejeu::illegal, r.faute);
    EXPECT_EQ(2, r.numero);
    EXPECT_EQ("12-18", r.texte);
    EXPECT_EQ(25, jeu->partie.partie[2][OFS_DE]);
    EXPECT_EQ(PION_BLANC, jeu->plateau_affiche[36]);
}

TEST(PdnImport, ManyGamesWithCommentsVariationsNagsSetUpsAndEitherLineEnd) {
    const std::string fichier =
        "[Event \"Essai\"]\r\n[White \"Paul\"]\r\n[Black \"Anne\"]\r\n[GameType \"27\"]\r\n[Result \"1-1\"]\r\n\r\n"
        "01. 48-42 {ouverture [classique] (avec parenthese)} 28-34 $1 02. 47-40! 34:47 (2... 23-28 3. 40-35 {x}) "
        "03. 52x41 ; fin de ligne 4. 99-1\r\n23-28?! 4. 53-47 26-32 1/2-1/2\r\n\r\n"
        "[White \"Blanc \\\"2\\\"\"]\n[Black \"Noir\"]\n[GameType \"27,W,12,12,N2,0\"]\n"
        "[FEN \"W:WK38:B14,24,42,45,46,59\"]\n1. 38x8 59-64 2-0\n"
        "[FEN \"?:W43-72:B1-30\"]\n1... 28-34 2. 48-42 *\n";
    const std::vector<PartieLue> p = lire_parties(fichier);
    ASSERT_EQ(3u, p.size());
    EXPECT_EQ("Paul", p[0].blanc);
    EXPECT_EQ("1/2-1/2", p[0].resultat);
    EXPECT_EQ("Blanc \"2\"", p[1].blanc);

    auto jeu = std::make_unique<Jeu>();
    EtatNote e;
    Rejeu r = rejouer_partie(p[0], *jeu, e);
    EXPECT_EQ(8, r.demi_coups);  // the comment's "4. 99-1" is not a move
    EXPECT_EQ(FauteRejeu::aucune, r.faute) << texte_rejeu(r);

    // 38x8 takes 45, 46, 14 or 45, 59, 14: black's 59-64 says which.
    r = rejouer_partie(p[1], *jeu, e);
    EXPECT_EQ(FauteRejeu::aucune, r.faute) << texte_rejeu(r);
    EXPECT_EQ(2, r.demi_coups);
    EXPECT_EQ(VIDE, jeu->plateau_affiche[46]);
    EXPECT_EQ(PION_NOIR, jeu->plateau_affiche[64]);

    // An unknown side to move is the side of the first move.
    r = rejouer_partie(p[2], *jeu, e);
    EXPECT_EQ(FauteRejeu::aucune, r.faute) << texte_rejeu(r);
    EXPECT_EQ(2, r.demi_coups);
    EXPECT_EQ(28, jeu->partie.partie[1][OFS_DE]);
}

TEST(PdnImport, ShortCaptureIsSettledByTheNextMoveElseReportedAndStillPlayed) {
    // 38x8 takes 45, 46, 14 or 45, 59, 14: a later move of 46 or 59 says which.
    const std::string fen = "[FEN \"W:WK38:B14,24,42,45,46,59\"]\n";
    auto jeu = std::make_unique<Jeu>();
    EtatNote e;
    Rejeu r = rejouer_partie(lire_parties(fen + "1. 38x8 46-51 *").at(0), *jeu, e);
    EXPECT_EQ(FauteRejeu::aucune, r.faute) << texte_rejeu(r);
    EXPECT_EQ(VIDE, jeu->plateau_affiche[59]);
    EXPECT_EQ(PION_NOIR, jeu->plateau_affiche[51]);

    r = rejouer_partie(lire_parties(fen + "1. 38x8 59-64 *").at(0), *jeu, e);
    EXPECT_EQ(FauteRejeu::aucune, r.faute) << texte_rejeu(r);
    EXPECT_EQ(VIDE, jeu->plateau_affiche[46]);
    EXPECT_EQ(PION_NOIR, jeu->plateau_affiche[64]);

    r = rejouer_partie(lire_parties(fen + "1. 38x8 *").at(0), *jeu, e);
    EXPECT_EQ(FauteRejeu::ambigu, r.faute);
    EXPECT_EQ(1, r.demi_coups);
    EXPECT_EQ(DAME_BLANCHE, jeu->plateau_affiche[8]);
}

TEST(PdnImport, ForeignGameIsRefusedByNameAndTheNextCanadianGameLoads) {
    const std::string fichier =
        "[Event \"Tournoi\"]\n[White \"A\"]\n[Black \"B\"]\n[GameType \"20\"]\n1. 32-28 19-23 2. 28x19 14x23 *\n\n"
        "[White \"C\"]\n[Black \"D\"]\n[GameType \"27,W,12,12,N2,0\"]\n1. 48-42 28-34 2. 47-40 34x47 *\n";
    const std::vector<PartieLue> p = lire_parties(fichier);
    ASSERT_EQ(2u, p.size());
    EXPECT_NE(std::string::npos, texte_ligne_partie(1, p[0]).find("dames internationales"));
    EXPECT_EQ(" 2: C - D", texte_ligne_partie(2, p[1]));

    const EtatNote etat = paul_anne();
    auto jeu = partie_depuis("", etat);
    jouer(*jeu, etat, 6);
    auto avant = std::make_unique<Jeu>();
    avant->partie = jeu->partie;
    EtatNote e = etat;
    Rejeu r = rejouer_partie(p[0], *jeu, e);
    EXPECT_EQ(FauteRejeu::type_refuse, r.faute);
    EXPECT_NE(std::string::npos, texte_rejeu(r).find("dames internationales"));
    EXPECT_EQ("Paul", e.nom_blanc);
    memes_positions(avant->partie, jeu->partie);

    r = rejouer_partie(p[1], *jeu, e);
    EXPECT_EQ(FauteRejeu::aucune, r.faute) << texte_rejeu(r);
    EXPECT_EQ(4, r.demi_coups);
    EXPECT_EQ("C", e.nom_blanc);
}

TEST(PdnImport, GameLongerThanTheRecordIsCutNotWrittenPastIt) {
    std::string t = "[FEN \"W:WK1:BK72\"]\n";
    for (int k = 0; k < 300; ++k) t += std::to_string(k + 1) + ". 1-7 72-66 " + std::to_string(k + 1) + ". 7-1 66-72 ";
    t += "*\n";
    const std::vector<PartieLue> p = lire_parties(t);
    ASSERT_EQ(1u, p.size());
    auto jeu = std::make_unique<Jeu>();
    EtatNote e;
    const Rejeu r = rejouer_partie(p[0], *jeu, e);
    EXPECT_EQ(FauteRejeu::trop_long, r.faute);
    EXPECT_EQ(DEMI_COUPS_MAX, r.demi_coups);
    EXPECT_EQ(DEMI_COUPS_MAX, jeu->partie.dernier_demi_coup);
    EXPECT_EQ(DEMI_COUPS_MAX + 1, r.numero);
}

TEST(PdnExport, SetUpGameWithALongAmbiguousKingCaptureComesBackWhole) {
    // The king on 70 takes six pieces two ways to 32; play the second way.
    const EtatNote etat = paul_anne();
    const std::string fen = "W:WK70,60,61,62:B6,9,16,28,35,38,41,44,57";
    auto jeu = partie_depuis(fen, etat);
    const int n = coups_legaux(jeu->gen, BLANC);
    int autre = -1, vus = 0;
    for (int k = 0; k < n; ++k)
        if (jeu->gen.liste_coups[1][k].depart == 70 && jeu->gen.liste_coups[1][k].arrivee == 32 && ++vus == 2)
            autre = k;
    ASSERT_GE(autre, 0);
    const Coup c = jeu->gen.liste_coups[1][autre];
    ASSERT_EQ(6, c.nb_prises);
    jouer_coup(jeu->damier, c);
    nouveau_demi_coup(jeu->partie, jeu->trait, jeu->damier, c.nb_prises, c.depart, c.arrivee, etat);
    jouer(*jeu, etat, 9);

    const PartiePdn pp = pdn_de_partie(jeu->partie, jeu->trait, "Paul", "Anne", RESULTAT_NUL);
    uint8_t depart[TAILLE_DAMIER];
    int trait = NOIR;
    ASSERT_TRUE(lire_fen(fen, depart, trait));
    EXPECT_EQ(ecrire_fen(depart, BLANC), pp.fen);
    ASSERT_EQ(10u, pp.coups.size());
    EXPECT_EQ(7u, std::count(pp.coups[0].begin(), pp.coups[0].end(), 'x') + 1);
    const std::string texte = ecrire_pdn(pp);
    for (const char* tag : {"[Event ", "[Site ", "[Date ", "[Round ", "[White \"Paul\"]", "[Black \"Anne\"]",
                            "[Result \"1-1\"]", "[GameType \"27,W,12,12,N2,0\"]", "[FEN "})
        EXPECT_NE(std::string::npos, texte.find(tag)) << tag;

    const std::vector<PartieLue> p = lire_parties(texte);
    ASSERT_EQ(1u, p.size());
    auto relu = std::make_unique<Jeu>();
    EtatNote e;
    const Rejeu r = rejouer_partie(p[0], *relu, e);
    EXPECT_EQ(FauteRejeu::aucune, r.faute) << texte_rejeu(r);
    memes_positions(jeu->partie, relu->partie);
}

TEST(PdnExport, LongGamesFromTheInitialPositionRoundTripWithoutFen) {
    const EtatNote etat = paul_anne();
    for (int graine = 0; graine < 4; ++graine) {
        auto jeu = partie_depuis("", etat);
        int plies = 0;
        // Until a side has no move or 300 plies: kings appear and capture far.
        while (plies < 300 && coups_legaux(jeu->gen, jeu->trait) > 0) {
            jouer(*jeu, etat, 1, graine + plies);
            ++plies;
        }
        const PartiePdn pp = pdn_de_partie(jeu->partie, jeu->trait, "Paul", "Anne", RESULTAT_AUCUN);
        EXPECT_TRUE(pp.fen.empty());
        const std::vector<PartieLue> p = lire_parties(ecrire_pdn(pp));
        ASSERT_EQ(1u, p.size());
        auto relu = std::make_unique<Jeu>();
        EtatNote e;
        const Rejeu r = rejouer_partie(p[0], *relu, e);
        EXPECT_EQ(FauteRejeu::aucune, r.faute) << "seed " << graine << ": " << texte_rejeu(r);
        memes_positions(jeu->partie, relu->partie);
    }
}

TEST(ImportBorne, TwentyMegabytesOfTinyGamesListBoundedAndTheChosenOneReadWhole) {
    // Each game named after its number, so the one read back can be told.
    std::string t;
    size_t n = 0;
    while (t.size() < 20u * 1024 * 1024) {
        t += "[White \"b" + std::to_string(n) + "\"][Black \"n\"]1. 45-40 20-25 *\n";
        ++n;
    }
    const struct mallinfo2 avant = mallinfo2();
    FichierParties f;
    lister_parties(std::move(t), f);
    const struct mallinfo2 apres = mallinfo2();
    EXPECT_EQ(f.total, n);
    ASSERT_EQ(f.parties.size(), PARTIES_LISTEES_MAX);
    EXPECT_TRUE(f.parties.back().coups.empty()) << "listed games keep no moves";
    // The text itself and the listed names, no more: every game with its
    // moves took over 1.5 GB.
    EXPECT_LT(apres.uordblks - std::min(apres.uordblks, avant.uordblks), 16u << 20);

    const PartieLue p = partie_choisie(f, PARTIES_LISTEES_MAX - 1);
    EXPECT_EQ(p.blanc, "b" + std::to_string(PARTIES_LISTEES_MAX - 1));
    EXPECT_EQ(p.coups, (std::vector<std::string>{"45-40", "20-25"}));
    EXPECT_EQ(p.resultat, "*");
    // The text format is listed and read back the same way.
    FichierParties texte;
    lister_parties("Paul-Anne  0-2\nKolmar101\n 1.47-41 12-18  \n\nA-B\nKolmar101\n 1.45-40 20-25  \n", texte);
    ASSERT_EQ(texte.total, 2u);
    EXPECT_EQ(partie_choisie(texte, 1).coups, lire_parties(texte.texte).at(1).coups);
    EXPECT_EQ(partie_choisie(texte, 1).blanc, "A");
}
