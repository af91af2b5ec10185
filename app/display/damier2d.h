// The 2D board: drawing on the window's backing image, outlines, square
// numbers, and the 3D picture's positions. The grid itself (cells, clicks)
// is the controller's, in control/geometrie.h.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

class QPainter;
#include <cstdint>
#include <string>
#include <vector>

#include "control/geometrie.h"
#include "control/vue.h"
#include "rules/board.h"

namespace kolmar {

QColor couleur_fenetre(uint32_t bbggrr);

// " %2d", as the counters show a number of pieces.
QString format_compte(int n);

struct Affichage {
    QImage canvas;        // the window's client area
    QImage images[5];     // piece codes 0..4 on a dark square
    QImage image_claire;  // a light square
    uint8_t damier_inverse = 0;
    uint8_t numeros_affiches = 0;

    // The 3D board picture and its per-position images; empty until a 3D
    // set is loaded.
    QImage image3d;
    std::vector<std::vector<QImage>> images3d;  // [code][position 1..72]
    int pos3d_x[TAILLE_DAMIER] = {};
    int pos3d_y[TAILLE_DAMIER] = {};

    // What each square shows, so a scaled window paints the board sharp
    // instead of enlarging the canvas: the piece code, its outline.
    uint8_t codes[TAILLE_DAMIER] = {};
    uint32_t cadres[TAILLE_DAMIER] = {};
    bool encadre[TAILLE_DAMIER] = {};
    // The same pictures drawn four times larger; null when missing.
    QImage images_nettes[5];
    QImage claire_nette;
    // The last move and the compulsory captures, painted over the board.
    MarquesPlateau marques;
    // What each 3D position shows since the picture was last set, and its
    // marker square, so an enlarged window can paint it again from the
    // large pictures; set whenever the 3D picture changes.
    uint8_t codes3d[TAILLE_DAMIER] = {};
    bool reperes3d[TAILLE_DAMIER] = {};
    bool image3d_changee = true;
};

// Position of the 3D board under a point of its picture, 0 when none; the
// highest-numbered area wins where areas overlap.
int position_3d(const Affichage& a, int x, int y);

// Loads the six Images1c pictures; on failure names the missing file.
bool charger_images(Affichage& a, std::string& manquant);

// The cell of square s: its 41 x 41 pixels from the board's offset.
QRect rectangle_de_case(int s, bool inverse);

// The whole board: ground, frame, light squares, then every dark square.
void placer_pions(Affichage& a, const uint8_t plateau[TAILLE_DAMIER]);
void dessiner_case(Affichage& a, int s, int code);
// Two one-pixel rings on the edge of square s's own cell, so redrawing the
// square wipes them; `repere_3d` marks the square on the 3D picture too.
void encadrer_case(Affichage& a, int s, uint32_t bbggrr, bool repere_3d);

// The board painted through p's transform, from the per-square state and
// the large pictures: what the window shows when it is scaled.
void peindre_damier(QPainter& p, const Affichage& a);
// The 3D picture again at twice its size from the large pictures `fond`
// and `pieces` [code][position]: the pieces shown, or none when `voile`,
// then the numbers as the small picture has them.
QImage composer_3d_grand(const Affichage& a, const QImage& fond, const std::vector<std::vector<QImage>>& pieces,
                         bool voile);
// The 3D picture as it was set: no piece shown, no marker.
void effacer_3d(Affichage& a);
// The marks of a.marques over the 2D board, in logical pixels.
void peindre_marques(QPainter& p, const Affichage& a);
// The same marks on the 3D picture, in its pixels, with the marker squares
// of the outlined positions.
void peindre_marques_3d(QPainter& p, const Affichage& a);

}  // namespace kolmar
