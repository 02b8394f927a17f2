#include "toolkit/Handler.h"

#include "toolkit/TApplication.h"

#include <QtGlobal>

namespace kazuyomi {

void dispatch(const std::function<void()>& handler) noexcept
{
    try {
        handler();
    } catch (const std::exception& error) {
        if (TApplication* application = TApplication::instance()) {
            application->HandleException(error);
        } else {
            qWarning("%s", error.what());
        }
    }
}

}  // namespace kazuyomi
