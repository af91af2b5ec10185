#include "control/marques.h"

#include <algorithm>
#include <cstring>

#include "control/controleur.h"
#include "rules/movegen.h"

namespace kolmar {

namespace {

// The landing squares before the end of every capture that took the
// pieces emptied between `avant` and `apres`; a capture of one piece has
// none.
std::vector<std::vector<uint8_t>> chemins_de(const uint8_t avant[TAILLE_DAMIER], const uint8_t apres[TAILLE_DAMIER],
                                             int de, int vers, int nb_prises) {
    std::vector<std::vector<uint8_t>> chemins;
    if (nb_prises < 2) return chemins;
    uint8_t plan[TAILLE_DAMIER];
    std::memcpy(plan, avant, TAILLE_DAMIER);
    plan[0] = BORD;
    const int camp = est_noir(plan[de]) ? NOIR : BLANC;
    std::vector<uint8_t> prises;
    for (int s = 1; s <= NB_CASES; ++s)
        if (s != de && plan[s] != VIDE && !couleur_de(plan[s], camp) && apres[s] == VIDE)
            prises.push_back(static_cast<uint8_t>(s));
    Generateur g;
    g.damier = plan;
    init_listes(g);
    const int n = coups_piece(g, de, camp);
    if (g.prise_max != nb_prises || static_cast<int>(prises.size()) != nb_prises) return chemins;
    for (int i = 0; i < n; ++i) {
        std::vector<uint8_t> p(&g.cases_prises[i][1], &g.cases_prises[i][1] + nb_prises);
        std::sort(p.begin(), p.end());
        if (p == prises && g.cases_arrets[i][nb_prises] == vers)
            chemins.emplace_back(&g.cases_arrets[i][1], &g.cases_arrets[i][1] + nb_prises - 1);
    }
    return chemins;
}

}  // namespace

MarquesPlateau marques_plateau(Controleur& f) {
    MarquesPlateau m;
    const Session& S = f.session();
    Jeu& J = f.jeu();
    if (S.mode_probleme) return m;
    Partie& P = J.partie;
    const int n = P.demi_coup_courant;
    if (f.options().indication_mouvements && n >= 1 && n <= DEMI_COUPS_MAX) {
        const uint8_t* r = P.partie[n];
        const int de = r[OFS_DE], vers = r[OFS_VERS];
        if (de >= 1 && de <= NB_CASES && vers >= 1 && vers <= NB_CASES) {
            m.depart = static_cast<uint8_t>(de);
            m.arrivee = static_cast<uint8_t>(vers);
            uint8_t avant[TAILLE_DAMIER] = {BORD}, apres[TAILLE_DAMIER] = {BORD};
            std::memcpy(avant + 1, cases_de(P, n - 1), NB_CASES);
            std::memcpy(apres + 1, cases_de(P, n), NB_CASES);
            const auto chemins = chemins_de(avant, apres, de, vers, r[OFS_PRISE]);
            // The way it was played when known, else the first that fits.
            if (!chemins.empty()) m.chemin = chemins.front();
            for (const auto& c : chemins)
                if (S.ply_chemin == n && c == S.chemin_joue) m.chemin = c;
        }
    }
    // A human to move: the pieces that must capture, worked out on a copy
    // so the move entry's lists stay as they are.
    const bool humain = !tour_ordinateur(S) && (!S.contre_ordinateur || J.trait != S.couleur_ordinateur);
    if (humain && !S.partie_finie && !f.options().aveugle && !f.options().ordinateurs) {
        uint8_t plan[TAILLE_DAMIER];
        std::memcpy(plan, J.plateau_affiche, TAILLE_DAMIER);
        plan[0] = BORD;
        Generateur g;
        g.damier = plan;
        init_listes(g);
        const int nb = coups_legaux(g, J.trait);
        if (g.prise_max > 0)
            for (int i = 0; i < nb; ++i) {
                const uint8_t s = g.liste_coups[1][i].depart;
                if (std::find(m.obligatoires.begin(), m.obligatoires.end(), s) == m.obligatoires.end())
                    m.obligatoires.push_back(s);
            }
        std::sort(m.obligatoires.begin(), m.obligatoires.end());
    }
    return m;
}

void montrer_marques(Controleur& f) {
    f.vue().marques(marques_plateau(f));
}

}  // namespace kolmar
