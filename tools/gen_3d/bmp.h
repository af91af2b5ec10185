// 24-bit BMP reading and writing for the 3D generator, and the RGB image
// it works on.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gen3d {

struct Image {
    int l = 0, h = 0;
    std::vector<uint8_t> rgb;  // top row first
    Image() = default;
    Image(int l_, int h_) : l(l_), h(h_), rgb(static_cast<size_t>(l_) * h_ * 3, 0) {}
    uint8_t* px(int x, int y) { return &rgb[(static_cast<size_t>(y) * l + x) * 3]; }
    const uint8_t* px(int x, int y) const { return &rgb[(static_cast<size_t>(y) * l + x) * 3]; }
};

bool ecrire_bmp(const std::string& chemin, const Image& img);
bool lire_bmp(const std::string& chemin, Image& img);

// `img` pasted with its top-left corner at (x, y), clipped to `dest`.
void coller(Image& dest, const Image& img, int x, int y);

}  // namespace gen3d
