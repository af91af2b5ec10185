#include <cstdio>
#include <memory>
#include <random>
#include <vector>

#include "cli.h"
#include "moteur_cli.h"

namespace kolmar::cli {

namespace {

struct Joueur {
    enum Genre { profondeur, temps, niveau, glouton, hasard } genre = hasard;
    long valeur = 0;
    double secondes = 0;
    std::string nom;
};

bool lire_joueur(const std::string& t, Joueur& j) {
    j.nom = t;
    size_t deux = t.find(':');
    std::string type = t.substr(0, deux), arg = deux == std::string::npos ? "" : t.substr(deux + 1);
    if (type == "greedy" && deux == std::string::npos) return j.genre = Joueur::glouton, true;
    if (type == "random" && deux == std::string::npos) return j.genre = Joueur::hasard, true;
    if (type == "depth") return j.genre = Joueur::profondeur, lire_entier(arg, j.valeur, PROFONDEUR_MAX - 1) && j.valeur > 0;
    if (type == "level") return j.genre = Joueur::niveau, lire_entier(arg, j.valeur, 8);
    if (type == "time") return j.genre = Joueur::temps, lire_secondes(arg, j.secondes);
    return false;
}

// Captured material of a move: men 1, kings 3, a crowning 2.
int gain(const uint8_t* d, const Coup& c) {
    int g = 0;
    for (int k = 0; k < c.nb_prises; ++k) g += est_dame(d[c.prises[k]]) ? 3 : 1;
    if (case_de_promotion(d[c.depart], c.arrivee)) g += 2;
    return g;
}

struct Partie1 {
    int resultat;  // 1 white wins, 0 draw, -1 black wins
    int plies;
    const char* fin;
};

Partie1 jouer_partie(const Joueur& blanc, const Joueur& noir, unsigned graine_ouverture, std::mt19937& hasard,
                     int plies_ouverture, Finales& finales, bool& faute) {
    auto jeu = std::make_unique<Jeu>();
    commencer_partie(jeu->partie, jeu->damier, EtatNote{});
    std::unique_ptr<Moteur> moteurs[2];
    const Joueur* joueurs[2] = {&blanc, &noir};
    int32_t horloges[2] = {0, 0};
    for (int c = 0; c < 2; ++c) {
        const Joueur& j = *joueurs[c];
        if (j.genre == Joueur::glouton || j.genre == Joueur::hasard) continue;
        moteurs[c] = std::make_unique<Moteur>(*jeu);
        if (!preparer_moteur(*moteurs[c])) {
            faute = true;
            return {0, 0, "no data"};
        }
        moteurs[c]->finales = &finales;
        Limites& l = moteurs[c]->limites;
        if (j.genre == Joueur::profondeur) l.profondeur_fixe = static_cast<int>(j.valeur);
        else if (j.genre == Joueur::temps) l.temps_fixe_ms = static_cast<int64_t>(j.secondes * 1000);
        else limites_niveau(static_cast<int>(j.valeur), l);
    }
    std::mt19937 ouverture(graine_ouverture);
    int score = 0;
    Generateur& g = jeu->gen;
    while (true) {
        const int trait = jeu->trait;
        const int p = jeu->partie.demi_coup_courant;
        int n = coups_legaux(g, trait);
        if (n == 0) return {trait == BLANC ? -1 : 1, p, "no move"};
        if (partie_pleine(jeu->partie)) return {0, p, "record full"};
        if (p > 400 && jeu->partie.materiel[p] == jeu->partie.materiel[p - 60] && score > -20000 && score < 20000)
            return {0, p, "no progress"};
        std::vector<Coup> legaux(g.liste_coups[1], g.liste_coups[1] + n);

        Coup choisi;
        const Joueur& j = *joueurs[trait];
        if (p < plies_ouverture) {
            choisi = legaux[std::uniform_int_distribution<int>(0, n - 1)(ouverture)];
        } else if (j.genre == Joueur::hasard) {
            choisi = legaux[std::uniform_int_distribution<int>(0, n - 1)(hasard)];
            score = 0;
        } else if (j.genre == Joueur::glouton) {
            int meilleur = -1;
            std::vector<int> tete;
            for (int i = 0; i < n; ++i) {
                int v = gain(jeu->damier, legaux[i]);
                if (v > meilleur) meilleur = v, tete.clear();
                if (v == meilleur) tete.push_back(i);
            }
            choisi = legaux[tete[std::uniform_int_distribution<size_t>(0, tete.size() - 1)(hasard)]];
            score = 0;
        } else {
            Moteur& m = *moteurs[trait];
            m.limites.temps_camp = horloges[trait];
            int i = choisir_coup(m, trait);
            if (i == 254) i = 0;
            horloges[trait] += m.limites.temps_utilise;
            bool legal = i >= 0 && i < g.nb_coups[1];
            if (legal) {
                choisi = g.liste_coups[1][i];
                legal = false;
                for (const Coup& c : legaux) legal = legal || meme_prise(c, choisi);
            }
            if (!legal || std::memcmp(jeu->damier, jeu->plateau_affiche, TAILLE_DAMIER) != 0) {
                std::fprintf(stderr, "kolmar-cli: match: illegal move or altered board (index %d) at ply %d\n", i, p);
                faute = true;
                return {0, p, "fault"};
            }
            score = m.dernier_score;
        }
        uint8_t prise = static_cast<uint8_t>(choisi.nb_prises);
        jouer_coup(jeu->damier, choisi);
        compter_pieces(jeu->damier, jeu->nb_pieces);
        nouveau_demi_coup(jeu->partie, jeu->trait, jeu->damier, prise, choisi.depart, choisi.arrivee, EtatNote{});
        jeu->partie.materiel[jeu->partie.demi_coup_courant] = total_pieces(jeu->damier);
        jeu->plateau_depuis_damier();
    }
}

}  // namespace

int cmd_match(const Args& args) {
    long parties = -1, graine = 1;
    Joueur joueurs[2];
    bool vus[2] = {false, false};
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool suivant = i + 1 < args.size();
        if (a == "--games" && suivant) {
            if (!lire_entier(args[++i], parties, 100000) || parties < 1) return erreur_usage("match: --games takes a count");
        } else if (a == "--seed" && suivant) {
            if (!lire_entier(args[++i], graine, 4000000000L)) return erreur_usage("match: --seed takes a number");
        } else if ((a == "--white" || a == "--black") && suivant) {
            int k = a == "--white" ? 0 : 1;
            if (!lire_joueur(args[++i], joueurs[k]))
                return erreur_usage("match: bad player '" + args[i] + "' (depth:D, time:S, level:N, greedy, random)");
            vus[k] = true;
        } else {
            return erreur_usage("match: bad argument '" + a + "'");
        }
    }
    if (parties < 1 || !vus[0] || !vus[1]) return erreur_usage("match: needs --games N --white P --black P");

    std::mt19937 hasard(static_cast<unsigned>(graine));
    // The endgame tables are read at the first small ending, once for all games.
    Finales finales;
    charger_positions(finales);
    int gains = 0, nulles = 0, pertes = 0;
    for (long k = 0; k < parties; ++k) {
        // Both colours play each opening: games 2i and 2i + 1 share it.
        bool premier_blanc = k % 2 == 0;
        const Joueur& b = premier_blanc ? joueurs[0] : joueurs[1];
        const Joueur& n = premier_blanc ? joueurs[1] : joueurs[0];
        bool faute = false;
        Partie1 r = jouer_partie(b, n, static_cast<unsigned>(graine * 7919 + k / 2), hasard, 4, finales, faute);
        if (faute) return 1;
        int pour_premier = premier_blanc ? r.resultat : -r.resultat;
        if (pour_premier > 0) ++gains;
        else if (pour_premier < 0) ++pertes;
        else ++nulles;
        std::printf("game %ld: %s (white) - %s (black) %s, %d plies, %s\n", k + 1, b.nom.c_str(), n.nom.c_str(),
                    r.resultat > 0 ? "1-0" : r.resultat < 0 ? "0-1" : "1/2", r.plies, r.fin);
        std::fflush(stdout);
    }
    std::printf("%s vs %s: +%d =%d -%d (%.1f%%)\n", joueurs[0].nom.c_str(), joueurs[1].nom.c_str(), gains, nulles,
                pertes, 100.0 * (gains + 0.5 * nulles) / parties);
    return 0;
}

}  // namespace kolmar::cli
