#include "hosts/common/NumberArguments.h"

#include <cmath>
#include <cstdlib>

namespace hostcli {

bool toNumber(const std::string& text, double& value)
{
    char* end = nullptr;
    const double number = std::strtod(text.c_str(), &end);
    // strtod reads "nan" and "inf" too, and an overflow becomes infinite: none is a number a user means.
    if (text.empty() || end == nullptr || *end != '\0' || !std::isfinite(number))
        return false;
    value = number;
    return true;
}

bool toInt(const std::string& text, int& value)
{
    double number = 0;
    // Out of range, the conversion to int would be undefined.
    if (!toNumber(text, number) || !(number >= -2147483648.0 && number <= 2147483647.0) ||
        number != static_cast<int>(number))
        return false;
    value = static_cast<int>(number);
    return true;
}

}  // namespace hostcli
