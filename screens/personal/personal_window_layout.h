#pragma once
// TfrmPersonal's controls as a layout table: the identity rows, the administrator line and the link.

#include "ui/layout.h"

namespace orvane {

inline constexpr const char* kPersonalAreaName = "ScrollBox1";
inline constexpr const char* kPersonalLinkName = "Label3";
inline constexpr const char* kAdministratorValueName = "Edit1";
inline constexpr const char* kAdministratorLabelName = "Edit2";

ui::Layout BuildPersonalWindowLayout(const char* webSite);

}  // namespace orvane
