// The main window: its components and the binding of their events to the
// handlers of the turn flow and of the board display.
#pragma once

#include <QMainWindow>
#include <memory>

#include "control/contexte.h"
#include "display/damier2d.h"
#include "lang/textes.h"
#include "records/gamefile.h"

class QAction;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QTabWidget;
class QLineEdit;
class QTimer;
class QToolButton;

namespace kolmar {

class TForm1;
class NouvellePartie;
class NouveauJoueur;
class EffaceJoueur;
class PanneauJoueurs;
class FenetreOuvertures;

// The client area: shows the backing image and takes the board clicks.
class Surface : public QWidget {
    Q_OBJECT
public:
    Surface(TForm1& f, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    TForm1& f_;
};

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int LARGEUR_CLIENT = 800;
    static constexpr int HAUTEUR_CLIENT = 512;

    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    Contexte& ctx() { return *ctx_; }
    Jeu& jeu() { return *ctx_->jeu; }
    Session& session() { return ctx_->session; }

    Affichage affichage;

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
    // Checkable items that toggle their own mark; the turn flow reads it.
    QAction* Indicationdesmouvements1 = nullptr;
    QAction* Dcomposerlesprises1 = nullptr;
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

    // The computer's play (tform1_ordinateur.cpp).
    QAction* Ordinateurcontreordinateur1 = nullptr;
    QAction* Pause1 = nullptr;  // "Arrêt du calcul"
    QAction* Rflexionsurtempsadverse1 = nullptr;
    QAction* Arretrflexionparclicsouris1 = nullptr;
    QMenu* Bipchaquecoup1 = nullptr;  // "Sons"
    QAction* Bipchaquecoup2 = nullptr;
    QAction* Commentaires1 = nullptr;
    QMenu* Tailledestablesdetransposition1 = nullptr;
    QAction* Taille_hash[NB_TAILLES_HASH] = {};
    QWidget* Calcul = nullptr;         // engine panel page
    QListWidget* ListBox2 = nullptr;   // root moves of the search
    QListWidget* ListBox3 = nullptr;   // depth, nodes, score, line
    QPushButton* Joue = nullptr;       // "Arrêter le calcul"
    QPushButton* Proposernul = nullptr;
    QPushButton* Nulrefus = nullptr;
    QLabel* Couleurordi = nullptr;
    QLabel* Zut = nullptr;
    QFrame* Match_nul = nullptr;
    QPushButton* BitBtn14 = nullptr;
    QPushButton* Annul_nul = nullptr;

    void creer_ordinateur();
    void appliquer_legendes_jeu(int langue);
    // Sets the caption of the control, menu or tab page called nom.
    void poser_legende(const char* nom, const QString& texte);
    void pause();
    void ProposernulClick();
    void BitBtn14Click();
    void Annul_nulClick();
    void Ordinateurcontreordinateur1Click();
    void choisir_taille_hash(int index);

    // Clocks, levels and navigation (tform1_horloges.cpp).
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
    QFrame* Panel9 = nullptr;            // "Autre"
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

    void creer_horloges();
    void ajouter_temps();
    // The eight clock labels from the clocks' texts.
    void afficher_horloges();
    void Horlogeszro1Click();
    void Pause2Click();
    // A level item of the table (not "Autre").
    void choisir_niveau(int i);
    void cocher_niveau();
    void N8Autre1Click();
    void BitBtn24Click();
    void BitBtn25Click();
    void reprise();
    void avancer();
    void revenir_debut();
    void Aller_fin();
    void revenir_n(int ligne);
    void inverser_joueurs();

    // Captions of the controls from the caption table of a language.
    void appliquer_legendes(int langue);
    // Shows or hides the three labels of the capture rule.
    void montrer_prise_obligatoire(bool visible);
    // ListBox1 from the game record's lines and selection.
    void afficher_liste();
    // Shows the backing image changes.
    void rafraichir();

    // Handlers.
    void clic(int x, int y);
    void DamierImage1Click(int x, int y);
    void Ordinateur();
    void Nouveau2Click();
    void quitter();

    // Game files, new games, players, rated matches and the opening menus
    // (tform1_fichiers.cpp, tform1_joueurs.cpp, tform1_ouvertures.cpp).
    QAction* Sauver1 = nullptr;
    QAction* Ouvrir1 = nullptr;
    QMenu* Joueurs1 = nullptr;
    QAction* Match21 = nullptr;  // "Nouveau joueur"
    QAction* Effacerunjoueur1 = nullptr;
    QAction* Changerlesnoms1 = nullptr;
    QAction* Abandon1 = nullptr;  // in the menu bar during a match
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

    int langue = FRANCAIS;
    // Settings as the last game file read left them; a save writes them
    // back with what the window holds now.
    Reglages reglages;
    // What regles_match last applied to the menus (-1: nothing yet).
    int regles_appliquees = -1;

    Reglages reglages_courants() const;
    void appliquer_langue(int l);
    void save();
    void ouvre();
    // The file commands once a name is known; false when refused (box shown).
    bool sauver_partie(const QString& chemin);
    bool ouvrir_partie(const QString& chemin, ModeLecture mode = ModeLecture::ouvrir);
    bool ecrire_autosave();
    // Start-up: settings and language from the autosave, then the last game.
    void FormActivate();
    // The "Erreur" box.
    void signaler_erreur(const QString& message);
    void afficher_noms();

    void partie_entrainement(bool ordinateur_noir, const QString& nom);
    void partie_match(bool ordinateur_noir, const QString& nom, int selection);
    void partie_humains(const QString& nom_blanc, const QString& nom_noir);
    void Match21Click();
    void Effacerunjoueur1Click();
    void Changerlesnoms1Click();
    void OKjoueurClick(const QString& nom_blanc, const QString& nom_noir);
    void AbandonClick();
    bool match_en_cours() const;
    // Panel11, the abandon controls and the menus a running match locks.
    void regles_match();
    // The rating step of the end of a game (result 0 black won, 1 draw,
    // 2 white won).
    void conclure_classement(int resultat);

    void Ouverturespourlesblancs1Click();
    void Ouverturespourlesnoirs1Click();
    void Changerbibliothqueouvertures1Click();
    void Bibliothquesactives1Click();

protected:
    void closeEvent(QCloseEvent* e) override;  // exiter

private:
    void creer_menus();
    void creer_composants();
    void creer_parties();

    std::unique_ptr<Contexte> ctx_;
};

}  // namespace kolmar
