// The start screen: the title, nine board buttons with their miniatures,
// six language buttons and the display hints. A board button opens the
// game screen, the engine and the last game, then shows the board.
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <filesystem>

#include "control/commandes.h"
#include "control/deroulement.h"
#include "forms/composants.h"
#include "forms/tform1.h"
#include "lang/textes.h"
#include "records/fichiers.h"
#include "records/gamefile.h"

namespace kolmar {

namespace {

struct BoutonDamier {
    const char* bouton;
    const char* etiquette;
    const char* miniature;
};
// Board 0 is the 2D board, then sets 1..8.
constexpr BoutonDamier k_boutons[NB_JEUX_3D + 1] = {
    {"SpeedButton6", "Damier2d", "mini2dc.bmp"},     {"SpeedButton7", "Label36", "miniclassicc.bmp"},
    {"SpeedButton8", "Label37", "mininuitc.bmp"},    {"SpeedButton9", "Label38", "minimarbrec.bmp"},
    {"SpeedButton15", "Label67", "minicopac.bmp"},   {"SpeedButton16", "Label68", "miniverrec.bmp"},
    {"SpeedButton17", "Label71", "minifeuc.bmp"},    {"SpeedButton18", "Label72", "miniluxec.bmp"},
    {"SpeedButton19", "Label73", "minigaletsc.bmp"},
};

// The language buttons in screen order, with the language each applies.
constexpr std::pair<const char*, int> k_langues[NB_LANGUES] = {
    {"Button5", FRANCAIS},  {"Button6", ANGLAIS},  {"Button7", NEERLANDAIS},
    {"Button8", PORTUGAIS}, {"Button2", ESPAGNOL}, {"Button1A", ITALIEN},
};
constexpr Texte k_noms_langues[NB_LANGUES] = {Texte::LangueFrancais,  Texte::LangueEnglish, Texte::LangueNederlands,
                                              Texte::LanguePortugues, Texte::LangueEspanol, Texte::LangueItaliano};

}  // namespace

void TForm1::creer_intro() {
    setProperty("Tag", 0);
    Intro = composant<QFrame>(surface, "Intro");
    Intro->setFrameShape(QFrame::Panel);
    Intro->setFrameShadow(QFrame::Raised);
    Intro->setLineWidth(5);
    Intro->setAutoFillBackground(true);
    Intro->setGeometry(32, 8, 737, 489);
    QFont gras = font();
    gras.setBold(true);
    gras.setPixelSize(16);
    Intro->setFont(gras);

    auto etiquette = [&](const char* nom, int x, int y, int l, int h) {
        auto* e = composant<QLabel>(Intro, nom);
        e->setGeometry(x, y, l, h);
        e->setAlignment(Qt::AlignCenter);
        return e;
    };
    QFont titre = gras;
    titre.setPixelSize(30);
    etiquette("Label3", 0, 10, 737, 36)->setFont(titre);
    etiquette("Label4", 0, 46, 737, 20);
    QFont tirets = gras;
    tirets.setPointSize(12);
    etiquette("Label11", 0, 64, 737, 16)->setFont(tirets);

    // Five buttons on the first row, four on the second.
    for (int b = 0; b <= NB_JEUX_3D; ++b) {
        const int rang = b < 5 ? 0 : 1;
        const int col = b < 5 ? b : b - 5;
        const int x = (rang == 0 ? 16 : 88) + col * 144, y = 86 + rang * 124;
        auto* bouton = composant<QToolButton>(Intro, k_boutons[b].bouton);
        bouton->setGeometry(x, y, 132, 96);
        bouton->setIconSize(QSize(124, 88));
        const QPixmap mini(QString::fromStdString(chemin_lecture(k_boutons[b].miniature)));
        if (!mini.isNull()) bouton->setIcon(mini);
        etiquette(k_boutons[b].etiquette, x - 6, y + 97, 144, 20);
        connect(bouton, &QToolButton::clicked, this, [this, b] { choisir_depart(b); });
    }

    for (int k = 0; k < NB_LANGUES; ++k) {
        auto* b = bouton(Intro, k_langues[k].first);
        b->setGeometry(22 + k * 116, 338, 108, 28);
        b->setText(QString::fromUtf8(kolmar::texte(k_noms_langues[k_langues[k].second])));
        const int l = k_langues[k].second;
        connect(b, &QPushButton::clicked, this, [this, l] { appliquer_langue(ctrl_, l); });
    }

    QFont petit = font();
    petit.setPixelSize(11);
    static const char* const astuces[6] = {"Label8", "Label25", "Label21", "Label22", "Label23", "Label24"};
    for (int k = 0; k < 6; ++k) etiquette(astuces[k], 8, 376 + k * 15, 721, 15)->setFont(petit);
    etiquette("Label12", 8, 466, 721, 16)->setFont(petit);

    // The game's menus and panels wait for the board choice.
    for (QAction* a : menuBar()->actions())
        if (a->isVisible() && a != Langue1->menuAction() && a != Aide1->menuAction()) {
            menus_intro_.push_back(a);
            a->setVisible(false);
        }
    for (QObject* o : surface->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && w != Intro && !w->isHidden()) {
            caches_intro_.push_back(w);
            w->hide();
        }
    }
    langue_affichage(ctrl_.ctx().langue);
}

void TForm1::ecran_depart() {
    const std::string chemin = chemin_autosave();
    std::error_code ec;
    // Only the settings: the game itself is read once a board is chosen.
    if (std::filesystem::exists(chemin, ec) && ouvrir_partie(ctrl_, chemin, ModeLecture::demarrage))
        appliquer_langue(ctrl_, ctrl_.ctx().reglages.langue);
    else
        appliquer_langue(ctrl_, ctrl_.ctx().langue);
}

bool TForm1::Introduction(std::string& manquant) {
    if (jeu_ouvert()) return charger_images(manquant);
    setProperty("Tag", 1);
    disponibles_ = jeux_disponibles(repertoire_donnees());
    for (int s = 3; s <= NB_JEUX_3D; ++s) {
        Damier3D[s]->setProperty("eteint", !disponibles_[s]);
        Damier3D[s]->setEnabled(disponibles_[s]);
    }
    Intro->hide();
    for (QAction* a : menus_intro_) a->setVisible(true);
    for (QWidget* w : caches_intro_) w->show();
    remplir_positions3d(trois_d_.pos3d_x, trois_d_.pos3d_y);
    trois_d_.damier_courant = 0;
    return charger_images(manquant);
}

bool TForm1::choisir_depart(int s) {
    if (jeu_ouvert()) return false;
    std::string manquant, erreur_moteur;
    if (!Introduction(manquant)) {
        erreur(kolmar::texte(Texte::ImagesManquantes, langue_) + std::string("\n") + manquant);
        fermer();
        return false;
    }
    if (!moteur_pret(ctrl_) && !charger_moteur(ctrl_, erreur_moteur)) {
        erreur(erreur_moteur);
        fermer();
        return false;
    }
    // The last game, in the language chosen on the start screen.
    const int l = ctrl_.ctx().langue;
    FormActivate(ctrl_);
    if (ctrl_.ctx().langue != l) appliquer_langue(ctrl_, l);
    chargeur3d().oublier_manquants();
    montrer_damier(bouton_damier(chargeur3d(), trois_d_, s, disponibles_));
    return true;
}

}  // namespace kolmar
