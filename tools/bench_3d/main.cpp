// How long a switch between two 3D sets takes, loads and redraw of the
// opening position included: first from disk, then from the pictures
// kept in memory.  bench_3d [PROGRAM_DIR]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <cstdio>

#include "display/damier3d.h"

using namespace kolmar;

namespace {

void redessiner(Affichage3d& a) {
    QPainter p(&a.image5);
    for (int i = 1; i <= 72; ++i)
        p.drawImage(a.pos3d_x[i], a.pos3d_y[i], a.images3d[i <= 30 ? 3 : (i > 42 ? 1 : 0)][i]);
}

double basculer(Chargeur3d& c, Affichage3d& a, int s) {
    QElapsedTimer t;
    t.start();
    choisir_damier3d(c, a, s);
    redessiner(a);
    return t.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const std::string dir = argc > 1 ? argv[1] : KOLMAR_DIR;
    Chargeur3d c(dir);
    Affichage3d a;
    remplir_positions3d(a.pos3d_x, a.pos3d_y);
    const double disque5 = basculer(c, a, 5), disque4 = basculer(c, a, 4);
    if (!c.manquants().empty()) {
        std::fprintf(stderr, "bench_3d: missing %s in %s\n", c.manquants().front().c_str(), dir.c_str());
        return 1;
    }
    constexpr int N = 20;
    double total = 0, pire = 0;
    for (int k = 0; k < N; ++k) {
        double ms = basculer(c, a, k % 2 ? 4 : 5);
        total += ms;
        pire = std::max(pire, ms);
    }
    std::printf("switch 5 -> 4 from disk: %.1f ms, then 4 -> 5: %.1f ms\n", disque5, disque4);
    std::printf("switch between 4 and 5 from memory: mean %.2f ms, worst %.2f ms over %d switches (%d loads counted)\n",
                total / N, pire, N, c.nb_chargements());
    return 0;
}
