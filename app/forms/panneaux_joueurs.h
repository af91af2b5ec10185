// The players' panels of the main window: a new player ("Nouveau_joueur"),
// deleting one ("Efface_j") and changing the current names ("Joueurs").
// Each is a hidden frame the main window places over the board; register
// changes go through records/joueurs.h at once.
#pragma once

#include <QFrame>

#include "lang/textes.h"
#include "records/classement.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace kolmar {

// The capital of the checked button of "Capital points".
int32_t capital_choisi(bool k1600, bool k1700);

// A match's register lines after line k was deleted: later players move
// up one line, and the deleted player's points are written nowhere.
void apres_effacement(Match& m, int k);

class NouveauJoueur : public QFrame {
    Q_OBJECT
   public:
    explicit NouveauJoueur(QWidget* parent = nullptr);

    QLabel* Label19 = nullptr;  // "Nom du joueur :"
    QLineEdit* Joueur = nullptr;
    QGroupBox* RadioGroup3 = nullptr;  // "Capital points"
    QRadioButton* K1600 = nullptr;
    QRadioButton* K1700 = nullptr;
    QRadioButton* K1800 = nullptr;
    QPushButton* BitBtn22 = nullptr;  // OK
    QPushButton* BitBtn23 = nullptr;  // Cancel

    void ouvrir();
    // False when nothing was added (empty name: the panel stays open; a
    // failed write: erreur is emitted).
    bool BitBtn7Click();
    void OClick();

    void appliquer_legendes(int langue);

   signals:
    // The register has the new player as its last line.
    void joueur_ajoute(const QString& nom, int32_t capital);
    void annule();
    void erreur(const QString& message);

   private:
    int langue_ = FRANCAIS;
};

class EffaceJoueur : public QFrame {
    Q_OBJECT
   public:
    explicit EffaceJoueur(QWidget* parent = nullptr);

    QLabel* Label18 = nullptr;  // "Joueur à effacer :"
    QLabel* joueur_efface = nullptr;
    QListWidget* ListBox15 = nullptr;
    QPushButton* BitBtn20 = nullptr;  // OK
    QPushButton* BitBtn21 = nullptr;  // Cancel

    // ListBox15 from "joueurs.dat", shown.
    void ouvrir();
    void ListBox7Click();
    // False with no selection, line 0 (the computer) or a failed write.
    bool BitBtn20Click();
    void BitBtn12Click();

    void appliquer_legendes(int langue);

   signals:
    // Line k has left both files; later lines moved up (see apres_effacement).
    void joueur_supprime(int k);
    // The board is repainted after OK in every case, and after Cancel.
    void repeindre();
    void erreur(const QString& message);

   private:
    int langue_ = FRANCAIS;
};

class PanneauJoueurs : public QFrame {
    Q_OBJECT
   public:
    explicit PanneauJoueurs(QWidget* parent = nullptr);

    QLabel* Label26 = nullptr;  // "Joueur blanc :"
    QLabel* Label27 = nullptr;  // "Joueur noir :"
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QPushButton* OKjoueur = nullptr;
    QPushButton* Cancel_joueurs = nullptr;

    // "Changer les noms": the current names in the edits, shown.
    void ouvrir(const QString& nom_blanc, const QString& nom_noir);
    void OKjoueurClick();
    void Cancel_joueursClick();

    void appliquer_legendes(int langue);

   signals:
    // Names cut to what a game record holds.
    void noms(const QString& nom_blanc, const QString& nom_noir);
};

}  // namespace kolmar
