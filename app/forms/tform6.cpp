#include "forms/tform6.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include "forms/composants.h"
#include "lang/textes.h"
#include "lang/textes_analyse.h"

namespace kolmar {

namespace {

QString qs(TexteAnalyse t, int langue) {
    return QString::fromUtf8(kolmar::texte(t, langue));
}

QLineEdit* champ(QWidget* parent, const QString& nom, int largeur) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(nom);
    e->setFixedWidth(largeur);
    e->setAlignment(Qt::AlignRight);
    return e;
}

// Scalar indexes: thresholds 0..2, white squares of variants 1 and 2 at
// 3 and 10, black squares at 17 and 24, tempo weights 31..38.
constexpr int SEUILS = 0, BLANCHES_V1 = 3, BLANCHES_V2 = 10, NOIRES_V1 = 17, NOIRES_V2 = 24, TEMPO = 31;

const TexteAnalyse k_titres[NB_TABLES_PIONS] = {TexteAnalyse::TableDebut,          TexteAnalyse::TableMilieu,
                                                TexteAnalyse::TablePrefinale,      TexteAnalyse::TableFinale,
                                                TexteAnalyse::TableDebutVariante1, TexteAnalyse::TableMilieuVariante1,
                                                TexteAnalyse::TableDebutVariante2, TexteAnalyse::TableMilieuVariante2};

}  // namespace

// A label noted so that a language change finds it again.
QLabel* TForm6::mot(TexteAnalyse t) {
    auto* l = new QLabel(qs(t, FRANCAIS));
    mots_.emplace_back(l, t);
    return l;
}

QWidget* TForm6::panneau_table(int t) {
    auto* g = new QGroupBox(qs(k_titres[t], FRANCAIS), this);
    titres_[t] = g;
    g->setObjectName(QStringLiteral("Tableau%1").arg(t));
    auto* grille = new QGridLayout(g);
    grille->setSpacing(0);
    grille->setContentsMargins(2, 2, 2, 2);
    for (int r = 0; r < 12; ++r)
        for (int col = 0; col < 12; ++col) {
            const int k = entree_de_cellule(r, col);
            if (k == 0) {
                // A light cell of the checkerboard.
                auto* clair = new QWidget(g);
                clair->setFixedSize(28, 18);
                clair->setAutoFillBackground(true);
                clair->setStyleSheet(QStringLiteral("background: #f0e0b0"));
                grille->addWidget(clair, r, col);
                continue;
            }
            QLineEdit* e = champ(g, QStringLiteral("T%1_%2").arg(t).arg(k), 28);
            e->setFixedHeight(18);
            e->setStyleSheet(QStringLiteral("background: #c89040; border: 0; font-size: 9px"));
            tables_[t][k] = e;
            grille->addWidget(e, r, col);
        }
    return g;
}

TForm6::TForm6(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(qs(TexteAnalyse::FenetreParametres, FRANCAIS));
    for (int i = 0; i < NB_SCALAIRES; ++i) {
        static const char* const seuils[] = {"phase0_bas", "phase1_bas", "phase2_bas"};
        const QString nom = i < 3       ? QString::fromLatin1(seuils[i])
                            : i < TEMPO ? QStringLiteral("variante%1").arg(i - BLANCHES_V1)
                                        : QStringLiteral("tempo%1").arg(i - TEMPO);
        scalaires_[i] = champ(this, nom, 36);
    }

    // Eight tables side by side are wider than many screens: the fields
    // scroll, OK and Cancel stay in view under them.
    auto* dehors = new QVBoxLayout(this);
    auto* defile = new QScrollArea(this);
    defile->setObjectName(QStringLiteral("Defilement"));
    defile->setWidgetResizable(true);
    auto* contenu = new QWidget;
    defile->setWidget(contenu);
    dehors->addWidget(defile, 1);
    auto* v = new QVBoxLayout(contenu);
    // Thresholds and the first four tempo weights.
    auto* haut = new QHBoxLayout;
    const TexteAnalyse seuil[] = {TexteAnalyse::SeuilDebut, TexteAnalyse::SeuilMilieu, TexteAnalyse::SeuilPrefinale};
    for (int i = 0; i < 3; ++i) {
        haut->addWidget(mot(seuil[i]));
        haut->addWidget(scalaires_[SEUILS + i]);
        haut->addWidget(mot(TexteAnalyse::Pieces));
        haut->addSpacing(12);
    }
    haut->addWidget(mot(TexteAnalyse::FinaleReste));
    haut->addStretch();
    auto tempo = [this](QHBoxLayout* l, int premier) {
        l->addWidget(mot(TexteAnalyse::TempsDAvance));
        for (int i = premier; i < premier + 4; ++i) l->addWidget(scalaires_[TEMPO + i]);
        l->addWidget(mot(TexteAnalyse::DeuxCentiemes));
    };
    tempo(haut, 0);
    v->addLayout(haut);
    auto* rang1 = new QHBoxLayout;
    for (int t = 0; t < 4; ++t) rang1->addWidget(panneau_table(t));
    rang1->addStretch();
    v->addLayout(rang1);
    auto* milieu = new QHBoxLayout;
    milieu->addStretch();
    tempo(milieu, 4);
    v->addLayout(milieu);
    auto* rang2 = new QHBoxLayout;
    for (int t = 4; t < 8; ++t) rang2->addWidget(panneau_table(t));
    rang2->addStretch();
    v->addLayout(rang2);

    // The variant squares.
    auto* bas = new QHBoxLayout;
    const TexteAnalyse conditions[] = {TexteAnalyse::ConditionsVariante1, TexteAnalyse::ConditionsVariante2};
    const int blanches[] = {BLANCHES_V1, BLANCHES_V2}, noires[] = {NOIRES_V1, NOIRES_V2};
    for (int var = 0; var < 2; ++var) {
        auto* g = new QGridLayout;
        g->addWidget(mot(conditions[var]), 0, 0, 1, 8);
        g->addWidget(mot(TexteAnalyse::CasesBlanches), 1, 0);
        g->addWidget(mot(TexteAnalyse::CasesNoires), 2, 0);
        for (int i = 0; i < 7; ++i) {
            g->addWidget(scalaires_[blanches[var] + i], 1, i + 1);
            g->addWidget(scalaires_[noires[var] + i], 2, i + 1);
        }
        bas->addLayout(g);
        bas->addSpacing(24);
    }
    bas->addStretch();
    parametreOK = bouton(this, "parametreOK");
    parametreOK->setText(QString::fromUtf8(kolmar::texte(Texte::Ok, FRANCAIS)));
    parametrecancel = bouton(this, "parametrecancel");
    parametrecancel->setText(qs(TexteAnalyse::Cancel, FRANCAIS));
    v->addLayout(bas);
    v->addStretch();
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(parametreOK);
    boutons->addWidget(parametrecancel);
    dehors->addLayout(boutons);

    // OK hands the fields over before hiding; Cancel only hides.
    connect(parametreOK, &QPushButton::clicked, this, [this] {
        emit ok();
        hide();
    });
    connect(parametrecancel, &QPushButton::clicked, this, &QDialog::hide);
}

void TForm6::appliquer_legendes(int langue) {
    setWindowTitle(qs(TexteAnalyse::FenetreParametres, langue));
    for (int t = 0; t < NB_TABLES_PIONS; ++t) titres_[t]->setTitle(qs(k_titres[t], langue));
    for (auto [l, t] : mots_) l->setText(qs(t, langue));
    parametreOK->setText(QString::fromUtf8(kolmar::texte(Texte::Ok, langue)));
    parametrecancel->setText(qs(TexteAnalyse::Cancel, langue));
}

void TForm6::montrer(const ChampsParametres& c) {
    for (int t = 0; t < NB_TABLES_PIONS; ++t)
        for (int k = 1; k <= 72; ++k) tables_[t][k]->setText(QString::fromStdString(c.tables[t][k]));
    for (int i = 0; i < NB_SCALAIRES; ++i) scalaires_[i]->setText(QString::fromStdString(c.scalaires[i]));
    // The whole screen even where no window manager maximises it.
    if (const QScreen* e = screen()) setGeometry(e->availableGeometry());
    showMaximized();
}

ChampsParametres TForm6::champs() const {
    ChampsParametres c;
    for (int t = 0; t < NB_TABLES_PIONS; ++t)
        for (int k = 1; k <= 72; ++k) c.tables[t][k] = tables_[t][k]->text().toStdString();
    for (int i = 0; i < NB_SCALAIRES; ++i) c.scalaires[i] = scalaires_[i]->text().toStdString();
    return c;
}

}  // namespace kolmar
