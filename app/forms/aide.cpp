#include "forms/aide.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "lang/textes.h"
#include "records/fichiers.h"

namespace kolmar {

FenetreAide::FenetreAide(QWidget* parent) : QDialog(parent), navigateur_(new QTextBrowser(this)) {
    setObjectName("FenetreAide");
    navigateur_->setObjectName("Navigateur_aide");
    auto* l = new QVBoxLayout(this);
    l->addWidget(navigateur_);
    resize(640, 560);
}

bool FenetreAide::montrer(Aide a, int langue, const std::string& repertoire) {
    const char* nom = fichier_aide(a, langue);
    setWindowTitle(QString::fromUtf8(texte(a == Aide::Regles ? Texte::Regles : Texte::Documentation, langue)));
    QFile f(QString::fromStdString(chemin_lecture(nom, repertoire)));
    const bool ok = f.open(QIODevice::ReadOnly);
    if (ok)
        navigateur_->setHtml(QString::fromUtf8(f.readAll()));
    else
        navigateur_->setPlainText(QString::fromUtf8(texte(Texte::ImpossibleOuvrirFichier, langue)) + "\n" + nom);
    show();
    return ok;
}

}  // namespace kolmar
