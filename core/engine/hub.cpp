#include "engine/hub.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "records/pdn.h"
#include "engine/match.h"

namespace kolmar {

namespace {

// "go think" -> {"go", "think"}; name=value pairs, values quoted with "..."
// when they hold spaces.
struct Commande {
    std::string nom;
    std::vector<std::string> mots;
    std::map<std::string, std::string> valeurs;
};

Commande analyser(const std::string& t) {
    Commande c;
    size_t i = 0;
    auto blanc = [&](char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; };
    bool premier = true;
    while (i < t.size()) {
        while (i < t.size() && blanc(t[i])) ++i;
        if (i >= t.size()) break;
        std::string nom, valeur;
        bool egal = false;
        while (i < t.size() && !blanc(t[i]) && t[i] != '=') nom += t[i++];
        if (i < t.size() && t[i] == '=') {
            egal = true;
            ++i;
            if (i < t.size() && t[i] == '"') {
                ++i;
                while (i < t.size() && t[i] != '"') valeur += t[i++];
                if (i < t.size()) ++i;
            } else {
                while (i < t.size() && !blanc(t[i])) valeur += t[i++];
            }
        }
        if (premier) c.nom = nom;
        else if (egal) c.valeurs[nom] = valeur;
        else c.mots.push_back(nom);
        premier = false;
    }
    return c;
}

bool lire_reel(const std::string& t, double& v) {
    if (t.empty()) return false;
    char* fin = nullptr;
    v = std::strtod(t.c_str(), &fin);
    return fin && *fin == '\0' && v >= 0 && v < 1e7;
}

}  // namespace

ServeurHub::ServeurHub(Sortie sortie) : sortie_(std::move(sortie)) {}

bool ServeurHub::charger(std::string& erreur, const std::string& dir, const std::string& fichier_parametres) {
    if (!charger_donnees_moteur(*m_, erreur, dir)) return false;
    if (!fichier_parametres.empty() &&
        charger_parametres(m_->parametres, fichier_parametres) != ResultatParametres::ok) {
        erreur = "cannot read the parameter file " + fichier_parametres;
        return false;
    }
    charger_positions(finales_, dir);
    m_->finales = &finales_;
    std::string e;
    uint8_t depart[TAILLE_DAMIER];
    position_initiale(depart);
    poser_partie(*jeu_, depart, BLANC, {}, nullptr, e);
    return true;
}

bool ServeurHub::ligne(const std::string& texte) {
    const Commande c = analyser(texte);
    if (c.nom.empty()) return true;
    auto erreur = [&](const std::string& e) { sortie_("error message=\"" + e + "\""); };
    if (c.nom == "hub") {
        sortie_("id name=Kolmar version=1.0 author=\"Kolmar 3D\" country=Canada");
        sortie_("param name=table value=" + std::to_string(m_->hash.menu) + " type=int min=0 max=" +
                std::to_string(NB_TAILLES_HASH - 1));
        sortie_("param name=variant value=canadian type=enum values=canadian");
        sortie_("wait");
    } else if (c.nom == "set-param") {
        auto nom = c.valeurs.find("name"), v = c.valeurs.find("value");
        if (nom == c.valeurs.end() || v == c.valeurs.end()) return erreur("set-param needs name and value"), true;
        if (nom->second == "table") {
            int index = std::atoi(v->second.c_str());
            if (!resize_hash(*m_, index)) erreur("table size " + v->second + " refused, the table keeps its size");
        } else if (nom->second != "variant" || v->second != "canadian") {
            erreur("unknown parameter " + nom->second);
        }
    } else if (c.nom == "init") {
        sortie_("ready");
    } else if (c.nom == "ping") {
        sortie_("pong");
    } else if (c.nom == "new-game") {
        effacer_tueurs(*m_);
        m_->dernier_score = 0;
        std::string e;
        uint8_t depart[TAILLE_DAMIER];
        position_initiale(depart);
        poser_partie(*jeu_, depart, BLANC, {}, nullptr, e);
    } else if (c.nom == "pos") {
        uint8_t depart[TAILLE_DAMIER];
        int trait = BLANC;
        position_initiale(depart);
        auto p = c.valeurs.find("pos");
        if (p != c.valeurs.end() && !lire_position(p->second, depart, trait))
            return erreur("bad position " + p->second), true;
        std::vector<std::string> coups;
        auto mv = c.valeurs.find("moves");
        if (mv != c.valeurs.end()) {
            std::string mot;
            for (char ch : mv->second + " ") {
                if (ch == ' ') {
                    if (!mot.empty()) coups.push_back(mot);
                    mot.clear();
                } else {
                    mot += ch;
                }
            }
        }
        std::string mauvais;
        if (!poser_partie(*jeu_, depart, trait, coups, nullptr, mauvais)) {
            erreur("illegal move " + mauvais);
            poser_partie(*jeu_, depart, trait, {}, nullptr, mauvais);
        }
    } else if (c.nom == "level") {
        for (const auto& kv : c.valeurs) {
            double v = 0;
            if (!lire_reel(kv.second, v)) return erreur("bad value for " + kv.first), true;
            if (kv.first == "depth") {
                profondeur_ = std::min(static_cast<int>(v), PROFONDEUR_MAX - 1);
            } else if (kv.first == "move-time") {
                profondeur_ = 0, temps_partie_ = 0, temps_coup_ = v;
            } else if (kv.first == "time") {
                profondeur_ = 0, temps_partie_ = temps_restant_ = v, periode_ = -1;
            } else if (kv.first == "moves") {
                coups_periode_ = static_cast<int>(v);
            } else {
                erreur("unknown level " + kv.first);
            }
        }
        if (c.mots.size() == 1 && c.mots[0] == "infinite") profondeur_ = PROFONDEUR_MAX - 1;
    } else if (c.nom == "time") {
        double v = 0;
        auto t = c.valeurs.find("left");
        if (t == c.valeurs.end() || !lire_reel(t->second, v)) return erreur("time needs left=SECONDS"), true;
        temps_restant_ = v;
        temps_donne_ = true;
    } else if (c.nom == "go") {
        chercher(!c.mots.empty() && c.mots[0] == "ponder");
        while (!differees_.empty() && !quitter_) {
            std::string l = differees_.front();
            differees_.pop_front();
            ligne(l);
        }
    } else if (c.nom == "stop" || c.nom == "ponder-hit") {
        // Nothing is running: the search already answered.
    } else if (c.nom == "quit") {
        quitter_ = true;
    } else {
        erreur("unknown command " + c.nom);
    }
    return !quitter_;
}

void ServeurHub::traiter_pendant_recherche() {
    std::string l;
    while (en_attente && en_attente(l)) {
        const std::string nom = analyser(l).nom;
        if (nom == "stop") {
            m_->arret_calcul = true;
        } else if (nom == "quit") {
            m_->arret_calcul = true;
            quitter_ = true;
        } else if (nom == "ping") {
            sortie_("pong");
        } else if (!nom.empty()) {
            differees_.push_back(l);
        }
    }
}

void ServeurHub::chercher(bool ponder) {
    Moteur& m = *m_;
    Jeu& j = *jeu_;
    const int trait = j.trait;
    Limites& L = m.limites;
    L.profondeur_fixe = 0;
    L.temps_fixe_ms = 0;
    L.en_reflexion_adverse = ponder;
    if (ponder) {
        // Until "stop".
    } else if (profondeur_ > 0) {
        L.profondeur_fixe = profondeur_;
    } else if (temps_partie_ > 0) {
        const int faits = j.partie.demi_coup_courant / 2;
        const int N = coups_periode_ > 0 ? coups_periode_ : 30;
        // Each period of N moves brings the game time again, unless the
        // client keeps the clock itself with "time left".
        const int periode = faits / N;
        if (periode_ >= 0 && periode > periode_ && !temps_donne_) temps_restant_ += temps_partie_ * (periode - periode_);
        periode_ = periode;
        temps_donne_ = false;
        const int reste = N - faits % N;
        L.temps_fixe_ms = std::max<int64_t>(10, static_cast<int64_t>(temps_restant_ * 1000 * 0.9 / std::max(reste, 1)));
    } else {
        L.temps_fixe_ms = std::max<int64_t>(1, static_cast<int64_t>(temps_coup_ * 1000));
    }
    const auto debut = std::chrono::steady_clock::now();
    m.rappels.traiter_messages = [this] { traiter_pendant_recherche(); };
    m.rappels.fin_iteration = [&](int d, int score, uint64_t noeuds) {
        double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
        std::string pv;
        for (int k = 0; k < NB_PLIES && m.pv[1][k].depart; ++k) pv += (k ? " " : "") + coup_protocole(m.pv[1][k]);
        char buf[160];
        std::snprintf(buf, sizeof buf, "info depth=%d score=%d nodes=%llu time=%.2f nps=%.0f", d, score / 2,
                      static_cast<unsigned long long>(noeuds), s, s > 0 ? noeuds / s : 0.0);
        sortie_(std::string(buf) + " pv=\"" + pv + "\"");
    };
    m.arret_calcul = false;
    m.abandon = false;
    const int n = coups_legaux(j.gen, trait);
    const ChoixCoup choix = n > 0 ? choisir_coup(m, trait) : ChoixCoup{};
    L.en_reflexion_adverse = false;
    m.rappels.traiter_messages = nullptr;
    m.rappels.fin_iteration = nullptr;
    if (!choix.joue()) {
        sortie_("done");
        return;
    }
    const Coup c = choix.coup;
    std::string reponse = "done move=" + coup_protocole(c);
    // The expected answer: the line's second move when the line starts with ours.
    if (meme_prise(m.pv[1][0], c) && m.pv[1][1].depart) reponse += " ponder=" + coup_protocole(m.pv[1][1]);
    if (temps_partie_ > 0 && !ponder)
        temps_restant_ = std::max(0.0, temps_restant_ - std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count());
    sortie_(reponse);
}

}  // namespace kolmar
