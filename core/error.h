#pragma once

#include <stdexcept>
#include <string>

namespace orvane {

// An error whose message is shown to the user as it stands, in the application's error box.
class UserError : public std::runtime_error {
public:
    explicit UserError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace orvane
