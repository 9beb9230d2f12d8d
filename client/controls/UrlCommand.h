// The link opener's string work: the registered open command of HTML pages
// with an address put in, as the command line to run.  No platform calls.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace client {

// The command line is built in a buffer of this many bytes, NUL included.
inline constexpr std::size_t kUrlCommandBuffer = 520;

// Whether an address may go into a command line unquoted.  It arrives from
// the news server and is appended after the kept part of the registered
// command, which the started program splits into arguments by the
// command-line rules: a blank or a double quote would let the address add
// arguments of its own, a leading '-' would make it read as an option, and
// control characters have no place in an address.  Empty addresses open
// nothing.
bool IsAddressFitForCommandLine(std::string_view address);

// The registered command cut at the address placeholder and followed by the
// address.  The placeholder is "%1" in double quotes (4 bytes) or, when that
// is absent, "%1" alone; the command is cut at its first byte, dropping it
// and all after it.  Without either the address follows the whole command
// directly.  Strings are UTF-8, where no byte of a multibyte character is
// an ASCII byte, so a plain byte search for the placeholder can never match
// inside a character: that is what a search respecting double-byte
// characters guarantees.
//
// Nothing (open nothing) when the address is not fit for a command line,
// when no program is left before the address (an empty command, or one that
// starts with the placeholder: the address itself would be run), or when
// the result with its NUL would not fit kUrlCommandBuffer bytes (cutting
// the address short could open a different one).
std::optional<std::string> BuildOpenCommand(std::string_view registered, std::string_view address);

} // namespace client
