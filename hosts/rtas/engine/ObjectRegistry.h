// The stand-in engine's object registry, kept by DAE.dll.
#pragma once

namespace qorkit {

// Forgets every object and frees the shared blocks it handed out.
void resetObjectRegistry();

}  // namespace qorkit
