#include "records/classement.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "records/fichiers.h"
#include "records/messages.h"

namespace kolmar {

namespace {

// No game can move a rating further than this; it keeps products of
// absurd points (a hand-edited file) from overflowing.
constexpr int64_t ECART_MAX = 100000;

int64_t borne(int64_t v) {
    return std::clamp(v, -ECART_MAX, ECART_MAX);
}

// The gain of the winner (w points) over the loser (l points); `tours`
// further scalings by l / w, the last one adding 5.
int32_t gain(int64_t w, int64_t l, int tours) {
    w = borne(w);
    l = borne(l);
    // A winner at 0 points or less (a line that is not a number) would
    // divide by zero.
    int64_t d = w > 0 ? w : 1;
    int64_t f = borne(std::llabs(l - w) * l / d / 20);
    for (int i = 1; i <= tours; ++i) f = borne(f * l / d + (i == tours ? 5 : 0));
    return static_cast<int32_t>(f);
}

std::string passe_de(const std::string& nom, int32_t avant, int32_t apres) {
    char buf[64];
    std::snprintf(buf, sizeof buf, " passe de %4d à %4d", avant, apres);
    return nom + buf;
}

int32_t points_de_ligne(const Registre& r, int32_t k) {
    if (k < 0 || static_cast<size_t>(k) >= r.points.size()) return 0;
    return valeur_points(r.points[static_cast<size_t>(k)]);
}

std::string nom_de_ligne(const Registre& r, int32_t k) {
    if (k < 0 || static_cast<size_t>(k) >= r.noms.size()) return {};
    return r.noms[static_cast<size_t>(k)];
}

// The line of the register read now that holds the player who was on line
// k (named nom) when the match started; -1 when he is gone.
int32_t ligne_actuelle(const Registre& r, int32_t k, const std::string& nom) {
    if (k < 0) return -1;
    if (k == 0) return 0;  // the computer's line cannot be deleted
    if (nom.empty()) return -1;
    if (static_cast<size_t>(k) < r.noms.size() && r.noms[static_cast<size_t>(k)] == nom) return k;
    for (size_t i = 1; i < r.noms.size(); ++i)
        if (r.noms[i] == nom) return static_cast<int32_t>(i);
    return -1;
}

}  // namespace

void nouveaux_points(int resultat, int32_t B, int32_t W, int32_t& nouveau_B, int32_t& nouveau_W) {
    int64_t b = B, w = W;
    if (resultat == GAIN_NOIR) {
        int32_t f = gain(B, W, 3);
        b += f;
        w -= f;
    } else if (resultat == GAIN_BLANC) {
        int32_t f = gain(W, B, 2);
        w += f;
        b -= f;
    } else {
        w = W - (static_cast<int64_t>(W) - B) / 10;
        b = B - (static_cast<int64_t>(B) - W) / 10;
    }
    nouveau_B = static_cast<int32_t>(std::clamp<int64_t>(b, INT32_MIN, INT32_MAX));
    nouveau_W = static_cast<int32_t>(std::clamp<int64_t>(w, INT32_MIN, INT32_MAX));
}

void commencer_match(Match& m, const Registre& r, bool ordi_noir, const std::string& nom, int selection) {
    const int32_t blanc_avant = m.index_blanc, noir_avant = m.index_noir;
    // The human's line: the one chosen, else the one he had last time; the
    // computer's line cannot be his.
    auto ligne_humain = [&](int32_t precedent_meme, int32_t precedent_autre) {
        if (selection < 0) return precedent_meme;
        if (selection == 0) return precedent_autre;
        return static_cast<int32_t>(selection);
    };
    int32_t points_humain = 0;
    if (ordi_noir) {
        m.index_noir = 0;
        m.index_blanc = ligne_humain(blanc_avant, noir_avant);
        points_humain = nom == NOM_INCONNU ? POINTS_INCONNU : points_de_ligne(r, m.index_blanc);
        m.points_blanc = points_humain;
        m.points_noir = points_de_ligne(r, 0);
    } else {
        m.index_blanc = 0;
        m.index_noir = ligne_humain(noir_avant, blanc_avant);
        points_humain = nom == NOM_INCONNU ? POINTS_INCONNU : points_de_ligne(r, m.index_noir);
        m.points_noir = points_humain;
        m.points_blanc = points_de_ligne(r, 0);
    }
    m.nom_ligne_blanc = nom_de_ligne(r, m.index_blanc);
    m.nom_ligne_noir = nom_de_ligne(r, m.index_noir);
    m.matchState = nom == NOM_KOLMAR ? MATCH_AUCUN : MATCH_EN_COURS;
}

FinDeMatch conclure_match(Match& m, int resultat, const std::string& nom_blanc, const std::string& nom_noir,
                          const std::string& dossier) {
    FinDeMatch fin;
    if (m.matchState == MATCH_COMPTE) {
        fin.deja_compte = true;
        return fin;
    }
    if (m.matchState == MATCH_AUCUN) return fin;
    m.matchState = MATCH_COMPTE;

    fin.compte = true;
    fin.noir_avant = m.points_noir;
    fin.blanc_avant = m.points_blanc;
    nouveaux_points(resultat, m.points_noir, m.points_blanc, fin.noir_apres, fin.blanc_apres);
    fin.resultat_noir = passe_de(nom_noir, fin.noir_avant, fin.noir_apres);
    fin.resultat_blanc = passe_de(nom_blanc, fin.blanc_avant, fin.blanc_apres);

    // Read afresh: players may have been added or deleted while the match ran.
    Registre r = charger_registre(dossier);
    r.points.resize(std::max(r.points.size(), r.noms.size()), "0");
    auto poser = [&](int32_t k, int32_t points) {
        if (k >= 0 && static_cast<size_t>(k) < r.noms.size()) r.points[static_cast<size_t>(k)] = std::to_string(points);
    };
    poser(ligne_actuelle(r, m.index_noir, m.nom_ligne_noir), fin.noir_apres);
    poser(ligne_actuelle(r, m.index_blanc, m.nom_ligne_blanc), fin.blanc_apres);
    // Only the points change; the names file is left as it is. Written as
    // the register's unit, so a save another kill left pending goes first.
    RaisonEchec raison = RaisonEchec::aucune;
    if (!ecrire_fichiers_sur({{chemin_ecriture(FICHIER_POINTS, dossier), texte_lignes(r.points)}},
                             chemin_ecriture(FICHIER_ENGAGEMENT, dossier), &raison))
        fin.ecriture = ResultatFichier::echec_ecriture(raison);
    return fin;
}

}  // namespace kolmar
