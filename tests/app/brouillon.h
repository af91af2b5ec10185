// A main window working in a scratch data directory (register, opening
// lists and game files copied there), and a watcher for the modal boxes
// and dialogs it opens, so no test ever blocks on one.
#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "banc.h"

namespace brouillon {

using namespace kolmar;

// The home moves into the folder too: the player's documents are
// "maison/Documents" there.
struct Dossier {
    QTemporaryDir dir;
    QString chemin() const { return dir.path(); }
    std::string std() const { return dir.path().toStdString(); }
    QString fichier(const QString& nom) const { return dir.path() + QLatin1Char('/') + nom; }
    QString documents() const { return fichier(QStringLiteral("maison/Documents")); }

    Dossier() : maison_(qgetenv("HOME")), config_(qgetenv("XDG_CONFIG_HOME")) {
        for (const char* nom : {"joueurs.dat", "points.dat", "Ouvert_b.ouv", "Ouvert_n.ouv"})
            QFile::copy(QStringLiteral(KOLMAR_DIR "/") + nom, fichier(QString::fromLatin1(nom)));
        QDir(dir.path()).mkdir(QStringLiteral("Parametres"));
        qputenv("HOME", fichier(QStringLiteral("maison")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", fichier(QStringLiteral("maison/.config")).toLocal8Bit());
    }
    ~Dossier() {
        qputenv("HOME", maison_);
        qputenv("XDG_CONFIG_HOME", config_);
    }

   private:
    QByteArray maison_, config_;
};

// Pictures come from the program directory; everything the window reads
// or writes afterwards goes to d.
inline std::unique_ptr<TForm1> fenetre(const Dossier& d) {
    auto f = banc::fenetre();
    definir_repertoire_donnees(d.std());
    return f;
}

// Polls for the modal widget of type W every few milliseconds and hands it
// to `agir` each time one is up. Stops with the test scope.
template <class W>
class Guetteur {
   public:
    explicit Guetteur(std::function<void(W*)> agir) : agir_(std::move(agir)) {
        QObject::connect(&t_, &QTimer::timeout, &t_, [this] {
            if (auto* w = qobject_cast<W*>(QApplication::activeModalWidget())) {
                ++vus_;
                agir_(w);
            }
        });
        t_.start(5);
    }
    int vus() const { return vus_; }

   private:
    QTimer t_;
    std::function<void(W*)> agir_;
    int vus_ = 0;
};

// The "Erreur" boxes: the last one's title and text; each closed at once.
struct Boite {
    QString titre, texte;
    Guetteur<QMessageBox> g{[this](QMessageBox* m) {
        titre = m->windowTitle();
        texte = m->text();
        m->accept();
    }};
    bool vue() const { return g.vus() > 0; }
};

// Chooses `fichier` in an open or save dialog.
inline void accepter(QFileDialog* d, const QString& fichier) {
    d->selectFile(fichier);
    static_cast<QDialog*>(d)->accept();
}

}  // namespace brouillon
