// Seeds of the fuzz targets, written by the program's own writers from the
// data the build generated: games saved by sauver_jeu, registers built by
// ajouter_joueur, positions written by ecrire_fen, and the generated
// parameter, key, library and endgame files. Usage: fuzz_graines DATA OUT.
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <random>

#include "commun.h"
#include "engine/book.h"
#include "engine/endgame.h"
#include "engine/params.h"
#include "engine/tt.h"
#include "records/fichiers.h"
#include "records/gamefile.h"
#include "records/joueurs.h"
#include "records/partie_texte.h"
#include "records/pdn.h"
#include "rules/jeu.h"

using namespace kolmar;
namespace fs = std::filesystem;

namespace {

std::string donnees, sortie;

std::string lire_donnee(const std::string& nom) {
    std::string c;
    if (!lire_fichier(chemin_donnee(nom, donnees), c)) {
        std::cerr << "fuzz_graines: missing " << nom << " in " << donnees << "\n";
        std::exit(1);
    }
    return c;
}

void graine(const std::string& cible, const std::string& nom, const std::string& contenu) {
    creer_dossier(sortie + "/" + cible);
    fuzz::ecrire(sortie + "/" + cible + "/" + nom, contenu);
}

// A game of n half-moves from legal moves drawn with a fixed seed; the
// positions met on the way are handed to `position`.
template <typename F>
std::unique_ptr<Jeu> jouer(int n, unsigned graine_rng, const std::string& blanc, const std::string& noir, F position) {
    auto jeu = std::make_unique<Jeu>();
    EtatNote etat;
    etat.nom_blanc = blanc;
    etat.nom_noir = noir;
    commencer_partie(jeu->partie, jeu->damier, etat);
    std::mt19937 rng(graine_rng);
    for (int p = 1; p <= n; ++p) {
        int k = coups_legaux(jeu->gen, jeu->trait);
        if (k == 0) break;
        Coup c = jeu->gen.liste_coups[1][rng() % k];
        jouer_coup(jeu->damier, c);
        etat.temps_blanc += 3 * p;
        etat.temps_noir += 2 * p;
        nouveau_demi_coup(jeu->partie, jeu->trait, jeu->damier, c.nb_prises, c.depart, c.arrivee, etat);
        jeu->plateau_depuis_damier();
        position(p, *jeu);
    }
    return jeu;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: fuzz_graines DATA OUT\n";
        return 2;
    }
    donnees = argv[1];
    sortie = argv[2];
    std::error_code ec;
    fs::remove_all(sortie, ec);
    creer_dossier(sortie);
    const std::string tmp = sortie + "/.travail";
    creer_dossier(tmp);

    // FEN: the initial position and positions of played games, kings included.
    uint8_t d[TAILLE_DAMIER];
    position_initiale(d);
    graine("fen", "initiale", ecrire_fen(d, BLANC));
    int nfen = 0;
    for (unsigned g : {1u, 2u, 3u})
        jouer(300, g, "A", "B", [&](int p, const Jeu& j) {
            if (p % 37 == 0) graine("fen", "partie" + std::to_string(nfen++), ecrire_fen(j.damier, j.trait));
        });

    // Game files: lengths from empty to long, settings of several levels, a
    // file cut short as an interrupted copy leaves it.
    struct Cas {
        int longueur;
        unsigned graine;
        const char* blanc;
        const char* noir;
        int32_t hash;
        uint8_t niveau, langue;
    } cas[] = {{0, 1, "Inconnu", "Kolmar", 100, 5, 0},
               {1, 2, "Alice", "Kolmar", 50, 2, 1},
               {9, 3, "Kolmar", "Chlo\xC3\xA9", 700, 7, 2},
               {60, 4, "Jean-Christophe M\xC3\xA9", "Bob", 2000, 8, 5},
               {300, 5, "A", "B", 1, 0, 3}};
    for (const Cas& c : cas) {
        auto jeu = jouer(c.longueur, c.graine, c.blanc, c.noir, [](int, const Jeu&) {});
        Reglages r;
        r.taille_hash = c.hash;
        r.levelCode = c.niveau;
        r.langue = c.langue;
        const std::string f = tmp + "/p.dam";
        if (!sauver_jeu(f, *jeu, r).ok) return 1;
        std::string octets;
        lire_fichier(f, octets);
        graine("partie", "partie" + std::to_string(c.longueur), octets);
        // The same games as the text and PDN writers give them.
        graine("texte", "partie" + std::to_string(c.longueur),
               texte_partie(jeu->partie, c.blanc, c.noir, RESULTAT_AUCUN));
        graine("pdn", "partie" + std::to_string(c.longueur),
               ecrire_pdn(pdn_de_partie(jeu->partie, jeu->trait, c.blanc, c.noir, RESULTAT_AUCUN)));
        if (c.longueur == 9) graine("partie", "coupee", octets.substr(0, 11 * TAILLE_ENREGISTREMENT + 50));
    }

    // Registers: the generated one, and one grown by the program's own additions.
    graine("registre", "genere",
           fuzz::assembler(lire_donnee(FICHIER_JOUEURS), fuzz::assembler(lire_donnee(FICHIER_POINTS), "Zo\xC3\xA9")));
    sauver_registre(tmp, Registre{{NOM_KOLMAR}, {std::to_string(POINTS_KOLMAR)}});
    int capital = 1400;
    for (const char* nom : {"Alice", "Chlo\xC3\xA9", "Jean-Christophe M\xC3\xA9ric", "Bob"})
        ajouter_joueur(tmp, nom, capital += 150);
    std::string joueurs, points;
    lire_fichier(tmp + "/" + FICHIER_JOUEURS, joueurs);
    lire_fichier(tmp + "/" + FICHIER_POINTS, points);
    graine("registre", "joueurs", fuzz::assembler(joueurs, fuzz::assembler(points, "Denis")));

    // Parameters as generated, and saved back by the program.
    graine("parametres", "defaut_can", lire_donnee(FICHIER_PARAMETRES_DEFAUT));
    auto p = std::make_unique<Parametres>();
    ErreurDonnees erreur;
    if (!charger_parametres_defaut(*p, erreur, donnees)) return 1;
    p->fixer_scalaire(0, 28);
    sauver_parametres(*p, tmp + "/x.par");
    std::string par;
    lire_fichier(tmp + "/x.par", par);
    graine("parametres", "sauve", par);

    graine("cles", "hashkey73", lire_donnee(FICHIER_CLES));

    // Libraries: the generated pair, and a set saved by the editor.
    const std::string b = lire_donnee(FICHIER_OUVERTURES_BLANCS), n = lire_donnee(FICHIER_OUVERTURES_NOIRS);
    graine("ouvertures", "generees", fuzz::assembler(b, n));
    Bibliotheque bib;
    charger_bibliotheques(bib, donnees);
    bib.blancs.resize(std::min<size_t>(bib.blancs.size(), 5));
    creer_dossier(tmp + "/Parametres");
    fuzz::ecrire(tmp + "/" + FICHIER_OUVERTURES_NOIRS, n.substr(0, 2000));
    if (!enregistrer_jeu(bib, 0, "jeu", {"jeu"}, tmp)) return 1;
    std::string jb, jn;
    lire_fichier(tmp + "/Parametres/jeu_b.ouv", jb);
    lire_fichier(tmp + "/Parametres/jeu_n.ouv", jn);
    graine("ouvertures", "jeu", fuzz::assembler(jb, jn));

    // Endgame: the first byte picks the file (tables 0..15, 16 for can.dat).
    for (int t : {DOD, POP, DDOD})
        graine("finales", nom_table_finale(t), std::string(1, static_cast<char>(t)) + lire_donnee(nom_table_finale(t)));
    graine("finales", "can.dat", std::string(1, static_cast<char>(NB_TABLES_FINALES)) + lire_donnee("can.dat"));

    // Engine sessions: a game with a search, and a ponder turned timed.
    graine("serveur", "partie",
           "hub\ninit\nlevel depth=3\npos moves=\"44-38 25-31\"\ngo think\nping\nlevel move-time=0.01\ngo think\n");
    graine("serveur", "ponder",
           "level move-time=0.05\ngo ponder\nponder-hit\npos moves=\"44-38 21-26\"\ngo think\n"
           "set-param name=table value=1\nlevel depth=2 moves=x\nstop\nquit\n");

    fs::remove_all(tmp, ec);
    return 0;
}
