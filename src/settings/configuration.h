#pragma once
// The settings kept between runs in the settings file: the four colours
// (section "Colors") and the Explorer and view options (section "Options").
// The window keeps these fields current from its controls and calls
// WriteConfiguration on close, after a colour change and when start-up
// cannot open the start folder.

#include "settings/color.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tarnix {

// One name for reading and writing: letter case matters on this file system.
inline constexpr std::string_view kSettingsFileName = "CNCconfig.ini";

class ProfileFile;

class Configuration {
public:
    // `homeFolder` is the start folder until the file names another.
    explicit Configuration(std::string homeFolder,
                           SystemColorResolver resolveSystemColor = resolveSystemColorToBlack);

    // "Colors". Read as decimal or "$" hexadecimal, written as signed decimal.
    TColor FBackColor = 0;          // black
    TColor FG2Color = 16776960;     // arcs: cyan
    TColor FG1Color = 65408;        // feed moves: green 255, red 128
    TColor FG0Color = 255;          // rapid moves: red
    // The move colours for drawing; the window copies them to the interpreter.
    GLColor FG0ColorGL{};
    GLColor FG1ColorGL{};
    GLColor FG2ColorGL{};

    // "Options".
    std::string FExtensions = "*.nc;*.tap;*.rol;*.prg;*.zip";  // the text of edExt
    bool cbFRLimits = false;       // "FeedRateLimitsVisible"
    bool FTransformPanelOpen = false;
    std::string FCurrentFolder;    // "Start_dir": the Explorer folder, ending in "/"
    bool FUseGlScale = false;      // cbFastZoom
    bool FUseGlSmooth = false;     // cbSmooth

    // Every setting the file does not hold reads as its default. A colour
    // that is no integer throws ConversionError: the settings read before it
    // stay, that colour and every later setting are at their defaults, and
    // the drawing colours match the colours.
    void ReadConfiguration(const std::filesystem::path& file);

    // Rewrites this program's keys and keeps everything else in the file;
    // creates the file. Throws InputOutputError when it cannot be written.
    void WriteConfiguration(const std::filesystem::path& file);

    // Recomputes FG2ColorGL, FG1ColorGL and FG0ColorGL.
    void ColorToGLColor();

private:
    void readStoredValues(const ProfileFile& profile);

    std::string homeFolder_;
    SystemColorResolver resolveSystemColor_;
};

}  // namespace tarnix
