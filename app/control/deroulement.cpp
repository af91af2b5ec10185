#include "control/deroulement.h"

#include <cstring>

#include "control/commandes.h"
#include "control/controleur.h"
#include "control/geometrie.h"
#include "control/marques.h"
#include "control/analyse_partie.h"
#include "control/navigation.h"
#include "control/probleme.h"
#include "control/tour_ordinateur.h"
#include "lang/textes.h"

namespace kolmar {

namespace {

void dessiner_case(Controleur& f, int s, int code) { f.vue().dessiner_case(s, code); }

// The 3D picture marks a square too, except the computer's squares when
// "Indication des mouvements" is off.
void encadrer_case(Controleur& f, int s, uint32_t couleur) {
    const Session& S = f.session();
    f.vue().encadrer_case(s, couleur, f.options().indication_mouvements || !S.tour_ordinateur);
}

void attendre(Controleur& f, int ms) { f.vue().attendre(ms); }

void effacer_marques(Session& S) { std::memset(S.marques, 0, sizeof S.marques); }

void redessiner_cases_vides(Controleur& f) {
    const Jeu& J = f.jeu();
    for (int s = 1; s <= NB_CASES; ++s)
        if (J.damier[s] == VIDE) dessiner_case(f, s, VIDE);
}

// The board as committed, then the selection and the path entered so far:
// a full redraw is the only way to wipe earlier outlines completely.
void redessiner_saisie(Controleur& f) {
    const Session& S = f.session();
    f.vue().placer_pions(f.jeu().plateau_affiche);
    if (S.piece_choisie != 0) encadrer_case(f, S.case_choisie, COULEUR_ROUGE);
    for (int i = 1; i <= S.nb_saisis; ++i) encadrer_case(f, S.chemin_saisi[i], COULEUR_BLEU);
}

void deselectionner(Controleur& f) {
    Session& S = f.session();
    S.piece_choisie = 0;
    S.nb_saisis = 0;
    S.ambiguite = false;
    effacer_marques(S);
    f.vue().placer_pions(f.jeu().plateau_affiche);
}

bool concorde(const Session& S, const Candidat& c, int nb) {
    for (int i = 1; i <= nb; ++i)
        if (c.arrets[i] != S.chemin_saisi[i]) return false;
    return true;
}

// Menus that would change the game are locked while a move is shown.
void animation(Controleur& f, bool en_cours) {
    f.session().animation = en_cours;
    regles_match(f);
}

// Carries out the chosen move of the selected piece on damier and on the
// screen, step by step for a multiple capture, then commits it.
void executer(Controleur& f, const Candidat& c) {
    Session& S = f.session();
    Jeu& J = f.jeu();
    const int R = S.prise_saisie;
    const uint8_t depart = S.case_choisie;
    const uint8_t arrivee = R > 0 ? c.arrets[R] : c.arrets[1];
    uint8_t code = J.damier[depart];
    J.damier[depart] = VIDE;
    for (int k = 1; k <= R; ++k) J.damier[c.prises[k]] = VIDE;

    if (R > 1 && f.options().decomposer_prises) {
        animation(f, true);
        dessiner_case(f, depart, VIDE);
        for (int k = 1; k < R; ++k) {
            dessiner_case(f, c.arrets[k], code);
            attendre(f, f.ctx().delais.pas_ms);
            dessiner_case(f, c.arrets[k], VIDE);
        }
        dessiner_case(f, arrivee, code);
        attendre(f, f.ctx().delais.fin_ms);
        animation(f, false);
    }
    if (case_de_promotion(code, arrivee)) ++code;
    J.damier[arrivee] = code;
    dessiner_case(f, arrivee, code);
    redessiner_cases_vides(f);
    effacer_marques(S);
    S.coup_depart = depart;
    S.coup_arrivee = arrivee;
    S.chemin_joue.assign(&c.arrets[1], &c.arrets[1] + (R > 1 ? R - 1 : 0));
    S.ply_chemin = J.partie.demi_coup_courant + 1;

    S.piece_choisie = 0;
    S.nb_saisis = 0;
    valider_demi_coup(f, static_cast<uint8_t>(R), depart, arrivee);
    placer_pions(f);

    if (S.contre_ordinateur) {
        if (partie_pleine(J.partie)) {
            fin_de_partie(f, FIN_NULLE);
            return;
        }
        S.tour_ordinateur = 1;
        J.plateau_depuis_damier();
        return;
    }
    compter_pions(f);
    S.nb_legaux = coups_legaux(J.gen, J.trait);
    f.vue().montrer(Panneau::prise_obligatoire, S.nb_legaux > 0 && J.gen.prise_max > 0);
    if (S.nb_legaux == 0) fin_de_partie(f, FIN_SANS_COUP);
    else if (partie_pleine(J.partie)) fin_de_partie(f, FIN_NULLE);
}

// Offers the next landing squares of a capture from the path entered so
// far; steps without a choice are taken at once. Returns the square that
// counts as clicked last.
int offrir_etapes(Controleur& f, int courant) {
    Session& S = f.session();
    const int R = S.prise_saisie;
    for (int i = S.nb_saisis + 1; i <= R; ++i) {
        const Candidat* premier = nullptr;
        bool ambigu = false;
        for (const Candidat& c : S.candidats) {
            if (!concorde(S, c, S.nb_saisis)) continue;
            if (!premier) {
                premier = &c;
                if (S.marques[c.arrets[i]] == 0) S.marques[c.arrets[i]] = 1;
            } else if (c.arrets[i] != premier->arrets[i]) {
                if (S.marques[c.arrets[i]] == 0) S.marques[c.arrets[i]] = 1;
                ambigu = true;
            }
        }
        if (!premier) break;
        if (ambigu) {
            S.ambiguite = true;
            for (int s = 1; s <= NB_CASES; ++s)
                if (S.marques[s]) encadrer_case(f, s, COULEUR_FUCHSIA);
            // The end square can be clicked directly when it names one path.
            bool fins_distinctes = true;
            std::vector<uint8_t> fins;
            for (const Candidat& c : S.candidats) {
                if (!concorde(S, c, S.nb_saisis)) continue;
                for (uint8_t e : fins)
                    if (e == c.arrets[R]) fins_distinctes = false;
                fins.push_back(c.arrets[R]);
            }
            if (fins_distinctes)
                for (uint8_t e : fins) {
                    S.marques[e] = 100;
                    encadrer_case(f, e, COULEUR_FUCHSIA);
                }
            break;
        }
        ++S.nb_saisis;
        S.chemin_saisi[S.nb_saisis] = premier->arrets[i];
        if (i < R) S.marques[premier->arrets[i]] = 0;
        courant = premier->arrets[i];
    }
    return courant;
}

void saisie_prise(Controleur& f, int s) {
    Session& S = f.session();
    const int R = S.prise_saisie;
    if (S.nb_saisis > R) return;
    const uint8_t marque = S.marques[s];
    const int avant = S.nb_saisis;
    int courant = s;
    if (marque != 0) {
        ++S.nb_saisis;
        if (S.nb_saisis < R && marque < 100) {
            effacer_marques(S);
            S.chemin_saisi[S.nb_saisis] = static_cast<uint8_t>(s);
            redessiner_saisie(f);
        }
        S.chemin_saisi[S.nb_saisis] = static_cast<uint8_t>(s);
    }
    if (marque < 100) courant = offrir_etapes(f, courant);

    const Candidat* choisi = nullptr;
    if (marque == 100) {
        // The last path that ends here and agrees with the squares entered.
        for (const Candidat& c : S.candidats)
            if (c.arrets[R] == s && concorde(S, c, avant)) choisi = &c;
        if (!choisi) {
            S.nb_saisis = avant;
            return;
        }
        std::memcpy(&S.chemin_saisi[1], &choisi->arrets[1], static_cast<size_t>(R));
        S.nb_saisis = R;
    } else if (S.nb_saisis >= R && S.marques[courant] != 0) {
        for (const Candidat& c : S.candidats)
            if (concorde(S, c, R)) {
                choisi = &c;
                break;
            }
        if (!choisi) {
            deselectionner(f);
            return;
        }
    }
    if (choisi) executer(f, *choisi);
}

void saisie_simple(Controleur& f, int s) {
    Session& S = f.session();
    int courant = s;
    if (S.nb_saisis == 0) {
        S.nb_saisis = 1;
        for (const Candidat& c : S.candidats) S.marques[c.arrets[1]] = 1;
        if (S.candidats.size() > 1) {
            for (const Candidat& c : S.candidats) encadrer_case(f, c.arrets[1], COULEUR_FUCHSIA);
        } else {
            S.nb_saisis = 2;
            courant = S.candidats[0].arrets[1];
        }
    }
    if (S.marques[courant] == 0) return;
    for (const Candidat& c : S.candidats)
        if (c.arrets[1] == courant) {
            executer(f, c);
            return;
        }
}

}  // namespace

void clic(Controleur& f, int x, int y) {
    Session& S = f.session();
    f.vue().montrer(Panneau::Learn, false);
    // Another tab than the set-up's is showing: the set-up is over and
    // this press is a move.
    if (S.mode_probleme && !S.onglet_probleme) quitter_probleme(f);
    // During the computer's turn or while its move is shown, a press only
    // stops the thinking (when allowed); it never picks up a piece, which
    // would play a move the human did not choose. In set-up the computer
    // does not think.
    if ((S.tour_ordinateur && !S.mode_probleme) || S.animation) {
        if (!match_en_cours(f) && f.options().arret_par_clic) S.arret_calcul = 1;
        return;
    }
    S.clic_x = x;
    S.clic_y = y;
    S.clic_en_attente = true;
    S.arret_calcul = 1;
}

void DamierImage1Click(Controleur& f, int j) {
    if (j < 1 || j > NB_CASES) return;
    // Position j shows square s; the 2D rule gets the middle of s's cell.
    const bool inverse = f.ctx().damier_inverse != 0;
    const int s = inverse ? 73 - j : j;
    int x, y;
    centre_de_case(s, inverse, x, y);
    clic(f, x, y);
}

void clic1(Controleur& f, int x, int y) {
    Session& S = f.session();
    Jeu& J = f.jeu();
    f.vue().montrer(Panneau::Nulrefus, false);
    if (S.piece_choisie == 0) compter_pions(f);
    if (S.tour_ordinateur && !S.mode_probleme) return;
    if (S.animation) return;
    J.damier[0] = BORD;
    const int s = case_du_point(x, y, f.ctx().damier_inverse != 0);
    if (s < 1 || s > NB_CASES) return;
    if (S.mode_probleme) {
        placer_piece(f, x, y);
        return;
    }
    if (!cellule_sombre(x, y)) return;
    if (S.partie_finie) return;
    if (S.contre_ordinateur) J.damier_depuis_plateau();
    S.arret_calcul = 1;
    relancer_horloges(f);

    if (S.piece_choisie != 0 && s == S.case_choisie && S.marques[s] == 0) {
        deselectionner(f);
        return;
    }

    if (S.piece_choisie == 0) {
        if (partie_pleine(J.partie)) {
            fin_de_partie(f, FIN_NULLE);
            return;
        }
        S.nb_legaux = coups_legaux(J.gen, J.trait);
        f.vue().montrer(Panneau::prise_obligatoire, J.gen.prise_max > 0);
        S.coup_depart = static_cast<uint8_t>(s);
        bool depart_legal = false;
        for (int i = 0; i < S.nb_legaux; ++i)
            if (J.gen.liste_coups[1][i].depart == s) depart_legal = true;
        if (!depart_legal) return;

        const int n = coups_piece(J.gen, s, J.trait);
        if (n <= 0) return;
        S.prise_saisie = J.gen.prise_max;
        S.candidats.assign(static_cast<size_t>(n), Candidat{});
        const int etapes = S.prise_saisie > 0 ? S.prise_saisie : 1;
        for (int i = 0; i < n; ++i) {
            std::memcpy(&S.candidats[i].prises[1], &J.gen.cases_prises[i][1], static_cast<size_t>(S.prise_saisie));
            std::memcpy(&S.candidats[i].arrets[1], &J.gen.cases_arrets[i][1], static_cast<size_t>(etapes));
        }
        encadrer_case(f, s, COULEUR_ROUGE);
        std::memset(S.chemin_saisi, 0, sizeof S.chemin_saisi);
        effacer_marques(S);
        S.ambiguite = false;
        S.nb_saisis = 0;
        S.case_choisie = static_cast<uint8_t>(s);
        S.piece_choisie = J.damier[s];
    }

    if (S.prise_saisie > 0) saisie_prise(f, s);
    else saisie_simple(f, s);
}

void valider_demi_coup(Controleur& f, uint8_t prise, uint8_t de, uint8_t vers) {
    Session& S = f.session();
    Jeu& J = f.jeu();
    J.plateau_depuis_damier();
    fin_de_tour_horloges(f);
    if (!nouveau_demi_coup(J.partie, J.trait, J.damier, prise, de, vers, f.ctx().etat)) return;
    ++S.version_position;
    S.trait_dernier = J.trait;
    f.vue().liste_coups(J.partie.lignes, J.partie.selection);
    montrer_marques(f);
}

void fin_de_partie(Controleur& f, int kind) {
    Contexte& C = f.ctx();
    Session& S = f.session();
    Jeu& J = f.jeu();
    if (matchState(f) == MATCH_COMPTE) return;
    // A search still running is for a game that is over.
    S.arret_calcul = 1;
    J.damier[0] = BORD;
    int gagnant = -1;
    // The side to move first: when neither side can move, it is the one
    // that cannot play that loses.
    const int camp = J.trait;
    if (coups_legaux(J.gen, camp) == 0) gagnant = 1 - camp;
    else if (coups_legaux(J.gen, 1 - camp) == 0) gagnant = camp;
    if (kind == FIN_TEMPS_HUMAIN || kind == FIN_ABANDON) gagnant = S.couleur_ordinateur;
    if (kind == FIN_TEMPS_ORDI) gagnant = 1 - S.couleur_ordinateur;

    const int l = C.langue;
    const bool match = matchState(f) != MATCH_AUCUN;
    const bool humains = S.contre_ordinateur == 0;
    std::string t;
    if (gagnant == BLANC || gagnant == NOIR) {
        const std::string& nom = gagnant == BLANC ? C.etat.nom_blanc : C.etat.nom_noir;
        if (match) t = nom + texte(Texte::Gagne, l);
        else if (humains) t = texte(gagnant == BLANC ? Texte::GainDesBlancs : Texte::GainDesNoirs, l);
        else t = texte(gagnant == S.couleur_ordinateur ? Texte::KolmarAGagne : Texte::VousAvezGagne, l);
    }
    if (kind == FIN_NULLE) t = texte(Texte::MatchNul, l);
    if (kind == FIN_TEMPS_HUMAIN) t = texte(Texte::TempsDepasseGainKolmar, l);
    if (kind == FIN_TEMPS_ORDI) t = texte(Texte::TempsDepasseVousGagnez, l);
    if (kind == FIN_ABANDON) t = texte(Texte::AbandonGainKolmar, l);

    // A training session analyses its game instead of showing the result.
    const bool session = C.entrainement.active && f.options().ordinateurs;
    f.vue().texte(Etiquette::qui_gagne, t);
    f.vue().montrer(Panneau::fin_de_parties, !session);
    if (session) S.analyse_demandee = true;
    annoncer_fin(f, kind, match || humains ? -1 : gagnant);
    S.partie_finie = true;
    S.piece_choisie = 0;
    S.nb_saisis = 0;
    effacer_marques(S);
    S.resultat = kind == FIN_NULLE ? 1 : gagnant == BLANC ? 2 : gagnant == NOIR ? 0 : 3;
    // A rated game is scored once: matchState becomes 5.
    conclure_classement(f, S.resultat);
    regles_match(f);
    montrer_marques(f);
}

void position_changee(Controleur& f) {
    Session& S = f.session();
    ++S.version_position;
    S.arret_calcul = 1;
    S.reflexion_faite = false;
}

void effacer_saisie(Controleur& f) {
    Session& S = f.session();
    S.piece_choisie = 0;
    S.case_choisie = 0;
    S.nb_saisis = 0;
    S.ambiguite = false;
    effacer_marques(S);
    S.candidats.clear();
    S.dernier_coup_ordi[0] = S.dernier_coup_ordi[1] = 0;
    S.coup_depart = S.coup_arrivee = 0;
}

void nouvelle_partie(Controleur& f) {
    Session& S = f.session();
    Jeu& J = f.jeu();
    J.initialiser();
    position_changee(f);
    S.tour_ordinateur = 0;
    S.jouer_maintenant = 0;
    effacer_saisie(f);
    S.veto_reflexion = 1;
    S.partie_finie = false;
    S.resultat = 3;
    S.trait_dernier = J.trait;
    horloges_nouvelle_partie(f);
    commencer_partie(J.partie, J.damier, f.ctx().etat);
    f.vue().montrer(Panneau::fin_de_parties, false);
    effacer_panneaux_ordinateur(f);
    f.vue().montrer(Panneau::prise_obligatoire, false);
    f.vue().liste_coups(J.partie.lignes, J.partie.selection);
    placer_pions(f);
    compter_pions(f);
    montrer_marques(f);
}

void jouer_coup_ordinateur(Controleur& f, const Coup& c) {
    Session& S = f.session();
    Jeu& J = f.jeu();
    const Delais& d = f.ctx().delais;
    for (uint8_t& s : S.dernier_coup_ordi) {
        if (s) dessiner_case(f, s, J.plateau_affiche[s]);
        s = 0;
    }
    const int R = c.nb_prises;
    const bool par_etapes = R > 1 && f.options().decomposer_prises;
    uint8_t arrets[MAX_PRISES + 1] = {};
    if (R > 1) {
        chemin_de_prise(J.gen, c.depart, c.prises);
        std::memcpy(&arrets[1], &J.gen.cases_arrets[0][1], static_cast<size_t>(R));
    }
    S.chemin_joue.assign(&arrets[1], &arrets[1] + (R > 1 ? R - 1 : 0));
    S.ply_chemin = J.partie.demi_coup_courant + 1;
    uint8_t code = J.damier[c.depart];
    J.damier[c.depart] = VIDE;

    animation(f, true);
    for (int i = 0; i < 10; ++i) {
        dessiner_case(f, c.depart, code);
        attendre(f, d.clignotement_ms);
        dessiner_case(f, c.depart, VIDE);
        attendre(f, d.clignotement_ms);
    }
    if (par_etapes) {
        for (int k = 1; k < R; ++k) {
            dessiner_case(f, arrets[k], code);
            attendre(f, d.pas_ms);
            dessiner_case(f, arrets[k], VIDE);
        }
        dessiner_case(f, c.arrivee, code);
        attendre(f, d.fin_ms);
    }
    animation(f, false);

    for (int k = 0; k < R; ++k) {
        J.damier[c.prises[k]] = VIDE;
        dessiner_case(f, c.prises[k], VIDE);
    }
    if (case_de_promotion(code, c.arrivee)) ++code;
    J.damier[c.arrivee] = code;
    dessiner_case(f, c.arrivee, code);

    controler_temps(f);
    valider_demi_coup(f, static_cast<uint8_t>(R), c.depart, c.arrivee);
    encadrer_case(f, c.arrivee, COULEUR_AQUA);
    encadrer_case(f, c.depart, COULEUR_ARGENT);
    S.dernier_coup_ordi[0] = c.depart;
    S.dernier_coup_ordi[1] = c.arrivee;
    S.coup_depart = c.depart;
    S.coup_arrivee = c.arrivee;
    S.tour_ordinateur = 0;

    compter_pions(f);
    S.nb_legaux = coups_legaux(J.gen, J.trait);
    S.veto_reflexion = J.gen.prise_max > 2 ? 1 : 0;
    J.plateau_depuis_damier();
    const int n = J.partie.demi_coup_courant;
    if (n >= 0 && n < NB_ENREGISTREMENTS) J.partie.materiel[n] = total_pieces(J.damier);
    montrer_marques(f);
    if (S.nb_legaux == 0) fin_de_partie(f, FIN_HUMAIN_BLOQUE);
    else if (partie_pleine(J.partie)) fin_de_partie(f, FIN_NULLE);
}

void passe_boucle(Controleur& f, bool attendre_evenement) {
    Session& S = f.session();
    Jeu& J = f.jeu();
    if (S.jouer_maintenant) S.tour_ordinateur = 1;
    if (S.tour_ordinateur) f.vue().montrer(Panneau::prise_obligatoire, false);
    if (f.options().ordinateurs && !S.partie_finie) S.tour_ordinateur = 1;
    regles_match(f);
    // Block on the queue only when nothing is waiting to be done.
    const bool travail = S.jouer_maintenant || (S.tour_ordinateur && S.contre_ordinateur) || S.clic_en_attente;
    f.vue().traiter_evenements(attendre_evenement && !travail);
    if (S.fin_programme) return;
    if (S.analyse_demandee) Debuteruneanalyse1Click(f);
    if (!S.mode_probleme) {
        if ((S.tour_ordinateur && S.contre_ordinateur) || S.jouer_maintenant) {
            J.damier_depuis_plateau();
            S.en_reflexion_adverse = 0;
            tour_de_l_ordinateur(f);
        } else {
            S.arret_calcul = 0;
            if (!S.contre_ordinateur) J.plateau_depuis_damier();
            reflexion_adverse(f);
        }
    }
    S.jouer_maintenant = 0;
    if (S.clic_en_attente) {
        S.clic_en_attente = false;
        clic1(f, S.clic_x, S.clic_y);
    }
}

void boucle_principale(Controleur& f) {
    Session& S = f.session();
    S.clic_en_attente = false;
    while (!S.fin_programme) passe_boucle(f, true);
}

void placer_pions(Controleur& f) {
    f.vue().placer_pions(f.jeu().plateau_affiche);
}

void compter_pions(Controleur& f) {
    const Jeu& j = f.jeu();
    int blancs = 0, noirs = 0;
    for (int s = 1; s <= NB_CASES; ++s) {
        if (est_blanc(j.damier[s])) ++blancs;
        else if (est_noir(j.damier[s])) ++noirs;
    }
    f.vue().compteurs(blancs, noirs);
}

void Inverser(Controleur& f) {
    Contexte& C = f.ctx();
    C.damier_inverse = C.damier_inverse ? 0 : 1;
    f.vue().orientation(C.damier_inverse != 0, C.options.numeroter);
    f.vue().texte(Etiquette::Bas_Haut, texte(C.damier_inverse ? Texte::BlancsHautBas : Texte::BlancsBasHaut, C.langue));
    placer_pions(f);
    compter_pions(f);
}

void numerotation(Controleur& f) {
    Contexte& C = f.ctx();
    C.options.numeroter = !C.options.numeroter;
    f.vue().options(C.options);
    f.vue().orientation(C.damier_inverse != 0, C.options.numeroter);
    placer_pions(f);
}

}  // namespace kolmar
