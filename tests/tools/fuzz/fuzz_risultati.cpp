// libFuzzer entry of the risultati target (make fuzz); the work is in bersaglio_risultati.cpp.

#include "tools/fuzz/bersagli.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
    velaris::fuzz::prova_risultati({dati, quanti});
    return 0;
}
