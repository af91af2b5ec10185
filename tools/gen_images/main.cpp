// Draws the 2D board pictures (yellow wooden board, shaded men, crowned
// kings) as 41x41 24-bit BMP files. Pure arithmetic with a fixed seed, so
// every build writes the same bytes.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bmp24.h"
#include "bruit.h"
#include "png.h"

namespace {

constexpr int N = 41;
constexpr int SUR = 5;  // samples per pixel along each axis (anti-aliasing)

struct Rgb {
    double r, g, b;
};

Rgb melange(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgb echelle(Rgb a, double k) {
    return {a.r * k, a.g * k, a.b * k};
}
using outils::borne;
using outils::bruit;
using outils::lisse;

// Wood with the grain running across the cell, rings bent by noise.
Rgb bois(double x, double y, Rgb clair, Rgb fonce, int graine, double force) {
    double courbe = 3.0 * bruit(x * 0.06, y * 0.12, graine) + 1.2 * bruit(x * 0.2, y * 0.35, graine + 7);
    double anneaux = 0.5 + 0.5 * std::sin((y + courbe * 4.0) * 0.9 + graine);
    anneaux = std::pow(anneaux, 3.0);
    double fibres = bruit(x * 0.9, y * 0.08, graine + 13);
    double t = borne(force * (0.65 * anneaux + 0.35 * fibres), 0.0, 1.0);
    return melange(clair, fonce, t);
}

const Rgb k_case_claire_1{250, 232, 168}, k_case_claire_2{228, 196, 120};
const Rgb k_case_sombre_1{214, 150, 58}, k_case_sombre_2{160, 96, 30};

Rgb case_sombre(double x, double y) {
    return bois(x, y, k_case_sombre_1, k_case_sombre_2, 3, 0.85);
}
Rgb case_claire(double x, double y) {
    return bois(x, y, k_case_claire_1, k_case_claire_2, 11, 0.6);
}

enum Piece { AUCUNE, PION_BLANC, DAME_BLANCHE, PION_NOIR, DAME_NOIRE };

constexpr double CX = 20.5, CY = 20.5, RAYON = 16.6;

double dist_segment(double px, double py, double ax, double ay, double bx, double by) {
    double vx = bx - ax, vy = by - ay;
    double t = borne(((px - ax) * vx + (py - ay) * vy) / (vx * vx + vy * vy), 0.0, 1.0);
    double dx = px - (ax + t * vx), dy = py - (ay + t * vy);
    return std::sqrt(dx * dx + dy * dy);
}

// The crown: a band with three points, each tipped with a ball.
const double k_couronne[][2] = {{12.0, 27.0}, {12.0, 16.0}, {16.2, 21.0}, {20.5, 13.5},
                                {24.8, 21.0}, {29.0, 16.0}, {29.0, 27.0}};
constexpr int NB_COURONNE = 7;
const double k_perles[][2] = {{12.0, 14.6}, {20.5, 12.0}, {29.0, 14.6}};

bool dans_polygone(double x, double y) {
    bool dedans = false;
    for (int i = 0, j = NB_COURONNE - 1; i < NB_COURONNE; j = i++) {
        double xi = k_couronne[i][0], yi = k_couronne[i][1], xj = k_couronne[j][0], yj = k_couronne[j][1];
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) dedans = !dedans;
    }
    return dedans;
}

// Colour of the crown at a point, or false outside it.
bool couronne(double x, double y, Rgb& c) {
    const Rgb or_clair{255, 222, 90}, or_fonce{190, 128, 20}, trait{70, 40, 5};
    double bord = 1e9;
    for (int i = 0, j = NB_COURONNE - 1; i < NB_COURONNE; j = i++)
        bord =
            std::min(bord, dist_segment(x, y, k_couronne[j][0], k_couronne[j][1], k_couronne[i][0], k_couronne[i][1]));
    bool dans = dans_polygone(x, y);
    for (const auto& p : k_perles) {
        double d = std::hypot(x - p[0], y - p[1]);
        if (d < 2.3) {
            Rgb perle = melange(or_clair, or_fonce, borne((x - p[0] + y - p[1]) / 4.0 + 0.5, 0, 1));
            c = d > 1.5 ? trait : perle;
            return true;
        }
    }
    if (!dans && bord > 0.8) return false;
    if (bord < 0.8) {
        c = trait;
        return true;
    }
    // Band across the base, gems on it.
    if (y > 23.0 && y < 24.0) {
        c = or_fonce;
        return true;
    }
    if (y > 24.0 && (std::hypot(x - 16.0, y - 25.5) < 1.1 || std::hypot(x - 25.0, y - 25.5) < 1.1)) {
        c = {200, 30, 40};
        return true;
    }
    if (y > 24.0 && std::hypot(x - 20.5, y - 25.5) < 1.1) {
        c = {40, 90, 210};
        return true;
    }
    c = melange(or_clair, or_fonce, borne((y - 14.0) / 14.0 + (x - 20.5) / 40.0, 0, 1));
    return true;
}

// One sample of the picture of a piece code on its dark square.
Rgb echantillon(Piece p, double x, double y) {
    Rgb fond = case_sombre(x, y);
    if (p == AUCUNE) return fond;
    bool noir = p == PION_NOIR || p == DAME_NOIRE;

    // Soft shadow cast down and right.
    double ds = std::hypot(x - (CX + 1.6), y - (CY + 2.0));
    fond = echelle(fond, 1.0 - 0.45 * (1.0 - lisse(RAYON - 1.5, RAYON + 1.5, ds)));

    double dx = x - CX, dy = y - CY;
    double r = std::hypot(dx, dy);
    if (r > RAYON) return fond;

    // Flat top, rounded bevel near the rim: the normal leans outwards there.
    double u = r / RAYON;
    double pente = lisse(0.78, 1.0, u) * 1.2;
    double nx = r > 0 ? dx / r * pente : 0, ny = r > 0 ? dy / r * pente : 0, nz = 1.0;
    double nn = std::sqrt(nx * nx + ny * ny + nz * nz);
    nx /= nn, ny /= nn, nz /= nn;
    const double lx = -0.45, ly = -0.55, lz = 0.70;
    double diffus = borne(nx * lx + ny * ly + nz * lz, 0.0, 1.0);
    // Specular from a viewer straight above.
    double rz = 2 * diffus * nz - lz;
    double reflet = std::pow(borne(rz, 0.0, 1.0), 24.0);

    Rgb base = noir ? Rgb{52, 40, 36} : Rgb{246, 238, 218};
    Rgb ombre = noir ? Rgb{14, 10, 10} : Rgb{178, 164, 138};
    Rgb c = melange(ombre, base, borne(0.25 + 0.9 * diffus, 0.0, 1.0));
    // Turned grooves on the top face.
    double sillon = std::exp(-std::pow((u - 0.66) / 0.035, 2.0)) + 0.6 * std::exp(-std::pow((u - 0.44) / 0.03, 2.0));
    c = echelle(c, 1.0 - (noir ? 0.35 : 0.16) * sillon);
    double brillance = noir ? 150.0 : 60.0;
    c = {c.r + brillance * reflet, c.g + brillance * reflet, c.b + brillance * reflet};
    // A thin dark rim separates the piece from the board.
    c = melange(c, Rgb{30, 20, 10}, lisse(RAYON - 1.0, RAYON, r) * 0.8);

    if (p == DAME_BLANCHE || p == DAME_NOIRE) {
        Rgb cc;
        if (couronne(x, y, cc)) c = cc;
    }
    return c;
}

using Image = std::vector<uint8_t>;  // N*N*3, top row first, RGB

// A picture of n x n pixels; f is sampled in the 41-pixel cell's units.
template <typename F>
Image dessiner(F f, int n = N) {
    const double k = static_cast<double>(N) / n;
    Image img(n * n * 3);
    for (int py = 0; py < n; ++py)
        for (int px = 0; px < n; ++px) {
            Rgb s{0, 0, 0};
            for (int j = 0; j < SUR; ++j)
                for (int i = 0; i < SUR; ++i) {
                    Rgb e = f((px + (i + 0.5) / SUR) * k, (py + (j + 0.5) / SUR) * k);
                    s.r += e.r, s.g += e.g, s.b += e.b;
                }
            s = echelle(s, 1.0 / (SUR * SUR));
            uint8_t* o = &img[(py * n + px) * 3];
            o[0] = static_cast<uint8_t>(std::lround(borne(s.r, 0, 255)));
            o[1] = static_cast<uint8_t>(std::lround(borne(s.g, 0, 255)));
            o[2] = static_cast<uint8_t>(std::lround(borne(s.b, 0, 255)));
        }
    return img;
}

bool ecrire_bmp(const std::string& chemin, const Image& img, int n = N) {
    return outils::ecrire_bmp24(chemin, img.data(), n, n);
}

// The program's icon: a white king on its dark square, the square's
// corners rounded off, n x n RGBA.
std::vector<uint8_t> icone(int n) {
    const double k = static_cast<double>(N) / n, rayon = 7.0;
    std::vector<uint8_t> img(static_cast<size_t>(n) * n * 4);
    for (int py = 0; py < n; ++py)
        for (int px = 0; px < n; ++px) {
            Rgb s{0, 0, 0};
            int dedans = 0;
            for (int j = 0; j < SUR; ++j)
                for (int i = 0; i < SUR; ++i) {
                    const double x = (px + (i + 0.5) / SUR) * k, y = (py + (j + 0.5) / SUR) * k;
                    const double cx = borne(x, rayon, N - rayon), cy = borne(y, rayon, N - rayon);
                    if (std::hypot(x - cx, y - cy) > rayon) continue;
                    Rgb e = echantillon(DAME_BLANCHE, x, y);
                    s.r += e.r, s.g += e.g, s.b += e.b;
                    ++dedans;
                }
            uint8_t* o = &img[(static_cast<size_t>(py) * n + px) * 4];
            if (dedans > 0) s = echelle(s, 1.0 / dedans);
            o[0] = static_cast<uint8_t>(std::lround(borne(s.r, 0, 255)));
            o[1] = static_cast<uint8_t>(std::lround(borne(s.g, 0, 255)));
            o[2] = static_cast<uint8_t>(std::lround(borne(s.b, 0, 255)));
            o[3] = static_cast<uint8_t>(std::lround(255.0 * dedans / (SUR * SUR)));
        }
    return img;
}

}  // namespace

int main(int argc, char** argv) {
    // gen_images --icone SIZE FILE.png: the desktop icon at one size.
    if (argc == 4 && std::string(argv[1]) == "--icone") {
        const int n = std::atoi(argv[2]);
        if (n < 8 || n > 1024) {
            std::fprintf(stderr, "gen_images: icon size %s out of range\n", argv[2]);
            return 2;
        }
        const std::vector<uint8_t> img = icone(n);
        if (!outils::ecrire_png(argv[3], img.data(), n, n)) {
            std::fprintf(stderr, "gen_images: cannot write %s\n", argv[3]);
            return 1;
        }
        return 0;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_images OUTPUT_DIR | gen_images --icone SIZE FILE.png\n");
        return 2;
    }
    const std::string dir = argv[1];
    struct Sortie {
        const char* nom;
        int piece;  // -1: light square
    };
    const Sortie sorties[] = {{"1pva.bmp", AUCUNE},    {"1pba.BMP", PION_BLANC}, {"1dba.bmp", DAME_BLANCHE},
                              {"1pna.bmp", PION_NOIR}, {"1dna.bmp", DAME_NOIRE}, {"1cache.BMP", -1}};
    for (const Sortie& s : sorties) {
        Image img = s.piece < 0 ? dessiner([](double x, double y) { return case_claire(x, y); })
                                : dessiner([&](double x, double y) { return echantillon(Piece(s.piece), x, y); });
        std::string chemin = dir + "/" + s.nom;
        if (!ecrire_bmp(chemin, img)) {
            std::fprintf(stderr, "gen_images: cannot write %s\n", chemin.c_str());
            return 1;
        }
    }
    // The same pictures four times larger, for a scaled window: drawn down
    // to any cell size they stay sharp.
    const std::string grandes = dir + "/grandes";
    std::error_code erreur;
    std::filesystem::create_directories(grandes, erreur);
    for (const Sortie& s : sorties) {
        Image img = s.piece < 0
                        ? dessiner([](double x, double y) { return case_claire(x, y); }, 4 * N)
                        : dessiner([&](double x, double y) { return echantillon(Piece(s.piece), x, y); }, 4 * N);
        std::string chemin = grandes + "/" + s.nom;
        if (!ecrire_bmp(chemin, img, 4 * N)) {
            std::fprintf(stderr, "gen_images: cannot write %s\n", chemin.c_str());
            return 1;
        }
    }
    // The set-up window's selection pictures, 48 pixels wide.
    const Sortie selection[] = {{"b48.Bmp", PION_BLANC},
                                {"bd48.Bmp", DAME_BLANCHE},
                                {"n48.Bmp", PION_NOIR},
                                {"nd48.Bmp", DAME_NOIRE},
                                {"v48.Bmp", AUCUNE}};
    for (const Sortie& s : selection) {
        Image img = dessiner([&](double x, double y) { return echantillon(Piece(s.piece), x, y); }, 48);
        std::string chemin = dir + "/" + s.nom;
        if (!ecrire_bmp(chemin, img, 48)) {
            std::fprintf(stderr, "gen_images: cannot write %s\n", chemin.c_str());
            return 1;
        }
    }
    return 0;
}
