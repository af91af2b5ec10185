#include "bmp.h"

#include <cstdio>

namespace gen3d {

namespace {

void le16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(v & 0xff);
    b.push_back((v >> 8) & 0xff);
}
void le32(std::vector<uint8_t>& b, uint32_t v) {
    le16(b, v & 0xffff);
    le16(b, v >> 16);
}
uint32_t lit32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

}  // namespace

// Rows bottom-up in BGR, each padded to 4 bytes.
bool ecrire_bmp(const std::string& chemin, const Image& img) {
    const uint32_t ligne = (img.l * 3 + 3) & ~3u;
    const uint32_t taille_pixels = ligne * img.h;
    std::vector<uint8_t> b;
    b.reserve(54 + taille_pixels);
    b.push_back('B');
    b.push_back('M');
    le32(b, 54 + taille_pixels);
    le32(b, 0);
    le32(b, 54);
    le32(b, 40);
    le32(b, img.l);
    le32(b, img.h);
    le16(b, 1);
    le16(b, 24);
    le32(b, 0);
    le32(b, taille_pixels);
    le32(b, 2835);  // 72 dpi
    le32(b, 2835);
    le32(b, 0);
    le32(b, 0);
    for (int y = img.h - 1; y >= 0; --y) {
        for (int x = 0; x < img.l; ++x) {
            const uint8_t* p = img.px(x, y);
            b.push_back(p[2]);
            b.push_back(p[1]);
            b.push_back(p[0]);
        }
        for (uint32_t k = img.l * 3; k < ligne; ++k) b.push_back(0);
    }
    FILE* f = std::fopen(chemin.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(b.data(), 1, b.size(), f) == b.size();
    return std::fclose(f) == 0 && ok;
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
