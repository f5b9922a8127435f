#include "platform/store/record_encoding.h"

#include <set>

namespace halvo::store_internal
{
namespace
{

// A record's body is its properties in order: id (2 bytes), type (1 byte),
// then the value: text as a 4-byte length and its UTF-8 bytes, a 32-bit
// number in 4 bytes, a 16-bit one in 2; all little-endian.
enum PropertyType : unsigned char
{
    kText = 0,
    kInt32 = 1,
    kUint16 = 2
};

void PutUnsigned(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::uint32_t GetUnsigned(const std::string& in, std::size_t at, int bytes)
{
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= static_cast<std::uint32_t>(
                     static_cast<unsigned char>(in[at + static_cast<std::size_t>(i)]))
                 << (8 * i);
    return value;
}

} // namespace

std::string EncodeRecord(const Record& record)
{
    std::string body;
    for (const Property& property : record)
    {
        PutUnsigned(body, property.id, 2);
        if (const auto* text = std::get_if<std::string>(&property.value))
        {
            body.push_back(static_cast<char>(kText));
            PutUnsigned(body, static_cast<std::uint32_t>(text->size()), 4);
            body += *text;
        }
        else if (const auto* number = std::get_if<std::int32_t>(&property.value))
        {
            body.push_back(static_cast<char>(kInt32));
            PutUnsigned(body, static_cast<std::uint32_t>(*number), 4);
        }
        else
        {
            body.push_back(static_cast<char>(kUint16));
            PutUnsigned(body, std::get<std::uint16_t>(property.value), 2);
        }
    }
    return body;
}

std::optional<Record> DecodeRecord(const std::string& body)
{
    Record record;
    record.reserve(8);
    std::size_t at = 0;
    auto has = [&](std::size_t bytes) { return body.size() - at >= bytes; };
    while (at < body.size())
    {
        if (!has(3))
            return std::nullopt;
        Property property;
        property.id = static_cast<std::uint16_t>(GetUnsigned(body, at, 2));
        const auto type = static_cast<unsigned char>(body[at + 2]);
        at += 3;
        if (type == kText)
        {
            if (!has(4))
                return std::nullopt;
            const std::size_t length = GetUnsigned(body, at, 4);
            at += 4;
            if (!has(length))
                return std::nullopt;
            property.value = body.substr(at, length);
            at += length;
        }
        else if (type == kInt32)
        {
            if (!has(4))
                return std::nullopt;
            property.value = static_cast<std::int32_t>(GetUnsigned(body, at, 4));
            at += 4;
        }
        else if (type == kUint16)
        {
            if (!has(2))
                return std::nullopt;
            property.value = static_cast<std::uint16_t>(GetUnsigned(body, at, 2));
            at += 2;
        }
        else
        {
            return std::nullopt;
        }
        record.push_back(std::move(property));
    }
    return record;
}

bool HasRepeatedId(const Record& record)
{
    std::set<std::uint16_t> seen;
    for (const Property& property : record)
        if (!seen.insert(property.id).second)
            return true;
    return false;
}

} // namespace halvo::store_internal
