// libFuzzer entry: any bytes, read as a shell link and as a PIF file, must be decoded or refused
// without reading outside them; what decodes must encode again.

#include "platform/pif_file.h"
#include "platform/shell_link_format.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    (void)platform::LooksLikeShellLink(bytes);
    if (const auto link = platform::DecodeShellLink(bytes)) {
        (void)platform::EncodeShellLink(link.Value(), {});
    }
    (void)platform::LooksLikePif(bytes);
    if (const auto pif = platform::DecodePif(bytes)) {
        (void)platform::EncodePif(pif.Value(), pif.Value().description);
    }
    return 0;
}
