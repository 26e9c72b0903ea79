#pragma once
// The window's side of Make Array in tests: the transformation converts the
// program last opened in the "editor", shifted by the step, as the window's
// transformation run does.

#include "program_conversion.h"
#include "transform/make_array.h"
#include "support/scratch_folder.h"

#include <cctype>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarnix::testing {

class FakeArrayWindow {
public:
    explicit FakeArrayWindow(std::string folder) : folder_(std::move(folder)) {}

    ArrayHooks hooks()
    {
        return {
            [this](char axis, const std::string& step) {
                shiftAxis = axis;
                shiftStep = step;
                shiftChecked = true;
            },
            [this] { shiftChecked = false; },
            [this](const std::string& path) { opened = path; },
            [this] { return transformOne(); },
            {},  // no file list here
        };
    }

    char shiftAxis = 0;
    std::string shiftStep;
    bool shiftChecked = false;
    std::string opened;
    int transformations = 0;
    // Thrown by the next transformation, as a conversion error would be.
    bool failNext = false;
    // The next transformation does not run, as when a run is in progress.
    bool refuseNext = false;

private:
    // The converter of a transformation run, shifting along the axis, on
    // the program last opened.
    bool transformOne()
    {
        ++transformations;
        if (failNext)
            throw std::runtime_error("conversion failed");
        if (refuseNext)
            return false;
        std::string unused;
        const std::string option = std::string("--shift-") + static_cast<char>(std::tolower(shiftAxis));
        const ConversionOptions options = parseConversionOptions({option, shiftStep}, unused);
        InterpreterContext context;
        GCodeConverter converter(context);
        const Conversion conversion = convertProgramFile(opened, options, converter);
        if (!conversion.error.empty())
            throw std::runtime_error(conversion.error);
        std::string out;
        for (const std::string& line : conversion.lines)
            out += line + "\n";
        writeFile(folder_ + "_Array", out);
        return true;
    }

    std::string folder_;
};

}  // namespace tarnix::testing
