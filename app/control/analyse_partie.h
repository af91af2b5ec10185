// The game analysis in the main window: "Débuter une analyse" runs the
// engine over the game from the current position back to the first, on
// the engine's own copy of the game, pumping events between nodes; the
// lines go to the analysis window and the main window's list as they come.
// The game itself is never touched by the run.
#pragma once

#include <string>

namespace kolmar {

class Controleur;

// "Débuter une analyse": nothing when no move has been played. Asked while
// a search is on the stack (pondering), it stops that search and runs at
// the next pass of the main loop. Returns once the analysis has ended.
void Debuteruneanalyse1Click(Controleur& f);
// "Arrêter cette phase" and "Suivant": the position under search gets the
// best move found so far and the analysis goes on with the previous one.
void Arretercettephase1Click(Controleur& f);
// "Terminer l'analyse", "Fin analyse" and closing the analysis window: a
// running analysis stops; the window hides and "Apprendre ?" shows. A new
// game, navigation or closing the program ends a running analysis the
// same way.
void Terminerlanalyse1Click(Controleur& f);
// "Editer analyse" with the file the user chose: the analysed lines of the
// window's list, one a line; false after the "Erreur" box.
bool BitBtn2Click(Controleur& f, const std::string& chemin);
// A click on line `ligne` of either analysis list: the analysis ends and
// the game shows the position that line was played from.
void clic_ligne_analyse(Controleur& f, int ligne);

}  // namespace kolmar
