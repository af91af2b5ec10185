// The evaluation parameters editor: eight 12 x 12 table panels with a
// field on each dark cell, the phase thresholds, the tempo weights and the
// variant squares. It holds texts only; the controller turns them into
// parameters.
#pragma once

#include <QDialog>

#include "control/editeur_parametres.h"

class QGridLayout;
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

   signals:
    void ok();

   private:
    QWidget* panneau_table(int t);
    QLineEdit* tables_[NB_TABLES_PIONS][73] = {};
    QLineEdit* scalaires_[NB_SCALAIRES] = {};
    QPushButton* parametreOK = nullptr;
    QPushButton* parametrecancel = nullptr;
};

}  // namespace kolmar
