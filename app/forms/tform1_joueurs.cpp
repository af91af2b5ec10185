// The main window's new games, players and rated matches: the menus
// "Joueurs" and "Paramétrage", the file items of "Fichier", the new-game
// page control and the players' panels, and the rules a running match
// imposes on the window.
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstring>

#include "control/deroulement.h"
#include "control/tour_ordinateur.h"
#include "forms/fenetre_ouvertures.h"
#include "forms/nouvelle_partie.h"
#include "forms/panneaux_joueurs.h"
#include "forms/tform1.h"
#include "records/fichiers.h"

namespace kolmar {

namespace {

QString qs(Texte t, int langue) { return QString::fromUtf8(texte(t, langue)); }

QAction* element(QObject* parent, const char* nom, Texte t) {
    auto* a = new QAction(qs(t, FRANCAIS), parent);
    a->setObjectName(QString::fromLatin1(nom));
    return a;
}

// Items a running match locks, by the names the other parts of the window
// give them; those not built yet are skipped.
const char* const k_verrous_match[] = {
    "Fichier1",         "Joueurs1",       "Ouvertures1",    "Analyse1",          "Probleme0",
    "Rflexionsurtempsadverse1", "Horlogeszro1", "Pause1",   "Reprendrecoups1",   "Avancercoups1",
    "Reveniraudbut1",   "Allerlafin1",    "Arretrflexionparclicsouris1", "SpeedButton1", "SpeedButton2",
    "SpeedButton4",     "SpeedButton5",
};

void activer(QObject* racine, const char* nom, bool actif) {
    const QString n = QString::fromLatin1(nom);
    if (auto* m = racine->findChild<QMenu*>(n)) {
        m->menuAction()->setEnabled(actif);
        // A disabled menu title still lets its items' shortcuts through.
        for (QAction* a : m->actions()) a->setEnabled(actif);
    } else if (auto* a = racine->findChild<QAction*>(n)) {
        a->setEnabled(actif);
    } else if (auto* w = racine->findChild<QWidget*>(n)) {
        w->setEnabled(actif);
    }
}

void cocher(QObject* racine, const char* nom, bool coche) {
    if (auto* a = racine->findChild<QAction*>(QString::fromLatin1(nom))) a->setChecked(coche);
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
    Changerbibliothqueouvertures1 =
        element(Ouvertures1, "Changerbibliothqueouvertures1", Texte::ChangerBibliotheque);
    Bibliothquesactives1 = element(Ouvertures1, "Bibliothquesactives1", Texte::BibliothequesActives);
    Bibliothquesactives1->setCheckable(true);
    Bibliothquesactives1->setChecked(ctx().bibliotheque.actives);
    ctx().moteur->bibliotheque = &ctx().bibliotheque;
    ctx().moteur->limites.bibliotheque = ctx().bibliotheque.actives;
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

    charger_bibliotheques(ctx().bibliotheque);
    Form2 = new FenetreOuvertures(ctx().bibliotheque, 0, this);
    Form3 = new FenetreOuvertures(ctx().bibliotheque, 1, this);

    connect(Sauver1, &QAction::triggered, this, [this] { save(); });
    connect(Ouvrir1, &QAction::triggered, this, [this] { ouvre(); });
    connect(Match21, &QAction::triggered, this, [this] { Match21Click(); });
    connect(Effacerunjoueur1, &QAction::triggered, this, [this] { Effacerunjoueur1Click(); });
    connect(Changerlesnoms1, &QAction::triggered, this, [this] { Changerlesnoms1Click(); });
    connect(Abandon1, &QAction::triggered, this, [this] { AbandonClick(); });
    connect(Abandon, &QPushButton::clicked, this, [this] { AbandonClick(); });
    connect(BitBtn13, &QPushButton::clicked, this, [this] {
        fin_de_parties->hide();
        placer_pions(*this);
    });
    connect(Ouverturespourlesblancs1, &QAction::triggered, this, [this] { Ouverturespourlesblancs1Click(); });
    connect(Ouverturespourlesnoirs1, &QAction::triggered, this, [this] { Ouverturespourlesnoirs1Click(); });
    connect(Changerbibliothqueouvertures1, &QAction::triggered, this,
            [this] { Changerbibliothqueouvertures1Click(); });
    connect(Bibliothquesactives1, &QAction::triggered, this, [this] { Bibliothquesactives1Click(); });

    connect(Nouvelle_partie, &NouvellePartie::entrainement, this,
            [this](bool noir, const QString& nom) { partie_entrainement(noir, nom); });
    connect(Nouvelle_partie, &NouvellePartie::match, this,
            [this](bool noir, const QString& nom, int selection) { partie_match(noir, nom, selection); });
    connect(Nouvelle_partie, &NouvellePartie::humains, this,
            [this](const QString& b, const QString& n) { partie_humains(b, n); });
    connect(Nouvelle_partie, &NouvellePartie::annule, this, [this](bool repeindre) {
        if (repeindre) placer_pions(*this);
    });
    connect(Nouvelle_partie, &NouvellePartie::erreur, this, [this](const QString& m) { signaler_erreur(m); });
    connect(Nouveau_joueur, &NouveauJoueur::joueur_ajoute, this, [this] { placer_pions(*this); });
    connect(Nouveau_joueur, &NouveauJoueur::annule, this, [this] { placer_pions(*this); });
    connect(Nouveau_joueur, &NouveauJoueur::erreur, this, [this](const QString& m) { signaler_erreur(m); });
    connect(Efface_j, &EffaceJoueur::joueur_supprime, this, [this](int k) { apres_effacement(ctx().match, k); });
    connect(Efface_j, &EffaceJoueur::repeindre, this, [this] { placer_pions(*this); });
    connect(Efface_j, &EffaceJoueur::erreur, this, [this](const QString& m) { signaler_erreur(m); });
    connect(Joueurs, &PanneauJoueurs::noms, this,
            [this](const QString& b, const QString& n) { OKjoueurClick(b, n); });

    afficher_noms();
    regles_match();
}

void TForm1::afficher_noms() {
    Nom_blanc->setText(QString::fromStdString(ctx().etat.nom_blanc));
    Nom_noir->setText(QString::fromStdString(ctx().etat.nom_noir));
}

void TForm1::Nouveau2Click() {
    Session& S = session();
    S.arret_calcul = 1;
    S.resultat = 3;
    Nouveau_joueur->hide();
    Efface_j->hide();
    Joueurs->hide();
    Nouvelle_partie->ouvrir();
}

namespace {

// A game against the computer from the initial position. The computer
// playing white opens the game at once, the board turned so the human's
// men come up the screen.
void contre_ordinateur(TForm1& f, bool ordinateur_noir) {
    nouvelle_partie_contre_ordinateur(f, ordinateur_noir);
    if (!ordinateur_noir && f.affichage.damier_inverse == 0) Inverser(f);
}

void poser_noms(TForm1& f, const QString& blanc, const QString& noir) {
    f.ctx().etat.nom_blanc = nom_de_partie(blanc).toStdString();
    f.ctx().etat.nom_noir = nom_de_partie(noir).toStdString();
}

}  // namespace

void TForm1::partie_entrainement(bool ordinateur_noir, const QString& nom) {
    Session& S = session();
    const QString kolmar = qs(Texte::Kolmar, FRANCAIS);
    if (ordinateur_noir) poser_noms(*this, nom, kolmar);
    else poser_noms(*this, kolmar, nom);
    S.matchState = MATCH_AUCUN;
    ctx().match.matchState = MATCH_AUCUN;
    contre_ordinateur(*this, ordinateur_noir);
    cocher(this, "Arretrflexionparclicsouris1", true);
    if (ctx().etat.nom_blanc == NOM_KOLMAR && ctx().etat.nom_noir == NOM_KOLMAR)
        cocher(this, "Ordinateurcontreordinateur1", true);
    afficher_noms();
    regles_match();
}

void TForm1::partie_match(bool ordinateur_noir, const QString& nom, int selection) {
    Session& S = session();
    Match& m = ctx().match;
    const Registre r = Nouvelle_partie->registre();
    const std::string joueur = nom_de_partie(nom).toStdString();
    // A registered name typed without picking its line is still that
    // player. A name the register does not know plays at the points of
    // "Inconnu" and no line is written: the line of whoever played last
    // is not his.
    const bool choisi = selection >= 0;
    for (size_t k = 1; selection < 0 && k < r.noms.size(); ++k)
        if (r.noms[k] == joueur) selection = static_cast<int>(k);
    commencer_match(m, r, ordinateur_noir, joueur, selection);
    if (!choisi && selection < 0 && joueur != NOM_KOLMAR) {
        (ordinateur_noir ? m.index_blanc : m.index_noir) = -1;
        (ordinateur_noir ? m.points_blanc : m.points_noir) = POINTS_INCONNU;
    }
    const QString kolmar = qs(Texte::Kolmar, FRANCAIS);
    if (ordinateur_noir) poser_noms(*this, nom, kolmar);
    else poser_noms(*this, kolmar, nom);
    contre_ordinateur(*this, ordinateur_noir);
    S.matchState = m.matchState;
    // The computer against itself is not rated.
    const bool soi_meme = m.matchState == MATCH_AUCUN;
    cocher(this, "Ordinateurcontreordinateur1", soi_meme);
    cocher(this, "Arretrflexionparclicsouris1", soi_meme);
    afficher_noms();
    regles_match();
}

void TForm1::partie_humains(const QString& nom_blanc, const QString& nom_noir) {
    Session& S = session();
    Humaincontrehumain1->setChecked(true);
    cocher(this, "Ordinateurcontreordinateur1", false);
    cocher(this, "Arretrflexionparclicsouris1", true);
    S.contre_ordinateur = 0;
    S.matchState = MATCH_AUCUN;
    ctx().match.matchState = MATCH_AUCUN;
    poser_noms(*this, nom_blanc, nom_noir);
    nouvelle_partie(*this);
    afficher_noms();
    regles_match();
}

void TForm1::Match21Click() {
    Nouvelle_partie->charger_listes();
    Nouveau_joueur->ouvrir();
}

void TForm1::Effacerunjoueur1Click() { Efface_j->ouvrir(); }

void TForm1::Changerlesnoms1Click() { Joueurs->ouvrir(Nom_blanc->text(), Nom_noir->text()); }

void TForm1::OKjoueurClick(const QString& nom_blanc, const QString& nom_noir) {
    appliquer_noms(jeu().partie, ctx().etat, nom_blanc.toStdString(), nom_noir.toStdString());
    afficher_noms();
}

bool TForm1::match_en_cours() const {
    const int32_t e = ctx_->session.matchState;
    return e != MATCH_AUCUN && e != MATCH_COMPTE;
}

void TForm1::AbandonClick() {
    Session& S = session();
    S.arret_calcul = 1;
    fin_de_partie(*this, FIN_ABANDON);
    // During a search the end is carried out once it returns; the match
    // must still be running then to be scored (it ends at 5).
    if (!S.recherche_en_cours) S.matchState = MATCH_AUCUN;
    regles_match();
}

void TForm1::regles_match() {
    const Session& S = session();
    const bool match = match_en_cours();
    Panel11->setText(S.matchState != MATCH_AUCUN ? qs(Texte::Match, langue) : qs(Texte::Entrainement, langue));
    Panel11->setVisible(S.contre_ordinateur || S.matchState != MATCH_AUCUN);
    Abandon->setVisible(match);
    Abandon1->setVisible(match);
    // Run at every pass of the main loop: the menus are only touched when
    // something they depend on has changed. The computer's turn sets its
    // own locks, so they are applied again after every turn.
    const bool niveau_fige = match && jeu().partie.demi_coup_courant > 10;
    const int cle = (match ? 1 : 0) | (niveau_fige ? 2 : 0) | (S.tour_ordinateur ? 4 : 0) |
                    (S.recherche_en_cours ? 8 : 0);
    if (cle == regles_appliquees) return;
    regles_appliquees = cle;
    if (S.recherche_en_cours) return;
    for (const char* nom : k_verrous_match) activer(this, nom, !match);
    // Past ten half-moves a match keeps its level.
    if (auto* niveau = findChild<QMenu*>(QStringLiteral("Niveau1"))) niveau->menuAction()->setEnabled(!niveau_fige);
}

void TForm1::conclure_classement(int resultat) {
    Session& S = session();
    Match& m = ctx().match;
    if (!match_en_cours()) {
        Resultat_noir->clear();
        Resultat_blanc->clear();
        return;
    }
    m.matchState = MATCH_EN_COURS;
    FinDeMatch fin = conclure_match(m, resultat, ctx().etat.nom_blanc, ctx().etat.nom_noir, repertoire_donnees());
    S.matchState = m.matchState;
    Resultat_noir->setText(QString::fromStdString(fin.resultat_noir));
    Resultat_blanc->setText(QString::fromStdString(fin.resultat_blanc));
    regles_match();
    if (!fin.ecriture.ok) signaler_erreur(QString::fromStdString(fin.ecriture.message));
}

}  // namespace kolmar
