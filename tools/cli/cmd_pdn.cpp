#include <iostream>
#include <memory>

#include "cli.h"
#include "lang/messages.h"
#include "records/gamefile.h"
#include "records/partie_texte.h"
#include "records/pdn.h"
#include "records/texte.h"
#include "rules/jeu.h"

namespace kolmar::cli {

namespace {
constexpr int LANGUE_CLI = 1;  // the tool reports in English
}

// Replays every game of a text or PDN file with the window's reader and
// says what the window would skip.
int cmd_pdn(const Args& args) {
    if (args.size() != 1) return erreur_usage("pdn: expected one FILE");
    std::vector<PartieLue> parties;
    const ResultatFichier res = ouvrir_fichier_parties(args[0], parties);
    if (!res.ok) {
        std::cerr << texte_resultat(res, LANGUE_CLI) << "\n";
        return 1;
    }
    auto jeu = std::make_unique<Jeu>();
    bool entier = true;
    for (size_t k = 0; k < parties.size(); ++k) {
        EtatNote etat;
        const Rejeu r = rejouer_partie(parties[k], *jeu, etat);
        std::cout << "game " << k + 1 << ": ";
        if (r.faute == FauteRejeu::type_refuse) {
            // Not ours to replay: it does not spoil the exit status.
            std::cout << texte_echappe(texte_rejeu(r, LANGUE_CLI)) << "\n";
            continue;
        }
        if (r.refusee()) {
            std::cout << texte_echappe(texte_rejeu(r, LANGUE_CLI)) << "\n";
            entier = false;
            continue;
        }
        std::cout << r.demi_coups << " plies";
        if (r.faute != FauteRejeu::aucune) {
            std::cout << ", " << texte_echappe(texte_rejeu(r, LANGUE_CLI));
            if (r.autres_fautes) std::cout << " and " << r.autres_fautes << " more";
            entier = false;
        }
        if (parties[k].coups_coupes) {
            std::cout << ", move text cut after " << COUPS_LUS_MAX << " moves";
            entier = false;
        }
        std::cout << "\n";
    }
    if (parties.empty()) std::cout << "no game\n";
    return entier ? 0 : 1;
}

// Writes a game file as the window's "Créer un fichier texte" does.
int cmd_export(const Args& args) {
    if (args.size() != 2 || (args[0] != "--text" && args[0] != "--pdn"))
        return erreur_usage("export: expected --text or --pdn, then GAME.dam");
    auto jeu = std::make_unique<Jeu>();
    EtatNote etat;
    Reglages reglages;
    const ResultatFichier res = ouvrir_jeu(args[1], *jeu, etat, reglages, ModeLecture::ouvrir);
    if (!res.ok) {
        std::cerr << texte_resultat(res, LANGUE_CLI) << "\n";
        return 1;
    }
    // A game file does not keep its result.
    if (args[0] == "--text")
        std::cout << texte_partie(jeu->partie, etat.nom_blanc, etat.nom_noir, RESULTAT_AUCUN);
    else
        std::cout << ecrire_pdn(pdn_de_partie(jeu->partie, jeu->trait, etat.nom_blanc, etat.nom_noir, RESULTAT_AUCUN));
    return 0;
}

}  // namespace kolmar::cli
