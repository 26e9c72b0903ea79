#include "conversion/point_transform.h"

namespace tarnix {

int normalAxis(std::int32_t plane)
{
    return plane == 17 ? 2 : plane == 18 ? 1 : 0;
}

PointTransform::PointTransform(const TTransformParams& params, const Vec3& shift)
    : params_(params), shift_(shift)
{
    int m = params.panel.rgMirror;
    mirror_ = {m == 0 ? -1.0 : 1.0, m == 1 ? -1.0 : 1.0, m == 2 ? -1.0 : 1.0};
}

Vec3 PointTransform::linear(const Vec3& v) const
{
    const double* c = params_.gRotCoef;
    const double sinZ = c[0], cosZ = c[1], sinX = c[2], cosX = c[3], cosY = c[4], sinY = c[5];
    double x1 = v[0] * cosZ - v[1] * sinZ;
    double y1 = v[0] * sinZ + v[1] * cosZ;
    double y2 = y1 * cosX - v[2] * sinX;
    double z2 = y1 * sinX + v[2] * cosX;
    double x3 = x1 * cosY - z2 * sinY;
    double z3 = x1 * sinY + z2 * cosY;
    return {mirror_[0] * x3, mirror_[1] * y2, mirror_[2] * z3};
}

double PointTransform::clipZ(double z) const
{
    if (params_.panel.cbZmin && z < params_.FZminValue)
        return params_.FZminValue;
    if (params_.panel.cbZmax && z > params_.FZmaxValue)
        return params_.FZSafe;
    return z;
}

std::int32_t PointTransform::mapPlane(std::int32_t plane) const
{
    auto swap = [&plane](bool flag, std::int32_t a, std::int32_t b) {
        if (!flag)
            return;
        if (plane == a)
            plane = b;
        else if (plane == b)
            plane = a;
    };
    swap(params_.gSwap17_18, 17, 18);
    swap(params_.gSwap17_19, 17, 19);
    swap(params_.gSwap18_19, 18, 19);
    return plane;
}

bool PointTransform::keepsPlane(std::int32_t plane) const
{
    int axis = params_.panel.rgRotate;
    if (!params_.FDoRotate || axis < 0 || axis == normalAxis(plane))
        return true;
    // Sines of X, Y, Z in gRotCoef.
    static constexpr int sineAt[3] = {2, 5, 0};
    double sine = params_.gRotCoef[sineAt[axis]];
    return sine == 0 || sine == 1 || sine == -1;
}

std::int32_t PointTransform::mappedArcMode(std::int32_t plane, std::int32_t moveMode,
                                           std::int32_t outPlane) const
{
    // G3 turns counter-clockwise about the plane's normal (Z, Y, X for 17,
    // 18, 19). The turn is an axial vector: it follows the rotation and
    // changes sign under a mirror.
    Vec3 turn{0, 0, 0};
    turn[normalAxis(plane)] = moveMode == 3 ? 1.0 : -1.0;
    Vec3 turned = linear(turn);
    double handedness = mirror_[0] * mirror_[1] * mirror_[2];
    return handedness * turned[normalAxis(outPlane)] > 0 ? 3 : 2;
}

}  // namespace tarnix
