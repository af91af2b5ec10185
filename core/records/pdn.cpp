#include "records/pdn.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace kolmar {

std::string coup_court(const Coup& c) {
    return std::to_string(c.depart) + (c.nb_prises ? "x" : "-") + std::to_string(c.arrivee);
}

std::string coup_protocole(const Coup& c) {
    std::string t = coup_court(c);
    for (int k = 0; k < c.nb_prises; ++k) t += "x" + std::to_string(c.prises[k]);
    return t;
}

namespace {}  // namespace

std::string coup_pdn(Generateur& g, const Coup& c) {
    if (c.nb_prises == 0) return coup_court(c);
    const uint8_t code = g.damier[c.depart];
    const int n = coups_legaux(g, est_noir(code) ? NOIR : BLANC);
    bool ambigu = false;
    for (int i = 0; i < n; ++i) {
        const Coup& a = g.liste_coups[1][i];
        if (a.depart == c.depart && a.arrivee == c.arrivee && !memes_pieces_prises(a, c)) ambigu = true;
    }
    if (!ambigu) return coup_court(c);
    chemin_de_prise(g, c.depart, c.prises);
    std::string t = std::to_string(c.depart);
    // Landing squares after each capture but the last, then the end: a king
    // may stop on any square past its last piece.
    for (int k = 1; k < c.nb_prises; ++k) t += "x" + std::to_string(g.cases_arrets[0][k]);
    t += "x" + std::to_string(c.arrivee);
    return t;
}

int trouver_coup(const std::string& texte, const Coup* liste, int n) {
    std::vector<int> cases;
    bool prise = false, calme = false;
    size_t i = 0;
    while (i < texte.size()) {
        if (texte[i] < '0' || texte[i] > '9') return -1;
        int v = 0;
        while (i < texte.size() && texte[i] >= '0' && texte[i] <= '9') {
            v = v * 10 + (texte[i] - '0');
            if (v > NB_CASES) return -1;
            ++i;
        }
        if (v < 1) return -1;
        cases.push_back(v);
        if (i == texte.size()) break;
        if (texte[i] == 'x' || texte[i] == 'X' || texte[i] == ':')
            prise = true;
        else if (texte[i] == '-')
            calme = true;
        else
            return -1;
        if (++i == texte.size()) return -1;
    }
    if (cases.size() < 2 || (prise && calme) || (calme && cases.size() != 2)) return -1;
    int trouve = -1;
    for (int k = 0; k < n; ++k) {
        const Coup& c = liste[k];
        if (c.depart != cases[0] || c.arrivee != cases[1] || (c.nb_prises > 0) != prise) continue;
        if (cases.size() > 2) {
            if (static_cast<int>(cases.size()) - 2 != c.nb_prises) continue;
            Coup voulu = c;
            for (int j = 0; j < c.nb_prises; ++j) voulu.prises[j] = static_cast<uint8_t>(cases[j + 2]);
            if (!memes_pieces_prises(voulu, c)) continue;
        } else if (trouve >= 0 && !memes_pieces_prises(liste[trouve], c)) {
            return -1;  // "axb" names two different captures
        }
        if (trouve < 0) trouve = k;
    }
    return trouve;
}

std::string ecrire_position(const uint8_t damier[TAILLE_DAMIER], int trait) {
    static const char k_lettres[5] = {'e', 'w', 'W', 'b', 'B'};
    std::string t(1, trait == BLANC ? 'W' : 'B');
    for (int s = 1; s <= NB_CASES; ++s) t += damier[s] <= DAME_NOIRE ? k_lettres[damier[s]] : 'e';
    return t;
}

bool lire_position(const std::string& texte, uint8_t damier[TAILLE_DAMIER], int& trait) {
    if (texte.size() != 1 + NB_CASES || (texte[0] != 'W' && texte[0] != 'B')) return false;
    uint8_t b[TAILLE_DAMIER];
    b[0] = BORD;
    for (int s = 1; s <= NB_CASES; ++s) {
        switch (texte[s]) {
            case 'e':
                b[s] = VIDE;
                break;
            case 'w':
                b[s] = PION_BLANC;
                break;
            case 'W':
                b[s] = DAME_BLANCHE;
                break;
            case 'b':
                b[s] = PION_NOIR;
                break;
            case 'B':
                b[s] = DAME_NOIRE;
                break;
            default:
                return false;
        }
        if (est_pion(b[s]) && case_de_promotion(b[s], s)) return false;
    }
    std::memcpy(damier, b, sizeof b);
    trait = texte[0] == 'W' ? BLANC : NOIR;
    return true;
}

std::string ecrire_pdn(const PartiePdn& p) {
    std::string t;
    auto etiquette = [&](const std::string& nom, const std::string& valeur) {
        std::string v;
        for (char ch : valeur) {
            if (ch == '"' || ch == '\\') v += '\\';
            v += ch;
        }
        t += "[" + nom + " \"" + v + "\"]\n";
    };
    for (const auto& e : p.etiquettes) etiquette(e.first, e.second);
    etiquette("Result", p.resultat);
    etiquette("GameType", "27,W,12,12,N2,0");
    if (!p.fen.empty()) etiquette("FEN", p.fen);
    t += '\n';
    std::string ligne;
    auto ajouter = [&](const std::string& mot) {
        if (!ligne.empty() && ligne.size() + 1 + mot.size() > 79) {
            t += ligne + '\n';
            ligne.clear();
        }
        if (!ligne.empty()) ligne += ' ';
        ligne += mot;
    };
    int numero = 1;
    int trait = p.premier_trait;
    for (size_t k = 0; k < p.coups.size(); ++k) {
        if (trait == BLANC)
            ajouter(std::to_string(numero) + ". " + p.coups[k]);
        else if (k == 0)
            ajouter(std::to_string(numero) + "... " + p.coups[k]);
        else
            ajouter(p.coups[k]);
        if (trait == NOIR) ++numero;
        trait = 1 - trait;
    }
    ajouter(p.resultat);
    t += ligne + "\n\n";
    return t;
}

PartiePdn pdn_de_partie(const Partie& pt, uint8_t trait, const std::string& blanc, const std::string& noir,
                        int resultat, const EntetePdn& entete) {
    PartiePdn p;
    static const char* const k_resultats[4] = {"0-2", "1-1", "2-0", "*"};
    p.resultat = resultat >= 0 && resultat <= 3 ? k_resultats[resultat] : "*";
    p.etiquettes = {{"Event", entete.event}, {"Site", entete.site}, {"Date", entete.date},
                    {"Round", entete.round}, {"White", blanc},      {"Black", noir}};

    const int courant = std::max(0, std::min<int>(pt.demi_coup_courant, DEMI_COUPS_MAX));
    // The whole game, also when the board shows an earlier ply (a lesson
    // opens at its set-up with the solution ahead).
    const int dernier = std::max(0, std::min<int>(pt.dernier_demi_coup, DEMI_COUPS_MAX));
    auto plateau = std::make_unique<uint8_t[]>(TAILLE_DAMIER);
    uint8_t* b = plateau.get();
    auto charger = [&](int ply) {
        std::memcpy(b + 1, &pt.partie[ply][OFS_CASES], NB_CASES);
        b[0] = BORD;
    };
    charger(0);
    // The side of the first move: the colour of the piece it moved.
    int camp = (trait ^ (courant & 1)) & 1;
    const uint8_t de1 = pt.partie[1][OFS_DE];
    if (dernier >= 1 && de1 >= 1 && de1 <= NB_CASES && b[de1] >= PION_BLANC && b[de1] <= DAME_NOIRE)
        camp = est_noir(b[de1]) ? NOIR : BLANC;
    p.premier_trait = camp;
    uint8_t initiale[TAILLE_DAMIER];
    position_initiale(initiale);
    if (camp != BLANC || std::memcmp(initiale + 1, b + 1, NB_CASES) != 0) p.fen = ecrire_fen(b, camp);

    auto g = std::make_unique<Generateur>();
    g->damier = b;
    init_listes(*g);
    for (int ply = 1; ply <= dernier; ++ply) {
        charger(ply - 1);
        const uint8_t* r = pt.partie[ply];
        const uint8_t* apres = r + OFS_CASES;
        const int n = coups_legaux(*g, camp);
        int trouve = -1;
        for (int k = 0; k < n && trouve < 0; ++k) {
            const Coup& c = g->liste_coups[1][k];
            if (c.depart != r[OFS_DE] || c.arrivee != r[OFS_VERS]) continue;
            uint8_t essai[TAILLE_DAMIER];
            std::memcpy(essai, b, TAILLE_DAMIER);
            jouer_coup(essai, c);
            if (std::memcmp(essai + 1, apres, NB_CASES) == 0) trouve = k;
        }
        if (trouve >= 0) {
            const Coup c = g->liste_coups[1][trouve];
            p.coups.push_back(coup_pdn(*g, c));
        } else {
            // A record no legal move explains (a hand-edited file): its squares.
            p.coups.push_back(std::to_string(r[OFS_DE]) + (r[OFS_PRISE] ? "x" : "-") + std::to_string(r[OFS_VERS]));
        }
        camp = 1 - camp;
    }
    return p;
}

}  // namespace kolmar
