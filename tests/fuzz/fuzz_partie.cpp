// ".dam" game files and the autosave, read by ouvrir_jeu as the window does:
// "Ouvrir", a lesson, and the autosave at start-up (settings first, then the
// game resumed). A file that is accepted is saved and read back: the second
// image is byte for byte the first, and the game state is the same.
#include <cstring>
#include <memory>

#include "commun.h"
#include "lang/messages.h"
#include "records/gamefile.h"
#include "records/texte.h"
#include "rules/jeu.h"

using namespace kolmar;
using kolmar::fuzz::exiger;

namespace {

// The window's state before the read: a fresh game, its default settings.
// Kept from one input to the next (a Jeu is costly to build) and reset.
struct Fenetre {
    std::unique_ptr<Jeu> jeu = std::make_unique<Jeu>();
    EtatNote etat;
    Reglages reglages;
    Fenetre& nouvelle() {
        jeu->initialiser();
        jeu->partie.lignes.clear();
        std::memset(jeu->partie.partie, 0, sizeof jeu->partie.partie);
        etat = EtatNote{};
        etat.nom_blanc = "Inconnu";
        etat.nom_noir = "Kolmar";
        reglages = Reglages{};
        commencer_partie(jeu->partie, jeu->damier, etat);
        return *this;
    }
};

void verifier_etat(const Fenetre& f) {
    const Partie& pt = f.jeu->partie;
    exiger(pt.demi_coup_courant >= 0 && pt.demi_coup_courant <= DEMI_COUPS_MAX, "current ply inside the record");
    exiger(pt.dernier_demi_coup >= 0 && pt.dernier_demi_coup <= DEMI_COUPS_MAX, "last ply inside the record");
    exiger(f.jeu->trait <= 1, "side to move");
    exiger(f.jeu->damier[0] == BORD, "border square");
    for (int s = 1; s <= NB_CASES; ++s) exiger(f.jeu->damier[s] <= DAME_NOIRE, "piece codes on the board");
    exiger(pt.lignes.size() == static_cast<size_t>((pt.dernier_demi_coup + 1) / 2), "one list line per move pair");
    exiger(pt.selection >= -1 && pt.selection < static_cast<int>(pt.lignes.size()), "selected line exists");
    for (const std::string* nom : {&f.etat.nom_blanc, &f.etat.nom_noir}) {
        exiger(sans_controles(*nom) == *nom, "no control character in a name");
        exiger(est_utf8(*nom), "names are UTF-8");
    }
    for (int p = 0; p <= DEMI_COUPS_MAX; ++p)
        for (int ofs : {OFS_NOM_BLANC, OFS_NOM_NOIR}) {
            const std::string nom = vers_utf8(lire_nom(pt.partie[p] + ofs));
            exiger(sans_controles(nom) == nom, "no control character in a record's name");
        }
}

void memes(const Fenetre& a, const Fenetre& b) {
    const Partie& x = a.jeu->partie;
    const Partie& y = b.jeu->partie;
    exiger(std::memcmp(x.partie[1], y.partie[1], DEMI_COUPS_MAX * TAILLE_ENREGISTREMENT) == 0, "records 1..507");
    exiger(std::memcmp(x.partie[0], y.partie[0], OFS_MARQUE_LONGUEUR) == 0, "record 0");
    exiger(x.demi_coup_courant == y.demi_coup_courant, "current ply");
    exiger(x.dernier_demi_coup == y.dernier_demi_coup, "last ply");
    exiger(x.lignes == y.lignes && x.selection == y.selection, "move list");
    exiger(a.jeu->trait == b.jeu->trait, "side to move");
    exiger(std::memcmp(a.jeu->damier, b.jeu->damier, TAILLE_DAMIER) == 0, "board");
    exiger(a.etat.nom_blanc == b.etat.nom_blanc && a.etat.nom_noir == b.etat.nom_noir, "names");
    exiger(a.etat.temps_blanc == b.etat.temps_blanc && a.etat.temps_noir == b.etat.temps_noir, "clocks");
    exiger(a.etat.couleur_ordi == b.etat.couleur_ordi, "computer colour");
    const Reglages& r = a.reglages;
    const Reglages& s = b.reglages;
    exiger(r.periodMinutes == s.periodMinutes && r.taille_hash == s.taille_hash && r.langue == s.langue &&
               r.levelCode == s.levelCode && r.engineBudget == s.engineBudget && r.periodLimit == s.periodLimit,
           "settings");
}

// Saves what was read, reads it back the same way, and saves again.
void relire(const Fenetre& lue, ModeLecture mode, const Reglages& avant) {
    const std::string copie = kolmar::fuzz::chemin("copie.dam");
    exiger(sauver_jeu(copie, *lue.jeu, lue.reglages).ok, "an accepted game can be saved");
    static Fenetre fenetre_relue;
    Fenetre& relue = fenetre_relue.nouvelle();
    relue.reglages = avant;
    ResultatFichier res = ouvrir_jeu(copie, *relue.jeu, relue.etat, relue.reglages, mode);
    exiger(res.ok, "a saved game reads back: " + texte_resultat(res));
    memes(lue, relue);
    exiger(image_partie(lue.jeu->partie, lue.jeu->trait, lue.reglages) ==
               image_partie(relue.jeu->partie, relue.jeu->trait, relue.reglages),
           "saving again gives the same bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t taille) {
    const std::string fichier = kolmar::fuzz::chemin("partie.dam");
    kolmar::fuzz::ecrire(fichier, std::string(reinterpret_cast<const char*>(data), taille));

    static Fenetre fenetre;
    for (ModeLecture mode : {ModeLecture::ouvrir, ModeLecture::lecon}) {
        Fenetre& f = fenetre.nouvelle();
        const Reglages avant = f.reglages;
        if (!ouvrir_jeu(fichier, *f.jeu, f.etat, f.reglages, mode).ok) continue;
        verifier_etat(f);
        relire(f, mode, avant);
    }

    // Start-up: the autosave's settings, then the game resumed with them.
    Fenetre& f = fenetre.nouvelle();
    if (!ouvrir_jeu(fichier, *f.jeu, f.etat, f.reglages, ModeLecture::demarrage).ok) return 0;
    const Reglages avant = f.reglages;
    exiger(ouvrir_jeu(fichier, *f.jeu, f.etat, f.reglages, ModeLecture::reprise).ok,
           "a file accepted at start-up resumes");
    verifier_etat(f);
    relire(f, ModeLecture::reprise, avant);
    return 0;
}
