#include "records/partie_texte.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>

#include "records/fichiers.h"
#include "records/texte.h"

namespace kolmar {

// ---------------------------------------------------------------------------
// Text export

std::string entete_partie(const std::string& blanc, const std::string& noir, int resultat) {
    std::string t = blanc + "-" + noir;
    switch (resultat) {
        case RESULTAT_BLANCS:
            return t + "  2-0";
        case RESULTAT_NUL:
            return t + "  1-1";
        case RESULTAT_NOIRS:
            return t + "  0-2";
        default:
            return t + " ";
    }
}

std::string texte_partie(const Partie& pt, const std::string& blanc, const std::string& noir, int resultat) {
    std::string t = entete_partie(blanc, noir, resultat) + "\nKolmar101\n";
    // Every half-move up to the current one: a last white half-move ends
    // its line alone (a game won on white's move keeps its winning move).
    int courant = std::min<int>(pt.demi_coup_courant, DEMI_COUPS_MAX);
    const int nb_lignes = (courant + 1) / 2;
    for (int l = 0; l < nb_lignes; ++l) {
        t += ligne_coup(pt, l, courant) + "  ";
        if (l % 4 == 3 || l == nb_lignes - 1) t += '\n';
    }
    return t;
}

ResultatFichier ecrire_texte_partie(const std::string& chemin, const Partie& pt, const std::string& blanc,
                                    const std::string& noir, int resultat) {
    const std::string t = texte_partie(pt, blanc, noir, resultat);
    RaisonEchec raison = RaisonEchec::aucune;
    if (!ecrire_fichier_sur(chemin, t.data(), t.size(), &raison)) return ResultatFichier::echec_ecriture(raison);
    return {};
}

// ---------------------------------------------------------------------------
// Reading: movetext tokens shared by both formats

namespace {

bool est_blanc_txt(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}
bool est_chiffre(char c) {
    return c >= '0' && c <= '9';
}
bool est_separateur(char c) {
    return c == '-' || c == 'x' || c == 'X' || c == ':';
}

bool est_resultat(const std::string& t) {
    static const char* const k[] = {"2-0", "1-1", "0-2", "1-0", "0-1", "0-0", "1/2-1/2", "*"};
    for (const char* r : k)
        if (t == r) return true;
    return false;
}

// Squares of a move text: "47-41", "47x36", "47x38x27" (landing squares),
// "47:36"; empty when the text is not a move.
std::vector<int> cases_du_coup(const std::string& t) {
    std::vector<int> cases;
    size_t i = 0;
    while (i < t.size()) {
        int v = 0;
        size_t debut = i;
        while (i < t.size() && est_chiffre(t[i])) {
            v = v * 10 + (t[i] - '0');
            if (v > NB_CASES) return {};
            ++i;
        }
        if (i == debut || v < 1) return {};
        cases.push_back(v);
        if (i == t.size()) break;
        if (!est_separateur(t[i]) || ++i == t.size()) return {};
    }
    if (cases.size() < 2) return {};
    return cases;
}

// What reading a file's games keeps: everything, or (for a list to choose
// from) all but the move texts, which are only counted.
struct Lecture {
    bool avec_coups = true;
    size_t vus = 0;  // move texts met in the current game
};

void ajouter_coup(PartieLue& p, std::string coup, Lecture& lecture) {
    ++lecture.vus;
    if (!p.lisible) p.lisible = !cases_du_coup(coup).empty();
    if (!lecture.avec_coups) return;
    if (p.coups.size() >= COUPS_LUS_MAX) {
        p.coups_coupes = true;
        return;
    }
    p.coups.push_back(std::move(coup));
}

// Reads movetext from s[i] into p until the end, a result, or (PDN) a tag.
// Returns the index where it stopped; `fin` tells whether a result ended it.
size_t lire_coups(const std::string& s, size_t i, PartieLue& p, bool pdn, bool& fin, Lecture& lecture) {
    const size_t n = s.size();
    fin = false;
    while (i < n) {
        const char c = s[i];
        if (est_blanc_txt(c)) {
            ++i;
        } else if (c == '{') {
            while (i < n && s[i] != '}') ++i;
            if (i < n) ++i;
        } else if (c == ';') {
            while (i < n && s[i] != '\n') ++i;
        } else if (c == '(') {
            // Variations nest and may hold comments with parentheses.
            int profondeur = 0;
            while (i < n) {
                if (s[i] == '{') {
                    while (i < n && s[i] != '}') ++i;
                } else if (s[i] == '(') {
                    ++profondeur;
                } else if (s[i] == ')' && --profondeur == 0) {
                    ++i;
                    break;
                }
                if (i < n) ++i;
            }
        } else if (c == '$') {
            ++i;
            while (i < n && est_chiffre(s[i])) ++i;
        } else if (c == '!' || c == '?' || c == ')' || c == '}' || c == ']') {
            ++i;
        } else if (c == '[' && pdn) {
            return i;
        } else if (c == '*') {
            p.resultat = "*";
            fin = true;
            return i + 1;
        } else {
            size_t j = i;
            while (j < n && (est_chiffre(s[j]) || est_separateur(s[j]) || s[j] == '/')) ++j;
            if (j > i && j < n && s[j] == '.') {
                // A move number ("12.", "012.", "12..."), when only digits.
                bool nombre = true;
                for (size_t k = i; k < j; ++k) nombre = nombre && est_chiffre(s[k]);
                if (nombre) {
                    while (j < n && s[j] == '.') ++j;
                    i = j;
                    continue;
                }
            }
            if (j == i) {
                // A word: never a move, kept so its skip is reported.
                while (j < n && !est_blanc_txt(s[j]) && s[j] != '{' && s[j] != '(' && s[j] != ';' &&
                       !(pdn && s[j] == '['))
                    ++j;
                if (j == i) ++j;
            }
            std::string mot = s.substr(i, j - i);
            i = j;
            if (est_resultat(mot)) {
                p.resultat = mot;
                fin = true;
                return i;
            }
            ajouter_coup(p, std::move(mot), lecture);
        }
    }
    return i;
}

std::string nom_lu(const std::string& brut) {
    auto rogner = [](const std::string& t) {
        size_t a = 0, b = t.size();
        while (a < b && est_blanc_txt(t[a])) ++a;
        while (b > a && est_blanc_txt(t[b - 1])) --b;
        return t.substr(a, b - a);
    };
    // Cutting to the field may leave a blank at the end: the name read back
    // from a written file must be the same name.
    return rogner(nom_limite(vers_utf8(rogner(brut))));
}

// ---------------------------------------------------------------------------
// PDN: tags and movetext, a game ending at its result or the next tags

size_t lire_etiquette(const std::string& s, size_t i, std::string& nom, std::string& valeur) {
    const size_t n = s.size();
    ++i;  // '['
    while (i < n && est_blanc_txt(s[i])) ++i;
    while (i < n && !est_blanc_txt(s[i]) && s[i] != '"' && s[i] != ']') nom += s[i++];
    while (i < n && s[i] != '"' && s[i] != ']') ++i;
    if (i < n && s[i] == '"') {
        ++i;
        while (i < n && s[i] != '"') {
            if (s[i] == '\\' && i + 1 < n) ++i;
            valeur += s[i++];
        }
        if (i < n) ++i;
    }
    while (i < n && s[i] != ']' && s[i] != '\n') ++i;
    if (i < n && s[i] == ']') ++i;
    return i;
}

bool egal_sans_casse(const std::string& a, const char* b) {
    if (a.size() != std::strlen(b)) return false;
    for (size_t k = 0; k < a.size(); ++k)
        if (std::tolower(static_cast<unsigned char>(a[k])) != std::tolower(static_cast<unsigned char>(b[k])))
            return false;
    return true;
}

void lire_pdn(const std::string& s, size_t i, Lecture& lecture, const VisiteParties& visite) {
    PartieLue p;
    bool commencee = false, coups_vus = false;
    const size_t n = s.size();
    auto terminer = [&](size_t fin) {
        if (commencee) {
            p.fin = fin;
            visite(std::move(p));
        }
        p = PartieLue();
        commencee = coups_vus = false;
        lecture.vus = 0;
    };
    while (i < n) {
        if (est_blanc_txt(s[i])) {
            ++i;
        } else if (s[i] == '[') {
            if (coups_vus) terminer(i);
            std::string nom, valeur;
            if (!commencee) p.debut = i;
            i = lire_etiquette(s, i, nom, valeur);
            commencee = true;
            if (egal_sans_casse(nom, "White"))
                p.blanc = nom_lu(valeur);
            else if (egal_sans_casse(nom, "Black"))
                p.noir = nom_lu(valeur);
            else if (egal_sans_casse(nom, "GameType"))
                p.type_jeu = valeur;
            else if (egal_sans_casse(nom, "FEN"))
                p.fen = valeur, p.lisible = true;
            else if (egal_sans_casse(nom, "Result") && p.resultat.empty())
                p.resultat = valeur;
        } else {
            bool fin = false;
            const size_t avant = lecture.vus, debut = i;
            const std::string resultat_tag = p.resultat;
            p.resultat.clear();
            i = lire_coups(s, i, p, true, fin, lecture);
            if (!fin) p.resultat = resultat_tag;
            if (lecture.vus > avant || fin) {
                if (!commencee) p.debut = debut;
                commencee = coups_vus = true;
            }
            if (fin) terminer(i);
        }
    }
    terminer(n);
}

// ---------------------------------------------------------------------------
// The program's text format: games are blocks between empty lines

bool ligne_vide(const std::string& s, size_t a, size_t b) {
    for (size_t k = a; k < b; ++k)
        if (!est_blanc_txt(s[k])) return false;
    return true;
}

PartieLue lire_bloc(const std::string& s, size_t a, size_t b, Lecture& lecture) {
    PartieLue p;
    p.debut = a;
    p.fin = b;
    size_t fin_ligne = a;
    while (fin_ligne < b && s[fin_ligne] != '\n') ++fin_ligne;
    size_t k = a;
    while (k < fin_ligne && est_blanc_txt(s[k])) ++k;
    size_t d = k;
    while (d < fin_ligne && est_chiffre(s[d])) ++d;
    size_t debut_coups = a;
    if (!(d > k && d < fin_ligne && s[d] == '.')) {
        // First line: "blanc-noir", then the result after the names.
        std::string ligne = s.substr(a, fin_ligne - a);
        size_t fin_noms = ligne.size();
        for (const char* r : {"2-0", "1-1", "0-2", "1-0", "0-1"}) {
            size_t pos = ligne.rfind(r);
            if (pos != std::string::npos && pos > 0 && est_blanc_txt(ligne[pos - 1]) &&
                ligne_vide(ligne, pos + 3, ligne.size())) {
                p.resultat = r;
                fin_noms = pos;
            }
        }
        ligne.resize(fin_noms);
        const size_t tiret = ligne.find('-');
        p.blanc = nom_lu(ligne.substr(0, tiret));
        if (tiret != std::string::npos) p.noir = nom_lu(ligne.substr(tiret + 1));
        // Moves begin after the first full stop of the move text.
        debut_coups = fin_ligne;
        while (debut_coups < b && s[debut_coups] != '.') ++debut_coups;
        if (debut_coups < b) ++debut_coups;
    }
    bool fin = false;
    const std::string corps = s.substr(debut_coups, b - debut_coups);
    const std::string resultat = p.resultat;
    p.resultat.clear();
    lecture.vus = 0;
    lire_coups(corps, 0, p, false, fin, lecture);
    if (p.resultat.empty()) p.resultat = resultat;
    return p;
}

void lire_texte(const std::string& s, size_t i, Lecture& lecture, const VisiteParties& visite) {
    size_t debut = std::string::npos;
    const size_t n = s.size();
    while (i <= n) {
        size_t j = i;
        while (j < n && s[j] != '\n') ++j;
        const bool vide = ligne_vide(s, i, j);
        if (!vide && debut == std::string::npos) debut = i;
        if ((vide || j >= n) && debut != std::string::npos) {
            visite(lire_bloc(s, debut, vide ? i : j, lecture));
            debut = std::string::npos;
        }
        i = j + 1;
    }
}

// Where the text begins: past the byte-order mark many Windows editors
// write, which would otherwise read as a game of its own.
size_t debut_texte(const std::string& s) {
    return s.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
}

bool texte_pdn(const std::string& s) {
    size_t i = debut_texte(s);
    while (i < s.size() && est_blanc_txt(s[i])) ++i;
    return i < s.size() && s[i] == '[';
}

void parcourir(const std::string& s, bool pdn, bool avec_coups, const VisiteParties& visite) {
    Lecture lecture;
    lecture.avec_coups = avec_coups;
    if (pdn)
        lire_pdn(s, debut_texte(s), lecture, visite);
    else
        lire_texte(s, debut_texte(s), lecture, visite);
}

}  // namespace

void parcourir_parties(const std::string& brut, bool avec_coups, const VisiteParties& visite) {
    // A zero byte ends the text (older files were padded with them).
    const size_t zero = brut.find('\0');
    if (zero == std::string::npos) return parcourir(brut, texte_pdn(brut), avec_coups, visite);
    const std::string s = brut.substr(0, zero);
    parcourir(s, texte_pdn(s), avec_coups, visite);
}

std::vector<PartieLue> lire_parties(const std::string& contenu) {
    std::vector<PartieLue> parties;
    parcourir_parties(contenu, true, [&](PartieLue&& p) { parties.push_back(std::move(p)); });
    return parties;
}

ResultatFichier ouvrir_fichier_parties(const std::string& chemin, std::vector<PartieLue>& parties) {
    std::string contenu;
    if (!lire_fichier(chemin, contenu)) return ResultatFichier::echec(MessageFichier::impossible_ouvrir);
    parties = lire_parties(contenu);
    return {};
}

void lister_parties(std::string contenu, FichierParties& f, size_t max) {
    const size_t zero = contenu.find('\0');
    if (zero != std::string::npos) contenu.resize(zero);
    f.texte = std::move(contenu);
    f.pdn = texte_pdn(f.texte);
    f.parties.clear();
    f.total = f.illisibles = 0;
    parcourir(f.texte, f.pdn, false, [&](PartieLue&& p) {
        if (!p.lisible)
            ++f.illisibles;
        else if (f.total++ < max)
            f.parties.push_back(std::move(p));
    });
}

ResultatFichier ouvrir_fichier_parties(const std::string& chemin, FichierParties& f, size_t max) {
    std::string contenu;
    if (!lire_fichier(chemin, contenu)) return ResultatFichier::echec(MessageFichier::impossible_ouvrir);
    lister_parties(std::move(contenu), f, max);
    return {};
}

PartieLue partie_choisie(const FichierParties& f, size_t k) {
    if (k >= f.parties.size()) return {};
    const PartieLue& place = f.parties[k];
    Lecture lecture;
    if (!f.pdn) return lire_bloc(f.texte, place.debut, place.fin, lecture);
    PartieLue p;
    bool vue = false;
    lire_pdn(f.texte.substr(place.debut, place.fin - place.debut), 0, lecture, [&](PartieLue&& q) {
        if (!vue) p = std::move(q);
        vue = true;
    });
    p.debut = place.debut;
    p.fin = place.fin;
    return p;
}

// ---------------------------------------------------------------------------
// Replay

int numero_type_jeu(const std::string& type_jeu) {
    size_t i = 0;
    while (i < type_jeu.size() && est_blanc_txt(type_jeu[i])) ++i;
    int v = 0;
    size_t debut = i;
    while (i < type_jeu.size() && est_chiffre(type_jeu[i]) && i - debut < 4) v = v * 10 + (type_jeu[i++] - '0');
    return i > debut ? v : -1;
}

bool type_canadien(const std::string& type_jeu) {
    const int v = numero_type_jeu(type_jeu);
    return v == 27 || (v < 0 && ligne_vide(type_jeu, 0, type_jeu.size()));
}

namespace {

// The legal moves of side the squares name, one per resulting position:
// start and end must match, and the landing squares given in between must
// be passed in that order.
std::vector<Coup> coups_nommes(Generateur& g, int side, const std::vector<int>& cases) {
    std::vector<Coup> trouves;
    const int n = coups_legaux(g, side);
    const uint8_t prise = g.prise_max;
    const int de = cases.front(), vers = cases.back();
    if (prise == 0) {
        if (cases.size() != 2) return trouves;
        for (int k = 0; k < n; ++k) {
            const Coup& c = g.liste_coups[1][k];
            if (c.depart == de && c.arrivee == vers) trouves.push_back(c);
        }
        return trouves;
    }
    if (!couleur_de(g.damier[de], side)) return trouves;
    const int m = coups_piece(g, de, side);
    // A shorter capture of this piece is not legal when another takes more.
    if (g.prise_max != prise) return trouves;
    for (int k = 0; k < m; ++k) {
        const Coup& c = g.liste_coups[1][k];
        if (c.arrivee != vers) continue;
        size_t j = 1;
        for (int a = 1; a < c.nb_prises && j + 1 < cases.size(); ++a)
            if (g.cases_arrets[k][a] == cases[j]) ++j;
        if (j + 1 != cases.size()) continue;
        bool deja = false;
        for (const Coup& t : trouves) deja = deja || memes_pieces_prises(t, c);
        if (!deja) trouves.push_back(c);
    }
    return trouves;
}

// How many of the move texts from `debut` are legal in a row, each played
// on the board (restored after). Looks a few moves ahead only: that is
// where a wrong path shows.
constexpr int REGARD_MAX = 12;

int suite_legale(const PartieLue& p, size_t debut, Generateur& g, int side) {
    uint8_t sauve[TAILLE_DAMIER];
    std::memcpy(sauve, g.damier, TAILLE_DAMIER);
    int compte = 0;
    for (size_t k = debut; k < p.coups.size() && compte < REGARD_MAX; ++k) {
        const std::vector<int> cases = cases_du_coup(p.coups[k]);
        if (cases.empty()) continue;
        const std::vector<Coup> c = coups_nommes(g, side, cases);
        if (c.empty()) break;
        jouer_coup(g.damier, c.front());
        side = 1 - side;
        ++compte;
    }
    std::memcpy(g.damier, sauve, TAILLE_DAMIER);
    return compte;
}

void noter_faute(Rejeu& r, FauteRejeu f, size_t k, const std::string& texte) {
    if (r.faute == FauteRejeu::aucune) {
        r.faute = f;
        r.numero = static_cast<int>(k) + 1;
        r.texte = texte;
    } else {
        ++r.autres_fautes;
    }
}

}  // namespace

Rejeu rejouer_partie(const PartieLue& p, Jeu& jeu, EtatNote& etat) {
    Rejeu r;
    if (!type_canadien(p.type_jeu)) {
        r.faute = FauteRejeu::type_refuse;
        r.texte = p.type_jeu;
        return r;
    }
    uint8_t depart[TAILLE_DAMIER];
    int trait = BLANC;
    if (p.fen.empty()) {
        position_initiale(depart);
    } else {
        std::string fen = p.fen;
        size_t q = fen.find_first_not_of(" \t\"");
        const bool inconnu = q != std::string::npos && fen[q] == '?';
        if (inconnu) fen[q] = 'W';
        if (!lire_fen(fen, depart, trait)) {
            r.faute = FauteRejeu::fen_illisible;
            r.texte = p.fen;
            return r;
        }
        if (inconnu) {
            // Unknown side: the one whose move the first move text names.
            std::memcpy(jeu.damier, depart, TAILLE_DAMIER);
            for (const std::string& t : p.coups) {
                const std::vector<int> cases = cases_du_coup(t);
                if (cases.empty()) continue;
                if (coups_nommes(jeu.gen, BLANC, cases).empty() && !coups_nommes(jeu.gen, NOIR, cases).empty())
                    trait = NOIR;
                break;
            }
        }
    }

    EtatNote nouvel = etat;
    nouvel.nom_blanc = p.blanc;
    nouvel.nom_noir = p.noir;
    nouvel.temps_blanc = nouvel.temps_noir = 0;
    std::memcpy(jeu.damier, depart, TAILLE_DAMIER);
    jeu.damier[0] = BORD;
    jeu.trait = static_cast<uint8_t>(trait);
    commencer_partie(jeu.partie, jeu.damier, nouvel);

    for (size_t k = 0; k < p.coups.size(); ++k) {
        const std::string& texte = p.coups[k];
        const std::vector<int> cases = cases_du_coup(texte);
        if (cases.empty()) {
            noter_faute(r, FauteRejeu::illisible, k, texte);
            continue;
        }
        const int side = jeu.trait;
        std::vector<Coup> c = coups_nommes(jeu.gen, side, cases);
        if (c.empty()) {
            noter_faute(r, FauteRejeu::illegal, k, texte);
            continue;
        }
        size_t choix = 0;
        if (c.size() > 1) {
            // Two captures fit: the path the following moves accept.
            int meilleur = -1, ex_aequo = 0;
            for (size_t a = 0; a < c.size(); ++a) {
                uint8_t sauve[TAILLE_DAMIER];
                std::memcpy(sauve, jeu.damier, TAILLE_DAMIER);
                jouer_coup(jeu.damier, c[a]);
                const int suite = suite_legale(p, k + 1, jeu.gen, 1 - side);
                std::memcpy(jeu.damier, sauve, TAILLE_DAMIER);
                if (suite > meilleur) {
                    meilleur = suite;
                    choix = a;
                    ex_aequo = 0;
                } else if (suite == meilleur) {
                    ++ex_aequo;
                }
            }
            if (ex_aequo > 0) noter_faute(r, FauteRejeu::ambigu, k, texte);
        }
        if (partie_pleine(jeu.partie)) {
            noter_faute(r, FauteRejeu::trop_long, k, texte);
            break;
        }
        const Coup coup = c[choix];
        jouer_coup(jeu.damier, coup);
        nouveau_demi_coup(jeu.partie, jeu.trait, jeu.damier, coup.nb_prises, coup.depart, coup.arrivee, nouvel);
        ++r.demi_coups;
    }
    jeu.plateau_depuis_damier();
    compter_pieces(jeu.damier, jeu.nb_pieces);
    etat = nouvel;
    return r;
}

}  // namespace kolmar
