// The 2D board: drawing on the window's backing image, outlines, piece
// counters, orientation, square numbers, and clicks turned into squares.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "rules/board.h"

namespace kolmar {

class TForm1;

constexpr int TAILLE_CELLULE = 41;
constexpr int DECALAGE_DAMIER = 9;

// Window colours are written 00BBGGRR.
constexpr uint32_t COULEUR_ROUGE = 0x0000FF;    // the piece picked up
constexpr uint32_t COULEUR_BLEU = 0xFF0000;     // a square on a capture path
constexpr uint32_t COULEUR_FUCHSIA = 0xFF00FF;  // where the move can still go
constexpr uint32_t COULEUR_AQUA = 0xFFFF00;     // the computer's end square
constexpr uint32_t COULEUR_ARGENT = 0xC0C0C0;   // the window colour
QColor couleur_fenetre(uint32_t bbggrr);

// Square under a click point: the 41-pixel grid from the window's origin,
// a light cell naming the dark square of its pair. 0 when no square.
int case_du_point(int x, int y, bool inverse);
// True when the point lies on a dark cell of the 12 x 12 grid.
bool cellule_sombre(int x, int y);
// Position of the 3D board under a point of its picture, 0 when none; the
// highest-numbered area wins where areas overlap.
struct Affichage;
int position_3d(const Affichage& a, int x, int y);
// Row and column where square s is drawn.
void cellule_de_case(int s, bool inverse, int& rangee, int& colonne);

// " %2d", as the counters show a number of pieces.
QString format_compte(int n);

struct Affichage {
    QImage canvas;       // the window's client area
    QImage images[5];    // piece codes 0..4 on a dark square
    QImage image_claire; // a light square
    uint8_t damier_inverse = 0;
    uint8_t numeros_affiches = 0;

    // The 3D board picture and its per-position images; empty until a 3D
    // set is loaded.
    QImage image3d;
    std::vector<std::vector<QImage>> images3d;  // [code][position 1..72]
    int pos3d_x[TAILLE_DAMIER] = {};
    int pos3d_y[TAILLE_DAMIER] = {};
};

// Loads the six Images1c pictures; on failure names the missing file.
bool charger_images(Affichage& a, std::string& manquant);

void placer_pions(TForm1& f);
void dessiner_case(TForm1& f, int s, int code);
void encadrer_case(TForm1& f, int s, uint32_t bbggrr);
void compter_pions(TForm1& f);
void numerotation(TForm1& f);
void Inverser(TForm1& f);

}  // namespace kolmar
