// The main window's game files: "Sauver", "Ouvrir", the autosave written
// by "Quitter" and read back at start-up.
#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <cstring>

#include "control/deroulement.h"
#include "control/navigation.h"
#include "control/tour_ordinateur.h"
#include "forms/fenetre_ouvertures.h"
#include "forms/nouvelle_partie.h"
#include "forms/panneaux_joueurs.h"
#include "forms/tform1.h"

namespace kolmar {

namespace {

QString qs(Texte t, int langue) { return QString::fromUtf8(texte(t, langue)); }

// The window's own dialog, so it looks the same everywhere and a test can
// drive it.
QString choisir_fichier(TForm1& f, bool ecrire, const QString& titre) {
    QFileDialog d(&f, titre, QString::fromStdString(dossier_sauve()), qs(Texte::FiltreParties, f.langue));
    d.setObjectName(ecrire ? QStringLiteral("SaveDialog1") : QStringLiteral("OpenDialog1"));
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setAcceptMode(ecrire ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(ecrire ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    d.setDefaultSuffix(QStringLiteral("dam"));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
    return d.selectedFiles().first();
}

// Table-size codes of the files, in the order of the size menu.
constexpr int32_t k_codes_hash[NB_TAILLES_HASH] = {1, 50, 100, 200, 350, 700, 1000, 2000};

int index_hash(int32_t code) {
    for (int i = 0; i < NB_TAILLES_HASH; ++i)
        if (k_codes_hash[i] == code) return i;
    return TAILLE_HASH_DEPART;
}

}  // namespace

Reglages TForm1::reglages_courants() const {
    Reglages r = reglages;
    const ControleTemps& c = ctx_->controle;
    r.engineBudget = c.engineBudget;
    r.periodLimit = c.periodLimit;
    r.levelCode = c.levelCode;
    const int32_t minutes = minutes_autre(Nbminutes->text().toStdString());
    r.periodMinutes = minutes > 0 ? minutes : c.periodMinutes;
    const int menu = ctx_->moteur->hash.menu;
    if (menu >= 0 && menu < NB_TAILLES_HASH) r.taille_hash = k_codes_hash[menu];
    r.langue = static_cast<uint8_t>(langue);
    return r;
}

void TForm1::appliquer_langue(int l) {
    if (l < 0 || l >= NB_LANGUES) l = FRANCAIS;
    langue = l;
    appliquer_legendes(l);
    Nouvelle_partie->appliquer_legendes(l);
    Nouveau_joueur->appliquer_legendes(l);
    Efface_j->appliquer_legendes(l);
    Joueurs->appliquer_legendes(l);
    Form2->appliquer_legendes(l);
    Form3->appliquer_legendes(l);
    Abandon->setText(qs(Texte::Abandonner, l));
    BitBtn13->setText(qs(Texte::Ok, l));
    regles_appliquees = -1;
    regles_match();
}

void TForm1::signaler_erreur(const QString& message) {
    QMessageBox box(QMessageBox::Critical, qs(Texte::Erreur, langue), message, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("Erreur"));
    box.exec();
}

bool TForm1::sauver_partie(const QString& chemin) {
    Jeu& J = jeu();
    // While the computer ponders, damier is the search's: the record alone
    // is what the file holds.
    if (!session().recherche_en_cours) J.damier_depuis_plateau();
    ResultatFichier res = ecrire_partie(chemin.toStdString(), J.partie, J.trait, reglages_courants());
    if (!res.ok) {
        signaler_erreur(QString::fromStdString(res.message));
        return false;
    }
    reglages = reglages_courants();
    return true;
}

void TForm1::save() {
    const QString chemin = choisir_fichier(*this, true, Sauver1->text());
    if (!chemin.isEmpty()) sauver_partie(chemin);
    placer_pions(*this);
}

bool TForm1::ouvrir_partie(const QString& chemin, ModeLecture mode) {
    Session& S = session();
    Jeu& J = jeu();
    S.arret_calcul = 1;
    Reglages r = reglages_courants();
    ResultatFichier res = ouvrir_jeu(chemin.toStdString(), J, ctx().etat, r, mode);
    if (!res.ok) {
        if (!res.message.empty()) signaler_erreur(QString::fromStdString(res.message));
        return false;
    }
    reglages = r;
    // The level of the file; the time control and the check mark follow it.
    ControleTemps& c = ctx().controle;
    c.engineBudget = r.engineBudget;
    c.periodLimit = r.periodLimit;
    c.periodMinutes = r.periodMinutes;
    c.levelCode = r.levelCode;
    c.levelIndex = levelIndex_de_code(r.levelCode);
    cocher_niveau();
    if (mode == ModeLecture::demarrage) return true;
    if (mode == ModeLecture::reprise) {
        Nbminutes->setText(QString::number(r.periodMinutes));
        const int i = index_hash(r.taille_hash);
        Taille_hash[i]->setChecked(true);
        if (i != ctx().moteur->hash.menu) choisir_taille_hash(i);
    }

    // The game read is the position to play on; a loaded game is never rated.
    const Partie& pt = J.partie;
    S.couleur_ordinateur = ctx().etat.couleur_ordi;
    S.tour_ordinateur = 0;
    S.jouer_maintenant = 0;
    S.matchState = MATCH_AUCUN;
    ctx().match.matchState = MATCH_AUCUN;
    S.piece_choisie = 0;
    S.case_choisie = 0;
    S.nb_saisis = 0;
    S.ambiguite = false;
    std::memset(S.marques, 0, sizeof S.marques);
    S.candidats.clear();
    S.dernier_coup_ordi[0] = S.dernier_coup_ordi[1] = 0;
    S.coup_depart = S.coup_arrivee = 0;
    S.veto_reflexion = 1;
    S.partie_finie = false;
    S.resultat = 3;
    // Sides alternate from the current ply to the last one.
    S.trait_dernier = static_cast<uint8_t>(J.trait ^ ((pt.dernier_demi_coup - pt.demi_coup_courant) & 1));
    // The game goes on from the file: the computer's side to move plays.
    if (S.contre_ordinateur && J.trait == S.couleur_ordinateur) S.tour_ordinateur = 1;
    effacer_panneaux_ordinateur(*this);
    restaurer_horloges(ctx().horloges, ctx().etat.temps_blanc, ctx().etat.temps_noir);
    demarrer_tours(ctx().horloges);
    ecrire_etiquettes(ctx().horloges);
    afficher_horloges();
    Couleurordi->setText(QString::fromUtf8(texte_couleur_ordinateur(langue, S.couleur_ordinateur)));
    fin_de_parties->hide();
    montrer_prise_obligatoire(false);
    afficher_liste();
    afficher_noms();
    placer_pions(*this);
    compter_pions(*this);
    regles_match();
    return true;
}

void TForm1::ouvre() {
    session().arret_calcul = 1;
    const QString chemin = choisir_fichier(*this, false, Ouvrir1->text());
    if (!chemin.isEmpty()) ouvrir_partie(chemin);
}

bool TForm1::ecrire_autosave() {
    return sauver_partie(QString::fromStdString(chemin_autosave()));
}

void TForm1::FormActivate() {
    const QString chemin = QString::fromStdString(chemin_autosave());
    // A first run has no autosave: the defaults stand, without a message.
    if (!QFileInfo::exists(chemin)) {
        appliquer_langue(langue);
        return;
    }
    if (!ouvrir_partie(chemin, ModeLecture::demarrage)) {
        appliquer_langue(langue);
        return;
    }
    appliquer_langue(reglages.langue);
    // No start screen yet: the last game resumes here, as its board buttons
    // will resume it.
    ouvrir_partie(chemin, ModeLecture::reprise);
}

}  // namespace kolmar
