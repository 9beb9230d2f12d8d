#include "UrlCommand.h"

namespace client {

namespace {

constexpr std::string_view kQuotedPlaceholder = "\"%1\"";
constexpr std::string_view kPlaceholder = "%1";

} // namespace

bool IsAddressFitForCommandLine(std::string_view address)
{
    if (address.empty() || address.front() == '-')
        return false;
    for (const char c : address) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7F || c == '"')
            return false;
    }
    return true;
}

std::optional<std::string> BuildOpenCommand(std::string_view registered, std::string_view address)
{
    if (!IsAddressFitForCommandLine(address))
        return std::nullopt;

    std::size_t cut = registered.find(kQuotedPlaceholder);
    if (cut == std::string_view::npos)
        cut = registered.find(kPlaceholder);
    const std::string_view kept = registered.substr(0, cut);
    if (kept.find_first_not_of(" \t") == std::string_view::npos)
        return std::nullopt;
    if (kept.size() + address.size() + 1 > kUrlCommandBuffer)
        return std::nullopt;

    std::string command(kept);
    command += address;
    return command;
}

} // namespace client
