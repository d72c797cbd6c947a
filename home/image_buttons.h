#pragma once
// The home window's image buttons: one index range whose elements lie on different panels, so
// every element is created on its own container. Clicks go to one handler with the index.
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "forms/control.h"
#include "frame/picture_button.h"

namespace xpexam::home {

class ImageButtonArray {
 public:
  explicit ImageButtonArray(std::string name) : name_(std::move(name)) {}
  ImageButtonArray(const ImageButtonArray&) = delete;
  ImageButtonArray& operator=(const ImageButtonArray&) = delete;

  // Creates element index on container.
  void Add(forms::Container& container, int index);
  // Failure 340 for an index that names no element.
  frame::PictureButton& operator[](int index) const;
  bool Exists(int index) const { return buttons_.count(index) != 0; }

  std::function<void(int)> Click;

 private:
  std::string name_;
  std::map<int, std::unique_ptr<frame::PictureButton>> buttons_;
};

}  // namespace xpexam::home
