// Root of every view, control and bitmap: a reference count and a type query by class name.
// GUI thread only: the count is not atomic.
#pragma once

#include <cstdint>
#include <cstring>

class CBaseObject
{
public:
    CBaseObject() = default;
    // A copy starts with its own single reference.
    CBaseObject(const CBaseObject&) {}
    CBaseObject& operator=(const CBaseObject&) { return *this; }
    virtual ~CBaseObject() = default;

    void remember() { ++references_; }
    // Drops one reference; the object deletes itself when none is left.
    void forget()
    {
        if (--references_ <= 0)
            delete this;
    }
    int32_t getNbReference() const { return references_; }

    // True for the class's own name and the names of all its bases ("CBaseObject" for every object).
    virtual bool isTypeOf(const char* name) const { return std::strcmp(name, "CBaseObject") == 0; }
    // A new object (one reference, not attached anywhere) equal to this one; null when the class cannot copy.
    virtual CBaseObject* newCopy() const { return nullptr; }

private:
    int32_t references_ = 1;
};

// In a class body: answers the type query with the class's own name, then its base's chain.
#define QOR_GUI_TYPE(Name, Base)                                                                                      \
    bool isTypeOf(const char* name) const override { return std::strcmp(name, #Name) == 0 || Base::isTypeOf(name); }

// As QOR_GUI_TYPE, and newCopy through the class's copy constructor.
#define QOR_GUI_TYPE_COPY(Name, Base)                                                                                 \
    QOR_GUI_TYPE(Name, Base)                                                                                          \
    CBaseObject* newCopy() const override { return new Name(*this); }
