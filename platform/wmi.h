#pragma once
// Windows Management Instrumentation through its scripting objects.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane::platform {

// One instance's property value, as the scripting objects delivered it.
struct WmiValue {
    enum class Kind { Text, Null, Error };
    Kind kind = Kind::Error;
    std::string text;  // the value converted to a string and then to ANSI, for Text
};

// How long one query, from connecting to the last instance, is waited for.
inline constexpr std::uint32_t kWmiQueryWaitMs = 5000;

class Wmi {
  public:
    virtual ~Wmi() = default;
    // Connects to the server's namespace afresh, runs the WQL query, and reads the named property of
    // every instance in enumeration order. nullopt when creating, connecting, querying or enumerating
    // failed, when the whole query did not end within kWmiQueryWaitMs, and at once while a query that
    // outlived its wait is still running (the service is stuck). Expects COM to be initialised on the
    // calling thread.
    virtual std::optional<std::vector<WmiValue>> QueryProperty(const std::string& server, const std::string& nameSpace,
                                                               const std::string& query,
                                                               const std::string& property) = 0;
};

}  // namespace orvane::platform
