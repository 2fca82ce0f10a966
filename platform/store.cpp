// STUB: to be replaced.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "platform/store.h"

void setStoreRoot(const std::string& folder) { }
bool storeSetValue(const char* keyPath,  const char* valueName,  uint32_t type,  const uint8_t* data,  size_t size) { return {}; }
bool storeQueryValue(const char* keyPath,  const char* valueName,  uint32_t& type,  uint8_t* data,  size_t capacity,  size_t& size) { return {}; }
