// What the fuzz targets share: a scratch folder of their own, files written
// into it, input cut into the parts of a reader that takes several files,
// and the check that stops the run when a property of the data fails.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace kolmar::fuzz {

// Aborts with the property that failed: libFuzzer keeps the input.
inline void exiger(bool condition, const std::string& quoi) {
    if (condition) return;
    std::fprintf(stderr, "property failed: %s\n", quoi.c_str());
    std::abort();
}

// One folder per process, in memory when /dev/shm is there (the readers
// write through fsync), removed at exit.
inline const std::string& dossier() {
    // Never destroyed: the clean-up at exit still needs it.
    static const std::string* d = [] {
        std::string base = std::filesystem::is_directory("/dev/shm") ? std::string("/dev/shm")
                                                                     : std::filesystem::temp_directory_path().string();
        auto* chemin = new std::string(base + "/kolmar-fuzz-XXXXXX");
        if (!mkdtemp(&(*chemin)[0])) std::abort();
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(dossier(), ec);
        });
        return chemin;
    }();
    return *d;
}

inline std::string chemin(const std::string& nom) {
    return dossier() + "/" + nom;
}

inline void ecrire(const std::string& chemin, const std::string& contenu) {
    std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
    f.write(contenu.data(), static_cast<std::streamsize>(contenu.size()));
    exiger(static_cast<bool>(f), "scratch file written: " + chemin);
}

inline std::string lire(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

// Input holding several files: each but the last is preceded by its length
// (16 bits, little-endian); a part cut short by the end of the input is
// taken as far as it goes.
class Parties {
   public:
    Parties(const uint8_t* data, size_t taille) : p_(reinterpret_cast<const char*>(data)), reste_(taille) {}
    std::string suivante() {
        size_t n = 0;
        if (reste_ >= 2) {
            n = static_cast<uint8_t>(p_[0]) | static_cast<uint8_t>(p_[1]) << 8;
            p_ += 2;
            reste_ -= 2;
        } else {
            p_ += reste_;
            reste_ = 0;
        }
        if (n > reste_) n = reste_;
        std::string s(p_, n);
        p_ += n;
        reste_ -= n;
        return s;
    }
    std::string fin() {
        std::string s(p_, reste_);
        p_ += reste_;
        reste_ = 0;
        return s;
    }

   private:
    const char* p_;
    size_t reste_;
};

// The opposite of Parties, for the seeds.
inline std::string assembler(const std::string& a, const std::string& b) {
    std::string s;
    s += static_cast<char>(a.size() & 0xFF);
    s += static_cast<char>((a.size() >> 8) & 0xFF);
    return s + a + b;
}

}  // namespace kolmar::fuzz
