// Where the file dialogs open: each kind of file where the last dialog of
// its kind was used, else in its own folder (games and texts in "Kolmar 3D"
// of the player's documents, parameters and lessons in the player's
// "Parametres").
#pragma once

#include <QString>

namespace kolmar {

enum class SorteFichier : int { parties, textes, image, problemes, lecons, parametres, ouvertures, analyse, NB };

// The folder the next dialog of this kind opens in.
QString dossier_dialogue(SorteFichier s);
// A file was chosen: its folder is where the next dialog of its kind opens.
void noter_dialogue(SorteFichier s, const QString& fichier);
// Forgets every folder noted (a new window starts afresh).
void oublier_dialogues();

// "Kolmar 3D" in the player's documents, created when missing; the
// player's "Sauve" folder when it cannot be.
QString dossier_documents();

}  // namespace kolmar
