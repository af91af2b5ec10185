// The help viewer: "Documentation" and "Règles" show their HTML help file
// of the current language.
#pragma once

#include <QDialog>
#include <string>

#include "lang/aide.h"

class QTextBrowser;

namespace kolmar {

class FenetreAide : public QDialog {
    Q_OBJECT
   public:
    explicit FenetreAide(QWidget* parent = nullptr);
    // Shows help `a` in `langue` from the program directory; false, with
    // the file named in the viewer, when it cannot be read.
    bool montrer(Aide a, int langue, const std::string& repertoire);
    QTextBrowser* navigateur() const { return navigateur_; }

   private:
    QTextBrowser* navigateur_;
};

}  // namespace kolmar
