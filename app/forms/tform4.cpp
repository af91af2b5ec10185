#include "forms/tform4.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>
#include <cmath>

#include "forms/composants.h"
#include "lang/textes_analyse.h"

namespace kolmar {

namespace {

constexpr double BORNE = 5.0;  // men

QString qs(TexteAnalyse t, int langue) {
    return QString::fromUtf8(kolmar::texte(t, langue));
}

}  // namespace

CourbeAnalyse::CourbeAnalyse(QWidget* parent) : QWidget(parent) {
    setMinimumSize(240, 120);
    setAutoFillBackground(false);
}

void CourbeAnalyse::poser(const std::vector<double>& valeurs, const std::vector<bool>& fautes, int courant) {
    valeurs_ = valeurs;
    fautes_ = fautes;
    courant_ = courant;
    update();
}

QRectF CourbeAnalyse::zone() const {
    // Room on the left for the men scale and below for the move numbers.
    return QRectF(28, 8, std::max(10, width() - 36), std::max(10, height() - 26));
}

QPointF CourbeAnalyse::point(int w) const {
    const QRectF z = zone();
    const int n = std::max<int>(1, static_cast<int>(valeurs_.size()) - 1);
    const double v = w >= 0 && w < static_cast<int>(valeurs_.size()) && !std::isnan(valeurs_[w]) ? valeurs_[w] : 0.0;
    return QPointF(z.left() + z.width() * w / n, z.center().y() - z.height() / 2 * v / BORNE);
}

void CourbeAnalyse::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    const QRectF z = zone();
    p.setPen(QColor(220, 220, 220));
    for (int m = -4; m <= 4; ++m) {
        const double y = z.center().y() - z.height() / 2 * m / BORNE;
        p.drawLine(QPointF(z.left(), y), QPointF(z.right(), y));
    }
    p.setPen(Qt::black);
    p.drawRect(z);
    p.drawLine(QPointF(z.left(), z.center().y()), QPointF(z.right(), z.center().y()));
    for (int m = -BORNE; m <= BORNE; m += 5) {
        const double y = z.center().y() - z.height() / 2 * m / BORNE;
        p.drawText(QRectF(0, y - 8, z.left() - 4, 16), Qt::AlignRight | Qt::AlignVCenter,
                   m > 0 ? QStringLiteral("+%1").arg(m) : QString::number(m));
    }
    const int n = static_cast<int>(valeurs_.size());
    // Move numbers under the axis, a few of them.
    const int pas = std::max(2, (n / 2 / 8 + 1) * 2);
    for (int w = 0; w < n; w += pas)
        p.drawText(QRectF(point(w).x() - 20, z.bottom() + 2, 40, 16), Qt::AlignHCenter | Qt::AlignTop,
                   QString::number(w / 2 + 1));

    QPainterPath chemin;
    bool ouvert = false;
    for (int w = 0; w < n; ++w) {
        if (std::isnan(valeurs_[w])) {
            ouvert = false;
            continue;
        }
        if (ouvert)
            chemin.lineTo(point(w));
        else
            chemin.moveTo(point(w));
        ouvert = true;
    }
    p.setPen(QPen(QColor(30, 70, 160), 2));
    p.drawPath(chemin);
    for (int w = 0; w < n; ++w) {
        if (std::isnan(valeurs_[w])) continue;
        const bool faute = w < static_cast<int>(fautes_.size()) && fautes_[w];
        p.setPen(Qt::NoPen);
        p.setBrush(faute ? QColor(200, 0, 0) : QColor(30, 70, 160));
        p.drawEllipse(point(w), faute ? 4.5 : 2.5, faute ? 4.5 : 2.5);
        if (faute) {
            p.setPen(QColor(200, 0, 0));
            p.drawText(QRectF(point(w).x() - 6, point(w).y() - 20, 12, 12), Qt::AlignCenter, QStringLiteral("*"));
        }
    }
    if (courant_ >= 0 && courant_ < n && !std::isnan(valeurs_[courant_])) {
        p.setPen(QPen(QColor(0, 150, 0), 1, Qt::DashLine));
        p.drawLine(QPointF(point(courant_).x(), z.top()), QPointF(point(courant_).x(), z.bottom()));
        p.setPen(QPen(QColor(0, 150, 0), 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(point(courant_), 7, 7);
    }
}

void CourbeAnalyse::mousePressEvent(QMouseEvent* e) {
    // The analysed point nearest along the move axis.
    const double x = e->position().x();
    int meilleur = -1;
    double ecart = 1e9;
    for (int w = 0; w < static_cast<int>(valeurs_.size()); ++w) {
        if (std::isnan(valeurs_[w])) continue;
        const double d = std::abs(point(w).x() - x);
        if (d < ecart) ecart = d, meilleur = w;
    }
    if (meilleur >= 0 && ecart <= 12) emit point_clique(meilleur);
}

TForm4::TForm4(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Form4"));
    ListBox1 = composant<QListWidget>(this, "ListBox1");
    QFont fixe(QStringLiteral("Monospace"));
    fixe.setStyleHint(QFont::TypeWriter);
    ListBox1->setFont(fixe);
    Courbe = composant<CourbeAnalyse>(this, "Courbe");
    BitBtn1 = bouton(this, "BitBtn1");
    BitBtn4 = bouton(this, "BitBtn4");
    BitBtn2 = bouton(this, "BitBtn2");
    BitBtn3 = bouton(this, "BitBtn3");
    auto* partage = new QSplitter(Qt::Vertical, this);
    partage->addWidget(ListBox1);
    partage->addWidget(Courbe);
    partage->setStretchFactor(0, 1);
    partage->setStretchFactor(1, 1);
    auto* boutons = new QHBoxLayout;
    for (QPushButton* b : {BitBtn1, BitBtn4, BitBtn2, BitBtn3}) boutons->addWidget(b);
    auto* v = new QVBoxLayout(this);
    v->addWidget(partage, 1);
    v->addLayout(boutons);
    resize(640, 480);
    appliquer_legendes(FRANCAIS);

    connect(BitBtn1, &QPushButton::clicked, this, &TForm4::suivant);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm4::fin);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm4::editer);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm4::imprimer_demande);
    connect(ListBox1, &QListWidget::itemClicked, this, [this](QListWidgetItem* i) { emit ligne(ListBox1->row(i)); });
}

void TForm4::appliquer_legendes(int langue) {
    setWindowTitle(qs(TexteAnalyse::FenetreAnalyse, langue));
    BitBtn1->setText(qs(TexteAnalyse::Suivant, langue));
    BitBtn4->setText(qs(TexteAnalyse::FinAnalyse, langue));
    BitBtn2->setText(qs(TexteAnalyse::EditerAnalyse, langue));
    BitBtn3->setText(qs(TexteAnalyse::ImprimerAnalyse, langue));
}

void TForm4::lignes(const std::vector<std::string>& longues) {
    ListBox1->clear();
    for (const std::string& l : longues) ListBox1->addItem(QString::fromStdString(l));
}

void TForm4::noms(const QString& blanc, const QString& noir) {
    blanc_ = blanc;
    noir_ = noir;
}

void TForm4::imprimer(QPrinter& printer, int nb) const {
    QPainter p;
    if (!p.begin(&printer)) return;
    const int h = p.fontMetrics().height();
    const int haut = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    const int n = std::max(1, (haut - 150 - h) / h);
    p.drawText(5, 5 + p.fontMetrics().ascent(), blanc_ + QStringLiteral(" - ") + noir_);
    for (int i = 0; i < nb && i < ListBox1->count(); ++i) {
        if (i > 0 && i % n == 0) printer.newPage();
        p.drawText(1, (i % n) * h + h + 150, ListBox1->item(i)->text());
    }
    p.end();
}

void TForm4::closeEvent(QCloseEvent* e) {
    // Closing the window ends the analysis as "Fin analyse" does.
    emit fin();
    e->accept();
}

}  // namespace kolmar
