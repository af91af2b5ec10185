#include "forms/fenetre_texte.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace kolmar {

FenetreTexte::FenetreTexte(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FenetreTexte"));
    Memo = new QPlainTextEdit(this);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setReadOnly(true);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(Memo);
    resize(480, 360);
}

void FenetreTexte::montrer(const QString& titre, const QString& t) {
    setWindowTitle(titre);
    Memo->setPlainText(t);
    show();
    raise();
}

QString FenetreTexte::texte() const {
    return Memo->toPlainText();
}

}  // namespace kolmar
