#include "bmp.h"

#include <cstdio>

#include "bmp24.h"

namespace gen3d {

namespace {

uint32_t lit32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

}  // namespace

bool ecrire_bmp(const std::string& chemin, const Image& img) {
    return outils::ecrire_bmp24(chemin, img.rgb.data(), img.l, img.h);
}

// Only the uncompressed 24-bit files this generator writes.
bool lire_bmp(const std::string& chemin, Image& img) {
    FILE* f = std::fopen(chemin.c_str(), "rb");
    if (!f) return false;
    std::vector<uint8_t> b;
    uint8_t tampon[65536];
    for (size_t n; (n = std::fread(tampon, 1, sizeof tampon, f)) > 0;) b.insert(b.end(), tampon, tampon + n);
    std::fclose(f);
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || b[28] != 24) return false;
    const int l = static_cast<int>(lit32(&b[18])), h = static_cast<int>(lit32(&b[22]));
    const uint32_t debut = lit32(&b[10]), ligne = (l * 3 + 3) & ~3u;
    if (l <= 0 || h <= 0 || b.size() < debut + static_cast<size_t>(ligne) * h) return false;
    img = Image(l, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < l; ++x) {
            const uint8_t* s = &b[debut + static_cast<size_t>(h - 1 - y) * ligne + x * 3];
            uint8_t* d = img.px(x, y);
            d[0] = s[2], d[1] = s[1], d[2] = s[0];
        }
    return true;
}

void coller(Image& dest, const Image& img, int x, int y) {
    for (int j = 0; j < img.h; ++j)
        for (int i = 0; i < img.l; ++i) {
            int dx = x + i, dy = y + j;
            if (dx < 0 || dy < 0 || dx >= dest.l || dy >= dest.h) continue;
            const uint8_t* s = img.px(i, j);
            uint8_t* d = dest.px(dx, dy);
            d[0] = s[0], d[1] = s[1], d[2] = s[2];
        }
}

}  // namespace gen3d
