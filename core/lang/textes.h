// Every text the program shows, by id, in the interface languages. The
// window looks texts up here; no caption is written in the window's code.
#pragma once

#include <cstddef>

namespace kolmar {

enum : int { FRANCAIS = 0, ANGLAIS, NEERLANDAIS, PORTUGAIS, ESPAGNOL, ITALIEN, NB_LANGUES };

// Every text id; its key in the language files under lang/langues is its
// name. Ids are added at the end.
// clang-format off
#define KOLMAR_TEXTES(X)            \
    X(TitreApplication)             \
    X(TitreFenetre)                 \
    X(Fichier)                      \
    X(Nouveau)                      \
    X(HumainContreHumain)           \
    X(Quitter)                      \
    X(Affichage)                    \
    X(InverserDamier)               \
    X(InverserLeDamier)             \
    X(Options)                      \
    X(NumeroterLesCases)            \
    X(IndicationDesMouvements)      \
    X(DecomposerLesPrises)          \
    X(CoupsJoues)                   \
    X(Prise)                        \
    X(Majoritaire)                  \
    X(Obligatoire)                  \
    X(Blancs)                       \
    X(Noirs)                        \
    X(BlancsBasHaut)                \
    X(BlancsHautBas)                \
    X(Entrainement)                 \
    X(GainDesBlancs)                \
    X(GainDesNoirs)                 \
    X(Gagne)                        \
    X(KolmarAGagne)                 \
    X(VousAvezGagne)                \
    X(MatchNul)                     \
    X(TempsDepasseGainKolmar)       \
    X(TempsDepasseVousGagnez)       \
    X(AbandonGainKolmar)            \
    X(Inconnu)                      \
    X(Kolmar)                       \
    X(Erreur)                       \
    X(ImpossibleOuvrirFichier)      \
    X(FenetreBlancs)                \
    X(FenetreNoirs)                 \
    X(OuverturesBlancs)             \
    X(OuverturesNoirs)              \
    X(Ajouter)                      \
    X(Effacer)                      \
    X(Enregistrer)                  \
    X(ConstruireEtEnregistrer)      \
    X(FiltreOuvertures)             \
    X(LigneVide)                    \
    X(LigneIllisible)               \
    X(CaseInexistante)              \
    X(CoupImpossible)               \
    X(LigneTropLongue)              \
    X(ImpossibleEcrireFichier)      \
    X(Ok)                           \
    X(Annuler)                      \
    X(PageEntrainement)             \
    X(PageMatch)                    \
    X(JoueurDeuxPoints)             \
    X(JoueurBlanc)                  \
    X(JoueurNoir)                   \
    X(JoueurAEffacer)               \
    X(NomDuJoueur)                  \
    X(CouleurDeKolmar)              \
    X(Blanc)                        \
    X(Noir)                         \
    X(CapitalPoints)                \
    X(Capital1600)                  \
    X(Capital1700)                  \
    X(Capital1800)                  \
    X(RamenerKolmar)                \
    X(MisterX)                      \
    X(Ouvrir)                       \
    X(Sauver)                       \
    X(FiltreParties)                \
    X(Joueurs)                      \
    X(NouveauJoueur)                \
    X(EffacerUnJoueur)              \
    X(ChangerLesNoms)               \
    X(Abandonner)                   \
    X(Match)                        \
    X(Coups)                        \
    X(Parametrage)                  \
    X(OuverturesPourLesBlancs)      \
    X(OuverturesPourLesNoirs)       \
    X(ChangerBibliotheque)          \
    X(BibliothequesActives)         \
    X(FermetureRefuseeMatch)        \
    X(OrdinateurBlanc)              \
    X(OrdinateurNoir)               \
    X(Imprimer)                     \
    X(Problemes)                    \
    X(InstallerUnePosition)         \
    X(CreerFichierTexte)            \
    X(OuvrirFichierTexte)           \
    X(EditerImage)                  \
    X(MenuDamier2D)                 \
    X(MenuClassique)                \
    X(MenuNuit)                     \
    X(MenuLuxe)                     \
    X(MenuGrandLuxe)                \
    X(NatureMorte)                  \
    X(NomToronto)                   \
    X(NomSaintLaurent)              \
    X(NomVancouver)                 \
    X(NomQuebec)                    \
    X(NomMontreal)                  \
    X(EcranDamier2D)                \
    X(EcranClassique)               \
    X(EcranNuit)                    \
    X(EcranLuxe)                    \
    X(EcranGrandLuxe)               \
    X(TitreIntro)                   \
    X(Version)                      \
    X(Tirets)                       \
    X(Astuce1)                      \
    X(Astuce2)                      \
    X(Astuce3)                      \
    X(Astuce4)                      \
    X(Astuce5)                      \
    X(Astuce6)                      \
    X(N7LongLong)                   \
    X(N8Autre)                      \
    X(Niveau0)                      \
    X(Niveau1)                      \
    X(Niveau2)                      \
    X(Niveau3)                      \
    X(Niveau4)                      \
    X(Niveau5)                      \
    X(Niveau6)                      \
    X(Niveau7)                      \
    X(Niveau8)                      \
    X(JeuEnAveugle)                 \
    X(Aide)                         \
    X(Documentation)                \
    X(Regles)                       \
    X(APropos)                      \
    X(Probleme)                     \
    X(ViderLeDamier)                \
    X(RemplirLeDamier)              \
    X(SuivantFleche)                \
    X(RevoirCoup)                   \
    X(ModifierParametres)           \
    X(SauverParametres)             \
    X(ChargerParametres)            \
    X(EditerMeilleursCoups)         \
    X(ImagesManquantes)             \
    X(LangueFrancais)               \
    X(LangueEnglish)                \
    X(LangueNederlands)             \
    X(LanguePortugues)              \
    X(LangueEspanol)                \
    X(LangueItaliano)               \
    X(ChargerDesLecons)             \
    X(LancerUneSession)             \
    X(ArreterLaSession)             \
    X(FiltreTexteEcrire)            \
    X(FiltreTexteLire)              \
    X(FiltreImage)                  \
    X(FiltreLecons)                 \
    X(ChoixPartie)                  \
    X(MenuLangue)                   \
    X(Credits)                      \
    X(ConfirmerAbandon)             \
    X(CopierPosition)               \
    X(CopierPartie)                 \
    X(Coller)                       \
    X(CollerRien)                   \
    X(AucunePartie)                 \
    X(FichierAbsent)                \
    X(FichierDossier)               \
    X(FichierInterdit)              \
    X(BureauGenre)                  \
    X(BureauResume)                 \
    X(BureauDescription)            \
    X(BureauDescription2)           \
    X(BureauCapture)                \
    X(BureauMotsCles)               \
    X(MimeDam)                      \
    X(MimePdn)                      \
    X(DossierOccupe)                \
    X(LectureSeule)                 \
    X(PartiesNonListees)            \
    X(VoirLaSolution)               \
    X(PartiesIllisibles)            \
    X(ImportCoupIllisible)          \
    X(ImportCoupIllegal)            \
    X(ImportPriseAmbigue)           \
    X(ImportTropLong)               \
    X(ImportAutresFautes)           \
    X(ImportDemiCoups)              \
    X(ReglesDeNulle)                \
    X(NulleRepetition)              \
    X(NulleCoupsDeDames)            \
    X(NulleFinaleTrois)             \
    X(NulleFinaleDeux)
// clang-format on

enum class Texte : int {
#define KOLMAR_ID(n) n,
    KOLMAR_TEXTES(KOLMAR_ID)
#undef KOLMAR_ID
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
