#pragma once
// The two web addresses the program shows and opens.

namespace orvane {

// The author's web site: scheme and host, no trailing slash.
inline constexpr const char* kAuthorSite = "https://orvane.example";
// The product's page on that site.
inline constexpr const char* kProductPage = "https://orvane.example/software/orvane.htm";

}  // namespace orvane
