#include "lang/aide.h"

#include "lang/textes.h"

namespace kolmar {

const char* fichier_aide(Aide a, int langue) {
    // nullptr: no file of its own.
    static const char* const k_documentation[NB_LANGUES] = {"Kolmar.hlp",   "Kolmar_e.hlp",  "Kolmar_nl.hlp",
                                                            "Kolmar_p.hlp", "Kolmar_es.hlp", nullptr};
    static const char* const k_regles[NB_LANGUES] = {"Rkolmar_f.hlp", "Vadadaz_e.zir", "Rkolmar_nl.hlp",
                                                     "Rkolmar_p.hlp", nullptr,         nullptr};
    const char* const* table = a == Aide::Regles ? k_regles : k_documentation;
    const char* fichier = table[ANGLAIS];
    if (langue >= 0 && langue < NB_LANGUES && table[langue]) fichier = table[langue];
    return fichier;
}

}  // namespace kolmar
