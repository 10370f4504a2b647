#pragma once
// Hostile input for the tests that store and search typed text.

#include <QStringList>

namespace tolmo::test {

/// The Big List of Naughty Strings as shipped in data/naughty-strings.json (Copyright (c)
/// 2015-2020 Max Woolf, MIT License), in file order.
QStringList allNaughtyStrings();

/// The same list reduced to what a text column can hold on the engine: PostgreSQL holds no NUL,
/// and SQLite gives U+FFFE back as U+FFFD when it converts text for Qt. Each string once.
QStringList naughtyStrings(bool sqlite);

}  // namespace tolmo::test
