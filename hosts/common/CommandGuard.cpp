#include "hosts/common/CommandGuard.h"

#include "hosts/common/ExitCodes.h"

#include <exception>
#include <new>

namespace hostcli {

int runGuarded(const char* host, std::ostream& err, const std::function<int()>& body)
{
    try {
        return body();
    } catch (const std::bad_alloc&) {
        err << host << ": out of memory\n";
    } catch (const std::exception& failure) {
        err << host << ": " << failure.what() << '\n';
    } catch (...) {
        err << host << ": failed for an unknown reason\n";
    }
    return kExitFailure;
}

}  // namespace hostcli
