#include "rtas/framework/CPluginControl.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/NameVariants.h"
#include "rtas/framework/ResultCodes.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <sstream>

namespace {

constexpr int32_t kEraseKey = 8;
constexpr int32_t kLeftArrow = 28;
constexpr int32_t kRightArrow = 29;

std::string Cut(const std::string& text, int32_t maxLength)
{
    return text.substr(0, size_t(std::max<int32_t>(maxLength, 0)));
}

bool EqualIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(uint8_t(a[i])) != std::tolower(uint8_t(b[i])))
            return false;
    return true;
}

[[noreturn]] void Unparsable() { throw CDAEError(rtas::kUnexpected); }

}  // namespace

const std::vector<SControlPrefix> kStandardControlPrefixes = {
    {"", 1.0}, {"k", 1e3}, {"M", 1e6}, {"G", 1e9}, {"T", 1e12}, {"P", 1e15}, {"E", 1e18}};

// ---- Continuous ----

CPluginControl_Continuous::CPluginControl_Continuous(uint32_t id, const char* names, double minimum, double maximum,
                                                     double defaultValue, bool automatable,
                                                     const std::vector<SControlPrefix>* prefixes)
    : CPluginControl(id), fNames(names != nullptr ? names : ""), fMinimum(minimum), fMaximum(maximum),
      fDefault(defaultValue), fAutomatable(automatable), fPrefixes(prefixes)
{
}

int32_t CPluginControl_Continuous::GetDefaultValue() const { return GetValueFromDouble(fDefault); }

std::string CPluginControl_Continuous::GetNameOfLength(int32_t maxLength) const
{
    return rtas::NameVariantForLength(fNames.c_str(), maxLength);
}

std::string CPluginControl_Continuous::GetValueString(int32_t maxLength, int32_t value) const
{
    double x = GetDoubleFromValue(value);
    int32_t digits = fDigits;
    std::string prefix;
    double scale = 1.0;
    if (fPrefixes != nullptr && !fPrefixes->empty() && x != 0.0) {
        // The largest prefix whose multiplier |x| exceeds (the first row when none does).
        prefix = fPrefixes->front().prefix;
        scale = fPrefixes->front().multiplier;
        for (const SControlPrefix& row : *fPrefixes) {
            if (!(std::fabs(x) > row.multiplier))
                break;
            prefix = row.prefix;
            scale = row.multiplier;
        }
    }
    if (x < 0.0 && -x < std::pow(10.0, -double(digits)))
        x = 0.0;
    const size_t limit = size_t(std::max<int32_t>(maxLength, 0));
    std::string text = rtas::FormatFixed(x / scale, digits);
    // Fewer decimals until the number fits, down to none.
    while (text.size() + prefix.size() > limit && digits >= 0) {
        --digits;
        text = rtas::FormatFixed(x / scale, std::max(digits, 0));
    }
    std::string result;
    if (!fUnit.empty()) {
        auto attempt = [&](const std::string& number) -> bool {
            for (const std::string& candidate :
                 {number + " " + prefix + fUnit, number + prefix + fUnit, number + prefix}) {
                if (candidate.size() <= limit) {
                    result = candidate;
                    return true;
                }
            }
            return false;
        };
        if (!attempt(text) && !attempt("*"))
            result = "*";
    } else {
        result = text + prefix;
        if (result.size() > limit)
            result = "*";
    }
    return Cut(result, maxLength);
}

int32_t CPluginControl_Continuous::GetValueFromText(const std::string& text, const std::string& defaultSuffix) const
{
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    double number = 0.0;
    if (!(in >> number))
        Unparsable();
    std::string suffix;
    in >> suffix;
    std::string extra;
    if (in >> extra)
        Unparsable();
    if (suffix.empty())
        suffix = defaultSuffix;
    if (!fUnit.empty() && suffix.size() >= fUnit.size() &&
        suffix.compare(suffix.size() - fUnit.size(), fUnit.size(), fUnit) == 0)
        suffix.erase(suffix.size() - fUnit.size());
    if (fPrefixes != nullptr) {
        const auto row = std::find_if(fPrefixes->begin(), fPrefixes->end(),
                                      [&](const SControlPrefix& r) { return suffix == r.prefix; });
        if (row == fPrefixes->end())
            Unparsable();
        number *= row->multiplier;
    } else if (!suffix.empty()) {
        Unparsable();
    }
    return GetValueFromDouble(number);
}

bool CPluginControl_Continuous::IsValidCharacter(int32_t character) const
{
    if ((character >= '0' && character <= '9') || character == '.' || character == '+' || character == '-' ||
        character == kEraseKey || character == kLeftArrow || character == kRightArrow)
        return true;
    if (fUnit.find(char(character)) != std::string::npos && character != 0)
        return true;
    if (fPrefixes != nullptr)
        for (const SControlPrefix& row : *fPrefixes)
            if (character != 0 && std::strchr(row.prefix, character) != nullptr)
                return true;
    return false;
}

// ---- Discrete ----

CPluginControl_Discrete::CPluginControl_Discrete(uint32_t id, const char* names, int32_t minimum, int32_t maximum,
                                                 int32_t defaultValue, bool automatable)
    : CPluginControl(id), fNames(names != nullptr ? names : ""), fMinimum(minimum), fMaximum(maximum),
      fDefault(defaultValue), fAutomatable(automatable)
{
}

int32_t CPluginControl_Discrete::GetNumSteps() const { return fMaximum - fMinimum + 1; }

std::string CPluginControl_Discrete::GetNameOfLength(int32_t maxLength) const
{
    return rtas::NameVariantForLength(fNames.c_str(), maxLength);
}

std::string CPluginControl_Discrete::GetValueString(int32_t maxLength, int32_t value) const
{
    const std::string text = std::to_string(rtas::ControlValueToInteger(value, fMinimum, fMaximum));
    return int32_t(text.size()) > maxLength ? Cut("*", maxLength) : text;
}

int32_t CPluginControl_Discrete::GetValueFromText(const std::string& text) const
{
    const char* begin = text.c_str();
    char* end = nullptr;
    const long number = std::strtol(begin, &end, 10);
    if (end == begin)
        Unparsable();
    const long clamped = std::clamp<long>(number, INT32_MIN, INT32_MAX);
    return rtas::IntegerToControlValue(int32_t(clamped), fMinimum, fMaximum);
}

bool CPluginControl_Discrete::IsValidCharacter(int32_t character) const
{
    return (character >= '0' && character <= '9') || character == kLeftArrow || character == kRightArrow ||
           character == '+' || character == '-' || character == '.' || character == ':' || character == '|' ||
           character == kEraseKey;
}

// ---- On/off ----

CPluginControl_OnOff::CPluginControl_OnOff(uint32_t id, const char* names, bool defaultOn, bool automatable,
                                           const char* onText, const char* offText)
    : CPluginControl_Discrete(id, names, 0, 1, defaultOn ? 1 : 0, automatable)
{
    const bool given = onText != nullptr && offText != nullptr;
    fOnText = Cut(given ? onText : "On", 255);
    fOffText = Cut(given ? offText : "Off", 255);
}

int32_t CPluginControl_OnOff::GetValueFromText(const std::string& text) const
{
    return rtas::IntegerToControlValue(EqualIgnoringCase(text, fOnText) ? 1 : 0, 0, 1);
}

bool CPluginControl_OnOff::IsValidCharacter(int32_t character) const
{
    return CPluginControl_Discrete::IsValidCharacter(character) || character == 'O' || character == 'n' ||
           character == 'o';
}

std::string CPluginControl_OnOff::GetValueString(int32_t maxLength, int32_t value) const
{
    const bool on = rtas::ControlValueToInteger(value, 0, 1) != 0;
    if (maxLength < 2)
        return Cut(on ? "1" : "0", maxLength);
    return Cut(on ? fOnText : fOffText, maxLength);
}
