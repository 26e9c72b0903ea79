// convert_program: converts a part program as a transformation run does and
// prints the converted program. Usage: convert_program [options] FILE
// (--help lists the options).

#include "program_conversion.h"

#include <iostream>
#include <stdexcept>

namespace {

// The window shows the arc warning in a box; here it goes to standard error.
class ErrorStreamMessages : public tarnix::MessageSink {
public:
    void showInformation(const std::string& text) override { std::cerr << text << "\n"; }
};

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    for (const std::string& argument : arguments) {
        if (argument == "--help") {
            std::cout << tarnix::conversionUsage();
            return 0;
        }
    }
    std::string file;
    tarnix::ConversionOptions options;
    try {
        options = tarnix::parseConversionOptions(arguments, file);
        if (file.empty())
            throw std::invalid_argument("no program file");
    } catch (const std::invalid_argument& error) {
        std::cerr << "convert_program: " << error.what() << "\n" << tarnix::conversionUsage();
        return 2;
    }

    tarnix::InterpreterContext context;
    tarnix::GCodeConverter converter(context);
    ErrorStreamMessages messages;
    context.messages = &messages;
    tarnix::Conversion conversion = tarnix::convertProgramFile(file, options, converter);
    if (!conversion.error.empty()) {
        if (conversion.errorLine > 0)
            std::cerr << file << ":" << conversion.errorLine << ": ";
        std::cerr << conversion.error << "\n";
        return 1;
    }
    for (const std::string& line : conversion.lines)
        std::cout << line << '\n';
    return std::cout.good() ? 0 : 1;
}
