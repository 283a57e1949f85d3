// Stands between an instance's meters and the readers that ask for them (the host's meter display, control
// surfaces, the instance's clip indicator). Fresh values are fetched at most once every two host ticks; a reader
// that asks after a fresh fetch gets the previous reader's higher value when the fresh one is lower, so a short peak
// reaches every reader once. Readers arrive under the group's context lock, one at a time.
#pragma once

#include "rtas/framework/CProcess.h"

#include <cstdint>
#include <memory>
#include <vector>

struct CProcessMeter
{
    int32_t type = 0;         // EMeterType
    int32_t orientation = 0;  // EMeterOrientation
    int32_t held = 0;
    uint8_t lastReader = 'a';
    uint8_t clip = 0;
};

class CProcessMeterSet
{
public:
    static constexpr uint8_t kInstanceReader = 'e';

    // Object form: meters are added as objects.
    CProcessMeterSet() = default;
    // Entry form: count meters, each {0, 'a', 0}.
    CProcessMeterSet(CProcess* owner, int16_t count);

    void AttachOwner(CProcess* owner);
    // Throws CDAEError -7053 for a null meter.
    void AddMeter(CProcessMeter* meter);
    int32_t GetCount() const { return int32_t(fMeters.size()); }
    // 1-based; null outside.
    CProcessMeter* GetMeter(int32_t i) const;
    int32_t CountOfType(int32_t type) const;
    // The 1-based position of the n-th meter of type, 0 when there are fewer.
    int32_t FindOfType(int32_t type, int32_t n) const;
    // values and clips hold one element per meter; which is -1 for all meters or the 1-based meter whose value goes
    // to out; reset asks for a reset instead of a read.
    void Read(uint8_t reader, int32_t* values, uint8_t* clips, int32_t which, int32_t* out, bool reset);

private:
    CProcess* fOwner = nullptr;
    int32_t fOwnerKind = 0;
    bool fObjectForm = true;
    uint32_t fLastFetch = 0;
    std::vector<std::unique_ptr<CProcessMeter>> fMeters;
};
