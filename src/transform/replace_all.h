#pragma once

#include <string>
#include <string_view>

namespace tarnix {

// `S` with every occurrence of `Pattern` replaced by `NewText`, from the
// left; the search goes on after each replacement, so replaced text is not
// searched again. An empty pattern replaces nothing.
std::string ReplaceAll(std::string_view S, std::string_view Pattern, std::string_view NewText);

}  // namespace tarnix
