#include "hosts/common/RenderSummary.h"

#include <sstream>

namespace hostcli {

std::string renderSummary(size_t frames, int inputs, int outputs, double rate, const std::string& details,
                          const std::string& output)
{
    std::ostringstream line;
    line << "rendered " << frames << " frame" << (frames == 1 ? "" : "s") << ", " << inputs << " in, " << outputs
         << " out, at " << rate << " Hz";
    if (!details.empty())
        line << " (" << details << ")";
    line << " -> " << output;
    return line.str();
}

}  // namespace hostcli
