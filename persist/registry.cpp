// The registry copy of the saved record: one binary value under a fixed key.
#include "persist/registry.h"

#include "platform/system/store.h"

namespace {

constexpr const char* KeyPath = "SOFTWARE\\Calverin";
constexpr const char* ValueName = "Rendaro";

}  // namespace

bool writeRegistryCopy(const uint8_t* buffer) {
    return storeSetValue(KeyPath, ValueName, REG_BINARY, buffer, SaveRecordSize);
}

bool readRegistryCopy(uint8_t* buffer) {
    uint32_t type = 0;
    size_t size = 0;
    if (!storeQueryValue(KeyPath, ValueName, type, buffer, SaveRecordSize, size)) return false;
    // Another type or another length is not our record, even though the query itself worked.
    return type == REG_BINARY && size == SaveRecordSize;
}

bool removeRegistryCopy() { return storeRemoveValue(KeyPath, ValueName); }
