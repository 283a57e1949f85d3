#include "fuzz/FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <unistd.h>

namespace fuzzing {

namespace {

void isolateUserStore()
{
    const char* base = std::getenv("TMPDIR");
    std::string folder = std::string(base && base[0] == '/' ? base : "/tmp") + "/qor-fuzz-store.XXXXXX";
    if (::mkdtemp(&folder[0]))
        ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
}

}  // namespace

FuzzEffect& FuzzEffect::instance()
{
    static FuzzEffect fuzzEffect;
    return fuzzEffect;
}

FuzzEffect::FuzzEffect()
{
    isolateUserStore();
    effect_.reset(new QorFETcomp(nullptr));
    if (!effect_->bank() || !effect_->presetEditor()) {
        std::fprintf(stderr, "fuzz: the effect has no bank or no editor\n");
        std::abort();
    }
    pristine_ = bankBytes();
}

void FuzzEffect::reset()
{
    std::memcpy(effect_->bank(), pristine_.data(), pristine_.size());
    if (effect_->getCurrentProgramIndex() != 0)
        effect_->setCurrentProgram(0);
}

std::vector<uint8_t> FuzzEffect::bankBytes()
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(effect_->bank());
    return std::vector<uint8_t>(bytes, bytes + sizeof(ProgramRecord) * kBankPrograms);
}

void FuzzEffect::requireUnchanged(const std::vector<uint8_t>& before, const char* what)
{
    if (bankBytes() == before)
        return;
    std::fprintf(stderr, "fuzz: %s was refused but changed the bank\n", what);
    std::abort();
}

ExactCopy::ExactCopy(const uint8_t* data, size_t size) : bytes_(new uint8_t[size ? size : 1]), size_(size)
{
    if (size)
        std::memcpy(bytes_.get(), data, size);
}

}  // namespace fuzzing
