#include "forms/sons.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "records/fichiers.h"

namespace kolmar {

namespace {
QString g_dernier;
}

void jouer_son(QObject* proprietaire, const char* fichier) {
    g_dernier = QString::fromLatin1(fichier);
    if (!proprietaire || QMediaDevices::audioOutputs().isEmpty()) return;
    const QString nom = QStringLiteral("son:") + g_dernier;
    auto* effet = proprietaire->findChild<QSoundEffect*>(nom, Qt::FindDirectChildrenOnly);
    if (!effet) {
        std::string chemin = chemin_lecture(fichier);
        if (chemin.empty()) return;
        effet = new QSoundEffect(proprietaire);
        effet->setObjectName(nom);
        effet->setSource(QUrl::fromLocalFile(QString::fromStdString(chemin)));
    }
    effet->play();
}

QString dernier_son() {
    return g_dernier;
}

}  // namespace kolmar
