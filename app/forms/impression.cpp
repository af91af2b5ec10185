#include "forms/impression.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace kolmar {

bool imprimer_partie(QPagedPaintDevice& page, const Partie& pt, const std::string& blanc, const std::string& noir) {
    QPainter p;
    if (!p.begin(&page)) return false;
    const QFontMetrics m = p.fontMetrics();
    // Positions are the text's top-left corner.
    const auto ecrire = [&](int x, int y, const std::string& t) {
        p.drawText(x, y + m.ascent(), QString::fromStdString(t));
    };
    ecrire(5, 5, blanc + "-" + noir);

    const int h = std::max(1, m.boundingRect(QStringLiteral("String Grid Printout")).height());
    const int n = std::max(2, p.viewport().height() / h);
    // Only complete move pairs up to the current ply.
    const size_t nb = std::min(pt.lignes.size(), static_cast<size_t>(std::max(0, pt.demi_coup_courant / 2)));
    for (size_t r = 0; 6 * r < nb; ++r) {
        if (r > 0 && (2 * r) % static_cast<size_t>(n) == 0) page.newPage();
        std::string rangee;
        for (size_t k = 6 * r; k < std::min(nb, 6 * r + 6); ++k) rangee += pt.lignes[k] + (k == 6 * r ? " " : "  ");
        ecrire(1, static_cast<int>((2 * r) % static_cast<size_t>(n)) * h + h + 150, rangee);
    }
    return p.end();
}

}  // namespace kolmar
