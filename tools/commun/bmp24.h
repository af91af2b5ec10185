// The one 24-bit BMP writer of the picture generators.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace outils {

// `rgb` holds largeur x hauteur pixels, top row first; the file stores rows
// bottom-up in BGR, each padded to 4 bytes.
inline bool ecrire_bmp24(const std::string& chemin, const uint8_t* rgb, int largeur, int hauteur) {
    auto le16 = [](std::vector<uint8_t>& b, uint32_t v) {
        b.push_back(v & 0xff);
        b.push_back((v >> 8) & 0xff);
    };
    auto le32 = [&](std::vector<uint8_t>& b, uint32_t v) {
        le16(b, v & 0xffff);
        le16(b, v >> 16);
    };
    const uint32_t l = static_cast<uint32_t>(largeur), h = static_cast<uint32_t>(hauteur);
    const uint32_t ligne = (l * 3 + 3) & ~3u;
    const uint32_t taille_pixels = ligne * h;
    std::vector<uint8_t> b;
    b.reserve(54 + taille_pixels);
    b.push_back('B');
    b.push_back('M');
    le32(b, 54 + taille_pixels);
    le32(b, 0);
    le32(b, 54);
    le32(b, 40);
    le32(b, l);
    le32(b, h);
    le16(b, 1);
    le16(b, 24);
    le32(b, 0);
    le32(b, taille_pixels);
    le32(b, 2835);  // 72 dpi
    le32(b, 2835);
    le32(b, 0);
    le32(b, 0);
    for (uint32_t y = h; y-- > 0;) {
        for (uint32_t x = 0; x < l; ++x) {
            const uint8_t* p = rgb + (static_cast<size_t>(y) * l + x) * 3;
            b.push_back(p[2]);
            b.push_back(p[1]);
            b.push_back(p[0]);
        }
        for (uint32_t k = l * 3; k < ligne; ++k) b.push_back(0);
    }
    FILE* f = std::fopen(chemin.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(b.data(), 1, b.size(), f) == b.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace outils
