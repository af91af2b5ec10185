#include "forms/tform1.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "control/deroulement.h"
#include "lang/textes.h"

#include "forms/composants.h"

namespace kolmar {

namespace {

QString tr_texte(Texte t) { return QString::fromUtf8(texte(t)); }

QAction* action(QMenu* menu, const char* nom, Texte t, bool cochable = false, bool coche = false) {
    return action_menu(menu, nom, tr_texte(t), cochable, coche);
}

QFrame* panneau(QWidget* parent, const char* nom, int x, int y, int l, int h) {
    auto* p = new QFrame(parent);
    p->setObjectName(QString::fromLatin1(nom));
    p->setFrameShape(QFrame::Panel);
    p->setFrameShadow(QFrame::Raised);
    p->setLineWidth(2);
    p->setGeometry(x, y, l, h);
    return p;
}

QLabel* etiquette(QWidget* parent, const char* nom, const QString& t) {
    auto* l = new QLabel(t, parent);
    l->setObjectName(QString::fromLatin1(nom));
    return l;
}

}  // namespace

Surface::Surface(TForm1& f, QWidget* parent) : QWidget(parent), f_(f) {}

void Surface::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, f_.affichage.canvas);
}

void Surface::mousePressEvent(QMouseEvent* e) {
    QPoint q = e->position().toPoint();
    f_.clic(q.x(), q.y());
}

TForm1::TForm1(QWidget* parent) : QMainWindow(parent), ctx_(std::make_unique<Contexte>()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr_texte(Texte::TitreFenetre));
    ctx_->etat.nom_blanc = texte(Texte::Inconnu);
    ctx_->etat.nom_noir = texte(Texte::Kolmar);

    affichage.canvas = QImage(LARGEUR_CLIENT, HAUTEUR_CLIENT, QImage::Format_RGB32);
    affichage.canvas.fill(couleur_fenetre(COULEUR_ARGENT));

    surface = new Surface(*this, this);
    surface->setObjectName(QStringLiteral("Surface"));
    surface->setFixedSize(LARGEUR_CLIENT, HAUTEUR_CLIENT);
    setCentralWidget(surface);
    creer_menus();
    creer_composants();
    creer_parties();
    creer_ordinateur();
    creer_horloges();
    appliquer_legendes(FRANCAIS);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

TForm1::~TForm1() = default;

void TForm1::creer_menus() {
    Fichier1 = menuBar()->addMenu(tr_texte(Texte::Fichier));
    Fichier1->setObjectName(QStringLiteral("Fichier1"));
    Nouveau2 = action(Fichier1, "Nouveau2", Texte::Nouveau);
    Humaincontrehumain1 = action(Fichier1, "Humaincontrehumain1", Texte::HumainContreHumain, true, true);
    Fichier1->addSeparator();
    Quitter1 = action(Fichier1, "Quitter1", Texte::Quitter);

    Affichage1 = menuBar()->addMenu(tr_texte(Texte::Affichage));
    Affichage1->setObjectName(QStringLiteral("Affichage1"));
    Inverserdamier1 = action(Affichage1, "Inverserdamier1", Texte::InverserDamier);
    Inverserdamier1->setShortcut(QKeySequence(Qt::Key_F3));
    Inverserdamier1->setStatusTip(tr_texte(Texte::InverserLeDamier));

    Options1 = menuBar()->addMenu(tr_texte(Texte::Options));
    Options1->setObjectName(QStringLiteral("Options1"));
    Numroterlescase1 = action(Options1, "Numroterlescase1", Texte::NumeroterLesCases, true, false);
    Indicationdesmouvements1 =
        action(Options1, "Indicationdesmouvements1", Texte::IndicationDesMouvements, true, true);
    Dcomposerlesprises1 = action(Options1, "Dcomposerlesprises1", Texte::DecomposerLesPrises, true, true);

    connect(Nouveau2, &QAction::triggered, this, [this] { Nouveau2Click(); });
    connect(Humaincontrehumain1, &QAction::triggered, this, [this] { Ordinateur(); });
    connect(Quitter1, &QAction::triggered, this, [this] { quitter(); });
    connect(Inverserdamier1, &QAction::triggered, this, [this] { Inverser(*this); });
    // numerotation sets the check mark itself.
    connect(Numroterlescase1, &QAction::triggered, this, [this] { numerotation(*this); });
}

void TForm1::creer_composants() {
    const int gauche = 514, largeur = 118;
    QFont gras = font();
    gras.setBold(true);

    Panel6 = panneau(surface, "Panel6", gauche, 8, largeur, 68);
    Panel7 = panneau(surface, "Panel7", gauche, 428, largeur, 68);
    Nom_noirs = etiquette(Panel6, "Nom_noirs", QString());
    Nom_blancs = etiquette(Panel7, "Nom_blancs", QString());
    Nbpionsnoirs = etiquette(Panel6, "Nbpionsnoirs", format_compte(30));
    Nbpionsblancs = etiquette(Panel7, "Nbpionsblancs", format_compte(30));
    for (auto [p, nom, nb] : {std::tuple{Panel6, Nom_noirs, Nbpionsnoirs}, std::tuple{Panel7, Nom_blancs, Nbpionsblancs}}) {
        auto* v = new QVBoxLayout(p);
        v->setContentsMargins(6, 4, 6, 4);
        nom->setAlignment(Qt::AlignHCenter);
        QFont grand = gras;
        grand.setPixelSize(22);
        nb->setFont(grand);
        nb->setAlignment(Qt::AlignHCenter);
        v->addWidget(nom);
        v->addWidget(nb);
    }

    QFont rouge = gras;
    rouge.setPixelSize(15);
    int y = 200;
    for (QLabel** l : {&Label29, &Label30, &Label31}) {
        const char* nom = l == &Label29 ? "Label29" : l == &Label30 ? "Label30" : "Label31";
        *l = etiquette(surface, nom, QString());
        (*l)->setFont(rouge);
        (*l)->setStyleSheet(QStringLiteral("color: #c00000"));
        (*l)->setAlignment(Qt::AlignHCenter);
        (*l)->setGeometry(gauche, y, largeur, 20);
        (*l)->hide();
        y += 20;
    }

    Bas_Haut = etiquette(surface, "Bas_Haut", tr_texte(Texte::BlancsBasHaut));
    Bas_Haut->setFrameShape(QFrame::Panel);
    Bas_Haut->setFrameShadow(QFrame::Sunken);
    Bas_Haut->setAlignment(Qt::AlignCenter);
    Bas_Haut->setGeometry(gauche, 290, largeur, 24);

    fin_de_parties = panneau(surface, "fin_de_parties", gauche, 100, largeur, 80);
    fin_de_parties->setAutoFillBackground(true);
    fin_de_parties->setStyleSheet(QStringLiteral("QFrame#fin_de_parties { background: #fff4c0; }"));
    qui_gagne = etiquette(fin_de_parties, "qui_gagne", QString());
    qui_gagne->setWordWrap(true);
    qui_gagne->setAlignment(Qt::AlignCenter);
    qui_gagne->setFont(gras);
    auto* v = new QVBoxLayout(fin_de_parties);
    v->addWidget(qui_gagne);
    fin_de_parties->hide();

    Onglet = new QTabWidget(surface);
    Onglet->setObjectName(QStringLiteral("Onglet"));
    Onglet->setGeometry(640, 8, 152, 496);
    Liste = new QWidget;
    Liste->setObjectName(QStringLiteral("Liste"));
    ListBox1 = new QListWidget(Liste);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    QFont fixe(QStringLiteral("Monospace"));
    fixe.setStyleHint(QFont::TypeWriter);
    ListBox1->setFont(fixe);
    auto* vl = new QVBoxLayout(Liste);
    vl->setContentsMargins(2, 2, 2, 2);
    vl->addWidget(ListBox1);
    Onglet->addTab(Liste, QString());
}

void TForm1::poser_legende(const char* controle, const QString& t) {
    const QString nom = QString::fromLatin1(controle);
    if (auto* a = findChild<QAction*>(nom)) a->setText(t);
    else if (auto* m = findChild<QMenu*>(nom)) m->setTitle(t);
    else if (auto* lab = findChild<QLabel*>(nom)) lab->setText(t);
    else if (auto* b = findChild<QPushButton*>(nom)) b->setText(t);
    else if (auto* w = findChild<QWidget*>(nom)) {
        // A tab page takes its caption from its tab.
        int k = Onglet ? Onglet->indexOf(w) : -1;
        if (k >= 0) Onglet->setTabText(k, t);
    }
}

void TForm1::appliquer_legendes(int langue) {
    size_t nb = 0;
    const Legende* l = legendes(nb);
    for (size_t i = 0; i < nb; ++i) poser_legende(l[i].controle, QString::fromUtf8(texte(l[i].texte, langue)));
    appliquer_legendes_jeu(langue);
}

void TForm1::montrer_prise_obligatoire(bool visible) {
    for (QLabel* l : {Label29, Label30, Label31}) l->setVisible(visible);
}

void TForm1::afficher_liste() {
    const Partie& pt = jeu().partie;
    ListBox1->clear();
    for (const std::string& ligne : pt.lignes) ListBox1->addItem(QString::fromStdString(ligne));
    if (pt.selection >= 0 && pt.selection < ListBox1->count()) {
        ListBox1->setCurrentRow(pt.selection);
        ListBox1->scrollToItem(ListBox1->item(pt.selection));
    }
}

void TForm1::rafraichir() { surface->update(); }

void TForm1::clic(int x, int y) {
    Session& S = session();
    if (S.tour_ordinateur && S.matchState != 0) return;
    if (S.tour_ordinateur && !Arretrflexionparclicsouris1->isChecked()) return;
    // A click during the step-by-step display would land on a position
    // that is not yet on the screen.
    if (S.animation) return;
    S.clic_x = x;
    S.clic_y = y;
    S.clic_en_attente = true;
    S.arret_calcul = 1;
}

void TForm1::DamierImage1Click(int x, int y) {
    Session& S = session();
    if (S.tour_ordinateur && S.matchState != 0) return;
    if (S.tour_ordinateur && !Arretrflexionparclicsouris1->isChecked()) return;
    if (S.animation) return;
    S.arret_calcul = 1;
    int j = position_3d(affichage, x, y);
    if (j == 0) return;
    int rang = (j - 1) / 6, k = (j - 1) % 6 + 1;
    S.clic_x = 80 * k - (rang % 2 ? 40 : 0);
    S.clic_y = 38 * rang + 38;
    S.clic_en_attente = true;
}

void TForm1::Ordinateur() {
    Session& S = session();
    S.contre_ordinateur = S.contre_ordinateur ? 0 : 1;
    Humaincontrehumain1->setChecked(S.contre_ordinateur == 0);
}

void TForm1::quitter() {
    Session& S = session();
    S.arret_calcul = 1;
    // "Fichier" is locked during a match; its shortcut is too.
    if (match_en_cours()) return;
    // A failed autosave has been reported; leaving goes ahead.
    ecrire_autosave();
    S.fin_programme = 1;
    close();
}

void TForm1::closeEvent(QCloseEvent* e) {
    Session& S = session();
    if (S.matchState != 0 && S.matchState != 5) {
        e->ignore();
        return;
    }
    S.arret_calcul = 1;
    S.fin_programme = 1;
    e->accept();
}

}  // namespace kolmar
