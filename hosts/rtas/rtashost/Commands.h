// rtashost's commands. Each answers the process's exit code: 0 on success, 1 after a one-line message on err.
#pragma once

#include "hosts/rtas/rtashost/Options.h"

#include <ostream>

namespace rtashost {

int info(const Options& options, std::ostream& out, std::ostream& err);
int render(const Options& options, std::ostream& out, std::ostream& err);
int saveState(const Options& options, std::ostream& out, std::ostream& err);
int loadState(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace rtashost
