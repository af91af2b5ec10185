// The main window: its components and the binding of their events to the
// handlers of the turn flow and of the board display.
#pragma once

#include <QMainWindow>
#include <memory>

#include "control/contexte.h"
#include "display/damier2d.h"

class QAction;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QTabWidget;

namespace kolmar {

class TForm1;

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

protected:
    void closeEvent(QCloseEvent* e) override;  // exiter

private:
    void creer_menus();
    void creer_composants();

    std::unique_ptr<Contexte> ctx_;
};

}  // namespace kolmar
