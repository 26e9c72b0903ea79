#pragma once
// The geometry of a transformation: rotation about Z, then X, then Y, a
// mirror and a shift, and what they do to planes and arc senses.

#include "conversion/converter_settings.h"

#include <array>
#include <cstdint>

namespace tarnix {

using Vec3 = std::array<double, 3>;

class PointTransform {
public:
    // `shift` holds the shift numbers in force for the block (0 when off).
    PointTransform(const TTransformParams& params, const Vec3& shift);

    // Rotation and mirror only: for offsets such as incremental centre words.
    Vec3 linear(const Vec3& v) const;
    // A point: rotation, mirror and shift.
    Vec3 point(const Vec3& v) const { return add(linear(v), shift_); }
    // Z clipping of end and chord points: below Zmin to Zmin, above Zmax to the safe Z.
    double clipZ(double z) const;
    bool clips() const { return params_.panel.cbZmin || params_.panel.cbZmax; }

    // The plane an arc of `plane` lies in after the transformation (the swap flags).
    std::int32_t mapPlane(std::int32_t plane) const;
    // Whether the transformation keeps arcs of `plane` in a coordinate plane:
    // no rotation, a rotation about the plane's normal, or one whose sine is
    // exactly 0, 1 or -1.
    bool keepsPlane(std::int32_t plane) const;
    // The move code (2 or 3) that turns the same way round as the transformed
    // arc `moveMode` of `plane` does, seen in `outPlane`.
    std::int32_t mappedArcMode(std::int32_t plane, std::int32_t moveMode, std::int32_t outPlane) const;

private:
    static Vec3 add(const Vec3& a, const Vec3& b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2]}; }

    const TTransformParams& params_;
    Vec3 shift_;
    Vec3 mirror_;
};

// The axis (0 X, 1 Y, 2 Z) normal to a plane code 17, 18 or 19.
int normalAxis(std::int32_t plane);

}  // namespace tarnix
