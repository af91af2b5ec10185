// The 3D boards as one scene seen by one camera: the camera fitted to the
// screen positions of the board's 72 squares, the board, the table around
// it and the pieces, each set with its own materials.
#pragma once

#include <string>

#include "bmp.h"

namespace gen3d {

constexpr int LARGEUR = 785, HAUTEUR = 521;  // the 3D picture
constexpr int NB_POSITIONS = 72;

// Top-left corners of the 72 position pictures, rows far to near.
extern const int k_pos3d_x[NB_POSITIONS + 1];
extern const int k_pos3d_y[NB_POSITIONS + 1];

struct Camera {
    double cx, cy, cz, tangage, focale, px, py;
};

// The camera whose projection of each square's anchor point (the top-left
// of a king's bounding box) best matches the position table, and the mean
// and worst distance left in pixels.
Camera ajuster_camera(double& moyenne, double& pire);

// Where a position's picture lies: its top-left is the table's, its size
// holds a king with its shadow.
struct Cadre {
    int x, y, l, h;
};

struct Jeu3d {
    int numero;           // 1..8
    const char* nom;      // for messages
    const char* dossier;  // piece pictures' directory, empty when shared
    int chiffre;          // the digit in the piece file names
    const char* mini;     // start-screen miniature
};
extern const Jeu3d k_jeux[8];

class Scene {
   public:
    // `facteur` 2 draws the same view at twice the resolution: every
    // picture and position twice as large.
    Scene(const Camera& c, int jeu, int facteur = 1);
    int facteur() const { return facteur_; }
    // The board alone, with its surroundings.
    const Image& fond() const { return fond_; }
    Cadre cadre(int position) const { return cadres_[position]; }
    // Piece code 0..4 on screen position 1..72.
    Image piece(int code, int position) const;
    // Screen point of a square's centre on the board.
    void centre(int position, double& x, double& y) const;

   private:
    Camera cam_;
    int jeu_;
    int facteur_;
    Image fond_;
    Cadre cadres_[NB_POSITIONS + 1];
};

}  // namespace gen3d
