// The generated sounds as the program will play them: well-formed PCM
// files, no clipping, silent edges, and each one shaped for its use.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Wav {
    uint32_t frequence = 0;
    std::vector<int16_t> ech;
    double duree() const { return frequence ? static_cast<double>(ech.size()) / frequence : 0; }
};

uint32_t lu32(const std::string& b, size_t o) {
    return static_cast<uint8_t>(b[o]) | static_cast<uint8_t>(b[o + 1]) << 8 | static_cast<uint8_t>(b[o + 2]) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(b[o + 3])) << 24;
}
uint16_t lu16(const std::string& b, size_t o) {
    return static_cast<uint16_t>(static_cast<uint8_t>(b[o]) | static_cast<uint8_t>(b[o + 1]) << 8);
}

// Reads a canonical 44-byte-header PCM file, checking every header field.
Wav lire(const std::string& nom) {
    Wav w;
    std::ifstream f(std::string(KOLMAR_DIR) + "/" + nom, std::ios::binary);
    std::string b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    EXPECT_GE(b.size(), 44u) << nom;
    if (b.size() < 44) return w;
    EXPECT_EQ(b.substr(0, 4), "RIFF");
    EXPECT_EQ(lu32(b, 4), b.size() - 8);
    EXPECT_EQ(b.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(lu32(b, 16), 16u);
    EXPECT_EQ(lu16(b, 20), 1u) << "PCM";
    EXPECT_EQ(lu16(b, 22), 1u) << "mono";
    uint32_t fr = lu32(b, 24);
    EXPECT_TRUE(fr == 22050 || fr == 44100) << fr;
    EXPECT_EQ(lu32(b, 28), fr * 2);
    EXPECT_EQ(lu16(b, 32), 2u);
    EXPECT_EQ(lu16(b, 34), 16u);
    EXPECT_EQ(b.substr(36, 4), "data");
    EXPECT_EQ(lu32(b, 40), b.size() - 44);
    w.frequence = fr;
    for (size_t o = 44; o + 1 < b.size(); o += 2) w.ech.push_back(static_cast<int16_t>(lu16(b, o)));
    return w;
}

// Sign changes per second between a and b seconds: follows the pitch of
// the loudest component.
double passages(const Wav& w, double a, double b) {
    size_t i0 = static_cast<size_t>(a * w.frequence), i1 = static_cast<size_t>(b * w.frequence);
    int n = 0;
    for (size_t i = i0 + 1; i < i1 && i < w.ech.size(); ++i) n += (w.ech[i - 1] < 0) != (w.ech[i] < 0);
    return n / (b - a);
}

double energie(const Wav& w, double a, double b) {
    double e = 0;
    for (size_t i = static_cast<size_t>(a * w.frequence); i < static_cast<size_t>(b * w.frequence) && i < w.ech.size();
         ++i)
        e += static_cast<double>(w.ech[i]) * w.ech[i];
    return e;
}

void forme_commune(const Wav& w) {
    ASSERT_FALSE(w.ech.empty());
    int crete = 0;
    for (int16_t v : w.ech) crete = std::max(crete, std::abs(static_cast<int>(v)));
    EXPECT_GT(crete, 32767 / 2) << "too quiet";
    EXPECT_LT(crete, 32767) << "clipped";
    // No click when playback starts or stops.
    EXPECT_LT(std::abs(w.ech.front()), 330);
    EXPECT_LT(std::abs(w.ech.back()), 330);
}

}  // namespace

TEST(Sons, ClicBrefEtSec) {
    Wav w = lire("son.wav");
    forme_commune(w);
    EXPECT_LT(w.duree(), 0.15);
    EXPECT_GT(energie(w, 0, 0.03), 0.9 * energie(w, 0, w.duree()));
}

TEST(Sons, CarillonMontant) {
    Wav w = lire("gagne.wav");
    forme_commune(w);
    EXPECT_GE(w.duree(), 0.5);
    EXPECT_LE(w.duree(), 3.0);
    double debut = passages(w, 0.01, 0.10), fin = passages(w, 0.34, 0.45);
    EXPECT_GT(fin, 1.4 * debut) << debut << " then " << fin;
}

TEST(Sons, TonDescendant) {
    Wav w = lire("Perdu.wav");
    forme_commune(w);
    EXPECT_GE(w.duree(), 0.5);
    EXPECT_LE(w.duree(), 3.0);
    double debut = passages(w, 0.02, 0.15), fin = passages(w, 0.6, 0.75);
    EXPECT_GT(debut, 1.8 * fin) << debut << " then " << fin;
    // It fades out rather than stopping short.
    EXPECT_LT(energie(w, w.duree() - 0.1, w.duree()), 0.05 * energie(w, 0.1, 0.2));
}
