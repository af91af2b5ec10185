// Writes "defaut_can.par" (1166 bytes) from the readable source defaut_can.txt.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

[[noreturn]] void echec(const std::string& m) {
    std::fprintf(stderr, "gen_params: %s\n", m.c_str());
    std::exit(1);
}

std::vector<long> nombres(std::istringstream& in, size_t n, const std::string& quoi) {
    std::vector<long> v;
    long x;
    while (v.size() < n && in >> x) v.push_back(x);
    if (v.size() != n) echec(quoi + ": expected " + std::to_string(n) + " numbers");
    return v;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) echec("usage: gen_params SOURCE.txt OUTPUT.par");
    std::ifstream f(argv[1]);
    if (!f) echec(std::string("cannot read ") + argv[1]);
    unsigned char par[1166] = {};
    bool tables[8] = {}, seuils = false, tempo = false, variantes[4] = {};
    std::string ligne;
    int table = -1, rangee = 0;
    while (std::getline(f, ligne)) {
        ligne = ligne.substr(0, ligne.find('#'));
        std::istringstream in(ligne);
        std::string mot;
        if (!(in >> mot)) continue;
        if (mot == "table") {
            long t = nombres(in, 1, "table")[0];
            if (t < 0 || t > 7 || tables[t]) echec("bad or repeated table " + std::to_string(t));
            table = static_cast<int>(t);
            rangee = 0;
            tables[t] = true;
            continue;
        }
        std::istringstream tout(ligne);
        if (mot == "seuils") {
            auto v = nombres(in, 3, mot);
            for (int i = 0; i < 3; ++i) par[544 + i] = static_cast<unsigned char>(v[i]);
            seuils = true;
            table = -1;
        } else if (mot.rfind("variante", 0) == 0) {
            static const char* noms[4] = {"variante1_blancs", "variante2_blancs", "variante1_noirs", "variante2_noirs"};
            int k = -1;
            for (int i = 0; i < 4; ++i)
                if (mot == noms[i]) k = i;
            if (k < 0) echec("unknown line " + mot);
            auto v = nombres(in, 7, mot);
            for (int i = 0; i < 7; ++i) {
                if (v[i] < 1 || v[i] > 72) echec(mot + ": square out of 1..72");
                par[547 + 7 * k + i] = static_cast<unsigned char>(v[i]);
            }
            variantes[k] = true;
            table = -1;
        } else if (mot == "tempo") {
            auto v = nombres(in, 8, mot);
            for (int i = 0; i < 8; ++i) par[575 + i] = static_cast<unsigned char>(static_cast<signed char>(v[i]));
            tempo = true;
            table = -1;
        } else {
            if (table < 0 || rangee >= 12) echec("values outside a table: " + ligne);
            auto v = nombres(tout, 6, "table " + std::to_string(table));
            for (int p = 0; p < 6; ++p) {
                if (v[p] < 0 || v[p] > 255) echec("table value out of 0..255");
                int entree = rangee * 6 + p + 1;
                // T7 entries 33..71 hold the scalars: written last, below.
                if (!(table == 7 && entree >= 33 && entree <= 71))
                    par[73 * table + entree] = static_cast<unsigned char>(v[p]);
            }
            ++rangee;
        }
    }
    for (int t = 0; t < 8; ++t)
        if (!tables[t]) echec("missing table " + std::to_string(t));
    if (!seuils || !tempo || !variantes[0] || !variantes[1] || !variantes[2] || !variantes[3])
        echec("missing thresholds, variant squares or tempo weights");
    FILE* out = std::fopen(argv[2], "wb");
    if (!out || std::fwrite(par, 1, sizeof par, out) != sizeof par || std::fclose(out) != 0)
        echec(std::string("cannot write ") + argv[2]);
    return 0;
}
