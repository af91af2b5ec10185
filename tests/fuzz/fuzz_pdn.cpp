// PDN reader: any bytes after a tag, every game replayed and written back.
#include "lecteurs_texte.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzz_lire_pdn(data, size);
}
