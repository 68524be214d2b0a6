#include "inventory/redaction.h"

#include <algorithm>
#include <string_view>

#include "core/text.h"

namespace orvane::inventory {

namespace {

constexpr const char* kPersonalSecrets[] = {"computer_name", "user_name",  "ip_addresses",
                                            "mac_address",   "product_id", "hdd_serial"};
// The probes' answers when they found nothing: no secret however they stand.
constexpr std::string_view kFailureWords[] = {"unknown", "not detected", "not installed", "error!", "none", "n/a"};

bool IsWordCharacter(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

Value* Section(Inventory& inventory, std::string_view key) {
    return inventory.sections.Find(key);
}

void AddSecret(std::vector<std::string>& secrets, const Value* value) {
    if (!value || value->GetKind() != Value::Kind::Text) return;
    std::string text = Trim(value->AsText());
    if (!text.empty() && std::find(secrets.begin(), secrets.end(), text) == secrets.end()) {
        secrets.push_back(std::move(text));
    }
}

// Each place where the secret stands as a word of its own (or, for a folder, also where a path goes on),
// replaced.
std::string Scrub(const std::string& text, const std::string& secret, bool folder) {
    const std::string upperText = ToUpperAscii(text);
    const std::string upperSecret = ToUpperAscii(secret);
    std::string out;
    std::size_t from = 0;
    std::size_t at = upperText.find(upperSecret);
    while (at != std::string::npos) {
        const std::size_t end = at + upperSecret.size();
        const bool startsWord = at == 0 || !IsWordCharacter(text[at - 1]) || !IsWordCharacter(secret.front());
        const bool endsWord = end == text.size() || !IsWordCharacter(text[end]) || !IsWordCharacter(secret.back()) ||
                              (folder && text[end] == '\\');
        if (startsWord && endsWord) {
            out.append(text, from, at - from);
            out += kRedactedText;
            from = end;
            at = upperText.find(upperSecret, end);
        } else {
            at = upperText.find(upperSecret, at + 1);
        }
    }
    if (from == 0) return text;
    out.append(text, from, std::string::npos);
    return out;
}

bool ScrubbedInOtherTexts(const std::string& secret) {
    if (secret.size() < 3) return false;
    const std::string lower = ToLowerAscii(secret);
    return std::find(std::begin(kFailureWords), std::end(kFailureWords), lower) == std::end(kFailureWords);
}

void RedactText(Value* value) {
    if (value && value->GetKind() == Value::Kind::Text) value->SetText(kRedactedText);
}

}  // namespace

std::vector<std::string> CollectSecrets(const Inventory& inventory, const std::optional<std::string>& profileFolder) {
    std::vector<std::string> secrets;
    const Value& sections = inventory.sections;
    if (const Value* personal = sections.Find("personal")) {
        for (const char* key : kPersonalSecrets) {
            if (std::string_view(key) != "ip_addresses") AddSecret(secrets, personal->Find(key));
        }
        if (const Value* addresses = personal->Find("ip_address_list")) {
            for (const Value& address : addresses->Items()) AddSecret(secrets, &address);
        }
    }
    if (const Value* summary = sections.Find("summary"); summary && summary->Find("rows")) {
        for (const Value& row : summary->Find("rows")->Items()) {
            const Value* label = row.Find("label");
            if (label && label->AsText() == "Serial Number") AddSecret(secrets, row.Find("value"));
        }
    }
    if (const Value* cpu = sections.Find("cpu")) AddSecret(secrets, cpu->Find("serial"));
    if (const Value* drives = sections.Find("drives"); drives && drives->Find("drives")) {
        for (const Value& drive : drives->Find("drives")->Items()) AddSecret(secrets, drive.Find("serial_text"));
    }
    if (profileFolder) {
        std::string folder = Trim(*profileFolder);
        while (!folder.empty() && folder.back() == '\\') folder.pop_back();
        if (!folder.empty()) secrets.push_back(folder);
    }
    return secrets;
}

void RedactInventory(Inventory& inventory, const std::optional<std::string>& profileFolder) {
    std::vector<std::string> secrets = CollectSecrets(inventory, profileFolder);
    std::string folder = profileFolder ? Trim(*profileFolder) : std::string();
    while (!folder.empty() && folder.back() == '\\') folder.pop_back();

    if (Value* personal = Section(inventory, "personal")) {
        for (const char* key : kPersonalSecrets) RedactText(personal->Find(key));
        if (Value* addresses = personal->Find("ip_address_list")) {
            for (Value& address : addresses->Items()) RedactText(&address);
        }
    }
    if (Value* summary = Section(inventory, "summary"); summary && summary->Find("rows")) {
        for (Value& row : summary->Find("rows")->Items()) {
            const Value* label = row.Find("label");
            if (label && label->AsText() == "Serial Number") RedactText(row.Find("value"));
        }
    }
    if (Value* cpu = Section(inventory, "cpu")) RedactText(cpu->Find("serial"));
    if (Value* drives = Section(inventory, "drives"); drives && drives->Find("drives")) {
        for (Value& drive : drives->Find("drives")->Items()) {
            if (Value* serial = drive.Find("serial"); serial && !serial->IsNull()) *serial = Value();
            RedactText(drive.Find("serial_text"));
        }
    }

    // The longest first, so that a folder holding the user's name goes as a whole.
    std::sort(secrets.begin(), secrets.end(), [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    secrets.erase(std::remove_if(secrets.begin(), secrets.end(),
                                 [](const std::string& secret) { return !ScrubbedInOtherTexts(secret); }),
                  secrets.end());
    const auto scrub = [&](std::string text) {
        for (const std::string& secret : secrets) text = Scrub(text, secret, !folder.empty() && secret == folder);
        return text;
    };
    VisitValues(inventory.sections, [&](Value& value) {
        if (value.GetKind() == Value::Kind::Text && value.TextOrigin() == Origin::Machine) {
            value.SetText(scrub(value.AsText()));
        }
    });
    for (SectionError& error : inventory.errors) error.message = scrub(error.message);
    inventory.redacted = true;
}

}  // namespace orvane::inventory
