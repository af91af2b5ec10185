#include "control/horloges.h"

#include <chrono>

namespace kolmar {

int64_t temps_monotone_ms() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

int64_t Horloges::horodatage() const {
    int64_t ms = source ? source() : temps_monotone_ms();
    // Floor, so stamps stay whole seconds even for a source below zero.
    return ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
}

std::string texte_secondes(int32_t s) {
    std::string t = std::to_string(s);
    return s >= 0 && s <= 9 ? "0" + t : t;
}

std::string texte_minutes(int32_t m) {
    return std::to_string(m);
}

namespace {

void decouper(int32_t total, int32_t& minutes, int32_t& secondes) {
    minutes = total / 60;
    secondes = total - 60 * minutes;
}

void afficher_camp(Horloges& h, uint8_t trait) {
    if (trait == 1) {
        decouper(h.total_noir, h.minutes_noir, h.secondes_noir);
        h.minnoir = texte_minutes(h.minutes_noir);
        h.secnoir = texte_secondes(h.secondes_noir);
    } else {
        decouper(h.total_blanc, h.minutes_blanc, h.secondes_blanc);
        h.minblanc = texte_minutes(h.minutes_blanc);
        h.secblanc = texte_secondes(h.secondes_blanc);
    }
}

int32_t total_en_cours(const Horloges& h, uint8_t trait) {
    int64_t maintenant = h.horodatage();
    int64_t t = trait == 1 ? maintenant - h.debut_noir + h.base_noir : maintenant - h.debut_blanc + h.base_blanc;
    if (t > INT32_MAX) t = INT32_MAX;
    return static_cast<int32_t>(t);
}

void compter(Horloges& h, uint8_t trait) {
    h.total_courant = total_en_cours(h, trait);
    (trait == 1 ? h.total_noir : h.total_blanc) = h.total_courant;
}

}  // namespace

void demarrer_tours(Horloges& h) {
    h.debut_noir = h.debut_blanc = h.horodatage();
}

bool ajouter_temps(Horloges& h, uint8_t trait, bool tour_ordinateur) {
    if (tour_ordinateur || !h.timer_actif) return false;
    compter(h, trait);
    afficher_camp(h, trait);
    return true;
}

void regler_horloge(Horloges& h, uint8_t trait, int32_t secondes, bool en_reflexion_adverse) {
    if (en_reflexion_adverse) return;
    // The total follows too, so the end of the turn keeps this value.
    if (trait == 1)
        h.base_noir = h.total_noir = secondes;
    else
        h.base_blanc = h.total_blanc = secondes;
    afficher_camp(h, trait);
}

void restaurer_horloges(Horloges& h, int32_t temps_blanc, int32_t temps_noir) {
    h.base_blanc = h.total_blanc = temps_blanc;
    h.base_noir = h.total_noir = temps_noir;
    decouper(temps_blanc, h.minutes_blanc, h.secondes_blanc);
    decouper(temps_noir, h.minutes_noir, h.secondes_noir);
}

void ecrire_etiquettes(Horloges& h) {
    h.minnoir = std::to_string(h.minutes_noir);
    h.secnoir = std::to_string(h.secondes_noir);
    h.minblanc = std::to_string(h.minutes_blanc);
    h.secblanc = std::to_string(h.secondes_blanc);
}

void remettre_a_zero(Horloges& h) {
    restaurer_horloges(h, 0, 0);
    h.total_courant = 0;
    demarrer_tours(h);
    ecrire_etiquettes(h);
}

void horloges_a_zero(Horloges& h, uint8_t& matchState) {
    remettre_a_zero(h);
    matchState = 0;
}

bool basculer_pause(Horloges& h) {
    if (h.timer_actif) {
        h.timer_actif = false;
    } else {
        demarrer_tours(h);
        h.timer_actif = true;
    }
    return !h.timer_actif;
}

bool relancer_si_arrete(Horloges& h) {
    if (h.timer_actif) return false;
    demarrer_tours(h);
    h.timer_actif = true;
    return true;
}

void fin_de_tour(Horloges& h, uint8_t camp, bool tour_ordinateur) {
    if (h.timer_actif && !tour_ordinateur) compter(h, camp);
    if (camp == 1) {
        h.base_noir = h.total_noir;
        h.debut_blanc = h.horodatage();
    } else {
        h.base_blanc = h.total_blanc;
        h.debut_noir = h.horodatage();
    }
}

int64_t allocation_temps(int32_t periodLimit, int32_t demi_coup) {
    int64_t periodes = demi_coup < 0 ? 1 : demi_coup / 100 + 1;
    return periodes * (static_cast<int64_t>(periodLimit) + 2);
}

int diviseur_handicap(int points_humain) {
    return points_humain >= 1800 ? 1 : 2;
}

PertesTemps verifier_temps(const Horloges& h, const ControleTemps& c, int32_t demi_coup, uint8_t couleur_ordinateur,
                           int points_humain, uint8_t matchState) {
    PertesTemps r;
    if (matchState == 0) return r;
    int64_t permis = allocation_temps(c.periodLimit, demi_coup);
    int d = diviseur_handicap(points_humain);
    // Black first, then white.
    for (int camp = 1; camp >= 0; --camp) {
        int32_t base = camp == 1 ? h.base_noir : h.base_blanc;
        if (camp == couleur_ordinateur) {
            if (base > permis) r.codes[r.nombre++] = 5;
        } else if (base / d > permis) {
            r.codes[r.nombre++] = 4;
        }
    }
    return r;
}

}  // namespace kolmar
