// Small helpers of the window tests that read and write scratch files and
// click list lines.
#pragma once

#include <QListWidget>
#include <QTest>
#include <string>

#include "records/fichiers.h"

namespace outils {

inline std::string lire(const std::string& chemin) {
    std::string c;
    return kolmar::lire_fichier(chemin, c) ? c : std::string("<absent>");
}

inline void ecrire(const std::string& chemin, const std::string& texte) {
    QVERIFY(kolmar::ecrire_fichier_sur(chemin, texte.data(), texte.size()));
}

inline void cliquer_ligne(QListWidget* l, int k) {
    QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::NoModifier, l->visualItemRect(l->item(k)).center());
}

}  // namespace outils
