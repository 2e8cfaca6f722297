// libFuzzer's entry: every input goes to the one of fuzzing's inputs named by TN_FUZZ_INPUT.

#include "FuzzInputs.h"

#include <xercesc/util/PlatformUtils.hpp>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    xercesc::XMLPlatformUtils::Initialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const std::string problem = fuzzing::TN_FUZZ_INPUT(data, size); !problem.empty()) {
        std::fprintf(stderr, "broken rule: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
