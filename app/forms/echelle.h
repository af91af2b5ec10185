// The window's surface keeps the logical layout of 800 x 512 pixels; a
// resized window shows it through one uniform scale. Every child of the
// surface (and of the panels placed without a layout inside it) keeps its
// logical rectangle, drawn at the scale; fonts follow. Input is mapped
// back here, so the click rules only ever see logical points.
#pragma once

#include <QObject>
#include <QPointF>
#include <QRect>
#include <QSize>

class QWidget;

namespace kolmar {

class Echelle : public QObject {
    Q_OBJECT
   public:
    Echelle(QWidget* surface, QSize logique);

    double facteur() const { return s_; }
    QPointF origine() const { return origine_; }
    QSize logique() const { return logique_; }
    // The largest scale at which the logical area fits a widget of size t.
    double facteur_pour(QSize t) const;
    // A point of the surface in logical pixels, and back.
    QPointF vers_logique(QPointF p) const { return (p - origine_) / s_; }
    QPointF vers_surface(QPointF p) const { return p * s_ + origine_; }
    // Lays the surface's children out for its current size.
    void appliquer();
    // Where the code placed w, in logical pixels.
    QRect rectangle_logique(const QWidget* w) const;
    // Moves w to a logical position at the current scale.
    void deplacer(QWidget* w, QPoint logique);
    // w's font at the scale, smaller when its one-line caption would be
    // cut: called again whenever the caption changes.
    void ajuster(QWidget* w);

   protected:
    bool eventFilter(QObject* o, QEvent* e) override;

   private:
    void parcourir(QWidget* w, double s, QPointF origine);
    void placer(QWidget* w);
    QRect echelle_rect(const QRect& r, double s, QPointF origine) const;

    QWidget* surface_;
    QSize logique_;
    double s_ = 1.0;
    QPointF origine_;
    bool en_cours_ = false;
};

}  // namespace kolmar
