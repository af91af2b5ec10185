// Writes "hashkey73.dat": 365 index keys then 365 lock keys, 32-bit
// little-endian, from a fixed seed so every build has the same bytes.
#include <cstdint>
#include <cstdio>

namespace {
uint64_t etat = 0x4b6f6c6d61723733ULL;
// splitmix64: every output bit depends on every seed bit.
uint64_t suivant() {
    uint64_t z = (etat += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_hashkeys OUTPUT\n");
        return 1;
    }
    unsigned char b[730 * 4];
    for (int i = 0; i < 730; ++i) {
        uint32_t v = static_cast<uint32_t>(suivant() >> 32);
        for (int k = 0; k < 4; ++k) b[4 * i + k] = static_cast<unsigned char>(v >> (8 * k));
    }
    FILE* f = std::fopen(argv[1], "wb");
    if (!f || std::fwrite(b, 1, sizeof b, f) != sizeof b || std::fclose(f) != 0) {
        std::fprintf(stderr, "gen_hashkeys: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
