#pragma once
// Real menus and accelerator tables from a MenuModel.

#include <windows.h>

#include <vector>

#include "ui/menu.h"

namespace orvane::ui {

// A menu bar of the model's visible top-level menus; nullptr when there is none.
HMENU BuildMenuBarHandle(const MenuModel& model);
// A pop-up menu of the given items (which must belong to the model), for drop-downs and context menus.
HMENU BuildPopupHandle(const MenuModel& model, const std::vector<MenuItem>& items);
std::vector<ACCEL> MenuAccelerators(const MenuModel& model);
// Shows each check item's mark as the model has it.
void SyncCheckMarks(HMENU menu, const MenuModel& model);
// Greys the items of an opening pop-up menu that cannot be chosen now, and enables the others.
void SyncAvailability(HMENU popup, const MenuModel& model);

}  // namespace orvane::ui
