#include "records/joueurs.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "records/fichiers.h"
#include "records/messages.h"
#include "records/texte.h"

namespace kolmar {

std::vector<std::string> lire_lignes(const std::string& chemin) {
    std::vector<std::string> lignes;
    std::string contenu;
    if (!lire_fichier(chemin, contenu)) return lignes;
    size_t debut = 0;
    while (debut < contenu.size()) {
        size_t fin = contenu.find('\n', debut);
        if (fin == std::string::npos) fin = contenu.size();
        size_t n = fin - debut;
        if (n > 0 && contenu[debut + n - 1] == '\r') --n;
        lignes.push_back(contenu.substr(debut, n));
        debut = fin + 1;
    }
    return lignes;
}

std::string texte_lignes(const std::vector<std::string>& lignes) {
    std::string t;
    for (const std::string& l : lignes) t += l + "\r\n";
    return t;
}

int32_t valeur_points(const std::string& ligne) {
    size_t i = 0, n = ligne.size();
    while (i < n && (ligne[i] == ' ' || ligne[i] == '\t')) ++i;
    while (n > i && (ligne[n - 1] == ' ' || ligne[n - 1] == '\t')) --n;
    std::string t = ligne.substr(i, n - i);
    if (t.empty()) return 0;
    char* fin = nullptr;
    errno = 0;
    long long v = std::strtoll(t.c_str(), &fin, 10);
    if (*fin != '\0' || errno == ERANGE || v > INT32_MAX || v < INT32_MIN) return 0;
    return static_cast<int32_t>(v);
}

std::string texte_capital(int32_t points) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%4d", points);
    return buf;
}

namespace {
// Read from the player's copy, or the program's until the first change;
// written to the player's folder, where the commit marker lives too.
std::string lu_joueurs(const std::string& dossier) {
    return chemin_lecture(FICHIER_JOUEURS, dossier);
}
std::string lu_points(const std::string& dossier) {
    return chemin_lecture(FICHIER_POINTS, dossier);
}
std::string chemin_engagement(const std::string& dossier) {
    return chemin_ecriture(FICHIER_ENGAGEMENT, dossier);
}

// A missing points line counts as a line that is not a number.
void aligner_points(Registre& r) {
    if (r.points.size() < r.noms.size()) r.points.resize(r.noms.size(), "0");
}
}  // namespace

Registre charger_registre(const std::string& dossier) {
    Registre r;
    // A save under way (or killed) is read as the pair it will leave.
    const std::string engagement = chemin_engagement(dossier);
    r.noms = lire_lignes(fichier_engage(engagement, lu_joueurs(dossier)));
    for (std::string& nom : r.noms) nom = sans_controles(vers_utf8(nom));
    r.points = lire_lignes(fichier_engage(engagement, lu_points(dossier)));
    return r;
}

ResultatFichier sauver_registre(const std::string& dossier, const Registre& r) {
    RaisonEchec raison = RaisonEchec::aucune;
    if (!ecrire_fichiers_sur({{chemin_ecriture(FICHIER_JOUEURS, dossier), texte_lignes(r.noms)},
                              {chemin_ecriture(FICHIER_POINTS, dossier), texte_lignes(r.points)}},
                             chemin_engagement(dossier), &raison))
        return ResultatFichier::echec_ecriture(raison);
    return {};
}

ResultatFichier reparer_registre(const std::string& dossier) {
    RaisonEchec raison = RaisonEchec::aucune;
    const std::string engagement = chemin_engagement(dossier);
    if (!achever_fichiers(engagement, &raison)) return ResultatFichier::echec_ecriture(raison);
    for (const std::string& f :
         {chemin_ecriture(FICHIER_JOUEURS, dossier), chemin_ecriture(FICHIER_POINTS, dossier), engagement})
        nettoyer_temporaires(f);
    return {};
}

ResultatFichier ajouter_joueur(const std::string& dossier, const std::string& nom, int32_t capital) {
    std::string n = nom_limite(nom);
    if (n.empty()) return ResultatFichier::echec(MessageFichier::aucun);
    Registre r = charger_registre(dossier);
    // Pair the lines up first: extra points lines belong to nobody and the
    // new player must not inherit one.
    r.points.resize(r.noms.size(), "0");
    r.noms.push_back(n);
    r.points.push_back(texte_capital(capital));
    return sauver_registre(dossier, r);
}

ResultatFichier effacer_joueur(const std::string& dossier, int k) {
    Registre r = charger_registre(dossier);
    if (k <= 0 || static_cast<size_t>(k) >= r.noms.size()) return ResultatFichier::echec(MessageFichier::aucun);
    r.noms.erase(r.noms.begin() + k);
    if (static_cast<size_t>(k) < r.points.size()) r.points.erase(r.points.begin() + k);
    return sauver_registre(dossier, r);
}

ResultatFichier renommer_joueur(const std::string& dossier, int k, const std::string& nom) {
    std::string n = nom_limite(nom);
    Registre r = charger_registre(dossier);
    if (n.empty() || k <= 0 || static_cast<size_t>(k) >= r.noms.size())
        return ResultatFichier::echec(MessageFichier::aucun);
    r.noms[static_cast<size_t>(k)] = n;
    aligner_points(r);
    return sauver_registre(dossier, r);
}

ResultatFichier ramener_kolmar(const std::string& dossier) {
    Registre r = charger_registre(dossier);
    if (r.noms.empty()) r.noms.push_back(NOM_KOLMAR);
    if (r.points.empty()) r.points.resize(1);
    r.points[0] = std::to_string(POINTS_KOLMAR);
    return sauver_registre(dossier, r);
}

}  // namespace kolmar
