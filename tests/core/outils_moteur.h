// A position on a fresh Jeu with an engine loaded from the program's data.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "engine/moteur.h"
#include "rules/jeu.h"

namespace kolmar::test {

struct Banc {
    std::unique_ptr<Jeu> jeu = std::make_unique<Jeu>();
    std::unique_ptr<Moteur> m = std::make_unique<Moteur>(*jeu);
    int trait = BLANC;

    explicit Banc(const std::string& fen = "W:W43-72:B1-30") {
        std::string erreur;
        EXPECT_TRUE(charger_donnees_moteur(*m, erreur, KOLMAR_DIR)) << erreur;
        poser(fen);
    }
    void poser(const std::string& fen) {
        std::string erreur;
        EXPECT_TRUE(lire_fen(fen, jeu->damier, trait, &erreur)) << erreur;
        jeu->trait = static_cast<uint8_t>(trait);
        std::memcpy(jeu->plateau_affiche, jeu->damier, TAILLE_DAMIER);
        compter_pieces(jeu->damier, jeu->nb_pieces);
        commencer_partie(jeu->partie, jeu->damier, EtatNote{});
    }
    // Parameters that leave only material and the king table: every men
    // table and tempo weight 0, thresholds 31, 23, 11, no variant square.
    void parametres_neutres() {
        std::memset(m->parametres.tables, 0, sizeof m->parametres.tables);
        m->parametres.fixer_scalaire(0, 31);
        m->parametres.fixer_scalaire(1, 23);
        m->parametres.fixer_scalaire(2, 11);
    }
    // The evaluation prepared for the root side `side`, as the driver does.
    void preparer(int side) {
        m->camp_racine = static_cast<int8_t>(side);
        m->inc = Incremental{};
        m->eval.code_final = 0;
        preparer_evaluation(*m, side);
    }
    // The move from-to of the side to move (first matching in the list).
    Coup coup(int de, int vers) {
        int n = coups_legaux(jeu->gen, trait);
        for (int i = 0; i < n; ++i)
            if (jeu->gen.liste_coups[1][i].depart == de && jeu->gen.liste_coups[1][i].arrivee == vers)
                return jeu->gen.liste_coups[1][i];
        ADD_FAILURE() << "no move " << de << "-" << vers;
        return Coup{};
    }
};

}  // namespace kolmar::test
