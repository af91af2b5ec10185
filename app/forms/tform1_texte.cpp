// The main window's side of text and PDN files, printing, the board
// picture, the lessons of "Problemes" and the learned positions: dialogs,
// the game list of a multi-game file, the lesson panels and text window.
#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>

#include "control/commandes.h"
#include "control/textes_parties.h"
#include "forms/dossiers.h"
#include "forms/fenetre_texte.h"
#include "forms/impression.h"
#include "forms/tform1.h"
#include "lang/messages.h"
#include "lang/textes_analyse.h"
#include "records/fichiers.h"
#include "records/lecons.h"

namespace kolmar {

namespace {

QString qs(Texte t, int langue) {
    return QString::fromUtf8(kolmar::texte(t, langue));
}

QAction* element(QObject* parent, const char* nom, Texte t, QKeySequence touche = {}) {
    auto* a = new QAction(qs(t, FRANCAIS), parent);
    a->setObjectName(QString::fromLatin1(nom));
    a->setShortcut(touche);
    return a;
}

// The window's own file dialog, as for game files, so a test can drive it;
// it opens where the last one of its kind was used.
QFileDialog* dialogue(QWidget* parent, bool ecrire, const QString& titre, SorteFichier sorte, const QString& filtre,
                      const QString& suffixe) {
    auto* d = new QFileDialog(parent, titre, dossier_dialogue(sorte), filtre);
    d->setProperty("sorte", static_cast<int>(sorte));
    d->setAttribute(Qt::WA_DeleteOnClose, false);
    d->setObjectName(ecrire ? QStringLiteral("SaveDialog1") : QStringLiteral("OpenDialog1"));
    d->setOption(QFileDialog::DontUseNativeDialog);
    d->setAcceptMode(ecrire ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d->setFileMode(ecrire ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    d->setDefaultSuffix(suffixe);
    return d;
}

QString choisir(QFileDialog* d) {
    QString chemin;
    if (d->exec() == QDialog::Accepted && !d->selectedFiles().isEmpty()) chemin = d->selectedFiles().first();
    noter_dialogue(static_cast<SorteFichier>(d->property("sorte").toInt()), chemin);
    delete d;
    return chemin;
}

}  // namespace

void TForm1::creer_textes() {
    Crerunfichiertexte1 =
        element(this, "Crerunfichiertexte1", Texte::CreerFichierTexte, QKeySequence(Qt::CTRL | Qt::Key_T));
    Ouvrirunfichiertexte1 =
        element(this, "Ouvrirunfichiertexte1", Texte::OuvrirFichierTexte, QKeySequence(Qt::CTRL | Qt::Key_F));
    Imprimer1 = element(this, "Imprimer1", Texte::Imprimer, QKeySequence(Qt::CTRL | Qt::Key_P));
    Editerlimagefichierbmp1 =
        element(this, "Editerlimagefichierbmp1", Texte::EditerImage, QKeySequence(Qt::CTRL | Qt::Key_E));
    Problmes1 = element(this, "Problmes1", Texte::Problemes, QKeySequence(Qt::CTRL | Qt::Key_L));
    for (QAction* a : {Crerunfichiertexte1, Ouvrirunfichiertexte1, Imprimer1, Editerlimagefichierbmp1, Problmes1})
        Fichier1->insertAction(Quitter1, a);
    Fichier1->insertSeparator(Quitter1);

    // The clipboard, on keys of their own: Ctrl+C is "Ordinateur contre
    // ordinateur".
    Copierlaposition1 =
        element(this, "Copierlaposition1", Texte::CopierPosition, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    Copierlapartie1 =
        element(this, "Copierlapartie1", Texte::CopierPartie, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C));
    Coller1 = element(this, "Coller1", Texte::Coller, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    QAction* avant = Edition1->actions().isEmpty() ? nullptr : Edition1->actions().first();
    Edition1->insertActions(avant, {Copierlaposition1, Copierlapartie1, Coller1});
    Edition1->insertSeparator(avant);
    commandes_[static_cast<size_t>(Commande::Coller1)].actions.push_back(Coller1);
    commande_de_.insert(Coller1, Commande::Coller1);
    connect(Copierlaposition1, &QAction::triggered, this, [this] { Copierlaposition1Click(); });
    connect(Copierlapartie1, &QAction::triggered, this, [this] { Copierlapartie1Click(); });
    connect(Coller1, &QAction::triggered, this, [this] { Coller1Click(); });

    Chargerdesleons1 = element(this, "Chargerdesleons1", Texte::ChargerDesLecons);
    Lancerunesession1 = element(this, "Lancerunesession1", Texte::LancerUneSession);
    Arrterlasession1 = element(this, "Arrterlasession1", Texte::ArreterLaSession);
    Arrterlasession1->setEnabled(false);
    Ouvertures1->addSeparator();
    Ouvertures1->addActions({Chargerdesleons1, Lancerunesession1, Arrterlasession1});
    // The controller enables the session's two items by whether one runs,
    // and during one keeps "Paramétrage" open with its other items locked.
    const std::pair<Commande, std::vector<QAction*>> cibles[] = {
        {Commande::Lancerunesession1, {Lancerunesession1}},
        {Commande::Arrterlasession1, {Arrterlasession1}},
        {Commande::Parametres,
         {Ouverturespourlesblancs1, Ouverturespourlesnoirs1, Changerbibliothqueouvertures1, Bibliothquesactives1,
          Chargerdesleons1, Changerlesparamtres1, Sauverlesparamtres1, Chargerdesparamtres1}}};
    for (const auto& [k, actions] : cibles)
        for (QAction* a : actions) {
            commandes_[static_cast<size_t>(k)].actions.push_back(a);
            commande_de_.insert(a, k);
        }
    // Échap stops a training session as its menu item does.
    auto* echap = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(echap, &QShortcut::activated, this, [this] { kolmar::Arrterlasession1Click(ctrl_); });

    Panel2 = new QFrame(surface);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameShape(QFrame::Panel);
    Panel2->setFrameShadow(QFrame::Raised);
    Panel2->setLineWidth(2);
    Panel2->setAutoFillBackground(true);
    Panel2->setGeometry(96, 110, 300, 280);
    auto* titre = new QLabel(qs(Texte::ChoixPartie, FRANCAIS), Panel2);
    titre->setObjectName(QStringLiteral("ChoixPartie"));
    titre->setGeometry(8, 6, 284, 18);
    ListBox16 = new QListWidget(Panel2);
    ListBox16->setObjectName(QStringLiteral("ListBox16"));
    ListBox16->setGeometry(8, 28, 284, 208);
    ListeOK = new QPushButton(qs(Texte::Ok, FRANCAIS), Panel2);
    ListeOK->setObjectName(QStringLiteral("ListeOK"));
    ListeOK->setGeometry(60, 244, 80, 26);
    ListeCancel = new QPushButton(qs(Texte::Annuler, FRANCAIS), Panel2);
    ListeCancel->setObjectName(QStringLiteral("ListeCancel"));
    ListeCancel->setGeometry(160, 244, 80, 26);
    Panel2->hide();

    Panel13 = new QPushButton(qs(Texte::SuivantFleche, FRANCAIS), surface);
    Panel13->setObjectName(QStringLiteral("Panel13"));
    Panel13->setGeometry(514, 206, 118, 22);
    Panel13->hide();
    Panel14 = new QPushButton(qs(Texte::RevoirCoup, FRANCAIS), surface);
    Panel14->setObjectName(QStringLiteral("Panel14"));
    Panel14->setGeometry(514, 232, 118, 22);
    Panel14->hide();
    Bloc_notes = new FenetreTexte(this);

    connect(Crerunfichiertexte1, &QAction::triggered, this, [this] { Crerunfichiertexte1Click(); });
    connect(Ouvrirunfichiertexte1, &QAction::triggered, this, [this] { Ouvrirunfichiertexte1Click(); });
    connect(ListeOK, &QPushButton::clicked, this, [this] { ListeOKClick(); });
    connect(ListeCancel, &QPushButton::clicked, this, [this] { ListeCancelClick(); });
    connect(Imprimer1, &QAction::triggered, this, [this] { Imprimer1Click(); });
    connect(Editerlimagefichierbmp1, &QAction::triggered, this, [this] { Editerlimagefichierbmp1Click(); });
    connect(Problmes1, &QAction::triggered, this, [this] { Problmes1Click(); });
    connect(Panel13, &QPushButton::clicked, this, [this] {
        std::string t;
        if (kolmar::Button1Click(ctrl_, t)) montrer_lecon(t);
    });
    connect(Panel14, &QPushButton::clicked, this, [this] {
        std::string t;
        if (kolmar::Panel14Click(ctrl_, t)) montrer_lecon(t);
    });
    connect(Chargerdesleons1, &QAction::triggered, this, [this] { Chargerdesleons1Click(); });
    connect(Lancerunesession1, &QAction::triggered, this, [this] { kolmar::Lancerunesession1Click(ctrl_); });
    connect(Arrterlasession1, &QAction::triggered, this, [this] { kolmar::Arrterlasession1Click(ctrl_); });
}

void TForm1::Crerunfichiertexte1Click() {
    QFileDialog* d = dialogue(this, true, Crerunfichiertexte1->text(), SorteFichier::textes,
                              qs(Texte::FiltreTexteEcrire, langue_), QStringLiteral("txt"));
    // PDN when its filter is chosen or the name says so.
    connect(d, &QFileDialog::filterSelected, d, [d](const QString& f) {
        d->setDefaultSuffix(f.contains(QLatin1String("*.pdn")) ? QStringLiteral("pdn") : QStringLiteral("txt"));
    });
    const QString chemin = choisir(d);
    if (chemin.isEmpty()) return;
    const bool pdn = QFileInfo(chemin).suffix().compare(QLatin1String("pdn"), Qt::CaseInsensitive) == 0;
    kolmar::Crerunfichiertexte1Click(ctrl_, chemin.toStdString(), pdn ? FormatTexte::pdn : FormatTexte::texte);
}

void TForm1::Ouvrirunfichiertexte1Click() {
    ctrl_.session().arret_calcul = 1;
    const QString chemin = choisir(dialogue(this, false, Ouvrirunfichiertexte1->text(), SorteFichier::textes,
                                            qs(Texte::FiltreTexteLire, langue_), QStringLiteral("txt")));
    if (!chemin.isEmpty()) ouvrir_texte(chemin);
}

void TForm1::ouvrir_texte(const QString& chemin) {
    if (lire_fichier_texte(ctrl_, chemin.toStdString(), parties_lues_)) choisir_partie_lue();
}

void TForm1::choisir_partie_lue() {
    if (!parties_a_choisir(ctrl_, parties_lues_)) {
        parties_lues_ = FichierParties();
        return;
    }
    ListBox16->clear();
    for (const std::string& l : lignes_ListBox16(ctrl_, parties_lues_)) ListBox16->addItem(QString::fromStdString(l));
    // Past the listed games, what was left out, on lines that cannot be chosen.
    for (const std::string& reste :
         {texte_parties_non_listees(ctrl_, parties_lues_), texte_parties_illisibles(ctrl_, parties_lues_)}) {
        if (reste.empty()) continue;
        auto* ligne = new QListWidgetItem(QString::fromStdString(reste), ListBox16);
        ligne->setFlags(Qt::NoItemFlags);
    }
    Panel2->show();
    Panel2->raise();
}

void TForm1::ListeOKClick() {
    const int k = ListBox16->currentRow();
    // OK with no line chosen changes nothing, as Cancel.
    if (k < 0 || k >= static_cast<int>(parties_lues_.parties.size())) return ListeCancelClick();
    Panel2->hide();
    importer_partie(ctrl_, parties_lues_, static_cast<size_t>(k));
    parties_lues_ = FichierParties();
}

void TForm1::ListeCancelClick() {
    Panel2->hide();
    parties_lues_ = FichierParties();
}

void TForm1::ouvrir_fichier(const QString& chemin) {
    ctrl_.session().arret_calcul = 1;
    const QFileInfo info(chemin);
    Texte raison = Texte::NB_TEXTES;
    if (!info.exists())
        raison = Texte::FichierAbsent;
    else if (info.isDir())
        raison = Texte::FichierDossier;
    else if (!info.isReadable())
        raison = Texte::FichierInterdit;
    if (raison != Texte::NB_TEXTES) {
        erreur(std::string(kolmar::texte(Texte::ImpossibleOuvrirFichier, langue_)) + "\n" + chemin.toStdString() +
               "\n" + kolmar::texte(raison, langue_));
        return;
    }
    if (info.suffix().compare(QLatin1String("dam"), Qt::CaseInsensitive) == 0)
        ouvrir_partie(ctrl_, info.absoluteFilePath().toStdString());
    else
        ouvrir_texte(info.absoluteFilePath());
}

void TForm1::Copierlaposition1Click() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(texte_position(ctrl_)));
}

void TForm1::Copierlapartie1Click() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(texte_partie_pdn(ctrl_)));
}

void TForm1::Coller1Click() {
    ctrl_.session().arret_calcul = 1;
    const std::string t = QGuiApplication::clipboard()->text().toStdString();
    if (coller(ctrl_, t, parties_lues_) && !parties_lues_.parties.empty()) choisir_partie_lue();
}

void TForm1::Imprimer1Click() {
    QPrinter imprimante(QPrinter::HighResolution);
    QPrintDialog d(&imprimante, this);
    d.setObjectName(QStringLiteral("PrintDialog1"));
    if (d.exec() != QDialog::Accepted) return;
    const Contexte& C = ctrl_.ctx();
    imprimer_partie(imprimante, ctrl_.jeu().partie, C.etat.nom_blanc, C.etat.nom_noir, ctrl_.session().resultat,
                    QDate::currentDate().toString(Qt::ISODate).toStdString());
}

void TForm1::Editerlimagefichierbmp1Click() {
    const QString chemin = choisir(dialogue(this, true, Editerlimagefichierbmp1->text(), SorteFichier::image,
                                            qs(Texte::FiltreImage, langue_), QStringLiteral("bmp")));
    if (chemin.isEmpty()) return;
    // The 3D picture when a 3D board is up, else the window's board.
    const QImage& image = affichage_.image3d.isNull() ? affichage_.canvas : affichage_.image3d;
    if (!image.save(chemin, "BMP")) {
        ResultatFichier r = ResultatFichier::echec(MessageFichier::impossible_ecrire);
        erreur(texte_resultat(r, langue_));
    }
}

void TForm1::Problmes1Click() {
    ctrl_.session().arret_calcul = 1;
    const QString chemin = choisir(dialogue(this, false, Problmes1->text(), SorteFichier::problemes,
                                            qs(Texte::FiltreParties, langue_), QStringLiteral("dam")));
    if (chemin.isEmpty()) return;
    std::string t;
    if (ouvrir_lecon(ctrl_, chemin.toStdString(), t)) montrer_lecon(t);
}

void TForm1::montrer_lecon(const std::string& t) {
    Panel13->show();
    Panel14->show();
    Panel13->raise();
    Panel14->raise();
    const QString nom = QFileInfo(QString::fromStdString(ctrl_.ctx().lecon)).fileName();
    std::string enonce, solution;
    separer_solution(t, enonce, solution);
    if (!t.empty())
        Bloc_notes->montrer(nom + QLatin1Char('t'), QString::fromStdString(enonce), QString::fromStdString(solution),
                            qs(Texte::VoirLaSolution, langue_));
    else
        Bloc_notes->hide();
}

void TForm1::Chargerdesleons1Click() {
    const QString chemin = choisir(dialogue(this, false, Chargerdesleons1->text(), SorteFichier::lecons,
                                            qs(Texte::FiltreLecons, langue_), QStringLiteral("dal")));
    if (!chemin.isEmpty()) kolmar::Chargerdesleons1Click(ctrl_, chemin.toStdString());
}

std::string TForm1::fichier_lecons() {
    QFileDialog* d = dialogue(this, true, QString::fromUtf8(kolmar::texte(TexteAnalyse::Apprendre, langue_)),
                              SorteFichier::lecons, qs(Texte::FiltreLecons, langue_), QStringLiteral("dal"));
    if (!dernier_fichier_lecons_.isEmpty()) d->selectFile(dernier_fichier_lecons_);
    const QString chemin = choisir(d);
    if (!chemin.isEmpty()) dernier_fichier_lecons_ = chemin;
    return chemin.toStdString();
}

void TForm1::Learn_yesClick() {
    if (!kolmar::Learn_yesClick(ctrl_)) return;
    const std::string chemin = fichier_lecons();
    if (!chemin.empty()) apprendre_dans(ctrl_, chemin);
}

}  // namespace kolmar
