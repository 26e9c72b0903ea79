#pragma once
// File dialogs take their filters as "caption|pattern|caption|pattern";
// Qt's dialogs want "caption (pattern);;caption (pattern)".

#include <QString>

#include <string_view>

namespace tarnix {

QString toQtFilter(std::string_view captionPatternPairs);

}  // namespace tarnix
