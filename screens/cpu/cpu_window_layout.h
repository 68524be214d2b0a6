#pragma once
// TfrmCPU's controls as a layout table.

#include "ui/layout.h"

namespace orvane {

inline constexpr const char* kCpuAreaName = "ScrollBox1";
inline constexpr const char* kCpuFeatureListName = "clbCPU";
inline constexpr const char* kCpuUsagePanelName = "Panel1";
inline constexpr const char* kCpuSpeedPanelName = "Panel6";
inline constexpr const char* kCpuCounterPanelName = "Panel2";
inline constexpr const char* kCpuGaugeNames[] = {"ProgressBar1", "ProgressBar2"};
inline constexpr const char* kCpuUsageLabelName = "Label5";
inline constexpr const char* kCpuSpeedBoxName = "ptBoxTotTracks";
inline constexpr const char* kCpuCounterBoxName = "PaintBox1";
inline constexpr const char* kCpuLinkName = "Label3";
// The value controls the refresh writes, in the order of CPUWindowInfo's rows.
inline constexpr const char* kCpuBrandName = "CPUBrand1";
inline constexpr const char* kCpuChipName = "CPUInfo";
inline constexpr const char* kCpuSerialName = "Info6";

inline constexpr int kCpuWindowWidth = 624;  // outer size, sizeable, with a menu
inline constexpr int kCpuWindowHeight = 753;
// Digits are drawn one every 16 design pixels from the paint box's left edge.
inline constexpr int kCpuDigitPitch = 16;

ui::Layout BuildCpuWindowLayout(const char* webSite);
ui::WindowLayout CpuWindowLayout(const char* webSite);

}  // namespace orvane
