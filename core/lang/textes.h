// Every text the program shows, by id, in the interface languages. The
// window looks texts up here; no caption is written in the window's code.
#pragma once

#include <cstddef>

namespace kolmar {

enum : int { FRANCAIS = 0, ANGLAIS, NEERLANDAIS, PORTUGAIS, ESPAGNOL, ITALIEN, NB_LANGUES };

enum class Texte : int {
    // Window and application
    TitreApplication,
    TitreFenetre,
    // Menus
    Fichier,
    Nouveau,
    HumainContreHumain,
    Quitter,
    Affichage,
    InverserDamier,
    InverserLeDamier,
    Options,
    NumeroterLesCases,
    IndicationDesMouvements,
    DecomposerLesPrises,
    // Panels and labels
    CoupsJoues,
    Prise,
    Majoritaire,
    Obligatoire,
    Blancs,
    Noirs,
    BlancsBasHaut,
    BlancsHautBas,
    Entrainement,
    // End of game
    GainDesBlancs,
    GainDesNoirs,
    Gagne,  // appended to a player's name
    KolmarAGagne,
    VousAvezGagne,
    MatchNul,
    TempsDepasseGainKolmar,
    TempsDepasseVousGagnez,
    AbandonGainKolmar,
    // Players
    Inconnu,
    Kolmar,
    // Failures
    Erreur,
    ImpossibleOuvrirFichier,
    // Opening editors
    FenetreBlancs,
    FenetreNoirs,
    OuverturesBlancs,
    OuverturesNoirs,
    Ajouter,
    Effacer,
    Enregistrer,
    ConstruireEtEnregistrer,
    FiltreOuvertures,
    LigneVide,
    LigneIllisible,  // %1: the move's number
    CaseInexistante,  // %1: the move's number
    CoupImpossible,  // %1: the move's number
    LigneTropLongue,
    ImpossibleEcrireFichier,
    // New game and players
    Ok,
    Annuler,
    PageEntrainement,
    PageMatch,
    JoueurDeuxPoints,
    JoueurBlanc,
    JoueurNoir,
    JoueurAEffacer,
    NomDuJoueur,
    CouleurDeKolmar,
    Blanc,
    Noir,
    CapitalPoints,
    Capital1600,
    Capital1700,
    Capital1800,
    RamenerKolmar,
    MisterX,
    // Game files, players, matches, opening menus
    Ouvrir,
    Sauver,
    FiltreParties,
    Joueurs,
    NouveauJoueur,
    EffacerUnJoueur,
    ChangerLesNoms,
    Abandonner,
    Match,
    Parametrage,
    OuverturesPourLesBlancs,
    OuverturesPourLesNoirs,
    ChangerBibliotheque,
    BibliothequesActives,
    FermetureRefuseeMatch,
    OrdinateurBlanc,
    OrdinateurNoir,
    NB_TEXTES
};

// UTF-8 text in a language; a language without its own text gives French.
const char* texte(Texte t, int langue = FRANCAIS);

// The captions of the main window's controls, in table order: the control's
// objectName and its text.
struct Legende {
    const char* controle;
    Texte texte;
};
const Legende* legendes(std::size_t& nb);

}  // namespace kolmar
