// The news server's answer stream: any bytes, cut into reads of sizes
// taken from the input itself, through the assembler and each complete
// record through the dispatch decision.
#include "NewsAssembler.h"
#include "NewsDispatch.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    news::CNewsAssembler assembler;
    std::size_t fed = 0;
    const auto onRecord = [](const news::NewsPacket& packet) {
        const news::NewsDecision decision = news::DecidePacket(packet);
        // The views must lie inside their fields.
        if (decision.text.size() > sizeof packet.text || decision.link.size() > sizeof packet.link)
            std::abort();
        volatile std::size_t touch = 0;
        for (char c : decision.text)
            touch = touch + static_cast<unsigned char>(c);
        for (char c : decision.link)
            touch = touch + static_cast<unsigned char>(c);
    };
    // The first byte of each chunk gives its length (0-255, scaled so
    // reads past a record boundary and of whole records both occur).
    std::size_t at = 0;
    while (at < size) {
        const std::size_t want = static_cast<std::size_t>(data[at]) * 7;
        ++at;
        const std::size_t n = want < size - at ? want : size - at;
        const std::size_t before = assembler.Assembled();
        const int records = assembler.Feed(data + at, n, onRecord);
        fed += n;
        if (records != static_cast<int>((before + n) / news::kPacketSize) || assembler.Assembled() != fed % news::kPacketSize)
            std::abort();
        at += n;
    }
    return 0;
}
