#include "records/verrou_dossier.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace kolmar {

EtatVerrou VerrouDossier::prendre(const std::string& dossier) {
    lacher();
    const std::string chemin = dossier + "/" + FICHIER_VERROU;
    const int fd = open(chemin.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return EtatVerrou::impossible;
    int r;
    do r = flock(fd, LOCK_EX | LOCK_NB);
    while (r != 0 && errno == EINTR);
    if (r != 0) {
        const bool pris = errno == EWOULDBLOCK;
        close(fd);
        return pris ? EtatVerrou::occupe : EtatVerrou::impossible;
    }
    fd_ = fd;
    return EtatVerrou::tenu;
}

void VerrouDossier::lacher() {
    if (fd_ < 0) return;
    close(fd_);
    fd_ = -1;
}

}  // namespace kolmar
