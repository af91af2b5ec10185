#include "records/lecons.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "records/fichiers.h"
#include "records/texte.h"

namespace kolmar {

int materiel_lecon(const uint8_t nb_pieces[5], int side) {
    const int pion = side == BLANC ? PION_BLANC : PION_NOIR;
    return 3 * nb_pieces[pion] + nb_pieces[pion + 1];
}

PositionApprise preparer_apprentissage(const Partie& pt, const TableHachage& t) {
    PositionApprise pos;
    const int dernier = std::max(0, std::min<int>(pt.dernier_demi_coup, DEMI_COUPS_MAX));
    pos.demi_coup = dernier;
    uint8_t damier[TAILLE_DAMIER];
    damier[0] = BORD;
    std::memcpy(damier + 1, pt.partie[dernier] + OFS_CASES, NB_CASES);
    uint32_t index_table = 0;
    calculer_cles(t, damier, index_table, pos.verrou, pos.index);
    const uint8_t vers = pt.partie[dernier][OFS_VERS];
    if (vers >= 1 && vers <= NB_CASES && est_noir(damier[vers])) ++pos.verrou;

    uint8_t nb[5];
    compter_pieces(damier, nb);
    if (dernier <= PLIES_MIN_APPRENTISSAGE)
        pos.issue = Apprentissage::partie_trop_courte;
    else if (std::abs(materiel_lecon(nb, BLANC) - materiel_lecon(nb, NOIR)) > ECART_MATERIEL_MAX)
        pos.issue = Apprentissage::materiel_ecart;
    else
        pos.issue = Apprentissage::possible;
    return pos;
}

namespace {

uint8_t* entree(std::vector<uint8_t>& table, uint32_t index) {
    return table.data() + static_cast<size_t>(index % NB_POSITIONS_APPRISES) * 8;
}

int16_t score_entree(const uint8_t* e) {
    return static_cast<int16_t>(static_cast<uint16_t>(e[4] | e[5] << 8));
}

}  // namespace

bool apprendre_position(std::vector<uint8_t>& table, const PositionApprise& pos, int16_t score) {
    if (table.size() != TAILLE_FICHIER_LECONS) table.resize(TAILLE_FICHIER_LECONS, 0);
    uint8_t* e = entree(table, pos.index);
    const int present = score_entree(e);
    if (present >= SCORE_PROTEGE || present <= -SCORE_PROTEGE) return false;
    ecrire_i32(e, static_cast<int32_t>(pos.verrou));
    const uint16_t s = static_cast<uint16_t>(score);
    e[4] = static_cast<uint8_t>(s & 0xff);
    e[5] = static_cast<uint8_t>(s >> 8);
    return true;
}

bool score_appris(const std::vector<uint8_t>& table, uint32_t index, uint32_t verrou, int16_t& score) {
    if (table.size() < TAILLE_FICHIER_LECONS) return false;
    const uint8_t* e = table.data() + static_cast<size_t>(index % NB_POSITIONS_APPRISES) * 8;
    if (static_cast<uint32_t>(lire_i32(e)) != verrou) return false;
    score = score_entree(e);
    return true;
}

ResultatFichier ecrire_lecons(const std::string& chemin, const std::vector<uint8_t>& table) {
    std::vector<uint8_t> tout(table);
    tout.resize(TAILLE_FICHIER_LECONS, 0);
    RaisonEchec raison = RaisonEchec::aucune;
    if (!ecrire_fichier_sur(chemin, tout.data(), tout.size(), &raison)) return ResultatFichier::echec_ecriture(raison);
    return {};
}

ResultatFichier charger_lecons(const std::string& chemin, std::vector<uint8_t>& table) {
    std::string contenu;
    if (!lire_fichier(chemin, contenu)) return ResultatFichier::echec(MessageFichier::impossible_ouvrir);
    if (table.size() != TAILLE_FICHIER_LECONS) table.resize(TAILLE_FICHIER_LECONS, 0);
    const size_t n = std::min(contenu.size(), TAILLE_FICHIER_LECONS);
    std::memcpy(table.data(), contenu.data(), n);
    return {};
}

void lancer_session(SessionEntrainement& s, int32_t& engineBudget) {
    if (!s.active) s.budget_avant = -1;
    s.active = true;
    if (engineBudget < BUDGET_SESSION) {
        s.budget_avant = engineBudget;
        engineBudget = BUDGET_SESSION;
    }
}

void arreter_session(SessionEntrainement& s) {
    s.active = false;
}

void arreter_session(SessionEntrainement& s, int32_t& engineBudget) {
    if (s.active && s.budget_avant >= 0 && engineBudget == BUDGET_SESSION) engineBudget = s.budget_avant;
    s.budget_avant = -1;
    arreter_session(s);
}

std::vector<std::string> lister_lecons(const std::string& dossier) {
    std::vector<std::string> noms;
    std::error_code ec;
    for (const auto& f : std::filesystem::directory_iterator(dossier, ec)) {
        std::string nom = f.path().filename().string();
        if (nom.size() < 5 || !f.is_regular_file(ec)) continue;
        std::string ext = nom.substr(nom.size() - 4);
        for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (ext == ".dam") noms.push_back(nom);
    }
    std::sort(noms.begin(), noms.end());
    return noms;
}

std::string lecon_suivante(const std::vector<std::string>& lecons, const std::string& courante) {
    if (lecons.empty()) return {};
    auto it = std::find(lecons.begin(), lecons.end(), courante);
    if (it == lecons.end() || ++it == lecons.end()) return lecons.front();
    return *it;
}

bool lire_texte_lecon(const std::string& chemin_dam, std::string& texte) {
    std::string brut;
    if (!lire_fichier(chemin_dam + "t", brut)) return false;
    texte = vers_utf8(brut);
    return true;
}

void separer_solution(const std::string& texte, std::string& enonce, std::string& solution) {
    for (size_t debut = 0; debut < texte.size();) {
        size_t i = debut;
        while (i < texte.size() && (texte[i] == ' ' || texte[i] == '\t')) ++i;
        if (texte.compare(i, 8, "Solution") == 0) {
            size_t j = i + 8;
            while (j < texte.size() && texte[j] == ' ') ++j;
            if (j < texte.size() && texte[j] == ':') {
                enonce = texte.substr(0, debut);
                while (!enonce.empty() && (enonce.back() == '\n' || enonce.back() == '\r')) enonce.pop_back();
                solution = texte.substr(debut);
                return;
            }
        }
        const size_t fin = texte.find('\n', debut);
        if (fin == std::string::npos) break;
        debut = fin + 1;
    }
    enonce = texte;
    solution.clear();
}

}  // namespace kolmar
