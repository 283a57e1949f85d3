#include "rtas/views/ViewRegistry.h"

#include "rtas/views/ViewFactory.h"

#include <map>
#include <string>

namespace rtas::views {
namespace {

struct Entry
{
    int16_t category;
    int32_t value;
};

std::map<std::string, Entry>& Map()
{
    static std::map<std::string, Entry> words = [] {
        std::map<std::string, Entry> w;
        const char* const keywords[] = {"left", "right", "top", "bottom", "center", "default", "reverse",
                                        "cyclical", "plate", "normal", "clicked", "disabled", "inversePlate",
                                        "editable", "horizontal", "vertical", "round", "square", "frame", "green",
                                        "darkGreen", "red", "darkRed", "blue", "darkBlue", "amber", "darkAmber",
                                        "ASCII"};
        int32_t value = 0;
        for (const char* name : keywords)
            w[name] = Entry{kCategoryKeyword, value++};
        const char* const functions[] = {"getList", "getString", "shortVersion", "longVersion"};
        value = 0;
        for (const char* name : functions)
            w[name] = Entry{kCategoryFunction, value++};
        return w;
    }();
    return words;
}

// Lookups see the library's view types, entered once before the first lookup (the registering calls use Map()).
std::map<std::string, Entry>& Words()
{
    static const bool filled = (RegisterLibraryViewTypes(), true);
    (void)filled;
    return Map();
}

// Filled while the module loads, before any host call (and so before a plug-in enters words of its own).
const bool gFilledAtLoad = (Words(), true);

std::string FromPascal(const unsigned char* name)
{
    return name != nullptr ? std::string(reinterpret_cast<const char*>(name + 1), name[0]) : std::string();
}

}  // namespace

void RegisterViewType(const char* name, ViewCreator creator)
{
    Map()[name] = Entry{kCategoryViewType, int32_t(reinterpret_cast<intptr_t>(creator))};
}

void RegisterViewType(const unsigned char* name, ViewCreator creator)
{
    Map()[FromPascal(name)] = Entry{kCategoryViewType, int32_t(reinterpret_cast<intptr_t>(creator))};
}

void RegisterKeyword(const char* name, int16_t category, int32_t value)
{
    Map()[name] = Entry{category, value};
}

void RegisterKeyword(const unsigned char* name, int16_t category, int32_t value)
{
    Map()[FromPascal(name)] = Entry{category, value};
}

bool LookUpName(const char* name, DescriptionNode* node)
{
    const auto& words = Words();
    const auto found = words.find(name);
    if (found == words.end())
        return false;
    node->type = found->second.category;
    node->value = found->second.value;
    return true;
}

}  // namespace rtas::views
