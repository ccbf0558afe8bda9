// libFuzzer entry of the rdf target (make fuzz); the work is in bersaglio_rdf.cpp.

#include "tools/fuzz/bersagli.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
    velaris::fuzz::prova_rdf({dati, quanti});
    return 0;
}
