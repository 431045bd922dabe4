#include "exif/byte_view.h"

#include <algorithm>

namespace exif {

std::optional<std::string_view> ByteView::CString(std::uint64_t offset,
                                                  std::uint64_t maxLength) const {
    if (offset > bytes_.size()) {
        return std::nullopt;
    }
    const auto available = std::min<std::uint64_t>(maxLength, bytes_.size() - offset);
    const auto begin = bytes_.begin() + static_cast<std::ptrdiff_t>(offset);
    const auto end = std::find(begin, begin + static_cast<std::ptrdiff_t>(available), 0);
    return std::string_view(reinterpret_cast<const char*>(&*begin),
                            static_cast<std::size_t>(end - begin));
}

} // namespace exif
