// The menu handlers around the game: clocks, levels, move-list navigation,
// game files, new games, players, rated matches, the language and leaving.
// Dialogs stay with the window: these take what the user chose.
#pragma once

#include <cstdint>
#include <string>

#include "records/gamefile.h"

namespace kolmar {

class Controleur;
struct Registre;

// --- Clocks and levels ---
// One tick of Timer1.
void ajouter_temps(Controleur& f);
void Horlogeszro1Click(Controleur& f);
void Pause2Click(Controleur& f);
// A level item of the table (not "Autre").
void choisir_niveau(Controleur& f, int i);
// "Autre": the minutes panel opens; the mark moves once they are accepted.
void N8Autre1Click(Controleur& f);
// OK of the minutes panel with the typed text; false keeps it open.
bool BitBtn24Click(Controleur& f, const std::string& minutes);
void BitBtn25Click(Controleur& f);
// Time check of a rated game; ends the game on a loss. True when it ended.
bool controler_temps(Controleur& f);
// Before a half-move is stored: the mover's clock stops, the other's turn
// starts, and the record notes both totals and the computer's colour. The
// computer's clock is kept by its search, not by the ticks.
void fin_de_tour_horloges(Controleur& f, bool ordinateur);
// A human move while Timer1 is stopped starts it ("Pause" unchecked).
void relancer_horloges(Controleur& f);
// Clocks of a new game: zero, labels "0".
void horloges_nouvelle_partie(Controleur& f);

// --- Navigation ---
void reprise(Controleur& f);
void avancer(Controleur& f);
void revenir_debut(Controleur& f);
void Aller_fin(Controleur& f);
void revenir_n(Controleur& f, int ligne);
void inverser_joueurs(Controleur& f);

// --- Game files ---
Reglages reglages_courants(const Controleur& f);
// False when refused (the box has been shown).
bool sauver_partie(Controleur& f, const std::string& chemin);
bool ouvrir_partie(Controleur& f, const std::string& chemin, ModeLecture mode = ModeLecture::ouvrir);
// After a game was put into the record (file, import): the computer's
// colour, clocks, list, names and board follow it; never a rated game.
void partie_chargee(Controleur& f);
bool ecrire_autosave(Controleur& f);
// The window closed on the start screen: the language picked there is
// the next start's.
void fermer_ecran_depart(Controleur& f);
// Start-up: settings and language from the autosave, then the last game.
void FormActivate(Controleur& f);

// --- New games, players, rated matches ---
// "Nouveau": whatever runs stops; the window opens the new-game pages.
void Nouveau2Click(Controleur& f);
void partie_entrainement(Controleur& f, bool ordinateur_noir, const std::string& nom);
void partie_match(Controleur& f, bool ordinateur_noir, const std::string& nom, int selection, const Registre& r);
void partie_humains(Controleur& f, const std::string& nom_blanc, const std::string& nom_noir);
// OK of the names dialog.
void OKjoueurClick(Controleur& f, const std::string& nom_blanc, const std::string& nom_noir);
void AbandonClick(Controleur& f);
// Panel11, the abandon controls and the commands locked by a match or by
// the computer's turn, sent to the window when they change.
void regles_match(Controleur& f);
// The rating step of the end of a game (result 0 black won, 1 draw,
// 2 white won).
void conclure_classement(Controleur& f, int resultat);
// The current names on the players' labels.
void afficher_noms(Controleur& f);

// --- Language and leaving ---
void appliquer_langue(Controleur& f, int langue);
// "Quitter": the autosave, then the end. Refused during a rated match.
void quitter(Controleur& f);
// The window is being closed: true when it may close (the autosave is
// written first); during a rated match the box says why it may not.
bool exiter(Controleur& f);

}  // namespace kolmar
