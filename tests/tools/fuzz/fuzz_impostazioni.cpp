// libFuzzer entry of the impostazioni target (make fuzz); the work is in
// bersaglio_impostazioni.cpp.

#include "tools/fuzz/bersagli.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
    velaris::fuzz::prova_impostazioni({dati, quanti});
    return 0;
}
