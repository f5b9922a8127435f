#pragma once

// How a record is kept in the database: one byte string holding its
// properties in order. Internal to platform/store.

#include "platform/store/record_store.h"

#include <optional>
#include <string>

namespace halvo::store_internal
{

std::string EncodeRecord(const Record& record);
// The record of a body; nothing when the bytes are not a whole body.
std::optional<Record> DecodeRecord(const std::string& body);
// A record that names one property id twice cannot be stored.
bool HasRepeatedId(const Record& record);

} // namespace halvo::store_internal
