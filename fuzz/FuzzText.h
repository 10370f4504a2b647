#pragma once
// What every fuzz target shares: the input as text, and a broken promise that stops the run.

#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace tolmo::fuzz {

inline QString testo(const std::uint8_t* data, std::size_t size) {
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

/// Stops the run, so that libFuzzer keeps the input, when `held` is false.
inline void promessa(bool held, const char* what, const QString& input) {
    if (held) return;
    std::fprintf(stderr, "promessa mancata: %s per «%s»\n", what, input.toUtf8().constData());
    std::abort();
}

}  // namespace tolmo::fuzz
