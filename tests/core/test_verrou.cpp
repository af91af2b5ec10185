#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "records/verrou_dossier.h"

using namespace kolmar;

TEST(VerrouDossier, OneCopyPerFolderAndTheLockGoesWithItsHolder) {
    char modele[] = "/tmp/kolmar-verrou-XXXXXX";
    ASSERT_NE(mkdtemp(modele), nullptr);
    const std::string dir = modele;
    {
        VerrouDossier premier, second;
        ASSERT_EQ(premier.prendre(dir), EtatVerrou::tenu);
        EXPECT_EQ(second.prendre(dir), EtatVerrou::occupe);
        EXPECT_FALSE(second.tenu());
        premier.lacher();
        EXPECT_EQ(second.prendre(dir), EtatVerrou::tenu);
    }
    // Another process holds it until it is killed: no stale lock after.
    int tube[2];
    ASSERT_EQ(pipe(tube), 0);
    const pid_t fils = fork();
    ASSERT_GE(fils, 0);
    if (fils == 0) {
        VerrouDossier v;
        const char pris = v.prendre(dir) == EtatVerrou::tenu ? 'o' : 'n';
        if (write(tube[1], &pris, 1) != 1) _exit(1);
        pause();
        _exit(0);
    }
    char pris = 0;
    ASSERT_EQ(read(tube[0], &pris, 1), 1);
    ASSERT_EQ(pris, 'o');
    VerrouDossier moi;
    EXPECT_EQ(moi.prendre(dir), EtatVerrou::occupe);
    kill(fils, SIGKILL);
    waitpid(fils, nullptr, 0);
    EXPECT_EQ(moi.prendre(dir), EtatVerrou::tenu);
    // A folder that does not exist cannot be locked, and says so.
    VerrouDossier absent;
    EXPECT_EQ(absent.prendre(dir + "/absent"), EtatVerrou::impossible);
    moi.lacher();
    close(tube[0]);
    close(tube[1]);
    std::filesystem::remove_all(dir);
}
