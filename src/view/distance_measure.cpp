#include "view/distance_measure.h"

#include "common/number_format.h"

#include <cmath>

namespace tarnix {
namespace {

constexpr double kShownPerSceneUnit = 100;

// Delphi's "%5.3f": right-aligned in 5 places, "." as the separator.
std::string fixed53(double value)
{
    std::string text = formatFixed(value, 3);
    if (text.size() < 5)
        text.insert(0, 5 - text.size(), ' ');
    return text;
}

}  // namespace

std::string mouseReadoutText(bool hit, const ScenePosition& point, int x, int windowY)
{
    if (!hit)
        return "Screen coordinates X: " + std::to_string(x) + " Y: " + std::to_string(windowY);
    return "World : (X: " + fixed53(kShownPerSceneUnit * point.x) + "; Y: " + fixed53(kShownPerSceneUnit * point.y) +
           "; Z: " + fixed53(kShownPerSceneUnit * point.z) + ")";
}

void DistanceMeasure::mnMeasureClick()
{
    measure_.gMeasureCount = 0;
    gMeasureMode_ = true;
}

std::optional<std::string> DistanceMeasure::click(bool hit, const ScenePosition& point)
{
    if (!gMeasureMode_ || !hit)
        return std::nullopt;
    if (measure_.gMeasureCount == 0) {
        measure_.gMeasX1 = point.x;
        measure_.gMeasY1 = point.y;
        measure_.gMeasZ1 = point.z;
        measure_.gMeasureCount = 1;
        return std::nullopt;
    }
    measure_.gMeasureCount = 0;
    gMeasureMode_ = false;
    const double dx = point.x - measure_.gMeasX1;
    const double dy = point.y - measure_.gMeasY1;
    const double dz = point.z - measure_.gMeasZ1;
    const double distance = kShownPerSceneUnit * std::sqrt(dx * dx + dy * dy + dz * dz);
    return "Analized distance: dx: " + fixed53(kShownPerSceneUnit * dx) + " dy: " + fixed53(kShownPerSceneUnit * dy) +
           " dz: " + fixed53(kShownPerSceneUnit * dz) + ";  Distance: " + fixed53(distance);
}

void DistanceMeasure::follow(const ScenePosition& point)
{
    if (measure_.gMeasureCount != 1)
        return;
    measure_.gMeasX2 = point.x;
    measure_.gMeasY2 = point.y;
    measure_.gMeasZ2 = point.z;
}

}  // namespace tarnix
