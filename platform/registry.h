#pragma once
// The per-user registry: values under key paths such as "Software\vemo", kept in a text file
// in the user's configuration folder. Key paths and value names ignore letter case.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace xpexam::platform {

using RegistryValue = std::variant<std::string, uint32_t>;

// $XDG_CONFIG_HOME/xpexam, or ~/.config/xpexam; tests point it elsewhere ("" restores it).
std::string RegistryFolder();
void SetRegistryFolder(std::string folder);

// Creates the key when missing and sets the value; false when the store cannot be written,
// in which case it is left as it was.
bool RegistrySet(std::string_view key, std::string_view name, const RegistryValue& value);

// The stored value, or nullopt when the key or the value does not exist.
std::optional<RegistryValue> RegistryGet(std::string_view key, std::string_view name);

}  // namespace xpexam::platform
