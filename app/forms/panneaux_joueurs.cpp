#include "forms/panneaux_joueurs.h"

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
#include "forms/nouvelle_partie.h"
#include "lang/messages.h"
#include "records/fichiers.h"

namespace kolmar {

namespace {

QString qs(Texte t, int langue) {
    return QString::fromUtf8(texte(t, langue));
}

void cadre(QFrame* f, const char* nom) {
    f->setObjectName(QString::fromLatin1(nom));
    f->setFrameShape(QFrame::Panel);
    f->setFrameShadow(QFrame::Raised);
    f->setAutoFillBackground(true);
    f->hide();
}

QHBoxLayout* boutons(QPushButton* ok, QPushButton* annuler) {
    auto* h = new QHBoxLayout;
    h->addStretch(1);
    h->addWidget(ok);
    h->addWidget(annuler);
    return h;
}

}  // namespace

int32_t capital_choisi(bool k1600, bool k1700) {
    return k1600 ? 1600 : k1700 ? 1700 : 1800;
}

void apres_effacement(Match& m, int k) {
    if (k <= 0) return;
    for (int32_t* i : {&m.index_blanc, &m.index_noir}) {
        if (*i == k)
            *i = -1;
        else if (*i > k)
            --*i;
    }
}

// "Nouveau_joueur".

NouveauJoueur::NouveauJoueur(QWidget* parent) : QFrame(parent) {
    cadre(this, "Nouveau_joueur");
    Label19 = composant<QLabel>(this, "Label19");
    Joueur = composant<QLineEdit>(this, "Joueur");
    RadioGroup3 = composant<QGroupBox>(this, "RadioGroup3");
    K1600 = composant<QRadioButton>(RadioGroup3, "K1600");
    K1700 = composant<QRadioButton>(RadioGroup3, "K1700");
    K1800 = composant<QRadioButton>(RadioGroup3, "K1800");
    K1800->setChecked(true);
    BitBtn22 = bouton(this, "BitBtn22");
    BitBtn23 = bouton(this, "BitBtn23");

    auto* g = new QVBoxLayout(RadioGroup3);
    for (QRadioButton* b : {K1600, K1700, K1800}) g->addWidget(b);
    auto* v = new QVBoxLayout(this);
    v->addWidget(Label19);
    v->addWidget(Joueur);
    v->addWidget(RadioGroup3);
    v->addLayout(boutons(BitBtn22, BitBtn23));

    connect(BitBtn22, &QPushButton::clicked, this, [this] { BitBtn7Click(); });
    connect(Joueur, &QLineEdit::returnPressed, this, [this] { BitBtn7Click(); });
    connect(BitBtn23, &QPushButton::clicked, this, [this] { OClick(); });
    appliquer_legendes(FRANCAIS);
}

void NouveauJoueur::appliquer_legendes(int langue) {
    langue_ = langue;
    Label19->setText(qs(Texte::NomDuJoueur, langue));
    RadioGroup3->setTitle(qs(Texte::CapitalPoints, langue));
    K1600->setText(qs(Texte::Capital1600, langue));
    K1700->setText(qs(Texte::Capital1700, langue));
    K1800->setText(qs(Texte::Capital1800, langue));
    BitBtn22->setText(qs(Texte::Ok, langue));
    BitBtn23->setText(qs(Texte::Annuler, langue));
}

void NouveauJoueur::ouvrir() {
    show();
    raise();
    Joueur->setFocus();
}

bool NouveauJoueur::BitBtn7Click() {
    const QString nom = nom_de_partie(Joueur->text());
    if (nom.isEmpty()) return false;
    const int32_t capital = capital_choisi(K1600->isChecked(), K1700->isChecked());
    ResultatFichier res = ajouter_joueur(repertoire_donnees(), nom.toStdString(), capital);
    if (!res.ok) {
        // The panel stays open with the name, so nothing typed is lost.
        const std::string t = texte_resultat(res, langue_);
        emit erreur(t.empty() ? qs(Texte::ImpossibleEcrireFichier, langue_) : QString::fromStdString(t));
        return false;
    }
    hide();
    Joueur->clear();
    emit joueur_ajoute(nom, capital);
    return true;
}

void NouveauJoueur::OClick() {
    hide();
    emit annule();
}

// "Efface_j".

EffaceJoueur::EffaceJoueur(QWidget* parent) : QFrame(parent) {
    cadre(this, "Efface_j");
    Label18 = composant<QLabel>(this, "Label18");
    joueur_efface = composant<QLabel>(this, "joueur_efface");
    ListBox15 = composant<QListWidget>(this, "ListBox15");
    BitBtn20 = bouton(this, "BitBtn20");
    BitBtn21 = bouton(this, "BitBtn21");

    auto* v = new QVBoxLayout(this);
    v->addWidget(Label18);
    v->addWidget(joueur_efface);
    v->addWidget(ListBox15, 1);
    v->addLayout(boutons(BitBtn20, BitBtn21));

    connect(ListBox15, &QListWidget::itemClicked, this, [this] { ListBox7Click(); });
    connect(BitBtn20, &QPushButton::clicked, this, [this] { BitBtn20Click(); });
    connect(BitBtn21, &QPushButton::clicked, this, [this] { BitBtn12Click(); });
    appliquer_legendes(FRANCAIS);
}

void EffaceJoueur::appliquer_legendes(int langue) {
    langue_ = langue;
    Label18->setText(qs(Texte::JoueurAEffacer, langue));
    BitBtn20->setText(qs(Texte::Ok, langue));
    BitBtn21->setText(qs(Texte::Annuler, langue));
}

void EffaceJoueur::ouvrir() {
    const Registre r = charger_registre(repertoire_donnees());
    ListBox15->clear();
    for (const std::string& n : r.noms) ListBox15->addItem(QString::fromUtf8(n.c_str()));
    joueur_efface->clear();
    show();
    raise();
}

void EffaceJoueur::ListBox7Click() {
    if (QListWidgetItem* item = ListBox15->currentItem()) joueur_efface->setText(item->text());
}

bool EffaceJoueur::BitBtn20Click() {
    const QList<QListWidgetItem*> choix = ListBox15->selectedItems();
    const int k = choix.isEmpty() ? -1 : ListBox15->row(choix.first());
    bool efface = false;
    if (k > 0) {
        // The line is checked against the file as it is now, not as it was
        // when the list was shown: deleting by number must hit that player.
        const Registre r = charger_registre(repertoire_donnees());
        if (static_cast<size_t>(k) < r.noms.size() && QString::fromUtf8(r.noms[k].c_str()) == choix.first()->text()) {
            ResultatFichier res = effacer_joueur(repertoire_donnees(), k);
            if (res.ok) {
                efface = true;
                hide();
                emit joueur_supprime(k);
            } else {
                emit erreur(QString::fromStdString(texte_resultat(res, langue_)));
            }
        } else {
            // The register changed under the panel: show it as it is.
            ouvrir();
        }
    }
    emit repeindre();
    return efface;
}

void EffaceJoueur::BitBtn12Click() {
    hide();
    emit repeindre();
}

// "Joueurs".

PanneauJoueurs::PanneauJoueurs(QWidget* parent) : QFrame(parent) {
    cadre(this, "Joueurs");
    Label26 = composant<QLabel>(this, "Label26");
    Label27 = composant<QLabel>(this, "Label27");
    Edit2 = composant<QLineEdit>(this, "Edit2");
    Edit3 = composant<QLineEdit>(this, "Edit3");
    OKjoueur = bouton(this, "OKjoueur");
    Cancel_joueurs = bouton(this, "Cancel_joueurs");

    auto* g = new QGridLayout;
    g->addWidget(Label26, 0, 0);
    g->addWidget(Edit2, 0, 1);
    g->addWidget(Label27, 1, 0);
    g->addWidget(Edit3, 1, 1);
    auto* v = new QVBoxLayout(this);
    v->addLayout(g);
    v->addLayout(boutons(OKjoueur, Cancel_joueurs));

    connect(OKjoueur, &QPushButton::clicked, this, [this] { OKjoueurClick(); });
    connect(Cancel_joueurs, &QPushButton::clicked, this, [this] { Cancel_joueursClick(); });
    appliquer_legendes(FRANCAIS);
}

void PanneauJoueurs::appliquer_legendes(int langue) {
    Label26->setText(qs(Texte::JoueurBlanc, langue));
    Label27->setText(qs(Texte::JoueurNoir, langue));
    OKjoueur->setText(qs(Texte::Ok, langue));
    Cancel_joueurs->setText(qs(Texte::Annuler, langue));
}

void PanneauJoueurs::ouvrir(const QString& nom_blanc, const QString& nom_noir) {
    Edit2->setText(nom_blanc);
    Edit3->setText(nom_noir);
    show();
    raise();
}

void PanneauJoueurs::OKjoueurClick() {
    hide();
    emit noms(nom_de_partie(Edit2->text()), nom_de_partie(Edit3->text()));
}

void PanneauJoueurs::Cancel_joueursClick() {
    hide();
}

}  // namespace kolmar
