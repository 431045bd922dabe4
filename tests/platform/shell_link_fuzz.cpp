// libFuzzer entry: any bytes, read as a shell link, must be decoded or refused without reading
// outside them; what decodes must encode again.

#include "platform/shell_link_format.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    (void)platform::LooksLikeShellLink(bytes);
    if (const auto link = platform::DecodeShellLink(bytes)) {
        (void)platform::EncodeShellLink(link.Value(), {});
    }
    return 0;
}
