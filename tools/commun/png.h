// A PNG writer for the desktop icons: 8-bit RGBA, the image data in
// stored (uncompressed) deflate blocks, so no compression library is
// needed. Icons are small; the files stay a few hundred kilobytes at most.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace outils {

namespace png_detail {

inline uint32_t crc32(const uint8_t* p, size_t n, uint32_t crc = 0) {
    static uint32_t table[256];
    static bool pret = false;
    if (!pret) {
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
            table[i] = c;
        }
        pret = true;
    }
    crc = ~crc;
    for (size_t i = 0; i < n; ++i) crc = table[(crc ^ p[i]) & 0xff] ^ (crc >> 8);
    return ~crc;
}

inline void be32(std::vector<uint8_t>& b, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) b.push_back(static_cast<uint8_t>(v >> s));
}

inline void bloc(std::vector<uint8_t>& f, const char type[4], const std::vector<uint8_t>& donnees) {
    be32(f, static_cast<uint32_t>(donnees.size()));
    std::vector<uint8_t> t(type, type + 4);
    t.insert(t.end(), donnees.begin(), donnees.end());
    f.insert(f.end(), t.begin(), t.end());
    be32(f, crc32(t.data(), t.size()));
}

}  // namespace png_detail

// `rgba` holds largeur x hauteur pixels, top row first.
inline bool ecrire_png(const std::string& chemin, const uint8_t* rgba, int largeur, int hauteur) {
    using namespace png_detail;
    const uint32_t l = static_cast<uint32_t>(largeur), h = static_cast<uint32_t>(hauteur);
    std::vector<uint8_t> brut;  // each row behind its filter byte (0: none)
    brut.reserve((l * 4 + 1) * h);
    for (uint32_t y = 0; y < h; ++y) {
        brut.push_back(0);
        brut.insert(brut.end(), rgba + size_t(y) * l * 4, rgba + size_t(y + 1) * l * 4);
    }
    std::vector<uint8_t> z = {0x78, 0x01};
    for (size_t i = 0; i < brut.size() || i == 0; i += 65535) {
        const size_t n = std::min<size_t>(65535, brut.size() - i);
        z.push_back(i + n >= brut.size() ? 1 : 0);
        z.push_back(static_cast<uint8_t>(n));
        z.push_back(static_cast<uint8_t>(n >> 8));
        z.push_back(static_cast<uint8_t>(~n));
        z.push_back(static_cast<uint8_t>(~n >> 8));
        z.insert(z.end(), brut.begin() + static_cast<std::ptrdiff_t>(i),
                 brut.begin() + static_cast<std::ptrdiff_t>(i + n));
        if (brut.empty()) break;
    }
    uint32_t a = 1, b = 0;
    for (uint8_t c : brut) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    be32(z, (b << 16) | a);

    std::vector<uint8_t> f = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::vector<uint8_t> entete;
    be32(entete, l);
    be32(entete, h);
    entete.insert(entete.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter, no interlace
    bloc(f, "IHDR", entete);
    bloc(f, "IDAT", z);
    bloc(f, "IEND", {});
    FILE* out = std::fopen(chemin.c_str(), "wb");
    if (!out) return false;
    const bool ok = std::fwrite(f.data(), 1, f.size(), out) == f.size();
    return std::fclose(out) == 0 && ok;
}

}  // namespace outils
