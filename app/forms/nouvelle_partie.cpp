#include "forms/nouvelle_partie.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "forms/composants.h"
#include "lang/messages.h"
#include "records/fichiers.h"
#include "records/texte.h"

namespace kolmar {

namespace {

QString qs(Texte t, int langue) {
    return QString::fromUtf8(texte(t, langue));
}

void remplir(QListWidget* l, const std::vector<std::string>& lignes) {
    l->clear();
    for (const std::string& s : lignes) l->addItem(QString::fromUtf8(s.c_str()));
}

std::vector<std::string> lignes_de(const QListWidget* l) {
    std::vector<std::string> v;
    for (int i = 0; i < l->count(); ++i) v.push_back(l->item(i)->text().toStdString());
    return v;
}

int ligne_choisie(const QListWidget* l) {
    const QList<QListWidgetItem*> choix = l->selectedItems();
    return choix.isEmpty() ? -1 : l->row(choix.first());
}

// A click in a name list: the name into the page's edit, and the points of
// the same line shown beside it.
void lier(QListWidget* noms, QLineEdit* edit, QListWidget* points) {
    QObject::connect(noms, &QListWidget::itemClicked, edit, [noms, edit, points](QListWidgetItem* item) {
        edit->setText(item->text());
        if (points != nullptr) points->setCurrentRow(noms->row(item));
    });
}

// Name edit, name list and points list side by side under the label.
QWidget* colonne(QWidget* page, QLabel* label, QLineEdit* edit, QListWidget* noms, QListWidget* points) {
    auto* c = new QWidget(page);
    auto* g = new QGridLayout(c);
    g->setContentsMargins(0, 0, 0, 0);
    g->addWidget(label, 0, 0, 1, 2);
    g->addWidget(edit, 1, 0, 1, 2);
    g->addWidget(noms, 2, 0);
    if (points != nullptr) {
        points->setMaximumWidth(70);
        points->setSelectionMode(QAbstractItemView::NoSelection);
        g->addWidget(points, 2, 1);
    }
    return c;
}

QGroupBox* couleur(QWidget* page, const char* groupe, QRadioButton*& blanc, const char* nom_blanc, QRadioButton*& noir,
                   const char* nom_noir) {
    auto* g = composant<QGroupBox>(page, groupe);
    blanc = composant<QRadioButton>(g, nom_blanc);
    noir = composant<QRadioButton>(g, nom_noir);
    noir->setChecked(true);
    auto* v = new QVBoxLayout(g);
    v->addWidget(blanc);
    v->addWidget(noir);
    return g;
}

QHBoxLayout* boutons(QPushButton* ok, QPushButton* annuler, QPushButton* autre = nullptr) {
    auto* h = new QHBoxLayout;
    if (autre != nullptr) h->addWidget(autre);
    h->addStretch(1);
    h->addWidget(ok);
    h->addWidget(annuler);
    ok->setDefault(true);
    return h;
}

}  // namespace

QString nom_de_partie(const QString& nom) {
    return QString::fromStdString(nom_limite(nom.trimmed().toStdString()));
}

NouvellePartie::NouvellePartie(QWidget* parent) : QTabWidget(parent) {
    setObjectName(QStringLiteral("Nouvelle_partie"));

    // "Entrainement".
    Entrainement = composant<QWidget>(this, "Entrainement");
    Label15 = composant<QLabel>(Entrainement, "Label15");
    Joueur0 = composant<QLineEdit>(Entrainement, "Joueur0");
    ListBox8 = composant<QListWidget>(Entrainement, "ListBox8");
    ListBox12 = composant<QListWidget>(Entrainement, "ListBox12");
    RadioGroup2 =
        couleur(Entrainement, "RadioGroup2", Valdorin_blanc, "Valdorin_blanc", Valdorin_noir, "Valdorin_noir");
    BitBtn15 = bouton(Entrainement, "BitBtn15");
    Annule_nouveau = bouton(Entrainement, "Annule_nouveau");
    {
        auto* v = new QVBoxLayout(Entrainement);
        auto* h = new QHBoxLayout;
        h->addWidget(colonne(Entrainement, Label15, Joueur0, ListBox8, ListBox12), 1);
        h->addWidget(RadioGroup2, 0, Qt::AlignTop);
        v->addLayout(h, 1);
        v->addLayout(boutons(BitBtn15, Annule_nouveau));
    }

    // "Match ".
    Match1 = composant<QWidget>(this, "Match1");
    Label20 = composant<QLabel>(Match1, "Label20");
    Joueur1 = composant<QLineEdit>(Match1, "Joueur1");
    ListBox9 = composant<QListWidget>(Match1, "ListBox9");
    ListBox14 = composant<QListWidget>(Match1, "ListBox14");
    RadioGroup4 = couleur(Match1, "RadioGroup4", Valdorin_blanc1, "Valdorin_blanc1", Valdorin_noir1, "Valdorin_noir1");
    Ramener_Kolmar = bouton(Match1, "Ramener_Kolmar");
    BitBtn16 = bouton(Match1, "BitBtn16");
    BitBtn18 = bouton(Match1, "BitBtn18");
    {
        auto* v = new QVBoxLayout(Match1);
        auto* h = new QHBoxLayout;
        h->addWidget(colonne(Match1, Label20, Joueur1, ListBox9, ListBox14), 1);
        h->addWidget(RadioGroup4, 0, Qt::AlignTop);
        v->addLayout(h, 1);
        v->addLayout(boutons(BitBtn16, BitBtn18, Ramener_Kolmar));
    }

    // "Humain contre humain".
    Humain = composant<QWidget>(this, "Humain");
    Label16 = composant<QLabel>(Humain, "Label16");
    Label17 = composant<QLabel>(Humain, "Label17");
    Joueur2 = composant<QLineEdit>(Humain, "Joueur2");
    Joueur3 = composant<QLineEdit>(Humain, "Joueur3");
    ListBox10 = composant<QListWidget>(Humain, "ListBox10");
    ListBox11 = composant<QListWidget>(Humain, "ListBox11");
    ListBox13 = composant<QListWidget>(Humain, "ListBox13");
    BitBtn17 = bouton(Humain, "BitBtn17");
    BitBtn19 = bouton(Humain, "BitBtn19");
    {
        auto* v = new QVBoxLayout(Humain);
        auto* h = new QHBoxLayout;
        h->addWidget(colonne(Humain, Label16, Joueur2, ListBox10, nullptr), 1);
        h->addWidget(colonne(Humain, Label17, Joueur3, ListBox11, ListBox13), 1);
        v->addLayout(h, 1);
        v->addLayout(boutons(BitBtn17, BitBtn19));
    }

    addTab(Entrainement, QString());
    addTab(Match1, QString());
    addTab(Humain, QString());
    resize(480, 320);

    lier(ListBox8, Joueur0, ListBox12);
    lier(ListBox9, Joueur1, ListBox14);
    lier(ListBox10, Joueur2, nullptr);
    lier(ListBox11, Joueur3, ListBox13);
    connect(BitBtn15, &QPushButton::clicked, this, [this] { BitBtn15Click(); });
    connect(BitBtn16, &QPushButton::clicked, this, [this] { BitBtn16Click(); });
    connect(BitBtn17, &QPushButton::clicked, this, [this] { BitBtn17Click(); });
    connect(Annule_nouveau, &QPushButton::clicked, this, [this] { Annule_nouveauClick(); });
    connect(BitBtn18, &QPushButton::clicked, this, [this] { BitBtn18Click(); });
    connect(BitBtn19, &QPushButton::clicked, this, [this] { BitBtn19Click(); });
    connect(Ramener_Kolmar, &QPushButton::clicked, this, [this] { Ramener_KolmarClick(); });

    appliquer_legendes(FRANCAIS);
    Joueur0->setText(qs(Texte::MisterX, FRANCAIS));
    hide();
}

void NouvellePartie::appliquer_legendes(int langue) {
    langue_ = langue;
    setTabText(indexOf(Entrainement), qs(Texte::PageEntrainement, langue));
    setTabText(indexOf(Match1), qs(Texte::PageMatch, langue));
    setTabText(indexOf(Humain), qs(Texte::HumainContreHumain, langue));
    Label15->setText(qs(Texte::JoueurDeuxPoints, langue));
    Label20->setText(qs(Texte::JoueurDeuxPoints, langue));
    Label16->setText(qs(Texte::JoueurBlanc, langue));
    Label17->setText(qs(Texte::JoueurNoir, langue));
    for (QGroupBox* g : {RadioGroup2, RadioGroup4}) g->setTitle(qs(Texte::CouleurDeKolmar, langue));
    for (QRadioButton* b : {Valdorin_blanc, Valdorin_blanc1}) b->setText(qs(Texte::Blanc, langue));
    for (QRadioButton* b : {Valdorin_noir, Valdorin_noir1}) b->setText(qs(Texte::Noir, langue));
    for (QPushButton* b : {BitBtn15, BitBtn16, BitBtn17}) b->setText(qs(Texte::Ok, langue));
    for (QPushButton* b : {Annule_nouveau, BitBtn18, BitBtn19}) b->setText(qs(Texte::Annuler, langue));
    Ramener_Kolmar->setText(qs(Texte::RamenerKolmar, langue));
}

void NouvellePartie::charger_listes() {
    const Registre r = charger_registre(repertoire_donnees());
    for (QListWidget* l : {ListBox8, ListBox9, ListBox10, ListBox11}) remplir(l, r.noms);
    for (QListWidget* l : {ListBox12, ListBox13, ListBox14}) remplir(l, r.points);
}

void NouvellePartie::ouvrir() {
    charger_listes();
    show();
    raise();
}

Registre NouvellePartie::registre() const {
    Registre r;
    r.noms = lignes_de(ListBox9);
    r.points = lignes_de(ListBox14);
    return r;
}

void NouvellePartie::fermer() {
    hide();
}

void NouvellePartie::BitBtn15Click() {
    fermer();
    emit entrainement(Valdorin_noir->isChecked(), nom_de_partie(Joueur0->text()));
}

void NouvellePartie::BitBtn16Click() {
    const QString nom = nom_de_partie(Joueur1->text());
    if (nom.isEmpty()) return;
    const int selection = ligne_choisie(ListBox9);
    fermer();
    emit match(Valdorin_noir1->isChecked(), nom, selection);
}

void NouvellePartie::BitBtn17Click() {
    const QString blanc = nom_de_partie(Joueur2->text());
    if (blanc.isEmpty()) return;
    fermer();
    emit humains(blanc, nom_de_partie(Joueur3->text()));
}

void NouvellePartie::Annule_nouveauClick() {
    fermer();
    emit annule(false);
}

void NouvellePartie::BitBtn18Click() {
    fermer();
    emit annule(true);
}

void NouvellePartie::BitBtn19Click() {
    fermer();
    emit annule(true);
}

void NouvellePartie::Ramener_KolmarClick() {
    // Written at once: the match reads the computer's points from the
    // register, and a later reload of the lists would undo a change kept
    // only on screen.
    ResultatFichier res = ramener_kolmar(repertoire_donnees());
    if (!res.ok) {
        emit erreur(QString::fromStdString(texte_resultat(res, langue_)));
        return;
    }
    const int choix = ligne_choisie(ListBox9);
    charger_listes();
    if (choix >= 0 && choix < ListBox9->count()) ListBox9->setCurrentRow(choix);
    Joueur1->clear();
}

}  // namespace kolmar
