#include "scene.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "bruit.h"

namespace gen3d {

const int k_pos3d_x[NB_POSITIONS + 1] = {0,   179, 248, 313, 382, 449, 514, 143, 211, 280, 346, 416, 483, 173, 244,
                                         312, 383, 452, 521, 134, 205, 276, 345, 419, 490, 165, 239, 310, 385, 456,
                                         529, 124, 196, 272, 345, 422, 495, 155, 233, 308, 386, 462, 536, 113, 189,
                                         269, 346, 426, 503, 146, 229, 306, 388, 466, 543, 101, 180, 264, 345, 430,
                                         510, 135, 223, 304, 391, 473, 555, 87,  172, 261, 345, 433, 518};
const int k_pos3d_y[NB_POSITIONS + 1] = {0,   61,  61,  61,  61,  61,  61,  85,  85,  85,  85,  85,  85,  112, 112,
                                         112, 112, 112, 112, 137, 137, 137, 137, 137, 137, 163, 163, 163, 163, 163,
                                         163, 190, 190, 190, 190, 190, 190, 222, 222, 222, 222, 222, 222, 251, 251,
                                         251, 251, 251, 251, 283, 283, 283, 283, 283, 283, 320, 320, 320, 320, 320,
                                         320, 355, 355, 355, 355, 355, 355, 391, 391, 391, 391, 391, 391};

const Jeu3d k_jeux[8] = {
    {1, "Classique", "Images1c", 1, "miniclassicc.bmp"},   {2, "Nuit", "", 1, "mininuitc.bmp"},
    {3, "Luxe", "Images3c", 3, "minimarbrec.bmp"},         {4, "Toronto", "Images4c", 4, "minicopac.bmp"},
    {5, "Saint-Laurent", "Images5c", 5, "miniverrec.bmp"}, {6, "Vancouver", "Images6c", 6, "minifeuc.bmp"},
    {7, "Grand luxe", "Images7c", 7, "miniluxec.bmp"},     {8, "Montreal", "Images8c", 8, "minigaletsc.bmp"}};

namespace {

// --- Geometry, in board cells: x to the right, y up, z towards the viewer.

struct V3 {
    double x, y, z;
};
V3 operator+(V3 a, V3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
V3 operator-(V3 a, V3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
V3 operator*(V3 a, double k) {
    return {a.x * k, a.y * k, a.z * k};
}
double scal(V3 a, V3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
V3 unite(V3 a) {
    return a * (1.0 / std::sqrt(scal(a, a)));
}

// Men are flat discs; a king is two of them with a crown on top. Small
// enough that a piece never reaches into another position's picture.
constexpr double RAYON = 0.335, HAUT_PION = 0.12, HAUT_DAME = 0.25, OMBRE = 0.05;
constexpr double CADRE = 0.55, EPAISSEUR = 0.45;  // board frame and thickness

// The anchor the position table gives: a king's bounding box's top-left.
const V3 k_ancre{-RAYON - 0.14, HAUT_DAME + 0.14, -RAYON - 0.06};

V3 centre_case(int i) {
    int k = (i - 1) / 6, j = (i - 1) % 6;
    int c = 2 * j + (k + 1) % 2;
    return {c + 0.5 - 6.0, 0.0, k + 0.5 - 6.0};
}

struct Repere {
    V3 o, avant, haut, droite{1, 0, 0};
    double f, px, py;
    explicit Repere(const Camera& c) : o{c.cx, c.cy, c.cz}, f(c.focale), px(c.px), py(c.py) {
        double s = std::sin(c.tangage), k = std::cos(c.tangage);
        avant = {0, -s, -k};
        haut = {0, k, -s};
    }
    void projeter(V3 p, double& sx, double& sy) const {
        V3 r = p - o;
        double prof = scal(r, avant);
        sx = px + f * scal(r, droite) / prof;
        sy = py - f * scal(r, haut) / prof;
    }
    V3 rayon(double sx, double sy) const { return unite(avant * f + droite * (sx - px) + haut * (py - sy)); }
};

double ecart(const Camera& c) {
    Repere r(c);
    double s = 0;
    for (int i = 1; i <= NB_POSITIONS; ++i) {
        double x, y;
        r.projeter(centre_case(i) + k_ancre, x, y);
        s += (x - k_pos3d_x[i]) * (x - k_pos3d_x[i]) + (y - k_pos3d_y[i]) * (y - k_pos3d_y[i]);
    }
    return s;
}

// --- Colours and noise

struct Rgb {
    double r, g, b;
};
Rgb operator+(Rgb a, Rgb b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
Rgb operator*(Rgb a, double k) {
    return {a.r * k, a.g * k, a.b * k};
}

Rgb melange(Rgb a, Rgb b, double t) {
    return a + (b + a * -1) * t;
}
using outils::borne;
using outils::bruit;
using outils::hache;
using outils::hache32;
using outils::lisse;

double fbm(double x, double y, int graine) {
    double s = 0, a = 0.5;
    for (int o = 0; o < 4; ++o, x *= 2.03, y *= 2.03, a *= 0.5) s += a * bruit(x, y, graine + o * 31);
    return s / 0.9375;
}

Rgb bois(double x, double y, Rgb clair, Rgb fonce, int graine) {
    double courbe = 3.0 * bruit(x * 1.5, y * 4.0, graine) + 1.2 * bruit(x * 6, y * 12, graine + 7);
    double anneaux = std::pow(0.5 + 0.5 * std::sin((y * 9 + courbe) * 2.2 + graine), 3.0);
    double fibres = bruit(x * 30, y * 2.5, graine + 13);
    return melange(clair, fonce, borne(0.6 * anneaux + 0.4 * fibres, 0, 1));
}

Rgb marbre(double x, double y, Rgb fond, Rgb veine, int graine) {
    double t = std::sin((x * 0.8 + y * 1.3) * 3.0 + 6.0 * fbm(x * 0.7, y * 0.7, graine));
    double v = std::pow(1.0 - std::fabs(t), 10.0);
    double nuage = fbm(x * 2.0, y * 2.0, graine + 5);
    return melange(fond * (0.9 + 0.15 * nuage), veine, 0.75 * v);
}

// Pebbles: the nearest of a jittered grid of centres; `bord` is how close
// the point lies to the joint with the next pebble.
void galets(double x, double y, double echelle, int graine, double& bord, double& bosse, uint32_t& qui) {
    x *= echelle, y *= echelle;
    int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    double d1 = 9, d2 = 9;
    for (int j = -1; j <= 1; ++j)
        for (int i = -1; i <= 1; ++i) {
            uint32_t h = hache32(ix + i, iy + j, graine);
            double cx = ix + i + 0.15 + 0.7 * ((h & 0xff) / 255.0),
                   cy = iy + j + 0.15 + 0.7 * (((h >> 8) & 0xff) / 255.0);
            double d = std::hypot(x - cx, y - cy);
            if (d < d1) {
                d2 = d1, d1 = d, qui = h;
            } else if (d < d2) {
                d2 = d;
            }
        }
    bord = d2 - d1;
    bosse = 1.0 - borne(d1 / 0.7, 0, 1);
}

// --- The crown of the kings, drawn on the top face in a 41-unit square.

const double k_couronne[][2] = {{12.0, 27.0}, {12.0, 16.0}, {16.2, 21.0}, {20.5, 13.5},
                                {24.8, 21.0}, {29.0, 16.0}, {29.0, 27.0}};
const double k_perles[][2] = {{12.0, 14.6}, {20.5, 12.0}, {29.0, 14.6}};

double dist_segment(double px, double py, double ax, double ay, double bx, double by) {
    double vx = bx - ax, vy = by - ay;
    double t = borne(((px - ax) * vx + (py - ay) * vy) / (vx * vx + vy * vy), 0.0, 1.0);
    return std::hypot(px - (ax + t * vx), py - (ay + t * vy));
}

bool couronne(double x, double y, Rgb& c, Rgb or_clair, Rgb or_fonce) {
    const Rgb trait{60, 35, 5};
    for (const auto& p : k_perles)
        if (std::hypot(x - p[0], y - p[1]) < 2.6) {
            c = std::hypot(x - p[0], y - p[1]) > 1.7 ? trait : or_clair;
            return true;
        }
    bool dans = false;
    double bord = 1e9;
    for (int i = 0, j = 6; i < 7; j = i++) {
        double xi = k_couronne[i][0], yi = k_couronne[i][1], xj = k_couronne[j][0], yj = k_couronne[j][1];
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) dans = !dans;
        bord = std::min(bord, dist_segment(x, y, xj, yj, xi, yi));
    }
    if (!dans && bord > 1.0) return false;
    if (bord < 1.0) {
        c = trait;
        return true;
    }
    c = melange(or_clair, or_fonce, borne((y - 14.0) / 14.0, 0, 1));
    return true;
}

// --- Sets

enum Matiere { BOIS, IVOIRE, METAL, VERRE, BRAISE, LAQUE, GALET };

struct Style {
    Matiere matiere;
    Rgb blanc, noir;  // the two sides' pieces
    double brillance;
};

Style style(int jeu) {
    switch (jeu) {
        case 3:
            return {IVOIRE, {240, 234, 220}, {30, 32, 36}, 0.8};
        case 4:
            return {METAL, {214, 218, 224}, {70, 44, 30}, 1.2};
        case 5:
            return {VERRE, {230, 246, 250}, {16, 24, 34}, 1.4};
        case 6:
            return {BRAISE, {255, 226, 150}, {40, 16, 10}, 0.9};
        case 7:
            return {LAQUE, {246, 242, 236}, {14, 14, 16}, 1.5};
        case 8:
            return {GALET, {214, 206, 190}, {58, 60, 64}, 0.35};
        default:
            return {BOIS, {244, 232, 206}, {52, 34, 26}, 0.7};
    }
}

// A dark (playable) or light square of the set at board point (x, z).
Rgb case_damier(int jeu, double x, double z, bool fonce) {
    switch (jeu) {
        case 3:
            return fonce ? marbre(x, z, {48, 92, 74}, {200, 220, 205}, 3)
                         : marbre(x, z, {236, 232, 224}, {120, 120, 125}, 9);
        case 4: {  // copper and its green patina
            double brosse = bruit(x * 2, z * 60, 4) * 0.5 + bruit(x * 8, z * 90, 5) * 0.5;
            if (fonce) return Rgb{176, 96, 52} * (0.8 + 0.35 * brosse);
            double tache = fbm(x * 1.5, z * 1.5, 6);
            return melange(Rgb{96, 170, 150}, Rgb{60, 120, 110}, tache) * (0.92 + 0.12 * brosse);
        }
        case 5: {  // glass over the river: depth and ripples
            double onde = 0.5 + 0.5 * std::sin(x * 5 + 3 * fbm(x * 0.8, z * 0.8, 8) + z * 2);
            Rgb c = fonce ? Rgb{62, 132, 166} : Rgb{184, 222, 232};
            return c * (0.85 + 0.2 * onde) + Rgb{20, 30, 30} * std::pow(onde, 12.0);
        }
        case 6: {  // embers and flames
            double n = fbm(x * 1.8, z * 1.8 + 0.3 * x, 11);
            if (fonce) {
                double fente = std::pow(1.0 - std::fabs(2 * fbm(x * 2.5, z * 2.5, 12) - 1), 8.0);
                return melange(Rgb{150, 34, 12}, Rgb{255, 150, 30}, borne(fente * 1.2, 0, 1)) * (0.8 + 0.3 * n);
            }
            return melange(Rgb{255, 200, 60}, Rgb{232, 90, 20}, n);
        }
        case 7: {
            if (fonce) {
                double reflet = lisse(0.3, 1.0, bruit(x * 0.5 + z * 0.2, z * 0.3, 14));
                return melange(Rgb{16, 78, 52}, Rgb{70, 140, 110}, 0.35 * reflet);
            }
            double brosse = bruit(x * 3, z * 80, 15);
            return Rgb{214, 170, 72} * (0.85 + 0.25 * brosse);
        }
        case 8: {
            double bord, bosse;
            uint32_t qui = 0;
            galets(x, z, 4.5, fonce ? 21 : 22, bord, bosse, qui);
            double teinte = (qui & 0xff) / 255.0;
            Rgb c = fonce ? melange(Rgb{70, 72, 78}, Rgb{120, 110, 100}, teinte)
                          : melange(Rgb{230, 220, 196}, Rgb{196, 170, 140}, teinte);
            c = c * (0.78 + 0.3 * bosse);
            return melange(Rgb{40, 36, 30}, c, lisse(0.02, 0.09, bord));
        }
        default:
            return fonce ? bois(x, z, {170, 104, 52}, {104, 56, 26}, 3)
                         : bois(x, z, {246, 222, 170}, {222, 186, 124}, 11);
    }
}

Rgb cadre_damier(int jeu, double x, double z) {
    switch (jeu) {
        case 3:
            return marbre(x * 0.7, z * 0.7, {30, 30, 34}, {190, 180, 160}, 17);
        case 4:
            return Rgb{120, 64, 40} * (0.8 + 0.3 * bruit(x * 3, z * 40, 18));
        case 5:
            return Rgb{150, 190, 205} * (0.85 + 0.25 * bruit(x * 0.7 + z, z * 0.3, 19));
        case 6:
            return melange(Rgb{30, 12, 8}, Rgb{120, 30, 10}, fbm(x * 2, z * 2, 20));
        case 7:
            return Rgb{200, 156, 60} * (0.8 + 0.3 * bruit(x * 4, z * 4, 23));
        case 8: {
            double bord, bosse;
            uint32_t qui = 0;
            galets(x, z, 3.0, 24, bord, bosse, qui);
            Rgb c = melange(Rgb{150, 130, 110}, Rgb{100, 90, 80}, (qui & 0xff) / 255.0) * (0.75 + 0.3 * bosse);
            return melange(Rgb{40, 36, 30}, c, lisse(0.02, 0.08, bord));
        }
        default:
            return bois(z * 0.5, x * 0.5, {120, 64, 30}, {70, 34, 14}, 25);
    }
}

// The table or floor under the board, and what lies beyond it.
Rgb decor(int jeu, double x, double z, double loin) {
    Rgb c;
    switch (jeu) {
        case 2: {  // a moonlit table, stars beyond
            c = bois(x * 0.15, z * 0.3, {40, 44, 70}, {16, 18, 34}, 31);
            double lune = std::exp(-((x - 7) * (x - 7) + (z + 3) * (z + 3)) / 30.0);
            c = c + Rgb{110, 120, 160} * lune;
            break;
        }
        case 3:
            c = marbre(x * 0.2, z * 0.2, {200, 196, 188}, {110, 100, 96}, 32);
            break;
        case 4:
            c = melange(Rgb{40, 48, 60}, Rgb{80, 90, 104}, fbm(x * 0.3, z * 0.3, 33));
            break;
        case 5: {
            double onde = 0.5 + 0.5 * std::sin(z * 1.5 + 2 * fbm(x * 0.3, z * 0.3, 34));
            c = melange(Rgb{20, 60, 100}, Rgb{70, 130, 170}, onde);
            break;
        }
        case 6:
            c = melange(Rgb{20, 8, 6}, Rgb{150, 40, 10}, std::pow(fbm(x * 0.4, z * 0.4 - 0.2, 35), 2.0));
            break;
        case 7:
            c = Rgb{110, 16, 28} * (0.75 + 0.35 * fbm(x * 0.6, z * 0.6, 36));
            break;
        case 8: {
            double bord, bosse;
            uint32_t qui = 0;
            galets(x, z, 1.4, 37, bord, bosse, qui);
            c = melange(Rgb{176, 168, 150}, Rgb{120, 110, 98}, (qui & 0xff) / 255.0) * (0.7 + 0.3 * bosse);
            c = melange(Rgb{60, 54, 46}, c, lisse(0.02, 0.1, bord));
            break;
        }
        default:
            c = bois(x * 0.15, z * 0.25, {190, 150, 100}, {150, 108, 66}, 38);
            break;
    }
    // Light falls off away from the board.
    return c * (1.0 - 0.55 * lisse(6, 26, loin));
}

Rgb ciel(int jeu, V3 d) {
    double h = borne(d.y * 3 + 0.5, 0, 1);
    if (jeu == 2) {
        Rgb c = melange(Rgb{10, 14, 40}, Rgb{2, 4, 16}, h);
        int sx = static_cast<int>(d.x * 400), sy = static_cast<int>(d.y * 400);
        if (hache(sx, sy, 40) > 0.995) c = Rgb{230, 230, 255};
        return c;
    }
    return melange(Rgb{120, 100, 80}, Rgb{60, 50, 40}, h);
}

// The scene behind the pieces along one ray.
Rgb scene(int jeu, const V3& o, const V3& d) {
    const double B = 6.0 + CADRE;
    const V3 lumiere = unite({-0.35, 0.85, 0.4});
    // The board's box: top face, front and sides.
    double tmin = 0, tmax = 1e9;
    int face = -1;
    const double lo[3] = {-B, -EPAISSEUR, -B}, hi[3] = {B, 0, B};
    const double oo[3] = {o.x, o.y, o.z}, dd[3] = {d.x, d.y, d.z};
    bool touche = true;
    for (int a = 0; a < 3 && touche; ++a) {
        if (std::fabs(dd[a]) < 1e-12) {
            if (oo[a] < lo[a] || oo[a] > hi[a]) touche = false;
            continue;
        }
        double t1 = (lo[a] - oo[a]) / dd[a], t2 = (hi[a] - oo[a]) / dd[a];
        if (t1 > t2) std::swap(t1, t2);
        if (t1 > tmin) tmin = t1, face = a;
        tmax = std::min(tmax, t2);
        if (tmin > tmax) touche = false;
    }
    if (touche && face >= 0) {
        V3 p = o + d * tmin;
        if (face == 1) {
            if (std::fabs(p.x) < 6 && std::fabs(p.z) < 6) {
                int c = static_cast<int>(std::floor(p.x + 6)), r = static_cast<int>(std::floor(p.z + 6));
                Rgb col = case_damier(jeu == 2 ? 1 : jeu, p.x, p.z, (r + c) % 2 == 1);
                // A thin line where squares meet.
                double fx = p.x + 6 - c, fz = p.z + 6 - r;
                double joint = std::min(std::min(fx, 1 - fx), std::min(fz, 1 - fz));
                return col * (0.82 + 0.18 * lisse(0.0, 0.025, joint));
            }
            Rgb col = cadre_damier(jeu == 2 ? 1 : jeu, p.x, p.z);
            double interieur = std::max(std::fabs(p.x), std::fabs(p.z));
            double liseret = std::fabs(interieur - 6.06);
            return col * (0.85 + 0.15 * lisse(0.0, 0.04, liseret));
        }
        // Sides in the shade.
        Rgb col = cadre_damier(jeu == 2 ? 1 : jeu, face == 0 ? p.z : p.x, p.y * 4);
        double eclat = face == 2 ? 0.62 : 0.45;
        return col * eclat;
    }
    if (d.y < -1e-6) {
        double t = (-EPAISSEUR - o.y) / d.y;
        V3 p = o + d * t;
        double loin = std::hypot(p.x, p.z);
        Rgb c = decor(jeu, p.x, p.z, loin);
        // The board's soft shadow, cast towards the viewer and right.
        double qx = std::fabs(p.x - 0.4) - B, qz = std::fabs(p.z - 0.5) - B;
        double dist = std::hypot(std::max(qx, 0.0), std::max(qz, 0.0)) + std::min(std::max(qx, qz), 0.0);
        c = c * (1.0 - 0.5 * (1.0 - lisse(-0.2, 0.9, dist)));
        (void)lumiere;
        return c;
    }
    return ciel(jeu, d);
}

uint8_t octet(double v) {
    return static_cast<uint8_t>(std::lround(borne(v, 0, 255)));
}

// One ray against the piece standing at (cx, cz): the distance to the hit
// and the colour there.
bool toucher_piece(int jeu, int code, double cx, double cz, const V3& o, const V3& d, Rgb& c) {
    const Style st = style(jeu == 2 ? 1 : jeu);
    const bool dame = code == 2 || code == 4, noir = code >= 3;
    const double haut = dame ? HAUT_DAME : HAUT_PION;
    const V3 ox{o.x - cx, o.y, o.z - cz};
    double t = 1e18;
    V3 n{0, 1, 0};
    bool dessus = false;
    if (st.matiere == GALET) {
        // A flattened ellipsoid sitting on the board.
        const double ry = haut * 1.05;
        V3 so{ox.x / RAYON, ox.y / ry, ox.z / RAYON}, sd{d.x / RAYON, d.y / ry, d.z / RAYON};
        double a = scal(sd, sd), b = scal(so, sd), k = scal(so, so) - 1;
        double disc = b * b - a * k;
        if (disc < 0) return false;
        t = (-b - std::sqrt(disc)) / a;
        V3 p = ox + d * t;
        if (t <= 0 || p.y < 0) return false;
        n = unite({p.x / (RAYON * RAYON), p.y / (ry * ry), p.z / (RAYON * RAYON)});
        dessus = n.y > 0.8;
    } else {
        if (d.y < 0) {
            double tt = (haut - ox.y) / d.y;
            V3 p = ox + d * tt;
            if (tt > 0 && p.x * p.x + p.z * p.z <= RAYON * RAYON) t = tt, dessus = true;
        }
        if (!dessus) {
            double a = d.x * d.x + d.z * d.z, b = ox.x * d.x + ox.z * d.z,
                   k = ox.x * ox.x + ox.z * ox.z - RAYON * RAYON;
            double disc = b * b - a * k;
            if (disc < 0 || a < 1e-12) return false;
            double tt = (-b - std::sqrt(disc)) / a;
            V3 p = ox + d * tt;
            if (tt <= 0 || p.y < 0 || p.y > haut) return false;
            t = tt;
            n = {p.x / RAYON, 0, p.z / RAYON};
        }
    }
    V3 p = ox + d * t;
    const double r = std::hypot(p.x, p.z) / RAYON;
    Rgb base = noir ? st.noir : st.blanc;
    double rainure = 1.0;
    if (dessus && st.matiere != GALET) {
        // A rounded rim: the normal leans outwards near the edge.
        double pente = lisse(0.78, 1.0, r) * 1.1;
        n = unite({p.x / (RAYON * r + 1e-9) * pente, 1.0, p.z / (RAYON * r + 1e-9) * pente});
        rainure -= 0.25 * std::exp(-std::pow((r - 0.62) / 0.05, 2.0));
    } else if (!dessus) {
        // The side darkens at its rounded edges; a king shows its two men.
        double bords = std::min(p.y, haut - p.y);
        rainure *= 0.75 + 0.25 * lisse(0.0, 0.03, bords);
        if (dame && st.matiere != GALET) rainure *= 0.55 + 0.45 * lisse(0.006, 0.018, std::fabs(p.y - HAUT_PION));
    }
    // Texture of the material.
    switch (st.matiere) {
        case BOIS:
            base = base * (0.9 + 0.12 * bruit(p.x * 40 + cx * 7, p.z * 6 + p.y * 30, 50));
            break;
        case IVOIRE:
            base = marbre((p.x + cx) * 3, (p.z + cz + p.y) * 3, base, noir ? Rgb{90, 90, 100} : Rgb{200, 190, 170}, 51);
            break;
        case BRAISE:
            if (noir)
                base = melange(base, Rgb{255, 90, 10}, std::pow(fbm((p.x + cx) * 8, (p.z + p.y) * 8, 52), 4.0) * 1.2);
            break;
        case GALET:
            base = base * (0.85 + 0.25 * fbm((p.x + cx) * 9, (p.z + cz + p.y) * 9, 53));
            break;
        default:
            break;
    }
    const V3 lum = unite({-0.4, 0.8, 0.45});
    double diffus = std::max(0.0, scal(n, lum));
    V3 demi = unite(lum - d);
    double reflet = std::pow(std::max(0.0, scal(n, demi)), st.matiere == GALET ? 12.0 : 40.0) * st.brillance;
    c = base * (0.38 + 0.7 * diffus) * rainure + Rgb{255, 250, 240} * (reflet * (noir ? 0.6 : 0.35));
    if (st.matiere == VERRE) {
        double fresnel = std::pow(1.0 - std::fabs(scal(n, d)), 3.0);
        c = melange(c, Rgb{255, 255, 255}, 0.5 * fresnel);
    }
    if (dame && dessus) {
        // The crown faces the viewer: its points aim away.
        Rgb cc;
        Rgb clair = st.matiere == LAQUE || st.matiere == BRAISE ? Rgb{255, 220, 110} : Rgb{255, 214, 70};
        if (couronne(20.5 + p.x / RAYON * 17.5, 20.5 + p.z / RAYON * 17.5 + 1.0, cc, clair, {186, 120, 20}))
            c = cc * (0.6 + 0.5 * diffus) + Rgb{255, 255, 255} * (reflet * 0.4);
    }
    return true;
}

}  // namespace

// Nelder-Mead over the camera's seven numbers.
Camera ajuster_camera(double& moyenne, double& pire) {
    constexpr int N = 7;
    auto vers = [](const double* v) { return Camera{v[0], v[1], v[2], v[3], v[4], v[5], v[6]}; };
    double depart[N] = {0, 12, 18, 0.85, 700, 380, 20};
    const double pas[N] = {1, 2, 2, 0.1, 100, 20, 20};
    double pts[N + 1][N], val[N + 1];
    for (int essai = 0; essai < 4; ++essai) {
        for (int i = 0; i <= N; ++i) {
            for (int j = 0; j < N; ++j) pts[i][j] = depart[j] + (i == j + 1 ? pas[j] : 0);
            val[i] = ecart(vers(pts[i]));
        }
        for (int it = 0; it < 6000; ++it) {
            int h = 0, l = 0;
            for (int i = 1; i <= N; ++i) {
                if (val[i] > val[h]) h = i;
                if (val[i] < val[l]) l = i;
            }
            int s = l;
            for (int i = 0; i <= N; ++i)
                if (i != h && val[i] > val[s]) s = i;
            double g[N] = {};
            for (int i = 0; i <= N; ++i)
                if (i != h)
                    for (int j = 0; j < N; ++j) g[j] += pts[i][j] / N;
            auto essayer = [&](double k, double* out) {
                for (int j = 0; j < N; ++j) out[j] = g[j] + k * (pts[h][j] - g[j]);
                return ecart(vers(out));
            };
            double r[N], e[N];
            double fr = essayer(-1, r);
            if (fr < val[l]) {
                double fe = essayer(-2, e);
                if (fe < fr)
                    std::copy(e, e + N, pts[h]), val[h] = fe;
                else
                    std::copy(r, r + N, pts[h]), val[h] = fr;
            } else if (fr < val[s]) {
                std::copy(r, r + N, pts[h]), val[h] = fr;
            } else {
                double fc = essayer(0.5, e);
                if (fc < val[h]) {
                    std::copy(e, e + N, pts[h]), val[h] = fc;
                } else {
                    for (int i = 0; i <= N; ++i)
                        if (i != l) {
                            for (int j = 0; j < N; ++j) pts[i][j] = pts[l][j] + 0.5 * (pts[i][j] - pts[l][j]);
                            val[i] = ecart(vers(pts[i]));
                        }
                }
            }
        }
        int l = 0;
        for (int i = 1; i <= N; ++i)
            if (val[i] < val[l]) l = i;
        std::copy(pts[l], pts[l] + N, depart);
    }
    Camera c = vers(depart);
    Repere rep(c);
    moyenne = 0, pire = 0;
    for (int i = 1; i <= NB_POSITIONS; ++i) {
        double x, y;
        rep.projeter(centre_case(i) + k_ancre, x, y);
        double e = std::hypot(x - k_pos3d_x[i], y - k_pos3d_y[i]);
        moyenne += e / NB_POSITIONS;
        pire = std::max(pire, e);
    }
    return c;
}

namespace {

// The camera seeing the same view on a picture `f` times larger.
Camera agrandir(Camera c, int f) {
    c.focale *= f, c.px *= f, c.py *= f;
    return c;
}

}  // namespace

Scene::Scene(const Camera& c, int jeu, int facteur)
    : cam_(agrandir(c, facteur)), jeu_(jeu), facteur_(facteur), fond_(LARGEUR * facteur, HAUTEUR * facteur) {
    const Repere rep(cam_);
    constexpr int SUR = 3;
    for (int y = 0; y < fond_.h; ++y)
        for (int x = 0; x < fond_.l; ++x) {
            Rgb s{0, 0, 0};
            for (int j = 0; j < SUR; ++j)
                for (int i = 0; i < SUR; ++i)
                    s = s + scene(jeu, rep.o, rep.rayon(x + (i + 0.5) / SUR, y + (j + 0.5) / SUR));
            s = s * (1.0 / (SUR * SUR));
            uint8_t* o = fond_.px(x, y);
            o[0] = octet(s.r), o[1] = octet(s.g), o[2] = octet(s.b);
        }
    // Each picture reaches from the table's corner to the far side of a
    // king and its shadow.
    for (int i = 1; i <= NB_POSITIONS; ++i) {
        V3 ctr = centre_case(i);
        double xmax = 0, ymax = 0;
        for (int a = 0; a < 96; ++a) {
            double ang = a * 6.283185307179586 / 96;
            for (double h : {0.0, HAUT_DAME}) {
                double r = h == 0 ? RAYON + OMBRE : RAYON;
                double x, y;
                rep.projeter({ctr.x + r * std::cos(ang), h, ctr.z + r * std::sin(ang)}, x, y);
                xmax = std::max(xmax, x), ymax = std::max(ymax, y);
            }
        }
        const int x0 = k_pos3d_x[i] * facteur, y0 = k_pos3d_y[i] * facteur;
        cadres_[i] = {x0, y0, static_cast<int>(std::ceil(xmax)) + 1 - x0, static_cast<int>(std::ceil(ymax)) + 1 - y0};
    }
    cadres_[0] = {0, 0, 0, 0};
}

void Scene::centre(int position, double& x, double& y) const {
    Repere(cam_).projeter(centre_case(position), x, y);
}

Image Scene::piece(int code, int position) const {
    const Cadre k = cadres_[position];
    Image img(k.l, k.h);
    const Repere rep(cam_);
    const V3 ctr = centre_case(position);
    constexpr int SUR = 3;
    for (int y = 0; y < k.h; ++y)
        for (int x = 0; x < k.l; ++x) {
            const uint8_t* f = fond_.px(k.x + x, k.y + y);
            const Rgb fond{double(f[0]), double(f[1]), double(f[2])};
            Rgb s{0, 0, 0};
            for (int j = 0; j < SUR; ++j)
                for (int i = 0; i < SUR; ++i) {
                    double sx = k.x + x + (i + 0.5) / SUR, sy = k.y + y + (j + 0.5) / SUR;
                    V3 d = rep.rayon(sx, sy);
                    Rgb c;
                    if (code != 0 && toucher_piece(jeu_, code, ctr.x, ctr.z, rep.o, d, c)) {
                        if (style(jeu_).matiere == VERRE) c = melange(c, fond, 0.35);
                        s = s + c;
                        continue;
                    }
                    double ombre = 1.0;
                    if (code != 0 && d.y < 0) {
                        // Contact shadow, offset away from the light.
                        double t = -rep.o.y / d.y;
                        double px = rep.o.x + d.x * t - ctr.x - 0.025, pz = rep.o.z + d.z * t - ctr.z - 0.02;
                        ombre = 1.0 - 0.45 * (1.0 - lisse(RAYON - 0.02, RAYON + OMBRE - 0.025, std::hypot(px, pz)));
                    }
                    s = s + fond * ombre;
                }
            s = s * (1.0 / (SUR * SUR));
            uint8_t* o = img.px(x, y);
            o[0] = octet(s.r), o[1] = octet(s.g), o[2] = octet(s.b);
        }
    return img;
}

}  // namespace gen3d
