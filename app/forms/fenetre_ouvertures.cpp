#include "forms/fenetre_ouvertures.h"

#include <QBrush>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <cctype>
#include <memory>

#include "forms/composants.h"
#include "forms/dossiers.h"
#include "lang/messages.h"
#include "records/fichiers.h"
#include "rules/board.h"
#include "rules/movegen.h"

namespace kolmar {

namespace {

bool blanc(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}
bool chiffre(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// One or two digits; a third digit makes the move unreadable.
bool nombre(const std::string& t, size_t& i, int& v) {
    size_t debut = i;
    v = 0;
    while (i < t.size() && chiffre(t[i])) v = v * 10 + (t[i++] - '0');
    return i > debut && i - debut <= 2;
}

std::string avec_numero(Texte t, int langue, int n) {
    std::string s = texte(t, langue);
    size_t p = s.find("%1");
    if (p != std::string::npos) s.replace(p, 2, std::to_string(n));
    return s;
}

std::string minuscules(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

QString qs(Texte t, int langue) {
    return QString::fromUtf8(texte(t, langue));
}

}  // namespace

VerificationLigne verifier_ligne(const std::string& t) {
    VerificationLigne v;
    size_t i = 0;
    auto refus = [&](VerificationLigne::Defaut d) {
        v.defaut = d;
        v.coup = static_cast<int>(v.coups.size()) + 1;
        return v;
    };
    while (true) {
        while (i < t.size() && blanc(t[i])) ++i;
        if (i >= t.size()) break;
        int de = 0, vers = 0;
        if (!nombre(t, i, de)) return refus(VerificationLigne::illisible);
        while (i < t.size() && blanc(t[i])) ++i;
        if (i >= t.size() || (t[i] != '-' && t[i] != 'x' && t[i] != 'X')) return refus(VerificationLigne::illisible);
        ++i;
        while (i < t.size() && blanc(t[i])) ++i;
        if (!nombre(t, i, vers)) return refus(VerificationLigne::illisible);
        if (i < t.size() && !blanc(t[i])) return refus(VerificationLigne::illisible);
        if (de < 1 || de > NB_CASES || vers < 1 || vers > NB_CASES) return refus(VerificationLigne::case_inexistante);
        if (de == vers) return refus(VerificationLigne::illisible);
        v.coups.push_back({static_cast<uint8_t>(de), static_cast<uint8_t>(vers)});
    }
    if (v.coups.empty()) return refus(VerificationLigne::vide);
    if (v.coups.size() > static_cast<size_t>(COUPS_LIGNE_MAX)) {
        v.defaut = VerificationLigne::trop_longue;
        v.coup = COUPS_LIGNE_MAX + 1;
    } else if (int j = premier_coup_impossible(v.coups)) {
        v.defaut = VerificationLigne::coup_impossible;
        v.coup = j;
    }
    return v;
}

int premier_coup_impossible(const std::vector<CoupLivre>& coups) {
    uint8_t damier[TAILLE_DAMIER];
    position_initiale(damier);
    auto g = std::make_unique<Generateur>();
    g->damier = damier;
    init_listes(*g);
    int trait = BLANC;
    for (size_t j = 0; j < coups.size(); ++j) {
        const int n = coups_legaux(*g, trait);
        const Coup* liste = g->liste_coups[g->ply];
        int i = 0;
        while (i < n && (liste[i].depart != coups[j].depart || liste[i].arrivee != coups[j].arrivee)) ++i;
        if (i == n) return static_cast<int>(j) + 1;
        // Any of several captures with the same ends will do: the line
        // cannot tell them apart, and neither can the book.
        const Coup c = liste[i];
        jouer_coup(damier, c);
        trait = 1 - trait;
    }
    return 0;
}

std::string message_ligne(const VerificationLigne& v, int langue) {
    switch (v.defaut) {
        case VerificationLigne::aucun:
            return std::string();
        case VerificationLigne::vide:
            return texte(Texte::LigneVide, langue);
        case VerificationLigne::illisible:
            return avec_numero(Texte::LigneIllisible, langue, v.coup);
        case VerificationLigne::case_inexistante:
            return avec_numero(Texte::CaseInexistante, langue, v.coup);
        case VerificationLigne::coup_impossible:
            return avec_numero(Texte::CoupImpossible, langue, v.coup);
        case VerificationLigne::trop_longue:
            return texte(Texte::LigneTropLongue, langue);
    }
    return std::string();
}

bool changer_bibliotheque(Bibliotheque& b, const std::string& chemin, std::string& erreur, int langue) {
    std::string racine = chemin;
    if (minuscules(racine).size() >= 4 && minuscules(racine.substr(racine.size() - 4)) == ".ovv")
        racine.resize(racine.size() - 4);
    const bool chemin_complet = racine.find('/') != std::string::npos;
    auto fichier = [&](const char* fin) {
        return chemin_complet ? chemin_donnee(racine + fin, "") : chemin_lecture("Parametres/" + racine + fin);
    };
    // Tell a set that is not there from one that cannot be installed.
    std::string contenu;
    if (racine.empty() || (!lire_fichier(fichier("_b.ouv"), contenu) && !lire_fichier(fichier("_n.ouv"), contenu))) {
        erreur = texte(Texte::ImpossibleOuvrirFichier, langue);
        return false;
    }
    RaisonEchec raison = RaisonEchec::aucune;
    if (!charger_jeu(b, chemin, std::string(), &raison)) {
        erreur = texte_resultat(ResultatFichier::echec_ecriture(raison), langue);
        return false;
    }
    erreur.clear();
    return true;
}

bool Changerbibliothqueouvertures1Click(QWidget* parent, Bibliotheque& b, FenetreOuvertures* f2, FenetreOuvertures* f3,
                                        int langue) {
    const QString dossier = dossier_dialogue(SorteFichier::ouvertures);
    const QString nom = QFileDialog::getOpenFileName(parent, QString(), dossier + QStringLiteral("/*.ovv"),
                                                     qs(Texte::FiltreOuvertures, langue));
    if (nom.isEmpty()) return false;
    noter_dialogue(SorteFichier::ouvertures, nom);
    std::string erreur;
    const bool ok = changer_bibliotheque(b, nom.toStdString(), erreur, langue);
    // Even a failed write has changed the lists in memory.
    for (FenetreOuvertures* f : {f2, f3})
        if (f != nullptr) f->afficher();
    if (!ok) QMessageBox::critical(parent, qs(Texte::Erreur, langue), QString::fromUtf8(erreur.c_str()));
    return ok;
}

FenetreOuvertures::FenetreOuvertures(Bibliotheque& b, int couleur, QWidget* parent)
    : QDialog(parent), b_(b), couleur_(couleur == 1 ? 1 : 0) {
    setObjectName(couleur_ == 1 ? QStringLiteral("TForm3") : QStringLiteral("TForm2"));

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    Liste_Ouvertures = new QListWidget(GroupBox1);
    Liste_Ouvertures->setObjectName(QStringLiteral("Liste_Ouvertures"));
    // Lines are columns of moves: a fixed font keeps them aligned.
    QFont fixe(QStringLiteral("Monospace"));
    fixe.setStyleHint(QFont::TypeWriter);
    Liste_Ouvertures->setFont(fixe);
    Nouvelle_Ouverture = new QLineEdit(GroupBox1);
    Nouvelle_Ouverture->setObjectName(QStringLiteral("Nouvelle_Ouverture"));
    Nouvelle_Ouverture->setFont(fixe);
    Valide_Ouverture = bouton(GroupBox1, "Valide_Ouverture");
    Effacer = bouton(GroupBox1, "Effacer");
    BitBtn1 = bouton(this, "BitBtn1");
    BitBtn2 = bouton(this, "BitBtn2");
    BitBtn3 = bouton(this, "BitBtn3");
    BitBtn3->hide();

    auto* edition = new QHBoxLayout;
    edition->addWidget(Nouvelle_Ouverture, 1);
    edition->addWidget(Valide_Ouverture);
    edition->addWidget(Effacer);
    auto* groupe = new QVBoxLayout(GroupBox1);
    groupe->addWidget(Liste_Ouvertures, 1);
    groupe->addLayout(edition);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch(1);
    boutons->addWidget(BitBtn3);
    boutons->addWidget(BitBtn1);
    boutons->addWidget(BitBtn2);
    auto* fenetre = new QVBoxLayout(this);
    fenetre->addWidget(GroupBox1, 1);
    fenetre->addLayout(boutons);
    resize(640, 420);

    connect(Valide_Ouverture, &QPushButton::clicked, this, [this] { Valide_OuvertureClick(); });
    connect(Nouvelle_Ouverture, &QLineEdit::returnPressed, this, [this] { Valide_OuvertureClick(); });
    connect(Effacer, &QPushButton::clicked, this, [this] { EffacerClick(); });
    connect(Liste_Ouvertures, &QListWidget::itemClicked, this, [this] { Liste_OuverturesClick(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });

    signaler_erreur = [this](const QString& m) {
        QMessageBox::critical(this, QString::fromUtf8(texte(Texte::Erreur, langue_)), m);
    };
    appliquer_legendes(FRANCAIS);
    afficher();
}

void FenetreOuvertures::appliquer_legendes(int langue) {
    langue_ = langue;
    const bool noir = couleur_ == 1;
    setWindowTitle(qs(noir ? Texte::FenetreNoirs : Texte::FenetreBlancs, langue));
    GroupBox1->setTitle(qs(noir ? Texte::OuverturesNoirs : Texte::OuverturesBlancs, langue));
    Valide_Ouverture->setText(qs(Texte::Ajouter, langue));
    Effacer->setText(qs(Texte::Effacer, langue));
    BitBtn1->setText(qs(Texte::Enregistrer, langue));
    BitBtn2->setText(qs(Texte::Annuler, langue));
    BitBtn3->setText(qs(Texte::ConstruireEtEnregistrer, langue));
    afficher();
}

void FenetreOuvertures::afficher() {
    const std::vector<std::string>& lignes = b_.liste(couleur_);
    Liste_Ouvertures->clear();
    for (const std::string& l : lignes) {
        auto* item = new QListWidgetItem(QString::fromUtf8(l.c_str()), Liste_Ouvertures);
        // A line from the file that cannot be read is kept (it is the
        // user's data) but marked, with the reason on hover. Lines longer
        // than the program writes are still read as far as they matter.
        VerificationLigne v = verifier_ligne(l);
        if (!v.ok() && v.defaut != VerificationLigne::trop_longue) {
            item->setForeground(QBrush(Qt::red));
            item->setToolTip(QString::fromUtf8(message_ligne(v, langue_).c_str()));
        }
    }
}

void FenetreOuvertures::charger() {
    std::vector<std::string> lignes;
    lire_ouvertures(chemin_lecture(couleur_ == 1 ? FICHIER_OUVERTURES_NOIRS : FICHIER_OUVERTURES_BLANCS), lignes);
    b_.liste(couleur_) = std::move(lignes);
    afficher();
}

void FenetreOuvertures::ouvrir(const QString& ligne_partie) {
    Nouvelle_Ouverture->setText(ligne_partie);
    charger();
    show();
    raise();
    activateWindow();
}

bool FenetreOuvertures::Valide_OuvertureClick() {
    VerificationLigne v = verifier_ligne(Nouvelle_Ouverture->text().toStdString());
    if (!v.ok()) {
        signaler_erreur(QString::fromUtf8(message_ligne(v, langue_).c_str()));
        return false;
    }
    // Stored as the program writes lines, whatever spacing was typed.
    ajouter_ligne(b_, couleur_, ecrire_ligne(v.coups));
    afficher();
    Liste_Ouvertures->scrollToBottom();
    return true;
}

void FenetreOuvertures::EffacerClick() {
    Nouvelle_Ouverture->clear();
    QListWidgetItem* item = Liste_Ouvertures->currentItem();
    if (item == nullptr || !item->isSelected()) return;
    const int k = Liste_Ouvertures->row(item);
    if (effacer_ligne(b_, couleur_, k)) afficher();
}

void FenetreOuvertures::Liste_OuverturesClick() {
    if (QListWidgetItem* item = Liste_Ouvertures->currentItem()) Nouvelle_Ouverture->setText(item->text());
}

void FenetreOuvertures::BitBtn1Click() {
    const QString dossier = dossier_dialogue(SorteFichier::ouvertures);
    const QString nom = QFileDialog::getSaveFileName(this, BitBtn1->text(), dossier + QStringLiteral("/*.ovv"),
                                                     qs(Texte::FiltreOuvertures, langue_));
    if (nom.isEmpty()) {
        fermer();
        return;
    }
    noter_dialogue(SorteFichier::ouvertures, nom);
    enregistrer_sous(nom);
}

bool FenetreOuvertures::enregistrer_sous(const QString& nom) {
    std::string n = nom.toStdString();
    if (minuscules(n).size() < 4 || minuscules(n.substr(n.size() - 4)) != ".ovv") n += ".ovv";
    dossier_joueur("Parametres");
    std::vector<std::string> marqueur;
    if (lignes_marqueur) marqueur = lignes_marqueur();
    RaisonEchec raison = RaisonEchec::aucune;
    bool ok = enregistrer_jeu(b_, couleur_, n, marqueur, std::string(), &raison);
    if (ok) {
        charger();
    } else {
        // Reading the file back now would throw away the lines just typed.
        signaler_erreur(QString::fromStdString(texte_resultat(ResultatFichier::echec_ecriture(raison), langue_)));
    }
    fermer();
    return ok;
}

void FenetreOuvertures::BitBtn2Click() {
    charger();
    fermer();
}

void FenetreOuvertures::reject() {
    fermer();
}

void FenetreOuvertures::fermer() {
    hide();
    emit fermee();
}

}  // namespace kolmar
