#pragma once
// TfrmMemory's controls as a layout table.

#include "ui/layout.h"

namespace orvane {

inline constexpr const char* kMemoryAreaName = "ScrollBox1";
inline constexpr const char* kMemoryGaugeName = "Gauge1";
inline constexpr const char* kMemoryLinkName = "Label3";
// The value controls the refresh writes, in the order of the memory texts.
inline constexpr const char* kMemoryValueNames[] = {"Info1", "Info2", "Info3", "Info4", "Info5",
                                                    "Info6", "Info7", "Info8", "Info9"};
inline constexpr int kMemoryClientWidth = 498;
inline constexpr int kMemoryClientHeight = 419;

ui::Layout BuildMemoryWindowLayout(const char* webSite);
ui::WindowLayout MemoryWindowLayout(const char* webSite);

}  // namespace orvane
