// kolmar-cli match: two players over a list of openings, each opening
// played with both colours, games in parallel; the score, its Elo
// difference with a 95 % interval, and the games in PDN on request.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <mutex>
#include <sstream>
#include <thread>
#include <vector>

#include "cli.h"
#include "engine/match.h"
#include "lang/messages.h"
#include "moteur_cli.h"
#include "records/fichiers.h"
#include "records/pdn.h"

namespace kolmar::cli {

namespace {

// An engine process speaking the protocol; one per worker, kept across games.
class JoueurProcessus : public Joueur {
   public:
    JoueurProcessus(std::string commande, std::string niveau)
        : commande_(std::move(commande)), niveau_(std::move(niveau)) {}
    ~JoueurProcessus() override {
        if (vers_) {
            envoyer("quit");
            std::fclose(vers_);
        }
        if (depuis_) std::fclose(depuis_);
        if (pid_ > 0) waitpid(pid_, nullptr, 0);
    }
    std::string nom() const override { return "engine:" + commande_; }

    bool demarrer() {
        int entree[2], sortie[2];
        if (pipe(entree) != 0 || pipe(sortie) != 0) return false;
        pid_ = fork();
        if (pid_ < 0) return false;
        if (pid_ == 0) {
            dup2(entree[0], 0);
            dup2(sortie[1], 1);
            close(entree[0]), close(entree[1]), close(sortie[0]), close(sortie[1]);
            execl("/bin/sh", "sh", "-c", commande_.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(entree[0]);
        close(sortie[1]);
        vers_ = fdopen(entree[1], "w");
        depuis_ = fdopen(sortie[0], "r");
        if (!vers_ || !depuis_) return false;
        envoyer("hub");
        if (!attendre("wait")) return false;
        envoyer("init");
        if (!attendre("ready")) return false;
        envoyer("level " + niveau_);
        return true;
    }
    bool nouvelle_partie() override {
        if (!vers_) return false;
        envoyer("new-game");
        return true;
    }
    int choisir(const VuePartie& v, const Coup* liste, int n, int& score) override {
        std::string coups;
        for (const Coup& c : v.coups) coups += (coups.empty() ? "" : " ") + coup_protocole(c);
        envoyer("pos pos=" + ecrire_position(v.depart, BLANC) + " moves=\"" + coups + "\"");
        envoyer("go think");
        std::string l;
        while (lire(l)) {
            if (l.rfind("info ", 0) == 0) {
                size_t s = l.find(" score=");
                // Kept in range: the other process's text is input like any other.
                if (s != std::string::npos)
                    score = 2 * static_cast<int>(
                                    std::clamp(std::strtol(l.c_str() + s + 7, nullptr, 10), -100000L, 100000L));
            } else if (l.rfind("done", 0) == 0) {
                size_t m = l.find("move=");
                if (m == std::string::npos) return -1;
                std::string t = l.substr(m + 5);
                t = t.substr(0, t.find(' '));
                return trouver_coup(t, liste, n);
            }
        }
        return -1;
    }

   private:
    void envoyer(const std::string& l) {
        std::fputs((l + "\n").c_str(), vers_);
        std::fflush(vers_);
    }
    bool lire(std::string& l) {
        l.clear();
        int ch;
        while ((ch = std::fgetc(depuis_)) != EOF && ch != '\n') l += static_cast<char>(ch);
        return ch != EOF || !l.empty();
    }
    bool attendre(const std::string& mot) {
        std::string l;
        while (lire(l))
            if (l == mot) return true;
        return false;
    }
    std::string commande_, niveau_;
    pid_t pid_ = -1;
    FILE* vers_ = nullptr;
    FILE* depuis_ = nullptr;
};

// The name=value words after args[i] (an option's settings), each handed to
// `poser`, which refuses a name or value it does not take. Empty, or the
// message of the first word refused.
std::string lire_reglages(const Args& args, size_t& i, const std::string& option,
                          const std::function<bool(const std::string&, double)>& poser) {
    while (i + 1 < args.size() && args[i + 1].find('=') != std::string::npos) {
        const std::string& r = args[++i];
        const std::string nom = r.substr(0, r.find('='));
        char* fin = nullptr;
        const double v = std::strtod(r.c_str() + nom.size() + 1, &fin);
        if (fin == r.c_str() + nom.size() + 1 || *fin || !std::isfinite(v))
            return "match: " + option + ": bad value in '" + r + "'";
        if (!poser(nom, v)) return "match: " + option + ": bad setting '" + r + "'";
    }
    return std::string();
}

struct Reglage {
    long profondeur = 0;
    double secondes = 0;
    std::string parametres;
};

// "depth:D", "time:S", "level:N", "greedy", "random", "kolmar" (the match's
// --depth/--time), or "engine:COMMAND".
std::unique_ptr<Joueur> creer_joueur(const std::string& t, const Reglage& r, unsigned graine, std::string& erreur) {
    size_t deux = t.find(':');
    std::string type = t.substr(0, deux), arg = deux == std::string::npos ? "" : t.substr(deux + 1);
    long v = 0;
    double s = 0;
    if (t == "greedy") return joueur_glouton(graine);
    if (t == "random") return joueur_hasard(graine);
    if (t == "kolmar") return joueur_moteur(static_cast<int>(r.profondeur), r.secondes, -1, erreur, r.parametres);
    if (type == "depth" && lire_entier(arg, v, PROFONDEUR_MAX - 1) && v > 0)
        return joueur_moteur(static_cast<int>(v), 0, -1, erreur, r.parametres);
    if (type == "time" && lire_secondes(arg, s)) return joueur_moteur(0, s, -1, erreur, r.parametres);
    if (type == "level" && lire_entier(arg, v, 8))
        return joueur_moteur(0, 0, static_cast<int>(v), erreur, r.parametres);
    if (type == "engine" && !arg.empty()) {
        std::ostringstream niveau;
        if (r.profondeur > 0)
            niveau << "depth=" << r.profondeur;
        else
            niveau << "move-time=" << r.secondes;
        auto p = std::make_unique<JoueurProcessus>(arg, niveau.str());
        if (!p->demarrer()) {
            erreur = "engine '" + arg + "' does not answer the protocol";
            return nullptr;
        }
        return p;
    }
    erreur = "bad player '" + t + "'";
    return nullptr;
}

}  // namespace

int cmd_match(const Args& args) {
    long parties = -1, graine = 1, concurrence = 1, plies_max = 300;
    std::string joueurs_demandes[2], fichier_ouvertures, fichier_pdn;
    Reglage reglage;
    bool sprt = false;
    Sprt test;
    Arbitrage arbitrage;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool suivant = i + 1 < args.size();
        if (a == "--games" && suivant) {
            if (!lire_entier(args[++i], parties, 100000) || parties < 1)
                return erreur_usage("match: --games takes a count");
        } else if (a == "--seed" && suivant) {
            if (!lire_entier(args[++i], graine, 4000000000L)) return erreur_usage("match: --seed takes a number");
        } else if (a == "--concurrency" && suivant) {
            if (!lire_entier(args[++i], concurrence, 64) || concurrence < 1)
                return erreur_usage("match: --concurrency takes 1..64");
        } else if (a == "--max-plies" && suivant) {
            if (!lire_entier(args[++i], plies_max, DEMI_COUPS_MAX) || plies_max < 1)
                return erreur_usage("match: --max-plies takes 1.." + std::to_string(DEMI_COUPS_MAX));
        } else if (a == "--depth" && suivant) {
            if (!lire_entier(args[++i], reglage.profondeur, PROFONDEUR_MAX - 1) || reglage.profondeur < 1)
                return erreur_usage("match: --depth takes 1.." + std::to_string(PROFONDEUR_MAX - 1));
        } else if (a == "--time" && suivant) {
            if (!lire_secondes(args[++i], reglage.secondes)) return erreur_usage("match: --time takes seconds");
        } else if (a == "--params" && suivant) {
            reglage.parametres = args[++i];
        } else if (a == "--openings" && suivant) {
            fichier_ouvertures = args[++i];
        } else if (a == "--sprt") {
            // Its bounds as name=value words after it: elo0= elo1= alpha= beta=.
            sprt = true;
            const std::string faute = lire_reglages(args, i, "--sprt", [&](const std::string& nom, double v) {
                if (nom == "elo0")
                    test.elo0 = v;
                else if (nom == "elo1")
                    test.elo1 = v;
                else if (nom == "alpha" && v > 0 && v < 0.5)
                    test.alpha = v;
                else if (nom == "beta" && v > 0 && v < 0.5)
                    test.beta = v;
                else
                    return false;
                return true;
            });
            if (!faute.empty()) return erreur_usage(faute);
            if (test.elo1 <= test.elo0) return erreur_usage("match: --sprt: elo1 must exceed elo0");
        } else if (a == "--resign" || a == "--draw") {
            // moves= score= (hundredths of a man), and for a draw ply=.
            const bool abandon = a == "--resign";
            int& coups = abandon ? arbitrage.abandon_coups : arbitrage.nulle_coups;
            int& seuil = abandon ? arbitrage.abandon_score : arbitrage.nulle_score;
            coups = abandon ? 5 : 10;
            const std::string faute = lire_reglages(args, i, a, [&](const std::string& nom, double v) {
                const bool entier = v == std::floor(v) && v >= 0 && v <= 100000;
                if (!entier) return false;
                if (nom == "moves" && v >= 1)
                    coups = static_cast<int>(v);
                else if (nom == "score")
                    seuil = static_cast<int>(v);
                else if (nom == "ply" && !abandon)
                    arbitrage.nulle_ply = static_cast<int>(v);
                else
                    return false;
                return true;
            });
            if (!faute.empty()) return erreur_usage(faute);
        } else if (a == "--pdn" && suivant) {
            fichier_pdn = args[++i];
        } else if ((a == "--white" || a == "--black" || a == "--first" || a == "--second") && suivant) {
            joueurs_demandes[a == "--white" || a == "--first" ? 0 : 1] = args[++i];
        } else {
            return erreur_usage("match: bad argument '" + a + "'");
        }
    }
    if (parties < 1) return erreur_usage("match: needs --games N");
    // A player not named is the program itself.
    for (std::string& j : joueurs_demandes)
        if (j.empty()) j = "kolmar";
    if (reglage.profondeur == 0 && reglage.secondes == 0) reglage.secondes = 0.1;

    std::string texte, erreur;
    if (fichier_ouvertures.empty()) fichier_ouvertures = chemin_lecture("ouvertures_match.txt");
    std::vector<Ouverture> ouvertures;
    if (!lire_fichier(fichier_ouvertures, texte)) return erreur_usage("match: cannot read " + fichier_ouvertures);
    if (!lire_ouvertures(texte, ouvertures, erreur) || ouvertures.empty())
        return erreur_usage("match: " + fichier_ouvertures + ": " + (erreur.empty() ? "no opening" : erreur));
    // The openings in a shuffled order of the seed, the same for both colours.
    std::mt19937 melange(static_cast<unsigned>(graine));
    std::shuffle(ouvertures.begin(), ouvertures.end(), melange);

    struct Issue {
        ResultatPartie r;
        bool premier_blanc = true;
        int ouverture = 0;
        bool jouee = false;  // a match stopped by its test leaves games unplayed
    };
    std::vector<Issue> issues(static_cast<size_t>(parties));
    std::atomic<long> suivante{0};
    std::atomic<bool> panne{false};
    std::atomic<bool> decide{false};  // the test has its verdict: no new game starts
    std::mutex verrou;
    int score[3] = {0, 0, 0};  // first player's wins, draws, losses
    std::string noms[2] = {joueurs_demandes[0], joueurs_demandes[1]};

    auto travailleur = [&](int numero) {
        std::unique_ptr<Joueur> j[2];
        for (int k = 0; k < 2; ++k) {
            std::string e;
            j[k] = creer_joueur(joueurs_demandes[k], reglage, static_cast<unsigned>(graine * 7919 + numero * 2 + k), e);
            if (!j[k]) {
                std::lock_guard<std::mutex> g(verrou);
                std::fprintf(stderr, "kolmar-cli: match: %s\n", e.c_str());
                panne = true;
                return;
            }
        }
        ReglesMatch regles;
        regles.plies_max = static_cast<int>(plies_max);
        regles.arbitrage = arbitrage;
        long k;
        while (!panne && !decide && (k = suivante++) < parties) {
            Affectation a = affectation(static_cast<int>(k), static_cast<int>(ouvertures.size()));
            Joueur& blanc = a.premier_blanc ? *j[0] : *j[1];
            Joueur& noir = a.premier_blanc ? *j[1] : *j[0];
            if (!blanc.nouvelle_partie() || !noir.nouvelle_partie()) {
                panne = true;
                return;
            }
            Issue& is = issues[static_cast<size_t>(k)];
            is.r = jouer_partie(blanc, noir, ouvertures[static_cast<size_t>(a.ouverture)], regles);
            is.premier_blanc = a.premier_blanc;
            is.ouverture = a.ouverture;
            is.jouee = true;
            const int pour_premier = a.premier_blanc ? is.r.resultat : -is.r.resultat;
            std::lock_guard<std::mutex> g(verrou);
            ++score[pour_premier > 0 ? 0 : pour_premier == 0 ? 1 : 2];
            std::printf("game %ld: %s (white) - %s (black) %s, opening %d, %d plies, %s\n", k + 1,
                        noms[a.premier_blanc ? 0 : 1].c_str(), noms[a.premier_blanc ? 1 : 0].c_str(),
                        is.r.resultat > 0   ? "1-0"
                        : is.r.resultat < 0 ? "0-1"
                                            : "1/2",
                        a.ouverture + 1, is.r.plies, is.r.fin.c_str());
            std::fflush(stdout);
            if (is.r.faute)
                std::fprintf(stderr, "kolmar-cli: match: game %ld: a player failed or played an illegal move\n", k + 1);
            // Judged after an even count of games: an opening is played with both colours.
            if (sprt && !decide && (score[0] + score[1] + score[2]) % 2 == 0) {
                const VerdictSprt v = tester_sprt(test, score[0], score[1], score[2]);
                if (v.decision) {
                    decide = true;
                    std::printf("sprt llr %.2f [%.2f, %.2f]: elo%d accepted, games under way finish\n", v.llr, v.bas,
                                v.haut, v.decision > 0 ? 1 : 0);
                    std::fflush(stdout);
                }
            }
        }
    };
    std::vector<std::thread> fils;
    for (int t = 0; t < concurrence; ++t) fils.emplace_back(travailleur, t);
    for (auto& f : fils) f.join();
    if (panne) return 1;

    const int n = score[0] + score[1] + score[2];
    Elo e = elo_match(score[0], score[1], score[2]);
    std::printf("%s vs %s: %d games +%d =%d -%d score %.1f%%\n", noms[0].c_str(), noms[1].c_str(), n, score[0],
                score[1], score[2], n ? 100.0 * (score[0] + 0.5 * score[1]) / n : 0.0);
    std::printf("elo %+.1f [%+.1f, %+.1f] (95%%)\n", e.difference, e.bas, e.haut);
    if (sprt) {
        const VerdictSprt v = tester_sprt(test, score[0], score[1], score[2]);
        std::printf("sprt elo0=%g elo1=%g alpha=%g beta=%g: llr %.2f [%.2f, %.2f] %s\n", test.elo0, test.elo1,
                    test.alpha, test.beta, v.llr, v.bas, v.haut,
                    v.decision > 0   ? "elo1 accepted"
                    : v.decision < 0 ? "elo0 accepted"
                                     : "undecided");
    }

    if (!fichier_pdn.empty()) {
        std::string sortie;
        for (size_t k = 0; k < issues.size(); ++k) {
            const Issue& is = issues[k];
            if (!is.jouee) continue;
            PartiePdn p;
            p.etiquettes = {{"Event", "kolmar-cli match"},
                            {"Round", std::to_string(k + 1)},
                            {"White", noms[is.premier_blanc ? 0 : 1]},
                            {"Black", noms[is.premier_blanc ? 1 : 0]},
                            {"Termination", is.r.fin}};
            p.coups = is.r.pdn;
            p.resultat = is.r.resultat > 0 ? "2-0" : is.r.resultat < 0 ? "0-2" : "1-1";
            sortie += ecrire_pdn(p);
        }
        RaisonEchec raison = RaisonEchec::aucune;
        if (!ecrire_fichier_sur(fichier_pdn, sortie.data(), sortie.size(), &raison)) {
            std::string pourquoi = texte_raison(raison, 1);
            if (pourquoi.empty()) pourquoi = "the system refused the write";
            std::fprintf(stderr, "kolmar-cli: match: cannot write %s: %s\n", fichier_pdn.c_str(), pourquoi.c_str());
            return 1;
        }
    }
    return 0;
}

}  // namespace kolmar::cli
