// The main window: it owns the game controller and shows what the
// controller tells it through the Vue interface; its menus, buttons and the
// board hand the user's input back as plain calls to the controller.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "control/controleur.h"
#include "control/vue.h"
#include "display/damier2d.h"
#include "display/damier3d.h"
#include "engine/moteur.h"
#include "forms/echelle.h"
#include "lang/aide.h"
#include "lang/textes.h"
#include "records/gamefile.h"
#include "records/partie_texte.h"
#include "records/verrou_dossier.h"

class QAction;
class QFrame;
class QGroupBox;
class QPrinter;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QTabWidget;
class QLineEdit;
class QShortcut;
class QTimer;
class QToolButton;
class QTranslator;

namespace kolmar {

class TForm1;
class NouvellePartie;
class NouveauJoueur;
class EffaceJoueur;
class PanneauJoueurs;
class FenetreOuvertures;
class FenetreTexte;
class TForm4;
class TForm6;

// The client area: shows the backing image and takes the board clicks.
class Surface : public QWidget {
    Q_OBJECT
   public:
    Surface(TForm1& f, QWidget* parent);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

   protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

   private:
    TForm1& f_;
    // A piece being dragged: where it was taken, where the pointer is, in
    // logical pixels.
    int glisse_case_ = 0;
    bool glisse_ = false;
    QPointF depart_, pointeur_;
};

// Image5: the 3D board picture; a press picks the position under it.
class Image3d : public QWidget {
    Q_OBJECT
   public:
    Image3d(TForm1& f, QWidget* parent);
    // A point of the widget in the picture's pixels.
    QPoint vers_image(QPointF p) const;

   protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

   private:
    TForm1& f_;
};

class FenetreAide;

class TForm1 : public QMainWindow, public Vue {
    Q_OBJECT
   public:
    static constexpr int LARGEUR_CLIENT = 800;
    static constexpr int HAUTEUR_CLIENT = 512;

    // Builds the components, then sets the start-up state of the game.
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    Controleur& controleur() { return ctrl_; }
    const Affichage& affichage() const { return affichage_; }
    Affichage& affichage() { return affichage_; }

    // The piece pictures from the program directory, then the board drawn
    // with them; on failure names the missing file.
    bool charger_images(std::string& manquant);
    // A press on the 3D picture at (x, y).
    void clic_3d(int x, int y);
    // The logical layout shown at the surface's size.
    const Echelle& echelle() const { return *echelle_; }
    void mettre_a_l_echelle();
    // "Abandonner": a rated game is resigned only once confirmed.
    void abandonner();

    // --- Boards, start screen, languages, help ---
    // Opens the game screen over the start screen: the menus and panels
    // come back, the sets whose picture is missing are greyed, the 2D
    // pictures are loaded. False names the missing picture.
    bool Introduction(std::string& manquant);
    // The start screen's language: the one of the autosave, French without.
    void ecran_depart();
    // A start-screen board button: 0 the 2D board, 1..8 a set. Opens the
    // game screen, the engine and the last game; false when it cannot.
    bool choisir_depart(int s);
    bool jeu_ouvert() const { return property("Tag").toInt() == 1; }
    // A game file from outside (the command line, the desktop): ".dam" as
    // "Ouvrir", anything else as "Ouvrir un fichier texte". A file that
    // cannot be read says why and the game stays.
    void ouvrir_fichier(const QString& chemin);
    // One copy per data folder: holds the folder's lock while the window
    // runs and completes a register save a kill left half done. When
    // another copy holds the folder, asks whether to open it read-only
    // (nothing written into it) or to quit; false: quit.
    bool prendre_dossier(const std::string& dossier);
    // The menu "Affichage": 0 the 2D board, 1..8 a set.
    void choisir_damier(int s);
    void Jeuenaveugle1Click();
    const Affichage3d& affichage3d() const { return trois_d_; }
    // The 3D picture at twice its size, from the set's large pictures,
    // composed again only after a change; null when they are missing.
    const QImage* image3d_grande();
    Chargeur3d& chargeur3d();

    // --- Vue ---
    void orientation(bool inverse, bool numeros) override;
    void placer_pions(const uint8_t plateau[TAILLE_DAMIER]) override;
    void dessiner_case(int s, int code) override;
    void encadrer_case(int s, uint32_t bbggrr, bool repere_3d) override;
    void compteurs(int blancs, int noirs) override;
    void liste_coups(const std::vector<std::string>& lignes, int selection) override;
    void selection_liste(int ligne) override;
    void horloges(const Horloges& h) override;
    void minuterie(bool marche) override;
    void niveau(const ControleTemps& c) override;
    void taille_hash(int index) override;
    void options(const Options& o) override;
    void langue(int l) override;
    void montrer(Panneau p, bool visible) override;
    void texte(Etiquette e, const std::string& t) override;
    void activer(const Commandes& actives) override;
    void son(Son s) override;
    void progression(const std::vector<std::string>& lignes) override;
    void ligne_racine(const std::string& ligne, bool en_cours) override;
    void effacer_calcul() override;
    void sablier(bool attente) override;
    void erreur(const std::string& message) override;
    void traiter_evenements(bool attendre) override;
    void attendre(int ms) override;
    void fermer() override;
    void lignes_analyse(const std::vector<std::string>& longues, const std::vector<std::string>& courtes) override;
    void onglet_probleme(bool actif) override;
    void marques(const MarquesPlateau& m) override;
    std::string fichier_lecons() override;
    QString dernier_fichier_lecons_;  // offered again at the next game of a session

    // "Imprimer analyse" once the print dialog is confirmed.
    void imprimer_analyse(QPrinter& printer);

   protected:
    void closeEvent(QCloseEvent* e) override;

   private:
    void creer_menus();
    void creer_composants();
    void creer_parties();
    void creer_ordinateur();
    void creer_horloges();
    void creer_commandes();
    void creer_textes();
    void creer_analyse();
    // The page control shows page k; not a user's change of tab.
    void onglet_probleme_force(int k);
    void montrer_ligne_analyse(int ligne);
    void maj_courbe();
    void creer_affichage();
    void creer_intro();
    // Left / Right / Home / End step through the game.
    void creer_clavier();
    // Today's size, smaller only when the screen is.
    void taille_initiale();
    // Captions the tables do not hold: the names of sets 4..8, the start
    // screen, the check of the language menu.
    void langue_affichage(int l);
    // The 3D picture after a load; blind play shows it bare.
    void synchroniser_3d();
    // Shows board s (0 the 2D board) once its pictures are loaded.
    void montrer_damier(int s);
    void voiler_3d();
    void montrer_aide(Aide a);

    // Captions of the controls from the caption tables of a language.
    void appliquer_legendes(int langue);
    void poser_legende(const char* nom, const QString& texte);
    // A player's name, cut with an ellipsis when it is wider than its panel.
    void poser_nom(QLabel* l, const std::string& nom);
    // Shows the backing image changes.
    void rafraichir();

    // Dialog parts of the handlers.
    void save();
    void ouvre();
    void Nouveau2Click();
    void Match21Click();
    void Effacerunjoueur1Click();
    void Changerlesnoms1Click();
    void partie_match(bool ordinateur_noir, const QString& nom, int selection);
    void montrer_editeur(FenetreOuvertures* editeur);
    // Text and PDN files, printing, the board picture, lessons and learning.
    void Crerunfichiertexte1Click();
    void Ouvrirunfichiertexte1Click();
    void ouvrir_texte(const QString& chemin);
    // The games just read: one straight in, several through Panel2; none
    // says so.
    void choisir_partie_lue();
    // "Copier la position", "Copier la partie", "Coller".
    void Copierlaposition1Click();
    void Copierlapartie1Click();
    void Coller1Click();
    void ListeOKClick();
    void ListeCancelClick();
    void Imprimer1Click();
    void Editerlimagefichierbmp1Click();
    void Problmes1Click();
    void montrer_lecon(const std::string& texte);
    void Chargerdesleons1Click();

   public:
    // "Oui" of "Apprendre ?": the learning step, the lesson file asked for
    // when the position may be learned.
    void Learn_yesClick();

   private:
    Affichage affichage_;
    Controleur ctrl_;
    int langue_ = FRANCAIS;
    QTranslator* traduction_qt_ = nullptr;
    bool sablier_ = false;
    // Set by fermer(): the controller has already decided to leave.
    bool fermeture_ = false;

    // The widgets each command enables; a menu's items follow the menu.
    struct Cibles {
        std::vector<QAction*> actions;
        std::vector<QWidget*> widgets;
    };
    std::array<Cibles, static_cast<size_t>(Commande::NB)> commandes_;
    QHash<QAction*, Commande> commande_de_;
    Commandes actives_{};

    Echelle* echelle_ = nullptr;
    std::vector<QShortcut*> raccourcis_;

    // Components, named as the window's designer names them.
    Surface* surface = nullptr;
    QMenu* Fichier1 = nullptr;
    QAction* Nouveau2 = nullptr;
    QAction* Humaincontrehumain1 = nullptr;
    QAction* Quitter1 = nullptr;
    QMenu* Affichage1 = nullptr;
    QAction* Inverserdamier1 = nullptr;
    QMenu* Options1 = nullptr;
    QAction* Numroterlescase1 = nullptr;
    QAction* Indicationdesmouvements1 = nullptr;
    QAction* Dcomposerlesprises1 = nullptr;
    QAction* Reglesdenulle1 = nullptr;
    QFrame* Panel6 = nullptr;  // black's counter
    QFrame* Panel7 = nullptr;  // white's counter
    QLabel* Nom_noirs = nullptr;
    QLabel* Nom_blancs = nullptr;
    QLabel* Nbpionsnoirs = nullptr;
    QLabel* Nbpionsblancs = nullptr;
    QLabel* Label29 = nullptr;  // "Prise"
    QLabel* Label30 = nullptr;  // "majoritaire"
    QLabel* Label31 = nullptr;  // "obligatoire"
    QLabel* Bas_Haut = nullptr;
    QFrame* fin_de_parties = nullptr;
    QLabel* qui_gagne = nullptr;
    QTabWidget* Onglet = nullptr;
    QWidget* Liste = nullptr;
    QListWidget* ListBox1 = nullptr;

    // The computer's play.
    QAction* Ordinateurcontreordinateur1 = nullptr;
    QAction* Pause1 = nullptr;  // "Arrêt du calcul"
    QAction* Rflexionsurtempsadverse1 = nullptr;
    QAction* Arretrflexionparclicsouris1 = nullptr;
    QMenu* Bipchaquecoup1 = nullptr;  // "Sons"
    QAction* Bipchaquecoup2 = nullptr;
    QAction* Commentaires1 = nullptr;
    QMenu* Tailledestablesdetransposition1 = nullptr;
    QAction* Taille_hash[NB_TAILLES_HASH] = {};
    QWidget* Calcul = nullptr;        // engine panel page
    QListWidget* ListBox2 = nullptr;  // root moves of the search
    QListWidget* ListBox3 = nullptr;  // depth, nodes, score, line
    QPushButton* Joue = nullptr;      // "Arrêter le calcul"
    QPushButton* Proposernul = nullptr;
    QPushButton* Nulrefus = nullptr;
    QLabel* Couleurordi = nullptr;
    QLabel* Zut = nullptr;
    QFrame* Match_nul = nullptr;
    QPushButton* BitBtn14 = nullptr;
    QPushButton* Annul_nul = nullptr;

    // Clocks, levels and navigation.
    QTimer* Timer1 = nullptr;
    QLabel* minnoir = nullptr;
    QLabel* secnoir = nullptr;
    QLabel* minblanc = nullptr;
    QLabel* secblanc = nullptr;
    QFrame* Horlogenoir3d = nullptr;
    QFrame* Horlogeblanc3d = nullptr;
    QLabel* minnoir3d = nullptr;
    QLabel* secnoir3d = nullptr;
    QLabel* minblanc3d = nullptr;
    QLabel* secblanc3d = nullptr;
    QAction* Horlogeszro1 = nullptr;
    QAction* Pause2 = nullptr;
    QMenu* Niveau1 = nullptr;
    QMenu* XSpecial1 = nullptr;
    QAction* Niveaux[NB_NIVEAUX] = {};  // menu order of the level table
    QFrame* Panel9 = nullptr;           // "Autre"
    QLineEdit* Nbminutes = nullptr;
    QPushButton* BitBtn24 = nullptr;
    QPushButton* BitBtn25 = nullptr;
    QMenu* Edition1 = nullptr;
    QAction* Reprendrecoups1 = nullptr;
    QAction* Avancercoups1 = nullptr;
    QAction* Reveniraudbut1 = nullptr;
    QAction* Allerlafin1 = nullptr;
    QAction* Inverserlesjoueurs1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    QToolButton* SpeedButton5 = nullptr;

    // Game files, new games, players, rated matches and the opening menus.
    QAction* Sauver1 = nullptr;
    QAction* Ouvrir1 = nullptr;
    QMenu* Joueurs1 = nullptr;
    QAction* Match21 = nullptr;  // "Nouveau joueur"
    QAction* Effacerunjoueur1 = nullptr;
    QAction* Changerlesnoms1 = nullptr;
    QAction* Abandon1 = nullptr;   // in the menu bar during a match
    QMenu* Ouvertures1 = nullptr;  // "Paramétrage"
    QAction* Ouverturespourlesblancs1 = nullptr;
    QAction* Ouverturespourlesnoirs1 = nullptr;
    QAction* Changerbibliothqueouvertures1 = nullptr;
    QAction* Bibliothquesactives1 = nullptr;
    QLabel* Nom_blanc = nullptr;
    QLabel* Nom_noir = nullptr;
    QLabel* Panel11 = nullptr;  // "Match" / "Entraînement"
    QPushButton* Abandon = nullptr;
    QPushButton* BitBtn13 = nullptr;  // OK of the result panel
    QLabel* Resultat_noir = nullptr;
    QLabel* Resultat_blanc = nullptr;
    NouvellePartie* Nouvelle_partie = nullptr;
    NouveauJoueur* Nouveau_joueur = nullptr;
    EffaceJoueur* Efface_j = nullptr;
    PanneauJoueurs* Joueurs = nullptr;
    FenetreOuvertures* Form2 = nullptr;  // white lines
    FenetreOuvertures* Form3 = nullptr;  // black lines

    // Text files, printing, lessons and sessions.
    QAction* Crerunfichiertexte1 = nullptr;
    QAction* Ouvrirunfichiertexte1 = nullptr;
    QAction* Imprimer1 = nullptr;
    QAction* Editerlimagefichierbmp1 = nullptr;
    QAction* Problmes1 = nullptr;
    QAction* Copierlaposition1 = nullptr;
    QAction* Copierlapartie1 = nullptr;
    QAction* Coller1 = nullptr;
    QAction* Chargerdesleons1 = nullptr;
    QAction* Lancerunesession1 = nullptr;
    QAction* Arrterlasession1 = nullptr;
    QFrame* Panel2 = nullptr;  // the games of a multi-game file
    QListWidget* ListBox16 = nullptr;
    QPushButton* ListeOK = nullptr;
    QPushButton* ListeCancel = nullptr;
    QPushButton* Panel13 = nullptr;  // "Suivant ->"
    QPushButton* Panel14 = nullptr;  // "Revoir coup"
    FenetreTexte* Bloc_notes = nullptr;
    FichierParties parties_lues_;
    // Position set-up, the analysis and the parameters editor.
    QWidget* Probleme0 = nullptr;
    QGroupBox* Probleme = nullptr;
    QToolButton* SpeedButton10 = nullptr;
    QToolButton* SpeedButton11 = nullptr;
    QToolButton* SpeedButton12 = nullptr;
    QToolButton* SpeedButton13 = nullptr;
    QToolButton* SpeedButton14 = nullptr;
    QLabel* Piontemoin = nullptr;
    QPushButton* vider1 = nullptr;
    QPushButton* remplir1 = nullptr;
    QLabel* Couleurjoue = nullptr;
    QLineEdit* Blancs = nullptr;
    QLineEdit* Noirs = nullptr;
    int onglet_actif_ = 0;
    bool onglet_force_ = false;
    QAction* Installeruneposition1 = nullptr;
    QAction* Debuteruneanalyse1 = nullptr;
    QAction* Arretercettephase1 = nullptr;
    QAction* Terminerlanalyse1 = nullptr;
    QListWidget* ListBox6 = nullptr;  // the short lines
    TForm4* Form4 = nullptr;
    QFrame* Learn = nullptr;  // "Apprendre ?"
    TForm6* Form6 = nullptr;
    QAction* Changerlesparamtres1 = nullptr;
    QAction* Sauverlesparamtres1 = nullptr;
    QAction* Chargerdesparamtres1 = nullptr;
    // Boards, start screen, languages and help.
    Affichage3d trois_d_;
    QImage grande3d_;
    int grande3d_jeu_ = 0;
    std::unique_ptr<Chargeur3d> chargeur_;
    VerrouDossier verrou_;
    std::vector<bool> disponibles_;
    QFrame* Panel10 = nullptr;
    Image3d* Image5 = nullptr;
    QLabel* Nbn3d = nullptr;
    QLabel* Nbb3d = nullptr;
    QLabel* Nom_blanc3d = nullptr;
    QLabel* Nom_noir3d = nullptr;
    QLabel* Nbcoups3d = nullptr;
    QAction* Damier2D1 = nullptr;
    QAction* Damier3D[NB_JEUX_3D + 2] = {};  // 1..8, 9 hidden
    QAction* Jeuenaveugle1 = nullptr;
    QMenu* Langue1 = nullptr;
    QAction* Langues[NB_LANGUES] = {};
    QMenu* Aide1 = nullptr;
    QAction* Guide1 = nullptr;
    QAction* Rgles1 = nullptr;
    QAction* Apropos1 = nullptr;
    QFrame* Panel8 = nullptr;  // "A propos"
    QPushButton* BitBtn6 = nullptr;
    FenetreAide* Aide_fenetre = nullptr;
    QFrame* Intro = nullptr;
    // What the start screen hides, shown again with the game screen.
    std::vector<QWidget*> caches_intro_;
    std::vector<QAction*> menus_intro_;
};

}  // namespace kolmar
