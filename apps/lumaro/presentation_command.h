#pragma once

// lumaro presentation: 640 x 480 copies with DCF names and the template picture's EXIF.

#include <iosfwd>
#include <span>
#include <string>

int RunPresentationCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);
