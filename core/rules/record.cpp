#include "rules/record.h"

#include <cstdio>
#include <cstring>

namespace kolmar {

uint8_t* cases_de(Partie& pt, int p) {
    return &pt.partie[p][OFS_CASES];
}

int32_t lire_i32(const uint8_t* b) {
    return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                                static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24);
}

void ecrire_i32(uint8_t* b, int32_t v) {
    uint32_t u = static_cast<uint32_t>(v);
    b[0] = u & 0xff;
    b[1] = (u >> 8) & 0xff;
    b[2] = (u >> 16) & 0xff;
    b[3] = (u >> 24) & 0xff;
}

std::string lire_nom(const uint8_t* champ) {
    size_t n = 0;
    while (n < TAILLE_NOM && champ[n] != 0) ++n;
    return std::string(reinterpret_cast<const char*>(champ), n);
}

void ecrire_nom(uint8_t* champ, const std::string& nom) {
    size_t n = nom.size() < TAILLE_NOM - 1 ? nom.size() : TAILLE_NOM - 1;
    // Never cut a UTF-8 sequence in the middle.
    if (n < nom.size())
        while (n > 0 && (static_cast<uint8_t>(nom[n]) & 0xC0) == 0x80) --n;
    std::memset(champ, 0, TAILLE_NOM);
    std::memcpy(champ, nom.data(), n);
}

void noter_position(Partie& pt, const uint8_t damier[TAILLE_DAMIER], uint8_t prise, uint8_t de, uint8_t vers,
                    const EtatNote& etat) {
    int p = pt.demi_coup_courant;
    if (p < 0 || p > DEMI_COUPS_MAX) return;
    uint8_t* r = pt.partie[p];
    std::memcpy(r + OFS_CASES, damier + 1, NB_CASES);
    r[OFS_PRISE] = prise;
    r[OFS_DE] = de;
    r[OFS_VERS] = vers;
    ecrire_i32(r + OFS_TEMPS_BLANC, etat.temps_blanc);
    ecrire_i32(r + OFS_TEMPS_NOIR, etat.temps_noir);
    ecrire_nom(r + OFS_NOM_BLANC, etat.nom_blanc);
    ecrire_nom(r + OFS_NOM_NOIR, etat.nom_noir);
    r[OFS_COULEUR_ORDI] = etat.couleur_ordi;
}

void reprendre_position(const Partie& pt, uint8_t damier[TAILLE_DAMIER], EtatNote& etat) {
    int p = pt.demi_coup_courant;
    if (p < 0 || p >= NB_ENREGISTREMENTS) return;
    const uint8_t* r = pt.partie[p];
    std::memcpy(damier + 1, r + OFS_CASES, NB_CASES);
    damier[0] = BORD;
    etat.temps_blanc = lire_i32(r + OFS_TEMPS_BLANC);
    etat.temps_noir = lire_i32(r + OFS_TEMPS_NOIR);
    etat.nom_blanc = lire_nom(r + OFS_NOM_BLANC);
    etat.nom_noir = lire_nom(r + OFS_NOM_NOIR);
    etat.couleur_ordi = r[OFS_COULEUR_ORDI];
}

void commencer_partie(Partie& pt, const uint8_t damier[TAILLE_DAMIER], const EtatNote& etat) {
    pt.demi_coup_courant = 0;
    pt.dernier_demi_coup = 0;
    noter_position(pt, damier, 0, 0, 0, etat);
    pt.lignes.clear();
    pt.selection = -1;
}

bool partie_pleine(const Partie& pt) {
    return pt.demi_coup_courant >= DEMI_COUPS_MAX;
}

bool nouveau_demi_coup(Partie& pt, uint8_t& trait, const uint8_t damier[TAILLE_DAMIER], uint8_t prise, uint8_t de,
                       uint8_t vers, const EtatNote& etat) {
    if (partie_pleine(pt)) return false;
    trait = static_cast<uint8_t>(1 - trait);
    ++pt.demi_coup_courant;
    pt.dernier_demi_coup = pt.demi_coup_courant;
    noter_position(pt, damier, prise, de, vers, etat);
    // Lines beyond the new half-move belong to a dropped continuation.
    size_t garder = static_cast<size_t>((pt.demi_coup_courant + 1) / 2);
    if (pt.lignes.size() > garder) pt.lignes.resize(garder);
    ecrire_coup(pt, de, vers, prise);
    return true;
}

namespace {

std::string demi_texte(uint8_t de, uint8_t prise, uint8_t vers) {
    std::string t = nom_case[de < TAILLE_DAMIER ? de : 0];
    t += prise ? 'x' : '-';
    t += nom_case[vers < TAILLE_DAMIER ? vers : 0];
    return t;
}

void poser_ligne(Partie& pt, int i, const std::string& texte) {
    if (i < 0) return;
    if (static_cast<size_t>(i) >= pt.lignes.size()) pt.lignes.resize(static_cast<size_t>(i) + 1);
    pt.lignes[static_cast<size_t>(i)] = texte;
    pt.selection = i;
}

std::string numero(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%2d.", n);
    return buf;
}

}  // namespace

void ecrire_coup(Partie& pt, uint8_t de, uint8_t vers, uint8_t prise) {
    int p = pt.demi_coup_courant;
    if (pt.dernier_demi_coup <= 1) {
        pt.lignes.clear();
        pt.selection = -1;
    }
    if (p % 2 == 1) {
        poser_ligne(pt, p / 2, numero(p / 2 + 1) + demi_texte(de, prise, vers) + " ");
    } else if (p >= 2) {
        const uint8_t* r = pt.partie[p - 1];
        poser_ligne(
            pt, p / 2 - 1,
            numero(p / 2) + demi_texte(r[OFS_DE], r[OFS_PRISE], r[OFS_VERS]) + " " + demi_texte(de, prise, vers));
    }
}

std::string ligne_coup(const Partie& pt, int ligne, int dernier) {
    int p1 = 2 * ligne + 1, p2 = 2 * ligne + 2;
    if (p1 > dernier || p1 >= NB_ENREGISTREMENTS) return {};
    const uint8_t* r1 = pt.partie[p1];
    std::string t = numero(ligne + 1) + demi_texte(r1[OFS_DE], r1[OFS_PRISE], r1[OFS_VERS]) + " ";
    if (p2 <= dernier && p2 < NB_ENREGISTREMENTS) {
        const uint8_t* r2 = pt.partie[p2];
        t += demi_texte(r2[OFS_DE], r2[OFS_PRISE], r2[OFS_VERS]);
    }
    return t;
}

void reconstruire_liste(Partie& pt) {
    pt.lignes.clear();
    int dernier = pt.dernier_demi_coup;
    for (int l = 0; 2 * l + 1 <= dernier; ++l) pt.lignes.push_back(ligne_coup(pt, l, dernier));
    pt.selection = pt.demi_coup_courant > 0 ? (pt.demi_coup_courant - 1) / 2 : -1;
}

int total_pieces(const uint8_t damier[TAILLE_DAMIER]) {
    int n = 0;
    for (int s = 1; s <= NB_CASES; ++s)
        if (damier[s] >= 1 && damier[s] <= 4) ++n;
    return n;
}

}  // namespace kolmar
