// Text reader: any bytes as the program's text format.
#include "lecteurs_texte.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzz_lire_texte(data, size);
}
