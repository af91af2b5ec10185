#include "lang/messages.h"

#include <cstdio>

namespace kolmar {

namespace {

// French and English; the other languages fall back to French until their
// tables come.
const char* choisir(int langue, const char* fr, const char* en) {
    return langue == 1 ? en : fr;
}

std::string formater(const char* format, const int v[3]) {
    char t[200];
    std::snprintf(t, sizeof t, format, v[0], v[1], v[2]);
    return t;
}

std::string texte_faute(const ResultatFichier& r, int l) {
    const int* v = r.valeurs;
    switch (r.faute) {
        case FauteFichier::trop_court:
            return formater(choisir(l, "fichier trop court (%d octets, une position en compte %d)",
                                    "file too short (%d bytes, one position takes %d)"),
                            v);
        case FauteFichier::trait_inconnu:
            return formater(choisir(l, "trait %d inconnu", "unknown side to move %d"), v);
        case FauteFichier::courant_hors_table:
            return formater(choisir(l, "demi-coup courant %d hors de la table", "current ply %d out of the table"), v);
        case FauteFichier::longueur_hors_table:
            return formater(choisir(l, "longueur de partie %d hors de la table", "game length %d out of the table"), v);
        case FauteFichier::longueur_incoherente:
            return formater(choisir(l, "la partie compte %d demi-coups, le fichier en contient %d",
                                    "the game has %d plies, the file holds %d"),
                            v);
        case FauteFichier::code_piece:
            return formater(choisir(l, "code de pièce %d sur la case %d à la position %d",
                                    "piece code %d on square %d at position %d"),
                            v);
        case FauteFichier::couleur_ordinateur:
            return formater(choisir(l, "couleur de l'ordinateur %d inconnue à la position %d",
                                    "unknown computer colour %d at position %d"),
                            v);
        case FauteFichier::coup_hors_damier:
            return formater(
                choisir(l, "coup %d-%d hors du damier au demi-coup %d", "move %d-%d off the board at ply %d"), v);
        case FauteFichier::langue_inconnue:
            return formater(choisir(l, "langue %d inconnue", "unknown language %d"), v);
        case FauteFichier::taille_tables:
            return formater(choisir(l, "taille des tables %d inconnue", "unknown table size %d"), v);
        case FauteFichier::cadence_negative:
            return formater(choisir(l, "cadence négative (%d, %d, %d)", "negative time control (%d, %d, %d)"), v);
        case FauteFichier::aucune:
            break;
    }
    return {};
}

}  // namespace

std::string texte_raison(RaisonEchec r, int l) {
    switch (r) {
        case RaisonEchec::lecture_seule:
            return choisir(l, "Le dossier ou le disque est en lecture seule", "The folder or the disk is read-only");
        case RaisonEchec::disque_plein:
            return choisir(l, "Le disque est plein", "The disk is full");
        case RaisonEchec::chemin_absent:
            return choisir(l, "Le dossier n'existe pas", "The folder does not exist");
        case RaisonEchec::aucune:
        case RaisonEchec::autre:
            break;
    }
    return {};
}

std::string texte_erreur_donnees(const ErreurDonnees& e, int l) {
    using C = ErreurDonnees::Code;
    const std::string taille = std::to_string(e.taille);
    switch (e.code) {
        case C::cles_absentes:
            return choisir(l, "Impossible d'ouvrir le fichier des clés \"", "Cannot open the key file \"") + e.chemin +
                   choisir(l, "\". Réinstallez le programme pour retrouver \"hashkey73.dat\".",
                           "\". Reinstall the program to get \"hashkey73.dat\" back.");
        case C::cles_incompletes:
            return choisir(l, "Le fichier des clés \"", "The key file \"") + e.chemin +
                   choisir(l, "\" est incomplet (", "\" is incomplete (") + taille +
                   choisir(l, " octets au lieu de 2920). Réinstallez le programme pour retrouver \"hashkey73.dat\".",
                           " bytes instead of 2920). Reinstall the program to get \"hashkey73.dat\" back.");
        case C::parametres_absents:
            return choisir(l, "Impossible d'ouvrir le fichier de paramètres \"", "Cannot open the parameter file \"") +
                   e.chemin +
                   choisir(l, "\". Réinstallez le programme pour retrouver \"defaut_can.par\".",
                           "\". Reinstall the program to get \"defaut_can.par\" back.");
        case C::parametres_incomplets:
            return choisir(l, "Le fichier de paramètres \"", "The parameter file \"") + e.chemin +
                   choisir(l, "\" est incomplet (", "\" is incomplete (") + taille +
                   choisir(l, " octets au lieu de 1166). Réinstallez le programme pour retrouver \"defaut_can.par\".",
                           " bytes instead of 1166). Reinstall the program to get \"defaut_can.par\" back.");
        case C::allocation_tables:
            return "Erreur allocation Hash tables";
        case C::aucune:
            break;
    }
    return {};
}

std::string texte_resultat(const ResultatFichier& r, int l) {
    switch (r.message) {
        case MessageFichier::impossible_ouvrir:
            return choisir(l, "Impossible d'ouvrir ce fichier", "This file cannot be opened");
        case MessageFichier::impossible_ecrire: {
            std::string t = choisir(l, "Impossible d'écrire ce fichier", "This file cannot be written");
            const std::string raison = texte_raison(r.raison, l);
            if (!raison.empty()) t += "\n" + raison;
            return t;
        }
        case MessageFichier::endommage:
            return std::string(choisir(l, "Fichier de partie endommagé", "Damaged game file")) + " : " +
                   texte_faute(r, l);
        case MessageFichier::aucun:
            break;
    }
    return {};
}

std::string texte_type_jeu(int numero, int l) {
    struct Nom {
        int numero;
        const char* fr;
        const char* en;
    };
    static const Nom k_noms[] = {
        {20, "dames internationales", "international draughts"},
        {21, "dames anglaises", "English draughts"},
        {22, "dames italiennes", "Italian draughts"},
        {23, "dames américaines (pool)", "American pool checkers"},
        {24, "dames espagnoles", "Spanish draughts"},
        {25, "dames russes", "Russian draughts"},
        {26, "dames brésiliennes", "Brazilian draughts"},
        {27, "dames canadiennes", "Canadian draughts"},
        {28, "dames portugaises", "Portuguese draughts"},
        {29, "dames tchèques", "Czech draughts"},
        {30, "dames turques", "Turkish draughts"},
        {31, "dames thaïlandaises", "Thai draughts"},
        {40, "dames frisonnes", "Frisian draughts"},
        {41, "spantsiretti", "Spantsiretti"},
    };
    for (const Nom& n : k_noms)
        if (n.numero == numero) return choisir(l, n.fr, n.en);
    return "GameType " + std::to_string(numero);
}

std::string texte_rejeu(const Rejeu& r, int l) {
    const std::string coup = std::to_string(r.numero) + " (" + r.texte + ")";
    switch (r.faute) {
        case FauteRejeu::aucune:
            return {};
        case FauteRejeu::illisible:
            return choisir(l, "coup illisible n° ", "unreadable move ") + coup;
        case FauteRejeu::illegal:
            return choisir(l, "coup illégal n° ", "illegal move ") + coup;
        case FauteRejeu::ambigu:
            return choisir(l, "prise ambiguë n° ", "ambiguous capture ") + coup;
        case FauteRejeu::trop_long:
            return choisir(l, "partie trop longue, coupée avant le coup n° ", "game too long, cut before move ") + coup;
        case FauteRejeu::type_refuse:
            return choisir(l, "refusée : partie de ", "refused: a game of ") +
                   texte_type_jeu(numero_type_jeu(r.texte), l) + " (GameType \"" + r.texte + "\")";
        case FauteRejeu::fen_illisible:
            return choisir(l, "refusée : position de départ illisible (FEN \"", "refused: unreadable set-up (FEN \"") +
                   r.texte + "\")";
    }
    return {};
}

std::string texte_ligne_partie(int numero, const PartieLue& p, int l) {
    char t[16];
    std::snprintf(t, sizeof t, "%2d:", numero);
    std::string ligne = std::string(t) + " " + p.blanc + " - " + p.noir;
    if (!type_canadien(p.type_jeu))
        ligne += choisir(l, " (refusée : ", " (refused: ") + texte_type_jeu(numero_type_jeu(p.type_jeu), l) + ")";
    return ligne;
}

}  // namespace kolmar
