#include "lang/textes.h"

#include "lang/presence.h"
#include "lang/textes_donnees.h"

namespace kolmar {

namespace {

// Each id's row of the language files, found once at compile time.
constexpr const langues::Ligne* k_index[] = {
#define KOLMAR_LIGNE(n) langues::chercher(#n),
    KOLMAR_TEXTES(KOLMAR_LIGNE)
#undef KOLMAR_LIGNE
};
static_assert(sizeof k_index / sizeof k_index[0] == static_cast<std::size_t>(Texte::NB_TEXTES));

constexpr std::string_view k_cles[] = {
#define KOLMAR_CLE(n) #n,
    KOLMAR_TEXTES(KOLMAR_CLE)
#undef KOLMAR_CLE
};

static_assert(langues::toutes_presentes(k_cles), "every text id needs a French line in lang/langues/fr.txt");

// The main window's captions in the order a language applies them.
const Legende k_legendes[] = {
    {"Fichier1", Texte::Fichier},
    {"Nouveau2", Texte::Nouveau},
    {"Humaincontrehumain1", Texte::HumainContreHumain},
    {"Sauver1", Texte::Sauver},
    {"Imprimer1", Texte::Imprimer},
    {"Ouvrir1", Texte::Ouvrir},
    {"Problmes1", Texte::Problemes},
    {"Installeruneposition1", Texte::InstallerUnePosition},
    {"Crerunfichiertexte1", Texte::CreerFichierTexte},
    {"Ouvrirunfichiertexte1", Texte::OuvrirFichierTexte},
    {"Editerlimagefichierbmp1", Texte::EditerImage},
    {"Quitter1", Texte::Quitter},
    {"Affichage1", Texte::Affichage},
    {"Damier2D1", Texte::MenuDamier2D},
    {"Damier3D1", Texte::MenuClassique},
    {"Damier3D2", Texte::MenuNuit},
    {"Damier3D3", Texte::MenuLuxe},
    {"Damier3D7", Texte::MenuGrandLuxe},
    {"Damier3D9", Texte::NatureMorte},
    {"Inverserdamier1", Texte::InverserDamier},
    {"Joueurs1", Texte::Joueurs},
    {"Match21", Texte::NouveauJoueur},
    {"Effacerunjoueur1", Texte::EffacerUnJoueur},
    {"N7longlong1", Texte::N7LongLong},
    {"N8Autre1", Texte::N8Autre},
    {"Dbutant1", Texte::Niveau0},
    {"Niveau01", Texte::Niveau1},
    {"Niveau02", Texte::Niveau2},
    {"Niveau03", Texte::Niveau3},
    {"Niveau04", Texte::Niveau4},
    {"Niveau05", Texte::Niveau5},
    {"Niveau06", Texte::Niveau6},
    {"Niveau07", Texte::Niveau7},
    {"Niveau081", Texte::Niveau8},
    {"Ouvertures1", Texte::Parametrage},
    {"Bibliothquesactives1", Texte::BibliothequesActives},
    {"Changerbibliothqueouvertures1", Texte::ChangerBibliotheque},
    {"Options1", Texte::Options},
    {"Numroterlescase1", Texte::NumeroterLesCases},
    {"Indicationdesmouvements1", Texte::IndicationDesMouvements},
    {"Dcomposerlesprises1", Texte::DecomposerLesPrises},
    {"Reglesdenulle1", Texte::ReglesDeNulle},
    {"Jeuenaveugle1", Texte::JeuEnAveugle},
    {"Aide1", Texte::Aide},
    {"Guide1", Texte::Documentation},
    {"Rgles1", Texte::Regles},
    {"Apropos1", Texte::APropos},
    {"Abandon1", Texte::Abandonner},
    {"Panel11", Texte::Entrainement},
    {"Entrainement", Texte::PageEntrainement},
    {"Humain", Texte::HumainContreHumain},
    {"Liste", Texte::CoupsJoues},
    {"Probleme0", Texte::Probleme},
    {"vider1", Texte::ViderLeDamier},
    {"remplir1", Texte::RemplirLeDamier},
    {"RadioGroup2", Texte::CouleurDeKolmar},
    {"Ouverturespourlesblancs1", Texte::OuverturesPourLesBlancs},
    {"Ouverturespourlesnoirs1", Texte::OuverturesPourLesNoirs},
    {"Nom_blancs", Texte::Blancs},
    {"Nom_noirs", Texte::Noirs},
    {"Label15", Texte::JoueurDeuxPoints},
    {"Label16", Texte::JoueurBlanc},
    {"Label17", Texte::JoueurNoir},
    {"Label18", Texte::JoueurAEffacer},
    {"Label19", Texte::NomDuJoueur},
    {"Label29", Texte::Prise},
    {"Label30", Texte::Majoritaire},
    {"Label31", Texte::Obligatoire},
    {"Valdorin_blanc", Texte::Blanc},
    {"Valdorin_noir", Texte::Noir},
    {"Valdorin_blanc1", Texte::Blanc},
    {"Valdorin_noir1", Texte::Noir},
    {"BitBtn18", Texte::Annuler},
    {"BitBtn19", Texte::Annuler},
    {"BitBtn21", Texte::Annuler},
    {"BitBtn23", Texte::Annuler},
    {"BitBtn25", Texte::Annuler},
    {"Annule_nouveau", Texte::Annuler},
    {"Panel13", Texte::SuivantFleche},
    {"Panel14", Texte::RevoirCoup},
    {"Chargerdesleons1", Texte::ChargerDesLecons},
    {"Lancerunesession1", Texte::LancerUneSession},
    {"Arrterlasession1", Texte::ArreterLaSession},
    {"ListeOK", Texte::Ok},
    {"ListeCancel", Texte::Annuler},
    {"RadioGroup3", Texte::CapitalPoints},
    {"Changerlesnoms1", Texte::ChangerLesNoms},
    {"Cancel_joueurs", Texte::Annuler},
    {"Changerlesparamtres1", Texte::ModifierParametres},
    {"Sauverlesparamtres1", Texte::SauverParametres},
    {"Chargerdesparamtres1", Texte::ChargerParametres},
    {"Button9", Texte::EditerMeilleursCoups},
    {"ChoixPartie", Texte::ChoixPartie},
    {"Annul_nul", Texte::Annuler},
    {"Langue1", Texte::MenuLangue},
    {"Copierlaposition1", Texte::CopierPosition},
    {"Copierlapartie1", Texte::CopierPartie},
    {"Coller1", Texte::Coller},
};

}  // namespace

const char* texte(Texte t, int langue) {
    int i = static_cast<int>(t);
    if (i < 0 || i >= static_cast<int>(Texte::NB_TEXTES)) return "";
    const langues::Ligne& l = *k_index[i];
    if (langue < 0 || langue >= NB_LANGUES || l.textes[langue] == nullptr) return l.textes[FRANCAIS];
    return l.textes[langue];
}

const Legende* legendes(std::size_t& nb) {
    nb = sizeof k_legendes / sizeof k_legendes[0];
    return k_legendes;
}

}  // namespace kolmar
