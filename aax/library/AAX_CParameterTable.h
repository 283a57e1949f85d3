// The parameters of one instance, in creation order and by identifier. The table owns them and attaches its
// automation delegate to each. No lock: parameters are added during set-up and only read afterwards.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "aax/library/AAX_Types.h"

class AAX_IParameter;
class AAX_IAutomationDelegate;

class AAX_CParameterTable
{
public:
    AAX_CParameterTable() = default;
    ~AAX_CParameterTable() { Clear(); }
    AAX_CParameterTable(const AAX_CParameterTable&) = delete;
    AAX_CParameterTable& operator=(const AAX_CParameterTable&) = delete;

    // Host main thread (initialisation). Attached to every parameter, present and future; null detaches.
    void SetAutomationDelegate(AAX_IAutomationDelegate* delegate);
    // Host main thread (set-up). The table takes the parameter; an identifier already present keeps its first
    // parameter for lookups by identifier.
    void AddParameter(AAX_IParameter* parameter);
    // Deletes every parameter (each detaches from the automation delegate first).
    void Clear();

    int32_t Count() const { return int32_t(parameters_.size()); }
    // Null for an unknown or null identifier, or an index outside the table.
    AAX_IParameter* Find(AAX_CParamID identifier) const;
    AAX_IParameter* At(int32_t index) const;
    // The position of the identifier's parameter, -1 when absent.
    int32_t IndexOf(AAX_CParamID identifier) const;

private:
    AAX_IAutomationDelegate* automation_ = nullptr;
    std::vector<AAX_IParameter*> parameters_;
    std::map<std::string, AAX_IParameter*> byIdentifier_;
};
