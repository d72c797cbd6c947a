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

PicturePtr LoadPicture(const std::string& path) {
  PicturePtr picture = Picture::Load(path);
  std::string id = path.substr(path.find_last_of("/\\") + 1);
  if (auto dot = id.rfind('.'); dot != std::string::npos && dot > 0) id.resize(dot);
  auto& names = Names();
  // Pictures are shown again and again: forgetting the names of the ones gone is done only
  // once the table has doubled, so a load stays cheap.
  static size_t sweep_at = 64;
  if (names.size() >= sweep_at) {
    std::erase_if(names, [](const auto& entry) { return entry.second.picture.expired(); });
    sweep_at = std::max<size_t>(64, names.size() * 2);
  }
  Named& named = names[picture.get()];
  if (named.picture.lock() != picture || named.id != id) named = Named{picture, id};
  return picture;
}

std::string PictureId(const PicturePtr& picture) {
  if (!picture) return "";
  auto it = Names().find(picture.get());
  if (it == Names().end() || it->second.picture.lock() != picture) return "";
  return it->second.id;
}

}  // namespace xpexam::forms
