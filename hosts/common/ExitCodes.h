// The exit codes of every command-line host.
#pragma once

namespace hostcli {

constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;  // the plug-in, a file or the effect failed; one line on the standard error stream
constexpr int kExitUsage = 2;    // the command line is malformed; the line and the usage on the standard error stream

}  // namespace hostcli
