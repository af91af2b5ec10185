#include "forms/dossiers.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <array>

#include "records/fichiers.h"
#include "records/gamefile.h"

namespace kolmar {

namespace {

std::array<QString, static_cast<size_t>(SorteFichier::NB)>& notes() {
    static std::array<QString, static_cast<size_t>(SorteFichier::NB)> n;
    return n;
}

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

QString dossier_documents() {
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!docs.isEmpty()) {
        const QString d = docs + QStringLiteral("/Kolmar 3D");
        if (QDir().mkpath(d)) return d;
    }
    return qs(dossier_sauve());
}

QString dossier_dialogue(SorteFichier s) {
    const QString& note = notes()[static_cast<size_t>(s)];
    if (!note.isEmpty() && QFileInfo(note).isDir()) return note;
    switch (s) {
        case SorteFichier::parties:
        case SorteFichier::textes:
        case SorteFichier::image:
            return dossier_documents();
        case SorteFichier::problemes:
            return qs(dossier_problemes());
        case SorteFichier::lecons:
        case SorteFichier::parametres:
        case SorteFichier::ouvertures:
            return qs(dossier_joueur("Parametres"));
        case SorteFichier::analyse:
        case SorteFichier::NB:
            break;
    }
    creer_dossiers(repertoire_donnees());
    return qs(repertoire_donnees());
}

void noter_dialogue(SorteFichier s, const QString& fichier) {
    if (fichier.isEmpty() || s == SorteFichier::NB) return;
    notes()[static_cast<size_t>(s)] = QFileInfo(fichier).absolutePath();
}

void oublier_dialogues() {
    for (QString& n : notes()) n.clear();
}

}  // namespace kolmar
