#include "home/image_buttons.h"

#include "platform/failure.h"

namespace xpexam::home {

void ImageButtonArray::Add(forms::Container& container, int index) {
  auto button = std::make_unique<frame::PictureButton>(container, name_, index);
  button->Click = [this, index] {
    if (!Click) return;
    auto handler = Click;
    handler(index);
  };
  buttons_[index] = std::move(button);
}

frame::PictureButton& ImageButtonArray::operator[](int index) const {
  auto it = buttons_.find(index);
  if (it == buttons_.end())
    platform::Fail(340, "Control array element '" + std::to_string(index) + "' doesn't exist");
  return *it->second;
}

}  // namespace xpexam::home
