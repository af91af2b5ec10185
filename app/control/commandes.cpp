#include "control/commandes.h"

#include <algorithm>
#include <filesystem>

#include "control/controleur.h"
#include "control/deroulement.h"
#include "control/marques.h"
#include "control/navigation.h"
#include "control/probleme.h"
#include "control/tour_ordinateur.h"
#include "lang/messages.h"
#include "lang/textes.h"
#include "lang/textes_analyse.h"
#include "records/fichiers.h"
#include "records/joueurs.h"
#include "records/texte.h"

namespace kolmar {

namespace {

// Table-size codes of the files, in the order of the size menu.
constexpr int32_t k_codes_hash[NB_TAILLES_HASH] = {1, 50, 100, 200, 350, 700, 1000, 2000};

int index_hash(int32_t code) {
    // "0 Mo" also comes as 10.
    if (code == 10) return 0;
    for (int i = 0; i < NB_TAILLES_HASH; ++i)
        if (k_codes_hash[i] == code) return i;
    return TAILLE_HASH_DEPART;
}

void niveau_au_moteur(Controleur& f) {
    const ControleTemps& c = f.ctx().controle;
    f.ctx().moteur->limites.engineBudget = c.engineBudget;
    f.ctx().moteur->limites.periodLimit = c.periodLimit;
    f.vue().niveau(c);
}

// What a navigation command asks the window to show.
void montrer(Controleur& f, const Rafraichir& r) {
    Session& S = f.session();
    position_changee(f);
    if (r.saisie) effacer_saisie(f);
    if (r.position || r.saisie) placer_pions(f);
    if (r.noms) afficher_noms(f);
    if (r.etiquettes) f.vue().horloges(f.ctx().horloges);
    if (r.selection) f.vue().selection_liste(r.ligne);
    if (r.couleur)
        f.vue().texte(Etiquette::Couleurordi, texte_couleur_ordinateur(f.ctx().langue, S.couleur_ordinateur));
    compter_pions(f);
    // A game that had ended goes on from the position shown.
    if (r.position && S.partie_finie) {
        S.partie_finie = false;
        f.vue().montrer(Panneau::fin_de_parties, false);
    }
    f.vue().montrer(Panneau::Match_nul, false);
    f.vue().montrer(Panneau::Zut, false);
    regles_match(f);
    montrer_marques(f);
}

// Navigation waits while a move is being shown: the move is committed
// when the display ends.
bool occupe(const Controleur& f) {
    return f.session().tour == Tour::coup_montre;
}

std::string sans_blancs(const std::string& s) {
    const auto a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return {};
    const auto b = s.find_last_not_of(" \t");
    return s.substr(a, b - a + 1);
}

void poser_noms(Controleur& f, const std::string& blanc, const std::string& noir) {
    f.ctx().etat.nom_blanc = nom_limite(sans_blancs(blanc));
    f.ctx().etat.nom_noir = nom_limite(sans_blancs(noir));
}

// A game against the computer from the initial position. The computer
// playing white opens the game at once, the board turned so the human's
// men come up the screen.
void contre_ordinateur(Controleur& f, bool ordinateur_noir) {
    nouvelle_partie_contre_ordinateur(f, ordinateur_noir);
    if (!ordinateur_noir && f.ctx().damier_inverse == 0) Inverser(f);
}

}  // namespace

// --- Clocks and levels ---

void ajouter_temps(Controleur& f) {
    const Session& S = f.session();
    // A clock runs only on its side's turn of a live game: not once it is
    // over, nor while a position is set up or the game analysed.
    if (S.partie_finie || S.mode_probleme || S.analyse_en_cours) return;
    if (kolmar::ajouter_temps(f.ctx().horloges, f.jeu().trait, tour_ordinateur(S))) f.vue().horloges(f.ctx().horloges);
}

void Horlogeszro1Click(Controleur& f) {
    horloges_a_zero(f.ctx().horloges, f.ctx().match.matchState);
    f.vue().horloges(f.ctx().horloges);
    regles_match(f);
}

void Pause2Click(Controleur& f) {
    const bool arrete = basculer_pause(f.ctx().horloges);
    f.vue().minuterie(!arrete);
}

void choisir_niveau(Controleur& f, int i) {
    kolmar::choisir_niveau(f.ctx().controle, i);
    niveau_au_moteur(f);
}

void N8Autre1Click(Controleur& f) {
    // The mark moves only once the minutes are accepted.
    f.vue().niveau(f.ctx().controle);
    f.vue().montrer(Panneau::Panel9, true);
}

bool BitBtn24Click(Controleur& f, const std::string& minutes) {
    if (!accepter_autre(f.ctx().controle, minutes)) return false;
    f.vue().montrer(Panneau::Panel9, false);
    niveau_au_moteur(f);
    return true;
}

void BitBtn25Click(Controleur& f) {
    f.vue().montrer(Panneau::Panel9, false);
    placer_pions(f);
}

bool controler_temps(Controleur& f) {
    Contexte& C = f.ctx();
    Session& S = f.session();
    if (!match_en_cours(f)) return false;
    const int points = S.couleur_ordinateur == 1 ? C.match.points_blanc : C.match.points_noir;
    PertesTemps p = verifier_temps(C.horloges, C.controle, f.jeu().partie.demi_coup_courant, S.couleur_ordinateur,
                                   points, matchState(f));
    for (int i = 0; i < p.nombre; ++i) fin_de_partie(f, p.codes[i]);
    return p.nombre > 0;
}

void fin_de_tour_horloges(Controleur& f, bool ordinateur) {
    Contexte& C = f.ctx();
    Session& S = f.session();
    Horloges& h = C.horloges;
    fin_de_tour(h, f.jeu().trait, ordinateur);
    C.etat.temps_blanc = h.base_blanc;
    C.etat.temps_noir = h.base_noir;
    C.etat.couleur_ordi = S.couleur_ordinateur;
}

void relancer_horloges(Controleur& f) {
    if (relancer_si_arrete(f.ctx().horloges)) f.vue().minuterie(true);
}

void horloges_nouvelle_partie(Controleur& f) {
    remettre_a_zero(f.ctx().horloges);
    f.vue().horloges(f.ctx().horloges);
}

// --- Navigation ---

void reprise(Controleur& f) {
    if (occupe(f)) return;
    EtatTour e = etat_tour(f);
    montrer(f, kolmar::reprise(f.jeu(), f.ctx().horloges, e));
}

void avancer(Controleur& f) {
    if (occupe(f)) return;
    EtatTour e = etat_tour(f);
    montrer(f, kolmar::avancer(f.jeu(), f.ctx().horloges, e));
}

void revenir_debut(Controleur& f) {
    if (occupe(f)) return;
    EtatTour e = etat_tour(f);
    montrer(f, kolmar::revenir_debut(f.jeu(), f.ctx().horloges, e));
}

void Aller_fin(Controleur& f) {
    if (occupe(f)) return;
    EtatTour e = etat_tour(f);
    montrer(f, kolmar::Aller_fin(f.jeu(), f.ctx().horloges, e));
}

void revenir_n(Controleur& f, int ligne) {
    if (occupe(f)) return;
    EtatTour e = etat_tour(f);
    Rafraichir r = kolmar::revenir_n(f.jeu(), f.ctx().horloges, e, ligne);
    if (r.position) montrer(f, r);
}

void inverser_joueurs(Controleur& f) {
    Session& S = f.session();
    if (occupe(f)) return;
    EtatTour e = etat_tour(f);
    Rafraichir r = kolmar::inverser_joueurs(f.jeu(), e);
    // The computer now plays against whoever was to move; the names follow
    // the players.
    S.contre_ordinateur = 1;
    f.options().humains = false;
    f.vue().options(f.options());
    f.vue().montrer(Panneau::Couleurordi, true);
    std::swap(f.ctx().etat.nom_blanc, f.ctx().etat.nom_noir);
    r.noms = true;
    S.partie_finie = false;
    f.vue().montrer(Panneau::fin_de_parties, false);
    montrer(f, r);
}

// --- Game files ---

Reglages reglages_courants(const Controleur& f) {
    const Contexte& C = f.ctx();
    Reglages r = C.reglages;
    const ControleTemps& c = C.controle;
    r.engineBudget = c.engineBudget;
    r.periodLimit = c.periodLimit;
    r.levelCode = c.levelCode;
    r.periodMinutes = c.periodMinutes;
    const int menu = C.moteur->hash.menu;
    if (menu >= 0 && menu < NB_TAILLES_HASH) r.taille_hash = k_codes_hash[menu];
    r.langue = static_cast<uint8_t>(C.langue);
    return r;
}

bool sauver_partie(Controleur& f, const std::string& chemin) {
    Jeu& J = f.jeu();
    ResultatFichier res = ecrire_partie(chemin, J.partie, J.trait, reglages_courants(f));
    if (!res.ok) {
        f.vue().erreur(texte_resultat(res, f.ctx().langue));
        return false;
    }
    f.ctx().reglages = reglages_courants(f);
    return true;
}

bool ouvrir_partie(Controleur& f, const std::string& chemin, ModeLecture mode) {
    Contexte& C = f.ctx();
    Session& S = f.session();
    Jeu& J = f.jeu();
    S.arret_calcul = 1;
    Reglages r = reglages_courants(f);
    ResultatFichier res = ouvrir_jeu(chemin, J, C.etat, r, mode);
    if (!res.ok) {
        if (res.message != MessageFichier::aucun) f.vue().erreur(texte_resultat(res, f.ctx().langue));
        return false;
    }
    position_changee(f);
    C.reglages = r;
    // The level of the file; the time control and the check mark follow it.
    ControleTemps& c = C.controle;
    c.engineBudget = r.engineBudget;
    c.periodLimit = r.periodLimit;
    c.periodMinutes = r.periodMinutes;
    c.levelCode = r.levelCode;
    c.levelIndex = levelIndex_de_code(r.levelCode);
    niveau_au_moteur(f);
    if (mode == ModeLecture::demarrage) return true;
    if (mode == ModeLecture::reprise) {
        const int i = index_hash(r.taille_hash);
        if (i != C.moteur->hash.menu) choisir_taille_hash(f, i);
        f.vue().taille_hash(C.moteur->hash.menu);
    }

    partie_chargee(f);
    return true;
}

void partie_chargee(Controleur& f) {
    Contexte& C = f.ctx();
    Session& S = f.session();
    Jeu& J = f.jeu();
    // The game read is the position to play on; a loaded game is never rated.
    const Partie& pt = J.partie;
    S.couleur_ordinateur = C.etat.couleur_ordi;
    S.tour = Tour::repos;
    poser_matchState(f, MATCH_AUCUN);
    effacer_saisie(f);
    S.veto_reflexion = 1;
    // A game read at its end (the side to move has no move) stays over:
    // nobody's clock runs and the computer does not try to move.
    S.partie_finie = coups_legaux(J.gen, J.trait) == 0;
    S.resultat = 3;
    // Sides alternate from the current ply to the last one.
    S.trait_dernier = static_cast<uint8_t>(J.trait ^ ((pt.dernier_demi_coup - pt.demi_coup_courant) & 1));
    // The game goes on from the file: the computer's side to move plays.
    if (S.contre_ordinateur && J.trait == S.couleur_ordinateur) S.tour = Tour::a_jouer;
    effacer_panneaux_ordinateur(f);
    restaurer_horloges(C.horloges, C.etat.temps_blanc, C.etat.temps_noir);
    demarrer_tours(C.horloges);
    ecrire_etiquettes(C.horloges);
    f.vue().horloges(C.horloges);
    f.vue().texte(Etiquette::Couleurordi, texte_couleur_ordinateur(C.langue, S.couleur_ordinateur));
    f.vue().montrer(Panneau::fin_de_parties, false);
    f.vue().montrer(Panneau::prise_obligatoire, false);
    f.vue().liste_coups(pt.lignes, pt.selection);
    afficher_noms(f);
    placer_pions(f);
    compter_pions(f);
    regles_match(f);
    montrer_marques(f);
}

bool ecrire_autosave(Controleur& f) {
    // A window that opened its folder read-only leaves the other's autosave.
    if (!dossier_lecture_seule().empty()) return true;
    return sauver_partie(f, chemin_autosave());
}

void fermer_ecran_depart(Controleur& f) {
    const std::string chemin = chemin_autosave();
    std::error_code ec;
    // The game in the autosave is only read once a board is chosen: keep
    // it and change its language alone.
    if (std::filesystem::exists(chemin, ec))
        poser_langue_partie(chemin, static_cast<uint8_t>(f.ctx().langue));
    else
        ecrire_autosave(f);
}

void FormActivate(Controleur& f) {
    const std::string chemin = chemin_autosave();
    std::error_code ec;
    // A first run has no autosave: the defaults stand, without a message,
    // and the game's clocks start now, not when the start screen opened.
    if (!std::filesystem::exists(chemin, ec) || !ouvrir_partie(f, chemin, ModeLecture::demarrage)) {
        appliquer_langue(f, f.ctx().langue);
        horloges_nouvelle_partie(f);
        return;
    }
    appliquer_langue(f, f.ctx().reglages.langue);
    ouvrir_partie(f, chemin, ModeLecture::reprise);
}

// --- New games, players, rated matches ---

void Nouveau2Click(Controleur& f) {
    Session& S = f.session();
    S.arret_calcul = 1;
    S.resultat = 3;
    // The old game's moves go at once, not when the new game starts.
    f.vue().liste_coups({}, -1);
}

void partie_entrainement(Controleur& f, bool ordinateur_noir, const std::string& nom) {
    const std::string kolmar = NOM_KOLMAR;
    if (ordinateur_noir)
        poser_noms(f, nom, kolmar);
    else
        poser_noms(f, kolmar, nom);
    poser_matchState(f, MATCH_AUCUN);
    contre_ordinateur(f, ordinateur_noir);
    f.options().arret_par_clic = true;
    if (f.ctx().etat.nom_blanc == NOM_KOLMAR && f.ctx().etat.nom_noir == NOM_KOLMAR) f.options().ordinateurs = true;
    f.vue().options(f.options());
    afficher_noms(f);
    regles_match(f);
}

void partie_match(Controleur& f, bool ordinateur_noir, const std::string& nom, int selection, const Registre& r) {
    Match& m = f.ctx().match;
    const std::string joueur = nom_limite(sans_blancs(nom));
    // A registered name typed without picking its line is still that
    // player. A name the register does not know plays at the points of
    // "Inconnu" and no line is written: the line of whoever played last
    // is not his.
    const bool choisi = selection >= 0;
    for (size_t k = 1; selection < 0 && k < r.noms.size(); ++k)
        if (r.noms[k] == joueur) selection = static_cast<int>(k);
    commencer_match(m, r, ordinateur_noir, joueur, selection);
    if (!choisi && selection < 0 && joueur != NOM_KOLMAR) {
        (ordinateur_noir ? m.index_blanc : m.index_noir) = -1;
        (ordinateur_noir ? m.points_blanc : m.points_noir) = POINTS_INCONNU;
    }
    const std::string kolmar = NOM_KOLMAR;
    if (ordinateur_noir)
        poser_noms(f, joueur, kolmar);
    else
        poser_noms(f, kolmar, joueur);
    const uint8_t etat = m.matchState;
    contre_ordinateur(f, ordinateur_noir);
    poser_matchState(f, etat);
    // The computer against itself is not rated.
    const bool soi_meme = etat == MATCH_AUCUN;
    f.options().ordinateurs = soi_meme;
    f.options().arret_par_clic = soi_meme;
    f.vue().options(f.options());
    afficher_noms(f);
    regles_match(f);
}

void partie_humains(Controleur& f, const std::string& nom_blanc, const std::string& nom_noir) {
    Session& S = f.session();
    f.options().humains = true;
    f.options().ordinateurs = false;
    f.options().arret_par_clic = true;
    f.vue().options(f.options());
    S.contre_ordinateur = 0;
    poser_matchState(f, MATCH_AUCUN);
    poser_noms(f, nom_blanc, nom_noir);
    nouvelle_partie(f);
    f.vue().montrer(Panneau::Couleurordi, false);
    afficher_noms(f);
    regles_match(f);
}

void OKjoueurClick(Controleur& f, const std::string& nom_blanc, const std::string& nom_noir) {
    appliquer_noms(f.jeu().partie, f.ctx().etat, nom_blanc, nom_noir);
    afficher_noms(f);
}

void AbandonClick(Controleur& f) {
    f.session().arret_calcul = 1;
    fin_de_partie(f, FIN_ABANDON);
    // Scored, the resigned match is over: the game is a training one now.
    poser_matchState(f, MATCH_AUCUN);
    regles_match(f);
}

void regles_match(Controleur& f) {
    Session& S = f.session();
    const int l = f.ctx().langue;
    const bool match = match_en_cours(f);
    const uint8_t etat = matchState(f);
    f.vue().texte(Etiquette::Panel11, texte(etat != MATCH_AUCUN ? Texte::Match : Texte::Entrainement, l));
    f.vue().montrer(Panneau::Panel11, S.contre_ordinateur || etat != MATCH_AUCUN);
    f.vue().montrer(Panneau::Abandon, match);
    f.vue().texte(Etiquette::Nbcoups3d,
                  texte(Texte::Coups, l) + std::to_string(f.jeu().partie.demi_coup_courant / 2 + 1));

    Commandes a;
    a.fill(true);
    auto fermer = [&a](Commande c) { a[static_cast<size_t>(c)] = false; };
    if (match) {
        for (Commande c : {Commande::Fichier1, Commande::Coller1, Commande::Joueurs1, Commande::Ouvertures1,
                           Commande::Rflexionsurtempsadverse1, Commande::Horlogeszro1, Commande::Pause1,
                           Commande::Navigation, Commande::Arretrflexionparclicsouris1})
            fermer(c);
        // Past ten half-moves a match keeps its level.
        if (f.jeu().partie.demi_coup_courant > 10) fermer(Commande::Niveau1);
    }
    const bool calcul = S.tour == Tour::reflexion;
    if (calcul) {
        for (Commande c : {Commande::Nouveau2, Commande::Humaincontrehumain1, Commande::Sauver1, Commande::Ouvrir1,
                           Commande::Quitter1, Commande::Edition1, Commande::Coller1, Commande::Joueurs1,
                           Commande::Ouvertures1, Commande::Proposernul})
            fermer(c);
        // The computer against itself leaves "Fichier" open to stop it.
        if (!f.options().ordinateurs) fermer(Commande::Fichier1);
    }
    if (S.tour == Tour::coup_montre)
        for (Commande c :
             {Commande::Nouveau2, Commande::Humaincontrehumain1, Commande::Inverserdamier1, Commande::Numroterlescase1})
            fermer(c);
    // Set-up changes the position under the libraries; an analysis opens
    // once, its two other commands only while it runs or is shown.
    if (S.mode_probleme) {
        fermer(Commande::Ouvertures1);
        fermer(Commande::Coller1);
    }
    if (S.analyse_ouverte || calcul || match) fermer(Commande::Debuteruneanalyse1);
    if (!S.analyse_en_cours) fermer(Commande::Arretercettephase1);
    if (!S.analyse_ouverte) fermer(Commande::Terminerlanalyse1);
    if (calcul || match || S.analyse_en_cours) fermer(Commande::Installeruneposition1);
    // A training session keeps "Paramétrage" open for "Arrêter la session"
    // (the computer thinks nearly all the time); its other items still
    // wait for the search.
    const bool session = f.ctx().entrainement.active;
    if (session && !match && !a[static_cast<size_t>(Commande::Ouvertures1)]) {
        a[static_cast<size_t>(Commande::Ouvertures1)] = true;
        fermer(Commande::Parametres);
    }
    fermer(session ? Commande::Lancerunesession1 : Commande::Arrterlasession1);
    if (S.commandes_envoyees && a == S.commandes) return;
    S.commandes = a;
    S.commandes_envoyees = true;
    f.vue().activer(a);
}

void conclure_classement(Controleur& f, int resultat) {
    Contexte& C = f.ctx();
    Match& m = C.match;
    if (!match_en_cours(f)) {
        f.vue().texte(Etiquette::Resultat_noir, {});
        f.vue().texte(Etiquette::Resultat_blanc, {});
        return;
    }
    m.matchState = MATCH_EN_COURS;
    FinDeMatch fin = conclure_match(m, resultat, C.etat.nom_blanc, C.etat.nom_noir, repertoire_donnees());
    f.vue().texte(Etiquette::Resultat_noir, fin.resultat_noir);
    f.vue().texte(Etiquette::Resultat_blanc, fin.resultat_blanc);
    regles_match(f);
    if (!fin.ecriture.ok) f.vue().erreur(texte_resultat(fin.ecriture, C.langue));
}

void afficher_noms(Controleur& f) {
    f.vue().texte(Etiquette::Nom_blanc, f.ctx().etat.nom_blanc);
    f.vue().texte(Etiquette::Nom_noir, f.ctx().etat.nom_noir);
}

// --- Language and leaving ---

void appliquer_langue(Controleur& f, int l) {
    if (l < 0 || l >= NB_LANGUES) l = FRANCAIS;
    Contexte& C = f.ctx();
    C.langue = l;
    f.vue().langue(l);
    f.vue().texte(Etiquette::Couleurordi, texte_couleur_ordinateur(l, f.session().couleur_ordinateur));
    f.vue().texte(Etiquette::Bas_Haut, texte(C.damier_inverse ? Texte::BlancsHautBas : Texte::BlancsBasHaut, l));
    f.vue().texte(
        Etiquette::Couleurjoue,
        texte(f.session().couleurjoue_ordinateur ? TexteAnalyse::OrdinateurJoue : TexteAnalyse::JoueurJoue, l));
    // The set-up's static scores are worded in the language too.
    if (f.session().mode_probleme) evaluations_statiques(f);
    f.session().commandes_envoyees = false;
    regles_match(f);
}

void quitter(Controleur& f) {
    Session& S = f.session();
    S.arret_calcul = 1;
    // "Fichier" is locked during a match; its shortcut is too.
    if (match_en_cours(f)) return;
    // A failed autosave has been reported; leaving goes ahead.
    ecrire_autosave(f);
    S.fin_programme = 1;
    f.vue().fermer();
}

bool exiter(Controleur& f) {
    Session& S = f.session();
    if (match_en_cours(f)) {
        f.vue().erreur(texte(Texte::FermetureRefuseeMatch, f.ctx().langue));
        return false;
    }
    S.arret_calcul = 1;
    // Closing keeps the game like "Quitter" does; the last moves would be
    // lost otherwise.
    if (!S.fin_programme) ecrire_autosave(f);
    S.fin_programme = 1;
    return true;
}

}  // namespace kolmar
