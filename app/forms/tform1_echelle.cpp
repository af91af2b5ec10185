// The main window at any size: the surface painted through the scale, the
// board's mouse input (clicks and drags) mapped back to logical pixels,
// the marks of the last move and of the compulsory captures, the keys that
// step through the game and the confirmation of a resignation.
#include <QKeySequence>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <cmath>

#include "control/commandes.h"
#include "control/deroulement.h"
#include "control/geometrie.h"
#include "forms/tform1.h"
#include "lang/textes.h"

namespace kolmar {

namespace {

// A press that moves this far (logical pixels) becomes a drag.
constexpr double SEUIL_GLISSE = 6.0;

QPoint entier(QPointF p) {
    return QPoint(int(std::floor(p.x())), int(std::floor(p.y())));
}

// The square under a logical point when it holds a piece, else 0.
int piece_sous(const Affichage& a, QPoint p) {
    if (!cellule_sombre(p.x(), p.y())) return 0;
    const int s = case_du_point(p.x(), p.y(), a.damier_inverse != 0);
    return s >= 1 && s <= NB_CASES && a.codes[s] != VIDE ? s : 0;
}

}  // namespace

QSize Surface::sizeHint() const {
    return QSize(TForm1::LARGEUR_CLIENT, TForm1::HAUTEUR_CLIENT);
}

void Surface::resizeEvent(QResizeEvent*) {
    f_.mettre_a_l_echelle();
}

void Surface::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const Affichage& a = f_.affichage();
    const Echelle& e = f_.echelle();
    if (e.facteur() == 1.0 && devicePixelRatioF() == 1.0) {
        p.drawImage(0, 0, a.canvas);
    } else {
        // The canvas enlarged for the ground, the board painted again at
        // the screen's resolution.
        p.fillRect(rect(), couleur_fenetre(COULEUR_ARGENT));
        p.translate(e.origine());
        p.scale(e.facteur(), e.facteur());
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(0, 0, a.canvas);
        peindre_damier(p, a);
    }
    peindre_marques(p, a);
    if (glisse_ && glisse_case_) {
        const QImage& nette = a.images_nettes[a.codes[glisse_case_]];
        const QRectF r(pointeur_.x() - TAILLE_CELLULE / 2.0, pointeur_.y() - TAILLE_CELLULE / 2.0, TAILLE_CELLULE,
                       TAILLE_CELLULE);
        p.setOpacity(0.85);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(r, nette.isNull() ? a.images[a.codes[glisse_case_]] : nette);
    }
}

void Surface::mousePressEvent(QMouseEvent* e) {
    const QPointF q = f_.echelle().vers_logique(e->position());
    const QPoint l = entier(q);
    glisse_ = false;
    glisse_case_ = e->button() == Qt::LeftButton ? piece_sous(f_.affichage(), l) : 0;
    depart_ = pointeur_ = q;
    appui(f_.controleur(), l.x(), l.y());
}

void Surface::mouseMoveEvent(QMouseEvent* e) {
    if (!glisse_case_ || !(e->buttons() & Qt::LeftButton)) return;
    pointeur_ = f_.echelle().vers_logique(e->position());
    const QPointF d = pointeur_ - depart_;
    if (!glisse_ && std::abs(d.x()) + std::abs(d.y()) >= SEUIL_GLISSE) glisse_ = true;
    if (glisse_) update();
}

void Surface::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint l = entier(f_.echelle().vers_logique(e->position()));
    const bool glisse = glisse_;
    glisse_case_ = 0;
    glisse_ = false;
    if (glisse) update();
    // The controller tells a click from a drop by the squares.
    relache(f_.controleur(), l.x(), l.y());
}

Image3d::Image3d(TForm1& f, QWidget* parent) : QWidget(parent), f_(f) {}

QPoint Image3d::vers_image(QPointF p) const {
    if (width() <= 0 || height() <= 0) return entier(p);
    return entier(QPointF(p.x() * LARGEUR_3D / width(), p.y() * HAUTEUR_3D / height()));
}

void Image3d::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const double kx = width() / double(LARGEUR_3D), ky = height() / double(HAUTEUR_3D);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // Enlarged, the picture twice as large is reduced rather than the small
    // one blown up: at twice the size it is drawn pixel for pixel.
    const QImage* grande = kx > 1.0 && !f_.affichage().image3d.isNull() ? f_.image3d_grande() : nullptr;
    p.scale(kx, ky);
    if (grande)
        p.drawImage(QRectF(0, 0, LARGEUR_3D, HAUTEUR_3D), *grande);
    else
        p.drawImage(0, 0, f_.affichage().image3d);
    peindre_marques_3d(p, f_.affichage());
}

void Image3d::mousePressEvent(QMouseEvent* e) {
    const QPoint q = vers_image(e->position());
    appui_3d(f_.controleur(), position_3d(f_.affichage(), q.x(), q.y()));
}

void Image3d::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint q = vers_image(e->position());
    relache_3d(f_.controleur(), position_3d(f_.affichage(), q.x(), q.y()));
}

void TForm1::mettre_a_l_echelle() {
    echelle_->appliquer();
    // A tab's padding does not grow with its text: the names are fitted
    // into the panel again.
    QTabBar* barre = Onglet->tabBar();
    const int espace = barre->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, barre);
    // Cut: the bar wider than its panel, or a tab narrower than its name.
    auto coupe = [&] {
        if (barre->sizeHint().width() > Onglet->width() - 4) return true;
        for (int i = 0; i < barre->count(); ++i)
            if (barre->fontMetrics().horizontalAdvance(barre->tabText(i)) + espace > barre->tabRect(i).width())
                return true;
        return false;
    };
    QFont police = barre->font();
    for (int taille = QFontInfo(police).pixelSize(); coupe() && taille > 7;) {
        police.setPixelSize(--taille);
        barre->setFont(police);
    }
    // Setting a tab's text is what lays the bar out again in its widget.
    for (int i = 0; i < Onglet->count(); ++i) Onglet->setTabText(i, Onglet->tabText(i));
    // Larger or smaller lines: the current move stays in view.
    if (QListWidgetItem* courant = ListBox1->currentItem()) ListBox1->scrollToItem(courant);
}

void TForm1::marques(const MarquesPlateau& m) {
    affichage_.marques = m;
    rafraichir();
}

void TForm1::taille_initiale() {
    resize(sizeHint());
    const QScreen* ecran = screen();
    if (!ecran) return;
    // The title bar is not in the window's size.
    const QSize dispo = ecran->availableGeometry().size() - QSize(0, 30);
    const double k = std::min({1.0, dispo.width() / double(width()), dispo.height() / double(height())});
    if (k >= 1.0) return;
    surface->setMinimumSize(int(LARGEUR_CLIENT * k), int(HAUTEUR_CLIENT * k));
    resize(int(width() * k), int(height() * k));
}

void TForm1::creer_clavier() {
    const std::pair<int, void (*)(Controleur&)> touches[] = {
        {Qt::Key_Left, reprise}, {Qt::Key_Right, avancer}, {Qt::Key_Home, revenir_debut}, {Qt::Key_End, Aller_fin}};
    for (auto [touche, commande] : touches) {
        auto* r = new QShortcut(QKeySequence(touche), this);
        // An edit field keeps its own keys: it takes them before the window.
        connect(r, &QShortcut::activated, this, [this, commande = commande] {
            // Locked as the menu items are (a rated match, the computer's turn).
            if (!jeu_ouvert() || !actives_[static_cast<size_t>(Commande::Navigation)]) return;
            commande(ctrl_);
        });
        raccourcis_.push_back(r);
    }
}

void TForm1::abandonner() {
    if (matchState(ctrl_) != MATCH_AUCUN) {
        const auto r = QMessageBox::question(this, QString::fromUtf8(kolmar::texte(Texte::Abandonner, langue_)),
                                             QString::fromUtf8(kolmar::texte(Texte::ConfirmerAbandon, langue_)));
        if (r != QMessageBox::Yes) return;
    }
    AbandonClick(ctrl_);
}

}  // namespace kolmar
