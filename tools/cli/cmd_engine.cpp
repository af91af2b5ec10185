// kolmar-cli engine: the engine as a separate process speaking the line
// protocol of docs/engine-protocol.md on its standard input and output.
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <mutex>
#include <string>
#include <thread>

#include "cli.h"
#include "engine/hub.h"

namespace kolmar::cli {

int cmd_engine(const Args& args) {
    std::string parametres;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--params" && i + 1 < args.size())
            parametres = args[++i];
        else
            return erreur_usage("engine: bad argument '" + args[i] + "'");
    }
    ServeurHub serveur([](const std::string& l) {
        std::fputs(l.c_str(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    });
    std::string erreur;
    if (!serveur.charger(erreur, std::string(), parametres)) {
        std::fprintf(stderr, "kolmar-cli: %s\n", erreur.c_str());
        return 1;
    }

    // A reader thread, so that "stop" reaches a running search.
    std::mutex verrou;
    std::condition_variable signal;
    std::deque<std::string> lignes;
    bool fin = false;
    std::thread lecteur([&] {
        // Lines are kept up to one byte past the longest the server takes,
        // so a huge line costs no memory and is still refused whole.
        std::string l;
        bool dans_ligne = false;
        int c;
        while ((c = getc_unlocked(stdin)) != EOF) {
            dans_ligne = true;
            if (c != '\n') {
                if (l.size() <= LIGNE_HUB_MAX) l += static_cast<char>(c);
                continue;
            }
            std::lock_guard<std::mutex> g(verrou);
            lignes.push_back(std::move(l));
            l.clear();
            dans_ligne = false;
            signal.notify_one();
        }
        // End of input is "quit", at once even during a search: a client
        // that died must not leave its engine searching.
        std::lock_guard<std::mutex> g(verrou);
        if (dans_ligne) lignes.push_back(std::move(l));
        lignes.push_back("quit");
        fin = true;
        signal.notify_one();
    });
    lecteur.detach();
    serveur.en_attente = [&](std::string& l) {
        std::lock_guard<std::mutex> g(verrou);
        if (lignes.empty()) return false;
        l = lignes.front();
        lignes.pop_front();
        return true;
    };
    while (true) {
        std::string l;
        {
            std::unique_lock<std::mutex> g(verrou);
            signal.wait(g, [&] { return fin || !lignes.empty(); });
            if (lignes.empty()) break;  // end of input: as "quit"
            l = lignes.front();
            lignes.pop_front();
        }
        if (!serveur.ligne(l)) break;
    }
    std::fflush(stdout);
    // The reader may still be blocked on input.
    std::_Exit(0);
}

}  // namespace kolmar::cli
