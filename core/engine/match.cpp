#include "engine/match.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <sstream>

#include "records/pdn.h"
#include "rules/nulle.h"

namespace kolmar {

namespace {

class JoueurMoteur : public Joueur {
   public:
    std::unique_ptr<Jeu> jeu = std::make_unique<Jeu>();
    std::unique_ptr<Moteur> m = std::make_unique<Moteur>(*jeu);
    Finales finales;
    std::string libelle;

    std::string nom() const override { return libelle; }
    int choisir(const VuePartie& v, const Coup* liste, int n, int& score) override {
        copier_pour_moteur(v.jeu, v.jeu.damier, *jeu);
        m->limites.regles_nulle = v.regles_nulle;
        const ChoixCoup choix = choisir_coup(*m, jeu->trait);
        score = m->dernier_score;
        if (!choix.joue()) return -1;
        for (int k = 0; k < n; ++k)
            if (meme_prise(liste[k], choix.coup)) return k;
        return -1;
    }
};

class JoueurSimple : public Joueur {
   public:
    bool glouton;
    std::mt19937 hasard;
    JoueurSimple(bool g, unsigned graine) : glouton(g), hasard(graine) {}
    std::string nom() const override { return glouton ? "greedy" : "random"; }
    int choisir(const VuePartie& v, const Coup* liste, int n, int&) override {
        std::vector<int> tete;
        int meilleur = -1;
        for (int i = 0; i < n; ++i) {
            int g = 0;
            if (glouton) {
                const Coup& c = liste[i];
                for (int k = 0; k < c.nb_prises; ++k) g += est_dame(v.jeu.damier[c.prises[k]]) ? 3 : 1;
                if (case_de_promotion(v.jeu.damier[c.depart], c.arrivee)) g += 2;
            }
            if (g > meilleur) meilleur = g, tete.clear();
            if (g == meilleur) tete.push_back(i);
        }
        return tete[std::uniform_int_distribution<size_t>(0, tete.size() - 1)(hasard)];
    }
};

}  // namespace

std::unique_ptr<Joueur> joueur_moteur(int profondeur, double secondes, int niveau, std::string& erreur,
                                      const std::string& fichier_parametres, const std::string& dir) {
    auto j = std::make_unique<JoueurMoteur>();
    if (!charger_donnees_moteur(*j->m, erreur, dir)) return nullptr;
    if (!fichier_parametres.empty() &&
        charger_parametres(j->m->parametres, fichier_parametres) != ResultatParametres::ok) {
        erreur = "cannot read the parameter file " + fichier_parametres;
        return nullptr;
    }
    charger_positions(j->finales, dir);
    j->m->finales = &j->finales;
    Limites& l = j->m->limites;
    std::ostringstream nom;
    if (niveau >= 0) {
        limites_niveau(niveau, l);
        nom << "level:" << niveau;
    } else if (profondeur > 0) {
        l.profondeur_fixe = profondeur;
        nom << "depth:" << profondeur;
    } else {
        l.temps_fixe_ms = static_cast<int64_t>(secondes * 1000);
        nom << "time:" << secondes;
    }
    j->libelle = nom.str();
    return j;
}

std::unique_ptr<Joueur> joueur_glouton(unsigned graine) {
    return std::make_unique<JoueurSimple>(true, graine);
}
std::unique_ptr<Joueur> joueur_hasard(unsigned graine) {
    return std::make_unique<JoueurSimple>(false, graine);
}

void jouer_et_noter(Jeu& jeu, const Coup& c) {
    jouer_coup(jeu.damier, c);
    compter_pieces(jeu.damier, jeu.nb_pieces);
    nouveau_demi_coup(jeu.partie, jeu.trait, jeu.damier, c.nb_prises, c.depart, c.arrivee, EtatNote{});
    jeu.partie.materiel[jeu.partie.demi_coup_courant] = total_pieces(jeu.damier);
    jeu.plateau_depuis_damier();
}

bool poser_partie(Jeu& jeu, const uint8_t depart[TAILLE_DAMIER], int trait, const std::vector<std::string>& coups,
                  std::vector<Coup>* joues, std::string& erreur) {
    std::memcpy(jeu.damier, depart, TAILLE_DAMIER);
    jeu.damier[0] = BORD;
    jeu.plateau_depuis_damier();
    jeu.trait = static_cast<uint8_t>(trait);
    compter_pieces(jeu.damier, jeu.nb_pieces);
    commencer_partie(jeu.partie, jeu.damier, EtatNote{});
    jeu.partie.materiel[0] = total_pieces(jeu.damier);
    if (joues) joues->clear();
    for (const std::string& t : coups) {
        int n = coups_legaux(jeu.gen, jeu.trait);
        int i = trouver_coup(t, jeu.gen.liste_coups[1], n);
        if (i < 0 || partie_pleine(jeu.partie)) {
            erreur = t;
            return false;
        }
        Coup c = jeu.gen.liste_coups[1][i];
        if (joues) joues->push_back(c);
        jouer_et_noter(jeu, c);
    }
    return true;
}

bool lire_ouvertures(const std::string& texte, std::vector<Ouverture>& ouvertures, std::string& erreur) {
    std::istringstream in(texte);
    std::string ligne;
    int numero = 0;
    auto jeu = std::make_unique<Jeu>();
    uint8_t depart[TAILLE_DAMIER];
    position_initiale(depart);
    while (std::getline(in, ligne)) {
        ++numero;
        size_t diese = ligne.find('#');
        if (diese != std::string::npos) ligne.resize(diese);
        std::istringstream mots(ligne);
        Ouverture o;
        std::string m;
        while (mots >> m) o.coups.push_back(m);
        if (o.coups.empty()) continue;
        std::string mauvais;
        if (!poser_partie(*jeu, depart, BLANC, o.coups, nullptr, mauvais)) {
            erreur = "line " + std::to_string(numero) + ": illegal move " + mauvais;
            return false;
        }
        ouvertures.push_back(std::move(o));
    }
    return true;
}

ResultatPartie jouer_partie(Joueur& blanc, Joueur& noir, const Ouverture& ouverture, const ReglesMatch& regles) {
    ResultatPartie r;
    auto jeu = std::make_unique<Jeu>();
    uint8_t depart[TAILLE_DAMIER];
    position_initiale(depart);
    std::vector<Coup> coups;
    std::string erreur;
    if (!poser_partie(*jeu, depart, BLANC, ouverture.coups, &coups, erreur)) {
        r.faute = true;
        r.fin = "fault";
        return r;
    }
    {
        // The opening's moves in PDN, replayed on a scratch game.
        auto rejeu = std::make_unique<Jeu>();
        poser_partie(*rejeu, depart, BLANC, {}, nullptr, erreur);
        for (const Coup& c : coups) {
            r.pdn.push_back(coup_pdn(rejeu->gen, c));
            jouer_et_noter(*rejeu, c);
        }
    }
    Joueur* joueurs[2] = {&blanc, &noir};
    int score = 0;
    // Each player's run of scores, by colour of the mover, putting white
    // ahead, black ahead, or level.
    int devant_blanc[2] = {0, 0}, devant_noir[2] = {0, 0}, egal[2] = {0, 0};
    const Arbitrage& a = regles.arbitrage;
    Generateur& g = jeu->gen;
    while (true) {
        const int trait = jeu->trait;
        const int p = jeu->partie.demi_coup_courant;
        r.plies = p;
        const int n = coups_legaux(g, trait);
        if (n == 0) {
            r.resultat = trait == BLANC ? -1 : 1;
            r.fin = "no move";
            return r;
        }
        if (regles.regles_nulle) {
            // In Nulle's order.
            static const char* const k_fins[] = {"", "repetition", "25 king moves", "16-move ending", "5-move ending"};
            const Nulle nulle = nulle_partie(jeu->partie);
            if (nulle != Nulle::aucune) {
                r.fin = k_fins[static_cast<int>(nulle)];
                return r;
            }
        }
        if (p > 400 && jeu->partie.materiel[p] == jeu->partie.materiel[p - 60] && score > -20000 && score < 20000) {
            r.fin = "no progress";
            return r;
        }
        const uint8_t* np = jeu->nb_pieces;
        if (a.abandon_coups > 0 && np[1] + np[2] + np[3] + np[4] >= 6) {
            const bool blanc_gagne = devant_blanc[0] >= a.abandon_coups && devant_blanc[1] >= a.abandon_coups;
            if (blanc_gagne || (devant_noir[0] >= a.abandon_coups && devant_noir[1] >= a.abandon_coups)) {
                r.resultat = blanc_gagne ? 1 : -1;
                r.fin = "resign adjudication";
                return r;
            }
        }
        if (a.nulle_coups > 0 && p >= a.nulle_ply && egal[0] >= a.nulle_coups && egal[1] >= a.nulle_coups) {
            r.fin = "draw adjudication";
            return r;
        }
        if (p >= regles.plies_max) {
            r.fin = "ply cap";
            return r;
        }
        if (partie_pleine(jeu->partie)) {
            r.fin = "record full";
            return r;
        }
        std::vector<Coup> legaux(g.liste_coups[1], g.liste_coups[1] + n);
        VuePartie vue{*jeu, depart, coups, regles.regles_nulle};
        constexpr int sans_score = std::numeric_limits<int>::min();
        int s = sans_score;
        int i = joueurs[trait]->choisir(vue, legaux.data(), n, s);
        if (i < 0 || i >= n) {
            r.resultat = trait == BLANC ? -1 : 1;
            r.faute = true;
            r.fin = "fault";
            return r;
        }
        if (s != sans_score) {
            score = s;
            // Hundredths of a man against the player's 1/200, from white's side.
            const int b = trait == BLANC ? s : -s;
            devant_blanc[trait] = b >= 2 * a.abandon_score ? devant_blanc[trait] + 1 : 0;
            devant_noir[trait] = b <= -2 * a.abandon_score ? devant_noir[trait] + 1 : 0;
            egal[trait] = std::abs(b) <= 2 * a.nulle_score ? egal[trait] + 1 : 0;
        }
        const Coup c = legaux[i];
        r.pdn.push_back(coup_pdn(g, c));
        coups.push_back(c);
        jouer_et_noter(*jeu, c);
    }
}

Affectation affectation(int k, int nb_ouvertures) {
    return {nb_ouvertures > 0 ? (k / 2) % nb_ouvertures : 0, k % 2 == 0};
}

Elo elo_match(int gains, int nulles, int pertes) {
    const double n = gains + nulles + pertes;
    const double inf = std::numeric_limits<double>::infinity();
    auto elo = [&](double p) { return p <= 0 ? -inf : p >= 1 ? inf : -400.0 * std::log10(1.0 / p - 1.0); };
    if (n <= 0) return {0, -inf, inf};
    const double p = (gains + 0.5 * nulles) / n;
    const double var = (gains * (1 - p) * (1 - p) + nulles * (0.5 - p) * (0.5 - p) + pertes * p * p) / n;
    const double e = 1.959964 * std::sqrt(var / n);
    return {elo(p), elo(p - e), elo(p + e)};
}

VerdictSprt tester_sprt(const Sprt& t, int gains, int nulles, int pertes) {
    VerdictSprt v{0, std::log(t.beta / (1 - t.alpha)), std::log((1 - t.beta) / t.alpha), 0};
    const double n = gains + nulles + pertes;
    if (n <= 0) return v;
    const double p = (gains + 0.5 * nulles) / n;
    const double var = (gains * (1 - p) * (1 - p) + nulles * (0.5 - p) * (0.5 - p) + pertes * p * p) / n;
    // All games alike: no spread to judge by yet.
    if (var <= 0) return v;
    auto score = [](double elo) { return 1 / (1 + std::pow(10.0, -elo / 400)); };
    const double s0 = score(t.elo0), s1 = score(t.elo1);
    v.llr = n * (s1 - s0) * (2 * p - s0 - s1) / (2 * var);
    v.decision = v.llr >= v.haut ? 1 : v.llr <= v.bas ? -1 : 0;
    return v;
}

}  // namespace kolmar
