#pragma once

namespace korvel {

// The windows ask for "Arial", "Arial Black" and "MS Sans Serif"; where those are missing the
// metric-compatible Liberation Sans takes their place, so captions keep their designed widths.
void installFontSubstitutes();

}  // namespace korvel
