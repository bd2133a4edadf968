// The one translation unit that holds tinygltf's definitions.
#define TINYGLTF_IMPLEMENTATION
#include "export/TinyGltf.h"
