// The new-game page control: a training game, a rated match or a game
// between two people. It only gathers the choice and hands it on as plain
// data; setting up the game itself is the main window's.
#pragma once

#include <QTabWidget>

#include "lang/textes.h"
#include "records/joueurs.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace kolmar {

class NouvellePartie : public QTabWidget {
    Q_OBJECT
   public:
    explicit NouvellePartie(QWidget* parent = nullptr);

    // Pages.
    QWidget* Entrainement = nullptr;
    QWidget* Match1 = nullptr;  // "Match "
    QWidget* Humain = nullptr;

    // "Entrainement".
    QLabel* Label15 = nullptr;  // "Joueur :"
    QLineEdit* Joueur0 = nullptr;
    QListWidget* ListBox8 = nullptr;   // names
    QListWidget* ListBox12 = nullptr;  // points
    QGroupBox* RadioGroup2 = nullptr;  // "Couleur de Kolmar"
    QRadioButton* Valdorin_blanc = nullptr;
    QRadioButton* Valdorin_noir = nullptr;
    QPushButton* BitBtn15 = nullptr;
    QPushButton* Annule_nouveau = nullptr;

    // "Match ".
    QLabel* Label20 = nullptr;  // "Joueur :"
    QLineEdit* Joueur1 = nullptr;
    QListWidget* ListBox9 = nullptr;
    QListWidget* ListBox14 = nullptr;
    QGroupBox* RadioGroup4 = nullptr;
    QRadioButton* Valdorin_blanc1 = nullptr;
    QRadioButton* Valdorin_noir1 = nullptr;
    QPushButton* Ramener_Kolmar = nullptr;  // "Ramener Kolmar à 2050"
    QPushButton* BitBtn16 = nullptr;
    QPushButton* BitBtn18 = nullptr;

    // "Humain contre humain".
    QLabel* Label16 = nullptr;  // "Joueur blanc :"
    QLabel* Label17 = nullptr;  // "Joueur noir :"
    QLineEdit* Joueur2 = nullptr;
    QLineEdit* Joueur3 = nullptr;
    QListWidget* ListBox10 = nullptr;
    QListWidget* ListBox11 = nullptr;
    QListWidget* ListBox13 = nullptr;
    QPushButton* BitBtn17 = nullptr;
    QPushButton* BitBtn19 = nullptr;

    // What "Nouveau" does to the page control: lists from the register,
    // shown on the page last used.
    void ouvrir();
    // The name lists from "joueurs.dat", the points lists from "points.dat".
    void charger_listes();
    // The register as the match page shows it (ListBox9 and ListBox14):
    // what commencer_match is given.
    Registre registre() const;

    // Handlers.
    void BitBtn15Click();
    void BitBtn16Click();
    void BitBtn17Click();
    void Annule_nouveauClick();
    void BitBtn18Click();
    void BitBtn19Click();
    void Ramener_KolmarClick();

    void appliquer_legendes(int langue);

   signals:
    // Names are cut to what a game record holds.
    void entrainement(bool ordinateur_noir, const QString& nom);
    // selection: the line of ListBox9 chosen, -1 for none.
    void match(bool ordinateur_noir, const QString& nom, int selection);
    void humains(const QString& nom_blanc, const QString& nom_noir);
    // Hidden without a game; repeindre for the two Cancel buttons that
    // also repaint the board.
    void annule(bool repeindre);
    // Writing the register failed: the text for the "Erreur" box.
    void erreur(const QString& message);

   private:
    void fermer();

    int langue_ = FRANCAIS;
};

// The name as a game record holds it (19 bytes, whole characters).
QString nom_de_partie(const QString& nom);

}  // namespace kolmar
