// What the game controller asks of the window. The controller owns the
// game; the window only shows what it is told and hands input back as
// plain calls. Everything here is called on the one thread.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "rules/board.h"

namespace kolmar {

struct Horloges;
struct ControleTemps;
struct Options;

// Window colours are written 00BBGGRR.
constexpr uint32_t COULEUR_ROUGE = 0x0000FF;    // the piece picked up
constexpr uint32_t COULEUR_BLEU = 0xFF0000;     // a square on a capture path
constexpr uint32_t COULEUR_FUCHSIA = 0xFF00FF;  // where the move can still go
constexpr uint32_t COULEUR_AQUA = 0xFFFF00;     // the computer's end square
constexpr uint32_t COULEUR_ARGENT = 0xC0C0C0;   // the window colour

// Panels the controller shows and hides.
enum class Panneau : int {
    fin_de_parties,     // the result panel
    Zut,                // the beginner's handicap move
    Match_nul,          // the computer offers a draw
    Nulrefus,           // "Nul refusé"
    Panel9,             // minutes of "Autre"
    prise_obligatoire,  // the three rule labels Label29..31
    Abandon,            // the abandon button and its menu item
    Panel11,            // "Match" / "Entraînement"
    Couleurordi,        // the computer's colour, hidden without a computer
    Probleme,           // the set-up group box "PLACEZ LES PIONS"
    Form4,              // the analysis window
    Learn,              // "Apprendre ?" after an analysis
    NB
};

// Labels whose text the controller writes.
enum class Etiquette : int {
    Couleurordi,
    qui_gagne,
    Resultat_noir,
    Resultat_blanc,
    Panel11,
    Nom_blanc,
    Nom_noir,
    Bas_Haut,
    Couleurjoue,  // set-up: who moves first
    Blancs,       // set-up: white's static evaluation
    Noirs,        // set-up: black's static evaluation
    Nbcoups3d,    // the move number on the 3D board
    NB
};

// Commands the turn flow and a rated match lock: one table, read by the
// window to enable its menus, items and buttons.
enum class Commande : int {
    Fichier1,
    Nouveau2,
    Humaincontrehumain1,
    Sauver1,
    Ouvrir1,
    Quitter1,
    Edition1,
    Navigation,  // the four navigation items and their buttons
    Joueurs1,
    Ouvertures1,
    Niveau1,
    Rflexionsurtempsadverse1,
    Arretrflexionparclicsouris1,
    Horlogeszro1,
    Pause1,
    Proposernul,
    Inverserdamier1,
    Numroterlescase1,
    Debuteruneanalyse1,
    Arretercettephase1,  // with "Suivant" of the analysis window
    Terminerlanalyse1,   // with "Fin analyse"
    Installeruneposition1,
    Coller1,  // replaces the game as opening a file does
    Lancerunesession1,
    Arrterlasession1,
    Parametres,  // the items of "Paramétrage" but the session's
    NB
};
using Commandes = std::array<bool, static_cast<size_t>(Commande::NB)>;

enum class Son : int { coup, gagne, perdu };

// What the board shows beside its pieces until the game moves on: the last
// half-move (start, end, a capture's landing squares before the end) and,
// at the start of a human turn, the pieces that must capture.
struct MarquesPlateau {
    uint8_t depart = 0;  // 0: no last move shown
    uint8_t arrivee = 0;
    std::vector<uint8_t> chemin;
    std::vector<uint8_t> obligatoires;
    bool operator==(const MarquesPlateau& o) const {
        return depart == o.depart && arrivee == o.arrivee && chemin == o.chemin && obligatoires == o.obligatoires;
    }
};

class Vue {
   public:
    virtual ~Vue() = default;

    // The board. `inverse` and `numeros` say how squares are drawn.
    virtual void orientation(bool inverse, bool numeros) = 0;
    virtual void placer_pions(const uint8_t plateau[TAILLE_DAMIER]) = 0;
    virtual void dessiner_case(int s, int code) = 0;
    // An outline inside square s's own cell; `repere_3d` also marks the
    // square on the 3D picture.
    virtual void encadrer_case(int s, uint32_t bbggrr, bool repere_3d) = 0;
    virtual void compteurs(int blancs, int noirs) = 0;

    // The move list and its selected line (-1 none).
    virtual void liste_coups(const std::vector<std::string>& lignes, int selection) = 0;
    virtual void selection_liste(int ligne) = 0;

    virtual void horloges(const Horloges& h) = 0;
    // Timer1 runs (Pause2 unchecked) or stands.
    virtual void minuterie(bool marche) = 0;
    // Level check marks and the minutes of "Autre".
    virtual void niveau(const ControleTemps& c) = 0;
    virtual void taille_hash(int index) = 0;
    // Check marks of the options.
    virtual void options(const Options& o) = 0;
    virtual void langue(int l) = 0;

    virtual void montrer(Panneau p, bool visible) = 0;
    virtual void texte(Etiquette e, const std::string& t) = 0;
    virtual void activer(const Commandes& actives) = 0;
    virtual void son(Son s) = 0;

    // The engine panel.
    virtual void progression(const std::vector<std::string>& lignes) = 0;
    virtual void ligne_racine(const std::string& ligne, bool en_cours) = 0;
    virtual void effacer_calcul() = 0;
    virtual void sablier(bool attente) = 0;

    // The "Erreur" box.
    virtual void erreur(const std::string& message) = 0;

    // Pending events, once; `attendre` blocks until one arrives.
    virtual void traiter_evenements(bool attendre) = 0;
    // ms milliseconds with events processed, without burning a core.
    virtual void attendre(int ms) = 0;
    // The program ends: the window closes.
    virtual void fermer() = 0;

    // The analysis lists: the analysis window's (long lines and legend)
    // and the main window's (short lines).
    virtual void lignes_analyse(const std::vector<std::string>& longues, const std::vector<std::string>& courtes) {
        (void)longues, (void)courtes;
    }
    // The page control shows the set-up tab, or "Calcul" when false.
    virtual void onglet_probleme(bool actif) { (void)actif; }
    // The marks of the last move and of the compulsory captures; they
    // stay over every redraw until the next call.
    virtual void marques(const MarquesPlateau& m) { (void)m; }
    // Where a training session writes what it learned: the lesson file the
    // user picks, empty when he declines.
    virtual std::string fichier_lecons() { return {}; }
};

// A view that shows nothing: the controller runs without a window (tests,
// tools) and waits return at once.
class VueMuette : public Vue {
   public:
    void orientation(bool, bool) override {}
    void placer_pions(const uint8_t*) override {}
    void dessiner_case(int, int) override {}
    void encadrer_case(int, uint32_t, bool) override {}
    void compteurs(int, int) override {}
    void liste_coups(const std::vector<std::string>&, int) override {}
    void selection_liste(int) override {}
    void horloges(const Horloges&) override {}
    void minuterie(bool) override {}
    void niveau(const ControleTemps&) override {}
    void taille_hash(int) override {}
    void options(const Options&) override {}
    void langue(int) override {}
    void montrer(Panneau, bool) override {}
    void texte(Etiquette, const std::string&) override {}
    void activer(const Commandes&) override {}
    void son(Son) override {}
    void progression(const std::vector<std::string>&) override {}
    void ligne_racine(const std::string&, bool) override {}
    void effacer_calcul() override {}
    void sablier(bool) override {}
    void erreur(const std::string&) override {}
    void traiter_evenements(bool) override {}
    void attendre(int) override {}
    void fermer() override {}
};

}  // namespace kolmar
