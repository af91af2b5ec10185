// Faults of the system a write can meet, made on purpose for the length of
// a scope: a disk that fills up after n bytes, no file that can be created.
// Writers name their temporaries uniquely, so a name cannot be occupied.
#pragma once

#include <signal.h>
#include <sys/resource.h>

struct DisquePleinApres {
    explicit DisquePleinApres(rlim_t octets) {
        getrlimit(RLIMIT_FSIZE, &avant);
        struct sigaction ignorer = {};
        ignorer.sa_handler = SIG_IGN;
        sigaction(SIGXFSZ, &ignorer, &signal_avant);
        struct rlimit petite = avant;
        petite.rlim_cur = octets;
        setrlimit(RLIMIT_FSIZE, &petite);
    }
    ~DisquePleinApres() {
        setrlimit(RLIMIT_FSIZE, &avant);
        sigaction(SIGXFSZ, &signal_avant, nullptr);
    }
    struct rlimit avant;
    struct sigaction signal_avant = {};
};

// No descriptor left: no temporary can be opened.
struct SansDescripteur {
    SansDescripteur() {
        getrlimit(RLIMIT_NOFILE, &avant);
        struct rlimit aucune = avant;
        aucune.rlim_cur = 0;
        setrlimit(RLIMIT_NOFILE, &aucune);
    }
    ~SansDescripteur() { setrlimit(RLIMIT_NOFILE, &avant); }
    struct rlimit avant;
};
