// The main window's side of the game files and of the language: the file
// dialogs, the "Erreur" box, and the captions and Qt's own texts of a
// language.
#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTranslator>

#include "control/commandes.h"
#include "control/deroulement.h"
#include "forms/dossiers.h"
#include "forms/fenetre_ouvertures.h"
#include "forms/nouvelle_partie.h"
#include "forms/panneaux_joueurs.h"
#include "forms/tform1.h"
#include "forms/tform4.h"
#include "forms/tform6.h"
#include "lang/textes_analyse.h"
#include "records/fichiers.h"
#include "records/joueurs.h"

namespace kolmar {

namespace {

QString qs(Texte t, int langue) {
    return QString::fromUtf8(kolmar::texte(t, langue));
}

// Qt's translation files of each interface language, in language order.
const char* const k_traductions_qt[NB_LANGUES] = {"qtbase_fr",    "qtbase_en", "qtbase_nl",
                                                  "qtbase_pt_BR", "qtbase_es", "qtbase_it"};

// The window's own dialog, so it looks the same everywhere, speaks the
// program's language through Qt's translations, and a test can drive it.
QString choisir_fichier(QWidget* parent, bool ecrire, const QString& titre, int langue) {
    QFileDialog d(parent, titre, dossier_dialogue(SorteFichier::parties), qs(Texte::FiltreParties, langue));
    d.setObjectName(ecrire ? QStringLiteral("SaveDialog1") : QStringLiteral("OpenDialog1"));
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setAcceptMode(ecrire ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(ecrire ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    d.setDefaultSuffix(QStringLiteral("dam"));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
    noter_dialogue(SorteFichier::parties, d.selectedFiles().first());
    return d.selectedFiles().first();
}

}  // namespace

void TForm1::save() {
    const QString chemin = choisir_fichier(this, true, Sauver1->text(), langue_);
    if (!chemin.isEmpty()) sauver_partie(ctrl_, chemin.toStdString());
    kolmar::placer_pions(ctrl_);
}

void TForm1::ouvre() {
    ctrl_.session().arret_calcul = 1;
    const QString chemin = choisir_fichier(this, false, Ouvrir1->text(), langue_);
    if (!chemin.isEmpty()) ouvrir_partie(ctrl_, chemin.toStdString());
}

bool TForm1::prendre_dossier(const std::string& dossier) {
    const EtatVerrou etat = verrou_.prendre(dossier);
    if (etat == EtatVerrou::tenu) {
        reparer_registre(dossier);
        return true;
    }
    // A folder where no lock can be made refuses writes by itself.
    if (etat == EtatVerrou::impossible) return true;
    QMessageBox box(QMessageBox::Warning, qs(Texte::TitreApplication, langue_),
                    qs(Texte::DossierOccupe, langue_).replace(QLatin1String("%1"), QString::fromStdString(dossier)),
                    QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("DossierOccupe"));
    QPushButton* lire = box.addButton(qs(Texte::LectureSeule, langue_), QMessageBox::AcceptRole);
    lire->setObjectName(QStringLiteral("LectureSeule"));
    QPushButton* quitter = box.addButton(qs(Texte::Quitter, langue_), QMessageBox::RejectRole);
    quitter->setObjectName(QStringLiteral("Quitter"));
    box.setDefaultButton(quitter);
    box.exec();
    if (box.clickedButton() != lire) return false;
    poser_dossier_lecture_seule(dossier);
    return true;
}

void TForm1::erreur(const std::string& message) {
    QMessageBox box(QMessageBox::Critical, qs(Texte::Erreur, langue_), QString::fromStdString(message), QMessageBox::Ok,
                    this);
    box.setObjectName(QStringLiteral("Erreur"));
    box.exec();
}

void TForm1::langue(int l) {
    if (l < 0 || l >= NB_LANGUES) l = FRANCAIS;
    langue_ = l;
    appliquer_legendes(l);
    Nouvelle_partie->appliquer_legendes(l);
    Nouveau_joueur->appliquer_legendes(l);
    Efface_j->appliquer_legendes(l);
    Joueurs->appliquer_legendes(l);
    Form2->appliquer_legendes(l);
    Form3->appliquer_legendes(l);
    Form4->appliquer_legendes(l);
    Form6->appliquer_legendes(l);
    for (int i = 0; i < NB_NIVEAUX; ++i) Niveaux[i]->setText(QString::fromUtf8(libelle_niveau(i, l)));
    Piontemoin->setToolTip(QString::fromUtf8(kolmar::texte(TexteAnalyse::PionSelectionne, l)));
    Abandon->setText(qs(Texte::Abandonner, l));
    Abandon1->setText(qs(Texte::Abandonner, l));
    BitBtn13->setText(qs(Texte::Ok, l));
    langue_affichage(l);
    // The captions in this language at the window's scale, the long ones
    // set smaller, the tabs fitted into their panel.
    mettre_a_l_echelle();

    // Qt's own texts (file dialogs, standard buttons) in the same language.
    if (!traduction_qt_)
        traduction_qt_ = new QTranslator(this);
    else
        QCoreApplication::removeTranslator(traduction_qt_);
    if (traduction_qt_->load(QString::fromLatin1(k_traductions_qt[l]),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traduction_qt_);
}

}  // namespace kolmar
