// The engine's side of the line protocol that `kolmar-cli engine` speaks
// (docs/engine-protocol.md): the Hub protocol of 10x10 engines with a
// Canadian dialect. One object owns one game and one engine, so the table
// lives from move to move and the game's history reaches the record.
//
// The process feeds it line by line; it answers through `sortie`. A search
// runs inside ligne("go ..."): while it runs, `en_attente` is polled for
// lines that arrived meanwhile ("stop", "ping", "quit", "ponder-hit" act
// at once, any other line waits until the search is done and is then run
// from a loop, never by recursion). Every line is parsed whole before it
// acts: a refused line changes nothing.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/moteur.h"
#include "rules/jeu.h"

namespace kolmar {

// The longest line read; a longer one is refused whole.
constexpr size_t LIGNE_HUB_MAX = 65536;

class ServeurHub {
   public:
    using Sortie = std::function<void(const std::string&)>;
    explicit ServeurHub(Sortie sortie);

    // Engine data from `dir` (default: the program's), and a parameter file
    // replacing the default one when given. False with a message.
    bool charger(std::string& erreur, const std::string& dir = std::string(),
                 const std::string& fichier_parametres = std::string());

    // Handles one line; false once "quit" was read.
    bool ligne(const std::string& texte);

    // Non-blocking: a line that arrived during a search, false when none.
    std::function<bool(std::string&)> en_attente;

   private:
    void executer(const std::string& texte);
    void erreur(const std::string& message);
    bool poser_position(const std::string& position, const std::vector<std::string>& coups);
    void chercher(bool ponder);
    void traiter_pendant_recherche();
    void ponder_touche();
    int64_t budget_ms() const;
    // The game time of a new period of moves, before a timed search.
    void renouveler_temps();

    Sortie sortie_;
    std::unique_ptr<Jeu> jeu_ = std::make_unique<Jeu>();
    std::unique_ptr<Moteur> m_ = std::make_unique<Moteur>(*jeu_);
    // A `pos` is replayed here first, so a refused one leaves the game.
    std::unique_ptr<Jeu> essai_ = std::make_unique<Jeu>();
    Finales finales_;
    std::deque<std::string> differees_;
    bool quitter_ = false;
    // Level: a depth, a time per move, or a game time with the time left.
    int profondeur_ = 0;
    double temps_coup_ = 1.0;
    double temps_partie_ = 0, temps_restant_ = 0;
    int coups_periode_ = 0;  // 0: 30
    // The period of the game time last searched in (-1: none yet), and
    // whether the client has told the time left since then.
    int periode_ = -1;
    bool temps_donne_ = false;
    // A ponder search that "ponder-hit" turned into a timed one: its own
    // clock starts at the hit.
    bool en_ponder_ = false;
    bool touche_ = false;
    int64_t touche_ms_ = 0;
};

}  // namespace kolmar
