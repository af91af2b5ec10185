// Opening libraries: a library set "<nom>.ovv" with its "<nom>_b.ouv" and
// "<nom>_n.ouv", installed by charger_jeu as "Changer de bibliothèque" does,
// then read at start-up from "Ouvert_b.ouv" / "Ouvert_n.ouv". The installed
// lists say the same moves, and a game that follows a line is offered that
// line's next move.
#include <memory>

#include "commun.h"
#include "engine/book.h"
#include "records/fichiers.h"

using namespace kolmar;
using kolmar::fuzz::exiger;

namespace {

size_t lignes_de(const std::string& contenu) {
    size_t n = 0, debut = 0;
    while (debut < contenu.size()) {
        size_t fin = contenu.find('\n', debut);
        ++n;
        if (fin == std::string::npos) break;
        debut = fin + 1;
    }
    return n;
}

bool meme_coup(const CoupLivre& a, const CoupLivre& b) {
    return a.depart == b.depart && a.arrivee == b.arrivee;
}

void suivre(const std::vector<std::string>& lignes) {
    static auto pt = std::make_unique<Partie>();
    for (size_t l = 0; l < lignes.size() && l < 4; ++l) {
        const std::vector<CoupLivre> coups = lire_ligne(lignes[l]);
        for (int w : {0, 1, static_cast<int>(coups.size()) - 1}) {
            if (w < 0 || w >= static_cast<int>(coups.size()) || w >= NB_ENREGISTREMENTS - 1) continue;
            for (int j = 1; j <= w; ++j) {
                pt->partie[j][OFS_DE] = coups[j - 1].depart;
                pt->partie[j][OFS_VERS] = coups[j - 1].arrivee;
            }
            const CoupLivre& suivant = coups[w];
            if (suivant.depart == 0 || suivant.arrivee == 0) continue;
            bool trouve = false;
            for (const CoupLivre& c : book_candidates(lignes, *pt, w)) trouve = trouve || meme_coup(c, suivant);
            exiger(trouve, "a game following a line is offered its next move");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t taille) {
    kolmar::fuzz::Parties parties(data, taille);
    const std::string blancs = parties.suivante();
    const std::string noirs = parties.fin();
    const std::string& dir = kolmar::fuzz::dossier();
    creer_dossier(dir + "/Parametres");
    kolmar::fuzz::ecrire(dir + "/Parametres/essai.ovv", "essai\n");
    kolmar::fuzz::ecrire(dir + "/Parametres/essai_b.ouv", blancs);
    kolmar::fuzz::ecrire(dir + "/Parametres/essai_n.ouv", noirs);

    Bibliotheque b;
    exiger(charger_jeu(b, "essai.ovv", dir), "a set with both lists installs");
    exiger(b.blancs.size() == lignes_de(blancs) && b.noirs.size() == lignes_de(noirs), "one entry per line");

    Bibliotheque installee;
    charger_bibliotheques(installee, dir);
    for (int couleur : {0, 1}) {
        const std::vector<std::string>& a = b.liste(couleur);
        const std::vector<std::string>& c = installee.liste(couleur);
        exiger(a.size() == c.size(), "the installed list has every line");
        for (size_t i = 0; i < a.size(); ++i) {
            const std::vector<CoupLivre> x = lire_ligne(a[i]), y = lire_ligne(c[i]);
            bool memes = x.size() == y.size();
            for (size_t k = 0; memes && k < x.size(); ++k) memes = meme_coup(x[k], y[k]);
            exiger(memes, "the installed line says the same moves");
        }
        suivre(c);
    }
    return 0;
}
