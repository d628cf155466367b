#pragma once
// The value tags of component streams.
#include <cstdint>

enum class TValueType : std::uint8_t {
    Null = 0, // ends a list, a property list or a child list
    List = 1,
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    Extended = 5,
    String = 6,
    Ident = 7,
    False = 8,
    True = 9,
    Binary = 10,
    Set = 11,
    LString = 12,
    Nil = 13,
    Collection = 14,
    Single = 15,
    Currency = 16,
    Date = 17,
    WString = 18,
    Int64 = 19,
};

// The signature that begins every component record's data.
inline constexpr char kComponentSignature[4] = {'T', 'P', 'F', '0'};
