#include "settings/configuration.h"

#include "common/errors.h"
#include "common/number_text.h"
#include "settings/profile_file.h"

namespace tarnix {
namespace {

constexpr std::string_view kColors = "Colors";
constexpr std::string_view kOptions = "Options";

void readColor(const ProfileFile& profile, std::string_view key, TColor& color)
{
    if (auto text = profile.readString(kColors, key))
        color = parseIntOrHex(*text);
}

void readText(const ProfileFile& profile, std::string_view key, std::string& value)
{
    if (auto text = profile.readString(kOptions, key))
        value = std::move(*text);
}

// Any non-zero integer is true; a value that is no integer keeps the
// default, silently. As the profile routines do, "0x" also marks
// hexadecimal, but only in a text longer than the prefix.
void readBoolean(const ProfileFile& profile, std::string_view key, bool& flag)
{
    auto text = profile.readString(kOptions, key);
    if (!text)
        return;
    if (text->size() > 2 && (*text)[0] == '0' && ((*text)[1] == 'x' || (*text)[1] == 'X'))
        text->replace(0, 2, "$");
    if (auto number = tryParseIntOrHex(*text))
        flag = *number != 0;
}

std::string booleanText(bool flag)
{
    return flag ? "1" : "0";
}

std::string withTrailingSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

}  // namespace

Configuration::Configuration(std::string homeFolder, SystemColorResolver resolveSystemColor)
    : FCurrentFolder(withTrailingSlash(std::move(homeFolder))),
      homeFolder_(FCurrentFolder),
      resolveSystemColor_(std::move(resolveSystemColor))
{
    ColorToGLColor();
}

void Configuration::ReadConfiguration(const std::filesystem::path& file)
{
    const ProfileFile profile = ProfileFile::load(file);
    // Start from the defaults, so a setting the reading never reaches is
    // not left at whatever it held before.
    *this = Configuration(homeFolder_, resolveSystemColor_);
    try {
        readStoredValues(profile);
    } catch (const ConversionError&) {
        // The drawing colours must still match the colours read before the bad one.
        ColorToGLColor();
        throw;
    }
    FTransformPanelOpen = cbFRLimits;
    ColorToGLColor();
}

void Configuration::readStoredValues(const ProfileFile& profile)
{
    readColor(profile, "BackColor", FBackColor);
    readColor(profile, "G2Color", FG2Color);
    readColor(profile, "G1Color", FG1Color);
    readColor(profile, "G0Color", FG0Color);
    readText(profile, "extentions", FExtensions);
    readBoolean(profile, "FeedRateLimitsVisible", cbFRLimits);
    readText(profile, "Start_dir", FCurrentFolder);
    readBoolean(profile, "Use_glScale", FUseGlScale);
    readBoolean(profile, "Use_glSmooth", FUseGlSmooth);
}

void Configuration::WriteConfiguration(const std::filesystem::path& file)
{
    ProfileFile profile = ProfileFile::load(file);
    profile.writeString(kColors, "BackColor", std::to_string(FBackColor));
    profile.writeString(kColors, "G2Color", std::to_string(FG2Color));
    profile.writeString(kColors, "G1Color", std::to_string(FG1Color));
    profile.writeString(kColors, "G0Color", std::to_string(FG0Color));
    profile.writeString(kOptions, "FeedRateLimitsVisible", booleanText(cbFRLimits));
    profile.writeString(kOptions, "extentions", FExtensions);
    profile.writeString(kOptions, "Start_dir", FCurrentFolder);
    profile.writeString(kOptions, "Use_glScale", booleanText(FUseGlScale));
    profile.writeString(kOptions, "Use_glSmooth", booleanText(FUseGlSmooth));
    ColorToGLColor();
    profile.save(file);
}

void Configuration::ColorToGLColor()
{
    FG2ColorGL = colorToGL(FG2Color, resolveSystemColor_);
    FG1ColorGL = colorToGL(FG1Color, resolveSystemColor_);
    FG0ColorGL = colorToGL(FG0Color, resolveSystemColor_);
}

}  // namespace tarnix
