// ".par" parameter files: "defaut_can.par" read at start-up as the engine
// loads it, and any ".par" through charger_parametres. A complete file
// saves back to the same bytes, and the evaluation runs on whatever it holds.
#include <cstdlib>
#include <cstring>
#include <memory>

#include "commun.h"
#include "engine/moteur.h"
#include "engine/params.h"
#include "records/fichiers.h"
#include "rules/jeu.h"

using namespace kolmar;
using kolmar::fuzz::exiger;

namespace {

struct Banc {
    std::unique_ptr<Jeu> jeu = std::make_unique<Jeu>();
    std::unique_ptr<Moteur> m = std::make_unique<Moteur>(*jeu);
    Banc() {
        std::string erreur;
        if (!charger_donnees_moteur(*m, erreur, KOLMAR_DIR)) {
            std::fprintf(stderr, "%s\n", erreur.c_str());
            std::abort();
        }
    }
};

// Opening, a middle game with variant squares taken, kings in an ending.
const char* const k_positions[] = {
    "W:W43-72:B1-30",
    "B:W31,33,35,37,39,41,43-60,62:B1-18,20,22,24,26,28,30",
    "W:WK5,40,50,K66:B12,K30,33",
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t taille) {
    static Banc banc;
    const std::string contenu(reinterpret_cast<const char*>(data), taille);
    const std::string dir = kolmar::fuzz::dossier();
    creer_dossier(dir + "/Parametres");
    const std::string fichier = dir + "/Parametres/defaut_can.par";
    kolmar::fuzz::ecrire(fichier, contenu);

    auto p = std::make_unique<Parametres>();
    ErreurDonnees erreur;
    const bool complet = charger_parametres_defaut(*p, erreur, dir);
    exiger(complet == (taille >= static_cast<size_t>(TAILLE_PAR)), "only a complete file is taken at start-up");
    exiger(complet || erreur.code != ErreurDonnees::Code::aucune, "a refusal says what to do");

    auto q = std::make_unique<Parametres>();
    ResultatParametres res = charger_parametres(*q, fichier);
    exiger((res == ResultatParametres::ok) == complet, "both readers agree on a complete file");
    if (!complet) return 0;
    exiger(
        std::memcmp(p->tampon, q->tampon, TAILLE_PAR) == 0 && std::memcmp(p->tables, q->tables, sizeof p->tables) == 0,
        "both readers read the same parameters");

    const std::string copie = dir + "/copie.par";
    exiger(sauver_parametres(*q, copie), "parameters can be saved");
    exiger(kolmar::fuzz::lire(copie) == contenu.substr(0, TAILLE_PAR), "saved parameters are the bytes read");

    Moteur& m = *banc.m;
    m.parametres = *p;
    for (const char* fen : k_positions)
        for (int side : {BLANC, NOIR}) {
            int trait;
            exiger(lire_fen(fen, m.jeu.damier, trait), "fixed position");
            const int score = score_statique(m, side);
            exiger(score > -32000 && score < 32000, "an evaluation never claims a won game");
        }
    return 0;
}
