#pragma once
// The error kinds of the system. The application's error handler shows one
// message per kind, so every kind is its own class.

#include <stdexcept>
#include <string>

namespace tarnix {

// Base of every error the system raises on purpose.
class TarnixError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Text that should hold a number does not.
class ConversionError : public TarnixError {
public:
    using TarnixError::TarnixError;
};

// A file could not be opened, read or written.
class InputOutputError : public TarnixError {
public:
    using TarnixError::TarnixError;
};

// A file could not be opened for reading as a whole (an editor load).
class FileOpenError : public TarnixError {
public:
    using TarnixError::TarnixError;
};

// A file could not be created or opened for writing (an editor save).
class FileCreateError : public TarnixError {
public:
    using TarnixError::TarnixError;
};

// Memory ran out while a path was built: the part built so far stays.
class OutOfMemoryError : public TarnixError {
public:
    using TarnixError::TarnixError;
};

// "'%s' is not a valid floating point value"; a word of more than a few
// hundred characters is cut and ends in "...".
ConversionError invalidFloat(std::string_view text);
// "'%s' is not a valid integer value"
ConversionError invalidInteger(std::string_view text);

}  // namespace tarnix
