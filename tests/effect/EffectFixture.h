// Creates the compressor effect the way the entry point does and drives it only through its record.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "effect/QorFETcomp.h"
#include "tests/support/TestHost.h"

class EffectFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestHost::instance().reset();
        effect = new QorFETcomp(&TestHost::callback);
        record = effect->getRecord();
    }
    void TearDown() override
    {
        if (record)
            record->dispatcher(record, 1, 0, 0, nullptr, 0.0f);
    }

    intptr_t dispatch(int32_t opcode, int32_t index = 0, intptr_t value = 0, void* ptr = nullptr, float opt = 0.0f)
    {
        return record->dispatcher(record, opcode, index, value, ptr, opt);
    }
    std::string text(int32_t opcode, int32_t index)
    {
        char buffer[256];
        std::memset(buffer, 0, sizeof buffer);
        dispatch(opcode, index, 0, buffer);
        return buffer;
    }
    std::string display(int32_t index) { return text(7, index); }
    std::string displayOf(int32_t index, float v)
    {
        char buffer[64] = {'1', 'E', 'A', 'D'};
        std::memcpy(buffer + 4, &v, 4);
        dispatch(7, index, 0, buffer);
        return buffer;
    }
    void set(int32_t index, float v) { record->setParameter(record, index, v); }
    float get(int32_t index) { return record->getParameter(record, index); }

    QorFETcomp* effect = nullptr;
    EffectRecord* record = nullptr;
};
