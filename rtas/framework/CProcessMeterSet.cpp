#include "rtas/framework/CProcessMeterSet.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/CProcessType.h"
#include "rtas/framework/ResultCodes.h"
#include "rtas/framework/host/ToolboxServices.h"

namespace {

constexpr int32_t kRealTimeKind = 3;

}  // namespace

CProcessMeterSet::CProcessMeterSet(CProcess* owner, int16_t count) : fObjectForm(false)
{
    for (int16_t i = 0; i < count; ++i)
        fMeters.push_back(std::make_unique<CProcessMeter>());
    if (owner != nullptr)
        AttachOwner(owner);
}

void CProcessMeterSet::AttachOwner(CProcess* owner)
{
    fOwner = owner;
    fOwnerKind = owner != nullptr && owner->GetProcessType() != nullptr ? owner->GetProcessType()->GetKind() : 0;
}

void CProcessMeterSet::AddMeter(CProcessMeter* meter)
{
    if (meter == nullptr)
        throw CDAEError(rtas::kMissingObject);
    fMeters.emplace_back(meter);
}

CProcessMeter* CProcessMeterSet::GetMeter(int32_t i) const
{
    return i >= 1 && i <= GetCount() ? fMeters[size_t(i - 1)].get() : nullptr;
}

int32_t CProcessMeterSet::CountOfType(int32_t type) const
{
    int32_t count = 0;
    for (const auto& meter : fMeters)
        count += meter->type == type ? 1 : 0;
    return count;
}

int32_t CProcessMeterSet::FindOfType(int32_t type, int32_t n) const
{
    int32_t seen = 0;
    for (int32_t i = 0; i < GetCount(); ++i)
        if (fMeters[size_t(i)]->type == type && ++seen == n)
            return i + 1;
    return 0;
}

void CProcessMeterSet::Read(uint8_t reader, int32_t* values, uint8_t* clips, int32_t which, int32_t* out, bool reset)
{
    const int32_t count = GetCount();
    if (reset) {
        if (fOwner != nullptr)
            fOwner->FetchMeters(values, clips);
        for (int32_t i = 0; i < count; ++i) {
            if (fObjectForm) {
                fMeters[size_t(i)]->held = 0;
                fMeters[size_t(i)]->clip = 0;
            } else {
                values[i] = 0;
                clips[i] = 0;
            }
        }
        return;
    }
    const bool one = which != -1;
    // A number outside the meters asks for nothing.
    const bool validOne = which >= 1 && which <= count;
    if (one && out != nullptr)
        *out = 0;
    const uint32_t now = TickCount();
    const bool mayDeliver =
        fOwner != nullptr && (fOwnerKind != kRealTimeKind || fOwner->IsMeterDataReady());
    if (fLastFetch + 1 < now && mayDeliver) {
        fLastFetch = now;
        fOwner->FetchMeters(values, clips);
        fOwner->SetMeterDataReady(false);
        for (int32_t i = 0; i < count; ++i) {
            CProcessMeter& meter = *fMeters[size_t(i)];
            const int32_t fresh = values[i];
            int32_t handed = fresh;
            if (reader != meter.lastReader && fresh < meter.held)
                handed = meter.held;
            if (!one)
                values[i] = handed;
            else if (validOne && i == which - 1 && out != nullptr)
                *out = handed;
            meter.held = fresh;
            meter.lastReader = reader;
            meter.clip = clips[i];
        }
        return;
    }
    if (!one) {
        for (int32_t i = 0; i < count; ++i) {
            values[i] = fMeters[size_t(i)]->held;
            clips[i] = fMeters[size_t(i)]->clip;
        }
    } else if (validOne && out != nullptr) {
        *out = fMeters[size_t(which - 1)]->held;
    }
}
