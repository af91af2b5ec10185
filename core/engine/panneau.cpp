// The engine panel's texts.
#include <cstdio>

#include "engine/moteur.h"

namespace kolmar {

namespace {

std::string texte_coup_panneau(const Coup& c) {
    return std::string(nom_case[c.depart]) + (c.nb_prises ? " x " : " - ") + nom_case[c.arrivee];
}

}  // namespace

std::string texte_pv(const Moteur& m) {
    std::string t;
    for (int k = 0; k < NB_PLIES && m.pv[1][k].depart; ++k) {
        if (k) t += ' ';
        t += texte_coup(m.pv[1][k]);
    }
    return t;
}

std::vector<std::string> lignes_progression(const Moteur& m, int score) {
    std::vector<std::string> l;
    char buf[96];
    std::snprintf(buf, sizeof buf, "Profondeur : %5d", m.profondeur);
    l.push_back(buf);
    std::snprintf(buf, sizeof buf, "Noeuds : %8llu", static_cast<unsigned long long>(m.noeuds));
    l.push_back(buf);
    if (!m.limites.en_reflexion_adverse) {
        int64_t s = (maintenant_ms(m) - m.debut_ms) / 1000;
        std::snprintf(buf, sizeof buf, "Temps : %6d s", static_cast<int>(s));
        l.push_back(buf);
        if (s > 0)
            std::snprintf(buf, sizeof buf, "Noeuds/s : %8llu", static_cast<unsigned long long>(m.noeuds / s));
        else
            std::snprintf(buf, sizeof buf, "Noeuds/s : //");
        l.push_back(buf);
    }
    std::snprintf(buf, sizeof buf, "Score : %5d", score / 2);
    l.push_back(buf);
    std::snprintf(buf, sizeof buf, "Coups : %3d", (m.jeu.partie.demi_coup_courant + 2) / 2);
    l.push_back(buf);
    for (int k = 0; k < 32 && m.pv[1][k].depart; k += 2) {
        std::string ligne = texte_coup_panneau(m.pv[1][k]);
        if (k + 1 < 32 && m.pv[1][k + 1].depart) ligne += " , " + texte_coup_panneau(m.pv[1][k + 1]);
        l.push_back(ligne);
    }
    return l;
}

}  // namespace kolmar
