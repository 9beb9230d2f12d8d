// pixkit: image information and format conversion through libpixkit.
//
//   pixkit info FILE
//   pixkit convert IN OUT
//   pixkit convert --depth N [--palette FILE] IN OUT
//   pixkit quantize [--palette FILE] IN OUT
//   pixkit palette IN OUT.pal
#include "colour_commands.h"
#include "commands.h"

#include <cstring>
#include <iostream>

namespace {

void PrintUsage(std::ostream& to)
{
    to << "usage: pixkit info FILE\n"
          "       pixkit convert IN OUT\n"
          "       pixkit convert --depth N [--palette FILE] IN OUT\n"
          "       pixkit quantize [--palette FILE] IN OUT\n"
          "       pixkit palette IN OUT.pal\n"
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
    if (int status = 0; RunColourCommand(argc, argv, std::cout, std::cerr, status))
        return status;
    if (argc == 3 && std::strcmp(argv[1], "info") == 0)
        return RunInfo(argv[2], std::cout, std::cerr);
    if (argc == 4 && std::strcmp(argv[1], "convert") == 0)
        return RunConvert(argv[2], argv[3], std::cout, std::cerr);
    PrintUsage(std::cerr);
    return kExitUsage;
}
