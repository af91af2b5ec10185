#include "display/damier3d.h"

#include <QFile>
#include <QPainter>
#include <cstdio>

#include "records/fichiers.h"

namespace kolmar {

void remplir_positions3d(int pos3d_x[73], int pos3d_y[73]) {
    static const int k_y[12] = {61, 85, 112, 137, 163, 190, 222, 251, 283, 320, 355, 391};
    static const int k_x[12][6] = {
        {179, 248, 313, 382, 449, 514}, {143, 211, 280, 346, 416, 483}, {173, 244, 312, 383, 452, 521},
        {134, 205, 276, 345, 419, 490}, {165, 239, 310, 385, 456, 529}, {124, 196, 272, 345, 422, 495},
        {155, 233, 308, 386, 462, 536}, {113, 189, 269, 346, 426, 503}, {146, 229, 306, 388, 466, 543},
        {101, 180, 264, 345, 430, 510}, {135, 223, 304, 391, 473, 555}, {87, 172, 261, 345, 433, 518}};
    pos3d_x[0] = pos3d_y[0] = 0;
    for (int k = 0; k < 12; ++k)
        for (int j = 0; j < 6; ++j) {
            pos3d_x[6 * k + j + 1] = k_x[k][j];
            pos3d_y[6 * k + j + 1] = k_y[k];
        }
}

Chargeur3d::Chargeur3d(std::string repertoire) : repertoire_(std::move(repertoire)) {}

QImage Chargeur3d::charger(const std::string& relatif) {
    ++chargements_;
    // Keyed by the name asked: finding the file on disk is the slow part.
    auto it = memoire_.find(relatif);
    if (it != memoire_.end()) return it->second;
    ++lectures_;
    QImage img(QString::fromStdString(chemin_lecture(relatif, repertoire_)));
    if (img.isNull()) {
        manquants_.push_back(relatif);
        return img;
    }
    // One format for every picture, so pasting them needs no conversion.
    img = img.convertToFormat(QImage::Format_RGB32);
    memoire_.emplace(relatif, img);
    return img;
}

QImage Chargeur3d::charger_option(const std::string& relatif) {
    auto it = memoire_.find(relatif);
    if (it != memoire_.end()) return it->second;
    QImage img(QString::fromStdString(chemin_lecture(relatif, repertoire_)));
    if (img.isNull()) return img;
    img = img.convertToFormat(QImage::Format_RGB32);
    memoire_.emplace(relatif, img);
    return img;
}

bool charger_grandes(Chargeur3d& c, Affichage3d& a) {
    static const char* const k_prefixes[5] = {"pv", "pb", "db", "pn", "dn"};
    const int n = a.damier_courant;
    if (n < 1 || n > NB_JEUX_3D) return false;
    if (a.jeu_grand == n) return a.grandes_ok;
    a.jeu_grand = n;
    a.grandes_ok = false;
    a.fond_grand = QImage();
    a.images3d_grandes.assign(5, std::vector<QImage>(73));
    const std::string num = std::to_string(n);
    const QImage fond = c.charger_option("grandes/damier" + num + "c.bmp");
    const QImage bande = c.charger_option("grandes/damier" + num + "wc.bmp");
    if (fond.isNull() || bande.isNull()) return false;
    const int chiffre = n <= 2 ? 1 : n;
    const std::string dossier = "Images" + std::to_string(chiffre) + "c/grandes/";
    for (int i = 1; i <= 72; ++i)
        for (int code = 0; code < 5; ++code) {
            char nom[32];
            std::snprintf(nom, sizeof nom, "%s%d_%d.bmp", k_prefixes[code], chiffre, i);
            a.images3d_grandes[code][i] = c.charger_option(dossier + nom);
            if (a.images3d_grandes[code][i].isNull()) return false;
        }
    a.fond_grand = fond.copy();
    QPainter p(&a.fond_grand);
    p.drawImage(0, 0, bande);
    a.grandes_ok = true;
    return true;
}

bool charger_images3d(Chargeur3d& c, Affichage3d& a, int chiffre) {
    static const char* const k_prefixes[5] = {"pv", "pb", "db", "pn", "dn"};
    if (a.images3d.size() != 5) a.images3d.assign(5, std::vector<QImage>(73));
    const std::string dossier = "Images" + std::to_string(chiffre) + "c/";
    bool ok = true;
    for (int i = 1; i <= 72; ++i)
        for (int code = 0; code < 5; ++code) {
            char nom[32];
            std::snprintf(nom, sizeof nom, "%s%d_%d.bmp", k_prefixes[code], chiffre, i);
            a.images3d[code][i] = c.charger(dossier + nom);
            ok = ok && !a.images3d[code][i].isNull();
        }
    return ok;
}

bool charger_fond(Chargeur3d& c, Affichage3d& a, int n) {
    const std::string num = std::to_string(n);
    a.damier_fond = c.charger("damier" + num + "wc.bmp");
    QImage fond = c.charger("damier" + num + "c.bmp");
    if (fond.isNull()) return false;
    // A copy of its own: the window draws the pieces on it.
    a.image5 = fond.copy();
    if (a.damier_fond.isNull()) return false;
    QPainter p(&a.image5);
    p.drawImage(0, 0, a.damier_fond);
    return true;
}

bool choisir_damier3d(Chargeur3d& c, Affichage3d& a, int s) {
    if (s < 1 || s > NB_JEUX_3D) return false;
    bool ok = true;
    const int courant = a.damier_courant;
    if (s <= 2) {
        // Sets 1 and 2 share their piece pictures.
        if (courant > 2) ok = charge3d(c, a) && ok;
        if (courant != s) ok = charger_fond(c, a, s) && ok;
    } else if (s == 3) {
        if (courant != 3) {
            ok = charge3dm(c, a) && ok;
            ok = charger_fond(c, a, 3) && ok;
        }
    } else {
        ok = charger_images3d(c, a, s) && ok;
        ok = charger_fond(c, a, s) && ok;
    }
    a.damier_courant = s;
    return ok;
}

bool choisir_damier2d(Chargeur3d& c, Affichage3d& a) {
    bool ok = charger_fond(c, a, 2);
    if (a.damier_courant > 2) {
        ok = charge3d(c, a) && ok;
        ok = charger_fond(c, a, 1) && ok;
        a.damier_courant = 1;
    }
    return ok;
}

std::vector<bool> jeux_disponibles(const std::string& repertoire) {
    std::vector<bool> d(NB_JEUX_3D + 1, true);
    d[0] = true;
    for (int n = 3; n <= NB_JEUX_3D; ++n) {
        QFile f(QString::fromStdString(chemin_lecture("damier" + std::to_string(n) + "c.bmp", repertoire)));
        d[n] = f.open(QIODevice::ReadOnly);
    }
    return d;
}

int bouton_damier(Chargeur3d& c, Affichage3d& a, int s, const std::vector<bool>& disponibles) {
    if (s < 0 || s > NB_JEUX_3D) return a.damier_courant;
    const bool offert = s < static_cast<int>(disponibles.size()) && disponibles[s];
    if (s >= 3 && offert) {
        choisir_damier3d(c, a, s);
        return s;
    }
    charge3d(c, a);
    if (s == 0) {
        choisir_damier2d(c, a);
        return 0;
    }
    const int choisi = s <= 2 ? s : 1;
    choisir_damier3d(c, a, choisi);
    return choisi;
}

}  // namespace kolmar
