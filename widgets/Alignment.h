#pragma once

namespace ostrak {

// Horizontal text alignment, in the toolkit's order (stored values 0, 1, 2).
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

}  // namespace ostrak
