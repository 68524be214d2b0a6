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

// A server and one of its namespaces, as a query names them.
struct WmiNamespace {
    std::string server;
    std::string nameSpace;
};

class Wmi {
  public:
    virtual ~Wmi() = default;
    // Lets the platform make ready what the queries on these namespaces will need, while the caller
    // goes on with other work; it answers nothing and no query depends on it. The Win32 system starts
    // its query helper and connects there.
    virtual void PrepareQueries(const std::vector<WmiNamespace>& namespaces) { (void)namespaces; }
    // Runs the WQL query on the server's namespace and reads the named property of every instance in
    // enumeration order. The connection may be one kept from an earlier query of the run (a stale one
    // is replaced by a fresh one). nullopt when creating, connecting, querying or enumerating failed,
    // when the whole query did not end within kWmiQueryWaitMs, and at once while a query that outlived
    // its wait is still running (the service is stuck). Expects COM to be initialised on the calling
    // thread.
    virtual std::optional<std::vector<WmiValue>> QueryProperty(const std::string& server, const std::string& nameSpace,
                                                               const std::string& query,
                                                               const std::string& property) = 0;
};

}  // namespace orvane::platform
