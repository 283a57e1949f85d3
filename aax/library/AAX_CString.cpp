#include "aax/library/AAX_CString.h"

#include <cstring>

AAX_CString::AAX_CString(const char* text) : text_(text != nullptr ? text : "") {}

void AAX_CString::Destroy()
{
    delete this;
}

void AAX_CString::Set(const char* text)
{
    text_ = text != nullptr ? text : "";
}

AAX_IString& AAX_CString::AssignText(const char* text)
{
    Set(text);
    return *this;
}

AAX_IString& AAX_CString::AssignString(const AAX_IString& other)
{
    // Through the other's text: it may be the host's object, of a different kind.
    Set(other.Get());
    return *this;
}

void AAX_CString::SubString(uint32_t start, uint32_t count, AAX_IString& out) const
{
    out.Set(start < text_.size() ? text_.substr(start, count).c_str() : "");
}

bool AAX_CString::Equals(const AAX_IString& other) const
{
    const char* theirs = other.Get();
    return std::strcmp(text_.c_str(), theirs != nullptr ? theirs : "") == 0;
}

bool operator==(const AAX_CString& a, const AAX_CString& b)
{
    return a.Equals(b);
}
