// The desktop's files that name the HTML handler (mimeapps.list and
// .desktop entries) and the command lines built from them: any bytes as
// such a file, and any bytes as a command line to split.  The command made
// from an entry must split back into arguments without a crash, and the
// quoting of an argument must give the same argument back.
#include "command_line.h"
#include "desktop_entry.h"
#include "key_file.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const shell::KeyFile keys = shell::KeyFile::Parse(text);
    if (const auto handlers = keys.Find("Default Applications", "text/html"))
        (void)shell::SplitList(shell::UnescapeValue(*handlers));

    if (const auto command = shell::OpenCommandFromDesktopEntry(text))
        (void)shell::SplitCommandLine(*command);

    (void)shell::SplitCommandLine(text);
    // A quoted argument reads back as itself.
    if (text.find('\0') == std::string_view::npos) {
        const std::string line = "program " + shell::QuoteArgument(text);
        const auto args = shell::SplitCommandLine(line);
        if (args.size() != 2 || args[1] != text)
            std::abort();
    }
    return 0;
}
