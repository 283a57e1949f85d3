#include "rtas/framework/HostRecordBuilder.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

constexpr int16_t kRecordFailure = -1;

}  // namespace

HostRecordBuilder::~HostRecordBuilder() { std::free(fBlock); }

void HostRecordBuilder::AppendWord(int32_t word)
{
    try {
        if (fWords.size() == fWords.capacity())
            fWords.reserve(fWords.size() + fWords.size() / 2 + 1);
        fWords.push_back(word);
    } catch (const std::bad_alloc&) {
        throw kRecordFailure;
    }
}

void HostRecordBuilder::AppendPointer(const void* pointer)
{
#if defined(__i386__)
    static_assert(sizeof(void*) == sizeof(int32_t), "pointers are one word on the plug-in's platform");
#endif
    AppendWord(int32_t(intptr_t(pointer)));
}

HostRecordBlock HostRecordBuilder::Build()
{
    std::free(fBlock);
    fBlock = nullptr;
    fBlockSize = 0;
    const size_t bytes = fWords.size() * sizeof(int32_t);
    // An empty record still gets a block of its own, so a reader can tell it from no record at all.
    fBlock = static_cast<int32_t*>(std::malloc(bytes == 0 ? 1 : bytes));
    if (fBlock == nullptr)
        throw kRecordFailure;
    if (bytes != 0)
        std::memcpy(fBlock, fWords.data(), bytes);
    fBlockSize = int32_t(bytes);
    return {fBlock, fBlockSize};
}

HostRecordReader::HostRecordReader(const HostRecordBlock& block)
    : fWords(block.words), fCount(block.words == nullptr ? 0 : block.size / int32_t(sizeof(int32_t)))
{
}

void HostRecordReader::ReadWord(int32_t& word)
{
    if (fWords == nullptr || fPosition >= fCount)
        throw kRecordFailure;
    word = fWords[fPosition++];
}
