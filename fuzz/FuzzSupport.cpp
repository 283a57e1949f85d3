#include "fuzz/FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <unistd.h>

#include "effect/presets/StreamDispatch.h"

namespace fuzzing {

namespace {

[[noreturn]] void fail(const char* what, const char* form, const char* problem)
{
    std::fprintf(stderr, "fuzz: the state %s left, saved as %s, %s\n", what, form, problem);
    std::abort();
}

const char* formName(SavedForm form)
{
    switch (form) {
    case SavedForm::Chunk: return "the chunk";
    case SavedForm::BankStream: return "a bank stream";
    case SavedForm::PresetStream: return "a preset stream";
    }
    return "?";
}

// The bank's bytes; with SetByHost the unsaved parameters' values read as 0.
std::vector<uint8_t> bankOf(QorFETcomp& effect, UnsavedParameters unsaved)
{
    std::vector<ProgramRecord> programs(effect.bank(), effect.bank() + kBankPrograms);
    if (unsaved == UnsavedParameters::SetByHost)
        for (ProgramRecord& program : programs)
            for (int32_t i = 0; i < kProgramParams; ++i)
                if (effect.isExcludedFromPreset(i))
                    program.values[i] = 0.0f;
    const auto* bytes = reinterpret_cast<const uint8_t*>(programs.data());
    return std::vector<uint8_t>(bytes, bytes + sizeof(ProgramRecord) * kBankPrograms);
}

// An empty result means nothing was saved.
std::vector<uint8_t> save(QorFETcomp& effect, SavedForm form)
{
    if (form == SavedForm::Chunk) {
        void* data = nullptr;
        const int32_t size = effect.getChunk(&data, false);
        if (size <= 0 || !data)
            return {};
        const auto* bytes = static_cast<const uint8_t*>(data);
        return std::vector<uint8_t>(bytes, bytes + size);
    }
    CPresetSystemEditor& editor = *effect.presetEditor();
    return form == SavedForm::BankStream ? editor.writeBankStream() : editor.writePresetStream();
}

bool load(QorFETcomp& effect, SavedForm form, const std::vector<uint8_t>& saved)
{
    ExactCopy bytes(saved.data(), saved.size());
    if (form == SavedForm::Chunk)
        return effect.setChunk(bytes.data(), static_cast<int32_t>(bytes.size()), false) == 0;
    return readStoredStream(*effect.presetEditor(), bytes.data(), bytes.size(),
                            form == SavedForm::BankStream ? StoredKind::Bank : StoredKind::Preset, false);
}

// What a host and the user see of the state: the bank (programs and names), the current program, its name as the
// host reads it, and the parameter values. Values are compared by their bits.
bool sameState(QorFETcomp& a, QorFETcomp& b, UnsavedParameters unsaved)
{
    if (bankOf(a, unsaved) != bankOf(b, unsaved) || a.getCurrentProgramIndex() != b.getCurrentProgramIndex())
        return false;
    char nameA[kProgramNameSize + 1] = {}, nameB[kProgramNameSize + 1] = {};
    a.getProgramName(nameA);
    b.getProgramName(nameB);
    if (std::memcmp(nameA, nameB, sizeof nameA) != 0)
        return false;
    for (int32_t i = 0; i < kProgramParams; ++i) {
        if (unsaved == UnsavedParameters::SetByHost && a.isExcludedFromPreset(i))
            continue;
        const float va = a.getParameter(i), vb = b.getParameter(i);
        if (std::memcmp(&va, &vb, sizeof va) != 0)
            return false;
    }
    return true;
}

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
    fresh_.reset(new QorFETcomp(nullptr));
    if (!effect_->bank() || !effect_->presetEditor() || !fresh_->bank() || !fresh_->presetEditor()) {
        std::fprintf(stderr, "fuzz: the effect has no bank or no editor\n");
        std::abort();
    }
    pristine_ = bankBytes();
}

// Program 0 is selected again even when it is current, so the parameters hold its values as in a new instance.
void FuzzEffect::reset()
{
    std::memcpy(effect_->bank(), pristine_.data(), pristine_.size());
    effect_->setCurrentProgram(0);
}

void FuzzEffect::requireRoundTrip(SavedForm form, const char* what, UnsavedParameters unsaved)
{
    roundTrip(*effect_, form, what, unsaved);
    if (form != SavedForm::Chunk)
        roundTrip(*effect_, SavedForm::Chunk, what, unsaved);
}

void FuzzEffect::roundTrip(QorFETcomp& source, SavedForm form, const char* what, UnsavedParameters unsaved)
{
    const std::vector<uint8_t> first = save(source, form);
    if (first.empty())
        fail(what, formName(form), "could not be saved");
    std::memcpy(fresh_->bank(), pristine_.data(), pristine_.size());
    fresh_->setCurrentProgram(0);
    if (!load(*fresh_, form, first))
        fail(what, formName(form), "was refused by a fresh instance");
    if (save(*fresh_, form) != first)
        fail(what, formName(form), "was saved again as other bytes");
    if (!sameState(source, *fresh_, unsaved))
        fail(what, formName(form), "gave a fresh instance other programs, names or parameter values");
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
