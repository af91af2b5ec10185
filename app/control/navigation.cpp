#include "control/navigation.h"

#include "control/position.h"
#include "lang/textes.h"

namespace kolmar {

namespace {

// A running search gives up at its next poll.
void arreter(EtatTour& e) {
    e.arret_calcul = 1;
}

// The current names go into the record being restored, so moving through
// the game keeps the names the players have now.
void appliquer_noms(Jeu& jeu, const EtatTour& e, Rafraichir& r) {
    int p = jeu.partie.demi_coup_courant;
    if (p >= 0 && p < NB_ENREGISTREMENTS) {
        ecrire_nom(jeu.partie.partie[p] + OFS_NOM_BLANC, e.etat.nom_blanc);
        ecrire_nom(jeu.partie.partie[p] + OFS_NOM_NOIR, e.etat.nom_noir);
    }
    r.noms = true;
}

void selectionner(Jeu& jeu, Rafraichir& r, int ligne) {
    jeu.partie.selection = ligne < 0 ? -1 : ligne;
    r.selection = true;
    r.ligne = jeu.partie.selection;
}

// Steps shared by one ply back and one ply forward, p already moved.
void pas(Jeu& jeu, Horloges& h, EtatTour& e, Rafraichir& r) {
    selectionner(jeu, r, jeu.partie.demi_coup_courant / 2 - 1);
    appliquer_noms(jeu, e, r);
    restaurer_position(jeu, h, e);
    r.position = true;
    jeu.trait = static_cast<uint8_t>(1 - jeu.trait);
    r.saisie = true;
    ecrire_etiquettes(h);
    r.etiquettes = true;
    demarrer_tours(h);
}

}  // namespace

void restaurer_position(Jeu& jeu, Horloges& h, EtatTour& e) {
    int p = jeu.partie.demi_coup_courant;
    if (p < 0 || p >= NB_ENREGISTREMENTS) return;
    uint8_t plateau[TAILLE_DAMIER];
    EtatNote note;
    reprendre_position(jeu.partie, plateau, note);
    poser_position(jeu, plateau);
    restaurer_horloges(h, note.temps_blanc, note.temps_noir);
    e.etat = note;
    e.couleur_ordinateur = note.couleur_ordi;
}

Rafraichir reprise(Jeu& jeu, Horloges& h, EtatTour& e) {
    Rafraichir r;
    arreter(e);
    if (jeu.partie.demi_coup_courant > 0) {
        --jeu.partie.demi_coup_courant;
        pas(jeu, h, e, r);
    }
    e.tour = Tour::repos;
    return r;
}

Rafraichir avancer(Jeu& jeu, Horloges& h, EtatTour& e) {
    Rafraichir r;
    arreter(e);
    Partie& pt = jeu.partie;
    if (pt.demi_coup_courant < pt.dernier_demi_coup && pt.demi_coup_courant < DEMI_COUPS_MAX) {
        e.matchState = 0;
        ++pt.demi_coup_courant;
        pas(jeu, h, e, r);
    }
    return r;
}

Rafraichir revenir_debut(Jeu& jeu, Horloges& h, EtatTour& e) {
    Rafraichir r;
    arreter(e);
    e.matchState = 0;
    jeu.partie.demi_coup_courant = 0;
    r.saisie = true;
    appliquer_noms(jeu, e, r);
    restaurer_position(jeu, h, e);
    r.position = true;
    selectionner(jeu, r, -1);
    jeu.trait = BLANC;
    h.minutes_blanc = h.secondes_blanc = h.minutes_noir = h.secondes_noir = 0;
    // Both pairs show 0 at once, not only the side the next tick refreshes.
    ecrire_etiquettes(h);
    r.etiquettes = true;
    demarrer_tours(h);
    return r;
}

Rafraichir Aller_fin(Jeu& jeu, Horloges& h, EtatTour& e) {
    Rafraichir r;
    arreter(e);
    e.matchState = 0;
    Partie& pt = jeu.partie;
    pt.demi_coup_courant = pt.dernier_demi_coup;
    appliquer_noms(jeu, e, r);
    restaurer_position(jeu, h, e);
    r.position = true;
    selectionner(jeu, r, pt.demi_coup_courant > 0 ? (pt.demi_coup_courant - 1) / 2 : -1);
    jeu.trait = e.trait_dernier;
    r.saisie = true;
    ecrire_etiquettes(h);
    r.etiquettes = true;
    demarrer_tours(h);
    return r;
}

Rafraichir revenir_n(Jeu& jeu, Horloges& h, EtatTour& e, int ligne) {
    Rafraichir r;
    Partie& pt = jeu.partie;
    if (ligne < 0 || ligne > DEMI_COUPS_MAX / 2) return r;
    int cible = pt.demi_coup_courant % 2 == 0 ? 2 * ligne : 2 * ligne + 1;
    if (cible > pt.dernier_demi_coup) return r;
    arreter(e);
    pt.demi_coup_courant = cible;
    restaurer_position(jeu, h, e);
    r.position = true;
    selectionner(jeu, r, ligne);
    r.saisie = true;
    ecrire_etiquettes(h);
    r.etiquettes = true;
    return r;
}

Rafraichir inverser_joueurs(Jeu& jeu, EtatTour& e) {
    Rafraichir r;
    e.matchState = 0;
    e.couleur_ordinateur = static_cast<uint8_t>(1 - e.couleur_ordinateur);
    e.etat.couleur_ordi = e.couleur_ordinateur;
    r.couleur = true;
    arreter(e);
    // The computer takes over the position shown.
    poser_position(jeu, jeu.plateau_affiche);
    e.tour = Tour::a_jouer;
    r.jouer_ordinateur = true;
    return r;
}

const char* texte_couleur_ordinateur(int langue, uint8_t couleur_ordinateur) {
    return texte(couleur_ordinateur == 1 ? Texte::OrdinateurNoir : Texte::OrdinateurBlanc, langue);
}

}  // namespace kolmar
