#include "conversion/transform_setup.h"

#include "common/number_text.h"

#include <cmath>
#include <numbers>

namespace tarnix {
namespace {

// Cosine and sine of the angle, exact for the right angles as typed.
void pairFromAngle(const TTransformParams& params, double& cosine, double& sine)
{
    const std::string& text = params.panel.edAngle;
    if (text == "0" || text == "360") {
        cosine = 1; sine = 0;
    } else if (text == "180" || text == "-180") {
        cosine = -1; sine = 0;
    } else if (text == "90") {
        cosine = 0; sine = 1;
    } else if (text == "-90" || text == "270") {
        cosine = 0; sine = -1;
    } else {
        cosine = std::cos(params.gRotAngle);
        sine = std::sin(params.gRotAngle);
    }
}

}  // namespace

void setTransformCommandSettings(TTransformParams& params)
{
    const TTransformPanel& panel = params.panel;
    bool zValue = !panel.edZminmax.empty();
    params.FZminValue = panel.cbZmin && zValue ? parseFloat(panel.edZminmax) : -10000000.0;
    params.FZmaxValue = panel.cbZmax && zValue ? parseFloat(panel.edZminmax) : 10000000.0;
    params.FFeedCoeff = panel.cbCoeff && !panel.edFCoeff.empty() ? parseFloat(panel.edFCoeff) : 1.0;
    params.FDoShift = (panel.cbShiftX && !panel.edShiftX.empty()) || (panel.cbShiftY && !panel.edShiftY.empty()) ||
                      (panel.cbShiftZ && !panel.edShiftZ.empty());
    params.FDoRotate = panel.rgRotate >= 0 && !panel.edAngle.empty();
    params.FDoMirror = panel.rgMirror >= 0;
}

void setUpTransformRun(TTransformParams& params, bool transforming)
{
    double* coef = params.gRotCoef;  // sin Z, cos Z, sin X, cos X, cos Y, sin Y
    coef[0] = 0; coef[1] = 1; coef[2] = 0; coef[3] = 1; coef[4] = 1; coef[5] = 0;
    params.gTransformOut = transforming;
    if (transforming) {
        params.gArcWarn = true;
        params.gRotAngle = static_cast<double>(static_cast<long double>(parseFloat(params.panel.edAngle)) *
                                               2.0L * std::numbers::pi_v<long double> / 360.0L);
        switch (params.panel.rgRotate) {
        case 0: pairFromAngle(params, coef[3], coef[2]); break;
        case 1: pairFromAngle(params, coef[4], coef[5]); break;
        case 2: pairFromAngle(params, coef[1], coef[0]); break;
        default: break;
        }
    }

    params.gSwap17_18 = params.gSwap17_19 = params.gSwap18_19 = false;
    if (params.FDoRotate) {
        auto rightAngle = [](double sine) { return sine == 1 || sine == -1; };
        int axis = params.panel.rgRotate;
        params.gSwap18_19 = axis == 2 && rightAngle(coef[0]);
        params.gSwap17_19 = axis == 1 && rightAngle(coef[5]);
        params.gSwap17_18 = axis == 0 && rightAngle(coef[2]);
    }
}

}  // namespace tarnix
