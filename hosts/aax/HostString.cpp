#include "hosts/aax/HostString.h"

namespace aaxkit {
namespace {

HostString& of(void* self) { return *static_cast<HostString*>(self); }
const HostString& of(const void* self) { return *static_cast<const HostString*>(self); }

// The kit's strings live on the kit's stack or heap; nobody but the kit destroys them.
void destroy(void*) {}
uint32_t length(const void* self) { return static_cast<uint32_t>(of(self).text.size()); }
uint32_t maxLength(const void*) { return 0xFFFFFFFEu; }
const char* text(const void* self) { return of(self).text.c_str(); }
void set(void* self, const char* value) { of(self).text = value != nullptr ? value : ""; }
void* assignText(void* self, const char* value)
{
    set(self, value);
    return self;
}
void* assignString(void* self, const void* other)
{
    // The other may be the plug-in's string: read it through its own table.
    set(self, acf::tableOf<acf::StringTable>(other).text(other));
    return self;
}

const acf::StringTable kStringTable = {&destroy, &length, &maxLength, &text, &set, &assignText, &assignString};

}  // namespace

HostString::HostString() : table(&kStringTable) {}
HostString::HostString(std::string initial) : table(&kStringTable), text(std::move(initial)) {}

}  // namespace aaxkit
