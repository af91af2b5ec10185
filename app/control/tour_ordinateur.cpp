#include "control/tour_ordinateur.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <cstring>

#include "control/deroulement.h"
#include "control/navigation.h"
#include "control/sons.h"
#include "control/ui_horloges.h"
#include "display/damier2d.h"
#include "forms/tform1.h"

namespace kolmar {

namespace {

constexpr int LIGNES_RACINE_MAX = 2000;

// Shows a root move line: a move being searched replaces the previous move
// still marked as under way, a score replaces its own "under way" line.
void ligne_racine(QListWidget* l, const std::string& ligne, bool en_cours) {
    const QString t = QString::fromStdString(ligne);
    QListWidgetItem* dernier = l->count() ? l->item(l->count() - 1) : nullptr;
    const bool dernier_en_cours = dernier && dernier->text().endsWith(QStringLiteral("?<---"));
    if (dernier_en_cours && (en_cours || dernier->text().left(5) == t.left(5))) {
        dernier->setText(t);
    } else {
        if (l->count() >= LIGNES_RACINE_MAX) delete l->takeItem(0);
        l->addItem(t);
    }
    l->scrollToBottom();
}

// Menus that would change the game while the computer thinks.
void verrouiller(TForm1& f, bool verrou) {
    const bool ordis = f.Ordinateurcontreordinateur1->isChecked();
    const bool match = f.session().matchState != 0 && f.session().matchState != 5;
    for (const char* nom : {"Nouveau2", "Humaincontrehumain1", "Sauver1", "Ouvrir1", "Imprimer1", "Quitter1"})
        if (auto* a = f.findChild<QAction*>(QString::fromLatin1(nom))) a->setEnabled(!verrou);
    for (const char* nom : {"Fichier1", "Edition1", "Joueurs1", "Ouvertures1", "Analyse1"}) {
        auto* m = f.findChild<QMenu*>(QString::fromLatin1(nom));
        if (!m) continue;
        bool actif = !verrou;
        if (verrou && ordis && m == f.Fichier1) actif = true;
        // A rated match keeps these closed until it ends.
        if (!verrou && match && (m == f.Fichier1 || std::strcmp(nom, "Joueurs1") == 0 || std::strcmp(nom, "Analyse1") == 0))
            actif = false;
        m->menuAction()->setEnabled(actif);
    }
    if (auto* b = f.findChild<QWidget*>(QStringLiteral("Probleme"))) b->setEnabled(!verrou && !match);
    f.Proposernul->setEnabled(!verrou);
}

int pieces_camp(const Jeu& J, int camp) {
    return camp == NOIR ? J.nb_pieces[PION_NOIR] + J.nb_pieces[DAME_NOIRE]
                        : J.nb_pieces[PION_BLANC] + J.nb_pieces[DAME_BLANCHE];
}

}  // namespace

bool charger_moteur(TForm1& f, std::string& erreur) {
    Moteur& m = *f.ctx().moteur;
    if (!charger_donnees_moteur(m, erreur)) return false;
    m.rappels.traiter_messages = [] { QCoreApplication::processEvents(QEventLoop::AllEvents); };
    return true;
}

bool moteur_pret(TForm1& f) { return f.ctx().moteur && f.ctx().moteur->hash.entrees != nullptr; }

EtatTour etat_tour(TForm1& f) {
    Session& S = f.session();
    return EtatTour{S.arret_calcul,       S.navigation,  S.tour_ordinateur, S.matchState,
                    S.trait_dernier,      S.couleur_ordinateur, f.ctx().etat,   S.recherche_en_cours};
}

int rechercher(TForm1& f, int trait, bool reflexion) {
    Contexte& C = f.ctx();
    Session& S = f.session();
    Jeu& J = f.jeu();
    Moteur& m = *C.moteur;
    Limites& L = m.limites;
    L.en_reflexion_adverse = reflexion;
    L.engineBudget = C.controle.engineBudget;
    L.periodLimit = C.controle.periodLimit;
    L.temps_camp = trait == NOIR ? C.horloges.base_noir : C.horloges.base_blanc;
    if (!reflexion) f.ListBox2->clear();

    // What the search stands on: a handler that replaces it (new game,
    // loaded file) must make the search give up like navigation does.
    uint8_t plateau[TAILLE_DAMIER];
    std::memcpy(plateau, J.plateau_affiche, TAILLE_DAMIER);
    const uint8_t trait_depart = J.trait;
    const int32_t demi_coup = J.partie.demi_coup_courant;

    EtatTour e = etat_tour(f);
    debut_recherche(e);
    S.arret_calcul = 0;
    auto pomper = m.rappels.traiter_messages;
    m.rappels.traiter_messages = [&] {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (S.arret_calcul || S.fin_programme) m.arret_calcul = true;
        if (!S.navigation && (J.trait != trait_depart || J.partie.demi_coup_courant != demi_coup ||
                              std::memcmp(&plateau[1], &J.plateau_affiche[1], NB_CASES) != 0))
            S.navigation = 1;
        if (S.navigation) m.arret_calcul = m.abandon = true;
    };
    m.rappels.afficher_temps = [&](int secondes) {
        regler_horloge(C.horloges, static_cast<uint8_t>(trait), secondes, S.en_reflexion_adverse != 0);
        f.afficher_horloges();
    };
    m.rappels.afficher_progression = [&](const std::vector<std::string>& lignes) {
        f.ListBox3->clear();
        for (const std::string& l : lignes) f.ListBox3->addItem(QString::fromStdString(l));
    };
    m.rappels.ligne_racine = [&](const std::string& l, bool en_cours) { ligne_racine(f.ListBox2, l, en_cours); };

    int i = choisir_coup(m, trait);

    m.rappels.traiter_messages = pomper;
    m.rappels.afficher_temps = nullptr;
    m.rappels.afficher_progression = nullptr;
    m.rappels.ligne_racine = nullptr;
    L.en_reflexion_adverse = false;
    const bool perdu = fin_de_recherche(J, e);
    if (!perdu && !reflexion) {
        // The clock gets the whole time of the move, past the last poll too.
        regler_horloge(C.horloges, static_cast<uint8_t>(trait), L.temps_camp + L.temps_utilise, false);
        f.afficher_horloges();
    }
    if (perdu) {
        // Whatever the handlers left on the screen is the position now.
        placer_pions(f);
        compter_pions(f);
    }
    if (S.taille_hash_attente >= 0) {
        const int t = S.taille_hash_attente;
        S.taille_hash_attente = -1;
        f.choisir_taille_hash(t);
    }
    if (S.fin_differee >= 0) {
        const int k = S.fin_differee;
        S.fin_differee = -1;
        fin_de_partie(f, k);
    }
    return perdu || S.partie_finie ? -1 : i;
}

bool proposer_nul(const TForm1& f, int score) {
    const Jeu& J = const_cast<TForm1&>(f).jeu();
    int total = 0, dames = 0;
    for (int s = 1; s <= NB_CASES; ++s) {
        uint8_t p = J.damier[s];
        if (p >= PION_BLANC && p <= DAME_NOIRE) ++total;
        if (p == DAME_BLANCHE || p == DAME_NOIRE) ++dames;
    }
    const int n = J.partie.demi_coup_courant;
    if (total > 4 || dames == 0 || n <= 20 || score < -29999 || score > 29999) return false;
    for (int k = n; k > n - 20; --k)
        if (J.partie.partie[k][OFS_PRISE] != 0) return false;
    return true;
}

bool nul_ordinateurs(const TForm1& f, int score) {
    const Jeu& J = const_cast<TForm1&>(f).jeu();
    const int n = J.partie.demi_coup_courant;
    return n > 400 && n < NB_ENREGISTREMENTS && J.partie.materiel[n] == J.partie.materiel[n - 60] && score > -20000 &&
           score < 20000;
}

void tour_de_l_ordinateur(TForm1& f) {
    Session& S = f.session();
    Jeu& J = f.jeu();
    Contexte& C = f.ctx();
    S.navigation = 0;
    S.reflexion_faite = false;
    // Without the engine's data, or once the game is over, the move stays
    // with the human.
    if (!moteur_pret(f) || S.partie_finie) {
        S.tour_ordinateur = 0;
        S.jouer_maintenant = 0;
        return;
    }
    Moteur& m = *C.moteur;
    for (uint8_t& s : S.dernier_coup_ordi) {
        if (s) dessiner_case(f, s, J.plateau_affiche[s]);
        s = 0;
    }
    S.en_reflexion_adverse = 0;
    compter_pions(f);
    if (controler_temps(f)) {
        S.tour_ordinateur = 0;
        return;
    }

    S.tour_ordinateur = 1;
    verrouiller(f, true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    S.couleur_ordinateur = J.trait == NOIR ? 1 : 0;
    C.etat.couleur_ordi = S.couleur_ordinateur;
    f.Couleurordi->setText(QString::fromUtf8(texte_couleur_ordinateur(f.langue, S.couleur_ordinateur)));

    const uint8_t camp = J.trait;
    const int reponse = rechercher(f, camp, false);

    QApplication::restoreOverrideCursor();
    verrouiller(f, false);

    if (reponse < 0) {
        // Navigation moved the game: the computer goes on only when the
        // side to move is still its own (or the colours were exchanged).
        const bool ordis = f.Ordinateurcontreordinateur1->isChecked();
        const bool garder = S.tour_ordinateur && (J.trait == S.couleur_ordinateur || S.inversion);
        S.inversion = false;
        S.tour_ordinateur = (ordis || garder) ? 1 : 0;
        return;
    }
    if (reponse >= 100 && reponse != 254) {
        S.tour_ordinateur = 0;
        fin_de_partie(f, FIN_SANS_COUP);
        return;
    }

    const Coup* liste = J.gen.liste_coups[1];
    const int choisi = reponse == 254 ? 0 : reponse;
    int joue = choisi;
    if (reponse != 254 && C.controle.levelCode == 0 && J.gen.nb_coups[1] > 1 &&
        pieces_camp(J, camp) > pieces_camp(J, 1 - camp))
        joue = 1;
    const Coup c = liste[joue];
    f.Zut->setVisible(joue != choisi && !meme_prise(liste[joue], liste[choisi]));

    const int score = m.dernier_score;
    if (proposer_nul(f, score)) f.Match_nul->show();

    jouer_coup_ordinateur(f, c);
    if (f.Bipchaquecoup2->isChecked()) jouer_son(&f, "son.wav");

    if (f.Ordinateurcontreordinateur1->isChecked() && !S.partie_finie && nul_ordinateurs(f, score))
        fin_de_partie(f, FIN_NULLE);
}

void reflexion_adverse(TForm1& f) {
    Session& S = f.session();
    Jeu& J = f.jeu();
    if (!moteur_pret(f) || !f.Rflexionsurtempsadverse1->isChecked() || S.mode_probleme || S.veto_reflexion ||
        S.reflexion_faite || S.partie_finie || !S.contre_ordinateur || S.tour_ordinateur || S.clic_en_attente ||
        S.fin_programme)
        return;
    S.reflexion_faite = true;
    S.en_reflexion_adverse = 1;
    J.damier_depuis_plateau();
    J.plateau_affiche[0] = BORD;
    rechercher(f, J.trait, true);
    S.en_reflexion_adverse = 0;
}

void effacer_panneaux_ordinateur(TForm1& f) {
    Session& S = f.session();
    S.reflexion_faite = false;
    S.fin_differee = -1;
    f.Zut->hide();
    f.Match_nul->hide();
    f.Nulrefus->hide();
    f.ListBox2->clear();
    f.ListBox3->clear();
}

void annoncer_fin(TForm1& f, const QString& t) {
    f.Match_nul->hide();
    f.Ordinateurcontreordinateur1->setChecked(false);
    if (!f.Commentaires1->isChecked()) return;
    auto est = [&t](Texte id) { return t == QString::fromUtf8(texte(id)); };
    if (est(Texte::KolmarAGagne) || est(Texte::VousAvezGagne) || est(Texte::TempsDepasseVousGagnez))
        jouer_son(&f, "gagne.wav");
    else if (est(Texte::TempsDepasseGainKolmar) || est(Texte::AbandonGainKolmar))
        jouer_son(&f, "Perdu.wav");
}

void nouvelle_partie_contre_ordinateur(TForm1& f, bool ordinateur_noir) {
    Session& S = f.session();
    S.contre_ordinateur = 1;
    f.Humaincontrehumain1->setChecked(false);
    f.Ordinateurcontreordinateur1->setChecked(false);
    S.couleur_ordinateur = ordinateur_noir ? 1 : 0;
    f.ctx().etat.couleur_ordi = S.couleur_ordinateur;
    nouvelle_partie(f);
    f.Couleurordi->setText(QString::fromUtf8(texte_couleur_ordinateur(f.langue, S.couleur_ordinateur)));
    // White opens: the computer moves first when it has white.
    if (!ordinateur_noir) S.jouer_maintenant = 1;
}

}  // namespace kolmar
