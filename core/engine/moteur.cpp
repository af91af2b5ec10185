// The engine object and its data: keys, parameters and the table.
#include "engine/moteur.h"

#include <chrono>
#include <cstring>
#include <random>

namespace kolmar {

unsigned graine_depart() {
    static uint64_t compteur = 0;
    uint64_t x = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    x ^= static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) << 17;
    try {
        std::random_device rd;
        x ^= (static_cast<uint64_t>(rd()) << 32) ^ rd();
    } catch (...) {
        // No entropy source: the clocks alone.
    }
    // Two engines made in the same tick still differ.
    x += ++compteur * 0x9E3779B97F4A7C15ull;
    x ^= x >> 31;
    x *= 0xBF58476D1CE4E5B9ull;
    x ^= x >> 29;
    return static_cast<unsigned>(x ^ (x >> 32));
}

namespace {

struct NomInterrupteur {
    const char* nom;
    bool Interrupteurs::*champ;
};
const NomInterrupteur k_interrupteurs[] = {
    {"reduction_racine", &Interrupteurs::reduction_racine},
    {"elagage", &Interrupteurs::elagage},
    {"extension_promotion", &Interrupteurs::extension_promotion},
    {"tueurs", &Interrupteurs::tueurs},
    {"aspiration", &Interrupteurs::aspiration},
    {"coup_hash", &Interrupteurs::coup_hash},
    {"ordre_pv", &Interrupteurs::ordre_pv},
    {"tout_le_temps", &Interrupteurs::tout_le_temps},
    {"historique", &Interrupteurs::historique},
    {"reductions", &Interrupteurs::reductions},
    {"reductions_fortes", &Interrupteurs::reductions_fortes},
    {"reductions_log", &Interrupteurs::reductions_log},
    {"horizon_noeud", &Interrupteurs::horizon_noeud},
    {"ordre_horizon", &Interrupteurs::ordre_horizon},
    {"prise_unique_prolonge", &Interrupteurs::prise_unique_prolonge},
    {"seaux", &Interrupteurs::seaux},
    {"temps_entier", &Interrupteurs::temps_entier},
    {"tueurs_recents", &Interrupteurs::tueurs_recents},
    {"reductions_frontiere", &Interrupteurs::reductions_frontiere},
    {"probcut", &Interrupteurs::probcut},
};

}  // namespace

Interrupteurs& interrupteurs_de_depart() {
    static Interrupteurs i;
    return i;
}

bool regler_interrupteur(Interrupteurs& i, const std::string& nom, bool actif) {
    for (const NomInterrupteur& n : k_interrupteurs)
        if (nom == n.nom) {
            i.*n.champ = actif;
            return true;
        }
    return false;
}

const std::vector<std::string>& noms_interrupteurs() {
    static const std::vector<std::string> noms = [] {
        std::vector<std::string> v;
        for (const NomInterrupteur& n : k_interrupteurs) v.emplace_back(n.nom);
        return v;
    }();
    return noms;
}

Moteur::Moteur(Jeu& j) : jeu(j), options(interrupteurs_de_depart()) {
    std::memset(pv, 0, sizeof pv);
    std::memset(pv_prec, 0, sizeof pv_prec);
    effacer_tueurs(*this);
}

bool limites_niveau(int niveau, Limites& l) {
    static const int32_t budget[9] = {5, 2, 5, 6, 10, 160, 270, 540, 1680};
    static const int32_t limite[9] = {58, 58, 158, 358, 600, 178, 298, 598, 1798};
    if (niveau < 0 || niveau > 8) return false;
    l.engineBudget = budget[niveau];
    l.periodLimit = limite[niveau];
    return true;
}

bool charger_donnees_moteur(Moteur& m, ErreurDonnees& erreur, const std::string& dir) {
    if (!charger_cles(m.hash, erreur, dir)) return false;
    if (!charger_parametres_defaut(m.parametres, erreur, dir)) return false;
    if (!resize_hash(m, m.hash.menu) && !m.hash.entrees) {
        erreur = {ErreurDonnees::Code::allocation_tables, {}, 0};
        return false;
    }
    return true;
}

bool charger_donnees_moteur(Moteur& m, std::string& erreur, const std::string& dir) {
    ErreurDonnees e;
    if (charger_donnees_moteur(m, e, dir)) return true;
    erreur = texte_erreur_donnees(e);
    return false;
}

bool resize_hash(Moteur& m, int index) {
    if (index < 0 || index >= NB_TAILLES_HASH) return false;
    if (index == TAILLE_HASH_DEPART && !m.hash.entrees) {
        // Start-up: the file's keys stand.
        m.hash.menu = index;
        m.hash.S = k_tailles_hash[index];
        m.hash.H = k_decalages_hash[index];
        return init_hash(m.hash);
    }
    return resize_hash(m.hash, index);
}

}  // namespace kolmar
