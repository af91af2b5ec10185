// One copy of the program per data folder: the lock a window holds on its
// folder while it runs. Two copies writing one folder would replace each
// other's autosave, lessons and register behind each other's back.
//
// The lock is flock() on a file inside the folder, so the system lets it go
// when the process dies, however it dies.
#pragma once

#include <string>

namespace kolmar {

constexpr const char* FICHIER_VERROU = "kolmar.verrou";

enum class EtatVerrou {
    tenu,        // this process holds the folder
    occupe,      // another copy holds it
    impossible,  // no lock file can be made there (a read-only folder)
};

class VerrouDossier {
   public:
    VerrouDossier() = default;
    VerrouDossier(const VerrouDossier&) = delete;
    VerrouDossier& operator=(const VerrouDossier&) = delete;
    ~VerrouDossier() { lacher(); }

    // Takes the lock of `dossier` without waiting.
    EtatVerrou prendre(const std::string& dossier);
    void lacher();
    bool tenu() const { return fd_ >= 0; }

   private:
    int fd_ = -1;
};

}  // namespace kolmar
