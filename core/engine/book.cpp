#include "engine/book.h"

#include <cctype>
#include <cstdio>

#include "records/fichiers.h"

namespace kolmar {

const char* const FICHIER_OUVERTURES_BLANCS = "Ouvert_b.ouv";
const char* const FICHIER_OUVERTURES_NOIRS = "Ouvert_n.ouv";

namespace {

const std::string& repertoire(const std::string& dir) {
    return dir.empty() ? repertoire_donnees() : dir;
}

const char* fichier_liste(int couleur) {
    return couleur == 1 ? FICHIER_OUVERTURES_NOIRS : FICHIER_OUVERTURES_BLANCS;
}

// One or two digits.
bool lire_nombre(const std::string& t, size_t& i, int& v) {
    if (i >= t.size() || !std::isdigit(static_cast<unsigned char>(t[i]))) return false;
    v = t[i++] - '0';
    if (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) v = v * 10 + (t[i++] - '0');
    return true;
}

// "<stem>.ovv" and the two lists beside it: a bare name lives in
// "Parametres" (read from the player's copy or the program's), a path
// (from a file dialog) is taken as it is.
struct Racine {
    std::string stem;
    bool nue;
};

Racine racine_jeu(const std::string& nom) {
    std::string stem = nom;
    if (stem.size() >= 4) {
        std::string fin = stem.substr(stem.size() - 4);
        for (char& c : fin) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (fin == ".ovv") stem.resize(stem.size() - 4);
    }
    return {stem, stem.find('/') == std::string::npos};
}

std::string lu(const Racine& r, const char* fin, const std::string& dir) {
    if (r.nue) return chemin_lecture("Parametres/" + r.stem + fin, repertoire(dir));
    const std::string chemin = r.stem + fin;
    // The file on disk whatever the case of its name.
    return chemin[0] == '/' ? chemin_donnee(chemin, "") : chemin;
}

std::string ecrit(const Racine& r, const char* fin, const std::string& dir) {
    return r.nue ? chemin_ecriture("Parametres/" + r.stem + fin, repertoire(dir)) : r.stem + fin;
}

}  // namespace

std::vector<CoupLivre> lire_ligne(const std::string& ligne, int max_coups) {
    std::vector<CoupLivre> coups;
    size_t i = 0;
    const std::string& t = ligne;
    while (static_cast<int>(coups.size()) < max_coups) {
        while (i < t.size() && (t[i] == ' ' || t[i] == '\t' || t[i] == '\r')) ++i;
        if (i >= t.size()) break;
        int de, vers;
        if (!lire_nombre(t, i, de)) break;
        if (i >= t.size() || (t[i] != '-' && t[i] != 'x')) break;
        ++i;
        while (i < t.size() && t[i] == ' ') ++i;
        if (!lire_nombre(t, i, vers)) break;
        // The destination is followed by a blank or ends the line.
        if (i < t.size() && t[i] != ' ' && t[i] != '\t' && t[i] != '\r') break;
        coups.push_back({static_cast<uint8_t>(de), static_cast<uint8_t>(vers)});
    }
    return coups;
}

std::string ecrire_ligne(const std::vector<CoupLivre>& coups) {
    std::string s;
    char buf[16];
    for (const CoupLivre& c : coups) {
        std::snprintf(buf, sizeof buf, "%2d-%2d ", c.depart, c.arrivee);
        s += buf;
    }
    return s;
}

bool lire_ouvertures(const std::string& chemin, std::vector<std::string>& lignes) {
    lignes.clear();
    std::string contenu;
    if (!lire_fichier(chemin, contenu)) return false;
    size_t debut = 0;
    while (debut < contenu.size()) {
        size_t fin = contenu.find('\n', debut);
        if (fin == std::string::npos) fin = contenu.size();
        std::string l = contenu.substr(debut, fin - debut);
        if (!l.empty() && l.back() == '\r') l.pop_back();
        lignes.push_back(l);
        debut = fin + 1;
    }
    return true;
}

bool ecrire_ouvertures(const std::string& chemin, const std::vector<std::string>& lignes, RaisonEchec* raison) {
    std::string contenu;
    for (const std::string& l : lignes) contenu += l + "\n";
    return ecrire_fichier_sur(chemin, contenu.data(), contenu.size(), raison);
}

void charger_bibliotheques(Bibliotheque& b, const std::string& dir) {
    lire_ouvertures(chemin_lecture(FICHIER_OUVERTURES_BLANCS, repertoire(dir)), b.blancs);
    lire_ouvertures(chemin_lecture(FICHIER_OUVERTURES_NOIRS, repertoire(dir)), b.noirs);
}

bool enregistrer_liste(const Bibliotheque& b, int couleur, const std::string& dir, RaisonEchec* raison) {
    return ecrire_ouvertures(chemin_ecriture(fichier_liste(couleur), repertoire(dir)), b.liste(couleur), raison);
}

std::string ligne_de_partie(const Partie& pt, int w) {
    std::vector<CoupLivre> coups;
    for (int j = 1; j <= w && j <= COUPS_LIGNE_MAX && j < NB_ENREGISTREMENTS; ++j)
        coups.push_back({pt.partie[j][OFS_DE], pt.partie[j][OFS_VERS]});
    return ecrire_ligne(coups);
}

bool livre_consulte(const Bibliotheque& b, int w, const uint8_t nb_pieces[5]) {
    if (!b.actives) return false;
    if (w < 3) return nb_pieces[PION_BLANC] == 30 && nb_pieces[PION_NOIR] == 30;
    return w < DEMI_COUPS_LIVRE;
}

std::vector<CoupLivre> book_candidates(const std::vector<std::string>& lignes, const Partie& pt, int w) {
    std::vector<CoupLivre> candidats;
    if (w < 0 || w >= NB_ENREGISTREMENTS - 1) return candidats;
    for (const std::string& l : lignes) {
        std::vector<CoupLivre> coups = lire_ligne(l, w + 2);
        if (static_cast<int>(coups.size()) < w + 1) continue;
        bool suit = true;
        for (int j = 1; j <= w && suit; ++j)
            suit = coups[j - 1].depart == pt.partie[j][OFS_DE] && coups[j - 1].arrivee == pt.partie[j][OFS_VERS];
        const CoupLivre& c = coups[static_cast<size_t>(w)];
        if (suit && c.depart != 0 && c.arrivee != 0) candidats.push_back(c);
    }
    return candidats;
}

std::vector<CoupLivre> book_candidates(const Bibliotheque& b, int couleur_ordi, const Partie& pt, int w) {
    return book_candidates(b.liste(couleur_ordi), pt, w);
}

void ajouter_ligne(Bibliotheque& b, int couleur, const std::string& ligne) {
    b.liste(couleur).push_back(ligne);
}

bool effacer_ligne(Bibliotheque& b, int couleur, int index) {
    std::vector<std::string>& l = b.liste(couleur);
    if (index < 0 || index >= static_cast<int>(l.size())) return false;
    l.erase(l.begin() + index);
    return true;
}

bool enregistrer_jeu(const Bibliotheque& b, int couleur, const std::string& nom,
                     const std::vector<std::string>& marqueur, const std::string& dir, RaisonEchec* raison) {
    const Racine racine = racine_jeu(nom);
    const int autre = 1 - couleur;
    const char* suffixe[2] = {"_b.ouv", "_n.ouv"};
    std::vector<std::string> lignes_autre;
    lire_ouvertures(chemin_lecture(fichier_liste(autre), repertoire(dir)), lignes_autre);
    // The first failure's reason is the one told.
    RaisonEchec r[4] = {};
    bool ok = ecrire_ouvertures(ecrit(racine, ".ovv", dir), marqueur, &r[0]);
    ok = ecrire_ouvertures(ecrit(racine, suffixe[couleur], dir), b.liste(couleur), &r[1]) && ok;
    ok = enregistrer_liste(b, couleur, dir, &r[2]) && ok;
    ok = ecrire_ouvertures(ecrit(racine, suffixe[autre], dir), lignes_autre, &r[3]) && ok;
    if (raison)
        for (int i = 3; i >= 0; --i)
            if (r[i] != RaisonEchec::aucune) *raison = r[i];
    return ok;
}

bool charger_jeu(Bibliotheque& b, const std::string& nom, const std::string& dir, RaisonEchec* raison) {
    const Racine r = racine_jeu(nom);
    std::vector<std::string> blancs, noirs;
    bool lu_b = lire_ouvertures(lu(r, "_b.ouv", dir), blancs);
    bool lu_n = lire_ouvertures(lu(r, "_n.ouv", dir), noirs);
    // A name with no list beside it must not wipe the current library.
    if (!lu_b && !lu_n) return false;
    b.blancs = std::move(blancs);
    b.noirs = std::move(noirs);
    RaisonEchec r0 = RaisonEchec::aucune, r1 = RaisonEchec::aucune;
    bool ok = enregistrer_liste(b, 0, dir, &r0);
    ok = enregistrer_liste(b, 1, dir, &r1) && ok;
    if (raison) *raison = r0 != RaisonEchec::aucune ? r0 : r1;
    return ok;
}

}  // namespace kolmar
