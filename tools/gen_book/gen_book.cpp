// Turns the committed opening lines into "Ouvert_b.ouv" / "Ouvert_n.ouv".
// Source lines are library lines; '#' starts a comment line. Every line is
// replayed from the initial position: a move that is not legal, a capture
// whose path is ambiguous or a line of the wrong length stops the build.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/book.h"
#include "rules/board.h"
#include "rules/movegen.h"

using namespace kolmar;

namespace {

constexpr int DEMI_COUPS_MIN = 6;

// Plays the line on a board; false with a reason at the first bad move.
bool rejouer(Generateur& g, const std::vector<CoupLivre>& coups, std::string& raison) {
    uint8_t damier[TAILLE_DAMIER];
    position_initiale(damier);
    g.damier = damier;
    int trait = BLANC;
    for (size_t j = 0; j < coups.size(); ++j) {
        int n = coups_legaux(g, trait);
        const Coup* trouve = nullptr;
        uint8_t apres[TAILLE_DAMIER], autre[TAILLE_DAMIER];
        for (int i = 0; i < n; ++i) {
            const Coup& c = g.liste_coups[1][i];
            if (c.depart != coups[j].depart || c.arrivee != coups[j].arrivee) continue;
            if (!trouve) {
                trouve = &c;
                std::memcpy(apres, damier, TAILLE_DAMIER);
                jouer_coup(apres, c);
            } else {
                std::memcpy(autre, damier, TAILLE_DAMIER);
                jouer_coup(autre, c);
                if (std::memcmp(autre, apres, TAILLE_DAMIER) != 0) {
                    raison = "move " + std::to_string(j + 1) + " names two different captures";
                    return false;
                }
            }
        }
        if (!trouve) {
            raison = "move " + std::to_string(j + 1) + " (" + std::to_string(coups[j].depart) + "-" +
                     std::to_string(coups[j].arrivee) + ") is not legal";
            return false;
        }
        std::memcpy(damier, apres, TAILLE_DAMIER);
        trait = 1 - trait;
    }
    return true;
}

int convertir(const char* source, const char* cible) {
    std::vector<std::string> brutes, lignes;
    if (!lire_ouvertures(source, brutes)) {
        std::fprintf(stderr, "gen_book: cannot read %s\n", source);
        return 1;
    }
    Generateur g;
    uint8_t damier[TAILLE_DAMIER];
    position_initiale(damier);
    g.damier = damier;
    init_listes(g);
    int erreurs = 0;
    for (size_t k = 0; k < brutes.size(); ++k) {
        const std::string& l = brutes[k];
        size_t debut = l.find_first_not_of(" \t");
        if (debut == std::string::npos || l[debut] == '#') continue;
        std::vector<CoupLivre> coups = lire_ligne(l, 1000);
        std::string raison;
        // Every non-blank character must belong to a move that was read.
        const std::string propre = ecrire_ligne(coups);
        size_t lus = 0, attendus = 0;
        for (char c : l)
            if (c != ' ' && c != '\t' && c != '\r') ++lus;
        for (char c : propre)
            if (c != ' ') ++attendus;
        if (lus != attendus) raison = "unreadable text after move " + std::to_string(coups.size());
        if (raison.empty() &&
            (static_cast<int>(coups.size()) < DEMI_COUPS_MIN || static_cast<int>(coups.size()) > COUPS_LIGNE_MAX))
            raison = std::to_string(coups.size()) + " moves (6 to 42 expected)";
        if (raison.empty()) rejouer(g, coups, raison);
        if (!raison.empty()) {
            std::fprintf(stderr, "%s:%zu: %s\n", source, k + 1, raison.c_str());
            ++erreurs;
            continue;
        }
        lignes.push_back(propre);
    }
    if (erreurs) return 1;
    if (!ecrire_ouvertures(cible, lignes)) {
        std::fprintf(stderr, "gen_book: cannot write %s\n", cible);
        return 1;
    }
    std::printf("%s: %zu lines\n", cible, lignes.size());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: gen_book SOURCE TARGET\n");
        return 2;
    }
    return convertir(argv[1], argv[2]);
}
