#include "display/damier2d.h"

#include <QPainter>
#include <algorithm>
#include <iterator>

#include "records/fichiers.h"

namespace kolmar {

QColor couleur_fenetre(uint32_t v) {
    return QColor(v & 0xff, (v >> 8) & 0xff, (v >> 16) & 0xff);
}

int position_3d(const Affichage& a, int x, int y) {
    if (a.image3d.isNull()) return 0;
    int trouve = 0;
    for (int k = 0; k < 12; ++k) {
        const int y0 = a.pos3d_y[6 * k + 1];
        if (!(y0 < y && y < y0 + 40)) continue;
        for (int j = 6 * k + 1; j <= 6 * k + 6; ++j)
            if (a.pos3d_x[j] < x && x < a.pos3d_x[j] + 60) trouve = j;
    }
    return trouve;
}

QString format_compte(int n) {
    return QString::asprintf(" %2d", n);
}

bool charger_images(Affichage& a, std::string& manquant) {
    static const char* const fichiers[5] = {"Images1c/1pva.bmp", "Images1c/1pba.BMP", "Images1c/1dba.bmp",
                                            "Images1c/1pna.bmp", "Images1c/1dna.bmp"};
    auto charger = [&](const char* nom, QImage& img) {
        std::string chemin = chemin_lecture(nom);
        img = QImage(QString::fromStdString(chemin));
        if (img.isNull()) manquant = chemin;
        return !img.isNull();
    };
    for (int code = 0; code < 5; ++code)
        if (!charger(fichiers[code], a.images[code])) return false;
    if (!charger("Images1c/1cache.BMP", a.image_claire)) return false;
    // The large pictures are optional: without them the small ones are
    // smoothed.
    auto nette = [](const std::string& nom) { return QImage(QString::fromStdString(chemin_lecture(nom))); };
    for (int code = 0; code < 5; ++code)
        a.images_nettes[code] = nette(std::string("Images1c/grandes/") + (fichiers[code] + 9));
    a.claire_nette = nette("Images1c/grandes/1cache.BMP");
    return true;
}

namespace {

// The label of a square in the lower left of its cell, on a silver ground,
// kept inside the cell so that redrawing the square wipes it.
void ecrire_numero(QPainter& p, int x, int y, int s, const QRect& cellule) {
    QFont police = p.font();
    police.setPixelSize(8);
    p.setFont(police);
    QString t = QString::fromLatin1(nom_case[s]);
    QRect r = p.fontMetrics().boundingRect(t);
    r.moveTopLeft(QPoint(x, y));
    r.adjust(0, 0, 1, 0);
    if (!cellule.isNull()) r = r.intersected(cellule);
    p.save();
    p.setClipRect(r);
    p.fillRect(r, couleur_fenetre(COULEUR_ARGENT));
    p.setPen(Qt::black);
    p.drawText(r, Qt::AlignLeft | Qt::AlignTop, t);
    p.restore();
}

}  // namespace

QRect rectangle_de_case(int s, bool inverse) {
    int r, c;
    cellule_de_case(s, inverse, r, c);
    return QRect(DECALAGE_DAMIER + TAILLE_CELLULE * c, DECALAGE_DAMIER + TAILLE_CELLULE * r, TAILLE_CELLULE,
                 TAILLE_CELLULE);
}

void dessiner_case(Affichage& a, int s, int code) {
    if (s < 1 || s > NB_CASES || a.canvas.isNull()) return;
    if (code < 0 || code > 4) code = 0;
    const QRect cellule = rectangle_de_case(s, a.damier_inverse != 0);
    a.codes[s] = static_cast<uint8_t>(code);
    a.encadre[s] = false;
    {
        QPainter p(&a.canvas);
        p.drawImage(cellule.topLeft(), a.images[code]);
        if (a.numeros_affiches) ecrire_numero(p, cellule.left(), cellule.top() + 32, s, cellule);
    }
    const int i = a.damier_inverse ? 73 - s : s;
    if (!a.image3d.isNull() && static_cast<size_t>(code) < a.images3d.size() &&
        static_cast<size_t>(i) < a.images3d[code].size()) {
        QPainter p(&a.image3d);
        p.drawImage(a.pos3d_x[i], a.pos3d_y[i], a.images3d[code][i]);
        if (a.numeros_affiches) ecrire_numero(p, a.pos3d_x[i], a.pos3d_y[i], s, QRect());
        a.codes3d[i] = static_cast<uint8_t>(code);
        a.reperes3d[i] = false;
        a.image3d_changee = true;
    }
}

namespace {

// The black square marking position i on the 3D picture.
QRect repere_3d_de(const Affichage& a, int i) {
    return QRect(QPoint(a.pos3d_x[i] + 25, a.pos3d_y[i] + 25), QPoint(a.pos3d_x[i] + 30, a.pos3d_y[i] + 30));
}

}  // namespace

void encadrer_case(Affichage& a, int s, uint32_t bbggrr, bool repere_3d) {
    if (s < 1 || s > NB_CASES || a.canvas.isNull()) return;
    const QRect cellule = rectangle_de_case(s, a.damier_inverse != 0);
    a.encadre[s] = true;
    a.cadres[s] = bbggrr;
    {
        QPainter p(&a.canvas);
        p.setPen(couleur_fenetre(bbggrr));
        // A pen rectangle covers one pixel more than its size each way.
        p.drawRect(cellule.adjusted(0, 0, -1, -1));
        p.drawRect(cellule.adjusted(1, 1, -2, -2));
    }
    if (!repere_3d || a.image3d.isNull()) return;
    // Painted over the picture, not into it: the pieces' pictures are
    // partly transparent and drawing one again would leave the marker.
    a.reperes3d[a.damier_inverse ? 73 - s : s] = true;
}

void effacer_3d(Affichage& a) {
    std::fill(std::begin(a.codes3d), std::end(a.codes3d), 0);
    std::fill(std::begin(a.reperes3d), std::end(a.reperes3d), false);
    a.image3d_changee = true;
}

QImage composer_3d_grand(const Affichage& a, const QImage& fond, const std::vector<std::vector<QImage>>& pieces,
                         bool voile) {
    QImage img = fond.copy();
    QPainter p(&img);
    for (int i = 1; i <= NB_CASES; ++i) {
        const int code = a.codes3d[i];
        if (!voile && static_cast<size_t>(code) < pieces.size() && static_cast<size_t>(i) < pieces[code].size())
            p.drawImage(2 * a.pos3d_x[i], 2 * a.pos3d_y[i], pieces[code][i]);
        if (a.numeros_affiches && !voile) {
            // The numbers and markers in the small picture's pixels.
            p.save();
            p.scale(2, 2);
            ecrire_numero(p, a.pos3d_x[i], a.pos3d_y[i], a.damier_inverse ? 73 - i : i, QRect());
            p.restore();
        }
    }
    return img;
}

namespace {

// A picture into a cell: the large one when loaded, smoothed down.
void coller(QPainter& p, const QRectF& r, const QImage& nette, const QImage& petite) {
    p.drawImage(r, nette.isNull() ? petite : nette);
}

// The board's frame and its light cells. The 1-pixel seams between the
// cells show the window colour; old outlines there go only with a cleared
// ground.
void peindre_fond(QPainter& p, const QImage& claire_nette, const QImage& claire) {
    p.fillRect(QRect(8, 8, 494, 494), couleur_fenetre(COULEUR_ARGENT));
    p.setPen(couleur_fenetre(0xFFFFFF));
    const QPoint cadre[] = {{7, 7}, {503, 7}, {503, 503}, {7, 503}, {7, 7}};
    p.drawPolyline(cadre, 5);
    p.setPen(couleur_fenetre(0x808080));
    const QPoint ombre[] = {{6, 6}, {502, 6}, {502, 502}};
    p.drawPolyline(ombre, 3);
    for (int s = 1; s <= NB_CASES; ++s) {
        const int rg = (s - 1) / 6;
        coller(p, QRectF(82 * ((s - 1) % 6) + 41 * (rg % 2) + 10, 41 * rg + 10, 41, 41), claire_nette, claire);
    }
}

}  // namespace

void placer_pions(Affichage& a, const uint8_t plateau[TAILLE_DAMIER]) {
    if (a.canvas.isNull()) return;
    {
        QPainter p(&a.canvas);
        peindre_fond(p, a.image_claire, a.image_claire);
    }
    for (int s = 1; s <= NB_CASES; ++s) dessiner_case(a, s, plateau[s]);
}

namespace {

const QColor k_dernier_coup(255, 214, 0, 55);
const QColor k_trace(255, 235, 60, 200);
const QColor k_obligatoire(230, 20, 20, 220);

}  // namespace

void peindre_damier(QPainter& p, const Affichage& a) {
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    peindre_fond(p, a.claire_nette, a.image_claire);
    for (int s = 1; s <= NB_CASES; ++s) {
        const QRect cellule = rectangle_de_case(s, a.damier_inverse != 0);
        coller(p, cellule, a.images_nettes[a.codes[s]], a.images[a.codes[s]]);
        if (a.numeros_affiches) ecrire_numero(p, cellule.left(), cellule.top() + 32, s, cellule);
        if (a.encadre[s]) {
            p.setPen(couleur_fenetre(a.cadres[s]));
            p.setBrush(Qt::NoBrush);
            p.drawRect(cellule.adjusted(0, 0, -1, -1));
            p.drawRect(cellule.adjusted(1, 1, -2, -2));
        }
    }
    p.restore();
}

void peindre_marques(QPainter& p, const Affichage& a) {
    const MarquesPlateau& m = a.marques;
    const bool inverse = a.damier_inverse != 0;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (m.depart && m.arrivee) {
        // A frame, and a light wash on a square left empty: over a piece
        // the wash would tint it.
        p.setPen(QPen(k_trace, 2.5));
        for (int s : {int(m.depart), int(m.arrivee)}) {
            p.setBrush(a.codes[s] == VIDE ? QBrush(k_dernier_coup) : QBrush(Qt::NoBrush));
            p.drawRect(QRectF(rectangle_de_case(s, inverse)).adjusted(2, 2, -2, -2));
        }
        // A capture: its path from square to square.
        if (!m.chemin.empty()) {
            std::vector<int> etapes{m.depart};
            etapes.insert(etapes.end(), m.chemin.begin(), m.chemin.end());
            etapes.push_back(m.arrivee);
            QPolygonF trace;
            for (int s : etapes) trace << QRectF(rectangle_de_case(s, inverse)).center();
            p.setPen(QPen(k_trace, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(trace);
            p.setBrush(k_trace);
            for (int s : m.chemin) p.drawEllipse(QRectF(rectangle_de_case(s, inverse)).center(), 4, 4);
        }
    }
    p.setPen(QPen(k_obligatoire, 2.5));
    p.setBrush(Qt::NoBrush);
    for (int s : m.obligatoires) p.drawEllipse(QRectF(rectangle_de_case(s, inverse)).adjusted(2.5, 2.5, -2.5, -2.5));
    p.restore();
}

void peindre_marques_3d(QPainter& p, const Affichage& a) {
    const MarquesPlateau& m = a.marques;
    if (a.image3d.isNull()) return;
    // Around the piece standing on position i: its picture's box, seen flat.
    auto ovale = [&](int s) {
        const int i = a.damier_inverse ? 73 - s : s;
        QSizeF t(36, 35);
        if (!a.images3d.empty() && static_cast<size_t>(i) < a.images3d[0].size() && !a.images3d[0][i].isNull())
            t = a.images3d[0][i].size();
        const QPointF c(a.pos3d_x[i] + t.width() / 2, a.pos3d_y[i] + t.height() / 2);
        return QRectF(c.x() - t.width() / 2 - 5, c.y() - t.height() * 0.35, t.width() + 10, t.height() * 0.7);
    };
    for (int i = 1; i <= NB_CASES; ++i)
        if (a.reperes3d[i]) p.fillRect(repere_3d_de(a, i), Qt::black);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    if (m.depart && m.arrivee) {
        p.setPen(QPen(k_trace, 3));
        for (int s : {int(m.depart), int(m.arrivee)}) p.drawEllipse(ovale(s));
        p.setPen(QPen(k_trace, 2, Qt::DotLine));
        for (int s : m.chemin) p.drawEllipse(ovale(s));
    }
    p.setPen(QPen(k_obligatoire, 3));
    for (int s : m.obligatoires) p.drawEllipse(ovale(s));
    p.restore();
}

}  // namespace kolmar
