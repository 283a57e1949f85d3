// The library's list of objects: a doubly linked list of object pointers in insertion order, with an index from
// object to node so that membership and removal need no walk. The list does not own its objects. Host thread, under
// the group's context lock.
#pragma once

#include <cstdint>
#include <map>

class CObjectList
{
public:
    CObjectList() = default;
    ~CObjectList();
    CObjectList(const CObjectList&) = delete;
    CObjectList& operator=(const CObjectList&) = delete;

    // Appending an object already in the list does nothing. A node that cannot be made throws the 16-bit value -1.
    void Append(void* object);
    // Removing an absent object does nothing.
    void Remove(void* object);
    void RemoveAll();
    bool Contains(const void* object) const { return fIndex.count(const_cast<void*>(object)) != 0; }
    int32_t Count() const { return fCount; }
    // The object at a 1-based position, walking from the head; null outside 1..Count.
    void* Get(int32_t number) const;
    // Last object, or null.
    void* Last() const { return fTail != nullptr ? fTail->object : nullptr; }

    // Walks the objects in order; fn may not change the list.
    template <typename Fn>
    void ForEach(Fn fn) const
    {
        for (const Node* node = fHead; node != nullptr; node = node->next)
            fn(node->object);
    }

private:
    struct Node
    {
        void* object;
        Node* previous;
        Node* next;
    };

    Node* fHead = nullptr;
    Node* fTail = nullptr;
    int32_t fCount = 0;
    std::map<void*, Node*> fIndex;
};
