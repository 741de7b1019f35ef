#pragma once

// The engine library is built with hidden visibility; only functions marked with this are found
// by hosts (dlsym, ctypes) under their upper-case names.
#define QZ_EXPORT extern "C" __attribute__((visibility("default")))
