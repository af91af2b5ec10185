#include "control/deroulement.h"

#include <cassert>
#include <cstring>

#include "control/analyse_partie.h"
#include "control/commandes.h"
#include "control/controleur.h"
#include "control/geometrie.h"
#include "control/marques.h"
#include "control/navigation.h"
#include "control/position.h"
#include "control/probleme.h"
#include "control/tour_ordinateur.h"
#include "lang/textes.h"

namespace kolmar {

namespace {

void dessiner_case(Controleur& f, int s, int code) {
    f.vue().dessiner_case(s, code);
}

// The 3D picture marks a square too, except the computer's squares when
// "Indication des mouvements" is off.
void encadrer_case(Controleur& f, int s, uint32_t couleur, bool de_l_ordinateur = false) {
    f.vue().encadrer_case(s, couleur, f.options().indication_mouvements || !de_l_ordinateur);
}

void attendre(Controleur& f, int ms) {
    f.vue().attendre(ms);
}

void effacer_marques(Session& S) {
    std::memset(S.marques, 0, sizeof S.marques);
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
    S.case_pressee = 0;
    S.candidat_retenu = -1;
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
void montrer_coup(Controleur& f, bool en_cours) {
    f.session().tour = en_cours ? Tour::coup_montre : Tour::repos;
    regles_match(f);
}

// With "Règles de nulle" checked, the half-move just played may draw the
// game; the side to move is known to have a move.
bool nulle_par_regles(Controleur& f) {
    if (!f.options().regles_nulle) return false;
    const Nulle n = nulle_partie(f.jeu().partie);
    if (n == Nulle::aucune) return false;
    fin_de_partie(f, FIN_NULLE, n);
    return true;
}

// The chosen move of the selected piece: committed, then the turn passes.
void executer(Controleur& f, const Candidat& c) {
    Session& S = f.session();
    Jeu& J = f.jeu();
    const int R = S.prise_saisie;
    Coup coup{};
    coup.depart = S.case_choisie;
    coup.arrivee = R > 0 ? c.arrets[R] : c.arrets[1];
    coup.nb_prises = static_cast<uint8_t>(R);
    std::memcpy(coup.prises, &c.prises[1], static_cast<size_t>(R));
    const std::vector<uint8_t> chemin(&c.arrets[1], &c.arrets[1] + (R > 1 ? R - 1 : 0));
    if (!jouer_demi_coup(f, coup, chemin, false)) return;

    if (S.contre_ordinateur) {
        // A computer left without a move loses on its own turn.
        if (partie_pleine(J.partie))
            fin_de_partie(f, FIN_NULLE);
        else if (coups_legaux(J.gen, J.trait) == 0 || !nulle_par_regles(f))
            S.tour = Tour::a_jouer;
        return;
    }
    S.nb_legaux = coups_legaux(J.gen, J.trait);
    f.vue().montrer(Panneau::prise_obligatoire, S.nb_legaux > 0 && J.gen.prise_max > 0);
    if (S.nb_legaux == 0)
        fin_de_partie(f, FIN_SANS_COUP);
    else if (partie_pleine(J.partie))
        fin_de_partie(f, FIN_NULLE);
    else
        nulle_par_regles(f);
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

// The move entered once square s is clicked, or null while it is not
// complete.
const Candidat* saisie_prise(Controleur& f, int s) {
    Session& S = f.session();
    const int R = S.prise_saisie;
    if (S.nb_saisis > R) return nullptr;
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
            return nullptr;
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
            return nullptr;
        }
    }
    return choisi;
}

const Candidat* saisie_simple(Controleur& f, int s) {
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
    if (S.marques[courant] == 0) return nullptr;
    for (const Candidat& c : S.candidats)
        if (c.arrets[1] == courant) return &c;
    return nullptr;
}

// A press the main loop takes at (x, y). `tenu`: its release is still to
// come, so a move that this press would both pick up and complete waits
// for it.
void appui1(Controleur& f, int x, int y, bool tenu) {
    Session& S = f.session();
    Jeu& J = f.jeu();
    S.case_pressee = 0;
    S.candidat_retenu = -1;
    S.deselection_retenue = false;
    f.vue().montrer(Panneau::Nulrefus, false);
    if (S.piece_choisie == 0) compter_pions(f);
    if ((tour_ordinateur(S) && !S.mode_probleme) || S.tour == Tour::coup_montre) return;
    const int s = case_du_point(x, y, f.ctx().damier_inverse != 0);
    if (s < 1 || s > NB_CASES) return;
    if (S.mode_probleme) {
        placer_piece(f, x, y);
        return;
    }
    if (!cellule_sombre(x, y)) return;
    if (S.partie_finie) return;
    S.arret_calcul = 1;
    relancer_horloges(f);

    if (S.piece_choisie != 0 && s == S.case_choisie && S.marques[s] == 0) {
        // The piece may be about to be dragged: the release puts it down.
        if (tenu) {
            S.case_pressee = static_cast<uint8_t>(s);
            S.deselection_retenue = true;
        } else {
            deselectionner(f);
        }
        return;
    }

    const bool nouvelle = S.piece_choisie == 0;
    if (nouvelle) {
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
        S.piece_choisie = J.plateau_affiche[s];
    }

    const Candidat* choisi = S.prise_saisie > 0 ? saisie_prise(f, s) : saisie_simple(f, s);
    if (choisi && nouvelle && tenu) {
        // A piece with a single move: the press picks it up, the release
        // plays it.
        S.candidat_retenu = static_cast<int>(choisi - S.candidats.data());
        S.case_pressee = static_cast<uint8_t>(s);
        return;
    }
    if (choisi)
        executer(f, *choisi);
    else if (S.piece_choisie != 0)
        S.case_pressee = static_cast<uint8_t>(s);
}

// The release of the press appui1 took last, at (x, y).
void relache1(Controleur& f, int x, int y) {
    Session& S = f.session();
    const uint8_t presse = S.case_pressee;
    const int retenu = S.candidat_retenu;
    const bool deselection = S.deselection_retenue;
    S.case_pressee = 0;
    S.candidat_retenu = -1;
    S.deselection_retenue = false;
    if (presse == 0 || S.piece_choisie == 0 || tour_ordinateur(S) || S.partie_finie || S.mode_probleme) return;
    const int s = cellule_sombre(x, y) ? case_du_point(x, y, f.ctx().damier_inverse != 0) : 0;
    const bool retenu_valide = retenu >= 0 && retenu < static_cast<int>(S.candidats.size());
    if (s == presse) {
        if (retenu_valide)
            executer(f, S.candidats[static_cast<size_t>(retenu)]);
        else if (deselection)
            deselectionner(f);
        return;
    }
    if (s < 1 || s > NB_CASES) return;
    if (retenu_valide) {
        // The single move dropped on its end square; elsewhere the piece
        // stays picked up, its end square offered.
        const Candidat& c = S.candidats[static_cast<size_t>(retenu)];
        if (s == c.arrets[S.prise_saisie > 0 ? S.prise_saisie : 1]) executer(f, c);
        return;
    }
    // Dragged: the drop names its square as a second click would.
    appui1(f, x, y, false);
}

}  // namespace

void appui(Controleur& f, int x, int y) {
    Session& S = f.session();
    S.appui_en_file = false;
    f.vue().montrer(Panneau::Learn, false);
    // Another tab than the set-up's is showing: the set-up is over and
    // this press is a move.
    if (S.mode_probleme && !S.onglet_probleme) quitter_probleme(f);
    // During the computer's turn or while a move is shown, a press only
    // stops the thinking (when allowed); it never picks up a piece, which
    // would play a move the human did not choose. In set-up the computer
    // does not think.
    if ((tour_ordinateur(S) && !S.mode_probleme) || S.tour == Tour::coup_montre) {
        if (!match_en_cours(f) && f.options().arret_par_clic) S.arret_calcul = 1;
        return;
    }
    S.saisies.push_back(Saisie{x, y, false});
    S.appui_en_file = true;
    S.arret_calcul = 1;
}

void relache(Controleur& f, int x, int y) {
    Session& S = f.session();
    // The release of a press that was refused is refused too.
    if (!S.appui_en_file) return;
    S.appui_en_file = false;
    S.saisies.push_back(Saisie{x, y, true});
}

void clic(Controleur& f, int x, int y) {
    appui(f, x, y);
    relache(f, x, y);
}

namespace {

// The middle of the cell of the square 3D position j shows, 2D rule.
bool point_3d(const Controleur& f, int j, int& x, int& y) {
    if (j < 1 || j > NB_CASES) return false;
    const bool inverse = f.ctx().damier_inverse != 0;
    centre_de_case(inverse ? 73 - j : j, inverse, x, y);
    return true;
}

}  // namespace

void appui_3d(Controleur& f, int j) {
    int x, y;
    if (point_3d(f, j, x, y))
        appui(f, x, y);
    else
        f.session().appui_en_file = false;
}

void relache_3d(Controleur& f, int j) {
    int x = -1, y = -1;
    point_3d(f, j, x, y);
    relache(f, x, y);
}

void DamierImage1Click(Controleur& f, int j) {
    int x, y;
    if (!point_3d(f, j, x, y)) return;
    clic(f, x, y);
}

void clic1(Controleur& f, int x, int y) {
    appui1(f, x, y, false);
}

namespace {

// The board input in the order it came.
void prendre_saisies(Controleur& f) {
    Session& S = f.session();
    while (!S.saisies.empty() && !S.fin_programme) {
        const Saisie e = S.saisies.front();
        S.saisies.pop_front();
        if (e.relache)
            relache1(f, e.x, e.y);
        else
            appui1(f, e.x, e.y, true);
        // What is left was aimed at the position before the computer's
        // reply; played after it, it would be a move nobody chose.
        if (tour_ordinateur(S) && !S.mode_probleme) {
            S.saisies.clear();
            S.appui_en_file = false;
        }
    }
}

}  // namespace

bool jouer_demi_coup(Controleur& f, const Coup& c, const std::vector<uint8_t>& chemin, bool ordinateur) {
    Session& S = f.session();
    Jeu& J = f.jeu();
    const Delais& d = f.ctx().delais;
    if (partie_pleine(J.partie)) {
        S.tour = Tour::repos;
        fin_de_partie(f, FIN_NULLE);
        return false;
    }
    const uint8_t code = J.plateau_affiche[c.depart];
    const bool par_etapes = c.nb_prises > 1 && f.options().decomposer_prises;
    if (ordinateur || par_etapes) {
        montrer_coup(f, true);
        if (ordinateur)
            for (int i = 0; i < 10; ++i) {
                dessiner_case(f, c.depart, code);
                attendre(f, d.clignotement_ms);
                dessiner_case(f, c.depart, VIDE);
                attendre(f, d.clignotement_ms);
            }
        dessiner_case(f, c.depart, VIDE);
        if (par_etapes) {
            for (uint8_t s : chemin) {
                dessiner_case(f, s, code);
                attendre(f, d.pas_ms);
                dessiner_case(f, s, VIDE);
            }
            dessiner_case(f, c.arrivee, code);
            attendre(f, d.fin_ms);
        }
        montrer_coup(f, false);
    }

    S.piece_choisie = 0;
    S.nb_saisis = 0;
    effacer_marques(S);
    S.coup_depart = c.depart;
    S.coup_arrivee = c.arrivee;
    S.chemin_joue = chemin;
    S.ply_chemin = J.partie.demi_coup_courant + 1;
    uint8_t apres[TAILLE_DAMIER];
    std::memcpy(apres, J.plateau_affiche, TAILLE_DAMIER);
    jouer_coup(apres, c);
    poser_position(J, apres);
    // The computer's time is checked once its move stands on the board,
    // before the turn passes.
    if (ordinateur) controler_temps(f);
    fin_de_tour_horloges(f, ordinateur);
    nouveau_demi_coup(J.partie, J.trait, J.plateau_affiche, c.nb_prises, c.depart, c.arrivee, f.ctx().etat);
    ++S.version_position;
    S.trait_dernier = J.trait;
    J.partie.materiel[J.partie.demi_coup_courant] = total_pieces(J.plateau_affiche);
    f.vue().liste_coups(J.partie.lignes, J.partie.selection);
    placer_pions(f);
    compter_pions(f);
    montrer_marques(f);
    return true;
}

void fin_de_partie(Controleur& f, int kind, Nulle regle) {
    Contexte& C = f.ctx();
    Session& S = f.session();
    Jeu& J = f.jeu();
    if (matchState(f) == MATCH_COMPTE) return;
    // A search still running is for a game that is over.
    S.arret_calcul = 1;
    int gagnant = -1;
    // The side to move first: when neither side can move, it is the one
    // that cannot play that loses.
    const int camp = J.trait;
    if (coups_legaux(J.gen, camp) == 0)
        gagnant = 1 - camp;
    else if (coups_legaux(J.gen, 1 - camp) == 0)
        gagnant = camp;
    if (kind == FIN_TEMPS_HUMAIN || kind == FIN_ABANDON) gagnant = S.couleur_ordinateur;
    if (kind == FIN_TEMPS_ORDI) gagnant = 1 - S.couleur_ordinateur;

    const int l = C.langue;
    const bool match = matchState(f) != MATCH_AUCUN;
    const bool humains = S.contre_ordinateur == 0;
    std::string t;
    if (gagnant == BLANC || gagnant == NOIR) {
        const std::string& nom = gagnant == BLANC ? C.etat.nom_blanc : C.etat.nom_noir;
        if (match)
            t = nom + texte(Texte::Gagne, l);
        else if (humains)
            t = texte(gagnant == BLANC ? Texte::GainDesBlancs : Texte::GainDesNoirs, l);
        else
            t = texte(gagnant == S.couleur_ordinateur ? Texte::KolmarAGagne : Texte::VousAvezGagne, l);
    }
    if (kind == FIN_NULLE) {
        static const Texte k_regles[] = {Texte::MatchNul, Texte::NulleRepetition, Texte::NulleCoupsDeDames,
                                         Texte::NulleFinaleTrois, Texte::NulleFinaleDeux};  // in Nulle's order
        t = texte(k_regles[static_cast<int>(regle)], l);
    }
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
    S.case_pressee = 0;
    S.candidat_retenu = -1;
    S.deselection_retenue = false;
    S.dernier_coup_ordi[0] = S.dernier_coup_ordi[1] = 0;
    S.coup_depart = S.coup_arrivee = 0;
}

void nouvelle_partie(Controleur& f) {
    Session& S = f.session();
    Jeu& J = f.jeu();
    J.initialiser();
    position_changee(f);
    S.tour = Tour::repos;
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
    for (uint8_t& s : S.dernier_coup_ordi) {
        if (s) dessiner_case(f, s, J.plateau_affiche[s]);
        s = 0;
    }
    std::vector<uint8_t> chemin;
    if (c.nb_prises > 1 && chemin_de_prise(J.gen, c.depart, c.prises))
        chemin.assign(&J.gen.cases_arrets[0][1], &J.gen.cases_arrets[0][1] + c.nb_prises - 1);
    if (!jouer_demi_coup(f, c, chemin, true)) return;
    encadrer_case(f, c.arrivee, COULEUR_AQUA, true);
    encadrer_case(f, c.depart, COULEUR_ARGENT, true);
    S.dernier_coup_ordi[0] = c.depart;
    S.dernier_coup_ordi[1] = c.arrivee;
    S.nb_legaux = coups_legaux(J.gen, J.trait);
    S.veto_reflexion = J.gen.prise_max > 2 ? 1 : 0;
    if (S.nb_legaux == 0)
        fin_de_partie(f, FIN_HUMAIN_BLOQUE);
    else if (partie_pleine(J.partie))
        fin_de_partie(f, FIN_NULLE);
    else
        nulle_par_regles(f);
}

void passe_boucle(Controleur& f, bool attendre_evenement) {
    Session& S = f.session();
    // The working board is the position's copy between two events.
    assert(position_coherente(f.jeu()));
    if (S.tour == Tour::a_jouer) f.vue().montrer(Panneau::prise_obligatoire, false);
    if (f.options().ordinateurs && !S.partie_finie && S.tour == Tour::repos) S.tour = Tour::a_jouer;
    regles_match(f);
    const bool ordinateur = S.tour == Tour::a_jouer && S.contre_ordinateur;
    // Block on the queue only when nothing is waiting to be done.
    const bool travail = ordinateur || clic_en_attente(S);
    f.vue().traiter_evenements(attendre_evenement && !travail);
    if (S.fin_programme) return;
    if (S.analyse_demandee) Debuteruneanalyse1Click(f);
    if (!S.mode_probleme) {
        if (S.tour == Tour::a_jouer && S.contre_ordinateur) {
            S.en_reflexion_adverse = 0;
            tour_de_l_ordinateur(f);
        } else {
            S.arret_calcul = 0;
            reflexion_adverse(f);
        }
    }
    prendre_saisies(f);
}

void boucle_principale(Controleur& f) {
    Session& S = f.session();
    S.saisies.clear();
    while (!S.fin_programme) passe_boucle(f, true);
}

void placer_pions(Controleur& f) {
    f.vue().placer_pions(f.jeu().plateau_affiche);
}

void compter_pions(Controleur& f) {
    const uint8_t* n = f.jeu().nb_pieces;
    f.vue().compteurs(n[PION_BLANC] + n[DAME_BLANCHE], n[PION_NOIR] + n[DAME_NOIRE]);
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
