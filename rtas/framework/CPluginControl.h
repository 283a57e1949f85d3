// The library's controls: the unit through which the host automates, shows and edits a parameter. Every control
// carries its value as a control value (the whole signed 32-bit range); the classes map it to numbers and texts.
// Main or audio thread, under the group's context lock.
#pragma once

#include "rtas/framework/ControlValueMapping.h"

#include <cstdint>
#include <string>
#include <vector>

class CPluginControl
{
public:
    explicit CPluginControl(uint32_t id) : fID(id) {}
    virtual ~CPluginControl() = default;

    virtual uint32_t GetID() const { return fID; }
    virtual int32_t GetDefaultValue() const = 0;
    virtual void SetDefaultValue(int32_t value) = 0;
    virtual int32_t GetNumSteps() const = 0;
    // The control value for a text; throws CDAEError when the text does not parse.
    virtual int32_t GetValueFromText(const std::string& text) const = 0;
    virtual bool IsValidCharacter(int32_t character) const = 0;
    // The name variant that fits maxLength characters.
    virtual std::string GetNameOfLength(int32_t maxLength) const = 0;
    virtual int32_t QueryA() const { return 0; }
    virtual int32_t QueryB() const { return 0; }
    virtual bool IsContinuous() const { return false; }
    // The text of value in at most maxLength characters.
    virtual std::string GetValueString(int32_t maxLength, int32_t value) const = 0;
    virtual bool IsAutomatable() const = 0;

    int32_t GetValue() const { return fValue; }
    void SetValue(int32_t value) { fValue = value; }

private:
    uint32_t fID;
    int32_t fValue = rtas::kControlValueMin;
};

// One row of a unit-prefix table.
struct SControlPrefix
{
    const char* prefix;
    double multiplier;
};
// "", k, M, G, T, P, E.
extern const std::vector<SControlPrefix> kStandardControlPrefixes;

class CPluginControl_Continuous : public CPluginControl
{
public:
    CPluginControl_Continuous(uint32_t id, const char* names, double minimum, double maximum, double defaultValue,
                              bool automatable, const std::vector<SControlPrefix>* prefixes = nullptr);

    int32_t GetDefaultValue() const override;
    void SetDefaultValue(int32_t value) override { fDefault = GetDoubleFromValue(value); }
    int32_t GetNumSteps() const override { return 0; }
    // An empty suffix takes defaultSuffix.
    int32_t GetValueFromText(const std::string& text) const override { return GetValueFromText(text, ""); }
    int32_t GetValueFromText(const std::string& text, const std::string& defaultSuffix) const;
    bool IsValidCharacter(int32_t character) const override;
    std::string GetNameOfLength(int32_t maxLength) const override;
    bool IsContinuous() const override { return true; }
    std::string GetValueString(int32_t maxLength, int32_t value) const override;
    bool IsAutomatable() const override { return fAutomatable; }

    virtual int32_t GetValueFromDouble(double x) const { return rtas::DoubleToControlValue(x, fMinimum, fMaximum); }
    virtual double GetDoubleFromValue(int32_t value) const { return rtas::ControlValueToDouble(value, fMinimum, fMaximum); }

    void SetDecimalDigits(int32_t digits) { fDigits = digits; }
    void SetUnit(const char* unit) { fUnit = unit != nullptr ? unit : ""; }
    double GetMinimum() const { return fMinimum; }
    double GetMaximum() const { return fMaximum; }

private:
    std::string fNames;
    double fMinimum;
    double fMaximum;
    double fDefault;
    bool fAutomatable;
    int32_t fDigits = 1;
    std::string fUnit;
    const std::vector<SControlPrefix>* fPrefixes;
};

class CPluginControl_Discrete : public CPluginControl
{
public:
    CPluginControl_Discrete(uint32_t id, const char* names, int32_t minimum, int32_t maximum, int32_t defaultValue,
                            bool automatable);

    int32_t GetDefaultValue() const override { return rtas::IntegerToControlValue(fDefault, fMinimum, fMaximum); }
    void SetDefaultValue(int32_t value) override { fDefault = rtas::ControlValueToInteger(value, fMinimum, fMaximum); }
    int32_t GetNumSteps() const override;
    int32_t GetValueFromText(const std::string& text) const override;
    bool IsValidCharacter(int32_t character) const override;
    std::string GetNameOfLength(int32_t maxLength) const override;
    std::string GetValueString(int32_t maxLength, int32_t value) const override;
    bool IsAutomatable() const override { return fAutomatable; }

    int32_t GetMinimum() const { return fMinimum; }
    int32_t GetMaximum() const { return fMaximum; }

private:
    std::string fNames;
    int32_t fMinimum;
    int32_t fMaximum;
    int32_t fDefault;
    bool fAutomatable;
};

class CPluginControl_OnOff : public CPluginControl_Discrete
{
public:
    // Null texts are "On" and "Off"; longer texts are cut to 255 characters.
    CPluginControl_OnOff(uint32_t id, const char* names, bool defaultOn, bool automatable, const char* onText = nullptr,
                         const char* offText = nullptr);

    int32_t GetValueFromText(const std::string& text) const override;
    bool IsValidCharacter(int32_t character) const override;
    std::string GetValueString(int32_t maxLength, int32_t value) const override;

private:
    std::string fOnText;
    std::string fOffText;
};
