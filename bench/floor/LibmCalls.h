// The libm calls of a set of readings, as the recorder (record_libm_calls.cpp)
// writes them and the floor benchmark replays them: per birth, every call in
// the order made, with its function and arguments.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace varelio::bench {

// Every libm function the core calls (nm -u on its libraries); a call that
// the compiler puts inline (sqrt's instruction, fabs) is no call and is not
// recorded.
#define VARELIO_LIBM_FUNCTIONS(X) \
    X(sin) X(cos) X(tan) X(asin) X(acos) X(atan) X(atan2) X(sincos) X(fmod) X(floor) X(ceil) X(trunc) \
    X(round) X(llround) X(fmin) X(fmax) X(sqrt) X(pow) X(exp) X(log)

enum class Libm : std::uint32_t {
#define VARELIO_LIBM_ENUM(name) name,
    VARELIO_LIBM_FUNCTIONS(VARELIO_LIBM_ENUM)
#undef VARELIO_LIBM_ENUM
};

inline constexpr std::array<const char*, 20> kLibmNames{
#define VARELIO_LIBM_NAME(name) #name,
    VARELIO_LIBM_FUNCTIONS(VARELIO_LIBM_NAME)
#undef VARELIO_LIBM_NAME
};

struct LibmCall {
    Libm function = Libm::sin;
    std::uint32_t unused = 0;
    double a = 0;  // the first argument
    double b = 0;  // the second, where there is one
};

// The file: for each birth the number of its calls, then the calls.
using BirthCalls = std::vector<LibmCall>;

inline bool WriteCalls(const std::string& path, const std::vector<BirthCalls>& births) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    bool ok = true;
    for (const BirthCalls& calls : births) {
        const auto count = static_cast<std::uint32_t>(calls.size());
        ok = ok && std::fwrite(&count, sizeof count, 1, file) == 1;
        ok = ok && std::fwrite(calls.data(), sizeof(LibmCall), calls.size(), file) == calls.size();
    }
    return std::fclose(file) == 0 && ok;
}

// Empty when the file cannot be read whole.
inline std::vector<BirthCalls> ReadCalls(const std::string& path) {
    std::vector<BirthCalls> births;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return births;
    std::uint32_t count = 0;
    while (std::fread(&count, sizeof count, 1, file) == 1) {
        BirthCalls calls(count);
        if (std::fread(calls.data(), sizeof(LibmCall), count, file) != count) {
            births.clear();
            break;
        }
        births.push_back(std::move(calls));
    }
    std::fclose(file);
    return births;
}

}  // namespace varelio::bench
