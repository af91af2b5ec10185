// Small builders shared by the windows: every component gets its
// objectName at birth, so tests and captions find it by name.
#pragma once

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QString>
#include <QWidget>

namespace kolmar {

template <class W>
W* composant(QWidget* parent, const char* nom) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(nom));
    return w;
}

// A push button that Return in a neighbouring edit does not press.
inline QPushButton* bouton(QWidget* parent, const char* nom) {
    auto* b = composant<QPushButton>(parent, nom);
    b->setAutoDefault(false);
    return b;
}

inline QAction* action_menu(QMenu* menu, const char* nom, const QString& texte, bool cochable = false,
                            bool coche = false) {
    QAction* a = menu->addAction(texte);
    a->setObjectName(QString::fromLatin1(nom));
    a->setCheckable(cochable);
    a->setChecked(coche);
    return a;
}

}  // namespace kolmar
