#include "engine/hub.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "engine/match.h"
#include "records/pdn.h"

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
        if (premier)
            c.nom = nom;
        else if (egal)
            c.valeurs[nom] = valeur;
        else
            c.mots.push_back(nom);
        premier = false;
    }
    return c;
}

// Numbers are read whole: "5x" or "abc" is refused, never taken as 5 or 0.
bool lire_reel(const std::string& t, double& v) {
    if (t.empty() || !(std::isdigit(static_cast<unsigned char>(t[0])) || t[0] == '.')) return false;
    char* fin = nullptr;
    errno = 0;
    v = std::strtod(t.c_str(), &fin);
    return fin && *fin == '\0' && errno == 0 && std::isfinite(v) && v >= 0 && v < 1e7;
}

bool lire_entier(const std::string& t, int& v, int min, int max) {
    if (t.empty() || t.size() > 9) return false;
    for (char c : t)
        if (c < '0' || c > '9') return false;
    const long n = std::strtol(t.c_str(), nullptr, 10);
    if (n < min || n > max) return false;
    v = static_cast<int>(n);
    return true;
}

// What a refused line echoes of its input: cut, and escaped so that the
// answer stays one line with balanced quotes whatever the input held.
constexpr size_t ECHO_MAX = 60;

std::string echo(const std::string& t) {
    std::string e;
    for (size_t i = 0; i < t.size(); ++i) {
        if (i == ECHO_MAX) {
            e += "...";
            break;
        }
        const unsigned char c = static_cast<unsigned char>(t[i]);
        if (c == '"' || c == '\\') {
            e += '\\';
            e += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7f) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02x", c);
            e += buf;
        } else {
            e += static_cast<char>(c);
        }
    }
    return e;
}

std::vector<std::string> mots_de(const std::string& t) {
    std::vector<std::string> mots;
    std::string mot;
    for (char ch : t + " ") {
        if (ch == ' ' || ch == '\t') {
            if (!mot.empty()) mots.push_back(mot);
            mot.clear();
        } else {
            mot += ch;
        }
    }
    return mots;
}

int64_t maintenant_ms() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// "axb" where two captures of different pieces go from a to b.
bool prise_ambigue(const std::string& texte, const Coup* liste, int n) {
    const size_t x = texte.find_first_of("xX:");
    if (x == std::string::npos || texte.find_first_of("xX:", x + 1) != std::string::npos) return false;
    int de = 0, vers = 0;
    if (!lire_entier(texte.substr(0, x), de, 1, NB_CASES) || !lire_entier(texte.substr(x + 1), vers, 1, NB_CASES))
        return false;
    const Coup* premier = nullptr;
    for (int k = 0; k < n; ++k) {
        const Coup& c = liste[k];
        if (c.depart != de || c.arrivee != vers || c.nb_prises == 0) continue;
        if (premier && !memes_pieces_prises(*premier, c)) return true;
        if (!premier) premier = &c;
    }
    return false;
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

void ServeurHub::erreur(const std::string& message) {
    sortie_("error message=\"" + message + "\"");
}

bool ServeurHub::ligne(const std::string& texte) {
    executer(texte);
    // Lines that came during a search, in order; a search among them only
    // queues more, so a long queue never deepens the stack.
    while (!differees_.empty() && !quitter_) {
        const std::string l = std::move(differees_.front());
        differees_.pop_front();
        executer(l);
    }
    return !quitter_;
}

bool ServeurHub::poser_position(const std::string& position, const std::vector<std::string>& coups) {
    uint8_t depart[TAILLE_DAMIER];
    int trait = BLANC;
    position_initiale(depart);
    if (!position.empty() && !lire_position(position, depart, trait)) {
        erreur("bad position " + echo(position));
        return false;
    }
    // Replayed on the scratch game first: a refused line leaves the game.
    Jeu& j = *essai_;
    std::string e;
    poser_partie(j, depart, trait, {}, nullptr, e);
    for (const std::string& t : coups) {
        const int n = coups_legaux(j.gen, j.trait);
        const int i = trouver_coup(t, j.gen.liste_coups[1], n);
        if (i < 0) {
            if (prise_ambigue(t, j.gen.liste_coups[1], n))
                erreur("ambiguous capture " + echo(t) + ", list the captured squares");
            else
                erreur("illegal move " + echo(t));
            return false;
        }
        if (partie_pleine(j.partie)) {
            erreur("game record full, move " + echo(t) + " is past the " + std::to_string(DEMI_COUPS_MAX) +
                   " plies it holds");
            return false;
        }
        jouer_et_noter(j, j.gen.liste_coups[1][i]);
    }
    poser_partie(*jeu_, depart, trait, coups, nullptr, e);
    return true;
}

void ServeurHub::executer(const std::string& texte) {
    if (texte.size() > LIGNE_HUB_MAX) return erreur("line too long, over " + std::to_string(LIGNE_HUB_MAX) + " bytes");
    const Commande c = analyser(texte);
    if (c.nom.empty()) return;
    auto sans_mots = [&] {
        if (c.mots.empty()) return true;
        erreur("unexpected word " + echo(c.mots[0]) + " after " + echo(c.nom));
        return false;
    };
    if (c.nom == "hub") {
        sortie_("id name=Kolmar version=1.0 author=\"Kolmar 3D\" country=Canada");
        sortie_("param name=table value=" + std::to_string(m_->hash.menu) +
                " type=int min=0 max=" + std::to_string(NB_TAILLES_HASH - 1));
        sortie_("param name=variant value=canadian type=enum values=canadian");
        sortie_("wait");
    } else if (c.nom == "set-param") {
        auto nom = c.valeurs.find("name"), v = c.valeurs.find("value");
        if (nom == c.valeurs.end() || v == c.valeurs.end()) return erreur("set-param needs name and value");
        if (nom->second == "table") {
            int index = 0;
            if (!lire_entier(v->second, index, 0, NB_TAILLES_HASH - 1))
                return erreur("table size " + echo(v->second) + " is not one of 0.." +
                              std::to_string(NB_TAILLES_HASH - 1));
            if (!resize_hash(*m_, index))
                erreur("table size " + echo(v->second) + " refused, the table keeps its size");
        } else if (nom->second != "variant" || v->second != "canadian") {
            erreur("unknown parameter " + echo(nom->second));
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
        for (const auto& kv : c.valeurs)
            if (kv.first != "pos" && kv.first != "moves") return erreur("unknown argument " + echo(kv.first));
        if (!sans_mots()) return;
        auto p = c.valeurs.find("pos");
        auto mv = c.valeurs.find("moves");
        poser_position(p != c.valeurs.end() ? p->second : std::string(),
                       mv != c.valeurs.end() ? mots_de(mv->second) : std::vector<std::string>());
    } else if (c.nom == "level") {
        // Every value read before any is applied.
        int profondeur = profondeur_, coups_periode = coups_periode_;
        double temps_coup = temps_coup_, temps_partie = temps_partie_, temps_restant = temps_restant_;
        bool nouvelle_periode = false;  // a game time starts its periods afresh
        for (const auto& kv : c.valeurs) {
            double v = 0;
            int n = 0;
            if (kv.first == "depth") {
                if (!lire_entier(kv.second, n, 1, 1000000)) return erreur("bad value for depth: " + echo(kv.second));
                profondeur = std::min(n, PROFONDEUR_MAX - 1);
            } else if (kv.first == "moves") {
                if (!lire_entier(kv.second, n, 0, 1000000)) return erreur("bad value for moves: " + echo(kv.second));
                coups_periode = n;
            } else if (kv.first == "move-time" || kv.first == "time") {
                if (!lire_reel(kv.second, v)) return erreur("bad value for " + kv.first + ": " + echo(kv.second));
                if (kv.first == "move-time")
                    profondeur = 0, temps_partie = 0, temps_coup = v;
                else
                    profondeur = 0, temps_partie = temps_restant = v, nouvelle_periode = true;
            } else {
                return erreur("unknown level " + echo(kv.first));
            }
        }
        for (const std::string& mot : c.mots) {
            if (mot != "infinite") return erreur("unknown level " + echo(mot));
            profondeur = PROFONDEUR_MAX - 1;
        }
        profondeur_ = profondeur, coups_periode_ = coups_periode;
        temps_coup_ = temps_coup, temps_partie_ = temps_partie, temps_restant_ = temps_restant;
        if (nouvelle_periode) periode_ = -1, temps_donne_ = false;
    } else if (c.nom == "time") {
        double v = 0;
        auto t = c.valeurs.find("left");
        if (t == c.valeurs.end() || !lire_reel(t->second, v)) return erreur("time needs left=SECONDS");
        temps_restant_ = v;
        temps_donne_ = true;
    } else if (c.nom == "go") {
        const std::string mode = c.mots.empty() ? "think" : c.mots[0];
        if ((mode != "think" && mode != "ponder") || c.mots.size() > 1)
            return erreur("go needs think or ponder, not " + echo(c.mots.back()));
        chercher(mode == "ponder");
    } else if (c.nom == "stop" || c.nom == "ponder-hit") {
        // Nothing is running: the search already answered.
    } else if (c.nom == "quit") {
        quitter_ = true;
    } else {
        erreur("unknown command " + echo(c.nom));
    }
}

void ServeurHub::traiter_pendant_recherche() {
    std::string l;
    while (!quitter_ && en_attente && en_attente(l)) {
        const std::string nom = l.size() > LIGNE_HUB_MAX ? std::string() : analyser(l).nom;
        if (nom == "stop") {
            m_->arret_calcul = true;
        } else if (nom == "quit") {
            m_->arret_calcul = true;
            quitter_ = true;
        } else if (nom == "ping") {
            sortie_("pong");
        } else if (nom == "ponder-hit") {
            ponder_touche();
        } else if (!nom.empty() || l.size() > LIGNE_HUB_MAX) {
            differees_.push_back(std::move(l));
        }
    }
}

void ServeurHub::renouveler_temps() {
    if (temps_partie_ <= 0) return;
    const int N = coups_periode_ > 0 ? coups_periode_ : 30;
    // Each period of N moves brings the game time again, unless the client
    // keeps the clock itself with "time left".
    const int periode = jeu_->partie.demi_coup_courant / 2 / N;
    if (periode_ >= 0 && periode > periode_ && !temps_donne_) temps_restant_ += temps_partie_ * (periode - periode_);
    periode_ = periode;
    temps_donne_ = false;
}

int64_t ServeurHub::budget_ms() const {
    if (profondeur_ > 0) return 0;
    if (temps_partie_ > 0) {
        const int faits = jeu_->partie.demi_coup_courant / 2;
        const int N = coups_periode_ > 0 ? coups_periode_ : 30;
        const int reste = N - faits % N;
        return std::max<int64_t>(10, static_cast<int64_t>(temps_restant_ * 1000 * 0.9 / std::max(reste, 1)));
    }
    return std::max<int64_t>(1, static_cast<int64_t>(temps_coup_ * 1000));
}

// The opponent played the expected move: the ponder search goes on as the
// level's search, its clock starting now.
void ServeurHub::ponder_touche() {
    if (!en_ponder_ || touche_) return;
    touche_ = true;
    touche_ms_ = maintenant_ms();
    Moteur& m = *m_;
    m.limites.en_reflexion_adverse = false;
    const int64_t budget = budget_ms();
    if (budget > 0) {
        m.limites.temps_fixe_ms = budget;
        m.debut_ms = touche_ms_;
        m.temps_illimite = false;
    }
}

void ServeurHub::chercher(bool ponder) {
    Moteur& m = *m_;
    Jeu& j = *jeu_;
    const int trait = j.trait;
    Limites& L = m.limites;
    L.profondeur_fixe = 0;
    L.temps_fixe_ms = 0;
    L.temps_reportable = temps_partie_ > 0;
    L.en_reflexion_adverse = ponder;
    if (ponder) {
        // Until "stop", or "ponder-hit" gives it the level's limit.
    } else if (profondeur_ > 0) {
        L.profondeur_fixe = profondeur_;
    } else {
        renouveler_temps();
        L.temps_fixe_ms = budget_ms();
    }
    en_ponder_ = ponder;
    touche_ = false;
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
        // A ponder search turned into the level's: its depth, or an early
        // stop at two fifths of the time.
        if (touche_) {
            const int64_t budget = budget_ms(), ecoule = maintenant_ms() - touche_ms_;
            if (budget == 0 ? d >= profondeur_ : ecoule * 5 >= budget * 2) m.arret_calcul = true;
        }
    };
    m.arret_calcul = false;
    m.abandon = false;
    const int n = coups_legaux(j.gen, trait);
    const ChoixCoup choix = n > 0 ? choisir_coup(m, trait) : ChoixCoup{};
    L.en_reflexion_adverse = false;
    const bool touche = touche_;
    en_ponder_ = touche_ = false;
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
        temps_restant_ = std::max(
            0.0, temps_restant_ - std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count());
    else if (temps_partie_ > 0 && touche)
        temps_restant_ = std::max(0.0, temps_restant_ - (maintenant_ms() - touche_ms_) / 1000.0);
    sortie_(reponse);
}

}  // namespace kolmar
