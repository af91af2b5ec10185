// The main window's boards and languages: the menu "Affichage" with the
// 2D board and the eight 3D sets, the 3D picture and its panels, blind
// play, the menu of languages, the help and "A propos".
#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "control/commandes.h"
#include "control/deroulement.h"
#include "control/marques.h"
#include "forms/aide.h"
#include "forms/composants.h"
#include "forms/tform1.h"
#include "lang/textes.h"
#include "records/fichiers.h"

namespace kolmar {

namespace {

QString qs(Texte t, int langue = FRANCAIS) {
    return QString::fromUtf8(kolmar::texte(t, langue));
}

// The names of sets 4..8 are the same in every language.
constexpr Texte k_noms_fixes[5] = {Texte::NomToronto, Texte::NomSaintLaurent, Texte::NomVancouver, Texte::NomQuebec,
                                   Texte::NomMontreal};

}  // namespace

Chargeur3d& TForm1::chargeur3d() {
    // The program directory is known once main or a test has set it.
    if (!chargeur_) chargeur_ = std::make_unique<Chargeur3d>(repertoire_donnees());
    return *chargeur_;
}

void TForm1::creer_affichage() {
    Affichage1->addSeparator();
    auto* groupe = new QActionGroup(this);
    Damier2D1 = action_menu(Affichage1, "Damier2D1", qs(Texte::MenuDamier2D), true, true);
    groupe->addAction(Damier2D1);
    connect(Damier2D1, &QAction::triggered, this, [this] { choisir_damier(0); });
    static const char* const noms[] = {"",          "Damier3D1", "Damier3D2", "Damier3D3", "Damier3D4",
                                       "Damier3D5", "Damier3D6", "Damier3D7", "Damier3D8", "Damier3D9"};
    static const Texte legendes[] = {
        Texte::MenuDamier2D,    Texte::MenuClassique, Texte::MenuNuit,      Texte::MenuLuxe,    Texte::NomToronto,
        Texte::NomSaintLaurent, Texte::NomVancouver,  Texte::MenuGrandLuxe, Texte::NomMontreal, Texte::NatureMorte};
    for (int s = 1; s <= NB_JEUX_3D + 1; ++s) {
        Damier3D[s] = action_menu(Affichage1, noms[s], qs(legendes[s]), true);
        if (s <= NB_JEUX_3D) {
            groupe->addAction(Damier3D[s]);
            connect(Damier3D[s], &QAction::triggered, this, [this, s] { choisir_damier(s); });
        }
    }
    // A board item with nothing behind it.
    Damier3D[NB_JEUX_3D + 1]->setVisible(false);

    Options1->addSeparator();
    Jeuenaveugle1 = action_menu(Options1, "Jeuenaveugle1", qs(Texte::JeuEnAveugle), true);
    // Off until a 3D set is shown.
    Jeuenaveugle1->setProperty("eteint", true);
    Jeuenaveugle1->setEnabled(false);
    connect(Jeuenaveugle1, &QAction::triggered, this, [this] { Jeuenaveugle1Click(); });

    // The 3D board covers the window's board area; its own panels carry
    // the counters and the clocks.
    Panel10 = composant<QFrame>(surface, "Panel10");
    Panel10->setGeometry(6, 0, 790, 521);
    Image5 = new Image3d(*this, Panel10);
    Image5->setObjectName(QStringLiteral("Image5"));
    Image5->setGeometry(0, -8, LARGEUR_3D, HAUTEUR_3D);
    QFont gras = font();
    gras.setBold(true);
    gras.setPixelSize(22);
    Nbn3d = composant<QLabel>(nullptr, "Nbn3d");
    Nbb3d = composant<QLabel>(nullptr, "Nbb3d");
    Nom_noir3d = composant<QLabel>(nullptr, "Nom_noir3d");
    Nom_blanc3d = composant<QLabel>(nullptr, "Nom_blanc3d");
    for (auto [cadre, nb, nom, y] :
         {std::tuple{Horlogenoir3d, Nbn3d, Nom_noir3d, 56}, std::tuple{Horlogeblanc3d, Nbb3d, Nom_blanc3d, 448}}) {
        cadre->setParent(Panel10);
        cadre->setFrameShape(QFrame::Panel);
        cadre->setFrameShadow(QFrame::Raised);
        cadre->setAutoFillBackground(true);
        // The player's name on top, his counter and clock under it.
        cadre->setGeometry(652, y, 126, 60);
        nom->setParent(cadre);
        nom->setGeometry(6, 3, 114, 16);
        nb->setFont(gras);
        if (auto* h = qobject_cast<QHBoxLayout*>(cadre->layout())) {
            h->setContentsMargins(6, 20, 6, 2);
            h->insertWidget(0, nb);
        }
        cadre->show();
    }
    Nbcoups3d = composant<QLabel>(Panel10, "Nbcoups3d");
    Nbcoups3d->setFrameShape(QFrame::Panel);
    Nbcoups3d->setFrameShadow(QFrame::Raised);
    Nbcoups3d->setAutoFillBackground(true);
    Nbcoups3d->setAlignment(Qt::AlignCenter);
    Nbcoups3d->setGeometry(652, 262, 126, 24);
    Panel10->hide();

    Langue1 = menuBar()->addMenu(qs(Texte::MenuLangue));
    Langue1->setObjectName(QStringLiteral("Langue1"));
    static const char* const langues[NB_LANGUES] = {"Franais1",   "English1", "Nederlands1",
                                                    "Portugues1", "Espanol1", "Italiano1"};
    static const Texte noms_langues[NB_LANGUES] = {Texte::LangueFrancais,   Texte::LangueEnglish,
                                                   Texte::LangueNederlands, Texte::LanguePortugues,
                                                   Texte::LangueEspanol,    Texte::LangueItaliano};
    auto* groupe_langues = new QActionGroup(this);
    for (int l = 0; l < NB_LANGUES; ++l) {
        Langues[l] = action_menu(Langue1, langues[l], qs(noms_langues[l]), true, l == FRANCAIS);
        groupe_langues->addAction(Langues[l]);
        connect(Langues[l], &QAction::triggered, this, [this, l] { appliquer_langue(ctrl_, l); });
    }

    Aide1 = menuBar()->addMenu(qs(Texte::Aide));
    Aide1->setObjectName(QStringLiteral("Aide1"));
    Guide1 = action_menu(Aide1, "Guide1", qs(Texte::Documentation));
    Rgles1 = action_menu(Aide1, "Rgles1", qs(Texte::Regles));
    Aide1->addSeparator();
    Apropos1 = action_menu(Aide1, "Apropos1", qs(Texte::APropos));
    connect(Guide1, &QAction::triggered, this, [this] { montrer_aide(Aide::Documentation); });
    connect(Rgles1, &QAction::triggered, this, [this] { montrer_aide(Aide::Regles); });

    // "A propos": over the board until OK.
    Panel8 = composant<QFrame>(surface, "Panel8");
    Panel8->setFrameShape(QFrame::Panel);
    Panel8->setFrameShadow(QFrame::Raised);
    Panel8->setLineWidth(4);
    Panel8->setAutoFillBackground(true);
    Panel8->setGeometry(150, 150, 420, 200);
    auto* v = new QVBoxLayout(Panel8);
    QFont titre = font();
    titre.setBold(true);
    titre.setPixelSize(24);
    auto* Label5 = composant<QLabel>(Panel8, "Label5");
    Label5->setFont(titre);
    auto* Label6 = composant<QLabel>(Panel8, "Label6");
    auto* Label7 = composant<QLabel>(Panel8, "Label7");
    Label7->setWordWrap(true);
    for (QLabel* l : {Label5, Label6, Label7}) {
        l->setAlignment(Qt::AlignCenter);
        v->addWidget(l);
    }
    BitBtn6 = bouton(Panel8, "BitBtn6");
    BitBtn6->setText(qs(Texte::Ok));
    v->addWidget(BitBtn6, 0, Qt::AlignHCenter);
    Panel8->hide();
    connect(Apropos1, &QAction::triggered, this, [this] {
        Panel8->raise();
        Panel8->show();
    });
    connect(BitBtn6, &QPushButton::clicked, this, [this] {
        Panel8->hide();
        kolmar::placer_pions(ctrl_);
    });
}

void TForm1::synchroniser_3d() {
    affichage_.image3d = trois_d_.image5;
    affichage_.images3d = trois_d_.images3d;
    effacer_3d(affichage_);
    for (int i = 0; i <= NB_CASES; ++i) {
        affichage_.pos3d_x[i] = trois_d_.pos3d_x[i];
        affichage_.pos3d_y[i] = trois_d_.pos3d_y[i];
    }
}

void TForm1::voiler_3d() {
    if (!ctrl_.options().aveugle || trois_d_.damier_courant < 1) return;
    // The bare picture again: what the pieces did is not shown. The marks
    // of a selection go on it afterwards.
    charger_fond(chargeur3d(), trois_d_, trois_d_.damier_courant);
    affichage_.image3d = trois_d_.image5;
    effacer_3d(affichage_);
}

const QImage* TForm1::image3d_grande() {
    if (!charger_grandes(chargeur3d(), trois_d_)) return nullptr;
    if (affichage_.image3d_changee || grande3d_jeu_ != trois_d_.damier_courant) {
        const bool voile = ctrl_.options().aveugle;
        grande3d_ = composer_3d_grand(affichage_, trois_d_.fond_grand, trois_d_.images3d_grandes, voile);
        grande3d_jeu_ = trois_d_.damier_courant;
        affichage_.image3d_changee = false;
    }
    return &grande3d_;
}

void TForm1::choisir_damier(int s) {
    Chargeur3d& c = chargeur3d();
    c.oublier_manquants();
    if (s == 0)
        choisir_damier2d(c, trois_d_);
    else
        choisir_damier3d(c, trois_d_, s);
    montrer_damier(s);
}

void TForm1::montrer_damier(int s) {
    Chargeur3d& c = chargeur3d();
    synchroniser_3d();
    if (!c.manquants().empty()) {
        std::string liste = kolmar::texte(Texte::ImagesManquantes, langue_);
        for (size_t i = 0; i < c.manquants().size() && i < 5; ++i) liste += "\n" + c.manquants()[i];
        erreur(liste);
    }
    Panel10->setVisible(s != 0);
    if (s != 0) Panel10->raise();
    (s == 0 ? Damier2D1 : Damier3D[s])->setChecked(true);
    if (s != 0) {
        Jeuenaveugle1->setProperty("eteint", false);
        Jeuenaveugle1->setEnabled(Options1->menuAction()->isEnabled());
    }
    kolmar::placer_pions(ctrl_);
}

void TForm1::Jeuenaveugle1Click() {
    Options& o = ctrl_.options();
    o.aveugle = !o.aveugle;
    // A click would stop the thinking the player cannot see.
    if (o.aveugle) o.arret_par_clic = false;
    options(o);
    kolmar::placer_pions(ctrl_);
    montrer_marques(ctrl_);
}

void TForm1::montrer_aide(Aide a) {
    if (!Aide_fenetre) Aide_fenetre = new FenetreAide(this);
    Aide_fenetre->montrer(a, langue_, repertoire_donnees());
}

void TForm1::langue_affichage(int l) {
    setWindowTitle(qs(Texte::TitreFenetre, l));
    for (int k = 0; k < 5; ++k) {
        if (k != 3) Damier3D[4 + k]->setText(qs(k_noms_fixes[k], l));
    }
    Damier3D[7]->setText(qs(Texte::MenuGrandLuxe, l));
    if (Langues[l]) Langues[l]->setChecked(true);
    poser_legende("Label5", qs(Texte::TitreIntro, l));
    poser_legende("Label6", qs(Texte::Version, l));
    poser_legende("Label7", qs(Texte::Credits, l));
    BitBtn6->setText(qs(Texte::Ok, l));
    if (jeu_ouvert()) return;
    static const std::pair<const char*, Texte> intro[] = {
        {"Label3", Texte::TitreIntro},      {"Label4", Texte::Version},         {"Label11", Texte::Tirets},
        {"Damier2d", Texte::EcranDamier2D}, {"Label36", Texte::EcranClassique}, {"Label37", Texte::EcranNuit},
        {"Label38", Texte::EcranLuxe},      {"Label67", Texte::NomToronto},     {"Label68", Texte::NomSaintLaurent},
        {"Label71", Texte::NomVancouver},   {"Label72", Texte::EcranGrandLuxe}, {"Label73", Texte::NomMontreal},
        {"Label8", Texte::Astuce1},         {"Label25", Texte::Astuce2},        {"Label21", Texte::Astuce3},
        {"Label22", Texte::Astuce4},        {"Label23", Texte::Astuce5},        {"Label24", Texte::Astuce6},
        {"Label12", Texte::Credits},
    };
    for (const auto& [nom, t] : intro) poser_legende(nom, qs(t, l));
    // The folder in use, which KOLMAR_DATA may have moved.
    QString dossier = QString::fromStdString(repertoire_donnees());
    const QString maison = QDir::homePath();
    if (dossier.startsWith(maison + QLatin1Char('/'))) dossier.replace(0, maison.size(), QStringLiteral("~"));
    poser_legende("Label24", qs(Texte::Astuce6, l).arg(dossier));
}

}  // namespace kolmar
