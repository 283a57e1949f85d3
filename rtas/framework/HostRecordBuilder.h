// Records of 32-bit words with which the plug-in's objects describe themselves to the host's object registry: a
// builder that collects words and makes one flat block, and a reader that walks a block. Pointers are one word, as
// they are on the plug-in's platform. Every failure is thrown as the 16-bit value -1.
#pragma once

#include <cstdint>
#include <vector>

struct HostRecordBlock
{
    const int32_t* words = nullptr;
    int32_t size = 0;  // bytes
};

class HostRecordBuilder
{
public:
    HostRecordBuilder() = default;
    ~HostRecordBuilder();
    HostRecordBuilder(const HostRecordBuilder&) = delete;
    HostRecordBuilder& operator=(const HostRecordBuilder&) = delete;

    void AppendWord(int32_t word);
    void AppendPointer(const void* pointer);
    // Frees a block built earlier and makes a new one of the words so far; the builder keeps it.
    HostRecordBlock Build();
    int32_t CountWords() const { return int32_t(fWords.size()); }

private:
    std::vector<int32_t> fWords;
    int32_t* fBlock = nullptr;
    int32_t fBlockSize = 0;
};

class HostRecordReader
{
public:
    explicit HostRecordReader(const HostRecordBlock& block);
    // Stores the current word and advances; throws -1 with no block or past the last word.
    void ReadWord(int32_t& word);

private:
    const int32_t* fWords;
    int32_t fCount;
    int32_t fPosition = 0;
};
