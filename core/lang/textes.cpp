#include "lang/textes.h"

namespace kolmar {

namespace {

struct Entree {
    Texte id;
    const char* textes[NB_LANGUES];  // French, English, Dutch, Portuguese, Spanish, Italian
};

// One row per id, in the order of the enum. Rows with only French are
// filled in when the other languages come.
constexpr Entree k_textes[] = {
    {Texte::TitreApplication, {"Kolmar 3D Analyse"}},
    {Texte::TitreFenetre,
     {"Kolmar 3D, le jeu", "Kolmar 3D, the game", "Kolmar 3D, the game", "Kolmar 3D, o jogo", "Kolmar 3D, el juego",
      "Kolmar 3D, il gioco"}},
    {Texte::Fichier, {"Fichier", "File", "Bestand", "Arquivo", "Archivo", "File"}},
    {Texte::Nouveau, {"Nouveau"}},
    {Texte::HumainContreHumain, {"Humain contre humain"}},
    {Texte::Quitter, {"Quitter"}},
    {Texte::Affichage, {"Affichage"}},
    {Texte::InverserDamier, {"Inverser damier"}},
    {Texte::InverserLeDamier, {"Inverser le damier"}},
    {Texte::Options, {"Options"}},
    {Texte::NumeroterLesCases, {"Numéroter les cases"}},
    {Texte::IndicationDesMouvements, {"Indication des mouvements"}},
    {Texte::DecomposerLesPrises, {"Décomposer les prises"}},
    {Texte::CoupsJoues,
     {"Coups joués", "List of moves", "Zettenlijst", "Lista de lances", "Movimientos jugados", "Mosse giocate"}},
    {Texte::Prise, {"Prise"}},
    {Texte::Majoritaire, {"majoritaire"}},
    {Texte::Obligatoire, {"obligatoire"}},
    {Texte::Blancs, {"Blancs"}},
    {Texte::Noirs, {"Noirs"}},
    {Texte::BlancsBasHaut,
     {"Blancs:Bas->Haut", "White:Down->Up", "Wit:Beneden->Boven", "Br.:Embaixo->Acima", "Bl.:Abajo->Arriba",
      "Bl.:Bianco:Giù->Su"}},
    {Texte::BlancsHautBas,
     {"Blancs:Haut->Bas", "White:Up->Down", "Wit:Boven->Beneden", "Br.:Acima->Embaixo", "Bl.:Arriba->Abajo",
      "Bl.:Bianco:Su->Giù"}},
    {Texte::Entrainement, {"Entraînement", "Training", "Training", "Treino", "Entrenamiento", "Allenamento"}},
    {Texte::GainDesBlancs, {"Gain des blancs"}},
    {Texte::GainDesNoirs, {"Gain des noirs"}},
    {Texte::Gagne, {" gagne"}},
    {Texte::KolmarAGagne, {"Désolé, KOLMAR a gagné"}},
    {Texte::VousAvezGagne, {"Bravo, vous avez gagné"}},
    {Texte::MatchNul, {"Match nul !"}},
    {Texte::TempsDepasseGainKolmar, {"Temps dépassé, gain KOLMAR"}},
    {Texte::TempsDepasseVousGagnez, {"Temps dépassé, vous gagnez"}},
    {Texte::AbandonGainKolmar, {"Vous abandonnez, gain KOLMAR"}},
    {Texte::Inconnu, {"Inconnu"}},
    {Texte::Kolmar, {"Kolmar"}},
    {Texte::Erreur, {"Erreur"}},
    {Texte::ImpossibleOuvrirFichier, {"Impossible d'ouvrir ce fichier"}},
    {Texte::FenetreBlancs, {"White"}},
    {Texte::FenetreNoirs, {"Black"}},
    {Texte::OuverturesBlancs, {"Ouvertures (Blancs)", "Openings (White)"}},
    {Texte::OuverturesNoirs, {"Ouvertures (Noirs)", "Openings (Black)"}},
    {Texte::Ajouter, {"Ajouter", "Add"}},
    {Texte::Effacer, {"Effacer", "Delete"}},
    {Texte::Enregistrer, {"Enregistrer", "Save"}},
    {Texte::ConstruireEtEnregistrer, {"Construire et enregistrer", "Build and save"}},
    {Texte::FiltreOuvertures, {"Fichiers d'ouvertures (*.ovv *.OVV)", "Opening files (*.ovv *.OVV)"}},
    {Texte::LigneVide, {"Ligne vide", "Empty line"}},
    {Texte::LigneIllisible, {"Ligne illisible au coup %1", "Unreadable line at move %1"}},
    {Texte::CaseInexistante, {"Case inexistante au coup %1", "No such square at move %1"}},
    {Texte::CoupImpossible, {"Coup %1 impossible", "Move %1 is not legal"}},
    {Texte::LigneTropLongue, {"Plus de 42 coups", "More than 42 moves"}},
    {Texte::ImpossibleEcrireFichier, {"Impossible d'écrire ce fichier", "Cannot write this file"}},
    {Texte::Ok, {"OK"}},
    {Texte::Annuler, {"Annuler", "Cancel"}},
    {Texte::PageEntrainement, {"Entrainement", "Training"}},
    {Texte::PageMatch, {"Match ", "Match "}},
    {Texte::JoueurDeuxPoints, {"Joueur :", "Player:"}},
    {Texte::JoueurBlanc, {"Joueur blanc :", "White player:"}},
    {Texte::JoueurNoir, {"Joueur noir :", "Black player:"}},
    {Texte::JoueurAEffacer, {"Joueur à effacer :", "Player to delete:"}},
    {Texte::NomDuJoueur, {"Nom du joueur :", "Player's name:"}},
    {Texte::CouleurDeKolmar, {"Couleur de Kolmar", "Kolmar's colour"}},
    {Texte::Blanc, {"Blanc", "White"}},
    {Texte::Noir, {"Noir", "Black"}},
    {Texte::CapitalPoints, {"Capital points", "Starting points"}},
    {Texte::Capital1600, {"1600 (l'ordinateur vous laisse le double de son temps)"}},
    {Texte::Capital1700, {"1700 (l'ordinateur vous laisse voir sa réflexion)"}},
    {Texte::Capital1800, {"1800 (l'ordinateur ne fait pas de cadeau)"}},
    {Texte::RamenerKolmar, {"Ramener Kolmar à 2050"}},
    {Texte::MisterX, {"Mister X"}},
    {Texte::Ouvrir, {"Ouvrir", "Open"}},
    {Texte::Sauver, {"Sauver", "Save"}},
    {Texte::FiltreParties, {"Fichiers Kolmar (*.dam *.DAM)", "Kolmar files (*.dam *.DAM)"}},
    {Texte::Joueurs, {"Joueurs", "Players"}},
    {Texte::NouveauJoueur, {"Nouveau joueur", "New player"}},
    {Texte::EffacerUnJoueur, {"Effacer un joueur", "Delete a player"}},
    {Texte::ChangerLesNoms, {"Changer les noms", "Change names"}},
    {Texte::Abandonner, {"Abandonner", "Resign"}},
    {Texte::Match, {"Match"}},
    {Texte::Parametrage, {"Paramétrage", "Settings"}},
    {Texte::OuverturesPourLesBlancs, {"Ouvertures pour les blancs", "Openings for White"}},
    {Texte::OuverturesPourLesNoirs, {"Ouvertures pour les noirs", "Openings for Black"}},
    {Texte::ChangerBibliotheque, {"Changer bibliothèque ouvertures", "Change opening library"}},
    {Texte::BibliothequesActives, {"Bibliothèques actives", "Opening libraries on"}},
    {Texte::FermetureRefuseeMatch,
     {"Un match est en cours : abandonnez-le avant de fermer.", "A rated game is running: resign it before closing."}},
    {Texte::OrdinateurBlanc,
     {"Ordinateur blanc", "Computer white", "Computer wit", "Computador brancas", "Ordenador blancas",
      "Calcolatore blanco"}},
    {Texte::OrdinateurNoir,
     {"Ordinateur noir", "Computer black", "Computer zwart", "Computador pretas", "Ordenador negras",
      "Calcolatore nero"}},
};

constexpr bool table_en_ordre() {
    for (std::size_t i = 0; i < sizeof k_textes / sizeof k_textes[0]; ++i)
        if (static_cast<std::size_t>(k_textes[i].id) != i || k_textes[i].textes[FRANCAIS] == nullptr) return false;
    return sizeof k_textes / sizeof k_textes[0] == static_cast<std::size_t>(Texte::NB_TEXTES);
}
static_assert(table_en_ordre(), "one row per text id, in enum order, each with its French text");

const Legende k_legendes[] = {
    {"Fichier1", Texte::Fichier},
    {"Nouveau2", Texte::Nouveau},
    {"Humaincontrehumain1", Texte::HumainContreHumain},
    {"Quitter1", Texte::Quitter},
    {"Affichage1", Texte::Affichage},
    {"Inverserdamier1", Texte::InverserDamier},
    {"Options1", Texte::Options},
    {"Numroterlescase1", Texte::NumeroterLesCases},
    {"Indicationdesmouvements1", Texte::IndicationDesMouvements},
    {"Dcomposerlesprises1", Texte::DecomposerLesPrises},
    {"Panel11", Texte::Entrainement},
    {"Liste", Texte::CoupsJoues},
    {"Label29", Texte::Prise},
    {"Label30", Texte::Majoritaire},
    {"Label31", Texte::Obligatoire},
    {"Nom_blancs", Texte::Blancs},
    {"Nom_noirs", Texte::Noirs},
    {"Ouvrir1", Texte::Ouvrir},
    {"Sauver1", Texte::Sauver},
    {"Joueurs1", Texte::Joueurs},
    {"Match21", Texte::NouveauJoueur},
    {"Effacerunjoueur1", Texte::EffacerUnJoueur},
    {"Changerlesnoms1", Texte::ChangerLesNoms},
    {"Abandon1", Texte::Abandonner},
    {"Ouvertures1", Texte::Parametrage},
    {"Ouverturespourlesblancs1", Texte::OuverturesPourLesBlancs},
    {"Ouverturespourlesnoirs1", Texte::OuverturesPourLesNoirs},
    {"Changerbibliothqueouvertures1", Texte::ChangerBibliotheque},
    {"Bibliothquesactives1", Texte::BibliothequesActives},
};

}  // namespace

const char* texte(Texte t, int langue) {
    int i = static_cast<int>(t);
    if (i < 0 || i >= static_cast<int>(Texte::NB_TEXTES)) return "";
    const Entree& e = k_textes[i];
    if (langue < 0 || langue >= NB_LANGUES || e.textes[langue] == nullptr) return e.textes[FRANCAIS];
    return e.textes[langue];
}

const Legende* legendes(std::size_t& nb) {
    nb = sizeof k_legendes / sizeof k_legendes[0];
    return k_legendes;
}

}  // namespace kolmar
