// The language tables as a translator leaves them: the texts quoted for
// every language, the French captions control by control, and the help
// files with their fallbacks.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "lang/aide.h"
#include "lang/textes.h"
#include "lang/textes_analyse.h"
#include "lang/textes_jeu.h"

using namespace kolmar;

namespace {

// Caption of a control in a language, through the tables the window applies.
std::map<std::string, std::string> captions(int langue) {
    std::map<std::string, std::string> m;
    std::size_t nb = 0;
    const Legende* l = legendes(nb);
    for (std::size_t i = 0; i < nb; ++i) m[l[i].controle] = texte(l[i].texte, langue);
    const LegendeJeu* j = legendes_jeu(nb);
    for (std::size_t i = 0; i < nb; ++i) m[j[i].controle] = texte(j[i].texte, langue);
    return m;
}

// The printf conversion types of a format, in order: widths may differ.
std::vector<std::string> conversions(const char* f) {
    std::vector<std::string> v;
    for (const char* p = f; *p; ++p) {
        if (*p != '%') continue;
        if (p[1] == '%') {
            ++p;
            continue;
        }
        while (*++p && !std::isalpha(static_cast<unsigned char>(*p))) {
        }
        if (!*p) break;
        v.push_back(std::string(1, *p));
    }
    return v;
}

}  // namespace

// A translated format handed to snprintf with the French arguments: one
// conversion lost, added or of another type reads the wrong argument.
TEST(Langues, FormatsTraduitsGardentLeursConversions) {
    const TexteAnalyse formats[] = {
        TexteAnalyse::LigneLongueBlanc, TexteAnalyse::LigneLongueNoir, TexteAnalyse::LigneCourteBlanc,
        TexteAnalyse::LigneCourteNoir,  TexteAnalyse::Suite,           TexteAnalyse::EvalStatBlancs,
        TexteAnalyse::EvalStatNoirs};
    for (TexteAnalyse t : formats) {
        const auto francais = conversions(texte(t, FRANCAIS));
        EXPECT_FALSE(francais.empty()) << texte(t, FRANCAIS);
        for (int l = 1; l < NB_LANGUES; ++l) EXPECT_EQ(conversions(texte(t, l)), francais) << texte(t, l);
    }
}

// Rows that must read the same whatever a translator edits.
TEST(Langues, LignesTemoinsDansLesSixLangues) {
    struct Ligne {
        const char* controle;
        const char* textes[NB_LANGUES];
    };
    const Ligne lignes[] = {
        {"Fichier1", {"Fichier", "File", "Bestand", "Arquivo", "Archivo", "File"}},
        {"Edition1", {"Edition", "Edit", "Bewerken", "Editar", "Edicion", "Modifica"}},
        {"Joueurs1", {"Joueurs", "Players", "Spelers", "Jogadores", "Jugadores", "Giocatori"}},
        {"Ouvertures1", {"Paramétrage", "Parameters", "Parameters", "Parâmetros", "Parámetros", "Parametrizzazioni"}},
        {"Aide1", {"Aide", "Help", "Help", "Ajuda", "Ayuda", "Aiuto"}},
        {"Liste",
         {"Coups joués", "List of moves", "Zettenlijst", "Lista de lances", "Movimientos jugados", "Mosse giocate"}},
        {"Calcul", {"Calcul", "Compute", "Rekenen", "Cálculos", "Cálculos", "Calcolo"}},
        {"Probleme0", {"Probleme", "Problem", "Probleem", "Problema", "Problema", "Problema"}},
        {"Proposernul",
         {"Proposer nul", "Offer draw", "Bied remise aan", "Oferecer empate", "Proponer empate", "Proporre la patta"}},
        {"Nulrefus",
         {"Nul refusé", "Draw rejected", "Remise afgewezen", "Empate rejeitado", "Empate denegado", "Patta rifiutata"}},
        {"Arrterlasession1",
         {"Arrêter la session", "Stop the session", "Sessie stoppen", "Parar a sessão", "Detener la sesión",
          "Ferma la sessione"}},
        {"Zut",
         {"Zut ! ce n'est pas cela que je voulais jouer.", "Hell ! That's not that I wanted to play.",
          "Hell ! That's not that I wanted to play.", " Ops! este lance não é o que eu queria jogar.",
          "¡Caramba! no es la jugada que quería hacer.", "Zut ! non è questa che volevo giocare."}},
        {"Joue",
         {"Arrêter le calcul", "Stop computing", "Stop met rekenen", "Parar de computar", "Interrumpir calculos",
          "Arrêter le calcul"}},
        {"Damier3D2", {"Nuit", "Night", "Bord", "Noite", "Noche", "Notte"}},
        {"Damier3D3", {"Luxe", "De Luxe", "De Luxe", "Luxo", "Lujo", "Lusso"}},
        {"Damier3D7", {"Grand luxe", "De Luxe ++", "De Luxe ++", "Luxo ++", "Gran lujo", "Gran lusso"}},
    };
    for (int l = 0; l < NB_LANGUES; ++l) {
        const auto m = captions(l);
        for (const Ligne& r : lignes) {
            auto it = m.find(r.controle);
            ASSERT_NE(it, m.end()) << r.controle;
            EXPECT_EQ(it->second, r.textes[l]) << r.controle << " in language " << l;
        }
    }
    // The start screen's own names differ from the menu's.
    EXPECT_STREQ(texte(Texte::EcranLuxe, ANGLAIS), "DeLuxe");
    EXPECT_STREQ(texte(Texte::EcranGrandLuxe, PORTUGAIS), "Luxo++");
    EXPECT_STREQ(texte(Texte::EcranDamier2D, ITALIEN), "2D bord");
    EXPECT_STREQ(texte(Texte::Astuce2, ANGLAIS),
                 "Double-click its title bar to make it fill the screen; no display setting needs changing.");
    // The hints speak of this platform: no Windows display settings.
    for (int l = 0; l < NB_LANGUES; ++l)
        for (Texte a : {Texte::Astuce1, Texte::Astuce2, Texte::Astuce3, Texte::Astuce4, Texte::Astuce5, Texte::Astuce6})
            for (const char* mot : {"Windows", "VGA", "800x600"})
                EXPECT_EQ(std::string(texte(a, l)).find(mot), std::string::npos) << texte(a, l);
}

// Every control of the French table is in the tables the window applies,
// with its French text: French after another language restores them all.
TEST(Langues, TableFrancaiseComplete) {
    const std::pair<const char*, const char*> francais[] = {
        {"Fichier1", "Fichier"},
        {"Nouveau2", "Nouveau"},
        {"Humaincontrehumain1", "Humain contre humain"},
        {"Ordinateurcontreordinateur1", "Ordinateur contre ordinateur"},
        {"Sauver1", "Sauver"},
        {"Imprimer1", "Imprimer"},
        {"Ouvrir1", "Ouvrir"},
        {"Problmes1", "Leçons, exercices et problèmes"},
        {"Installeruneposition1", "Installer une position"},
        {"Crerunfichiertexte1", "Créer un fichier texte"},
        {"Ouvrirunfichiertexte1", "Ouvrir un fichier texte"},
        {"Editerlimagefichierbmp1", "Editer l'image (format Bitmap)"},
        {"Quitter1", "Quitter"},
        {"Edition1", "Edition"},
        {"Reprendrecoups1", "Reprendre coups"},
        {"Avancercoups1", "Avancer coups"},
        {"Reveniraudbut1", "Revenir au début"},
        {"Allerlafin1", "Aller à la fin"},
        {"Damier3D2", "Nuit"},
        {"Damier3D3", "Luxe"},
        {"Damier3D7", "Grand luxe"},
        {"Damier3D9", "Nature morte à la règle du jeu"},
        {"Inverserdamier1", "Inverser damier"},
        {"Joueurs1", "Joueurs"},
        {"Match21", "Nouveau joueur"},
        {"Effacerunjoueur1", "Effacer un joueur"},
        {"Inverserlesjoueurs1", "Inverser les joueurs"},
        {"Niveau1", "Niveau"},
        {"N7longlong1", "7: long, long"},
        {"N8Autre1", "Autre"},
        {"Dbutant1", "0 : Néophyte"},
        {"Niveau01", "1 : Débutant"},
        {"Niveau02", "2 : Amateur"},
        {"Niveau03", "3 : Promotion"},
        {"Niveau04", "4 : Honneur"},
        {"Niveau05", "5 : Excellence"},
        {"Niveau06", "6 : Maître"},
        {"Niveau07", "7 : Grand Maître"},
        {"Niveau081", "8 : Grand Maître International"},
        {"Ouvertures1", "Paramétrage"},
        {"Bibliothquesactives1", "Bibliothèques actives"},
        {"Changerbibliothqueouvertures1", "Changer bibliothèque ouverture"},
        {"Options1", "Options"},
        {"Numroterlescase1", "Numéroter les cases"},
        {"Pause1", "Arrêt du calcul"},
        {"Horlogeszro1", "Horloges à zéro"},
        {"Rflexionsurtempsadverse1", "Réflexion sur temps adverse"},
        {"Arretrflexionparclicsouris1", "Arrêt réflexion par clic souris"},
        {"Indicationdesmouvements1", "Indication des mouvements"},
        {"Dcomposerlesprises1", "Décomposer les prises"},
        {"Jeuenaveugle1", "Jeu en aveugle"},
        {"Aide1", "Aide"},
        {"Guide1", "Documentation"},
        {"Apropos1", "A propos"},
        {"Abandon1", "Abandonner"},
        {"Panel11", "Entraînement"},
        {"Entrainement", "Entrainement"},
        {"Humain", "Humain contre humain"},
        {"Liste", "Coups joués"},
        {"Calcul", "Calcul"},
        {"Probleme0", "Probleme"},
        {"vider1", "Vider le damier"},
        {"remplir1", "Remplir le damier"},
        {"Joue", "Arrêter le calcul"},
        {"Label13", "Kolmar propose le match nul"},
        {"RadioGroup2", "Couleur de Kolmar"},
        {"Ouverturespourlesblancs1", "Ouvertures pour les blancs"},
        {"Ouverturespourlesnoirs1", "Ouvertures pour les noirs"},
        {"Nom_blancs", "Blancs"},
        {"Nom_noirs", "Noirs"},
        {"Label14", "Appuyez sur OK pour accepter"},
        {"Label15", "Joueur :"},
        {"Label16", "Joueur blanc :"},
        {"Label17", "Joueur noir :"},
        {"Label18", "Joueur à effacer :"},
        {"Label19", "Nom du joueur :"},
        {"Label29", "Prise"},
        {"Label30", "majoritaire"},
        {"Label31", "obligatoire"},
        {"Bipchaquecoup1", "Sons"},
        {"Proposernul", "Proposer nul"},
        {"Nulrefus", "Nul refusé"},
        {"Bipchaquecoup2", "Bip à chaque coup"},
        {"Commentaires1", "Autres"},
        {"Valdorin_blanc", "Blanc"},
        {"Valdorin_noir", "Noir"},
        {"Valdorin_blanc1", "Blanc"},
        {"Valdorin_noir1", "Noir"},
        {"BitBtn18", "Annuler"},
        {"BitBtn19", "Annuler"},
        {"BitBtn21", "Annuler"},
        {"BitBtn23", "Annuler"},
        {"BitBtn25", "Annuler"},
        {"Annule_nouveau", "Annuler"},
        {"Tailledestablesdetransposition1", "Taille des tables de transposition"},
        {"Panel13", "Suivant->"},
        {"Panel14", "Revoir coup"},
        {"RadioGroup3", "Capital points"},
        {"Changerlesnoms1", "Changer les noms"},
        {"Cancel_joueurs", "Annuler"},
        {"Changerlesparamtres1", "Modifier les paramètres"},
        {"Sauverlesparamtres1", "Sauver les paramètres"},
        {"Chargerdesparamtres1", "Charger des paramètres"},
        {"Button9", "Editer meilleurs coups"},
        {"Zut", "Zut ! ce n'est pas cela que je voulais jouer."},
        {"Pause2", "Pause"}};
    const auto m = captions(FRANCAIS);
    for (const auto& [controle, attendu] : francais) {
        auto it = m.find(controle);
        ASSERT_NE(it, m.end()) << controle << " is missing from the caption tables";
        EXPECT_EQ(it->second, attendu) << controle;
    }
}

TEST(Langues, FichiersAideEtReplis) {
    EXPECT_STREQ(fichier_aide(Aide::Documentation, FRANCAIS), "Kolmar.hlp");
    EXPECT_STREQ(fichier_aide(Aide::Regles, FRANCAIS), "Rkolmar_f.hlp");
    EXPECT_STREQ(fichier_aide(Aide::Documentation, NEERLANDAIS), "Kolmar_nl.hlp");
    EXPECT_STREQ(fichier_aide(Aide::Regles, PORTUGAIS), "Rkolmar_p.hlp");
    // Spanish has its documentation but reads the English rules; Italian
    // reads English for both.
    EXPECT_STREQ(fichier_aide(Aide::Documentation, ESPAGNOL), "Kolmar_es.hlp");
    EXPECT_STREQ(fichier_aide(Aide::Regles, ESPAGNOL), "Vadadaz_e.zir");
    EXPECT_STREQ(fichier_aide(Aide::Documentation, ITALIEN), "Kolmar_e.hlp");
    EXPECT_STREQ(fichier_aide(Aide::Regles, ITALIEN), "Vadadaz_e.zir");
    EXPECT_STREQ(fichier_aide(Aide::Regles, 7), "Vadadaz_e.zir");
}
