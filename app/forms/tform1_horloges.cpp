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

#include "control/deroulement.h"
#include "control/navigation.h"
#include "control/tour_ordinateur.h"
#include "display/damier2d.h"
#include "forms/tform1.h"
#include "lang/textes_jeu.h"

namespace kolmar {

namespace {

QString tr_jeu(TexteJeu t) { return QString::fromUtf8(texte(t)); }

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
    connect(Timer1, &QTimer::timeout, this, [this] { ajouter_temps(); });

    Options1->addSeparator();
    Horlogeszro1 = action(Options1, "Horlogeszro1", TexteJeu::HorlogesAZero);
    Pause2 = action(Options1, "Pause2", TexteJeu::Pause);
    Pause2->setCheckable(true);
    connect(Horlogeszro1, &QAction::triggered, this, [this] { Horlogeszro1Click(); });
    connect(Pause2, &QAction::triggered, this, [this] { Pause2Click(); });

    // Navigation.
    Edition1 = new QMenu(tr_jeu(TexteJeu::Edition), this);
    Edition1->setObjectName(QStringLiteral("Edition1"));
    menuBar()->insertMenu(Affichage1->menuAction(), Edition1);
    Reprendrecoups1 = action(Edition1, "Reprendrecoups1", TexteJeu::ReprendreCoups, QKeySequence(Qt::Key_F1));
    Avancercoups1 = action(Edition1, "Avancercoups1", TexteJeu::AvancerCoups, QKeySequence(Qt::Key_F2));
    Reveniraudbut1 = action(Edition1, "Reveniraudbut1", TexteJeu::RevenirAuDebut, QKeySequence(Qt::CTRL | Qt::Key_F1));
    Allerlafin1 = action(Edition1, "Allerlafin1", TexteJeu::AllerALaFin, QKeySequence(Qt::CTRL | Qt::Key_F2));
    QMenu* joueurs = findChild<QMenu*>(QStringLiteral("Joueurs1"));
    Inverserlesjoueurs1 =
        action(joueurs ? joueurs : Edition1, "Inverserlesjoueurs1", TexteJeu::InverserLesJoueurs, QKeySequence(Qt::Key_F4));
    connect(Reprendrecoups1, &QAction::triggered, this, [this] { reprise(); });
    connect(Avancercoups1, &QAction::triggered, this, [this] { avancer(); });
    connect(Reveniraudbut1, &QAction::triggered, this, [this] { revenir_debut(); });
    connect(Allerlafin1, &QAction::triggered, this, [this] { Aller_fin(); });
    connect(Inverserlesjoueurs1, &QAction::triggered, this, [this] { inverser_joueurs(); });

    SpeedButton4 = bouton_navigation(Liste, "SpeedButton4", "|<", TexteJeu::RevenirAuDebut);
    SpeedButton1 = bouton_navigation(Liste, "SpeedButton1", "<", TexteJeu::ReculerDUnCoup);
    SpeedButton2 = bouton_navigation(Liste, "SpeedButton2", ">", TexteJeu::AvancerDUnCoup);
    SpeedButton5 = bouton_navigation(Liste, "SpeedButton5", ">|", TexteJeu::AllerALaFin);
    if (auto* v = qobject_cast<QVBoxLayout*>(Liste->layout())) {
        auto* h = new QHBoxLayout;
        for (QToolButton* b : {SpeedButton4, SpeedButton1, SpeedButton2, SpeedButton5}) h->addWidget(b);
        v->addLayout(h);
    }
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { reprise(); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { avancer(); });
    connect(SpeedButton4, &QToolButton::clicked, this, [this] { revenir_debut(); });
    connect(SpeedButton5, &QToolButton::clicked, this, [this] { Aller_fin(); });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* it) { revenir_n(ListBox1->row(it)); });

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
        QAction* a = m->addAction(QString::fromUtf8(niveaux[i].libelle));
        a->setObjectName(QString::fromLatin1(niveaux[i].objet));
        a->setCheckable(true);
        groupe->addAction(a);
        Niveaux[i] = a;
        if (i == NIVEAU_AUTRE) connect(a, &QAction::triggered, this, [this] { N8Autre1Click(); });
        else connect(a, &QAction::triggered, this, [this, i] { choisir_niveau(i); });
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
    ligne->addWidget(new QLabel(tr_jeu(TexteJeu::TrenteCoupsEn), Panel9));
    Nbminutes = new QLineEdit(QStringLiteral("3"), Panel9);
    Nbminutes->setObjectName(QStringLiteral("Nbminutes"));
    Nbminutes->setMaximumWidth(60);
    ligne->addWidget(Nbminutes);
    ligne->addWidget(new QLabel(tr_jeu(TexteJeu::Minutes), Panel9));
    v9->addLayout(ligne);
    auto* boutons = new QHBoxLayout;
    BitBtn24 = new QPushButton(QString::fromUtf8(texte(Texte::Ok)), Panel9);
    BitBtn24->setObjectName(QStringLiteral("BitBtn24"));
    BitBtn25 = new QPushButton(QString::fromUtf8(texte(Texte::Annuler)), Panel9);
    BitBtn25->setObjectName(QStringLiteral("BitBtn25"));
    boutons->addWidget(BitBtn24);
    boutons->addWidget(BitBtn25);
    v9->addLayout(boutons);
    Panel9->hide();
    connect(BitBtn24, &QPushButton::clicked, this, [this] { BitBtn24Click(); });
    connect(BitBtn25, &QPushButton::clicked, this, [this] { BitBtn25Click(); });

    // A first game: "5 : Excellence", clocks at zero and running.
    choisir_niveau(NIVEAU_EXCELLENCE);
    Horloges& h = ctx().horloges;
    remettre_a_zero(h);
    h.timer_actif = true;
    Timer1->start();
    afficher_horloges();
}

void TForm1::afficher_horloges() {
    const Horloges& h = ctx().horloges;
    const QString mn = QString::fromStdString(h.minnoir), sn = QString::fromStdString(h.secnoir);
    const QString mb = QString::fromStdString(h.minblanc), sb = QString::fromStdString(h.secblanc);
    minnoir->setText(mn);
    minnoir3d->setText(mn);
    secnoir->setText(sn);
    secnoir3d->setText(sn);
    minblanc->setText(mb);
    minblanc3d->setText(mb);
    secblanc->setText(sb);
    secblanc3d->setText(sb);
}

void TForm1::ajouter_temps() {
    if (kolmar::ajouter_temps(ctx().horloges, jeu().trait, session().tour_ordinateur != 0)) afficher_horloges();
}

void TForm1::Horlogeszro1Click() {
    Session& S = session();
    uint8_t etat = static_cast<uint8_t>(S.matchState);
    horloges_a_zero(ctx().horloges, etat);
    S.matchState = etat;
    ctx().match.matchState = etat;
    afficher_horloges();
}

void TForm1::Pause2Click() {
    const bool arrete = basculer_pause(ctx().horloges);
    if (arrete) Timer1->stop();
    else Timer1->start();
    Pause2->setChecked(arrete);
}

void TForm1::cocher_niveau() {
    for (int i = 0; i < NB_NIVEAUX; ++i) Niveaux[i]->setChecked(niveau_coche(ctx().controle, i));
}

void TForm1::choisir_niveau(int i) {
    ControleTemps& c = ctx().controle;
    if (kolmar::choisir_niveau(c, i)) Nbminutes->setText(QString::number(c.periodMinutes));
    cocher_niveau();
    ctx().moteur->limites.engineBudget = c.engineBudget;
    ctx().moteur->limites.periodLimit = c.periodLimit;
}

void TForm1::N8Autre1Click() {
    // The mark moves only once the minutes are accepted.
    cocher_niveau();
    Panel9->show();
    Panel9->raise();
    Nbminutes->setFocus();
}

void TForm1::BitBtn24Click() {
    ControleTemps& c = ctx().controle;
    if (!accepter_autre(c, Nbminutes->text().toStdString())) return;
    Panel9->hide();
    cocher_niveau();
    ctx().moteur->limites.engineBudget = c.engineBudget;
    ctx().moteur->limites.periodLimit = c.periodLimit;
}

void TForm1::BitBtn25Click() {
    Panel9->hide();
    placer_pions(*this);
}

// Navigation waits while a move is being shown: the move is committed on
// damier when the display ends, and a position changed under it would take
// the move for the wrong game.
namespace {

// What a navigation command asks the window to show.
void montrer(TForm1& f, const Rafraichir& r) {
    Session& S = f.session();
    if (r.saisie) {
        S.piece_choisie = 0;
        S.nb_saisis = 0;
        S.ambiguite = false;
        std::fill(std::begin(S.marques), std::end(S.marques), uint8_t(0));
        S.dernier_coup_ordi[0] = S.dernier_coup_ordi[1] = 0;
    }
    if (r.position || r.saisie) placer_pions(f);
    if (r.noms) f.afficher_noms();
    if (r.etiquettes) f.afficher_horloges();
    if (r.selection) {
        if (r.ligne >= 0 && r.ligne < f.ListBox1->count()) f.ListBox1->setCurrentRow(r.ligne);
        else f.ListBox1->setCurrentRow(-1);
    }
    if (r.couleur)
        f.Couleurordi->setText(QString::fromUtf8(texte_couleur_ordinateur(f.langue, S.couleur_ordinateur)));
    // During a search damier is the search's: the counters follow when it returns.
    if (!S.recherche_en_cours) compter_pions(f);
    // A game that had ended goes on from the position shown.
    if (r.position && S.partie_finie) {
        S.partie_finie = false;
        f.fin_de_parties->hide();
    }
    f.Match_nul->hide();
    f.Zut->hide();
}

}  // namespace

void TForm1::reprise() {
    if (session().animation) return;
    EtatTour e = etat_tour(*this);
    montrer(*this, kolmar::reprise(jeu(), ctx().horloges, e));
}

void TForm1::avancer() {
    if (session().animation) return;
    EtatTour e = etat_tour(*this);
    montrer(*this, kolmar::avancer(jeu(), ctx().horloges, e));
}

void TForm1::revenir_debut() {
    if (session().animation) return;
    EtatTour e = etat_tour(*this);
    montrer(*this, kolmar::revenir_debut(jeu(), ctx().horloges, e));
}

void TForm1::Aller_fin() {
    if (session().animation) return;
    EtatTour e = etat_tour(*this);
    montrer(*this, kolmar::Aller_fin(jeu(), ctx().horloges, e));
}

void TForm1::revenir_n(int ligne) {
    if (session().animation) return;
    EtatTour e = etat_tour(*this);
    montrer(*this, kolmar::revenir_n(jeu(), ctx().horloges, e, ligne));
}

void TForm1::inverser_joueurs() {
    Session& S = session();
    if (S.animation) return;
    EtatTour e = etat_tour(*this);
    const bool pendant = S.recherche_en_cours;
    Rafraichir r = kolmar::inverser_joueurs(jeu(), e);
    if (pendant) S.inversion = true;
    // The computer now plays against whoever was to move.
    S.contre_ordinateur = 1;
    Humaincontrehumain1->setChecked(false);
    S.partie_finie = false;
    fin_de_parties->hide();
    montrer(*this, r);
}

}  // namespace kolmar
