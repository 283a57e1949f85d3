// The effect's saved state as the bridge state blob (common/EffectStateBlob.h). GUI thread; bank work holds the
// audio path off (see CPluginWrapper::beginBankWork).
#include "rtas/bridge/CPluginWrapper.h"
#include "rtas/bridge/WrapperStateTarget.h"

#include "common/EffectStateBlob.h"
#include "effect/vst2/Opcodes.h"

#include <cstring>

namespace {

constexpr int kStateSizeWithoutEffect = 8;
constexpr int kBankNameBytes = 64;

}  // namespace

void CPluginWrapper::GetStateSize(int* size)
{
    if (size == nullptr)
        return;
    if (!loaded_) {
        *size = kStateSizeWithoutEffect;
    } else if ((effect_->flags & kFlagProgramChunks) != 0) {
        void* chunk = nullptr;
        *size = int(Dispatch(effGetChunk, 0, 0, &chunk, 0.0f)) + int(stateblob::kTrailerSize);
    } else {
        // Counts, then per program its name and values, then the trailer.
        *size = (effect_->numParams * 4 + kBankNameBytes) * effect_->numPrograms + 8 + int(stateblob::kTrailerSize);
    }
}

size_t CPluginWrapper::SaveEffectState(void* buffer, size_t capacity)
{
    if (!loaded_) {
        // The state an instance without its effect announced, so a host can save a session that holds one; it is
        // too short to be restored into anything.
        if (buffer == nullptr || capacity < size_t(kStateSizeWithoutEffect))
            return 0;
        std::memset(buffer, 0, size_t(kStateSizeWithoutEffect));
        return size_t(kStateSizeWithoutEffect);
    }
    currentProgram_ = int(Dispatch(effGetProgram, 0, 0, nullptr, 0.0f));
    WrapperStateTarget target(*this);
    const std::vector<uint8_t> blob = stateblob::write(&target);
    // The host sized its buffer from an earlier GetStateSize; a state that has grown since is not cut short.
    if (buffer == nullptr || blob.size() > capacity)
        return 0;
    std::memcpy(buffer, blob.data(), blob.size());
    return blob.size();
}

void CPluginWrapper::RestoreEffectState(const void* buffer, int size)
{
    if (!loaded_ || buffer == nullptr || size < 0)
        return;
    WrapperStateTarget target(*this);
    const stateblob::ReadResult result =
        stateblob::read(&target, static_cast<const uint8_t*>(buffer), size_t(size));
    if (result.form != stateblob::ReadForm::Bank)
        return;
    // A stored current program outside the effect's programs selects nothing.
    if (result.currentProgram < 0 || result.currentProgram >= effect_->numPrograms)
        return;
    currentProgram_ = result.currentProgram;
    beginBankWork();
    Dispatch(effSetProgram, 0, currentProgram_, nullptr, 0.0f);
    endBankWork();
}
