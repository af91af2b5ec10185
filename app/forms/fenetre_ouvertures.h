// The opening-library editors: TForm2 holds the lines played when the
// computer has white, TForm3 those for black. They edit the lists of the
// Bibliotheque the move driver reads, so an added line is used at once,
// saved or not.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "engine/book.h"
#include "lang/textes.h"

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kolmar {

// What is wrong with a line typed into Nouvelle_Ouverture.
struct VerificationLigne {
    enum Defaut { aucun, vide, illisible, case_inexistante, coup_impossible, trop_longue };
    Defaut defaut = aucun;
    int coup = 0;  // 1-based move at which reading stopped
    std::vector<CoupLivre> coups;
    bool ok() const { return defaut == aucun; }
};

// Reads every move of the line: "a-b" or "axb", one or two digits each,
// blanks between moves; squares 1 to 72; each move legal in the game the
// line plays from the initial position; at most 42 moves.
VerificationLigne verifier_ligne(const std::string& texte);
// The first move of `coups` that is not legal when the moves are played
// from the initial position, white first (1-based); 0 when all are.
// A capture is known by its origin and destination only.
int premier_coup_impossible(const std::vector<CoupLivre>& coups);
// Text for the "Erreur" box; empty for a good line.
std::string message_ligne(const VerificationLigne& v, int langue = FRANCAIS);

// "Changer bibliothèque ouvertures": loads the set of the marker `chemin`
// (<nom>.ovv, a path or a bare name in "Parametres") into both lists and
// rewrites "Ouvert_b.ouv" and "Ouvert_n.ouv". On failure `erreur` says why;
// when the set cannot be found the lists are left as they were.
bool changer_bibliotheque(Bibliotheque& b, const std::string& chemin, std::string& erreur, int langue = FRANCAIS);

class FenetreOuvertures;

// The menu item itself: an open dialog in "Parametres", then the set
// installed and shown in both editors; a failure in a box "Erreur".
// False when nothing was installed.
bool Changerbibliothqueouvertures1Click(QWidget* parent, Bibliotheque& b, FenetreOuvertures* f2, FenetreOuvertures* f3,
                                        int langue = FRANCAIS);

class FenetreOuvertures : public QDialog {
    Q_OBJECT
   public:
    // couleur 0: TForm2, the white lines; 1: TForm3, the black ones.
    FenetreOuvertures(Bibliotheque& b, int couleur, QWidget* parent = nullptr);

    int couleur() const { return couleur_; }

    QGroupBox* GroupBox1 = nullptr;
    QListWidget* Liste_Ouvertures = nullptr;
    QLineEdit* Nouvelle_Ouverture = nullptr;
    QPushButton* Valide_Ouverture = nullptr;  // "Ajouter"
    QPushButton* Effacer = nullptr;
    QPushButton* BitBtn1 = nullptr;  // "Enregistrer"
    QPushButton* BitBtn2 = nullptr;  // Cancel
    QPushButton* BitBtn3 = nullptr;  // "Construire et enregistrer", hidden

    // The list read again from its "Ouvert_?.ouv".
    void charger();
    // "Ouvertures pour les blancs/noirs": the game's line in the new-line
    // field, the list from its file, the window shown.
    void ouvrir(const QString& ligne_partie);
    // The list box redrawn from the library's list.
    void afficher();

    // Handlers. Valide_OuvertureClick is false when the line was refused.
    bool Valide_OuvertureClick();
    void EffacerClick();
    void Liste_OuverturesClick();
    void BitBtn1Click();
    void BitBtn2Click();
    // The save behind "Enregistrer" once a name is chosen (".ovv" appended
    // when missing; a bare name goes into "Parametres"). The window closes.
    bool enregistrer_sous(const QString& nom);

    void appliquer_legendes(int langue);

    // Lines of the main window's ListBox6, written into the marker file.
    std::function<std::vector<std::string>()> lignes_marqueur;
    // Shows a failure; a message box captioned "Erreur" unless replaced.
    std::function<void(const QString&)> signaler_erreur;

   signals:
    // The window has closed: the main window shows its panels and menus.
    void fermee();

   public slots:
    void reject() override;

   private:
    void fermer();

    Bibliotheque& b_;
    int couleur_;
    int langue_ = FRANCAIS;
};

}  // namespace kolmar
