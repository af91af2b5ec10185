#include "rules/board.h"

#include <cstdio>
#include <cstring>
#include <sstream>

namespace kolmar {

const char nom_case[TAILLE_DAMIER][3] = {
    "0",  "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12", "13", "14", "15", "16", "17", "18",
    "19", "20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30", "31", "32", "33", "34", "35", "36", "37",
    "38", "39", "40", "41", "42", "43", "44", "45", "46", "47", "48", "49", "50", "51", "52", "53", "54", "55", "56",
    "57", "58", "59", "60", "61", "62", "63", "64", "65", "66", "67", "68", "69", "70", "71", "72"};

void position_initiale(uint8_t damier[TAILLE_DAMIER]) {
    damier[0] = BORD;
    for (int s = 1; s <= 30; ++s) damier[s] = PION_NOIR;
    for (int s = 31; s <= 42; ++s) damier[s] = VIDE;
    for (int s = 43; s <= 72; ++s) damier[s] = PION_BLANC;
}

void compter_pieces(const uint8_t damier[TAILLE_DAMIER], uint8_t nb_pieces[5]) {
    std::memset(nb_pieces, 0, 5);
    for (int s = 1; s <= NB_CASES; ++s)
        if (damier[s] >= 1 && damier[s] <= 4) ++nb_pieces[damier[s]];
}

namespace {

bool lire_nombre(const std::string& t, size_t& i, int& n) {
    size_t debut = i;
    n = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
        n = n * 10 + (t[i] - '0');
        if (n > 1000) return false;
        ++i;
    }
    return i > debut;
}

bool echec(std::string* erreur, const std::string& texte) {
    if (erreur) *erreur = texte;
    return false;
}

}  // namespace

bool lire_fen(const std::string& fen_brut, uint8_t damier[TAILLE_DAMIER], int& trait, std::string* erreur) {
    std::string fen;
    for (char ch : fen_brut)
        if (ch != ' ' && ch != '"' && ch != '\t' && ch != '\r' && ch != '\n' && ch != '.') fen += ch;
    if (fen.empty()) return echec(erreur, "empty FEN: give a position such as W:W43-72:B1-30");
    if ((fen[0] != 'W' && fen[0] != 'B' && fen[0] != 'w' && fen[0] != 'b'))
        return echec(erreur, "FEN must start with the side to move, W or B");
    uint8_t b[TAILLE_DAMIER];
    std::memset(b, 0, sizeof b);
    b[0] = BORD;
    int camp = (fen[0] == 'W' || fen[0] == 'w') ? BLANC : NOIR;
    size_t i = 1;
    bool vu[2] = {false, false};
    while (i < fen.size()) {
        if (fen[i] != ':') return echec(erreur, "expected ':' at position " + std::to_string(i + 1));
        ++i;
        if (i >= fen.size()) break;
        char c = fen[i];
        int couleur;
        if (c == 'W' || c == 'w')
            couleur = BLANC;
        else if (c == 'B' || c == 'b')
            couleur = NOIR;
        else
            return echec(erreur, std::string("expected W or B after ':' but found '") + c + "'");
        if (vu[couleur]) return echec(erreur, "a colour is listed twice");
        vu[couleur] = true;
        ++i;
        while (i < fen.size() && fen[i] != ':') {
            bool dame = false;
            if (fen[i] == 'K' || fen[i] == 'k') {
                dame = true;
                ++i;
            }
            int a = 0;
            if (!lire_nombre(fen, i, a))
                return echec(erreur, "expected a square number at position " + std::to_string(i + 1));
            int z = a;
            if (i < fen.size() && fen[i] == '-') {
                ++i;
                if (!lire_nombre(fen, i, z)) return echec(erreur, "expected a square number after '-'");
            }
            if (a < 1 || z > NB_CASES || z < a)
                return echec(erreur, "square out of range 1..72: " + std::to_string(a < 1 ? a : z));
            for (int s = a; s <= z; ++s) {
                if (b[s] != VIDE) return echec(erreur, "square " + std::to_string(s) + " is listed twice");
                uint8_t code = couleur == BLANC ? PION_BLANC : PION_NOIR;
                // A man on its crowning row would have been crowned when it got there.
                if (!dame && case_de_promotion(code, s))
                    return echec(erreur, std::string(couleur == BLANC ? "a white" : "a black") +
                                             " man cannot stand on " + std::to_string(s) +
                                             ", a square of its crowning row");
                b[s] = dame ? code + 1 : code;
            }
            if (i < fen.size() && fen[i] == ',') {
                ++i;
                if (i >= fen.size() || fen[i] == ':') return echec(erreur, "dangling ','");
            }
        }
    }
    std::memcpy(damier, b, sizeof b);
    trait = camp;
    return true;
}

std::string ecrire_fen(const uint8_t damier[TAILLE_DAMIER], int trait) {
    std::string out = trait == BLANC ? "W" : "B";
    for (int couleur = 0; couleur < 2; ++couleur) {
        out += couleur == BLANC ? ":W" : ":B";
        bool premier = true;
        for (int s = 1; s <= NB_CASES; ++s) {
            uint8_t c = damier[s];
            if (!couleur_de(c, couleur)) continue;
            if (!premier) out += ',';
            premier = false;
            if (est_dame(c)) out += 'K';
            out += std::to_string(s);
        }
    }
    return out;
}

std::string texte_coup(const Coup& c) {
    std::string t = nom_case[c.depart];
    t += c.nb_prises ? 'x' : '-';
    t += nom_case[c.arrivee];
    return t;
}

}  // namespace kolmar
