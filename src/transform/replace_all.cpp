#include "transform/replace_all.h"

namespace tarnix {

std::string ReplaceAll(std::string_view S, std::string_view Pattern, std::string_view NewText)
{
    if (Pattern.empty())
        return std::string(S);
    std::string result;
    std::size_t from = 0;
    for (std::size_t at = S.find(Pattern); at != std::string_view::npos; at = S.find(Pattern, from)) {
        result.append(S.substr(from, at - from)).append(NewText);
        from = at + Pattern.size();
    }
    return result.append(S.substr(from));
}

}  // namespace tarnix
