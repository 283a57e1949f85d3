// The last line of defence of a command-line host: no command ends on an exception.
#pragma once

#include <functional>
#include <ostream>

namespace hostcli {

// Runs body and answers its exit code; an exception that escapes it becomes one line "HOST: what" on err and
// exit code 1.
int runGuarded(const char* host, std::ostream& err, const std::function<int()>& body);

}  // namespace hostcli
