#include "records/gamefile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

#include "records/fichiers.h"
#include "records/messages.h"
#include "records/texte.h"

namespace kolmar {

namespace {

constexpr int ENR_REGLAGES_A = 508;
constexpr int ENR_REGLAGES_B = 509;
constexpr size_t TAILLE_ZONE = static_cast<size_t>(NB_ENREGISTREMENTS) * TAILLE_ENREGISTREMENT;
// Byte 0 of record 0 while a game is in memory.
constexpr uint8_t OCTET0_EN_MEMOIRE = 10;

void poser_reglages(uint8_t zone[NB_ENREGISTREMENTS][TAILLE_ENREGISTREMENT], const Reglages& r) {
    ecrire_i32(zone[ENR_REGLAGES_A] + OFS_TEMPS_BLANC, r.periodMinutes);
    ecrire_i32(zone[ENR_REGLAGES_A] + OFS_TEMPS_NOIR, r.taille_hash);
    zone[ENR_REGLAGES_B][OFS_DE] = r.langue;
    zone[ENR_REGLAGES_B][OFS_VERS] = r.levelCode;
    ecrire_i32(zone[ENR_REGLAGES_B] + OFS_TEMPS_BLANC, r.engineBudget);
    ecrire_i32(zone[ENR_REGLAGES_B] + OFS_TEMPS_NOIR, r.periodLimit);
}

Reglages prendre_reglages(const uint8_t zone[NB_ENREGISTREMENTS][TAILLE_ENREGISTREMENT]) {
    Reglages r;
    r.periodMinutes = lire_i32(zone[ENR_REGLAGES_A] + OFS_TEMPS_BLANC);
    r.taille_hash = lire_i32(zone[ENR_REGLAGES_A] + OFS_TEMPS_NOIR);
    r.langue = zone[ENR_REGLAGES_B][OFS_DE];
    r.levelCode = zone[ENR_REGLAGES_B][OFS_VERS];
    r.engineBudget = lire_i32(zone[ENR_REGLAGES_B] + OFS_TEMPS_BLANC);
    r.periodLimit = lire_i32(zone[ENR_REGLAGES_B] + OFS_TEMPS_NOIR);
    if (r.engineBudget == 0 || r.periodLimit == 0) {
        Reglages defaut;
        r.engineBudget = defaut.engineBudget;
        r.periodLimit = defaut.periodLimit;
        r.periodMinutes = defaut.periodMinutes;
        r.levelCode = defaut.levelCode;
        r.langue = 0;
    }
    if (r.taille_hash == 0) r.taille_hash = 100;
    return r;
}

// The full length when the marker is there and agrees with byte 0 (an
// older program re-saving our file rewrites byte 0 but leaves the marker).
bool longueur_complete(const uint8_t* r0, int32_t& longueur) {
    if (r0[OFS_MARQUE_LONGUEUR] != MARQUE_LONGUEUR) return false;
    int32_t l = r0[OFS_MARQUE_LONGUEUR + 1] | r0[OFS_MARQUE_LONGUEUR + 2] << 8;
    if ((l & 0xFF) != r0[0]) return false;
    longueur = l;
    return true;
}

ResultatFichier verifier(const LecturePartie& lu, int32_t courant, int32_t dernier_utile) {
    // Less than one record: nothing of it can be a game.
    if (lu.taille < static_cast<size_t>(TAILLE_ENREGISTREMENT))
        return ResultatFichier::endommage(FauteFichier::trop_court, static_cast<int>(lu.taille), TAILLE_ENREGISTREMENT);
    if (lu.trait > 1) return ResultatFichier::endommage(FauteFichier::trait_inconnu, lu.trait);
    if (courant < 0 || courant > DEMI_COUPS_MAX)
        return ResultatFichier::endommage(FauteFichier::courant_hors_table, courant);
    if (lu.longueur > DEMI_COUPS_MAX) return ResultatFichier::endommage(FauteFichier::longueur_hors_table, lu.longueur);
    int32_t fin = std::max(dernier_utile, courant);
    if (lu.taille<TAILLE_ZONE&& static_cast<size_t>(fin + 1) * TAILLE_ENREGISTREMENT> lu.taille)
        return ResultatFichier::endommage(FauteFichier::longueur_incoherente, fin,
                                          static_cast<int>(lu.taille / TAILLE_ENREGISTREMENT) - 1);
    for (int p = 0; p <= fin; ++p) {
        const uint8_t* r = lu.partie.partie[p];
        for (int s = 1; s <= NB_CASES; ++s)
            if (r[s] > DAME_NOIRE) return ResultatFichier::endommage(FauteFichier::code_piece, r[s], s, p);
        if (r[OFS_COULEUR_ORDI] > 1)
            return ResultatFichier::endommage(FauteFichier::couleur_ordinateur, r[OFS_COULEUR_ORDI], p);
        if (p == 0) continue;
        int de = r[OFS_DE], vers = r[OFS_VERS];
        // 0-0 marks a record without a move (padding in lesson files).
        bool vide = de == 0 && vers == 0;
        if (!vide && (de < 1 || de > NB_CASES || vers < 1 || vers > NB_CASES))
            return ResultatFichier::endommage(FauteFichier::coup_hors_damier, de, vers, p);
    }
    const Reglages& g = lu.reglages;
    if (g.langue > 5) return ResultatFichier::endommage(FauteFichier::langue_inconnue, g.langue);
    if (!taille_hash_connue(g.taille_hash))
        return ResultatFichier::endommage(FauteFichier::taille_tables, g.taille_hash);
    if (g.engineBudget < 0 || g.periodLimit < 0 || g.periodMinutes < 0)
        return ResultatFichier::endommage(FauteFichier::cadence_negative, g.engineBudget, g.periodLimit,
                                          g.periodMinutes);
    return {};
}

// Names holding control characters are written back cleaned (as UTF-8), so
// neither the names shown now nor those of a ply stepped back to carry them.
void nettoyer_noms(Partie& pt) {
    for (int p = 0; p <= DEMI_COUPS_MAX; ++p)
        for (int ofs : {OFS_NOM_BLANC, OFS_NOM_NOIR}) {
            uint8_t* champ = pt.partie[p] + ofs;
            const std::string nom = vers_utf8(lire_nom(champ));
            const std::string propre = sans_controles(nom);
            if (propre != nom) ecrire_nom(champ, propre);
        }
}

int32_t dernier_selon_mode(int32_t longueur, int32_t courant, ModeLecture mode) {
    if (mode == ModeLecture::lecon) return std::min(longueur, LONGUEUR_LECON_MAX);
    return std::max(longueur, courant);
}

ResultatFichier lire_selon_mode(const std::string& chemin, const Partie& avant, uint8_t trait_avant, LecturePartie& lu,
                                ModeLecture mode) {
    FILE* f = std::fopen(chemin.c_str(), "rb");
    if (!f) return ResultatFichier::echec(MessageFichier::impossible_ouvrir);
    auto octets = std::make_unique<uint8_t[]>(TAILLE_FICHIER_PARTIE);
    size_t n = std::fread(octets.get(), 1, TAILLE_FICHIER_PARTIE, f);
    bool erreur = std::ferror(f) != 0;
    std::fclose(f);
    if (erreur) return ResultatFichier::echec(MessageFichier::impossible_ouvrir);

    lu.partie = avant;
    lu.trait = trait_avant;
    lu.taille = n;
    std::memcpy(lu.partie.partie, octets.get(), std::min(n, TAILLE_ZONE));
    const uint8_t* r0 = lu.partie.partie[0];
    lu.longueur_complete = longueur_complete(r0, lu.longueur);
    if (!lu.longueur_complete) lu.longueur = r0[0];
    if (n >= OFS_FICHIER_COURANT + 4) {
        lu.partie.demi_coup_courant = lire_i32(octets.get() + OFS_FICHIER_COURANT);
    } else {
        // The previous game's index means nothing for this file.
        lu.partie.demi_coup_courant = dernier_selon_mode(lu.longueur, 0, mode);
    }
    if (n >= TAILLE_FICHIER_PARTIE)
        lu.trait = octets[OFS_FICHIER_TRAIT];
    else
        lu.trait = static_cast<uint8_t>(lu.partie.demi_coup_courant & 1);
    lu.reglages = prendre_reglages(lu.partie.partie);

    int32_t courant = lu.partie.demi_coup_courant;
    return verifier(lu, courant, dernier_selon_mode(lu.longueur, 0, mode));
}

}  // namespace

bool taille_hash_connue(int32_t code) {
    // "0 Mo" is written 1; files of the other writers of the format give it 10.
    static const int32_t codes[] = {1, 10, 50, 100, 200, 350, 700, 1000, 2000};
    return std::find(std::begin(codes), std::end(codes), code) != std::end(codes);
}

std::string image_partie(const Partie& pt, uint8_t trait, const Reglages& r) {
    std::string image(TAILLE_FICHIER_PARTIE, '\0');
    auto* zone = reinterpret_cast<uint8_t(*)[TAILLE_ENREGISTREMENT]>(&image[0]);
    std::memcpy(zone, pt.partie, TAILLE_ZONE);
    int32_t dernier = std::clamp(pt.dernier_demi_coup, 0, DEMI_COUPS_MAX);
    zone[0][0] = static_cast<uint8_t>(dernier & 0xFF);
    zone[0][OFS_MARQUE_LONGUEUR] = MARQUE_LONGUEUR;
    zone[0][OFS_MARQUE_LONGUEUR + 1] = static_cast<uint8_t>(dernier & 0xFF);
    zone[0][OFS_MARQUE_LONGUEUR + 2] = static_cast<uint8_t>(dernier >> 8);
    poser_reglages(zone, r);
    ecrire_i32(reinterpret_cast<uint8_t*>(&image[OFS_FICHIER_COURANT]), pt.demi_coup_courant);
    image[OFS_FICHIER_TRAIT] = static_cast<char>(trait);
    return image;
}

ResultatFichier ecrire_partie(const std::string& chemin, const Partie& pt, uint8_t trait, const Reglages& r) {
    std::string image = image_partie(pt, trait, r);
    RaisonEchec raison = RaisonEchec::aucune;
    if (!ecrire_fichier_sur(chemin, image.data(), image.size(), &raison))
        return ResultatFichier::echec_ecriture(raison);
    return {};
}

ResultatFichier lire_partie(const std::string& chemin, const Partie& avant, uint8_t trait_avant, LecturePartie& lu) {
    return lire_selon_mode(chemin, avant, trait_avant, lu, ModeLecture::ouvrir);
}

ResultatFichier sauver_jeu(const std::string& chemin, Jeu& jeu, const Reglages& r) {
    jeu.damier_depuis_plateau();
    return ecrire_partie(chemin, jeu.partie, jeu.trait, r);
}

ResultatFichier ouvrir_jeu(const std::string& chemin, Jeu& jeu, EtatNote& etat, Reglages& reglages, ModeLecture mode) {
    auto lu = std::make_unique<LecturePartie>();
    ResultatFichier res = lire_selon_mode(chemin, jeu.partie, jeu.trait, *lu, mode);
    if (!res.ok) return res;

    Reglages nouveaux = lu->reglages;
    switch (mode) {
        case ModeLecture::demarrage:
            reglages = nouveaux;
            return res;
        case ModeLecture::ouvrir:
            nouveaux.taille_hash = reglages.taille_hash;
            nouveaux.langue = reglages.langue;
            break;
        case ModeLecture::lecon:
        case ModeLecture::reprise:
            nouveaux.langue = reglages.langue;
            break;
    }

    Partie& pt = lu->partie;
    pt.dernier_demi_coup = dernier_selon_mode(lu->longueur, pt.demi_coup_courant, mode);
    pt.partie[0][0] = OCTET0_EN_MEMOIRE;
    EtatNote nouvel_etat = etat;
    nettoyer_noms(pt);
    reprendre_position(pt, jeu.damier, nouvel_etat);
    nouvel_etat.nom_blanc = vers_utf8(nouvel_etat.nom_blanc);
    nouvel_etat.nom_noir = vers_utf8(nouvel_etat.nom_noir);
    reconstruire_liste(pt);
    if (pt.selection >= static_cast<int>(pt.lignes.size())) pt.selection = static_cast<int>(pt.lignes.size()) - 1;

    jeu.partie = std::move(pt);
    jeu.trait = lu->trait;
    jeu.plateau_depuis_damier();
    compter_pieces(jeu.damier, jeu.nb_pieces);
    etat = std::move(nouvel_etat);
    reglages = nouveaux;
    return res;
}

ResultatFichier poser_langue_partie(const std::string& chemin, uint8_t langue) {
    auto lu = std::make_unique<LecturePartie>();
    auto avant = std::make_unique<Partie>();
    ResultatFichier res = lire_partie(chemin, *avant, BLANC, *lu);
    if (!res.ok) return res;
    std::string image;
    const size_t ofs = static_cast<size_t>(ENR_REGLAGES_B) * TAILLE_ENREGISTREMENT + OFS_DE;
    if (!lire_fichier(chemin, image)) return ResultatFichier::echec(MessageFichier::impossible_ouvrir);
    if (image.size() <= ofs || static_cast<uint8_t>(image[ofs]) == langue) return res;
    image[ofs] = static_cast<char>(langue);
    RaisonEchec raison = RaisonEchec::aucune;
    if (!ecrire_fichier_sur(chemin, image.data(), image.size(), &raison))
        return ResultatFichier::echec_ecriture(raison);
    return res;
}

void appliquer_noms(Partie& pt, EtatNote& etat, const std::string& blanc, const std::string& noir) {
    etat.nom_blanc = nom_limite(blanc);
    etat.nom_noir = nom_limite(noir);
    int p = pt.demi_coup_courant;
    if (p < 0 || p > DEMI_COUPS_MAX) return;
    ecrire_nom(pt.partie[p] + OFS_NOM_BLANC, etat.nom_blanc);
    ecrire_nom(pt.partie[p] + OFS_NOM_NOIR, etat.nom_noir);
}

std::string dossier_sauve() {
    return dossier_joueur(DOSSIER_SAUVE);
}

std::string dossier_problemes() {
    return dossier_joueur(DOSSIER_PROBLEMES);
}

std::string chemin_autosave() {
    return chemin_ecriture(FICHIER_AUTOSAVE);
}

}  // namespace kolmar
