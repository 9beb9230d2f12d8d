// Command lines in the platform's form: one string that the started program
// splits into its arguments.  Plain logic, no platform calls.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace shell {

// Splits a command line into arguments:
// - Blanks (space, tab) separate arguments; blanks before the program name
//   are skipped.
// - The program name (first argument) may hold quoted parts, whose blanks
//   do not end it; its quotes are dropped and backslashes are plain text.
// - In later arguments, double quotes start and end quoted parts; inside one,
//   two quotes in a row give one quote and the part goes on.  2n backslashes
//   before a quote give n backslashes and the quote keeps its meaning;
//   2n+1 give n backslashes and a literal quote.  Backslashes elsewhere are
//   plain text.  An unclosed quote runs to the end of the line.
std::vector<std::string> SplitCommandLine(std::string_view line);

// The inverse for one argument after the program name: unchanged when it is
// not empty and holds no blank or quote, otherwise quoted so that
// SplitCommandLine gives it back.
std::string QuoteArgument(std::string_view argument);

// The program name as SplitCommandLine reads it back: quoted when it holds a
// blank or is empty.  A name holding a double quote cannot be written and
// gives an empty string.
std::string QuoteProgramName(std::string_view program);

} // namespace shell
