#include <iostream>
#include <memory>

#include "cli.h"
#include "lang/messages.h"
#include "records/gamefile.h"
#include "records/texte.h"
#include "rules/jeu.h"

namespace kolmar::cli {

// Opens a game file as "Ouvrir" does and prints what the window would show.
int cmd_dam(const Args& args) {
    if (args.size() != 1) return erreur_usage("dam: expected one FILE");
    auto jeu = std::make_unique<Jeu>();
    EtatNote etat;
    Reglages reglages;
    ResultatFichier res = ouvrir_jeu(args[0], *jeu, etat, reglages, ModeLecture::ouvrir);
    if (!res.ok) {
        std::cerr << texte_resultat(res) << "\n";
        return 1;
    }
    // "Ouvrir" keeps the window's language; the file's own is what we report.
    auto lu = std::make_unique<LecturePartie>();
    lire_partie(args[0], Partie(), BLANC, *lu);

    const Partie& pt = jeu->partie;
    std::cout << "plies " << pt.dernier_demi_coup << "\n"
              << "current " << pt.demi_coup_courant << "\n"
              << "side " << (jeu->trait == NOIR ? "black" : "white") << "\n"
              << "white " << texte_echappe(etat.nom_blanc) << "\n"
              << "black " << texte_echappe(etat.nom_noir) << "\n"
              << "level " << static_cast<int>(reglages.levelCode) << "\n"
              << "language " << static_cast<int>(lu->reglages.langue) << "\n";
    for (const std::string& ligne : pt.lignes) std::cout << ligne << "\n";
    return 0;
}

}  // namespace kolmar::cli
