// Kills a writer of the players' register at random moments, as often as
// asked, and checks after each kill that joueurs.dat and points.dat are
// still paired line by line: every player "P<v>" carries v points.
//
//   boucle_registre FOIS [GRAINE]
//
// It works in a new folder under $TMPDIR (or /tmp), removed when all went well.
// The child adds and deletes players as the window does, without end; the
// parent kills it after a random delay, then reads the register as a
// second window would (before any repair), repairs it as the next start-up
// does and reads it again. Exit status 0 when every kill left a pair.
#include <dirent.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "records/joueurs.h"

using namespace kolmar;

namespace {

// "" when the register is paired, else what is wrong.
std::string defaut(const Registre& r) {
    if (r.noms.size() != r.points.size())
        return std::to_string(r.noms.size()) + " names, " + std::to_string(r.points.size()) + " points";
    if (r.noms.empty() || r.noms[0] != NOM_KOLMAR) return "line 0 is not the computer";
    for (size_t k = 1; k < r.noms.size(); ++k)
        if (r.noms[k] != "P" + std::to_string(valeur_points(r.points[k])))
            return "line " + std::to_string(k) + ": " + r.noms[k] + " with " + r.points[k];
    return {};
}

// Files other than the two of the register left in the folder.
int restes(const std::string& dossier) {
    int n = 0;
    if (DIR* d = opendir(dossier.c_str())) {
        while (dirent* e = readdir(d)) {
            const std::string nom = e->d_name;
            if (nom != "." && nom != ".." && nom != FICHIER_JOUEURS && nom != FICHIER_POINTS) ++n;
        }
        closedir(d);
    }
    return n;
}

[[noreturn]] void ecrivain(const std::string& dossier, unsigned graine) {
    std::mt19937 hasard(graine);
    while (true) {
        const Registre r = charger_registre(dossier);
        if (r.noms.size() < 6 || hasard() % 2) {
            const int32_t v = 1000 + static_cast<int32_t>(hasard() % 2000);
            ajouter_joueur(dossier, "P" + std::to_string(v), v);
        } else {
            effacer_joueur(dossier, 1 + static_cast<int>(hasard() % (r.noms.size() - 1)));
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: boucle_registre FOIS [GRAINE]\n");
        return 2;
    }
    const int fois = std::atoi(argv[1]);
    const unsigned graine = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 1;
    const char* tmp = std::getenv("TMPDIR");
    std::string modele = std::string(tmp && *tmp ? tmp : "/tmp") + "/kolmar-boucle-XXXXXX";
    if (!mkdtemp(modele.data())) return 2;
    const std::string dossier = modele;
    Registre depart;
    depart.noms = {NOM_KOLMAR};
    depart.points = {std::to_string(POINTS_KOLMAR)};
    for (int32_t v : {1500, 1600, 1700, 1800, 1900, 2000, 1650, 1750}) {
        depart.noms.push_back("P" + std::to_string(v));
        depart.points.push_back(texte_capital(v));
    }
    if (!sauver_registre(dossier, depart).ok) {
        std::fprintf(stderr, "boucle_registre: cannot write in %s\n", dossier.c_str());
        return 2;
    }
    std::mt19937 hasard(graine);
    int lus_decales = 0, decales = 0, sales = 0, engagees = 0;
    for (int i = 0; i < fois; ++i) {
        const pid_t fils = fork();
        if (fils < 0) return 2;
        if (fils == 0) ecrivain(dossier, graine * 7919u + static_cast<unsigned>(i));
        usleep(200 + hasard() % 4000);
        kill(fils, SIGKILL);
        waitpid(fils, nullptr, 0);

        const std::string lu = defaut(charger_registre(dossier));
        if (!lu.empty()) {
            ++lus_decales;
            std::printf("kill %d, read before repair: %s\n", i + 1, lu.c_str());
        }
#ifndef SANS_REPARATION
        // Killed between the commit and the last rename: the case the repair is for.
        if (FILE* f = std::fopen((dossier + "/" + FICHIER_ENGAGEMENT).c_str(), "r")) {
            std::fclose(f);
            ++engagees;
        }
        reparer_registre(dossier);
#endif
        const std::string apres = defaut(charger_registre(dossier));
        if (!apres.empty()) {
            ++decales;
            std::printf("kill %d, after repair: %s\n", i + 1, apres.c_str());
            sauver_registre(dossier, depart);
        }
#ifndef SANS_REPARATION
        if (restes(dossier) != 0) {
            ++sales;
            std::printf("kill %d: %d files left beside the register\n", i + 1, restes(dossier));
        }
#endif
    }
    std::printf(
        "%d kills (%d with a save committed, not finished): %d read out of step, %d out of step after "
        "repair, %d left files behind\n",
        fois, engagees, lus_decales, decales, sales);
    const bool bon = lus_decales + decales + sales == 0;
    if (bon) {
        for (const char* f : {FICHIER_JOUEURS, FICHIER_POINTS}) std::remove((dossier + "/" + f).c_str());
        rmdir(dossier.c_str());
    } else {
        std::printf("files kept in %s\n", dossier.c_str());
    }
    return bon ? 0 : 1;
}
