// The computer's move: time budget, book, iterative deepening with an
// aspiration window, and the engine panel's texts.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "engine/book.h"
#include "engine/moteur.h"
#include "engine/score.h"
#include "engine/donnees.h"

namespace kolmar {

namespace {

int64_t maintenant(const Moteur& m) {
    if (m.rappels.horloge_ms) return m.rappels.horloge_ms();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::string texte_coup_panneau(const Coup& c) {
    return std::string(nom_case[c.depart]) + (c.nb_prises ? " x " : " - ") + nom_case[c.arrivee];
}

// The book hook: indexes of root moves that the library proposes, one per
// proposing line.
std::vector<int> coups_du_livre(Moteur& m, int side, int n) {
    std::vector<int> choix;
    const Bibliotheque* b = m.bibliotheque;
    const int w = m.jeu.partie.demi_coup_courant;
    if (!m.limites.bibliotheque || !b || !livre_consulte(*b, w, m.jeu.nb_pieces)) return choix;
    const Coup* liste = m.jeu.gen.liste_coups[1];
    for (const CoupLivre& c : book_candidates(*b, side, m.jeu.partie, w))
        for (int i = 0; i < n; ++i)
            if (liste[i].depart == c.depart && liste[i].arrivee == c.arrivee) choix.push_back(i);
    return choix;
}

void semer_tueurs(Moteur& m, int s) {
    bool ligne = true;
    for (int p = 1; p < NB_PLIES - 1; ++p) {
        Pile& P = m.pile[p];
        const Coup& c = m.pv[1][p - 1];
        if (ligne && c.depart == 0) ligne = false;
        int16_t vide = (p & 1) ? -SCORE_GAIN : SCORE_GAIN;
        if (!ligne) {
            P.k1 = P.k2 = P.alpha = {0, 0, vide};
        } else if (c.nb_prises == 0) {
            P.k1 = {c.depart, c.arrivee, static_cast<int16_t>((p & 1) ? s - 290 : s + 290)};
        }
    }
}

}  // namespace

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

Moteur::Moteur(Jeu& j) : jeu(j) {
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

Budget budget_temps(int32_t periode, int32_t plafond, int32_t horloge_camp, int demi_coup, bool analyse,
                    bool illimite) {
    // Level, cap, clock and ply may come from a game file, so they may be
    // anything: bring them into a range (the longest level is far below a
    // year) where every product below fits 64 bits.
    constexpr int64_t MAX_SECONDES = 100000000;
    const int64_t T = std::clamp<int64_t>(periode, 0, MAX_SECONDES);
    const int64_t C = std::clamp<int64_t>(plafond, 0, MAX_SECONDES);
    const int64_t horloge = std::clamp<int64_t>(horloge_camp, 0, MAX_SECONDES);
    const int64_t w = std::clamp<int64_t>(demi_coup, 0, 1000000);
    const int64_t v = w / 50;
    int64_t Bt;
    if (analyse) Bt = T / 50;
    else if (w > 99) Bt = ((v + 1) * T / 2 - horloge) / (50 * v - w + 50);
    else Bt = (T - horloge) / (100 - w);
    Bt = Bt * 9 / 10;
    if (Bt < 1 && T != 50) Bt = 1;
    if (Bt < T / 150 && T / 150 + horloge < C) Bt = T / 150;
    if (Bt > T / 10) Bt = T / 10;
    Budget b{Bt, 5 * Bt, w > 99 ? (w + 1) * C / 100 : C};
    if (T == 32000 || illimite) b.Bt = b.arret = 3200000;
    return b;
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
        int64_t s = (maintenant(m) - m.debut_ms) / 1000;
        std::snprintf(buf, sizeof buf, "Temps : %6d s", static_cast<int>(s));
        l.push_back(buf);
        if (s > 0) std::snprintf(buf, sizeof buf, "Noeuds/s : %8llu", static_cast<unsigned long long>(m.noeuds / s));
        else std::snprintf(buf, sizeof buf, "Noeuds/s : //");
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

namespace {

ChoixCoup sans_coup() { return {}; }

ChoixCoup coup_choisi(const Jeu& j, int i, ChoixCoup::Genre g = ChoixCoup::Genre::coup) {
    ChoixCoup r;
    r.genre = g;
    r.index = i;
    r.coup = j.gen.liste_coups[1][i];
    return r;
}

ChoixCoup abandonne() {
    ChoixCoup r;
    r.genre = ChoixCoup::Genre::abandon;
    return r;
}

}  // namespace

ChoixCoup choisir_coup(Moteur& m, int side) {
    Jeu& j = m.jeu;
    Limites& L = m.limites;
    j.damier[0] = BORD;
    const FonctionOrdre ancien = j.gen.ordonner;
    void* const ancien_ctx = j.gen.ordonner_ctx;
    installer_ordre(m);
    struct Remise {
        Jeu& j;
        FonctionOrdre o;
        void* c;
        ~Remise() {
            j.gen.ordonner = o;
            j.gen.ordonner_ctx = c;
            j.gen.ply = 1;
        }
    } remise{j, ancien, ancien_ctx};

    const int w = j.partie.demi_coup_courant;
    const bool reflexion = L.en_reflexion_adverse;
    const bool profondeur_fixe = L.profondeur_fixe > 0;
    const bool temps_fixe = !profondeur_fixe && L.temps_fixe_ms > 0;
    const bool chrono = !reflexion && !profondeur_fixe && !temps_fixe;  // the level's clock rules
    // Levels whose period is 1..5 play to a depth, not to a time: a slow or
    // loaded machine must not cut them short of it.
    const bool niveau_profondeur = chrono && L.engineBudget >= 1 && L.engineBudget <= 5;
    m.debut_ms = maintenant(m);
    m.temps_illimite = reflexion || profondeur_fixe || niveau_profondeur;
    L.temps_utilise = 0;

    effacer_tueurs(m);
    Budget b = budget_temps(L.engineBudget, L.periodLimit, L.temps_camp, w, L.analyse, reflexion);
    m.budget_s = b.Bt;
    m.limite_arret_s = b.arret;
    m.limite_dure_s = b.L;

    std::memset(m.pv, 0, sizeof m.pv);
    Racine& R = m.racine;
    R.meilleur_index = -1;
    R.nb = 0;
    compter_pieces(j.damier, j.nb_pieces);
    const uint8_t* np = j.nb_pieces;
    if (np[1] + np[2] == 0 || np[3] + np[4] == 0) return sans_coup();

    for (Pile& p : m.pile) p.ext = 0, p.pres_promotion = false, p.hash_de = 0;
    m.camp_racine = static_cast<int8_t>(side);
    m.arret_calcul = false;
    m.abandon = false;
    m.inc = Incremental{};
    m.eval.code_final = 0;
    m.reduction_racine = 0;
    m.noeuds = 0;
    j.gen.ply = 1;
    preparer_evaluation(m, side);
    R.score_statique = static_cast<int16_t>(evaluer(m, side, -SCORE_GAIN, SCORE_GAIN, 1));
    R.meilleur_precedent = R.score_statique;

    const int n = generer_coups(j.gen, side);
    if (n == 0) return sans_coup();
    if (n == 1 && !(L.analyse && w >= L.longueur_analyse)) {
        if (L.analyse) m.dernier_score = SCORE_COUP_UNIQUE;
        if (!reflexion) return coup_choisi(j, 0, ChoixCoup::Genre::coup_unique);
    }
    std::vector<int> livre = coups_du_livre(m, side, n);
    if (!livre.empty()) return coup_choisi(j, livre[std::uniform_int_distribution<size_t>(0, livre.size() - 1)(m.hasard)]);

    m.score_analyse = static_cast<int16_t>(-m.dernier_score);
    m.hash.M = w;
    Sauvegarde depart;
    std::memcpy(depart.damier, j.damier, TAILLE_DAMIER);
    std::memcpy(depart.nb_pieces, j.nb_pieces, 5);
    depart.inc = m.inc;

    int lo = -SCORE_GAIN, hi = SCORE_GAIN, F = 0;
    bool repetition = false;
    int precedent = m.dernier_score;
    int D = 1;
    while (D < PROFONDEUR_MAX) {
        std::memcpy(j.damier, depart.damier, TAILLE_DAMIER);
        std::memcpy(j.nb_pieces, depart.nb_pieces, 5);
        m.inc = depart.inc;
        m.reduction_racine = 0;
        m.poll = 0;
        m.inc.bilan = 0;
        m.profondeur = D;
        m.hash.D = D;
        std::memcpy(m.pv_prec, m.pv[1], sizeof m.pv_prec);
        m.suivre_pv = true;
        const bool test_seuil = profondeur_fixe && L.profondeur_seuil > 0 && D >= L.profondeur_seuil;
        if (test_seuil) lo = L.seuil - 1, hi = L.seuil;
        int s = search_max(m, lo, hi, 1);
        std::memcpy(j.damier, depart.damier, TAILLE_DAMIER);
        std::memcpy(j.nb_pieces, depart.nb_pieces, 5);
        m.inc = depart.inc;

        if (!m.arret_calcul) {
            bool hors = s <= lo || s >= hi;
            if (hors && !repetition && !test_seuil) {
                if (s >= hi) {
                    lo = s - 250;
                    hi = SCORE_GAIN;
                    F = s >= SCORE_DECISIF ? 0 : F + 1;
                } else {
                    lo = -SCORE_GAIN;
                    hi = s + 250;
                    F = s <= -SCORE_DECISIF ? 0 : F + 1;
                }
                repetition = true;
                continue;
            }
            if (hors) {
                F = 1;
                lo = -SCORE_GAIN;
                hi = SCORE_GAIN;
            } else {
                F = 0;
                if (s > -SCORE_DISTANCE && m.options.aspiration) lo = s - 250;
                if (s < SCORE_DISTANCE && m.options.aspiration) hi = s + 250;
            }
            repetition = false;
        } else {
            s = m.abandon ? 0 : precedent;
        }
        m.dernier_score = static_cast<int16_t>(s);
        precedent = s;
        R.meilleur_precedent = static_cast<int16_t>(s);
        if (reflexion && m.rappels.afficher_progression) m.rappels.afficher_progression(lignes_progression(m, s));
        if (!m.arret_calcul && m.rappels.fin_iteration) m.rappels.fin_iteration(D, s, m.noeuds);
        semer_tueurs(m, s);
        if (m.rappels.traiter_messages) m.rappels.traiter_messages();

        const int64_t ecoule_ms = maintenant(m) - m.debut_ms;
        if (!m.arret_calcul) {
            if (chrono && ecoule_ms / 1000 > m.budget_s && F != 1 && D > 5) break;
            if (niveau_profondeur && D >= L.engineBudget + 1) break;
            if (chrono && gagne(s) && F != 1) break;
            if (L.analyse && perdu(s) && F != 1) break;
            if (profondeur_fixe && D >= L.profondeur_fixe) break;
            if (temps_fixe && (ecoule_ms * 5 >= L.temps_fixe_ms * 2 || gagne(s) || perdu(s))) break;
            ++D;
        } else {
            if (!reflexion) L.temps_utilise = static_cast<int32_t>(ecoule_ms / 1000);
            if (m.abandon) return abandonne();
            break;
        }
    }
    if (!reflexion) L.temps_utilise = static_cast<int32_t>((maintenant(m) - m.debut_ms) / 1000);
    // Stopped before a root move was done: the list's first, the best of
    // the iteration before.
    if (R.meilleur_index < 0) return coup_choisi(j, 0);
    // The list of ply 1 was reordered by the last iteration: find the move.
    const Coup* liste = j.gen.liste_coups[1];
    for (int i = 0; i < j.gen.nb_coups[1]; ++i)
        if (meme_prise(liste[i], R.meilleur)) return coup_choisi(j, i);
    return coup_choisi(j, 0);
}

void reflechir(Moteur& m, int trait) {
    bool avant = m.limites.en_reflexion_adverse;
    m.limites.en_reflexion_adverse = true;
    choisir_coup(m, trait);
    m.limites.en_reflexion_adverse = avant;
}

}  // namespace kolmar
