#pragma once
// Where a path point is drawn. The drawing carries its pen in single
// floats, so every way of drawing the path converts points the same way.

#include "points/point_list.h"
#include "view/scene_point.h"

namespace tarnix {

inline ScenePoint scenePoint(const TPathPoint& point)
{
    return {static_cast<float>(point.X), static_cast<float>(point.Y), static_cast<float>(point.Z)};
}

}  // namespace tarnix
