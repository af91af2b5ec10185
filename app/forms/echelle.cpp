#include "forms/echelle.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QStyle>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace kolmar {

namespace {

// Properties kept on the widgets: where the code put them, where the
// scale put them last, the font the code gave them.
const char* const k_logique = "echelle_logique";
const char* const k_applique = "echelle_appliquee";
const char* const k_police = "echelle_police";

// Containers whose children sit where the code put them; other widgets
// (tabs, lists, buttons) place their children themselves.
bool place_ses_enfants(const QWidget* w) {
    const QMetaObject* m = w->metaObject();
    return !w->layout() &&
           (m == &QWidget::staticMetaObject || m == &QFrame::staticMetaObject || m == &QGroupBox::staticMetaObject);
}

// The caption a widget shows on one line and the width it has for it;
// false for widgets that wrap their text or show none.
bool legende_sur_une_ligne(const QWidget* w, QString& t, int& place) {
    if (const auto* l = qobject_cast<const QLabel*>(w)) {
        if (l->wordWrap() || l->textFormat() == Qt::RichText) return false;
        t = l->text();
        place = l->contentsRect().width() - 2 * l->margin();
    } else if (const auto* b = qobject_cast<const QPushButton*>(w)) {
        t = b->text();
        place = b->contentsRect().width() - 2 * b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b);
    } else {
        return false;
    }
    return !t.isEmpty() && place > 0;
}

int largeur_de(const QFont& police, const QString& t) {
    const QFontMetrics m(police);
    int l = 0;
    for (const QString& ligne : t.split(QLatin1Char('\n'))) l = std::max(l, m.horizontalAdvance(ligne));
    return l;
}

}  // namespace

Echelle::Echelle(QWidget* surface, QSize logique) : QObject(surface), surface_(surface), logique_(logique) {}

double Echelle::facteur_pour(QSize t) const {
    // Below 1 only on a screen smaller than the logical area: the
    // surface's minimum size is the logical one otherwise.
    return std::min(t.width() / double(logique_.width()), t.height() / double(logique_.height()));
}

QRect Echelle::echelle_rect(const QRect& r, double s, QPointF o) const {
    const int x0 = int(std::lround(r.left() * s + o.x())), y0 = int(std::lround(r.top() * s + o.y()));
    const int x1 = int(std::lround((r.left() + r.width()) * s + o.x()));
    const int y1 = int(std::lround((r.top() + r.height()) * s + o.y()));
    return QRect(x0, y0, x1 - x0, y1 - y0);
}

void Echelle::appliquer() {
    s_ = facteur_pour(surface_->size());
    origine_ =
        QPointF((surface_->width() - logique_.width() * s_) / 2, (surface_->height() - logique_.height() * s_) / 2);
    if (s_ == 1.0) origine_ = QPointF(0, 0);
    en_cours_ = true;
    parcourir(surface_, s_, origine_);
    en_cours_ = false;
}

void Echelle::parcourir(QWidget* w, double s, QPointF origine) {
    // Every widget's font as it stood at the logical size, scaled: some
    // classes (lists, tab bars) take the theme's font instead of their
    // parent's, so none is left to inheritance.
    ajuster(w);
    const bool contenant = w == surface_ || place_ses_enfants(w);
    for (QObject* o : w->children()) {
        auto* c = qobject_cast<QWidget*>(o);
        if (!c || c->isWindow()) continue;
        if (contenant) {
            if (!c->property(k_logique).isValid()) {
                c->setProperty(k_logique, c->geometry());
                c->installEventFilter(this);
            }
            const QRect r = echelle_rect(c->property(k_logique).toRect(), s, w == surface_ ? origine : QPointF());
            c->setProperty(k_applique, r);
            c->setGeometry(r);
        }
        parcourir(c, s, origine);
    }
}

void Echelle::ajuster(QWidget* w) {
    QVariant base = w->property(k_police);
    if (!base.isValid() && s_ == 1.0) {
        base = QVariant::fromValue(w->font());
        w->setProperty(k_police, base);
    }
    if (!base.isValid()) return;
    QFont police = base.value<QFont>();
    if (police.pixelSize() > 0)
        police.setPixelSize(std::max(1, int(std::lround(police.pixelSize() * s_))));
    else
        police.setPointSizeF(police.pointSizeF() * s_);
    // A caption longer in one language than the place made for it is set
    // smaller rather than cut.
    QString t;
    int place = 0;
    if (legende_sur_une_ligne(w, t, place) && largeur_de(police, t) > place) {
        int taille = QFontInfo(police).pixelSize();
        while (taille > 7 && largeur_de(police, t) > place) police.setPixelSize(--taille);
    }
    if (w->font() != police) w->setFont(police);
}

QRect Echelle::rectangle_logique(const QWidget* w) const {
    const QVariant v = w->property(k_logique);
    return v.isValid() ? v.toRect() : w->geometry();
}

void Echelle::deplacer(QWidget* w, QPoint logique) {
    QRect r = rectangle_logique(w);
    r.moveTopLeft(logique);
    if (!w->property(k_logique).isValid()) {
        w->move(logique);
        return;
    }
    w->setProperty(k_logique, r);
    placer(w);
}

void Echelle::placer(QWidget* w) {
    const QRect r =
        echelle_rect(w->property(k_logique).toRect(), s_, w->parentWidget() == surface_ ? origine_ : QPointF());
    en_cours_ = true;
    w->setProperty(k_applique, r);
    w->setGeometry(r);
    en_cours_ = false;
}

bool Echelle::eventFilter(QObject* o, QEvent* e) {
    if (!en_cours_ && (e->type() == QEvent::Move || e->type() == QEvent::Resize)) {
        auto* w = static_cast<QWidget*>(o);
        // The code moved a child itself, in logical pixels: keep that as
        // its place and show it at the scale.
        if (w->geometry() != w->property(k_applique).toRect()) {
            w->setProperty(k_logique, w->geometry());
            if (s_ != 1.0)
                placer(w);
            else
                w->setProperty(k_applique, w->geometry());
        }
    }
    return QObject::eventFilter(o, e);
}

}  // namespace kolmar
