// Games as text and PDN, the learned positions and training sessions, and
// the lessons of the "Problemes" folder. Dialogs stay with the window:
// these take the file the user chose and show failures in the "Erreur" box.
#pragma once

#include <string>
#include <vector>

#include "records/partie_texte.h"

namespace kolmar {

class Controleur;

// --- Text and PDN ---
enum class FormatTexte { texte, pdn };
// "Créer un fichier texte": the game up to the current ply.
bool Crerunfichiertexte1Click(Controleur& f, const std::string& chemin, FormatTexte format);
// "Ouvrir un fichier texte", first half: the games of the file listed (at
// most PARTIES_LISTEES_MAX), their moves read only once one is chosen.
bool lire_fichier_texte(Controleur& f, const std::string& chemin, FichierParties& parties);
// The lines of ListBox16, a refused foreign game named as such.
std::vector<std::string> lignes_ListBox16(const Controleur& f, const FichierParties& parties);
// What the list says after its lines when the file holds more games than
// it lists; empty otherwise.
std::string texte_parties_non_listees(const Controleur& f, const FichierParties& parties);
// What it says of the games that could not be read; empty when none.
std::string texte_parties_illisibles(const Controleur& f, const FichierParties& parties);
// The games read from a file or the clipboard: none says so (and how many
// could not be read); a single one with nothing skipped is imported at
// once. True when the window is to show the list.
bool parties_a_choisir(Controleur& f, FichierParties& parties);
// The chosen game replayed into the record, then shown as an opened game;
// unreadable and illegal moves are skipped, and the first of them named in
// the "Erreur" box with the half-moves loaded. A refused game changes
// nothing and says why.
bool importer_partie(Controleur& f, const PartieLue& p);
// Listed game k of the file, read with its moves then imported.
bool importer_partie(Controleur& f, const FichierParties& parties, size_t k);
// "Editer meilleurs coups" (Button9): the main window's analysis lines.
bool Best1Click(Controleur& f, const std::string& chemin = "Bestmove.txt");

// --- The clipboard ---
// "Copier la position": the position shown, as FEN.
std::string texte_position(const Controleur& f);
// "Copier la partie": the game as PDN, as "Créer un fichier texte" writes it.
std::string texte_partie_pdn(const Controleur& f);
// "Coller": a FEN becomes a new game starting from it (the names stay);
// otherwise the games of a PDN or text game go into `parties` for the
// window to import as from a file. False, having said why, when the text
// holds neither.
bool coller(Controleur& f, const std::string& texte, FichierParties& parties);

// --- Learning ---
// The game's final position may be learned: a long enough game, balanced
// material and a score from the last analysis.
bool apprentissage_possible(const Controleur& f);
// "Oui" of "Apprendre ?": the panel hides, the game steps to its last
// ply. True when the position may be learned: the window then asks for
// the lesson file and calls apprendre_dans.
bool Learn_yesClick(Controleur& f);
// Stores the analysis score of the last position in the learned table
// (a protected entry stays) and writes the whole table to chemin.
bool apprendre_dans(Controleur& f, const std::string& chemin);
// "Charger des leçons".
bool Chargerdesleons1Click(Controleur& f, const std::string& chemin);
// "Lancer une session" / "Arrêter la session": the window enables its two
// items from ctx().entrainement.active afterwards.
void Lancerunesession1Click(Controleur& f);
void Arrterlasession1Click(Controleur& f);

// --- Lessons ---
// "Leçons, exercices et problèmes" with the chosen file: the game, and its
// companion text in `texte` (empty when it has none).
bool ouvrir_lecon(Controleur& f, const std::string& chemin, std::string& texte);
// "Suivant ->": the next lesson of the folder, round to the first.
bool Button1Click(Controleur& f, std::string& texte);
// "Revoir coup": the current lesson again from its start.
bool Panel14Click(Controleur& f, std::string& texte);

}  // namespace kolmar
