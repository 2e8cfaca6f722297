// main() of the benchmarks that load catalogues: the XML library and the image file types are
// set up for the whole program, as the add-on sets them up before its first load.

#include "catalogue/ImageFileTypes.h"
#include "catalogue/TNData.h"

#include <benchmark/benchmark.h>
#include <xercesc/util/PlatformUtils.hpp>

int main(int argc, char** argv) {
    xercesc::XMLPlatformUtils::Initialize();
    LookUpImageFileTypes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    GetTNData().ReleaseCatalogue();
    xercesc::XMLPlatformUtils::Terminate();
    return 0;
}
