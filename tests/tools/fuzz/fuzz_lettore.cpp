// libFuzzer entry of one reader (make fuzz): VELARIS_BERSAGLIO names its
// target, one of the functions of bersagli.h.

#include "tools/fuzz/bersagli.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
    velaris::fuzz::VELARIS_BERSAGLIO({dati, quanti});
    return 0;
}
