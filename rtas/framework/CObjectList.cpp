#include "rtas/framework/CObjectList.h"

#include <new>

namespace {

constexpr int16_t kNodeFailure = -1;

}  // namespace

CObjectList::~CObjectList() { RemoveAll(); }

void CObjectList::Append(void* object)
{
    if (fIndex.count(object) != 0)
        return;
    Node* node = new (std::nothrow) Node{object, fTail, nullptr};
    if (node == nullptr)
        throw kNodeFailure;
    try {
        fIndex.emplace(object, node);
    } catch (const std::bad_alloc&) {
        delete node;
        throw kNodeFailure;
    }
    if (fTail != nullptr)
        fTail->next = node;
    else
        fHead = node;
    fTail = node;
    ++fCount;
}

void CObjectList::Remove(void* object)
{
    const auto found = fIndex.find(object);
    if (found == fIndex.end())
        return;
    Node* node = found->second;
    fIndex.erase(found);
    (node->previous != nullptr ? node->previous->next : fHead) = node->next;
    (node->next != nullptr ? node->next->previous : fTail) = node->previous;
    delete node;
    --fCount;
}

void CObjectList::RemoveAll()
{
    for (Node* node = fHead; node != nullptr;) {
        Node* next = node->next;
        delete node;
        node = next;
    }
    fHead = fTail = nullptr;
    fCount = 0;
    fIndex.clear();
}

void* CObjectList::Get(int32_t number) const
{
    if (number < 1 || number > fCount)
        return nullptr;
    const Node* node = fHead;
    for (int32_t i = 1; i < number; ++i)
        node = node->next;
    return node->object;
}
