// A view that remembers what the controller asked it to show, and a
// controller on it ready for play: engine data from the program directory,
// no animation waits, two people at the board unless a test says otherwise.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "control/commandes.h"
#include "control/controleur.h"
#include "control/deroulement.h"
#include "control/geometrie.h"
#include "control/tour_ordinateur.h"
#include "records/fichiers.h"

namespace essai {

using namespace kolmar;

struct VueTest : VueMuette {
    int blancs = -1, noirs = -1;
    std::map<Etiquette, std::string> textes;
    std::map<Panneau, bool> panneaux;
    std::vector<Son> sons;
    std::vector<std::string> erreurs;
    Commandes commandes{};
    std::vector<std::string> lignes;
    bool ferme = false;
    std::vector<std::string> analyse_longues, analyse_courtes;
    bool onglet_probleme_actif = false;
    MarquesPlateau marques_plateau;
    // Run at each pumping of events: what the user does meanwhile.
    std::function<void()> pendant;
    int pompages = 0;

    void compteurs(int b, int n) override { blancs = b, noirs = n; }
    void texte(Etiquette e, const std::string& t) override { textes[e] = t; }
    void montrer(Panneau p, bool v) override { panneaux[p] = v; }
    void son(Son s) override { sons.push_back(s); }
    void erreur(const std::string& m) override { erreurs.push_back(m); }
    void activer(const Commandes& a) override { commandes = a; }
    void liste_coups(const std::vector<std::string>& l, int) override { lignes = l; }
    void fermer() override { ferme = true; }
    void lignes_analyse(const std::vector<std::string>& l, const std::vector<std::string>& c) override {
        analyse_longues = l, analyse_courtes = c;
    }
    void onglet_probleme(bool actif) override { onglet_probleme_actif = actif; }
    void marques(const MarquesPlateau& m) override { marques_plateau = m; }
    // The lesson file a training session is given.
    std::string lecons;
    int lecons_demandees = 0;
    std::string fichier_lecons() override {
        ++lecons_demandees;
        return lecons;
    }
    void traiter_evenements(bool) override {
        ++pompages;
        if (pendant) pendant();
    }
    bool actif(Commande c) const { return commandes[static_cast<size_t>(c)]; }
};

struct Banc {
    VueTest vue;
    std::unique_ptr<Controleur> f = std::make_unique<Controleur>(vue);

    explicit Banc(bool moteur = false) {
        definir_repertoire_donnees(KOLMAR_DIR);
        if (moteur) {
            std::string err;
            if (!charger_moteur(*f, err, KOLMAR_DIR)) ADD_FAILURE() << err;
        }
        f->ctx().delais = Delais{0, 0, 0};
        demarrer(*f);
        f->session().contre_ordinateur = 0;
        f->options().humains = true;
        f->options().reflexion_adverse = false;
    }

    // A position from a FEN as a new game starting there.
    void poser(const char* fen) {
        nouvelle_partie(*f);
        Jeu& J = f->jeu();
        int trait = 0;
        ASSERT_TRUE(lire_fen(fen, J.damier, trait)) << fen;
        J.trait = static_cast<uint8_t>(trait);
        J.plateau_depuis_damier();
        compter_pieces(J.damier, J.nb_pieces);
        commencer_partie(J.partie, J.damier, f->ctx().etat);
        f->session().trait_dernier = J.trait;
        compter_pions(*f);
    }

    // A press in the middle of square s, then one pass of the main loop.
    void cliquer(int s) {
        int x, y;
        centre_de_case(s, f->ctx().damier_inverse != 0, x, y);
        clic(*f, x, y);
        passe_boucle(*f, false);
    }

    uint8_t sur(int s) const { return f->jeu().plateau_affiche[s]; }

    // The computer takes a side at `niveau`, thinking on every move (no library).
    void contre_kolmar(int niveau) {
        f->session().contre_ordinateur = 1;
        choisir_niveau(*f, niveau);
        Bibliothquesactives1Click(*f, false);
    }
};

// Plays the computer's turns until the human has the move or the game ends.
inline void laisser_jouer(Banc& b, int passes = 50) {
    for (int i = 0; i < passes && b.f->session().tour == Tour::a_jouer; ++i) passe_boucle(*b.f, false);
}

}  // namespace essai
