#include "view/pick_path.h"

#include "view/path_point_position.h"

#include <algorithm>

namespace tarnix {
namespace {

// Half a pixel and a little depth of margin take in what GL's own clipping
// of single floats might still count as inside.
constexpr double kDepthMargin = 1e-4;

struct ClipPoint {
    double x, y, z, w;
};

ClipPoint toClip(const std::array<double, 16>& m, const float* p)
{
    const double x = p[0], y = p[1], z = p[2];
    return {m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
            m[2] * x + m[6] * y + m[10] * z + m[14], m[3] * x + m[7] * y + m[11] * z + m[15]};
}

// The six sides of the pick volume as linear functions of a clip-space
// point, each at least 0 inside; linear, so they hold for any sign of w.
class PickVolume {
public:
    explicit PickVolume(const PickRegion& region) : region_(region) {}

    void sides(const ClipPoint& p, double (&side)[6]) const
    {
        side[0] = p.x - region_.left * p.w;
        side[1] = region_.right * p.w - p.x;
        side[2] = p.y - region_.bottom * p.w;
        side[3] = region_.top * p.w - p.y;
        side[4] = p.z + (1 + kDepthMargin) * p.w;
        side[5] = (1 + kDepthMargin) * p.w - p.z;
    }

    unsigned outcode(const ClipPoint& p) const
    {
        double side[6];
        sides(p, side);
        unsigned code = 0;
        for (unsigned i = 0; i < 6; ++i)
            code |= side[i] < 0 ? 1u << i : 0u;
        return code;
    }

    // Whether some part of the segment lies inside every side.
    bool meets(const ClipPoint& a, const ClipPoint& b) const
    {
        double sa[6], sb[6];
        sides(a, sa);
        sides(b, sb);
        double t0 = 0, t1 = 1;
        for (int i = 0; i < 6; ++i) {
            const double delta = sb[i] - sa[i];
            if (delta == 0) {
                if (sa[i] < 0)
                    return false;
            } else if (const double t = -sa[i] / delta; delta > 0) {
                t0 = std::max(t0, t);
            } else {
                t1 = std::min(t1, t);
            }
        }
        return t0 <= t1;
    }

private:
    PickRegion region_;
};

}  // namespace

void PickPath::update(const TD3FloatPointList* points)
{
    if (points == nullptr) {
        *this = PickPath{};
        return;
    }
    if (points->serial() != serial_) {
        *this = PickPath{};
        serial_ = points->serial();
        append(*points);
    } else if (points->Count() != count()) {
        append(*points);
    }
}

void PickPath::append(const TD3FloatPointList& points)
{
    // Records are packed against their predecessors, so the walk starts at
    // the head; only the new points are converted.
    std::int32_t index = 0;
    const std::int32_t known = count();
    for (auto point = points.First(); point; point.Next(), ++index) {
        if (index < known)
            continue;
        const ScenePoint p = scenePoint(*point);
        xyz_.insert(xyz_.end(), {p.x, p.y, p.z});
        lines_.push_back(point->LineNo);
        rapid_.push_back(point->Rapid);
    }
}

std::vector<PickEntry> PickPath::candidates(const std::array<double, 16>& clipFromScene, const PickRegion& region,
                                            bool viewRapid, std::int32_t cursorLine) const
{
    const PickVolume volume(region);
    const auto marked = std::find(lines_.begin(), lines_.end(), cursorLine);
    const std::int32_t markerIndex = marked == lines_.end() ? -1 : static_cast<std::int32_t>(marked - lines_.begin());

    std::vector<PickEntry> entries;
    const std::int32_t n = count();
    if (n == 0)
        return entries;
    ClipPoint pen = toClip(clipFromScene, position(0));
    unsigned penCode = volume.outcode(pen);
    for (std::int32_t i = 0; i < n; ++i) {
        const ClipPoint end = toClip(clipFromScene, position(i));
        const unsigned endCode = volume.outcode(end);
        PickEntry entry{i, false, i == markerIndex};
        if (!rapid_[static_cast<std::size_t>(i)] || viewRapid)
            entry.segment = (penCode & endCode) == 0 && ((penCode | endCode) == 0 || volume.meets(pen, end));
        if (entry.segment || entry.marker)
            entries.push_back(entry);
        pen = end;
        penCode = endCode;
    }
    return entries;
}

}  // namespace tarnix
