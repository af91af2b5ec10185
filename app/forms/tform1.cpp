#include "forms/tform1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "control/commandes.h"
#include "control/deroulement.h"
#include "control/marques.h"
#include "control/tour_ordinateur.h"
#include "forms/composants.h"
#include "forms/dossiers.h"
#include "forms/sons.h"
#include "forms/tform4.h"
#include "lang/textes.h"
#include "lang/textes_analyse.h"
#include "lang/textes_jeu.h"

namespace kolmar {

namespace {

QString tr_texte(Texte t) {
    return QString::fromUtf8(kolmar::texte(t));
}

QAction* action(QMenu* menu, const char* nom, Texte t, bool cochable = false, bool coche = false) {
    return action_menu(menu, nom, tr_texte(t), cochable, coche);
}

QFrame* panneau(QWidget* parent, const char* nom, int x, int y, int l, int h) {
    auto* p = composant<QFrame>(parent, nom);
    p->setFrameShape(QFrame::Panel);
    p->setFrameShadow(QFrame::Raised);
    p->setLineWidth(2);
    p->setGeometry(x, y, l, h);
    return p;
}

QLabel* etiquette(QWidget* parent, const char* nom, const QString& t) {
    auto* l = composant<QLabel>(parent, nom);
    l->setText(t);
    return l;
}

}  // namespace

Surface::Surface(TForm1& f, QWidget* parent) : QWidget(parent), f_(f) {}

TForm1::TForm1(QWidget* parent) : QMainWindow(parent), ctrl_(*this) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr_texte(Texte::TitreFenetre));
    oublier_dialogues();

    affichage_.canvas = QImage(LARGEUR_CLIENT, HAUTEUR_CLIENT, QImage::Format_RGB32);
    affichage_.canvas.fill(couleur_fenetre(COULEUR_ARGENT));

    surface = new Surface(*this, this);
    surface->setObjectName(QStringLiteral("Surface"));
    surface->setMinimumSize(LARGEUR_CLIENT, HAUTEUR_CLIENT);
    echelle_ = new Echelle(surface, QSize(LARGEUR_CLIENT, HAUTEUR_CLIENT));
    setCentralWidget(surface);
    creer_menus();
    creer_composants();
    creer_parties();
    creer_ordinateur();
    creer_horloges();
    creer_analyse();
    creer_commandes();
    creer_textes();
    creer_affichage();
    appliquer_legendes(FRANCAIS);
    // Last: the start screen hides what the others built.
    creer_intro();
    creer_clavier();
    taille_initiale();
    // Building sets nothing of the game: this is the one place it starts.
    demarrer(ctrl_);
}

TForm1::~TForm1() {
    if (sablier_) QApplication::restoreOverrideCursor();
}

bool TForm1::charger_images(std::string& manquant) {
    if (!kolmar::charger_images(affichage_, manquant)) return false;
    kolmar::placer_pions(ctrl_);
    return true;
}

void TForm1::clic_3d(int x, int y) {
    DamierImage1Click(ctrl_, position_3d(affichage_, x, y));
}

void TForm1::creer_menus() {
    Fichier1 = menuBar()->addMenu(tr_texte(Texte::Fichier));
    Fichier1->setObjectName(QStringLiteral("Fichier1"));
    Nouveau2 = action(Fichier1, "Nouveau2", Texte::Nouveau);
    Humaincontrehumain1 = action(Fichier1, "Humaincontrehumain1", Texte::HumainContreHumain, true);
    Fichier1->addSeparator();
    Quitter1 = action(Fichier1, "Quitter1", Texte::Quitter);

    Affichage1 = menuBar()->addMenu(tr_texte(Texte::Affichage));
    Affichage1->setObjectName(QStringLiteral("Affichage1"));
    Inverserdamier1 = action(Affichage1, "Inverserdamier1", Texte::InverserDamier);
    Inverserdamier1->setShortcut(QKeySequence(Qt::Key_F3));
    Inverserdamier1->setStatusTip(tr_texte(Texte::InverserLeDamier));

    Options1 = menuBar()->addMenu(tr_texte(Texte::Options));
    Options1->setObjectName(QStringLiteral("Options1"));
    Numroterlescase1 = action(Options1, "Numroterlescase1", Texte::NumeroterLesCases, true);
    Indicationdesmouvements1 = action(Options1, "Indicationdesmouvements1", Texte::IndicationDesMouvements, true);
    Dcomposerlesprises1 = action(Options1, "Dcomposerlesprises1", Texte::DecomposerLesPrises, true);
    Reglesdenulle1 = action(Options1, "Reglesdenulle1", Texte::ReglesDeNulle, true);

    connect(Nouveau2, &QAction::triggered, this, [this] { Nouveau2Click(); });
    // These two handlers flip their option themselves and send the marks back.
    connect(Humaincontrehumain1, &QAction::triggered, this, [this] { Ordinateur(ctrl_); });
    connect(Quitter1, &QAction::triggered, this, [this] { quitter(ctrl_); });
    connect(Inverserdamier1, &QAction::triggered, this, [this] { Inverser(ctrl_); });
    connect(Numroterlescase1, &QAction::triggered, this, [this] { numerotation(ctrl_); });
    connect(Indicationdesmouvements1, &QAction::triggered, this, [this](bool coche) {
        ctrl_.options().indication_mouvements = coche;
        montrer_marques(ctrl_);
    });
    connect(Dcomposerlesprises1, &QAction::triggered, this,
            [this](bool coche) { ctrl_.options().decomposer_prises = coche; });
    connect(Reglesdenulle1, &QAction::triggered, this, [this](bool coche) { ctrl_.options().regles_nulle = coche; });
}

void TForm1::creer_composants() {
    const int gauche = 514, largeur = 118;
    QFont gras = font();
    gras.setBold(true);

    Panel6 = panneau(surface, "Panel6", gauche, 8, largeur, 68);
    Panel7 = panneau(surface, "Panel7", gauche, 428, largeur, 68);
    Nom_noirs = etiquette(Panel6, "Nom_noirs", QString());
    Nom_blancs = etiquette(Panel7, "Nom_blancs", QString());
    Nbpionsnoirs = etiquette(Panel6, "Nbpionsnoirs", QString());
    Nbpionsblancs = etiquette(Panel7, "Nbpionsblancs", QString());
    for (auto [p, nom, nb] :
         {std::tuple{Panel6, Nom_noirs, Nbpionsnoirs}, std::tuple{Panel7, Nom_blancs, Nbpionsblancs}}) {
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

    Onglet = composant<QTabWidget>(surface, "Onglet");
    Onglet->setGeometry(640, 8, 152, 496);
    Liste = composant<QWidget>(nullptr, "Liste");
    ListBox1 = composant<QListWidget>(Liste, "ListBox1");
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
    if (auto* a = findChild<QAction*>(nom))
        a->setText(t);
    else if (auto* m = findChild<QMenu*>(nom))
        m->setTitle(t);
    else if (auto* lab = findChild<QLabel*>(nom))
        lab->setText(t);
    else if (auto* b = findChild<QPushButton*>(nom))
        b->setText(t);
    else if (auto* g = findChild<QGroupBox*>(nom))
        g->setTitle(t);
    else if (auto* w = findChild<QWidget*>(nom)) {
        // A tab page takes its caption from its tab, in whichever page
        // control holds it.
        for (auto* o : findChildren<QTabWidget*>())
            if (o->indexOf(w) >= 0) o->setTabText(o->indexOf(w), t);
    }
}

void TForm1::appliquer_legendes(int l) {
    size_t nb = 0;
    const Legende* leg = legendes(nb);
    for (size_t i = 0; i < nb; ++i) poser_legende(leg[i].controle, QString::fromUtf8(kolmar::texte(leg[i].texte, l)));
    const LegendeJeu* jeu = legendes_jeu(nb);
    for (size_t i = 0; i < nb; ++i) poser_legende(jeu[i].controle, QString::fromUtf8(kolmar::texte(jeu[i].texte, l)));
    const LegendeAnalyse* analyse = legendes_analyse(nb);
    for (size_t i = 0; i < nb; ++i)
        poser_legende(analyse[i].controle, QString::fromUtf8(kolmar::texte(analyse[i].texte, l)));
}

void TForm1::rafraichir() {
    surface->update();
    if (Image5) Image5->update();
}

// --- The board ---

void TForm1::orientation(bool inverse, bool numeros) {
    affichage_.damier_inverse = inverse ? 1 : 0;
    affichage_.numeros_affiches = numeros ? 1 : 0;
    // Each side's counter stands on its own side of the board.
    auto vers = [this](QWidget* w, int y) { echelle_->deplacer(w, {echelle_->rectangle_logique(w).x(), y}); };
    vers(Panel6, inverse ? 428 : 8);
    vers(Panel7, inverse ? 8 : 428);
    vers(Horlogenoir3d, inverse ? 448 : 56);
    vers(Horlogeblanc3d, inverse ? 56 : 448);
}

void TForm1::placer_pions(const uint8_t plateau[TAILLE_DAMIER]) {
    kolmar::placer_pions(affichage_, plateau);
    voiler_3d();
    rafraichir();
}

void TForm1::dessiner_case(int s, int code) {
    kolmar::dessiner_case(affichage_, s, code);
    voiler_3d();
    rafraichir();
}

void TForm1::encadrer_case(int s, uint32_t bbggrr, bool repere_3d) {
    kolmar::encadrer_case(affichage_, s, bbggrr, repere_3d);
    rafraichir();
}

void TForm1::compteurs(int blancs, int noirs) {
    Nbpionsblancs->setText(format_compte(blancs));
    Nbpionsnoirs->setText(format_compte(noirs));
    Nbb3d->setText(format_compte(blancs));
    Nbn3d->setText(format_compte(noirs));
}

void TForm1::liste_coups(const std::vector<std::string>& lignes, int selection) {
    ListBox1->clear();
    for (const std::string& ligne : lignes) ListBox1->addItem(QString::fromStdString(ligne));
    selection_liste(selection);
}

void TForm1::selection_liste(int ligne) {
    if (ligne >= 0 && ligne < ListBox1->count()) {
        ListBox1->setCurrentRow(ligne);
        ListBox1->scrollToItem(ListBox1->item(ligne));
    } else {
        ListBox1->setCurrentRow(-1);
    }
}

// --- Options ---

void TForm1::options(const Options& o) {
    const std::pair<QAction*, bool> marques[] = {
        {Humaincontrehumain1, o.humains},
        {Ordinateurcontreordinateur1, o.ordinateurs},
        {Numroterlescase1, o.numeroter},
        {Indicationdesmouvements1, o.indication_mouvements},
        {Dcomposerlesprises1, o.decomposer_prises},
        {Reglesdenulle1, o.regles_nulle},
        {Rflexionsurtempsadverse1, o.reflexion_adverse},
        {Arretrflexionparclicsouris1, o.arret_par_clic},
        {Bipchaquecoup2, o.bip},
        {Commentaires1, o.commentaires},
        {Jeuenaveugle1, o.aveugle},
    };
    // setChecked emits no `triggered`: nothing is sent back.
    for (const auto& [a, coche] : marques) a->setChecked(coche);
}

// --- Panels and labels ---

void TForm1::montrer(Panneau p, bool visible) {
    switch (p) {
        case Panneau::fin_de_parties:
            fin_de_parties->setVisible(visible);
            // The labels of the match and of the computer's colour stand
            // where the result is written.
            if (visible) fin_de_parties->raise();
            break;
        case Panneau::Zut:
            Zut->setVisible(visible);
            break;
        case Panneau::Match_nul:
            Match_nul->setVisible(visible);
            break;
        case Panneau::Nulrefus:
            Nulrefus->setVisible(visible);
            break;
        case Panneau::Panel9:
            Panel9->setVisible(visible);
            if (visible) {
                Panel9->raise();
                Nbminutes->setFocus();
            }
            break;
        case Panneau::prise_obligatoire:
            for (QLabel* l : {Label29, Label30, Label31}) l->setVisible(visible);
            break;
        case Panneau::Abandon:
            Abandon->setVisible(visible);
            Abandon1->setVisible(visible);
            break;
        case Panneau::Panel11:
            Panel11->setVisible(visible);
            break;
        case Panneau::Couleurordi:
            Couleurordi->setVisible(visible);
            break;
        case Panneau::Probleme:
            Probleme->setVisible(visible);
            break;
        case Panneau::Form4:
            Form4->setVisible(visible);
            if (visible) Form4->raise();
            break;
        case Panneau::Learn:
            Learn->setVisible(visible);
            if (visible) Learn->raise();
            break;
        case Panneau::NB:
            break;
    }
}

void TForm1::poser_nom(QLabel* l, const std::string& nom) {
    const QString t = QString::fromStdString(nom);
    // The panel's width less its layout's margins: the label may not have
    // been laid out yet.
    const QWidget* p = l->parentWidget();
    int marges = 0;
    if (p->layout()) {
        const QMargins m = p->layout()->contentsMargins();
        marges = m.left() + m.right();
    }
    const int largeur = p->contentsRect().width() - marges;
    l->setText(l->fontMetrics().elidedText(t, Qt::ElideRight, largeur));
    l->setToolTip(t);
}

void TForm1::texte(Etiquette e, const std::string& t) {
    // A text longer than its place is set smaller rather than cut.
    auto poser = [&](auto* w) {
        w->setText(QString::fromStdString(t));
        echelle_->ajuster(w);
    };
    switch (e) {
        case Etiquette::Nom_blanc:
            poser_nom(Nom_blanc, t);
            poser_nom(Nom_blanc3d, t + " : ");
            return;
        case Etiquette::Nom_noir:
            poser_nom(Nom_noir, t);
            poser_nom(Nom_noir3d, t + " : ");
            return;
        case Etiquette::Couleurordi:
            poser(Couleurordi);
            break;
        case Etiquette::qui_gagne:
            poser(qui_gagne);
            break;
        case Etiquette::Resultat_noir:
            poser(Resultat_noir);
            break;
        case Etiquette::Resultat_blanc:
            poser(Resultat_blanc);
            break;
        case Etiquette::Panel11:
            poser(Panel11);
            break;
        case Etiquette::Bas_Haut:
            poser(Bas_Haut);
            break;
        case Etiquette::Couleurjoue:
            poser(Couleurjoue);
            break;
        case Etiquette::Blancs:
            poser(Blancs);
            break;
        case Etiquette::Noirs:
            poser(Noirs);
            break;
        case Etiquette::Nbcoups3d:
            poser(Nbcoups3d);
            break;
        case Etiquette::NB:
            return;
    }
}

void TForm1::son(Son s) {
    switch (s) {
        case Son::coup:
            jouer_son(this, "son.wav");
            break;
        case Son::gagne:
            jouer_son(this, "gagne.wav");
            break;
        case Son::perdu:
            jouer_son(this, "Perdu.wav");
            break;
    }
}

void TForm1::sablier(bool attente) {
    if (attente == sablier_) return;
    sablier_ = attente;
    if (attente)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

// --- Events ---

void TForm1::traiter_evenements(bool attendre) {
    QCoreApplication::processEvents(attendre ? QEventLoop::WaitForMoreEvents : QEventLoop::AllEvents);
}

void TForm1::attendre(int ms) {
    if (ms <= 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    QEventLoop boucle;
    // The loop is the timer's context: a timer outliving it never fires.
    QTimer::singleShot(ms, &boucle, &QEventLoop::quit);
    boucle.exec();
}

void TForm1::fermer() {
    fermeture_ = true;
    close();
}

void TForm1::closeEvent(QCloseEvent* e) {
    // "Quitter" has written the autosave already; the title bar's close
    // goes through the same rules.
    // Before the game screen there is no game to keep.
    if (!fermeture_ && !jeu_ouvert()) fermer_ecran_depart(ctrl_);
    const bool ferme = fermeture_ || !jeu_ouvert() || exiter(ctrl_);
    fermeture_ = false;
    if (ferme)
        e->accept();
    else
        e->ignore();
}

}  // namespace kolmar
