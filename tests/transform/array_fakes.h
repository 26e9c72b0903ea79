#pragma once
// The window's side of Make Array in tests: the transformation shifts the
// axis words of the program last opened in the "editor" by the step.

#include "transform/make_array.h"
#include "support/scratch_folder.h"

#include <regex>
#include <sstream>
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
    bool transformOne()
    {
        ++transformations;
        if (failNext)
            throw std::runtime_error("conversion failed");
        if (refuseNext)
            return false;
        const double step = std::stod(shiftStep);
        const std::regex word(std::string(1, shiftAxis) + "(-?[0-9.]+)");
        std::istringstream in(readFile(opened));
        std::string line, out;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            std::string shifted;
            auto from = line.cbegin();
            for (std::sregex_iterator it(line.begin(), line.end(), word), end; it != end; ++it) {
                shifted.append(from, (*it)[0].first);
                std::ostringstream value;
                value << shiftAxis << std::stod((*it)[1].str()) + step;
                shifted += value.str();
                from = (*it)[0].second;
            }
            out += shifted.append(from, line.cend()) + "\r\n";
        }
        writeFile(folder_ + "_Array", out);
        return true;
    }

    std::string folder_;
};

}  // namespace tarnix::testing
