#include "display/damier2d.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPainter>

#include "forms/tform1.h"
#include "lang/textes.h"
#include "records/fichiers.h"

namespace kolmar {

QColor couleur_fenetre(uint32_t v) { return QColor(v & 0xff, (v >> 8) & 0xff, (v >> 16) & 0xff); }

int case_du_point(int x, int y, bool inverse) {
    if (x < 0 || y < 0) return 0;
    int colonne = x / TAILLE_CELLULE, rangee = y / TAILLE_CELLULE;
    int s = colonne / 2 + 6 * rangee + 1;
    if (s < 1 || s > NB_CASES) return 0;
    return inverse ? 73 - s : s;
}

bool cellule_sombre(int x, int y) {
    if (x < 0 || y < 0) return false;
    int colonne = x / TAILLE_CELLULE, rangee = y / TAILLE_CELLULE;
    return colonne <= 11 && rangee <= 11 && (colonne + rangee) % 2 == 1;
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

void cellule_de_case(int s, bool inverse, int& r, int& c) {
    int t = inverse ? 73 - s : s;
    r = rangee(t);
    c = colonne(t);
}

QString format_compte(int n) { return QString::asprintf(" %2d", n); }

bool charger_images(Affichage& a, std::string& manquant) {
    static const char* const fichiers[5] = {"Images1c/1pva.bmp", "Images1c/1pba.BMP", "Images1c/1dba.bmp",
                                            "Images1c/1pna.bmp", "Images1c/1dna.bmp"};
    auto charger = [&](const char* nom, QImage& img) {
        std::string chemin = chemin_donnee(nom);
        img = QImage(QString::fromStdString(chemin));
        if (img.isNull()) manquant = chemin;
        return !img.isNull();
    };
    for (int code = 0; code < 5; ++code)
        if (!charger(fichiers[code], a.images[code])) return false;
    return charger("Images1c/1cache.BMP", a.image_claire);
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

void dessiner_case(TForm1& f, int s, int code) {
    if (s < 1 || s > NB_CASES) return;
    if (code < 0 || code > 4) code = 0;
    Affichage& a = f.affichage;
    int r, c;
    cellule_de_case(s, a.damier_inverse, r, c);
    {
        QPainter p(&a.canvas);
        p.drawImage(TAILLE_CELLULE * c + DECALAGE_DAMIER, TAILLE_CELLULE * r + DECALAGE_DAMIER, a.images[code]);
        if (a.numeros_affiches)
            ecrire_numero(p, TAILLE_CELLULE * c + 9, TAILLE_CELLULE * r + 41, s,
                          QRect(TAILLE_CELLULE * c + 9, TAILLE_CELLULE * r + 9, 41, 41));
    }
    int i = a.damier_inverse ? 73 - s : s;
    if (!a.image3d.isNull() && static_cast<size_t>(code) < a.images3d.size() &&
        static_cast<size_t>(i) < a.images3d[code].size()) {
        QPainter p(&a.image3d);
        p.drawImage(a.pos3d_x[i], a.pos3d_y[i], a.images3d[code][i]);
        if (a.numeros_affiches) ecrire_numero(p, a.pos3d_x[i], a.pos3d_y[i], s, QRect());
    }
    f.rafraichir();
}

void encadrer_case(TForm1& f, int s, uint32_t bbggrr) {
    if (s < 1 || s > NB_CASES) return;
    Affichage& a = f.affichage;
    int r, c;
    cellule_de_case(s, a.damier_inverse, r, c);
    const int x = TAILLE_CELLULE * c, y = TAILLE_CELLULE * r;
    {
        QPainter p(&a.canvas);
        p.setPen(couleur_fenetre(bbggrr));
        const QPoint trace[] = {{x + 9, y + 9},   {x + 49, y + 9},  {x + 49, y + 49}, {x + 10, y + 49}, {x + 10, y + 10},
                                {x + 50, y + 10}, {x + 50, y + 50}, {x + 9, y + 50},  {x + 9, y + 9}};
        p.drawPolyline(trace, 9);
    }
    f.rafraichir();
    if (!f.Indicationdesmouvements1->isChecked() && f.session().tour_ordinateur) return;
    int i = a.damier_inverse ? 73 - s : s;
    if (!a.image3d.isNull()) {
        QPainter p(&a.image3d);
        p.fillRect(QRect(QPoint(a.pos3d_x[i] + 25, a.pos3d_y[i] + 25), QPoint(a.pos3d_x[i] + 30, a.pos3d_y[i] + 30)),
                   Qt::black);
    }
}

void placer_pions(TForm1& f) {
    Affichage& a = f.affichage;
    if (a.canvas.isNull()) return;
    {
        QPainter p(&a.canvas);
        // The 1-pixel seams between the cells show the window colour; old
        // outlines there go only with a cleared ground.
        p.fillRect(QRect(8, 8, 494, 494), couleur_fenetre(COULEUR_ARGENT));
        p.setPen(couleur_fenetre(0xFFFFFF));
        const QPoint cadre[] = {{7, 7}, {503, 7}, {503, 503}, {7, 503}, {7, 7}};
        p.drawPolyline(cadre, 5);
        p.setPen(couleur_fenetre(0x808080));
        const QPoint ombre[] = {{6, 6}, {502, 6}, {502, 502}};
        p.drawPolyline(ombre, 3);
        for (int s = 1; s <= NB_CASES; ++s) {
            int rg = (s - 1) / 6;
            p.drawImage(82 * ((s - 1) % 6) + 41 * (rg % 2) + 10, 41 * rg + 10, a.image_claire);
        }
    }
    const Jeu& j = f.jeu();
    for (int s = 1; s <= NB_CASES; ++s) dessiner_case(f, s, j.plateau_affiche[s]);
    if (a.numeros_affiches) {
        a.numeros_affiches = 0;
        numerotation(f);
    }
    f.rafraichir();
}

void compter_pions(TForm1& f) {
    const Jeu& j = f.jeu();
    int blancs = 0, noirs = 0;
    for (int s = 1; s <= NB_CASES; ++s) {
        if (est_blanc(j.damier[s])) ++blancs;
        else if (est_noir(j.damier[s])) ++noirs;
    }
    f.Nbpionsblancs->setText(format_compte(blancs));
    f.Nbpionsnoirs->setText(format_compte(noirs));
}

void numerotation(TForm1& f) {
    Affichage& a = f.affichage;
    a.numeros_affiches = a.numeros_affiches ? 0 : 1;
    f.Numroterlescase1->setChecked(a.numeros_affiches != 0);
    const Jeu& j = f.jeu();
    for (int s = 1; s <= NB_CASES; ++s) dessiner_case(f, s, j.plateau_affiche[s]);
}

void Inverser(TForm1& f) {
    Affichage& a = f.affichage;
    a.damier_inverse = a.damier_inverse ? 0 : 1;
    f.Bas_Haut->setText(QString::fromUtf8(texte(a.damier_inverse ? Texte::BlancsHautBas : Texte::BlancsBasHaut)));
    placer_pions(f);
    for (QFrame* panneau : {f.Panel6, f.Panel7})
        panneau->move(panneau->x(), panneau->y() == 428 ? 8 : 428);
    compter_pions(f);
}

}  // namespace kolmar
