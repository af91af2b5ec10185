#include "control/deroulement.h"

#include <QAction>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <cstring>

#include "control/tour_ordinateur.h"
#include "control/ui_horloges.h"
#include "display/damier2d.h"
#include "forms/tform1.h"
#include "lang/textes.h"

namespace kolmar {

namespace {

QString tr_texte(Texte t) { return QString::fromUtf8(texte(t)); }

void effacer_marques(Session& S) { std::memset(S.marques, 0, sizeof S.marques); }

void redessiner_cases_vides(TForm1& f) {
    const Jeu& J = f.jeu();
    for (int s = 1; s <= NB_CASES; ++s)
        if (J.damier[s] == VIDE) dessiner_case(f, s, VIDE);
}

// The board as committed, then the selection and the path entered so far:
// a full redraw is the only way to wipe earlier outlines completely.
void redessiner_saisie(TForm1& f) {
    const Session& S = f.session();
    placer_pions(f);
    if (S.piece_choisie != 0) encadrer_case(f, S.case_choisie, COULEUR_ROUGE);
    for (int i = 1; i <= S.nb_saisis; ++i) encadrer_case(f, S.chemin_saisi[i], COULEUR_BLEU);
}

void deselectionner(TForm1& f) {
    Session& S = f.session();
    S.piece_choisie = 0;
    S.nb_saisis = 0;
    S.ambiguite = false;
    effacer_marques(S);
    placer_pions(f);
}

bool concorde(const Session& S, const Candidat& c, int nb) {
    for (int i = 1; i <= nb; ++i)
        if (c.arrets[i] != S.chemin_saisi[i]) return false;
    return true;
}

// Menus that would change the game while a move is being shown.
void verrouiller_menus(TForm1& f, bool verrou) {
    for (QAction* a : {f.Nouveau2, f.Humaincontrehumain1, f.Inverserdamier1, f.Numroterlescase1})
        a->setEnabled(!verrou);
}

// Carries out the chosen move of the selected piece on damier and on the
// screen, step by step for a multiple capture, then commits it.
void executer(TForm1& f, const Candidat& c) {
    Session& S = f.session();
    Jeu& J = f.jeu();
    const int R = S.prise_saisie;
    const uint8_t depart = S.case_choisie;
    const uint8_t arrivee = R > 0 ? c.arrets[R] : c.arrets[1];
    uint8_t code = J.damier[depart];
    J.damier[depart] = VIDE;
    for (int k = 1; k <= R; ++k) J.damier[c.prises[k]] = VIDE;

    if (R > 1 && f.Dcomposerlesprises1->isChecked()) {
        S.animation = true;
        verrouiller_menus(f, true);
        dessiner_case(f, depart, VIDE);
        for (int k = 1; k < R; ++k) {
            dessiner_case(f, c.arrets[k], code);
            attendre(f.ctx().delais.pas_ms);
            dessiner_case(f, c.arrets[k], VIDE);
        }
        dessiner_case(f, arrivee, code);
        attendre(f.ctx().delais.fin_ms);
        verrouiller_menus(f, false);
        S.animation = false;
    }
    if (case_de_promotion(code, arrivee)) ++code;
    J.damier[arrivee] = code;
    dessiner_case(f, arrivee, code);
    redessiner_cases_vides(f);
    effacer_marques(S);
    S.coup_depart = depart;
    S.coup_arrivee = arrivee;

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
    f.montrer_prise_obligatoire(S.nb_legaux > 0 && J.gen.prise_max > 0);
    if (S.nb_legaux == 0) fin_de_partie(f, FIN_SANS_COUP);
    else if (partie_pleine(J.partie)) fin_de_partie(f, FIN_NULLE);
}

// Offers the next landing squares of a capture from the path entered so
// far; steps without a choice are taken at once. Returns the square that
// counts as clicked last.
int offrir_etapes(TForm1& f, int courant) {
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

void saisie_prise(TForm1& f, int s) {
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

void saisie_simple(TForm1& f, int s) {
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

void attendre(int ms) {
    if (ms <= 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    QEventLoop boucle;
    QTimer::singleShot(ms, &boucle, &QEventLoop::quit);
    boucle.exec();
}

void clic1(TForm1& f, int x, int y) {
    Session& S = f.session();
    Jeu& J = f.jeu();
    f.Nulrefus->hide();
    if (S.piece_choisie == 0) compter_pions(f);
    if (S.tour_ordinateur && !S.mode_probleme) return;
    if (S.animation) return;
    J.damier[0] = BORD;
    const int s = case_du_point(x, y, f.affichage.damier_inverse != 0);
    if (s < 1 || s > NB_CASES) return;
    if (S.mode_probleme) return;  // set-up places pieces instead
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
        f.montrer_prise_obligatoire(J.gen.prise_max > 0);
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

void valider_demi_coup(TForm1& f, uint8_t prise, uint8_t de, uint8_t vers) {
    Session& S = f.session();
    Jeu& J = f.jeu();
    J.plateau_depuis_damier();
    fin_de_tour_horloges(f);
    if (!nouveau_demi_coup(J.partie, J.trait, J.damier, prise, de, vers, f.ctx().etat)) return;
    S.trait_dernier = J.trait;
    f.afficher_liste();
}

void fin_de_partie(TForm1& f, int kind) {
    Session& S = f.session();
    Jeu& J = f.jeu();
    // damier is the search's until it returns; the end waits for it.
    if (S.recherche_en_cours) {
        S.fin_differee = kind;
        S.arret_calcul = 1;
        return;
    }
    if (S.matchState == 5) return;
    J.damier[0] = BORD;
    int gagnant = -1;
    if (coups_legaux(J.gen, BLANC) == 0) gagnant = NOIR;
    else if (coups_legaux(J.gen, NOIR) == 0) gagnant = BLANC;
    if (kind == FIN_TEMPS_HUMAIN || kind == FIN_ABANDON) gagnant = S.couleur_ordinateur;
    if (kind == FIN_TEMPS_ORDI) gagnant = 1 - S.couleur_ordinateur;

    const bool match = S.matchState != 0;
    const bool humains = S.contre_ordinateur == 0;
    QString t;
    if (gagnant == BLANC || gagnant == NOIR) {
        const std::string& nom = gagnant == BLANC ? f.ctx().etat.nom_blanc : f.ctx().etat.nom_noir;
        if (match) t = QString::fromStdString(nom) + tr_texte(Texte::Gagne);
        else if (humains) t = tr_texte(gagnant == BLANC ? Texte::GainDesBlancs : Texte::GainDesNoirs);
        else t = tr_texte(gagnant == S.couleur_ordinateur ? Texte::KolmarAGagne : Texte::VousAvezGagne);
    }
    if (kind == FIN_NULLE) t = tr_texte(Texte::MatchNul);
    if (kind == FIN_TEMPS_HUMAIN) t = tr_texte(Texte::TempsDepasseGainKolmar);
    if (kind == FIN_TEMPS_ORDI) t = tr_texte(Texte::TempsDepasseVousGagnez);
    if (kind == FIN_ABANDON) t = tr_texte(Texte::AbandonGainKolmar);

    f.qui_gagne->setText(t);
    f.fin_de_parties->show();
    f.fin_de_parties->raise();
    annoncer_fin(f, t);
    S.partie_finie = true;
    S.piece_choisie = 0;
    S.nb_saisis = 0;
    effacer_marques(S);
    f.Fichier1->setEnabled(true);
    f.Numroterlescase1->setEnabled(true);
    S.resultat = kind == FIN_NULLE ? 1 : gagnant == BLANC ? 2 : gagnant == NOIR ? 0 : 3;
    // A rated game is scored once: matchState becomes 5.
    f.conclure_classement(S.resultat);
}

void nouvelle_partie(TForm1& f) {
    Session& S = f.session();
    Jeu& J = f.jeu();
    J.initialiser();
    S.tour_ordinateur = 0;
    S.jouer_maintenant = 0;
    S.arret_calcul = 0;
    S.piece_choisie = 0;
    S.case_choisie = 0;
    S.nb_saisis = 0;
    S.ambiguite = false;
    effacer_marques(S);
    S.candidats.clear();
    S.dernier_coup_ordi[0] = S.dernier_coup_ordi[1] = 0;
    S.coup_depart = S.coup_arrivee = 0;
    S.veto_reflexion = 1;
    S.partie_finie = false;
    S.resultat = 3;
    S.trait_dernier = J.trait;
    horloges_nouvelle_partie(f);
    commencer_partie(J.partie, J.damier, f.ctx().etat);
    f.fin_de_parties->hide();
    effacer_panneaux_ordinateur(f);
    f.montrer_prise_obligatoire(false);
    f.afficher_liste();
    placer_pions(f);
    compter_pions(f);
}

void jouer_coup_ordinateur(TForm1& f, const Coup& c) {
    Session& S = f.session();
    Jeu& J = f.jeu();
    const Delais& d = f.ctx().delais;
    for (uint8_t& s : S.dernier_coup_ordi) {
        if (s) dessiner_case(f, s, J.plateau_affiche[s]);
        s = 0;
    }
    const int R = c.nb_prises;
    const bool par_etapes = R > 1 && f.Dcomposerlesprises1->isChecked();
    uint8_t arrets[MAX_PRISES + 1] = {};
    if (par_etapes) {
        chemin_de_prise(J.gen, c.depart, c.prises);
        std::memcpy(&arrets[1], &J.gen.cases_arrets[0][1], static_cast<size_t>(R));
    }
    uint8_t code = J.damier[c.depart];
    J.damier[c.depart] = VIDE;

    S.animation = true;
    verrouiller_menus(f, true);
    for (int i = 0; i < 10; ++i) {
        dessiner_case(f, c.depart, code);
        attendre(d.clignotement_ms);
        dessiner_case(f, c.depart, VIDE);
        attendre(d.clignotement_ms);
    }
    if (par_etapes) {
        for (int k = 1; k < R; ++k) {
            dessiner_case(f, arrets[k], code);
            attendre(d.pas_ms);
            dessiner_case(f, arrets[k], VIDE);
        }
        dessiner_case(f, c.arrivee, code);
        attendre(d.fin_ms);
    }
    verrouiller_menus(f, false);
    S.animation = false;

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
    if (S.nb_legaux == 0) fin_de_partie(f, FIN_HUMAIN_BLOQUE);
    else if (partie_pleine(J.partie)) fin_de_partie(f, FIN_NULLE);
}

void passe_boucle(TForm1& f, bool attendre_evenement) {
    Session& S = f.session();
    Jeu& J = f.jeu();
    if (S.jouer_maintenant) S.tour_ordinateur = 1;
    if (S.tour_ordinateur) f.montrer_prise_obligatoire(false);
    if (f.Ordinateurcontreordinateur1->isChecked() && !S.partie_finie) S.tour_ordinateur = 1;
    f.regles_match();
    // Block on the queue only when nothing is waiting to be done.
    const bool travail = S.jouer_maintenant || (S.tour_ordinateur && S.contre_ordinateur) || S.clic_en_attente;
    QCoreApplication::processEvents(attendre_evenement && !travail ? QEventLoop::WaitForMoreEvents
                                                                   : QEventLoop::AllEvents);
    if (S.fin_programme) return;
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

void boucle_principale(TForm1& f) {
    Session& S = f.session();
    S.clic_en_attente = false;
    S.navigation = 0;
    while (!S.fin_programme) passe_boucle(f, true);
}

}  // namespace kolmar
