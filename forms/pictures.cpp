#include "forms/pictures.h"

#include <algorithm>
#include <map>

namespace xpexam::forms {
namespace {
struct Named {
  std::weak_ptr<const Picture> picture;
  std::string id;
};
std::map<const Picture*, Named>& Names() {
  static std::map<const Picture*, Named> names;
  return names;
}
}  // namespace

PicturePtr LoadNamedPicture(const std::string& path) {
  PicturePtr picture = Picture::Load(path);
  std::string_view id = path;
  id.remove_prefix(FileNameStart(id));
  if (auto dot = id.rfind('.'); dot != std::string_view::npos && dot > 0) id = id.substr(0, dot);
  auto& names = Names();
  // Pictures are shown again and again: forgetting the names of the ones gone is done only
  // once the table has doubled, so a load stays cheap.
  static size_t sweep_at = 64;
  if (names.size() >= sweep_at) {
    std::erase_if(names, [](const auto& entry) { return entry.second.picture.expired(); });
    sweep_at = std::max<size_t>(64, names.size() * 2);
  }
  Named& named = names[picture.get()];
  // A live entry at this address is this picture: no other can share the address meanwhile.
  if (named.picture.expired() || named.id != id) named = Named{picture, std::string(id)};
  return picture;
}

std::string PictureId(const PicturePtr& picture) {
  if (!picture) return "";
  auto it = Names().find(picture.get());
  if (it == Names().end() || it->second.picture.lock() != picture) return "";
  return it->second.id;
}

}  // namespace xpexam::forms
