// The main window's position set-up (the tab "Probleme"), the game
// analysis (its menu items, the analysis window and the short lines) and
// the evaluation parameters editor with its menu items.
#include <QAction>
#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

#include "control/analyse_partie.h"
#include "control/editeur_parametres.h"
#include "control/probleme.h"
#include "forms/composants.h"
#include "forms/dossiers.h"
#include "forms/tform1.h"
#include "forms/tform4.h"
#include "forms/tform6.h"
#include "lang/textes_analyse.h"
#include "records/fichiers.h"

namespace kolmar {

namespace {

QString qa(TexteAnalyse t, int langue = FRANCAIS) {
    return QString::fromUtf8(kolmar::texte(t, langue));
}

// A click on a panel that is only a label.
class FiltreClic : public QObject {
   public:
    FiltreClic(QObject* parent, std::function<void()> action) : QObject(parent), action_(std::move(action)) {}

   protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            action_();
            return true;
        }
        return QObject::eventFilter(o, e);
    }

   private:
    std::function<void()> action_;
};

void sur_clic(QWidget* w, std::function<void()> action) {
    w->installEventFilter(new FiltreClic(w, std::move(action)));
}

QLabel* panneau_texte(QWidget* parent, const char* nom, const QString& t) {
    auto* l = composant<QLabel>(parent, nom);
    l->setText(t);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Raised);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

}  // namespace

void TForm1::creer_analyse() {
    // --- Set-up: the tab "Probleme" ---
    Probleme0 = composant<QWidget>(nullptr, "Probleme0");
    Probleme = composant<QGroupBox>(Probleme0, "Probleme");
    Probleme->setTitle(qa(TexteAnalyse::PlacezLesPions));
    auto* page = new QVBoxLayout(Probleme0);
    page->setContentsMargins(2, 2, 2, 2);
    page->addWidget(Probleme);
    page->addStretch();
    auto* v = new QVBoxLayout(Probleme);
    v->setContentsMargins(4, 4, 4, 4);
    auto* choix = new QGridLayout;
    struct Bouton {
        QToolButton** b;
        const char* nom;
        uint8_t code;
        const char* image;
    };
    const Bouton boutons[] = {{&SpeedButton10, "SpeedButton10", PION_BLANC, "b48.Bmp"},
                              {&SpeedButton11, "SpeedButton11", DAME_BLANCHE, "bd48.Bmp"},
                              {&SpeedButton12, "SpeedButton12", PION_NOIR, "n48.Bmp"},
                              {&SpeedButton13, "SpeedButton13", DAME_NOIRE, "nd48.Bmp"},
                              {&SpeedButton14, "SpeedButton14", VIDE, "v48.Bmp"}};
    Piontemoin = composant<QLabel>(Probleme, "Piontemoin");
    Piontemoin->setToolTip(qa(TexteAnalyse::PionSelectionne));
    Piontemoin->setFixedSize(48, 48);
    Piontemoin->setFrameShape(QFrame::Box);
    int i = 0;
    for (const Bouton& b : boutons) {
        *b.b = composant<QToolButton>(Probleme, b.nom);
        const QString fichier = QString::fromStdString(chemin_lecture(std::string("Images1c/") + b.image));
        (*b.b)->setIcon(QIcon(QPixmap(fichier)));
        (*b.b)->setIconSize(QSize(32, 32));
        choix->addWidget(*b.b, i / 3, i % 3);
        ++i;
        const uint8_t code = b.code;
        connect(*b.b, &QToolButton::clicked, this, [this, code, fichier] {
            choisir_pion(ctrl_, code);
            // A missing picture leaves the indicator as it was.
            QPixmap p(fichier);
            if (!p.isNull()) Piontemoin->setPixmap(p);
        });
    }
    choix->addWidget(Piontemoin, 1, 2, Qt::AlignCenter);
    v->addLayout(choix);
    vider1 = bouton(Probleme, "vider1");
    vider1->setText(qa(TexteAnalyse::ViderLeDamier));
    remplir1 = bouton(Probleme, "remplir1");
    remplir1->setText(qa(TexteAnalyse::RemplirLeDamier));
    Couleurjoue = panneau_texte(Probleme, "Couleurjoue", qa(TexteAnalyse::JoueurJoue));
    Blancs = composant<QLineEdit>(Probleme, "Blancs");
    Noirs = composant<QLineEdit>(Probleme, "Noirs");
    Blancs->setText(QStringLiteral("Blancs"));
    Noirs->setText(QStringLiteral("Noirs"));
    for (QLineEdit* e : {Blancs, Noirs}) e->setReadOnly(true);
    for (QWidget* w : std::initializer_list<QWidget*>{vider1, remplir1, Couleurjoue, Blancs, Noirs}) v->addWidget(w);
    Probleme->hide();
    Onglet->addTab(Probleme0, qa(TexteAnalyse::Probleme));
    // Three names side by side in the narrow panel: less padding.
    Onglet->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 2px; }"));

    connect(vider1, &QPushButton::clicked, this, [this] { kolmar::vider(ctrl_); });
    connect(remplir1, &QPushButton::clicked, this, [this] { kolmar::remplir(ctrl_); });
    sur_clic(Couleurjoue, [this] { Couleur_joue(ctrl_); });
    sur_clic(Couleurordi, [this] { Change_couleur(ctrl_); });
    sur_clic(Bas_Haut, [this] { Change_dir(ctrl_); });

    // The page control: a refused change puts the active page back.
    onglet_actif_ = Onglet->currentIndex();
    connect(Onglet, &QTabWidget::currentChanged, this, [this](int k) {
        if (onglet_force_) {
            onglet_actif_ = k;
            return;
        }
        if (!OngletChanging(ctrl_)) {
            onglet_probleme_force(onglet_actif_);
            return;
        }
        onglet_actif_ = k;
        OngletChange(ctrl_, Onglet->widget(k) == Probleme0);
    });

    // --- The analysis ---
    ListBox6 = composant<QListWidget>(Liste, "ListBox6");
    ListBox6->setFont(ListBox1->font());
    Liste->layout()->addWidget(ListBox6);
    ListBox6->hide();
    Form4 = new TForm4(this);
    Form4->hide();
    Learn = composant<QFrame>(surface, "Learn");
    Learn->setFrameShape(QFrame::Panel);
    Learn->setFrameShadow(QFrame::Raised);
    Learn->setAutoFillBackground(true);
    Learn->setGeometry(186, 214, 130, 80);
    auto* lv = new QVBoxLayout(Learn);
    auto* question = composant<QLabel>(Learn, "Apprendre");
    question->setText(qa(TexteAnalyse::Apprendre));
    question->setAlignment(Qt::AlignCenter);
    lv->addWidget(question);
    auto* lh = new QHBoxLayout;
    // "Oui" learns the game's last position; both answers put the question away.
    for (auto [nom, t] : {std::pair{"Learn_oui", TexteAnalyse::Oui}, std::pair{"Learn_non", TexteAnalyse::Non}}) {
        QPushButton* b = bouton(Learn, nom);
        b->setText(qa(t));
        lh->addWidget(b);
        connect(b, &QPushButton::clicked, Learn, &QWidget::hide);
        if (t == TexteAnalyse::Oui) connect(b, &QPushButton::clicked, this, [this] { Learn_yesClick(); });
    }
    lv->addLayout(lh);
    Learn->hide();

    Installeruneposition1 = action_menu(Edition1, "Installeruneposition1", qa(TexteAnalyse::InstallerUnePosition));
    Installeruneposition1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    Edition1->addSeparator();
    Debuteruneanalyse1 = action_menu(Edition1, "Debuteruneanalyse1", qa(TexteAnalyse::DebuterUneAnalyse));
    Arretercettephase1 = action_menu(Edition1, "Arretercettephase1", qa(TexteAnalyse::ArreterCettePhase));
    Terminerlanalyse1 = action_menu(Edition1, "Terminerlanalyse1", qa(TexteAnalyse::TerminerLAnalyse));
    connect(Installeruneposition1, &QAction::triggered, this, [this] {
        // Pieces are placed on the 2D board.
        if (!ctrl_.session().mode_probleme && OngletChanging(ctrl_) && !Damier2D1->isChecked()) choisir_damier(0);
        kolmar::Installeruneposition1Click(ctrl_);
    });
    connect(Debuteruneanalyse1, &QAction::triggered, this, [this] { kolmar::Debuteruneanalyse1Click(ctrl_); });
    connect(Arretercettephase1, &QAction::triggered, this, [this] { kolmar::Arretercettephase1Click(ctrl_); });
    connect(Terminerlanalyse1, &QAction::triggered, this, [this] { kolmar::Terminerlanalyse1Click(ctrl_); });
    connect(Form4, &TForm4::suivant, this, [this] { kolmar::Arretercettephase1Click(ctrl_); });
    connect(Form4, &TForm4::fin, this, [this] { kolmar::Terminerlanalyse1Click(ctrl_); });
    connect(Form4, &TForm4::editer, this, [this] {
        QFileDialog d(Form4, QString(), dossier_dialogue(SorteFichier::analyse), QStringLiteral("*.txt"));
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setDefaultSuffix(QStringLiteral("txt"));
        if (d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty()) {
            noter_dialogue(SorteFichier::analyse, d.selectedFiles().front());
            BitBtn2Click(ctrl_, d.selectedFiles().front().toStdString());
        }
    });
    connect(Form4, &TForm4::imprimer_demande, this, [this] {
        QPrinter printer;
        QPrintDialog d(&printer, Form4);
        if (d.exec() == QDialog::Accepted) imprimer_analyse(printer);
    });
    connect(Form4, &TForm4::ligne, this, [this](int k) { montrer_ligne_analyse(k); });
    connect(ListBox6, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* it) { montrer_ligne_analyse(ListBox6->row(it)); });
    connect(Form4->courbe(), &CourbeAnalyse::point_clique, this, [this](int w) {
        const auto& lignes = ctrl_.ctx().analyse.lignes;
        for (size_t k = 0; k < lignes.size(); ++k)
            if (lignes[k].demi_coup == w) montrer_ligne_analyse(static_cast<int>(k));
    });

    // --- The parameters editor ---
    Form6 = new TForm6(this);
    Ouvertures1->addSeparator();
    Changerlesparamtres1 = action_menu(Ouvertures1, "Changerlesparamtres1", qa(TexteAnalyse::ModifierLesParametres));
    Sauverlesparamtres1 = action_menu(Ouvertures1, "Sauverlesparamtres1", qa(TexteAnalyse::SauverLesParametres));
    Chargerdesparamtres1 = action_menu(Ouvertures1, "Chargerdesparamtres1", qa(TexteAnalyse::ChargerDesParametres));
    connect(Changerlesparamtres1, &QAction::triggered, this, [this] { Form6->montrer(Changer1Click(ctrl_)); });
    connect(Form6, &TForm6::ok, this, [this] { parametreOKClick(ctrl_, Form6->champs()); });
    auto dialogue = [this](bool sauver) {
        // The filter's first part is the pattern the user sees.
        const QString filtre = qa(TexteAnalyse::FiltreParametres).section(QLatin1Char('|'), 0, 0);
        QFileDialog d(this, QString(), dossier_dialogue(SorteFichier::parametres), filtre);
        d.setAcceptMode(sauver ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        d.setDefaultSuffix(QStringLiteral("par"));
        if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return;
        noter_dialogue(SorteFichier::parametres, d.selectedFiles().front());
        const std::string chemin = d.selectedFiles().front().toStdString();
        if (sauver)
            Sauverlesparamtres1Click(ctrl_, chemin);
        else
            Chargerdesparamtres1Click(ctrl_, chemin);
    };
    connect(Sauverlesparamtres1, &QAction::triggered, this, [dialogue] { dialogue(true); });
    connect(Chargerdesparamtres1, &QAction::triggered, this, [dialogue] { dialogue(false); });

    // Their places in the command table, which creer_commandes reads.
    auto met = [this](Commande k, std::initializer_list<QAction*> a, std::initializer_list<QWidget*> w = {}) {
        Cibles& c = commandes_[static_cast<size_t>(k)];
        c.actions.insert(c.actions.end(), a);
        c.widgets.insert(c.widgets.end(), w);
    };
    met(Commande::Debuteruneanalyse1, {Debuteruneanalyse1});
    met(Commande::Arretercettephase1, {Arretercettephase1}, {Form4->findChild<QPushButton*>("BitBtn1")});
    met(Commande::Terminerlanalyse1, {Terminerlanalyse1}, {Form4->findChild<QPushButton*>("BitBtn4")});
    met(Commande::Installeruneposition1, {Installeruneposition1});
}

void TForm1::onglet_probleme_force(int k) {
    onglet_force_ = true;
    Onglet->setCurrentIndex(k);
    onglet_force_ = false;
}

void TForm1::onglet_probleme(bool actif) {
    onglet_probleme_force(Onglet->indexOf(actif ? Probleme0 : Calcul));
}

void TForm1::montrer_ligne_analyse(int ligne) {
    clic_ligne_analyse(ctrl_, ligne);
    maj_courbe();
}

void TForm1::maj_courbe() {
    const Analyse& a = ctrl_.ctx().analyse;
    std::vector<bool> fautes(a.scores.size(), false);
    for (const LigneAnalyse& l : a.lignes)
        if (l.demi_coup >= 0 && l.demi_coup < static_cast<int>(fautes.size())) fautes[l.demi_coup] = l.faute;
    const int courant = ctrl_.session().analyse_en_cours ? a.w : ctrl_.jeu().partie.demi_coup_courant;
    Form4->courbe()->poser(courbe_analyse(a), fautes, courant);
}

void TForm1::lignes_analyse(const std::vector<std::string>& longues, const std::vector<std::string>& courtes) {
    Form4->lignes(longues);
    ListBox6->clear();
    for (const std::string& l : courtes) ListBox6->addItem(QString::fromStdString(l));
    ListBox6->setVisible(!courtes.empty());
    maj_courbe();
}

void TForm1::imprimer_analyse(QPrinter& printer) {
    const EtatNote& e = ctrl_.ctx().etat;
    Form4->noms(QString::fromStdString(e.nom_blanc), QString::fromStdString(e.nom_noir));
    Form4->imprimer(printer, static_cast<int>(lignes_a_sauver(ctrl_.ctx().analyse, ctrl_.ctx().langue).size()));
}

}  // namespace kolmar
