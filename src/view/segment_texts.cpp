#include "view/segment_texts.h"

#include "common/number_format.h"

#include <cmath>

namespace tarnix {
namespace {

constexpr long double kShownPerSceneUnit = 100;

// printf's "%W.Df" with "." whatever the locale: right-aligned in W blanks.
std::string fixedText(double value, int width, int decimals)
{
    std::string text = formatFixed(value, decimals);
    if (text.size() < static_cast<std::size_t>(width))
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string coordinate(long double sceneValue)
{
    return fixedText(static_cast<double>(kShownPerSceneUnit * sceneValue), 5, 3);
}

std::string pointText(long double x, long double y, long double z)
{
    return "(X: " + coordinate(x) + "; Y: " + coordinate(y) + "; Z: " + coordinate(z) + ")";
}

std::string_view fileNamePart(std::string_view path)
{
    std::size_t slash = path.find_last_of('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace

SegmentTexts cursorSegmentTexts(const ScenePoint& start, const TPathPoint& end,
                                std::string_view editorFileName, std::string_view selectedFile)
{
    SegmentTexts texts;
    if (fileNamePart(editorFileName) != selectedFile) {
        texts.showPicture = true;
        return texts;
    }

    const long double dx = end.X - start.x;
    const long double dy = end.Y - start.y;
    const long double dz = end.Z - start.z;
    const auto length = static_cast<double>(kShownPerSceneUnit * std::sqrt(dx * dx + dy * dy + dz * dz));
    const auto feed = static_cast<double>(end.Feed);

    texts.lbBeginX = coordinate(start.x);
    texts.lbBeginY = coordinate(start.y);
    texts.lbBeginZ = coordinate(start.z);
    texts.lbFeed = fixedText(feed, 6, 1);
    texts.lbEndX = coordinate(end.X);
    texts.lbEndY = coordinate(end.Y);
    texts.lbEndZ = coordinate(end.Z);
    texts.lbLength = fixedText(length, 6, 3) + " ";
    texts.statusPanel5 = "Feed: " + fixedText(feed, 6, 1) + "  Line Start : " +
                         pointText(start.x, start.y, start.z) + "    Line End : " +
                         pointText(end.X, end.Y, end.Z) + "  Length: " + fixedText(length, 6, 3) + " ";
    return texts;
}

}  // namespace tarnix
