#include "records/fichiers.h"

#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>
#include <strings.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
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

const std::string& repertoire_installe() { return repertoire_installe_courant(); }
void definir_repertoire_installe(const std::string& dir) { repertoire_installe_courant() = dir; }
const std::string& repertoire_donnees() { return repertoire_courant(); }
void definir_repertoire_donnees(const std::string& dir) { repertoire_courant() = dir; }

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
        case 0: return RaisonEchec::aucune;
        case EACCES:
        case EPERM:
        case EROFS: return RaisonEchec::lecture_seule;
        case ENOSPC:
        case EDQUOT:
        case EFBIG: return RaisonEchec::disque_plein;
        case ENOENT:
        case ENOTDIR: return RaisonEchec::chemin_absent;
        default: return RaisonEchec::autre;
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

bool ecrire_temporaire(const std::string& temp, const void* data, size_t taille, Echec& e) {
    errno = 0;
    FILE* f = std::fopen(temp.c_str(), "wb");
    if (!e.noter(f != nullptr)) return false;
    bool ok = e.noter(std::fwrite(data, 1, taille, f) == taille);
    ok = e.noter(std::fflush(f) == 0) && ok;
    ok = e.noter(fsync(fileno(f)) == 0) && ok;
    ok = e.noter(std::fclose(f) == 0) && ok;
    return ok;
}

}  // namespace

bool ecrire_fichier_sur(const std::string& chemin, const void* data, size_t taille, RaisonEchec* raison) {
    std::string temp = chemin + ".tmp~";
    Echec e;
    if (!ecrire_temporaire(temp, data, taille, e)) {
        std::remove(temp.c_str());
        return e.rendre(raison);
    }
    errno = 0;
    if (!e.noter(std::rename(temp.c_str(), chemin.c_str()) == 0)) std::remove(temp.c_str());
    return e.rendre(raison);
}

bool ecrire_fichiers_sur(const std::vector<FichierAEcrire>& fichiers, RaisonEchec* raison) {
    Echec e;
    size_t ecrits = 0;
    bool ok = true;
    for (; ecrits < fichiers.size() && ok; ++ecrits) {
        const FichierAEcrire& f = fichiers[ecrits];
        ok = ecrire_temporaire(f.chemin + ".tmp~", f.contenu.data(), f.contenu.size(), e);
    }
    if (!ok) {
        for (size_t i = 0; i < ecrits; ++i) std::remove((fichiers[i].chemin + ".tmp~").c_str());
        return e.rendre(raison);
    }
    for (const FichierAEcrire& f : fichiers) {
        errno = 0;
        if (!e.noter(std::rename((f.chemin + ".tmp~").c_str(), f.chemin.c_str()) == 0))
            std::remove((f.chemin + ".tmp~").c_str());
    }
    return e.rendre(raison);
}

bool creer_dossier(const std::string& chemin) {
    struct stat st;
    if (stat(chemin.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    return mkdir(chemin.c_str(), 0777) == 0 || (stat(chemin.c_str(), &st) == 0 && S_ISDIR(st.st_mode));
}

bool creer_dossiers(const std::string& chemin) {
    if (chemin.empty() || est_dossier(chemin)) return !chemin.empty();
    const size_t slash = chemin.find_last_not_of('/') == std::string::npos ? std::string::npos
                                                                            : chemin.rfind('/', chemin.find_last_not_of('/'));
    if (slash != std::string::npos && slash > 0 && !creer_dossiers(chemin.substr(0, slash))) return false;
    return creer_dossier(chemin);
}

bool copier_fichier(const std::string& source, const std::string& cible) {
    std::string contenu;
    return lire_fichier(source, contenu) && ecrire_fichier_sur(cible, contenu.data(), contenu.size());
}

}  // namespace kolmar
