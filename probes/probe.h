#pragma once
// Probe conventions: a probe answers one question with one line of ANSI text and never shows a
// message. Most probes turn any error of their own into a failure text through Guarded; the few that
// let an error reach the refresh simply do not use it.

#include <string>
#include <utility>

#include "platform/system.h"

namespace orvane {

using platform::System;

// A probe of one summary row.
using Probe = std::string (*)(System&);

template <typename Body>
std::string Guarded(Body&& body, std::string failureText = {}) {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        return failureText;
    }
}

}  // namespace orvane
