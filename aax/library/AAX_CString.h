// The library's string: one standard string of 8-bit characters behind the AAX_IString table.
#pragma once

#include <cstdint>
#include <string>

#include "aax/library/AAX_IString.h"

class AAX_CString final : public AAX_IString
{
public:
    static constexpr uint32_t kMaxLength = 0xFFFFFFFEu;

    AAX_CString() = default;
    AAX_CString(const char* text);  // null gives the empty text
    AAX_CString(const std::string& text) : text_(text) {}
    AAX_CString(const AAX_CString& other) = default;
    AAX_CString& operator=(const AAX_CString& other) = default;
    ~AAX_CString() = default;

    void Destroy() override;
    uint32_t Length() const override { return static_cast<uint32_t>(text_.size()); }
    uint32_t MaxLength() const override { return kMaxLength; }
    const char* Get() const override { return text_.c_str(); }
    void Set(const char* text) override;
    AAX_IString& AssignText(const char* text) override;
    AAX_IString& AssignString(const AAX_IString& other) override;

    const std::string& StdString() const { return text_; }

    // Copies count characters from start (cut at the end of the text) into out.
    void SubString(uint32_t start, uint32_t count, AAX_IString& out) const;
    bool Equals(const AAX_IString& other) const;

private:
    std::string text_;
};

bool operator==(const AAX_CString& a, const AAX_CString& b);
