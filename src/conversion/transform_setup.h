#pragma once
// Setting up a transformation: the transformation command's values taken
// from the panel, and the part of a fresh run's set-up that turns the
// converter on. The window and the convert_program tool both call these.

#include "conversion/converter_settings.h"

namespace tarnix {

// FZminValue, FZmaxValue, FFeedCoeff, FDoShift, FDoRotate and FDoMirror
// from the panel (an unchecked box or an empty edit gives the off value).
// Throws ConversionError when a used edit is not a number.
void setTransformCommandSettings(TTransformParams& params);

// At a fresh run: with `transforming`, the converter on, the arc warning
// armed and the rotation pairs from the angle ("0", "360", "180", "-180",
// "90", "-90" and "270" exactly as typed give exact pairs); otherwise the
// converter off and no rotation. Then the plane-swap flags of a rotation by
// a right angle. Throws ConversionError when the angle is not a number.
void setUpTransformRun(TTransformParams& params, bool transforming);

}  // namespace tarnix
