#include "core/import_layouts.h"

#include <algorithm>

namespace lb {

const std::vector<ImportLayout>& importLayouts() {
    // Chrome before Firefox: a Chrome header also holds Firefox's required
    // columns, but Firefox's lacks "name".
    static const std::vector<ImportLayout> all = {
        {ImportSource::Chrome,
         "chrome",
         "a Chrome export",
         {{"name", Target::Name, true},
          {"url", Target::Url, true},
          {"username", Target::User, true},
          {"password", Target::Password, true},
          {"note", Target::Notes}},
         {},
         false},
        {ImportSource::Firefox,
         "firefox",
         "a Firefox export",
         {{"url", Target::Url, true},
          {"username", Target::User, true},
          {"password", Target::Password, true},
          {"httpRealm", Target::Unused},
          {"formActionOrigin", Target::Unused},
          {"guid", Target::Unused},
          {"timeCreated", Target::Created},
          {"timeLastUsed", Target::Unused},
          {"timePasswordChanged", Target::Modified}},
         {},
         true,
         ImportLayout::Times::EpochMs},
        {ImportSource::Bitwarden,
         "bitwarden",
         "a Bitwarden export",
         {{"folder", Target::Group},
          {"favorite", Target::Unused},
          {"type", Target::Type, true},
          {"name", Target::Name, true},
          {"notes", Target::Notes},
          {"fields", Target::Fields},
          {"reprompt", Target::Unused},
          {"login_uri", Target::Url, true},
          {"login_username", Target::User, true},
          {"login_password", Target::Password, true},
          {"login_totp", Target::Totp}},
         "Folder",
         false},
        {ImportSource::KeePassXC,
         "keepassxc",
         "a KeePassXC export",
         {{"Group", Target::Group},
          {"Title", Target::Name, true},
          {"Username", Target::User, true},
          {"Password", Target::Password, true},
          {"URL", Target::Url, true},
          {"Notes", Target::Notes},
          {"TOTP", Target::Totp},
          {"Icon", Target::Unused},
          {"Last Modified", Target::Modified},
          {"Created", Target::Created}},
         "Group",
         false,
         ImportLayout::Times::Iso},
    };
    return all;
}

const ImportLayout* importLayoutOf(ImportSource source) {
    const auto& all = importLayouts();
    const auto found = std::find_if(all.begin(), all.end(),
                                    [source](const ImportLayout& l) { return l.source == source; });
    return found == all.end() ? nullptr : &*found;
}

std::vector<std::string_view> missingColumns(const ImportLayout& layout,
                                             const std::vector<std::string>& header) {
    std::vector<std::string_view> missing;
    for (const ImportColumn& c : layout.columns) {
        if (c.required && std::find(header.begin(), header.end(), c.header) == header.end()) {
            missing.push_back(c.header);
        }
    }
    return missing;
}

const ImportLayout* layoutOfHeader(const std::vector<std::string>& header) {
    for (const ImportLayout& layout : importLayouts()) {
        if (missingColumns(layout, header).empty()) {
            return &layout;
        }
    }
    return nullptr;
}

} // namespace lb
