// The evaluation parameters editor: eight 12 x 12 table panels with a
// field on each dark cell, the phase thresholds, the tempo weights and the
// variant squares. It holds texts only; the controller turns them into
// parameters.
#pragma once

#include <QDialog>
#include <utility>
#include <vector>

#include "control/editeur_parametres.h"
#include "lang/textes_analyse.h"

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kolmar {

class TForm6 : public QDialog {
    Q_OBJECT
   public:
    explicit TForm6(QWidget* parent = nullptr);

    void montrer(const ChampsParametres& c);
    ChampsParametres champs() const;
    // The field of table t's entry k (1..72), of scalar i.
    QLineEdit* champ_table(int t, int k) const { return tables_[t][k]; }
    QLineEdit* champ_scalaire(int i) const { return scalaires_[i]; }
    void appliquer_legendes(int langue);

   signals:
    void ok();

   private:
    QWidget* panneau_table(int t);
    QLabel* mot(TexteAnalyse t);
    QLineEdit* tables_[NB_TABLES_PIONS][73] = {};
    QLineEdit* scalaires_[NB_SCALAIRES] = {};
    QPushButton* parametreOK = nullptr;
    QPushButton* parametrecancel = nullptr;
    QGroupBox* titres_[NB_TABLES_PIONS] = {};
    std::vector<std::pair<QLabel*, TexteAnalyse>> mots_;
};

}  // namespace kolmar
