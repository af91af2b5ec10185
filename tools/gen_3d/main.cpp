// Draws the eight 3D board sets: per set the board pictures
// "damierNc.bmp" / "damierNwc.bmp" and the start-screen miniature in the
// program directory, and the 360 position pictures "ppN_i.bmp" in the
// set's directory (sets 1 and 2 share "Images1c"); then the same pictures
// twice as large in a "grandes" subdirectory of each. Every picture comes
// from one camera fitted to the screen position table, so pasting the 72
// pictures of a position over the board gives one seamless picture; the
// generator checks that before it writes anything.
//
//   gen_3d DIR SET            SET 1..8, or 2d for the 2D miniature
//   gen_3d --composer DIR SET POSITION OUT.bmp
//       pastes the written pictures of POSITION (72 digits 0..4, or
//       "depart") over board SET in order 1..72, as the window does
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "bmp.h"
#include "scene.h"

using namespace gen3d;

namespace {

const char k_prefixes[5][3] = {"pv", "pb", "db", "pn", "dn"};
constexpr int HAUT_BANDE = 56;  // the "wc" picture: the band above every position picture

std::string depart() {
    std::string s(NB_POSITIONS, '0');
    for (int i = 0; i < 30; ++i) s[i] = '3';
    for (int i = 42; i < 72; ++i) s[i] = '1';
    return s;
}

Image reduire(const Image& img, int facteur) {
    Image r(img.l / facteur, img.h / facteur);
    for (int y = 0; y < r.h; ++y)
        for (int x = 0; x < r.l; ++x)
            for (int c = 0; c < 3; ++c) {
                int s = 0;
                for (int j = 0; j < facteur; ++j)
                    for (int i = 0; i < facteur; ++i) s += img.px(x * facteur + i, y * facteur + j)[c];
                r.px(x, y)[c] = static_cast<uint8_t>((s + facteur * facteur / 2) / (facteur * facteur));
            }
    return r;
}

// A piece's pixels may differ from the board only inside its own picture
// and outside every other position's: then any order of pasting, and any
// single square redrawn later, leaves its neighbours whole.
bool verifier(const Scene& sc, const Image pieces[5][NB_POSITIONS + 1], const char* nom) {
    int fautes = 0;
    for (int i = 1; i <= NB_POSITIONS; ++i) {
        const Cadre a = sc.cadre(i);
        for (int code = 1; code <= 4; ++code)
            for (int y = 0; y < a.h; ++y)
                for (int x = 0; x < a.l; ++x) {
                    const uint8_t* p = pieces[code][i].px(x, y);
                    const uint8_t* f = sc.fond().px(a.x + x, a.y + y);
                    if (p[0] == f[0] && p[1] == f[1] && p[2] == f[2]) continue;
                    const int gx = a.x + x, gy = a.y + y;
                    if (x == 0 || y == 0) {  // clipped at the table's corner
                        if (!fautes++ || std::getenv("GEN_3D_BAVARD"))
                            std::fprintf(stderr, "gen_3d: %s: piece %d clipped on its picture's edge\n", nom, i);
                    }
                    for (int j = 1; j <= NB_POSITIONS; ++j) {
                        const Cadre b = sc.cadre(j);
                        if (j != i && gx >= b.x && gx < b.x + b.l && gy >= b.y && gy < b.y + b.h &&
                            (!fautes++ || std::getenv("GEN_3D_BAVARD")))
                            std::fprintf(stderr, "gen_3d: %s: piece %d reaches into picture %d\n", nom, i, j);
                    }
                }
        // Clicking the middle of a square picks that square: inside its
        // area and in no later one. Clicks land on the screen's size only.
        if (sc.facteur() != 1) continue;
        double cx, cy;
        sc.centre(i, cx, cy);
        int trouve = 0;
        for (int k = 0; k < 12; ++k) {
            const int y0 = k_pos3d_y[6 * k + 1];
            if (!(y0 < cy && cy < y0 + 40)) continue;
            for (int j = 6 * k + 1; j <= 6 * k + 6; ++j)
                if (k_pos3d_x[j] < cx && cx < k_pos3d_x[j] + 60) trouve = j;
        }
        if (trouve != i) {
            std::fprintf(stderr, "gen_3d: %s: a click on square %d's middle picks %d\n", nom, i, trouve);
            ++fautes;
        }
    }
    if (fautes) std::fprintf(stderr, "gen_3d: %s: %d pixels of pieces outside their own picture\n", nom, fautes);
    return fautes == 0;
}

Image composer(const Image& fond, const Image& bande, const Image pieces[5][NB_POSITIONS + 1], const std::string& pos) {
    Image img = fond;
    coller(img, bande, 0, 0);
    for (int i = 1; i <= NB_POSITIONS; ++i) coller(img, pieces[pos[i - 1] - '0'][i], k_pos3d_x[i], k_pos3d_y[i]);
    return img;
}

bool ecrire(const std::string& chemin, const Image& img) {
    if (ecrire_bmp(chemin, img)) return true;
    std::fprintf(stderr, "gen_3d: cannot write %s\n", chemin.c_str());
    return false;
}

// The flat yellow board of the 2D display, with the opening position.
int miniature_2d(const std::string& dir) {
    constexpr int CASE = 9, BORD = 4, N = 12 * CASE + 2 * BORD;
    Image img(N, N);
    constexpr int SUR = 4;
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            double s[3] = {0, 0, 0};
            for (int j = 0; j < SUR; ++j)
                for (int i = 0; i < SUR; ++i) {
                    double px = x + (i + 0.5) / SUR - BORD, py = y + (j + 0.5) / SUR - BORD;
                    double c[3] = {120, 70, 30};
                    if (px >= 0 && py >= 0 && px < 12 * CASE && py < 12 * CASE) {
                        int col = static_cast<int>(px / CASE), row = static_cast<int>(py / CASE);
                        bool fonce = (row + col) % 2 == 1;
                        c[0] = fonce ? 196 : 246, c[1] = fonce ? 128 : 222, c[2] = fonce ? 50 : 160;
                        double dx = px - (col + 0.5) * CASE, dy = py - (row + 0.5) * CASE;
                        double r = std::hypot(dx, dy) / (0.4 * CASE);
                        if (fonce && (row < 5 || row > 6) && r < 1.0) {
                            bool noir = row < 5;
                            double l = 1.0 - 0.25 * (dx + dy) / (0.4 * CASE);
                            double b = noir ? 50 : 236;
                            c[0] = b * l, c[1] = (noir ? 40 : 226) * l, c[2] = (noir ? 36 : 204) * l;
                        }
                    }
                    for (int k = 0; k < 3; ++k) s[k] += c[k];
                }
            for (int k = 0; k < 3; ++k) img.px(x, y)[k] = static_cast<uint8_t>(std::min(255.0, s[k] / (SUR * SUR)));
        }
    return ecrire(dir + "/mini2dc.bmp", img) ? 0 : 1;
}

// The band of the "wc" picture: the top rows of the board.
Image bande_de(const Scene& sc) {
    Image bande(sc.fond().l, HAUT_BANDE * sc.facteur());
    for (int y = 0; y < bande.h; ++y) std::memcpy(bande.px(0, y), sc.fond().px(0, y), 3 * static_cast<size_t>(bande.l));
    return bande;
}

bool dessiner_pieces(const Scene& sc, Image pieces[5][NB_POSITIONS + 1], const char* nom) {
    for (int i = 1; i <= NB_POSITIONS; ++i)
        for (int code = 0; code < 5; ++code) pieces[code][i] = sc.piece(code, i);
    return verifier(sc, pieces, nom) || std::getenv("GEN_3D_FORCER");
}

// The board pictures into `dir`/`sous` and the position pictures into the
// set's directory's `sous`.
bool ecrire_jeu(const std::string& dir, const std::string& sous, int n, const Scene& sc, const Image& bande,
                const Image pieces[5][NB_POSITIONS + 1]) {
    const Jeu3d& jeu = k_jeux[n - 1];
    const std::string num = std::to_string(n);
    std::error_code erreur;
    std::filesystem::create_directories(dir + "/" + sous, erreur);
    if (!ecrire(dir + "/" + sous + "damier" + num + "c.bmp", sc.fond())) return false;
    if (!ecrire(dir + "/" + sous + "damier" + num + "wc.bmp", bande)) return false;
    if (!*jeu.dossier) return true;
    const std::string dossier = dir + "/" + jeu.dossier + "/" + sous;
    std::filesystem::create_directories(dossier, erreur);
    for (int i = 1; i <= NB_POSITIONS; ++i)
        for (int code = 0; code < 5; ++code) {
            std::string nom =
                std::string(k_prefixes[code]) + std::to_string(jeu.chiffre) + "_" + std::to_string(i) + ".bmp";
            if (!ecrire(dossier + nom, pieces[code][i])) return false;
        }
    return true;
}

int generer(const std::string& dir, int n) {
    const Jeu3d& jeu = k_jeux[n - 1];
    double moyenne, pire;
    const Camera cam = ajuster_camera(moyenne, pire);
    if (std::getenv("GEN_3D_BAVARD"))
        std::printf("%s: camera fit to the position table: mean %.2f px, worst %.2f px\n", jeu.nom, moyenne, pire);
    static Image pieces[5][NB_POSITIONS + 1];
    const Scene sc(cam, n);
    if (!dessiner_pieces(sc, pieces, jeu.nom)) return 1;
    const Image bande = bande_de(sc);
    if (!ecrire_jeu(dir, "", n, sc, bande, pieces)) return 1;
    if (!ecrire(dir + "/" + jeu.mini, reduire(composer(sc.fond(), bande, pieces, depart()), 5))) return 1;
    // The same set twice as large, for an enlarged window.
    static Image grandes[5][NB_POSITIONS + 1];
    const Scene sc2(cam, n, 2);
    if (!dessiner_pieces(sc2, grandes, jeu.nom)) return 1;
    return ecrire_jeu(dir, "grandes/", n, sc2, bande_de(sc2), grandes) ? 0 : 1;
}

int composer_fichiers(const std::string& dir, int n, std::string pos, const std::string& sortie) {
    if (pos == "depart") pos = depart();
    if (pos.size() != NB_POSITIONS || pos.find_first_not_of("01234") != std::string::npos) {
        std::fprintf(stderr, "gen_3d: a position is 72 digits 0..4\n");
        return 2;
    }
    const Jeu3d& jeu = k_jeux[n - 1];
    const std::string dossier = *jeu.dossier ? jeu.dossier : "Images1c";
    Image fond, bande;
    static Image pieces[5][NB_POSITIONS + 1];
    std::string num = std::to_string(n);
    bool ok = lire_bmp(dir + "/damier" + num + "c.bmp", fond) && lire_bmp(dir + "/damier" + num + "wc.bmp", bande);
    for (int i = 1; i <= NB_POSITIONS && ok; ++i)
        for (int code = 0; code < 5 && ok; ++code)
            ok = lire_bmp(dir + "/" + dossier + "/" + k_prefixes[code] + std::to_string(jeu.chiffre) + "_" +
                              std::to_string(i) + ".bmp",
                          pieces[code][i]);
    if (!ok) {
        std::fprintf(stderr, "gen_3d: the pictures of set %d are missing or unreadable in %s\n", n, dir.c_str());
        return 1;
    }
    return ecrire(sortie, composer(fond, bande, pieces, pos)) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 6 && std::strcmp(argv[1], "--composer") == 0) {
        int n = std::atoi(argv[3]);
        if (n < 1 || n > 8) return 2;
        return composer_fichiers(argv[2], n, argv[4], argv[5]);
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: gen_3d DIR SET (1..8 or 2d) | gen_3d --composer DIR SET POSITION OUT.bmp\n");
        return 2;
    }
    if (std::strcmp(argv[2], "2d") == 0) return miniature_2d(argv[1]);
    int n = std::atoi(argv[2]);
    if (n < 1 || n > 8) {
        std::fprintf(stderr, "gen_3d: no set %s\n", argv[2]);
        return 2;
    }
    return generer(argv[1], n);
}
