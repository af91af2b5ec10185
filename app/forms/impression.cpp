#include "forms/impression.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "records/partie_texte.h"

namespace kolmar {

bool imprimer_partie(QPagedPaintDevice& page, const Partie& pt, const std::string& blanc, const std::string& noir,
                     int resultat, const std::string& date) {
    QPainter p;
    if (!p.begin(&page)) return false;
    const QFontMetrics m = p.fontMetrics();
    // A centimetre all round: a printer does not reach the paper's edge.
    const int marge = std::max(5, page.logicalDpiX() * 10 / 254);
    // Positions are the text's top-left corner, inside the margin.
    const auto ecrire = [&](int x, int y, const std::string& t) {
        p.drawText(marge + x, marge + y + m.ascent(), QString::fromStdString(t));
    };
    ecrire(5, 5, entete_partie(blanc, noir, resultat) + "    " + date);

    const int h = std::max(1, m.boundingRect(QStringLiteral("String Grid Printout")).height());
    const int n = std::max(2, (p.viewport().height() - 2 * marge) / h);
    // Every half-move up to the current ply; a last white one ends its
    // line alone.
    const int courant = std::clamp<int>(pt.demi_coup_courant, 0, DEMI_COUPS_MAX);
    const size_t nb = static_cast<size_t>((courant + 1) / 2);
    for (size_t r = 0; 6 * r < nb; ++r) {
        if (r > 0 && (2 * r) % static_cast<size_t>(n) == 0) page.newPage();
        std::string rangee;
        for (size_t k = 6 * r; k < std::min(nb, 6 * r + 6); ++k)
            rangee += ligne_coup(pt, static_cast<int>(k), courant) + (k == 6 * r ? " " : "  ");
        ecrire(1, static_cast<int>((2 * r) % static_cast<size_t>(n)) * h + h + 150, rangee);
    }
    return p.end();
}

}  // namespace kolmar
