// The main window's controls around the computer's play: its menus, the
// engine panel "Calcul", the stop button and the draw offers.
#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "control/deroulement.h"
#include "control/navigation.h"
#include "control/tour_ordinateur.h"
#include "forms/tform1.h"
#include "lang/textes_jeu.h"

#include "forms/composants.h"

namespace kolmar {

namespace {

QString tr_jeu(TexteJeu t) { return QString::fromUtf8(texte(t)); }

QAction* action(QMenu* menu, const char* nom, TexteJeu t, bool cochable = false, bool coche = false) {
    return action_menu(menu, nom, tr_jeu(t), cochable, coche);
}

QPushButton* bouton(QWidget* parent, const char* nom, const QString& t) {
    auto* b = new QPushButton(t, parent);
    b->setObjectName(QString::fromLatin1(nom));
    return b;
}

QFrame* panneau_jaune(QWidget* parent, const char* nom) {
    auto* p = new QFrame(parent);
    p->setObjectName(QString::fromLatin1(nom));
    p->setFrameShape(QFrame::Panel);
    p->setFrameShadow(QFrame::Raised);
    p->setLineWidth(2);
    p->setAutoFillBackground(true);
    p->setStyleSheet(QStringLiteral("QFrame#%1 { background: #fff4c0; }").arg(QString::fromLatin1(nom)));
    return p;
}

}  // namespace

void TForm1::creer_ordinateur() {
    Session& S = session();

    // A first game is against the computer, which plays black.
    S.contre_ordinateur = 1;
    S.couleur_ordinateur = 1;
    Humaincontrehumain1->setChecked(false);
    Ordinateurcontreordinateur1 = new QAction(tr_jeu(TexteJeu::OrdinateurContreOrdinateur), Fichier1);
    Ordinateurcontreordinateur1->setObjectName(QStringLiteral("Ordinateurcontreordinateur1"));
    Ordinateurcontreordinateur1->setCheckable(true);
    Ordinateurcontreordinateur1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    {
        const QList<QAction*> l = Fichier1->actions();
        int k = l.indexOf(Humaincontrehumain1);
        Fichier1->insertAction(k >= 0 && k + 1 < l.size() ? l[k + 1] : nullptr, Ordinateurcontreordinateur1);
    }
    connect(Ordinateurcontreordinateur1, &QAction::triggered, this, [this] { Ordinateurcontreordinateur1Click(); });
    // The two modes exclude each other.
    connect(Humaincontrehumain1, &QAction::triggered, this, [this] {
        if (Humaincontrehumain1->isChecked()) Ordinateurcontreordinateur1->setChecked(false);
    });

    Options1->addSeparator();
    Pause1 = action(Options1, "Pause1", TexteJeu::ArretDuCalcul);
    Rflexionsurtempsadverse1 = action(Options1, "Rflexionsurtempsadverse1", TexteJeu::ReflexionSurTempsAdverse, true, true);
    Arretrflexionparclicsouris1 =
        action(Options1, "Arretrflexionparclicsouris1", TexteJeu::ArretReflexionParClicSouris, true, true);
    Bipchaquecoup1 = Options1->addMenu(tr_jeu(TexteJeu::Sons));
    Bipchaquecoup1->setObjectName(QStringLiteral("Bipchaquecoup1"));
    Bipchaquecoup2 = action(Bipchaquecoup1, "Bipchaquecoup2", TexteJeu::BipAChaqueCoup, true, true);
    Commentaires1 = action(Bipchaquecoup1, "Commentaires1", TexteJeu::Autres, true, true);
    Tailledestablesdetransposition1 = Options1->addMenu(tr_jeu(TexteJeu::TailleDesTables));
    Tailledestablesdetransposition1->setObjectName(QStringLiteral("Tailledestablesdetransposition1"));
    auto* groupe = new QActionGroup(this);
    groupe->setExclusive(true);
    for (int i = 0; i < NB_TAILLES_HASH; ++i) {
        QAction* a = Tailledestablesdetransposition1->addAction(QString::fromUtf8(k_libelles_hash[i]));
        a->setObjectName(QStringLiteral("Taille_hash%1").arg(i));
        a->setCheckable(true);
        a->setChecked(i == TAILLE_HASH_DEPART);
        groupe->addAction(a);
        Taille_hash[i] = a;
        connect(a, &QAction::triggered, this, [this, i] { choisir_taille_hash(i); });
    }
    connect(Pause1, &QAction::triggered, this, [this] { pause(); });

    // The engine panel.
    Calcul = new QWidget;
    Calcul->setObjectName(QStringLiteral("Calcul"));
    ListBox3 = new QListWidget(Calcul);
    ListBox3->setObjectName(QStringLiteral("ListBox3"));
    ListBox2 = new QListWidget(Calcul);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    QFont fixe(QStringLiteral("Monospace"));
    fixe.setStyleHint(QFont::TypeWriter);
    fixe.setPixelSize(10);
    for (QListWidget* l : {ListBox2, ListBox3}) l->setFont(fixe);
    auto* v = new QVBoxLayout(Calcul);
    v->setContentsMargins(2, 2, 2, 2);
    v->addWidget(ListBox3, 1);
    v->addWidget(ListBox2, 1);
    Onglet->addTab(Calcul, tr_jeu(TexteJeu::Calcul));
    // Both pages stay in reach in the narrow panel.
    Onglet->setUsesScrollButtons(false);
    Onglet->setElideMode(Qt::ElideRight);

    const int gauche = 514, largeur = 118;
    Couleurordi = new QLabel(QString::fromUtf8(texte_couleur_ordinateur(FRANCAIS, S.couleur_ordinateur)), surface);
    Couleurordi->setObjectName(QStringLiteral("Couleurordi"));
    Couleurordi->setFrameShape(QFrame::Panel);
    Couleurordi->setFrameShadow(QFrame::Raised);
    Couleurordi->setAlignment(Qt::AlignCenter);
    Couleurordi->setGeometry(gauche, 182, largeur, 18);

    Joue = bouton(surface, "Joue", tr_jeu(TexteJeu::ArreterLeCalcul));
    Joue->setGeometry(gauche, 322, largeur, 24);
    Proposernul = bouton(surface, "Proposernul", tr_jeu(TexteJeu::ProposerNul));
    Proposernul->setGeometry(gauche, 350, largeur, 24);
    Nulrefus = bouton(surface, "Nulrefus", tr_jeu(TexteJeu::NulRefuse));
    Nulrefus->setGeometry(gauche, 378, largeur, 24);
    Nulrefus->setStyleSheet(QStringLiteral("color: #c00000"));
    Nulrefus->hide();
    connect(Joue, &QPushButton::clicked, this, [this] { pause(); });
    connect(Proposernul, &QPushButton::clicked, this, [this] { ProposernulClick(); });
    connect(Nulrefus, &QPushButton::clicked, this, [this] { ProposernulClick(); });

    Zut = new QLabel(tr_jeu(TexteJeu::Zut), surface);
    Zut->setObjectName(QStringLiteral("Zut"));
    Zut->setFrameShape(QFrame::Panel);
    Zut->setFrameShadow(QFrame::Raised);
    Zut->setAutoFillBackground(true);
    Zut->setStyleSheet(QStringLiteral("QLabel#Zut { background: #fff4c0; color: #c00000; }"));
    Zut->setAlignment(Qt::AlignCenter);
    Zut->setWordWrap(true);
    Zut->setGeometry(96, 140, 300, 40);
    Zut->hide();

    Match_nul = panneau_jaune(surface, "Match_nul");
    Match_nul->setGeometry(116, 190, 260, 110);
    auto* l13 = new QLabel(tr_jeu(TexteJeu::KolmarProposeNul), Match_nul);
    l13->setObjectName(QStringLiteral("Label13"));
    auto* l14 = new QLabel(tr_jeu(TexteJeu::AppuyezSurOk), Match_nul);
    l14->setObjectName(QStringLiteral("Label14"));
    BitBtn14 = bouton(Match_nul, "BitBtn14", QString::fromUtf8(texte(Texte::Ok)));
    Annul_nul = bouton(Match_nul, "Annul_nul", QString::fromUtf8(texte(Texte::Annuler)));
    auto* vm = new QVBoxLayout(Match_nul);
    for (QLabel* l : {l13, l14}) {
        l->setAlignment(Qt::AlignCenter);
        vm->addWidget(l);
    }
    auto* hm = new QHBoxLayout;
    hm->addWidget(BitBtn14);
    hm->addWidget(Annul_nul);
    vm->addLayout(hm);
    Match_nul->hide();
    connect(BitBtn14, &QPushButton::clicked, this, [this] { BitBtn14Click(); });
    connect(Annul_nul, &QPushButton::clicked, this, [this] { Annul_nulClick(); });
}

void TForm1::appliquer_legendes_jeu(int langue) {
    size_t nb = 0;
    const LegendeJeu* l = legendes_jeu(nb);
    for (size_t i = 0; i < nb; ++i) poser_legende(l[i].controle, QString::fromUtf8(texte(l[i].texte, langue)));
    if (Couleurordi)
        Couleurordi->setText(QString::fromUtf8(texte_couleur_ordinateur(langue, session().couleur_ordinateur)));
}

void TForm1::pause() { session().arret_calcul = 1; }

void TForm1::ProposernulClick() {
    Session& S = session();
    if (S.partie_finie) return;
    const int score = ctx().moteur->dernier_score;
    const bool accepte = S.en_reflexion_adverse == 1 ? score >= 0 : score <= 0;
    if (accepte) {
        Nulrefus->hide();
        fin_de_partie(*this, FIN_NULLE);
    } else {
        Nulrefus->show();
    }
}

void TForm1::BitBtn14Click() {
    Match_nul->hide();
    fin_de_partie(*this, FIN_NULLE);
}

void TForm1::Annul_nulClick() { Match_nul->hide(); }

void TForm1::Ordinateurcontreordinateur1Click() {
    Session& S = session();
    // The item's check mark has already flipped.
    if (Ordinateurcontreordinateur1->isChecked()) {
        Humaincontrehumain1->setChecked(false);
        S.contre_ordinateur = 1;
    }
}

void TForm1::choisir_taille_hash(int index) {
    Session& S = session();
    if (index < 0 || index >= NB_TAILLES_HASH) return;
    // The search works in the table: it is replaced once the search is over.
    if (S.recherche_en_cours) {
        S.taille_hash_attente = index;
        S.arret_calcul = 1;
        return;
    }
    Moteur& m = *ctx().moteur;
    const int avant = m.hash.menu;
    if (!resize_hash(m, index)) {
        QMessageBox::critical(this, QString::fromUtf8(texte(Texte::Erreur)),
                              QStringLiteral("Erreur allocation Hash tables"));
        if (avant >= 0 && avant < NB_TAILLES_HASH) Taille_hash[avant]->setChecked(true);
    }
}

}  // namespace kolmar
