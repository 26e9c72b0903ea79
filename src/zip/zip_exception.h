#pragma once
// The one error kind of the zip archive component, so the application's
// error handler can tell archive problems apart from other failures.

#include "common/errors.h"

namespace tarnix {

class ZipException : public TarnixError {
public:
    using TarnixError::TarnixError;
};

}  // namespace tarnix
