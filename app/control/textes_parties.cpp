#include "control/textes_parties.h"

#include <filesystem>
#include <utility>

#include "control/commandes.h"
#include "control/controleur.h"
#include "control/deroulement.h"
#include "lang/messages.h"
#include "lang/textes.h"
#include "records/fichiers.h"
#include "records/lecons.h"
#include "records/pdn.h"
#include "records/texte.h"
#include "rules/board.h"

namespace kolmar {

namespace {

bool echec(Controleur& f, const ResultatFichier& r) {
    if (!r.ok && r.message != MessageFichier::aucun) f.vue().erreur(texte_resultat(r, f.ctx().langue));
    return r.ok;
}

int resultat_de_texte(const std::string& t) {
    if (t == "2-0" || t == "1-0") return RESULTAT_BLANCS;
    if (t == "0-2" || t == "0-1") return RESULTAT_NOIRS;
    if (t == "1-1" || t == "1/2-1/2") return RESULTAT_NUL;
    return RESULTAT_AUCUN;
}

// A language's text with its %1 and %2 filled in.
std::string poser(std::string t, const std::string& un, const std::string& deux = std::string()) {
    for (const auto& [marque, v] : {std::pair{"%1", &un}, std::pair{"%2", &deux}}) {
        const size_t i = t.find(marque);
        if (i != std::string::npos) t.replace(i, 2, *v);
    }
    return t;
}

// What the replay of an imported game skipped or could not settle; empty
// when it played every move as written.
std::string texte_import(const Rejeu& r, int l) {
    Texte t;
    switch (r.faute) {
        case FauteRejeu::illisible:
            t = Texte::ImportCoupIllisible;
            break;
        case FauteRejeu::illegal:
            t = Texte::ImportCoupIllegal;
            break;
        case FauteRejeu::ambigu:
            t = Texte::ImportPriseAmbigue;
            break;
        case FauteRejeu::trop_long:
            t = Texte::ImportTropLong;
            break;
        default:
            return {};
    }
    // The move as the file wrote it, short and printable whatever the file holds.
    std::string m = poser(texte(t, l), std::to_string(r.numero), nom_limite(vers_utf8(r.texte)));
    if (r.autres_fautes > 0) m += "\n" + poser(texte(Texte::ImportAutresFautes, l), std::to_string(r.autres_fautes));
    return m + "\n" + poser(texte(Texte::ImportDemiCoups, l), std::to_string(r.demi_coups));
}

ResultatFichier ecrire_texte(const std::string& chemin, const std::string& t) {
    RaisonEchec raison = RaisonEchec::aucune;
    if (!ecrire_fichier_sur(chemin, t.data(), t.size(), &raison)) return ResultatFichier::echec_ecriture(raison);
    return {};
}

}  // namespace

bool Crerunfichiertexte1Click(Controleur& f, const std::string& chemin, FormatTexte format) {
    const Contexte& C = f.ctx();
    const Jeu& J = f.jeu();
    const int resultat = f.session().resultat;
    if (format == FormatTexte::texte)
        return echec(f, ecrire_texte_partie(chemin, J.partie, C.etat.nom_blanc, C.etat.nom_noir, resultat));
    return echec(f, ecrire_texte(chemin, texte_partie_pdn(f)));
}

std::string texte_partie_pdn(const Controleur& f) {
    const Contexte& C = f.ctx();
    const Jeu& J = f.jeu();
    // The side to move at the current ply, not the working board's (a
    // search may be under way on the engine's own copy only).
    return ecrire_pdn(pdn_de_partie(J.partie, J.trait, C.etat.nom_blanc, C.etat.nom_noir, f.session().resultat));
}

std::string texte_position(const Controleur& f) {
    return ecrire_fen(f.jeu().plateau_affiche, f.jeu().trait);
}

bool coller(Controleur& f, const std::string& texte, FichierParties& parties) {
    parties = FichierParties();
    const size_t a = texte.find_first_not_of(" \t\r\n"), b = texte.find_last_not_of(" \t\r\n");
    const std::string t = a == std::string::npos ? std::string() : texte.substr(a, b - a + 1);
    uint8_t damier[TAILLE_DAMIER];
    int trait = 0;
    if (!t.empty() && lire_fen(t, damier, trait)) {
        PartieLue p;
        p.blanc = f.ctx().etat.nom_blanc;
        p.noir = f.ctx().etat.nom_noir;
        p.fen = t;
        return importer_partie(f, p);
    }
    // A text of no game at all is any text: only moves or a set-up count.
    bool partie = false;
    for (const PartieLue& p : lire_parties(t)) partie = partie || !p.coups.empty() || !p.fen.empty();
    if (partie) lister_parties(t, parties);
    if (parties.parties.empty()) {
        f.vue().erreur(kolmar::texte(Texte::CollerRien, f.ctx().langue));
        return false;
    }
    return true;
}

bool lire_fichier_texte(Controleur& f, const std::string& chemin, FichierParties& parties) {
    f.session().arret_calcul = 1;
    parties = FichierParties();
    return echec(f, ouvrir_fichier_parties(chemin, parties));
}

std::vector<std::string> lignes_ListBox16(const Controleur& f, const FichierParties& parties) {
    std::vector<std::string> lignes;
    lignes.reserve(parties.parties.size());
    for (size_t k = 0; k < parties.parties.size(); ++k)
        lignes.push_back(texte_ligne_partie(static_cast<int>(k) + 1, parties.parties[k], f.ctx().langue));
    return lignes;
}

std::string texte_parties_non_listees(const Controleur& f, const FichierParties& parties) {
    if (parties.total <= parties.parties.size()) return {};
    return poser(texte(Texte::PartiesNonListees, f.ctx().langue), std::to_string(parties.total),
                 std::to_string(parties.parties.size()));
}

std::string texte_parties_illisibles(const Controleur& f, const FichierParties& parties) {
    if (parties.illisibles == 0) return {};
    return poser(texte(Texte::PartiesIllisibles, f.ctx().langue), std::to_string(parties.illisibles));
}

bool parties_a_choisir(Controleur& f, FichierParties& parties) {
    if (parties.parties.empty()) {
        std::string t = texte(Texte::AucunePartie, f.ctx().langue);
        const std::string illisibles = texte_parties_illisibles(f, parties);
        if (!illisibles.empty()) t += "\n" + illisibles;
        f.vue().erreur(t);
        return false;
    }
    // Skipped games are said on the list, even beside a single game.
    if (parties.total > 1 || parties.illisibles > 0) return true;
    importer_partie(f, parties, 0);
    return false;
}

bool importer_partie(Controleur& f, const FichierParties& parties, size_t k) {
    if (k >= parties.parties.size()) return false;
    return importer_partie(f, partie_choisie(parties, k));
}

bool importer_partie(Controleur& f, const PartieLue& p) {
    Contexte& C = f.ctx();
    f.session().arret_calcul = 1;
    const Rejeu r = rejouer_partie(p, f.jeu(), C.etat);
    if (r.refusee()) {
        f.vue().erreur(texte_rejeu(r, C.langue));
        return false;
    }
    position_changee(f);
    partie_chargee(f);
    f.session().resultat = resultat_de_texte(p.resultat);
    const std::string sautes = texte_import(r, C.langue);
    if (!sautes.empty()) f.vue().erreur(sautes);
    return true;
}

bool Best1Click(Controleur& f, const std::string& chemin) {
    std::string t;
    for (const std::string& l : lignes_courtes(f.ctx().analyse, f.ctx().langue)) t += l + "\n";
    return echec(f, ecrire_texte(chemin, t));
}

// --- Learning ---

bool Learn_yesClick(Controleur& f) {
    f.vue().montrer(Panneau::Learn, false);
    Aller_fin(f);
    return apprentissage_possible(f);
}

bool apprentissage_possible(const Controleur& f) {
    const Contexte& C = f.ctx();
    const PositionApprise pos = preparer_apprentissage(f.jeu().partie, C.moteur->hash);
    // Without a score from the analysis there is nothing to learn.
    const bool note = pos.demi_coup < static_cast<int>(C.analyse.scores.size()) && pos.demi_coup >= C.analyse.w &&
                      pos.demi_coup <= C.analyse.w0;
    return pos.issue == Apprentissage::possible && note;
}

bool apprendre_dans(Controleur& f, const std::string& chemin) {
    Contexte& C = f.ctx();
    const PositionApprise pos = preparer_apprentissage(f.jeu().partie, C.moteur->hash);
    if (pos.issue != Apprentissage::possible || pos.demi_coup >= static_cast<int>(C.analyse.scores.size()))
        return false;
    // The entry stays learned in memory even when the file cannot be written.
    apprendre_position(C.finales->positions, pos, C.analyse.scores[static_cast<size_t>(pos.demi_coup)]);
    return echec(f, ecrire_lecons(chemin, C.finales->positions));
}

bool Chargerdesleons1Click(Controleur& f, const std::string& chemin) {
    return echec(f, charger_lecons(chemin, f.ctx().finales->positions));
}

void Lancerunesession1Click(Controleur& f) {
    Contexte& C = f.ctx();
    lancer_session(C.entrainement, C.controle.engineBudget);
    C.moteur->limites.engineBudget = C.controle.engineBudget;
    f.vue().niveau(C.controle);
    f.options().ordinateurs = true;
    f.options().humains = false;
    f.session().contre_ordinateur = 1;
    f.vue().options(f.options());
    regles_match(f);
}

void Arrterlasession1Click(Controleur& f) {
    Contexte& C = f.ctx();
    if (!C.entrainement.active) return;
    arreter_session(C.entrainement, C.controle.engineBudget);
    C.moteur->limites.engineBudget = C.controle.engineBudget;
    f.vue().niveau(C.controle);
    f.options().ordinateurs = false;
    f.vue().options(f.options());
    // The move under search is played now, the game left to the human.
    f.session().arret_calcul = 1;
    regles_match(f);
}

// --- Lessons ---

bool ouvrir_lecon(Controleur& f, const std::string& chemin, std::string& texte) {
    texte.clear();
    if (!ouvrir_partie(f, chemin, ModeLecture::lecon)) return false;
    f.ctx().lecon = chemin;
    lire_texte_lecon(chemin, texte);
    f.session().veto_reflexion = 1;
    return true;
}

bool Button1Click(Controleur& f, std::string& texte) {
    const std::string dossier = dossier_problemes();
    const std::string courante = std::filesystem::path(f.ctx().lecon).filename().string();
    const std::string suivante = lecon_suivante(lister_lecons(dossier), courante);
    if (suivante.empty()) return false;
    return ouvrir_lecon(f, (std::filesystem::path(dossier) / suivante).string(), texte);
}

bool Panel14Click(Controleur& f, std::string& texte) {
    if (f.ctx().lecon.empty()) return Button1Click(f, texte);
    const std::string chemin = f.ctx().lecon;
    return ouvrir_lecon(f, chemin, texte);
}

}  // namespace kolmar
