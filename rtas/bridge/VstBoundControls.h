// The controls through which the host sees the effect's parameters: control ID i+2 stands for effect parameter i.
// They take their first value, step count and automatability from the effect, and ask the effect for the text of
// the value being shown with a "1EAD" display-text request. Main thread, under the group's context lock.
#pragma once

#include "rtas/framework/CPluginControl.h"

#include <cstdint>
#include <string>

class CPluginWrapper;

// Control IDs 0 and 1 are the library's; effect parameter i is control i + 2.
constexpr uint32_t kFirstParameterControlID = 2;

// The text the effect gives for normalised value x of parameter index, followed by a blank and its label; the
// display text at most 35 characters, the label at most 15, the whole cut to maxLength. Empty without a wrapper.
std::string VstValueText(CPluginWrapper* wrapper, int index, float x, int32_t maxLength);

class CPluginControl_ContinuousVST : public CPluginControl_Continuous
{
public:
    CPluginControl_ContinuousVST(uint32_t id, const char* names, CPluginWrapper* wrapper);

    int32_t GetNumSteps() const override { return fSteps; }
    std::string GetValueString(int32_t maxLength, int32_t value) const override;
    bool IsAutomatable() const override { return fAutomatable; }
    int32_t GetValueFromDouble(double x) const override { return rtas::DoubleToControlValue(x, 0.0, 1.0); }
    double GetDoubleFromValue(int32_t value) const override { return rtas::ControlValueToDouble(value, 0.0, 1.0); }

private:
    CPluginWrapper* fWrapper;
    int32_t fSteps = 1000;
    bool fAutomatable = true;
};

class CPluginControl_DiscreteVST : public CPluginControl_Discrete
{
public:
    CPluginControl_DiscreteVST(uint32_t id, const char* names, CPluginWrapper* wrapper, int32_t minInteger,
                               int32_t maxInteger);

    std::string GetValueString(int32_t maxLength, int32_t value) const override;
    bool IsAutomatable() const override { return fAutomatable; }

private:
    CPluginWrapper* fWrapper;
    bool fAutomatable = true;
};

// Steps of a continuous parameter whose properties give a float step: 1/step rounded (a step of 0.333 is three
// steps, not two), 1000 for a step of 0 or less.
int32_t StepsForFloatStep(float stepFloat);
