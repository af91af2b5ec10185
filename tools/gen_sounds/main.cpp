// Writes son.wav, gagne.wav and Perdu.wav into the given directory:
// 16-bit PCM mono at 22050 Hz, synthesised from fixed formulas (no random
// source, no clock) so every build gives the same bytes.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int FREQUENCE = 22050;
constexpr double PI = 3.14159265358979323846;

using Signal = std::vector<double>;

Signal vide(double secondes) {
    return Signal(static_cast<size_t>(secondes * FREQUENCE + 0.5), 0.0);
}

// Scales to `crete` of full scale and fades the last samples to silence.
void finir(Signal& s, double crete, double fondu) {
    double m = 0;
    for (double v : s) m = std::fmax(m, std::fabs(v));
    if (m > 0)
        for (double& v : s) v *= crete / m;
    size_t n = static_cast<size_t>(fondu * FREQUENCE);
    if (n > s.size()) n = s.size();
    for (size_t i = 0; i < n; ++i) s[s.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(n);
}

// A wooden block: a few inharmonic modes that die within tens of ms,
// started by a short burst of noise.
Signal clic() {
    Signal s = vide(0.09);
    struct Mode {
        double f, a, tau;
    };
    const Mode modes[] = {{480, 0.45, 0.018}, {1150, 1.0, 0.011}, {2610, 0.5, 0.006}, {3970, 0.2, 0.004}};
    uint32_t graine = 12345;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / FREQUENCE;
        double v = 0;
        for (const Mode& m : modes) v += m.a * std::exp(-t / m.tau) * std::sin(2 * PI * m.f * t);
        graine = graine * 1103515245u + 12345u;  // fixed sequence, same every run
        double bruit = (static_cast<double>(graine >> 8 & 0xFFFF) / 32768.0 - 1.0);
        v += 0.6 * bruit * std::exp(-t / 0.0015);
        v *= std::fmin(1.0, t / 0.0008);  // no step at the first sample
        s[i] = v;
    }
    finir(s, 0.8, 0.01);
    return s;
}

// One bell note added at `debut`: bright partials that fade faster than
// the fundamental.
void cloche(Signal& s, double debut, double f, double force) {
    struct Partiel {
        double r, a, tau;
    };
    const Partiel partiels[] = {{1.0, 1.0, 0.40}, {2.0, 0.35, 0.22}, {3.0, 0.18, 0.14}, {4.16, 0.10, 0.08}};
    size_t i0 = static_cast<size_t>(debut * FREQUENCE);
    for (size_t i = i0; i < s.size(); ++i) {
        double t = static_cast<double>(i - i0) / FREQUENCE;
        double v = 0;
        for (const Partiel& p : partiels) v += p.a * std::exp(-t / p.tau) * std::sin(2 * PI * f * p.r * t);
        s[i] += force * v * std::fmin(1.0, t / 0.003);
    }
}

// C6 E6 G6 C7, each note a little stronger: a rising arpeggio.
Signal carillon() {
    Signal s = vide(1.2);
    const double notes[] = {1046.50, 1318.51, 1567.98, 2093.00};
    for (int k = 0; k < 4; ++k) cloche(s, 0.11 * k, notes[k], 0.7 + 0.1 * k);
    finir(s, 0.8, 0.08);
    return s;
}

// A soft tone gliding down a twelfth (C5 to F3) with a slow vibrato.
Signal chute() {
    Signal s = vide(1.0);
    const double f0 = 523.25, f1 = 174.61, duree = 0.85;
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = static_cast<double>(i) / FREQUENCE;
        double x = std::fmin(t / duree, 1.0);
        double f = f0 * std::pow(f1 / f0, x) * (1.0 + 0.012 * std::sin(2 * PI * 5.0 * t));
        phase += 2 * PI * f / FREQUENCE;
        double v = std::sin(phase) + 0.3 * std::sin(2 * phase) + 0.12 * std::sin(3 * phase);
        double env = std::fmin(1.0, t / 0.02);
        if (t > 0.7) env *= std::exp(-(t - 0.7) / 0.09);
        s[i] = v * env;
    }
    finir(s, 0.75, 0.05);
    return s;
}

void mot16(std::string& o, uint16_t v) {
    o += static_cast<char>(v & 0xFF);
    o += static_cast<char>(v >> 8);
}
void mot32(std::string& o, uint32_t v) {
    mot16(o, static_cast<uint16_t>(v & 0xFFFF));
    mot16(o, static_cast<uint16_t>(v >> 16));
}

bool ecrire_wav(const std::string& chemin, const Signal& s) {
    const uint32_t donnees = static_cast<uint32_t>(s.size() * 2);
    std::string o = "RIFF";
    mot32(o, 36 + donnees);
    o += "WAVEfmt ";
    mot32(o, 16);
    mot16(o, 1);  // PCM
    mot16(o, 1);  // mono
    mot32(o, FREQUENCE);
    mot32(o, FREQUENCE * 2);
    mot16(o, 2);
    mot16(o, 16);
    o += "data";
    mot32(o, donnees);
    for (double v : s) {
        long e = std::lround(v * 32767.0);
        if (e > 32767) e = 32767;
        if (e < -32767) e = -32767;
        mot16(o, static_cast<uint16_t>(static_cast<int16_t>(e)));
    }
    std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
    f.write(o.data(), static_cast<std::streamsize>(o.size()));
    return static_cast<bool>(f.flush());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_sounds <directory>\n");
        return 2;
    }
    const std::string dir = argv[1];
    const struct {
        const char* nom;
        Signal s;
    } sons[] = {{"son.wav", clic()}, {"gagne.wav", carillon()}, {"Perdu.wav", chute()}};
    for (const auto& son : sons) {
        if (!ecrire_wav(dir + "/" + son.nom, son.s)) {
            std::fprintf(stderr, "gen_sounds: cannot write %s/%s\n", dir.c_str(), son.nom);
            return 1;
        }
    }
    return 0;
}
