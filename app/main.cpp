#include <QApplication>
#include <QEventLoop>
#include <QIcon>
#include <QStandardPaths>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "control/commandes.h"
#include "control/deroulement.h"
#include "forms/tform1.h"
#include "lang/textes.h"
#include "records/fichiers.h"

int main(int argc, char** argv) {
    using namespace kolmar;
    QApplication app(argc, argv);
    // The name the player's folder and the desktop entry go by.
    QApplication::setApplicationName(QStringLiteral("kolmar3d"));
    QGuiApplication::setDesktopFileName(QStringLiteral(KOLMAR_ID_APPLI));
    if (std::getenv("KOLMAR_DATA") == nullptr) {
        const QString dossier = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        if (!dossier.isEmpty()) definir_repertoire_donnees(dossier.toStdString());
    }
    QApplication::setWindowIcon(QIcon(QString::fromStdString(chemin_lecture("kolmar3d.png"))));

    // A game file named on the command line (as the desktop entry passes
    // it) opens once a board is chosen.
    QString fichier;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i < args.size() && fichier.isEmpty(); ++i)
        if (!args[i].startsWith(QLatin1Char('-'))) fichier = args[i];

    TForm1 form;
    form.show();
    // The start screen until a board is chosen; its button opens the
    // game screen, the engine and the last game.
    form.ecran_depart();
    // The player's folder exists before its lock is taken, even on a first run.
    std::error_code e;
    std::filesystem::create_directories(repertoire_donnees(), e);
    if (!form.prendre_dossier(repertoire_donnees())) return 0;
    while (form.isVisible() && !form.jeu_ouvert()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (!form.jeu_ouvert() || !form.isVisible()) return 0;
    if (!fichier.isEmpty()) form.ouvrir_fichier(fichier);
    boucle_principale(form.controleur());
    return 0;
}
