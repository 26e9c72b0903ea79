#include "common/widgets/deferred_error.h"

#include <QCoreApplication>
#include <QTimer>

namespace tarnix {

void reportLater(std::exception_ptr error)
{
    QTimer::singleShot(0, QCoreApplication::instance(), [error] { std::rethrow_exception(error); });
}

}  // namespace tarnix
