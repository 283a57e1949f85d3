// The RTAS library's view layer reading a plug-in's dialog resources: the bytes as a dialog item list (every item
// read stays inside them) and every item's text, and the bytes themselves, as a view description. The parser's
// pool, nodes and texts must stay within the parser; valid descriptions are walked group by group. The host's
// resource services answer no resource here, so "getString" finds nothing.
#include "rtas/framework/CDAEError.h"
#include "rtas/framework/ModuleInformation.h"
#include "rtas/framework/PlugInResourceFile.h"
#include "rtas/views/DescriptionParser.h"
#include "rtas/views/ItemList.h"
#include "rtas/views/ViewFactory.h"
#include "rtas/views/ViewRegistry.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace rtas {
int16_t UsePlugInResourceFile() { return 0; }
void ReleasePlugInResourceFile(int16_t) {}
// A fuzzer has no plug-in module of its own: the version keywords get a fixed text.
void GetPlugInVersionText(char* buffer, size_t capacity)
{
    if (buffer != nullptr && capacity > 0)
        std::snprintf(buffer, capacity, "1.0.0.0");
}
}  // namespace rtas

namespace rtas::views {
// The view types by name only: no view is made here.
void RegisterLibraryViewTypes()
{
    for (const char* name : {"Background", "Slider", "Dial", "StaticText", "Picture", "ViewPopup"})
        RegisterViewType(name, nullptr);
}
}  // namespace rtas::views

extern "C" {
HostHandle QOR_HOST_CALL Get1Resource(uint32_t, int16_t) { return nullptr; }
int32_t QOR_HOST_CALL GetHandleSize(HostHandle) { return 0; }
void QOR_HOST_CALL ReleaseResource(HostHandle) {}
}

namespace {

using namespace rtas::views;

// Touches every node of a list and its groups, and every text's characters.
uint32_t Walk(const DescriptionNode* node, int depth)
{
    uint32_t sum = 0;
    for (; node != nullptr; node = node->next) {
        sum += uint32_t(node->type);
        if (node->type == kNodeText) {
            const unsigned char* text = node->Text();
            for (int i = 0; i <= text[0]; ++i)
                sum += text[i];
        } else if (node->type == kNodeGroup && depth < 300) {
            sum += Walk(node->Members(), depth + 1);
        }
    }
    return sum;
}

void ParseItem(const ItemRecord& item)
{
    DescriptionParser parser(item);
    if (!parser.Parse())
        return;
    volatile uint32_t sum = Walk(parser.Head(), 0);
    (void)sum;
    try {
        for (;;)
            parser.NextGroup();
    } catch (const CDAEError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ItemRecord item{};
    item.length = uint8_t(size < 255 ? size : 255);
    std::memcpy(item.data, data, item.length);
    ParseItem(item);

    // An exact copy, so a read past the end lands outside the allocation.
    std::vector<uint8_t> copy(data, data + size);
    try {
        ItemListReader reader(copy.data(), int32_t(copy.size()));
        ItemRecord listed{};
        while (reader.Next(&listed))
            ParseItem(listed);
    } catch (const CDAEError& e) {
        if (e.GetCode() != -7400)
            __builtin_trap();
    }
    return 0;
}
