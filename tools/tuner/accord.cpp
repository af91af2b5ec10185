#include "accord.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "records/pdn.h"
#include "rules/movegen.h"

namespace kolmar::accord {

namespace {

constexpr int INDEX_TEMPO = 8 * 73;

bool calme(Generateur& g, int trait) {
    coups_legaux(g, trait);
    if (g.prise_max) return false;
    coups_legaux(g, 1 - trait);
    return g.prise_max == 0;
}

// One game: its tags, then its moves up to the result.
void lire_partie(const std::string& texte, std::vector<Position>& sortie, int saut) {
    float resultat = -1;
    std::string fen;
    std::istringstream in(texte);
    std::string ligne, coups;
    while (std::getline(in, ligne)) {
        if (!ligne.empty() && ligne[0] == '[') {
            auto valeur = [&]() {
                size_t a = ligne.find('"'), b = ligne.rfind('"');
                return a != std::string::npos && b > a ? ligne.substr(a + 1, b - a - 1) : std::string();
            };
            if (ligne.rfind("[Result", 0) == 0) {
                const std::string r = valeur();
                resultat = r == "2-0" ? 1.0f : r == "0-2" ? 0.0f : r == "1-1" ? 0.5f : -1.0f;
            } else if (ligne.rfind("[FEN", 0) == 0) {
                fen = valeur();
            }
        } else {
            coups += ligne + " ";
        }
    }
    if (resultat < 0) return;
    uint8_t d[TAILLE_DAMIER];
    int trait = BLANC;
    position_initiale(d);
    if (!fen.empty() && !lire_fen(fen, d, trait)) return;
    Generateur g;
    g.damier = d;
    init_listes(g);
    std::istringstream mots(coups);
    std::string mot;
    int ply = 0;
    while (mots >> mot) {
        if (mot.back() == '.' || mot == "2-0" || mot == "0-2" || mot == "1-1" || mot == "*") continue;
        const int n = coups_legaux(g, trait);
        const int i = trouver_coup(mot, g.liste_coups[1], n);
        if (i < 0) return;
        const Coup c = g.liste_coups[1][i];
        jouer_coup(d, c);
        trait = 1 - trait;
        ++ply;
        uint8_t np[5];
        compter_pieces(d, np);
        if (ply <= saut || np[1] + np[2] + np[3] + np[4] <= 5 || !calme(g, trait)) continue;
        Position p;
        std::memcpy(p.damier, d, TAILLE_DAMIER);
        p.trait = static_cast<int8_t>(trait);
        p.resultat = resultat;
        sortie.push_back(p);
    }
}

// The men's share of the positional sum under p, for the root side.
int32_t part_des_hommes(const Parametres& p, const uint8_t* d, int table, int racine) {
    int32_t s = 0;
    for (int q = 1; q <= NB_CASES; ++q) {
        if (d[q] == PION_BLANC)
            s += (racine == BLANC ? 1 : -1) * p.tables[table][73 - q];
        else if (d[q] == PION_NOIR)
            s += (racine == NOIR ? 1 : -1) * p.tables[table][q];
    }
    return s;
}

}  // namespace

int lire_parties(const std::string& texte, std::vector<Position>& sortie, int saut) {
    int parties = 0;
    size_t debut = texte.find("[Event");
    while (debut != std::string::npos) {
        size_t fin = texte.find("[Event", debut + 1);
        lire_partie(texte.substr(debut, fin == std::string::npos ? std::string::npos : fin - debut), sortie, saut);
        ++parties;
        debut = fin;
    }
    return parties;
}

std::vector<Reglage> reglages() {
    std::vector<Reglage> r;
    for (int t = 0; t < NB_TABLES_PIONS; ++t)
        for (int k = 1; k <= (t == 7 ? 32 : 66); ++k) r.push_back({t, k});
    for (int w = 0; w < 8; ++w) r.push_back({-1, w});
    return r;
}

Accordeur::Accordeur(Moteur& m, std::vector<Position> positions)
    : m_(m), depart_(m.parametres), touchees_(INDEX_TEMPO + 8) {
    etats_.reserve(positions.size());
    for (const Position& p : positions) {
        Etat e{};
        std::memcpy(m.jeu.damier, p.damier, TAILLE_DAMIER);
        m.jeu.damier[0] = BORD;
        compter_pieces(m.jeu.damier, m.jeu.nb_pieces);
        m.camp_racine = p.trait;
        m.inc = Incremental{};
        m.eval.code_final = 0;
        // The variant flags of this position, then the tables they select.
        preparer_phase(m);
        preparer_evaluation(m, p.trait);
        const EtatEval& ev = m.eval;
        e.phase = ev.phase;
        e.table = static_cast<uint8_t>(ev.phase >= 2 ? ev.phase
                                       : ev.variant1 ? 4 + ev.phase
                                       : ev.variant2 ? 6 + ev.phase
                                                     : ev.phase);
        std::memcpy(e.damier, m.jeu.damier, TAILLE_DAMIER);
        std::memcpy(e.nb, m.jeu.nb_pieces, 5);
        e.inc = m.inc;
        e.dames = m.inc.somme_pos - part_des_hommes(m.parametres, e.damier, e.table, p.trait);
        e.trait = p.trait;
        e.resultat = p.trait == BLANC ? p.resultat : 1.0f - p.resultat;
        const uint32_t i = static_cast<uint32_t>(etats_.size());
        for (int q = 1; q <= NB_CASES; ++q) {
            if (e.damier[q] == PION_BLANC)
                touchees_[73 * e.table + 73 - q].push_back(i);
            else if (e.damier[q] == PION_NOIR)
                touchees_[73 * e.table + q].push_back(i);
        }
        if (e.inc.somme_tempo) touchees_[INDEX_TEMPO + e.table].push_back(i);
        etats_.push_back(e);
    }
    scores_.resize(etats_.size());
    ecarts_.resize(etats_.size());
    for (size_t i = 0; i < etats_.size(); ++i) scores_[i] = score(i);
    ajuster_echelle();
}

int Accordeur::score(size_t i) const {
    const Etat& e = etats_[i];
    Moteur& m = m_;
    std::memcpy(m.jeu.damier, e.damier, TAILLE_DAMIER);
    std::memcpy(m.jeu.nb_pieces, e.nb, 5);
    m.inc = e.inc;
    m.inc.somme_pos = e.dames + part_des_hommes(m.parametres, e.damier, e.table, e.trait);
    m.eval.phase = e.phase;
    m.eval.tempo[std::min(e.nb[PION_BLANC] + e.nb[PION_NOIR], 60)] =
        static_cast<int8_t>(m.parametres.poids_tempo(e.table));
    m.camp_racine = e.trait;
    m.eval.code_final = 0;
    // An odd ply: the side to move is the root side; no last move to test.
    return evaluer(m, e.trait, -SCORE_GAIN, SCORE_GAIN, 3);
}

double Accordeur::ecart(size_t i, int s) const {
    const double p = 1.0 / (1.0 + std::exp(-echelle_ * s));
    const double d = etats_[i].resultat - p;
    return d * d;
}

double Accordeur::erreur() const {
    return etats_.empty() ? 0 : somme_ / static_cast<double>(etats_.size());
}

double Accordeur::ajuster_echelle() {
    auto total = [&](double k) {
        const double garde = echelle_;
        echelle_ = k;
        double s = 0;
        for (size_t i = 0; i < etats_.size(); ++i) s += ecart(i, scores_[i]);
        echelle_ = garde;
        return s;
    };
    // The error is unimodal in the scale: a golden-section search.
    double a = 1e-4, b = 0.1;
    const double r = (std::sqrt(5.0) - 1) / 2;
    for (int it = 0; it < 60; ++it) {
        const double c = b - r * (b - a), d = a + r * (b - a);
        if (total(c) < total(d))
            b = d;
        else
            a = c;
    }
    echelle_ = (a + b) / 2;
    somme_ = 0;
    for (size_t i = 0; i < etats_.size(); ++i) somme_ += ecarts_[i] = ecart(i, scores_[i]);
    return echelle_;
}

bool Accordeur::essayer(const Reglage& r, int delta) {
    Parametres& p = m_.parametres;
    int avant, origine;
    const std::vector<uint32_t>* liste;
    if (r.table < 0) {
        avant = p.poids_tempo(r.entree);
        origine = depart_.poids_tempo(r.entree);
        if (avant + delta < -30 || avant + delta > 60) return false;
        p.fixer_scalaire(31 + r.entree, avant + delta);
        liste = &touchees_[INDEX_TEMPO + r.entree];
    } else {
        avant = p.tables[r.table][r.entree];
        origine = depart_.tables[r.table][r.entree];
        if (avant + delta < 0 || avant + delta > 255) return false;
        p.tables[r.table][r.entree] = static_cast<uint8_t>(avant + delta);
        liste = &touchees_[73 * r.table + r.entree];
    }
    if (liste->empty()) {
        // Nothing depends on it: put it back.
        if (r.table < 0)
            p.fixer_scalaire(31 + r.entree, avant);
        else
            p.tables[r.table][r.entree] = static_cast<uint8_t>(avant);
        return false;
    }
    std::vector<int> nouveaux(liste->size());
    const double ecart_avant = avant - origine, ecart_apres = avant + delta - origine;
    // A tempo weight multiplies the whole tempo sum, which the men tables
    // also see: it is held back much harder.
    const double poids = r.table < 0 ? 100.0 : 1.0;
    double gain =
        poids * rappel_ * static_cast<double>(etats_.size()) * (ecart_apres * ecart_apres - ecart_avant * ecart_avant);
    for (size_t k = 0; k < liste->size(); ++k) {
        const uint32_t i = (*liste)[k];
        nouveaux[k] = score(i);
        gain += ecart(i, nouveaux[k]) - ecarts_[i];
    }
    if (gain < -1e-12) {
        for (size_t k = 0; k < liste->size(); ++k) {
            const uint32_t i = (*liste)[k];
            scores_[i] = nouveaux[k];
            ecarts_[i] = ecart(i, nouveaux[k]);
        }
        somme_ += gain;
        return true;
    }
    if (r.table < 0)
        p.fixer_scalaire(31 + r.entree, avant);
    else
        p.tables[r.table][r.entree] = static_cast<uint8_t>(avant);
    return false;
}

int Accordeur::passe(int pas) {
    int bouges = 0;
    for (const Reglage& r : reglages())
        if (essayer(r, pas) || essayer(r, -pas)) ++bouges;
    return bouges;
}

std::string reecrire_source(const std::string& texte, const Parametres& p) {
    std::istringstream in(texte);
    std::ostringstream out;
    std::string ligne;
    int table = -1, rangee = 0;
    while (std::getline(in, ligne)) {
        const size_t diese = ligne.find('#');
        const std::string corps = ligne.substr(0, diese);
        const std::string note = diese == std::string::npos ? std::string() : ligne.substr(diese);
        std::istringstream mots(corps);
        std::string mot;
        if (!(mots >> mot)) {
            out << ligne << "\n";
            continue;
        }
        if (mot == "table") {
            mots >> table;
            rangee = 0;
            out << ligne << "\n";
        } else if (mot == "tempo") {
            std::string l = "tempo";
            for (int k = 0; k < 8; ++k) l += " " + std::to_string(p.poids_tempo(k));
            out << l << (note.empty() ? "" : " " + note) << "\n";
            table = -1;
        } else if (table >= 0 && table < NB_TABLES_PIONS && rangee < 12 &&
                   (std::isdigit(static_cast<unsigned char>(mot[0])) != 0)) {
            std::istringstream valeurs(corps);
            std::string l;
            for (int c = 0; c < 6; ++c) {
                long v = 0;
                valeurs >> v;
                const int entree = rangee * 6 + c + 1;
                // T7's scalar entries are written from their own lines.
                if (!(table == 7 && entree >= 33 && entree <= 71)) v = p.tables[table][entree];
                char buf[8];
                std::snprintf(buf, sizeof buf, c == 0 ? "%3ld" : "%4ld", v);
                l += buf;
            }
            out << l << (note.empty() ? "" : "  " + note) << "\n";
            ++rangee;
        } else {
            table = -1;
            out << ligne << "\n";
        }
    }
    return out.str();
}

}  // namespace kolmar::accord
