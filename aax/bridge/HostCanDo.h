// The capabilities the AAX plug-in claims towards the effect it hosts (the effect's can-do questions, host opcode 37).
#pragma once

#include <cstdint>

// The answer for text: 1 or 0 from the table, 0 for a text not in it (and for null).
intptr_t hostCanDo(const char* text);
