#pragma once
// The privacy mode: what identifies the machine or its user is replaced by "[redacted]" everywhere in
// the inventory, and the inventory says that it is redacted.

#include <optional>
#include <string>
#include <vector>

#include "inventory/inventory.h"

namespace orvane::inventory {

inline constexpr const char* kRedactedText = "[redacted]";

// The texts that identify: the computer and user names, the IP and MAC addresses, the product ID, every
// serial number (the disk's, the BIOS's, the processor's, each volume's) and the user's profile folder.
std::vector<std::string> CollectSecrets(const Inventory& inventory, const std::optional<std::string>& profileFolder);

// Their fields become "[redacted]" (a volume's serial number null), and every text read from the machine
// has each of them replaced where it stands as a word of its own (ASCII case ignored; the profile folder
// also where a path continues it). A text of fewer than three characters, or one of the probes' failure
// words, is redacted in its field only: found inside other texts it would say nothing about the machine.
void RedactInventory(Inventory& inventory, const std::optional<std::string>& profileFolder);

}  // namespace orvane::inventory
