// The sub-commands of the pixkit tool.  Each writes its output to out and its
// complaints to err, and returns the process exit status.
#pragma once

#include <iosfwd>

namespace pixkit_cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

int RunInfo(const char* fileName, std::ostream& out, std::ostream& err);
int RunConvert(const char* input, const char* output, std::ostream& out, std::ostream& err);

} // namespace pixkit_cli
