// Found before libjpeg-turbo's own jpeglib.h in the Windows build of JUCE. Its Windows jconfig.h leaves out the
// `boolean` typedef once windows.h (whose rpcndr.h declares a global one) has been read; JUCE includes jpeglib.h
// inside a namespace of its own and names `jpeglibNamespace::boolean`, which the global typedef does not satisfy.
// Declaring it here, inside that namespace, keeps JUCE's sources untouched.
#if defined(__RPCNDR_H__) && !defined(QOR_JPEGLIB_BOOLEAN_DECLARED)
#define QOR_JPEGLIB_BOOLEAN_DECLARED
typedef unsigned char boolean;
#endif
#include_next <jpeglib.h>
