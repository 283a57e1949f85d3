// Result codes the RTAS library answers its host: signed 16-bit values, 0 for success.
#pragma once

#include <cstdint>

namespace rtas {

constexpr int32_t kNoErr = 0;
constexpr int32_t kNoTypeAtPosition = -77;
constexpr int32_t kNotImplemented = -7000;
constexpr int32_t kNoMemoryForGroup = -7003;
constexpr int32_t kMissingObject = -7053;
constexpr int32_t kNoTypeForSpec = -7055;
constexpr int32_t kBadLockService = -7060;
constexpr int32_t kNoLock = -7075;
constexpr int32_t kGroupQueryRefused = -7102;
constexpr int32_t kStemFormatsNotReported = -7110;
constexpr int32_t kNoSuchType = -7125;
constexpr int32_t kNoSuchInstance = -7126;
constexpr int32_t kDSPObjectFailure = -7150;
constexpr int32_t kForeignChunk = -7157;
constexpr int32_t kNoHostCallback = -7175;
constexpr int32_t kNoHostMemory = -7176;
constexpr int32_t kNoSuchControl = -7300;
constexpr int32_t kRoutine156Refused = -7304;
constexpr int32_t kConditionFailed = -7400;
constexpr int32_t kUnexpected = -7401;
constexpr int32_t kOutOfMemory = -9006;
constexpr int32_t kNoRoutine = -9007;
constexpr int32_t kNullAnswer = -9013;
// DSI results below this value are the DSI's own small codes and are moved into the library's range.
constexpr int32_t kDSIOwnCodeLimit = 100;
constexpr int32_t kDSIErrorBase = -9200;

}  // namespace rtas
