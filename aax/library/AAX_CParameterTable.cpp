#include "aax/library/AAX_CParameterTable.h"

#include "aax/library/AAX_IParameter.h"

void AAX_CParameterTable::SetAutomationDelegate(AAX_IAutomationDelegate* delegate)
{
    automation_ = delegate;
    for (AAX_IParameter* parameter : parameters_)
        parameter->SetAutomationDelegate(delegate);
}

void AAX_CParameterTable::AddParameter(AAX_IParameter* parameter)
{
    if (!parameter)
        return;
    parameters_.push_back(parameter);
    byIdentifier_.emplace(parameter->Identifier(), parameter);
    if (automation_)
        parameter->SetAutomationDelegate(automation_);
}

void AAX_CParameterTable::Clear()
{
    byIdentifier_.clear();
    for (AAX_IParameter* parameter : parameters_)
        delete parameter;
    parameters_.clear();
}

AAX_IParameter* AAX_CParameterTable::Find(AAX_CParamID identifier) const
{
    if (!identifier)
        return nullptr;
    const auto it = byIdentifier_.find(identifier);
    return it == byIdentifier_.end() ? nullptr : it->second;
}

AAX_IParameter* AAX_CParameterTable::At(int32_t index) const
{
    return index >= 0 && index < Count() ? parameters_[size_t(index)] : nullptr;
}

int32_t AAX_CParameterTable::IndexOf(AAX_CParamID identifier) const
{
    const AAX_IParameter* parameter = Find(identifier);
    for (int32_t i = 0; parameter && i < Count(); ++i)
        if (parameters_[size_t(i)] == parameter)
            return i;
    return -1;
}
