#include "conversion/coordinate_text.h"

#include "common/number_format.h"

namespace tarnix {

std::string formatCoordinate(double value)
{
    return formatFixed(value, 3);
}

}  // namespace tarnix
