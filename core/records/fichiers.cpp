#include "records/fichiers.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

namespace kolmar {

std::string repertoire_programme() {
    char buf[4096];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    std::string p(buf, static_cast<size_t>(n));
    size_t slash = p.rfind('/');
    return slash == std::string::npos || slash == 0 ? std::string(slash == 0 ? "/" : ".") : p.substr(0, slash);
}

namespace {

bool est_dossier(const std::string& chemin) {
    struct stat st;
    return stat(chemin.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool existe(const std::string& chemin) {
    struct stat st;
    return stat(chemin.c_str(), &st) == 0;
}

// An install puts the data at this path from the executable's folder.
#ifndef KOLMAR_PARTAGE_RELATIF
#define KOLMAR_PARTAGE_RELATIF "../share/kolmar3d"
#endif

std::string installe_defaut() {
    const std::string programme = repertoire_programme();
    const std::string partage = programme + "/" KOLMAR_PARTAGE_RELATIF;
    return est_dossier(partage) ? partage : programme;
}

std::string& repertoire_installe_courant() {
    static std::string dir = installe_defaut();
    return dir;
}

std::string& repertoire_courant() {
    static std::string dir = repertoire_donnees_defaut();
    return dir;
}

// An environment variable that names an absolute path, else empty.
std::string chemin_absolu_env(const char* nom) {
    const char* v = std::getenv(nom);
    return v != nullptr && v[0] == '/' ? std::string(v) : std::string();
}

}  // namespace

std::string repertoire_donnees_defaut() {
    if (const char* d = std::getenv("KOLMAR_DATA"); d != nullptr && d[0] != '\0') return d;
    std::string base = chemin_absolu_env("XDG_DATA_HOME");
    if (base.empty()) {
        std::string maison = chemin_absolu_env("HOME");
        if (maison.empty())
            if (const passwd* pw = getpwuid(getuid()); pw != nullptr && pw->pw_dir != nullptr) maison = pw->pw_dir;
        if (maison.empty()) return repertoire_programme();
        base = maison + "/.local/share";
    }
    return base + "/kolmar3d";
}

const std::string& repertoire_installe() {
    return repertoire_installe_courant();
}
void definir_repertoire_installe(const std::string& dir) {
    repertoire_installe_courant() = dir;
}
const std::string& repertoire_donnees() {
    return repertoire_courant();
}
void definir_repertoire_donnees(const std::string& dir) {
    repertoire_courant() = dir;
}

std::string chemin_lecture(const std::string& relatif, const std::string& dossier) {
    const std::string chemin = chemin_donnee(relatif, dossier);
    if (dossier != repertoire_donnees() || dossier == repertoire_installe() || existe(chemin)) return chemin;
    const std::string installe = chemin_donnee(relatif, repertoire_installe());
    return existe(installe) ? installe : chemin;
}

std::string chemin_ecriture(const std::string& relatif, const std::string& dossier) {
    const std::string chemin = chemin_donnee(relatif, dossier);
    const size_t slash = chemin.rfind('/');
    if (slash != std::string::npos && slash > 0) creer_dossiers(chemin.substr(0, slash));
    return chemin;
}

std::string dossier_joueur(const std::string& relatif) {
    const std::string chemin = chemin_donnee(relatif, repertoire_donnees());
    if (est_dossier(chemin)) return chemin;
    if (!creer_dossiers(chemin)) return chemin;
    const std::string source = chemin_donnee(relatif, repertoire_installe());
    if (source == chemin) return chemin;
    if (DIR* d = opendir(source.c_str())) {
        while (dirent* e = readdir(d)) {
            const std::string de = source + "/" + e->d_name;
            struct stat st;
            if (e->d_name[0] == '.' || stat(de.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
            copier_fichier(de, chemin + "/" + e->d_name);
        }
        closedir(d);
    }
    return chemin;
}

std::string chemin_donnee(const std::string& relatif, const std::string& base) {
    std::vector<std::string> parties;
    std::string courant;
    for (char c : relatif) {
        if (c == '/' || c == '\\') {
            if (!courant.empty()) parties.push_back(courant);
            courant.clear();
        } else {
            courant += c;
        }
    }
    if (!courant.empty()) parties.push_back(courant);

    std::string chemin = base;
    for (const std::string& partie : parties) {
        std::string trouve = partie;
        if (DIR* d = opendir(chemin.c_str())) {
            bool exact = false;
            while (dirent* e = readdir(d)) {
                if (partie == e->d_name) {
                    exact = true;
                    break;
                }
                if (strcasecmp(partie.c_str(), e->d_name) == 0) trouve = e->d_name;
            }
            if (exact) trouve = partie;
            closedir(d);
        }
        chemin += "/" + trouve;
    }
    return chemin;
}

bool lire_fichier(const std::string& chemin, std::string& contenu) {
    std::ifstream f(chemin, std::ios::binary);
    if (!f) return false;
    contenu.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    return !f.bad();
}

RaisonEchec raison_de_errno(int erreur) {
    switch (erreur) {
        case 0:
            return RaisonEchec::aucune;
        case EACCES:
        case EPERM:
        case EROFS:
            return RaisonEchec::lecture_seule;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return RaisonEchec::disque_plein;
        case ENOENT:
        case ENOTDIR:
            return RaisonEchec::chemin_absent;
        default:
            return RaisonEchec::autre;
    }
}

namespace {

// The first system error of a write, kept while the clean-up runs.
struct Echec {
    int erreur = 0;
    bool noter(bool ok) {
        if (!ok && erreur == 0) erreur = errno ? errno : EIO;
        return ok;
    }
    bool rendre(RaisonEchec* raison) const {
        if (raison) *raison = raison_de_errno(erreur);
        return erreur == 0;
    }
};

std::string dossier_de(const std::string& chemin) {
    const size_t slash = chemin.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : chemin.substr(0, slash);
}

std::string nom_de(const std::string& chemin) {
    const size_t slash = chemin.rfind('/');
    return slash == std::string::npos ? chemin : chemin.substr(slash + 1);
}

// A rename is only durable once its folder is: without this a power cut
// can bring back the old name.
bool synchroniser_dossier(const std::string& dossier, Echec& e) {
    const int fd = open(dossier.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return true;  // not ours to refuse a write over
    const bool ok = e.noter(fsync(fd) == 0 || errno == EINVAL || errno == EROFS);
    close(fd);
    return ok;
}

mode_t mode_nouveau_fichier() {
    const mode_t masque = umask(0);
    umask(masque);
    return 0666 & ~masque;
}

std::string& lecture_seule() {
    static std::string dossier;
    return dossier;
}

bool dans_dossier_protege(const std::string& chemin) {
    const std::string& d = lecture_seule();
    if (d.empty()) return false;
    std::error_code ec;
    const std::string absolu = std::filesystem::weakly_canonical(std::filesystem::absolute(chemin, ec), ec).string();
    return absolu.size() > d.size() && absolu.compare(0, d.size(), d) == 0 && absolu[d.size()] == '/';
}

// Writes data to a new temporary beside `chemin`; its name in `temp`.
bool ecrire_temporaire(const std::string& chemin, std::string& temp, const void* data, size_t taille, Echec& e) {
    if (dans_dossier_protege(chemin)) {
        errno = EROFS;
        e.noter(false);
        return false;
    }
    std::vector<char> modele(chemin.begin(), chemin.end());
    for (char c : std::string(".tmp~XXXXXX")) modele.push_back(c);
    modele.push_back('\0');
    errno = 0;
    const int fd = mkstemp(modele.data());
    if (!e.noter(fd >= 0)) {
        temp.clear();
        return false;
    }
    temp = modele.data();
    bool ok = e.noter(fchmod(fd, mode_nouveau_fichier()) == 0);
    const char* p = static_cast<const char*>(data);
    for (size_t fait = 0; ok && fait < taille;) {
        const ssize_t n = write(fd, p + fait, taille - fait);
        if (n < 0 && errno == EINTR) continue;
        if (!e.noter(n > 0))
            ok = false;
        else
            fait += static_cast<size_t>(n);
    }
    ok = ok && e.noter(fsync(fd) == 0);
    ok = e.noter(close(fd) == 0) && ok;
    if (!ok) std::remove(temp.c_str());
    return ok;
}

std::vector<std::string> lignes_marqueur(const std::string& marqueur, bool& present) {
    std::vector<std::string> lignes;
    std::string contenu;
    present = lire_fichier(marqueur, contenu);
    std::istringstream in(contenu);
    for (std::string l; std::getline(in, l);) lignes.push_back(l);
    return lignes;
}

}  // namespace

bool ecrire_fichier_sur(const std::string& chemin, const void* data, size_t taille, RaisonEchec* raison) {
    std::string temp;
    Echec e;
    if (!ecrire_temporaire(chemin, temp, data, taille, e)) return e.rendre(raison);
    errno = 0;
    if (!e.noter(std::rename(temp.c_str(), chemin.c_str()) == 0))
        std::remove(temp.c_str());
    else
        synchroniser_dossier(dossier_de(chemin), e);
    return e.rendre(raison);
}

bool achever_fichiers(const std::string& marqueur, RaisonEchec* raison) {
    Echec e;
    bool present = false;
    const std::vector<std::string> lignes = lignes_marqueur(marqueur, present);
    if (!present) return true;
    if (dans_dossier_protege(marqueur)) {
        errno = EROFS;
        e.noter(false);
        return e.rendre(raison);
    }
    // Pairs of lines: the temporary, then its target, both in the marker's folder.
    const std::string dossier = dossier_de(marqueur);
    struct stat st;
    for (size_t i = 0; i + 1 < lignes.size(); i += 2) {
        const std::string temp = dossier + "/" + lignes[i], cible = dossier + "/" + lignes[i + 1];
        if (stat(temp.c_str(), &st) != 0) continue;  // renamed before the kill
        errno = 0;
        if (!e.noter(std::rename(temp.c_str(), cible.c_str()) == 0)) return e.rendre(raison);
    }
    if (!synchroniser_dossier(dossier, e)) return e.rendre(raison);
    errno = 0;
    if (!e.noter(std::remove(marqueur.c_str()) == 0 || errno == ENOENT)) return e.rendre(raison);
    synchroniser_dossier(dossier, e);
    return e.rendre(raison);
}

std::string fichier_engage(const std::string& marqueur, const std::string& chemin) {
    bool present = false;
    const std::vector<std::string> lignes = lignes_marqueur(marqueur, present);
    const std::string dossier = dossier_de(marqueur), nom = nom_de(chemin);
    struct stat st;
    for (size_t i = 0; i + 1 < lignes.size(); i += 2) {
        if (lignes[i + 1] != nom) continue;
        const std::string temp = dossier + "/" + lignes[i];
        if (stat(temp.c_str(), &st) == 0) return temp;
    }
    return chemin;
}

bool ecrire_fichiers_sur(const std::vector<FichierAEcrire>& fichiers, const std::string& marqueur,
                         RaisonEchec* raison) {
    if (!achever_fichiers(marqueur, raison)) return false;
    Echec e;
    std::vector<std::string> temps;
    auto effacer_temps = [&] {
        for (const std::string& t : temps) std::remove(t.c_str());
    };
    std::string engagement;
    for (const FichierAEcrire& f : fichiers) {
        std::string temp;
        if (!ecrire_temporaire(f.chemin, temp, f.contenu.data(), f.contenu.size(), e)) {
            effacer_temps();
            return e.rendre(raison);
        }
        temps.push_back(temp);
        engagement += nom_de(temp) + "\n" + nom_de(f.chemin) + "\n";
    }
    // The commit point: from here on the new contents win, even after a kill.
    if (!ecrire_fichier_sur(marqueur, engagement.data(), engagement.size(), raison)) {
        effacer_temps();
        return false;
    }
    return achever_fichiers(marqueur, raison);
}

void poser_dossier_lecture_seule(const std::string& dossier) {
    std::error_code ec;
    lecture_seule() = dossier.empty()
                          ? std::string()
                          : std::filesystem::weakly_canonical(std::filesystem::absolute(dossier, ec), ec).string();
}

const std::string& dossier_lecture_seule() {
    return lecture_seule();
}

void nettoyer_temporaires(const std::string& chemin) {
    const std::string dossier = dossier_de(chemin), prefixe = nom_de(chemin) + ".tmp~";
    DIR* d = opendir(dossier.c_str());
    if (!d) return;
    std::vector<std::string> restes;
    while (dirent* ent = readdir(d)) {
        const std::string n = ent->d_name;
        if (n.size() == prefixe.size() + 6 && n.compare(0, prefixe.size(), prefixe) == 0) restes.push_back(n);
    }
    closedir(d);
    for (const std::string& n : restes) std::remove((dossier + "/" + n).c_str());
}

bool creer_dossier(const std::string& chemin) {
    struct stat st;
    if (stat(chemin.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    return mkdir(chemin.c_str(), 0777) == 0 || (stat(chemin.c_str(), &st) == 0 && S_ISDIR(st.st_mode));
}

bool creer_dossiers(const std::string& chemin) {
    if (chemin.empty() || est_dossier(chemin)) return !chemin.empty();
    const size_t slash = chemin.find_last_not_of('/') == std::string::npos
                             ? std::string::npos
                             : chemin.rfind('/', chemin.find_last_not_of('/'));
    if (slash != std::string::npos && slash > 0 && !creer_dossiers(chemin.substr(0, slash))) return false;
    return creer_dossier(chemin);
}

bool copier_fichier(const std::string& source, const std::string& cible) {
    std::string contenu;
    return lire_fichier(source, contenu) && ecrire_fichier_sur(cible, contenu.data(), contenu.size());
}

}  // namespace kolmar
