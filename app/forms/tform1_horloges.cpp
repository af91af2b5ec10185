// The main window's clocks, level menu and move-list navigation.
#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "control/commandes.h"
#include "forms/tform1.h"
#include "lang/textes_jeu.h"

namespace kolmar {

namespace {

QString tr_jeu(TexteJeu t) {
    return QString::fromUtf8(kolmar::texte(t));
}

QAction* action(QMenu* menu, const char* nom, TexteJeu t, QKeySequence raccourci = {}) {
    QAction* a = menu->addAction(tr_jeu(t));
    a->setObjectName(QString::fromLatin1(nom));
    a->setShortcut(raccourci);
    return a;
}

QLabel* chiffres(QWidget* parent, const char* nom) {
    auto* l = new QLabel(QStringLiteral("0"), parent);
    l->setObjectName(QString::fromLatin1(nom));
    return l;
}

// minutes ":" seconds, as one row.
QHBoxLayout* rangee_horloge(QLabel* min, QLabel* sec) {
    auto* h = new QHBoxLayout;
    h->setSpacing(2);
    min->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sec->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    h->addWidget(min, 1);
    h->addWidget(new QLabel(QStringLiteral(":"), min->parentWidget()));
    h->addWidget(sec, 1);
    return h;
}

QToolButton* bouton_navigation(QWidget* parent, const char* nom, const char* symbole, TexteJeu bulle) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(nom));
    b->setText(QString::fromUtf8(symbole));
    b->setToolTip(tr_jeu(bulle));
    return b;
}

}  // namespace

void TForm1::creer_horloges() {
    // Clocks: a row under each side's counter.
    // Taller downwards only: the panels trade places at 8 and 428 when the
    // board is turned.
    for (QFrame* p : {Panel6, Panel7}) {
        p->resize(p->width(), 84);
        if (p->layout()) p->layout()->setSpacing(0);
    }
    minnoir = chiffres(Panel6, "minnoir");
    secnoir = chiffres(Panel6, "secnoir");
    minblanc = chiffres(Panel7, "minblanc");
    secblanc = chiffres(Panel7, "secblanc");
    if (auto* v = qobject_cast<QVBoxLayout*>(Panel6->layout())) v->addLayout(rangee_horloge(minnoir, secnoir));
    if (auto* v = qobject_cast<QVBoxLayout*>(Panel7->layout())) v->addLayout(rangee_horloge(minblanc, secblanc));
    // The 3D board's copies, shown with that board.
    Horlogenoir3d = new QFrame(surface);
    Horlogenoir3d->setObjectName(QStringLiteral("Horlogenoir3d"));
    Horlogeblanc3d = new QFrame(surface);
    Horlogeblanc3d->setObjectName(QStringLiteral("Horlogeblanc3d"));
    minnoir3d = chiffres(Horlogenoir3d, "minnoir3d");
    secnoir3d = chiffres(Horlogenoir3d, "secnoir3d");
    minblanc3d = chiffres(Horlogeblanc3d, "minblanc3d");
    secblanc3d = chiffres(Horlogeblanc3d, "secblanc3d");
    (new QHBoxLayout(Horlogenoir3d))->addLayout(rangee_horloge(minnoir3d, secnoir3d));
    (new QHBoxLayout(Horlogeblanc3d))->addLayout(rangee_horloge(minblanc3d, secblanc3d));
    Horlogenoir3d->hide();
    Horlogeblanc3d->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { ajouter_temps(ctrl_); });

    Options1->addSeparator();
    Horlogeszro1 = action(Options1, "Horlogeszro1", TexteJeu::HorlogesAZero);
    Pause2 = action(Options1, "Pause2", TexteJeu::Pause);
    Pause2->setCheckable(true);
    connect(Horlogeszro1, &QAction::triggered, this, [this] { Horlogeszro1Click(ctrl_); });
    connect(Pause2, &QAction::triggered, this, [this] { Pause2Click(ctrl_); });

    // Navigation.
    Edition1 = new QMenu(tr_jeu(TexteJeu::Edition), this);
    Edition1->setObjectName(QStringLiteral("Edition1"));
    menuBar()->insertMenu(Affichage1->menuAction(), Edition1);
    Reprendrecoups1 = action(Edition1, "Reprendrecoups1", TexteJeu::ReprendreCoups, QKeySequence(Qt::Key_F1));
    Avancercoups1 = action(Edition1, "Avancercoups1", TexteJeu::AvancerCoups, QKeySequence(Qt::Key_F2));
    Reveniraudbut1 = action(Edition1, "Reveniraudbut1", TexteJeu::RevenirAuDebut, QKeySequence(Qt::CTRL | Qt::Key_F1));
    Allerlafin1 = action(Edition1, "Allerlafin1", TexteJeu::AllerALaFin, QKeySequence(Qt::CTRL | Qt::Key_F2));
    Inverserlesjoueurs1 =
        action(Joueurs1, "Inverserlesjoueurs1", TexteJeu::InverserLesJoueurs, QKeySequence(Qt::Key_F4));
    connect(Reprendrecoups1, &QAction::triggered, this, [this] { reprise(ctrl_); });
    connect(Avancercoups1, &QAction::triggered, this, [this] { avancer(ctrl_); });
    connect(Reveniraudbut1, &QAction::triggered, this, [this] { revenir_debut(ctrl_); });
    connect(Allerlafin1, &QAction::triggered, this, [this] { Aller_fin(ctrl_); });
    connect(Inverserlesjoueurs1, &QAction::triggered, this, [this] { inverser_joueurs(ctrl_); });

    SpeedButton4 = bouton_navigation(Liste, "SpeedButton4", "|<", TexteJeu::RevenirAuDebut);
    SpeedButton1 = bouton_navigation(Liste, "SpeedButton1", "<", TexteJeu::ReculerDUnCoup);
    SpeedButton2 = bouton_navigation(Liste, "SpeedButton2", ">", TexteJeu::AvancerDUnCoup);
    SpeedButton5 = bouton_navigation(Liste, "SpeedButton5", ">|", TexteJeu::AllerALaFin);
    if (auto* v = qobject_cast<QVBoxLayout*>(Liste->layout())) {
        auto* h = new QHBoxLayout;
        for (QToolButton* b : {SpeedButton4, SpeedButton1, SpeedButton2, SpeedButton5}) h->addWidget(b);
        v->addLayout(h);
    }
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { reprise(ctrl_); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { avancer(ctrl_); });
    connect(SpeedButton4, &QToolButton::clicked, this, [this] { revenir_debut(ctrl_); });
    connect(SpeedButton5, &QToolButton::clicked, this, [this] { Aller_fin(ctrl_); });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* it) { revenir_n(ctrl_, ListBox1->row(it)); });

    // Levels.
    Niveau1 = new QMenu(tr_jeu(TexteJeu::Niveau), this);
    Niveau1->setObjectName(QStringLiteral("Niveau1"));
    menuBar()->insertMenu(Options1->menuAction(), Niveau1);
    auto* groupe = new QActionGroup(this);
    groupe->setExclusive(true);
    for (int i = 0; i < NB_NIVEAUX; ++i) {
        if (i == 9) {
            Niveau1->addSeparator();
            XSpecial1 = Niveau1->addMenu(tr_jeu(TexteJeu::XSpecial));
            XSpecial1->setObjectName(QStringLiteral("XSpecial1"));
        }
        QMenu* m = niveaux[i].special ? XSpecial1 : Niveau1;
        QAction* a = m->addAction(QString::fromUtf8(libelle_niveau(i, FRANCAIS)));
        a->setObjectName(QString::fromLatin1(niveaux[i].objet));
        a->setCheckable(true);
        groupe->addAction(a);
        Niveaux[i] = a;
        if (i == NIVEAU_AUTRE)
            connect(a, &QAction::triggered, this, [this] { kolmar::N8Autre1Click(ctrl_); });
        else
            connect(a, &QAction::triggered, this, [this, i] { choisir_niveau(ctrl_, i); });
    }

    Panel9 = new QFrame(surface);
    Panel9->setObjectName(QStringLiteral("Panel9"));
    Panel9->setFrameShape(QFrame::Panel);
    Panel9->setFrameShadow(QFrame::Raised);
    Panel9->setLineWidth(2);
    Panel9->setAutoFillBackground(true);
    Panel9->setGeometry(116, 210, 260, 76);
    auto* v9 = new QVBoxLayout(Panel9);
    auto* ligne = new QHBoxLayout;
    // Named for the language tables only.
    auto* trente = new QLabel(tr_jeu(TexteJeu::TrenteCoupsEn), Panel9);
    trente->setObjectName(QStringLiteral("Label_trentecoups"));
    ligne->addWidget(trente);
    Nbminutes = new QLineEdit(QStringLiteral("3"), Panel9);
    Nbminutes->setObjectName(QStringLiteral("Nbminutes"));
    Nbminutes->setMaximumWidth(60);
    ligne->addWidget(Nbminutes);
    auto* minutes = new QLabel(tr_jeu(TexteJeu::Minutes), Panel9);
    minutes->setObjectName(QStringLiteral("Label_minutes"));
    ligne->addWidget(minutes);
    v9->addLayout(ligne);
    auto* boutons = new QHBoxLayout;
    BitBtn24 = new QPushButton(QString::fromUtf8(kolmar::texte(Texte::Ok)), Panel9);
    BitBtn24->setObjectName(QStringLiteral("BitBtn24"));
    BitBtn25 = new QPushButton(QString::fromUtf8(kolmar::texte(Texte::Annuler)), Panel9);
    BitBtn25->setObjectName(QStringLiteral("BitBtn25"));
    boutons->addWidget(BitBtn24);
    boutons->addWidget(BitBtn25);
    v9->addLayout(boutons);
    Panel9->hide();
    connect(BitBtn24, &QPushButton::clicked, this,
            [this] { kolmar::BitBtn24Click(ctrl_, Nbminutes->text().toStdString()); });
    connect(BitBtn25, &QPushButton::clicked, this, [this] { kolmar::BitBtn25Click(ctrl_); });
}

void TForm1::horloges(const Horloges& h) {
    const QString mn = QString::fromStdString(h.minnoir), sn = QString::fromStdString(h.secnoir);
    const QString mb = QString::fromStdString(h.minblanc), sb = QString::fromStdString(h.secblanc);
    for (QLabel* l : {minnoir, minnoir3d}) l->setText(mn);
    for (QLabel* l : {secnoir, secnoir3d}) l->setText(sn);
    for (QLabel* l : {minblanc, minblanc3d}) l->setText(mb);
    for (QLabel* l : {secblanc, secblanc3d}) l->setText(sb);
}

void TForm1::minuterie(bool marche) {
    if (marche)
        Timer1->start();
    else
        Timer1->stop();
    Pause2->setChecked(!marche);
}

void TForm1::niveau(const ControleTemps& c) {
    for (int i = 0; i < NB_NIVEAUX; ++i) Niveaux[i]->setChecked(niveau_coche(c, i));
    Nbminutes->setText(QString::number(c.periodMinutes));
}

}  // namespace kolmar
