// Text services of the stand-in DigiExt.dll: decimal numbers and the two length-prefixed conversions.
#include "hosts/rtas/KitExport.h"
#include "hosts/rtas/KitLog.h"
#include "rtas/framework/host/ToolboxServices.h"

#include <cstdio>
#include <cstring>

extern "C" {

QOR_KIT_EXPORT void QOR_HOST_CALL NumToString(int32_t value, unsigned char* text)
{
    qorkit::record("NumToString");
    if (text == nullptr)
        return;
    char digits[16];
    const int n = std::snprintf(digits, sizeof digits, "%ld", long(value));
    text[0] = static_cast<unsigned char>(n);
    std::memcpy(text + 1, digits, size_t(n));
}

QOR_KIT_EXPORT unsigned char* QOR_HOST_CALL c2pstr(char* text)
{
    qorkit::record("c2pstr");
    if (text == nullptr)
        return nullptr;
    size_t n = std::strlen(text);
    if (n > 255)
        n = 255;
    std::memmove(text + 1, text, n);
    text[0] = static_cast<char>(n);
    return reinterpret_cast<unsigned char*>(text);
}

QOR_KIT_EXPORT char* QOR_HOST_CALL p2cstr(unsigned char* text)
{
    qorkit::record("p2cstr");
    if (text == nullptr)
        return nullptr;
    const size_t n = text[0];
    std::memmove(text, text + 1, n);
    text[n] = 0;
    return reinterpret_cast<char*>(text);
}

}  // extern "C"
