// The game analysis: one search per position from the last back to the
// first, the game's own move scored by the step before (see the root loop
// of the search), and the lines that compare it with the best move.
#include "engine/analyse.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "lang/textes_analyse.h"

namespace kolmar {

namespace {

void poser_position(Jeu& j, int w) {
    j.partie.demi_coup_courant = w;
    EtatNote etat;
    reprendre_position(j.partie, j.damier, etat);
    j.plateau_depuis_damier();
    compter_pieces(j.damier, j.nb_pieces);
}

std::string formater(TexteAnalyse format, const LigneAnalyse& l, int langue) {
    // Halved toward zero: the lines show hundredths of a man.
    char buf[256];
    std::snprintf(buf, sizeof buf, texte(format, langue), l.demi_coup / 2 + 1, nom_case[l.joue_de],
                  nom_case[l.joue_vers], l.score_joue / 2, nom_case[l.meilleur_de], nom_case[l.meilleur_vers],
                  l.score_meilleur / 2);
    return std::string(l.faute ? "*" : "") + buf;
}

}  // namespace

bool analyser_partie(Moteur& m, Analyse& a, const RappelsAnalyse& r) {
    Jeu& j = m.jeu;
    Partie& pt = j.partie;
    const int depart = pt.demi_coup_courant;
    if (depart <= 0 || depart >= NB_ENREGISTREMENTS) return false;

    // Only the current index moves during the analysis; the whole record
    // is put back anyway so that nothing the search does can leak out.
    const auto record = std::make_unique<Partie>(pt);
    const uint8_t trait_depart = j.trait;
    const Limites limites = m.limites;
    const auto pompe = m.rappels.traiter_messages;

    a = Analyse{};
    a.trait_depart = trait_depart;
    a.scores.assign(static_cast<size_t>(depart) + 1, 0);
    a.camps.assign(static_cast<size_t>(depart) + 1, BLANC);

    bool fin = false;
    auto sonder = [&] {
        if (!r.sonder) return;
        const ArretAnalyse ordre = r.sonder();
        if (ordre != ArretAnalyse::aucun) m.arret_calcul = true;
        if (ordre == ArretAnalyse::tout) fin = true;
    };
    m.rappels.traiter_messages = sonder;
    Limites& L = m.limites;
    L.analyse = true;
    L.en_reflexion_adverse = false;
    L.temps_camp = 0;  // both clocks at zero for every position
    // A book move has no score to compare the game's move with.
    L.bibliotheque = false;

    int w = depart;
    poser_position(j, w);
    if (j.nb_pieces[PION_BLANC] + j.nb_pieces[DAME_BLANCHE] == 0 ||
        j.nb_pieces[PION_NOIR] + j.nb_pieces[DAME_NOIRE] == 0) {
        // The last piece was taken: the final position is lost for the side
        // without pieces and is not searched.
        const int vide = j.nb_pieces[PION_BLANC] + j.nb_pieces[DAME_BLANCHE] == 0 ? BLANC : NOIR;
        m.dernier_score = static_cast<int16_t>(trait_depart == vide ? -SCORE_GAIN : SCORE_GAIN);
        a.scores[w] = m.dernier_score;
        a.camps[w] = trait_depart;
        --w;
    }
    a.w0 = a.w = w;
    L.longueur_analyse = w;

    for (bool premier = true; !fin; premier = false) {
        poser_position(j, w);
        const bool suite = w < a.w0;
        const uint8_t joue_de = suite ? pt.partie[w + 1][OFS_DE] : 0;
        const uint8_t joue_vers = suite ? pt.partie[w + 1][OFS_VERS] : 0;
        // The side to move is the owner of the piece the game moved next.
        if (w == depart)
            j.trait = trait_depart;
        else
            j.trait = est_noir(j.damier[joue_de]) ? NOIR : BLANC;
        if (r.position) r.position(w);
        sonder();
        if (fin) break;

        int prev = premier ? 0 : m.dernier_score;
        const ChoixCoup choix = choisir_coup(m, j.trait);
        m.abandon = false;
        int s = m.dernier_score;
        if (choix.genre == ChoixCoup::Genre::aucun_coup) s = -SCORE_GAIN;
        if (s == SCORE_COUP_UNIQUE) s = -prev;  // a single legal move: the next position's score
        m.dernier_score = static_cast<int16_t>(s);

        uint8_t best_de = joue_de, best_vers = joue_vers;
        // A single move was not searched: the game's own move stands.
        const bool cherche = choix.genre == ChoixCoup::Genre::coup;
        if (cherche) {
            best_de = choix.coup.depart;
            best_vers = choix.coup.arrivee;
        }
        if (best_de == joue_de && best_vers == joue_vers) prev = -s;
        if (suite) {
            LigneAnalyse l;
            l.demi_coup = w;
            l.camp = j.trait;
            l.joue_de = joue_de;
            l.joue_vers = joue_vers;
            l.meilleur_de = best_de;
            l.meilleur_vers = best_vers;
            l.score_joue = -prev;
            l.score_meilleur = s;
            l.faute = faute_analyse(s, -prev);
            if (cherche) {
                l.suite[0] = m.pv[1][0].depart, l.suite[1] = m.pv[1][0].arrivee;
                l.suite[2] = m.pv[1][1].depart, l.suite[3] = m.pv[1][1].arrivee;
            }
            a.lignes.insert(a.lignes.begin(), l);
        }
        a.scores[w] = static_cast<int16_t>(s);
        a.camps[w] = j.trait;
        a.w = w;
        if (suite && r.ligne) r.ligne(a);
        if (w == 0) {
            a.finie = true;
            break;
        }
        --w;
    }

    pt = *record;
    poser_position(j, depart);
    j.trait = trait_depart;
    m.limites = limites;
    m.rappels.traiter_messages = pompe;
    return true;
}

bool faute_analyse(int meilleur, int joue) {
    return std::abs(meilleur - joue) > 100 && std::abs(meilleur + joue) < 60000;
}

std::string ligne_longue(const LigneAnalyse& l, int langue) {
    std::string t =
        formater(l.camp == NOIR ? TexteAnalyse::LigneLongueNoir : TexteAnalyse::LigneLongueBlanc, l, langue);
    if (l.faute) {
        char buf[64];
        std::snprintf(buf, sizeof buf, texte(TexteAnalyse::Suite, langue), nom_case[l.suite[0]], nom_case[l.suite[1]],
                      nom_case[l.suite[2]], nom_case[l.suite[3]]);
        t += buf;
    }
    return t;
}

std::string ligne_courte(const LigneAnalyse& l, int langue) {
    return formater(l.camp == NOIR ? TexteAnalyse::LigneCourteNoir : TexteAnalyse::LigneCourteBlanc, l, langue);
}

std::vector<std::string> lignes_longues(const Analyse& a, int langue) {
    std::vector<std::string> t;
    for (const LigneAnalyse& l : a.lignes) t.push_back(ligne_longue(l, langue));
    t.push_back(texte(TexteAnalyse::LegendeScores, langue));
    t.push_back(texte(TexteAnalyse::LegendeAttente, langue));
    return t;
}

std::vector<std::string> lignes_courtes(const Analyse& a, int langue) {
    std::vector<std::string> t;
    for (const LigneAnalyse& l : a.lignes) t.push_back(ligne_courte(l, langue));
    return t;
}

std::vector<std::string> lignes_a_sauver(const Analyse& a, int langue) {
    std::vector<std::string> t = lignes_longues(a, langue);
    t.resize(static_cast<size_t>(std::clamp(a.w0 - a.w, 0, static_cast<int>(t.size()))));
    return t;
}

int fautes(const Analyse& a, int camp) {
    return static_cast<int>(std::count_if(a.lignes.begin(), a.lignes.end(),
                                          [camp](const LigneAnalyse& l) { return l.faute && l.camp == camp; }));
}

int demi_coup_de_ligne(const Analyse& a, int ligne) {
    if (ligne < 0 || ligne >= static_cast<int>(a.lignes.size())) return -1;
    return a.lignes[static_cast<size_t>(ligne)].demi_coup;
}

std::vector<double> courbe_analyse(const Analyse& a) {
    std::vector<double> c(a.scores.size(), std::nan(""));
    for (size_t w = static_cast<size_t>(std::max(a.w, 0)); w < a.scores.size(); ++w) {
        const double hommes = (a.camps[w] == BLANC ? a.scores[w] : -a.scores[w]) / 200.0;
        c[w] = std::clamp(hommes, -5.0, 5.0);
    }
    return c;
}

}  // namespace kolmar
