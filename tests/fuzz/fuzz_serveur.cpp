// The engine server fed a session: the input is its lines, as a client
// would send them, the lines after a "go" arriving while that search runs.
// Every answer must be one printable line of bounded length, an error's
// message quoted once.
#include <deque>
#include <memory>
#include <string>

#include "commun.h"
#include "engine/hub.h"

using namespace kolmar;
using kolmar::fuzz::exiger;

namespace {

std::vector<std::string>* reponses = nullptr;

// One server from input to input; a session that quit gets a new one.
std::unique_ptr<ServeurHub> nouveau_serveur() {
    auto h = std::make_unique<ServeurHub>([](const std::string& l) {
        if (reponses) reponses->push_back(l);
    });
    std::string erreur;
    if (!h->charger(erreur, KOLMAR_DIR)) {
        std::fprintf(stderr, "%s\n", erreur.c_str());
        std::abort();
    }
    return h;
}

std::unique_ptr<ServeurHub> serveur;

void verifier(const std::string& l) {
    exiger(l.size() < 8192, "an answer is of bounded length");
    for (char c : l) exiger(static_cast<unsigned char>(c) >= 0x20, "an answer holds no control byte");
    if (l.rfind("error", 0) == 0) {
        exiger(l.rfind("error message=\"", 0) == 0 && l.back() == '"', "an error is message=\"...\"");
        // A backslash escapes the byte after it, a backslash too.
        int nus = 0;
        for (size_t i = 0; i < l.size(); ++i) {
            if (l[i] == '\\')
                ++i;
            else
                nus += l[i] == '"';
        }
        exiger(nus == 2, "an error's message is quoted once");
        exiger(l.size() < 400, "an error echoes a bounded part of its line");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t taille) {
    if (!serveur) serveur = nouveau_serveur();
    ServeurHub& s = *serveur;
    std::vector<std::string> sortie;
    reponses = &sortie;
    std::deque<std::string> lignes;
    std::string l;
    for (size_t i = 0; i < taille; ++i) {
        if (data[i] != '\n') {
            l += static_cast<char>(data[i]);
            continue;
        }
        lignes.push_back(l);
        l.clear();
    }
    if (!l.empty()) lignes.push_back(l);
    // A large table would only measure the allocator.
    for (std::string& t : lignes)
        if (t.find("set-param") != std::string::npos && t.find_first_of("3456789") != std::string::npos) t.clear();

    // A search takes the lines still to come, then is stopped at each poll
    // so that a session never waits on a deep level, queued searches too.
    bool arret = false;
    s.en_attente = [&](std::string& t) {
        if (!lignes.empty()) {
            t = std::move(lignes.front());
            lignes.pop_front();
            return true;
        }
        arret = !arret;
        if (arret) t = "stop";
        return arret;
    };
    s.ligne("new-game");
    s.ligne("level depth=2");
    bool ouvert = true;
    while (ouvert && !lignes.empty()) {
        const std::string t = std::move(lignes.front());
        lignes.pop_front();
        ouvert = s.ligne(t);
    }
    for (const std::string& r : sortie) verifier(r);
    reponses = nullptr;
    s.en_attente = nullptr;
    if (!ouvert) serveur.reset();
    return 0;
}
