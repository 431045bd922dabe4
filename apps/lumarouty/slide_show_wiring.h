#pragma once

// The slide show behind the main window's "スライドショー(&S)".

#include "shell/settings_live.h"
#include "shell/ui/form_main.h"

namespace lumarouty {

// Registers the slide show as the window's Slide command: the pictures of the list (the
// selected ones when two or more are), at the interval of the live Tool settings.
void WireSlideShow(TFormMain& form, const shell::LiveSettings& live);

} // namespace lumarouty
