// The main window's new games, players and rated matches: the menus
// "Joueurs" and "Paramétrage", the file items of "Fichier", the new-game
// page control and the players' panels, and the commands the controller
// enables.
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "control/commandes.h"
#include "control/deroulement.h"
#include "control/tour_ordinateur.h"
#include "forms/fenetre_ouvertures.h"
#include "forms/nouvelle_partie.h"
#include "forms/panneaux_joueurs.h"
#include "forms/tform1.h"

namespace kolmar {

namespace {

QString qs(Texte t, int langue) {
    return QString::fromUtf8(kolmar::texte(t, langue));
}

QAction* element(QObject* parent, const char* nom, Texte t) {
    auto* a = new QAction(qs(t, FRANCAIS), parent);
    a->setObjectName(QString::fromLatin1(nom));
    return a;
}

}  // namespace

void TForm1::creer_parties() {
    // "Fichier": Sauver, Ouvrir before Quitter.
    Sauver1 = element(this, "Sauver1", Texte::Sauver);
    Sauver1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Ouvrir1 = element(this, "Ouvrir1", Texte::Ouvrir);
    Ouvrir1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    Fichier1->insertAction(Quitter1, Sauver1);
    Fichier1->insertAction(Quitter1, Ouvrir1);
    Fichier1->insertSeparator(Quitter1);
    Nouveau2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    Quitter1->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));

    Joueurs1 = new QMenu(qs(Texte::Joueurs, FRANCAIS), this);
    Joueurs1->setObjectName(QStringLiteral("Joueurs1"));
    menuBar()->insertMenu(Options1->menuAction(), Joueurs1);
    Match21 = element(Joueurs1, "Match21", Texte::NouveauJoueur);
    Effacerunjoueur1 = element(Joueurs1, "Effacerunjoueur1", Texte::EffacerUnJoueur);
    Changerlesnoms1 = element(Joueurs1, "Changerlesnoms1", Texte::ChangerLesNoms);
    Joueurs1->addActions({Match21, Effacerunjoueur1, Changerlesnoms1});

    Ouvertures1 = new QMenu(qs(Texte::Parametrage, FRANCAIS), this);
    Ouvertures1->setObjectName(QStringLiteral("Ouvertures1"));
    menuBar()->insertMenu(Options1->menuAction(), Ouvertures1);
    Ouverturespourlesblancs1 = element(Ouvertures1, "Ouverturespourlesblancs1", Texte::OuverturesPourLesBlancs);
    Ouverturespourlesnoirs1 = element(Ouvertures1, "Ouverturespourlesnoirs1", Texte::OuverturesPourLesNoirs);
    Changerbibliothqueouvertures1 = element(Ouvertures1, "Changerbibliothqueouvertures1", Texte::ChangerBibliotheque);
    Bibliothquesactives1 = element(Ouvertures1, "Bibliothquesactives1", Texte::BibliothequesActives);
    Bibliothquesactives1->setCheckable(true);
    Bibliothquesactives1->setChecked(ctrl_.ctx().bibliotheque.actives);
    Ouvertures1->addActions({Ouverturespourlesblancs1, Ouverturespourlesnoirs1, Changerbibliothqueouvertures1});
    Ouvertures1->addSeparator();
    Ouvertures1->addAction(Bibliothquesactives1);

    Abandon1 = element(this, "Abandon1", Texte::Abandonner);
    menuBar()->addAction(Abandon1);
    Abandon1->setVisible(false);

    // Current names inside the counters' panels, so they follow a turned board.
    Nom_blanc = new QLabel(Panel7);
    Nom_blanc->setObjectName(QStringLiteral("Nom_blanc"));
    Nom_noir = new QLabel(Panel6);
    Nom_noir->setObjectName(QStringLiteral("Nom_noir"));
    for (auto [p, l] : {std::pair{Panel7, Nom_blanc}, std::pair{Panel6, Nom_noir}}) {
        l->setAlignment(Qt::AlignHCenter);
        if (auto* v = qobject_cast<QVBoxLayout*>(p->layout())) {
            v->setSpacing(0);
            v->insertWidget(1, l);
        }
    }

    Panel11 = new QLabel(surface);
    Panel11->setObjectName(QStringLiteral("Panel11"));
    Panel11->setFrameShape(QFrame::Panel);
    Panel11->setFrameShadow(QFrame::Sunken);
    Panel11->setAlignment(Qt::AlignCenter);
    Panel11->setGeometry(514, 104, 118, 22);
    Abandon = new QPushButton(qs(Texte::Abandonner, FRANCAIS), surface);
    Abandon->setObjectName(QStringLiteral("Abandon"));
    Abandon->setGeometry(514, 130, 118, 26);
    Abandon->hide();

    // The result panel grows to hold the two rating lines.
    Resultat_noir = new QLabel(fin_de_parties);
    Resultat_noir->setObjectName(QStringLiteral("Resultat_noir"));
    Resultat_blanc = new QLabel(fin_de_parties);
    Resultat_blanc->setObjectName(QStringLiteral("Resultat_blanc"));
    for (QLabel* l : {Resultat_noir, Resultat_blanc}) {
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignCenter);
        fin_de_parties->layout()->addWidget(l);
    }
    BitBtn13 = new QPushButton(qs(Texte::Ok, FRANCAIS), fin_de_parties);
    BitBtn13->setObjectName(QStringLiteral("BitBtn13"));
    fin_de_parties->layout()->addWidget(BitBtn13);
    fin_de_parties->setGeometry(fin_de_parties->x(), 100, fin_de_parties->width(), 186);

    Nouvelle_partie = new NouvellePartie(surface);
    Nouvelle_partie->setGeometry(6, 86, 480, 320);
    Nouveau_joueur = new NouveauJoueur(surface);
    Nouveau_joueur->setGeometry(26, 146, 440, 200);
    Efface_j = new EffaceJoueur(surface);
    Efface_j->setGeometry(136, 96, 220, 300);
    Joueurs = new PanneauJoueurs(surface);
    Joueurs->setGeometry(76, 186, 340, 110);

    Form2 = new FenetreOuvertures(ctrl_.ctx().bibliotheque, 0, this);
    Form3 = new FenetreOuvertures(ctrl_.ctx().bibliotheque, 1, this);

    connect(Sauver1, &QAction::triggered, this, [this] { save(); });
    connect(Ouvrir1, &QAction::triggered, this, [this] { ouvre(); });
    connect(Match21, &QAction::triggered, this, [this] { Match21Click(); });
    connect(Effacerunjoueur1, &QAction::triggered, this, [this] { Effacerunjoueur1Click(); });
    connect(Changerlesnoms1, &QAction::triggered, this, [this] { Changerlesnoms1Click(); });
    connect(Abandon1, &QAction::triggered, this, [this] { abandonner(); });
    connect(Abandon, &QPushButton::clicked, this, [this] { abandonner(); });
    connect(BitBtn13, &QPushButton::clicked, this, [this] {
        fin_de_parties->hide();
        kolmar::placer_pions(ctrl_);
    });
    connect(Ouverturespourlesblancs1, &QAction::triggered, this, [this] { montrer_editeur(Form2); });
    connect(Ouverturespourlesnoirs1, &QAction::triggered, this, [this] { montrer_editeur(Form3); });
    connect(Changerbibliothqueouvertures1, &QAction::triggered, this, [this] {
        kolmar::Changerbibliothqueouvertures1Click(this, ctrl_.ctx().bibliotheque, Form2, Form3, langue_);
    });
    connect(Bibliothquesactives1, &QAction::triggered, this,
            [this](bool coche) { kolmar::Bibliothquesactives1Click(ctrl_, coche); });

    auto std_ = [](const QString& t) { return t.toStdString(); };
    connect(Nouvelle_partie, &NouvellePartie::entrainement, this,
            [this, std_](bool noir, const QString& nom) { partie_entrainement(ctrl_, noir, std_(nom)); });
    connect(Nouvelle_partie, &NouvellePartie::match, this,
            [this](bool noir, const QString& nom, int selection) { partie_match(noir, nom, selection); });
    connect(Nouvelle_partie, &NouvellePartie::humains, this,
            [this, std_](const QString& b, const QString& n) { partie_humains(ctrl_, std_(b), std_(n)); });
    connect(Nouvelle_partie, &NouvellePartie::annule, this, [this](bool repeindre) {
        if (repeindre) kolmar::placer_pions(ctrl_);
    });
    connect(Nouvelle_partie, &NouvellePartie::erreur, this, [this, std_](const QString& m) { erreur(std_(m)); });
    connect(Nouveau_joueur, &NouveauJoueur::joueur_ajoute, this, [this] { kolmar::placer_pions(ctrl_); });
    connect(Nouveau_joueur, &NouveauJoueur::annule, this, [this] { kolmar::placer_pions(ctrl_); });
    connect(Nouveau_joueur, &NouveauJoueur::erreur, this, [this, std_](const QString& m) { erreur(std_(m)); });
    connect(Efface_j, &EffaceJoueur::joueur_supprime, this, [this](int k) { apres_effacement(ctrl_.ctx().match, k); });
    connect(Efface_j, &EffaceJoueur::repeindre, this, [this] { kolmar::placer_pions(ctrl_); });
    connect(Efface_j, &EffaceJoueur::erreur, this, [this, std_](const QString& m) { erreur(std_(m)); });
    connect(Joueurs, &PanneauJoueurs::noms, this,
            [this, std_](const QString& b, const QString& n) { OKjoueurClick(ctrl_, std_(b), std_(n)); });
}

void TForm1::creer_commandes() {
    auto& c = commandes_;
    auto met = [&c](Commande k, std::initializer_list<QAction*> a, std::initializer_list<QWidget*> w = {}) {
        c[static_cast<size_t>(k)].actions.insert(c[static_cast<size_t>(k)].actions.end(), a);
        c[static_cast<size_t>(k)].widgets.insert(c[static_cast<size_t>(k)].widgets.end(), w);
    };
    met(Commande::Fichier1, {Fichier1->menuAction()});
    met(Commande::Nouveau2, {Nouveau2});
    met(Commande::Humaincontrehumain1, {Humaincontrehumain1});
    met(Commande::Sauver1, {Sauver1});
    met(Commande::Ouvrir1, {Ouvrir1});
    met(Commande::Quitter1, {Quitter1});
    met(Commande::Edition1, {Edition1->menuAction()});
    met(Commande::Navigation, {Reprendrecoups1, Avancercoups1, Reveniraudbut1, Allerlafin1},
        {SpeedButton1, SpeedButton2, SpeedButton4, SpeedButton5});
    met(Commande::Joueurs1, {Joueurs1->menuAction()});
    met(Commande::Ouvertures1, {Ouvertures1->menuAction()});
    met(Commande::Niveau1, {Niveau1->menuAction()});
    met(Commande::Rflexionsurtempsadverse1, {Rflexionsurtempsadverse1});
    met(Commande::Arretrflexionparclicsouris1, {Arretrflexionparclicsouris1});
    met(Commande::Horlogeszro1, {Horlogeszro1});
    met(Commande::Pause1, {Pause1});
    met(Commande::Proposernul, {}, {Proposernul});
    met(Commande::Inverserdamier1, {Inverserdamier1});
    met(Commande::Numroterlescase1, {Numroterlescase1});
    for (size_t k = 0; k < c.size(); ++k)
        for (QAction* a : c[k].actions) commande_de_.insert(a, static_cast<Commande>(k));
    actives_.fill(true);
}

void TForm1::activer(const Commandes& actives) {
    actives_ = actives;
    for (size_t k = 0; k < commandes_.size(); ++k)
        for (QWidget* w : commandes_[k].widgets) w->setEnabled(actives[k]);
    // Down the menu tree: a locked menu locks its items too, since a
    // disabled menu title still lets its items' shortcuts through.
    auto propre = [this](QAction* a) {
        // An item the window keeps off of its own (a missing board set).
        if (a->property("eteint").toBool()) return false;
        auto it = commande_de_.constFind(a);
        return it == commande_de_.constEnd() || actives_[static_cast<size_t>(*it)];
    };
    std::function<void(QMenu*, bool)> descendre = [&](QMenu* m, bool parent) {
        const bool actif = parent && propre(m->menuAction());
        m->menuAction()->setEnabled(actif);
        for (QAction* a : m->actions()) {
            if (a->menu())
                descendre(a->menu(), actif);
            else if (!a->isSeparator())
                a->setEnabled(actif && propre(a));
        }
    };
    for (QAction* a : menuBar()->actions())
        if (a->menu()) descendre(a->menu(), true);
}

void TForm1::Nouveau2Click() {
    kolmar::Nouveau2Click(ctrl_);
    Panel13->hide();
    Panel14->hide();
    Nouveau_joueur->hide();
    Efface_j->hide();
    Joueurs->hide();
    Nouvelle_partie->ouvrir();
}

void TForm1::partie_match(bool ordinateur_noir, const QString& nom, int selection) {
    kolmar::partie_match(ctrl_, ordinateur_noir, nom.toStdString(), selection, Nouvelle_partie->registre());
}

void TForm1::Match21Click() {
    Nouvelle_partie->charger_listes();
    Nouveau_joueur->ouvrir();
}

void TForm1::Effacerunjoueur1Click() {
    Efface_j->ouvrir();
}

void TForm1::Changerlesnoms1Click() {
    const EtatNote& e = ctrl_.ctx().etat;
    Joueurs->ouvrir(QString::fromStdString(e.nom_blanc), QString::fromStdString(e.nom_noir));
}

}  // namespace kolmar
