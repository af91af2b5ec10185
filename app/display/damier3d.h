// The eight painted 3D boards: their pictures, the loaders of the piece
// pictures and of the board pictures, and what choosing a board loads.
// Every load asked is counted, but a picture already decoded is served
// from memory, so switching back and forth between sets stays quick.
#pragma once

#include <QImage>
#include <map>
#include <string>
#include <vector>

namespace kolmar {

constexpr int NB_JEUX_3D = 8;
constexpr int LARGEUR_3D = 785, HAUTEUR_3D = 521;

// What the 3D board shows: the picture of `Image5`, the last "wc"
// picture, the per-position pictures and the set in use.
struct Affichage3d {
    QImage image5;
    QImage damier_fond;
    std::vector<std::vector<QImage>> images3d = std::vector<std::vector<QImage>>(5, std::vector<QImage>(73));
    int damier_courant = 0;  // 0 before any set, then 1..8
    int pos3d_x[73] = {};
    int pos3d_y[73] = {};
    // The set's pictures twice as large, for an enlarged window: the board
    // ("c" with "wc" over it) and the pieces. Loaded the first time they
    // are needed; `jeu_grand` is the set they were asked for.
    QImage fond_grand;
    std::vector<std::vector<QImage>> images3d_grandes;
    int jeu_grand = 0;
    bool grandes_ok = false;
};

// Fills the screen position table, the same for every set.
void remplir_positions3d(int pos3d_x[73], int pos3d_y[73]);

// Reads pictures below the program directory, keeping each decoded one.
class Chargeur3d {
   public:
    explicit Chargeur3d(std::string repertoire);
    const std::string& repertoire() const { return repertoire_; }

    // A picture by its path below the program directory; a null image
    // when it cannot be read, and its name is added to the missing ones.
    QImage charger(const std::string& relatif);

    int nb_chargements() const { return chargements_; }  // every load asked
    int nb_lectures() const { return lectures_; }        // of them, decoded from disk
    // An optional picture: neither counted nor named among the missing.
    QImage charger_option(const std::string& relatif);
    const std::vector<std::string>& manquants() const { return manquants_; }
    void oublier_manquants() { manquants_.clear(); }
    // Drops the decoded pictures: the next loads read the disk again.
    void vider() { memoire_.clear(); }

   private:
    std::string repertoire_;
    std::map<std::string, QImage> memoire_;
    int chargements_ = 0, lectures_ = 0;
    std::vector<std::string> manquants_;
};

// The piece pictures of one directory, for i = 1..72 and the codes 0..4
// in turn ("pv", "pb", "db", "pn", "dn"). False when a picture is
// missing; the others are loaded all the same.
bool charger_images3d(Chargeur3d& c, Affichage3d& a, int chiffre);
inline bool charge3d(Chargeur3d& c, Affichage3d& a) {
    return charger_images3d(c, a, 1);
}  // sets 1 and 2
inline bool charge3dm(Chargeur3d& c, Affichage3d& a) {
    return charger_images3d(c, a, 3);
}
inline bool charge3da(Chargeur3d& c, Affichage3d& a) {
    return charger_images3d(c, a, 4);
}
inline bool charge3dc(Chargeur3d& c, Affichage3d& a) {
    return charger_images3d(c, a, 5);
}
inline bool charge3df(Chargeur3d& c, Affichage3d& a) {
    return charger_images3d(c, a, 6);
}
inline bool charge3d7(Chargeur3d& c, Affichage3d& a) {
    return charger_images3d(c, a, 7);
}
inline bool charge3d8(Chargeur3d& c, Affichage3d& a) {
    return charger_images3d(c, a, 8);
}

// Board picture n: "damierNwc.bmp" into `damier_fond`, "damierNc.bmp"
// as the picture, the former drawn over the latter at (0, 0). Also what
// blind play reloads. False when either is missing.
bool charger_fond(Chargeur3d& c, Affichage3d& a, int n);

// The large pictures of the current set, loaded once per set chosen.
// False when any is missing: the window then enlarges the small ones.
bool charger_grandes(Chargeur3d& c, Affichage3d& a);

// Choosing 3D set s from the menu or the start screen: loads what the
// change needs and makes s current. The caller redraws the position.
bool choisir_damier3d(Chargeur3d& c, Affichage3d& a, int s);

// Choosing the 2D board: the 3D picture goes on being kept up to date in
// the background, on set 1 when a set above 2 was in use.
bool choisir_damier2d(Chargeur3d& c, Affichage3d& a);

// The sets whose board picture "damierNc.bmp" can be opened; sets 1 and
// 2 are always offered.
std::vector<bool> jeux_disponibles(const std::string& repertoire);

// A start-screen board button: 0 for the 2D board, 1..8 for a set. A set
// whose picture is missing gives set 1. Returns the board chosen.
int bouton_damier(Chargeur3d& c, Affichage3d& a, int s, const std::vector<bool>& disponibles);

}  // namespace kolmar
