// Proposes opening lines for the library with the program's own engine at a
// fixed depth. The side the library is for plays the search's best move (two
// choices early in the line); the other side branches over its good replies
// so that the lines cover the likely games. Every finished line is searched
// again deeper from its last position and left out when the library's side
// stands a material loss down there. A run takes hours at useful depths:
// every search's result is appended to a cache file, and a run started
// again with the same file picks up where the last one stopped. A cache
// belongs to one engine and one parameter file: start a new one when either
// changes.
// Two runs may share a cache file, the second with "envers".
//   chercher_lignes blancs|noirs DATA_DIR [DEPTH] [LENGTH] [CHECK_DEPTH] [CACHE] [etroit|premiers] [envers]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/book.h"
#include "engine/match.h"
#include "engine/moteur.h"
#include "engine/tt.h"
#include "records/pdn.h"
#include "rules/board.h"
#include "rules/movegen.h"

using namespace kolmar;

namespace {

std::unique_ptr<Jeu> jeu;
std::unique_ptr<Moteur> moteur;
uint8_t depart[TAILLE_DAMIER];
int profondeur = 12;
int profondeur_controle = 14;
int longueur = 14;
int camp_livre;
std::vector<Coup> chemin;
int gardees = 0, ecartees = 0;

// Search results by "depth line", the line in protocol notation.
std::map<std::string, std::string> cache;
std::FILE* cache_fichier = nullptr;
std::string cache_chemin;
std::streamoff cache_lu = 0;  // what was read of the file, whole lines only

std::string cle(const char* sorte, int prof) {
    std::string k = std::string(sorte) + " " + std::to_string(prof);
    for (const Coup& c : chemin) k += " " + coup_protocole(c);
    return k;
}

void noter_cache(const std::string& k, const std::string& v) {
    cache[k] = v;
    if (!cache_fichier) return;
    std::fprintf(cache_fichier, "%s = %s\n", k.c_str(), v.c_str());
    std::fflush(cache_fichier);
}

// Reads what was appended to the cache file since the last read: another
// run may share the file (each result is one appended line).
void relire_cache() {
    if (cache_chemin.empty()) return;
    std::ifstream in(cache_chemin, std::ios::binary);
    in.seekg(cache_lu);
    std::string reste((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t fin = reste.rfind('\n');
    if (fin == std::string::npos) return;
    size_t debut = 0;
    while (debut <= fin) {
        const size_t nl = reste.find('\n', debut);
        const std::string l = reste.substr(debut, nl - debut);
        const size_t e = l.find(" = ");
        if (e != std::string::npos) cache[l.substr(0, e)] = l.substr(e + 3);
        debut = nl + 1;
    }
    cache_lu += static_cast<std::streamoff>(fin + 1);
}

void lire_cache(const std::string& chemin_cache) {
    cache_chemin = chemin_cache;
    relire_cache();
    cache_fichier = std::fopen(chemin_cache.c_str(), "a");
}

// A result of this run or of another sharing the file.
const std::string* en_cache(const std::string& k) {
    auto it = cache.find(k);
    if (it == cache.end()) {
        relire_cache();
        it = cache.find(k);
    }
    return it == cache.end() ? nullptr : &it->second;
}

constexpr int MARGE = 80;   // 0.4 man: replies this close to the best are branched over
constexpr int PERTE = 150;  // three quarters of a man down: the line goes

void rejouer() {
    std::string e;
    poser_partie(*jeu, depart, BLANC, {}, nullptr, e);
    for (const Coup& c : chemin) {
        coups_legaux(jeu->gen, jeu->trait);
        jouer_et_noter(*jeu, c);
    }
}

// Score of the position after `chemin` for its side to move, searched to
// `prof`. Forced moves are played through: the driver does not search them.
int valeur(int prof) {
    rejouer();
    const int n = coups_legaux(jeu->gen, jeu->trait);
    if (n == 0) return -SCORE_DECISIF;
    if (n == 1) {
        chemin.push_back(jeu->gen.liste_coups[1][0]);
        const int v = -valeur(std::max(1, prof - 1));
        chemin.pop_back();
        return v;
    }
    const std::string k = cle("valeur", prof);
    if (const std::string* v = en_cache(k)) return std::atoi(v->c_str());
    moteur->limites.profondeur_fixe = prof;
    moteur->dernier_score = 0;
    choisir_coup(*moteur, jeu->trait);
    noter_cache(k, std::to_string(moteur->dernier_score));
    return moteur->dernier_score;
}

// Whether the side to move after `chemin` scores at least `seuil` at depth
// `prof`: a null-window search, much cheaper than the exact score.
bool atteint(int prof, int seuil) {
    rejouer();
    const int n = coups_legaux(jeu->gen, jeu->trait);
    if (n == 0) return -SCORE_DECISIF >= seuil;
    if (n == 1) {
        chemin.push_back(jeu->gen.liste_coups[1][0]);
        const bool r = !atteint(std::max(1, prof - 1), 1 - seuil);
        chemin.pop_back();
        return r;
    }
    if (const std::string* v = en_cache(cle("valeur", prof))) return std::atoi(v->c_str()) >= seuil;
    const std::string k = cle(("seuil " + std::to_string(seuil)).c_str(), prof);
    if (const std::string* v = en_cache(k)) return *v == "1";
    Limites& l = moteur->limites;
    l.profondeur_fixe = prof;
    // The iterations below the last two stay exact: they order the moves.
    l.profondeur_seuil = std::max(1, prof - 1);
    l.seuil = seuil;
    moteur->dernier_score = 0;
    choisir_coup(*moteur, jeu->trait);
    l.profondeur_seuil = 0;
    const bool r = moteur->dernier_score >= seuil;
    noter_cache(k, r ? "1" : "0");
    return r;
}

struct Note {
    Coup coup;
    int score;
};

// Every legal move with its score for the side to move, best first
// (generation order on ties).
std::vector<Note> noter() {
    rejouer();
    const int n = coups_legaux(jeu->gen, jeu->trait);
    std::vector<Coup> coups(jeu->gen.liste_coups[1], jeu->gen.liste_coups[1] + n);
    std::vector<Note> notes;
    for (const Coup& c : coups) {
        chemin.push_back(c);
        notes.push_back({c, -valeur(profondeur - 1)});
        chemin.pop_back();
    }
    std::stable_sort(notes.begin(), notes.end(), [](const Note& a, const Note& b) { return a.score > b.score; });
    return notes;
}

// The search's own choice at full depth.
std::vector<Note> meilleur() {
    rejouer();
    const int n = coups_legaux(jeu->gen, jeu->trait);
    if (n == 0) return {};
    if (n == 1) return {{jeu->gen.liste_coups[1][0], 0}};
    const std::string k = cle("meilleur", profondeur);
    if (const std::string* v = en_cache(k)) {
        // "move score", the move in protocol notation.
        const size_t sp = v->find(' ');
        const std::string texte = v->substr(0, sp);
        for (int i = 0; i < n && sp != std::string::npos; ++i)
            if (coup_protocole(jeu->gen.liste_coups[1][i]) == texte)
                return {{jeu->gen.liste_coups[1][i], std::atoi(v->c_str() + sp + 1)}};
    }
    moteur->limites.profondeur_fixe = profondeur;
    moteur->dernier_score = 0;
    const ChoixCoup choix = choisir_coup(*moteur, jeu->trait);
    if (!choix.joue()) return {};
    const Coup c = choix.coup;
    noter_cache(k, coup_protocole(c) + " " + std::to_string(moteur->dernier_score));
    return {{c, moteur->dernier_score}};
}

// How many moves the other side branches over at half-move j. The narrow
// tree (at most 12 lines for white, 8 for black) is what deep searches afford.
bool etroit = false;
// One line for each of the other side's good first moves that the narrow
// tree leaves out: run after it, the two together make the library.
bool premiers = false;
// The branches taken last to first: a second run sharing the cache file
// then works from the other end of the tree.
bool envers = false;
int largeur_etroite(int j) {
    return camp_livre == BLANC ? (j == 2 ? 3 : j == 4 ? 2 : 1) : (j == 1 ? 4 : j == 3 ? 2 : 1);
}
int premier_coup_adverse() {
    return camp_livre == BLANC ? 2 : 1;
}
int largeur(int j) {
    if (premiers) return j == premier_coup_adverse() ? 11 : 1;
    if (etroit) return largeur_etroite(j);
    if (camp_livre == BLANC) return j == 2 ? 5 : j <= 4 ? 3 : j <= 8 ? 2 : 1;
    return j == 1 ? 11 : j <= 3 ? 3 : j <= 7 ? 2 : 1;
}
// The library's own side varies only its first move.
int largeur_livre(int j) {
    return j <= (etroit || premiers ? 1 : 2) ? 2 : 1;
}

void explorer(int j) {
    rejouer();
    const int side = jeu->trait;
    const bool prise = coups_legaux(jeu->gen, side) > 0 && jeu->gen.prise_max > 0;
    // A line never stops in the middle of an exchange.
    if (j > longueur && (!prise || j > COUPS_LIGNE_MAX)) {
        // Kept unless the library's side scores -PERTE or less.
        const bool garde =
            side == camp_livre ? atteint(profondeur_controle, 1 - PERTE) : !atteint(profondeur_controle, PERTE);
        std::vector<CoupLivre> ligne;
        for (const Coup& c : chemin) ligne.push_back({c.depart, c.arrivee});
        if (!garde) {
            std::fprintf(stderr, "# left out (%d or worse at depth %d): %s\n", -PERTE, profondeur_controle,
                         ecrire_ligne(ligne).c_str());
            ++ecartees;
        } else {
            std::printf("%s\n", ecrire_ligne(ligne).c_str());
            std::fflush(stdout);
            ++gardees;
        }
        return;
    }
    const int k = side == camp_livre ? largeur_livre(j) : largeur(j);
    const std::vector<Note> notes = k > 1 ? noter() : meilleur();
    int retenus = 0;
    while (retenus < k && retenus < static_cast<int>(notes.size()) && notes[retenus].score >= notes[0].score - MARGE)
        ++retenus;
    const int debut = premiers && j == premier_coup_adverse() ? std::min(largeur_etroite(j), retenus) : 0;
    for (int r = debut; r < retenus; ++r) {
        chemin.push_back(notes[envers ? retenus - 1 - (r - debut) : r].coup);
        explorer(j + 1);
        chemin.pop_back();
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || (std::strcmp(argv[1], "blancs") != 0 && std::strcmp(argv[1], "noirs") != 0)) {
        std::fprintf(stderr,
                     "usage: chercher_lignes blancs|noirs DATA_DIR [DEPTH] [LENGTH] [CHECK_DEPTH] [CACHE] "
                     "[etroit|premiers] [envers]\n");
        return 2;
    }
    camp_livre = std::strcmp(argv[1], "noirs") == 0 ? NOIR : BLANC;
    if (argc > 3) profondeur = std::atoi(argv[3]);
    if (argc > 4) longueur = std::atoi(argv[4]);
    if (argc > 5) profondeur_controle = std::atoi(argv[5]);
    if (argc > 6) lire_cache(argv[6]);
    for (int a = 7; a < argc; ++a) {
        if (std::strcmp(argv[a], "etroit") == 0)
            etroit = true;
        else if (std::strcmp(argv[a], "premiers") == 0)
            premiers = true;
        else if (std::strcmp(argv[a], "envers") == 0)
            envers = true;
        else
            return std::fprintf(stderr, "chercher_lignes: unknown option %s\n", argv[a]), 2;
    }
    if (profondeur < 2 || profondeur >= PROFONDEUR_MAX || profondeur_controle < 1 ||
        profondeur_controle >= PROFONDEUR_MAX || longueur < 1 || longueur > COUPS_LIGNE_MAX) {
        std::fprintf(stderr, "chercher_lignes: depths 2..%d, length 1..%d\n", PROFONDEUR_MAX - 1, COUPS_LIGNE_MAX);
        return 2;
    }
    jeu = std::make_unique<Jeu>();
    moteur = std::make_unique<Moteur>(*jeu);
    std::string erreur;
    if (!charger_donnees_moteur(*moteur, erreur, argv[2])) {
        std::fprintf(stderr, "chercher_lignes: %s\n", erreur.c_str());
        return 1;
    }
    // Deep searches one after the other along a line: the largest table.
    if (!resize_hash(*moteur, NB_TAILLES_HASH - 1))
        std::fprintf(stderr, "chercher_lignes: keeping the default table\n");
    position_initiale(depart);
    explorer(1);
    std::fprintf(stderr, "# %d lines kept, %d left out\n", gardees, ecartees);
    return 0;
}
