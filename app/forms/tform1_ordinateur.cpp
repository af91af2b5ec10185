// The main window's controls around the computer's play: its menus, the
// engine panel "Calcul", the stop button and the draw offers.
#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "control/deroulement.h"
#include "control/textes_parties.h"
#include "control/tour_ordinateur.h"
#include "forms/composants.h"
#include "forms/tform1.h"
#include "lang/textes_jeu.h"

namespace kolmar {

namespace {

QString tr_jeu(TexteJeu t) {
    return QString::fromUtf8(kolmar::texte(t));
}

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
    Ordinateurcontreordinateur1 = new QAction(tr_jeu(TexteJeu::OrdinateurContreOrdinateur), Fichier1);
    Ordinateurcontreordinateur1->setObjectName(QStringLiteral("Ordinateurcontreordinateur1"));
    Ordinateurcontreordinateur1->setCheckable(true);
    Ordinateurcontreordinateur1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    {
        const QList<QAction*> l = Fichier1->actions();
        int k = l.indexOf(Humaincontrehumain1);
        Fichier1->insertAction(k >= 0 && k + 1 < l.size() ? l[k + 1] : nullptr, Ordinateurcontreordinateur1);
    }
    connect(Ordinateurcontreordinateur1, &QAction::triggered, this, [this](bool coche) {
        ctrl_.options().ordinateurs = coche;
        Ordinateurcontreordinateur1Click(ctrl_, coche);
    });

    Options1->addSeparator();
    Pause1 = action(Options1, "Pause1", TexteJeu::ArretDuCalcul);
    Rflexionsurtempsadverse1 = action(Options1, "Rflexionsurtempsadverse1", TexteJeu::ReflexionSurTempsAdverse, true);
    Arretrflexionparclicsouris1 =
        action(Options1, "Arretrflexionparclicsouris1", TexteJeu::ArretReflexionParClicSouris, true);
    Bipchaquecoup1 = Options1->addMenu(tr_jeu(TexteJeu::Sons));
    Bipchaquecoup1->setObjectName(QStringLiteral("Bipchaquecoup1"));
    Bipchaquecoup2 = action(Bipchaquecoup1, "Bipchaquecoup2", TexteJeu::BipAChaqueCoup, true);
    Commentaires1 = action(Bipchaquecoup1, "Commentaires1", TexteJeu::Autres, true);
    Tailledestablesdetransposition1 = Options1->addMenu(tr_jeu(TexteJeu::TailleDesTables));
    Tailledestablesdetransposition1->setObjectName(QStringLiteral("Tailledestablesdetransposition1"));
    auto* groupe = new QActionGroup(this);
    groupe->setExclusive(true);
    for (int i = 0; i < NB_TAILLES_HASH; ++i) {
        QAction* a = Tailledestablesdetransposition1->addAction(QString::fromUtf8(k_libelles_hash[i]));
        a->setObjectName(QStringLiteral("Taille_hash%1").arg(i));
        a->setCheckable(true);
        groupe->addAction(a);
        Taille_hash[i] = a;
        connect(a, &QAction::triggered, this, [this, i] { choisir_taille_hash(ctrl_, i); });
    }
    connect(Pause1, &QAction::triggered, this, [this] { pause(ctrl_); });
    connect(Rflexionsurtempsadverse1, &QAction::triggered, this, [this](bool coche) {
        ctrl_.options().reflexion_adverse = coche;
        Rflexionsurtempsadverse1Click(ctrl_, coche);
    });
    connect(Arretrflexionparclicsouris1, &QAction::triggered, this,
            [this](bool coche) { ctrl_.options().arret_par_clic = coche; });
    connect(Bipchaquecoup2, &QAction::triggered, this, [this](bool coche) { ctrl_.options().bip = coche; });
    connect(Commentaires1, &QAction::triggered, this, [this](bool coche) { ctrl_.options().commentaires = coche; });

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
    // The analysis lines of ListBox2 saved as "Bestmove.txt".
    auto* best = new QPushButton(QString::fromUtf8(kolmar::texte(Texte::EditerMeilleursCoups)), Calcul);
    best->setObjectName(QStringLiteral("Button9"));
    v->addWidget(best);
    connect(best, &QPushButton::clicked, this, [this] { Best1Click(ctrl_, chemin_ecriture("Bestmove.txt")); });
    Onglet->addTab(Calcul, tr_jeu(TexteJeu::Calcul));
    // Both pages stay in reach in the narrow panel, their names whole
    // (langue() narrows the tabs' font when a language needs it).
    Onglet->setUsesScrollButtons(false);
    Onglet->setElideMode(Qt::ElideNone);
    Onglet->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 5px; }"));

    const int gauche = 514, largeur = 118;
    Couleurordi = new QLabel(surface);
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
    connect(Joue, &QPushButton::clicked, this, [this] { pause(ctrl_); });
    connect(Proposernul, &QPushButton::clicked, this, [this] { ProposernulClick(ctrl_); });
    connect(Nulrefus, &QPushButton::clicked, this, [this] { ProposernulClick(ctrl_); });

    Zut = new QLabel(tr_jeu(TexteJeu::Zut), surface);
    Zut->setObjectName(QStringLiteral("Zut"));
    Zut->setFrameShape(QFrame::Panel);
    Zut->setFrameShadow(QFrame::Raised);
    Zut->setAutoFillBackground(true);
    Zut->setStyleSheet(QStringLiteral("QLabel#Zut { background: #fff4c0; color: #c00000; }"));
    Zut->setAlignment(Qt::AlignCenter);
    Zut->setWordWrap(true);
    // In the side column, between the capture rule and "Bas_Haut": the
    // panel stays up until the computer's next move and may hide no square.
    QFont petit = Zut->font();
    petit.setPixelSize(10);
    Zut->setFont(petit);
    Zut->setGeometry(gauche - 6, 260, largeur + 12, 30);
    Zut->hide();

    Match_nul = panneau_jaune(surface, "Match_nul");
    Match_nul->setGeometry(116, 190, 260, 110);
    auto* l13 = new QLabel(tr_jeu(TexteJeu::KolmarProposeNul), Match_nul);
    l13->setObjectName(QStringLiteral("Label13"));
    auto* l14 = new QLabel(tr_jeu(TexteJeu::AppuyezSurOk), Match_nul);
    l14->setObjectName(QStringLiteral("Label14"));
    BitBtn14 = bouton(Match_nul, "BitBtn14", QString::fromUtf8(kolmar::texte(Texte::Ok)));
    Annul_nul = bouton(Match_nul, "Annul_nul", QString::fromUtf8(kolmar::texte(Texte::Annuler)));
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
    connect(BitBtn14, &QPushButton::clicked, this, [this] { BitBtn14Click(ctrl_); });
    connect(Annul_nul, &QPushButton::clicked, this, [this] { Annul_nulClick(ctrl_); });
}

void TForm1::taille_hash(int index) {
    if (index >= 0 && index < NB_TAILLES_HASH) Taille_hash[index]->setChecked(true);
}

void TForm1::progression(const std::vector<std::string>& lignes) {
    ListBox3->clear();
    for (const std::string& l : lignes) ListBox3->addItem(QString::fromStdString(l));
}

namespace {
constexpr int LIGNES_RACINE_MAX = 2000;
}

// A move being searched replaces the previous move still marked as under
// way; a score replaces its own "under way" line.
void TForm1::ligne_racine(const std::string& ligne, bool en_cours) {
    QListWidget* l = ListBox2;
    const QString t = QString::fromStdString(ligne);
    QListWidgetItem* dernier = l->count() ? l->item(l->count() - 1) : nullptr;
    const bool dernier_en_cours = dernier && dernier->text().endsWith(QStringLiteral("?<---"));
    if (dernier_en_cours && (en_cours || dernier->text().left(5) == t.left(5))) {
        dernier->setText(t);
    } else {
        if (l->count() >= LIGNES_RACINE_MAX) delete l->takeItem(0);
        l->addItem(t);
    }
    l->scrollToBottom();
}

void TForm1::effacer_calcul() {
    ListBox2->clear();
    ListBox3->clear();
}

}  // namespace kolmar
