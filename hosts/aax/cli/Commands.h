// aaxhost's commands. Each prints its results on out and one-line messages on err, and answers the exit status.
#pragma once

#include <ostream>

#include "hosts/aax/cli/Options.h"

namespace aaxhost {

int describe(const Options& options, std::ostream& out, std::ostream& err);
int render(const Options& options, std::ostream& out, std::ostream& err);
int saveState(const Options& options, std::ostream& out, std::ostream& err);
int loadState(const Options& options, std::ostream& out, std::ostream& err);
int edit(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace aaxhost
