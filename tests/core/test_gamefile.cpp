#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <vector>

#include "lang/messages.h"
#include "pannes.h"
#include "records/fichiers.h"
#include "records/gamefile.h"
#include "records/joueurs.h"
#include "records/messages.h"
#include "records/texte.h"
#include "rules/jeu.h"

using namespace kolmar;

namespace {

class DossierTemp {
   public:
    DossierTemp() {
        char modele[] = "/tmp/kolmar-gamefile-XXXXXX";
        char* d = mkdtemp(modele);
        if (d) chemin_ = d;
    }
    ~DossierTemp() {
        std::error_code ec;
        if (!chemin_.empty()) std::filesystem::remove_all(chemin_, ec);
    }
    const std::string& chemin() const { return chemin_; }
    std::string operator/(const std::string& nom) const { return chemin_ + "/" + nom; }

   private:
    std::string chemin_;
};

std::string lire(const std::string& chemin) {
    std::string c;
    lire_fichier(chemin, c);
    return c;
}

void ecrire(const std::string& chemin, const std::string& contenu) {
    std::ofstream(chemin, std::ios::binary) << contenu;
}

EtatNote etat_de(int p, const std::string& blanc, const std::string& noir, uint8_t ordi) {
    EtatNote e;
    e.temps_blanc = 7 * p + 1;
    e.temps_noir = 11 * p + 2;
    e.nom_blanc = blanc;
    e.nom_noir = noir;
    e.couleur_ordi = ordi;
    return e;
}

// A real game of n half-moves: legal moves drawn with a fixed seed,
// preferring those that leave the opponent no capture so the game lasts.
std::unique_ptr<Jeu> partie_jouee(int n, const std::string& blanc = "Alice", const std::string& noir = "Kolmar",
                                  uint8_t ordi = 1, unsigned graine = 1) {
    auto jeu = std::make_unique<Jeu>();
    commencer_partie(jeu->partie, jeu->damier, etat_de(0, blanc, noir, ordi));
    std::mt19937 rng(graine);
    auto g = std::make_unique<Generateur>();
    for (int p = 1; p <= n; ++p) {
        int k = coups_legaux(jeu->gen, jeu->trait);
        if (k == 0) break;
        std::vector<Coup> coups(jeu->gen.liste_coups[1], jeu->gen.liste_coups[1] + k), surs;
        for (const Coup& c : coups) {
            uint8_t d[TAILLE_DAMIER];
            std::memcpy(d, jeu->damier, TAILLE_DAMIER);
            jouer_coup(d, c);
            g->damier = d;
            init_listes(*g);
            coups_legaux(*g, 1 - jeu->trait);
            if (g->prise_max == 0) surs.push_back(c);
        }
        const std::vector<Coup>& choix = surs.empty() ? coups : surs;
        Coup c = choix[rng() % choix.size()];
        jouer_coup(jeu->damier, c);
        nouveau_demi_coup(jeu->partie, jeu->trait, jeu->damier, c.nb_prises, c.depart, c.arrivee,
                          etat_de(p, blanc, noir, ordi));
        jeu->plateau_depuis_damier();
    }
    return jeu;
}

Reglages reglages_essai() {
    Reglages r;
    r.periodMinutes = 10;
    r.taille_hash = 700;
    r.langue = 3;
    r.levelCode = 13;
    r.engineBudget = 540;
    r.periodLimit = 598;
    return r;
}

void attendre_memes_reglages(const Reglages& a, const Reglages& b) {
    EXPECT_EQ(a.periodMinutes, b.periodMinutes);
    EXPECT_EQ(a.taille_hash, b.taille_hash);
    EXPECT_EQ(a.langue, b.langue);
    EXPECT_EQ(a.levelCode, b.levelCode);
    EXPECT_EQ(a.engineBudget, b.engineBudget);
    EXPECT_EQ(a.periodLimit, b.periodLimit);
}

// Everything a refused read must leave alone.
struct Instantane {
    std::unique_ptr<Partie> partie = std::make_unique<Partie>();
    uint8_t trait = 0;
    uint8_t damier[TAILLE_DAMIER] = {};
    uint8_t plateau[TAILLE_DAMIER] = {};
    EtatNote etat;
    Reglages reglages;

    Instantane(const Jeu& j, const EtatNote& e, const Reglages& r) : etat(e), reglages(r) {
        *partie = j.partie;
        trait = j.trait;
        std::memcpy(damier, j.damier, TAILLE_DAMIER);
        std::memcpy(plateau, j.plateau_affiche, TAILLE_DAMIER);
    }
    void verifier(const Jeu& j, const EtatNote& e, const Reglages& r) const {
        EXPECT_EQ(0, std::memcmp(partie->partie, j.partie.partie, sizeof partie->partie));
        EXPECT_EQ(partie->demi_coup_courant, j.partie.demi_coup_courant);
        EXPECT_EQ(partie->dernier_demi_coup, j.partie.dernier_demi_coup);
        EXPECT_EQ(partie->lignes, j.partie.lignes);
        EXPECT_EQ(partie->selection, j.partie.selection);
        EXPECT_EQ(trait, j.trait);
        EXPECT_EQ(0, std::memcmp(damier, j.damier, TAILLE_DAMIER));
        EXPECT_EQ(0, std::memcmp(plateau, j.plateau_affiche, TAILLE_DAMIER));
        EXPECT_EQ(etat.nom_blanc, e.nom_blanc);
        EXPECT_EQ(etat.nom_noir, e.nom_noir);
        EXPECT_EQ(etat.temps_blanc, e.temps_blanc);
        attendre_memes_reglages(reglages, r);
    }
};

}  // namespace

TEST(GameFile, RoundTripsKeepEveryPlyClockAndName) {
    DossierTemp dir;
    for (int n : {0, 1, 40, 300, DEMI_COUPS_MAX}) {
        SCOPED_TRACE(n);
        auto source = partie_jouee(n, "Alice", "Kolmar", static_cast<uint8_t>(n % 2));
        ASSERT_EQ(source->partie.dernier_demi_coup, n) << "the seeded game ended early";
        std::string f = dir / "partie.dam";
        ASSERT_TRUE(sauver_jeu(f, *source, reglages_essai()).ok);
        std::string octets = lire(f);
        ASSERT_EQ(octets.size(), TAILLE_FICHIER_PARTIE);

        // Opened over another game, which must vanish entirely.
        auto cible = partie_jouee(23, "Zoé", "Yves", 0, 7);
        EtatNote etat;
        Reglages reglages;
        ASSERT_TRUE(ouvrir_jeu(f, *cible, etat, reglages).ok);
        const Partie& a = source->partie;
        const Partie& b = cible->partie;
        EXPECT_EQ(b.dernier_demi_coup, n);
        EXPECT_EQ(b.demi_coup_courant, n);
        EXPECT_EQ(cible->trait, source->trait);
        for (int p = 0; p <= n; ++p) {
            ASSERT_EQ(0, std::memcmp(a.partie[p] + 1, b.partie[p] + 1, OFS_MARQUE_LONGUEUR - 1)) << "ply " << p;
            EXPECT_EQ(lire_i32(b.partie[p] + OFS_TEMPS_BLANC), 7 * p + 1);
            EXPECT_EQ(lire_i32(b.partie[p] + OFS_TEMPS_NOIR), 11 * p + 2);
        }
        EXPECT_EQ(0, std::memcmp(cible->damier, source->damier, TAILLE_DAMIER));
        EXPECT_EQ(0, std::memcmp(cible->plateau_affiche, source->damier, TAILLE_DAMIER));
        EXPECT_EQ(etat.nom_blanc, "Alice");
        EXPECT_EQ(etat.nom_noir, "Kolmar");
        EXPECT_EQ(etat.couleur_ordi, n % 2);
        EXPECT_EQ(etat.temps_blanc, 7 * n + 1);
        // The rebuilt list reads as the list written move by move.
        EXPECT_EQ(b.lignes, a.lignes);
        EXPECT_EQ(b.lignes.size(), static_cast<size_t>((n + 1) / 2));
        EXPECT_EQ(b.selection, n > 0 ? (n - 1) / 2 : -1);

        // Saving what was read gives the same bytes.
        std::string f2 = dir / "encore.dam";
        ASSERT_TRUE(sauver_jeu(f2, *cible, reglages_essai()).ok);
        EXPECT_EQ(lire(f2), octets);
    }
}

TEST(GameFile, HeaderLengthAndSettingsSitWhereOlderReadersLook) {
    DossierTemp dir;
    auto jeu = partie_jouee(300);
    jeu->partie.demi_coup_courant = 123;  // navigated back before saving
    std::string f = dir / "p.dam";
    ASSERT_TRUE(sauver_jeu(f, *jeu, reglages_essai()).ok);
    std::string o = lire(f);
    auto u = [&](size_t i) { return static_cast<uint8_t>(o[i]); };
    auto i32 = [&](size_t i) { return lire_i32(reinterpret_cast<const uint8_t*>(&o[i])); };
    EXPECT_EQ(u(0), 300 & 0xFF);
    EXPECT_EQ(u(125), MARQUE_LONGUEUR);
    EXPECT_EQ(u(126) | u(127) << 8, 300);
    EXPECT_EQ(i32(65280), 123);
    EXPECT_EQ(u(65284), jeu->trait);
    EXPECT_EQ(i32(508 * 128 + 76), 10);
    EXPECT_EQ(i32(508 * 128 + 80), 700);
    EXPECT_EQ(u(509 * 128 + 74), 3);
    EXPECT_EQ(u(509 * 128 + 75), 13);
    EXPECT_EQ(i32(509 * 128 + 76), 540);
    EXPECT_EQ(i32(509 * 128 + 80), 598);
    // Saving leaves the game in memory as it was.
    EXPECT_EQ(jeu->partie.dernier_demi_coup, 300);

    auto cible = std::make_unique<Jeu>();
    EtatNote etat;
    Reglages r;
    ASSERT_TRUE(ouvrir_jeu(f, *cible, etat, r).ok);
    EXPECT_EQ(cible->partie.partie[0][0], 10);
    EXPECT_EQ(cible->partie.demi_coup_courant, 123);
    EXPECT_EQ(cible->partie.dernier_demi_coup, 300);
    EXPECT_EQ(cible->partie.selection, 61);
    EXPECT_EQ(etat.temps_blanc, 7 * 123 + 1);
    EXPECT_EQ(etat.temps_noir, 11 * 123 + 2);
}

TEST(GameFile, EachReadingModeTakesItsOwnSettings) {
    DossierTemp dir;
    auto jeu = partie_jouee(6);
    std::string f = dir / "p.dam";
    ASSERT_TRUE(sauver_jeu(f, *jeu, reglages_essai()).ok);
    const Reglages fichier = reglages_essai();
    Reglages courant;
    courant.langue = 1;
    courant.taille_hash = 2000;

    struct Cas {
        ModeLecture mode;
        uint8_t langue;
        int32_t hash;
    } cas[] = {{ModeLecture::ouvrir, 1, 2000},
               {ModeLecture::lecon, 1, 700},
               {ModeLecture::reprise, 1, 700},
               {ModeLecture::demarrage, 3, 700}};
    for (const Cas& c : cas) {
        auto cible = std::make_unique<Jeu>();
        EtatNote etat;
        Reglages r = courant;
        ASSERT_TRUE(ouvrir_jeu(f, *cible, etat, r, c.mode).ok);
        EXPECT_EQ(r.langue, c.langue);
        EXPECT_EQ(r.taille_hash, c.hash);
        EXPECT_EQ(r.levelCode, fichier.levelCode);
        EXPECT_EQ(r.engineBudget, fichier.engineBudget);
        EXPECT_EQ(r.periodLimit, fichier.periodLimit);
        EXPECT_EQ(r.periodMinutes, fichier.periodMinutes);
    }
    // Start-up only takes the settings; the game is read again on resume.
    auto cible = partie_jouee(3);
    EtatNote etat;
    Reglages r;
    ASSERT_TRUE(ouvrir_jeu(f, *cible, etat, r, ModeLecture::demarrage).ok);
    EXPECT_EQ(cible->partie.dernier_demi_coup, 3);
}

TEST(GameFile, ZeroBudgetOrLimitGivesTheDefaultLevel) {
    DossierTemp dir;
    auto jeu = partie_jouee(4);
    for (int champ : {76, 80}) {
        Reglages r = reglages_essai();
        r.taille_hash = 0;
        (champ == 76 ? r.engineBudget : r.periodLimit) = 0;
        std::string f = dir / "z.dam";
        ASSERT_TRUE(sauver_jeu(f, *jeu, r).ok);
        auto cible = std::make_unique<Jeu>();
        EtatNote etat;
        Reglages lu;
        lu.langue = 4;
        ASSERT_TRUE(ouvrir_jeu(f, *cible, etat, lu, ModeLecture::demarrage).ok);
        EXPECT_EQ(lu.engineBudget, 160);
        EXPECT_EQ(lu.periodLimit, 178);
        EXPECT_EQ(lu.periodMinutes, 3);
        EXPECT_EQ(lu.levelCode, 5);
        EXPECT_EQ(lu.langue, 0);
        EXPECT_EQ(lu.taille_hash, 100);
    }
}

TEST(GameFile, FilesWithoutTheFullLengthReadTheLowByte) {
    DossierTemp dir;
    auto jeu = partie_jouee(300);
    std::string f = dir / "ancien.dam";
    ASSERT_TRUE(sauver_jeu(f, *jeu, reglages_essai()).ok);
    std::string o = lire(f);
    o[125] = o[126] = o[127] = 0;  // as an older program writes it
    auto ouvrir = [&](int32_t courant, ModeLecture mode, std::string octets) {
        ecrire_i32(reinterpret_cast<uint8_t*>(&octets[65280]), courant);
        ecrire(f, octets);
        auto cible = std::make_unique<Jeu>();
        EtatNote etat;
        Reglages r;
        EXPECT_TRUE(ouvrir_jeu(f, *cible, etat, r, mode).ok);
        return cible;
    };
    // 300 & 0xFF = 44, raised to the current ply when that is further.
    EXPECT_EQ(ouvrir(300, ModeLecture::ouvrir, o)->partie.dernier_demi_coup, 300);
    auto court = ouvrir(20, ModeLecture::ouvrir, o);
    EXPECT_EQ(court->partie.dernier_demi_coup, 44);
    EXPECT_EQ(court->partie.lignes.size(), 22u);

    // A marker that disagrees with byte 0 was left by an older program
    // re-saving our file: byte 0 wins.
    std::string perime = o;
    perime[125] = static_cast<char>(MARQUE_LONGUEUR);
    perime[126] = 0x2C;  // says 556
    perime[127] = 0x02;
    perime[0] = 43;
    EXPECT_EQ(ouvrir(20, ModeLecture::ouvrir, perime)->partie.dernier_demi_coup, 43);

    // Lessons: a length byte of 255 opens 250 plies and is never raised;
    // the empty records after the real moves are accepted.
    auto lecon_jeu = partie_jouee(40);
    ASSERT_TRUE(sauver_jeu(f, *lecon_jeu, reglages_essai()).ok);
    std::string lecon = lire(f);
    lecon[0] = static_cast<char>(255);
    lecon[125] = 0;
    EXPECT_EQ(ouvrir(10, ModeLecture::lecon, lecon)->partie.dernier_demi_coup, 250);
    EXPECT_EQ(ouvrir(252, ModeLecture::lecon, lecon)->partie.dernier_demi_coup, 250);
    EXPECT_EQ(ouvrir(10, ModeLecture::ouvrir, lecon)->partie.dernier_demi_coup, 255);
}

TEST(GameFile, DamagedFilesAreRefusedAndChangeNothing) {
    DossierTemp dir;
    auto modele = partie_jouee(40);
    std::string f = dir / "m.dam";
    ASSERT_TRUE(sauver_jeu(f, *modele, reglages_essai()).ok);
    const std::string bon = lire(f);
    auto octet = [](std::string o, size_t i, int v) {
        o[i] = static_cast<char>(v);
        return o;
    };
    auto entier = [](std::string o, size_t i, int32_t v) {
        ecrire_i32(reinterpret_cast<uint8_t*>(&o[i]), v);
        return o;
    };
    auto longueur = [&](int l) {
        std::string o = octet(bon, 0, l & 0xFF);
        o[126] = static_cast<char>(l & 0xFF);
        o[127] = static_cast<char>(l >> 8);
        return o;
    };
    struct Cas {
        const char* quoi;
        std::string octets;
    } cas[] = {
        {"piece code 5", octet(bon, 3 * 128 + 17, 5)},
        {"piece code 10 in record 0", octet(bon, 1, 10)},
        {"piece code 255 at the current ply", octet(bon, 40 * 128 + 72, 255)},
        {"from-square 73", octet(bon, 12 * 128 + OFS_DE, 73)},
        {"to-square 200", octet(bon, 39 * 128 + OFS_VERS, 200)},
        {"half a move", octet(bon, 5 * 128 + OFS_VERS, 0)},
        {"current ply -1", entier(bon, 65280, -1)},
        {"current ply 508", entier(bon, 65280, 508)},
        {"current ply 100000", entier(bon, 65280, 100000)},
        {"full length 600", longueur(600)},
        {"short file whose length is beyond its records", octet(bon.substr(0, 10 * 128), 0, 12)},
        {"side to move 2", octet(bon, 65284, 2)},
        {"computer colour 7", octet(bon, 8 * 128 + OFS_COULEUR_ORDI, 7)},
        {"language 9", octet(bon, 509 * 128 + 74, 9)},
        {"table size code 12345", entier(bon, 508 * 128 + 80, 12345)},
        {"negative budget", entier(bon, 509 * 128 + 76, -160)},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        std::string g = dir / "abime.dam";
        ecrire(g, c.octets);
        auto jeu = partie_jouee(17, "Zoé", "Yves", 0, 3);
        EtatNote etat = etat_de(17, "Zoé", "Yves", 0);
        Reglages r;
        r.langue = 2;
        Instantane avant(*jeu, etat, r);
        ResultatFichier res = ouvrir_jeu(g, *jeu, etat, r);
        EXPECT_FALSE(res.ok);
        EXPECT_EQ(texte_resultat(res).rfind("Fichier de partie endommagé", 0), 0u) << texte_resultat(res);
        avant.verifier(*jeu, etat, r);
    }
    // The intact file is accepted: the cases above fail for their fault alone.
    auto jeu = std::make_unique<Jeu>();
    EtatNote etat;
    Reglages r;
    EXPECT_TRUE(ouvrir_jeu(f, *jeu, etat, r).ok);
    // "0 Mo" written as 10, the other code the format gives it, is no damage.
    std::string g = dir / "zero_mo.dam";
    ecrire(g, entier(bon, 508 * 128 + 80, 10));
    EXPECT_TRUE(ouvrir_jeu(g, *jeu, etat, r).ok) << texte_resultat(ouvrir_jeu(g, *jeu, etat, r));
}

TEST(GameFile, UnreadableFilesSayTheyCannotBeOpened) {
    DossierTemp dir;
    auto jeu = partie_jouee(9);
    EtatNote etat = etat_de(9, "Alice", "Kolmar", 1);
    Reglages r = reglages_essai();
    Instantane avant(*jeu, etat, r);
    for (const std::string& chemin : {dir / "absent.dam", dir.chemin()}) {
        ResultatFichier res = ouvrir_jeu(chemin, *jeu, etat, r, ModeLecture::reprise);
        EXPECT_FALSE(res.ok);
        EXPECT_EQ(texte_resultat(res), "Impossible d'ouvrir ce fichier");
    }
    avant.verifier(*jeu, etat, r);
}

TEST(GameFile, ShortFileIsReadAsFarAsItGoes) {
    DossierTemp dir;
    auto court = partie_jouee(6, "Bea", "Kolmar", 1, 5);
    std::string f = dir / "court.dam";
    ASSERT_TRUE(sauver_jeu(f, *court, reglages_essai()).ok);
    const size_t taille = 8 * 128 + 50;
    ecrire(f, lire(f).substr(0, taille));

    auto jeu = partie_jouee(40);
    auto avant = std::make_unique<Partie>(jeu->partie);
    EtatNote etat;
    Reglages r;
    ASSERT_TRUE(ouvrir_jeu(f, *jeu, etat, r).ok);
    const Partie& p = jeu->partie;
    EXPECT_EQ(p.dernier_demi_coup, 6);
    EXPECT_EQ(p.demi_coup_courant, 6);
    EXPECT_EQ(jeu->trait, BLANC);
    EXPECT_EQ(p.lignes, court->partie.lignes);
    EXPECT_EQ(etat.nom_blanc, "Bea");
    // Past the end of the file the previous records stay.
    EXPECT_EQ(0, std::memcmp(p.partie[8], court->partie.partie[8], 50));
    EXPECT_EQ(0, std::memcmp(p.partie[8] + 50, avant->partie[8] + 50, 78));
    EXPECT_EQ(0, std::memcmp(p.partie[20], avant->partie[20], 128));
}

TEST(GameFile, TwoWritersOfOneFileNeverShareATemporary) {
    DossierTemp dir;
    const std::string f = dir / "commun.dam";
    const std::string a(65285, 'a'), b(65285, 'b');
    // Two processes save the same file 150 times each: every save succeeds
    // and the file is always one of the two wholes.
    auto ecrivain = [&](const std::string& octets) {
        int echecs = 0;
        for (int i = 0; i < 150; ++i) echecs += !ecrire_fichier_sur(f, octets.data(), octets.size());
        return echecs;
    };
    const pid_t fils = fork();
    ASSERT_GE(fils, 0);
    if (fils == 0) _exit(ecrivain(b) == 0 ? 0 : 1);
    const int echecs = ecrivain(a);
    int statut = 0;
    waitpid(fils, &statut, 0);
    EXPECT_EQ(echecs, 0);
    EXPECT_TRUE(WIFEXITED(statut) && WEXITSTATUS(statut) == 0);
    const std::string fin = lire(f);
    EXPECT_TRUE(fin == a || fin == b);
}

TEST(GameFile, FailedSaveLeavesThePreviousFileWhole) {
    DossierTemp dir;
    std::string f = dir / "garde.dam";
    auto ancien = partie_jouee(12);
    ASSERT_TRUE(sauver_jeu(f, *ancien, reglages_essai()).ok);
    const std::string octets = lire(f);
    auto nouveau = partie_jouee(40, "Autre", "Kolmar", 1, 9);

    // The temporary cannot be created.
    ResultatFichier res;
    {
        SansDescripteur plus_de_fichier;
        res = sauver_jeu(f, *nouveau, reglages_essai());
    }
    EXPECT_FALSE(res.ok);
    EXPECT_EQ(texte_resultat(res), "Impossible d'écrire ce fichier");
    EXPECT_EQ(lire(f), octets);

    // The disk fills up half-way through the write.
    struct rlimit avant_limite;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &avant_limite), 0);
    struct sigaction ignorer = {}, avant_signal = {};
    ignorer.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignorer, &avant_signal);
    struct rlimit petite = avant_limite;
    petite.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &petite), 0);
    res = sauver_jeu(f, *nouveau, reglages_essai());
    setrlimit(RLIMIT_FSIZE, &avant_limite);
    sigaction(SIGXFSZ, &avant_signal, nullptr);
    EXPECT_FALSE(res.ok);
    EXPECT_EQ(lire(f), octets);
    for (const auto& e : std::filesystem::directory_iterator(std::filesystem::path(f).parent_path()))
        EXPECT_EQ(e.path().string().find(".tmp~"), std::string::npos) << e.path();

    ASSERT_TRUE(sauver_jeu(f, *nouveau, reglages_essai()).ok);
    EXPECT_NE(lire(f), octets);
}

TEST(GameFile, AutosaveAndSaveFolderLieInTheDataDirectory) {
    DossierTemp dir;
    const std::string ancien = repertoire_donnees();
    definir_repertoire_donnees(dir.chemin());
    std::filesystem::create_directory(dir / "sauve");  // any case will do
    EXPECT_EQ(dossier_sauve(), dir / "sauve");
    EXPECT_EQ(dossier_problemes(), dir / "Problemes");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Problemes"));
    EXPECT_EQ(chemin_autosave(), dir / "last72.dam");

    auto jeu = partie_jouee(21);
    ASSERT_TRUE(sauver_jeu(chemin_autosave(), *jeu, reglages_essai()).ok);
    auto repris = std::make_unique<Jeu>();
    EtatNote etat;
    Reglages r;
    ASSERT_TRUE(ouvrir_jeu(chemin_autosave(), *repris, etat, r, ModeLecture::reprise).ok);
    EXPECT_EQ(repris->partie.dernier_demi_coup, 21);
    EXPECT_EQ(repris->trait, NOIR);
    definir_repertoire_donnees(ancien);
}

// An installed program's files are never written: the player reads them
// until his own copy exists, and his copy wins from then on.
TEST(GameFile, ThePlayersFolderLiesOverTheInstalledFiles) {
    DossierTemp installe, maison;
    const std::string ancien = repertoire_donnees(), ancien_installe = repertoire_installe();
    definir_repertoire_installe(installe.chemin());
    definir_repertoire_donnees(maison / "kolmar3d");  // not there yet
    auto ecrire = [](const std::string& chemin, const std::string& t) {
        ASSERT_TRUE(ecrire_fichier_sur(chemin, t.data(), t.size()));
    };
    ecrire(installe / "joueurs.dat", "Kolmar\n");
    ecrire(installe / "points.dat", "1900\n");
    std::filesystem::create_directory(installe / "Parametres");
    ecrire(installe / "Parametres/defaut_can.par", "installe");

    EXPECT_EQ(charger_registre(repertoire_donnees()).noms, std::vector<std::string>{"Kolmar"});
    ASSERT_TRUE(ajouter_joueur(repertoire_donnees(), "Anne", 1600).ok);
    EXPECT_EQ(lire(installe / "joueurs.dat"), "Kolmar\n");
    EXPECT_EQ(charger_registre(repertoire_donnees()).noms, (std::vector<std::string>{"Kolmar", "Anne"}));
    EXPECT_EQ(charger_registre(repertoire_donnees()).points.at(0), "1900");

    EXPECT_EQ(chemin_lecture("Parametres/defaut_can.par"), installe / "Parametres/defaut_can.par");
    // The folder is filled once; a file the player removed stays removed.
    EXPECT_EQ(dossier_joueur("Parametres"), maison / "kolmar3d/Parametres");
    EXPECT_EQ(lire(maison / "kolmar3d/Parametres/defaut_can.par"), "installe");
    EXPECT_EQ(chemin_lecture("Parametres/defaut_can.par"), maison / "kolmar3d/Parametres/defaut_can.par");
    std::filesystem::remove(maison / "kolmar3d/Parametres/defaut_can.par");
    dossier_joueur("Parametres");
    EXPECT_FALSE(std::filesystem::exists(maison / "kolmar3d/Parametres/defaut_can.par"));
    EXPECT_EQ(chemin_ecriture("Parametres/mien.par"), maison / "kolmar3d/Parametres/mien.par");

    definir_repertoire_donnees(ancien);
    definir_repertoire_installe(ancien_installe);
}

// KOLMAR_DATA names the folder, else XDG_DATA_HOME, else the home's
// ~/.local/share; a relative XDG path is ignored, as the XDG rules say.
TEST(GameFile, ThePlayersFolderFollowsTheEnvironment) {
    const char* noms[3] = {"KOLMAR_DATA", "XDG_DATA_HOME", "HOME"};
    std::string avant[3];
    bool present[3];
    for (int i = 0; i < 3; ++i) {
        const char* v = std::getenv(noms[i]);
        present[i] = v != nullptr;
        if (v) avant[i] = v;
    }
    unsetenv("KOLMAR_DATA");
    setenv("HOME", "/maison/anne", 1);
    setenv("XDG_DATA_HOME", "relatif", 1);
    EXPECT_EQ(repertoire_donnees_defaut(), "/maison/anne/.local/share/kolmar3d");
    setenv("XDG_DATA_HOME", "/donnees", 1);
    EXPECT_EQ(repertoire_donnees_defaut(), "/donnees/kolmar3d");
    setenv("KOLMAR_DATA", "/ailleurs", 1);
    EXPECT_EQ(repertoire_donnees_defaut(), "/ailleurs");
    for (int i = 0; i < 3; ++i) {
        if (present[i])
            setenv(noms[i], avant[i].c_str(), 1);
        else
            unsetenv(noms[i]);
    }
}

TEST(GameFile, NamesStayInsideTheirFieldAndOldNamesReadAsText) {
    DossierTemp dir;
    // 18 ASCII bytes then "é": the cut must not split the character.
    auto jeu = partie_jouee(2,
                            "Jean-Christophe Mé"
                            "\xC3\xA9"
                            "ric",
                            "Abcdefghijklmnopqrstuvwxyz");
    std::string f = dir / "n.dam";
    ASSERT_TRUE(sauver_jeu(f, *jeu, reglages_essai()).ok);
    std::string o = lire(f);
    EXPECT_EQ(o[2 * 128 + OFS_NOM_BLANC + 19], '\0');
    EXPECT_EQ(o[2 * 128 + OFS_NOM_NOIR + 19], '\0');
    EXPECT_EQ(o[2 * 128 + OFS_COULEUR_ORDI], '\x01');

    // An older file keeps its names in Windows-1252.
    std::memcpy(&o[2 * 128 + OFS_NOM_BLANC], "Andr\xE9\0", 6);
    ecrire(f, o);
    auto cible = std::make_unique<Jeu>();
    EtatNote etat;
    Reglages r;
    ASSERT_TRUE(ouvrir_jeu(f, *cible, etat, r).ok);
    EXPECT_EQ(etat.nom_blanc, "Andr\xC3\xA9");
    EXPECT_EQ(etat.nom_noir, "Abcdefghijklmnopqrs");
}

TEST(GameFile, ChangedNamesGoIntoTheCurrentRecordOnly) {
    auto jeu = partie_jouee(8);
    jeu->partie.demi_coup_courant = 5;
    EtatNote etat = etat_de(5, "Alice", "Kolmar", 1);
    appliquer_noms(jeu->partie, etat, "Paul", "Une joueuse au nom bien trop long");
    EXPECT_EQ(etat.nom_blanc, "Paul");
    EXPECT_EQ(etat.nom_noir, "Une joueuse au nom ");
    EXPECT_EQ(lire_nom(jeu->partie.partie[5] + OFS_NOM_BLANC), "Paul");
    EXPECT_EQ(lire_nom(jeu->partie.partie[5] + OFS_NOM_NOIR), "Une joueuse au nom ");
    for (int p : {4, 6}) EXPECT_EQ(lire_nom(jeu->partie.partie[p] + OFS_NOM_BLANC), "Alice") << p;
}

// The command-line reader prints the window's view of a file.
TEST(GameFile, CliPrintsTheGameOrTheRefusal) {
    const std::string cli = std::string(KOLMAR_DIR) + "/kolmar-cli";
    if (!std::filesystem::exists(cli)) GTEST_SKIP() << "kolmar-cli not built";
    DossierTemp dir;
    auto jeu = partie_jouee(3, "Alice", "Kolmar");
    std::string f = dir / "c.dam";
    ASSERT_TRUE(sauver_jeu(f, *jeu, reglages_essai()).ok);
    auto lancer = [&](const std::string& fichier, std::string& sortie) {
        std::string cmd = cli + " dam '" + fichier + "' 2>&1";
        FILE* p = popen(cmd.c_str(), "r");
        char buf[256];
        while (size_t n = fread(buf, 1, sizeof buf, p)) sortie.append(buf, n);
        int st = pclose(p);
        return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    };
    std::string sortie;
    EXPECT_EQ(lancer(f, sortie), 0);
    std::string attendu = "plies 3\ncurrent 3\nside black\nwhite Alice\nblack Kolmar\nlevel 13\nlanguage 3\n" +
                          jeu->partie.lignes[0] + "\n" + jeu->partie.lignes[1] + "\n";
    EXPECT_EQ(sortie, attendu);

    std::string o = lire(f);
    o[65284] = 9;
    ecrire(f, o);
    sortie.clear();
    EXPECT_EQ(lancer(f, sortie), 1);
    EXPECT_EQ(sortie.rfind("Fichier de partie endommagé", 0), 0u);
}

TEST(GameFile, FailedSaveGivesTheReasonOnASecondLine) {
    DossierTemp dir;
    auto jeu = partie_jouee(10);
    const std::string premiere = "Impossible d'écrire ce fichier\n";

    ResultatFichier res = sauver_jeu(dir / "absent/p.dam", *jeu, reglages_essai());
    EXPECT_FALSE(res.ok);
    EXPECT_EQ(res.raison, RaisonEchec::chemin_absent);
    EXPECT_EQ(texte_resultat(res), premiere + "Le dossier n'existe pas");

    // Root writes into a folder whatever its mode; sysfs refuses new files to all.
    std::string protege = dir / "protege";
    std::filesystem::create_directory(protege);
    chmod(protege.c_str(), 0555);
    if (geteuid() == 0) protege = "/sys";
    res = sauver_jeu(protege + "/p.dam", *jeu, reglages_essai());
    chmod((dir / "protege").c_str(), 0755);
    EXPECT_EQ(res.raison, RaisonEchec::lecture_seule);
    EXPECT_EQ(texte_resultat(res), premiere + "Le dossier ou le disque est en lecture seule");

    // No room half-way through: the message says so and the old file stays.
    std::string f = dir / "plein.dam";
    ASSERT_TRUE(sauver_jeu(f, *partie_jouee(3), reglages_essai()).ok);
    const std::string octets = lire(f);
    struct rlimit avant_limite;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &avant_limite), 0);
    struct sigaction ignorer = {}, avant_signal = {};
    ignorer.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignorer, &avant_signal);
    struct rlimit petite = avant_limite;
    petite.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &petite), 0);
    res = sauver_jeu(f, *jeu, reglages_essai());
    setrlimit(RLIMIT_FSIZE, &avant_limite);
    sigaction(SIGXFSZ, &avant_signal, nullptr);
    EXPECT_EQ(res.raison, RaisonEchec::disque_plein);
    EXPECT_EQ(texte_resultat(res), premiere + "Le disque est plein");
    EXPECT_EQ(lire(f), octets);
}

TEST(GameFile, FilesShorterThanOneRecordAreTooShortNotMinusOnePlies) {
    DossierTemp dir;
    for (size_t taille : {size_t(0), size_t(1), size_t(127)}) {
        SCOPED_TRACE(taille);
        std::string f = dir / "court.dam";
        ecrire(f, std::string(taille, '\0'));
        auto jeu = partie_jouee(5);
        EtatNote etat;
        Reglages r;
        ResultatFichier res = ouvrir_jeu(f, *jeu, etat, r, ModeLecture::lecon);
        EXPECT_FALSE(res.ok);
        EXPECT_NE(texte_resultat(res).find("trop court"), std::string::npos) << texte_resultat(res);
        EXPECT_EQ(texte_resultat(res).find("-1"), std::string::npos) << texte_resultat(res);
    }
}

TEST(GameFile, NamesLoseTheirControlCharactersOnReadingAndRenaming) {
    DossierTemp dir;
    auto jeu = partie_jouee(6, "Zoe\r\nPhantom", "Kol\x1bmar");
    // The fields are written as they come, as an older program or a hostile file would.
    for (int p = 0; p <= 6; ++p) {
        std::memcpy(jeu->partie.partie[p] + OFS_NOM_BLANC, "Zoe\r\nPhantom\0", 13);
        std::memcpy(jeu->partie.partie[p] + OFS_NOM_NOIR, "Kol\x1bmar\xC2\x85\0", 10);
    }
    std::string f = dir / "n.dam";
    ASSERT_TRUE(sauver_jeu(f, *jeu, reglages_essai()).ok);
    auto lu = std::make_unique<Jeu>();
    EtatNote etat;
    Reglages r;
    ASSERT_TRUE(ouvrir_jeu(f, *lu, etat, r).ok);
    EXPECT_EQ(etat.nom_blanc, "ZoePhantom");
    EXPECT_EQ(etat.nom_noir, "Kolmar");
    // Stepping back to an earlier ply restores that ply's names.
    EXPECT_EQ(lire_nom(lu->partie.partie[2] + OFS_NOM_BLANC), "ZoePhantom");

    appliquer_noms(lu->partie, etat, "Ann\te", "B\xE2\x80\xA8ob");
    EXPECT_EQ(etat.nom_blanc, "Anne");
    EXPECT_EQ(etat.nom_noir, "Bob");
}

TEST(GameFile, CliEscapesControlCharactersInNames) {
    EXPECT_EQ(texte_echappe("Zoe\r\nPhantom\x1b[0m\\"), "Zoe\\r\\nPhantom\\x1b[0m\\\\");
    EXPECT_EQ(texte_echappe("Chlo\xC3\xA9 Dupont"), "Chlo\xC3\xA9 Dupont");
}
