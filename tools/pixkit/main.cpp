// pixkit: image information and format conversion through libpixkit.
//
//   pixkit info FILE
//   pixkit convert IN OUT
#include "commands.h"

#include <cstring>
#include <iostream>

namespace {

void PrintUsage(std::ostream& to)
{
    to << "usage: pixkit info FILE\n"
          "       pixkit convert IN OUT\n"
          "The format of each file is taken from its extension.\n";
}

} // namespace

int main(int argc, char** argv)
{
    using namespace pixkit_cli;
    if (argc == 2 && (std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "--help") == 0)) {
        PrintUsage(std::cout);
        return kExitOk;
    }
    if (argc == 3 && std::strcmp(argv[1], "info") == 0)
        return RunInfo(argv[2], std::cout, std::cerr);
    if (argc == 4 && std::strcmp(argv[1], "convert") == 0)
        return RunConvert(argv[2], argv[3], std::cout, std::cerr);
    PrintUsage(std::cerr);
    return kExitUsage;
}
