#include "gui/CNewFileSelector.h"

#include <algorithm>

namespace {

CNewFileSelector::Factory& installedFactory()
{
    static CNewFileSelector::Factory factory;
    return factory;
}

}  // namespace

std::unique_ptr<CNewFileSelector> CNewFileSelector::create(CFrame* parent, Style style)
{
    if (const Factory& factory = installedFactory())
        return factory(style);
    if (!parent)
        return nullptr;
    return createNative(style);
}

void CNewFileSelector::setFactory(Factory factory) { installedFactory() = std::move(factory); }

void CNewFileSelector::setDefaultExtension(const CFileExtension& extension)
{
    defaultExtension_.reset(new CFileExtension(extension));
    addFileExtension(extension);
}

void CNewFileSelector::addFileExtension(const CFileExtension& extension)
{
    if (std::find(extensions_.begin(), extensions_.end(), extension) == extensions_.end())
        extensions_.push_back(extension);
}

bool CNewFileSelector::runModal()
{
    selected_.clear();
    std::vector<std::string> selected;
    if (!runModalInternal(selected))
        return false;
    selected_.swap(selected);
    return !selected_.empty();
}

const char* CNewFileSelector::getSelectedFile(uint32_t index) const
{
    return index < selected_.size() ? selected_[index].c_str() : nullptr;
}
