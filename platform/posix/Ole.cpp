#include "platform/Ole.h"

namespace platform {

void oleInitialize() {}
void oleUninitialize() {}

}  // namespace platform
