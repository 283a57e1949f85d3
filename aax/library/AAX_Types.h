// Basic types and result codes of the AAX library, shared by every file of aax/library and by the host kit.
// (Shared header: add further common types here rather than in a second header of the same kind.)
#pragma once

#include <cstdint>

typedef int32_t AAX_Result;
// Parameter identifiers cross the host boundary as zero-terminated 8-bit texts.
typedef const char* AAX_CParamID;
// Normalised parameter values (0..1) cross the host boundary as doubles: every 32-bit float the effect produces
// converts to a double and back without change, so the width costs the effect nothing.
typedef double AAX_CParamValue;
// Four-character codes (chunk identifiers, notification types), most significant byte first.
typedef uint32_t AAX_CTypeID;
// Index of a field of the render context, also the number of a data port.
typedef int32_t AAX_CFieldIndex;

enum AAX_EError : AAX_Result {
    AAX_SUCCESS = 0,
    AAX_ERROR_INVALID_PARAMETER_ID = -20001,
    AAX_ERROR_INVALID_STRING_CONVERSION = -20002,
    AAX_ERROR_NULL_OBJECT = -20004,
    AAX_ERROR_INVALID_CHUNK_INDEX = -20006,
    AAX_ERROR_INVALID_CHUNK_ID = -20007,
    AAX_ERROR_INCORRECT_CHUNK_SIZE = -20008,
    AAX_ERROR_UNIMPLEMENTED = -20009,
    AAX_ERROR_NO_HOST_CONTEXT = -20011,
    AAX_ERROR_NEGATIVE_STEP_COUNT = -20033,
    AAX_ERROR_CHUNK_DATA_OVERFLOW = -333,
};

// Parameter kinds the host sees.
enum AAX_EParameterType : int32_t {
    AAX_eParameterType_Discrete = 0,
    AAX_eParameterType_Continuous = 1,
};

constexpr AAX_CTypeID AAX_FourCC(char a, char b, char c, char d)
{
    return (uint32_t(uint8_t(a)) << 24) | (uint32_t(uint8_t(b)) << 16) | (uint32_t(uint8_t(c)) << 8) |
           uint32_t(uint8_t(d));
}

// Booleans that cross the host boundary are 32-bit integers, 0 false, 1 true.
typedef int32_t AAX_CBoolean;
