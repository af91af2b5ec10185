#include <iostream>
#include <memory>

#include "cli.h"
#include "lang/messages.h"
#include "records/fichiers.h"
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
    std::string contenu;
    if (!lire_fichier(args[0], contenu)) {
        std::cerr << texte_resultat(ResultatFichier::echec(MessageFichier::impossible_ouvrir), LANGUE_CLI) << "\n";
        return 1;
    }
    auto jeu = std::make_unique<Jeu>();
    bool entier = true;
    size_t k = 0;
    // One game at a time: a file of any size costs one game's moves.
    parcourir_parties(contenu, true, [&](PartieLue&& partie) {
        EtatNote etat;
        const Rejeu r = rejouer_partie(partie, *jeu, etat);
        std::cout << "game " << ++k << ": ";
        if (r.faute == FauteRejeu::type_refuse) {
            // Not ours to replay: it does not spoil the exit status.
            std::cout << texte_echappe(texte_rejeu(r, LANGUE_CLI)) << "\n";
            return;
        }
        if (r.refusee()) {
            std::cout << texte_echappe(texte_rejeu(r, LANGUE_CLI)) << "\n";
            entier = false;
            return;
        }
        std::cout << r.demi_coups << " plies";
        if (r.faute != FauteRejeu::aucune) {
            std::cout << ", " << texte_echappe(texte_rejeu(r, LANGUE_CLI));
            if (r.autres_fautes) std::cout << " and " << r.autres_fautes << " more";
            entier = false;
        }
        if (partie.coups_coupes) {
            std::cout << ", move text cut after " << COUPS_LUS_MAX << " moves";
            entier = false;
        }
        std::cout << "\n";
    });
    if (k == 0) std::cout << "no game\n";
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
