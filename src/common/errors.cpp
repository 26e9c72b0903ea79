#include "common/errors.h"

namespace tarnix {

ConversionError invalidFloat(std::string_view text)
{
    return ConversionError("'" + std::string(text) + "' is not a valid floating point value");
}

ConversionError invalidInteger(std::string_view text)
{
    return ConversionError("'" + std::string(text) + "' is not a valid integer value");
}

}  // namespace tarnix
